// A new sweep made from one of the sweep options: its name and its type, with the stake of a
// fixed-stake sweep. The sweeps file is saved at once, and the manager window shows the sweep.
#pragma once

#include <QDialog>

#include "app/kit/default_instance.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace pitchlog {

namespace sweeps {
class MoneyBox;
}

class frmNewSweep : public QDialog, public DefaultInstance<frmNewSweep> {
  Q_OBJECT

 public:
  frmNewSweep();

  QGroupBox* OptionFrame;
  QComboBox* cboOptions;
  QLabel* lblName;
  QLineEdit* txtName;
  QGroupBox* TypeFrame;
  QRadioButton* optFun;
  QRadioButton* optStake;
  QRadioButton* optBid;
  sweeps::MoneyBox* txtStake;
  QPushButton* cmdOK;
  QPushButton* cmdCancel;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmNewSweep>;

  void Form_Load();
  void cboOptions_Click();
  void optType_Click();
  void txtStake_Change();
  void cmdOK_Click();
  void cmdCancel_Click();

  // The name that the last pick of an option put into the name box.
  QString picked_name_;
};

}  // namespace pitchlog

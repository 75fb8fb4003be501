// Renames the sweep chosen in the manager window and saves the sweeps file. The manager window
// offers it only while no change is pending, since the save writes every change.
#pragma once

#include <QDialog>

#include "app/kit/default_instance.h"

class QLineEdit;
class QPushButton;

namespace pitchlog {

class frmEditSweep : public QDialog, public DefaultInstance<frmEditSweep> {
  Q_OBJECT

 public:
  frmEditSweep();

  QLineEdit* txtName;
  QPushButton* cmdOK;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmEditSweep>;

  void Form_Load();
  void cmdOK_Click();
};

}  // namespace pitchlog

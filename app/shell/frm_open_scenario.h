// "Open Scenario": picks one of the named result sets and has the main window open it.
#pragma once

#include <QDialog>

#include "app/kit/default_instance.h"

class QComboBox;
class QPushButton;

namespace pitchlog {

class frmOpenScenario : public QDialog, public DefaultInstance<frmOpenScenario> {
  Q_OBJECT

 public:
  frmOpenScenario();

  QComboBox* cboName;
  QPushButton* cmdOK;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmOpenScenario>;

  void Form_Load();
  void cmdOK_Click();
};

}  // namespace pitchlog

// "Save As Scenario": saves the results under a name of the user's, which becomes the current
// result set. A name picked from the list is overwritten at once; a typed one that exists is
// asked about first.
#pragma once

#include <QDialog>

#include "app/kit/default_instance.h"

class QComboBox;
class QPushButton;

namespace pitchlog {

class frmSaveScenario : public QDialog, public DefaultInstance<frmSaveScenario> {
  Q_OBJECT

 public:
  frmSaveScenario();

  QComboBox* cboName;
  QPushButton* cmdOK;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmSaveScenario>;

  void Form_Load();
  void cboName_Change();
  void cboName_Click();
  void cmdOK_Click();

  // True when the name was typed or set by code, False when it was picked from the list.
  bool blnTyped = false;
};

}  // namespace pitchlog

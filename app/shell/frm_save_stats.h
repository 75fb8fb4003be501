// "Save Stats Layout": stores the Stats view's captured layout (the main window's varTable) under
// a name in the stats tables file, then selects the saved table. Modeless. Layouts that came with
// the data are never overwritten; another existing layout only after the user agrees.
#pragma once

#include <QDialog>

#include "app/shell/default_instance.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace pitchlog {

class frmSaveStats : public QDialog, public DefaultInstance<frmSaveStats> {
  Q_OBJECT

 public:
  frmSaveStats();

  QLabel* lblName;
  QLineEdit* txtName;
  QPushButton* cmdOK;

  // Shows the window without a mode, in front.
  void ShowModeless();

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmSaveStats>;

  void Form_Load();
  void cmdOK_Click();
};

}  // namespace pitchlog

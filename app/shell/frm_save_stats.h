// "Save Stats Layout": stores the Stats view's captured layout (the main window's varTable) under
// a name in the stats tables file, then selects the saved table. Modal, and it saves the layout
// that was on show when it opened. Layouts that came with the data are never overwritten;
// another existing layout only after the user agrees.
#pragma once

#include <string>

#include <QDialog>

#include "engine/pitchlog_interface.h"

#include "app/kit/default_instance.h"

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

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmSaveStats>;

  void Form_Load();
  void cmdOK_Click();

  // The layout on show when the dialog opened, as the Save button captured it.
  struct Layout {
    QString shown;
    kelvane::Variant table;
    std::string type;
    int16_t stage = 0;
    bool averages = false;
    int16_t sort = 0;
    std::string sequence;
  } layout_;
};

}  // namespace pitchlog

// A new member's name, handed to the members window as if typed over its "[New]" row.
#pragma once

#include <QDialog>

#include "app/kit/default_instance.h"

class QLineEdit;
class QPushButton;

namespace pitchlog {

class frmNewMember : public QDialog, public DefaultInstance<frmNewMember> {
  Q_OBJECT

 public:
  frmNewMember();

  QLineEdit* txtName;
  QPushButton* cmdOK;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmNewMember>;

  void Form_Load();
  void cmdOK_Click();
};

}  // namespace pitchlog

// The members of the sweep circle, one row each, and "[New]" last. A member is added by typing
// over "[New]" or through the new member dialog that its double-click opens, renamed by editing
// its row in place (not while sweep changes are pending: the rename saves the sweeps file), and
// opened in the member details window by a double-click. Every addition and rename is saved at once.
#pragma once

#include <QDialog>

#include "app/kit/default_instance.h"

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace pitchlog {

class SlowClickEdit;

class frmMembers : public QDialog, public DefaultInstance<frmMembers> {
  Q_OBJECT

 public:
  frmMembers();

  // ---- Public procedures ----
  void LoadMembers();
  // Takes a name typed over a row (also the new member dialog's, with Cancel 0). NewString comes
  // back as the row's text: the old text when the name was refused.
  void MemberList_AfterLabelEdit(int Cancel, QString& NewString);

  // ---- Public variables ----
  // Set by the opener: the manager window holds sweep changes not yet saved.
  bool blnSweepChanged = false;

  QTreeWidget* MemberList;
  QPushButton* cmdOK;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmMembers>;
  friend class frmNewMember;

  void Form_Load();
  // False to refuse the edit.
  bool MemberList_BeforeLabelEdit();
  void MemberList_DblClick(QTreeWidgetItem* row);
  void cmdOK_Click();

  // The text of the row being edited, as it stood when the edit began.
  QString old_text_;
  SlowClickEdit* slow_click_;
};

}  // namespace pitchlog

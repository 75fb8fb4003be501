// The rename-player dialog of the players editor: a new name for the player chosen in the
// editor's list. The editor is the top-level window named "frmPlayers"; the dialog reads its team
// list cboTeam and player list PlayerList (a QTreeWidget: name, shirt) and hands the name to its
//   Q_INVOKABLE void PlayerList_AfterLabelEdit(int Cancel, QString NewString)
// which renames the player (or adds one on a vacant shirt), saves and redraws.
#pragma once

#include <QDialog>

#include "app/kit/default_instance.h"

class QLineEdit;
class QPushButton;

namespace pitchlog {

class frmNewPlayer : public QDialog, public DefaultInstance<frmNewPlayer> {
  Q_OBJECT

 public:
  frmNewPlayer();

  QLineEdit* txtName;
  QPushButton* cmdOK;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmNewPlayer>;

  void Form_Load();
  void cmdOK_Click();

  QString old_name_;
};

}  // namespace pitchlog

// The rename-player dialog of the players editor: a new name for the player chosen in the
// editor's list. The editor opens it with the player as its list shows him and the procedure that
// takes the new name (the editor's PlayerList_AfterLabelEdit, which renames the player, or adds
// one on a vacant shirt, saves and redraws).
#pragma once

#include <functional>

#include <QDialog>
#include <QString>

#include "app/kit/default_instance.h"

class QLineEdit;
class QPushButton;

namespace pitchlog {

class frmNewPlayer : public QDialog, public DefaultInstance<frmNewPlayer> {
  Q_OBJECT

 public:
  // The chosen player, and where his new name goes.
  struct Player {
    QString team;  // the team's name
    QString shirt;
    QString name;  // "" on a vacant shirt
    std::function<void(const QString& NewString)> rename;
  };

  frmNewPlayer();

  // Fills the dialog for the player, then waits until it unloads.
  void ShowModal(Player player);

  QLineEdit* txtName;
  QPushButton* cmdOK;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;

 private:
  // Not run on creation: the dialog is filled for the player ShowModal is given.
  void Form_Load();
  void cmdOK_Click();

  Player player_;
};

}  // namespace pitchlog

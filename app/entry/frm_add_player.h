// The add-player dialog: a player added to a team's squad while a result is being entered, from
// the "[New]" item of a scorer or kick-taker list. It saves the players file and has the
// opener refill its lists.
#pragma once

#include <cstdint>
#include <string>

#include <QDialog>
#include <QPointer>
#include <QString>

#include "app/kit/default_instance.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace pitchlog {

class frmAddPlayer : public QDialog, public DefaultInstance<frmAddPlayer> {
  Q_OBJECT

 public:
  frmAddPlayer();

  // ---- Set by the opener before ShowModal ----
  std::string TeamID;           // the team that gets the player; "" while the dialog is free
  QPointer<QComboBox> Calling;  // the list whose "[New]" was chosen
  // The opener; it has  Q_INVOKABLE void ResetPlayers(QString HomeAway, QString Side),
  // called by name once the player is stored.
  QPointer<QWidget> FromForm;
  QString HomeAway;  // "home" or "away": the side whose squad grows
  QString Side;      // "home" or "away": the side of the asking row
  int16_t IndexNo = 0;

  // ---- Read by the opener while ResetPlayers runs ----
  std::string AddedPlayerID;  // the id of the player just added

  // True while an opener has the dialog in use; its lists' handlers then do nothing.
  static bool InUse() { return IsLoaded() && !Get().TeamID.empty(); }

  // Fills the dialog from the variables above, then waits until it unloads.
  void ShowModal();

  QLineEdit* txtName;
  QComboBox* cboShirt;
  QPushButton* cmdOK;

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Not run on creation: the opener sets the variables after the instance exists.
  void Form_Load();
  void Form_Unload();
  void Close();

  void txtName_LostFocus();
  void cmdOK_Click();
};

}  // namespace pitchlog

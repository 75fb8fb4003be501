// The sweepstake manager: the sweeps by name and, for the sweep chosen, every team, player or
// number with its value in the tournament, the member who holds it and the bid, ranked as the
// sweep's option orders them. A double-click on a row gives the choice to a member through the
// choice entry dialogs. Changes stay in the engine until Apply or OK saves them; the enabled
// Apply button is the mark of unsaved changes.
#pragma once

#include <cstdint>
#include <string>

#include <QDialog>

#include "app/kit/default_instance.h"
#include "engine/pitchlog_interface.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace pitchlog {

// Columns of the three lists.
namespace team_column {
enum : int { TeamID, Team, Value, Member, Bid, Sort };
}
namespace player_column {
enum : int { PlayerID, Player, Value, Member, Bid, Sequence };
}
namespace number_column {
enum : int { MemberID, Member, Number, Bid, Sort };
}

class frmSweeps : public QDialog, public DefaultInstance<frmSweeps> {
  Q_OBJECT

 public:
  frmSweeps();

  // ---- Public procedures: refill a list for the sweep of that name ----
  void LoadTeamList(const std::string& Sweep);
  void LoadNumberList(const std::string& Sweep);
  void LoadPlayerList(const std::string& Sweep);

  // When the program ends: pending changes are saved or dropped after the question, and the
  // window unloads. False when the user cancels.
  bool SettleBeforeExit();

  // Refills the list of the sweep shown, if any (member names may have changed).
  void ReloadShownList();

  // After a rename of the sweep shown: its entry takes the new name, and stays chosen.
  void RenameShownSweep(const QString& NewName);

  // Whether the list's bid column is shown: the sign that the sweep shown takes bids.
  static bool TakesBids(const QTreeWidget* list);
  // The column of a list that holds the bids.
  static int BidColumn(const QTreeWidget* list);

  // ---- Public variables ----
  // Every player (PlayerList with no team), fetched by the last double-click on "[New]" of the
  // player list: row 0 player id, 1 name, 2 shirt, 3 team id.
  kelvane::Variant varPlayers;

  // ---- Controls ----
  QGroupBox* SweepListFrame;
  QComboBox* cboSweepList;
  QPushButton* cmdEdit;
  QPushButton* cmdPrint;
  QPushButton* cmdNewSweep;
  QTreeWidget* TeamList;
  QTreeWidget* PlayerList;
  QTreeWidget* NumberList;
  QGroupBox* BidsFrame;
  QLabel* BidsLabel;
  QGroupBox* StakeFrame;
  QLabel* StakeLabel;
  QPushButton* cmdMembers;
  QPushButton* cmdRemove;
  QPushButton* cmdOK;
  QPushButton* cmdApply;
  QPushButton* cmdCancel;

 protected:
  void reject() override;  // Esc: Cancel
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmSweeps>;

  void BuildControls();
  void WireEvents();
  // Saves or drops pending changes after the question; false when the user cancelled.
  bool SettlePendingChanges(const QString& question);
  // The stake or the bids' total in its frame, which widens for a large amount and moves the
  // Members and Remove buttons along.
  void ShowFigure(QLabel* label, double amount);

  void Form_Load();
  void cboSweepList_Click();
  void TeamList_DblClick(QTreeWidgetItem* row);
  void PlayerList_DblClick(QTreeWidgetItem* row);
  void NumberList_DblClick(QTreeWidgetItem* row);
  void cmdApply_Click();
  void cmdOK_Click();
  // True when the window unloaded.
  bool cmdCancel_Click();
  void cmdNewSweep_Click();
  void cmdEdit_Click();
  void cmdMembers_Click();
  void cmdRemove_Click();
  void cmdPrint_Click();

  // The sweep whose list was last loaded through the combo box; empty when none is.
  QString shown_sweep_;
};

}  // namespace pitchlog

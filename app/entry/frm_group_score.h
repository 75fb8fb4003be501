// The group score dialog: the result of one group game (the main window's GameID when the
// dialog loads): each team's goals, one row per goal with scorer, own goal, penalty and minute,
// and the result flag. An enabled Apply marks changes not yet handed to the engine.
#pragma once

#include <cstdint>
#include <string>

#include <QDialog>
#include <QString>

#include "app/entry/entry_kit.h"
#include "app/entry/goal_rows.h"
#include "app/shell/default_instance.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

namespace pitchlog {

class frmGroupScore : public QDialog, public DefaultInstance<frmGroupScore> {
  Q_OBJECT

 public:
  frmGroupScore();

  // Called by name by the add-player dialog once it stored a player: refills the lists that
  // offer the squad that grew. HomeAway: the side whose squad grew; Side: the side that asked.
  Q_INVOKABLE void ResetPlayers(QString HomeAway, QString Side);

  QLabel* lblHomeTeam;
  QLabel* lblAwayTeam;
  QLabel* lblVS;
  entry::DigitBox* txtHomeScore;
  entry::DigitBox* txtAwayScore;
  entry::SpinControl* vscHomeScore;
  entry::SpinControl* vscAwayScore;
  QGroupBox* HomeGoalFrame;
  QGroupBox* AwayGoalFrame;
  QFrame* MidFrame;
  QFrame* ButtonFrame;
  QFrame* ResultFrame;
  QCheckBox* chkResult;
  QPushButton* cmdClear;
  QPushButton* cmdOK;
  QPushButton* cmdApply;
  QPushButton* cmdCancel;

 protected:
  void reject() override;  // Esc is Cancel
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class DefaultInstance<frmGroupScore>;

  // Home and away are mirrors; each handler names its side.
  struct GoalSide {
    QString name;  // "home" or "away", as the add-player dialog names sides
    entry::DigitBox* score;
    entry::SpinControl* spin;
    QLabel* team;
    entry::GoalRowPanel rows;
    std::string team_id;
    entry::Squad squad;
  };

  void Form_Load();

  void txtHomeScore_Change() { ScoreChange(home_); }
  void txtAwayScore_Change() { ScoreChange(away_); }
  void txtHomeScore_GotFocus();
  void txtAwayScore_GotFocus();
  void vscHomeScore_Change() { SpinChange(home_); }
  void vscAwayScore_Change() { SpinChange(away_); }
  void txtHomeMins_Change(int16_t Index) { MinsChange(home_, Index); }
  void txtAwayMins_Change(int16_t Index) { MinsChange(away_, Index); }
  void chkHomeOG_Click(int16_t Index) { OGClick(home_, Index); }
  void chkAwayOG_Click(int16_t Index) { OGClick(away_, Index); }
  void chkHomePen_Click(int16_t Index) { PenClick(home_, Index); }
  void chkAwayPen_Click(int16_t Index) { PenClick(away_, Index); }
  void cboHomePlayer_Click(int16_t Index) { PlayerClick(home_, Index); }
  void cboAwayPlayer_Click(int16_t Index) { PlayerClick(away_, Index); }
  void chkResult_Click();
  void cmdOK_Click();
  void cmdApply_Click();
  void cmdCancel_Click();
  void cmdClear_Click();

  void ScoreChange(GoalSide& side);
  void PutBackScore(GoalSide& side);
  void SpinChange(GoalSide& side);
  void MinsChange(GoalSide& side, int row);
  void OGClick(GoalSide& side, int row);
  void PenClick(GoalSide& side, int row);
  void PlayerClick(GoalSide& side, int row);

  // Sizes the side's rows, frames and the window to its score; FromLoad fills the rows from the
  // stored goals.
  void SetGoals(GoalSide& side, bool FromLoad);
  void WireRow(GoalSide& side, int row);
  void LoadPlayerLists();
  // The squad a row's list offers: the other side's while its own-goal box is ticked.
  const entry::Squad& RowSquad(const GoalSide& side, int row) const;
  GoalSide& Other(const GoalSide& side) { return &side == &home_ ? away_ : home_; }
  const GoalSide& Other(const GoalSide& side) const { return &side == &home_ ? away_ : home_; }
  bool BothScores() const { return txtHomeScore->HoldsText() && txtAwayScore->HoldsText(); }
  void EnableApplyWhenScored();
  void SetWindowHeight(int height);
  void SetTabOrder();
  // False when the user keeps the knock-out results the save would remove: nothing is stored.
  bool SaveGroupScore();
  void SaveGoals(GoalSide& side);

  GoalSide home_;
  GoalSide away_;
  std::string game_id_;
  // Layout measures at design.
  int base_height_ = 0;
  int one_row_height_ = 0;
  int button_offset_ = 0;
};

}  // namespace pitchlog

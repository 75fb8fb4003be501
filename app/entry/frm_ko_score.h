// The knock-out score dialog: the result of one knock-out game (the main window's KOIndex):
// each team's goals including extra time, one row per goal with scorer, own goal, penalty and
// minute (after minute 90 a goal is an extra-time goal), the shoot-out goals of a level game and
// the result flag. It hides the facts dialog while open and closes it when it closes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

class frmKOScore : public QDialog, public DefaultInstance<frmKOScore> {
  Q_OBJECT

 public:
  frmKOScore();

  // Called by name by the add-player dialog once it stored a player.
  Q_INVOKABLE void ResetPlayers(QString HomeAway, QString Side);

  // Ends the entry of the game: this window and the facts dialog.
  void Close();

  std::string GameID;  // the game the window holds, read by the shoot-out dialog

  QLabel* lblHomeTeam;
  QLabel* lblAwayTeam;
  QLabel* lblVS;
  entry::DigitBox* txtHomeScore;
  entry::DigitBox* txtAwayScore;
  entry::SpinControl* vscHomeScore;
  entry::SpinControl* vscAwayScore;
  entry::DigitBox* txtHomePenalties;
  entry::DigitBox* txtAwayPenalties;
  entry::SpinControl* vscHomePenalties;
  entry::SpinControl* vscAwayPenalties;
  QGroupBox* HomeGoalFrame;
  QGroupBox* AwayGoalFrame;
  QFrame* MidFrame;
  QFrame* ButtonFrame;
  QFrame* ResultFrame;
  QCheckBox* chkResult;
  QPushButton* cmdClear;
  QPushButton* cmdPenalties;
  QPushButton* cmdOK;
  QPushButton* cmdApply;
  QPushButton* cmdCancel;

 protected:
  void reject() override;  // Esc is Cancel
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmKOScore>;

  struct GoalSide {
    QString name;  // "home" or "away", as the add-player dialog names sides
    entry::DigitBox* score;
    entry::SpinControl* spin;
    entry::DigitBox* pens;
    entry::SpinControl* pens_spin;
    QLabel* team;
    entry::GoalRowPanel rows;
    std::string team_id;
    entry::Squad squad;
  };
  struct Kick {
    std::string taker;
    bool scored;
  };

  void Form_Load();

  void txtHomeScore_Change() { ScoreChange(home_); }
  void txtAwayScore_Change() { ScoreChange(away_); }
  void vscHomeScore_Change() { home_.score->setText(QString::number(home_.spin->Value())); }
  void vscAwayScore_Change() { away_.score->setText(QString::number(away_.spin->Value())); }
  void txtHomePenalties_Change() { PenaltiesChange(home_); }
  void txtAwayPenalties_Change() { PenaltiesChange(away_); }
  void vscHomePenalties_Change() { home_.pens->setText(QString::number(home_.pens_spin->Value())); }
  void vscAwayPenalties_Change() { away_.pens->setText(QString::number(away_.pens_spin->Value())); }
  void txtHomeMins_Change(int16_t Index) { MinsChange(home_, Index); }
  void txtAwayMins_Change(int16_t Index) { MinsChange(away_, Index); }
  void chkHomeOG_Click(int16_t Index) { OGClick(home_, Index); }
  void chkAwayOG_Click(int16_t Index) { OGClick(away_, Index); }
  void chkHomePen_Click(int16_t Index) { PenClick(home_, Index); }
  void chkAwayPen_Click(int16_t Index) { PenClick(away_, Index); }
  void cboHomePlayer_Click(int16_t Index) { PlayerClick(home_, Index); }
  void cboAwayPlayer_Click(int16_t Index) { PlayerClick(away_, Index); }
  void chkResult_Click();
  void cmdPenalties_Click();
  void cmdOK_Click();
  void cmdApply_Click();
  void cmdCancel_Click();
  void cmdClear_Click();

  void ScoreChange(GoalSide& side);
  void PenaltiesChange(GoalSide& side);
  // Before an edit that empties the shoot-out boxes of a game with recorded kicks: asks once.
  bool MayDropKicks();
  void MinsChange(GoalSide& side, int row);
  void OGClick(GoalSide& side, int row);
  void PenClick(GoalSide& side, int row);
  void PlayerClick(GoalSide& side, int row);

  void SetGoals(GoalSide& side, bool FromLoad);
  void WireRow(GoalSide& side, int row);
  void LoadPlayerLists();
  const entry::Squad& RowSquad(const GoalSide& side, int row) const;
  GoalSide& Other(const GoalSide& side) { return &side == &home_ ? away_ : home_; }
  const GoalSide& Other(const GoalSide& side) const { return &side == &home_ ? away_ : home_; }
  bool BothScores() const { return txtHomeScore->HoldsText() && txtAwayScore->HoldsText(); }
  bool LevelScores() const { return txtHomeScore->Number() == txtAwayScore->Number(); }
  void EnableApplyWhenScored();
  void EnableShootout(bool enable);
  void ApplyResultFrameRule();
  void SetWindowHeight(int height);
  void SetTabOrder();

  // Goal rows of the side's score with a minute after 90.
  int ExtraTimeGoals(const GoalSide& side) const;
  // The shoot-out boxes still read what is stored, so the stored kicks stay valid.
  bool ShootoutUnchanged() const;
  std::vector<Kick> StoredKicks(const GoalSide& side) const;
  // OK and Apply: shows why the entries cannot be saved.
  bool RefuseSave() const;
  std::string EntriesWinner() const;
  void SaveKOScore();
  void SaveGoals(GoalSide& side);

  GoalSide home_;
  GoalSide away_;
  int base_height_ = 0;
  int one_row_height_ = 0;
  int button_offset_ = 0;
  bool loading_ = false;
  // The user agreed that a change of the shoot-out drops the recorded kicks; they go at the save.
  bool kicks_drop_agreed_ = false;
};

}  // namespace pitchlog

// The knock-out score dialog: the result of one knock-out game (the main window's KOIndex):
// each team's goals including extra time, one row per goal with scorer, own goal, penalty and
// minute (after minute 90 a goal is an extra-time goal), the shoot-out goals of a level game and
// the result flag. It hides the facts dialog while open and closes it when it closes.
#pragma once

#include <string>
#include <vector>

#include "app/entry/score_dialog.h"
#include "app/kit/default_instance.h"

namespace pitchlog {

class frmKOScore : public entry::ScoreDialog, public DefaultInstance<frmKOScore> {
  Q_OBJECT

 public:
  frmKOScore();

  // Ends the entry of the game: this window and the facts dialog.
  void Close();

  entry::DigitBox* txtHomePenalties;
  entry::DigitBox* txtAwayPenalties;
  entry::SpinControl* vscHomePenalties;
  entry::SpinControl* vscAwayPenalties;
  QPushButton* cmdPenalties;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmKOScore>;

  // A side's shoot-out goals.
  struct Shootout {
    entry::DigitBox* pens;
    entry::SpinControl* spin;
  };
  struct Kick {
    std::string taker;
    bool scored;
  };

  void Form_Load();

  void txtHomePenalties_Change() { PenaltiesChange(home_); }
  void txtAwayPenalties_Change() { PenaltiesChange(away_); }
  void vscHomePenalties_Change() { txtHomePenalties->setText(QString::number(vscHomePenalties->Value())); }
  void vscAwayPenalties_Change() { txtAwayPenalties->setText(QString::number(vscAwayPenalties->Value())); }
  void cmdPenalties_Click();
  void cmdOK_Click() override;
  void cmdApply_Click() override;
  void cmdCancel_Click() override;
  void cmdClear_Click() override;

  void ScoreChange(entry::ScoreSide& side) override;
  void PenaltiesChange(entry::ScoreSide& side);
  // Before an edit that empties the shoot-out boxes of a game with recorded kicks: asks once.
  bool MayDropKicks();

  Shootout PensOf(const entry::ScoreSide& side) const;
  bool LevelScores() const { return txtHomeScore->Number() == txtAwayScore->Number(); }
  void EnableShootout(bool enable);
  void ApplyResultFrameRule();

  // Goal rows of the side's score with a minute after 90.
  int ExtraTimeGoals(const entry::ScoreSide& side) const;
  // The shoot-out boxes still read what is stored, so the stored kicks stay valid.
  bool ShootoutUnchanged() const;
  std::vector<Kick> StoredKicks(const entry::ScoreSide& side) const;
  // OK and Apply: shows why the entries cannot be saved.
  bool RefuseSave() const;
  std::string EntriesWinner() const;
  void SaveKOScore();

  bool loading_ = false;
  // The user agreed that a change of the shoot-out drops the recorded kicks; they go at the save.
  bool kicks_drop_agreed_ = false;
};

}  // namespace pitchlog

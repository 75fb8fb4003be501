// The penalty shoot-out dialog: the kicks of a level knock-out game one by one, each side's
// number of kicks, who took each and whether it went in, and the result flag. Opened from the
// knock-out score dialog, which it hides while open and closes when it closes.
#pragma once

#include <string>
#include <vector>

#include "app/entry/score_dialog.h"
#include "app/kit/default_instance.h"

namespace pitchlog {

// txtHomeScore and txtAwayScore hold the kicks taken.
class frmPenalties : public entry::ScoreDialog, public DefaultInstance<frmPenalties> {
  Q_OBJECT

 public:
  frmPenalties();

  QLabel* lblHomeScored;
  QLabel* lblAwayScored;
  QFrame* GoalHeight;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class DefaultInstance<frmPenalties>;

  void Form_Load();
  void Form_Unload();
  void Close();

  void cmdOK_Click() override;
  void cmdApply_Click() override;
  void cmdCancel_Click() override;
  void cmdClear_Click() override;

  void ScoreChange(entry::ScoreSide& side) override;
  void PenClick(entry::ScoreSide& side, int row) override;

  void SetPenalties(entry::ScoreSide& side, bool FromLoad);
  QLabel* Scored(const entry::ScoreSide& side) const { return &side == &home_ ? lblHomeScored : lblAwayScored; }
  void CountScored(const entry::ScoreSide& side);
  bool ScoredDiffer() const;
  void ApplyResultFrameRule();
  std::vector<bool> Kicks(const entry::ScoreSide& side) const;  // scored marks of the side's kicks
  bool RefuseKicks() const;
  std::string KicksWinner() const;
  void SavePenalties();

  bool loading_ = false;
};

}  // namespace pitchlog

// The group score dialog: the result of one group game (the main window's GameID when the
// dialog loads): each team's goals, one row per goal with scorer, own goal, penalty and minute,
// and the result flag. An enabled Apply marks changes not yet handed to the engine.
#pragma once

#include "app/entry/score_dialog.h"
#include "app/kit/default_instance.h"

namespace pitchlog {

class frmGroupScore : public entry::ScoreDialog, public DefaultInstance<frmGroupScore> {
  Q_OBJECT

 public:
  frmGroupScore();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class DefaultInstance<frmGroupScore>;

  void Form_Load();

  void txtHomeScore_GotFocus();
  void txtAwayScore_GotFocus();
  void cmdOK_Click() override;
  void cmdApply_Click() override;
  void cmdCancel_Click() override;
  void cmdClear_Click() override;

  void ScoreChange(entry::ScoreSide& side) override;
  // False when the user keeps the knock-out results the save would remove: nothing is stored.
  bool SaveGroupScore();
};

}  // namespace pitchlog

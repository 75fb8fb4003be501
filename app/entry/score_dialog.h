// What the three score dialogs (group score, knock-out score, shoot-out) are made of: a top line
// with each team's name and number box (goals, or kicks taken), each side's rows (goal rows, or
// kick rows) in a frame with the strip MidFrame between the two, and the button strip below with
// the result flag. The rows' handlers are here, the same for every dialog: a scorer chosen, an
// own goal or penalty clicked, a minute typed, and the refill of the lists once a player was
// added. A dialog places its top line and says what its numbers mean. Rows too many for the
// screen scroll between the top line and the button strip, which stay in sight.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include <QDialog>
#include <QString>

#include "app/entry/entry_kit.h"
#include "app/entry/goal_rows.h"

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace pitchlog::entry {

// One team's side of a score dialog.
struct ScoreSide {
  QString name;       // "home" or "away", as the add-player dialog names sides
  DigitBox* score;    // txtHomeScore: goals, or kicks taken
  SpinControl* spin;  // its arrows
  QLabel* team;
  GoalRowPanel rows;
  std::string team_id;
  Squad squad;
};

class ScoreDialog : public QDialog {
  Q_OBJECT

 public:
  // Called by name by the add-player dialog once it stored a player: refills the lists that
  // offer the squad that grew. HomeAway: the side whose squad grew; Side: the side that asked.
  Q_INVOKABLE void ResetPlayers(QString HomeAway, QString Side);

  std::string GameID;  // the game the window holds

  QLabel* lblHomeTeam;
  QLabel* lblAwayTeam;
  QLabel* lblVS;
  DigitBox* txtHomeScore;
  DigitBox* txtAwayScore;
  SpinControl* vscHomeScore;
  SpinControl* vscAwayScore;
  QGroupBox* HomeGoalFrame;
  QGroupBox* AwayGoalFrame;
  QFrame* MidFrame;
  QScrollArea* GoalArea;  // holds the row frames and MidFrame
  QFrame* ButtonFrame;
  QFrame* ResultFrame;
  QCheckBox* chkResult;
  QPushButton* cmdClear;
  QPushButton* cmdOK;
  QPushButton* cmdApply;
  QPushButton* cmdCancel;

 protected:
  // Pixels at design.
  static constexpr int kWidth = 635;
  static constexpr int kFramesTop = 40;
  static constexpr int kMidWidth = 25;
  static constexpr int kButtonFrameHeight = 33;

  struct Place {
    QWidget* widget;
    int x;
    int width;
  };
  struct StripButton {
    QPushButton** button;
    const char* name;
    const char* caption;
  };

  // Makes each side's number box, arrows, team name and row frame, and the "v" between them.
  explicit ScoreDialog(const GoalRowLayout& rows);

  // The top line's controls, left to right, all at one top and height; Tab takes them in this order.
  void PlaceTopLine(int height, std::initializer_list<Place> places);
  // The two row frames side by side with MidFrame between them.
  void PlaceFrames();
  // The strip at top across the window: the result flag at its left, the buttons at its right.
  void MakeButtonStrip(int top, std::initializer_list<StripButton> buttons);
  // Connects the boxes, arrows, result flag, the four buttons and row 0 of each side.
  void WireDialog();

  // The measures at load that size the window to its rows.
  void MeasureFrames();
  // A side with no score shows 0; a 0 hides its frame, and with either side at 0 the window is
  // one row frame shorter until SetGoals gives it back. True when a score was empty.
  bool ShowZeroScores();
  // The teams of GameID, their squads, row 0's lists and the team names.
  void LoadTeams();
  // The end of a goal dialog's load: arrows and last texts to the scores, then the rows.
  void ShowLoadedGoals(bool unsaved);

  // Sizes the side's rows, frames and the window to its score; FromLoad fills the rows from the
  // stored goals.
  void SetGoals(ScoreSide& side, bool FromLoad);
  // Shows the side's rows 0..n-1, making, wiring and filling the missing ones, and fits the frames.
  void ShowRows(ScoreSide& side, int n);
  void SetTabOrder();
  void SetWindowHeight(int height) { setFixedSize(width(), height); }

  ScoreSide& Other(const ScoreSide& side) { return &side == &home_ ? away_ : home_; }
  const ScoreSide& Other(const ScoreSide& side) const { return &side == &home_ ? away_ : home_; }
  bool BothScores() const { return txtHomeScore->HoldsText() && txtAwayScore->HoldsText(); }
  void EnableApplyWhenScored();
  // A score box's text before the dialog's own rules: one the box does not take, or a number
  // of ask_from or more that the user does not confirm (question), is put back with its arrows.
  // True when the text may be taken.
  static bool NumberAllowed(DigitBox* box, SpinControl* spin, int ask_from, const QString& question);
  static void PutBack(DigitBox* box, SpinControl* spin);

  // Goals are added in minute order, so the engine's goal numbers follow the minutes.
  void SaveGoals(ScoreSide& side);

  virtual void ScoreChange(ScoreSide& side) = 0;
  void SpinChange(ScoreSide& side) { side.score->setText(QString::number(side.spin->Value())); }
  void MinsChange(ScoreSide& side, int row);
  void OGClick(ScoreSide& side, int row);
  virtual void PenClick(ScoreSide& side, int row);
  void PlayerClick(ScoreSide& side, int row);
  void chkResult_Click() { EnableApplyWhenScored(); }
  virtual void cmdOK_Click() = 0;
  virtual void cmdApply_Click() = 0;
  virtual void cmdCancel_Click() = 0;
  virtual void cmdClear_Click() = 0;

  void reject() override;  // Esc is Cancel
  // The room on screen is known for certain only once the window manager has framed the dialog.
  bool event(QEvent* event) override;

  ScoreSide home_;
  ScoreSide away_;
  // Layout measures at design.
  int base_height_ = 0;
  int one_row_height_ = 0;
  int button_offset_ = 0;

 private:
  void WireRow(ScoreSide& side, int row);
  // The rows at their full height, as the sizing of the frames left them, and the button strip
  // below them.
  void UncutRows();
  // Rows taller than the screen's room for the dialog are cut to it and scroll, the strip moves
  // up with the cut.
  void CutRowsToRoom();

  int cut_ = 0;       // pixels of rows out of sight
  QSize cut_for_;     // the room they were cut for
  bool fitting_ = false;  // the fit resizes the dialog, which places it and asks for a fit again

  std::vector<QWidget*> top_tab_;
  std::vector<QWidget*> strip_tab_;
};

}  // namespace pitchlog::entry

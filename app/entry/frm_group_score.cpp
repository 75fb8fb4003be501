#include "app/entry/frm_group_score.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "app/entry/scorer_rows.h"
#include "app/kit/bracket_guard.h"
#include "app/kit/main_window_link.h"
#include "app/kit/msg_box.h"
#include "app/kit/program.h"

namespace pitchlog {

namespace {

using entry::GoalColumn;
using entry::GoalRowPanel;

const entry::GoalRowLayout kGoalRows{{GoalColumn::OG, GoalColumn::Player, GoalColumn::Pen, GoalColumn::Mins}, 91};

// Pixels at design.
constexpr int kButtonFrameTop = 40 + GoalRowPanel::kOneRowHeight + 5;
constexpr int kDesignHeight = kButtonFrameTop + 33 + 5;

}  // namespace

frmGroupScore::frmGroupScore() : ScoreDialog(kGoalRows) {
  setObjectName(QStringLiteral("frmGroupScore"));
  setWindowTitle(QStringLiteral("Group X Score"));
  setFixedSize(kWidth, kDesignHeight);
  PlaceTopLine(23, {{lblHomeTeam, 8, 220}, {txtHomeScore, 234, 36}, {vscHomeScore, 270, 16}, {lblVS, 300, 35},
                    {vscAwayScore, 349, 16}, {txtAwayScore, 365, 36}, {lblAwayTeam, 407, 220}});
  PlaceFrames();
  MakeButtonStrip(kButtonFrameTop, {{&cmdClear, "cmdClear", "Clear"}, {&cmdOK, "cmdOK", "OK"},
                                    {&cmdApply, "cmdApply", "Apply"}, {&cmdCancel, "cmdCancel", "Cancel"}});
  for (entry::ScoreSide* side : {&home_, &away_}) side->score->installEventFilter(this);
  WireDialog();
}

void frmGroupScore::Form_Load() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  MeasureFrames();
  GameID = MainWindow().ShownGameID();
  setWindowTitle(windowTitle().replace(QLatin1Char('X'), ToQ(engine.GameStage(kelvane::Variant(GameID)))));
  LoadTeams();

  // Each write below runs the boxes' own handling, as typing would.
  for (entry::ScoreSide* side : {&home_, &away_})
    side->score->setText(ToQ(engine.Results(GameID, "f", side->team_id).ToString()));
  if (engine.Result(GameID)) chkResult->setChecked(true);
  if (!BothScores()) {
    ResultFrame->hide();
    chkResult->setChecked(false);
  }
  ShowLoadedGoals(ShowZeroScores());
}

void frmGroupScore::ScoreChange(entry::ScoreSide& side) {
  const QString text = side.score->text();
  if (!NumberAllowed(side.score, side.spin, 11,
                     QStringLiteral("Are you sure ") + side.team->text() + QStringLiteral(" scored ") + text +
                         QLatin1Char('?')))
    return;
  if (text.isEmpty() && !Other(side).score->HoldsText() && !side.score->Last().isEmpty()) cmdApply->setEnabled(true);
  side.score->Take();
  SetGoals(side, false);
  // An emptied box whose arrows stood above 0 gets "0" back from them; emptied again it stays empty.
  side.spin->SetValue(side.score->Number());
  EnableApplyWhenScored();
}

void frmGroupScore::txtHomeScore_GotFocus() { QTimer::singleShot(0, txtHomeScore, &QLineEdit::selectAll); }
void frmGroupScore::txtAwayScore_GotFocus() { QTimer::singleShot(0, txtAwayScore, &QLineEdit::selectAll); }

bool frmGroupScore::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (watched == txtHomeScore) RunHandler([this] { txtHomeScore_GotFocus(); });
    if (watched == txtAwayScore) RunHandler([this] { txtAwayScore_GotFocus(); });
  }
  return QDialog::eventFilter(watched, event);
}

void frmGroupScore::cmdOK_Click() {
  if (entry::RefuseHalfScore(txtHomeScore, txtAwayScore)) return;
  if (cmdApply->isEnabled() && (entry::RefuseMinutes(home_, away_) || !SaveGroupScore())) return;
  Unload();
}

// Apply refuses one empty score as OK does: the save would remove the stored result, and with it
// every knock-out game that depended on the group.
void frmGroupScore::cmdApply_Click() {
  if (entry::RefuseHalfScore(txtHomeScore, txtAwayScore) || entry::RefuseMinutes(home_, away_)) return;
  if (SaveGroupScore()) cmdApply->setEnabled(false);
}

void frmGroupScore::cmdCancel_Click() {
  if (entry::MayDiscard(cmdApply)) Unload();
}

// The first pair of writes sets the arrows to 0, which puts "0" back into a box whose arrows
// stood higher; the second pair leaves both boxes empty.
void frmGroupScore::cmdClear_Click() {
  for (int pass = 0; pass < 2; ++pass) {
    txtHomeScore->setText(QString());
    txtAwayScore->setText(QString());
  }
}

bool frmGroupScore::SaveGroupScore() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const bool scored = BothScores();
  auto score = [scored](const entry::DigitBox* box) { return scored ? kelvane::Variant(box->Number()) : kelvane::Variant(); };
  if (!entry::MayClearKnockoutGames(engine.GroupScoreClears(GameID, score(txtHomeScore), score(txtAwayScore))))
    return false;
  engine.RemoveResult(GameID);
  if (scored) {
    for (entry::ScoreSide* side : {&home_, &away_}) side->score->setText(QString::number(side->score->Number()));
    engine.GroupScore(GameID, txtHomeScore->Number(), txtAwayScore->Number());
    SaveGoals(home_);
    SaveGoals(away_);
    engine.SetResult(GameID, chkResult->isChecked());
  }
  engine.CalcGroupTable(engine.GameStage(kelvane::Variant(GameID)));
  engine.LoadStats();
  MainWindow().RedrawResults(MainWindowLink::kRedrawAll, MainWindowLink::ResultsMark::FromEngine, GameID);
  return true;
}

// The close box saves nothing and asks nothing.
void frmGroupScore::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog

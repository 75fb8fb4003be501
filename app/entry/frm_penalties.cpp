#include "app/entry/frm_penalties.h"

#include <cstdlib>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/entry/frm_ko_game_facts.h"
#include "app/entry/frm_ko_score.h"
#include "app/entry/shootout_rules.h"
#include "app/kit/bracket_guard.h"
#include "app/kit/main_window_link.h"
#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"

namespace pitchlog {

namespace {

using entry::DigitBox;
using entry::GoalColumn;
using entry::ScoreSide;

const entry::GoalRowLayout kKickRows{{GoalColumn::Taker, GoalColumn::Scored}, 0, "Penalties", 25};

// Pixels at design.
constexpr int kTopHeight = 26;
constexpr int kButtonFrameTop = 104;
constexpr int kDesignHeight = kButtonFrameTop + 33 + 5;

void Embolden(QWidget* widget, double points) {
  QFont font = widget->font();
  font.setBold(true);
  font.setPointSizeF(points);
  widget->setFont(font);
}

}  // namespace

frmPenalties::frmPenalties() : ScoreDialog(kKickRows) {
  setObjectName(QStringLiteral("frmPenalties"));
  setFixedSize(kWidth, kDesignHeight);

  lblHomeScored = Named(new QLabel(QStringLiteral("0"), this), "lblHomeScored");
  lblAwayScored = Named(new QLabel(QStringLiteral("0"), this), "lblAwayScored");
  lblHomeTeam->setText(QStringLiteral("Home Team"));
  lblAwayTeam->setText(QStringLiteral("Away Team"));
  PlaceTopLine(kTopHeight, {{lblHomeTeam, 8, 190}, {txtHomeScore, 204, 36}, {vscHomeScore, 240, 16},
                            {lblHomeScored, 262, 36}, {lblVS, 300, 35}, {lblAwayScored, 337, 36},
                            {vscAwayScore, 379, 16}, {txtAwayScore, 395, 36}, {lblAwayTeam, 437, 190}});
  for (QLabel* label : {lblHomeScored, lblAwayScored}) {
    Embolden(label, 13.5);
    label->setAlignment(Qt::AlignCenter);
  }
  for (QLabel* label : {lblHomeTeam, lblAwayTeam}) Embolden(label, 12);
  for (DigitBox* box : {txtHomeScore, txtAwayScore}) {
    Embolden(box, 13.5);
    box->setAlignment(Qt::AlignCenter);
  }

  PlaceFrames();
  GoalHeight = Named(new QFrame(MidFrame), "GoalHeight");
  GoalHeight->setGeometry(0, 0, kMidWidth, kKickRows.row_pitch);

  MakeButtonStrip(kButtonFrameTop, {{&cmdClear, "cmdClear", "Clear"}, {&cmdOK, "cmdOK", "OK"},
                                    {&cmdApply, "cmdApply", "Apply"}, {&cmdCancel, "cmdCancel", "Cancel"}});
  QFont bold = chkResult->font();
  bold.setBold(true);
  chkResult->setFont(bold);
  WireDialog();
}

void frmPenalties::Form_Load() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  loading_ = true;
  const frmKOScore* score = frmKOScore::IsLoaded() ? &frmKOScore::Get() : nullptr;
  if (frmKOScore::IsLoaded()) frmKOScore::Get().hide();
  MeasureFrames();

  if (score) {
    GameID = score->GameID;
    setWindowTitle(score->windowTitle() + QStringLiteral(" - Penalties Taken"));
  }
  LoadTeams();

  for (ScoreSide* side : {&home_, &away_})
    side->score->setText(ToQ(engine.Results(GameID, "pentakenf", side->team_id).ToString()));
  for (ScoreSide* side : {&home_, &away_})
    Scored(*side)->setText(ToQ(engine.Results(GameID, "penscoredf", side->team_id).ToString()));
  // A side without a stored count shows 0 kicks; that is no change, so Apply stays off and an
  // untouched dialog stores nothing.
  ShowZeroScores();
  if (engine.Result(GameID)) chkResult->setChecked(true);
  for (ScoreSide* side : {&home_, &away_}) {
    side->spin->SetValue(side->score->Number());
    side->score->Take();
  }
  SetPenalties(home_, true);
  SetPenalties(away_, true);
  // Shoot-out figures typed in the score dialog have no kicks behind them: they show as stored
  // until the kicks are entered.
  if (!engine.GameHasPenalties(GameID))
    for (ScoreSide* side : {&home_, &away_})
      Scored(*side)->setText(QString::number(StoredNumber(engine.Results(GameID, "penscoredf", side->team_id))));
  cmdApply->setEnabled(false);
  ApplyResultFrameRule();
  loading_ = false;
}

bool frmPenalties::ScoredDiffer() const {
  return entry::NumberOf(lblHomeScored->text()) != entry::NumberOf(lblAwayScored->text());
}

void frmPenalties::ApplyResultFrameRule() {
  if (BothScores() && ScoredDiffer()) {
    ResultFrame->show();
  } else {
    chkResult->setChecked(false);
    ResultFrame->hide();
  }
}

void frmPenalties::SetPenalties(ScoreSide& side, bool FromLoad) {
  kelvane::IPitchlog& engine = *gobjKelvane;
  int n = 0;
  if (side.score->HoldsText()) {
    if (!entry::IsDigits(side.score->text())) return;
    n = side.score->Number();
  }
  ShowRows(side, n);
  if (!FromLoad) return;
  for (int i = 0; i < n; ++i) {
    const auto kick = static_cast<int16_t>(i + 1);
    const std::string taker = engine.Penalty(GameID, side.team_id, kick, "takerid").ToString();
    if (!taker.empty()) {
      QString name = ToQ(engine.PlayerName(taker));
      if (name.isEmpty()) name = ToQ(engine.Penalty(GameID, side.team_id, kick, "takername").ToString());
      entry::SelectPlayer(side.rows.Player(i), taker, name);
    }
    side.rows.Pen(i)->setChecked(StoredNumber(engine.Penalty(GameID, side.team_id, kick, "scored")) != 0);
  }
}

void frmPenalties::CountScored(const ScoreSide& side) {
  const int n = side.score->Number();
  int scored = 0;
  for (int i = 0; i < n && i < side.rows.Rows(); ++i)
    if (side.rows.Pen(i)->isChecked()) ++scored;
  Scored(side)->setText(QString::number(scored));
}

void frmPenalties::ScoreChange(ScoreSide& side) {
  const QString text = side.score->text();
  if (!NumberAllowed(side.score, side.spin, 11,
                     QStringLiteral("Are you sure ") + side.team->text() + QStringLiteral(" took ") + text +
                         QStringLiteral(" penalties?")))
    return;
  side.score->Take();
  SetPenalties(side, false);
  // An emptied box whose arrows stood above 0 gets "0" back from them.
  side.spin->SetValue(side.score->Number());
  CountScored(home_);
  CountScored(away_);
  cmdApply->setEnabled(true);
  ApplyResultFrameRule();
}

void frmPenalties::PenClick(ScoreSide& side, int row) {
  Q_UNUSED(row);
  Q_UNUSED(side);
  // Once kicks are entered both figures are counted from them.
  CountScored(home_);
  CountScored(away_);
  // The stored kicks are ticked while the window loads: that is no change.
  if (loading_) return;
  ApplyResultFrameRule();
  cmdApply->setEnabled(true);
}

// The winner that saving the kicks gives the game, over the score as stored.
std::string frmPenalties::KicksWinner() const {
  kelvane::IPitchlog& engine = *gobjKelvane;
  auto goals = [&](const std::string& team) {
    return StoredNumber(engine.Results(GameID, "f", team)) + StoredNumber(engine.Results(GameID, "etf", team));
  };
  const bool shootout = txtHomeScore->Number() + txtAwayScore->Number() > 0;
  return entry::DecidedWinner(home_.team_id, away_.team_id, goals(home_.team_id), goals(away_.team_id), shootout,
                              entry::NumberOf(lblHomeScored->text()), entry::NumberOf(lblAwayScored->text()));
}

std::vector<bool> frmPenalties::Kicks(const ScoreSide& side) const {
  std::vector<bool> kicks;
  for (int i = 0; i < side.score->Number(); ++i) kicks.push_back(side.rows.Pen(i)->isChecked());
  return kicks;
}

// OK and Apply alike: a save of one side's kicks would store a decided game without a winner.
bool frmPenalties::RefuseKicks() const {
  QString refusal;
  if (txtHomeScore->HoldsText() != txtAwayScore->HoldsText())
    refusal = QStringLiteral("Must enter penalties taken for both teams or neither");
  else if (std::abs(txtHomeScore->Number() - txtAwayScore->Number()) >= 2)
    refusal = QStringLiteral("Both teams must take the same number of penalties, or a difference of one");
  else if (entry::KickedAfterTheEnd(Kicks(home_), Kicks(away_)))
    refusal = QStringLiteral("A shoot-out ends as soon as one team can no longer catch up: no more penalties "
                             "are taken after that\n\nPlease check the penalties taken and those scored");
  if (refusal.isEmpty()) return false;
  MsgBox(refusal, msgbox::Critical);
  return true;
}

void frmPenalties::cmdOK_Click() {
  if (RefuseKicks()) return;
  if (cmdApply->isEnabled()) {
    if (!entry::MayChangeWinner(GameID, KicksWinner())) return;
    SavePenalties();
  }
  Close();
}

void frmPenalties::cmdApply_Click() {
  if (RefuseKicks()) return;
  if (!entry::MayChangeWinner(GameID, KicksWinner())) return;
  SavePenalties();
  cmdApply->setEnabled(false);
}

void frmPenalties::cmdCancel_Click() {
  if (entry::MayDiscard(cmdApply)) Close();
}

void frmPenalties::cmdClear_Click() {
  for (int pass = 0; pass < 2; ++pass)
    for (DigitBox* box : {txtHomeScore, txtAwayScore}) box->setText(QString());
}

void frmPenalties::SavePenalties() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  MainWindowLink& main = MainWindow();
  engine.RemovePenalties(GameID, home_.team_id);
  engine.RemovePenalties(GameID, away_.team_id);
  const bool shootout = txtHomeScore->Number() + txtAwayScore->Number() > 0;
  // The figures stored before go, also those typed in the score dialog without kicks: the
  // engine writes a winner's pw and pl but never clears them for a level shoot-out.
  for (const std::string* team : {&home_.team_id, &away_.team_id})
    for (const char* field : {"pentakenf", "pentakena", "penscoredf", "penscoreda", "pw", "pl"})
      engine.SetResults(GameID, field, *team, kelvane::Variant(std::string()));
  // The score stays as the score dialog stored it: normal time, extra time and their scorers.
  auto stored = [&](const char* attb, const std::string& team) {
    return StoredNumber(engine.Results(GameID, attb, team));
  };
  auto text = [](const QString& t) { return kelvane::Variant(ToStd(t)); };
  engine.KOScore(GameID, stored("f", home_.team_id), stored("f", away_.team_id),
                 shootout ? text(txtHomeScore->text()) : kelvane::Variant(),
                 shootout ? text(txtAwayScore->text()) : kelvane::Variant(),
                 shootout ? text(lblHomeScored->text()) : kelvane::Variant(),
                 shootout ? text(lblAwayScored->text()) : kelvane::Variant(), stored("etf", home_.team_id),
                 stored("etf", away_.team_id), engine.ExtraTime(GameID));
  if (shootout && BothScores())
    for (const ScoreSide* side : {&home_, &away_})
      for (int i = 0; i < side->score->Number(); ++i)
        engine.AddPenalty(GameID, side->team_id, side->rows.Pen(i)->isChecked(),
                          entry::ChosenPlayerID(side->rows.Player(i)));
  engine.SetResult(GameID, chkResult->isChecked());
  engine.LoadStats();
  main.RedrawResults(MainWindowLink::kRedrawStats | MainWindowLink::kRedrawSchedule | MainWindowLink::kRedrawKnockout,
                     MainWindowLink::ResultsMark::Set, GameID);
  if (frmKOScore::IsLoaded()) frmKOScore::Get().cmdApply->setEnabled(false);
}

void frmPenalties::Form_Unload() {
  if (frmKOScore::IsLoaded()) frmKOScore::Get().Close();
}

void frmPenalties::Close() {
  Unload();
  Form_Unload();
}

void frmPenalties::closeEvent(QCloseEvent* event) {
  event->accept();
  Close();
}

}  // namespace pitchlog

#include "app/entry/frm_ko_score.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "app/entry/frm_ko_game_facts.h"
#include "app/entry/frm_penalties.h"
#include "app/entry/scorer_rows.h"
#include "app/kit/bracket_guard.h"
#include "app/kit/main_window_link.h"
#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"

namespace pitchlog {

namespace {

using entry::DigitBox;
using entry::GoalColumn;
using entry::GoalRowPanel;
using entry::ScoreSide;
using entry::SpinControl;

// Minutes 0 to 120: after 90 a goal belongs to extra time.
const entry::GoalRowLayout kGoalRows{{GoalColumn::OG, GoalColumn::Player, GoalColumn::Pen, GoalColumn::Mins}, 121};
constexpr int kLastNormalMinute = 90;

// Pixels at design.
constexpr int kButtonFrameTop = 40 + GoalRowPanel::kOneRowHeight + 5;
constexpr int kDesignHeight = kButtonFrameTop + 33 + 5;

}  // namespace

frmKOScore::frmKOScore() : ScoreDialog(kGoalRows) {
  setObjectName(QStringLiteral("frmKOScore"));
  setFixedSize(kWidth, kDesignHeight);
  txtHomePenalties = Named(new DigitBox(2, 100, this), "txtHomePenalties");
  vscHomePenalties = Named(new SpinControl(this), "vscHomePenalties");
  vscAwayPenalties = Named(new SpinControl(this), "vscAwayPenalties");
  txtAwayPenalties = Named(new DigitBox(2, 100, this), "txtAwayPenalties");
  PlaceTopLine(23, {{lblHomeTeam, 8, 160}, {txtHomePenalties, 176, 30}, {vscHomePenalties, 206, 16},
                    {txtHomeScore, 234, 36}, {vscHomeScore, 270, 16}, {lblVS, 300, 35}, {vscAwayScore, 349, 16},
                    {txtAwayScore, 365, 36}, {vscAwayPenalties, 413, 16}, {txtAwayPenalties, 429, 30},
                    {lblAwayTeam, 467, 160}});
  for (QWidget* w : {static_cast<QWidget*>(txtHomePenalties), static_cast<QWidget*>(vscHomePenalties),
                     static_cast<QWidget*>(txtAwayPenalties), static_cast<QWidget*>(vscAwayPenalties)})
    w->setEnabled(false);
  PlaceFrames();
  MakeButtonStrip(kButtonFrameTop,
                  {{&cmdClear, "cmdClear", "Clear"}, {&cmdPenalties, "cmdPenalties", "Penalties"},
                   {&cmdOK, "cmdOK", "OK"}, {&cmdApply, "cmdApply", "Apply"}, {&cmdCancel, "cmdCancel", "Cancel"}});
  cmdPenalties->setEnabled(false);

  WireDialog();
  connect(txtHomePenalties, &QLineEdit::textChanged, this, Handler(this, &frmKOScore::txtHomePenalties_Change));
  connect(txtAwayPenalties, &QLineEdit::textChanged, this, Handler(this, &frmKOScore::txtAwayPenalties_Change));
  connect(vscHomePenalties, &QScrollBar::valueChanged, this, Handler(this, &frmKOScore::vscHomePenalties_Change));
  connect(vscAwayPenalties, &QScrollBar::valueChanged, this, Handler(this, &frmKOScore::vscAwayPenalties_Change));
  connect(cmdPenalties, &QPushButton::clicked, this, Handler(this, &frmKOScore::cmdPenalties_Click));
}

frmKOScore::Shootout frmKOScore::PensOf(const ScoreSide& side) const {
  return &side == &home_ ? Shootout{txtHomePenalties, vscHomePenalties} : Shootout{txtAwayPenalties, vscAwayPenalties};
}

void frmKOScore::Form_Load() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  MainWindowLink& main = MainWindow();
  loading_ = true;
  if (frmKOGameFacts::IsLoaded()) frmKOGameFacts::Get().hide();
  MeasureFrames();

  GameID = main.KOGameID(main.ShownKOIndex()).ToString();
  setWindowTitle(KOGameCaption(main.ShownKOIndex()));
  LoadTeams();
  // The shoot-out boxes stand without a caption beside the score boxes.
  for (const ScoreSide* side : {&home_, &away_}) {
    const QString tip =
        QStringLiteral("Penalties scored by %1 in the shoot-out (a level score only)").arg(side->team->text());
    PensOf(*side).pens->setToolTip(tip);
    PensOf(*side).spin->setToolTip(tip);
  }

  // Each write below runs the boxes' own handling, as typing would.
  for (ScoreSide* side : {&home_, &away_}) {
    const int goals = StoredNumber(engine.Results(GameID, "f", side->team_id)) +
                      StoredNumber(engine.Results(GameID, "etf", side->team_id));
    side->score->setText(QString::number(goals));
  }
  if (BothScores() && LevelScores()) {
    for (ScoreSide* side : {&home_, &away_})
      PensOf(*side).pens->setText(ToQ(engine.Results(GameID, "penscoredf", side->team_id).ToString()));
    EnableShootout(true);
  }
  for (ScoreSide* side : {&home_, &away_}) PensOf(*side).spin->SetValueSilently(PensOf(*side).pens->Number());
  if (engine.Result(GameID)) chkResult->setChecked(true);
  ShowLoadedGoals(ShowZeroScores());
  ApplyResultFrameRule();
  if (engine.GameHasPenalties(GameID))
    MsgBox(QStringLiteral("Penalty details have alreay been entered for this game\n\n"
                          "If you change the shoot-out figures, or the score so that the game is no longer level, "
                          "penalty details will be cleared"),
           msgbox::Critical);
  loading_ = false;
}

// Only a decided game can carry the result flag: a shoot-out decides only with both figures.
void frmKOScore::ApplyResultFrameRule() {
  const bool shootout = txtHomePenalties->HoldsText() && txtAwayPenalties->HoldsText();
  if (BothScores() && (!LevelScores() || (shootout && txtHomePenalties->Number() != txtAwayPenalties->Number()))) {
    ResultFrame->show();
  } else {
    chkResult->setChecked(false);
    ResultFrame->hide();
  }
}

// A shoot-out decides only a level game.
void frmKOScore::EnableShootout(bool enable) {
  for (ScoreSide* side : {&home_, &away_}) {
    PensOf(*side).pens->setEnabled(enable);
    PensOf(*side).spin->setEnabled(enable);
  }
  cmdPenalties->setEnabled(enable);
  if (enable) return;
  for (ScoreSide* side : {&home_, &away_}) PensOf(*side).pens->setText(QString());
  // Moving the arrows to 0 may write "0" back; the boxes end empty.
  for (ScoreSide* side : {&home_, &away_}) PensOf(*side).spin->SetValue(0);
  for (ScoreSide* side : {&home_, &away_}) PensOf(*side).pens->setText(QString());
}

void frmKOScore::ScoreChange(ScoreSide& side) {
  const QString text = side.score->text();
  if (!NumberAllowed(side.score, side.spin, 11,
                     QStringLiteral("Are you sure ") + side.team->text() + QStringLiteral(" scored ") + text +
                         QLatin1Char('?')))
    return;
  // A score that is no longer level empties the shoot-out boxes, and the save then drops the
  // recorded kicks: asked once for the edit, not once for each box.
  const bool level = !text.isEmpty() && Other(side).score->HoldsText() && LevelScores();
  if (!level && !MayDropKicks()) {
    PutBack(side.score, side.spin);
    return;
  }
  side.score->Take();
  SetGoals(side, false);
  // An emptied box whose arrows stood above 0 gets "0" back from them; emptied again it stays empty.
  side.spin->SetValue(side.score->Number());
  EnableShootout(BothScores() && LevelScores());
  cmdApply->setEnabled(true);
  ApplyResultFrameRule();
}

bool frmKOScore::MayDropKicks() {
  if (loading_ || kicks_drop_agreed_ || !(txtHomePenalties->HoldsText() || txtAwayPenalties->HoldsText()) ||
      !gobjKelvane->GameHasPenalties(GameID))
    return true;
  if (MsgBox(QStringLiteral("Changing the score here will clear details of penalties taken"), msgbox::OkCancel) ==
      msgbox::Cancel)
    return false;
  kicks_drop_agreed_ = true;
  return true;
}

void frmKOScore::PenaltiesChange(ScoreSide& side) {
  const Shootout shootout = PensOf(side);
  // Recorded kicks are dropped only by a save (and only when the shoot-out then differs), so
  // Cancel keeps a game's shoot-out whole.
  if (!loading_ && !kicks_drop_agreed_ && gobjKelvane->GameHasPenalties(GameID)) {
    if (LevelScores() &&
        MsgBox(QStringLiteral("Changing penalties here will clear details of penalties taken\n\n"), msgbox::OkCancel) ==
            msgbox::Cancel) {
      PutBack(shootout.pens, shootout.spin);
      return;
    }
    kicks_drop_agreed_ = true;
  }
  if (!NumberAllowed(shootout.pens, shootout.spin, 6,
                     QStringLiteral("Are you sure ") + side.team->text() + QStringLiteral(" scored ") +
                         shootout.pens->text() + QStringLiteral(" penalties?")))
    return;
  shootout.pens->Take();
  shootout.spin->SetValue(shootout.pens->Number());
  const Shootout other = PensOf(Other(side));
  if (shootout.pens->HoldsText() && !other.pens->HoldsText()) other.pens->setText(QStringLiteral("0"));
  cmdApply->setEnabled(true);
  ApplyResultFrameRule();
}

void frmKOScore::cmdPenalties_Click() {
  if (cmdApply->isEnabled()) {
    QString text = QStringLiteral("You must apply changes to the score before entering details of penalties taken");
    if (gobjKelvane->GameHasPenalties(GameID) && !ShootoutUnchanged())
      text += QStringLiteral("\n\nThis will clear penalty details for this game");
    MsgBox(text, msgbox::Critical);
    return;
  }
  // The shoot-out dialog closes this window when it closes.
  frmPenalties::Get().exec();
}

int frmKOScore::ExtraTimeGoals(const ScoreSide& side) const {
  int goals = 0;
  for (int row = 0; row < side.score->Number(); ++row)
    if (side.rows.Mins(row)->Number() > kLastNormalMinute) ++goals;
  return goals;
}

bool frmKOScore::ShootoutUnchanged() const {
  kelvane::IPitchlog& engine = *gobjKelvane;
  if (!BothScores() || !LevelScores()) return false;
  for (const ScoreSide* side : {&home_, &away_}) {
    const std::string stored = engine.Results(GameID, "penscoredf", side->team_id).ToString();
    if (stored.empty() || !PensOf(*side).pens->HoldsText() ||
        StoredNumber(kelvane::Variant(stored)) != PensOf(*side).pens->Number())
      return false;
  }
  return true;
}

std::vector<frmKOScore::Kick> frmKOScore::StoredKicks(const ScoreSide& side) const {
  kelvane::IPitchlog& engine = *gobjKelvane;
  std::vector<Kick> kicks;
  const int taken = StoredNumber(engine.Results(GameID, "pentakenf", side.team_id));
  for (int k = 1; k <= taken; ++k) {
    const auto kick = static_cast<int16_t>(k);
    const kelvane::Variant scored = engine.Penalty(GameID, side.team_id, kick, "scored");
    if (scored.IsEmpty()) break;
    kicks.push_back({engine.Penalty(GameID, side.team_id, kick, "takerid").ToString(), StoredNumber(scored) != 0});
  }
  return kicks;
}

bool frmKOScore::RefuseSave() const {
  if (entry::RefuseHalfScore(txtHomeScore, txtAwayScore)) return true;
  if (!BothScores()) return false;
  if (entry::RefuseMinutes(home_, away_)) return true;
  if (txtHomePenalties->HoldsText() != txtAwayPenalties->HoldsText()) {
    MsgBox(QStringLiteral("Must enter penalties scored for both teams or neither"), msgbox::Critical);
    return true;
  }
  const int home_extra = ExtraTimeGoals(home_);
  const int away_extra = ExtraTimeGoals(away_);
  if (home_extra + away_extra > 0 &&
      txtHomeScore->Number() - home_extra != txtAwayScore->Number() - away_extra) {
    MsgBox(QStringLiteral("Goals after the 90th minute are extra-time goals, but extra time is played only when "
                          "the score is level after 90 minutes\n\nPlease check the minutes of the goals"),
           msgbox::Critical);
    return true;
  }
  return false;
}

// The winner that saving the entries gives the game.
std::string frmKOScore::EntriesWinner() const {
  if (!BothScores()) return "";
  const bool shootout = txtHomePenalties->HoldsText() && txtAwayPenalties->HoldsText();
  return entry::DecidedWinner(home_.team_id, away_.team_id, txtHomeScore->Number(), txtAwayScore->Number(), shootout,
                              txtHomePenalties->Number(), txtAwayPenalties->Number());
}

void frmKOScore::cmdOK_Click() {
  if (RefuseSave()) return;
  if (cmdApply->isEnabled()) {
    if (!entry::MayChangeWinner(GameID, EntriesWinner())) return;
    SaveKOScore();
  }
  Close();
}

void frmKOScore::cmdApply_Click() {
  if (RefuseSave()) return;
  if (!entry::MayChangeWinner(GameID, EntriesWinner())) return;
  SaveKOScore();
  cmdApply->setEnabled(false);
}

void frmKOScore::cmdCancel_Click() {
  if (entry::MayDiscard(cmdApply)) Close();
}

void frmKOScore::cmdClear_Click() {
  if (!MayDropKicks()) return;
  for (int pass = 0; pass < 2; ++pass)
    for (DigitBox* box : {txtHomeScore, txtAwayScore, txtHomePenalties, txtAwayPenalties}) box->setText(QString());
}

void frmKOScore::SaveKOScore() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  MainWindowLink& main = MainWindow();
  // An unchanged shoot-out keeps its figures and its kicks through the rewrite of the game.
  const bool keep_kicks = ShootoutUnchanged();
  kelvane::Variant home_taken, away_taken;
  std::vector<Kick> home_kicks, away_kicks;
  if (keep_kicks) {
    home_taken = kelvane::Variant(engine.Results(GameID, "pentakenf", home_.team_id).ToString());
    away_taken = kelvane::Variant(engine.Results(GameID, "pentakenf", away_.team_id).ToString());
    home_kicks = StoredKicks(home_);
    away_kicks = StoredKicks(away_);
  }
  engine.RemoveResult(GameID);
  if (BothScores()) {
    const int16_t home = txtHomeScore->Number();
    const int16_t away = txtAwayScore->Number();
    bool extra_time = home == away;
    if (!extra_time) EnableShootout(false);
    const auto home_extra = static_cast<int16_t>(ExtraTimeGoals(home_));
    const auto away_extra = static_cast<int16_t>(ExtraTimeGoals(away_));
    if (home_extra + away_extra > 0) extra_time = true;
    // A shoot-out of no goals is no shoot-out.
    kelvane::Variant home_pens, away_pens;
    if (txtHomePenalties->Number() + txtAwayPenalties->Number() > 0) {
      home_pens = kelvane::Variant(ToStd(txtHomePenalties->text()));
      away_pens = kelvane::Variant(ToStd(txtAwayPenalties->text()));
    }
    engine.KOScore(GameID, static_cast<int16_t>(home - home_extra), static_cast<int16_t>(away - away_extra),
                   home_taken, away_taken, home_pens, away_pens, home_extra, away_extra, extra_time);
    SaveGoals(home_);
    SaveGoals(away_);
    for (const Kick& kick : home_kicks) engine.AddPenalty(GameID, home_.team_id, kick.scored, kick.taker);
    for (const Kick& kick : away_kicks) engine.AddPenalty(GameID, away_.team_id, kick.scored, kick.taker);
    engine.SetResult(GameID, chkResult->isChecked());
  } else {
    // No result: the winner slot empties, and with it every later game it fed.
    engine.SetProgression("_" + GameID, "");
  }
  kicks_drop_agreed_ = false;
  engine.LoadStats();
  main.RedrawResults(MainWindowLink::kRedrawStats | MainWindowLink::kRedrawSchedule | MainWindowLink::kRedrawKnockout,
                     MainWindowLink::ResultsMark::FromEngine, GameID);
}

void frmKOScore::Close() {
  Unload();
  frmKOGameFacts::Unload();
}

// The close box saves nothing and asks nothing.
void frmKOScore::closeEvent(QCloseEvent* event) {
  event->accept();
  Close();
}

}  // namespace pitchlog

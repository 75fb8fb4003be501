#include "app/entry/frm_ko_score.h"

#include <algorithm>
#include <tuple>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "app/entry/bracket_guard.h"
#include "app/entry/frm_add_player.h"
#include "app/entry/scorer_rows.h"
#include "app/entry/frm_ko_game_facts.h"
#include "app/entry/frm_penalties.h"
#include "app/shell/frm_main.h"
#include "app/shell/msg_box.h"
#include "app/shell/named_widget.h"
#include "app/shell/program.h"

namespace pitchlog {

namespace {

using entry::DigitBox;
using entry::GoalColumn;
using entry::GoalRowPanel;
using entry::SpinControl;

// Minutes 0 to 120: after 90 a goal belongs to extra time.
const entry::GoalRowLayout kGoalRows{{GoalColumn::OG, GoalColumn::Player, GoalColumn::Pen, GoalColumn::Mins}, 121};
constexpr int kLastNormalMinute = 90;

// Pixels at design.
constexpr int kWidth = 635;
constexpr int kFramesTop = 40;
constexpr int kButtonFrameTop = kFramesTop + GoalRowPanel::kOneRowHeight + 5;
constexpr int kButtonFrameHeight = 33;
constexpr int kDesignHeight = kButtonFrameTop + kButtonFrameHeight + 5;

}  // namespace

frmKOScore::frmKOScore()
    : home_{QStringLiteral("home"), new DigitBox(2, 100, this), new SpinControl(this), new DigitBox(2, 100, this),
            new SpinControl(this), new QLabel(this), GoalRowPanel(this, QStringLiteral("Home"), kGoalRows), {}, {}},
      away_{QStringLiteral("away"), new DigitBox(2, 100, this), new SpinControl(this), new DigitBox(2, 100, this),
            new SpinControl(this), new QLabel(this), GoalRowPanel(this, QStringLiteral("Away"), kGoalRows), {}, {}} {
  setObjectName(QStringLiteral("frmKOScore"));
  setFixedSize(kWidth, kDesignHeight);

  lblHomeTeam = Named(home_.team, "lblHomeTeam");
  lblHomeTeam->setGeometry(8, 6, 160, 23);
  lblHomeTeam->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  txtHomePenalties = Named(home_.pens, "txtHomePenalties");
  txtHomePenalties->setGeometry(176, 6, 30, 23);
  vscHomePenalties = Named(home_.pens_spin, "vscHomePenalties");
  vscHomePenalties->setGeometry(206, 6, 16, 23);
  txtHomeScore = Named(home_.score, "txtHomeScore");
  txtHomeScore->setGeometry(234, 6, 36, 23);
  vscHomeScore = Named(home_.spin, "vscHomeScore");
  vscHomeScore->setGeometry(270, 6, 16, 23);
  lblVS = Named(new QLabel(QStringLiteral("v"), this), "lblVS");
  lblVS->setGeometry(300, 6, 35, 23);
  lblVS->setAlignment(Qt::AlignCenter);
  vscAwayScore = Named(away_.spin, "vscAwayScore");
  vscAwayScore->setGeometry(349, 6, 16, 23);
  txtAwayScore = Named(away_.score, "txtAwayScore");
  txtAwayScore->setGeometry(365, 6, 36, 23);
  vscAwayPenalties = Named(away_.pens_spin, "vscAwayPenalties");
  vscAwayPenalties->setGeometry(413, 6, 16, 23);
  txtAwayPenalties = Named(away_.pens, "txtAwayPenalties");
  txtAwayPenalties->setGeometry(429, 6, 30, 23);
  lblAwayTeam = Named(away_.team, "lblAwayTeam");
  lblAwayTeam->setGeometry(467, 6, 160, 23);
  for (QWidget* w : {static_cast<QWidget*>(txtHomePenalties), static_cast<QWidget*>(vscHomePenalties),
                     static_cast<QWidget*>(txtAwayPenalties), static_cast<QWidget*>(vscAwayPenalties)})
    w->setEnabled(false);

  HomeGoalFrame = home_.rows.Frame();
  HomeGoalFrame->move(8, kFramesTop);
  MidFrame = Named(new QFrame(this), "MidFrame");
  MidFrame->setGeometry(8 + GoalRowPanel::kFrameWidth, kFramesTop, 25, GoalRowPanel::kOneRowHeight);
  AwayGoalFrame = away_.rows.Frame();
  AwayGoalFrame->move(8 + GoalRowPanel::kFrameWidth + 25, kFramesTop);

  ButtonFrame = Named(new QFrame(this), "ButtonFrame");
  ButtonFrame->setGeometry(0, kButtonFrameTop, kWidth, kButtonFrameHeight);
  ResultFrame = Named(new QFrame(ButtonFrame), "ResultFrame");
  ResultFrame->setGeometry(8, 2, 100, 29);
  chkResult = Named(new QCheckBox(QStringLiteral("Result"), ResultFrame), "chkResult");
  chkResult->setGeometry(4, 4, 90, 21);
  int x = kWidth - 5 * 81 - 2;
  for (auto [button, name, caption] :
       {std::tuple{&cmdClear, "cmdClear", "Clear"}, std::tuple{&cmdPenalties, "cmdPenalties", "Penalties"},
        std::tuple{&cmdOK, "cmdOK", "OK"}, std::tuple{&cmdApply, "cmdApply", "Apply"},
        std::tuple{&cmdCancel, "cmdCancel", "Cancel"}}) {
    *button = Named(new QPushButton(QLatin1String(caption), ButtonFrame), name);
    (*button)->setGeometry(x, 4, 75, 25);
    x += 81;
  }
  cmdOK->setDefault(true);
  cmdApply->setEnabled(false);
  cmdPenalties->setEnabled(false);

  for (GoalSide* side : {&home_, &away_}) WireRow(*side, 0);
  SetTabOrder();
  connect(txtHomeScore, &QLineEdit::textChanged, this, Handler(this, &frmKOScore::txtHomeScore_Change));
  connect(txtAwayScore, &QLineEdit::textChanged, this, Handler(this, &frmKOScore::txtAwayScore_Change));
  connect(vscHomeScore, &QScrollBar::valueChanged, this, Handler(this, &frmKOScore::vscHomeScore_Change));
  connect(vscAwayScore, &QScrollBar::valueChanged, this, Handler(this, &frmKOScore::vscAwayScore_Change));
  connect(txtHomePenalties, &QLineEdit::textChanged, this, Handler(this, &frmKOScore::txtHomePenalties_Change));
  connect(txtAwayPenalties, &QLineEdit::textChanged, this, Handler(this, &frmKOScore::txtAwayPenalties_Change));
  connect(vscHomePenalties, &QScrollBar::valueChanged, this, Handler(this, &frmKOScore::vscHomePenalties_Change));
  connect(vscAwayPenalties, &QScrollBar::valueChanged, this, Handler(this, &frmKOScore::vscAwayPenalties_Change));
  connect(chkResult, &QCheckBox::toggled, this, Handler(this, &frmKOScore::chkResult_Click));
  connect(cmdPenalties, &QPushButton::clicked, this, Handler(this, &frmKOScore::cmdPenalties_Click));
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmKOScore::cmdOK_Click));
  connect(cmdApply, &QPushButton::clicked, this, Handler(this, &frmKOScore::cmdApply_Click));
  connect(cmdCancel, &QPushButton::clicked, this, Handler(this, &frmKOScore::cmdCancel_Click));
  connect(cmdClear, &QPushButton::clicked, this, Handler(this, &frmKOScore::cmdClear_Click));
}

void frmKOScore::WireRow(GoalSide& side, int row) {
  const bool home = &side == &home_;
  const auto index = static_cast<int16_t>(row);
  auto on = [this, index](void (frmKOScore::*handler)(int16_t)) {
    return [this, index, handler] { RunHandler([&] { (this->*handler)(index); }); };
  };
  connect(side.rows.OG(row), &QCheckBox::toggled, this,
          on(home ? &frmKOScore::chkHomeOG_Click : &frmKOScore::chkAwayOG_Click));
  connect(side.rows.Player(row), &QComboBox::currentIndexChanged, this,
          on(home ? &frmKOScore::cboHomePlayer_Click : &frmKOScore::cboAwayPlayer_Click));
  connect(side.rows.Pen(row), &QCheckBox::toggled, this,
          on(home ? &frmKOScore::chkHomePen_Click : &frmKOScore::chkAwayPen_Click));
  connect(side.rows.Mins(row), &QLineEdit::textChanged, this,
          on(home ? &frmKOScore::txtHomeMins_Change : &frmKOScore::txtAwayMins_Change));
}

void frmKOScore::Form_Load() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  frmMain& main = frmMain::Get();
  loading_ = true;
  if (frmKOGameFacts::IsLoaded()) frmKOGameFacts::Get().hide();
  base_height_ = height() - HomeGoalFrame->height();
  one_row_height_ = HomeGoalFrame->height();
  button_offset_ = ButtonFrame->y() - HomeGoalFrame->height();

  GameID = main.KOGameID(main.KOIndex).ToString();
  setWindowTitle(KOGameCaption(main.KOIndex));
  const kelvane::Variant game(GameID);
  home_.team_id = engine.HomeTeam(game);
  away_.team_id = engine.AwayTeam(game);
  LoadPlayerLists();
  home_.squad.Fill(home_.rows.Player(0));
  away_.squad.Fill(away_.rows.Player(0));
  lblHomeTeam->setText(ToQ(engine.HomeTeamName(game)));
  lblAwayTeam->setText(ToQ(engine.AwayTeamName(game)));

  // Each write below runs the boxes' own handling, as typing would.
  for (GoalSide* side : {&home_, &away_}) {
    const int goals = StoredNumber(engine.Results(GameID, "f", side->team_id)) +
                      StoredNumber(engine.Results(GameID, "etf", side->team_id));
    side->score->setText(QString::number(goals));
  }
  if (BothScores() && LevelScores()) {
    for (GoalSide* side : {&home_, &away_})
      side->pens->setText(ToQ(engine.Results(GameID, "penscoredf", side->team_id).ToString()));
    EnableShootout(true);
  }
  for (GoalSide* side : {&home_, &away_}) side->pens_spin->SetValueSilently(side->pens->Number());
  if (engine.Result(GameID)) chkResult->setChecked(true);
  bool unsaved = false;
  for (GoalSide* side : {&home_, &away_}) {
    if (!side->score->HoldsText()) {
      side->score->setText(QStringLiteral("0"));
      unsaved = true;
    }
    if (side->score->text() == QLatin1String("0")) side->rows.Frame()->hide();
  }
  if (txtHomeScore->text() == QLatin1String("0") || txtAwayScore->text() == QLatin1String("0")) {
    // Given back by SetGoals below as soon as either team has a goal.
    MidFrame->hide();
    ButtonFrame->move(ButtonFrame->x(), ButtonFrame->y() - one_row_height_);
    SetWindowHeight(height() - one_row_height_);
  }
  for (GoalSide* side : {&home_, &away_}) side->spin->SetValue(side->score->Number());
  for (GoalSide* side : {&home_, &away_}) side->score->Take();
  SetGoals(home_, true);
  SetGoals(away_, true);
  cmdApply->setEnabled(unsaved);
  ApplyResultFrameRule();
  if (engine.GameHasPenalties(GameID))
    MsgBox(QStringLiteral("Penalty details have alreay been entered for this game\n\n"
                          "If you change the shoot-out figures, or the score so that the game is no longer level, "
                          "penalty details will be cleared"),
           msgbox::Critical);
  loading_ = false;
}

void frmKOScore::LoadPlayerLists() { entry::LoadSquads(home_, away_); }

const entry::Squad& frmKOScore::RowSquad(const GoalSide& side, int row) const {
  return entry::RowSquad(side, Other(side), row);
}

void frmKOScore::SetWindowHeight(int height) { setFixedSize(width(), height); }

// The top line, the home goals, the away goals, then the button strip.
void frmKOScore::SetTabOrder() {
  std::vector<QWidget*> order{txtHomePenalties, vscHomePenalties, txtHomeScore, vscHomeScore, vscAwayScore, txtAwayScore, vscAwayPenalties, txtAwayPenalties};
  for (const GoalSide* side : {&home_, &away_}) {
    const std::vector<QWidget*> rows = side->rows.TabOrder();
    order.insert(order.end(), rows.begin(), rows.end());
  }
  order.insert(order.end(), {chkResult, cmdClear, cmdPenalties, cmdOK, cmdApply, cmdCancel});
  entry::ChainTabOrder(order);
}

void frmKOScore::EnableApplyWhenScored() {
  if (BothScores()) cmdApply->setEnabled(true);
}

// Only a decided game can carry the result flag.
void frmKOScore::ApplyResultFrameRule() {
  if (BothScores() && txtHomeScore->Number() + txtHomePenalties->Number() !=
                          txtAwayScore->Number() + txtAwayPenalties->Number()) {
    ResultFrame->show();
  } else {
    chkResult->setChecked(false);
    ResultFrame->hide();
  }
}

// A shoot-out decides only a level game.
void frmKOScore::EnableShootout(bool enable) {
  for (GoalSide* side : {&home_, &away_}) {
    side->pens->setEnabled(enable);
    side->pens_spin->setEnabled(enable);
  }
  cmdPenalties->setEnabled(enable);
  if (enable) return;
  for (GoalSide* side : {&home_, &away_}) side->pens->setText(QString());
  // Moving the arrows to 0 may write "0" back; the boxes end empty.
  for (GoalSide* side : {&home_, &away_}) side->pens_spin->SetValue(0);
  for (GoalSide* side : {&home_, &away_}) side->pens->setText(QString());
}

void frmKOScore::SetGoals(GoalSide& side, bool FromLoad) {
  const GoalSide& other = Other(side);
  int n = 0;
  if (side.score->HoldsText()) {
    if (!entry::IsDigits(side.score->text())) return;
    if (other.score->HoldsText()) ResultFrame->show();
    n = side.score->Number();
  } else {
    ResultFrame->hide();
    chkResult->setChecked(false);
  }

  entry::FitGoalFrames(side, other, n, {this, MidFrame, ButtonFrame, base_height_, button_offset_});

  side.rows.ShowRows(n, [&](int row) {
    WireRow(side, row);
    RowSquad(side, row).Fill(side.rows.Player(row));
  });
  SetTabOrder();
  if (FromLoad)
    for (int row = 0; row < n; ++row) entry::FillRowFromGoal(side, row, GameID);
}

void frmKOScore::ScoreChange(GoalSide& side) {
  const QString text = side.score->text();
  if (!side.score->Allows(text)) {
    side.score->PutBack();
    side.spin->SetValueSilently(side.score->LastNumber());
    return;
  }
  if (!text.isEmpty()) {
    const int now = side.score->Number();
    if (side.score->LastNumber() < now && now >= 11 &&
        MsgBox(QStringLiteral("Are you sure ") + side.team->text() + QStringLiteral(" scored ") + text +
                   QLatin1Char('?'),
               msgbox::YesNo) == msgbox::No) {
      side.score->PutBack();
      side.spin->SetValueSilently(side.score->LastNumber());
      return;
    }
  }
  // A score that is no longer level empties the shoot-out boxes, and the save then drops the
  // recorded kicks: asked once for the edit, not once for each box.
  const bool level = !text.isEmpty() && Other(side).score->HoldsText() && LevelScores();
  if (!level && !MayDropKicks()) {
    side.score->PutBack();
    side.spin->SetValueSilently(side.score->LastNumber());
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

void frmKOScore::PenaltiesChange(GoalSide& side) {
  // Recorded kicks are dropped only by a save (and only when the shoot-out then differs), so
  // Cancel keeps a game's shoot-out whole.
  if (!loading_ && !kicks_drop_agreed_ && gobjKelvane->GameHasPenalties(GameID)) {
    if (LevelScores() &&
        MsgBox(QStringLiteral("Changing penalties here will clear details of penalties taken\n\n"), msgbox::OkCancel) ==
            msgbox::Cancel) {
      side.pens->PutBack();
      side.pens_spin->SetValueSilently(side.pens->LastNumber());
      return;
    }
    kicks_drop_agreed_ = true;
  }
  const QString text = side.pens->text();
  if (!side.pens->Allows(text)) {
    side.pens->PutBack();
    side.pens_spin->SetValueSilently(side.pens->LastNumber());
    return;
  }
  if (!text.isEmpty()) {
    const int now = side.pens->Number();
    if (side.pens->LastNumber() < now && now >= 6 &&
        MsgBox(QStringLiteral("Are you sure ") + side.team->text() + QStringLiteral(" scored ") + text +
                   QStringLiteral(" penalties?"),
               msgbox::YesNo) == msgbox::No) {
      side.pens->PutBack();
      side.pens_spin->SetValueSilently(side.pens->LastNumber());
      return;
    }
  }
  side.pens->Take();
  side.pens_spin->SetValue(side.pens->Number());
  if (side.pens->HoldsText() && !Other(side).pens->HoldsText()) Other(side).pens->setText(QStringLiteral("0"));
  cmdApply->setEnabled(true);
  ApplyResultFrameRule();
}

void frmKOScore::MinsChange(GoalSide& side, int row) {
  if (entry::MinuteEdited(side, row)) EnableApplyWhenScored();
}

void frmKOScore::OGClick(GoalSide& side, int row) {
  if (entry::OwnGoalClicked(side, Other(side), row)) EnableApplyWhenScored();
}

void frmKOScore::PenClick(GoalSide& side, int row) {
  if (entry::PenaltyClicked(side, row)) EnableApplyWhenScored();
}

void frmKOScore::PlayerClick(GoalSide& side, int row) {
  if (entry::ScorerChosen(side, Other(side), row, this)) EnableApplyWhenScored();
}

void frmKOScore::ResetPlayers(QString HomeAway, QString Side) {
  RunHandler([&] {
    entry::RefillScorers(home_, away_, HomeAway, Side);
    EnableApplyWhenScored();
  });
}

void frmKOScore::chkResult_Click() { EnableApplyWhenScored(); }

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

int frmKOScore::ExtraTimeGoals(const GoalSide& side) const {
  int goals = 0;
  for (int row = 0; row < side.score->Number(); ++row)
    if (side.rows.Mins(row)->Number() > kLastNormalMinute) ++goals;
  return goals;
}

bool frmKOScore::ShootoutUnchanged() const {
  kelvane::IPitchlog& engine = *gobjKelvane;
  if (!BothScores() || !LevelScores()) return false;
  for (const GoalSide* side : {&home_, &away_}) {
    const std::string stored = engine.Results(GameID, "penscoredf", side->team_id).ToString();
    if (stored.empty() || !side->pens->HoldsText() || StoredNumber(kelvane::Variant(stored)) != side->pens->Number())
      return false;
  }
  return true;
}

std::vector<frmKOScore::Kick> frmKOScore::StoredKicks(const GoalSide& side) const {
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
  frmMain& main = frmMain::Get();
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
  main.RedrawResults(frmMain::kRedrawStats | frmMain::kRedrawSchedule | frmMain::kRedrawKnockout,
                     frmMain::ResultsMark::FromEngine, GameID);
}

// Goals are added in minute order, so the engine's goal numbers follow the minutes.
void frmKOScore::SaveGoals(GoalSide& side) {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const int n = side.score->Number();
  std::vector<QString> minutes;
  for (int row = 0; row < n; ++row) {
    side.rows.Mins(row)->Tidy();
    minutes.push_back(side.rows.Mins(row)->text());
  }
  int16_t goal_no = 0;
  for (int row : entry::GoalOrder(minutes)) {
    const QComboBox* list = side.rows.Player(row);
    const std::string player_id = entry::ChosenPlayerID(list);
    const bool added = engine.AddGoal(GameID, side.team_id, player_id, side.rows.Pen(row)->isChecked(),
                                      side.rows.OG(row)->isChecked(), kelvane::Variant(),
                                      kelvane::Variant(ToStd(minutes[row])));
    if (!added) continue;
    ++goal_no;
    // A scorer the players file no longer holds keeps the name he was stored with.
    if (!player_id.empty() && engine.PlayerName(player_id).empty())
      engine.SetGoal(GameID, side.team_id, goal_no, "playername", kelvane::Variant(ToStd(list->currentText())));
  }
}

void frmKOScore::Close() {
  Unload();
  frmKOGameFacts::Unload();
}

void frmKOScore::reject() { RunHandler([this] { cmdCancel_Click(); }); }

// The close box saves nothing and asks nothing.
void frmKOScore::closeEvent(QCloseEvent* event) {
  event->accept();
  Close();
}

}  // namespace pitchlog

#include "app/entry/frm_group_score.h"

#include <algorithm>
#include <tuple>
#include <vector>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>

#include "app/entry/bracket_guard.h"
#include "app/entry/frm_add_player.h"
#include "app/entry/scorer_rows.h"
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

const entry::GoalRowLayout kGoalRows{{GoalColumn::OG, GoalColumn::Player, GoalColumn::Pen, GoalColumn::Mins}, 91};

// Pixels at design.
constexpr int kWidth = 635;
constexpr int kFramesTop = 40;
constexpr int kButtonFrameTop = kFramesTop + GoalRowPanel::kOneRowHeight + 5;
constexpr int kButtonFrameHeight = 33;
constexpr int kDesignHeight = kButtonFrameTop + kButtonFrameHeight + 5;

}  // namespace

frmGroupScore::frmGroupScore()
    : home_{QStringLiteral("home"), new DigitBox(2, 100, this), new SpinControl(this), new QLabel(this),
            GoalRowPanel(this, QStringLiteral("Home"), kGoalRows), {}, {}},
      away_{QStringLiteral("away"), new DigitBox(2, 100, this), new SpinControl(this), new QLabel(this),
            GoalRowPanel(this, QStringLiteral("Away"), kGoalRows), {}, {}} {
  setObjectName(QStringLiteral("frmGroupScore"));
  setWindowTitle(QStringLiteral("Group X Score"));
  setFixedSize(kWidth, kDesignHeight);

  lblHomeTeam = Named(home_.team, "lblHomeTeam");
  lblHomeTeam->setGeometry(8, 6, 220, 23);
  lblHomeTeam->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
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
  lblAwayTeam = Named(away_.team, "lblAwayTeam");
  lblAwayTeam->setGeometry(407, 6, 220, 23);

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
  int x = kWidth - 4 * 81 - 2;
  for (auto [button, name, caption] : {std::tuple{&cmdClear, "cmdClear", "Clear"}, std::tuple{&cmdOK, "cmdOK", "OK"},
                                       std::tuple{&cmdApply, "cmdApply", "Apply"},
                                       std::tuple{&cmdCancel, "cmdCancel", "Cancel"}}) {
    *button = Named(new QPushButton(QLatin1String(caption), ButtonFrame), name);
    (*button)->setGeometry(x, 4, 75, 25);
    x += 81;
  }
  cmdOK->setDefault(true);
  cmdApply->setEnabled(false);

  for (GoalSide* side : {&home_, &away_}) {
    side->score->installEventFilter(this);
    WireRow(*side, 0);
  }
  SetTabOrder();
  connect(txtHomeScore, &QLineEdit::textChanged, this, Handler(this, &frmGroupScore::txtHomeScore_Change));
  connect(txtAwayScore, &QLineEdit::textChanged, this, Handler(this, &frmGroupScore::txtAwayScore_Change));
  connect(vscHomeScore, &QScrollBar::valueChanged, this, Handler(this, &frmGroupScore::vscHomeScore_Change));
  connect(vscAwayScore, &QScrollBar::valueChanged, this, Handler(this, &frmGroupScore::vscAwayScore_Change));
  connect(chkResult, &QCheckBox::toggled, this, Handler(this, &frmGroupScore::chkResult_Click));
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmGroupScore::cmdOK_Click));
  connect(cmdApply, &QPushButton::clicked, this, Handler(this, &frmGroupScore::cmdApply_Click));
  connect(cmdCancel, &QPushButton::clicked, this, Handler(this, &frmGroupScore::cmdCancel_Click));
  connect(cmdClear, &QPushButton::clicked, this, Handler(this, &frmGroupScore::cmdClear_Click));
}

// The handlers of row k of a side, as for the rows made at design.
void frmGroupScore::WireRow(GoalSide& side, int row) {
  const bool home = &side == &home_;
  const auto index = static_cast<int16_t>(row);
  auto on = [this, index](void (frmGroupScore::*handler)(int16_t)) {
    return [this, index, handler] { RunHandler([&] { (this->*handler)(index); }); };
  };
  connect(side.rows.OG(row), &QCheckBox::toggled, this,
          on(home ? &frmGroupScore::chkHomeOG_Click : &frmGroupScore::chkAwayOG_Click));
  connect(side.rows.Player(row), &QComboBox::currentIndexChanged, this,
          on(home ? &frmGroupScore::cboHomePlayer_Click : &frmGroupScore::cboAwayPlayer_Click));
  connect(side.rows.Pen(row), &QCheckBox::toggled, this,
          on(home ? &frmGroupScore::chkHomePen_Click : &frmGroupScore::chkAwayPen_Click));
  connect(side.rows.Mins(row), &QLineEdit::textChanged, this,
          on(home ? &frmGroupScore::txtHomeMins_Change : &frmGroupScore::txtAwayMins_Change));
}

void frmGroupScore::Form_Load() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  base_height_ = height() - HomeGoalFrame->height();
  one_row_height_ = HomeGoalFrame->height();
  button_offset_ = ButtonFrame->y() - HomeGoalFrame->height();

  game_id_ = frmMain::Get().GameID;
  setWindowTitle(windowTitle().replace(QLatin1Char('X'), ToQ(engine.GameStage(kelvane::Variant(game_id_)))));
  home_.team_id = engine.HomeTeam(kelvane::Variant(game_id_));
  away_.team_id = engine.AwayTeam(kelvane::Variant(game_id_));
  LoadPlayerLists();
  home_.squad.Fill(home_.rows.Player(0));
  away_.squad.Fill(away_.rows.Player(0));
  lblHomeTeam->setText(ToQ(engine.HomeTeamName(kelvane::Variant(game_id_))));
  lblAwayTeam->setText(ToQ(engine.AwayTeamName(kelvane::Variant(game_id_))));

  // Each write below runs the boxes' own handling, as typing would.
  for (GoalSide* side : {&home_, &away_})
    side->score->setText(ToQ(engine.Results(game_id_, "f", side->team_id).ToString()));
  if (engine.Result(game_id_)) chkResult->setChecked(true);
  if (!BothScores()) {
    ResultFrame->hide();
    chkResult->setChecked(false);
  }
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
}

void frmGroupScore::LoadPlayerLists() { entry::LoadSquads(home_, away_); }

const entry::Squad& frmGroupScore::RowSquad(const GoalSide& side, int row) const {
  return entry::RowSquad(side, Other(side), row);
}

void frmGroupScore::SetWindowHeight(int height) { setFixedSize(width(), height); }

// The top line, the home goals, the away goals, then the button strip.
void frmGroupScore::SetTabOrder() {
  std::vector<QWidget*> order{txtHomeScore, vscHomeScore, vscAwayScore, txtAwayScore};
  for (const GoalSide* side : {&home_, &away_}) {
    const std::vector<QWidget*> rows = side->rows.TabOrder();
    order.insert(order.end(), rows.begin(), rows.end());
  }
  order.insert(order.end(), {chkResult, cmdClear, cmdOK, cmdApply, cmdCancel});
  entry::ChainTabOrder(order);
}

void frmGroupScore::EnableApplyWhenScored() {
  if (BothScores()) cmdApply->setEnabled(true);
}

void frmGroupScore::SetGoals(GoalSide& side, bool FromLoad) {
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
    for (int row = 0; row < n; ++row) entry::FillRowFromGoal(side, row, game_id_);
}

void frmGroupScore::ScoreChange(GoalSide& side) {
  const QString text = side.score->text();
  if (!side.score->Allows(text)) {
    PutBackScore(side);
    return;
  }
  if (text.isEmpty()) {
    if (!Other(side).score->HoldsText() && !side.score->Last().isEmpty()) cmdApply->setEnabled(true);
  } else {
    const int now = side.score->Number();
    if (side.score->LastNumber() < now && now >= 11 &&
        MsgBox(QStringLiteral("Are you sure ") + side.team->text() + QStringLiteral(" scored ") + text +
                   QLatin1Char('?'),
               msgbox::YesNo) == msgbox::No) {
      PutBackScore(side);
      return;
    }
  }
  side.score->Take();
  SetGoals(side, false);
  // An emptied box whose arrows stood above 0 gets "0" back from them; emptied again it stays empty.
  side.spin->SetValue(side.score->Number());
  EnableApplyWhenScored();
}

void frmGroupScore::PutBackScore(GoalSide& side) {
  side.score->PutBack();
  side.spin->SetValueSilently(side.score->LastNumber());
}

void frmGroupScore::SpinChange(GoalSide& side) { side.score->setText(QString::number(side.spin->Value())); }

void frmGroupScore::txtHomeScore_GotFocus() { QTimer::singleShot(0, txtHomeScore, &QLineEdit::selectAll); }
void frmGroupScore::txtAwayScore_GotFocus() { QTimer::singleShot(0, txtAwayScore, &QLineEdit::selectAll); }

bool frmGroupScore::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (watched == txtHomeScore) RunHandler([this] { txtHomeScore_GotFocus(); });
    if (watched == txtAwayScore) RunHandler([this] { txtAwayScore_GotFocus(); });
  }
  return QDialog::eventFilter(watched, event);
}

void frmGroupScore::MinsChange(GoalSide& side, int row) {
  if (entry::MinuteEdited(side, row)) EnableApplyWhenScored();
}

void frmGroupScore::OGClick(GoalSide& side, int row) {
  if (entry::OwnGoalClicked(side, Other(side), row)) EnableApplyWhenScored();
}

void frmGroupScore::PenClick(GoalSide& side, int row) {
  if (entry::PenaltyClicked(side, row)) EnableApplyWhenScored();
}

void frmGroupScore::PlayerClick(GoalSide& side, int row) {
  if (entry::ScorerChosen(side, Other(side), row, this)) EnableApplyWhenScored();
}

void frmGroupScore::ResetPlayers(QString HomeAway, QString Side) {
  RunHandler([&] {
    entry::RefillScorers(home_, away_, HomeAway, Side);
    EnableApplyWhenScored();
  });
}

void frmGroupScore::chkResult_Click() { EnableApplyWhenScored(); }

void frmGroupScore::cmdOK_Click() {
  if (entry::RefuseHalfScore(txtHomeScore, txtAwayScore)) return;
  if (cmdApply->isEnabled() && !SaveGroupScore()) return;
  Unload();
}

// Apply refuses one empty score as OK does: the save would remove the stored result, and with it
// every knock-out game that depended on the group.
void frmGroupScore::cmdApply_Click() {
  if (entry::RefuseHalfScore(txtHomeScore, txtAwayScore)) return;
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
  if (!entry::MayClearKnockoutGames(engine.GroupScoreClears(game_id_, score(txtHomeScore), score(txtAwayScore))))
    return false;
  engine.RemoveResult(game_id_);
  if (scored) {
    for (GoalSide* side : {&home_, &away_}) side->score->setText(QString::number(side->score->Number()));
    engine.GroupScore(game_id_, txtHomeScore->Number(), txtAwayScore->Number());
    SaveGoals(home_);
    SaveGoals(away_);
    engine.SetResult(game_id_, chkResult->isChecked());
  }
  engine.CalcGroupTable(engine.GameStage(kelvane::Variant(game_id_)));
  engine.LoadStats();
  frmMain::Get().RedrawResults(frmMain::kRedrawAll, frmMain::ResultsMark::FromEngine, game_id_);
  return true;
}

// Goals are added in minute order, so the engine's goal numbers follow the minutes.
void frmGroupScore::SaveGoals(GoalSide& side) {
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
    const bool added = engine.AddGoal(game_id_, side.team_id, player_id, side.rows.Pen(row)->isChecked(),
                                      side.rows.OG(row)->isChecked(), kelvane::Variant(),
                                      kelvane::Variant(ToStd(minutes[row])));
    if (!added) continue;
    ++goal_no;
    // A scorer the players file no longer holds keeps the name he was stored with.
    if (!player_id.empty() && engine.PlayerName(player_id).empty())
      engine.SetGoal(game_id_, side.team_id, goal_no, "playername", kelvane::Variant(ToStd(list->currentText())));
  }
}

void frmGroupScore::reject() { RunHandler([this] { cmdCancel_Click(); }); }

// The close box saves nothing and asks nothing.
void frmGroupScore::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog

#include "app/entry/score_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>

#include "app/entry/scorer_rows.h"
#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/kit/screen_position.h"

namespace pitchlog::entry {

namespace {

constexpr int kTop = 6;
constexpr int kLeft = 8;

}  // namespace

ScoreDialog::ScoreDialog(const GoalRowLayout& rows)
    : home_{QStringLiteral("home"), new DigitBox(2, 100, this), new SpinControl(this), new QLabel(this),
            GoalRowPanel(this, QStringLiteral("Home"), rows), {}, {}},
      away_{QStringLiteral("away"), new DigitBox(2, 100, this), new SpinControl(this), new QLabel(this),
            GoalRowPanel(this, QStringLiteral("Away"), rows), {}, {}} {
  lblHomeTeam = Named(home_.team, "lblHomeTeam");
  lblHomeTeam->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  txtHomeScore = Named(home_.score, "txtHomeScore");
  vscHomeScore = Named(home_.spin, "vscHomeScore");
  lblVS = Named(new QLabel(QStringLiteral("v"), this), "lblVS");
  lblVS->setAlignment(Qt::AlignCenter);
  vscAwayScore = Named(away_.spin, "vscAwayScore");
  txtAwayScore = Named(away_.score, "txtAwayScore");
  lblAwayTeam = Named(away_.team, "lblAwayTeam");
  HomeGoalFrame = home_.rows.Frame();
  AwayGoalFrame = away_.rows.Frame();
}

void ScoreDialog::PlaceTopLine(int height, std::initializer_list<Place> places) {
  for (const Place& place : places) {
    place.widget->setGeometry(place.x, kTop, place.width, height);
    if (!qobject_cast<QLabel*>(place.widget)) top_tab_.push_back(place.widget);
  }
}

void ScoreDialog::PlaceFrames() {
  GoalArea = Named(new QScrollArea(this), "GoalArea");
  GoalArea->setFrameShape(QFrame::NoFrame);
  GoalArea->setFocusPolicy(Qt::NoFocus);  // Tab goes from row to row, the area follows
  GoalArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  GoalArea->setGeometry(0, kFramesTop, kWidth, GoalRowPanel::kOneRowHeight);
  auto* rows = new QWidget;
  rows->resize(kWidth, GoalRowPanel::kOneRowHeight);
  GoalArea->setWidget(rows);
  for (QWidget* frame : {static_cast<QWidget*>(HomeGoalFrame), static_cast<QWidget*>(AwayGoalFrame)})
    frame->setParent(rows);
  HomeGoalFrame->move(kLeft, 0);
  MidFrame = Named(new QFrame(rows), "MidFrame");
  MidFrame->setGeometry(kLeft + GoalRowPanel::kFrameWidth, 0, kMidWidth, GoalRowPanel::kOneRowHeight);
  AwayGoalFrame->move(kLeft + GoalRowPanel::kFrameWidth + kMidWidth, 0);
}

void ScoreDialog::UncutRows() {
  if (cut_ == 0) return;
  setFixedSize(kWidth, height() + cut_);
  ButtonFrame->move(ButtonFrame->x(), ButtonFrame->y() + cut_);
  cut_ = 0;
}

void ScoreDialog::CutRowsToRoom() {
  const int rows = std::max(ButtonFrame->y() - button_offset_, 0);
  GoalArea->widget()->resize(kWidth, std::max(rows, 1));
  cut_for_ = ClientRoom(*this);
  const int over = cut_for_.height() > 0 ? height() - cut_for_.height() : 0;
  // At least one row stays in sight, however small the screen.
  cut_ = std::clamp(over, 0, std::max(rows - GoalRowPanel::kOneRowHeight, 0));
  const int bar = cut_ > 0 ? GoalArea->verticalScrollBar()->sizeHint().width() : 0;
  GoalArea->setGeometry(0, kFramesTop, kWidth + bar, std::max(rows - cut_, 0));
  if (cut_ > 0) {
    setFixedSize(kWidth + bar, height() - cut_);
    ButtonFrame->move(ButtonFrame->x(), ButtonFrame->y() - cut_);
  } else if (width() != kWidth) {
    setFixedSize(kWidth, height());
  }
  ButtonFrame->resize(width(), ButtonFrame->height());
}

bool ScoreDialog::event(QEvent* event) {
  const bool handled = QDialog::event(event);
  const QEvent::Type type = event->type();
  // The type first: children made while the members are still being made send events too.
  if ((type == QEvent::Show || type == QEvent::Move || type == FramePlacedEvent()) && !fitting_ && base_height_ > 0 &&
      ClientRoom(*this) != cut_for_) {
    const QScopedValueRollback<bool> fitting(fitting_, true);
    UncutRows();
    CutRowsToRoom();
  }
  return handled;
}

void ScoreDialog::MakeButtonStrip(int top, std::initializer_list<StripButton> buttons) {
  ButtonFrame = Named(new QFrame(this), "ButtonFrame");
  ButtonFrame->setGeometry(0, top, kWidth, kButtonFrameHeight);
  ResultFrame = Named(new QFrame(ButtonFrame), "ResultFrame");
  ResultFrame->setGeometry(8, 2, 100, 29);
  chkResult = Named(new QCheckBox(QStringLiteral("Result"), ResultFrame), "chkResult");
  chkResult->setGeometry(4, 4, 90, 21);
  strip_tab_ = {chkResult};
  int x = kWidth - static_cast<int>(buttons.size()) * 81 - 2;
  for (const StripButton& b : buttons) {
    *b.button = Named(new QPushButton(QLatin1String(b.caption), ButtonFrame), b.name);
    (*b.button)->setGeometry(x, 4, 75, 25);
    strip_tab_.push_back(*b.button);
    x += 81;
  }
  cmdOK->setDefault(true);
  cmdApply->setEnabled(false);
}

void ScoreDialog::WireDialog() {
  for (ScoreSide* side : {&home_, &away_}) WireRow(*side, 0);
  SetTabOrder();
  for (ScoreSide* side : {&home_, &away_}) {
    connect(side->score, &QLineEdit::textChanged, this, [this, side] { RunHandler([&] { ScoreChange(*side); }); });
    connect(side->spin, &QScrollBar::valueChanged, this, [this, side] { RunHandler([&] { SpinChange(*side); }); });
  }
  connect(chkResult, &QCheckBox::toggled, this, Handler(this, &ScoreDialog::chkResult_Click));
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &ScoreDialog::cmdOK_Click));
  connect(cmdApply, &QPushButton::clicked, this, Handler(this, &ScoreDialog::cmdApply_Click));
  connect(cmdCancel, &QPushButton::clicked, this, Handler(this, &ScoreDialog::cmdCancel_Click));
  connect(cmdClear, &QPushButton::clicked, this, Handler(this, &ScoreDialog::cmdClear_Click));
}

// The handlers of row k of a side, as for the rows made at design. Kick rows have no own-goal
// mark and no minute.
void ScoreDialog::WireRow(ScoreSide& side, int row) {
  ScoreSide* s = &side;
  auto on = [this, s, row](void (ScoreDialog::*handler)(ScoreSide&, int)) {
    return [this, s, row, handler] { RunHandler([&] { (this->*handler)(*s, row); }); };
  };
  if (QCheckBox* og = side.rows.OG(row)) connect(og, &QCheckBox::toggled, this, on(&ScoreDialog::OGClick));
  connect(side.rows.Player(row), &QComboBox::currentIndexChanged, this, on(&ScoreDialog::PlayerClick));
  connect(side.rows.Pen(row), &QCheckBox::toggled, this, on(&ScoreDialog::PenClick));
  if (DigitBox* mins = side.rows.Mins(row)) connect(mins, &QLineEdit::textChanged, this, on(&ScoreDialog::MinsChange));
}

void ScoreDialog::MeasureFrames() {
  base_height_ = height() - HomeGoalFrame->height();
  one_row_height_ = HomeGoalFrame->height();
  button_offset_ = ButtonFrame->y() - HomeGoalFrame->height();
}

bool ScoreDialog::ShowZeroScores() {
  bool was_empty = false;
  for (ScoreSide* side : {&home_, &away_}) {
    if (!side->score->HoldsText()) {
      side->score->setText(QStringLiteral("0"));
      was_empty = true;
    }
    if (side->score->text() == QLatin1String("0")) side->rows.Frame()->hide();
  }
  if (txtHomeScore->text() == QLatin1String("0") || txtAwayScore->text() == QLatin1String("0")) {
    UncutRows();
    MidFrame->hide();
    ButtonFrame->move(ButtonFrame->x(), ButtonFrame->y() - one_row_height_);
    SetWindowHeight(height() - one_row_height_);
    CutRowsToRoom();
  }
  return was_empty;
}

void ScoreDialog::LoadTeams() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const kelvane::Variant game(GameID);
  home_.team_id = engine.HomeTeam(game);
  away_.team_id = engine.AwayTeam(game);
  LoadSquads(home_, away_);
  home_.squad.Fill(home_.rows.Player(0));
  away_.squad.Fill(away_.rows.Player(0));
  lblHomeTeam->setText(ToQ(engine.HomeTeamName(game)));
  lblAwayTeam->setText(ToQ(engine.AwayTeamName(game)));
}

void ScoreDialog::ShowLoadedGoals(bool unsaved) {
  for (ScoreSide* side : {&home_, &away_}) side->spin->SetValue(side->score->Number());
  for (ScoreSide* side : {&home_, &away_}) side->score->Take();
  SetGoals(home_, true);
  SetGoals(away_, true);
  cmdApply->setEnabled(unsaved);
}

// The top line, the home rows, the away rows, then the button strip.
void ScoreDialog::SetTabOrder() {
  std::vector<QWidget*> order = top_tab_;
  for (const ScoreSide* side : {&home_, &away_}) {
    const std::vector<QWidget*> rows = side->rows.TabOrder();
    order.insert(order.end(), rows.begin(), rows.end());
  }
  order.insert(order.end(), strip_tab_.begin(), strip_tab_.end());
  ChainTabOrder(order);
}

void ScoreDialog::EnableApplyWhenScored() {
  if (BothScores()) cmdApply->setEnabled(true);
}

void ScoreDialog::SetGoals(ScoreSide& side, bool FromLoad) {
  int n = 0;
  if (side.score->HoldsText()) {
    if (!IsDigits(side.score->text())) return;
    if (Other(side).score->HoldsText()) ResultFrame->show();
    n = side.score->Number();
  } else {
    ResultFrame->hide();
    chkResult->setChecked(false);
  }
  ShowRows(side, n);
  if (FromLoad)
    for (int row = 0; row < n; ++row) FillRowFromGoal(side, row, GameID);
}

void ScoreDialog::ShowRows(ScoreSide& side, int n) {
  UncutRows();
  FitGoalFrames(side, Other(side), n, {this, MidFrame, ButtonFrame, base_height_, button_offset_});
  CutRowsToRoom();
  side.rows.ShowRows(n, [&](int row) {
    WireRow(side, row);
    RowSquad(side, Other(side), row).Fill(side.rows.Player(row));
  });
  SetTabOrder();
}

bool ScoreDialog::NumberAllowed(DigitBox* box, SpinControl* spin, int ask_from, const QString& question) {
  const QString text = box->text();
  if (!box->Allows(text)) {
    PutBack(box, spin);
    return false;
  }
  if (text.isEmpty()) return true;
  const int now = box->Number();
  if (box->LastNumber() < now && now >= ask_from && MsgBox(question, msgbox::YesNo) == msgbox::No) {
    PutBack(box, spin);
    return false;
  }
  return true;
}

void ScoreDialog::PutBack(DigitBox* box, SpinControl* spin) {
  box->PutBack();
  spin->SetValueSilently(box->LastNumber());
}

void ScoreDialog::SaveGoals(ScoreSide& side) {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const int n = side.score->Number();
  std::vector<QString> minutes;
  for (int row = 0; row < n; ++row) {
    side.rows.Mins(row)->Tidy();
    minutes.push_back(side.rows.Mins(row)->text());
  }
  int16_t goal_no = 0;
  for (int row : GoalOrder(minutes)) {
    const QComboBox* list = side.rows.Player(row);
    const std::string player_id = ChosenPlayerID(list);
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

void ScoreDialog::MinsChange(ScoreSide& side, int row) {
  if (MinuteEdited(side, row)) EnableApplyWhenScored();
}

void ScoreDialog::OGClick(ScoreSide& side, int row) {
  if (OwnGoalClicked(side, Other(side), row)) EnableApplyWhenScored();
}

void ScoreDialog::PenClick(ScoreSide& side, int row) {
  if (PenaltyClicked(side, row)) EnableApplyWhenScored();
}

void ScoreDialog::PlayerClick(ScoreSide& side, int row) {
  if (ScorerChosen(side, Other(side), row, this)) EnableApplyWhenScored();
}

void ScoreDialog::ResetPlayers(QString HomeAway, QString Side) {
  RunHandler([&] {
    RefillScorers(home_, away_, HomeAway, Side);
    EnableApplyWhenScored();
  });
}

void ScoreDialog::reject() { RunHandler([this] { cmdCancel_Click(); }); }

}  // namespace pitchlog::entry

#include "app/entry/frm_penalties.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>

#include "app/entry/bracket_guard.h"
#include "app/entry/frm_add_player.h"
#include "app/entry/frm_ko_game_facts.h"
#include "app/entry/frm_ko_score.h"
#include "app/shell/frm_main.h"
#include "app/shell/msg_box.h"
#include "app/shell/named_widget.h"
#include "app/shell/program.h"

namespace pitchlog {

namespace {

using entry::DigitBox;
using entry::SpinControl;

// Pixels at design.
constexpr int kWidth = 635;
constexpr int kFrameWidth = 297;
constexpr int kMidWidth = 25;
constexpr int kFramesTop = 40;
constexpr int kOneRowHeight = 65;  // the headings and kick 1
constexpr int kRowPitch = 25;
constexpr int kRow0Top = 32;
constexpr int kButtonFrameTop = 104;
constexpr int kButtonFrameHeight = 33;
constexpr int kDesignHeight = kButtonFrameTop + kButtonFrameHeight + 5;

QLabel* BoldLabel(const QString& text, double points, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setBold(true);
  font.setPointSizeF(points);
  label->setFont(font);
  return label;
}

}  // namespace

frmPenalties::frmPenalties()
    : home_{QStringLiteral("home"), QStringLiteral("Home"), new DigitBox(2, 100, this), new SpinControl(this),
            BoldLabel(QStringLiteral("0"), 13.5, this), BoldLabel(QStringLiteral("Home Team"), 12, this),
            new QGroupBox(QStringLiteral("Penalties"), this), {}, {}, {}},
      away_{QStringLiteral("away"), QStringLiteral("Away"), new DigitBox(2, 100, this), new SpinControl(this),
            BoldLabel(QStringLiteral("0"), 13.5, this), BoldLabel(QStringLiteral("Away Team"), 12, this),
            new QGroupBox(QStringLiteral("Penalties"), this), {}, {}, {}} {
  setObjectName(QStringLiteral("frmPenalties"));
  setFixedSize(kWidth, kDesignHeight);

  lblHomeTeam = Named(home_.team, QStringLiteral("lblHomeTeam"));
  lblHomeTeam->setGeometry(8, 6, 190, 26);
  lblHomeTeam->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  txtHomeScore = Named(home_.count, QStringLiteral("txtHomeScore"));
  txtHomeScore->setGeometry(204, 6, 36, 26);
  vscHomeScore = Named(home_.spin, QStringLiteral("vscHomeScore"));
  vscHomeScore->setGeometry(240, 6, 16, 26);
  lblHomeScored = Named(home_.scored, QStringLiteral("lblHomeScored"));
  lblHomeScored->setGeometry(262, 6, 36, 26);
  lblHomeScored->setAlignment(Qt::AlignCenter);
  lblVS = Named(new QLabel(QStringLiteral("v"), this), QStringLiteral("lblVS"));
  lblVS->setGeometry(300, 6, 35, 26);
  lblVS->setAlignment(Qt::AlignCenter);
  lblAwayScored = Named(away_.scored, QStringLiteral("lblAwayScored"));
  lblAwayScored->setGeometry(337, 6, 36, 26);
  lblAwayScored->setAlignment(Qt::AlignCenter);
  vscAwayScore = Named(away_.spin, QStringLiteral("vscAwayScore"));
  vscAwayScore->setGeometry(379, 6, 16, 26);
  txtAwayScore = Named(away_.count, QStringLiteral("txtAwayScore"));
  txtAwayScore->setGeometry(395, 6, 36, 26);
  lblAwayTeam = Named(away_.team, QStringLiteral("lblAwayTeam"));
  lblAwayTeam->setGeometry(437, 6, 190, 26);
  for (DigitBox* box : {txtHomeScore, txtAwayScore}) {
    QFont font = box->font();
    font.setBold(true);
    font.setPointSizeF(13.5);
    box->setFont(font);
    box->setAlignment(Qt::AlignCenter);
  }

  int left = 8;
  for (KickSide* side : {&home_, &away_}) {
    side->frame->setObjectName(side->prefix + QStringLiteral("GoalFrame"));
    side->frame->setGeometry(left, kFramesTop, kFrameWidth, kOneRowHeight);
    auto* player = Named(new QLabel(QStringLiteral("Player"), side->frame),
                         QStringLiteral("lbl") + side->prefix + QStringLiteral("Player"));
    player->setGeometry(8, 16, 200, 16);
    auto* pen = Named(new QLabel(QStringLiteral("Scored"), side->frame),
                      QStringLiteral("lbl") + side->prefix + QStringLiteral("Pen"));
    pen->setGeometry(216, 16, 60, 16);
    MakeRow(*side);
    left += kFrameWidth + kMidWidth;
  }
  HomeGoalFrame = home_.frame;
  AwayGoalFrame = away_.frame;
  MidFrame = Named(new QFrame(this), QStringLiteral("MidFrame"));
  MidFrame->setGeometry(8 + kFrameWidth, kFramesTop, kMidWidth, kOneRowHeight);
  GoalHeight = Named(new QFrame(MidFrame), QStringLiteral("GoalHeight"));
  GoalHeight->setGeometry(0, 0, kMidWidth, kRowPitch);

  ButtonFrame = Named(new QFrame(this), QStringLiteral("ButtonFrame"));
  ButtonFrame->setGeometry(0, kButtonFrameTop, kWidth, kButtonFrameHeight);
  ResultFrame = Named(new QFrame(ButtonFrame), QStringLiteral("ResultFrame"));
  ResultFrame->setGeometry(8, 2, 100, 29);
  chkResult = Named(new QCheckBox(QStringLiteral("Result"), ResultFrame), QStringLiteral("chkResult"));
  chkResult->setGeometry(4, 4, 90, 21);
  QFont bold = chkResult->font();
  bold.setBold(true);
  chkResult->setFont(bold);
  int x = kWidth - 4 * 81 - 2;
  for (auto [button, name, caption] : {std::tuple{&cmdClear, "cmdClear", "Clear"}, std::tuple{&cmdOK, "cmdOK", "OK"},
                                       std::tuple{&cmdApply, "cmdApply", "Apply"},
                                       std::tuple{&cmdCancel, "cmdCancel", "Cancel"}}) {
    *button = Named(new QPushButton(QLatin1String(caption), ButtonFrame), QLatin1String(name));
    (*button)->setGeometry(x, 4, 75, 25);
    x += 81;
  }
  cmdOK->setDefault(true);
  cmdApply->setEnabled(false);

  SetTabOrder();
  connect(txtHomeScore, &QLineEdit::textChanged, this, Handler(this, &frmPenalties::txtHomeScore_Change));
  connect(txtAwayScore, &QLineEdit::textChanged, this, Handler(this, &frmPenalties::txtAwayScore_Change));
  connect(vscHomeScore, &QScrollBar::valueChanged, this, Handler(this, &frmPenalties::vscHomeScore_Change));
  connect(vscAwayScore, &QScrollBar::valueChanged, this, Handler(this, &frmPenalties::vscAwayScore_Change));
  connect(chkResult, &QCheckBox::toggled, this, Handler(this, &frmPenalties::chkResult_Click));
  connect(cmdOK, &QPushButton::clicked, this, Handler(this, &frmPenalties::cmdOK_Click));
  connect(cmdApply, &QPushButton::clicked, this, Handler(this, &frmPenalties::cmdApply_Click));
  connect(cmdCancel, &QPushButton::clicked, this, Handler(this, &frmPenalties::cmdCancel_Click));
  connect(cmdClear, &QPushButton::clicked, this, Handler(this, &frmPenalties::cmdClear_Click));
}

// Kick rows are made on demand below row 0 and never destroyed: a lower count hides them with
// their taker and tick kept.
void frmPenalties::MakeRow(KickSide& side) {
  const int k = static_cast<int>(side.rows.size());
  const QString suffix = QLatin1Char('_') + QString::number(k);
  const int top = kRow0Top + k * kRowPitch;
  KickRow row{Named(new QComboBox(side.frame), QStringLiteral("cbo") + side.prefix + QStringLiteral("Player") + suffix),
              Named(new QCheckBox(side.frame), QStringLiteral("chk") + side.prefix + QStringLiteral("Pen") + suffix)};
  row.player->setGeometry(8, top, 200, 21);
  row.pen->setGeometry(230, top, 17, 21);
  side.rows.push_back(row);
  const bool home = &side == &home_;
  const auto index = static_cast<int16_t>(k);
  auto on = [this, index](void (frmPenalties::*handler)(int16_t)) {
    return [this, index, handler] { RunHandler([&] { (this->*handler)(index); }); };
  };
  connect(row.player, &QComboBox::currentIndexChanged, this,
          on(home ? &frmPenalties::cboHomePlayer_Click : &frmPenalties::cboAwayPlayer_Click));
  connect(row.pen, &QCheckBox::toggled, this,
          on(home ? &frmPenalties::chkHomePen_Click : &frmPenalties::chkAwayPen_Click));
}

void frmPenalties::Form_Load() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  loading_ = true;
  const frmKOScore* score = frmKOScore::IsLoaded() ? &frmKOScore::Get() : nullptr;
  if (frmKOScore::IsLoaded()) frmKOScore::Get().hide();
  base_height_ = height() - HomeGoalFrame->height();
  row_pitch_ = GoalHeight->height();
  one_row_height_ = HomeGoalFrame->height();
  button_offset_ = ButtonFrame->y() - HomeGoalFrame->height();

  if (score) {
    game_id_ = score->GameID;
    setWindowTitle(score->windowTitle() + QStringLiteral(" - Penalties Taken"));
  }
  const kelvane::Variant game(game_id_);
  home_.team_id = engine.HomeTeam(game);
  away_.team_id = engine.AwayTeam(game);
  LoadPlayerLists();
  home_.squad.Fill(home_.rows[0].player);
  away_.squad.Fill(away_.rows[0].player);
  lblHomeTeam->setText(ToQ(engine.HomeTeamName(game)));
  lblAwayTeam->setText(ToQ(engine.AwayTeamName(game)));

  for (KickSide* side : {&home_, &away_})
    side->count->setText(ToQ(engine.Results(game_id_, "pentakenf", side->team_id).ToString()));
  for (KickSide* side : {&home_, &away_})
    side->scored->setText(ToQ(engine.Results(game_id_, "penscoredf", side->team_id).ToString()));
  // A side without a stored count shows 0 kicks; that is no change, so Apply stays off and an
  // untouched dialog stores nothing.
  for (KickSide* side : {&home_, &away_}) {
    if (!side->count->HoldsText()) side->count->setText(QStringLiteral("0"));
    if (side->count->text() == QLatin1String("0")) side->frame->hide();
  }
  if (txtHomeScore->text() == QLatin1String("0") || txtAwayScore->text() == QLatin1String("0")) {
    MidFrame->hide();
    ButtonFrame->move(ButtonFrame->x(), ButtonFrame->y() - one_row_height_);
    SetWindowHeight(height() - one_row_height_);
  }
  if (engine.Result(game_id_)) chkResult->setChecked(true);
  for (KickSide* side : {&home_, &away_}) {
    side->spin->SetValue(side->count->Number());
    side->count->Take();
  }
  SetPenalties(home_, true);
  SetPenalties(away_, true);
  // Shoot-out figures typed in the score dialog have no kicks behind them: they show as stored
  // until the kicks are entered.
  if (!engine.GameHasPenalties(game_id_))
    for (KickSide* side : {&home_, &away_})
      side->scored->setText(QString::number(StoredNumber(engine.Results(game_id_, "penscoredf", side->team_id))));
  cmdApply->setEnabled(false);
  ApplyResultFrameRule();
  loading_ = false;
}

void frmPenalties::LoadPlayerLists() {
  home_.squad.Load(*gobjKelvane, home_.team_id);
  away_.squad.Load(*gobjKelvane, away_.team_id);
}

void frmPenalties::SetWindowHeight(int height) { setFixedSize(width(), height); }

// The top line, the home kicks, the away kicks, then the button strip.
void frmPenalties::SetTabOrder() {
  std::vector<QWidget*> order{txtHomeScore, vscHomeScore, vscAwayScore, txtAwayScore};
  for (const KickSide* side : {&home_, &away_})
    for (const KickRow& row : side->rows) order.insert(order.end(), {row.player, row.pen});
  order.insert(order.end(), {chkResult, cmdClear, cmdOK, cmdApply, cmdCancel});
  entry::ChainTabOrder(order);
}

bool frmPenalties::ScoredDiffer() const {
  return entry::NumberOf(lblHomeScored->text()) != entry::NumberOf(lblAwayScored->text());
}

void frmPenalties::ApplyResultFrameRule() {
  if (BothCounts() && ScoredDiffer()) {
    ResultFrame->show();
  } else {
    chkResult->setChecked(false);
    ResultFrame->hide();
  }
}

void frmPenalties::SetPenalties(KickSide& side, bool FromLoad) {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const KickSide& other = Other(side);
  int n = 0;
  if (side.count->HoldsText()) {
    if (!entry::IsDigits(side.count->text())) return;
    n = side.count->Number();
  }
  const int needed = n > 0 ? one_row_height_ + (n - 1) * row_pitch_ : 0;
  side.frame->setVisible(n > 0);
  side.frame->resize(side.frame->width(), needed);
  const int tallest = std::max(needed, other.frame->height());
  if (tallest > 0) {
    SetWindowHeight(base_height_ + tallest);
    ButtonFrame->move(ButtonFrame->x(), button_offset_ + tallest);
  }
  const QString other_text = other.count->text();
  if (n == 0 && (other_text.isEmpty() || other_text == QLatin1String("0"))) {
    MidFrame->hide();
  } else {
    MidFrame->resize(MidFrame->width(), std::max(side.frame->height(), other.frame->height()));
    MidFrame->show();
  }

  for (int i = n; i < static_cast<int>(side.rows.size()); ++i) {
    side.rows[i].player->hide();
    side.rows[i].pen->hide();
  }
  if (static_cast<int>(side.rows.size()) < n) {
    while (static_cast<int>(side.rows.size()) < n) {
      MakeRow(side);
      side.squad.Fill(side.rows.back().player);
    }
    SetTabOrder();
  }
  for (int i = 0; i < n; ++i) {
    const KickRow& row = side.rows[i];
    if (FromLoad) {
      const auto kick = static_cast<int16_t>(i + 1);
      const std::string taker = engine.Penalty(game_id_, side.team_id, kick, "takerid").ToString();
      if (!taker.empty()) {
        QString name = ToQ(engine.PlayerName(taker));
        if (name.isEmpty()) name = ToQ(engine.Penalty(game_id_, side.team_id, kick, "takername").ToString());
        entry::SelectPlayer(row.player, taker, name);
      }
      row.pen->setChecked(StoredNumber(engine.Penalty(game_id_, side.team_id, kick, "scored")) != 0);
    }
    row.player->show();
    row.pen->show();
  }
}

void frmPenalties::CountScored(KickSide& side) {
  const int n = side.count->Number();
  int scored = 0;
  for (int i = 0; i < n && i < static_cast<int>(side.rows.size()); ++i)
    if (side.rows[i].pen->isChecked()) ++scored;
  side.scored->setText(QString::number(scored));
}

void frmPenalties::CountChange(KickSide& side) {
  const QString text = side.count->text();
  if (!side.count->Allows(text)) {
    side.count->PutBack();
    side.spin->SetValueSilently(side.count->LastNumber());
    return;
  }
  if (!text.isEmpty()) {
    const int now = side.count->Number();
    if (now >= 11 && now > side.count->LastNumber() &&
        MsgBox(QStringLiteral("Are you sure ") + side.team->text() + QStringLiteral(" took ") + text +
                   QStringLiteral(" penalties?"),
               msgbox::YesNo) == msgbox::No) {
      side.count->PutBack();
      side.spin->SetValueSilently(side.count->LastNumber());
      return;
    }
  }
  side.count->Take();
  SetPenalties(side, false);
  // An emptied box whose arrows stood above 0 gets "0" back from them.
  side.spin->SetValue(side.count->Number());
  CountScored(home_);
  CountScored(away_);
  cmdApply->setEnabled(true);
  ApplyResultFrameRule();
}

void frmPenalties::PenClick(KickSide& side, int row) {
  Q_UNUSED(row);
  Q_UNUSED(side);
  // Once kicks are entered both figures are counted from them.
  CountScored(home_);
  CountScored(away_);
  // The stored kicks are ticked while the window loads: that is no change.
  if (loading_) return;
  if (ScoredDiffer()) {
    ResultFrame->show();
  } else {
    chkResult->setChecked(false);
    ResultFrame->hide();
  }
  cmdApply->setEnabled(true);
}

void frmPenalties::PlayerClick(KickSide& side, int row) {
  if (frmAddPlayer::InUse()) return;
  QComboBox* list = side.rows.at(row).player;
  if (!entry::IsNewChosen(list)) {
    if (BothCounts()) cmdApply->setEnabled(true);
    return;
  }
  frmAddPlayer& add = frmAddPlayer::Get();
  add.Calling = list;
  add.FromForm = this;
  add.HomeAway = side.name;
  add.TeamID = side.team_id;
  add.Side = side.name;
  add.IndexNo = static_cast<int16_t>(row);
  add.ShowModal();
}

void frmPenalties::ResetPlayers(QString HomeAway, QString Side) {
  Q_UNUSED(Side);
  RunHandler([&] {
    LoadPlayerLists();
    const frmAddPlayer* add = frmAddPlayer::IsLoaded() ? &frmAddPlayer::Get() : nullptr;
    for (KickSide* side : {&home_, &away_}) {
      if (HomeAway != side->name) continue;
      for (int row = 0; row < static_cast<int>(side->rows.size()); ++row) {
        QComboBox* list = side->rows[row].player;
        std::string player_id = entry::ChosenPlayerID(list);
        QString name = list->currentText();
        if (add && row == add->IndexNo) {
          player_id = add->AddedPlayerID;
          name = add->txtName->text();
        }
        side->squad.Fill(list);
        entry::SelectPlayer(list, player_id, name);
      }
    }
    if (BothCounts()) cmdApply->setEnabled(true);
  });
}

void frmPenalties::chkResult_Click() {
  if (BothCounts()) cmdApply->setEnabled(true);
}

// The winner that saving the kicks gives the game, over the score as stored.
std::string frmPenalties::KicksWinner() const {
  kelvane::IPitchlog& engine = *gobjKelvane;
  auto goals = [&](const std::string& team) {
    return StoredNumber(engine.Results(game_id_, "f", team)) + StoredNumber(engine.Results(game_id_, "etf", team));
  };
  const bool shootout = txtHomeScore->Number() + txtAwayScore->Number() > 0;
  return entry::DecidedWinner(home_.team_id, away_.team_id, goals(home_.team_id), goals(away_.team_id), shootout,
                              entry::NumberOf(lblHomeScored->text()), entry::NumberOf(lblAwayScored->text()));
}

bool frmPenalties::RefuseDifference() const {
  if (std::abs(txtHomeScore->Number() - txtAwayScore->Number()) < 2) return false;
  MsgBox(QStringLiteral("Both teams must take the same number of penalties, or a difference of one"), msgbox::Critical);
  return true;
}

void frmPenalties::cmdOK_Click() {
  if (txtHomeScore->HoldsText() != txtAwayScore->HoldsText()) {
    MsgBox(QStringLiteral("Must enter penalties taken for both teams or neither"), msgbox::Critical);
    return;
  }
  if (RefuseDifference()) return;
  if (cmdApply->isEnabled()) {
    if (!entry::MayChangeWinner(game_id_, KicksWinner())) return;
    SavePenalties();
  }
  Close();
}

void frmPenalties::cmdApply_Click() {
  if (RefuseDifference()) return;
  if (!entry::MayChangeWinner(game_id_, KicksWinner())) return;
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
  frmMain& main = frmMain::Get();
  engine.RemovePenalties(game_id_, home_.team_id);
  engine.RemovePenalties(game_id_, away_.team_id);
  const bool shootout = txtHomeScore->Number() + txtAwayScore->Number() > 0;
  // The figures stored before go, also those typed in the score dialog without kicks: the
  // engine writes a winner's pw and pl but never clears them for a level shoot-out.
  for (const std::string* team : {&home_.team_id, &away_.team_id})
    for (const char* field : {"pentakenf", "pentakena", "penscoredf", "penscoreda", "pw", "pl"})
      engine.SetResults(game_id_, field, *team, kelvane::Variant(std::string()));
  // The score stays as the score dialog stored it: normal time, extra time and their scorers.
  auto stored = [&](const char* attb, const std::string& team) {
    return StoredNumber(engine.Results(game_id_, attb, team));
  };
  auto text = [](const QString& t) { return kelvane::Variant(ToStd(t)); };
  engine.KOScore(game_id_, stored("f", home_.team_id), stored("f", away_.team_id),
                 shootout ? text(txtHomeScore->text()) : kelvane::Variant(),
                 shootout ? text(txtAwayScore->text()) : kelvane::Variant(),
                 shootout ? text(lblHomeScored->text()) : kelvane::Variant(),
                 shootout ? text(lblAwayScored->text()) : kelvane::Variant(), stored("etf", home_.team_id),
                 stored("etf", away_.team_id), engine.ExtraTime(game_id_));
  if (shootout && BothCounts())
    for (KickSide* side : {&home_, &away_})
      for (int i = 0; i < side->count->Number(); ++i) {
        const KickRow& row = side->rows.at(i);
        engine.AddPenalty(game_id_, side->team_id, row.pen->isChecked(), entry::ChosenPlayerID(row.player));
      }
  engine.SetResult(game_id_, chkResult->isChecked());
  engine.LoadStats();
  main.RedrawResults(frmMain::kRedrawStats | frmMain::kRedrawSchedule | frmMain::kRedrawKnockout,
                     frmMain::ResultsMark::Set, game_id_);
  if (frmKOScore::IsLoaded()) frmKOScore::Get().cmdApply->setEnabled(false);
}

void frmPenalties::Form_Unload() {
  if (frmKOScore::IsLoaded()) frmKOScore::Get().Close();
}

void frmPenalties::Close() {
  Unload();
  Form_Unload();
}

void frmPenalties::reject() { RunHandler([this] { cmdCancel_Click(); }); }

void frmPenalties::closeEvent(QCloseEvent* event) {
  event->accept();
  Close();
}

}  // namespace pitchlog

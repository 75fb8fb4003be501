// What the scorer rows of a score dialog do, the same in every score dialog: a minute typed, an
// own-goal or penalty mark clicked, a scorer or kick taker chosen (or "[New]", which asks the
// add-player dialog for one), and the refill of every list once a player was added. Kick rows
// have no own-goal mark: they offer their own side's squad.
//
// A side is any struct with `name` ("home" or "away", as the add-player dialog names sides),
// `rows` (GoalRowPanel), `team_id`, `squad` (Squad) and `score` (its score box). A function that answers true means the
// change is an edit: the dialog then enables Apply when both scores are entered.
#pragma once

#include <algorithm>
#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>
#include <QString>

#include "app/entry/entry_kit.h"
#include "app/entry/frm_add_player.h"
#include "app/entry/goal_rows.h"
#include "app/kit/msg_box.h"
#include "app/kit/program.h"

namespace pitchlog::entry {

// The squad a row offers: the other side's while its own-goal box is ticked.
template <typename Side>
const Squad& RowSquad(const Side& side, const Side& other, int row) {
  return side.rows.IsOwnGoal(row) ? other.squad : side.squad;
}

// A minute out of range keeps its text, marked in red with the range as its tip, until it is mended.
inline void MarkMinute(DigitBox* box) {
  if (box->InRange()) {
    box->setPalette(QPalette());
    box->setToolTip(QString());
    return;
  }
  QPalette marked = box->palette();
  marked.setColor(QPalette::Base, QColor(255, 205, 205));
  marked.setColor(QPalette::Text, QColor(140, 0, 0));
  box->setPalette(marked);
  box->setToolTip(QStringLiteral("Minutes run from 0 to %1").arg(box->Limit() - 1));
}

template <typename Side>
bool MinuteEdited(const Side& side, int row) {
  DigitBox* box = side.rows.Mins(row);
  if (box->text().isEmpty()) {
    if (box->Last().isEmpty()) return false;
  } else if (!box->Fits(box->text())) {
    box->PutBack();
    return false;
  }
  box->Take();
  MarkMinute(box);
  return true;
}

// OK and Apply: a goal row of the score whose minute is out of range is shown and refused, so
// that a minute typed half-way ("9" of "91") is never stored. True when refused.
template <typename Side>
bool RefuseMinutes(const Side& home, const Side& away) {
  for (const Side* side : {&home, &away}) {
    for (int row = 0; row < side->score->Number() && row < side->rows.Rows(); ++row) {
      DigitBox* box = side->rows.Mins(row);
      if (box->InRange()) continue;
      MsgBox(QStringLiteral("The minute of a goal must be from 0 to %1\n\nPlease correct the minute marked in red")
                 .arg(box->Limit() - 1),
             msgbox::Critical);
      box->setFocus();
      box->selectAll();
      return true;
    }
  }
  return false;
}

// An own goal and a penalty exclude each other; an own goal's scorer is of the other side.
template <typename Side>
bool OwnGoalClicked(const Side& side, const Side& other, int row) {
  QComboBox* list = side.rows.Player(row);
  if (side.rows.OG(row)->isChecked()) {
    side.rows.Pen(row)->setChecked(false);
    other.squad.Fill(list);
  } else {
    side.squad.Fill(list);
  }
  return true;
}

template <typename Side>
bool PenaltyClicked(const Side& side, int row) {
  if (side.rows.Pen(row)->isChecked()) side.rows.OG(row)->setChecked(false);
  return true;
}

// "[New]" shows the add-player dialog for the squad the row offers; it calls back ResetPlayers.
template <typename Side>
bool ScorerChosen(const Side& side, const Side& other, int row, QWidget* dialog) {
  if (frmAddPlayer::InUse()) return false;
  QComboBox* list = side.rows.Player(row);
  if (!IsNewChosen(list)) return true;
  const Side& grows = side.rows.IsOwnGoal(row) ? other : side;
  frmAddPlayer& add = frmAddPlayer::Get();
  add.Calling = list;
  add.FromForm = dialog;
  add.HomeAway = grows.name;
  add.TeamID = grows.team_id;
  add.Side = side.name;
  add.IndexNo = static_cast<int16_t>(row);
  add.ShowModal();
  return false;
}

// A stored "og" or "pen" mark: a missing or unreadable value counts 0.
inline bool StoredMark(const kelvane::Variant& value) {
  const QString text = ToQ(value.ToString());
  return IsDigits(text) && text.size() <= 4 && NumberOf(text) != 0;
}

// A stored goal into its row; the scorer is chosen by id, and one missing from the squad keeps
// an item of his own so that a save does not drop him.
template <typename Side>
void FillRowFromGoal(const Side& side, int row, const std::string& game_id) {
  kelvane::IPitchlog& engine = *gobjKelvane;
  const auto goal_no = static_cast<int16_t>(row + 1);
  auto goal = [&](const char* key) { return engine.Goal(game_id, side.team_id, goal_no, key); };
  side.rows.OG(row)->setChecked(StoredMark(goal("og")));
  const std::string player_id = goal("playerid").ToString();
  if (!player_id.empty()) {
    QString name = ToQ(engine.PlayerName(player_id));
    if (name.isEmpty()) name = ToQ(goal("playername").ToString());
    SelectPlayer(side.rows.Player(row), player_id, name);
  }
  side.rows.Pen(row)->setChecked(StoredMark(goal("pen")));
  side.rows.Mins(row)->setText(ToQ(goal("minutes").ToString()));
}

// The window around the two goal frames: its height without them, and where the button strip
// stands below them, as measured at load.
struct GoalFramesLayout {
  QWidget* window;
  QFrame* mid;
  QFrame* buttons;
  int base_height;
  int button_offset;
};

// Sizes the side's frame for n goals. Both frames share the window: it is as tall as the
// taller one needs, and with no goals on either side nothing moves.
template <typename Side>
void FitGoalFrames(const Side& side, const Side& other, int n, const GoalFramesLayout& layout) {
  QGroupBox* frame = side.rows.Frame();
  const QGroupBox* other_frame = other.rows.Frame();
  const int needed = side.rows.Height(n);
  frame->setVisible(n > 0);
  frame->resize(frame->width(), needed);
  const int tallest = std::max(needed, other_frame->height());
  if (tallest > 0) {
    layout.window->setFixedSize(layout.window->width(), layout.base_height + tallest);
    layout.buttons->move(layout.buttons->x(), layout.button_offset + tallest);
  }
  const QString other_text = other.score->text();
  if ((other_text.isEmpty() || other_text == QLatin1String("0")) && n == 0) {
    layout.mid->hide();
  } else {
    layout.mid->resize(layout.mid->width(), std::max(frame->height(), other_frame->height()));
    layout.mid->show();
  }
}

template <typename Side>
void LoadSquads(Side& home, Side& away) {
  home.squad.Load(*gobjKelvane, home.team_id);
  away.squad.Load(*gobjKelvane, away.team_id);
}

// After a player joined the HomeAway side's squad: every list offering that squad is refilled
// and keeps its scorer; the row that asked (Side, the add-player dialog's IndexNo) gets the new one.
template <typename Side>
void RefillScorers(Side& home, Side& away, const QString& HomeAway, const QString& asking_side) {
  LoadSquads(home, away);
  const frmAddPlayer* add = frmAddPlayer::IsLoaded() ? &frmAddPlayer::Get() : nullptr;
  for (auto [side, other] : {std::pair<Side*, Side*>{&home, &away}, std::pair<Side*, Side*>{&away, &home}}) {
    for (int row = 0; row < side->rows.Rows(); ++row) {
      const bool own_goal = side->rows.IsOwnGoal(row);
      if (HomeAway != (own_goal ? other->name : side->name)) continue;
      QComboBox* list = side->rows.Player(row);
      std::string player_id = ChosenPlayerID(list);
      QString name = list->currentText();
      if (add && asking_side == side->name && row == add->IndexNo) {
        player_id = add->AddedPlayerID;
        name = add->txtName->text();
      }
      RowSquad(*side, *other, row).Fill(list);
      SelectPlayer(list, player_id, name);
    }
  }
}

}  // namespace pitchlog::entry

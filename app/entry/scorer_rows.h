// What the scorer rows of a score dialog do, the same in the group and the knock-out dialog: a
// minute typed, an own-goal or penalty mark clicked, a scorer chosen (or "[New]", which asks the
// add-player dialog for one), and the refill of every list once a player was added.
//
// A side is any struct with `name` ("home" or "away", as the add-player dialog names sides),
// `rows` (GoalRowPanel), `team_id` and `squad` (Squad). A function that answers true means the
// change is an edit: the dialog then enables Apply when both scores are entered.
#pragma once

#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QString>

#include "app/entry/entry_kit.h"
#include "app/entry/frm_add_player.h"
#include "app/entry/goal_rows.h"
#include "app/shell/program.h"

namespace pitchlog::entry {

// The squad a row offers: the other side's while its own-goal box is ticked.
template <typename Side>
const Squad& RowSquad(const Side& side, const Side& other, int row) {
  return side.rows.OG(row)->isChecked() ? other.squad : side.squad;
}

template <typename Side>
bool MinuteEdited(const Side& side, int row) {
  DigitBox* box = side.rows.Mins(row);
  if (box->text().isEmpty()) {
    if (box->Last().isEmpty()) return false;
  } else if (!box->Allows(box->text())) {
    box->PutBack();
    return false;
  }
  box->Take();
  return true;
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
  const Side& grows = side.rows.OG(row)->isChecked() ? other : side;
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
      const bool own_goal = side->rows.OG(row)->isChecked();
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

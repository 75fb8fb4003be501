// The entry kit: what every result entry dialog is made of.
//
//   DigitBox      a number box that takes ASCII digits only and keeps its last accepted text.
//   SpinControl   the arrows beside a number box: up raises the number by one, never below 0.
//   Squad         one team's players, and the scorer / kick-taker lists that offer them, with
//                 "[New]" while the squad is short. Lists choose players by player id.
//   Save guard    the checks and questions around a save, the goal order of a save, and the
//                 main window's unsaved-results mark.
// The goal rows of a score dialog are in goal_rows.h.
//
// How a dialog uses them (the group score dialog is the worked example):
// - Connect QLineEdit::textChanged, QScrollBar::valueChanged, QCheckBox::toggled and
//   QComboBox::currentIndexChanged to the handlers. Each fires for code-made writes too, so a
//   dialog fills itself through its own handlers. Filling a list (Squad::Fill) is silent.
// - A change handler tests the new text (DigitBox::Allows and its own rules), then either takes it
//   (Take) or puts the last accepted text back (PutBack, which is silent: nothing was accepted,
//   so nothing else may move).
// - A dialog saves only texts that its boxes accepted, so a save cannot fail half-way on a bad
//   number after it has removed the stored result.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QLineEdit>
#include <QScrollBar>
#include <QString>

#include "app/kit/program.h"

class QComboBox;
class QPushButton;

namespace kelvane {
class IPitchlog;
}

namespace pitchlog {
namespace entry {

// True for a text of one or more of the characters 0-9 and nothing else: no sign, space,
// decimal point, exponent or other script's digits.
bool IsDigits(const QString& text);

// The number of a box's text with "0" in front, so an empty text counts 0. The text must be
// empty or IsDigits and at most four characters.
int16_t NumberOf(const QString& text);

// A number box: empty, or up to max_length ASCII digits whose value is below limit.
class DigitBox : public QLineEdit {
 public:
  DigitBox(int max_length, int limit, QWidget* parent);

  bool Allows(const QString& text) const { return Fits(text) && InRange(text); }
  // Empty, or ASCII digits no longer than the box takes, whatever their number.
  bool Fits(const QString& text) const;
  // Empty, or a number below the limit.
  bool InRange(const QString& text) const;
  bool InRange() const { return InRange(text()); }
  int Limit() const { return limit_; }
  bool HoldsText() const { return !text().isEmpty(); }
  int16_t Number() const { return NumberOf(text()); }

  // The last accepted text ("" at first).
  const QString& Last() const { return last_; }
  int16_t LastNumber() const { return NumberOf(last_); }
  // The current text becomes the last accepted one.
  void Take() { last_ = text(); }
  // Writes the last accepted text back without running the change handling.
  void PutBack();
  // Writes the number as plain decimal ("05" becomes "5") and takes it, without the handling.
  void Tidy();
  // Shows and takes a stored text that typing could not enter, without the handling.
  void ShowStored(const QString& text);

 private:
  int max_length_;
  int limit_;
  QString last_;
};

// A vertical scroll bar used as spin arrows: Value() runs 0..32767 and the up arrow raises it.
// Connect valueChanged and read Value() in the handler.
class SpinControl : public QScrollBar {
 public:
  explicit SpinControl(QWidget* parent);
  int Value() const { return -value(); }
  // Runs the change handling when the value changes.
  void SetValue(int v) { setValue(-v); }
  // The same without it (to keep the arrows in step with a box that was put back).
  void SetValueSilently(int v);
};

inline constexpr int kFullSquad = kSquadSize;
inline constexpr const char* kNewItem = "[New]";

// One team's players in the engine's order: what a scorer list offers.
class Squad {
 public:
  void Load(kelvane::IPitchlog& engine, const std::string& team_id);
  bool Holds(const std::string& player_id) const;
  int Size() const { return static_cast<int>(players_.size()); }

  // Clears the list and fills it: an empty item, each player by name (item data: the player
  // id), and "[New]" while fewer than 26 players were added. Runs no handler; the list then shows
  // the empty item.
  void Fill(QComboBox* list) const;

 private:
  struct Player {
    std::string id;
    QString name;
  };
  std::vector<Player> players_;
};

// The player id of the list's choice; "" for the empty item and for "[New]".
std::string ChosenPlayerID(const QComboBox* list);
bool IsNewChosen(const QComboBox* list);
// Whether an item of the list reads text, ignoring letter case.
bool ListHolds(const QComboBox* list, const QString& text);

// Chooses the player of that id (running the list's handler). A player the list does not
// offer, such as a stored scorer no longer in the squad, becomes an item of his own, named name,
// before "[New]". An empty id chooses the empty item.
void SelectPlayer(QComboBox* list, const std::string& player_id, const QString& name);

// Tab visits the widgets in this order (the order they stand on screen), then leaves the last
// for whatever followed it before. Rows made later are put in their place by calling it again.
void ChainTabOrder(const std::vector<QWidget*>& widgets);

// ---- Save guard ----

// OK and Apply refuse to save exactly one score: that would remove the stored result. Shows the
// refusal and returns true when refused.
bool RefuseHalfScore(const DigitBox* home, const DigitBox* away);

// Cancel: while Apply is enabled (changes not handed over) asks "Are you sure?". True to close.
bool MayDiscard(const QPushButton* cmdApply);

// The order in which a save adds goal rows 0..n-1: by minute (an empty minute counts 0), rows of
// the same minute in row order. minutes are the rows' accepted minute texts.
std::vector<int> GoalOrder(const std::vector<QString>& minutes);

}  // namespace entry
}  // namespace pitchlog

// One side's goal rows in a score dialog: a frame with column headings and a control array for
// each column, one element per goal (or per kick of a shoot-out). Row 0 exists from the start; further rows are made on demand at a fixed
// pitch below it and are never destroyed: rows beyond the score are hidden with their scorer,
// marks and minute kept, and come back with them.
//
// Names, for side "Home": the frame HomeGoalFrame, the headings lblHomeOG, lblHomePlayer,
// lblHomePen, lblHomeMins ("OG", "Player", "Pen", "Mins"), and the rows chkHomeOG_N,
// cboHomePlayer_N, chkHomePen_N, txtHomeMins_N. Kick rows have a taker (cboHomePlayer_N) and a
// scored mark (chkHomePen_N, headed "Scored" as lblHomePen) in the frame "Penalties".
//
// The panel only makes, places, shows and hides; the dialog sizes the frame (NeededHeight), wires
// each row's handlers and fills its list (the new_row callback of ShowRows, and row 0 itself).
#pragma once

#include <functional>
#include <vector>
#include <vector>

#include <QCheckBox>
#include <QString>

#include "app/entry/entry_kit.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QWidget;

namespace pitchlog::entry {

// Taker and Scored are the kick rows' columns.
enum class GoalColumn { OG, Player, Pen, Mins, Taker, Scored };

struct GoalRowLayout {
  std::vector<GoalColumn> columns;  // left to right
  int minute_limit;                 // minutes below this are accepted (91: normal time only)
  const char* caption = "Goals";
  int row_pitch = 24;               // a row and the gap below it
};

class GoalRowPanel {
 public:
  // Pixels, the measures at design.
  static constexpr int kFrameWidth = 297;
  static constexpr int kRow0Top = 32;
  static constexpr int kHeadingTop = 16;
  static constexpr int kRowHeight = 21;     // the minute box
  static constexpr int kRowPitch = kRowHeight + 3;
  static constexpr int kOneRowHeight = 65;  // the frame holding the headings and row 0

  GoalRowPanel(QWidget* parent, const QString& side, const GoalRowLayout& layout);

  QGroupBox* Frame() const { return frame_; }
  // Rows made so far (the highest index plus one).
  int Rows() const { return static_cast<int>(rows_.size()); }
  // OG and Mins are null in kick rows.
  QCheckBox* OG(int i) const { return rows_.at(i).og; }
  QComboBox* Player(int i) const { return rows_.at(i).player; }
  QCheckBox* Pen(int i) const { return rows_.at(i).pen; }
  DigitBox* Mins(int i) const { return rows_.at(i).mins; }
  bool IsOwnGoal(int i) const { return OG(i) && OG(i)->isChecked(); }

  // Frame height for n goals: the headings and n rows, or 0 when there is none.
  static int NeededHeight(int n) { return n > 0 ? (n - 1) * kRowPitch + kOneRowHeight : 0; }
  // The same at this panel's row pitch.
  int Height(int n) const { return n > 0 ? (n - 1) * layout_.row_pitch + kOneRowHeight : 0; }

  // Every row's controls, row by row, each left to right: the order Tab takes.
  std::vector<QWidget*> TabOrder() const;

  // Shows rows 0..n-1 and hides the rest. Missing rows are made (unticked, empty) and handed to
  // new_row one by one, before they are shown.
  void ShowRows(int n, const std::function<void(int)>& new_row);

 private:
  struct Row {
    QCheckBox* og = nullptr;
    QComboBox* player = nullptr;
    QCheckBox* pen = nullptr;
    DigitBox* mins = nullptr;
  };
  void MakeRow();
  // The row's controls in the design's column order (OG, player, pen, minute), those it has.
  std::vector<QWidget*> Widgets(int i) const;

  QString side_;
  GoalRowLayout layout_;
  QGroupBox* frame_;
  std::vector<Row> rows_;
};

}  // namespace pitchlog::entry

// What the sweeps windows share: places given in twips, the lists' sort keys and "[New]" row,
// the engine's lists as Qt strings, and the manager window's mark of unsaved sweep changes.
#pragma once

#include <string>
#include <vector>

#include <QRect>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QWidget;
class QTreeWidget;
class QTreeWidgetItem;

#include "platform/component/variant.h"

namespace kelvane {
class IPitchlog;
}

namespace pitchlog::sweeps {

inline constexpr const char* kNewRow = "[New]";
// Sorts the "[New]" row after every other row of an ascending list.
inline constexpr const char* kNewRowKey = "ZZZZZZZZZZZZ";

// A rectangle given in twips, in pixels.
QRect TwipsRect(int left, int top, int width, int height);

// The text right-aligned in twelve characters: its last twelve after twelve blanks.
QString RightAligned(const QString& text);
// The sort key of the "[New]" row: last in both orders.
QString NewRowKey(Qt::SortOrder order);

// A column's width in twips; a width of 0 hides it. Report lists fit shown columns to their
// contents from this width up.
void SetColumnTwips(QTreeWidget* list, int column, int twips);
int ColumnTwips(const QTreeWidget* list, int column);

// The texts of an engine list by the list rule: a first empty element means no entry.
QStringList Names(const kelvane::Variant& list);

// Names compared as the user's language orders them, letter case and accents ignored.
int CompareNames(const QString& a, const QString& b);

// Inserts the text among a combo box's entries in the order of CompareNames, without raising a
// change; its index.
int InsertSorted(QComboBox* combo, const QString& text);

// A row of a ranked list (the sweeps window's team, player and number lists). It sorts by its
// list's sort column: sort keys compare as text, names (column 1) as CompareNames does, and
// rows of equal keys by their names.
QTreeWidgetItem* AddRankedRow(QTreeWidget* list, const QStringList& cells);
// Every cell of the list aligned as its column's caption is.
void AlignCells(QTreeWidget* list);

// A row's text of that column, and its cell's text written as std::string.
std::string Cell(const QTreeWidgetItem* row, int column);

// The choices of a sweep that a member holds, in the sweep's order (SweepMembers).
struct HeldChoice {
  std::string member;  // the member's key
  QString value;
  kelvane::Variant bid;
};
std::vector<HeldChoice> HeldChoices(kelvane::IPitchlog& engine, const std::string& sweep);
bool HoldsChoice(kelvane::IPitchlog& engine, const std::string& sweep, const QString& value);

// The format of the option the sweep was made from: "teamlist", "playerlist", "number" or other.
std::string SweepFormat(kelvane::IPitchlog& engine, const std::string& sweep);

// Whether the manager window holds sweep changes that are not yet saved.
bool SweepChangesPending();
// The note of a money window that its figures count such changes, hidden at first.
QLabel* PendingNote(QWidget* parent, const char* name, const char* text);

}  // namespace pitchlog::sweeps

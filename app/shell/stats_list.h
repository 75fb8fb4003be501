// The statistics list: a report list of 23 fixed columns whose texts, widths, alignments and
// display positions the Stats view sets from the chosen table layout. Columns are named by their
// header index from 1: header 1 holds the row's slot, header 2 its sort key, then come the label
// columns and the data columns of the table's type, then spare columns. Widths are in twips, as
// the stats files and the layouts keep them.
#pragma once

#include <QString>
#include <Qt>

class QTreeWidget;
class QTreeWidgetItem;

namespace pitchlog::stats_list {

inline constexpr int kHeaders = 23;
inline constexpr int kItemHeader = 1;
inline constexpr int kKeyHeader = 2;
// The sort column of a freshly filled list that is not sorted yet.
inline constexpr int kUnsorted = 1000;
// Numbers are right-aligned in this many characters, so that their keys sort as numbers.
inline constexpr int kNumberKeyWidth = 12;

// A column number names a label or data column: c >= 0 is data column c, c < 0 label column
// -(c + 1). `labels` is the number of label columns.
constexpr int HeaderOf(int column, int labels) { return column >= 0 ? labels + 3 + column : 2 - column; }
constexpr int ColumnOf(int header, int labels) { return header > labels + 2 ? header - labels - 3 : 2 - header; }

// 23 empty columns of width 0, ascending order, headers clickable and movable.
void SetUp(QTreeWidget* list);

QString HeaderText(const QTreeWidget* list, int header);
void SetHeaderText(QTreeWidget* list, int header, const QString& text);
int ColumnWidth(const QTreeWidget* list, int header);  // twips
void SetColumnWidth(QTreeWidget* list, int header, double twips);
// The width a column needs for its caption, with room for the sort mark, and for its cells. The
// stored widths were measured for a narrower type than most desktops have, so a column shows at
// the larger of its stored width and this.
int NeededWidth(const QTreeWidget* list, int header);  // twips
// "left", "right" or "centre", or the number of a captured layout (0, 1, 2); any other text
// leaves the alignment as it is.
void SetAlignment(QTreeWidget* list, int header, const QString& align);
// 0 left, 1 right, 2 centre.
int AlignmentNumber(const QTreeWidget* list, int header);
// The alignment number that an align text of the stats files stands for ("left", "right",
// "centre", or the number that a captured layout stores); -1 for any other text.
int AlignmentNumber(const QString& align);
// Display positions count from 1.
int Position(const QTreeWidget* list, int header);
int HeaderAt(const QTreeWidget* list, int position);
void Move(QTreeWidget* list, int header, int position);
// Only label and data columns may be widened by the user; the item, key and spare columns stay
// at width 0.
void SetResizable(QTreeWidget* list, int first_spare_header);
// Every cell takes the alignment of its column.
void AlignCells(QTreeWidget* list);

// A row of the list with its slot or index as item text; the total row (slot 0) is bold.
QTreeWidgetItem* AddRow(QTreeWidget* list, int slot);
bool IsTotalRow(const QTreeWidgetItem* row);
// The sort key of a cell: lower case, and for a data column right-aligned in 12 characters.
QString SortKey(const QString& cell, bool data_column);
void SetKey(QTreeWidgetItem* row, const QString& key, bool data_column);

Qt::SortOrder Order(const QTreeWidget* list);
void SetOrder(QTreeWidget* list, Qt::SortOrder order);
// Sorts the rows on their keys in the list's order.
void Sort(QTreeWidget* list);

// value / games with three decimals in the user's number format.
QString AverageText(int value, int games);

}  // namespace pitchlog::stats_list

// The lists of the views are report-style list views: fixed columns with widths in twips, rows
// that the user cannot edit and that keep the order they were added in.
#pragma once

#include <span>

#include <QColor>
#include <QStringList>

class QTreeWidget;
class QTreeWidgetItem;

namespace pitchlog {

inline constexpr int kTwipsPerPixel = 15;
constexpr int Pixels(int twips) { return twips / kTwipsPerPixel; }

struct ListColumn {
  const char* header;
  int width;  // twips; 0 hides the column
  Qt::Alignment align;
};

void SetUpReportList(QTreeWidget* list, std::span<const ListColumn> columns);
// A row of texts, one per column from the first; each cell takes its column's alignment.
QTreeWidgetItem* AddRow(QTreeWidget* list, const QStringList& cells);
// The same for a row already in its list.
void SetCells(QTreeWidgetItem* row, const QStringList& cells);
// Each shown column at its given width, or wider where its caption or a cell needs more room:
// the given widths were measured for a narrower font than most desktops use.
void FitColumns(QTreeWidget* list);
// The same for a list that narrows with its window: where the list is too narrow for that, the
// columns give up what they were given beyond their needs before it scrolls sideways, and take
// it back as the list widens.
void FitColumnsToWidth(QTreeWidget* list);
// The width a column's caption and cells need.
int ColumnNeeds(const QTreeWidget* list, int column);
// The columns other than `column` as wide as their captions and cells need, and `column` the
// rest of the list's width, at least its given width: it holds the long texts.
void GiveRestTo(QTreeWidget* list, int column);
// A list just as high as its header, `rows` rows and a horizontal scroll bar.
void FitHeight(QTreeWidget* list, int rows);
// The fore colour of the row and of every one of its cells.
void ColourRow(QTreeWidgetItem* row, const QColor& colour);

}  // namespace pitchlog

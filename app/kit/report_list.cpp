#include "app/kit/report_list.h"

#include <QEvent>
#include <QHeaderView>
#include <QList>
#include <QScrollBar>
#include <QTreeWidget>

namespace pitchlog {
namespace {

// Room beside a column caption for the header's own padding.
constexpr int kCaptionMargin = 10;

}  // namespace

void SetUpReportList(QTreeWidget* list, std::span<const ListColumn> columns) {
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setSortingEnabled(false);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setAllColumnsShowFocus(true);
  list->setColumnCount(static_cast<int>(columns.size()));
  list->header()->setStretchLastSection(false);
  list->header()->setSectionsMovable(false);
  auto* header = new QTreeWidgetItem;
  for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
    header->setText(c, QString::fromLatin1(columns[c].header));
    header->setTextAlignment(c, columns[c].align | Qt::AlignVCenter);
    header->setData(c, Qt::UserRole, Pixels(columns[c].width));
  }
  list->setHeaderItem(header);
  for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
    list->setColumnWidth(c, Pixels(columns[c].width));
    list->setColumnHidden(c, columns[c].width == 0);
  }
}

QTreeWidgetItem* AddRow(QTreeWidget* list, const QStringList& cells) {
  auto* row = new QTreeWidgetItem(list);
  SetCells(row, cells);
  return row;
}

void SetCells(QTreeWidgetItem* row, const QStringList& cells) {
  const QTreeWidgetItem* header = row->treeWidget()->headerItem();
  for (int c = 0; c < cells.size(); ++c) {
    row->setText(c, cells[c]);
    row->setTextAlignment(c, Qt::Alignment(header->textAlignment(c)));
  }
}

int ColumnNeeds(const QTreeWidget* list, int column) {
  const int caption = list->header()->fontMetrics().horizontalAdvance(list->headerItem()->text(column)) + kCaptionMargin;
  return qMax(caption, static_cast<const QAbstractItemView*>(list)->sizeHintForColumn(column));
}

namespace {

int GivenWidth(const QTreeWidget* list, int column) { return list->headerItem()->data(column, Qt::UserRole).toInt(); }

// What a column's caption and cells needed at the last fit.
constexpr int kNeedsRole = Qt::UserRole + 1;

// No less than the header lets a section be.
int MeasuredNeeds(const QTreeWidget* list, int column) {
  return qMax(list->headerItem()->data(column, kNeedsRole).toInt(), list->header()->minimumSectionSize());
}

// The room inside the list's frame, less the scroll bar that rows too many for it bring.
int RoomForColumns(const QTreeWidget* list) {
  int room = list->maximumViewportSize().width();
  const int rows_height = list->header()->sizeHint().height() +
                          list->topLevelItemCount() * qMax(static_cast<const QAbstractItemView*>(list)->sizeHintForRow(0), 0);
  if (rows_height > list->maximumViewportSize().height()) room -= list->verticalScrollBar()->sizeHint().width();
  return room;
}

// Each column at its given width or what it needs, whichever is more; where that is more than
// the room, the columns given more than they need give up their spare room, each in proportion
// to it, before the list scrolls sideways.
void SpreadColumns(QTreeWidget* list) {
  QList<int> widths(list->columnCount(), 0);
  int total = 0;
  int spare = 0;
  for (int c = 0; c < list->columnCount(); ++c) {
    if (list->isColumnHidden(c)) continue;
    widths[c] = qMax(GivenWidth(list, c), MeasuredNeeds(list, c));
    total += widths[c];
    spare += widths[c] - MeasuredNeeds(list, c);
  }
  const int over = qMin(total - RoomForColumns(list), spare);
  for (int c = 0, given_up = 0, spare_seen = 0; c < list->columnCount() && over > 0; ++c) {
    if (list->isColumnHidden(c)) continue;
    // Rounded as it runs, so the columns give up `over` in all.
    spare_seen += widths[c] - MeasuredNeeds(list, c);
    const int by_now = static_cast<int>(static_cast<qint64>(over) * spare_seen / spare);
    widths[c] -= by_now - given_up;
    given_up = by_now;
  }
  for (int c = 0; c < list->columnCount(); ++c)
    if (!list->isColumnHidden(c)) list->setColumnWidth(c, widths[c]);
}

constexpr char kSpreadProperty[] = "pitchlogColumnsSpread";

// Spreads a fitted list's columns again whenever the list changes size.
class ColumnSpreader : public QObject {
 public:
  explicit ColumnSpreader(QTreeWidget* list) : QObject(list) { list->installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Resize) SpreadColumns(static_cast<QTreeWidget*>(watched));
    return false;
  }
};

}  // namespace

void FitColumns(QTreeWidget* list) {
  for (int c = 0; c < list->columnCount(); ++c)
    if (!list->isColumnHidden(c)) list->setColumnWidth(c, qMax(GivenWidth(list, c), ColumnNeeds(list, c)));
}

void FitColumnsToWidth(QTreeWidget* list) {
  for (int c = 0; c < list->columnCount(); ++c)
    if (!list->isColumnHidden(c)) list->headerItem()->setData(c, kNeedsRole, ColumnNeeds(list, c));
  SpreadColumns(list);
  if (!list->property(kSpreadProperty).toBool()) {
    list->setProperty(kSpreadProperty, true);
    new ColumnSpreader(list);
  }
}

void GiveRestTo(QTreeWidget* list, int column) {
  int others = 0;
  for (int c = 0; c < list->columnCount(); ++c) {
    if (c == column || list->isColumnHidden(c)) continue;
    list->setColumnWidth(c, ColumnNeeds(list, c));
    others += list->columnWidth(c);
  }
  list->setColumnWidth(column, qMax(GivenWidth(list, column), RoomForColumns(list) - others));
}

void FitHeight(QTreeWidget* list, int rows) {
  const int measured = list->topLevelItemCount() > 0 ? static_cast<const QAbstractItemView*>(list)->sizeHintForRow(0) : 0;
  const int row = measured > 0 ? measured : qMax(list->fontMetrics().height() + 4, list->iconSize().height() + 2);
  list->setFixedHeight(list->header()->sizeHint().height() + rows * row + 2 * list->frameWidth() +
                       list->horizontalScrollBar()->sizeHint().height());
}

void ColourRow(QTreeWidgetItem* row, const QColor& colour) {
  for (int c = 0; c < row->columnCount(); ++c) row->setForeground(c, colour);
}

}  // namespace pitchlog

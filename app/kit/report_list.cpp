#include "app/kit/report_list.h"

#include <QHeaderView>
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

void FitColumns(QTreeWidget* list) {
  const QTreeWidgetItem* header = list->headerItem();
  for (int c = 0; c < list->columnCount(); ++c) {
    if (list->isColumnHidden(c)) continue;
    const int given = header->data(c, Qt::UserRole).toInt();
    const int caption = list->header()->fontMetrics().horizontalAdvance(header->text(c)) + kCaptionMargin;
    const int cells = static_cast<const QAbstractItemView*>(list)->sizeHintForColumn(c);
    list->setColumnWidth(c, qMax(given, qMax(caption, cells)));
  }
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

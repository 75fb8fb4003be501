#include "app/shell/stats_list.h"

#include <algorithm>
#include <cmath>

#include <QHeaderView>
#include <QLocale>
#include <QTreeWidget>

#include "app/kit/report_list.h"

namespace pitchlog::stats_list {
namespace {

constexpr const char* kSortOrderProperty = "sortOrder";
constexpr int kDataKeyRole = Qt::UserRole;  // on the key column: the key is a right-aligned number
// Room beside a column caption for the header's own padding.
constexpr int kCaptionMargin = 10;

constexpr int Logical(int header) { return header - 1; }

constexpr Qt::Alignment kAlignments[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
constexpr const char* kAlignWords[] = {"left", "right", "centre"};

// Keys of numbers compare as plain characters; names in the user's alphabet, whose order is
// not plain for accented letters. The total row's key is "zz" ascending and empty descending,
// so that it sorts last; on a tie it still goes last.
class StatsRow : public QTreeWidgetItem {
 public:
  using QTreeWidgetItem::QTreeWidgetItem;
  bool operator<(const QTreeWidgetItem& other) const override {
    const QString mine = text(Logical(kKeyHeader));
    const QString theirs = other.text(Logical(kKeyHeader));
    const bool numbers = data(Logical(kKeyHeader), kDataKeyRole).toBool() &&
                         other.data(Logical(kKeyHeader), kDataKeyRole).toBool();
    const int order = numbers ? mine.compare(theirs) : mine.localeAwareCompare(theirs);
    if (order != 0) return order < 0;
    if (IsTotalRow(this)) return mine.isEmpty();
    if (IsTotalRow(&other)) return !theirs.isEmpty();
    return false;
  }
};

}  // namespace

void SetUp(QTreeWidget* list) {
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setSortingEnabled(false);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setAllColumnsShowFocus(true);
  list->setColumnCount(kHeaders);
  QHeaderView* header = list->header();
  header->setStretchLastSection(false);
  header->setSectionsMovable(true);
  header->setSectionsClickable(true);
  header->setMinimumSectionSize(0);
  for (int h = 1; h <= kHeaders; ++h) SetColumnWidth(list, h, 0);
  SetResizable(list, kKeyHeader + 1);
  SetOrder(list, Qt::AscendingOrder);
}

QString HeaderText(const QTreeWidget* list, int header) { return list->headerItem()->text(Logical(header)); }

void SetHeaderText(QTreeWidget* list, int header, const QString& text) {
  list->headerItem()->setText(Logical(header), text);
}

int ColumnWidth(const QTreeWidget* list, int header) {
  return list->header()->sectionSize(Logical(header)) * kTwipsPerPixel;
}

void SetColumnWidth(QTreeWidget* list, int header, double twips) {
  const int pixels = twips > 0 ? static_cast<int>(std::lround(twips / kTwipsPerPixel)) : 0;
  list->header()->resizeSection(Logical(header), pixels);
}

int NeededWidth(const QTreeWidget* list, int header) {
  QString caption = HeaderText(list, header);
  if (!caption.startsWith(QLatin1String("* "))) caption.prepend(QLatin1String("* "));
  const int caption_pixels = list->header()->fontMetrics().horizontalAdvance(caption) + kCaptionMargin;
  const int cell_pixels = static_cast<const QAbstractItemView*>(list)->sizeHintForColumn(Logical(header));
  return std::max(caption_pixels, cell_pixels) * kTwipsPerPixel;
}

void SetAlignment(QTreeWidget* list, int header, const QString& align) {
  const int n = AlignmentNumber(align);
  if (n >= 0) list->headerItem()->setTextAlignment(Logical(header), kAlignments[n] | Qt::AlignVCenter);
}

int AlignmentNumber(const QTreeWidget* list, int header) {
  const auto align = Qt::Alignment(list->headerItem()->textAlignment(Logical(header)));
  if (align & Qt::AlignRight) return 1;
  if (align & Qt::AlignHCenter) return 2;
  return 0;
}

int AlignmentNumber(const QString& align) {
  for (int n = 0; n < 3; ++n)
    if (align == QLatin1String(kAlignWords[n]) || align == QString::number(n)) return n;
  return -1;
}

int Position(const QTreeWidget* list, int header) { return list->header()->visualIndex(Logical(header)) + 1; }

int HeaderAt(const QTreeWidget* list, int position) { return list->header()->logicalIndex(position - 1) + 1; }

void Move(QTreeWidget* list, int header, int position) {
  QHeaderView* view = list->header();
  view->moveSection(view->visualIndex(Logical(header)), position - 1);
}

void SetResizable(QTreeWidget* list, int first_spare_header) {
  QHeaderView* view = list->header();
  for (int h = 1; h <= kHeaders; ++h) {
    const bool shown = h > kKeyHeader && h < first_spare_header;
    view->setSectionResizeMode(Logical(h), shown ? QHeaderView::Interactive : QHeaderView::Fixed);
  }
}

void AlignCells(QTreeWidget* list) {
  const QTreeWidgetItem* header = list->headerItem();
  for (int r = 0; r < list->topLevelItemCount(); ++r) {
    QTreeWidgetItem* row = list->topLevelItem(r);
    for (int c = 0; c < kHeaders; ++c) row->setTextAlignment(c, Qt::Alignment(header->textAlignment(c)));
  }
}

QTreeWidgetItem* AddRow(QTreeWidget* list, int slot) {
  auto* row = new StatsRow(list, QStringList{QString::number(slot)});
  if (slot == 0) {
    QFont bold = row->font(0);
    bold.setBold(true);
    for (int c = 0; c < kHeaders; ++c) row->setFont(c, bold);
  }
  return row;
}

bool IsTotalRow(const QTreeWidgetItem* row) { return row->text(Logical(kItemHeader)) == QLatin1String("0"); }

QString SortKey(const QString& cell, bool data_column) {
  const QString key = data_column ? (QString(kNumberKeyWidth, QLatin1Char(' ')) + cell).right(kNumberKeyWidth) : cell;
  return key.toLower();
}

void SetKey(QTreeWidgetItem* row, const QString& key, bool data_column) {
  row->setText(Logical(kKeyHeader), key);
  row->setData(Logical(kKeyHeader), kDataKeyRole, data_column);
}

Qt::SortOrder Order(const QTreeWidget* list) {
  return static_cast<Qt::SortOrder>(list->property(kSortOrderProperty).toInt());
}

void SetOrder(QTreeWidget* list, Qt::SortOrder order) {
  list->setProperty(kSortOrderProperty, static_cast<int>(order));
}

void Sort(QTreeWidget* list) { list->sortItems(Logical(kKeyHeader), Order(list)); }

QString AverageText(int value, int games) {
  return QLocale().toString(static_cast<double>(value) / games, 'f', 3);
}

}  // namespace pitchlog::stats_list

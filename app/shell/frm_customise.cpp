#include "app/shell/frm_customise.h"

#include <algorithm>

#include <QCloseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/kit/report_list.h"
#include "app/shell/frm_main.h"
#include "app/shell/stats_list.h"
#include "app/shell/stats_view.h"

namespace pitchlog {
namespace {

using namespace stats_list;

constexpr int kTagRole = Qt::UserRole;
// The row's check state and heading as last handled.
constexpr int kShownRole = Qt::UserRole + 1;
constexpr int kHeadingRole = Qt::UserRole + 2;
// The column's own position in the statistics list; the row shows its number among the rows.
constexpr int kPositionRole = Qt::UserRole + 3;

constexpr int kHeadingColumn = 0;
constexpr int kDescriptionColumn = 1;
constexpr int kPositionColumn = 2;

constexpr ListColumn kColumns[] = {
    {"Heading", 1200, Qt::AlignLeft},
    {"Description", 3750, Qt::AlignLeft},
    {"Position (Sort)", 1425, Qt::AlignLeft},
};

const QString kSortMark = QStringLiteral("* ");

// Only the heading can be edited in place.
class HeadingOnly : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    return index.column() == kHeadingColumn ? QStyledItemDelegate::createEditor(parent, option, index) : nullptr;
  }
};

int ListColumns(const kelvane::Variant& list) { return list.IsArray() ? list.AsArray().UBound(2) + 1 : 0; }

QString Unmarked(QString heading) {
  while (heading.startsWith(kSortMark)) heading.remove(0, kSortMark.size());
  return heading;
}

// A width cell in twips; an empty or unreadable one is no width.
double Twips(const kelvane::Variant& cell) { return cell.IsNumeric() ? cell.ToDouble() : 0.0; }

// Column list entry of header t: label columns first, then data columns.
const kelvane::Variant& ListCell(const frmMain& main, int row, int t) {
  const int labels = ListColumns(main.varLabels);
  return t <= labels + 2 ? main.varLabels.AsArray().at(row, t - 3) : main.varColumns.AsArray().at(row, t - 3 - labels);
}

QTreeWidget& StatsList() { return *frmMain::Get().statsView->lvwStats; }

}  // namespace

frmCustomise::frmCustomise() {
  setObjectName(QStringLiteral("frmCustomise"));
  setWindowTitle(QStringLiteral("Customise Stats"));
  setFixedSize(Pixels(6615), Pixels(6000));

  lvwColumns = Named(new QTreeWidget(this), "lvwColumns");
  SetUpReportList(lvwColumns, kColumns);
  lvwColumns->setGeometry(0, 0, Pixels(6615), Pixels(5415));
  lvwColumns->setItemDelegate(new HeadingOnly(lvwColumns));
  lvwColumns->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                              QAbstractItemView::EditKeyPressed);
  lvwColumns->setSelectionMode(QAbstractItemView::SingleSelection);

  // OK is the default button and, through reject(), the cancel button too.
  cmkOK = Named(new QPushButton(QStringLiteral("OK"), this), "cmkOK");
  cmkOK->setGeometry(Pixels(5760), Pixels(5520), Pixels(735), Pixels(375));
  cmkOK->setDefault(true);
  setTabOrder(lvwColumns, cmkOK);

  connect(cmkOK, &QPushButton::clicked, this, Handler(this, &frmCustomise::cmkOK_Click));
  connect(lvwColumns, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* row, int column) {
    if (column == kHeadingColumn) RunHandler([&] { lvwColumns_ItemChanged(row); });
  });
}

int frmCustomise::Tag(const QTreeWidgetItem* row) { return row->data(kHeadingColumn, kTagRole).toInt(); }

// The list is captured before the positions are read: the capture moves hidden columns to the
// end, and each row then shows the position its column keeps, which the check handler relies on.
void frmCustomise::Form_Load() {
  frmMain& main = frmMain::Get();
  const QTreeWidget& stats = StatsList();
  main.SaveTable();
  const int last = std::min(ListColumns(main.varLabels) + ListColumns(main.varColumns) + 2, kHeaders);

  const QSignalBlocker quiet(lvwColumns);
  lvwColumns->clear();
  for (int i = kKeyHeader + 1; i <= last; ++i) {
    auto* row = new QTreeWidgetItem(lvwColumns);
    row->setFlags(row->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsEditable);
    row->setText(kHeadingColumn, Unmarked(HeaderText(&stats, i)));
    row->setCheckState(kHeadingColumn, ColumnWidth(&stats, i) > 0 ? Qt::Checked : Qt::Unchecked);
    row->setText(kPositionColumn, QStringLiteral("000%1").arg(Position(&stats, i)).right(3));
    row->setData(kPositionColumn, kPositionRole, Position(&stats, i));
    row->setData(kHeadingColumn, kTagRole, i);
    const QString description = ToQ(ListCell(main, 1, i).ToString());
    row->setText(kDescriptionColumn, description);
    row->setToolTip(kDescriptionColumn, description);  // the long ones don't fit
    Remember(row);
  }
  lvwColumns->sortItems(kPositionColumn, Qt::AscendingOrder);
  // The rows are numbered as the user sees them: the list's hidden key column, which sits among
  // them, leaves no gap. Each row keeps its column's own position for the check handler.
  for (int r = 0; r < lvwColumns->topLevelItemCount(); ++r)
    lvwColumns->topLevelItem(r)->setText(kPositionColumn, QStringLiteral("%1").arg(r + 1, 3, 10, QLatin1Char('0')));
  // The descriptions are the long texts: the room the headings and positions leave is theirs.
  GiveRestTo(lvwColumns, kDescriptionColumn);
}

void frmCustomise::Remember(QTreeWidgetItem* row) {
  const QSignalBlocker quiet(lvwColumns);
  row->setData(kHeadingColumn, kShownRole, row->checkState(kHeadingColumn) == Qt::Checked);
  row->setData(kHeadingColumn, kHeadingRole, row->text(kHeadingColumn));
}

// The list reports a check change and a finished edit alike.
void frmCustomise::lvwColumns_ItemChanged(QTreeWidgetItem* row) {
  const bool shown = row->checkState(kHeadingColumn) == Qt::Checked;
  if (shown != row->data(kHeadingColumn, kShownRole).toBool()) lvwColumns_ItemCheck(row);
  const QString heading = row->text(kHeadingColumn);
  if (heading != row->data(kHeadingColumn, kHeadingRole).toString()) lvwColumns_AfterLabelEdit(row, heading);
  Remember(row);
}

// The sort column keeps its mark. A heading left empty would not be stored, so the row takes back
// its heading; a mark typed in front is the view's, not part of the heading.
void frmCustomise::lvwColumns_AfterLabelEdit(QTreeWidgetItem* row, const QString& NewString) {
  const QString heading = Unmarked(NewString);
  if (heading.trimmed().isEmpty()) {
    const QSignalBlocker quiet(lvwColumns);
    row->setText(kHeadingColumn, row->data(kHeadingColumn, kHeadingRole).toString());
    return;
  }
  QTreeWidget& stats = StatsList();
  const int t = Tag(row);
  const bool marked = HeaderText(&stats, t).startsWith(kSortMark);
  SetHeaderText(&stats, t, marked ? kSortMark + heading : heading);
  if (heading != NewString) {
    const QSignalBlocker quiet(lvwColumns);
    row->setText(kHeadingColumn, heading);
  }
}

// A column shown again takes the width captured for its position, or the default width of the
// column lists past the captured ones; either way at least the width its caption and cells need,
// as the view shows it.
void frmCustomise::lvwColumns_ItemCheck(QTreeWidgetItem* row) {
  frmMain& main = frmMain::Get();
  QTreeWidget& stats = StatsList();
  const int t = Tag(row);
  if (row->checkState(kHeadingColumn) == Qt::Checked) {
    const int p = row->data(kPositionColumn, kPositionRole).toInt() - 2;
    const bool captured = main.varTable.IsArray() && p >= 0 && p <= main.varTable.AsArray().UBound(2);
    const double twips = captured ? Twips(main.varTable.AsArray().at(2, p)) : Twips(ListCell(main, 2, t));
    SetColumnWidth(&stats, t, std::max<double>(twips, NeededWidth(&stats, t)));
    return;
  }
  bool other_shown = false;
  for (int h = 1; h <= kHeaders; ++h) other_shown = other_shown || (h != t && ColumnWidth(&stats, h) > 0);
  if (other_shown) {
    SetColumnWidth(&stats, t, 0);
    return;
  }
  MsgBox(QStringLiteral("Cannot have stats table without any columns"), msgbox::Critical);
  const QSignalBlocker quiet(lvwColumns);
  row->setCheckState(kHeadingColumn, Qt::Checked);
}

void frmCustomise::cmkOK_Click() {
  Form_Unload();
  Unload();
}

// However the dialog closes, the main window's layout follows the list.
void frmCustomise::Form_Unload() {
  RunHandler([] { frmMain::Get().SaveTable(); });
}

void frmCustomise::reject() {
  Form_Unload();
  Unload();
}

void frmCustomise::closeEvent(QCloseEvent* event) {
  event->accept();
  Form_Unload();
  Unload();
}

}  // namespace pitchlog

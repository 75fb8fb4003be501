#include "app/sweeps/sweeps_kit.h"

#include <QCollator>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "app/kit/named_widget.h"
#include "app/kit/program.h"
#include "app/kit/report_list.h"
#include "app/sweeps/frm_sweeps.h"
#include "engine/pitchlog_interface.h"

namespace pitchlog::sweeps {

QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

QString RightAligned(const QString& text) { return (QString(12, QLatin1Char(' ')) + text).right(12); }

QString NewRowKey(Qt::SortOrder order) {
  return order == Qt::AscendingOrder ? QString::fromLatin1(kNewRowKey) : QString();
}

void SetColumnTwips(QTreeWidget* list, int column, int twips) {
  list->headerItem()->setData(column, Qt::UserRole, Pixels(twips));
  list->setColumnWidth(column, Pixels(twips));
  list->setColumnHidden(column, twips == 0);
}

int ColumnTwips(const QTreeWidget* list, int column) {
  return list->isColumnHidden(column) ? 0 : list->columnWidth(column) * kTwipsPerPixel;
}

QStringList Names(const kelvane::Variant& list) {
  QStringList names;
  if (!list.IsArray()) return names;
  const kelvane::Array& array = list.AsArray();
  if (array.size() == 0 || array.at(array.LBound()).ToString().empty()) return names;
  for (int32_t i = array.LBound(); i <= array.UBound(); ++i) names << ToQ(array.at(i).ToString());
  return names;
}

namespace {

// The name column of the three ranked lists: team, player and member.
constexpr int kNameColumn = 1;

class RankedRow : public QTreeWidgetItem {
 public:
  explicit RankedRow(QTreeWidget* list) : QTreeWidgetItem(list) {}

  bool operator<(const QTreeWidgetItem& other) const override {
    const int column = treeWidget()->sortColumn();
    if (column == kNameColumn) return CompareNames(text(column), other.text(column)) < 0;
    if (text(column) != other.text(column)) return text(column) < other.text(column);
    return CompareNames(text(kNameColumn), other.text(kNameColumn)) < 0;
  }
};

}  // namespace

int CompareNames(const QString& a, const QString& b) {
  QCollator collator;  // of the user's locale, which may change while the program runs
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  return collator.compare(a, b);
}

QTreeWidgetItem* AddRankedRow(QTreeWidget* list, const QStringList& cells) {
  auto* row = new RankedRow(list);
  SetCells(row, cells);
  return row;
}

void AlignCells(QTreeWidget* list) {
  const QTreeWidgetItem* header = list->headerItem();
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    QTreeWidgetItem* row = list->topLevelItem(i);
    for (int c = 0; c < list->columnCount(); ++c) row->setTextAlignment(c, Qt::Alignment(header->textAlignment(c)));
  }
}

int InsertSorted(QComboBox* combo, const QString& text) {
  int index = 0;
  while (index < combo->count() && CompareNames(combo->itemText(index), text) <= 0) ++index;
  const QSignalBlocker quiet(combo);
  const bool was_empty = combo->count() == 0;
  combo->insertItem(index, text);
  // The first entry of an empty box would otherwise become its choice.
  if (was_empty) combo->setCurrentIndex(-1);
  return index;
}

std::string Cell(const QTreeWidgetItem* row, int column) { return ToStd(row->text(column)); }

std::vector<HeldChoice> HeldChoices(kelvane::IPitchlog& engine, const std::string& sweep) {
  std::vector<HeldChoice> held;
  const kelvane::Variant choices = engine.SweepMembers(sweep);
  if (!choices.IsArray()) return held;
  const kelvane::Array& c = choices.AsArray();
  for (int32_t k = 0; k <= c.UBound(2); ++k) {
    std::string member = c.at(0, k).ToString();
    if (!member.empty()) held.push_back({std::move(member), ToQ(c.at(1, k).ToString()), c.at(2, k)});
  }
  return held;
}

bool HoldsChoice(kelvane::IPitchlog& engine, const std::string& sweep, const QString& value) {
  for (const HeldChoice& choice : HeldChoices(engine, sweep))
    if (choice.value == value) return true;
  return false;
}

std::string SweepFormat(kelvane::IPitchlog& engine, const std::string& sweep) {
  return engine.SweepOptions(engine.Sweeps(sweep, "sweepoption").ToString(), "format").ToString();
}

bool SweepChangesPending() { return frmSweeps::IsLoaded() && frmSweeps::Get().cmdApply->isEnabled(); }

QLabel* PendingNote(QWidget* parent, const char* name, const char* text) {
  auto* note = Named(new QLabel(QLatin1String(text), parent), name);
  note->setWordWrap(true);
  note->setStyleSheet(QStringLiteral("color: #a00000;"));
  note->hide();
  return note;
}

}  // namespace pitchlog::sweeps

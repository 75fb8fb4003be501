// The Stats view's layout capture: the list's columns as the user left them, into varTable.
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include <QPushButton>
#include <QTreeWidget>

#include "app/kit/program.h"
#include "app/kit/report_list.h"
#include "app/shell/stats_cells.h"
#include "app/shell/stats_list.h"
#include "app/shell/stats_variables.h"
#include "app/shell/stats_view.h"
#include "engine/pitchlog_interface.h"

namespace pitchlog {
namespace {

using namespace stats_cells;
using namespace stats_list;

// One column of a layout as the list shows it.
struct ShownColumn {
  QString heading;
  int width;  // pixels: what the user sees and changes
  int align;
  int column;
  bool operator==(const ShownColumn&) const = default;
};

int PixelsOf(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

// What the layout's column p showed: its own heading, width and alignment, or those of the
// column lists where it names none. Empty when p names no column of the lists.
std::optional<ShownColumn> StoredColumn(const kelvane::Array& layout, int32_t p, const kelvane::Variant& columns,
                                        const kelvane::Variant& labels) {
  const kelvane::Variant& number = layout.at(4, p);
  if (Blank(number) || !number.IsNumeric()) return std::nullopt;
  const int column = number.ToInt32();
  if (column < -ListColumns(labels) || column >= ListColumns(columns)) return std::nullopt;
  const kelvane::Array& list = column >= 0 ? columns.AsArray() : labels.AsArray();
  const int32_t entry = column >= 0 ? column : -1 - column;
  const auto cell = [&](int row) -> const kelvane::Variant& {
    return Blank(layout.at(row, p)) ? list.at(row, entry) : layout.at(row, p);
  };
  if (!Blank(cell(2)) && !cell(2).IsNumeric()) return std::nullopt;
  int align = AlignmentNumber(Text(layout.at(3, p)));
  if (align < 0) align = AlignmentNumber(Text(list.at(3, entry)));
  return ShownColumn{Text(cell(0)), Blank(cell(2)) ? 0 : PixelsOf(cell(2).ToDouble()), align, column};
}

bool HasColumn(const kelvane::Array& layout, int column) {
  for (int32_t k = 0; k <= layout.UBound(2); ++k)
    if (layout.at(4, k).IsNumeric() && layout.at(4, k).ToInt32() == column) return true;
  return false;
}

bool SameColumn(const std::optional<ShownColumn>& stored, ShownColumn shown) {
  if (!stored) return false;
  // An alignment text the list does not know left the alignment as it was.
  if (stored->align < 0) shown.align = -1;
  return *stored == shown;
}

}  // namespace

// Captures the list's layout into varTable, rows 0 to 4 of each shown column in display order:
// heading without the sort mark, (no description), width in twips, alignment number, column
// number. Hidden columns go to the end of the list. A list with no column shown (its layout was
// refused) has nothing to capture, and the layout stays as it was.
void StatsView::SaveTable() {
  if (vars_.varTable.IsEmpty()) return;
  QTreeWidget* list = lvwStats;
  const int labels = ListColumns(vars_.varLabels);
  bool any_shown = false;
  for (int h = kKeyHeader + 1; h <= kHeaders; ++h) any_shown = any_shown || ColumnWidth(list, h) > 0;
  if (!any_shown) return;
  Move(list, kItemHeader, 1);
  // With every hidden column at the end, the shown ones stand side by side from position 2, and
  // layout column p is the one at position p + 2: the capture has no gaps.
  for (int h = kKeyHeader; h <= kHeaders; ++h)
    if (ColumnWidth(list, h) <= 0) Move(list, h, kHeaders);

  const kelvane::Array& stored = vars_.varTable.AsArray();
  kelvane::Array captured(0, 4, 0, stored.UBound(2));
  bool changed = false;
  int32_t last = 0;
  for (int position = kKeyHeader; position <= kHeaders; ++position) {
    const int header = HeaderAt(list, position);
    if (header <= kKeyHeader || ColumnWidth(list, header) <= 0) continue;
    const int32_t p = position - 2;
    QString heading = HeaderText(list, header);
    if (heading.startsWith(QLatin1String("* "))) heading.remove(0, 2);
    const ShownColumn shown{heading, PixelsOf(ColumnWidth(list, header)), AlignmentNumber(list, header),
                            ColumnOf(header, labels)};
    if (p > captured.UBound(2)) {
      captured.RedimPreserve(p);
      changed = true;
    }
    if (!HasColumn(stored, shown.column)) {
      // A column the layout did not show has been widened.
      changed = true;
      vars_.blnSaveStats = true;
    } else if (!changed) {
      // The stored column as it was shown: at least as wide as it needs.
      std::optional<ShownColumn> before = StoredColumn(stored, p, vars_.varColumns, vars_.varLabels);
      if (before)
        before->width = std::max(before->width, PixelsOf(NeededWidth(list, HeaderOf(before->column, labels))));
      changed = !SameColumn(before, shown);
    }
    captured.Set(0, p, ToStd(heading));
    captured.Set(2, p, static_cast<float>(ColumnWidth(list, header)));
    captured.Set(3, p, static_cast<int16_t>(shown.align));
    captured.Set(4, p, static_cast<int16_t>(shown.column));
    last = std::max(last, p);
  }
  if (last < captured.UBound(2)) {
    captured.RedimPreserve(last);
    changed = true;
  }
  vars_.varTable = kelvane::Variant(std::move(captured));
  if (changed) cmdSave->setEnabled(true);
}

}  // namespace pitchlog

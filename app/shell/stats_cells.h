// Reading the engine's column lists and table layouts, as the Stats view's files share it.
#pragma once

#include <string>

#include <QString>
#include <QTreeWidget>

#include "app/kit/program.h"
#include "app/shell/stats_list.h"
#include "platform/component/variant.h"

namespace pitchlog::stats_cells {

inline bool Blank(const kelvane::Variant& cell) { return cell.ToString().empty(); }
inline QString Text(const kelvane::Variant& cell) { return ToQ(cell.ToString()); }

inline int ListColumns(const kelvane::Variant& list) { return list.IsArray() ? list.AsArray().UBound(2) + 1 : 0; }

// A column list that names its first column.
inline bool Usable(const kelvane::Variant& list) { return list.IsArray() && !Blank(list.AsArray().at(0, 0)); }

// A table's stored sequence, "asc" or "desc"; any other text leaves the order as it is.
inline void ApplySequence(QTreeWidget* list, const std::string& sequence) {
  if (sequence == "asc") stats_list::SetOrder(list, Qt::AscendingOrder);
  if (sequence == "desc") stats_list::SetOrder(list, Qt::DescendingOrder);
}

}  // namespace pitchlog::stats_cells

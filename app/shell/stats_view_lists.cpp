// The Stats view's list: filling it with the figures of the chosen table's type, laying out its
// columns from the table's layout, and sorting it.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>

#include "app/kit/program.h"
#include "app/kit/report_list.h"
#include "app/shell/stats_cells.h"
#include "app/shell/stats_list.h"
#include "app/shell/stats_variables.h"
#include "app/shell/stats_view.h"
#include "app/shell/view_colours.h"
#include "engine/pitchlog_interface.h"
#include "platform/component/error.h"

namespace pitchlog {
namespace {

using namespace stats_cells;
using namespace stats_list;

// How many label and data columns the engine's figures of each type can fill.
struct TypeColumns {
  const char* type;
  int labels;
  int data;
};
constexpr TypeColumns kTypeColumns[] = {
    {"teams", 3, 19},              // team id, name and group; one per team statistic
    {"groups", kHeaders - 2, 5},   // every label column shows the group
    {"players", kHeaders - 2, 5},  // label columns past the player's six facts are empty
};

// Group slot 0 is all games, 9 the knock-out games.
const char* const kGroupSlotLabels[] = {" ", "A", "B", "C", "D", "E", "F", "G", "H", "KO"};

bool IsStage(int stage) { return stage >= 0 && stage <= 2; }

int16_t CheckedColumn(int column, int labels, int data) {
  if (column < -labels || column >= data)
    throw kelvane::Error(kelvane::ErrorKind::SubscriptOutOfRange,
                         "column " + std::to_string(column) + " is not a column of this statistics table");
  return static_cast<int16_t>(column);
}

// Label column i, data column j: the cell of a row that shows it.
int LabelCell(int i) { return i + 2; }
int DataCell(int j, int labels) { return labels + 2 + j; }

void ColourTeamRow(QTreeWidgetItem* row, const std::string& team, const TeamColours& colours) {
  const QColor colour = TeamColour(team, colours, QColor());
  if (colour.isValid()) ColourRow(row, colour);
}

}  // namespace

// Hides and empties the list and sets its headers from the type's column lists; False when the
// lists name no column.
bool StatsView::BeginStatsList(const char* type) {
  QTreeWidget* list = lvwStats;
  list->hide();
  list->clear();
  if (!Usable(vars_.varColumns) || !Usable(vars_.varLabels)) return false;
  const int labels = ListColumns(vars_.varLabels);
  const int data = ListColumns(vars_.varColumns);
  const auto limits = std::find_if(std::begin(kTypeColumns), std::end(kTypeColumns),
                                   [&](const TypeColumns& t) { return qstrcmp(t.type, type) == 0; });
  if (labels > limits->labels || data > limits->data || labels + data > kHeaders - 2)
    throw kelvane::Error(kelvane::ErrorKind::SubscriptOutOfRange,
                         std::string("the stats columns of \"") + type + "\" are more than the list can show");

  SetColumnWidth(list, kItemHeader, 0);
  const auto set_header = [&](int header, const kelvane::Array& lists, int32_t entry) {
    SetHeaderText(list, header, Text(lists.at(0, entry)));
    SetColumnWidth(list, header, 0);
    SetAlignment(list, header, Text(lists.at(3, entry)));
  };
  for (int i = 0; i < labels; ++i) set_header(i + 3, vars_.varLabels.AsArray(), i);
  for (int j = 0; j < data; ++j) set_header(labels + 3 + j, vars_.varColumns.AsArray(), j);
  for (int h = labels + data + 3; h <= kHeaders; ++h) {
    SetHeaderText(list, h, QString());
    SetColumnWidth(list, h, 0);
  }
  SetResizable(list, labels + data + 3);
  return true;
}

void StatsView::EndStatsList(bool ChangeOrder) {
  SetStatsColumns(ToStd(cboStatsTables->currentText()), ChangeOrder);
  QTreeWidget* list = lvwStats;
  if (list->topLevelItemCount() == 0) {
    lblNoStats->show();
    return;
  }
  lblNoStats->hide();
  list->show();
}

// A stage without a slot (a hand-made table) lists nothing, so the view says there are no stats.
void StatsView::LoadStatsListTeams(bool ChangeOrder) {
  vars_.varColumns = varTeamsColumns;
  vars_.varLabels = varTeamsLabels;
  if (!BeginStatsList("teams")) return;
  const int labels = ListColumns(vars_.varLabels);
  const int data = ListColumns(vars_.varColumns);
  kelvane::Variant totals = objKelvane->TeamTotalsArray();
  kelvane::Array& figures = totals.AsArray();
  // The total row counts each game once, and each draw from both sides: its draws are its games
  // less its wins.
  for (int32_t s = 0; s <= 2; ++s)
    figures.Set(s, 0, 2, static_cast<int16_t>(figures.at(s, 0, 0).ToInt32() - figures.at(s, 0, 1).ToInt32()));

  if (IsStage(vars_.intStatsStage)) {
    QTreeWidget* list = lvwStats;
    const TeamColours colours = CurrentTeamColours(*objKelvane);
    const int32_t stage = vars_.intStatsStage;
    for (int32_t r = 0; r <= figures.UBound(2); ++r) {
      const int games = figures.at(stage, r, 0).ToInt32();
      if (games == 0) continue;
      QTreeWidgetItem* row = AddRow(list, r);
      const auto slot = static_cast<int16_t>(r);
      for (int i = 0; i < labels; ++i)
        row->setText(LabelCell(i), ToQ(objKelvane->StatsTeam(static_cast<int16_t>(i), slot)));
      for (int j = 0; j < data; ++j) {
        const int value = figures.at(stage, r, j).ToInt32();
        row->setText(DataCell(j, labels),
                     vars_.blnStatsAverages && j != 0 ? AverageText(value, games) : QString::number(value));
      }
      if (r != 0) ColourTeamRow(row, objKelvane->StatsTeam(0, slot), colours);
    }
  }
  EndStatsList(ChangeOrder);
}

void StatsView::LoadStatsListGroups(bool ChangeOrder) {
  vars_.varColumns = varGroupsColumns;
  vars_.varLabels = varGroupsLabels;
  if (!BeginStatsList("groups")) return;
  const int labels = ListColumns(vars_.varLabels);
  const int data = ListColumns(vars_.varColumns);
  const kelvane::Variant totals = objKelvane->GroupTotalsArray();
  const kelvane::Array& figures = totals.AsArray();
  QTreeWidget* list = lvwStats;
  for (int32_t r = 0; r <= std::min<int32_t>(figures.UBound(1), std::size(kGroupSlotLabels) - 1); ++r) {
    const int games = figures.at(r, 0).ToInt32();
    if (games == 0) continue;
    QTreeWidgetItem* row = AddRow(list, r);
    for (int i = 0; i < labels; ++i) row->setText(LabelCell(i), QLatin1String(kGroupSlotLabels[r]));
    for (int j = 0; j < data; ++j) {
      const int value = figures.at(r, j).ToInt32();
      row->setText(DataCell(j, labels),
                   vars_.blnStatsAverages && j != 0 ? AverageText(value, games) : QString::number(value));
    }
  }
  EndStatsList(ChangeOrder);
}

// A player is listed when any figure of the type is not 0 in the stage.
void StatsView::LoadStatsListPlayers(bool ChangeOrder) {
  vars_.varColumns = varPlayersColumns;
  vars_.varLabels = varPlayersLabels;
  if (!BeginStatsList("players")) return;
  const int labels = ListColumns(vars_.varLabels);
  const int data = ListColumns(vars_.varColumns);
  if (IsStage(vars_.intStatsStage)) {
    const kelvane::Variant totals = objKelvane->PlayerTotalsArray();
    const kelvane::Array& figures = totals.AsArray();
    QTreeWidget* list = lvwStats;
    const TeamColours colours = CurrentTeamColours(*objKelvane);
    const int32_t stage = vars_.intStatsStage;
    for (int32_t r = 0; r <= figures.UBound(3); ++r) {
      std::vector<int> values(static_cast<size_t>(data));
      for (int j = 0; j < data; ++j) values[static_cast<size_t>(j)] = figures.at(stage, j, r).ToInt32();
      if (std::all_of(values.begin(), values.end(), [](int v) { return v == 0; })) continue;
      QTreeWidgetItem* row = AddRow(list, r);
      const auto index = static_cast<int16_t>(r);
      for (int j = 0; j < data; ++j) row->setText(DataCell(j, labels), QString::number(values[static_cast<size_t>(j)]));
      for (int i = 0; i < labels; ++i)
        row->setText(LabelCell(i), ToQ(objKelvane->PlayerTotalsInfo(static_cast<int16_t>(i), index)));
      if (r != 0) ColourTeamRow(row, objKelvane->PlayerTotalsInfo(3, index), colours);
    }
  }
  EndStatsList(ChangeOrder);
}

// ---- Columns and sorting ----

// The layout's columns in its order, at its widths; columns it does not name stay at width 0.
void StatsView::SetStatsColumns(const std::string& TableID, bool ChangeOrder) {
  QTreeWidget* list = lvwStats;
  const int labels = ListColumns(vars_.varLabels);
  const int data = ListColumns(vars_.varColumns);
  if (TableID != strCurrTable) vars_.varTable = objKelvane->StatsTables(TableID);
  strCurrTable = TableID;
  if (!vars_.varTable.IsArray() || Blank(vars_.varTable.AsArray().at(4, 0))) return;
  const kelvane::Array& layout = vars_.varTable.AsArray();
  // A layout with a column the type lacks, or a width that is no number, is refused before any of
  // it shows.
  for (int32_t k = 0; k <= layout.UBound(2); ++k) {
    CheckedColumn(layout.at(4, k).ToInt16(), labels, data);
    if (!Blank(layout.at(2, k))) static_cast<void>(layout.at(2, k).ToSingle());
  }
  for (int32_t k = 0; k <= layout.UBound(2); ++k) {
    const int column = layout.at(4, k).ToInt16();
    const int header = HeaderOf(column, labels);
    if (!Blank(layout.at(0, k))) SetHeaderText(list, header, Text(layout.at(0, k)));
    const kelvane::Variant& width = column >= 0 ? vars_.varColumns.AsArray().at(2, column)
                                                : vars_.varLabels.AsArray().at(2, -1 - column);
    const kelvane::Variant& own_width = layout.at(2, k);
    const double twips = Blank(own_width) ? (Blank(width) ? 0.0 : width.ToDouble()) : own_width.ToSingle();
    SetColumnWidth(list, header, std::max<double>(twips, NeededWidth(list, header)));
    if (!Blank(layout.at(3, k))) SetAlignment(list, header, Text(layout.at(3, k)));
    Move(list, header, static_cast<int>(k) + 2);
  }
  AlignCells(list);
  if (ChangeOrder) ApplySequence(list, objKelvane->StatsTableSequence(TableID));
  vars_.intCurrSort = kUnsorted;
  SortStatsList(std::nullopt, false);
  strCurrTable = ToStd(cboStatsTables->currentText());
}

void StatsView::SortStatsList(std::optional<int> ColumnHeader, bool ChangeOrder) {
  if (!Usable(vars_.varColumns) || !Usable(vars_.varLabels)) return;
  QTreeWidget* list = lvwStats;
  const int labels = ListColumns(vars_.varLabels);
  SetColumnWidth(list, kItemHeader, 0);
  int column = 0;
  int sub_item = 0;
  if (ColumnHeader) {
    sub_item = *ColumnHeader - 1;
    column = ColumnOf(*ColumnHeader, labels);
  } else {
    column = CheckedColumn(vars_.intSortCol, labels, ListColumns(vars_.varColumns));
    sub_item = HeaderOf(column, labels) - 1;
  }
  if (ChangeOrder)
    SetOrder(list, Order(list) == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder);
  const bool data_column = column >= 0;
  const int rows = list->topLevelItemCount();
  // Keys are made once per sort column; another click on it only reverses the order.
  if (column != vars_.intCurrSort)
    for (int r = 0; r < rows; ++r) {
      QTreeWidgetItem* row = list->topLevelItem(r);
      SetKey(row, SortKey(row->text(sub_item), data_column), data_column);
    }
  const QString marked = HeaderText(list, intMarkedCol + 1);
  if (marked.startsWith(QLatin1String("* "))) SetHeaderText(list, intMarkedCol + 1, marked.mid(2));
  SetHeaderText(list, sub_item + 1, QStringLiteral("* ") + HeaderText(list, sub_item + 1));
  // The total row sorts last either way.
  for (int r = 0; r < rows; ++r)
    if (QTreeWidgetItem* row = list->topLevelItem(r); IsTotalRow(row))
      SetKey(row, Order(list) == Qt::AscendingOrder ? QStringLiteral("zz") : QString(), data_column);
  vars_.intCurrSort = static_cast<int16_t>(column);
  vars_.intSortCol = static_cast<int16_t>(column);
  intMarkedCol = static_cast<int16_t>(sub_item);
  Sort(list);
}

}  // namespace pitchlog

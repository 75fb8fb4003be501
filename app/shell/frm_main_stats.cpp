// The main window's Stats view: choosing a table layout, filling the statistics list of its type
// from the engine's statistics, laying out and sorting its columns, and capturing the layout.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <utility>
#include <vector>

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "app/shell/frm_customise.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_save_stats.h"
#include "app/shell/msg_box.h"
#include "app/shell/program.h"
#include "app/shell/report_list.h"
#include "app/shell/stats_list.h"
#include "app/shell/stats_view.h"
#include "app/shell/view_colours.h"
#include "platform/component/error.h"

namespace pitchlog {
namespace {

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

bool Blank(const kelvane::Variant& cell) { return cell.ToString().empty(); }
QString Text(const kelvane::Variant& cell) { return ToQ(cell.ToString()); }

int ListColumns(const kelvane::Variant& list) { return list.IsArray() ? list.AsArray().UBound(2) + 1 : 0; }

// A column list that names its first column.
bool Usable(const kelvane::Variant& list) { return list.IsArray() && !Blank(list.AsArray().at(0, 0)); }

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

void ApplySequence(QTreeWidget* list, const std::string& sequence) {
  if (sequence == "asc") SetOrder(list, Qt::AscendingOrder);
  if (sequence == "desc") SetOrder(list, Qt::DescendingOrder);
}

void ColourTeamRow(QTreeWidgetItem* row, const std::string& team, const TeamColours& colours) {
  const QColor colour = TeamColour(team, colours, QColor());
  if (colour.isValid()) ColourRow(row, colour);
}

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

void frmMain::BuildStatsView() { statsView = new StatsView(StatsFrame); }

void frmMain::WireStatsView() {
  connect(statsView->cboStatsTables, &QComboBox::currentIndexChanged, this,
          [this] { RunHandler([this] { cboStatsTables_Click(); }); });
  const std::pair<QRadioButton*, void (frmMain::*)()> options[] = {
      {statsView->optStageBoth, &frmMain::optStageBoth_Click},
      {statsView->optStageGroup, &frmMain::optStageGroup_Click},
      {statsView->optStageKO, &frmMain::optStageKO_Click},
      {statsView->optStatsAverages, &frmMain::optStatsAverages_Click},
      {statsView->optStatsTotals, &frmMain::optStatsTotals_Click},
  };
  for (const auto& [option, click] : options)
    connect(option, &QRadioButton::toggled, this, [this, click = click](bool selected) {
      if (selected) RunHandler([&] { (this->*click)(); });
    });
  // Headers count from 1.
  connect(statsView->lvwStats->header(), &QHeaderView::sectionClicked, this,
          [this](int column) { RunHandler([&] { lvwStats_ColumnClick(column + 1); }); });
  connect(statsView->cmdSave, &QPushButton::clicked, this, Handler(this, &frmMain::cmdSave_Click));
  connect(statsView->cmdCustomise, &QPushButton::clicked, this, Handler(this, &frmMain::cmdCustomise_Click));
  connect(statsView->cmdRemove, &QPushButton::clicked, this, Handler(this, &frmMain::cmdRemove_Click));
}

// The names of all tables; an empty name is no table (the engine lists one when there are none).
void frmMain::LoadStatsTables() {
  const kelvane::Variant names = objKelvane->StatsTablesList();
  QStringList shown;
  if (names.IsArray()) {
    const kelvane::Array& list = names.AsArray();
    for (int32_t i = list.LBound(); i <= list.UBound(); ++i)
      if (!Blank(list.at(i))) shown << Text(list.at(i));
  }
  statsView->SetTableNames(shown);
}

// The view is hidden before the names are read again, so that a failing read leaves nothing of
// the old table on show.
void frmMain::ClearStats() {
  StatsView& view = *statsView;
  strCurrTable.clear();
  view.cmdSave->setEnabled(false);
  blnSaveStats = false;
  view.lvwStats->hide();
  view.cmdCustomise->setEnabled(false);
  view.cmdRemove->setEnabled(false);
  view.StageFrame->hide();
  view.StatsValuesFrame->hide();
  view.lblNoStats->hide();
  LoadStatsTables();
}

void frmMain::cboStatsTables_Click() {
  StatsView& view = *statsView;
  const std::string table = ToStd(view.cboStatsTables->currentText());
  if (table == strCurrTable) return;
  // The table on show, saved again under another spelling of its name, is still on show.
  if (!strCurrTable.empty() && objKelvane->XMLTagEncode(table) == objKelvane->XMLTagEncode(strCurrTable)) {
    strCurrTable = table;
    return;
  }
  if (blnSaveStats && MsgBox(QStringLiteral("Layout has changed\n\nClick cancel to go back and save the layout"),
                             msgbox::OkCancel) == msgbox::Cancel) {
    // Back to the name of the table on show, which is the one Save and Remove act on.
    view.ShowTableName(ToQ(strCurrTable));
    return;
  }
  intStatsStage = objKelvane->StatsTableStage(table);
  blnStatsAverages = objKelvane->StatsTableAverages(table);
  strStatsType = objKelvane->StatsTableType(table);
  intSortCol = objKelvane->StatsTableSort(table);
  // A table shows in the direction it was saved with.
  ApplySequence(view.lvwStats, objKelvane->StatsTableSequence(table));
  // Nothing of the table before stays on show, whatever this one loads.
  view.lvwStats->hide();
  view.lblNoStats->hide();

  const bool staged = strStatsType == "teams" || strStatsType == "players";
  QRadioButton* stage_option = view.StageOption(intStatsStage);
  if (staged) {
    if (stage_option)
      Reselect(stage_option);
    else
      ClearQuietly(view.StageFrame);
  }
  view.StageFrame->setVisible(staged);
  const bool valued = strStatsType == "teams" || strStatsType == "groups";
  if (valued) Reselect(blnStatsAverages ? view.optStatsAverages : view.optStatsTotals);
  view.StatsValuesFrame->setVisible(valued);
  // A table of another type shows nothing: no table is on show, and the one before may be chosen
  // again.
  if (!staged && !valued) strCurrTable.clear();
  // No option loads a players list whose stage has no option: it is loaded here, to say that
  // there is nothing to show.
  if (strStatsType == "players" && !stage_option) RunHandler([this] { ShowStatsTable(false); });

  view.cmdSave->setEnabled(false);
  blnSaveStats = false;
  // The list holds another table's columns while a table of another type is chosen.
  view.cmdCustomise->setEnabled(staged || valued);
  view.cmdRemove->setEnabled(!objKelvane->StatsTableSystem(table));
}

void frmMain::optStageBoth_Click() {
  SaveTable();
  intStatsStage = 0;
  StatsOptionChosen();
}

void frmMain::optStageGroup_Click() {
  SaveTable();
  intStatsStage = 1;
  StatsOptionChosen();
}

void frmMain::optStageKO_Click() {
  SaveTable();
  intStatsStage = 2;
  StatsOptionChosen();
}

void frmMain::optStatsAverages_Click() {
  SaveTable();
  blnStatsAverages = true;
  StatsOptionChosen();
}

void frmMain::optStatsTotals_Click() {
  SaveTable();
  blnStatsAverages = false;
  StatsOptionChosen();
}

void frmMain::StatsOptionChosen() {
  ShowStatsTable(false);
  statsView->cmdSave->setEnabled(true);
}

void frmMain::ShowStatsTable(bool ChangeOrder) {
  const std::string type = objKelvane->StatsTableType(ToStd(statsView->cboStatsTables->currentText()));
  if (type == "teams")
    LoadStatsListTeams(ChangeOrder);
  else if (type == "groups")
    LoadStatsListGroups(ChangeOrder);
  else if (type == "players")
    LoadStatsListPlayers(ChangeOrder);
  else
    return;
  SortStatsList(std::nullopt, ChangeOrder);
}

// Only the label and data columns of the type can be sorted on; the others never show.
void frmMain::lvwStats_ColumnClick(int ColumnHeader) {
  if (ColumnHeader <= kKeyHeader || ColumnHeader > ListColumns(varLabels) + ListColumns(varColumns) + 2) return;
  SortStatsList(ColumnHeader, ColumnHeader == intMarkedCol + 1);
  statsView->cmdSave->setEnabled(true);
}

void frmMain::cmdSave_Click() {
  SaveTable();
  frmSaveStats::Get().exec();
}

void frmMain::cmdCustomise_Click() { frmCustomise::Get().exec(); }

void frmMain::cmdRemove_Click() {
  if (MsgBox(QStringLiteral("Are you sure you want to remove this table?"), msgbox::YesNo) != msgbox::Yes) return;
  objKelvane->StatsTableRemove(ToStd(statsView->cboStatsTables->currentText()));
  ClearStats();
  ClearAnalysis();
}

// ---- The lists ----

// Hides and empties the list and sets its headers from the type's column lists; False when the
// lists name no column.
bool frmMain::BeginStatsList(const char* type) {
  QTreeWidget* list = statsView->lvwStats;
  list->hide();
  list->clear();
  if (!Usable(varColumns) || !Usable(varLabels)) return false;
  const int labels = ListColumns(varLabels);
  const int data = ListColumns(varColumns);
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
  for (int i = 0; i < labels; ++i) set_header(i + 3, varLabels.AsArray(), i);
  for (int j = 0; j < data; ++j) set_header(labels + 3 + j, varColumns.AsArray(), j);
  for (int h = labels + data + 3; h <= kHeaders; ++h) {
    SetHeaderText(list, h, QString());
    SetColumnWidth(list, h, 0);
  }
  SetResizable(list, labels + data + 3);
  return true;
}

void frmMain::EndStatsList(bool ChangeOrder) {
  SetStatsColumns(ToStd(statsView->cboStatsTables->currentText()), ChangeOrder);
  QTreeWidget* list = statsView->lvwStats;
  if (list->topLevelItemCount() == 0) {
    statsView->lblNoStats->show();
    return;
  }
  statsView->lblNoStats->hide();
  list->show();
}

// A stage without a slot (a hand-made table) lists nothing, so the view says there are no stats.
void frmMain::LoadStatsListTeams(bool ChangeOrder) {
  varColumns = varTeamsColumns;
  varLabels = varTeamsLabels;
  if (!BeginStatsList("teams")) return;
  const int labels = ListColumns(varLabels);
  const int data = ListColumns(varColumns);
  kelvane::Variant totals = objKelvane->TeamTotalsArray();
  kelvane::Array& figures = totals.AsArray();
  // The total row counts each game once, and each draw from both sides: its draws are its games
  // less its wins.
  for (int32_t s = 0; s <= 2; ++s)
    figures.Set(s, 0, 2, static_cast<int16_t>(figures.at(s, 0, 0).ToInt32() - figures.at(s, 0, 1).ToInt32()));

  if (IsStage(intStatsStage)) {
    QTreeWidget* list = statsView->lvwStats;
    const TeamColours colours = CurrentTeamColours(*objKelvane);
    const int32_t stage = intStatsStage;
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
                     blnStatsAverages && j != 0 ? AverageText(value, games) : QString::number(value));
      }
      if (r != 0) ColourTeamRow(row, objKelvane->StatsTeam(0, slot), colours);
    }
  }
  EndStatsList(ChangeOrder);
}

void frmMain::LoadStatsListGroups(bool ChangeOrder) {
  varColumns = varGroupsColumns;
  varLabels = varGroupsLabels;
  if (!BeginStatsList("groups")) return;
  const int labels = ListColumns(varLabels);
  const int data = ListColumns(varColumns);
  const kelvane::Variant totals = objKelvane->GroupTotalsArray();
  const kelvane::Array& figures = totals.AsArray();
  QTreeWidget* list = statsView->lvwStats;
  for (int32_t r = 0; r <= std::min<int32_t>(figures.UBound(1), std::size(kGroupSlotLabels) - 1); ++r) {
    const int games = figures.at(r, 0).ToInt32();
    if (games == 0) continue;
    QTreeWidgetItem* row = AddRow(list, r);
    for (int i = 0; i < labels; ++i) row->setText(LabelCell(i), QLatin1String(kGroupSlotLabels[r]));
    for (int j = 0; j < data; ++j) {
      const int value = figures.at(r, j).ToInt32();
      row->setText(DataCell(j, labels),
                   blnStatsAverages && j != 0 ? AverageText(value, games) : QString::number(value));
    }
  }
  EndStatsList(ChangeOrder);
}

// A player is listed when any figure of the type is not 0 in the stage.
void frmMain::LoadStatsListPlayers(bool ChangeOrder) {
  varColumns = varPlayersColumns;
  varLabels = varPlayersLabels;
  if (!BeginStatsList("players")) return;
  const int labels = ListColumns(varLabels);
  const int data = ListColumns(varColumns);
  if (IsStage(intStatsStage)) {
    const kelvane::Variant totals = objKelvane->PlayerTotalsArray();
    const kelvane::Array& figures = totals.AsArray();
    QTreeWidget* list = statsView->lvwStats;
    const TeamColours colours = CurrentTeamColours(*objKelvane);
    const int32_t stage = intStatsStage;
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
void frmMain::SetStatsColumns(const std::string& TableID, bool ChangeOrder) {
  QTreeWidget* list = statsView->lvwStats;
  const int labels = ListColumns(varLabels);
  const int data = ListColumns(varColumns);
  if (TableID != strCurrTable) varTable = objKelvane->StatsTables(TableID);
  strCurrTable = TableID;
  if (!varTable.IsArray() || Blank(varTable.AsArray().at(4, 0))) return;
  const kelvane::Array& layout = varTable.AsArray();
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
    const kelvane::Variant& width = column >= 0 ? varColumns.AsArray().at(2, column)
                                                : varLabels.AsArray().at(2, -1 - column);
    const kelvane::Variant& own_width = layout.at(2, k);
    const double twips = Blank(own_width) ? (Blank(width) ? 0.0 : width.ToDouble()) : own_width.ToSingle();
    SetColumnWidth(list, header, std::max<double>(twips, NeededWidth(list, header)));
    if (!Blank(layout.at(3, k))) SetAlignment(list, header, Text(layout.at(3, k)));
    Move(list, header, static_cast<int>(k) + 2);
  }
  AlignCells(list);
  if (ChangeOrder) ApplySequence(list, objKelvane->StatsTableSequence(TableID));
  intCurrSort = kUnsorted;
  SortStatsList(std::nullopt, false);
  strCurrTable = ToStd(statsView->cboStatsTables->currentText());
}

void frmMain::SortStatsList(std::optional<int> ColumnHeader, bool ChangeOrder) {
  if (!Usable(varColumns) || !Usable(varLabels)) return;
  QTreeWidget* list = statsView->lvwStats;
  const int labels = ListColumns(varLabels);
  SetColumnWidth(list, kItemHeader, 0);
  int column = 0;
  int sub_item = 0;
  if (ColumnHeader) {
    sub_item = *ColumnHeader - 1;
    column = ColumnOf(*ColumnHeader, labels);
  } else {
    column = CheckedColumn(intSortCol, labels, ListColumns(varColumns));
    sub_item = HeaderOf(column, labels) - 1;
  }
  if (ChangeOrder)
    SetOrder(list, Order(list) == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder);
  const bool data_column = column >= 0;
  const int rows = list->topLevelItemCount();
  // Keys are made once per sort column; another click on it only reverses the order.
  if (column != intCurrSort)
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
  intCurrSort = static_cast<int16_t>(column);
  intSortCol = static_cast<int16_t>(column);
  intMarkedCol = static_cast<int16_t>(sub_item);
  Sort(list);
}

// ---- The layout ----

// Captures the list's layout into varTable, rows 0 to 4 of each shown column in display order:
// heading without the sort mark, (no description), width in twips, alignment number, column
// number. Hidden columns go to the end of the list. A list with no column shown (its layout was
// refused) has nothing to capture, and the layout stays as it was.
kelvane::Variant frmMain::SaveTable() {
  if (varTable.IsEmpty()) return {};
  QTreeWidget* list = statsView->lvwStats;
  const int labels = ListColumns(varLabels);
  bool any_shown = false;
  for (int h = kKeyHeader + 1; h <= kHeaders; ++h) any_shown = any_shown || ColumnWidth(list, h) > 0;
  if (!any_shown) return {};
  Move(list, kItemHeader, 1);
  // With every hidden column at the end, the shown ones stand side by side from position 2, and
  // layout column p is the one at position p + 2: the capture has no gaps.
  for (int h = kKeyHeader; h <= kHeaders; ++h)
    if (ColumnWidth(list, h) <= 0) Move(list, h, kHeaders);

  const kelvane::Array& stored = varTable.AsArray();
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
      blnSaveStats = true;
    } else if (!changed) {
      // The stored column as it was shown: at least as wide as it needs.
      std::optional<ShownColumn> before = StoredColumn(stored, p, varColumns, varLabels);
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
  varTable = kelvane::Variant(std::move(captured));
  if (changed) statsView->cmdSave->setEnabled(true);
  return {};
}

void frmMain::varTableValue(const kelvane::Variant& i, const kelvane::Variant& j, const kelvane::Variant& NewValue) {
  varTable.AsArray().Set(i.ToInt32(), j.ToInt32(), NewValue);
}

}  // namespace pitchlog

// The Stats view's choices: the table list, the stage and value options, the column headers
// and the layout buttons.
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "app/kit/handler_guard.h"
#include "app/kit/msg_box.h"
#include "app/kit/program.h"
#include "app/shell/frm_customise.h"
#include "app/shell/frm_save_stats.h"
#include "app/shell/stats_cells.h"
#include "app/shell/stats_list.h"
#include "app/shell/stats_variables.h"
#include "app/shell/stats_view.h"
#include "engine/pitchlog_interface.h"

namespace pitchlog {

using namespace stats_cells;
using stats_list::kKeyHeader;

// The column lists of the three types are read once, as the window loads.
void StatsView::Load(std::shared_ptr<kelvane::IPitchlog> engine) {
  objKelvane = std::move(engine);
  varTeamsColumns = objKelvane->StatsColumnsArray("teams");
  varTeamsLabels = objKelvane->StatsLabelsArray("teams");
  varGroupsColumns = objKelvane->StatsColumnsArray("groups");
  varGroupsLabels = objKelvane->StatsLabelsArray("groups");
  varPlayersColumns = objKelvane->StatsColumnsArray("players");
  varPlayersLabels = objKelvane->StatsLabelsArray("players");
}

// The names of all tables; an empty name is no table (the engine lists one when there are none).
void StatsView::LoadStatsTables() {
  const kelvane::Variant names = objKelvane->StatsTablesList();
  QStringList shown;
  if (names.IsArray()) {
    const kelvane::Array& list = names.AsArray();
    for (int32_t i = list.LBound(); i <= list.UBound(); ++i)
      if (!Blank(list.at(i))) shown << Text(list.at(i));
  }
  SetTableNames(shown);
}

// The view is hidden before the names are read again, so that a failing read leaves nothing of
// the old table on show.
void StatsView::ClearStats() {
  strCurrTable.clear();
  cmdSave->setEnabled(false);
  vars_.blnSaveStats = false;
  lvwStats->hide();
  cmdCustomise->setEnabled(false);
  cmdRemove->setEnabled(false);
  StageFrame->hide();
  StatsValuesFrame->hide();
  lblNoStats->hide();
  LoadStatsTables();
}

void StatsView::cboStatsTables_Click() {
  const std::string table = ToStd(cboStatsTables->currentText());
  if (table == strCurrTable) return;
  // The table on show, saved again under another spelling of its name, is still on show.
  if (!strCurrTable.empty() && objKelvane->XMLTagEncode(table) == objKelvane->XMLTagEncode(strCurrTable)) {
    strCurrTable = table;
    return;
  }
  if (vars_.blnSaveStats &&
      MsgBox(QStringLiteral("Layout has changed\n\nClick cancel to go back and save the layout"), msgbox::OkCancel) ==
          msgbox::Cancel) {
    // Back to the name of the table on show, which is the one Save and Remove act on.
    ShowTableName(ToQ(strCurrTable));
    return;
  }
  vars_.intStatsStage = objKelvane->StatsTableStage(table);
  vars_.blnStatsAverages = objKelvane->StatsTableAverages(table);
  vars_.strStatsType = objKelvane->StatsTableType(table);
  vars_.intSortCol = objKelvane->StatsTableSort(table);
  // A table shows in the direction it was saved with.
  ApplySequence(lvwStats, objKelvane->StatsTableSequence(table));
  // Nothing of the table before stays on show, whatever this one loads.
  lvwStats->hide();
  lblNoStats->hide();

  const bool staged = vars_.strStatsType == "teams" || vars_.strStatsType == "players";
  QRadioButton* stage_option = StageOption(vars_.intStatsStage);
  if (staged) {
    if (stage_option)
      Reselect(stage_option);
    else
      ClearQuietly(StageFrame);
  }
  StageFrame->setVisible(staged);
  const bool valued = vars_.strStatsType == "teams" || vars_.strStatsType == "groups";
  if (valued) Reselect(vars_.blnStatsAverages ? optStatsAverages : optStatsTotals);
  StatsValuesFrame->setVisible(valued);
  // A table of another type shows nothing: no table is on show, and the one before may be chosen
  // again.
  if (!staged && !valued) strCurrTable.clear();
  // No option loads a players list whose stage has no option: it is loaded here, to say that
  // there is nothing to show.
  if (vars_.strStatsType == "players" && !stage_option) RunHandler([this] { ShowStatsTable(false); });

  cmdSave->setEnabled(false);
  vars_.blnSaveStats = false;
  // The list holds another table's columns while a table of another type is chosen.
  cmdCustomise->setEnabled(staged || valued);
  cmdRemove->setEnabled(!objKelvane->StatsTableSystem(table));
}

void StatsView::optStageBoth_Click() {
  SaveTable();
  vars_.intStatsStage = 0;
  StatsOptionChosen();
}

void StatsView::optStageGroup_Click() {
  SaveTable();
  vars_.intStatsStage = 1;
  StatsOptionChosen();
}

void StatsView::optStageKO_Click() {
  SaveTable();
  vars_.intStatsStage = 2;
  StatsOptionChosen();
}

void StatsView::optStatsAverages_Click() {
  SaveTable();
  vars_.blnStatsAverages = true;
  StatsOptionChosen();
}

void StatsView::optStatsTotals_Click() {
  SaveTable();
  vars_.blnStatsAverages = false;
  StatsOptionChosen();
}

void StatsView::StatsOptionChosen() {
  ShowStatsTable(false);
  cmdSave->setEnabled(true);
}

void StatsView::ShowStatsTable(bool ChangeOrder) {
  const std::string type = objKelvane->StatsTableType(ToStd(cboStatsTables->currentText()));
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
void StatsView::lvwStats_ColumnClick(int ColumnHeader) {
  const int last = ListColumns(vars_.varLabels) + ListColumns(vars_.varColumns) + 2;
  if (ColumnHeader <= kKeyHeader || ColumnHeader > last) return;
  SortStatsList(ColumnHeader, ColumnHeader == intMarkedCol + 1);
  cmdSave->setEnabled(true);
}

void StatsView::cmdSave_Click() {
  SaveTable();
  frmSaveStats::Get().exec();
}

void StatsView::cmdCustomise_Click() { frmCustomise::Get().exec(); }

void StatsView::cmdRemove_Click() {
  if (MsgBox(QStringLiteral("Are you sure you want to remove this table?"), msgbox::YesNo) != msgbox::Yes) return;
  objKelvane->StatsTableRemove(ToStd(cboStatsTables->currentText()));
  ClearStats();
  clear_analysis_();
}

}  // namespace pitchlog

// The Stats view: a named statistics table chosen from a list, its stage and value options, the
// statistics list and the layout buttons, with the handlers that fill, sort and capture the list.
// It works on the main window's public statistics variables.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QObject>
#include <QStringList>

#include "platform/component/variant.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace kelvane {
class IPitchlog;
}

namespace pitchlog {

struct StatsVariables;

class StatsView : public QObject {
 public:
  // Builds the view's controls into the stats frame, with no table chosen; the frame must not
  // have a layout yet. clear_analysis empties the Analysis view after a table is removed.
  StatsView(QFrame* stats_frame, StatsVariables& variables, std::function<void()> clear_analysis);

  // Takes the engine and the column lists of the three types, as the window loads.
  void Load(std::shared_ptr<kelvane::IPitchlog> engine);

  // The stage option of stage slot 0, 1 or 2; nullptr for any other stage.
  QRadioButton* StageOption(int stage) const;
  // The names in alphabetical order, none chosen; no Click is raised.
  void SetTableNames(const QStringList& names);
  // Chooses the name again without raising Click (none when it is not listed).
  void ShowTableName(const QString& name);

  void ClearStats();
  void LoadStatsTables();
  void LoadStatsListTeams(bool ChangeOrder);
  void LoadStatsListPlayers(bool ChangeOrder);
  void SaveTable();

  QGroupBox* StatsTablesFrame;
  QComboBox* cboStatsTables;
  QGroupBox* StageFrame;
  QRadioButton* optStageBoth;
  QRadioButton* optStageGroup;
  QRadioButton* optStageKO;
  QGroupBox* StatsValuesFrame;
  QRadioButton* optStatsAverages;
  QRadioButton* optStatsTotals;
  QTreeWidget* lvwStats;
  QLabel* lblNoStats;
  QPushButton* cmdSave;
  QPushButton* cmdCustomise;
  QPushButton* cmdRemove;

 private:
  void Wire();

  // The choice of table and options, and the buttons.
  void cboStatsTables_Click();
  void optStageBoth_Click();
  void optStageGroup_Click();
  void optStageKO_Click();
  void optStatsAverages_Click();
  void optStatsTotals_Click();
  void StatsOptionChosen();
  void ShowStatsTable(bool ChangeOrder);
  void lvwStats_ColumnClick(int ColumnHeader);
  void cmdSave_Click();
  void cmdCustomise_Click();
  void cmdRemove_Click();

  // The list of each type, its columns and its order.
  void LoadStatsListGroups(bool ChangeOrder);
  bool BeginStatsList(const char* type);
  void EndStatsList(bool ChangeOrder);
  void SetStatsColumns(const std::string& TableID, bool ChangeOrder);
  // Without a header: sorts on intSortCol; with one: on the clicked header (1-based).
  void SortStatsList(std::optional<int> ColumnHeader, bool ChangeOrder);

  StatsVariables& vars_;
  std::function<void()> clear_analysis_;
  std::shared_ptr<kelvane::IPitchlog> objKelvane;
  kelvane::Variant varTeamsColumns;
  kelvane::Variant varTeamsLabels;
  kelvane::Variant varGroupsColumns;
  kelvane::Variant varGroupsLabels;
  kelvane::Variant varPlayersColumns;
  kelvane::Variant varPlayersLabels;
  std::string strCurrTable;  // the table whose layout is in varTable
  int16_t intMarkedCol = 0;  // sub-item of the header with the sort mark
};

// Leaves no option of the frame selected, without raising Click.
void ClearQuietly(QWidget* frame);
// Makes the option unselected, then selected, so that its Click is raised even when it was
// selected already.
void Reselect(QRadioButton* option);

}  // namespace pitchlog

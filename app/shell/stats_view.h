// The Stats view: a named statistics table chosen from a list, its stage and value options, the
// statistics list and the layout buttons. The main window fills and sorts the list.
#pragma once

#include <QObject>
#include <QStringList>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace pitchlog {

class StatsView : public QObject {
 public:
  // Builds the view's controls into the stats frame, with no table chosen; the frame must not
  // have a layout yet.
  explicit StatsView(QFrame* stats_frame);

  // The stage option of stage slot 0, 1 or 2; nullptr for any other stage.
  QRadioButton* StageOption(int stage) const;
  // The names in alphabetical order, none chosen; no Click is raised.
  void SetTableNames(const QStringList& names);
  // Chooses the name again without raising Click (none when it is not listed).
  void ShowTableName(const QString& name);

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
};

// Leaves no option of the frame selected, without raising Click.
void ClearQuietly(QWidget* frame);
// Makes the option unselected, then selected, so that its Click is raised even when it was
// selected already.
void Reselect(QRadioButton* option);

}  // namespace pitchlog

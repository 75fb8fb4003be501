// Steps of the Stats view that its tests share: starting on the view, choosing a table, and
// reading which columns show.
#pragma once

#include <QComboBox>
#include <QString>
#include <QStringList>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/shell/frm_main.h"
#include "app/shell/stats_list.h"
#include "app/shell/stats_view.h"
#include "tests/app/support/program_fixture.h"

namespace app_testing {

inline constexpr int kStatsTab = 3;

// The main window on the Stats view, with the result set opened first when one is named.
inline pitchlog::frmMain& StartOnStats(const ProgramFolder& folder, const char* results_set = "Tournament 2022") {
  pitchlog::frmMain& window = StartToMainWindow(folder);
  if (results_set) window.OpenResultsSet(results_set);
  window.MainTab->setCurrentIndex(kStatsTab);
  return window;
}

inline void Choose(pitchlog::frmMain& window, const QString& table) {
  QComboBox* tables = window.statsView->cboStatsTables;
  const int index = tables->findText(table);
  if (index < 0) qFatal("no table %s", qPrintable(table));
  tables->setCurrentIndex(index);
}

// The headings of the columns that show, left to right.
inline QStringList ShownHeadings(const QTreeWidget* list) {
  namespace stats_list = pitchlog::stats_list;
  QStringList shown;
  for (int position = 1; position <= stats_list::kHeaders; ++position) {
    const int header = stats_list::HeaderAt(list, position);
    if (stats_list::ColumnWidth(list, header) > 0) shown << stats_list::HeaderText(list, header);
  }
  return shown;
}

}  // namespace app_testing

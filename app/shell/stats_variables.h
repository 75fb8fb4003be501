// The main window's public statistics variables: what the Stats view shows, which the layout
// dialogs read and write. The view works on them; the window publishes them.
#pragma once

#include <cstdint>
#include <string>

#include "platform/component/variant.h"

namespace pitchlog {

struct StatsVariables {
  kelvane::Variant varColumns;  // the data column list of the type on show
  kelvane::Variant varLabels;   // its label column list
  kelvane::Variant varTable;    // the layout of the table on show
  int16_t intCurrSort = 0;
  int16_t intStatsStage = 0;
  bool blnStatsAverages = false;
  std::string strStatsType;
  int16_t intSortCol = 0;
  bool blnSaveStats = false;
};

}  // namespace pitchlog

// What the main window shows of the current result set: its caption and the Save Results item.
#pragma once

#include <QString>

namespace pitchlog {

// The program's title, followed by " [name]" unless the set is the default one, "Results".
QString MainCaption(const QString& results_set);

// "Save " and the set's name, without an access key.
QString SaveResultsCaption(const QString& results_set);

}  // namespace pitchlog

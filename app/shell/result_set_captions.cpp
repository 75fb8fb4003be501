#include "app/shell/result_set_captions.h"

#include "app/kit/program.h"

namespace pitchlog {

QString MainCaption(const QString& results_set) {
  if (results_set == QLatin1String("Results")) return gstrAppTitle;
  return gstrAppTitle + QStringLiteral(" [") + results_set + QLatin1Char(']');
}

// A "&" in the name is shown as itself, not taken as an access key.
QString SaveResultsCaption(const QString& results_set) {
  return QStringLiteral("Save ") + QString(results_set).replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace pitchlog

#include "app/shell/scenario_list.h"

#include <algorithm>

#include "app/kit/program.h"

namespace pitchlog {

QStringList ScenarioNames(kelvane::IPitchlog& engine) {
  QStringList names;
  const kelvane::Variant sets = engine.ResultsSetsArray();
  if (sets.IsEmpty()) return names;
  const kelvane::Array& list = sets.AsArray();
  for (int32_t i = list.LBound(1); i <= list.UBound(1); ++i) {
    const QString name = ToQ(list.at(i).ToString());
    // A file whose name is no valid set name can't be opened or saved over: it is not offered.
    if (name.toLower() != QLatin1String("results") && engine.ValidFileName(kelvane::Variant(ToStd(name))))
      names << name;
  }
  std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
    const int order = QString::compare(a, b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
  });
  return names;
}

}  // namespace pitchlog

#include "app/shell/unreadable_files.h"

#include <QFileInfo>
#include <QStringList>

#include "app/kit/program.h"

namespace pitchlog {

QString UnreadableFilesText(kelvane::IPitchlog& engine) {
  const kelvane::Variant files = engine.UnreadableFiles();
  if (!files.IsArray()) return {};
  const kelvane::Array& list = files.AsArray();
  QStringList lines;
  for (int32_t i = list.LBound(2); i <= list.UBound(2); ++i)
    lines << QStringLiteral("%1 (kept as %2)").arg(ToQ(list.at(0, i).ToString()), ToQ(list.at(1, i).ToString()));
  return QStringLiteral("These files could not be read, and the program goes on without what they hold:\n\n") +
         lines.join(QLatin1Char('\n')) +
         QStringLiteral("\n\nNothing is deleted: before the program saves such a file again, it renames the old "
                        "one as shown, in the same folder.");
}

QString IncompleteDatabaseText(const QString& program_folder, const QString& file) {
  const QString refusal = QStringLiteral("Incomplete database. Please reload");
  if (file.isEmpty()) return refusal;
  const bool exists = QFileInfo::exists(program_folder + QLatin1Char('/') + file);
  return refusal + QStringLiteral("\n\n") + file + (exists ? QStringLiteral(" could not be read.") : QStringLiteral(" is missing."));
}

}  // namespace pitchlog

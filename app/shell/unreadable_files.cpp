#include "app/shell/unreadable_files.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
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

namespace {

// Files missing from Data and Results while copies kept as unreadable stand beside them (a save
// that ended between keeping the old file and writing the new one): each with its latest copy.
QStringList MissingWithKeptCopy(const QString& program_folder) {
  static const QRegularExpression kept(QStringLiteral(R"(^(.+) \(unreadable(?: (\d+))?\)\.xml$)"));
  QStringList lines;
  for (const QString& folder : {QStringLiteral("Data"), QStringLiteral("Results")}) {
    QMap<QString, std::pair<int, QString>> latest;  // file -> number and name of its latest copy
    const QDir dir(program_folder + QLatin1Char('/') + folder);
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
      const QRegularExpressionMatch match = kept.match(name);
      if (!match.hasMatch()) continue;
      const QString file = match.captured(1) + QStringLiteral(".xml");
      const int number = match.captured(2).isEmpty() ? 1 : match.captured(2).toInt();
      if (!dir.exists(file) && (!latest.contains(file) || latest[file].first < number)) latest[file] = {number, name};
    }
    for (auto it = latest.cbegin(); it != latest.cend(); ++it)
      lines << QStringLiteral("%1/%2 is missing, and the program goes on without it. Its last copy, which could "
                                  "not be read, is kept as %1/%3.")
                   .arg(folder, it.key(), it.value().second);
  }
  return lines;
}

}  // namespace

QString StartNoticeText(kelvane::IPitchlog& engine, const QString& program_folder) {
  QStringList notices;
  if (!QFileInfo::exists(program_folder + QStringLiteral("/Data/properties.xml")))
    notices << QStringLiteral("Data/properties.xml is missing: the program starts with its default settings.");
  notices << MissingWithKeptCopy(program_folder);
  if (const QString unreadable = UnreadableFilesText(engine); !unreadable.isEmpty()) notices << unreadable;
  return notices.join(QStringLiteral("\n\n"));
}

QString IncompleteDatabaseText(const QString& program_folder, const QString& file) {
  const QString refusal = QStringLiteral("Incomplete database. Please reload");
  if (file.isEmpty()) return refusal;
  const bool exists = QFileInfo::exists(program_folder + QLatin1Char('/') + file);
  return refusal + QStringLiteral("\n\n") + file + (exists ? QStringLiteral(" could not be read.") : QStringLiteral(" is missing."));
}

}  // namespace pitchlog

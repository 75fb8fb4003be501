#include "app/kit/shell_helpers.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QNetworkInformation>
#include <QTimeZone>

#include "app/kit/program.h"

namespace pitchlog {
namespace {

// Where the system can't tell, pages may be loaded.
bool SystemOnline() {
  static const bool loaded = QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
  const QNetworkInformation* info = loaded ? QNetworkInformation::instance() : nullptr;
  return !info || info->reachability() != QNetworkInformation::Reachability::Disconnected;
}

bool IsInside(const QString& path, const QString& folder) {
  return !folder.isEmpty() && path.startsWith(folder + QLatin1Char('/'));
}

}  // namespace

bool IsOnline() {
  const QString url = ToQ(gobjKelvane->Properties("downloadurl").ToString()).toLower().left(16);
  if (url == QLatin1String("http://localhost")) return true;
  return SystemOnline();
}

// The names come from data files that downloads replace, so only web and mail addresses and
// plain files of the program folder reach the desktop; nothing that the desktop would run.
QUrl OpenableUrl(const QString& file, const QString& dir) {
  const QString text = file.trimmed();
  if (text.isEmpty()) return {};
  const QUrl url(text, QUrl::StrictMode);
  const QString scheme = url.scheme().toLower();
  if (scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("mailto"))
    return url.isValid() && (scheme == QLatin1String("mailto") || !url.host().isEmpty()) ? url : QUrl();

  QString path;
  if (scheme == QLatin1String("file"))
    path = url.toLocalFile();
  else if (scheme.isEmpty() || QDir::isAbsolutePath(text))
    path = QDir(dir.isEmpty() ? App.Path : dir).absoluteFilePath(text);
  else
    return {};
  const QFileInfo info(path);
  const QString canonical = info.canonicalFilePath();
  if (canonical.isEmpty() || !info.isFile() || info.isExecutable()) return {};
  if (!IsInside(canonical, QFileInfo(App.Path).canonicalFilePath())) return {};
  if (canonical.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive)) return {};
  return QUrl::fromLocalFile(canonical);
}

bool ShellOpen(const QString& file, const QString& params, const QString& dir) {
  Q_UNUSED(params);  // the desktop opens documents; it takes no arguments for them
  const QUrl url = OpenableUrl(file, dir);
  if (url.isValid()) QDesktopServices::openUrl(url);
  return true;
}

int32_t LocalUtcOffsetMinutes() {
  return QTimeZone::systemTimeZone().offsetFromUtc(QDateTime::currentDateTimeUtc()) / 60;
}

}  // namespace pitchlog

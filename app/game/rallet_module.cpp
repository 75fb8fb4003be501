#include "app/game/rallet_module.h"

#include <QStandardPaths>

namespace pitchlog {

QString WindowsDirectoryPath() {
  QString path = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (!path.isEmpty() && !path.endsWith(QLatin1Char('/'))) path += QLatin1Char('/');
  return path;
}

int PlayGameSound(const QString& name) {
  Q_UNUSED(name);
  return 0;
}

}  // namespace pitchlog

// The machine's time zone, set for as long as an object lives, for the tests that need a
// particular one whatever the run's own.
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace app_testing {

// The machine's time zone (TZ).
class LocalZone {
 public:
  explicit LocalZone(const QByteArray& zone) : saved_(qgetenv("TZ")), had_(qEnvironmentVariableIsSet("TZ")) {
    qputenv("TZ", zone);
  }
  ~LocalZone() {
    if (had_)
      qputenv("TZ", saved_);
    else
      qunsetenv("TZ");
  }
  LocalZone(const LocalZone&) = delete;
  LocalZone& operator=(const LocalZone&) = delete;

 private:
  QByteArray saved_;
  bool had_;
};

}  // namespace app_testing

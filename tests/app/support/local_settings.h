// The machine's time zone and the C library's number locale, set for as long as an object lives,
// for the tests that need a particular one whatever the run's own.
#pragma once

#include <clocale>
#include <string>

#include <QByteArray>
#include <QtGlobal>

namespace app_testing {

// A decimal-comma locale that scripts/install-deps provides.
inline constexpr const char* kDecimalCommaLocale = "de_DE.UTF-8";

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

// The numbers of the C library (LC_NUMERIC), in which the engine writes the figures it formats;
// ok() is false when the machine lacks the locale.
class NumberLocale {
 public:
  explicit NumberLocale(const char* name) : saved_(std::setlocale(LC_NUMERIC, nullptr)) {
    ok_ = std::setlocale(LC_NUMERIC, name) != nullptr;
  }
  ~NumberLocale() { std::setlocale(LC_NUMERIC, saved_.c_str()); }
  NumberLocale(const NumberLocale&) = delete;
  NumberLocale& operator=(const NumberLocale&) = delete;
  bool ok() const { return ok_; }

 private:
  std::string saved_;
  bool ok_;
};

}  // namespace app_testing

// A user's locale for as long as an object lives: the C library's, which the windows write money
// in, and Qt's default, as a program started under that locale has both.
#pragma once

#include <string>

#include <QLocale>
#include <QString>

#include "tests/support/process_locale.h"

namespace app_testing {

class UserLocale {
 public:
  // "de_CH" names de_CH.UTF-8; "C" the C locale.
  explicit UserLocale(const QString& name)
      : process_(testing_support::Utf8Locale(name.toStdString()).c_str()) {
    QLocale::setDefault(QLocale(name));
  }
  ~UserLocale() { QLocale::setDefault(QLocale::system()); }
  UserLocale(const UserLocale&) = delete;
  UserLocale& operator=(const UserLocale&) = delete;
  // False when the machine lacks the locale.
  bool ok() const { return process_.ok(); }

 private:
  testing_support::ProcessLocale process_;
};

}  // namespace app_testing

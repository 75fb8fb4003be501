// The C library's locale set for as long as an object lives, as a program sets it from the
// user's environment: for the tests that need a particular one whatever the run's own.
#pragma once

#include <clocale>
#include <string>

namespace testing_support {

// A decimal-comma locale that scripts/install-deps provides.
inline constexpr const char* kDecimalCommaLocale = "de_DE.UTF-8";

class ProcessLocale {
 public:
  // `ok()` is false when the machine lacks the locale.
  explicit ProcessLocale(const char* name, int category = LC_ALL)
      : category_(category), saved_(std::setlocale(category, nullptr)) {
    ok_ = std::setlocale(category, name) != nullptr;
  }
  ~ProcessLocale() { std::setlocale(category_, saved_.c_str()); }
  ProcessLocale(const ProcessLocale&) = delete;
  ProcessLocale& operator=(const ProcessLocale&) = delete;
  bool ok() const { return ok_; }

 private:
  int category_;
  std::string saved_;
  bool ok_;
};

}  // namespace testing_support

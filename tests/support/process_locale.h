// The C library's locale set for as long as an object lives, as a program sets it from the
// user's environment: for the tests that need a particular one whatever the run's own.
#pragma once

#include <clocale>
#include <cstdlib>
#include <optional>
#include <string>

namespace testing_support {

// A decimal-comma locale that scripts/install-deps provides.
inline constexpr const char* kDecimalCommaLocale = "de_DE.UTF-8";

// The UTF-8 locale of a language and country: "de_CH" gives "de_CH.UTF-8"; "C" stays "C".
inline std::string Utf8Locale(const std::string& name) { return name == "C" ? name : name + ".UTF-8"; }

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

// A variable of the environment set, or removed for nullptr, for as long as an object lives.
class EnvironmentVariable {
 public:
  EnvironmentVariable(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) saved_ = old;
    Put(value);
  }
  ~EnvironmentVariable() { Put(saved_ ? saved_->c_str() : nullptr); }
  EnvironmentVariable(const EnvironmentVariable&) = delete;
  EnvironmentVariable& operator=(const EnvironmentVariable&) = delete;

 private:
  void Put(const char* value) {
    if (value)
      setenv(name_.c_str(), value, 1);
    else
      unsetenv(name_.c_str());
  }

  std::string name_;
  std::optional<std::string> saved_;
};

}  // namespace testing_support

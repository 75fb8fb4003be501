// A temporary program folder for engine tests, optionally seeded with the shipped data.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "engine/pitchlog.h"
#include "tests/support/process_locale.h"

namespace testing_support {

class AppFolder {
 public:
  enum Seed { kShippedData, kEmpty };
  explicit AppFolder(Seed seed = kShippedData);
  ~AppFolder();
  AppFolder(const AppFolder&) = delete;
  AppFolder& operator=(const AppFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path File(const std::string& relative) const { return path_ / relative; }
  void Write(const std::string& relative, const std::string& content) const;
  std::string Read(const std::string& relative) const;
  bool Exists(const std::string& relative) const;
  void Remove(const std::string& relative) const;

 private:
  std::filesystem::path path_;
};

// A results file with the declarations every results file carries and the given content of
// its groups and games elements.
std::string ResultsXml(const std::string& groups, const std::string& games);

// An engine whose AppPath is the folder.
std::unique_ptr<kelvane::Pitchlog> NewEngine(const AppFolder& folder);

// Runs f and returns the kind of kelvane::Error it threw; fails the test when it threw none.
kelvane::ErrorKind ErrorOf(const std::function<void()>& f);

}  // namespace testing_support

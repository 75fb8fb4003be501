#include "tests/engine/fixture.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

namespace testing_support {

AppFolder::AppFolder(Seed seed) {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("pitchlog-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  if (seed == kShippedData) {
    std::filesystem::copy(PITCHLOG_DATA_DIR, path_, std::filesystem::copy_options::recursive);
  } else {
    std::filesystem::create_directories(path_ / "Data");
    std::filesystem::create_directories(path_ / "Results");
  }
}

AppFolder::~AppFolder() {
  std::error_code ec;
  // Read-only files set up by a test must not block the clean-up.
  for (auto it = std::filesystem::recursive_directory_iterator(path_, ec);
       !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
    std::filesystem::permissions(it->path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

void AppFolder::Write(const std::string& relative, const std::string& content) const {
  std::filesystem::create_directories(File(relative).parent_path());
  std::ofstream out(File(relative), std::ios::binary | std::ios::trunc);
  out << content;
  ASSERT_TRUE(out.good()) << relative;
}

std::string AppFolder::Read(const std::string& relative) const {
  std::ifstream in(File(relative), std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

bool AppFolder::Exists(const std::string& relative) const { return std::filesystem::exists(File(relative)); }

void AppFolder::Remove(const std::string& relative) const { std::filesystem::remove_all(File(relative)); }

std::string ResultsXml(const std::string& groups, const std::string& games) {
  return "<?xml version=\"1.0\"?>\n"
         "<!DOCTYPE results [<!ATTLIST game gameid ID #REQUIRED><!ATTLIST koteam koteamid ID #REQUIRED>]>\n"
         "<results><groups>" + groups + "</groups><games>" + games + "</games></results>\n";
}

std::unique_ptr<kelvane::Pitchlog> NewEngine(const AppFolder& folder) {
  auto engine = std::make_unique<kelvane::Pitchlog>();
  engine->SetAppPath(folder.path().string());
  return engine;
}

kelvane::ErrorKind ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const kelvane::Error& e) {
    return e.kind();
  }
  ADD_FAILURE() << "expected an error";
  return kelvane::ErrorKind::Other;
}

}  // namespace testing_support

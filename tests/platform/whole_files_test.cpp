// Replacing a file so that a killed program or a power cut leaves the old file or the new one,
// and nothing else. The file calls of the code under test are watched by interposing fsync and
// rename in this test program.
#include "platform/xml/whole_files.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> g_calls;  // "fsync PATH" and "rename FROM TO", while recording
bool g_recording = false;
int g_hang_in_fsync = -1;  // when set, fsync writes a byte there and waits to be killed

std::string PathOf(int fd) {
  char link[4096];
  const ssize_t size = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), link, sizeof link);
  return size > 0 ? std::string(link, static_cast<size_t>(size)) : "?";
}

}  // namespace

extern "C" int fsync(int fd) {
  static const auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
  if (g_recording) g_calls.push_back("fsync " + PathOf(fd));
  if (g_hang_in_fsync >= 0 && ::write(g_hang_in_fsync, "!", 1) == 1)
    for (;;) ::pause();
  return real(fd);
}

extern "C" int rename(const char* from, const char* to) {
  static const auto real = reinterpret_cast<int (*)(const char*, const char*)>(::dlsym(RTLD_NEXT, "rename"));
  if (g_recording) g_calls.push_back(std::string("rename ") + from + " " + to);
  return real(from, to);
}

namespace kelvane::xml {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

class ReplacingFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "whole_files_test.XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = fs::canonical(pattern);
    target_ = dir_ / "Results.xml";
    WriteFile(target_, "old");
  }
  void TearDown() override {
    g_recording = false;
    g_calls.clear();
    fs::remove_all(dir_);
  }
  std::vector<std::string> Names(const fs::path& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
  fs::path target_;
};

TEST_F(ReplacingFiles, DataReachesTheDiskBeforeTheRenameAndTheFolderAfterIt) {
  g_recording = true;
  ReplaceFile(target_.string(), "new");
  g_recording = false;
  ASSERT_EQ(g_calls.size(), 3u) << ::testing::PrintToString(g_calls);
  const std::regex temporary(std::regex_replace(target_.string(), std::regex(R"([.])"), R"(\.)") + R"(\.[A-Za-z0-9]{6})");
  const std::string synced = g_calls[0].substr(std::string("fsync ").size());
  EXPECT_TRUE(std::regex_match(synced, temporary)) << g_calls[0];
  EXPECT_EQ(g_calls[1], "rename " + synced + " " + target_.string());
  EXPECT_EQ(g_calls[2], "fsync " + dir_.string());
  EXPECT_EQ(ReadFile(target_), "new");
}

// A save killed after writing its temporary file but before the rename: the old file stands,
// and the next save of that file takes the leftover away.
TEST_F(ReplacingFiles, TheNextSaveRemovesWhatAKilledSaveLeftBehind) {
  int in_fsync[2];
  ASSERT_EQ(::pipe(in_fsync), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    g_hang_in_fsync = in_fsync[1];
    ReplaceFile(target_.string(), "half");
    ::_exit(0);
  }
  char byte = 0;
  ASSERT_EQ(::read(in_fsync[0], &byte, 1), 1);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  ::close(in_fsync[0]);
  ::close(in_fsync[1]);
  ASSERT_EQ(Names(dir_).size(), 2u) << ::testing::PrintToString(Names(dir_));
  EXPECT_EQ(ReadFile(target_), "old");

  ReplaceFile(target_.string(), "new");
  EXPECT_EQ(Names(dir_), std::vector<std::string>{"Results.xml"});
  EXPECT_EQ(ReadFile(target_), "new");
}

TEST_F(ReplacingFiles, OnlyAbandonedTemporariesOfThatFileGo) {
  const std::vector<std::string> kept = {
      "Results.xml.a1B2c",     // too short
      "Results.xml.a1B2c3d",   // too long
      "Results.xml.a1B-c3",    // not mkstemp's letters
      "results.xml.a1B2c3",    // another file's (names keep their case)
      "Other.xml.a1B2c3",
      "Results.xml",
  };
  for (const std::string& name : kept)
    if (name != "Results.xml") WriteFile(dir_ / name, "x");
  WriteFile(dir_ / "Results.xml.a1B2c3", "left");
  WriteFile(dir_ / "Results.xml.ZZ9zz9", "left");
  fs::create_directory(dir_ / "Results.xml.d1r2c3");
  fs::create_directory(dir_ / "Sub");
  WriteFile(dir_ / "Sub" / "Results.xml.a1B2c3", "beside another file");
  WriteFile(dir_ / "outside", "linked");
  fs::create_symlink(dir_ / "outside", dir_ / "Results.xml.L1nk00");
  // A save in progress elsewhere holds its temporary file locked.
  WriteFile(dir_ / "Results.xml.Busy00", "being written");
  const int busy = ::open((dir_ / "Results.xml.Busy00").c_str(), O_RDONLY);
  ASSERT_EQ(::flock(busy, LOCK_EX), 0);

  ReplaceFile(target_.string(), "new");
  ::close(busy);

  std::vector<std::string> expected = kept;
  expected.insert(expected.end(), {"Results.xml.d1r2c3", "Sub", "outside", "Results.xml.L1nk00", "Results.xml.Busy00"});
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Names(dir_), expected);
  EXPECT_EQ(Names(dir_ / "Sub"), std::vector<std::string>{"Results.xml.a1B2c3"});
  EXPECT_EQ(ReadFile(dir_ / "outside"), "linked");
}

}  // namespace
}  // namespace kelvane::xml

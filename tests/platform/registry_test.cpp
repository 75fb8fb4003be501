#include "platform/component/registry.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "platform/component/create_object.h"

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path_ = std::filesystem::temp_directory_path() /
            ("kelvane-registry-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(path_);
    setenv("KELVANE_REGISTRY", (path_ / "sub" / "registry").c_str(), 1);
  }
  void TearDown() override {
    unsetenv("KELVANE_REGISTRY");
    std::filesystem::remove_all(path_);
  }
  std::filesystem::path path_;
};

TEST_F(RegistryTest, RegisterReplacesAndUnregisterRemoves) {
  using namespace kelvane::registry;
  EXPECT_FALSE(Lookup("A.B"));
  Register("A.B", "/one/lib.so");  // creates the folder too
  Register("C.D", "/two/lib.so");
  Register("A.B", "/three/lib.so");
  EXPECT_EQ(Lookup("A.B"), "/three/lib.so");
  EXPECT_EQ(Lookup("C.D"), "/two/lib.so");
  Unregister("A.B");
  EXPECT_FALSE(Lookup("A.B"));
  EXPECT_EQ(Lookup("C.D"), "/two/lib.so");
}

// Each program folder registers its own library; a program takes the one beside it, whichever
// build or install registered last.
TEST_F(RegistryTest, LookupPrefersTheLibraryInTheProgramsFolder) {
  using namespace kelvane::registry;
  auto library_in = [&](const std::string& folder) {
    std::filesystem::create_directories(path_ / folder);
    auto lib = path_ / folder / "libkelvane.so";
    std::ofstream(lib) << "x";
    return lib.string();
  };
  const std::string installed = library_in("installed"), build = library_in("build"), other = library_in("other");
  Register("A.B", installed);
  Register("A.B", build);
  Register("A.B", other);
  EXPECT_EQ(Lookup("A.B", path_ / "installed"), installed);
  EXPECT_EQ(Lookup("A.B", path_ / "build" / ".." / "installed"), installed);
  EXPECT_EQ(Lookup("A.B", path_ / "build"), build);
  EXPECT_EQ(Lookup("A.B", path_ / "elsewhere"), other);  // no library of its own: the latest
  const std::string copied = library_in("copied");       // a copy of a program folder, unregistered
  EXPECT_EQ(Lookup("A.B", path_ / "copied"), copied);
  std::filesystem::remove(copied);
  Register("A.B", build);  // registered again: the latest, listed once
  EXPECT_EQ(Lookup("A.B", path_ / "elsewhere"), build);

  std::filesystem::remove(build);  // a build folder deleted: the latest that is left
  EXPECT_EQ(Lookup("A.B", path_ / "build"), other);
  EXPECT_EQ(Lookup("A.B", path_ / "elsewhere"), other);
  std::filesystem::remove(other);
  std::filesystem::remove(installed);
  EXPECT_EQ(Lookup("A.B", path_ / "elsewhere"), build);  // none left: the latest, to be named
  Register("A.B", library_in("installed"));  // and a registration drops the gone ones
  Unregister("A.B", installed);  // only that library's entry
  EXPECT_FALSE(Lookup("A.B", path_ / "installed"));
  Register("A.B", installed);
  Register("C.D", other);
  Unregister("A.B");
  EXPECT_FALSE(Lookup("A.B", path_ / "installed"));
  EXPECT_EQ(Lookup("C.D", path_), other);
}

TEST_F(RegistryTest, CreateObjectNamesWhatIsMissing) {
  try {
    kelvane::CreateObject("No.Such");
    FAIL();
  } catch (const kelvane::Error& e) {
    EXPECT_EQ(e.kind(), kelvane::ErrorKind::ObjectMissing);
    EXPECT_NE(std::string(e.what()).find("No.Such is not registered"), std::string::npos) << e.what();
  }
  kelvane::registry::Register("Gone.Lib", (path_ / "missing.so").string());
  try {
    kelvane::CreateObject("Gone.Lib");
    FAIL();
  } catch (const kelvane::Error& e) {
    EXPECT_EQ(e.kind(), kelvane::ErrorKind::ObjectMissing);
    EXPECT_NE(std::string(e.what()).find("missing.so"), std::string::npos) << e.what();
  }
}

}  // namespace

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

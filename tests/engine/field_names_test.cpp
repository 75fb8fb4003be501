// Fields and setting keys are found by their exact name: an empty name finds nothing, and a
// let that can't be stored changes nothing.
#include <gtest/gtest.h>

#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::ErrorOf;
using testing_support::NewEngine;
using kelvane::ErrorKind;
using kelvane::Variant;

namespace {

class FieldNames : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(engine_->LoadResultsSet("Tournament 2022").ToBool());
    ASSERT_EQ(engine_->Games("A1", "stage"), "A");
  }
  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = [this] {
    auto engine = NewEngine(app_);
    EXPECT_TRUE(engine->LoadAll().ToBool());
    return engine;
  }();
};

TEST_F(FieldNames, AnEmptyNameReadsNothing) {
  ASSERT_FALSE(engine_->Properties("timedifference").IsEmpty());
  EXPECT_TRUE(engine_->Properties("").IsEmpty());
  EXPECT_EQ(engine_->Games("A1", ""), "");
  EXPECT_EQ(engine_->Teams("ARG", ""), "");
  EXPECT_EQ(engine_->Stadia("albayt", ""), "");
  EXPECT_TRUE(engine_->Players("QAT01", "").IsEmpty());
  EXPECT_TRUE(engine_->Results("A1", "").IsEmpty());
  EXPECT_TRUE(engine_->Results("A1", "", "QAT").IsEmpty());
  EXPECT_EQ(engine_->Groups("A", 1, ""), "");
  EXPECT_TRUE(engine_->Goal("A1", "ECU", 1, "").IsEmpty());
}

TEST_F(FieldNames, ASettingWithAnEmptyOrUnstorableKeyOrValueFailsAndChangesNothing) {
  engine_->SetProperties("timedifference", "1");
  engine_->SaveProperties();
  const std::string saved = app_.Read("Data/properties.xml");
  const std::pair<std::string, std::string> lets[] = {{"", "oops"}, {"two words", "x"}, {"fresh", std::string("x\0y", 3)}};
  for (const auto& let : lets) {
    EXPECT_EQ(ErrorOf([&] { engine_->SetProperties(let.first, let.second); }), ErrorKind::Other) << let.first;
    engine_->SaveProperties();
    EXPECT_EQ(app_.Read("Data/properties.xml"), saved) << let.first;
  }
  EXPECT_EQ(engine_->Properties("timedifference"), Variant("1"));

  EXPECT_EQ(ErrorOf([&] { engine_->SetPlayers("QAT01", "", "oops"); }), ErrorKind::Other);
  EXPECT_EQ(ErrorOf([&] { engine_->SetPlayers("QAT01", "fresh", std::string("x\0y", 3)); }), ErrorKind::Other);
  EXPECT_EQ(engine_->PlayerName("QAT01"), "SAAD ALSHEEB");
  EXPECT_TRUE(engine_->Players("QAT01", "fresh").IsEmpty());
  EXPECT_FALSE(engine_->PlayersChanged());
}

// Game, team and field are created only once the whole let is known to hold.
TEST_F(FieldNames, AResultsLetThatCannotBeStoredChangesNothing) {
  engine_->SaveScenario();
  const std::string saved = app_.Read("Results/Tournament 2022.xml");
  const struct {
    const char* game;
    const char* field;
    const char* team;
    std::string value;
    ErrorKind kind;
  } lets[] = {
      {"A1", "", "QAT", "1", ErrorKind::Other},                     // empty field on a known game
      {"H9", "", "", "1", ErrorKind::Other},                        // empty field on a new game
      {"H9", "p", "POR", std::string("x\0y", 3), ErrorKind::Other},  // text XML can't hold
      {"H9", "p", "\x01", "1", ErrorKind::Other},                   // team id XML can't hold
      {"H9", "two words", "POR", "1", ErrorKind::Other},
      {"", "p", "POR", "1", ErrorKind::Other},                      // no game id
      {"H9", "f", "POR", "two", ErrorKind::TypeMismatch},
      {"A1", "f", "QAT", "40000", ErrorKind::Overflow},
  };
  for (const auto& let : lets) {
    EXPECT_EQ(ErrorOf([&] { engine_->SetResults(let.game, let.field, let.team, let.value); }), let.kind)
        << let.game << " " << let.field << " " << let.team;
    EXPECT_FALSE(engine_->ResultsChanged()) << let.game << " " << let.field;
  }
  engine_->SaveScenario();
  EXPECT_EQ(app_.Read("Results/Tournament 2022.xml"), saved);
}

}  // namespace

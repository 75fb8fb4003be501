// Entering scores and moving teams through the knock-out bracket.
#include <gtest/gtest.h>

#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::ErrorOf;
using testing_support::NewEngine;
using kelvane::Variant;

namespace {

class Scoring : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(engine_->LoadAll().ToBool()); }
  std::string R(const char* game, const char* field, const char* team = "") {
    return engine_->Results(game, field, team).ToString();
  }
  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
};

TEST_F(Scoring, GoalessGroupDrawIsADrawForBoth) {
  engine_->GroupScore("A1", 0, 0);
  for (const char* team : {"QAT", "ECU"})
    EXPECT_EQ(R("A1", "p", team) + R("A1", "w", team) + R("A1", "d", team) + R("A1", "l", team), "1010");
  EXPECT_EQ(engine_->GroupP("A", 1), 1);  // the table was recomputed
  EXPECT_TRUE(engine_->ResultsChanged());
}

TEST_F(Scoring, EachLaterStageThatIsNotLevelDecides) {
  engine_->SetProgression("_A1", "NED");
  engine_->SetProgression("_B2", "USA");
  engine_->KOScore("V1", 2, 1, "", "", "", "", 0, 1, true);  // 2-1, extra time 0-1
  EXPECT_EQ(R("V1", "winner"), "USA");
  EXPECT_EQ(engine_->ProgressionTeam("_V1"), "USA");
  EXPECT_EQ(R("V1", "etf", "USA") + R("V1", "eta", "USA"), "10");
  EXPECT_TRUE(engine_->ExtraTime("V1"));
  EXPECT_TRUE(engine_->Results("V1", "pw", "USA").IsEmpty());

  engine_->KOScore("V1", 1, 1, 5, 4, 4, 3, 0, 0, true);  // shoot-out 4-3
  EXPECT_EQ(R("V1", "winner"), "NED");
  EXPECT_EQ(R("V1", "pw", "NED") + R("V1", "pl", "NED") + R("V1", "pw", "USA") + R("V1", "pl", "USA"), "1001");
  EXPECT_EQ(R("V1", "pentakenf", "USA") + R("V1", "penscoreda", "USA"), "44");
}

TEST_F(Scoring, LevelGameHasNoWinnerAndClearsTheBracketBelow) {
  engine_->SetProgression("_A1", "NED");
  engine_->SetProgression("_B2", "USA");
  engine_->KOScore("V1", 1, 0, "", "", "", "");
  engine_->SetResult("W1", true);  // the quarter-final V1's winner plays
  ASSERT_TRUE(engine_->Result("W1"));

  engine_->KOScore("V1", 1, 1, 5, 5, 4, 4);  // level shoot-out: no pw or pl
  EXPECT_EQ(R("V1", "winner"), "");
  EXPECT_TRUE(engine_->Results("V1", "pw", "NED").IsEmpty());
  EXPECT_EQ(engine_->ProgressionTeam("_V1"), "");
  EXPECT_FALSE(engine_->Result("W1"));
  EXPECT_TRUE(engine_->Results("W1", "result").IsEmpty());  // the whole record is gone
}

TEST_F(Scoring, SemiFinalFillsAndEmptiesItsLoserSlot) {
  engine_->SetProgression("_W1", "ARG");
  engine_->SetProgression("_W2", "CRO");
  engine_->KOScore("X1", 3, 0, "", "", "", "");
  EXPECT_EQ(engine_->ProgressionTeam("_X1"), "ARG");
  EXPECT_EQ(engine_->ProgressionTeam("_X12"), "CRO");
  EXPECT_EQ(engine_->HomeTeam(Variant("Y1")), "CRO");
  engine_->SetResult("Y1", true);

  engine_->SetProgression("_X1", "");
  EXPECT_EQ(engine_->ProgressionTeam("_X12"), "");
  EXPECT_TRUE(engine_->Results("Y1", "result").IsEmpty());
}

TEST_F(Scoring, SetProgressionChangesOnlyWhatDiffers) {
  engine_->SetProgression("_A1", "NED");
  engine_->SetResult("V1", true);
  engine_->SaveResults();  // clears the flag
  engine_->SetProgression("_A1", "NED");
  EXPECT_TRUE(engine_->Result("V1"));
  EXPECT_FALSE(engine_->ResultsChanged());

  engine_->SetProgression("_C1", "");  // emptying a slot that doesn't exist creates nothing
  EXPECT_FALSE(engine_->ResultsChanged());
  EXPECT_EQ(app_.Read("Results/Results.xml").find("_C1"), std::string::npos);
  engine_->SaveResults();
  EXPECT_EQ(app_.Read("Results/Results.xml").find("_C1"), std::string::npos);

  engine_->SetProgression("_A1", "SEN");  // a new team: the game it feeds loses its record
  EXPECT_FALSE(engine_->Result("V1"));
  EXPECT_TRUE(engine_->ResultsChanged());
}

TEST_F(Scoring, BadShootOutFigureFailsBeforeAnyWrite) {
  EXPECT_EQ(ErrorOf([&] { engine_->KOScore("V1", 1, 1, 5, 5, "four", 3); }), kelvane::ErrorKind::TypeMismatch);
  EXPECT_EQ(ErrorOf([&] { engine_->KOScore("V1", 1, 1, 5, 5, 4, 40000); }), kelvane::ErrorKind::Overflow);
  EXPECT_TRUE(engine_->Results("V1", "p", "_A1").IsEmpty());
  EXPECT_FALSE(engine_->ResultsChanged());
}

}  // namespace

// Goal records and shoot-out kicks of a game's team records.
#include <gtest/gtest.h>

#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::ErrorOf;
using testing_support::NewEngine;
using kelvane::ErrorKind;
using kelvane::Variant;

namespace {

// The shipped fixtures and players (A1 is QAT v ECU) with these game records.
class GoalsTest : public ::testing::Test {
 protected:
  void Load(const std::string& games) {
    app_.Write("Results/Results.xml", testing_support::ResultsXml("", games));
    ASSERT_TRUE(engine_->LoadAll().ToBool());
  }
  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
};

TEST_F(GoalsTest, GoalsAreCappedAtNormalAndExtraTimeGoals) {
  const struct {
    const char* figures;
    int allowed;
  } cases[] = {
      {"<f>2</f><etf>1</etf>", 3},
      {"<f>2</f>", 2},
      {"<etf>1</etf>", 1},
      {"<f></f><etf/>", 0},
      {"", 0},
  };
  for (const auto& c : cases) {
    Load(std::string("<game gameid=\"V1\"><team teamid=\"NED\">") + c.figures + "</team></game>");
    int added = 0;
    while (added < 5 && engine_->AddGoal("V1", "NED", "", false, false, Variant(), int16_t(added))) ++added;
    EXPECT_EQ(added, c.allowed) << c.figures;
    EXPECT_EQ(engine_->ResultsChanged(), c.allowed > 0);
    EXPECT_TRUE(engine_->Goal("V1", "NED", static_cast<int16_t>(c.allowed + 1), "minutes").IsEmpty());
  }
  EXPECT_FALSE(engine_->AddGoal("V2", "NED"));
  EXPECT_FALSE(engine_->AddGoal("V1", "USA"));
}

TEST_F(GoalsTest, GoalRecordHoldsOnlyWhatWasGiven) {
  Load("<game gameid=\"C1\"><team teamid=\"ARG\"><f>4</f></team></game>");
  ASSERT_TRUE(engine_->AddGoal("C1", "ARG", "ARG10", true, false, int16_t{1}, "10"));
  ASSERT_TRUE(engine_->AddGoal("C1", "ARG", "XYZ99", false, true, "extra", 45.5));
  ASSERT_TRUE(engine_->AddGoal("C1", "ARG"));
  EXPECT_EQ(engine_->Goal("C1", "ARG", 1, "PlayerName"), Variant("Lionel MESSI"));
  EXPECT_EQ(engine_->Goal("C1", "ARG", 1, "playerid"), Variant("ARG10"));
  EXPECT_EQ(engine_->Goal("C1", "ARG", 1, "pen"), Variant("1"));
  EXPECT_TRUE(engine_->Goal("C1", "ARG", 1, "og").IsEmpty());
  EXPECT_EQ(engine_->Goal("C1", "ARG", 1, "period"), Variant("1"));
  EXPECT_EQ(engine_->Goal("C1", "ARG", 1, "minutes"), Variant("10"));
  // An id that the players file lacks is its own name.
  EXPECT_EQ(engine_->Goal("C1", "ARG", 2, "playername"), Variant("XYZ99"));
  EXPECT_EQ(engine_->Goal("C1", "ARG", 2, "og"), Variant("1"));
  EXPECT_TRUE(engine_->Goal("C1", "ARG", 2, "period").IsEmpty());  // not a number
  EXPECT_EQ(engine_->Goal("C1", "ARG", 2, "minutes"), Variant("45.5"));
  engine_->SaveResults();
  EXPECT_NE(app_.Read("Results/Results.xml").find("<goal/>"), std::string::npos);
  for (int16_t no : {0, -1, 4}) EXPECT_TRUE(engine_->Goal("C1", "ARG", no, "minutes").IsEmpty()) << no;
}

TEST_F(GoalsTest, ChangingAGoalMarksTheResults) {
  Load("<game gameid=\"C1\"><team teamid=\"ARG\"><f>2</f><goal><playerid>ARG9</playerid><pen>1</pen></goal>"
       "<goal/></team></game>");
  engine_->SetGoalPlayer("C1", "ARG", 1, "ARG10");
  EXPECT_EQ(engine_->Goal("C1", "ARG", 1, "playerid"), Variant("ARG10"));
  EXPECT_EQ(engine_->Goal("C1", "ARG", 1, "playername"), Variant("Lionel MESSI"));
  EXPECT_TRUE(engine_->ResultsChanged());

  // Every change marks them, also one that only rewrites a field's text.
  const std::function<void()> changes[] = {
      [&] { engine_->SetGoalPlayer("C1", "ARG", 1, "XYZ99"); },
      [&] { engine_->SetGoalPen("C1", "ARG", 1, false); },
      [&] { engine_->SetGoalOG("C1", "ARG", 2, true); },
      [&] { engine_->SetGoalPeriod("C1", "ARG", 2, int16_t{2}); },
      [&] { engine_->SetGoalMinutes("C1", "ARG", 2, "90"); },
  };
  for (const auto& change : changes) {
    engine_->SaveResults();
    change();
    EXPECT_TRUE(engine_->ResultsChanged());
  }
  EXPECT_EQ(engine_->Goal("C1", "ARG", 1, "playername"), Variant("XYZ99"));
  EXPECT_EQ(engine_->Goal("C1", "ARG", 1, "pen"), Variant(""));  // kept, emptied
  EXPECT_EQ(engine_->Goal("C1", "ARG", 2, "og"), Variant("1"));
  EXPECT_EQ(engine_->Goal("C1", "ARG", 2, "period"), Variant("2"));
  EXPECT_EQ(engine_->Goal("C1", "ARG", 2, "Minutes"), Variant("90"));

  engine_->SaveResults();
  engine_->SetGoalMinutes("C1", "ARG", 3, "1");
  engine_->SetGoalMinutes("C2", "ARG", 1, "1");
  engine_->SetGoal("C1", "POL", 1, "minutes", "1");
  EXPECT_FALSE(engine_->ResultsChanged());
  for (int16_t no : {0, -1})
    EXPECT_EQ(ErrorOf([&] { engine_->SetGoalPen("C1", "ARG", no, true); }), ErrorKind::SubscriptOutOfRange);
}

TEST_F(GoalsTest, KicksAreCappedAtKicksTaken) {
  Load("<game gameid=\"W1\"><team teamid=\"CRO\"><pentakenf>2</pentakenf></team><team teamid=\"BRA\"/></game>");
  EXPECT_TRUE(engine_->AddPenalty("W1", "CRO", true, "CRO10"));
  EXPECT_TRUE(engine_->AddPenalty("W1", "CRO", false));
  EXPECT_FALSE(engine_->AddPenalty("W1", "CRO", true));
  EXPECT_FALSE(engine_->AddPenalty("W1", "BRA", true));  // no kicks taken written yet
  EXPECT_FALSE(engine_->AddPenalty("W2", "CRO", true));
  EXPECT_EQ(engine_->Penalty("W1", "CRO", 1, "takerid"), Variant("CRO10"));
  EXPECT_EQ(engine_->Penalty("W1", "CRO", 1, "scored"), Variant("1"));
  EXPECT_EQ(engine_->Penalty("W1", "CRO", 1, "missed"), Variant("0"));
  EXPECT_TRUE(engine_->Penalty("W1", "CRO", 2, "takername").IsEmpty());
  EXPECT_EQ(engine_->Penalty("W1", "CRO", 2, "Scored"), Variant("0"));
  EXPECT_EQ(engine_->Penalty("W1", "CRO", 2, "missed"), Variant("1"));
  for (int16_t no : {0, 3}) EXPECT_TRUE(engine_->Penalty("W1", "CRO", no, "scored").IsEmpty()) << no;
}

TEST_F(GoalsTest, RemovingKicksEmptiesOnlyThatTeamsShootOutFigures) {
  const std::string figures =
      "<pentakenf>5</pentakenf><pentakena>4</pentakena><penscoredf>4</penscoredf><penscoreda>2</penscoreda>"
      "<pw>1</pw><pl>0</pl>";
  Load("<game gameid=\"W1\"><winner>CRO</winner><team teamid=\"CRO\">" + figures +
       "<penalty><scored>1</scored></penalty><penalty><scored>0</scored></penalty></team>"
       "<team teamid=\"BRA\">" + figures + "</team></game>");
  engine_->RemovePenalties("W1", "BRA");  // no kicks: figures stay
  EXPECT_FALSE(engine_->ResultsChanged());
  EXPECT_EQ(engine_->Results("W1", "pentakenf", "BRA"), Variant("5"));

  engine_->RemovePenalties("W1", "CRO");
  EXPECT_TRUE(engine_->ResultsChanged());
  EXPECT_TRUE(engine_->Penalty("W1", "CRO", 1, "scored").IsEmpty());
  for (const char* field : {"pentakenf", "pentakena", "penscoredf", "penscoreda", "pw", "pl"}) {
    EXPECT_EQ(engine_->Results("W1", field, "CRO"), Variant("")) << field;
    EXPECT_NE(engine_->Results("W1", field, "BRA"), Variant("")) << field;
  }
  EXPECT_EQ(engine_->Results("W1", "winner"), Variant("CRO"));
  EXPECT_EQ(engine_->Results("W1", "f", "CRO"), Variant());
}

TEST_F(GoalsTest, GameHasPenaltiesLooksAtTheHomeAndAwayTeams) {
  const std::string kick = "<penalty><scored>1</scored></penalty>";
  Load("<game gameid=\"A1\"><team teamid=\"QAT\">" + kick + "</team><team teamid=\"ECU\"/></game>"
       "<game gameid=\"A2\"><team teamid=\"SEN\"/><team teamid=\"NED\">" + kick + "</team></game>"
       "<game gameid=\"A3\"><team teamid=\"QAT\"/><team teamid=\"SEN\"/></game>"
       "<game gameid=\"A4\"><team teamid=\"ARG\">" + kick + "</team></game>");
  EXPECT_TRUE(engine_->GameHasPenalties("A1"));
  EXPECT_TRUE(engine_->GameHasPenalties("A2"));
  EXPECT_FALSE(engine_->GameHasPenalties("A3"));
  EXPECT_FALSE(engine_->GameHasPenalties("A4"));  // ARG doesn't play in A4
  EXPECT_FALSE(engine_->GameHasPenalties("A5"));
}

TEST_F(GoalsTest, OptionalArgumentsByName) {
  Load("<game gameid=\"C1\"><team teamid=\"ARG\"><f>2</f></team></game>");
  std::vector<Variant> goal{Variant("C1"), Variant("ARG"), Variant("ARG10")};
  EXPECT_EQ(engine_->Invoke("AddGoal", kelvane::CallKind::Get, goal), Variant(true));
  std::vector<Variant> pen{Variant("C1"), Variant("ARG"), Variant(int16_t{1}), Variant(true)};
  engine_->Invoke("GoalPen", kelvane::CallKind::Let, pen);
  std::vector<Variant> minutes{Variant("C1"), Variant("ARG"), Variant(int16_t{1}), Variant("23")};
  engine_->Invoke("GoalMinutes", kelvane::CallKind::Let, minutes);
  std::vector<Variant> read{Variant("C1"), Variant("ARG"), Variant(int16_t{1}), Variant("pen")};
  EXPECT_EQ(engine_->Invoke("Goal", kelvane::CallKind::Get, read), Variant("1"));
  EXPECT_EQ(engine_->Goal("C1", "ARG", 1, "minutes"), Variant("23"));
  EXPECT_EQ(engine_->Goal("C1", "ARG", 1, "playername"), Variant("Lionel MESSI"));
}

}  // namespace

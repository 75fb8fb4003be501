// The whole 2022 tournament entered through the engine as the score dialogs enter it.
#include <gtest/gtest.h>

#include <set>

#include "tests/engine/fixture.h"
#include "tools/tournament_replay.h"

using testing_support::AppFolder;
using testing_support::NewEngine;
using kelvane::Variant;

namespace {

class Tournament2022 : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(engine_->LoadAll().ToBool());
    facts_ = kelvane::replay::LoadFacts(PITCHLOG_FACTS_FILE);
    team_ids_ = kelvane::replay::TeamIds(*engine_);
    game_ids_ = kelvane::replay::GameIds(*engine_);
  }
  std::string Id(const nlohmann::json& name) { return team_ids_.at(name.get<std::string>()); }

  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
  nlohmann::json facts_;
  std::map<std::string, std::string> team_ids_;
  std::map<int, std::string> game_ids_;
};

TEST_F(Tournament2022, EveryTableBracketAndWinnerAsItHappened) {
  // Each knock-out game meets the right teams by the time it is played.
  kelvane::replay::PlayAll(*engine_, facts_, [&](const nlohmann::json& game, const std::string& id) {
    EXPECT_EQ(engine_->HomeTeam(Variant(id)), Id(game["home"])) << id;
    EXPECT_EQ(engine_->AwayTeam(Variant(id)), Id(game["away"])) << id;
  });

  for (const auto& [group, table] : facts_["tables"].items()) {
    std::map<std::string, int16_t> row_of;
    for (int16_t i = 1; i <= 4; ++i) row_of[engine_->GroupTeamID(group, i)] = i;
    for (size_t place = 0; place < table.size(); ++place) {
      const auto& want = table[place];
      const int16_t row = row_of.at(Id(want["team"]));
      SCOPED_TRACE(group + " " + want["team"].get<std::string>());
      EXPECT_EQ(engine_->GroupPos(group, row), std::to_string(place + 1));
      EXPECT_EQ(engine_->GroupP(group, row), want["p"]);
      EXPECT_EQ(engine_->GroupW(group, row), want["w"]);
      EXPECT_EQ(engine_->GroupD(group, row), want["d"]);
      EXPECT_EQ(engine_->GroupL(group, row), want["l"]);
      EXPECT_EQ(engine_->GroupF(group, row), want["gf"]);
      EXPECT_EQ(engine_->GroupA(group, row), want["ga"]);
      EXPECT_EQ(engine_->GroupPts(group, row), want["pts"]);
    }
  }

  int shootouts = 0;
  for (const auto& game : facts_["games"]) {
    const std::string id = game_ids_.at(game["no"].get<int>());
    if (id[0] < 'I') continue;
    const auto& decider = !game["pens"].is_null() ? game["pens"] : !game["et"].is_null() ? game["et"] : game["score"];
    const auto& winner = decider[0] > decider[1] ? game["home"] : game["away"];
    EXPECT_EQ(engine_->Results(id, "winner").ToString(), Id(winner)) << id;
    EXPECT_TRUE(engine_->Result(id)) << id;
    shootouts += engine_->GameHasPenalties(id);
  }
  EXPECT_EQ(shootouts, 5);
  EXPECT_EQ(engine_->HomeTeam(Variant("Y1")), engine_->Results("X1", "loser").ToString());
  EXPECT_EQ(engine_->AwayTeam(Variant("Y1")), engine_->Results("X2", "loser").ToString());
  EXPECT_EQ(engine_->ProgressionTeam("_Z1"), "ARG");
  EXPECT_EQ(engine_->Goal("Z1", "FRA", 3, "playername").ToString(), "Kylian MBAPPE");
}

TEST_F(Tournament2022, ChangedGroupResultClearsOnlyWhatTheDisplacedTeamReached) {
  kelvane::replay::PlayAll(*engine_, facts_);
  ASSERT_EQ(engine_->ProgressionTeam("_A2"), "SEN");

  // Ecuador beat Senegal instead: Ecuador second, Senegal out of the round of 16.
  engine_->RemoveResult("A5");
  engine_->GroupScore("A5", 2, 1);
  engine_->SetResult("A5", true);
  engine_->CalcGroupTable("A");
  EXPECT_EQ(engine_->ProgressionTeam("_A2"), "ECU");

  // Senegal's game, and every game its opponent went on to reach, lost their results.
  const std::set<std::string> cleared = {"V3", "W3", "X2", "Y1", "Z1"};
  for (const auto& [no, id] : game_ids_)
    if (id[0] >= 'I') {
      EXPECT_EQ(engine_->Result(id), !cleared.count(id)) << id;
    }
  EXPECT_EQ(engine_->HomeTeam(Variant("V3")), "ENG");
  EXPECT_EQ(engine_->AwayTeam(Variant("V3")), "ECU");
  EXPECT_EQ(engine_->HomeTeam(Variant("W3")), "_V3");
  EXPECT_EQ(engine_->ProgressionTeam("_X12"), "CRO");  // the other semi-final stands
}

TEST_F(Tournament2022, ShippedResultSetIsExactlyTheReplay) {
  ASSERT_TRUE(engine_->LoadResultsSet("Tournament 2022").ToBool());
  EXPECT_EQ(engine_->HomeTeamName(Variant("Z1")), "Argentina");
  EXPECT_EQ(engine_->Results("Z1", "winner").ToString(), "ARG");

  auto fresh = NewEngine(app_);
  ASSERT_TRUE(fresh->LoadAll().ToBool());
  kelvane::replay::PlayAll(*fresh, facts_);
  std::string name = "Replayed";
  fresh->SaveScenario(name);
  EXPECT_EQ(app_.Read("Results/Replayed.xml"), app_.Read("Results/Tournament 2022.xml"))
      << "run tools' replay-tournament again to refresh data/Results/Tournament 2022.xml";
}

}  // namespace

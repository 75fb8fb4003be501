// The shape of the shipped data set: teams, schedule, groups, squads and the knock-out bracket.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>

#include "platform/xml/document.h"
#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::NewEngine;
using kelvane::Variant;

namespace {

class ShippedData : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(engine_->LoadAll().ToBool()); }

  std::vector<std::string> TeamIds() {
    const kelvane::Array list = engine_->TeamList().AsArray();
    std::vector<std::string> ids;
    for (int32_t j = 0; j <= list.UBound(2); ++j) ids.push_back(list.at(0, j).ToString());
    return ids;
  }

  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
};

TEST_F(ShippedData, ThirtyTwoNamedTeams) {
  const kelvane::Array list = engine_->TeamList().AsArray();
  ASSERT_EQ(list.UBound(2), 31);
  std::set<std::string> ids;
  for (int32_t j = 0; j <= 31; ++j) {
    ids.insert(list.at(0, j).ToString());
    EXPECT_FALSE(list.at(1, j).ToString().empty()) << list.at(0, j).ToString();
  }
  EXPECT_EQ(ids.size(), 32u);
}

TEST_F(ShippedData, ScheduleIsGroupGamesThenTheKnockOutRoundsInNumberOrder) {
  ASSERT_EQ(engine_->LoadSchedule(), 64);
  std::map<std::string, int> group_games;
  std::vector<std::string> knock_out;
  for (int16_t i = 0; i < 64; ++i) {
    const std::string id = engine_->ScheduleGameID(i);
    EXPECT_EQ(engine_->Games(i, "gameno"), std::to_string(i + 1)) << id;
    EXPECT_EQ(engine_->GameStage(i), id.substr(0, 1)) << id;
    if (i < 48) {
      const std::string stage = engine_->GameStage(i);
      ASSERT_TRUE(stage.size() == 1 && stage[0] >= 'A' && stage[0] <= 'H') << id;
      EXPECT_EQ(id, stage + std::to_string(++group_games[stage])) << "game number " << i + 1;
    } else {
      knock_out.push_back(id);
    }
  }
  EXPECT_EQ(group_games.size(), 8u);
  for (const auto& [group, count] : group_games) EXPECT_EQ(count, 6) << group;
  const std::vector<std::string> rounds = {"V1", "V2", "V3", "V4", "V5", "V6", "V7", "V8",
                                           "W1", "W2", "W3", "W4", "X1", "X2", "Y1", "Z1"};
  EXPECT_EQ(knock_out, rounds);
}

TEST_F(ShippedData, EveryKickOffIsReadable) {
  ASSERT_EQ(engine_->LoadSchedule(), 64);
  for (int16_t i = 0; i < 64; ++i) {
    try {
      EXPECT_EQ(engine_->GameTime(i).size(), 19u);
    } catch (const kelvane::Error& e) {
      ADD_FAILURE() << engine_->ScheduleGameID(i) << ": " << e.what();
    }
  }
}

TEST_F(ShippedData, EightGroupsOfFourListedTeams) {
  kelvane::xml::Document results;
  ASSERT_TRUE(results.LoadFile(app_.File("Results/Results.xml").string())) << results.ParseError();
  const std::vector<std::string> listed = TeamIds();
  std::set<std::string> seen;
  std::string letters;
  for (const kelvane::xml::Node& group : results.Root().FirstChild("groups").Children("group")) {
    const std::string letter = group.Attribute("groupid");
    letters += letter;
    const auto rows = group.Children("groupteam");
    EXPECT_EQ(rows.size(), 4u) << letter;
    for (const auto& row : rows) {
      const std::string team = row.Attribute("teamid");
      EXPECT_TRUE(seen.insert(team).second) << team;
      EXPECT_NE(std::find(listed.begin(), listed.end(), team), listed.end()) << team;
      EXPECT_EQ(engine_->Teams(team, "group"), letter) << team;
    }
  }
  EXPECT_EQ(letters, "ABCDEFGH");
  EXPECT_EQ(seen.size(), 32u);
}

TEST_F(ShippedData, EveryTeamHasASquadOfTwoDigitIds) {
  for (const std::string& team : TeamIds()) {
    Variant squad = engine_->PlayerList(team);
    ASSERT_TRUE(squad.IsArray()) << team;
    const kelvane::Array& a = squad.AsArray();
    EXPECT_FALSE(a.at(0, 0).IsEmpty()) << team;
    for (int32_t j = 0; j <= a.UBound(2); ++j) {
      const std::string id = a.at(0, j).ToString();
      EXPECT_TRUE(id.size() == team.size() + 2 && id.starts_with(team) && std::isdigit(id[id.size() - 2]) &&
                  std::isdigit(id[id.size() - 1]))
          << id;
      EXPECT_EQ(a.at(3, j), Variant(team)) << id;
    }
  }
}

TEST_F(ShippedData, KnockOutSlotsFormTheBracket) {
  ASSERT_EQ(engine_->LoadSchedule(), 64);
  std::map<std::string, std::string> feeds;  // slot -> the game that names it
  for (int16_t i = 48; i < 64; ++i) {
    const std::string game = engine_->ScheduleGameID(i);
    for (const char* side : {"hometeam", "awayteam"}) {
      const std::string slot = engine_->Games(i, side);
      ASSERT_TRUE(slot.starts_with("_")) << game << " " << side;
      EXPECT_TRUE(feeds.emplace(slot, game).second) << slot << " named twice";
      EXPECT_FALSE(engine_->TeamName(slot).empty()) << slot;
      EXPECT_EQ(engine_->ProgressionGame(slot), game) << slot;
    }
  }
  EXPECT_EQ(feeds.size(), 32u);

  // Winners of each round meet in pairs in the next; the semi-final losers meet in Y1.
  const std::pair<const char*, const char*> rounds[] = {{"V", "W"}, {"W", "X"}};
  for (const auto& [from, to] : rounds) {
    std::map<std::string, int> fed;
    for (const auto& [slot, game] : feeds)
      if (slot.size() == 3 && slot.substr(1, 1) == from) {
        EXPECT_EQ(game.substr(0, 1), to) << slot;
        ++fed[game];
      }
    EXPECT_EQ(fed.size(), std::string(from) == "V" ? 4u : 2u) << from;
    for (const auto& [game, count] : fed) EXPECT_EQ(count, 2) << game;
  }
  for (const char* slot : {"_X1", "_X2"}) EXPECT_EQ(feeds[slot], "Z1") << slot;
  for (const char* slot : {"_X12", "_X22"}) EXPECT_EQ(feeds[slot], "Y1") << slot;
  for (const char* slot : {"_V1", "_V8", "_W1", "_W4", "_X1", "_X2", "_X12", "_X22"})
    EXPECT_TRUE(feeds.count(slot)) << slot;
}

TEST_F(ShippedData, UndecidedSlotsShowTheirPlaceholderAtTheStart) {
  EXPECT_EQ(engine_->HomeTeam("V1"), "_A1");
  EXPECT_EQ(engine_->HomeTeamName("V1"), "Winner Group A");
  EXPECT_EQ(engine_->AwayTeamName("Y1"), "Loser Match 62");
}

// The sweep files start empty but keyed, and every option can be offered and evaluated.
TEST_F(ShippedData, SweepFilesAreKeyedAndOptionsEvaluate) {
  const kelvane::Array sweeps = engine_->SweepsList().AsArray();
  EXPECT_EQ(sweeps.UBound(1), 0);
  EXPECT_EQ(sweeps.at(0), Variant(""));
  EXPECT_TRUE(engine_->MembersList().AsArray().at(0).IsEmpty());
  // Found again only through the files' id declarations.
  engine_->AddMember("Ann");
  EXPECT_TRUE(engine_->MemberExists("ann"));
  engine_->AddSweep("Office Pool", "Top Scorer", "fun");
  EXPECT_TRUE(engine_->SweepExists("office pool"));

  engine_->LoadStats();
  kelvane::xml::Document options;
  ASSERT_TRUE(options.LoadFile(app_.File("Data/sweepoptions.xml").string())) << options.ParseError();
  const kelvane::Array names = engine_->SweepOptionsList().AsArray();
  ASSERT_GE(names.UBound(1), 4);
  for (int32_t i = 0; i <= names.UBound(1); ++i) {
    const std::string name = names.at(i).ToString();
    const kelvane::xml::Node option = options.ElementById(engine_->XMLTagEncode(name));
    ASSERT_TRUE(option) << name;
    EXPECT_EQ(option.FirstChild("name").Text(), name);
    const std::string format = engine_->SweepOptions(name, "format").ToString();
    const std::string source = engine_->SweepOptions(name, "source").ToString();
    const Variant value = engine_->SweepSource(source);
    if (format == "teamlist") {
      EXPECT_TRUE(source.starts_with("Place(") ? value == Variant("") : value.AsArray().UBound(2) == 31) << name;
    } else if (format == "playerlist") {
      EXPECT_EQ(value.AsArray().Dimensions(), 1) << name;
    } else {
      EXPECT_EQ(format, "number") << name;
      EXPECT_TRUE(value.IsNumeric()) << name;
    }
  }
}

}  // namespace

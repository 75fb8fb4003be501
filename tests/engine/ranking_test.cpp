// The group ranking: the pure rules, and whole tables computed from games.
#include "engine/data/ranking_rules.h"

#include <gtest/gtest.h>

#include <regex>

#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::ErrorOf;
using testing_support::NewEngine;
using testing_support::ProcessLocale;
namespace ranking = kelvane::ranking;

namespace {

TEST(RankingRules, LabelsFromFinalScores) {
  struct Case {
    std::array<double, 4> scores;
    std::array<std::string, 4> labels;
  } cases[] = {
      {{5, 5, 5, 5}, {"1=", "1=", "1=", "1="}},
      {{9, 5, 5, 1}, {"1", "2=", "2=", "4"}},
      {{9, 9, 5, 1}, {"1=", "1=", "3", "4"}},
      {{9, 5, 1, 1}, {"1", "2", "3=", "3="}},
      {{9, 5, 5, 5}, {"1", "2=", "2=", "2="}},
      {{9, 5, 3, 1}, {"1", "2", "3", "4"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ranking::Labels(c.scores), c.labels);
}

TEST(RankingRules, RunsLevelOnPointsThatReachTheTopTwo) {
  const double pts = 10'000'000;
  auto s = [&](int a, int b, int c, int d) { return std::array<double, 4>{a * pts, b * pts + 0.3, c * pts - 0.2, d * pts}; };
  EXPECT_EQ(ranking::LevelRun(s(7, 7, 4, 1)), (std::pair{0, 1}));
  EXPECT_EQ(ranking::LevelRun(s(6, 6, 6, 0)), (std::pair{0, 2}));
  EXPECT_EQ(ranking::LevelRun(s(3, 3, 3, 3)), (std::pair{0, 3}));
  EXPECT_EQ(ranking::LevelRun(s(9, 4, 4, 4)), (std::pair{1, 3}));
  EXPECT_EQ(ranking::LevelRun(s(9, 4, 4, 0)), (std::pair{1, 2}));
  EXPECT_EQ(ranking::LevelRun(s(9, 6, 1, 1)), std::nullopt);  // places 3 and 4 only
}

TEST(RankingRules, OrderKeepsLowerIndexFirstOnEqualScores) {
  EXPECT_EQ(ranking::Order({1, 3, 3, 2}), (std::array<int, 4>{1, 2, 3, 0}));
  ranking::Totals t{3, 2, 1, 0, 5, 1};
  EXPECT_LT(ranking::Score(t, 1, 0), ranking::Score(t, 0, 0));  // a deducted point
  EXPECT_LT(ranking::Score(t, 0, 2), ranking::Score(t, 0, 1));  // the lower lot ranks higher
  EXPECT_EQ(ErrorOf([] { ranking::Points(20000, 0, 0); }), kelvane::ErrorKind::Overflow);
}

// Group A of the shipped data: A1 QAT-ECU, A2 SEN-NED, A3 QAT-SEN, A4 NED-ECU, A5 ECU-SEN, A6 NED-QAT.
class GroupA : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(engine_->LoadAll().ToBool()); }
  void Play(std::initializer_list<std::tuple<const char*, int, int>> games) {
    for (auto [id, h, a] : games) engine_->GroupScore(id, static_cast<int16_t>(h), static_cast<int16_t>(a));
  }
  std::vector<std::string> Table() {  // "team pos" in group order
    std::vector<std::string> rows;
    for (int16_t i = 1; i <= 4; ++i) rows.push_back(engine_->GroupTeamID("A", i) + " " + engine_->GroupPos("A", i));
    return rows;
  }
  // A field of the group element, read from a saved copy.
  std::string Group(const char* field) {
    std::string name = "Check";
    engine_->SaveScenario(name);
    kelvane::xml::Document doc;
    EXPECT_TRUE(doc.LoadFile(app_.File("Results/Check.xml").string()));
    return doc.Root().FirstChild("groups").Children("group")[0].FirstChild(field).Text();
  }
  std::string Slots() { return engine_->ProgressionTeam("_A1") + "/" + engine_->ProgressionTeam("_A2"); }
  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
};

TEST_F(GroupA, BeforeAnyGameAllShareFirstPlace) {
  engine_->CalcGroupTable("A");
  EXPECT_EQ(Table(), (std::vector<std::string>{"QAT 1=", "ECU 1=", "SEN 1=", "NED 1="}));
  EXPECT_EQ(Slots(), "/");
  EXPECT_EQ(Group("complete"), "false");
  EXPECT_EQ(Group("winner"), "");
}

TEST_F(GroupA, HeadToHeadDecidesTeamsLevelOnPointsForFirst) {
  // NED and SEN on 6 points; NED won their game though SEN has the better goal difference.
  Play({{"A1", 0, 0}, {"A2", 0, 1}, {"A3", 0, 5}, {"A4", 1, 0}, {"A5", 0, 4}, {"A6", 0, 1}});
  EXPECT_EQ(Table(), (std::vector<std::string>{"QAT 3", "ECU 4", "SEN 2", "NED 1"}));
  EXPECT_EQ(engine_->GroupPts("A", 3), 6);
  EXPECT_EQ(engine_->GroupF("A", 3), 9);
  EXPECT_EQ(Slots(), "NED/SEN");
  EXPECT_EQ(Group("complete"), "true");
}

TEST_F(GroupA, DrawnHeadToHeadFallsBackToOverallGoalDifference) {
  // QAT and ECU both win twice and draw each other; ECU's goal difference is better.
  Play({{"A1", 1, 1}, {"A2", 0, 0}, {"A3", 1, 0}, {"A4", 0, 3}, {"A5", 1, 0}, {"A6", 0, 1}});
  EXPECT_EQ(Table(), (std::vector<std::string>{"QAT 2", "ECU 1", "SEN 3", "NED 4"}));
}

TEST_F(GroupA, OnlyGamesAmongTheRunCountForPlacesTwoToFour) {
  // QAT wins all; ECU, SEN, NED each on 3 points. Overall ECU has the best goal difference,
  // but among the three SEN's is best; counting QAT's games would put ECU second.
  Play({{"A1", 1, 0}, {"A2", 3, 0}, {"A3", 5, 0}, {"A4", 1, 0}, {"A5", 1, 0}, {"A6", 0, 9}});
  EXPECT_EQ(Table(), (std::vector<std::string>{"QAT 1", "ECU 3", "SEN 2", "NED 4"}));
}

TEST_F(GroupA, PlacesThreeAndFourLevelUseGoalsThenLots) {
  // QAT and SEN level on everything in places 3 and 4; the top two are decided.
  Play({{"A1", 0, 1}, {"A2", 0, 2}, {"A3", 0, 0}, {"A4", 2, 0}, {"A5", 1, 0}, {"A6", 2, 0}});
  EXPECT_EQ(Table(), (std::vector<std::string>{"QAT 3=", "ECU 2", "SEN 3=", "NED 1"}));
  EXPECT_EQ(Slots(), "NED/ECU");
  engine_->SetGroupLots("A", 1, int16_t{2});
  engine_->SetGroupLots("A", 3, int16_t{1});
  engine_->CalcGroupTable("A");
  EXPECT_EQ(Table(), (std::vector<std::string>{"QAT 4", "ECU 2", "SEN 3", "NED 1"}));
}

TEST_F(GroupA, SharedSecondPlaceWaitsForLots) {
  Play({{"A1", 1, 1}, {"A2", 1, 0}, {"A3", 0, 2}, {"A4", 1, 1}, {"A5", 0, 1}, {"A6", 1, 1}});
  // SEN won all; ECU and NED level on everything, QAT a goal worse.
  EXPECT_EQ(Table(), (std::vector<std::string>{"QAT 4", "ECU 2=", "SEN 1", "NED 2="}));
  EXPECT_EQ(Slots(), "/");
  EXPECT_EQ(Group("complete"), "false");
  engine_->SetGroupLots("A", 2, int16_t{2});
  engine_->SetGroupLots("A", 4, int16_t{1});
  engine_->CalcGroupTable("A");
  EXPECT_EQ(Table(), (std::vector<std::string>{"QAT 4", "ECU 3", "SEN 1", "NED 2"}));
  EXPECT_EQ(Slots(), "SEN/NED");
}

TEST_F(GroupA, DeductedPointRanksBelowEqualRecord) {
  app_.Write("Results/Results.xml",
             std::regex_replace(app_.Read("Results/Results.xml"), std::regex("teamid=\"ECU\""),
                                "teamid=\"ECU\" deduction=\"1\""));
  ASSERT_TRUE(engine_->LoadAll().ToBool());
  Play({{"A1", 0, 0}, {"A2", 0, 0}, {"A3", 0, 0}, {"A4", 0, 0}, {"A5", 0, 0}, {"A6", 0, 0}});
  EXPECT_EQ(Table(), (std::vector<std::string>{"QAT 1=", "ECU 4", "SEN 1=", "NED 1="}));
  EXPECT_EQ(engine_->GroupPts("A", 2), 2);
  EXPECT_EQ(Slots(), "/");
}

// Two teams of a group can meet again in the knock-out games; that game must not reorder
// their finished group, nor wipe the bracket.
TEST_F(GroupA, KnockOutMeetingDoesNotReorderTheGroup) {
  Play({{"A1", 0, 0}, {"A2", 0, 1}, {"A3", 0, 5}, {"A4", 1, 0}, {"A5", 0, 4}, {"A6", 0, 1}});
  ASSERT_EQ(Slots(), "NED/SEN");
  engine_->SetResult("V1", true);  // a later result that must survive
  engine_->SetProgression("_X1", "NED");
  engine_->SetProgression("_X2", "SEN");
  for (auto [team, field] : {std::pair{"SEN", "w"}, {"NED", "l"}}) {
    engine_->SetResults("Z1", "p", team, int16_t{1});
    engine_->SetResults("Z1", field, team, int16_t{1});
  }
  engine_->SetResults("Z1", "f", "SEN", int16_t{3});
  engine_->SetResults("Z1", "a", "NED", int16_t{3});
  engine_->CalcGroupTable("A");
  EXPECT_EQ(Table(), (std::vector<std::string>{"QAT 3", "ECU 4", "SEN 2", "NED 1"}));
  EXPECT_EQ(Slots(), "NED/SEN");
  EXPECT_TRUE(engine_->Result("V1"));
}

// The stored score is written the same way on a German desktop, so that a results file ranks
// the same whichever locale saved it and whichever opens it.
TEST_F(GroupA, StoredScoreIgnoresTheLocale) {
  Play({{"A1", 0, 2}, {"A2", 0, 2}, {"A3", 1, 3}, {"A4", 1, 1}, {"A5", 1, 2}, {"A6", 2, 0}});
  EXPECT_EQ(engine_->GroupRank("A", 3), "2060000000.0105");  // Senegal
  std::vector<std::string> plain;
  for (int16_t i = 1; i <= 4; ++i) plain.push_back(engine_->GroupRank("A", i));
  ProcessLocale german(testing_support::kDecimalCommaLocale);
  ASSERT_TRUE(german.ok()) << "no " << testing_support::kDecimalCommaLocale << ": run scripts/install-deps";
  engine_->CalcGroupTable("A");
  for (int16_t i = 1; i <= 4; ++i) EXPECT_EQ(engine_->GroupRank("A", i), plain[i - 1]) << i;
  EXPECT_EQ(ranking::ScoreText(2030000000.0202), "2030000000.0202");
}

TEST_F(GroupA, UnknownGroupIsAnError) {
  EXPECT_EQ(ErrorOf([&] { engine_->CalcGroupTable("Q"); }), kelvane::ErrorKind::ObjectMissing);
}

}  // namespace

// LoadStats: team, group, player and chart figures from the results in memory.
#include <gtest/gtest.h>

#include "engine/data/stats_store.h"
#include "tests/engine/fixture.h"
#include "tools/tournament_replay.h"

using testing_support::AppFolder;
using testing_support::NewEngine;
using kelvane::Variant;

namespace {

// Team slots of the shipped teams file.
constexpr int16_t kQAT = 1, kECU = 2, kCAN = 22, kMAR = 23;
// Team stats.
constexpr int16_t kP = 0, kW = 1, kF = 4, kA = 5, kAllFor = 14, kNormalTimeGoals = 16, kAllGoals = 17,
                  kDecidedInExtraTime = 18;

// The shipped fixtures, teams and players with these game records.
class StatisticsTest : public ::testing::Test {
 protected:
  void Load(const std::string& games) {
    app_.Write("Results/Results.xml", testing_support::ResultsXml("", games));
    ASSERT_TRUE(engine_->LoadAll().ToBool());
    engine_->LoadStats();
  }
  int16_t Total(int16_t stage, int16_t team, int16_t stat) { return engine_->TeamTotals(stage, team, stat); }
  int16_t Player(int16_t stage, int16_t stat, const std::string& id) {
    return engine_->PlayerTotals(stage, stat, engine_->PlayerTotalsIndex(id));
  }

  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
};

std::string Team(const std::string& id, const std::string& figures) {
  return "<team teamid=\"" + id + "\">" + figures + "</team>";
}
std::string Game(const std::string& id, const std::string& teams) {
  return "<game gameid=\"" + id + "\">" + teams + "</game>";
}
std::string Goal(const std::string& player, const std::string& minutes, const std::string& more = "") {
  return "<goal><playerid>" + player + "</playerid>" + more + "<minutes>" + minutes + "</minutes></goal>";
}

TEST_F(StatisticsTest, OneGameFillsTeamGroupPlayerAndChartFigures) {
  Load(Game("A1", Team("QAT", "<p>1</p><w>0</w><d>0</d><l>1</l><f>0</f><a>2</a>") +
                      Team("ECU", "<p>1</p><w>1</w><d>0</d><l>0</l><f>2</f><a>0</a>" +
                                      Goal("ECU13", "16", "<pen>1</pen>") + Goal("ECU13", "31"))));
  for (int16_t stage : {0, 1}) {
    EXPECT_EQ(Total(stage, kECU, kW), 1);
    EXPECT_EQ(Total(stage, kECU, kAllFor), 2);
    EXPECT_EQ(Total(stage, kQAT, kA), 2);
    EXPECT_EQ(Total(stage, kQAT, kAllGoals), 2);
    // The tournament's row: the game once, its goals once for and once against.
    EXPECT_EQ(Total(stage, 0, kP), 1);
    EXPECT_EQ(Total(stage, 0, kW), 1);
    EXPECT_EQ(Total(stage, 0, kF), 2);
    EXPECT_EQ(Total(stage, 0, kNormalTimeGoals), 2);
    EXPECT_EQ(engine_->TeamScored(stage, kECU, 2), 1);
    EXPECT_EQ(engine_->TeamConceded(stage, kQAT, 2), 1);
    EXPECT_EQ(engine_->TeamMargins(stage, kQAT, 2), 1);
    EXPECT_EQ(engine_->TeamGoals(stage, kECU, 2), 1);
    EXPECT_EQ(Player(stage, 0, "ECU13"), 2);
    EXPECT_EQ(Player(stage, 1, "ECU13"), 1);
  }
  EXPECT_EQ(Total(2, 0, kP), 0);
  EXPECT_EQ(Total(0, 3, kP), 0);
  for (int16_t group : {0, 1}) {
    const int16_t want[] = {1, 0, 2, 0, 2};  // played, drawn, higher, lower, margins
    for (int16_t stat = 0; stat < 5; ++stat) EXPECT_EQ(engine_->GroupTotals(group, stat), want[stat]) << stat;
    EXPECT_EQ(engine_->GroupWinning(group, 2), 1);
    EXPECT_EQ(engine_->GroupLosing(group, 0), 1);
    EXPECT_EQ(engine_->GroupMargins(group, 2), 1);
    EXPECT_EQ(engine_->GroupGoals(group, 2), 1);
  }
  EXPECT_EQ(engine_->GroupTotals(2, 0), 0);

  // Series 0-2 count each game from both records, halved; 3-4 once per game; 5 per goal.
  EXPECT_EQ(engine_->ChartColumns(), Variant(int32_t{3}));
  const int16_t chart[6][3] = {{0, 0, 0}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {1, 0, 0}, {0, 1, 1}};
  for (int16_t series = 0; series < 6; ++series)
    for (int16_t column = 0; column < 3; ++column)
      EXPECT_EQ(engine_->ChartData(0, series, column), Variant(chart[series][column])) << series << " " << column;

  EXPECT_EQ(engine_->StatsTeam(0, kQAT), "QAT");
  EXPECT_EQ(engine_->StatsTeam(1, kECU), "Ecuador");
  EXPECT_EQ(engine_->StatsTeam(2, kECU), "A");
  const int16_t valencia = engine_->PlayerTotalsIndex("ECU13");
  ASSERT_EQ(valencia, 1);
  const char* info[] = {"ECU13", "Enner VALENCIA", "13", "ECU", "Ecuador", "A"};
  for (int16_t row = 0; row < 6; ++row) EXPECT_EQ(engine_->PlayerTotalsInfo(row, valencia), info[row]);
}

// A damaged or downloaded results file must never stop the statistics (the program runs them
// at start): what can't be read counts as missing, the rest as usual.
TEST_F(StatisticsTest, UnreadableFiguresCountAsMissing) {
  const struct {
    const char* f;
    int16_t counted;
  } cases[] = {{"3", 3}, {"", 0}, {"2.5", 2}, {"x", 0}, {"-1", 0}, {"99999", 0}, {"1e999", 0}, {"3 ", 3}};
  for (const auto& c : cases) {
    Load(Game("A1", Team("QAT", std::string("<p>1</p><f>") + c.f + "</f><a>1</a>") +
                        Team("ECU", "<p>1</p><f>1</f><a>0</a>")));
    EXPECT_EQ(Total(0, kQAT, kF), c.counted) << c.f;
    EXPECT_EQ(Total(0, kQAT, kA), 1) << c.f;
    EXPECT_EQ(engine_->TeamMargins(0, kQAT, static_cast<int16_t>(std::abs(c.counted - 1))), 1) << c.f;
  }

  // Broken records: no team id, no game id, extra time without its figures, a minute that is
  // no number, counts past the 16-bit range.
  Load(Game("A1", Team("QAT", "<p>1</p><f>30000</f><a>0</a>") + Team("ECU", "<p>1</p><f>0</f><a>30000</a>")) +
       Game("A2", Team("SEN", "<p>1</p><f>30000</f>" + Goal("SEN10", "90+3") + Goal("", "x")) +
                      "<team><p>1</p><f>1</f></team>") +
       "<game><team teamid=\"NED\"><p>1</p><f>1</f></team></game>" +
       Game("V1", "<extratime>true</extratime>" + Team("NED", "<p>1</p><etf>1</etf>") + Team("USA", "<p>1</p>")));
  EXPECT_EQ(Total(0, 0, kF), 32767);
  EXPECT_EQ(Total(0, 0, kAllGoals), 16384);  // saturated, then halved
  EXPECT_EQ(Total(0, 3, kF), 30000);
  EXPECT_EQ(Total(1, 4, kF), 1);  // the game without an id is a group game of no group
  EXPECT_EQ(Total(2, 4, kDecidedInExtraTime), 1);  // a missing "eta" reads 0
  EXPECT_EQ(Player(0, 0, "SEN10"), 1);
  EXPECT_EQ(engine_->PlayerTotals(0, 0, 0), 2);
  EXPECT_EQ(engine_->ChartColumns(), Variant(int32_t{30001}));
  int32_t minutes = 0;
  for (int16_t column = 0; column <= 30000; ++column) minutes += engine_->ChartData(0, 5, column).ToInt16();
  EXPECT_EQ(minutes, 0);
}

TEST_F(StatisticsTest, RecordsThatAddNothingOrPart) {
  Load(Game("A1", Team("QAT", "<p>0</p><f>3</f>" + Goal("QAT10", "5")) + Team("ECU", "<w>1</w><f>1</f><a>0</a>")) +
       Game("V1", "<extratime>true</extratime>" + Team("NED", "<p>1</p><etf>1</etf><eta>1</eta>") +
                      Team("USA", "<p>1</p><etf>0</etf><eta/>")));
  // "p" 0: the team did not play, but its goal records still count; a missing "p" stops nothing.
  EXPECT_EQ(Total(0, kQAT, kF), 0);
  EXPECT_EQ(Player(0, 0, "QAT10"), 1);
  EXPECT_EQ(engine_->ChartData(0, 5, 0), Variant(int16_t{1}));
  EXPECT_EQ(Total(0, kECU, kW), 1);
  EXPECT_EQ(Total(0, kECU, kF), 1);
  // Extra time decides nothing when both sides scored alike in it.
  EXPECT_EQ(Total(0, 0, kDecidedInExtraTime), 0);
}

TEST_F(StatisticsTest, TeamIdsMatchWithoutRegardToCaseAndUnknownTeamsCountOnce) {
  Load(Game("A1", Team("qat", "<p>1</p><w>1</w><f>1</f><a>0</a>") + Team("XYZ", "<p>1</p><l>1</l><f>0</f><a>1</a>")) +
       Game("V1", "<extratime>true</extratime>" + Team("XYZ", "<p>1</p><etf>1</etf><eta>0</eta>") +
                      Team("Ecu", "<p>1</p><etf>0</etf><eta>1</eta>")));
  EXPECT_EQ(Total(0, kQAT, kW), 1);
  EXPECT_EQ(Total(0, kECU, kP), 1);
  EXPECT_EQ(Total(0, 0, kP), 2);
  EXPECT_EQ(Total(0, 0, kW), 1);
  EXPECT_EQ(Total(0, 0, kF), 1);
  EXPECT_EQ(Total(0, 0, kDecidedInExtraTime), 1);
  // The unknown team's own distribution is slot 0's.
  EXPECT_EQ(engine_->TeamScored(0, 0, 0), 1);
  EXPECT_EQ(engine_->TeamScored(0, kQAT, 1), 1);
}

TEST_F(StatisticsTest, OwnGoalsCountForTheScorerOnlyAsOwnGoals) {
  Load(Game("F6", Team("CAN", "<p>1</p><f>1</f><a>0</a>" + Goal("MAR05", "40", "<og>1</og>") +
                                  Goal("ZZZ01", "41", "<og>1</og><playername>Nobody</playername>")) +
                      Team("MAR", "<p>1</p><f>0</f><a>1</a>" + Goal("MAR05", "50"))));
  const int16_t aguerd = engine_->PlayerTotalsIndex("MAR05");
  EXPECT_EQ(engine_->PlayerTotalsInfo(3, aguerd), "MAR");
  EXPECT_EQ(engine_->PlayerTotalsInfo(4, aguerd), "Morocco");
  EXPECT_EQ(engine_->PlayerTotals(0, 0, aguerd), 1);
  EXPECT_EQ(engine_->PlayerTotals(0, 2, aguerd), 1);
  // A player the players file doesn't know stays with the record's team.
  const int16_t nobody = engine_->PlayerTotalsIndex("ZZZ01");
  EXPECT_EQ(engine_->PlayerTotalsName(nobody), "Nobody");
  EXPECT_EQ(engine_->PlayerTotalsInfo(3, nobody), "CAN");
  EXPECT_EQ(engine_->PlayerTotals(0, 0, nobody), 0);
  // Every goal record still counts in the totals.
  EXPECT_EQ(engine_->PlayerTotals(0, 0, 0), 3);
  EXPECT_EQ(engine_->PlayerTotals(0, 2, 0), 2);
  EXPECT_EQ(engine_->TeamTotals(0, kCAN, kF), 1);
  EXPECT_EQ(engine_->TeamTotals(0, kMAR, kF), 0);
}

TEST_F(StatisticsTest, PlayersByIdAsWrittenWithKicks) {
  Load(Game("V1", Team("NED", "<p>1</p><f>2</f>" + Goal("ARG10", "3") + Goal("arg10", "4") + Goal("", "5") +
                                  "<goal><minutes>6</minutes></goal>" +
                                  "<penalty><takerid>NED04</takerid><scored>1</scored><missed>0</missed></penalty>"
                                  "<penalty><takerid>NED09</takerid><takername>Nine</takername>"
                                  "<scored>0</scored><missed>1</missed></penalty>"
                                  "<penalty><scored>1</scored></penalty>")));
  EXPECT_EQ(engine_->PlayerTotalsIndex("ARG10"), 1);
  EXPECT_EQ(engine_->PlayerTotalsIndex("arg10"), 2);
  EXPECT_EQ(engine_->PlayerTotalsName(1), "Lionel MESSI");
  EXPECT_EQ(engine_->PlayerTotalsInfo(3, 1), "ARG");
  EXPECT_EQ(engine_->PlayerTotalsInfo(3, 2), "NED");
  // The empty id counts in the totals only, the goal without one nowhere.
  EXPECT_EQ(engine_->PlayerTotals(2, 0, 0), 3);
  EXPECT_EQ(engine_->ChartData(2, 5, 0), Variant(int16_t{4}));
  // A kick taker's name comes from the kick record, never from the players file.
  const int16_t four = engine_->PlayerTotalsIndex("NED04"), nine = engine_->PlayerTotalsIndex("NED09");
  EXPECT_EQ(engine_->PlayerTotalsName(four), "");
  EXPECT_EQ(engine_->PlayerTotalsName(nine), "Nine");
  EXPECT_EQ(engine_->PlayerTotals(0, 3, four), 1);
  EXPECT_EQ(engine_->PlayerTotals(0, 4, four), 0);
  EXPECT_EQ(engine_->PlayerTotals(0, 4, nine), 1);
  EXPECT_EQ(engine_->PlayerTotals(0, 3, 0), 1);
  EXPECT_EQ(engine_->PlayerTotalsArray().AsArray().UBound(3), 4);
}

// The sweep members take team slot = team list column + 1, whatever the teams file's order.
TEST_F(StatisticsTest, TeamSlotsFollowTheTeamList) {
  app_.Write("Data/teams.xml",
             "<?xml version=\"1.0\"?>\n<!DOCTYPE teams [<!ATTLIST team teamid ID #REQUIRED>]>\n<teams>"
             "<team teamid=\"_A1\"><name>Winner Group A</name></team>"
             "<team teamid=\"QAT\"><name>Qatar</name><group>A</group></team>"
             "<team teamid=\"_A2\"><name>Runner-up Group A</name></team>"
             "<team teamid=\"ECU\"><name>Ecuador</name><group>A</group></team></teams>\n");
  Load(Game("A1", Team("QAT", "<p>1</p><f>3</f>") + Team("ECU", "<p>1</p><f>4</f>")));
  const Variant list = engine_->TeamList();
  for (int32_t column = 0; column <= list.AsArray().UBound(2); ++column) {
    const auto slot = static_cast<int16_t>(column + 1);
    EXPECT_EQ(engine_->StatsTeam(0, slot), list.AsArray().at(0, column).ToString());
    EXPECT_EQ(engine_->TeamTotals(0, slot, kF), column == 0 ? 3 : 4);
  }
  EXPECT_EQ(engine_->StatsTeam(0, 3), "");
}

TEST_F(StatisticsTest, EveryCallStartsFromZero) {
  Load(Game("A1", Team("QAT", "<p>1</p><f>9</f>" + Goal("QAT10", "100"))));
  engine_->RemoveResult("A1");
  engine_->LoadStats();
  EXPECT_EQ(Total(0, kQAT, kF), 0);
  EXPECT_EQ(engine_->ChartColumns(), Variant(int32_t{1}));
  EXPECT_EQ(engine_->PlayerTotalsIndex("QAT10"), -1);
  EXPECT_EQ(engine_->PlayerTotalsArray().AsArray().UBound(3), 0);
  EXPECT_EQ(engine_->TeamScoredArray().AsArray().UBound(3), 0);
}

TEST(HalfToEven, HalvesGoToTheEvenNeighbour) {
  const int16_t cases[][2] = {{0, 0}, {1, 0}, {2, 1}, {3, 2}, {5, 2}, {7, 4}, {32767, 16384}};
  for (const auto& c : cases) EXPECT_EQ(kelvane::stats::HalfToEven(c[0]), c[1]) << c[0];
}

// The finished 2022 tournament as shipped.
class Statistics2022 : public StatisticsTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(engine_->LoadAll().ToBool());
    ASSERT_TRUE(engine_->LoadResultsSet("Tournament 2022").ToBool());
    engine_->LoadStats();
  }
};

TEST_F(Statistics2022, TotalsTopScorerAndGoalTimes) {
  EXPECT_EQ(Total(0, 0, kP), 64);
  EXPECT_EQ(Total(1, 0, kP), 48);
  EXPECT_EQ(Total(2, 0, kP), 16);
  EXPECT_EQ(Total(0, 0, kAllFor), 172);
  EXPECT_EQ(Total(0, 0, kAllGoals), 172);
  EXPECT_EQ(Total(0, 0, 8), 5);  // shoot-outs won
  EXPECT_EQ(Total(2, 0, 9), 5);
  EXPECT_EQ(engine_->GroupTotals(0, 0), 64);
  EXPECT_EQ(engine_->PlayerTotals(0, 0, 0), 172);

  int16_t top = 1;
  for (int16_t p = 2; p <= engine_->PlayerTotalsArray().AsArray().UBound(3); ++p)
    if (engine_->PlayerTotals(0, 0, p) > engine_->PlayerTotals(0, 0, top)) top = p;
  EXPECT_EQ(engine_->PlayerTotals(0, 0, top), 8);
  EXPECT_EQ(engine_->PlayerTotalsID(top), "FRA10");
  EXPECT_EQ(engine_->PlayerTotalsName(top), "Kylian MBAPPE");
  EXPECT_EQ(engine_->PlayerTotalsInfo(4, top), "France");

  int32_t timed = 0;
  for (int16_t column = 0; column < engine_->ChartColumns().ToInt32(); ++column)
    timed += engine_->ChartData(0, 5, column).ToInt16();
  EXPECT_EQ(timed, 172);  // every goal of the set has its minute
  // Team ids of the results are upper case, the index lower case: every team has its figures.
  for (int16_t t = 1; t <= 32; ++t) EXPECT_EQ(Total(1, t, kP), 3) << engine_->StatsTeam(0, t);
}

// The dialogs recompute after every result: the last call must match the finished set.
TEST_F(Statistics2022, ReplayWithStatsAfterEachGameEndsWithTheSameFigures) {
  const Variant finished_teams = engine_->TeamTotalsArray(), finished_groups = engine_->GroupTotalsArray();
  ASSERT_TRUE(engine_->LoadAll().ToBool());
  kelvane::replay::PlayAll(*engine_, kelvane::replay::LoadFacts(PITCHLOG_FACTS_FILE),
                           [&](const nlohmann::json&, const std::string&) { engine_->LoadStats(); });
  EXPECT_EQ(engine_->TeamTotalsArray(), finished_teams);
  EXPECT_EQ(engine_->GroupTotalsArray(), finished_groups);
  EXPECT_EQ(Total(0, 0, kAllFor), 172);
}

}  // namespace

// Sweep sources: placings, team and player statistics, one value or a whole column.
#include <gtest/gtest.h>

#include "tests/engine/fixture.h"

using kelvane::Array;
using kelvane::Variant;
using testing_support::AppFolder;
using testing_support::NewEngine;

namespace {

// Team slots of the shipped teams file.
constexpr int32_t kENG = 5, kIRN = 6;

std::string Team(const std::string& id, const std::string& figures) {
  return "<team teamid=\"" + id + "\">" + figures + "</team>";
}
std::string Game(const std::string& id, const std::string& content) {
  return "<game gameid=\"" + id + "\">" + content + "</game>";
}
std::string Goal(const std::string& player, const std::string& more = "") {
  return "<goal><playerid>" + player + "</playerid>" + more + "</goal>";
}

// England 2-0 and 1-1 against Iran in group games: England scores 3 in 2 games, Iran 1 in 2.
// Harry Kane (met first) scores 3 with one penalty, Iran's number 19 one.
const std::string kGroupGames =
    Game("B1", Team("ENG", "<p>1</p><w>1</w><f>2</f><a>0</a>" + Goal("ENG09") + Goal("ENG09", "<pen>1</pen>")) +
                   Team("IRN", "<p>1</p><l>1</l><f>0</f><a>2</a>")) +
    Game("B2", Team("ENG", "<p>1</p><d>1</d><f>1</f><a>1</a>" + Goal("ENG09")) +
                   Team("IRN", "<p>1</p><d>1</d><f>1</f><a>1</a>" + Goal("IRN19")));

const std::string kFinals =
    Game("Z1", "<winner>ARG</winner>" + Team("ARG", "<p>1</p><f>1</f><a>0</a>") + Team("FRA", "<p>1</p><f>0</f><a>1</a>")) +
    Game("Y1", "<winner>CRO</winner>" + Team("CRO", "<p>1</p><f>2</f><a>1</a>") + Team("MAR", "<p>1</p><f>1</f><a>2</a>"));

class SweepSourceTest : public ::testing::Test {
 protected:
  void Load(const std::string& games) {
    app_.Write("Results/Results.xml", testing_support::ResultsXml("", games));
    ASSERT_TRUE(engine_->LoadAll().ToBool());
    engine_->LoadStats();
  }
  Variant Source(const std::string& source) { return engine_->SweepSource(source); }

  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
};

TEST_F(SweepSourceTest, PlacesFollowTheFinalAndTheThirdPlaceGame) {
  Load(kGroupGames);
  for (const char* source : {"place(1)", "Place(2)", "PLACE(3)", "place(4)"}) EXPECT_EQ(Source(source), Variant("")) << source;

  Load(kGroupGames + kFinals);
  const struct {
    const char* source;
    Variant want;
  } cases[] = {
      {"Place(1)", "ARG"},  {"place(2)", "FRA"},   {"place(3)", "CRO"},  {"place(4)", "MAR"},
      {"place( 2 )", "FRA"}, {"place(1.5)", "FRA"}, {"place(4.4)", "MAR"}, {"place(2,x)", "FRA"},
      {"place(5)", {}},      {"place(0)", {}},      {"place(-1)", {}},     {"place(x)", {}},
      {"place()", {}},       {"place", {}},         {" place(1)", {}},     {"place(99999)", {}},
      {"place(1e999)", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Source(c.source), c.want) << c.source;
}

TEST_F(SweepSourceTest, TeamFiguresSingleAndForEveryTeam) {
  Load(kGroupGames + kFinals);
  EXPECT_EQ(Source("teamtotals(0,5,4)"), Variant(int16_t{3}));
  EXPECT_EQ(Source("teamtotals(2,5,4)"), Variant(int16_t{0}));
  EXPECT_EQ(Source("TeamTotals( 0 , 0 , 14 )"), Variant(int16_t{8}));  // the tournament's goals
  // Fractions round half to even: 4.5 is stat 4 (goals for), not 5 (against).
  EXPECT_EQ(Source("teamtotals(0,5,4.5)"), Variant(int16_t{3}));
  EXPECT_EQ(Source("teamtotals(0,5,4,ignored)"), Variant(int16_t{3}));

  EXPECT_EQ(Source("teamaverage(1,5,4)"), Variant(1.5));
  EXPECT_EQ(Source("teamaverage(1,6,4)"), Variant(0.5));
  EXPECT_TRUE(Source("teamaverage(2,5,4)").IsEmpty());  // no knock-out game

  const Variant goals = Source("TeamTotals(0, ?, 4)");
  ASSERT_TRUE(goals.IsArray());
  const Array& g = goals.AsArray();
  ASSERT_EQ(g.UBound(1), 1);
  ASSERT_EQ(g.UBound(2), 31);
  const Array teams = engine_->TeamList().AsArray();
  for (int32_t i = 0; i <= 31; ++i) {
    EXPECT_EQ(g.at(0, i), teams.at(0, i)) << i;
    EXPECT_EQ(g.at(1, i), Variant(engine_->TeamTotals(0, static_cast<int16_t>(i + 1), 4))) << i;
  }
  EXPECT_EQ(g.at(1, kENG - 1), Variant(int16_t{3}));

  const Array averages = Source("teamaverage(1,?,4)").AsArray();
  EXPECT_EQ(averages.at(0, kENG - 1), Variant("ENG"));
  EXPECT_EQ(averages.at(1, kENG - 1), Variant("1.500"));
  EXPECT_EQ(averages.at(1, kIRN - 1), Variant(".500"));
  EXPECT_TRUE(averages.at(1, 0).IsEmpty());  // Qatar has not played
  EXPECT_EQ(Source("teamaverage(0,?,1)").AsArray().at(1, kENG - 1), Variant(".500"));
}

// The formatted columns take the user's decimal separator; single values stay numbers.
TEST_F(SweepSourceTest, AveragesShowTheUsersDecimalSeparator) {
  Load(kGroupGames);
  testing_support::ProcessLocale german(testing_support::kDecimalCommaLocale);
  ASSERT_TRUE(german.ok()) << "no " << testing_support::kDecimalCommaLocale << ": run scripts/install-deps";
  const Array teams = Source("teamaverage(1,?,4)").AsArray();
  EXPECT_EQ(teams.at(1, kENG - 1), Variant("1,500"));
  EXPECT_EQ(teams.at(1, kIRN - 1), Variant(",500"));
  const Array players = Source("playeraverage(0,1,?)").AsArray();
  EXPECT_EQ(players.at(0), Variant(",333"));
  EXPECT_EQ(players.at(1), Variant(",000"));
  EXPECT_EQ(Source("teamaverage(1,5,4)"), Variant(1.5));
}

TEST_F(SweepSourceTest, PlayerFiguresSingleAndForEveryPlayer) {
  Load(kGroupGames);
  ASSERT_EQ(engine_->PlayerTotalsIndex("ENG09"), 1);
  ASSERT_EQ(engine_->PlayerTotalsIndex("IRN19"), 2);
  EXPECT_EQ(Source("playertotals(0,0,1)"), Variant(int16_t{3}));
  EXPECT_EQ(Source("playertotals(1,1,1)"), Variant(int16_t{1}));
  EXPECT_EQ(Source("playertotals(0,0,0)"), Variant(int16_t{4}));  // every record
  EXPECT_EQ(Source("playeraverage(0,1,1)"), Variant(1.0 / 3));
  EXPECT_TRUE(Source("playeraverage(2,1,1)").IsEmpty());

  const Array goals = Source("PlayerTotals(0, 0, ?)").AsArray();
  ASSERT_EQ(goals.Dimensions(), 1);
  ASSERT_EQ(goals.UBound(1), 1);
  EXPECT_EQ(goals.at(0), Variant(int16_t{3}));
  EXPECT_EQ(goals.at(1), Variant(int16_t{1}));

  const Array share = Source("playeraverage(0,1,?)").AsArray();
  ASSERT_EQ(share.UBound(1), 1);
  EXPECT_EQ(share.at(0), Variant(".333"));
  EXPECT_EQ(share.at(1), Variant(".000"));
  const Array knock_out = Source("playeraverage(2,1,?)").AsArray();
  EXPECT_TRUE(knock_out.at(0).IsEmpty());
  EXPECT_TRUE(knock_out.at(1).IsEmpty());
}

TEST_F(SweepSourceTest, PlayerColumnWithoutAnyGoalIsOneEmptyElement) {
  Load(kFinals);
  for (const char* source : {"playertotals(0,0,?)", "playeraverage(0,0,?)"}) {
    const Variant list = Source(source);
    ASSERT_TRUE(list.IsArray()) << source;
    ASSERT_EQ(list.AsArray().UBound(1), 0) << source;
    EXPECT_TRUE(list.AsArray().at(0).IsEmpty()) << source;
  }
  EXPECT_EQ(Source("playertotals(0,0,0)"), Variant(int16_t{0}));
  EXPECT_TRUE(Source("playertotals(0,0,1)").IsEmpty());
}

TEST_F(SweepSourceTest, MalformedOrOutOfRangeSourcesAreEmpty) {
  Load(kGroupGames);
  for (const char* source :
       {"", "teamtotals", "teamtotals(0,5,4", "teamtotals)0,5,4(", " teamtotals(0,5,4)", "team totals(0,5,4)",
        "teamtotal(0,5,4)", "teamtotals()", "teamtotals(0,5)", "teamtotals(3,5,4)", "teamtotals(-1,5,4)",
        "teamtotals(2.6,5,4)", "teamtotals(0,33,4)", "teamtotals(0,-1,4)", "teamtotals(0,5,19)",
        "teamtotals(0,x,4)", "teamtotals(0,??,4)", "teamtotals(x,?,4)", "teamtotals(0,?,)", "teamaverage(0,99999,4)",
        "teamaverage(1e999,5,4)", "teamtotals(0,5,1e999)", "playertotals(3,0,?)", "playertotals(0,5,?)",
        "playertotals(0,-1,1)", "playertotals(0,0,3)", "playertotals(0,0,-1)", "playertotals(0,0,all)",
        "playeraverage(0,0)", "playertotals(0,0,99999)", "unknown(0,0,0)"})
    EXPECT_TRUE(Source(source).IsEmpty()) << source;
}

// Only 32 teams have statistics of their own; a longer teams file must not break the column.
TEST_F(SweepSourceTest, TeamsPastTheLastSlotHaveEmptyCells) {
  std::string teams = "<teams>";
  for (int i = 1; i <= 33; ++i)
    teams += "<team teamid=\"T" + std::to_string(i) + "\"><name>Team " + std::to_string(i) + "</name></team>";
  app_.Write("Data/teams.xml", teams + "</teams>");
  Load("");
  const Array list = Source("teamtotals(0,?,0)").AsArray();
  ASSERT_EQ(list.UBound(2), 32);
  EXPECT_EQ(list.at(1, 31), Variant(int16_t{0}));
  EXPECT_EQ(list.at(0, 32), Variant("T33"));
  EXPECT_TRUE(list.at(1, 32).IsEmpty());
}

}  // namespace

// Reading the statistics: bounds of the cells, copies of whole arrays, info tables, chart data.
#include <gtest/gtest.h>

#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::ErrorOf;
using testing_support::NewEngine;
using kelvane::ErrorKind;
using kelvane::Variant;

namespace {

TEST(StatsQueries, BeforeAnyStatisticsEverythingIsZeroOrEmpty) {
  kelvane::Pitchlog engine;
  EXPECT_EQ(engine.ChartColumns(), Variant(int32_t{1}));
  for (int16_t stage = 0; stage < 3; ++stage)
    for (int16_t series = 0; series < 6; ++series) EXPECT_EQ(engine.ChartData(stage, series, 0), Variant(int16_t{0}));
  EXPECT_EQ(engine.TeamTotals(2, 32, 18), 0);
  EXPECT_EQ(engine.GroupTotals(9, 4), 0);
  EXPECT_EQ(engine.PlayerTotals(2, 4, 0), 0);
  EXPECT_EQ(engine.PlayerTotalsIndex("ARG10"), -1);
  EXPECT_EQ(engine.StatsTeam(2, 32), "");

  const struct {
    Variant array;
    int32_t upper[3];
  } shapes[] = {
      {engine.TeamTotalsArray(), {2, 32, 18}},   {engine.TeamScoredArray(), {2, 32, 0}},
      {engine.TeamConcededArray(), {2, 32, 0}},  {engine.TeamMarginsArray(), {2, 32, 0}},
      {engine.TeamGoalsArray(), {2, 32, 0}},     {engine.PlayerTotalsArray(), {2, 4, 0}},
      {engine.GroupTotalsArray(), {9, 4, -1}},   {engine.GroupWinningArray(), {9, 0, -1}},
      {engine.GroupLosingArray(), {9, 0, -1}},   {engine.GroupMarginsArray(), {9, 0, -1}},
      {engine.GroupGoalsArray(), {9, 0, -1}},
  };
  for (const auto& shape : shapes) {
    const kelvane::Array& a = shape.array.AsArray();
    ASSERT_EQ(a.Dimensions(), shape.upper[2] < 0 ? 2 : 3);
    for (int d = 1; d <= a.Dimensions(); ++d) {
      EXPECT_EQ(a.LBound(d), 0);
      EXPECT_EQ(a.UBound(d), shape.upper[d - 1]);
    }
    EXPECT_EQ(a.Dimensions() == 2 ? a.at(0, 0) : a.at(0, 0, 0), Variant(int16_t{0}));
  }
}

class StatsQueries2022 : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(engine_->LoadAll().ToBool());
    ASSERT_TRUE(engine_->LoadResultsSet("Tournament 2022").ToBool());
    engine_->LoadStats();
  }
  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
};

TEST_F(StatsQueries2022, CellsFailOutsideTheirBoundsWhileInfoAndChartAnswerEmpty) {
  const auto k = static_cast<int16_t>(engine_->TeamScoredArray().AsArray().UBound(3));
  const auto columns = static_cast<int16_t>(engine_->ChartColumns().ToInt32());
  const auto players = static_cast<int16_t>(engine_->PlayerTotalsArray().AsArray().UBound(3));
  const std::function<void()> failing[] = {
      [&] { engine_->TeamScored(0, 1, static_cast<int16_t>(k + 1)); },
      [&] { engine_->TeamTotals(3, 0, 0); },
      [&] { engine_->TeamTotals(0, 33, 0); },
      [&] { engine_->TeamTotals(0, 0, 19); },
      [&] { engine_->TeamGoals(0, -1, 0); },
      [&] { engine_->GroupTotals(10, 0); },
      [&] { engine_->GroupWinning(0, -1); },
      [&] { engine_->PlayerTotals(0, 5, 1); },
      [&] { engine_->PlayerTotals(0, 0, static_cast<int16_t>(players + 1)); },
      [&] { engine_->StatsTeam(3, 1); },
      [&] { engine_->StatsTeam(0, -1); },
  };
  for (const auto& call : failing) EXPECT_EQ(ErrorOf(call), ErrorKind::SubscriptOutOfRange);

  EXPECT_TRUE(engine_->ChartData(0, 0, columns).IsEmpty());
  EXPECT_TRUE(engine_->ChartData(0, 6, 0).IsEmpty());
  EXPECT_TRUE(engine_->ChartData(-1, 0, 0).IsEmpty());
  EXPECT_TRUE(engine_->ChartData(0, 0, -1).IsEmpty());
  EXPECT_EQ(engine_->PlayerTotalsInfo(6, 1), "");
  EXPECT_EQ(engine_->PlayerTotalsInfo(-1, 1), "");
  EXPECT_EQ(engine_->PlayerTotalsName(static_cast<int16_t>(players + 1)), "");
  EXPECT_EQ(engine_->PlayerTotalsID(-1), "");
  for (int16_t row = 0; row < 6; ++row) EXPECT_EQ(engine_->PlayerTotalsInfo(row, 0), "");
  EXPECT_EQ(engine_->StatsTeam(0, 0), "");
  EXPECT_EQ(engine_->PlayerTotalsIndex("fra10"), -1);
  EXPECT_EQ(engine_->PlayerTotalsID(engine_->PlayerTotalsIndex("FRA10")), "FRA10");
}

TEST_F(StatsQueries2022, WholeArraysHoldTheCellsFirstIndexFastest) {
  const Variant teams = engine_->TeamTotalsArray(), margins = engine_->TeamMarginsArray(),
                players = engine_->PlayerTotalsArray(), goals = engine_->GroupGoalsArray();
  for (int16_t s = 0; s < 3; ++s)
    for (int16_t t = 0; t < 33; ++t) {
      for (int16_t stat = 0; stat < 19; ++stat)
        ASSERT_EQ(teams.AsArray().at(s, t, stat), Variant(engine_->TeamTotals(s, t, stat)));
      for (int16_t m = 0; m <= margins.AsArray().UBound(3); ++m)
        ASSERT_EQ(margins.AsArray().at(s, t, m), Variant(engine_->TeamMargins(s, t, m)));
    }
  for (int16_t s = 0; s < 3; ++s)
    for (int16_t stat = 0; stat < 5; ++stat)
      for (int16_t p = 0; p <= players.AsArray().UBound(3); ++p)
        ASSERT_EQ(players.AsArray().at(s, stat, p), Variant(engine_->PlayerTotals(s, stat, p)));
  for (int16_t g = 0; g < 10; ++g)
    for (int16_t n = 0; n <= goals.AsArray().UBound(2); ++n)
      ASSERT_EQ(goals.AsArray().at(g, n), Variant(engine_->GroupGoals(g, n)));
}

TEST_F(StatsQueries2022, CopiesKeepTheirSizeAndValuesAfterLaterStatistics) {
  const Variant players = engine_->PlayerTotalsArray();
  const int32_t size = players.AsArray().UBound(3);
  ASSERT_GT(size, 100);
  ASSERT_TRUE(engine_->LoadAll().ToBool());  // the empty results
  engine_->LoadStats();
  EXPECT_EQ(engine_->PlayerTotalsArray().AsArray().UBound(3), 0);
  EXPECT_EQ(players.AsArray().UBound(3), size);
  EXPECT_EQ(players.AsArray().at(0, 0, 0), Variant(int16_t{172}));
}

}  // namespace

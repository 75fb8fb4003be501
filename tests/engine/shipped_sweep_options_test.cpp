// The shipped sweep options on the finished 2022 tournament: each one's winner as it happened.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::NewEngine;
using kelvane::Variant;

namespace {

class ShippedSweepOptions : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.Write("Results/Results.xml", app_.Read("Results/Tournament 2022.xml"));
    ASSERT_TRUE(engine_->LoadAll().ToBool());
    engine_->LoadStats();
  }

  std::string Option(const std::string& name, const char* child) {
    return engine_->SweepOptions(name, child).ToString();
  }

  // The ids that lead a team list: the highest value, or the lowest while the order ascends.
  std::set<std::string> Leaders(const std::string& name) {
    const Variant values = engine_->SweepSource(Option(name, "source"));
    const kelvane::Array& v = values.AsArray();
    const bool ascending = Option(name, "order") == "asc";
    double best = ascending ? 1e9 : -1e9;
    for (int32_t j = 0; j <= v.UBound(2); ++j) {
      const double value = v.at(1, j).ToDouble();
      best = ascending ? std::min(best, value) : std::max(best, value);
    }
    std::set<std::string> leaders;
    for (int32_t j = 0; j <= v.UBound(2); ++j)
      if (v.at(1, j).ToDouble() == best) leaders.insert(v.at(0, j).ToString());
    return leaders;
  }

  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
};

TEST_F(ShippedSweepOptions, EveryFormatAndSidePrizeIsOffered) {
  const kelvane::Array list = engine_->SweepOptionsList().AsArray();
  std::set<std::string> names, formats;
  for (int32_t i = list.LBound(); i <= list.UBound(); ++i) {
    names.insert(list.at(i).ToString());
    formats.insert(Option(list.at(i).ToString(), "format"));
  }
  EXPECT_EQ(formats, (std::set<std::string>{"teamlist", "playerlist", "number"}));
  for (const char* name : {"Tournament Winner", "Runner-up", "Third Place", "Fourth Place", "Most Goals Scored",
                           "Fewest Goals Conceded", "Most Goals Conceded", "Fewest Goals Scored", "Top Scorer",
                           "Total Goals", "(Player List)"})
    EXPECT_TRUE(names.count(name)) << name;
  // The player pick is the option the windows list with the chosen players only.
  EXPECT_EQ(engine_->XMLTagEncode("(Player List)"), "_player_list_");
  EXPECT_EQ(Option("(Player List)", "format"), "playerlist");
  EXPECT_TRUE(engine_->SweepSource(Option("(Player List)", "source")).IsArray());
}

TEST_F(ShippedSweepOptions, EachWinnerOfTheTournament2022) {
  const struct {
    const char* option;
    const char* winner;
  } placings[] = {{"Tournament Winner", "ARG"}, {"Runner-up", "FRA"}, {"Third Place", "CRO"}, {"Fourth Place", "MAR"}};
  for (const auto& p : placings) EXPECT_EQ(engine_->SweepSource(Option(p.option, "source")), Variant(p.winner)) << p.option;

  EXPECT_EQ(Leaders("Most Goals Scored"), (std::set<std::string>{"FRA"}));
  EXPECT_EQ(Leaders("Fewest Goals Conceded"), (std::set<std::string>{"TUN"}));
  EXPECT_EQ(Leaders("Most Goals Conceded"), (std::set<std::string>{"CRC"}));
  // Five teams scored once: a shared prize.
  EXPECT_EQ(Leaders("Fewest Goals Scored"), (std::set<std::string>{"BEL", "DEN", "QAT", "TUN", "WAL"}));

  const Variant goals = engine_->SweepSource(Option("Top Scorer", "source"));
  const kelvane::Array& g = goals.AsArray();
  int32_t top = g.LBound();
  for (int32_t i = g.LBound(); i <= g.UBound(); ++i)
    if (g.at(i).ToDouble() > g.at(top).ToDouble()) top = i;
  EXPECT_EQ(engine_->PlayerTotalsID(static_cast<int16_t>(top + 1)), "FRA10");
  EXPECT_EQ(g.at(top).ToDouble(), 8);

  EXPECT_EQ(engine_->SweepSource(Option("Total Goals", "source")).ToDouble(), 172);
}

}  // namespace

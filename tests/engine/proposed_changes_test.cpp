// Asking which knock-out results a group change would remove: on the finished 2022 tournament
// the answer names exactly the games the change really clears, and asking changes nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "tests/engine/fixture.h"

using kelvane::Variant;
using testing_support::AppFolder;
using testing_support::NewEngine;

namespace {

std::vector<std::string> Ids(const Variant& answer) {
  std::vector<std::string> ids;
  if (answer.IsEmpty()) return ids;
  const kelvane::Array& a = answer.AsArray();
  for (int32_t i = a.LBound(); i <= a.UBound(); ++i) ids.push_back(a.at(i).ToString());
  return ids;
}

// The scored knock-out games of the results, in game order.
std::vector<std::string> ScoredKnockoutGames(kelvane::Pitchlog& engine) {
  std::vector<std::string> ids;
  for (const char* id : {"V1", "V2", "V3", "V4", "V5", "V6", "V7", "V8", "W1", "W2", "W3", "W4", "X1", "X2", "Y1",
                         "Z1"})
    if (!engine.Results(id, "f", engine.HomeTeam(Variant(id))).ToString().empty()) ids.emplace_back(id);
  return ids;
}

Variant Lots(std::vector<std::string> four) {
  kelvane::Array lots(0, 3);
  for (int32_t i = 0; i < 4; ++i) lots.Set(i, Variant(four[static_cast<size_t>(i)]));
  return Variant(std::move(lots));
}

class ProposedChanges : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(engine_->LoadAll().ToBool());
    ASSERT_TRUE(engine_->LoadResultsSet("Tournament 2022").ToBool());
  }
  // Group H with Korea and Uruguay level on everything, Korea second by lot.
  void LevelKoreaAndUruguay() {
    for (int16_t i = 1; i <= 4; ++i) {
      const std::string team = engine_->GroupTeamID("H", i);
      engine_->SetGroupLots("H", i, Variant(team == "KOR" ? "1" : team == "URU" ? "2" : ""));
    }
    engine_->RemoveResult("H4");
    engine_->GroupScore("H4", 4, 2);
    ASSERT_EQ(engine_->ProgressionTeam("_H2"), "KOR");
    ASSERT_EQ(ScoredKnockoutGames(*engine_).size(), 16u);
  }
  std::string Saved(const std::string& name) {
    std::string set = name;
    engine_->SaveScenario(set);
    return app_.Read("Results/" + name + ".xml");
  }

  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
};

TEST_F(ProposedChanges, NameExactlyTheGamesTheChangeClearsAndChangeNothing) {
  struct Case {
    const char* what;
    bool level_h;
    std::function<Variant(kelvane::Pitchlog&)> ask;
    std::function<void(kelvane::Pitchlog&)> make;
    std::vector<std::string> cleared;  // empty: only checked against the real change
  };
  auto group_score = [](const char* id, Variant home, Variant away) {
    return [=](kelvane::Pitchlog& e) { return e.GroupScoreClears(id, home, away); };
  };
  auto store = [](const char* id, int16_t home, int16_t away, bool scored) {
    return [=](kelvane::Pitchlog& e) {
      e.RemoveResult(id);
      if (scored) e.GroupScore(id, home, away);
      e.CalcGroupTable(e.GameStage(Variant(id)));
    };
  };
  auto lots = [](std::vector<std::string> four) {
    return [=](kelvane::Pitchlog& e) { return e.GroupLotsClear("H", Lots(four)); };
  };
  auto store_lots = [](std::vector<std::string> four) {
    return [=](kelvane::Pitchlog& e) {
      for (int16_t i = 0; i < 4; ++i) e.SetGroupLots("H", static_cast<int16_t>(i + 1), Variant(four[i]));
      e.CalcGroupTable("H");
    };
  };
  // Group H's rows are Portugal, Ghana, Uruguay, Korea.
  const std::vector<Case> cases = {
      {"Iran win group B", false, group_score("B1", Variant("0"), Variant("2")), store("B1", 0, 2, true),
       {"V3", "W3", "X2", "Y1", "Z1"}},
      {"the stored score again", false, group_score("B1", Variant("6"), Variant("2")), store("B1", 6, 2, true), {}},
      {"a score that keeps the places", false, group_score("B1", Variant(int16_t{1}), Variant(int16_t{0})),
       store("B1", 1, 0, true), {}},
      {"no result: group B is undecided", false, group_score("B1", Variant(), Variant("")), store("B1", 0, 0, false),
       {"V1", "V3", "W1", "W3", "X1", "X2", "Y1", "Z1"}},
      {"lots put Uruguay second", true, lots({"", "", "1", "2"}), store_lots({"", "", "1", "2"}),
       {"V6", "W2", "X1", "Y1", "Z1"}},
      {"lots that keep Korea second", true, lots({"", "", "3", "1"}), store_lots({"", "", "3", "1"}), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(engine_->LoadResultsSet("Tournament 2022").ToBool());
    if (c.level_h) LevelKoreaAndUruguay();
    const std::string before = Saved("Before");
    const bool mark = engine_->ResultsChanged();

    const std::vector<std::string> answer = Ids(c.ask(*engine_));

    EXPECT_EQ(engine_->ResultsChanged(), mark);
    EXPECT_EQ(Saved("After"), before);
    const std::vector<std::string> held = ScoredKnockoutGames(*engine_);
    c.make(*engine_);
    const std::vector<std::string> left = ScoredKnockoutGames(*engine_);
    std::vector<std::string> really;
    for (const std::string& id : held)
      if (std::find(left.begin(), left.end(), id) == left.end()) really.push_back(id);
    EXPECT_EQ(answer, really);
    EXPECT_EQ(answer, c.cleared);
  }
}

TEST_F(ProposedChanges, LotsAreFourTexts) {
  kelvane::Array three(0, 2);
  EXPECT_EQ(testing_support::ErrorOf([&] { engine_->GroupLotsClear("H", Variant(std::move(three))); }),
            kelvane::ErrorKind::TypeMismatch);
  EXPECT_EQ(testing_support::ErrorOf([&] { engine_->GroupLotsClear("H", Variant("1")); }),
            kelvane::ErrorKind::TypeMismatch);
}

}  // namespace

// The shipped data hold the published facts: the stadiums' capacities, the world ranking before
// the tournament, and every name as written, in the squads and in the finished result set.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <set>

#include "platform/xml/document.h"
#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::NewEngine;

namespace {

nlohmann::json LoadJson(const char* path) {
  std::ifstream in(path);
  return nlohmann::json::parse(in);
}

kelvane::xml::Document LoadXml(const AppFolder& app, const std::string& relative) {
  kelvane::xml::Document doc;
  EXPECT_TRUE(doc.LoadFile(app.File(relative).string())) << relative << ": " << doc.ParseError();
  return doc;
}

class ShippedFacts : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(engine_->LoadAll().ToBool()); }

  AppFolder app_;
  std::unique_ptr<kelvane::Pitchlog> engine_ = NewEngine(app_);
  nlohmann::json facts_ = LoadJson(PITCHLOG_STADIA_FACTS_FILE);
};

TEST_F(ShippedFacts, EveryStadiumHasItsPublishedCapacity) {
  // Shipped stadium id by name and by town; the facts may name a stadium as it was renamed
  // since, which is then the one stadium of its town that they don't name otherwise.
  std::map<std::string, std::string> by_name;
  std::multimap<std::string, std::string> by_town;
  const kelvane::xml::Document stadia = LoadXml(app_, "Data/stadia.xml");
  for (const kelvane::xml::Node& s : stadia.Root().Children("stadium")) {
    by_name[s.FirstChild("name").Text()] = s.Attribute("stadiumid");
    by_town.emplace(s.FirstChild("town").Text(), s.Attribute("stadiumid"));
  }
  ASSERT_EQ(by_name.size(), 8u);
  std::set<std::string> named;
  for (const auto& s : facts_["stadiums"])
    if (by_name.count(s["name"].get<std::string>())) named.insert(by_name[s["name"].get<std::string>()]);

  std::set<std::string> seen;
  for (const auto& s : facts_["stadiums"]) {
    const std::string name = s["name"].get<std::string>();
    std::string id = by_name.count(name) ? by_name[name] : "";
    const auto town = by_town.equal_range(s["town"].get<std::string>());
    for (auto it = town.first; id.empty() && it != town.second; ++it)
      if (!named.count(it->second)) id = it->second;
    ASSERT_FALSE(id.empty()) << name;
    EXPECT_TRUE(seen.insert(id).second) << name;
    EXPECT_EQ(engine_->Stadia(id, "capacity"), std::to_string(s["capacity"].get<int>())) << name;
  }
  EXPECT_EQ(seen.size(), 8u);
}

TEST_F(ShippedFacts, EveryTeamHasItsWorldRankBeforeTheTournament) {
  const kelvane::Array teams = engine_->TeamList().AsArray();
  ASSERT_EQ(teams.UBound(2), 31);
  const auto& ranks = facts_["world_ranking"];
  EXPECT_EQ(ranks.size(), 32u);
  for (int32_t j = 0; j <= 31; ++j) {
    const std::string id = teams.at(0, j).ToString(), name = teams.at(1, j).ToString();
    ASSERT_TRUE(ranks.contains(name)) << name;
    EXPECT_EQ(engine_->Teams(id, "worldrank"), std::to_string(ranks[name].get<int>())) << name;
  }
}

// Every leaf text of the files: no run of blanks, no blank at either end.
TEST_F(ShippedFacts, NamesAreWrittenWithSingleBlanks) {
  for (const char* file : {"Data/players.xml", "Data/teams.xml", "Data/stadia.xml", "Results/Tournament 2022.xml"}) {
    const kelvane::xml::Document doc = LoadXml(app_, file);
    int leaves = 0;
    std::vector<kelvane::xml::Node> todo = {doc.Root()};
    while (!todo.empty()) {
      const kelvane::xml::Node node = todo.back();
      todo.pop_back();
      const std::vector<kelvane::xml::Node> children = node.Children();
      todo.insert(todo.end(), children.begin(), children.end());
      if (!children.empty()) continue;
      const std::string text = node.Text();
      ++leaves;
      EXPECT_EQ(text.find("  "), std::string::npos) << file << " " << node.Name() << ": [" << text << "]";
      EXPECT_FALSE(!text.empty() && (text.front() == ' ' || text.back() == ' '))
          << file << " " << node.Name() << ": [" << text << "]";
    }
    EXPECT_GE(leaves, 24) << file;
  }
}

// The finished result set names each scorer and taker as the squads do.
TEST_F(ShippedFacts, TournamentScorersAndTakersAreNamedAsInTheSquads) {
  const kelvane::xml::Document results = LoadXml(app_, "Results/Tournament 2022.xml");
  struct Record {
    const char *element, *id, *name;
  };
  for (const Record& record : {Record{"goal", "playerid", "playername"}, Record{"penalty", "takerid", "takername"}}) {
    const std::vector<kelvane::xml::Node> found = results.Root().Descendants(record.element);
    EXPECT_FALSE(found.empty()) << record.element;
    for (const kelvane::xml::Node& r : found) {
      ASSERT_TRUE(r.FirstChild(record.id)) << r.Xml();
      const std::string id = r.FirstChild(record.id).Text();
      EXPECT_EQ(r.FirstChild(record.name).Text(), engine_->PlayerName(id)) << id;
    }
  }
}

}  // namespace

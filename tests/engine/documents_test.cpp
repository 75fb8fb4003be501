// Loading and saving the documents and the current result set.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::ErrorOf;
using testing_support::NewEngine;

namespace {

const char* kStatsColumns = R"(<?xml version="1.0"?>
<statscolumns>
  <teams><array><column><heading>P</heading><width>400</width></column></array>
         <labels><column><heading>Team</heading></column></labels></teams>
  <players><array><column><heading>Goals</heading></column></array><labels/></players>
  <groups><array/><labels><column><heading>Group</heading></column></labels></groups>
</statscolumns>)";

std::string ResultsWith(const std::string& marker) {
  return "<?xml version=\"1.0\"?>\n<!DOCTYPE results [<!ATTLIST game gameid ID #REQUIRED><!ATTLIST koteam koteamid ID #REQUIRED>]>\n"
         "<results><groups><group groupid=\"A\"><groupteam teamid=\"" + marker +
         "\"/></group></groups><games/></results>\n";
}

TEST(LoadAll, ShippedDataLoadsWithFlagsClearAndColumnLists) {
  AppFolder app;
  app.Write("Data/statscolumns.xml", kStatsColumns);
  auto engine = NewEngine(app);
  EXPECT_TRUE(engine->LoadAll().ToBool());
  EXPECT_EQ(engine->ResultsSet(), "Results");
  EXPECT_FALSE(engine->ResultsChanged());
  EXPECT_FALSE(engine->PlayersChanged());

  kelvane::Variant teams = engine->StatsColumnsArray("teams");
  ASSERT_TRUE(teams.IsArray());
  EXPECT_EQ(teams.AsArray().at(0, 0).ToString(), "P");
  EXPECT_EQ(teams.AsArray().at(2, 0).ToString(), "400");
  EXPECT_TRUE(teams.AsArray().at(1, 0).IsEmpty());  // no description element
  EXPECT_EQ(engine->StatsLabelsArray("groups").AsArray().at(0, 0).ToString(), "Group");
  // A kind without columns is one empty column; the source name is case-sensitive.
  EXPECT_TRUE(engine->StatsLabelsArray("players").AsArray().at(0, 0).IsEmpty());
  EXPECT_TRUE(engine->StatsColumnsArray("Teams").IsEmpty());
}

TEST(LoadAll, MissingFilesOtherThanResultsAreNotErrors) {
  AppFolder app;
  app.Remove("Data/teams.xml");
  app.Remove("Data/statscolumns.xml");
  app.Write("Data/players.xml", "<players><unclosed></players>");
  auto engine = NewEngine(app);
  EXPECT_TRUE(engine->LoadAll().ToBool());
  EXPECT_TRUE(engine->StatsColumnsArray("teams").IsEmpty());  // no stats columns file
}

TEST(LoadAll, MissingResultsFailsAndKeepsNameAndFlags) {
  AppFolder app;
  app.Write("Results/Final.xml", ResultsWith("FIN"));
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  ASSERT_TRUE(engine->LoadResultsSet("Final").ToBool());

  app.Remove("Results/Results.xml");
  app.Write("Data/properties.xml", "<properties><myteam>ARG</myteam></properties>");
  EXPECT_FALSE(engine->LoadAll().ToBool());
  EXPECT_EQ(engine->ResultsSet(), "Final");
  EXPECT_EQ(engine->MyTeam(), "ARG");  // loaded before the results
  // The emptied results can't be saved over the set.
  const std::string before = app.Read("Results/Final.xml");
  ErrorOf([&] { engine->SaveScenario(); });
  EXPECT_EQ(app.Read("Results/Final.xml"), before);
}

TEST(SaveResults, AlwaysWritesTheDefaultSet) {
  AppFolder app;
  app.Write("Results/Final.xml", ResultsWith("FIN"));
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  ASSERT_TRUE(engine->LoadResultsSet("Final").ToBool());
  engine->SaveResults();
  EXPECT_EQ(engine->ResultsSet(), "Final");
  EXPECT_NE(app.Read("Results/Results.xml").find("teamid=\"FIN\""), std::string::npos);
  // The saved file keeps its declaration, so its ids still work when it is read again.
  EXPECT_NE(app.Read("Results/Results.xml").find("<!DOCTYPE"), std::string::npos);
}

TEST(SaveScenario, EmptyNameSavesTheCurrentSetAndWritesTheNameBack) {
  AppFolder app;
  app.Write("Results/Final.xml", ResultsWith("FIN"));
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  ASSERT_TRUE(engine->LoadResultsSet("Final").ToBool());
  app.Remove("Results/Final.xml");
  std::string name;
  engine->SaveScenario(name);
  EXPECT_EQ(name, "Final");
  EXPECT_NE(app.Read("Results/Final.xml").find("FIN"), std::string::npos);

  std::string other = "What if";
  engine->SaveScenario(other);
  EXPECT_EQ(engine->ResultsSet(), "What if");
  EXPECT_TRUE(app.Exists("Results/What if.xml"));
}

TEST(LoadResultsSet, UnreadableSetLeavesEverythingAsItWas) {
  AppFolder app;
  app.Write("Results/Final.xml", ResultsWith("FIN"));
  app.Write("Results/Broken.xml", "<results><groups>");
  // Without its id declarations no result could be found, and a save would add every game twice.
  app.Write("Results/Undeclared.xml", "<results><groups/><games><game gameid=\"A1\"/></games></results>");
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  ASSERT_TRUE(engine->LoadResultsSet("Final").ToBool());

  for (const char* name : {"Broken", "Nowhere", "Undeclared"}) {
    EXPECT_FALSE(engine->LoadResultsSet(name).ToBool()) << name;
    EXPECT_EQ(engine->ResultsSet(), "Final");
  }
  app.Remove("Results/Final.xml");
  engine->SaveScenario();  // still the results of Final, not an empty file
  EXPECT_NE(app.Read("Results/Final.xml").find("FIN"), std::string::npos);
  EXPECT_EQ(app.Read("Results/Broken.xml"), "<results><groups>");
}

TEST(LoadResultsSet, KeepsTheUnsavedMark) {
  AppFolder app;
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  engine->SetResult("A1", true);
  ASSERT_TRUE(engine->ResultsChanged());
  ASSERT_TRUE(engine->LoadResultsSet("Tournament 2022").ToBool());
  EXPECT_TRUE(engine->ResultsChanged());
  EXPECT_EQ(engine->ResultsSet(), "Tournament 2022");
  engine->SaveScenario();
  EXPECT_FALSE(engine->ResultsChanged());
}

TEST(LoadResultsSet, NamesThatCouldLeaveTheFolderAreRefused) {
  AppFolder app;
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  const std::string properties = app.Read("Data/properties.xml");
  for (std::string name : std::vector<std::string>{"", "../Data/properties", "a/b", "a\\b", "..", "x.y", std::string("a\0b", 3)}) {
    EXPECT_EQ(ErrorOf([&] { engine->LoadResultsSet(name); }), kelvane::ErrorKind::Other) << name;
    if (!name.empty()) ErrorOf([&] { engine->SaveScenario(name); });  // empty means the current set
    EXPECT_EQ(engine->ResultsSet(), "Results");
  }
  EXPECT_EQ(app.Read("Data/properties.xml"), properties);
  EXPECT_FALSE(app.Exists("Data/properties.xml.xml"));
}

TEST(Saves, FailuresLeaveFilesAndStateAlone) {
  AppFolder app;
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  const std::string before = app.Read("Results/Results.xml");
  chmod(app.File("Results/Results.xml").c_str(), 0444);
  EXPECT_EQ(ErrorOf([&] { engine->SaveResults(); }), kelvane::ErrorKind::File);
  EXPECT_EQ(app.Read("Results/Results.xml"), before);

  std::string name = "Elsewhere";
  app.Remove("Results");
  EXPECT_EQ(ErrorOf([&] { engine->SaveScenario(name); }), kelvane::ErrorKind::File);
  EXPECT_EQ(engine->ResultsSet(), "Results");
  EXPECT_EQ(ErrorOf([&] { engine->ResultsSetsArray(); }), kelvane::ErrorKind::File);
}

TEST(PLDebug, OneBoxPerLoadedDocumentInOrder) {
  AppFolder app;
  auto engine = NewEngine(app);
  std::vector<std::string> boxes;
  engine->SetMessageSink([&](const std::string& title, const std::string& text) {
    EXPECT_EQ(title, "Kelvane");
    boxes.push_back(text.substr(0, text.find(':') + 2));
  });
  engine->SetPLDebug(true);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  EXPECT_EQ(boxes, (std::vector<std::string>{"Properties: ", "Teams: ", "Games: ", "Stadia: ", "Results: ",
                                             "Players: ", "Sweep Options: ", "Sweeps: ", "Members: ",
                                             "Stats Tables: ", "Links: "}));
  boxes.clear();
  ASSERT_TRUE(engine->LoadOthers().ToBool());
  EXPECT_EQ(boxes, (std::vector<std::string>{"Properties: ", "Teams: ", "Games: ", "Stadia: ", "Sweep Options: "}));
  boxes.clear();
  engine->LoadResultsSet("Results");
  engine->ReloadProperties();
  EXPECT_EQ(boxes, std::vector<std::string>{"Results: "});
}

TEST(PLDebug, OffByDefault) {
  AppFolder app;
  auto engine = NewEngine(app);
  int boxes = 0;
  engine->SetMessageSink([&](const std::string&, const std::string&) { ++boxes; });
  EXPECT_FALSE(engine->PLDebug());
  ASSERT_TRUE(engine->LoadAll().ToBool());
  EXPECT_EQ(boxes, 0);
}

}  // namespace

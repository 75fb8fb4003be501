// Named result sets: the list, the existence test, the name test, what opens as a set and the
// copy of a set's file.
#include <gtest/gtest.h>

#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::ErrorOf;
using testing_support::NewEngine;
using testing_support::ResultsXml;

namespace {

std::vector<std::string> Names(const kelvane::Variant& v) {
  std::vector<std::string> out;
  const kelvane::Array& a = v.AsArray();
  EXPECT_EQ(a.LBound(1), 0);
  for (int32_t i = a.LBound(1); i <= a.UBound(1); ++i) out.push_back(a.at(i).ToString());
  return out;
}

TEST(ResultsSetsArray, ListsXmlFilesInAnyCase) {
  AppFolder app;
  const std::string results = app.Read("Results/Results.xml");
  app.Write("Results/Final.XML", results);
  app.Write("Results/notes.txt", "not a set");
  std::filesystem::create_directories(app.File("Results/folder.xml"));
  auto engine = NewEngine(app);
  EXPECT_EQ(Names(engine->ResultsSetsArray()), (std::vector<std::string>{"Final", "Results", "Tournament 2022"}));

  // Letter case of a set name doesn't matter, as on the system the files come from.
  EXPECT_TRUE(engine->ResultsSetExists("final").ToBool());
  EXPECT_TRUE(engine->LoadResultsSet("final").ToBool());
  EXPECT_EQ(engine->ResultsSet(), "final");
  engine->SaveScenario();
  EXPECT_FALSE(app.Exists("Results/final.xml"));
  EXPECT_TRUE(app.Exists("Results/Final.XML"));
}

TEST(ResultsSetsArray, EmptyFolderGivesEmpty) {
  AppFolder app(AppFolder::kEmpty);
  EXPECT_TRUE(NewEngine(app)->ResultsSetsArray().IsEmpty());
}

TEST(ResultsSetExists, TrueAfterSaveResultsAndFalseForBadNames) {
  AppFolder app;
  app.Remove("Results/Results.xml");
  app.Write("Results/Final.xml", ResultsXml("", ""));
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadResultsSet("Final").ToBool());
  EXPECT_FALSE(engine->ResultsSetExists("Results").ToBool());
  engine->SaveResults();
  EXPECT_TRUE(engine->ResultsSetExists("Results").ToBool());
  for (const char* bad : {"", "../Data/properties", "Res*"})
    EXPECT_FALSE(engine->ResultsSetExists(bad).ToBool()) << bad;
  EXPECT_FALSE(engine->ResultsSetExists(kelvane::Variant(kelvane::Null{})).ToBool());
}

// Only a results file opens as a set; anything else is refused like a file that can't be read.
TEST(LoadResultsSet, RefusesAFileThatIsNotAResultsFile) {
  AppFolder app;
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  ASSERT_TRUE(engine->LoadResultsSet("Tournament 2022").ToBool());
  const std::string group_z = "<group groupid=\"Z\"><groupteam teamid=\"XYZ\"/></group>";
  struct Case {
    const char* what;
    std::string content;
  } cases[] = {
      {"another kind of file", app.Read("Data/players.xml")},
      {"no games", "<results><groups>" + group_z + "</groups></results>"},
      {"no groups", "<results><games/></results>"},
      {"groups and games deeper down", "<data><results><groups>" + group_z + "</groups><games/></results></data>"},
  };
  for (const Case& c : cases) {
    app.Write("Results/Other.xml", c.content);
    EXPECT_FALSE(engine->LoadResultsSet("Other").ToBool()) << c.what;
    EXPECT_EQ(engine->ResultsSet(), "Tournament 2022") << c.what;
    EXPECT_EQ(engine->GroupTeamID("A", 1), "QAT") << c.what;
    EXPECT_EQ(engine->Results("A1", "f", "ECU").ToString(), "2") << c.what;
  }

  app.Write("Results/Other.xml", ResultsXml(group_z, ""));
  ASSERT_TRUE(engine->LoadResultsSet("Other").ToBool());
  EXPECT_EQ(engine->GroupTeamID("Z", 1), "XYZ");
}

// The copy is the file as it stands, whatever the engine holds; the engine's results stay.
TEST(CopyResultsSet, CopiesTheFileAndLeavesTheResultsInMemoryAlone) {
  AppFolder app;
  app.Write("Results/Results Backup.xml", "old backup");
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  ASSERT_TRUE(engine->LoadResultsSet("Tournament 2022").ToBool());
  engine->RemoveResult("A1");
  ASSERT_TRUE(engine->ResultsChanged());

  EXPECT_TRUE(engine->CopyResultsSet("Results", "Results Backup"));
  EXPECT_EQ(app.Read("Results/Results Backup.xml"), app.Read("Results/Results.xml"));
  EXPECT_EQ(engine->ResultsSet(), "Tournament 2022");
  EXPECT_TRUE(engine->ResultsChanged());
  EXPECT_EQ(engine->Results("A1", "f", "ECU").ToString(), "");

  // A set without a file: nothing to copy, and the old copy stays.
  app.Write("Results/Results Backup.xml", "old backup");
  EXPECT_FALSE(engine->CopyResultsSet("Missing", "Results Backup"));
  EXPECT_EQ(app.Read("Results/Results Backup.xml"), "old backup");

  // A copy that can't be made is an error, so the caller goes no further.
  std::filesystem::create_directories(app.File("Results/Blocked.xml"));
  EXPECT_EQ(ErrorOf([&] { engine->CopyResultsSet("Results", "Blocked"); }), kelvane::ErrorKind::File);
  for (const char* bad : {"../Data/properties", ""}) {
    EXPECT_EQ(ErrorOf([&] { engine->CopyResultsSet(bad, "Results Backup"); }), kelvane::ErrorKind::Other) << bad;
    EXPECT_EQ(ErrorOf([&] { engine->CopyResultsSet("Results", bad); }), kelvane::ErrorKind::Other) << bad;
  }
  EXPECT_EQ(app.Read("Results/Results Backup.xml"), "old backup");
}

TEST(ValidFileName, TheTenForbiddenCharacters) {
  AppFolder app(AppFolder::kEmpty);
  auto engine = NewEngine(app);
  for (const char* bad : {"a\\b", "a/b", "a:b", "a*b", "a?b", "a<b", "a>b", "a|b", "a.b", "a\"b"})
    EXPECT_FALSE(engine->ValidFileName(bad)) << bad;
  for (const char* good : {"", "What if", "semi-final (2)", "Coupe du Monde \xC3\xA9t\xC3\xA9"})
    EXPECT_TRUE(engine->ValidFileName(good)) << good;
}

}  // namespace

// Names looked up in their folder match without regard to letter case for every letter, not
// just the English ones.
#include <gtest/gtest.h>

#include "engine/data/file_names.h"
#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::NewEngine;

namespace {

TEST(FoldCase, FoldsEveryAlphabetAlikeAndKeepsOtherBytes) {
  const std::pair<std::string, std::string> same[] = {
      {"Final", "fINAL"},
      {"\xC3\x89t\xC3\xA9", "\xC3\xA9T\xC3\x89"},                    // Été, éTÉ
      {"\xD0\x94\xD0\x9E\xD0\x9C", "\xD0\xB4\xD0\xBE\xD0\xBC"},      // ДОМ, дом
      {"\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x9F\xCE\xA3", "\xCF\x83\xCE\xBF\xCF\x86\xCE\xBF\xCF\x82"},  // ΣΟΦΟΣ, σοφος with final sigma
      {"Stra\xC3\x9F" "e", "STRASSE"},                                // Straße
      {"\xC3\x89t\xC3\xA9", "E\xCC\x81te\xCC\x81"},                   // Été composed and decomposed
  };
  for (const auto& [a, b] : same) EXPECT_EQ(kelvane::files::FoldCase(a), kelvane::files::FoldCase(b)) << a;
  EXPECT_NE(kelvane::files::FoldCase("\xC3\xA9t\xC3\xA9"), kelvane::files::FoldCase("ete"));
  EXPECT_EQ(kelvane::files::FoldCase("a\xE9\xFF" "B"), "a\xE9\xFF" "b") << "bytes that are no UTF-8 stay";
}

TEST(ResultSetNames, ANameInAnotherLetterCaseIsTheSameSet) {
  AppFolder app;
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  std::string upper = "\xC3\x89t\xC3\xA9";  // Été
  engine->SaveScenario(upper);
  EXPECT_TRUE(engine->ResultsSetExists(std::string("\xC3\xA9t\xC3\xA9")).ToBool());

  std::string lower = "\xC3\xA9t\xC3\xA9";  // été
  engine->SaveScenario(lower);
  EXPECT_FALSE(app.Exists("Results/\xC3\xA9t\xC3\xA9.xml")) << "a second set was written";
  EXPECT_TRUE(app.Exists("Results/\xC3\x89t\xC3\xA9.xml"));
  const kelvane::Array sets = engine->ResultsSetsArray().AsArray();
  int found = 0;
  for (int32_t i = sets.LBound(); i <= sets.UBound(); ++i)
    found += kelvane::files::FoldCase(sets.at(i).ToString()) == kelvane::files::FoldCase(lower);
  EXPECT_EQ(found, 1);
  EXPECT_TRUE(engine->LoadResultsSet("\xC3\x89T\xC3\x89").ToBool());
}

// Every set name ends up as a file beside a temporary file of seven bytes more; the name dialog
// tells the user before the engine would refuse.
TEST(ResultSetNames, TheLongestNameFitsWithItsTemporaryFileAndBlankNamesAreRefused) {
  AppFolder app;
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  for (size_t bytes : {kelvane::kMaxResultSetNameBytes - 1, kelvane::kMaxResultSetNameBytes}) {
    std::string name(bytes - 2, 'a');
    name += "\xC3\xA9";  // é: two bytes
    engine->SaveScenario(name);
    EXPECT_TRUE(engine->ResultsSetExists(name).ToBool()) << bytes;
    EXPECT_TRUE(engine->LoadResultsSet(name).ToBool()) << bytes;
  }
  for (const std::string& name : {std::string(kelvane::kMaxResultSetNameBytes + 1, 'a'), std::string(251, 'a'),
                                  std::string("   "), std::string(" \t")}) {
    std::string copy = name;
    EXPECT_EQ(testing_support::ErrorOf([&] { engine->SaveScenario(copy); }), kelvane::ErrorKind::Other) << name.size();
    EXPECT_FALSE(engine->ResultsSetExists(name).ToBool());
  }
  // A set that another program gave a longer name still opens.
  const std::string longest(251, 'b');
  app.Write("Results/" + longest + ".xml", app.Read("Results/Results.xml"));
  EXPECT_TRUE(engine->ResultsSetExists(longest).ToBool());
  EXPECT_TRUE(engine->LoadResultsSet(longest).ToBool());
}

// The set a name stands for, as its file spells it.
TEST(ResultSetNames, ResultsSetNameGivesTheStoredSpelling) {
  AppFolder app;
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  std::string street = "Stra\xC3\x9F" "e";
  std::string summer = "\xC3\x89t\xC3\xA9";
  engine->SaveScenario(street);
  engine->SaveScenario(summer);
  EXPECT_EQ(engine->ResultsSetName("STRASSE"), street);
  EXPECT_EQ(engine->ResultsSetName("E\xCC\x81TE\xCC\x81"), summer);
  EXPECT_EQ(engine->ResultsSetName("Other"), "");
  std::string decomposed = "e\xCC\x81te\xCC\x81";
  engine->SaveScenario(decomposed);
  EXPECT_FALSE(app.Exists("Results/" + decomposed + ".xml")) << "a second set was written";
  EXPECT_EQ(engine->ResultsSetName(decomposed), summer);
}

}  // namespace

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

}  // namespace

// The one rule that tells a group game from a knock-out game by its id, whatever the letter case.
#include "engine/game_ids.h"

#include <gtest/gtest.h>

TEST(GameIDs, GroupGamesBeginWithALetterBeforeI) {
  struct Case {
    const char* id;
    bool group;
  } cases[] = {
      {"A1", true}, {"H6", true}, {"a1", true}, {"h6", true}, {"I1", false}, {"i1", false},
      {"V1", false}, {"v1", false}, {"Z1", false}, {"z1", false}, {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(kelvane::IsGroupGameID(c.id), c.group) << c.id;
  EXPECT_EQ(kelvane::kGroupLetters, "ABCDEFGH");
}


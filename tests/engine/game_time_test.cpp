// Kick-off times: reading the stored text, and the engine's shift into the user's time.
#include <gtest/gtest.h>

#include "engine/data/game_time.h"
#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::ErrorOf;
using testing_support::NewEngine;
namespace game_time = kelvane::game_time;

namespace {

TEST(GameTimeText, ReadsTheWrittenFormsAndGivesTheGeneralFormat) {
  const std::pair<const char*, const char*> cases[] = {
      {"20 November 2022 17:00", "2022-11-20 17:00:00"},
      {"20 NOVEMBER 2022 17:00", "2022-11-20 17:00:00"},
      {"3 june 2022 09:05", "2022-06-03 09:05:00"},
      {"18 Dec 2022 16:00:30", "2022-12-18 16:00:30"},
      {"November 20, 2022 17:00", "2022-11-20 17:00:00"},
      {"jul 4 2022 7:30", "2022-07-04 07:30:00"},
      {"2022-11-20 17:00", "2022-11-20 17:00:00"},
      {"  2024-2-29 23:59:59 ", "2024-02-29 23:59:59"},
      {"20 November 2022", "2022-11-20 00:00:00"},
  };
  for (const auto& [stored, general] : cases) {
    try {
      EXPECT_EQ(game_time::Format(game_time::Parse(stored)), general) << stored;
    } catch (const kelvane::Error& e) {
      ADD_FAILURE() << stored << ": " << e.what();
    }
  }
}

TEST(GameTimeText, AnythingElseIsATypeMismatch) {
  const char* cases[] = {"",
                         "soon",
                         "31 November 2022 17:00",
                         "29 February 2022 17:00",
                         "20 Novembre 2022 17:00",
                         "20 Novem 2022 17:00",
                         "2022-13-01 17:00",
                         "20 November 2022 24:00",
                         "20 November 2022 17:60",
                         "20 November 2022 17:00 tomorrow",
                         "20/11/2022 17:00"};
  for (const char* text : cases)
    EXPECT_EQ(ErrorOf([&] { game_time::Parse(text); }), kelvane::ErrorKind::TypeMismatch) << text;
}

// Long texts from a downloaded games file are read in one pass: no recursion per character.
TEST(GameTimeText, LongTextsAreReadWithoutRecursion) {
  const std::string spaces(100000, ' ');
  EXPECT_EQ(game_time::Format(game_time::Parse("20" + spaces + "November 2022" + spaces + "17:00" + spaces)),
            "2022-11-20 17:00:00");
  for (const std::string& text : {spaces, "20 November 2022 17:00" + spaces + "x", std::string(100000, '1'),
                                  "20 " + std::string(100000, 'n') + " 2022", "2022-11-20" + spaces + "17"})
    EXPECT_EQ(ErrorOf([&] { game_time::Parse(text); }), kelvane::ErrorKind::TypeMismatch) << text.substr(0, 30);
}

TEST(GameTime, MovesByTheTimeDifferenceInMinutes) {
  const char* kGames = R"(<!DOCTYPE games [<!ATTLIST game gameid ID #REQUIRED>]>
<games>
  <game gameid="A1"><gametime>20 November 2022 17:00</gametime></game>
  <game gameid="A2"><gametime>31 December 2022 22:30</gametime></game>
  <game gameid="A3"><gametime>1 March 2024 01:00</gametime></game>
  <game gameid="A4"><gametime>31 November 2022 17:00</gametime></game>
</games>)";
  struct Case {
    const char* difference;
    const char* game;
    const char* expected;
  } cases[] = {
      {"", "A1", "2022-11-20 17:00:00"},   {"2", "A1", "2022-11-20 19:00:00"},
      {"-8", "A1", "2022-11-20 09:00:00"}, {"-4.5", "A1", "2022-11-20 12:30:00"},
      {"5.75", "A1", "2022-11-20 22:45:00"}, {"7", "A1", "2022-11-21 00:00:00"},
      {"1.5", "A2", "2023-01-01 00:00:00"}, {"-2", "A3", "2024-02-29 23:00:00"},
      {"-17", "A1", "2022-11-20 00:00:00"}, {"-17.5", "A1", "2022-11-19 23:30:00"},
      {"99999999999", "A1", "2022-11-20 17:00:00"},  // no time difference: the stored time
  };
  for (const auto& c : cases) {
    AppFolder app;
    app.Write("Data/games.xml", kGames);
    app.Write("Data/properties.xml",
              std::string("<properties><timedifference>") + c.difference + "</timedifference></properties>");
    auto engine = NewEngine(app);
    ASSERT_TRUE(engine->LoadAll().ToBool());
    EXPECT_EQ(engine->GameTime(c.game), c.expected) << c.difference << " " << c.game;
    EXPECT_EQ(engine->GameTimeLocal(c.game), engine->Games(c.game, "gametime"));
  }
  AppFolder app;
  app.Write("Data/games.xml", kGames);
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  for (const char* game : {"A4", "nosuchgame"})
    EXPECT_EQ(ErrorOf([&] { engine->GameTime(game); }), kelvane::ErrorKind::TypeMismatch) << game;
}

}  // namespace

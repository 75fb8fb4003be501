// Games, teams and stadia: fields by id, the schedule list, knock-out slots and the team list.
#include <gtest/gtest.h>

#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::ErrorOf;
using testing_support::NewEngine;
using kelvane::ErrorKind;
using kelvane::Variant;

namespace {

const char* kGames = R"(<!DOCTYPE games [
  <!ATTLIST game gameid ID #REQUIRED>
  <!ATTLIST slot slotid ID #REQUIRED>
]>
<games>
  <game gameid="A1"><stage>A</stage><stadiumid>north</stadiumid><teamid>AAA</teamid><teamid>BBB</teamid></game>
  <game gameid="B1"><stage>B</stage><teamid>CCC</teamid></game>
  <game gameid="V1"><stage>V</stage><teamid>_A1</teamid><teamid>_B2</teamid></game>
  <slot slotid="_A1">V1</slot>
</games>)";

const char* kTeams = R"(<!DOCTYPE teams [<!ATTLIST team teamid ID #REQUIRED>]>
<teams>
  <team teamid="BBB"><name>Beta</name><group>A</group></team>
  <team teamid="_A1"><name>Winner Group A</name></team>
  <team teamid="AAA"><name>Alpha</name><Coach>ignored</Coach><coach>Ann</coach></team>
  <team teamid="_B2"><name>Runner-up Group B</name></team>
  <team teamid="CCC"><name>Gamma</name></team>
</teams>)";

const char* kStadia = R"(<!DOCTYPE stadia [<!ATTLIST stadium stadiumid ID #REQUIRED>]>
<stadia><stadium stadiumid="north"><name>North Ground</name><town>Upton</town></stadium></stadia>)";

std::string ResultsWithProgression(const std::string& slots) {
  return "<!DOCTYPE results [<!ATTLIST game gameid ID #REQUIRED><!ATTLIST koteam koteamid ID #REQUIRED>]>"
         "<results><groups/><games/>" + slots + "</results>";
}

std::unique_ptr<kelvane::Pitchlog> SmallTournament(const AppFolder& app, const std::string& results = "") {
  app.Write("Data/games.xml", kGames);
  app.Write("Data/teams.xml", kTeams);
  app.Write("Data/stadia.xml", kStadia);
  if (!results.empty()) app.Write("Results/Results.xml", results);
  auto engine = NewEngine(app);
  EXPECT_TRUE(engine->LoadAll().ToBool());
  return engine;
}

TEST(Games, FieldsByIdWithTeamKeysPickingASide) {
  AppFolder app;
  auto engine = SmallTournament(app);
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"A1", "HomeTeam", "AAA"}, {"A1", "team", "AAA"},  {"A1", "otherteam", "AAA"}, {"A1", "AWAYTEAM", "BBB"},
      {"A1", "Stage", "A"},      {"A1", "gameno", ""},   {"B1", "awayteam", ""},      {"nosuch", "stage", ""},
      {"_A1", "stage", ""},
  };
  for (const auto& [game, attb, expected] : cases) EXPECT_EQ(engine->Games(game, attb), expected) << game << attb;
  EXPECT_EQ(engine->GameStage("V1"), "V");
  EXPECT_EQ(engine->GameStadiumID("A1"), "north");
  EXPECT_EQ(engine->Games(Variant(), "stage"), "");
}

TEST(Schedule, NumbersArePositionsInTheListTakenByLoadSchedule) {
  AppFolder app;
  auto engine = SmallTournament(app);
  for (const Variant& position : {Variant(int16_t{0}), Variant("0")})
    EXPECT_EQ(ErrorOf([&] { engine->Games(position, "stage"); }), ErrorKind::ObjectMissing);
  EXPECT_EQ(ErrorOf([&] { engine->ScheduleGameID(int16_t{0}); }), ErrorKind::ObjectMissing);

  ASSERT_EQ(engine->LoadSchedule(), 3);
  EXPECT_EQ(engine->Games(int16_t{0}, "stage"), "A");
  EXPECT_EQ(engine->Games(" 1 ", "stage"), "B");
  EXPECT_EQ(engine->HomeTeam(2.0), "_A1");
  for (const Variant& beyond : {Variant(int16_t{3}), Variant(-1), Variant(1e12)})
    EXPECT_EQ(engine->Games(beyond, "stage"), "") << beyond.ToString();
  EXPECT_EQ(engine->ScheduleGameID("2"), "V1");
  EXPECT_EQ(ErrorOf([&] { engine->ScheduleGameID(int16_t{3}); }), ErrorKind::SubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { engine->ScheduleGameID(int16_t{-1}); }), ErrorKind::SubscriptOutOfRange);
  EXPECT_EQ(ErrorOf([&] { engine->ScheduleGameID("A1"); }), ErrorKind::TypeMismatch);
}

TEST(Schedule, AfterLoadOthersReloadsTheGamesFileNumericLookupsStillUseTheOldListUntilLoadSchedule) {
  AppFolder app;
  auto engine = SmallTournament(app);
  ASSERT_EQ(engine->LoadSchedule(), 3);
  app.Write("Data/games.xml",
            "<!DOCTYPE games [<!ATTLIST game gameid ID #REQUIRED>]>"
            "<games><game gameid=\"Z1\"><stage>Z</stage></game></games>");
  ASSERT_TRUE(engine->LoadOthers().ToBool());
  EXPECT_EQ(engine->Games(int16_t{1}, "stage"), "B");
  EXPECT_EQ(engine->ScheduleGameID(int16_t{2}), "V1");
  EXPECT_EQ(engine->Games("A1", "stage"), "");  // ids already read the new file
  EXPECT_EQ(engine->Games("Z1", "stage"), "Z");
  ASSERT_EQ(engine->LoadSchedule(), 1);
  EXPECT_EQ(engine->Games(int16_t{0}, "stage"), "Z");
  EXPECT_EQ(engine->Games(int16_t{1}, "stage"), "");
}

TEST(Slots, UndecidedSlotsShowThePlaceholderAndDecidedOnesTheirTeam) {
  {
    AppFolder app;
    auto engine = SmallTournament(app);  // shipped results: no progression yet
    EXPECT_EQ(engine->HomeTeam("V1"), "_A1");
    EXPECT_EQ(engine->HomeTeamName("V1"), "Winner Group A");
    EXPECT_EQ(engine->AwayTeamName("V1"), "Runner-up Group B");
    EXPECT_EQ(engine->ProgressionTeam("_A1"), "");
    EXPECT_EQ(engine->ProgressionGame("_A1"), "V1");
    EXPECT_EQ(engine->ProgressionGame("_B2"), "");
    EXPECT_EQ(engine->HomeTeamName("A1"), "Alpha");
    EXPECT_EQ(engine->AwayTeam("nosuch"), "");
  }
  AppFolder app;
  auto engine = SmallTournament(
      app, ResultsWithProgression("<progression><koteam koteamid=\"_A1\">CCC</koteam>"
                                  "<koteam koteamid=\"_B2\"></koteam></progression>"));
  EXPECT_EQ(engine->ProgressionTeam("_A1"), "CCC");
  EXPECT_EQ(engine->HomeTeam("V1"), "CCC");
  EXPECT_EQ(engine->HomeTeamName("V1"), "Gamma");
  EXPECT_EQ(engine->AwayTeam("V1"), "_B2");  // an emptied slot is undecided again
  EXPECT_EQ(engine->ProgressionTeam("_X1"), "");
}

TEST(Slots, ProgressionTeamNeedsAProgressionElement) {
  AppFolder app;
  // A slot record outside any progression element is not read.
  auto engine = SmallTournament(app, ResultsWithProgression("<koteam koteamid=\"_A1\">CCC</koteam>"));
  EXPECT_EQ(engine->ProgressionTeam("_A1"), "");
  EXPECT_EQ(engine->HomeTeam("V1"), "_A1");
}

TEST(Teams, FieldsAndListSkipSlotsInFileOrder) {
  AppFolder app;
  auto engine = SmallTournament(app);
  EXPECT_EQ(engine->Teams("AAA", "COACH"), "Ann");
  EXPECT_EQ(engine->Teams("AAA", "link"), "");
  EXPECT_EQ(engine->TeamName("nosuch"), "");
  EXPECT_EQ(engine->StadiumName("north"), "North Ground");
  EXPECT_EQ(engine->Stadia("north", "Town"), "Upton");
  EXPECT_EQ(engine->Stadia("south", "town"), "");

  Variant list = engine->TeamList();
  const kelvane::Array& a = list.AsArray();
  ASSERT_EQ(a.UBound(1), 1);
  ASSERT_EQ(a.UBound(2), 2);
  const char* expected[][2] = {{"BBB", "Beta"}, {"AAA", "Alpha"}, {"CCC", "Gamma"}};
  for (int j = 0; j < 3; ++j) {
    EXPECT_EQ(a.at(0, j), Variant(expected[j][0]));
    EXPECT_EQ(a.at(1, j), Variant(expected[j][1]));
  }
}

TEST(Teams, ListOfNoTeamIsOneEmptyRowAndANamelessTeamFails) {
  AppFolder app;
  app.Write("Data/teams.xml", "<teams><team teamid=\"_A1\"><name>Winner Group A</name></team></teams>");
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  EXPECT_EQ(engine->TeamList(), Variant(kelvane::Array(0, 1, 0, 0)));

  app.Write("Data/teams.xml", "<teams><team teamid=\"AAA\"><name>Alpha</name></team><team teamid=\"BBB\"/></teams>");
  ASSERT_TRUE(engine->LoadAll().ToBool());
  EXPECT_EQ(ErrorOf([&] { engine->TeamList(); }), ErrorKind::ObjectMissing);
}

TEST(EmptyDocuments, LookupsGiveEmptyTextAndListsFail) {
  for (bool loaded : {false, true}) {
    AppFolder app(AppFolder::kEmpty);
    app.Write("Results/Results.xml", "<results><groups/></results>");
    auto engine = NewEngine(app);
    if (loaded) {
      ASSERT_TRUE(engine->LoadAll().ToBool());
    }
    EXPECT_EQ(engine->Games("A1", "stage"), "");
    EXPECT_EQ(engine->HomeTeamName("V1"), "");
    EXPECT_EQ(engine->TeamName("AAA"), "");
    EXPECT_EQ(engine->StadiumName("north"), "");
    EXPECT_EQ(engine->ProgressionGame("_A1"), "");
    EXPECT_EQ(engine->ProgressionTeam("_A1"), "");
    EXPECT_EQ(ErrorOf([&] { engine->TeamList(); }), ErrorKind::ObjectMissing);
    EXPECT_EQ(ErrorOf([&] { engine->PlayerList(); }), ErrorKind::ObjectMissing);
    EXPECT_TRUE(engine->PlayerList("AAA").IsEmpty());
    EXPECT_EQ(ErrorOf([&] { engine->LoadSchedule(); }), ErrorKind::ObjectMissing);
    EXPECT_EQ(ErrorOf([&] { engine->Games(int16_t{0}, "stage"); }), ErrorKind::ObjectMissing);
  }
}

}  // namespace

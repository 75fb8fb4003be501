// The players document: fields, squads, added players and saving.
#include <gtest/gtest.h>

#include "platform/xml/document.h"
#include "tests/engine/fixture.h"

using testing_support::AppFolder;
using testing_support::ErrorOf;
using testing_support::NewEngine;
using kelvane::Array;
using kelvane::Variant;

namespace {

const char* kPlayers = R"(<!DOCTYPE players [
  <!ATTLIST team teamid ID #REQUIRED>
  <!ATTLIST player playerid ID #REQUIRED>
]>
<players>
  <team teamid="T">
    <player playerid="T07"><playername>Seven</playername><shirt>7</shirt><fullname>Sev En</fullname>
      <position>FW</position><caps>12</caps></player>
    <player playerid="T10"><playername>Ten</playername></player>
  </team>
  <team teamid="U">
    <player playerid="U01"><playername>One</playername><shirt>1</shirt></player>
  </team>
  <team teamid="NOBODY"/>
</players>)";

std::unique_ptr<kelvane::Pitchlog> EngineWithPlayers(const AppFolder& app, const char* players = kPlayers) {
  if (players)
    app.Write("Data/players.xml", players);
  else
    app.Remove("Data/players.xml");
  auto engine = NewEngine(app);
  EXPECT_TRUE(engine->LoadAll().ToBool());
  return engine;
}

// The players file as saved, reloaded.
kelvane::xml::Document Saved(const AppFolder& app) {
  kelvane::xml::Document doc;
  EXPECT_TRUE(doc.LoadFile(app.File("Data/players.xml").string())) << doc.ParseError();
  return doc;
}

TEST(Players, FieldsByLowerCasedKey) {
  AppFolder app;
  auto engine = EngineWithPlayers(app);
  EXPECT_EQ(engine->Players("T07", "PlayerName"), Variant("Seven"));
  EXPECT_TRUE(engine->Players("T07", "narrative").IsEmpty());
  EXPECT_TRUE(engine->Players("X99", "playername").IsEmpty());
  EXPECT_EQ(engine->PlayerFullName("T07"), "Sev En");
  EXPECT_EQ(engine->PlayerPosition("T07"), "FW");
  EXPECT_EQ(engine->PlayerCaps("T07"), "12");
  EXPECT_EQ(engine->PlayerShirt("T10"), "");
  EXPECT_EQ(engine->PlayerName("X99"), "");
  EXPECT_TRUE(engine->PlayerExists("T10"));
  EXPECT_TRUE(engine->PlayerExists("T"));  // teams and players share the ids
  EXPECT_FALSE(engine->PlayerExists("T11"));
  EXPECT_EQ(engine->PlayerTeam("U01"), Variant("U"));
  EXPECT_TRUE(engine->PlayerTeam("X99").IsEmpty());
}

TEST(Players, LetWritesTheKeyThatTheGetterReads) {
  AppFolder app;
  auto engine = EngineWithPlayers(app);
  engine->SetPlayers("X99", "playername", "Nobody");
  EXPECT_FALSE(engine->PlayersChanged());
  EXPECT_FALSE(engine->PlayerExists("X99"));

  engine->SetPlayers("T07", "PlayerName", "Renamed");
  engine->SetPlayers("T10", "Caps", Variant(int16_t{3}));
  EXPECT_TRUE(engine->PlayersChanged());
  EXPECT_EQ(engine->PlayerName("T07"), "Renamed");
  EXPECT_EQ(engine->PlayerCaps("T10"), "3");
  engine->SavePlayers();
  kelvane::xml::Document doc = Saved(app);
  kelvane::xml::Node seven = doc.ElementById("T07");
  EXPECT_EQ(seven.Children("playername").size(), 1u);
  EXPECT_FALSE(seven.FirstChild("PlayerName"));
  EXPECT_EQ(doc.ElementById("T10").FirstChild("caps").Text(), "3");  // appended
}

TEST(PlayerList, ATeamsSquadOrEveryPlayerWithTheirTeam) {
  AppFolder app;
  auto engine = EngineWithPlayers(app);
  Variant squad = engine->PlayerList("T");
  Array expected(0, 3, 0, 1);
  for (auto [j, id, name] : {std::tuple{0, "T07", "Seven"}, std::tuple{1, "T10", "Ten"}}) {
    expected.Set(0, j, id);
    expected.Set(1, j, name);
    expected.Set(3, j, "T");
  }
  expected.Set(2, 0, "7");  // T10 has no shirt: Empty
  EXPECT_EQ(squad, Variant(expected));

  const Array all = engine->PlayerList().AsArray();
  ASSERT_EQ(all.UBound(2), 2);
  EXPECT_EQ(all.at(0, 2), Variant("U01"));
  EXPECT_EQ(all.at(2, 2), Variant("1"));
  EXPECT_EQ(all.at(3, 2), Variant("U"));

  EXPECT_TRUE(engine->PlayerList("NOSUCH").IsEmpty());
  EXPECT_EQ(engine->PlayerList("NOBODY"), Variant(Array(0, 3, 0, 0)));
}

TEST(AddPlayer, StoresTheTwoDigitIdAndCreatesAMissingTeam) {
  AppFolder app;
  auto engine = EngineWithPlayers(app);
  EXPECT_TRUE(engine->AddPlayer("U", 2, "Two"));
  EXPECT_TRUE(engine->PlayersChanged());
  EXPECT_EQ(engine->PlayerName("U02"), "Two");
  EXPECT_EQ(engine->PlayerShirt("U02"), "2");
  EXPECT_TRUE(engine->AddPlayer("NEW", 0, "Keeper"));
  EXPECT_TRUE(engine->AddPlayer("NEW", 99, "Last"));
  EXPECT_EQ(engine->PlayerTeam("NEW00"), Variant("NEW"));
  EXPECT_TRUE(engine->PlayerExists("NEW"));
  EXPECT_EQ(engine->PlayerList("NEW").AsArray().UBound(2), 1);

  engine->SavePlayers();
  EXPECT_TRUE(engine->PlayersChanged());
  kelvane::xml::Document doc = Saved(app);
  kelvane::xml::Node added = doc.ElementById("U02");
  ASSERT_TRUE(added);
  EXPECT_EQ(added.FirstElementChild().Name(), "playername");
  EXPECT_EQ(added.Children().back().Name(), "shirt");
  ASSERT_TRUE(doc.ElementById("NEW"));
  EXPECT_EQ(doc.ElementById("NEW").Name(), "team");
}

TEST(AddPlayer, RefusesATakenIdOrAShirtTwoDigitsCannotHold) {
  struct Case {
    const char* team;
    int16_t shirt;
  } cases[] = {{"T", 7}, {"T", 10}, {"U", 1}, {"T", -1}, {"T", 100}, {"T", 107}, {"", 5}, {"T07", 1}};
  for (const auto& c : cases) {
    AppFolder app;
    auto engine = EngineWithPlayers(app);
    EXPECT_FALSE(engine->AddPlayer(c.team, c.shirt, "Intruder")) << c.team << c.shirt;
    EXPECT_FALSE(engine->PlayersChanged());
    EXPECT_EQ(engine->PlayerName("T07"), "Seven");
    EXPECT_EQ(engine->PlayerName("U01"), "One");
    EXPECT_EQ(engine->PlayerList().AsArray().UBound(2), 2) << c.team << c.shirt;
  }
}

TEST(AddPlayer, ANameTheFileCannotHoldAddsNothing) {
  AppFolder app;
  auto engine = NewEngine(app);
  ASSERT_TRUE(engine->LoadAll().ToBool());
  for (const char* team : {"ARG", "NEW"}) {
    EXPECT_FALSE(engine->AddPlayer(team, 30, std::string("Bad\x01Name"))) << team;
    EXPECT_FALSE(engine->PlayerExists(std::string(team) + "30")) << team;
  }
  EXPECT_TRUE(engine->PlayerList("NEW").IsEmpty());  // no empty team left behind
  EXPECT_FALSE(engine->PlayersChanged());
  EXPECT_TRUE(engine->AddPlayer("NEW", 30, "Good Name"));
  EXPECT_EQ(engine->PlayerName("NEW30"), "Good Name");
}

TEST(Players, MissingFileReadsEmptyAndAddPlayerStartsANewOne) {
  AppFolder app;
  auto engine = EngineWithPlayers(app, nullptr);
  EXPECT_TRUE(engine->Players("T07", "playername").IsEmpty());
  EXPECT_EQ(engine->PlayerName("T07"), "");
  EXPECT_FALSE(engine->PlayerExists("T07"));
  EXPECT_TRUE(engine->PlayerTeam("T07").IsEmpty());
  EXPECT_TRUE(engine->PlayerList("T").IsEmpty());
  EXPECT_EQ(ErrorOf([&] { engine->PlayerList(); }), kelvane::ErrorKind::ObjectMissing);
  EXPECT_EQ(ErrorOf([&] { engine->SavePlayers(); }), kelvane::ErrorKind::Other);  // nothing to save

  EXPECT_TRUE(engine->AddPlayer("T", 7, "Seven"));
  EXPECT_FALSE(engine->AddPlayer("T", 7, "Again"));
  EXPECT_EQ(engine->PlayerTeam("T07"), Variant("T"));
  engine->SavePlayers();
  auto reloaded = NewEngine(app);
  ASSERT_TRUE(reloaded->LoadAll().ToBool());
  EXPECT_EQ(reloaded->PlayerName("T07"), "Seven");
  EXPECT_EQ(reloaded->PlayerList().AsArray().UBound(2), 0);
}

}  // namespace

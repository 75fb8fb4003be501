// The tournament's data files: the first byte picks the file, the rest is its content, read
// through the fixtures, settings, players, statistics or links that come from it.
#include "tests/fuzz/fuzz_support.h"

using fuzzing::Column;
using fuzzing::Tolerate;
using kelvane::Variant;

namespace {

constexpr const char* kFiles[] = {"properties.xml", "teams.xml",       "games.xml",       "stadia.xml",
                                  "players.xml",    "statscolumns.xml", "statstables.xml", "links.xml"};
constexpr const char* kGameFields[] = {"gameno", "stage", "stadiumid", "gametime", "hometeam", "awayteam", ""};
constexpr const char* kSources[] = {"teams", "players", "groups"};

void ReadSettings(kelvane::Pitchlog& engine) {
  Tolerate([&] { engine.TimeDifference(); });
  Tolerate([&] { engine.MyTeam(); });
  Tolerate([&] { engine.MyTeamColour(); });
  Tolerate([&] { engine.MyOtherTeamGhost(); });
  Tolerate([&] { engine.Properties("downloadurl"); });
}

void ReadFixtures(kelvane::Pitchlog& engine) {
  int16_t games = 0;
  Tolerate([&] { games = engine.LoadSchedule(); });
  for (int16_t i = 0; i < games && i < 80; ++i) {
    const Variant at(i);
    for (const char* field : kGameFields) Tolerate([&] { engine.Games(at, field); });
    Tolerate([&] { engine.GameTime(at); });
    Tolerate([&] { engine.HomeTeamName(at); });
    Tolerate([&] { engine.AwayTeamName(at); });
    Tolerate([&] { engine.StadiumName(engine.GameStadiumID(at)); });
    Tolerate([&] { engine.ProgressionGame(engine.ScheduleGameID(at)); });
  }
  Variant teams;
  Tolerate([&] { teams = engine.TeamList(); });
  for (const std::string& team : Column(teams, 0)) Tolerate([&] { engine.Teams(team, "group"); });
}

void ReadPlayers(kelvane::Pitchlog& engine) {
  Variant players;
  Tolerate([&] { players = engine.PlayerList(); });
  for (const std::string& player : Column(players, 0)) {
    Tolerate([&] { engine.PlayerName(player); });
    Tolerate([&] { engine.PlayerShirt(player); });
    Tolerate([&] { engine.PlayerTeam(player); });
  }
  Tolerate([&] { engine.PlayerList("ARG"); });
  Tolerate([&] { engine.LoadStats(); });
  Tolerate([&] { engine.PlayerTotalsArray(); });
}

void ReadLinks(kelvane::Pitchlog& engine) {
  for (const char* type : {"tab", "group", "team", "game"})
    for (const char* id : {"0", "1", "A", "ARG", "64"}) Tolerate([&] { engine.Link(type, id); });
}

void ReadStatistics(kelvane::Pitchlog& engine) {
  for (const char* source : kSources) {
    Tolerate([&] { engine.StatsColumnsArray(source); });
    Tolerate([&] { engine.StatsLabelsArray(source); });
  }
  Variant tables;
  Tolerate([&] { tables = engine.StatsTablesList(); });
  for (const std::string& name : Column(tables, 0)) {
    const std::string id = engine.XMLTagEncode(name);
    Tolerate([&] { engine.StatsTables(id); });
    Tolerate([&] { engine.StatsTableSort(id); });
    Tolerate([&] { engine.StatsTableStage(id); });
    Tolerate([&] { engine.StatsTableAverages(id); });
    Tolerate([&] { engine.StatsTableType(id); });
  }
}

}  // namespace

// Each file is reloaded by the lightest member that reads it, and read by the members that use it,
// so that each file's seed takes its own way through the harness.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kelvane::Pitchlog& engine = fuzzing::Engine();
  const size_t choice = fuzzing::Choose(data, size, std::size(kFiles));
  const std::string file = std::string("Data/") + kFiles[choice];
  fuzzing::WriteFile(file, fuzzing::Text(data, size));
  switch (choice) {
    case 0:
      Tolerate([&] { engine.ReloadProperties(); });
      ReadSettings(engine);
      break;
    case 1:
    case 2:
    case 3:
      Tolerate([&] { engine.LoadOthers(); });
      ReadFixtures(engine);
      break;
    case 4:
      Tolerate([&] { engine.LoadAll(); });
      ReadPlayers(engine);
      break;
    case 5:
      Tolerate([&] { engine.LoadOthers(); });
      ReadStatistics(engine);
      break;
    case 6:
      Tolerate([&] { engine.LoadAll(); });
      ReadStatistics(engine);
      break;
    default:
      Tolerate([&] { engine.LoadAll(); });
      ReadLinks(engine);
      break;
  }
  fuzzing::RestoreFile(file);
  return 0;
}

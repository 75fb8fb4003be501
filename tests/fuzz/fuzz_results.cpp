// A results file: opened as a result set, read through the results and group getters, ranked,
// counted into the statistics and written by the score entry.
#include "tests/fuzz/fuzz_support.h"

using fuzzing::Tolerate;
using kelvane::Variant;

namespace {

constexpr const char* kGroups[] = {"A", "B", "C", "D", "E", "F", "G", "H", ""};
constexpr const char* kGameFields[] = {"result", "extratime", "winner", "loser", "p", ""};
constexpr const char* kTeamFields[] = {"p", "w", "d", "l", "f", "a", "etf", "eta", "penscoredf", "pentakenf", "pw"};

void ReadGroups(kelvane::Pitchlog& engine) {
  for (const char* group : kGroups)
    for (int16_t row = 0; row <= 5; ++row) {
      Tolerate([&] { engine.GroupP(group, row); });
      Tolerate([&] { engine.GroupF(group, row); });
      Tolerate([&] { engine.GroupDeduction(group, row); });
      Tolerate([&] { engine.GroupPts(group, row); });
      Tolerate([&] { engine.GroupRank(group, row); });
      Tolerate([&] { engine.GroupPos(group, row); });
      Tolerate([&] { engine.GroupLots(group, row); });
      Tolerate([&] { engine.GroupTeamID(group, row); });
    }
}

void ReadGames(kelvane::Pitchlog& engine) {
  for (const std::string& game : fuzzing::ShippedGameIds()) {
    for (const char* field : kGameFields) Tolerate([&] { engine.Results(game, field); });
    Tolerate([&] { engine.Result(game); });
    Tolerate([&] { engine.ProgressionTeam("_" + game); });
    std::string teams[2];
    Tolerate([&] { teams[0] = engine.HomeTeam(Variant(game)); });
    Tolerate([&] { teams[1] = engine.AwayTeam(Variant(game)); });
    for (const std::string& team : teams) {
      for (const char* field : kTeamFields) Tolerate([&] { engine.Results(game, field, team); });
      for (int16_t no = 0; no <= 3; ++no) {
        Tolerate([&] { engine.Goal(game, team, no, "playerid"); });
        Tolerate([&] { engine.Goal(game, team, no, "minutes"); });
        Tolerate([&] { engine.Penalty(game, team, no, "scored"); });
      }
    }
    Tolerate([&] { engine.GameHasPenalties(game); });
  }
}

void ReadStatistics(kelvane::Pitchlog& engine) {
  Tolerate([&] { engine.LoadStats(); });
  Tolerate([&] { engine.TeamTotalsArray(); });
  Tolerate([&] { engine.GroupTotalsArray(); });
  Tolerate([&] { engine.PlayerTotalsArray(); });
  Tolerate([&] { engine.ChartColumns(); });
  for (int16_t stat = 0; stat < 6; ++stat) Tolerate([&] { engine.ChartData(0, stat, 1); });
  Tolerate([&] { engine.SweepSource("Place(1)"); });
  Tolerate([&] { engine.SweepSource("TeamTotals(0,?,14)"); });
}

// The score entry's road through a group game and a knock-out game.
void EnterScores(kelvane::Pitchlog& engine) {
  Tolerate([&] { engine.GroupScore("A1", 2, 1); });
  Tolerate([&] { engine.AddGoal("A1", engine.HomeTeam(Variant("A1")), "", false, false, "1", "23"); });
  Tolerate([&] { engine.KOScore("V1", 1, 1, "5", "5", "4", "3", 0, 0, true); });
  Tolerate([&] { engine.AddPenalty("V1", engine.HomeTeam(Variant("V1")), true); });
  Tolerate([&] { engine.SetGroupLots("B", 1, "1"); });
  Tolerate([&] { engine.CalcGroupTable("B"); });
  Tolerate([&] { engine.RemoveResult("A2"); });
  Tolerate([&] { engine.RemovePenalties("V1", engine.AwayTeam(Variant("V1"))); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kelvane::Pitchlog& engine = fuzzing::Engine();
  fuzzing::WriteFile("Results/Fuzz.xml", fuzzing::Text(data, size));
  bool opened = false;
  Tolerate([&] { opened = engine.LoadResultsSet("Fuzz").ToBool(); });
  if (!opened) return 0;
  ReadGroups(engine);
  ReadGames(engine);
  ReadStatistics(engine);
  EnterScores(engine);
  return 0;
}

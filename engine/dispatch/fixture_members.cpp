// Dispatch rows: fixtures, teams, stadia and the schedule list.
#include "engine/dispatch/table.h"

namespace kelvane::dispatch {

Rows FixtureMembers() {
  static const Member rows[] = {
      {"Games", [](IPitchlog& p, Args& a) { a.Need(2, 2); return Variant(p.Games(a.Var(0), a.Str(1))); }, nullptr},
      {"GameStage", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.GameStage(a.Var(0))); }, nullptr},
      {"GameStadiumID", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.GameStadiumID(a.Var(0))); }, nullptr},
      {"GameTimeLocal", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.GameTimeLocal(a.Var(0))); }, nullptr},
      {"GameTime", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.GameTime(a.Var(0))); }, nullptr},
      {"HomeTeam", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.HomeTeam(a.Var(0))); }, nullptr},
      {"AwayTeam", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.AwayTeam(a.Var(0))); }, nullptr},
      {"HomeTeamName", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.HomeTeamName(a.Var(0))); }, nullptr},
      {"AwayTeamName", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.AwayTeamName(a.Var(0))); }, nullptr},
      {"Teams", [](IPitchlog& p, Args& a) { a.Need(2, 2); return Variant(p.Teams(a.Str(0), a.Str(1))); }, nullptr},
      {"TeamName", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.TeamName(a.Str(0))); }, nullptr},
      {"TeamList", [](IPitchlog& p, Args& a) { a.Need(0, 0); return p.TeamList(); }, nullptr},
      {"PlayerList", [](IPitchlog& p, Args& a) { a.Need(0, 1); return p.PlayerList(a.OptStr(0)); }, nullptr},
      {"Stadia", [](IPitchlog& p, Args& a) { a.Need(2, 2); return Variant(p.Stadia(a.Str(0), a.Str(1))); }, nullptr},
      {"StadiumName", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.StadiumName(a.Str(0))); }, nullptr},
      {"LoadSchedule", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.LoadSchedule()); }, nullptr},
      {"ScheduleGameID", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.ScheduleGameID(a.Var(0))); }, nullptr},
      {"ProgressionGame", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.ProgressionGame(a.Str(0))); }, nullptr},
      {"ProgressionTeam", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.ProgressionTeam(a.Str(0))); }, nullptr},
  };
  return rows;
}

}  // namespace kelvane::dispatch

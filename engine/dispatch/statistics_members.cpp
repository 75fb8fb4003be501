// Dispatch rows: statistics computation, queries and chart data.
#include "engine/dispatch/table.h"

namespace kelvane::dispatch {
namespace {

// Cells of a team distribution or the player totals: three 16-bit indexes.
template <int16_t (IPitchlog::*Cell)(int16_t, int16_t, int16_t)>
Variant Cell3(IPitchlog& p, Args& a) {
  a.Need(3, 3);
  return Variant((p.*Cell)(a.I16(0), a.I16(1), a.I16(2)));
}

template <int16_t (IPitchlog::*Cell)(int16_t, int16_t)>
Variant Cell2(IPitchlog& p, Args& a) {
  a.Need(2, 2);
  return Variant((p.*Cell)(a.I16(0), a.I16(1)));
}

template <Variant (IPitchlog::*Method)()>
Variant NoArguments(IPitchlog& p, Args& a) {
  a.Need(0, 0);
  return (p.*Method)();
}

}  // namespace

Rows StatisticsMembers() {
  static const Member rows[] = {
      {"LoadStats", [](IPitchlog& p, Args& a) { a.Need(0, 0); p.LoadStats(); return Variant(); }, nullptr},
      {"TeamTotals", Cell3<&IPitchlog::TeamTotals>, nullptr},
      {"TeamScored", Cell3<&IPitchlog::TeamScored>, nullptr},
      {"TeamConceded", Cell3<&IPitchlog::TeamConceded>, nullptr},
      {"TeamMargins", Cell3<&IPitchlog::TeamMargins>, nullptr},
      {"TeamGoals", Cell3<&IPitchlog::TeamGoals>, nullptr},
      {"GroupTotals", Cell2<&IPitchlog::GroupTotals>, nullptr},
      {"GroupWinning", Cell2<&IPitchlog::GroupWinning>, nullptr},
      {"GroupLosing", Cell2<&IPitchlog::GroupLosing>, nullptr},
      {"GroupMargins", Cell2<&IPitchlog::GroupMargins>, nullptr},
      {"GroupGoals", Cell2<&IPitchlog::GroupGoals>, nullptr},
      {"PlayerTotals", Cell3<&IPitchlog::PlayerTotals>, nullptr},
      {"TeamTotalsArray", NoArguments<&IPitchlog::TeamTotalsArray>, nullptr},
      {"TeamScoredArray", NoArguments<&IPitchlog::TeamScoredArray>, nullptr},
      {"TeamConcededArray", NoArguments<&IPitchlog::TeamConcededArray>, nullptr},
      {"TeamMarginsArray", NoArguments<&IPitchlog::TeamMarginsArray>, nullptr},
      {"TeamGoalsArray", NoArguments<&IPitchlog::TeamGoalsArray>, nullptr},
      {"GroupTotalsArray", NoArguments<&IPitchlog::GroupTotalsArray>, nullptr},
      {"GroupWinningArray", NoArguments<&IPitchlog::GroupWinningArray>, nullptr},
      {"GroupLosingArray", NoArguments<&IPitchlog::GroupLosingArray>, nullptr},
      {"GroupMarginsArray", NoArguments<&IPitchlog::GroupMarginsArray>, nullptr},
      {"GroupGoalsArray", NoArguments<&IPitchlog::GroupGoalsArray>, nullptr},
      {"PlayerTotalsArray", NoArguments<&IPitchlog::PlayerTotalsArray>, nullptr},
      {"PlayerTotalsIndex", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.PlayerTotalsIndex(a.Str(0))); },
       nullptr},
      {"PlayerTotalsID", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.PlayerTotalsID(a.I16(0))); },
       nullptr},
      {"PlayerTotalsName", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.PlayerTotalsName(a.I16(0))); },
       nullptr},
      {"PlayerTotalsInfo",
       [](IPitchlog& p, Args& a) { a.Need(2, 2); return Variant(p.PlayerTotalsInfo(a.I16(0), a.I16(1))); }, nullptr},
      {"StatsTeam", [](IPitchlog& p, Args& a) { a.Need(2, 2); return Variant(p.StatsTeam(a.I16(0), a.I16(1))); },
       nullptr},
      {"ChartData", [](IPitchlog& p, Args& a) { a.Need(3, 3); return p.ChartData(a.I16(0), a.I16(1), a.I16(2)); },
       nullptr},
      {"ChartColumns", NoArguments<&IPitchlog::ChartColumns>, nullptr},
  };
  return rows;
}

}  // namespace kelvane::dispatch

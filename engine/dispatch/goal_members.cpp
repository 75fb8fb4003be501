// Dispatch rows: goal records and shoot-out kicks.
#include <type_traits>

#include "engine/dispatch/table.h"

namespace kelvane::dispatch {
namespace {

// Lets of one field of a goal: (GameID, TeamID, GoalNo, value).
template <typename T, void (IPitchlog::*Set)(const std::string&, const std::string&, int16_t, T)>
void GoalField(IPitchlog& p, Args& a) {
  a.Need(4, 4);
  if constexpr (std::is_same_v<T, bool>)
    (p.*Set)(a.Str(0), a.Str(1), a.I16(2), a.Value().ToBool());
  else
    (p.*Set)(a.Str(0), a.Str(1), a.I16(2), a.Value());
}

}  // namespace

Rows GoalMembers() {
  static const Member rows[] = {
      {"AddGoal",
       [](IPitchlog& p, Args& a) {
         a.Need(2, 7);
         auto flag = [&](size_t i) { return i < a.Count() && a.Bool(i); };
         auto var = [&](size_t i) { return i < a.Count() ? a.Var(i) : Variant(); };
         return Variant(p.AddGoal(a.Str(0), a.Str(1), a.OptStr(2), flag(3), flag(4), var(5), var(6)));
       },
       nullptr},
      {"AddPenalty",
       [](IPitchlog& p, Args& a) {
         a.Need(3, 4);
         return Variant(p.AddPenalty(a.Str(0), a.Str(1), a.Bool(2), a.OptStr(3)));
       },
       nullptr},
      {"Goal", [](IPitchlog& p, Args& a) { a.Need(4, 4); return p.Goal(a.Str(0), a.Str(1), a.I16(2), a.Str(3)); },
       [](IPitchlog& p, Args& a) {
         a.Need(5, 5);
         p.SetGoal(a.Str(0), a.Str(1), a.I16(2), a.Str(3), a.Value());
       }},
      {"GoalPlayer", nullptr, GoalField<const Variant&, &IPitchlog::SetGoalPlayer>},
      {"GoalPen", nullptr, GoalField<bool, &IPitchlog::SetGoalPen>},
      {"GoalOG", nullptr, GoalField<bool, &IPitchlog::SetGoalOG>},
      {"GoalPeriod", nullptr, GoalField<const Variant&, &IPitchlog::SetGoalPeriod>},
      {"GoalMinutes", nullptr, GoalField<const Variant&, &IPitchlog::SetGoalMinutes>},
      {"Penalty",
       [](IPitchlog& p, Args& a) { a.Need(4, 4); return p.Penalty(a.Str(0), a.Str(1), a.I16(2), a.Str(3)); },
       nullptr},
      {"GameHasPenalties", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.GameHasPenalties(a.Str(0))); },
       nullptr},
      {"RemovePenalties",
       [](IPitchlog& p, Args& a) {
         a.Need(2, 2);
         p.RemovePenalties(a.Str(0), a.Str(1));
         return Variant();
       },
       nullptr},
  };
  return rows;
}

}  // namespace kelvane::dispatch

// Dispatch rows: score entry, the knock-out bracket and the group ranking.
#include "engine/dispatch/table.h"

namespace kelvane::dispatch {

Rows ScoringMembers() {
  static const Member rows[] = {
      {"GroupScore",
       [](IPitchlog& p, Args& a) {
         a.Need(3, 3);
         p.GroupScore(a.Str(0), a.I16(1), a.I16(2));
         return Variant();
       },
       nullptr},
      {"KOScore",
       [](IPitchlog& p, Args& a) {
         a.Need(3, 10);
         auto var = [&](size_t i) { return i < a.Count() ? a.Var(i) : Variant(); };
         auto whole = [&](size_t i) { return i < a.Count() ? a.I16(i) : int16_t{0}; };
         p.KOScore(a.Str(0), a.I16(1), a.I16(2), var(3), var(4), var(5), var(6), whole(7), whole(8),
                   a.Count() > 9 && a.Bool(9));
         return Variant();
       },
       nullptr},
      {"SetProgression",
       [](IPitchlog& p, Args& a) {
         a.Need(2, 2);
         p.SetProgression(a.Str(0), a.Str(1));
         return Variant();
       },
       nullptr},
      {"CalcGroupTable",
       [](IPitchlog& p, Args& a) {
         a.Need(1, 1);
         p.CalcGroupTable(a.Str(0));
         return Variant();
       },
       nullptr},
  };
  return rows;
}

}  // namespace kelvane::dispatch

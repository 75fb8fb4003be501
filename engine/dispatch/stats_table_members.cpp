// Dispatch rows: the statistics column lists and the statistics tables.
#include "engine/dispatch/table.h"

namespace kelvane::dispatch {

Rows StatsTableMembers() {
  static const Member rows[] = {
      {"StatsColumnsArray", [](IPitchlog& p, Args& a) { a.Need(1, 1); return p.StatsColumnsArray(a.Str(0)); }, nullptr},
      {"StatsLabelsArray", [](IPitchlog& p, Args& a) { a.Need(1, 1); return p.StatsLabelsArray(a.Str(0)); }, nullptr},
      {"StatsTables", [](IPitchlog& p, Args& a) { a.Need(1, 1); return p.StatsTables(a.Str(0)); }, nullptr},
      {"StatsTablesList", [](IPitchlog& p, Args& a) { a.Need(0, 0); return p.StatsTablesList(); }, nullptr},
      {"StatsTableName", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.StatsTableName(a.Str(0))); }, nullptr},
      {"StatsTableSort", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.StatsTableSort(a.Str(0))); }, nullptr},
      {"StatsTableSequence", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.StatsTableSequence(a.Str(0))); }, nullptr},
      {"StatsTableStage", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.StatsTableStage(a.Str(0))); }, nullptr},
      {"StatsTableAverages", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.StatsTableAverages(a.Str(0))); }, nullptr},
      {"StatsTableType", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.StatsTableType(a.Str(0))); }, nullptr},
      {"StatsTableSystem", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.StatsTableSystem(a.Str(0))); }, nullptr},
      {"StatsTableExists", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.StatsTableExists(a.Str(0))); }, nullptr},
      {"SaveStats",
       [](IPitchlog& p, Args& a) {
         a.Need(7, 7);
         p.SaveStats(a.Str(0), a.Var(1), a.Str(2), a.I16(3), a.Bool(4), a.I16(5), a.Str(6));
         return Variant();
       },
       nullptr},
      {"StatsTableRemove", [](IPitchlog& p, Args& a) { a.Need(1, 1); p.StatsTableRemove(a.Str(0)); return Variant(); }, nullptr},
  };
  return rows;
}

}  // namespace kelvane::dispatch

// Dispatch rows: public variables and the loading and saving of documents.
#include "engine/dispatch/table.h"

namespace kelvane::dispatch {

Rows DocumentMembers() {
  static const Member rows[] = {
      {"Error", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.Error()); },
       [](IPitchlog& p, Args& a) { a.Need(1, 1); p.SetError(a.Str(0)); }},
      {"PLDebug", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.PLDebug()); },
       [](IPitchlog& p, Args& a) { a.Need(1, 1); p.SetPLDebug(a.Bool(0)); }},
      {"AppPath", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.AppPath()); },
       [](IPitchlog& p, Args& a) { a.Need(1, 1); p.SetAppPath(a.Str(0)); }},
      {"ResultsSet", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.ResultsSet()); },
       [](IPitchlog& p, Args& a) { a.Need(1, 1); p.SetResultsSet(a.Str(0)); }},
      {"LoadAll", [](IPitchlog& p, Args& a) { a.Need(0, 0); return p.LoadAll(); }, nullptr},
      {"LoadOthers", [](IPitchlog& p, Args& a) { a.Need(0, 0); return p.LoadOthers(); }, nullptr},
      {"ReloadProperties", [](IPitchlog& p, Args& a) { a.Need(0, 0); return p.ReloadProperties(); }, nullptr},
      {"LoadResultsSet", [](IPitchlog& p, Args& a) { a.Need(1, 1); return p.LoadResultsSet(a.Str(0)); }, nullptr},
      {"SaveProperties", [](IPitchlog& p, Args& a) { a.Need(0, 0); p.SaveProperties(); return Variant(); }, nullptr},
      {"SaveResults", [](IPitchlog& p, Args& a) { a.Need(0, 0); p.SaveResults(); return Variant(); }, nullptr},
      {"SaveScenario",
       [](IPitchlog& p, Args& a) {
         a.Need(0, 1);
         std::string name = a.OptStr(0);
         p.SaveScenario(name);
         if (a.Count() == 1) a.Var(0) = name;  // written back to the caller
         return Variant();
       },
       nullptr},
      {"ResultsChanged", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.ResultsChanged()); }, nullptr},
      {"PlayersChanged", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.PlayersChanged()); }, nullptr},
  };
  return rows;
}

// Last in the table: added after every other member.
Rows UnreadableFileMembers() {
  static const Member rows[] = {
      {"UnreadableFiles", [](IPitchlog& p, Args& a) { a.Need(0, 0); return p.UnreadableFiles(); }, nullptr},
  };
  return rows;
}

}  // namespace kelvane::dispatch

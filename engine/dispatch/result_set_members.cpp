// Dispatch rows: result sets and identifier encoding.
#include "engine/dispatch/table.h"

namespace kelvane::dispatch {

Rows ResultSetMembers() {
  static const Member rows[] = {
      {"ResultsSetsArray", [](IPitchlog& p, Args& a) { a.Need(0, 0); return p.ResultsSetsArray(); }, nullptr},
      {"ResultsSetExists", [](IPitchlog& p, Args& a) { a.Need(1, 1); return p.ResultsSetExists(a.Var(0)); }, nullptr},
      {"ValidFileName", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.ValidFileName(a.Var(0))); }, nullptr},
      {"CopyResultsSet",
       [](IPitchlog& p, Args& a) { a.Need(2, 2); return Variant(p.CopyResultsSet(a.Str(0), a.Str(1))); }, nullptr},
      {"ResultsSetName", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.ResultsSetName(a.Str(0))); },
       nullptr},
      {"XMLTagEncode", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.XMLTagEncode(a.Str(0))); }, nullptr},
  };
  return rows;
}

}  // namespace kelvane::dispatch

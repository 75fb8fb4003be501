// Dispatch rows: what a proposed change would clear, asked without changing anything.
#include "engine/dispatch/table.h"

namespace kelvane::dispatch {

Rows ProposalMembers() {
  static const Member rows[] = {
      {"GroupScoreClears",
       [](IPitchlog& p, Args& a) {
         a.Need(3, 3);
         return p.GroupScoreClears(a.Str(0), a.Var(1), a.Var(2));
       },
       nullptr},
      {"GroupLotsClear",
       [](IPitchlog& p, Args& a) {
         a.Need(2, 2);
         return p.GroupLotsClear(a.Str(0), a.Var(1));
       },
       nullptr},
  };
  return rows;
}

}  // namespace kelvane::dispatch

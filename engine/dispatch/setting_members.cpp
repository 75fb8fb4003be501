// Dispatch rows: settings.
#include "engine/dispatch/table.h"

namespace kelvane::dispatch {

Rows SettingsMembers() {
  static const Member rows[] = {
      {"Properties", [](IPitchlog& p, Args& a) { a.Need(1, 1); return p.Properties(a.Str(0)); },
       [](IPitchlog& p, Args& a) { a.Need(2, 2); p.SetProperties(a.Str(0), a.Value()); }},
      {"TimeDifference", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.TimeDifference()); }, nullptr},
      {"MyTeam", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.MyTeam()); }, nullptr},
      {"MyOtherTeam", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.MyOtherTeam()); }, nullptr},
      {"MyTeamColour", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.MyTeamColour()); }, nullptr},
      {"MyOtherTeamColour", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.MyOtherTeamColour()); }, nullptr},
      {"MyTeamGhost", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.MyTeamGhost()); }, nullptr},
      {"MyOtherTeamGhost", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.MyOtherTeamGhost()); }, nullptr},
  };
  return rows;
}

}  // namespace kelvane::dispatch

// Dispatch rows: players.
#include "engine/dispatch/table.h"

namespace kelvane::dispatch {

Rows PlayerMembers() {
  static const Member rows[] = {
      {"Players", [](IPitchlog& p, Args& a) { a.Need(2, 2); return p.Players(a.Str(0), a.Str(1)); },
       [](IPitchlog& p, Args& a) { a.Need(3, 3); p.SetPlayers(a.Str(0), a.Str(1), a.Value()); }},
      {"PlayerName", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.PlayerName(a.Str(0))); }, nullptr},
      {"PlayerFullName", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.PlayerFullName(a.Str(0))); }, nullptr},
      {"PlayerPosition", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.PlayerPosition(a.Str(0))); }, nullptr},
      {"PlayerNarrative", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.PlayerNarrative(a.Str(0))); }, nullptr},
      {"PlayerCaps", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.PlayerCaps(a.Str(0))); }, nullptr},
      {"PlayerShirt", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.PlayerShirt(a.Str(0))); }, nullptr},
      {"PlayerPhoto", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.PlayerPhoto(a.Str(0))); }, nullptr},
      {"PlayerExists", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.PlayerExists(a.Str(0))); }, nullptr},
      {"PlayerTeam", [](IPitchlog& p, Args& a) { a.Need(1, 1); return p.PlayerTeam(a.Str(0)); }, nullptr},
      {"AddPlayer",
       [](IPitchlog& p, Args& a) { a.Need(3, 3); return Variant(p.AddPlayer(a.Str(0), a.I16(1), a.Str(2))); }, nullptr},
      {"SavePlayers", [](IPitchlog& p, Args& a) { a.Need(0, 0); p.SavePlayers(); return Variant(); }, nullptr},
  };
  return rows;
}

}  // namespace kelvane::dispatch

// Dispatch rows: sweeps, members and choices, sweep sources and the page generator.
#include "engine/dispatch/table.h"

namespace kelvane::dispatch {

Rows SweepMembers() {
  static const Member rows[] = {
      {"LoadSweeps", [](IPitchlog& p, Args& a) { a.Need(0, 0); p.LoadSweeps(); return Variant(); }, nullptr},
      {"SaveSweeps", [](IPitchlog& p, Args& a) { a.Need(0, 0); p.SaveSweeps(); return Variant(); }, nullptr},
      {"SaveMembers", [](IPitchlog& p, Args& a) { a.Need(0, 0); p.SaveMembers(); return Variant(); }, nullptr},
      {"SweepOptionsList", [](IPitchlog& p, Args& a) { a.Need(0, 0); return p.SweepOptionsList(); }, nullptr},
      {"SweepsList", [](IPitchlog& p, Args& a) { a.Need(0, 0); return p.SweepsList(); }, nullptr},
      {"MembersList", [](IPitchlog& p, Args& a) { a.Need(0, 0); return p.MembersList(); }, nullptr},
      {"SweepOptions", [](IPitchlog& p, Args& a) { a.Need(2, 2); return p.SweepOptions(a.Str(0), a.Str(1)); }, nullptr},
      {"Sweeps", [](IPitchlog& p, Args& a) { a.Need(2, 2); return p.Sweeps(a.Str(0), a.Str(1)); }, nullptr},
      {"Members", [](IPitchlog& p, Args& a) { a.Need(2, 2); return p.Members(a.Str(0), a.Str(1)); }, nullptr},
      {"SweepExists", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.SweepExists(a.Str(0))); }, nullptr},
      {"MemberExists", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.MemberExists(a.Str(0))); }, nullptr},
      {"AddSweep",
       [](IPitchlog& p, Args& a) {
         a.Need(3, 4);
         p.AddSweep(a.Str(0), a.Str(1), a.Str(2), a.Count() > 3 ? a.Double(3) : 0.0);
         return Variant();
       },
       nullptr},
      {"SweepRename", [](IPitchlog& p, Args& a) { a.Need(2, 2); p.SweepRename(a.Str(0), a.Str(1)); return Variant(); }, nullptr},
      {"SweepRemove", [](IPitchlog& p, Args& a) { a.Need(1, 1); p.SweepRemove(a.Str(0)); return Variant(); }, nullptr},
      {"AddMember", [](IPitchlog& p, Args& a) { a.Need(1, 1); p.AddMember(a.Str(0)); return Variant(); }, nullptr},
      {"MemberRename", [](IPitchlog& p, Args& a) { a.Need(2, 2); p.MemberRename(a.Str(0), a.Str(1)); return Variant(); }, nullptr},
      {"MemberRemove", [](IPitchlog& p, Args& a) { a.Need(1, 1); p.MemberRemove(a.Str(0)); return Variant(); }, nullptr},
      {"MemberPaid", nullptr, [](IPitchlog& p, Args& a) { a.Need(2, 2); p.SetMemberPaid(a.Str(0), a.Value()); }},
      {"SweepMember", nullptr,
       [](IPitchlog& p, Args& a) { a.Need(3, 3); p.SetSweepMember(a.Str(0), a.Var(1), a.Value().ToString()); }},
      {"SweepBid", nullptr,
       [](IPitchlog& p, Args& a) { a.Need(3, 3); p.SetSweepBid(a.Str(0), a.Var(1), a.Value().ToDouble()); }},
      {"SweepChoiceClear",
       [](IPitchlog& p, Args& a) { a.Need(2, 2); p.SweepChoiceClear(a.Str(0), a.Var(1)); return Variant(); }, nullptr},
      {"SweepMembers", [](IPitchlog& p, Args& a) { a.Need(1, 1); return p.SweepMembers(a.Str(0)); }, nullptr},
      {"MembersChoices", [](IPitchlog& p, Args& a) { a.Need(1, 1); return p.MembersChoices(a.Str(0)); }, nullptr},
      {"MemberTotal", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.MemberTotal(a.Str(0))); }, nullptr},
      {"SweepSource", [](IPitchlog& p, Args& a) { a.Need(1, 1); return p.SweepSource(a.Str(0)); }, nullptr},
      {"LoadScript", [](IPitchlog& p, Args& a) { a.Need(0, 0); return p.LoadScript(); }, nullptr},
      {"GetScript", [](IPitchlog& p, Args& a) { a.Need(1, 2); return p.GetScript(a.Str(0), a.OptStr(1)); }, nullptr},
      {"GeneratePage",
       [](IPitchlog& p, Args& a) { a.Need(0, 2); p.GeneratePage(a.OptStr(0), a.OptStr(1)); return Variant(); }, nullptr},
      {"ScriptUBound", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.ScriptUBound()); }, nullptr},
      {"ScriptLine", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.ScriptLine(a.Var(0))); }, nullptr},
      {"GenerateSweeps", [](IPitchlog& p, Args& a) { a.Need(0, 0); p.GenerateSweeps(); return Variant(); }, nullptr},
      {"GenerateMembers", [](IPitchlog& p, Args& a) { a.Need(0, 0); p.GenerateMembers(); return Variant(); }, nullptr},
      {"GenerateAccounts", [](IPitchlog& p, Args& a) { a.Need(0, 0); p.GenerateAccounts(); return Variant(); }, nullptr},
      {"GenerateDetails", [](IPitchlog& p, Args& a) { a.Need(1, 1); p.GenerateDetails(a.Str(0)); return Variant(); }, nullptr},
      {"GenerateBidStake", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.GenerateBidStake(a.Str(0))); }, nullptr},
      {"GenerateTeamList", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.GenerateTeamList(a.Str(0))); }, nullptr},
      {"GeneratePlayerList",
       [](IPitchlog& p, Args& a) { a.Need(1, 1); p.GeneratePlayerList(a.Str(0)); return Variant(); }, nullptr},
      {"GenerateNumberList",
       [](IPitchlog& p, Args& a) { a.Need(1, 1); p.GenerateNumberList(a.Str(0)); return Variant(); }, nullptr},
      {"MembersTotals", [](IPitchlog& p, Args& a) { a.Need(0, 0); return p.MembersTotals(); }, nullptr},
  };
  return rows;
}

}  // namespace kelvane::dispatch

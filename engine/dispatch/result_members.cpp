// Dispatch rows: game records, result flags and group rows.
#include "engine/dispatch/table.h"

namespace kelvane::dispatch {
namespace {

// Getters of a game's figure: (GameID, [Team]).
template <Variant (IPitchlog::*Figure)(const std::string&, const std::string&)>
Variant GameFigure(IPitchlog& p, Args& a) {
  a.Need(1, 2);
  return (p.*Figure)(a.Str(0), a.OptStr(1));
}

// Getters of a group row: (Group, Index).
template <typename T, T (IPitchlog::*Field)(const std::string&, int16_t)>
Variant RowField(IPitchlog& p, Args& a) {
  a.Need(2, 2);
  return Variant((p.*Field)(a.Str(0), a.I16(1)));
}

}  // namespace

Rows ResultMembers() {
  static const Member rows[] = {
      {"Results", [](IPitchlog& p, Args& a) { a.Need(2, 3); return p.Results(a.Str(0), a.Str(1), a.OptStr(2)); },
       [](IPitchlog& p, Args& a) {
         a.Need(3, 4);
         p.SetResults(a.Str(0), a.Str(1), a.Count() == 4 ? a.Str(2) : "", a.Value());
       }},
      {"RemoveResult", [](IPitchlog& p, Args& a) { a.Need(1, 1); p.RemoveResult(a.Str(0)); return Variant(); },
       nullptr},
      {"Result", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.Result(a.Str(0))); },
       [](IPitchlog& p, Args& a) { a.Need(2, 2); p.SetResult(a.Str(0), a.Value().ToBool()); }},
      {"ExtraTime", [](IPitchlog& p, Args& a) { a.Need(1, 1); return Variant(p.ExtraTime(a.Str(0))); },
       [](IPitchlog& p, Args& a) { a.Need(2, 2); p.SetExtraTime(a.Str(0), a.Value().ToBool()); }},
      {"ResultP", GameFigure<&IPitchlog::ResultP>, nullptr},
      {"ResultW", GameFigure<&IPitchlog::ResultW>, nullptr},
      {"ResultD", GameFigure<&IPitchlog::ResultD>, nullptr},
      {"ResultL", GameFigure<&IPitchlog::ResultL>, nullptr},
      {"ResultF", GameFigure<&IPitchlog::ResultF>, nullptr},
      {"ResultA", GameFigure<&IPitchlog::ResultA>, nullptr},
      {"GroupP", RowField<int16_t, &IPitchlog::GroupP>, nullptr},
      {"GroupW", RowField<int16_t, &IPitchlog::GroupW>, nullptr},
      {"GroupD", RowField<int16_t, &IPitchlog::GroupD>, nullptr},
      {"GroupL", RowField<int16_t, &IPitchlog::GroupL>, nullptr},
      {"GroupF", RowField<int16_t, &IPitchlog::GroupF>, nullptr},
      {"GroupA", RowField<int16_t, &IPitchlog::GroupA>, nullptr},
      {"GroupDeduction", RowField<int16_t, &IPitchlog::GroupDeduction>, nullptr},
      {"GroupPts", RowField<int16_t, &IPitchlog::GroupPts>, nullptr},
      {"GroupRank", RowField<std::string, &IPitchlog::GroupRank>, nullptr},
      {"GroupPos", RowField<std::string, &IPitchlog::GroupPos>, nullptr},
      {"GroupLots", RowField<Variant, &IPitchlog::GroupLots>,
       [](IPitchlog& p, Args& a) { a.Need(3, 3); p.SetGroupLots(a.Str(0), a.I16(1), a.Value()); }},
      {"Groups", [](IPitchlog& p, Args& a) { a.Need(3, 3); return Variant(p.Groups(a.Str(0), a.I16(1), a.Str(2))); },
       nullptr},
      {"GroupTeamID", RowField<std::string, &IPitchlog::GroupTeamID>, nullptr},
  };
  return rows;
}

}  // namespace kelvane::dispatch

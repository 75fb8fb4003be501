// Dispatch rows: downloads and local pages.
#include "engine/dispatch/table.h"

namespace kelvane::dispatch {

Rows DownloadMembers() {
  static const Member rows[] = {
      {"DownloadResults", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.DownloadResults()); }, nullptr},
      {"DownloadMessage",
       [](IPitchlog& p, Args& a) {
         a.Need(0, 1);
         return Variant(p.DownloadMessage(a.Count() > 0 && a.Bool(0)));
       },
       nullptr},
      {"DownloadXML",
       [](IPitchlog& p, Args& a) { a.Need(1, 2); return Variant(p.DownloadXML(a.Var(0), a.OptStr(1))); }, nullptr},
      {"DownloadPlayers", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.DownloadPlayers()); }, nullptr},
      {"DownloadLinks", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.DownloadLinks()); }, nullptr},
      {"DownloadHome", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.DownloadHome()); }, nullptr},
      {"Link", [](IPitchlog& p, Args& a) { a.Need(2, 2); return Variant(p.Link(a.Str(0), a.Str(1))); }, nullptr},
      {"HasHomeSite", [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.HasHomeSite()); }, nullptr},
      {"LastDownloadError",
       [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.LastDownloadError()); }, nullptr},
      {"LastDownloadRefused",
       [](IPitchlog& p, Args& a) { a.Need(0, 0); return Variant(p.LastDownloadRefused()); }, nullptr},
  };
  return rows;
}

}  // namespace kelvane::dispatch

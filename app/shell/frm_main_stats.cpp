// The main window's public procedures of the Stats view, which other windows call.
#include "app/shell/frm_main.h"
#include "app/shell/stats_view.h"

namespace pitchlog {

void frmMain::ClearStats() { statsView->ClearStats(); }

void frmMain::LoadStatsTables() { statsView->LoadStatsTables(); }

void frmMain::LoadStatsListTeams(bool ChangeOrder) { statsView->LoadStatsListTeams(ChangeOrder); }

void frmMain::LoadStatsListPlayers(bool ChangeOrder) { statsView->LoadStatsListPlayers(ChangeOrder); }

kelvane::Variant frmMain::SaveTable() {
  statsView->SaveTable();
  return {};
}

void frmMain::varTableValue(const kelvane::Variant& i, const kelvane::Variant& j, const kelvane::Variant& NewValue) {
  varTable.AsArray().Set(i.ToInt32(), j.ToInt32(), NewValue);
}

}  // namespace pitchlog

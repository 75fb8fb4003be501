// The main window's Sweeps menu: the sweepstake windows.
#include "app/shell/frm_main.h"
#include "app/sweeps/frm_accounts.h"
#include "app/sweeps/frm_members.h"
#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/sweeps_kit.h"
#include "app/sweeps/team_draw_slips.h"

namespace pitchlog {

// Not modal and not owned: the main window stays usable, and a second click brings the same
// window forward.
void frmMain::Manage_Click() {
  frmSweeps& sweeps = frmSweeps::Get();
  sweeps.show();
  sweeps.raise();
  sweeps.activateWindow();
}

// A rename saves the sweeps file too, so renaming waits while the sweeps window holds changes.
void frmMain::Members_Click() {
  frmMembers& members = frmMembers::Get();
  members.blnSweepChanged = sweeps::SweepChangesPending();
  members.exec();
  if (frmSweeps::IsLoaded()) frmSweeps::Get().ReloadShownList();
}

void frmMain::Accounts_Click() { frmAccounts::Get().exec(); }

void frmMain::TeamDrawSlips_Click() { TeamDrawSlips(*objKelvane, this); }

}  // namespace pitchlog

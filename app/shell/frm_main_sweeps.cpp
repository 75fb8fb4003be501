// The main window's Sweeps menu: the sweepstake windows.
#include "app/shell/frm_main.h"
#include "app/sweeps/frm_sweeps.h"

namespace pitchlog {

// Not modal and not owned: the main window stays usable, and a second click brings the same
// window forward.
void frmMain::Manage_Click() {
  frmSweeps& sweeps = frmSweeps::Get();
  sweeps.show();
  sweeps.raise();
  sweeps.activateWindow();
}

}  // namespace pitchlog

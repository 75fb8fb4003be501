// The manager window's commands beside Apply, OK and Cancel: a new sweep, a sweep's new name, the
// members, removing a sweep, and the printout of the sweep shown.
#include <QComboBox>
#include <QPushButton>

#include "app/sweeps/frm_edit_sweep.h"
#include "app/sweeps/frm_new_sweep.h"
#include "app/sweeps/frm_sweeps.h"

namespace pitchlog {

// The new sweep is saved at once, and with it whatever the sweeps document holds: pending
// changes are settled first.
void frmSweeps::cmdNewSweep_Click() {
  if (!SettlePendingChanges(QStringLiteral("Do you want to save changes first?"))) return;
  frmNewSweep::Get().exec();
}

void frmSweeps::cmdEdit_Click() { frmEditSweep::Get().exec(); }

}  // namespace pitchlog

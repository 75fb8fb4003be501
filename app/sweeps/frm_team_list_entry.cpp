#include "app/sweeps/frm_team_list_entry.h"

#include <QComboBox>
#include <QPushButton>

#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/money.h"

namespace pitchlog {

frmTeamListEntry::frmTeamListEntry() : ChoiceEntry("frmTeamListEntry", 4740) {
  Place(lblMember, cboMember, 0, 2895);
  Place(lblBid, txtBid, 2880, 1215);
  Place(nullptr, cmdOK, 4200, 495);
}

QTreeWidget* frmTeamListEntry::List() const { return frmSweeps::Get().TeamList; }

void frmTeamListEntry::ReloadList() { frmSweeps::Get().LoadTeamList(Sweep); }

}  // namespace pitchlog

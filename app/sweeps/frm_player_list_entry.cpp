#include "app/sweeps/frm_player_list_entry.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "app/kit/handler_guard.h"
#include "app/kit/msg_box.h"
#include "app/kit/named_widget.h"
#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/money.h"

namespace pitchlog {

frmPlayerListEntry::frmPlayerListEntry() : ChoiceEntry("frmPlayerListEntry", 8085) {
  lblPlayer = Named(new QLabel(QStringLiteral("Player"), this), "lblPlayer");
  cboPlayer = Named(new QComboBox(this), "cboPlayer");
  lblPlayer->setBuddy(cboPlayer);
  Place(lblPlayer, cboPlayer, 0, 3375);
  Place(lblMember, cboMember, 3360, 2895);
  Place(lblBid, txtBid, 6240, 1215);
  Place(nullptr, cmdOK, 7560, 495);
  setTabOrder(cboPlayer, cboMember);
  connect(cboPlayer, &QComboBox::currentIndexChanged, this, Handler(this, &frmPlayerListEntry::cboPlayer_Click));
}

QTreeWidget* frmPlayerListEntry::List() const { return frmSweeps::Get().PlayerList; }

void frmPlayerListEntry::ReloadList() { frmSweeps::Get().LoadPlayerList(Sweep); }

void frmPlayerListEntry::cboPlayer_Click() { TakeChoice(); }

void frmPlayerListEntry::TakeChoice() {
  if (cboPlayer->isHidden() || cboPlayer->currentIndex() < 0) return;
  const int column = cboPlayer->currentData().toInt();
  Choice = frmSweeps::Get().varPlayers.AsArray().at(0, column);
}

bool frmPlayerListEntry::RefusedFirst(const QString& member, const QString& bid, bool bids) const {
  const QString player = cboPlayer->currentText();
  if (!cboPlayer->isHidden() && player.isEmpty()) {
    MsgBox(QStringLiteral("Please select a player\r\n\r\nPlayers may be added from the main page"), msgbox::Critical);
    return true;
  }
  if (!player.isEmpty() && (member.isEmpty() || (bids && bid.isEmpty()))) {
    MsgBox(QStringLiteral("You must enter all details for a new choice"), msgbox::Critical);
    return true;
  }
  return false;
}

}  // namespace pitchlog

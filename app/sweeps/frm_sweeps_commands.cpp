// The manager window's commands beside Apply, OK and Cancel: a new sweep, a sweep's new name, the
// members, removing a sweep, and the printout of the sweep shown.
#include <exception>

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "app/kit/msg_box.h"
#include "app/kit/program.h"
#include "app/sweeps/frm_edit_sweep.h"
#include "app/sweeps/frm_members.h"
#include "app/sweeps/frm_new_sweep.h"
#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/list_view_printer.h"
#include "app/sweeps/printer.h"

namespace pitchlog {
namespace {

// Room kept free at the foot of each page.
constexpr double kFootRoom = 480;

}  // namespace

// The new sweep is saved at once, and with it whatever the sweeps document holds: pending
// changes are settled first. Once they are, the list shows what the sweeps now hold, also when
// no new sweep comes of it.
void frmSweeps::cmdNewSweep_Click() {
  const bool pending = cmdApply->isEnabled();
  if (!SettlePendingChanges(QStringLiteral("Do you want to save changes first?"))) return;
  if (pending) {
    ReloadShownList();
    cmdEdit->setEnabled(!shown_sweep_.isEmpty());
  }
  frmNewSweep::Get().exec();
}

void frmSweeps::cmdEdit_Click() { frmEditSweep::Get().exec(); }

// Member names may have changed: the list shown is read again.
void frmSweeps::cmdMembers_Click() {
  frmMembers& members = frmMembers::Get();
  members.blnSweepChanged = cmdApply->isEnabled();
  members.exec();
  ReloadShownList();
}

// Offered only for a sweep without choices. The save writes every pending change with it.
void frmSweeps::cmdRemove_Click() {
  if (MsgBox(QStringLiteral("Are you sure you want to remove this sweep?"), msgbox::YesNo) != msgbox::Yes) return;
  gobjKelvane->SweepRemove(ToStd(cboSweepList->currentText()));
  gobjKelvane->SaveSweeps();
  {
    const QSignalBlocker quiet(cboSweepList);
    cboSweepList->removeItem(cboSweepList->currentIndex());
    cboSweepList->setCurrentIndex(-1);
  }
  shown_sweep_.clear();
  for (QTreeWidget* list : {TeamList, PlayerList, NumberList}) {
    list->clear();
    list->hide();
  }
  // No sweep is shown: nothing to rename or print, no stake or bids.
  for (QPushButton* button : {cmdRemove, cmdEdit, cmdPrint}) button->setEnabled(false);
  BidsFrame->hide();
  StakeFrame->hide();
  // Everything is saved now.
  cmdApply->setEnabled(false);
}

// The sweep shown under a heading with its stake or bids. The list runs on over as many pages as
// it needs, each under the list's column captions.
void frmSweeps::cmdPrint_Click() {
  const std::unique_ptr<QPrinter> device = ChoosePrinter(this);
  if (!device) return;
  try {
    const QString title = gstrAppTitle + QStringLiteral(": ") + cboSweepList->currentText();
    Printer printer(device.get(), title);
    ListViewPrinter list_printer = ListViewPrinter::Paged(title);
    PrintHeading(printer, title, 12);
    printer.Print(QStringLiteral(" "));
    if (!BidsFrame->isHidden())
      printer.Print(QStringLiteral("Total Bids: ") + BidsLabel->text());
    else if (!StakeFrame->isHidden())
      printer.Print(QStringLiteral("Stake (each): ") + StakeLabel->text());
    else
      printer.Print(QStringLiteral(" "));
    printer.Print(QStringLiteral(" "));
    printer.Print(QStringLiteral(" "));
    printer.SetFontSize(8);
    printer.SetFontBold(false);
    PrintPageHead(printer, title);
    for (const QTreeWidget* list : {NumberList, PlayerList, TeamList}) {
      if (list->isHidden()) continue;
      list_printer.PrintListview(*list, printer, false, true, printer.ScaleHeight() - kFootRoom, 0);
      break;
    }
    printer.EndDoc();
  } catch (const std::exception&) {
    ShowPrinterError();
  }
}

// The question comes over this window, brought forward, and says what it is about: the main
// window's question about the results may follow.
bool frmSweeps::SettleBeforeExit() {
  if (cmdApply->isEnabled()) {
    show();
    raise();
    activateWindow();
    // The box stands over the active window, once the activation has come through.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  if (!SettlePendingChanges(QStringLiteral("Do you want to save the changes to the sweeps?"))) return false;
  Unload();
  return true;
}

}  // namespace pitchlog

// The main window's File menu commands that open and save result sets.
#include <QAction>

#include "app/kit/msg_box.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_open_scenario.h"
#include "app/shell/frm_save_scenario.h"

namespace pitchlog {

// A save that fails raises its error here, so the command that asked goes no further and the
// unsaved results stay in memory.
bool frmMain::OfferToSaveResults() {
  if (!SaveResults->isEnabled()) return true;
  switch (MsgBox(QStringLiteral("Would you like to save your current results first?"), msgbox::YesNoCancel)) {
    case msgbox::Yes:
      SaveResults_Click();
      return true;
    case msgbox::No:
      return true;
    default:
      return false;
  }
}

void frmMain::OpenResults_Click() {
  if (!OfferToSaveResults()) return;
  OpenResultsSet("Results");
}

void frmMain::OpenScenario_Click() {
  if (!OfferToSaveResults()) return;
  frmOpenScenario::Get().exec();
}

void frmMain::SaveScenario_Click() { frmSaveScenario::Get().exec(); }

}  // namespace pitchlog

// The main window's Help menu: the help file, the users' forum, the About box and the licence
// terms.
#include <QFileInfo>

#include "app/shell/frm_about.h"
#include "app/shell/frm_licence.h"
#include "app/shell/frm_main.h"
#include "app/shell/msg_box.h"
#include "app/shell/program.h"
#include "app/shell/score_text.h"
#include "app/shell/shell_helpers.h"

namespace pitchlog {

// The help file is in a format that no viewer here reads, so the user is told where it is.
void frmMain::HelpTopics_Click() {
  App.HelpFile = App.Path + QStringLiteral("/Halvex.hlp");
  const QString text = QFileInfo::exists(App.HelpFile)
                           ? QStringLiteral("The help file \"%1\" is in a format that cannot be shown on this system.")
                           : QStringLiteral("The help file \"%1\" was not found.");
  MsgBox(text.arg(App.HelpFile), msgbox::Exclamation);
}

// The forum is a page of the web site; the desktop would pass over anything else in silence.
void frmMain::OpenForum_Click() {
  const QString address = ToQ(objKelvane->Properties("downloadurl").ToString()) + QStringLiteral("/forum.html");
  if (!IsWebAddress(address)) {
    MsgBox(QStringLiteral("The forum cannot be opened: \"%1\" is not a web address.").arg(address), msgbox::Exclamation);
    return;
  }
  ShellOpen(address);
}

void frmMain::About_Click() {
  frmAbout& about = frmAbout::Get();
  about.show();
  about.raise();
  about.activateWindow();
}

void frmMain::LicenceTerms_Click() { frmLicence::Get().exec(); }

}  // namespace pitchlog

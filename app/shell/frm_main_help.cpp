// The main window's Help menu: the help file, the users' forum, the About box and the licence
// terms.
#include "app/kit/msg_box.h"
#include "app/kit/program.h"
#include "app/kit/score_text.h"
#include "app/kit/shell_helpers.h"
#include "app/shell/frm_about.h"
#include "app/shell/frm_help.h"
#include "app/shell/frm_licence.h"
#include "app/shell/frm_main.h"

namespace pitchlog {

// The user's guide at its contents.
void frmMain::HelpTopics_Click() { frmHelp::Get().ShowTopic(QLatin1String(kHelpContents)); }

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

// The main window's Downloads menu: the results download, the other data files, and the
// server's message.
#include <QAction>
#include <QCoreApplication>
#include <QPlainTextEdit>

#include "app/kit/program.h"
#include "app/shell/download_kit.h"
#include "app/shell/frm_download.h"
#include "app/shell/frm_download_progress.h"
#include "app/shell/frm_download_results.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_message.h"

namespace pitchlog {

// Before a download can replace the default set, "Results Backup" keeps what it would replace:
// the results held now (unsaved ones too) when the default set is current, else the default
// set's file as it stands. The backup is a copy: the set the window names stays the one Save
// Results writes to, also when the download is cancelled or fails.
void frmMain::Results_Click() {
  if (DownloadWatch::Running()) return;
  if (!OfferToSaveResults()) return;
  const std::string current = objKelvane->ResultsSet();
  std::string backup = "Results Backup";
  if (ToQ(current).toLower() == QLatin1String("results")) {
    objKelvane->SaveScenario(backup);
    objKelvane->SetResultsSet(current);
  } else {
    objKelvane->CopyResultsSet("Results", backup);
  }
  frmDownloadResults::Get().exec();
}

void frmMain::DownloadOthers_Click() {
  if (!DownloadWatch::Running()) frmDownload::Get().exec();
}

void frmMain::GetMessage_Click() {
  if (DownloadWatch::Running()) return;
  frmMessage::Get().txtMessage->setPlainText(
      QStringLiteral("*** Downloading Message ***\nYOU MUST BE CONNECTED TO THE INTERNET"));
  frmMessage::Get().ShowModeless();
  // Drawn before the download starts.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

  const DownloadWatch watch;
  const QString answer = ToQ(objKelvane->DownloadMessage(true));
  QPlainTextEdit* text = frmMessage::Get().txtMessage;
  if (answer.toLower() == QLatin1String("[error]")) {
    const QString refusal = download::Refusal();
    text->setPlainText(DownloadWatch::Cancelled() ? QStringLiteral("Download of the message cancelled")
                       : !refusal.isEmpty()       ? QStringLiteral("Unable to download message\n") + refusal
                                                  : QStringLiteral("Unable to download message\nPlease check you "
                                                                   "are connected to the Internet, and try again"));
    return;
  }
  const QString shown = frmMessage::Shown(answer);
  text->setPlainText(shown);
  if (!shown.isEmpty()) {
    objKelvane->SetProperties("message", ToStd(answer));
    objKelvane->SaveProperties();
  }
  LastMessage->setEnabled(!answer.isEmpty());
}

void frmMain::LastMessage_Click() {
  frmMessage& window = frmMessage::Get();
  window.txtMessage->setPlainText(frmMessage::Shown(ToQ(objKelvane->Properties("message").ToString())));
  window.ShowModeless();
}

}  // namespace pitchlog

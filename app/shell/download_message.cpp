#include "app/shell/download_message.h"

#include <QAction>
#include <QPlainTextEdit>

#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_message.h"

namespace pitchlog {

void ShowDownloadMessage() {
  const QString message = ToQ(gobjKelvane->DownloadMessage(false));
  if (message.isEmpty() || message == ToQ(gobjKelvane->Properties("message").ToString())) return;
  gobjKelvane->SetProperties("message", ToStd(message));
  frmMessage& window = frmMessage::Get();
  window.txtMessage->setPlainText(frmMessage::Shown(message));
  gobjKelvane->SaveProperties();
  frmMain::Get().LastMessage->setEnabled(true);
  window.ShowModal();
}

}  // namespace pitchlog

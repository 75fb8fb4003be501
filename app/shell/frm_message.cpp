#include "app/shell/frm_message.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace pitchlog {

frmMessage::frmMessage() {
  setObjectName(QStringLiteral("frmMessage"));
  setWindowTitle(QStringLiteral("Message"));
  resize(420, 300);
  txtMessage = new QPlainTextEdit(this);
  txtMessage->setObjectName(QStringLiteral("txtMessage"));
  // A message to read and copy from, not to edit.
  txtMessage->setReadOnly(true);
  // The text box fills the window as it is resized.
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(txtMessage);
}

QString frmMessage::Shown(const QString& message) {
  return QString(message).replace(QLatin1String("#EOL#"), QLatin1String("\n"));
}

void frmMessage::ShowModeless() {
  show();
  raise();
  activateWindow();
}

// A window already open without a mode only becomes modal when shown again.
void frmMessage::ShowModal() {
  if (isVisible()) hide();
  exec();
}

void frmMessage::reject() { Unload(); }

void frmMessage::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

}  // namespace pitchlog

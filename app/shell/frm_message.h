// "Message": the server's message for all users, fetched on demand or after a download, and
// shown again on request. One window that every caller writes into.
#pragma once

#include <QDialog>
#include <QString>

#include "app/kit/default_instance.h"

class QPlainTextEdit;

namespace pitchlog {

class frmMessage : public QDialog, public DefaultInstance<frmMessage> {
  Q_OBJECT

 public:
  frmMessage();

  QPlainTextEdit* txtMessage;

  // The message as the server wrote it: each "#EOL#" starts a new line.
  static QString Shown(const QString& message);

  // Shows the window without a mode, in front.
  void ShowModeless();
  // Shows the window modally, also when it is already open without a mode.
  void ShowModal();

 protected:
  void reject() override;  // Esc
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace pitchlog

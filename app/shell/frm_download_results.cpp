#include "app/shell/frm_download_results.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopeGuard>

#include "app/kit/msg_box.h"
#include "app/kit/program.h"
#include "app/shell/download_kit.h"
#include "app/shell/download_message.h"
#include "app/shell/frm_download_progress.h"
#include "app/shell/frm_main.h"

namespace pitchlog {

namespace {

// A players file that arrived and was refused says why; one that did not arrive says no more.
QString PlayersRefusal() {
  const QString refusal = download::Refusal();
  return refusal.isEmpty() ? QString() : QStringLiteral("\n\n") + refusal;
}

}  // namespace

frmDownloadResults::frmDownloadResults() {
  setObjectName(QStringLiteral("frmDownloadResults"));
  setWindowTitle(QStringLiteral("Download Results"));
  setFixedSize(400, 210);
  lblHeading = new QLabel(this);
  lblHeading->setObjectName(QStringLiteral("lblHeading"));
  lblHeading->setGeometry(10, 10, 380, 34);
  lblHeading->setWordWrap(true);
  auto* frame = new QGroupBox(QStringLiteral("Download Players As Well?"), this);
  frame->setGeometry(10, 50, 380, 115);
  chkPlayers = new QCheckBox(QStringLiteral("Download Players"), frame);
  chkPlayers->setObjectName(QStringLiteral("chkPlayers"));
  chkPlayers->setGeometry(10, 22, 360, 21);
  lblPlayers = new QLabel(frame);
  lblPlayers->setObjectName(QStringLiteral("lblPlayers"));
  lblPlayers->setGeometry(10, 46, 360, 62);
  lblPlayers->setWordWrap(true);
  lblPlayers->installEventFilter(this);
  cmdOk = new QPushButton(QStringLiteral("OK"), this);
  cmdOk->setObjectName(QStringLiteral("cmdOk"));
  cmdOk->setGeometry(230, 175, 75, 25);
  cmdOk->setDefault(true);
  cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  cmdCancel->setGeometry(315, 175, 75, 25);

  connect(cmdOk, &QPushButton::clicked, this, Handler(this, &frmDownloadResults::cmdOk_Click));
  connect(cmdCancel, &QPushButton::clicked, this, &frmDownloadResults::reject);
}

void frmDownloadResults::Form_Load() {
  lblHeading->setText(download::Heading());
  lblPlayers->setText(QStringLiteral(
      "We recommended you download players ONCE only, at the time when you first download results. This will "
      "ensure that your player records match the results' goal scorers and penalty takers"));
  chkPlayers->setChecked(false);
}

void frmDownloadResults::lblPlayers_Click() { chkPlayers->setChecked(!chkPlayers->isChecked()); }

// Whatever happened to the results, the info bar and home pages are fetched last.
void frmDownloadResults::cmdOk_Click() {
  const DownloadWatch watch;
  frmMain& main = frmMain::Get();
  cmdOk->setEnabled(false);
  const auto enable = qScopeGuard([this] { cmdOk->setEnabled(true); });
  if (gobjKelvane->DownloadResults()) {
    if (chkPlayers->isChecked()) {
      if (gobjKelvane->DownloadPlayers())
        gobjKelvane->SavePlayers();
      else
        MsgBox(QStringLiteral("Cannot download players") + PlayersRefusal(), msgbox::Critical);
    }
    MsgBox(QStringLiteral("Download Complete"));
    main.OpenResultsSet("Results");
    const auto unload = qScopeGuard([] { Unload(); });
    cmdOk->setEnabled(true);
    hide();
    ShowDownloadMessage();
  } else {
    MsgBox(download::FailureText(QString()), download::FailureStyle());
  }
  download::RefreshLocalPages(main, false);
}

void frmDownloadResults::reject() { Unload(); }

void frmDownloadResults::closeEvent(QCloseEvent* event) {
  event->accept();
  Unload();
}

bool frmDownloadResults::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lblPlayers && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
    RunHandler([this] { lblPlayers_Click(); });
  return QDialog::eventFilter(watched, event);
}

}  // namespace pitchlog

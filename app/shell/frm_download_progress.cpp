#include "app/shell/frm_download_progress.h"

#include <algorithm>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>

#include "app/kit/program.h"
#include "app/kit/shell_helpers.h"
#include "platform/net/transfer_hook.h"

namespace pitchlog {
namespace {

// A transfer that ends sooner never shows the window, so quick files don't make it flicker.
constexpr qint64 kShowAfterMs = 250;

class Watcher : public kelvane::net::TransferHook {
 public:
  bool Begin(const std::string& url) override {
    if (frmDownloadProgress::IsLoaded() && frmDownloadProgress::Get().Cancelled()) return false;
    file_ = QUrl(QString::fromStdString(url)).fileName();
    clock_.start();
    return true;
  }

  bool Progress(int64_t received, int64_t expected) override {
    const bool shown = frmDownloadProgress::IsLoaded() && frmDownloadProgress::Get().isVisible();
    if (!shown && clock_.elapsed() >= kShowAfterMs) {
      frmDownloadProgress& window = frmDownloadProgress::Get();
      window.ShowTransfer(file_, received, expected);
      window.show();
      window.raise();
    } else if (shown) {
      frmDownloadProgress::Get().ShowTransfer(file_, received, expected);
    }
    // Until the window stands in front, clicks and keys wait: nothing else may start meanwhile.
    QCoreApplication::processEvents(shown ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    return !(frmDownloadProgress::IsLoaded() && frmDownloadProgress::Get().Cancelled());
  }

  void End(bool, const std::string&) override {
    if (frmDownloadProgress::IsLoaded()) frmDownloadProgress::Get().hide();
  }

 private:
  QString file_;
  QElapsedTimer clock_;
};

bool watching = false;

}  // namespace

frmDownloadProgress::frmDownloadProgress() {
  setObjectName(QStringLiteral("frmDownloadProgress"));
  setWindowTitle(QStringLiteral("Downloading"));
  setWindowModality(Qt::ApplicationModal);
  setFixedSize(320, 105);
  lblFile = new QLabel(this);
  lblFile->setObjectName(QStringLiteral("lblFile"));
  lblFile->setGeometry(10, 10, 300, 21);
  prgDownload = new QProgressBar(this);
  prgDownload->setObjectName(QStringLiteral("prgDownload"));
  prgDownload->setGeometry(10, 38, 300, 21);
  cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
  cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
  cmdCancel->setGeometry(235, 70, 75, 25);
  cmdCancel->setDefault(true);
  connect(cmdCancel, &QPushButton::clicked, this, Handler(this, &frmDownloadProgress::cmdCancel_Click));
}

void frmDownloadProgress::ShowTransfer(const QString& file, qint64 received, qint64 expected) {
  lblFile->setText(QStringLiteral("Downloading ") + file);
  if (expected > 0) {
    // In kilobytes, so the bar's int range holds any reply the size cap lets through.
    prgDownload->setRange(0, static_cast<int>(expected / 1024) + 1);
    prgDownload->setValue(static_cast<int>(std::min(received, expected) / 1024));
  } else {
    prgDownload->setRange(0, 0);  // busy: the server has not said how much
  }
}

void frmDownloadProgress::cmdCancel_Click() { cancelled_ = true; }

void frmDownloadProgress::reject() { cancelled_ = true; }

// Closing the window stops the download; the window itself goes when the command ends.
void frmDownloadProgress::closeEvent(QCloseEvent* event) {
  cancelled_ = true;
  event->ignore();
}

bool DownloadWatch::Running() { return watching; }

bool DownloadWatch::Cancelled() { return frmDownloadProgress::IsLoaded() && frmDownloadProgress::Get().Cancelled(); }

DownloadWatch::DownloadWatch() : owner_(!watching) {
  if (!owner_) return;
  watching = true;
  gobjKelvane->SetDownloadHook(std::make_shared<Watcher>());
}

DownloadWatch::~DownloadWatch() {
  if (!owner_) return;
  gobjKelvane->SetDownloadHook(nullptr);
  frmDownloadProgress::Unload();
  watching = false;
}

}  // namespace pitchlog

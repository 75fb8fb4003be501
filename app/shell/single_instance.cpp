#include "app/shell/single_instance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

#include <memory>

#include "app/kit/handler_guard.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_splash.h"

namespace pitchlog {
namespace {

constexpr char kLockFileName[] = "pitchlog.lock";

struct Claim {
  QString folder;
  std::unique_ptr<QLockFile> lock;
  std::unique_ptr<QLocalServer> server;
};

std::unique_ptr<Claim>& HeldClaim() {
  static std::unique_ptr<Claim> held;
  return held;
}

QString CanonicalFolder(const QString& folder) {
  const QString canonical = QFileInfo(folder).canonicalFilePath();
  return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
}

// Out of the tray too; a dialog open over the window stays on top of it.
void BringForward() {
  if (frmMain::IsLoaded()) {
    frmMain::Get().NoSysIcon(true);
  } else if (frmSplash::IsLoaded()) {
    frmSplash& splash = frmSplash::Get();
    splash.show();
    splash.raise();
    splash.activateWindow();
  }
  if (QWidget* modal = QApplication::activeModalWidget()) {
    modal->raise();
    modal->activateWindow();
  }
}

// The running copy may be starting and not listen yet: it is given a few seconds.
void AskRunningCopyForward(const QString& name) {
  QLocalSocket socket;
  for (int attempt = 0; attempt < 20; ++attempt) {
    socket.connectToServer(name);
    if (socket.waitForConnected(250)) {
      socket.write("show\n");
      socket.waitForBytesWritten(1000);
      socket.disconnectFromServer();
      return;
    }
    socket.abort();
    QThread::msleep(100);
  }
}

void Listen(QLocalServer& server, const QString& name) {
  server.setSocketOptions(QLocalServer::UserAccessOption);
  if (!server.listen(name)) {
    // The lock is ours, so what answers to the name is what a killed copy left.
    QLocalServer::removeServer(name);
    server.listen(name);
  }
  QObject::connect(&server, &QLocalServer::newConnection, &server, [&server] {
    while (QLocalSocket* socket = server.nextPendingConnection()) {
      QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      RunHandler(&BringForward);
    }
  });
}

// This start found a running copy and asked it forward.
bool handed_over = false;

}  // namespace

QString InstanceServerName(const QString& program_folder) {
  const QByteArray hash =
      QCryptographicHash::hash(CanonicalFolder(program_folder).toUtf8(), QCryptographicHash::Sha1).toHex();
  return QStringLiteral("pitchlog-") + QString::fromLatin1(hash);
}

bool ClaimProgramFolder(const QString& program_folder) {
  const QString folder = CanonicalFolder(program_folder);
  std::unique_ptr<Claim>& held = HeldClaim();
  if (held && held->folder == folder) return true;
  held.reset();
  auto claim = std::make_unique<Claim>();
  claim->folder = folder;
  claim->lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + QLatin1String(kLockFileName));
  // Only an owner that is gone makes the lock stale, however long a copy has been running.
  claim->lock->setStaleLockTime(0);
  if (!claim->lock->tryLock(0) && claim->lock->error() == QLockFile::LockFailedError) {
    AskRunningCopyForward(InstanceServerName(folder));
    handed_over = true;
    return false;
  }
  // A folder that takes no lock file still runs, unguarded, rather than not at all.
  claim->server = std::make_unique<QLocalServer>();
  Listen(*claim->server, InstanceServerName(folder));
  held = std::move(claim);
  return true;
}

void ReleaseProgramFolder() { HeldClaim().reset(); }

bool HandedToRunningCopy() { return handed_over; }

}  // namespace pitchlog

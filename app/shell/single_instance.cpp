#include "app/shell/single_instance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSysInfo>
#include <QThread>

#include <signal.h>

#include <cerrno>
#include <memory>

#include "app/kit/handler_guard.h"
#include "app/kit/msg_box.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_splash.h"

namespace pitchlog {
namespace {

constexpr char kLockFileName[] = "pitchlog.lock";

// This start found a running copy and asked it forward.
bool handed_over = false;

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

bool Answers(const QString& name) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(250)) return false;
  socket.write("show\n");
  socket.waitForBytesWritten(1000);
  socket.disconnectFromServer();
  return true;
}

bool OnOtherMachine(const QString& host) { return !host.isEmpty() && host != QSysInfo::machineHostName(); }

// Asks the running copy forward; true when one answered. A copy listens as soon as it holds the
// lock, so only a lock made moments ago on this machine is given a few seconds to be listened to.
bool AskRunningCopyForward(const QString& name, const QLockFile& lock, const QString& lock_file) {
  qint64 pid = 0;
  QString host, app;
  const bool starting = !(lock.getLockInfo(&pid, &host, &app) && OnOtherMachine(host)) &&
                        QFileInfo(lock_file).lastModified().secsTo(QDateTime::currentDateTime()) < 5;
  for (int attempt = 0; attempt < (starting ? 20 : 1); ++attempt) {
    if (Answers(name)) return true;
    QThread::msleep(100);
  }
  return false;
}

QString LockOwner(const QString& lock_file) {
  const QString owner = QFileInfo(lock_file).owner();
  return owner.isEmpty() ? QString() : QStringLiteral(" (the file belongs to %1)").arg(owner);
}

// Why a held lock stops this start, and what the user can do about it.
QString HeldLockText(const QLockFile& lock, const QString& lock_file) {
  qint64 pid = 0;
  QString host, app;
  const QString head = QStringLiteral("Pitchlog can't start on the program folder %1.\n\n")
                           .arg(QDir::toNativeSeparators(QFileInfo(lock_file).path()));
  const QString file = QDir::toNativeSeparators(lock_file) + LockOwner(lock_file);
  if (!lock.getLockInfo(&pid, &host, &app))
    return head + QStringLiteral("Its lock file %1 can't be read. If no copy of Pitchlog runs on this folder, "
                                 "delete the lock file and start again.").arg(file);
  if (OnOtherMachine(host))
    return head + QStringLiteral("A copy runs on it on the machine \"%1\", as its lock file %2 says. Close that "
                                 "copy first. If none runs there any more, delete the lock file and start again.")
                      .arg(host, file);
  if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
    return head + QStringLiteral("A copy that has ended left the lock file %1, and this user can't remove it. "
                                 "Delete it as its owner or as root, then start again.")
                      .arg(file);
  return head + QStringLiteral("Its lock file %1 says a copy runs on it (process %2), but that copy does not answer. "
                               "If no copy of Pitchlog runs on this folder (it may be a copy of a folder in use), "
                               "delete the lock file and start again.").arg(file).arg(pid);
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
  handed_over = false;
  auto claim = std::make_unique<Claim>();
  claim->folder = folder;
  const QString lock_file = folder + QLatin1Char('/') + QLatin1String(kLockFileName);
  const QString name = InstanceServerName(folder);
  claim->lock = std::make_unique<QLockFile>(lock_file);
  // Only an owner that is gone makes the lock stale, however long a copy has been running.
  claim->lock->setStaleLockTime(0);
  const bool locked = claim->lock->tryLock(0);
  if (!locked && claim->lock->error() == QLockFile::LockFailedError) {
    handed_over = AskRunningCopyForward(name, *claim->lock, lock_file);
    if (!handed_over) MsgBox(HeldLockText(*claim->lock, lock_file), msgbox::Critical);
    return false;
  }
  // No lock could be made (a full disk, a folder this user can't write): a copy that runs on the
  // folder still listens, and this start goes to it rather than run beside it.
  if (!locked && Answers(name)) {
    handed_over = true;
    return false;
  }
  claim->server = std::make_unique<QLocalServer>();
  Listen(*claim->server, name);
  held = std::move(claim);
  if (!locked)
    MsgBox(QStringLiteral("Pitchlog could not make its lock file %1: the disk may be full, or this user can't "
                          "write to the folder. Pitchlog runs, but it can't keep another user or machine from "
                          "starting a second copy on this folder, and saving may fail.")
               .arg(QDir::toNativeSeparators(lock_file)),
           msgbox::Exclamation);
  return true;
}

void ReleaseProgramFolder() { HeldClaim().reset(); }

bool HandedToRunningCopy() { return handed_over; }

}  // namespace pitchlog

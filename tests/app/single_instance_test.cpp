// One copy of the program per program folder: a second start brings the running copy forward
// and ends without a window of its own; a lock that a killed copy left does not stop a start;
// without a lock the next start still goes to the running copy; a lock that no copy answers to
// ends the start with a message that says why.
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>
#include <sys/resource.h>

#include "app/shell/frm_main.h"
#include "app/shell/frm_splash.h"
#include "app/shell/single_instance.h"
#include "app/shell/start.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::ProgramFolder;

namespace {

// The program itself, copied into the folder: its program folder is the folder of its executable.
QString CopyProgramInto(const ProgramFolder& folder) {
  const QString program = folder.File(QStringLiteral("pitchlog"));
  if (!QFile::copy(QStringLiteral(PITCHLOG_PROGRAM), program)) qFatal("cannot copy the program");
  return program;
}

// No file can grow, as on a full disk: a lock file is made but its contents can't be written.
// Root is held to the limit too.
class FullDisk {
 public:
  FullDisk() {
    ::getrlimit(RLIMIT_FSIZE, &before_);
    rlimit none = before_;
    none.rlim_cur = 0;
    ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &none);
  }
  ~FullDisk() { ::setrlimit(RLIMIT_FSIZE, &before_); }
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;
  // The command that starts a program under the same limit.
  static QStringList Command(const QString& program) {
    return {QStringLiteral("bash"), QStringLiteral("-c"), QStringLiteral("trap '' XFSZ; ulimit -S -f 0; exec \"$0\""),
            program};
  }

 private:
  rlimit before_{};
};

void StartCopy(QProcess& copy, const QString& program, bool full_disk = false) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  copy.setProcessEnvironment(environment);
  if (full_disk) {
    const QStringList command = FullDisk::Command(program);
    copy.start(command.first(), command.mid(1));
  } else {
    copy.start(program, {});
  }
  if (!copy.waitForStarted(5000)) qFatal("the copy did not start");
}

bool Listening(const QString& name) {
  QLocalSocket socket;
  socket.connectToServer(name);
  return socket.waitForConnected(100);
}

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() { app_testing::ResetProgram(); }

  void secondStartBringsTheFirstForwardAndEnds() {
    ProgramFolder folder;
    frmMain& window = app_testing::StartToMainWindow(folder);
    window.NoSysIcon(false);  // to the tray, or minimised where there is none
    QTRY_VERIFY(!window.isVisible() || window.isMinimized());

    QProcess second;
    StartCopy(second, CopyProgramInto(folder));
    // A copy that opened its own windows would run until it is closed.
    QVERIFY(second.waitForFinished(10000));
    // Handing over is no failure: a launcher shows no error for it.
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QTRY_VERIFY(window.isVisible() && !window.isMinimized());
  }

  void startAfterAKilledCopyWorks() {
    ProgramFolder folder;
    QProcess first;
    StartCopy(first, CopyProgramInto(folder));
    const QString name = InstanceServerName(folder.Path());
    QTRY_VERIFY_WITH_TIMEOUT(Listening(name), 10000);
    first.kill();
    QVERIFY(first.waitForFinished(5000));
    QVERIFY(QFile::exists(folder.File(QStringLiteral("pitchlog.lock"))));

    QVERIFY(StartProgram(folder.Path()));
    QVERIFY(frmSplash::IsLoaded());
    QVERIFY(Listening(name));
  }

  // Where no lock can be made the first copy runs and says so, and the next start goes to it
  // instead of running beside it.
  void withoutALockTheNextStartGoesToTheFirst() {
    ProgramFolder folder;
    const QString program = CopyProgramInto(folder);
    {
      FullDisk full;
      app_testing::MessageBoxes boxes({QMessageBox::Ok});
      QVERIFY(ClaimProgramFolder(folder.Path()));
      QVERIFY2(boxes.Text().contains(QStringLiteral("could not make its lock file")), qPrintable(boxes.Text()));
    }
    QVERIFY(!QFile::exists(folder.File(QStringLiteral("pitchlog.lock"))));
    QVERIFY(Listening(InstanceServerName(folder.Path())));

    QProcess second;
    StartCopy(second, program, true);
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(Listening(InstanceServerName(folder.Path())));
    ReleaseProgramFolder();
  }

  // A lock that no copy here answers to: a copy of a folder in use (cp -a keeps the running
  // copy's lock), or a copy on another machine. The start ends at once and says why.
  void aLockNoCopyAnswersToSaysWhy_data() {
    QTest::addColumn<bool>("other_machine");
    QTest::addColumn<QString>("why");
    QTest::newRow("copied folder") << false << QStringLiteral("does not answer");
    QTest::newRow("other machine") << true << QStringLiteral("on the machine \"another-desk\"");
  }
  void aLockNoCopyAnswersToSaysWhy() {
    QFETCH(bool, other_machine);
    QFETCH(QString, why);
    ProgramFolder folder;
    const QString lock_file = folder.File(QStringLiteral("pitchlog.lock"));
    QTemporaryDir in_use;
    QLockFile running(in_use.filePath(QStringLiteral("pitchlog.lock")));  // this process: alive
    QVERIFY(running.tryLock(0));
    if (other_machine) {
      QFile file(lock_file);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("4242\npitchlog\nanother-desk\n");
    } else {
      QVERIFY(QFile::copy(in_use.filePath(QStringLiteral("pitchlog.lock")), lock_file));
      QFile file(lock_file);
      QVERIFY(file.open(QIODevice::ReadWrite));
      QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }

    app_testing::MessageBoxes boxes({QMessageBox::Ok});
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!ClaimProgramFolder(folder.Path()));
    QVERIFY(timer.elapsed() < 1500);
    QVERIFY(!HandedToRunningCopy());  // so the program ends as a failure
    QVERIFY2(boxes.Text().contains(why), qPrintable(boxes.Text()));
    QVERIFY(boxes.Text().contains(QDir::toNativeSeparators(lock_file)));
    QVERIFY(QFile::exists(lock_file));
  }

  // The start of one run on its folder asks nothing of itself, and lets the folder go at the end.
  void aRunClaimsItsFolderOnceAndReleasesIt() {
    ProgramFolder folder;
    QVERIFY(ClaimProgramFolder(folder.Path()));
    QVERIFY(ClaimProgramFolder(folder.Path()));
    QVERIFY(Listening(InstanceServerName(folder.Path())));
    ReleaseProgramFolder();
    QVERIFY(!Listening(InstanceServerName(folder.Path())));
    QVERIFY(!QFile::exists(folder.File(QStringLiteral("pitchlog.lock"))));
  }
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"

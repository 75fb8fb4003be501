// One copy of the program per program folder: a second start brings the running copy forward
// and ends without a window of its own; a lock that a killed copy left does not stop a start.
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>

#include "app/shell/frm_main.h"
#include "app/shell/frm_splash.h"
#include "app/shell/single_instance.h"
#include "app/shell/start.h"
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

void StartCopy(QProcess& copy, const QString& program) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  copy.setProcessEnvironment(environment);
  copy.start(program, {});
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

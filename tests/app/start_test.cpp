// Start-up: the engine created by ProgID and loaded, the splash window, and the way to the main
// window; an incomplete database or a missing engine ends the start with a message.
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/kit/main_window_link.h"
#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_splash.h"
#include "app/shell/start.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::MessageBoxes;
using app_testing::ProgramFolder;

class StartTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() { app_testing::ResetProgram(); }

  void startsThroughTheProgId() {
    ProgramFolder folder;
    QVERIFY(StartProgram(folder.Path()));
    QVERIFY(gobjKelvane);
    QCOMPARE(ToQ(gobjKelvane->AppPath()), folder.Path());
    QCOMPARE(App.Path, folder.Path());
    QCOMPARE(App.HelpFile, folder.Path() + "/Help/index.html");
    QCOMPARE(gstrAppTitle, QStringLiteral("Zintorra Orvessa Pitchlog 2006"));
    // The shipped colour settings, in the program-wide variables.
    QCOMPARE(glngMyTeamColour, 255);
    QCOMPARE(glngMyTeamGhost, 8355839);
    QCOMPARE(glngMyOtherTeamColour, 16711680);
    QCOMPARE(glngMyOtherTeamGhost, 16744319);
    QVERIFY(frmSplash::IsLoaded());
    QVERIFY(frmSplash::Get().isVisible());
    QVERIFY(!frmMain::IsLoaded());
    QVERIFY(!LoadedMainWindow());
  }

  void timeZoneButtonShowsWhileNoTimeDifference_data() {
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<bool>("shown");
    QTest::newRow("empty") << QByteArray("<timedifference></timedifference>") << true;
    QTest::newRow("missing") << QByteArray() << true;
    QTest::newRow("zero") << QByteArray("<timedifference>0</timedifference>") << false;
    QTest::newRow("one hour") << QByteArray("<timedifference>1</timedifference>") << false;
  }
  void timeZoneButtonShowsWhileNoTimeDifference() {
    QFETCH(QByteArray, setting);
    QFETCH(bool, shown);
    ProgramFolder folder;
    QByteArray properties = folder.Read("Data/properties.xml");
    properties.replace("<timedifference></timedifference>", setting);
    folder.Write("Data/properties.xml", properties);
    QVERIFY(StartProgram(folder.Path()));
    QPushButton* button = frmSplash::Get().cmdTimeZone;
    QCOMPARE(button->isVisible(), shown);
    QCOMPARE(button->text(), QStringLiteral("Time Zone"));
  }

  void splashLeadsToTheMainWindow_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Continue") << "Continue";
    QTest::newRow("click on the picture") << "picture";
    QTest::newRow("click on the window") << "window";
    QTest::newRow("key") << "key";
  }
  void splashLeadsToTheMainWindow() {
    QFETCH(QString, how);
    ProgramFolder folder;
    QVERIFY(StartProgram(folder.Path()));
    frmSplash& splash = frmSplash::Get();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    if (how == "Continue") QTest::mouseClick(splash.Continue, Qt::LeftButton);
    if (how == "picture") QTest::mouseClick(splash.Picture1, Qt::LeftButton);
    if (how == "window") QTest::mouseClick(&splash, Qt::LeftButton, {}, QPoint(2, 2));
    if (how == "key") QTest::keyClick(&splash, Qt::Key_X);
    QVERIFY(!frmSplash::IsLoaded());
    QVERIFY(frmMain::IsLoaded());
    QVERIFY(frmMain::Get().isVisible());
    QCOMPARE(frmMain::Get().windowTitle(), gstrAppTitle);
    // The other windows see it through its link while it exists, and nothing once it is gone.
    QCOMPARE(LoadedMainWindow(), static_cast<MainWindowLink*>(&frmMain::Get()));
    app_testing::ResetProgram();
    QVERIFY(!LoadedMainWindow());
  }

  // The five seconds are read off the timer rather than waited for; what its firing does is
  // seen by letting it fire at once.
  void timerOpensTheMainWindowAfterFiveSeconds() {
    ProgramFolder folder;
    QVERIFY(StartProgram(folder.Path()));
    QTimer* timer = frmSplash::Get().Timer1;
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 5000);
    QVERIFY(!frmMain::IsLoaded());
    timer->setInterval(0);  // restarts it
    QTRY_VERIFY(frmMain::IsLoaded() && frmMain::Get().isVisible());
    QVERIFY(!frmSplash::IsLoaded());
  }

  void incompleteDatabaseEndsTheStart_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");  // null: the file is removed
    const QByteArray broken("<?xml version=\"1.0\"?>\n<broken><unclosed></broken>");
    QTest::addColumn<QString>("why");
    for (const char* name : {"Data/teams.xml", "Data/games.xml"}) {
      QTest::addRow("%s broken", name) << name << broken << " could not be read.";
      QTest::addRow("%s missing", name) << name << QByteArray() << " is missing.";
    }
    QTest::newRow("teams.xml without teams")
        << "Data/teams.xml" << QByteArray("<?xml version=\"1.0\"?>\n<teams/>") << " could not be read.";
    QTest::newRow("games.xml without games")
        << "Data/games.xml" << QByteArray("<?xml version=\"1.0\"?>\n<games/>") << " could not be read.";
    QTest::newRow("Results.xml missing") << "Results/Results.xml" << QByteArray() << " is missing.";
    QTest::newRow("Results.xml broken") << "Results/Results.xml" << broken << " could not be read.";
    QFile teams(QStringLiteral(PITCHLOG_DATA_DIR "/Data/teams.xml"));
    QVERIFY(teams.open(QIODevice::ReadOnly));
    QTest::newRow("Results.xml holding teams") << "Results/Results.xml" << teams.readAll() << " could not be read.";
  }
  void incompleteDatabaseEndsTheStart() {
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QString, why);
    ProgramFolder folder;
    if (content.isNull())
      folder.Remove(file);
    else
      folder.Write(file, content);
    MessageBoxes boxes({QMessageBox::Ok});
    QVERIFY(!StartProgram(folder.Path()));
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Text(), QStringLiteral("Incomplete database. Please reload\n\n") + file + why);
    QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Critical);
    QCOMPARE(boxes.Seen()[0].title, QStringLiteral("Orvessa Pitchlog"));
    QCOMPARE(boxes.Seen()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(!frmSplash::IsLoaded());
    QVERIFY(!frmMain::IsLoaded());
  }

  // One box names every file the start could read no record from and where it is kept; the
  // start goes on to the splash.
  void unreadableDataFilesAreNamedAndTheStartGoesOn() {
    ProgramFolder folder;
    folder.Write("Data/members.xml", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<members><member "
                                     "memberid=\"jos_\"><name>Jos\xE9</name></member></members>\n");
    folder.Write("Data/players.xml", "\n");
    MessageBoxes boxes({QMessageBox::Ok});
    QVERIFY(StartProgram(folder.Path()));
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Warning);
    const QString text = boxes.Text();
    QVERIFY2(text.contains("Data/players.xml (kept as Data/players (unreadable).xml)\n"
                           "Data/members.xml (kept as Data/members (unreadable).xml)"),
             qPrintable(text));
    QVERIFY(frmSplash::IsLoaded());
    QVERIFY(QFileInfo::exists(folder.File("Data/members.xml")));
  }

  // Without its settings file the program starts on the defaults and says so; a settings file
  // that can't be read is named like any other.
  void missingOrUnreadableSettingsStartOnTheDefaults_data() {
    QTest::addColumn<QByteArray>("content");  // null: the file is removed
    QTest::addColumn<QString>("named");
    QTest::newRow("missing") << QByteArray() << "Data/properties.xml is missing: the program starts with its default settings.";
    QTest::newRow("broken") << QByteArray("<properties><unclosed></properties>")
                            << "Data/properties.xml (kept as Data/properties (unreadable).xml)";
  }
  void missingOrUnreadableSettingsStartOnTheDefaults() {
    QFETCH(QByteArray, content);
    QFETCH(QString, named);
    ProgramFolder folder;
    if (content.isNull())
      folder.Remove("Data/properties.xml");
    else
      folder.Write("Data/properties.xml", content);
    MessageBoxes boxes({QMessageBox::Ok});
    QVERIFY(StartProgram(folder.Path()));
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Warning);
    QVERIFY2(boxes.Text().contains(named), qPrintable(boxes.Text()));
    QCOMPARE(glngMyTeamColour, 0);
    QVERIFY(frmSplash::Get().cmdTimeZone->isVisible());
    QTest::mouseClick(frmSplash::Get().Continue, Qt::LeftButton);
    QVERIFY(frmMain::IsLoaded());
  }

  // A save that ended after the unreadable file was set aside left only the kept copy: the next
  // start names it instead of showing an empty pool without a word.
  void aMissingFileWithAKeptCopyIsNamed() {
    ProgramFolder folder;
    folder.Write("Data/members (unreadable).xml", "\n");
    folder.Write("Data/members (unreadable 2).xml", "\n");
    folder.Write("Data/sweeps (unreadable).xml", "\n");  // sweeps.xml is there: nothing to tell
    folder.Remove("Data/members.xml");
    MessageBoxes boxes({QMessageBox::Ok});
    QVERIFY(StartProgram(folder.Path()));
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Text(), QStringLiteral("Data/members.xml is missing, and the program goes on without it. Its last "
                                          "copy, which could not be read, is kept as Data/members (unreadable 2).xml."));
  }

  void unregisteredEngineIsReported() {
    ProgramFolder folder;
    const QByteArray registry = qgetenv("KELVANE_REGISTRY");
    qputenv("KELVANE_REGISTRY", folder.File("no-registry").toLocal8Bit());
    MessageBoxes boxes({QMessageBox::Ok});
    const bool started = StartProgram(folder.Path());
    qputenv("KELVANE_REGISTRY", registry);
    QVERIFY(!started);
    QCOMPARE(boxes.Seen().size(), 1);
    QVERIFY2(boxes.Text().contains("Kelvane.Pitchlog"), qPrintable(boxes.Text()));
    QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Critical);
    QVERIFY(!frmSplash::IsLoaded());
  }
};

QTEST_MAIN(StartTest)
#include "start_test.moc"

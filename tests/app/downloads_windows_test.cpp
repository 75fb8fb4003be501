// The Downloads menu against a web site on a local HTTP server, with the real engine on a
// temporary copy of the shipped data: the backup before a results download, the results
// download with and without players, a failed one, the data-file downloads with their report,
// and the server's message.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMap>
#include <QProgressBar>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/kit/program.h"
#include "app/shell/frm_download.h"
#include "app/shell/frm_download_progress.h"
#include "app/shell/frm_download_results.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_message.h"
#include "app/shell/web_browser.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"
#include "tests/support/local_http_server.h"

using namespace pitchlog;
using app_testing::MessageBoxes;
using app_testing::ModalDialog;
using app_testing::ProgramFolder;

namespace {

const QString kTitle = QStringLiteral("Zintorra Orvessa Pitchlog 2006");
const QString kAdvice = QStringLiteral("Please make sure you are connected to the Internet, and try again");
const QByteArray kEntered = "gameid=\"A1\"";
const QByteArray kPlayersDtd =
    "<!DOCTYPE players [<!ATTLIST team teamid ID #REQUIRED><!ATTLIST player playerid ID #REQUIRED>]>";

// The web site: every file the program asks for, made from the shipped data with a mark each.
class Site {
 public:
  explicit Site(const ProgramFolder& data) {
    Write("Results.xml", data.Read("Results/Tournament 2022.xml"));
    Write("players.xml", kPlayersDtd + "<players><team teamid=\"QAT\"><player playerid=\"QAT99\">"
                                       "<playername>NEW MAN</playername><shirt>99</shirt></player></team></players>");
    Write("games.xml", data.Read("Data/games.xml").replace("20 November 2022 17:00", "20 November 2022 16:00"));
    Write("teams.xml", data.Read("Data/teams.xml").replace("<name>Qatar</name>", "<name>Qatar Site</name>"));
    Write("stadia.xml", data.Read("Data/stadia.xml"));
    Write("sweepoptions.xml", data.Read("Data/sweepoptions.xml"));
    Write("statscolumns.xml", data.Read("Data/statscolumns.xml"));
    Write("links.xml", "<links/>");
    Write("locallink.xml", "<locallink><html><body>Site bar</body></html></locallink>");
    Write("HomeVersion.xml", "<home version=\"1\"/>");
    Write("Home.xml", "<home><html><body>Site home</body></html></home>");
    Write("message.xml", "<message>Kick-off#EOL#tonight</message>");
    server_ = std::make_unique<testing_support::LocalHttpServer>(dir_.path().toStdString());
  }
  void Write(const QString& name, const QByteArray& content) const {
    QFile file(dir_.filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("cannot write %s", qPrintable(name));
    file.write(content);
  }
  void Remove(const QString& name) const { QFile::remove(dir_.filePath(name)); }
  QByteArray Url() const { return QByteArray::fromStdString(server_->Url()); }

 private:
  QTemporaryDir dir_;
  std::unique_ptr<testing_support::LocalHttpServer> server_;
};

// The program folder pointed at the site, with a stored message when given.
void UseSite(const ProgramFolder& folder, const Site& site, const QByteArray& message = {}) {
  QByteArray properties = folder.Read("Data/properties.xml");
  properties.replace("<downloadurl></downloadurl>", "<downloadurl>" + site.Url() + "</downloadurl>");
  properties.replace("<message></message>", "<message>" + message + "</message>");
  folder.Write("Data/properties.xml", properties);
}

// The program folder pointed at a server that takes connections and never answers.
void UseSilentServer(const ProgramFolder& folder, const testing_support::SilentServer& server) {
  QByteArray properties = folder.Read("Data/properties.xml");
  properties.replace("<downloadurl></downloadurl>",
                     "<downloadurl>" + QByteArray::fromStdString(server.Url()) + "</downloadurl>");
  folder.Write("Data/properties.xml", properties);
}

// Every file of the program folder with its content.
QMap<QString, QByteArray> AllFiles(const ProgramFolder& folder) {
  QMap<QString, QByteArray> files;
  const QDir root(folder.File(""));
  QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) files[root.relativeFilePath(path)] = file.readAll();
  }
  return files;
}

// How long the program went without handling its events, and the main window without being
// painted, while it lives: a timer asks for a repaint every 10 ms.
class PaintWatch : public QObject {
 public:
  explicit PaintWatch(QWidget& window) : window_(window) {
    window.installEventFilter(this);
    clock_.start();
    connect(&ticker_, &QTimer::timeout, this, [this] {
      Note(last_tick_, longest_tick_gap_);
      window_.update();
    });
    ticker_.start(10);
  }
  qint64 LongestTickGap() const { return longest_tick_gap_; }
  qint64 LongestPaintGap() const { return longest_paint_gap_; }
  int Paints() const { return paints_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Paint) {
      ++paints_;
      Note(last_paint_, longest_paint_gap_);
    }
    return false;
  }

 private:
  void Note(qint64& last, qint64& longest) {
    const qint64 now = clock_.elapsed();
    longest = std::max(longest, now - last);
    last = now;
  }

  QWidget& window_;
  QElapsedTimer clock_;
  QTimer ticker_;
  qint64 last_tick_ = 0, longest_tick_gap_ = 0, last_paint_ = 0, longest_paint_gap_ = 0;
  int paints_ = 0;
};

// Started on the set, the scenario "Mine" unless given, with a result not yet saved.
frmMain& StartWithUnsavedResults(const ProgramFolder& folder, const QString& set = QStringLiteral("Mine")) {
  if (set != QLatin1String("Results")) folder.Write("Results/" + set + ".xml", folder.Read("Results/Results.xml"));
  frmMain& window = app_testing::StartToMainWindow(folder);
  window.OpenResultsSet(ToStd(set));
  window.objKelvane->RemoveResult("A1");
  window.objKelvane->GroupScore("A1", 2, 1);
  window.SaveResults->setEnabled(window.objKelvane->ResultsChanged());
  return window;
}

QString HomeGoalsInMemory() { return ToQ(gobjKelvane->Results("A1", "f", "QAT").ToString()); }

void Click(QWidget& dialog, const char* button) {
  auto* b = dialog.findChild<QPushButton*>(QLatin1String(button));
  if (!b) qFatal("no button %s", button);
  QTest::mouseClick(b, Qt::LeftButton);
}

QCheckBox* Check(QWidget& dialog, const QString& name) {
  auto* box = dialog.findChild<QCheckBox*>(name);
  if (!box) qFatal("no check box %s", qPrintable(name));
  return box;
}

// Presses OK in the results dialog, then closes it if the download left it open.
ModalDialog OkThenClose() {
  return ModalDialog("frmDownloadResults", [](QWidget& d) {
    Click(d, "cmdOk");
    if (d.isVisible()) QTest::keyClick(&d, Qt::Key_Escape);
  });
}

// Closes the message window that a finished download opens, remembering its text.
ModalDialog CloseMessageWindow(QString& shown) {
  return ModalDialog("frmMessage", [&shown](QWidget& w) {
    shown = w.findChild<QPlainTextEdit*>("txtMessage")->toPlainText();
    w.close();
  });
}

}  // namespace

class DownloadsWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() { app_testing::ResetProgram(); }

  // The default set is backed up before the dialog opens: as held, when it is current, else as
  // its file stands. Cancelling the dialog leaves the window, the mark and the set that Save
  // Results writes to as they were.
  void resultsCommandBacksUpThenCancel_data() {
    QTest::addColumn<QString>("set");
    QTest::addColumn<int>("answer");
    for (const char* set : {"Results", "Mine"}) {
      QTest::addRow("%s, Yes", set) << QString(set) << int(QMessageBox::Yes);
      QTest::addRow("%s, No", set) << QString(set) << int(QMessageBox::No);
      QTest::addRow("%s, Cancel", set) << QString(set) << int(QMessageBox::Cancel);
    }
  }
  void resultsCommandBacksUpThenCancel() {
    QFETCH(QString, set);
    QFETCH(int, answer);
    const bool scenario = set != QLatin1String("Results");
    const QString file = "Results/" + set + ".xml";
    ProgramFolder folder;
    Site site(folder);
    UseSite(folder, site);
    const QByteArray results = folder.Read("Results/Results.xml");
    frmMain& window = StartWithUnsavedResults(folder, set);

    MessageBoxes boxes({QMessageBox::StandardButton(answer)});
    ModalDialog dialog("frmDownloadResults", [](QWidget& d) {
      QCOMPARE(d.findChild<QLabel*>("lblHeading")->text(),
               QStringLiteral("You must be connected to the Internet before starting the download"));
      QVERIFY(!Check(d, "chkPlayers")->isChecked());
      Click(d, "cmdCancel");
    });
    window.findChild<QAction*>("Results")->trigger();
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Text(), QStringLiteral("Would you like to save your current results first?"));
    QCOMPARE(boxes.Seen()[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(dialog.Seen(), answer != QMessageBox::Cancel);
    QCOMPARE(folder.Read(file).contains(kEntered), answer == QMessageBox::Yes);
    if (scenario) QCOMPARE(folder.Read("Results/Results.xml"), results);
    const QByteArray backup = folder.Read("Results/Results Backup.xml");
    if (answer == QMessageBox::Cancel)
      QVERIFY(backup.isEmpty());
    else if (scenario)
      QCOMPARE(backup, results);
    else
      QVERIFY(backup.contains(kEntered));

    QCOMPARE(HomeGoalsInMemory(), QStringLiteral("2"));
    QCOMPARE(ToQ(gobjKelvane->ResultsSet()), set);
    QCOMPARE(window.windowTitle(), scenario ? kTitle + " [" + set + "]" : kTitle);
    QCOMPARE(window.SaveResults->isEnabled(), answer != QMessageBox::Yes);
    if (answer == QMessageBox::No) {
      window.SaveResults->trigger();
      QVERIFY(folder.Read(file).contains(kEntered));
    }
  }

  // Without a backup there is no download: the error is shown and the dialog never opens.
  void resultsCommandStopsWhenTheBackupFails() {
    ProgramFolder folder;
    Site site(folder);
    UseSite(folder, site);
    QVERIFY(QDir().mkpath(folder.File("Results/Results Backup.xml")));
    const QByteArray results = folder.Read("Results/Results.xml");
    frmMain& window = StartWithUnsavedResults(folder);

    MessageBoxes boxes({QMessageBox::No, QMessageBox::Ok});
    ModalDialog dialog("frmDownloadResults", [](QWidget& d) { Click(d, "cmdOk"); });
    window.findChild<QAction*>("Results")->trigger();
    QVERIFY(!dialog.Seen());
    QCOMPARE(boxes.Seen().size(), 2);
    QCOMPARE(boxes.Seen()[1].icon, QMessageBox::Critical);
    QCOMPARE(folder.Read("Results/Results.xml"), results);
    QCOMPARE(ToQ(gobjKelvane->ResultsSet()), QStringLiteral("Mine"));
    QCOMPARE(HomeGoalsInMemory(), QStringLiteral("2"));
    QVERIFY(window.SaveResults->isEnabled());
  }

  void resultsDownloadReplacesTheDefaultSet_data() {
    QTest::addColumn<bool>("players_on_site");
    QTest::newRow("with players") << true;
    QTest::newRow("players missing") << false;
  }
  void resultsDownloadReplacesTheDefaultSet() {
    QFETCH(bool, players_on_site);
    ProgramFolder folder;
    Site site(folder);
    if (!players_on_site) site.Remove("players.xml");
    UseSite(folder, site);
    const QByteArray results = folder.Read("Results/Results.xml");
    frmMain& window = StartWithUnsavedResults(folder);

    MessageBoxes boxes({QMessageBox::No});
    if (!players_on_site) boxes.Then(QMessageBox::Ok);
    boxes.Then(QMessageBox::Ok);
    QString message;
    ModalDialog message_window = CloseMessageWindow(message);
    ModalDialog dialog("frmDownloadResults", [](QWidget& d) {
      // The label is a second handle on the check box.
      QTest::mouseClick(d.findChild<QLabel*>("lblPlayers"), Qt::LeftButton);
      QVERIFY(Check(d, "chkPlayers")->isChecked());
      Click(d, "cmdOk");
    });
    window.findChild<QAction*>("Results")->trigger();
    QVERIFY(dialog.Seen());
    app_testing::ProcessDeletions();
    QVERIFY(!frmDownloadResults::IsLoaded());

    QStringList seen;
    for (const auto& box : boxes.Seen()) seen << box.text;
    QStringList expected{"Would you like to save your current results first?"};
    if (!players_on_site) expected << "Cannot download players";
    expected << "Download Complete";
    QCOMPARE(seen, expected);
    if (!players_on_site) QCOMPARE(boxes.Seen()[1].icon, QMessageBox::Critical);
    QCOMPARE(boxes.Seen().last().icon, QMessageBox::NoIcon);

    // The server's results are the default set, on disk and shown; the backup holds the default
    // set's file that they replaced, and the scenario keeps its own.
    QCOMPARE(folder.Read("Results/Results.xml"), folder.Read("Results/Tournament 2022.xml"));
    QCOMPARE(folder.Read("Results/Results Backup.xml"), results);
    QCOMPARE(folder.Read("Results/Mine.xml"), results);
    QCOMPARE(ToQ(gobjKelvane->ResultsSet()), QStringLiteral("Results"));
    QCOMPARE(HomeGoalsInMemory(), QStringLiteral("0"));
    QCOMPARE(window.windowTitle(), kTitle);
    QCOMPARE(window.SaveResults->text(), QStringLiteral("Save Results"));
    QVERIFY(!window.SaveResults->isEnabled());
    QCOMPARE(folder.Read("Data/players.xml").contains("QAT99"), players_on_site);

    // Then the server's message, and the info bar and home pages.
    QVERIFY(message_window.Seen());
    QCOMPARE(message, QStringLiteral("Kick-off\ntonight"));
    QVERIFY(window.LastMessage->isEnabled());
    QVERIFY(window.wbBar->toPlainText().contains("Site bar"));
    QVERIFY(folder.Read("WBHome/index.htm").contains("Site home"));
    QVERIFY(window.wbHome->toPlainText().contains("Site home"));
  }

  void failedResultsDownloadKeepsTheResults() {
    ProgramFolder folder;
    Site site(folder);
    site.Remove("Results.xml");
    UseSite(folder, site);
    const QByteArray results = folder.Read("Results/Results.xml");
    frmMain& window = StartWithUnsavedResults(folder);

    MessageBoxes boxes({QMessageBox::No, QMessageBox::Ok});
    ModalDialog dialog("frmDownloadResults", [](QWidget& d) {
      Click(d, "cmdOk");
      QVERIFY(d.isVisible());
      QVERIFY(d.findChild<QPushButton*>("cmdOk")->isEnabled());
      QTest::keyClick(&d, Qt::Key_Escape);
    });
    window.findChild<QAction*>("Results")->trigger();
    QVERIFY(dialog.Seen());
    QCOMPARE(boxes.Seen().size(), 2);
    QCOMPARE(boxes.Text(1), QStringLiteral("Cannot download\n\n") + kAdvice);
    QCOMPARE(boxes.Seen()[1].icon, QMessageBox::Critical);

    QCOMPARE(folder.Read("Results/Results.xml"), results);
    QCOMPARE(HomeGoalsInMemory(), QStringLiteral("2"));
    QCOMPARE(ToQ(gobjKelvane->ResultsSet()), QStringLiteral("Mine"));
    QCOMPARE(window.windowTitle(), kTitle + QStringLiteral(" [Mine]"));
    QVERIFY(window.SaveResults->isEnabled());
    // The local pages are fetched whatever became of the results.
    QVERIFY(window.wbBar->toPlainText().contains("Site bar"));
  }

  void otherDownloads_data() {
    QTest::addColumn<QStringList>("checked");  // "all": the Select All button
    QTest::addColumn<bool>("links_on_site");
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("completes");
    QTest::newRow("nothing chosen") << QStringList() << true << "Please select at least one download" << false;
    QTest::newRow("teams only") << QStringList{"chkTeams"} << true << "Teams downloaded\n\nDownload Complete" << true;
    QTest::newRow("links fail after games")
        << QStringList{"chkGames", "chkLinks"} << false
        << "Games downloaded\n\nCannot download Links\n\n" + kAdvice << false;
    QTest::newRow("select all") << QStringList{"all"} << true
                                << "Games downloaded\nTeams downloaded\nStadia downloaded\nSweep Options downloaded\n"
                                   "Stats Layouts downloaded\nLinks downloaded\n\nDownload Complete"
                                << true;
  }
  void otherDownloads() {
    QFETCH(QStringList, checked);
    QFETCH(bool, links_on_site);
    QFETCH(QString, report);
    QFETCH(bool, completes);
    ProgramFolder folder;
    Site site(folder);
    if (!links_on_site) site.Remove("locallink.xml");
    UseSite(folder, site);
    frmMain& window = app_testing::StartToMainWindow(folder);

    MessageBoxes boxes({QMessageBox::Ok});
    QString message;
    ModalDialog message_window = CloseMessageWindow(message);
    ModalDialog dialog("frmDownload", [&](QWidget& d) {
      for (const char* name : {"chkGames", "chkTeams", "chkStadia", "chkSweepOptions", "chkStatsLayout", "chkLinks"})
        QVERIFY(!Check(d, name)->isChecked());
      if (checked == QStringList{"all"}) {
        Click(d, "cmdClearAll");
        Click(d, "cmbAll");
      } else {
        for (const QString& name : checked) Check(d, name)->setChecked(true);
      }
      Click(d, "cmbOK");
      if (d.isVisible()) Click(d, "cmdCancel");
    });
    window.findChild<QAction*>("DownloadOthers")->trigger();
    QVERIFY(dialog.Seen());
    app_testing::ProcessDeletions();
    QVERIFY(!frmDownload::IsLoaded());
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Text(), report);
    QCOMPARE(boxes.Seen()[0].icon, completes ? QMessageBox::NoIcon : QMessageBox::Critical);
    QCOMPARE(message_window.Seen(), completes);

    // Fetched files are saved; only a completed download loads them and refreshes the pages.
    const bool games = checked.contains("chkGames") || checked.contains("all");
    const bool teams = checked.contains("chkTeams") || checked.contains("all");
    QCOMPARE(folder.Read("Data/games.xml").contains("20 November 2022 16:00"), games);
    QCOMPARE(folder.Read("Data/teams.xml").contains("Qatar Site"), teams);
    QCOMPARE(ToQ(gobjKelvane->TeamName("QAT")), QString(teams && completes ? "Qatar Site" : "Qatar"));
    QCOMPARE(ToQ(gobjKelvane->Games(kelvane::Variant(std::string("A1")), "gametime")),
             QString(games && completes ? "20 November 2022 16:00" : "20 November 2022 17:00"));
    QCOMPARE(window.wbBar->toPlainText().contains("Site bar"), completes);
  }

  // A file that arrived and was refused is named with its fault; the connection is not blamed,
  // and the file it would have replaced stays.
  void refusedFileSaysWhy_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("served");
    QTest::addColumn<QString>("told");
    QTest::newRow("stadia") << "DownloadOthers" << "Data/stadia.xml"
                            << QByteArray("<!DOCTYPE stadia [<!ATTLIST stadium stadiumid ID #REQUIRED>]><stadia/>")
                            << "Cannot download Stadia\n\nThe downloaded file stadia.xml holds no stadiums; your own "
                               "file is kept.";
    QTest::newRow("results") << "Results" << "Results/Results.xml" << QByteArray("<results/>")
                             << "Cannot download\n\nThe downloaded file Results.xml holds no groups; your results are "
                                "kept.";
    QTest::newRow("players") << "Results" << "Data/players.xml" << kPlayersDtd + "<players/>"
                             << "Cannot download players\n\nThe downloaded file players.xml holds no players; your "
                                "squads are kept.";
  }
  void refusedFileSaysWhy() {
    QFETCH(QString, command);
    QFETCH(QString, file);
    QFETCH(QByteArray, served);
    QFETCH(QString, told);
    ProgramFolder folder;
    Site site(folder);
    site.Write(QFileInfo(file).fileName(), served);
    UseSite(folder, site);
    const QByteArray kept = folder.Read(file);
    frmMain& window = StartWithUnsavedResults(folder);

    // The results command first asks to save (no).
    MessageBoxes boxes(command == "Results"
                           ? QList<QMessageBox::StandardButton>{QMessageBox::No, QMessageBox::Ok, QMessageBox::Ok}
                           : QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QString message;
    ModalDialog message_window = CloseMessageWindow(message);
    ModalDialog dialog(command == "Results" ? "frmDownloadResults" : "frmDownload", [&](QWidget& d) {
      Check(d, command == "Results" ? "chkPlayers" : "chkStadia")->setChecked(true);
      Click(d, command == "Results" ? "cmdOk" : "cmbOK");
      if (d.isVisible()) QTest::keyClick(&d, Qt::Key_Escape);
    });
    window.findChild<QAction*>(command)->trigger();
    QVERIFY(dialog.Seen());
    QStringList seen;
    for (const auto& box : boxes.Seen()) seen << box.text;
    QVERIFY2(seen.contains(told), qPrintable(seen.join(" | ")));
    QVERIFY2(!seen.join(" ").contains(kAdvice), qPrintable(seen.join(" | ")));
    QCOMPARE(folder.Read(file), kept);
  }

  // A server that never answers: the progress window shows what is fetched, the program keeps
  // painting, the first transfer gives up after the silence and the rest of the command does
  // not wait on the server again. Nothing on disk or in memory changes.
  void silentServerEndsTheResultsCommandSoon() {
    ProgramFolder folder;
    testing_support::SilentServer server;
    UseSilentServer(folder, server);
    frmMain& window = StartWithUnsavedResults(folder);
    const kelvane::net::Limits limits{10, 60, 1};
    const qint64 silence = limits.silent_seconds * 1000;
    gobjKelvane->SetDownloadLimits(limits);
    MessageBoxes boxes({QMessageBox::No, QMessageBox::Ok});  // no save first; "Cannot download"
    QString shown;
    ModalDialog progress("frmDownloadProgress", [&](QWidget& w) {
      shown = w.findChild<QLabel*>("lblFile")->text();
      // The tray menu still reaches the download commands; they wait their turn.
      for (const char* command : {"Results", "DownloadOthers", "GetMessage"})
        window.findChild<QAction*>(command)->trigger();
      QVERIFY(!frmMessage::IsLoaded());
      QVERIFY(!frmDownload::IsLoaded());
    });
    ModalDialog dialog = OkThenClose();
    folder.Remove("Results/Results Backup.xml");
    const auto before = AllFiles(folder);
    QElapsedTimer clock;
    clock.start();
    PaintWatch paints(window);
    window.findChild<QAction*>("Results")->trigger();
    const qint64 took = clock.elapsed();
    qInfo("results command against a silent server: %lld ms; longest time without events %lld ms, "
          "without a repaint of the main window %lld ms (%d paints)",
          took, paints.LongestTickGap(), paints.LongestPaintGap(), paints.Paints());

    QVERIFY(dialog.Seen());
    QVERIFY(progress.Seen());
    QCOMPARE(shown, QStringLiteral("Downloading Results.xml"));
    QCOMPARE(boxes.Seen().size(), 2);
    QCOMPARE(boxes.Text(1), QStringLiteral("Cannot download\n\n") + kAdvice);
    QVERIFY2(took >= silence && took < 2 * silence, qPrintable(QString::number(took)));
    QVERIFY(paints.LongestTickGap() < 500);
    QVERIFY(paints.LongestPaintGap() < 500);
    auto after = AllFiles(folder);
    after.remove("Results/Results Backup.xml");
    QCOMPARE(after, before);
    QCOMPARE(HomeGoalsInMemory(), QStringLiteral("2"));
  }

  // Cancel stops the transfer at once and the rest of the command with it; every file and the
  // results in memory stay as they were, and the user is told the download was cancelled, not
  // that the machine is off line.
  void cancelStopsTheDownloadAtOnce_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("told");
    QTest::newRow("results") << "Results" << "Results.xml" << "Download cancelled";
    QTest::newRow("other files") << "DownloadOthers" << "games.xml" << "Download of Games cancelled";
  }
  void cancelStopsTheDownloadAtOnce() {
    QFETCH(QString, command);
    QFETCH(QString, file);
    QFETCH(QString, told);
    const bool results = command == "Results";
    ProgramFolder folder;
    testing_support::SilentServer server;
    UseSilentServer(folder, server);
    frmMain& window = StartWithUnsavedResults(folder);
    // The results command first asks to save (no).
    MessageBoxes boxes(results ? QList<QMessageBox::StandardButton>{QMessageBox::No, QMessageBox::Ok}
                               : QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QElapsedTimer clock;
    qint64 cancelled_at = -1;
    ModalDialog progress("frmDownloadProgress", [&](QWidget& w) {
      QCOMPARE(w.findChild<QLabel*>("lblFile")->text(), QStringLiteral("Downloading ") + file);
      cancelled_at = clock.elapsed();
      QTest::mouseClick(w.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    });
    ModalDialog dialog = results ? OkThenClose() : ModalDialog("frmDownload", [&](QWidget& d) {
      Check(d, "chkGames")->setChecked(true);
      Click(d, "cmbOK");
      if (d.isVisible()) Click(d, "cmdCancel");
    });
    folder.Remove("Results/Results Backup.xml");
    const auto before = AllFiles(folder);
    clock.start();
    window.findChild<QAction*>(command)->trigger();
    const qint64 took = clock.elapsed();

    QVERIFY(progress.Seen());
    QVERIFY2(took - cancelled_at < 1000, qPrintable(QString::number(took - cancelled_at)));
    QCOMPARE(boxes.Seen().size(), results ? 2 : 1);
    QCOMPARE(boxes.Text(boxes.Seen().size() - 1), told);
    QCOMPARE(boxes.Seen().back().icon, QMessageBox::Information);
    auto after = AllFiles(folder);
    after.remove("Results/Results Backup.xml");
    QCOMPARE(after, before);
    QCOMPARE(HomeGoalsInMemory(), QStringLiteral("2"));
    app_testing::ProcessDeletions();
    QVERIFY(!frmDownloadProgress::IsLoaded());
  }

  void cancelledMessageSaysSo() {
    ProgramFolder folder;
    testing_support::SilentServer server;
    UseSilentServer(folder, server);
    frmMain& window = app_testing::StartToMainWindow(folder);
    ModalDialog progress("frmDownloadProgress",
                         [&](QWidget& w) { QTest::mouseClick(w.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton); });
    window.findChild<QAction*>("GetMessage")->trigger();
    QVERIFY(progress.Seen());
    QCOMPARE(frmMessage::Get().txtMessage->toPlainText(), QStringLiteral("Download of the message cancelled"));
  }

  void serverMessage() {
    ProgramFolder folder;
    Site site(folder);
    site.Write("message.xml", "<message>One#EOL#Two#EOL#Three</message>");
    UseSite(folder, site, "Old");
    frmMain& window = app_testing::StartToMainWindow(folder);
    QVERIFY(window.LastMessage->isEnabled());
    const auto shown = [] { return frmMessage::Get().txtMessage->toPlainText(); };

    // A new message: shown line by line, stored with its tokens, saved.
    window.findChild<QAction*>("GetMessage")->trigger();
    QVERIFY(frmMessage::Get().isVisible());
    QCOMPARE(shown(), QStringLiteral("One\nTwo\nThree"));
    QCOMPARE(ToQ(gobjKelvane->Properties("message").ToString()), QStringLiteral("One#EOL#Two#EOL#Three"));
    QVERIFY(folder.Read("Data/properties.xml").contains("<message>One#EOL#Two#EOL#Three</message>"));
    QVERIFY(window.LastMessage->isEnabled());
    QTest::keyClick(frmMessage::Get().txtMessage, Qt::Key_Escape);
    app_testing::ProcessDeletions();
    QVERIFY(!frmMessage::IsLoaded());

    window.LastMessage->trigger();
    QVERIFY(frmMessage::Get().isVisible());
    QCOMPARE(shown(), QStringLiteral("One\nTwo\nThree"));

    // The site can't be reached: said so in the window, and nothing else changes.
    site.Remove("message.xml");
    window.findChild<QAction*>("GetMessage")->trigger();
    QCOMPARE(shown(), QStringLiteral("Unable to download message\nPlease check you are connected to the Internet, "
                                     "and try again"));
    QVERIFY(window.LastMessage->isEnabled());
    QCOMPARE(ToQ(gobjKelvane->Properties("message").ToString()), QStringLiteral("One#EOL#Two#EOL#Three"));

    // The site answers with something that is no message: said so, without the connection advice.
    site.Write("message.xml", "Kick-off tonight");
    window.findChild<QAction*>("GetMessage")->trigger();
    QCOMPARE(shown(), QStringLiteral("Unable to download message\nThe downloaded file message.xml is not a readable "
                                     "XML file; nothing was changed."));
    QCOMPARE(ToQ(gobjKelvane->Properties("message").ToString()), QStringLiteral("One#EOL#Two#EOL#Three"));

    // An empty message: Last Message goes off, the stored message stays.
    site.Write("message.xml", "<message/>");
    window.findChild<QAction*>("GetMessage")->trigger();
    QCOMPARE(shown(), QString());
    QVERIFY(!window.LastMessage->isEnabled());
    QVERIFY(folder.Read("Data/properties.xml").contains("<message>One#EOL#Two#EOL#Three</message>"));
  }
};

QTEST_MAIN(DownloadsWindowsTest)
#include "downloads_windows_test.moc"

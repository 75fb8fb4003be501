// The main window's frame: its views, info bar, group tabs, menu bar, centring and placing.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>

#include "app/kit/program.h"
#include "app/kit/screen_position.h"
#include "app/shell/frm_main.h"
#include "app/shell/web_browser.h"
#include "platform/component/error.h"
#include "tests/app/support/opened_urls.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::OpenedUrls;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;

namespace {

const char* const kContainers[] = {"ScheduleList", "GroupFrame", "KOFrame", "StatsFrame", "AnalysisFrame", "HomeFrame"};

QString BarAddress(const frmMain& window) { return window.wbBar->WebLink().toString(); }

// The first link in the bar's page.
QUrl FirstAnchor(const frmMain& window) {
  for (QTextBlock block = window.wbBar->document()->begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (it.fragment().charFormat().isAnchor()) return QUrl(it.fragment().charFormat().anchorHref());
  return {};
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() { app_testing::ResetProgram(); }

  void tabsSwitchViews_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("caption");
    const char* const captions[] = {"Schedule", "Groups", "Knockout", "Stats", "Analysis", "Home"};
    for (int tab = 0; tab < 6; ++tab) QTest::newRow(captions[tab]) << tab << captions[tab];
  }
  void tabsSwitchViews() {
    QFETCH(int, tab);
    QFETCH(QString, caption);
    ProgramFolder folder;
    frmMain& window = StartToMainWindow(folder);
    QCOMPARE(window.MainTab->count(), 6);
    QCOMPARE(window.MainTab->tabText(tab), caption);
    // Away from the view first, so that each row really switches to it.
    window.MainTab->setCurrentIndex(tab == 2 ? 3 : 2);
    window.MainTab->setCurrentIndex(tab);
    for (int other = 0; other < 6; ++other) {
      QWidget* container = window.findChild<QWidget*>(kContainers[other]);
      QVERIFY(container);
      QCOMPARE(container->isVisible(), other == tab);
    }
    QCOMPARE(window.wbBar->LocationName(), QStringLiteral("WBBar.htm"));
  }

  void opensOnTheHomeViewWithAHomePage() {
    ProgramFolder folder;
    frmMain& window = StartToMainWindow(folder);
    QCOMPARE(window.MainTab->currentIndex(), 5);
    QVERIFY(window.HomeFrame->isVisible());
    QVERIFY(window.wbHome->toPlainText().contains("Welcome to Pitchlog"));
    QVERIFY(window.picCorpLogo->isVisible());
    QCOMPARE(window.wbBar->source(), QUrl::fromLocalFile(folder.File("WBBar/WBBar.htm")));
    QVERIFY(window.wbBar->toPlainText().contains("Pitchlog"));
  }

  void withoutAHomePageThereIsNoHomeTab() {
    ProgramFolder folder;
    folder.Remove("WBHome/index.htm");
    frmMain& window = StartToMainWindow(folder);
    QVERIFY(!window.MainTab->isTabVisible(5));
    QCOMPARE(window.MainTab->currentIndex(), 0);
    QVERIFY(window.ScheduleList->isVisible());
    QVERIFY(!window.HomeFrame->isVisible());
    QVERIFY(!window.picCorpLogo->isVisible());
    // Still pointed at the missing page, which shows nothing.
    QCOMPARE(window.wbHome->source(), QUrl::fromLocalFile(folder.File("WBHome/index.htm")));
    QVERIFY(window.wbHome->toPlainText().isEmpty());
  }

  // A download server on this machine counts as on line, so the links file's web addresses
  // reach the bar: it keeps showing its local page, with the address above it as a link for
  // the user's browser. A view without a web link shows the local bar page alone.
  void infoBarFollowsTheLinksWhileOnLine() {
    ProgramFolder folder;
    QByteArray properties = folder.Read("Data/properties.xml");
    properties.replace("<downloadurl></downloadurl>", "<downloadurl>HTTP://LOCALHOST:8080/pitchlog</downloadurl>");
    folder.Write("Data/properties.xml", properties);
    folder.Write("Data/links.xml",
                 "<?xml version=\"1.0\"?>\n<links>\n"
                 "  <tab id=\"5\">https://example.org/home</tab>\n"
                 "  <tab id=\"2\">https://example.org/knockout</tab>\n"
                 "  <tab id=\"3\">file:///etc/passwd</tab>\n"
                 "  <group id=\"C\">https://example.org/group-c</group>\n"
                 "</links>\n");
    frmMain& window = StartToMainWindow(folder);
    QCOMPARE(BarAddress(window), QStringLiteral("https://example.org/home"));
    QCOMPARE(window.wbBar->LocationName(), QStringLiteral("WBBar.htm"));
    QVERIFY(window.wbBar->toPlainText().contains("Pitchlog"));
    window.MainTab->setCurrentIndex(2);
    QCOMPARE(BarAddress(window), QStringLiteral("https://example.org/knockout"));
    QVERIFY(window.wbBar->toPlainText().contains("Pitchlog"));
    QCOMPARE(FirstAnchor(window), QUrl("https://example.org/knockout"));
    {
      OpenedUrls urls;
      emit window.wbBar->anchorClicked(FirstAnchor(window));
      QCOMPARE(urls.urls, QList<QUrl>{QUrl("https://example.org/knockout")});
    }
    window.wbBar->reload();  // as after a download: the link stays
    QCOMPARE(FirstAnchor(window), QUrl("https://example.org/knockout"));
    window.MainTab->setCurrentIndex(3);  // not a web address: not offered
    QCOMPARE(window.wbBar->LocationName(), QStringLiteral("WBBar.htm"));
    QVERIFY(!window.wbBar->WebLink().isValid());
    QVERIFY(!FirstAnchor(window).isValid());
    window.MainTab->setCurrentIndex(1);  // group A has no link; the tab rule runs after it
    QCOMPARE(window.wbBar->LocationName(), QStringLiteral("WBBar.htm"));
    window.GroupTab->setCurrentIndex(5);
    QCOMPARE(BarAddress(window), QStringLiteral("https://example.org/group-c"));
  }

  void groupTabsRunFromHToA() {
    ProgramFolder folder;
    frmMain& window = StartToMainWindow(folder);
    QCOMPARE(window.GroupTab->count(), 8);
    for (int t = 0; t < 8; ++t) QCOMPARE(window.GroupTab->tabText(t), QString(QChar("ABCDEFGH"[7 - t])));
    QCOMPARE(window.GroupTab->currentIndex(), 7);
    window.MainTab->setCurrentIndex(1);
    window.GameFacts->show();
    window.TeamFrame->show();
    window.GroupTab->setCurrentIndex(6);
    QVERIFY(!window.GameFacts->isVisible());
    QVERIFY(!window.ScoreFrame->isVisible());
    QVERIFY(!window.TeamFrame->isVisible());
    QVERIFY_THROWS_EXCEPTION(kelvane::Error, window.LoadGroup(8));
  }

  // Each item stands in its menu with its caption and shortcut; "-" is a separator.
  void menuBarHoldsEveryItem() {
    struct Row {
      const char *menu, *item, *caption, *shortcut;
    };
    const Row rows[] = {
        {"File", "SaveResults", "&Save Results", "Ctrl+S"},
        {"File", "Scenarios", "-", ""},
        {"File", "OpenResults", "&Open Results", "Ctrl+R"},
        {"File", "OpenScenario", "Open &Scenario", "Ctrl+O"},
        {"File", "SaveScenario", "Sav&e As Scenario", ""},
        {"Edit", "Properties", "&Options", "Ctrl+T"},
        {"Edit", "Players", "&Players", "Ctrl+P"},
        {"DownloadS", "Results", "&Results", "Ctrl+L"},
        {"DownloadS", "DownloadOthers", "&Others", ""},
        {"DownloadS", "DownloadGap", "-", ""},
        {"DownloadS", "GetMessage", "&Get Message", ""},
        {"DownloadS", "LastMessage", "&Last Message", ""},
        {"Sweeps", "Manage", "&Manage", "Ctrl+M"},
        {"Sweeps", "SweepPrints", "-", ""},
        {"Sweeps", "Members", "&Members", ""},
        {"Sweeps", "Accounts", "&Accounts", ""},
        {"Sweeps", "MembersBreak", "-", ""},
        {"Sweeps", "TeamDrawSlips", "&Team Draw Slips", ""},
        {"Help", "HelpTopics", "&Help Topics", ""},
        {"Help", "OpenForum", "&Forum", ""},
        {"Help", "About", "&About Orvessa Pitchlog...", ""},
        {"Help", "LicenceTerms", "&Licence Terms", ""},
    };
    ProgramFolder folder;
    frmMain& window = StartToMainWindow(folder);
    const auto describe = [](const QString& caption, const QKeySequence& shortcut) {
      return caption == "-" ? caption : caption + " [" + shortcut.toString() + "]";
    };
    QStringList found, expected;
    for (const Row& r : rows) {
      const QString where = QString("%1 > %2: ").arg(r.menu, r.item);
      expected << where + describe(r.caption, QKeySequence(r.shortcut));
      QString seen = "missing";
      if (const auto* owner = window.menuBar()->findChild<QMenu*>(r.menu))
        for (const QAction* a : owner->actions())
          if (a->objectName() == r.item) seen = a->isSeparator() ? "-" : describe(a->text(), a->shortcut());
      found << where + seen;
    }
    QCOMPARE(found, expected);
  }

  void menuBarRunsInOrderAndStartsWithTheMarkClear() {
    ProgramFolder folder;
    frmMain& window = StartToMainWindow(folder);
    QStringList names, captions;
    for (QAction* a : window.menuBar()->actions()) {
      names << a->menu()->objectName();
      captions << a->text();
    }
    QCOMPARE(names, QStringList({"File", "Edit", "DownloadS", "Groups", "Teams", "Sweeps", "Help"}));
    QCOMPARE(captions,
             QStringList({"&File", "&Edit", "&Downloads", "&Groups", "&Teams", "&Sweeps", "&Help"}));
    QVERIFY(!window.SaveResults->isEnabled());
    QCOMPARE(window.TrayContextMenu->objectName(), QStringLiteral("TrayContextMenu"));
    QVERIFY(!window.menuBar()->actions().contains(window.TrayContextMenu->menuAction()));
  }

  void knockOutGameIds_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("id");  // empty: no such game
    QTest::newRow("first") << 0 << "V1";
    QTest::newRow("last of the round of 16") << 7 << "V8";
    QTest::newRow("first quarter-final") << 8 << "W1";
    QTest::newRow("semi-final") << 13 << "X2";
    QTest::newRow("third place") << 14 << "Y1";
    QTest::newRow("final") << 15 << "Z1";
    QTest::newRow("before the first") << -1 << "";
    QTest::newRow("after the final") << 16 << "";
  }
  void knockOutGameIds() {
    QFETCH(int, index);
    QFETCH(QString, id);
    ProgramFolder folder;
    frmMain& window = StartToMainWindow(folder);
    if (id.isEmpty())
      QVERIFY_THROWS_EXCEPTION(kelvane::Error, window.KOGameID(static_cast<int16_t>(index)));
    else
      QCOMPARE(ToQ(window.KOGameID(static_cast<int16_t>(index)).ToString()), id);
  }

  void centredPosition_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("position");
    QTest::newRow("fits") << QSize(1280, 1024) << QSize(1000, 720) << QPoint(140, 152);
    QTest::newRow("taller than the screen") << QSize(1280, 600) << QSize(1000, 720) << QPoint(140, 0);
    QTest::newRow("wider than the screen") << QSize(800, 1024) << QSize(1000, 720) << QPoint(-100, 152);
  }
  void centredPosition() {
    QFETCH(QSize, screen);
    QFETCH(QSize, window);
    QFETCH(QPoint, position);
    QCOMPARE(CentredPosition(screen, window), position);
  }

  // A free area below a 40-pixel panel; the window's outer size, and the least it may be.
  void placedInsideTheFreeArea_data() {
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QSize>("least");
    QTest::addColumn<QRect>("placed");
    QTest::newRow("fits: as designed, centred") << QSize(1000, 600) << QSize(900, 500) << QRect(140, 80, 1000, 600);
    QTest::newRow("too tall: as tall as the area") << QSize(1000, 720) << QSize(900, 500) << QRect(140, 40, 1000, 680);
    QTest::newRow("too wide: as wide as the area") << QSize(1400, 600) << QSize(900, 500) << QRect(0, 80, 1280, 600);
    QTest::newRow("least too large: top-left in the area") << QSize(1400, 800) << QSize(1300, 700)
                                                              << QRect(0, 40, 1300, 700);
  }
  void placedInsideTheFreeArea() {
    QFETCH(QSize, wanted);
    QFETCH(QSize, least);
    QFETCH(QRect, placed);
    const QRect free_area(0, 40, 1280, 680);
    const QSize size = FittedSize(free_area.size(), wanted, least);
    QCOMPARE(QRect(CentredIn(free_area, size), size), placed);
  }

  void movedInsideTheFreeArea_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QPoint>("moved");
    QTest::newRow("inside: stays") << QRect(100, 100, 600, 400) << QPoint(100, 100);
    QTest::newRow("below the bottom: up") << QRect(100, 500, 600, 400) << QPoint(100, 320);
    QTest::newRow("under the panel: down") << QRect(100, 10, 600, 400) << QPoint(100, 40);
    QTest::newRow("off the left edge: right") << QRect(-50, 100, 600, 400) << QPoint(0, 100);
    QTest::newRow("off the right edge: left") << QRect(900, 100, 600, 400) << QPoint(680, 100);
    QTest::newRow("larger than the area: top-left") << QRect(-100, 300, 1400, 800) << QPoint(0, 40);
  }
  void movedInsideTheFreeArea() {
    QFETCH(QRect, frame);
    QFETCH(QPoint, moved);
    QCOMPARE(MovedInside(QRect(0, 40, 1280, 680), frame), moved);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

// The tray icon with its menu and the toolbar: in a window that carries only the menu items they
// repeat, and in the main window with its question about unsaved results.
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSystemTrayIcon>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/shell/frm_main.h"
#include "app/shell/main_toolbar.h"
#include "app/shell/tray_icon.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/program_fixture.h"

using app_testing::MessageBoxes;
using app_testing::ProgramFolder;
using pitchlog::frmMain;
using pitchlog::MainToolbar;
using pitchlog::Tray;

namespace {

const QStringList kMenuItems = {"SaveResults", "Results", "DownloadOthers", "GetMessage", "Manage",
                                "Members",     "Accounts", "Players",       "Properties", "HelpTopics"};

class StandInFrame : public QMainWindow {
 public:
  StandInFrame() {
    QMenu* menu = menuBar()->addMenu("&Commands");
    for (const QString& name : kMenuItems) {
      QAction* item = menu->addAction(name);
      item->setObjectName(name);
      connect(item, &QAction::triggered, this, [this, name] { runs[name]++; });
    }
    setWindowTitle("Zintorra Orvessa Pitchlog 2006");
  }
  QAction* Item(const QString& name) const { return findChild<QAction*>(name); }
  int TotalRuns() const {
    int total = 0;
    for (int n : runs) total += n;
    return total;
  }

  QMap<QString, int> runs;
};

bool WithTray() { return true; }
bool WithoutTray() { return false; }

struct Fixture {
  explicit Fixture(Tray::TrayAvailable tray_available)
      : tray(&frame, std::move(tray_available)), toolbar(&frame, [this] { tray.NoSysIcon(false); }) {
    frame.show();
    tray.ShowProgramInTray();
  }
  QAction* Action(const QString& name) const { return frame.findChild<QAction*>(name); }
  QSystemTrayIcon* Icon() const { return frame.findChild<QSystemTrayIcon*>(); }
  void Click(const QString& toolbar_action) {
    QWidget* button = toolbar.ToolBar()->widgetForAction(Action(toolbar_action));
    QTest::mouseClick(button, Qt::LeftButton);
  }

  StandInFrame frame;
  Tray tray;
  MainToolbar toolbar;
};

}  // namespace

class TrayToolbarTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() { app_testing::ResetProgram(); }

  void toolbarLayout() {
    Fixture f(WithoutTray);
    const QList<QAction*> buttons = f.toolbar.ToolBar()->actions();
    QStringList row;
    for (QAction* button : buttons) row << (button->isSeparator() ? "|" : button->data().toString());
    QCOMPARE(row, QStringList({"Save", "|", "Results", "Downloads", "|", "Sweeps", "Members", "Accounts", "|",
                               "Players", "Options", "|", "Help", "|", "Hide"}));
    for (int i = 0; i < buttons.size(); ++i) QCOMPARE(buttons[i]->objectName(), "tbrMain_" + QString::number(i + 1));
    // Every picture fills the toolbar's icon size, so the buttons stand level.
    const QSize size = f.toolbar.ToolBar()->iconSize();
    for (QAction* button : buttons)
      if (!button->isSeparator())
        QVERIFY2(button->icon().pixmap(size).deviceIndependentSize().toSize() == size,
                 qPrintable(button->data().toString()));
  }

  void toolbarButtonsRunTheirMenuCommand_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("menu_item");
    QTest::newRow("Save") << "tbrMain_1" << "SaveResults";
    QTest::newRow("Results") << "tbrMain_3" << "Results";
    QTest::newRow("Downloads") << "tbrMain_4" << "DownloadOthers";
    QTest::newRow("Sweeps") << "tbrMain_6" << "Manage";
    QTest::newRow("Members") << "tbrMain_7" << "Members";
    QTest::newRow("Accounts") << "tbrMain_8" << "Accounts";
    QTest::newRow("Players") << "tbrMain_10" << "Players";
    QTest::newRow("Options") << "tbrMain_11" << "Properties";
    QTest::newRow("Help") << "tbrMain_13" << "HelpTopics";
  }
  void toolbarButtonsRunTheirMenuCommand() {
    QFETCH(QString, button);
    QFETCH(QString, menu_item);
    Fixture f(WithoutTray);
    f.Click(button);
    QCOMPARE(f.frame.runs.value(menu_item), 1);
    QCOMPARE(f.frame.TotalRuns(), 1);
  }

  void toolbarFollowsTheMenuItems() {
    Fixture f(WithoutTray);
    QAction* save_results = f.frame.Item("SaveResults");
    QAction* save_button = f.Action("tbrMain_1");
    save_results->setEnabled(false);
    QVERIFY(!save_button->isEnabled());
    f.Click("tbrMain_1");
    QCOMPARE(f.frame.TotalRuns(), 0);
    save_results->setEnabled(true);
    QVERIFY(save_button->isEnabled());
    f.Click("tbrMain_1");
    QCOMPARE(f.frame.runs.value("SaveResults"), 1);

    // Keys match exactly.
    f.toolbar.tbrMain_ButtonClick("save");
    f.toolbar.tbrMain_ButtonClick("Nothing");
    QCOMPARE(f.frame.TotalRuns(), 1);
  }

  void trayMenuItems() {
    Fixture f(WithoutTray);
    QMenu* menu = f.tray.Menu();
    QCOMPARE(menu->objectName(), QString("TrayContextMenu"));
    QStringList items;
    for (QAction* item : menu->actions()) items << (item->isSeparator() ? "-" : item->text());
    QCOMPARE(items, QStringList({"Hide", "Restore", "-", "Downloads", "Get Message", "-", "Close"}));
    QCOMPARE(menu->defaultAction(), f.Action("TCM_Restore"));
    auto* downloads = f.frame.findChild<QMenu*>("TCM_Downloads");
    QCOMPARE(downloads->actions().size(), 2);
    QCOMPARE(downloads->actions()[0]->text(), QString("Results"));
    QCOMPARE(downloads->actions()[1]->text(), QString("Others"));

    f.Action("TCMU_Results")->trigger();
    f.Action("TCMU_Others")->trigger();
    f.Action("TCM_GetMessage")->trigger();
    QCOMPARE(f.frame.runs.value("Results"), 1);
    QCOMPARE(f.frame.runs.value("DownloadOthers"), 1);
    QCOMPARE(f.frame.runs.value("GetMessage"), 1);
    QCOMPARE(f.frame.TotalRuns(), 3);

    f.frame.Item("GetMessage")->setEnabled(false);
    QVERIFY(!f.Action("TCM_GetMessage")->isEnabled());
  }

  void trayGestures_data() {
    QTest::addColumn<int>("reason");
    QTest::addColumn<int>("gesture");
    QTest::newRow("left click") << int(QSystemTrayIcon::Trigger) << int(pitchlog::TrayGesture::PopUpMenu);
    QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << int(pitchlog::TrayGesture::Restore);
    QTest::newRow("right click") << int(QSystemTrayIcon::Context) << int(pitchlog::TrayGesture::None);
    QTest::newRow("middle click") << int(QSystemTrayIcon::MiddleClick) << int(pitchlog::TrayGesture::None);
    QTest::newRow("unknown") << int(QSystemTrayIcon::Unknown) << int(pitchlog::TrayGesture::None);
  }
  void trayGestures() {
    QFETCH(int, reason);
    QFETCH(int, gesture);
    QCOMPARE(int(pitchlog::DecodeTrayActivation(QSystemTrayIcon::ActivationReason(reason))), gesture);
  }

  void leftClickPopsTheMenuUp() {
    Fixture f(WithTray);
    emit f.Icon()->activated(QSystemTrayIcon::Trigger);
    QTRY_VERIFY(f.tray.Menu()->isVisible());
    f.tray.Menu()->hide();
  }

  void tipIsTheCaptionAtLoad() {
    Fixture f(WithoutTray);
    QCOMPARE(f.tray.Tip(), QString("Zintorra Orvessa Pitchlog 2006"));
    f.frame.setWindowTitle("Zintorra Orvessa Pitchlog 2006 [Tournament 2022]");
    QCOMPARE(f.tray.Tip(), QString("Zintorra Orvessa Pitchlog 2006"));
    QCOMPARE(pitchlog::TrayTip(QString(80, 'x')), QString(63, 'x'));
    QCOMPARE(pitchlog::TrayTip(QString(63, 'x')), QString(63, 'x'));
  }

  void hideToTrayAndBack() {
    Fixture f(WithTray);
    QVERIFY(f.tray.IconShown());
    f.Click("tbrMain_15");
    QVERIFY(!f.frame.isVisible());
    f.Action("TCM_Hide")->trigger();
    QVERIFY(!f.frame.isVisible());
    QVERIFY(!f.frame.isMinimized());

    emit f.Icon()->activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(f.frame.isVisible());
    // Again while visible: it stays, and nothing asks anything.
    emit f.Icon()->activated(QSystemTrayIcon::DoubleClick);
    f.Action("TCM_Restore")->trigger();
    QVERIFY(f.frame.isVisible());
    QVERIFY(!QApplication::activeModalWidget());

    // With the icon gone, Hide can only minimise.
    f.tray.DeleteIcon();
    QVERIFY(!f.tray.IconShown());
    f.Action("TCM_Hide")->trigger();
    QVERIFY(f.frame.isVisible());
    QVERIFY(f.frame.isMinimized());
  }

  // The main window hides only where a tray can bring it back; offscreen there is none.
  void mainWindowHideWithoutTrayMinimises() {
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
    ProgramFolder folder;
    frmMain& window = app_testing::StartToMainWindow(folder);
    window.findChild<QAction*>("TCM_Hide")->trigger();
    QVERIFY(window.isVisible());
    QVERIFY(window.isMinimized());
    window.findChild<QAction*>("TCM_Restore")->trigger();
    QVERIFY(!window.isMinimized());
    window.findChild<QAction*>("tbrMain_15")->trigger();
    QVERIFY(window.isVisible());
    QVERIFY(window.isMinimized());
    window.NoSysIcon(true);
    QVERIFY(!window.isMinimized());
  }

  void mainWindowTipAndSave() {
    ProgramFolder folder;
    frmMain& window = app_testing::StartToMainWindow(folder);
    QSystemTrayIcon* icon = window.findChild<QSystemTrayIcon*>();
    QCOMPARE(icon->toolTip(), QString("Zintorra Orvessa Pitchlog 2006"));
    QVERIFY(!icon->icon().isNull());

    // Save follows the unsaved-results mark and runs the Save Results command itself.
    QAction* save = window.findChild<QAction*>("tbrMain_1");
    QVERIFY(!save->isEnabled());
    window.objKelvane->GroupScore("A1", 2, 1);
    window.SaveResults->setEnabled(window.objKelvane->ResultsChanged());
    QVERIFY(save->isEnabled());
    QTest::mouseClick(window.tbrMain->widgetForAction(save), Qt::LeftButton);
    QVERIFY(!window.SaveResults->isEnabled());
    QVERIFY(!save->isEnabled());
    QVERIFY(!window.objKelvane->ResultsChanged());
    QVERIFY(folder.Read("Results/Results.xml").contains("gameid=\"A1\""));
  }

  // The tray's Close is the window's own close: unsaved results are asked about first.
  void trayCloseAsksAboutUnsavedResults_data() {
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<int>("answer");  // NoButton: no question
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("nothing unsaved") << false << int(QMessageBox::NoButton) << true << false;
    QTest::newRow("Yes") << true << int(QMessageBox::Yes) << true << true;
    QTest::newRow("No") << true << int(QMessageBox::No) << true << false;
    QTest::newRow("Cancel") << true << int(QMessageBox::Cancel) << false << false;
  }
  void trayCloseAsksAboutUnsavedResults() {
    QFETCH(bool, unsaved);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    ProgramFolder folder;
    frmMain& window = app_testing::StartToMainWindow(folder);
    if (unsaved) {
      window.objKelvane->GroupScore("A1", 2, 1);
      window.SaveResults->setEnabled(window.objKelvane->ResultsChanged());
    }
    MessageBoxes boxes;
    if (answer != QMessageBox::NoButton) boxes.Then(QMessageBox::StandardButton(answer));
    window.findChild<QAction*>("TCM_Close")->trigger();
    QCOMPARE(boxes.Seen().size(), unsaved ? 1 : 0);
    if (unsaved) QCOMPARE(boxes.Text(), QString("Would you like to save your results?"));
    QCOMPARE(!frmMain::IsLoaded(), closes);
    QCOMPARE(folder.Read("Results/Results.xml").contains("gameid=\"A1\""), saved);
    if (!closes) QVERIFY(window.isVisible());
  }
};

QTEST_MAIN(TrayToolbarTest)
#include "tray_toolbar_test.moc"

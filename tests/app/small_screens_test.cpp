// The windows on the screens people have. The test runs once per screen of tests/app/screens:
// a 1280 x 680 free area below a panel, and a 1024 x 600 netbook at 200 %.
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/entry/frm_group_score.h"
#include "app/entry/frm_ko_score.h"
#include "app/entry/goal_rows.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_splash.h"
#include "app/shell/start.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::ProgramFolder;

namespace {

QRect FreeArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

QString Describe(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

bool Inside(const QWidget& window) { return FreeArea().contains(window.frameGeometry()); }

int ShownGoalRows(const QWidget& dialog, const char* side) {
  int shown = 0;
  const QRegularExpression rows(QStringLiteral("^cbo%1Player_").arg(QLatin1String(side)));
  for (const QComboBox* row : dialog.findChildren<QComboBox*>(rows))
    if (row->isVisibleTo(&dialog)) ++shown;
  return shown;
}

frmMain& OpenTournament2022(const ProgramFolder& folder) {
  frmMain& window = app_testing::StartToMainWindow(folder);
  window.OpenResultsSet("Tournament 2022");
  return window;
}

}  // namespace

class SmallScreensTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    app_testing::UseTemporaryRegistry();
    // A screen that fits the designed 1000 x 720 would prove nothing here.
    QVERIFY2(FreeArea().height() < 720, qPrintable(Describe(FreeArea())));
  }
  void cleanup() {
    frmGroupScore::Unload();
    frmKOScore::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  void mainWindowOpensInsideTheFreeArea() {
    ProgramFolder folder;
    frmMain& window = OpenTournament2022(folder);
    QVERIFY2(Inside(window), qPrintable(Describe(window.frameGeometry()) + " in " + Describe(FreeArea())));
    QCOMPARE(window.frameGeometry().height(), FreeArea().height());
    QVERIFY(window.minimumSizeHint().width() <= 1024 && window.minimumSizeHint().height() <= 600);
  }

  // England 6-2 Iran and Portugal 6-1 Switzerland: six goal rows a side.
  void sixGoalScoreDialogsOpenInside() {
    ProgramFolder folder;
    frmMain& main = OpenTournament2022(folder);
    main.GameID = "B1";
    frmGroupScore& group = frmGroupScore::Get();
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    QCOMPARE(ShownGoalRows(group, "Home"), 6);
    QVERIFY2(Inside(group), qPrintable(Describe(group.frameGeometry()) + " in " + Describe(FreeArea())));
    frmGroupScore::Unload();
    main.KOIndex = 7;
    frmKOScore& knockout = frmKOScore::Get();
    knockout.show();
    QVERIFY(QTest::qWaitForWindowExposed(&knockout));
    QCOMPARE(ShownGoalRows(knockout, "Home"), 6);
    QVERIFY2(Inside(knockout), qPrintable(Describe(knockout.frameGeometry()) + " in " + Describe(FreeArea())));
  }

  // A goalless game's dialog, low in the free area, given twelve goals grows taller than the
  // room below it: it moves up.
  void aScoreDialogGivenGoalsStaysInside() {
    ProgramFolder folder;
    frmMain& main = OpenTournament2022(folder);
    main.GameID = "D2";  // Denmark 0-0 Tunisia
    frmGroupScore& dialog = frmGroupScore::Get();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QRect opened = dialog.frameGeometry();
    dialog.move(opened.left(), FreeArea().bottom() + 1 - opened.height());
    app_testing::MessageBoxes sure({QMessageBox::Yes});
    dialog.txtHomeScore->setText(QStringLiteral("12"));
    QApplication::processEvents();
    QCOMPARE(sure.Seen().size(), 1);
    QCOMPARE(ShownGoalRows(dialog, "Home"), 12);
    QVERIFY(dialog.frameGeometry().height() > opened.height() + 10 * entry::GoalRowPanel::kRowPitch);
    QVERIFY2(Inside(dialog), qPrintable(Describe(dialog.frameGeometry()) + " in " + Describe(FreeArea())));
  }

  // Denmark 0-0 Tunisia's score dialog on screen, given `goals` home goals (and the rows for them).
  static frmGroupScore& GroupScoreWithGoals(frmMain& main, int goals) {
    main.GameID = "D2";
    frmGroupScore& dialog = frmGroupScore::Get();
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog)) dialog.hide();
    app_testing::MessageBoxes sure({QMessageBox::Yes});
    dialog.txtHomeScore->setText(QString::number(goals));
    QApplication::processEvents();
    return dialog;
  }

  // 25 goals are more rows than either screen has room for: they scroll between the top line and
  // the buttons, which stay on screen, and Tab brings the last row into sight.
  void rowsTooManyForTheScreenScroll() {
    ProgramFolder folder;
    frmGroupScore& dialog = GroupScoreWithGoals(OpenTournament2022(folder), 25);
    QVERIFY(dialog.isVisible());
    QCOMPARE(ShownGoalRows(dialog, "Home"), 25);
    QVERIFY2(Inside(dialog), qPrintable(Describe(dialog.frameGeometry()) + " in " + Describe(FreeArea())));
    for (const QPushButton* button : {dialog.cmdOK, dialog.cmdApply, dialog.cmdCancel}) {
      const QRect shown(button->mapToGlobal(QPoint(0, 0)), button->size());
      QVERIFY2(FreeArea().contains(shown), qPrintable(button->objectName() + " at " + Describe(shown)));
    }
    const auto* area = dialog.findChild<QScrollArea*>(QStringLiteral("GoalArea"));
    QVERIFY(area && area->verticalScrollBar()->isVisible());
    QWidget* pen = dialog.findChild<QWidget*>(QStringLiteral("chkHomePen_24"));
    pen->setFocus();
    QTest::keyClick(pen, Qt::Key_Tab);
    QWidget* last = dialog.findChild<QWidget*>(QStringLiteral("txtHomeMins_24"));
    QCOMPARE(dialog.focusWidget(), last);
    const QRect in_area(last->mapTo(area->viewport(), QPoint(0, 0)), last->size());
    QVERIFY2(area->viewport()->rect().contains(in_area), qPrintable(Describe(in_area)));
  }

  // A dialog whose rows were cut for a short screen, moved to a taller one, is fitted to the
  // taller one: the rows it shows again resize and place it, and that is part of the one fit.
  void aCutDialogMovedToATallerScreenShowsMoreRows() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() < 2) QSKIP("one screen only");
    ProgramFolder folder;
    frmGroupScore& dialog = GroupScoreWithGoals(OpenTournament2022(folder), 25);
    QVERIFY(dialog.isVisible());
    const int short_height = dialog.height();
    const QRect tall = screens[1]->availableGeometry();
    dialog.move(tall.topLeft() + QPoint(20, 20));
    QApplication::processEvents();
    QCOMPARE(dialog.screen(), screens[1]);
    QVERIFY2(dialog.height() > short_height, qPrintable(QString::number(dialog.height())));
    QVERIFY2(tall.contains(dialog.frameGeometry()), qPrintable(Describe(dialog.frameGeometry())));
    const QRect ok(dialog.cmdOK->mapToGlobal(QPoint(0, 0)), dialog.cmdOK->size());
    QVERIFY2(tall.contains(ok), qPrintable(Describe(ok)));
  }

  // England 6-2 Iran in the Groups view of the window made as small as it goes: the short box of
  // England's six scorers shows them all or scrolls to them.
  void shortScorerBoxReachesEveryScorer() {
    ProgramFolder folder;
    frmMain& window = OpenTournament2022(folder);
    window.resize(window.minimumSizeHint());
    window.MainTab->setCurrentIndex(1);
    window.ShowGameFacts("B1");
    QApplication::processEvents();
    auto* box = window.findChild<QPlainTextEdit*>("txtHomeGoals");
    QVERIFY(box->isVisible());
    QCOMPARE(box->toPlainText().split('\n').size(), 6);
    const QScrollBar* bar = box->verticalScrollBar();
    QVERIFY2(bar->maximum() == 0 || bar->isVisible(),
             qPrintable(QStringLiteral("%1 lines out of sight").arg(bar->maximum())));
  }

  // The football of the lists, the main window's badge and the splash picture have the pixels of
  // the screen they are shown on.
  void picturesHaveTheScreensPixels() {
    ProgramFolder folder;
    QVERIFY(StartProgram(folder.Path()));
    frmSplash& splash = frmSplash::Get();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    const qreal ratio = splash.devicePixelRatio();
    QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(), ratio);
    QCOMPARE(splash.Picture1->pixmap().devicePixelRatio(), ratio);
    QTest::mouseClick(splash.Continue, Qt::LeftButton);
    frmMain& window = frmMain::Get();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.OpenResultsSet("Tournament 2022");
    QCOMPARE(window.picCorpLogo->pixmap().devicePixelRatio(), ratio);
    const QIcon ball = window.ScheduleList->topLevelItem(0)->icon(0);
    QVERIFY(!ball.isNull());
    const QSize shown = window.ScheduleList->iconSize();
    QCOMPARE(ball.pixmap(shown, ratio).size(), shown * ratio);
  }
};

QTEST_MAIN(SmallScreensTest)
#include "small_screens_test.moc"

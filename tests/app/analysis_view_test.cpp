// The Analysis view with the real engine: the chart list, the charts of the finished 2022
// tournament by stage, the rows left out before the first and after the last count, goal times
// in quarter-hour rows, stages without data, and the reset after a result is entered.
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "app/entry/frm_group_score.h"
#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "tests/app/support/controls.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::Control;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;

namespace {

constexpr int kAnalysisTab = 4;
const QString kMargins = QStringLiteral("Margin of victory (or zero for draws)");
const QString kBothTeams = QStringLiteral("Goals scored by both teams");
const QString kWinners = QStringLiteral("Goals scored by winning team (or either team in drawn games)");
const QString kLosers = QStringLiteral("Goals scored by losing team (or either team in drawn games)");
const QString kGoalTimes = QStringLiteral("Goal times (in 15 minute slots)");
const char* const kStageOptions[] = {"optAnalBoth", "optAnalGroup", "optAnalKO"};

// The analysis view of a started program, shown.
struct View {
  explicit View(frmMain& window) : main(window) { main.MainTab->setCurrentIndex(kAnalysisTab); }

  QComboBox* List() const { return Control<QComboBox>(main, "cboChart"); }
  QChartView* Chart() const { return Control<QChartView>(main, "chtAnalysis"); }
  QLabel* NoChart() const { return Control<QLabel>(main, "lblNoChart"); }

  void ChooseChart(const QString& text) const {
    const int index = List()->findText(text);
    if (index < 0) qFatal("no chart %s", qPrintable(text));
    List()->setCurrentIndex(index);
  }
  void ChooseStage(int stage) const {
    QTest::mouseClick(Control<QRadioButton>(main, kStageOptions[stage]), Qt::LeftButton);
  }
  // The rows drawn, each "label:count".
  QStringList Rows() const {
    const QChart* chart = Chart()->chart();
    const auto* series = qobject_cast<QBarSeries*>(chart->series().at(0));
    auto* axis = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).at(0));
    const QBarSet* counts = series->barSets().at(0);
    QStringList rows;
    for (int r = 0; r < counts->count(); ++r)
      rows << QStringLiteral("%1:%2").arg(axis->categories().value(r)).arg(counts->at(r));
    if (axis->count() != counts->count()) rows << QStringLiteral("labels %1").arg(axis->count());
    return rows;
  }
  bool ChartShown() const { return !Chart()->isHidden(); }
  bool NoChartShown() const { return !NoChart()->isHidden(); }

  frmMain& main;
};

}  // namespace

class AnalysisViewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    if (frmGroupScore::IsLoaded()) frmGroupScore::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  void theChartListIsSortedAndNothingShowsAtFirst() {
    ProgramFolder folder;
    View view(StartToMainWindow(folder));
    QStringList texts;
    QList<int> series;
    for (int i = 0; i < view.List()->count(); ++i) {
      texts << view.List()->itemText(i);
      series << view.List()->itemData(i).toInt();
    }
    QCOMPARE(texts, (QStringList{kGoalTimes, kBothTeams, kLosers, kWinners, kMargins}));
    QCOMPARE(series, (QList<int>{5, 2, 4, 3, 1}));
    QCOMPARE(view.List()->currentIndex(), -1);
    QVERIFY(!view.ChartShown() && !view.NoChartShown());
    QVERIFY(Control<QRadioButton>(view.main, "optAnalBoth")->isChecked());
    QCOMPARE(view.main.intAnalysisStage, int16_t{0});
    QCOMPARE(Control<QWidget>(view.main, "ChartFrame")->property("title").toString(), QStringLiteral("Chart"));
    QCOMPARE(Control<QWidget>(view.main, "AnanlysisStageFrame")->property("title").toString(), QStringLiteral("Stage"));
    QCOMPARE(view.NoChart()->text(), QStringLiteral("No data available for chart"));
  }

  // Charts of the finished tournament: draws start the margins at 0, a margin that no game had
  // stays as a row of 0 between others, and rows after the last count are left out.
  void chartsOfThe2022Tournament_data() {
    QTest::addColumn<QString>("chart");
    QTest::addColumn<int>("stage");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("margins, all games")
        << kMargins << 0 << QStringList{"0:15", "1:24", "2:16", "3:6", "4:1", "5:1", "6:0", "7:1"};
    QTest::newRow("margins, group games")
        << kMargins << 1 << QStringList{"0:10", "1:20", "2:13", "3:3", "4:1", "5:0", "6:0", "7:1"};
    QTest::newRow("margins, knock-out games") << kMargins << 2 << QStringList{"0:5", "1:4", "2:3", "3:3", "4:0", "5:1"};
    QTest::newRow("losing team, knock-out games") << kLosers << 2 << QStringList{"0:6", "1:8", "2:2"};
    QTest::newRow("both teams, all games")
        << kBothTeams << 0 << QStringList{"0:8", "1:10", "2:16", "3:14", "4:5", "5:6", "6:2", "7:2", "8:1"};
    QTest::newRow("goal times, group games")
        << kGoalTimes << 1 << QStringList{"1-15:9", "16-30:12", "31-45:22", "46-60:21", "61-75:27", "76-90:29"};
    QTest::newRow("goal times, knock-out games")
        << kGoalTimes << 2
        << QStringList{"1-15:6", "16-30:4", "31-45:14", "46-60:7", "61-75:4", "76-90:13", "91-105:1", "106-120:3"};
  }
  void chartsOfThe2022Tournament() {
    QFETCH(QString, chart);
    QFETCH(int, stage);
    QFETCH(QStringList, rows);
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    View view(main);
    view.ChooseStage(stage);
    QVERIFY(!view.ChartShown());  // a stage alone draws nothing
    view.ChooseChart(chart);
    QCOMPARE(view.Rows(), rows);
    QVERIFY(view.Chart()->isVisible());
    QVERIFY(!view.NoChartShown());
    QCOMPARE(main.intAnalysisStage, int16_t(stage));
  }

  // One game, Qatar 2-2 Ecuador: goals in minutes 0 and 15 fall in the first row, 91 in the row
  // 91-105, and a stoppage-time note that is not a number in none.
  void aStageChangeRedrawsTheChosenChart() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    kelvane::IPitchlog& engine = *main.objKelvane;
    engine.GroupScore("A1", 2, 2);
    engine.AddGoal("A1", "QAT", "", false, false, kelvane::Variant(1), kelvane::Variant(0));
    engine.AddGoal("A1", "QAT", "", false, false, kelvane::Variant(1), kelvane::Variant(15));
    engine.AddGoal("A1", "ECU", "", false, false, kelvane::Variant(3), kelvane::Variant(91));
    engine.AddGoal("A1", "ECU", "", false, false, kelvane::Variant(1), kelvane::Variant("45+2"));
    engine.LoadStats();
    View view(main);

    view.ChooseChart(kGoalTimes);
    QCOMPARE(view.Rows(), (QStringList{"1-15:2", "16-30:0", "31-45:0", "46-60:0", "61-75:0", "76-90:0", "91-105:1"}));
    // The winning score of a draw is either side's: no rows for 0 and 1.
    view.ChooseChart(kWinners);
    QCOMPARE(view.Rows(), QStringList{"2:1"});
    view.ChooseStage(2);
    QVERIFY(!view.ChartShown());
    QVERIFY(view.NoChart()->isVisible());
    view.ChooseStage(1);
    QVERIFY(view.ChartShown() && !view.NoChartShown());
    QCOMPARE(view.Rows(), QStringList{"2:1"});
    view.ChooseChart(kMargins);
    QCOMPARE(view.Rows(), QStringList{"0:1"});
  }

  void withoutResultsEveryChartHasNoData() {
    ProgramFolder folder;
    View view(StartToMainWindow(folder));
    for (int i = 0; i < view.List()->count(); ++i) {
      view.List()->setCurrentIndex(i);
      QVERIFY2(!view.ChartShown(), qPrintable(view.List()->itemText(i)));
      QVERIFY(view.NoChart()->isVisible());
    }
  }

  // After a reset the view is blank; a stage then sets only the "no data" label from the chart,
  // which stays hidden until a chart is chosen.
  void enteringAResultClearsTheView() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    View view(main);
    view.ChooseChart(kMargins);
    QVERIFY(view.NoChartShown());

    main.GameID = "A1";
    frmGroupScore& score = frmGroupScore::Get();
    score.show();
    score.txtHomeScore->setText(QStringLiteral("0"));
    score.txtAwayScore->setText(QStringLiteral("0"));
    QTest::mouseClick(score.cmdOK, Qt::LeftButton);
    QVERIFY(!frmGroupScore::IsLoaded());
    QCOMPARE(view.List()->currentIndex(), -1);
    QVERIFY(!view.ChartShown() && !view.NoChartShown());

    view.ChooseStage(1);
    QCOMPARE(main.intAnalysisStage, int16_t{1});
    QVERIFY(!view.ChartShown());
    QVERIFY(view.NoChartShown());
    view.ChooseChart(kMargins);
    QVERIFY(view.ChartShown() && !view.NoChartShown());
    QCOMPARE(view.Rows(), QStringList{"0:1"});
  }
};

QTEST_MAIN(AnalysisViewTest)
#include "analysis_view_test.moc"

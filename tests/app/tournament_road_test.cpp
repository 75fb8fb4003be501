// The results road as a user lives it, with the real engine on a temporary copy of the shipped
// data: group A's real results typed into the group score dialog, then the group table, the
// bracket, the Stats and Analysis views, saving, moving between result sets, and a new start.
#include <map>

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/entry/frm_group_score.h"
#include "app/kit/program.h"
#include "app/shell/analysis_view.h"
#include "app/shell/frm_main.h"
#include "app/shell/groups_view.h"
#include "app/shell/stats_list.h"
#include "app/shell/stats_view.h"
#include "tests/app/support/controls.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"
#include "tests/app/support/stats_view_steps.h"
#include "tools/tournament_replay.h"

using namespace pitchlog;
using app_testing::Control;
using app_testing::MessageBoxes;
using app_testing::ModalDialog;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;
using nlohmann::json;

namespace {

constexpr int kGroupsTab = 1;
constexpr int kBracketTab = 2;
constexpr int kAnalysisTab = 4;
constexpr int kGroupATab = 7;
const QString kBothTeams = QStringLiteral("Goals scored by both teams");
const QString kScenario = QStringLiteral("Group A only");

const json& Facts() {
  static const json facts = kelvane::replay::LoadFacts(PITCHLOG_FACTS_FILE);
  return facts;
}

std::vector<json> GroupAGames() {
  std::vector<json> games;
  for (const json& game : Facts()["games"])
    if (game["stage"] == "A") games.push_back(game);
  return games;
}

QString Name(const json& text) { return QString::fromStdString(text.get<std::string>()); }

// The group table rows as "team p w d l f a gd pts", top to bottom.
QStringList ShownTable(const frmMain& main) {
  namespace col = group_table_column;
  QStringList rows;
  const QTreeWidget* table = main.groupsView->GroupTable;
  for (int r = 0; r < table->topLevelItemCount(); ++r) {
    const QTreeWidgetItem* row = table->topLevelItem(r);
    QStringList cells;
    for (int c : {col::Team, col::P, col::W, col::D, col::L, col::F, col::A, col::GD, col::Pts}) cells << row->text(c);
    rows << cells.join(QLatin1Char(' '));
  }
  return rows;
}

QStringList FactsTable() {
  QStringList rows;
  for (const json& t : Facts()["tables"]["A"])
    rows << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9")
                .arg(Name(t["team"]))
                .arg(t["p"].get<int>())
                .arg(t["w"].get<int>())
                .arg(t["d"].get<int>())
                .arg(t["l"].get<int>())
                .arg(t["gf"].get<int>())
                .arg(t["ga"].get<int>())
                .arg((t["gd"].get<int>() > 0 ? QStringLiteral("+") : QString()) + QString::number(t["gd"].get<int>()))
                .arg(t["pts"].get<int>());
  return rows;
}

QString BracketName(const frmMain& main, const char* side, int index) {
  return Control(main, QStringLiteral("lblKO%1Team_%2").arg(QLatin1String(side)).arg(index))->text();
}

void ShowGroupA(frmMain& main) {
  main.MainTab->setCurrentIndex(kGroupsTab);
  main.GroupTab->setCurrentIndex(kGroupATab);
}

// Types one game's facts into the dialog that Enter Score opens from group A's game list.
void EnterGame(frmMain& main, const json& game, const std::string& game_id,
               const std::map<std::string, std::string>& team_ids) {
  ShowGroupA(main);
  QTreeWidget* games = main.groupsView->GroupSchedule;
  QTreeWidgetItem* row =
      games->findItems(QString::fromStdString(game_id), Qt::MatchExactly, kGroupScheduleGameIDColumn).value(0);
  if (!row) qFatal("game %s is not listed", game_id.c_str());
  games->setCurrentItem(row);
  emit games->itemClicked(row, 0);
  ModalDialog dialog(QStringLiteral("frmGroupScore"), [&](QWidget& w) {
    auto& d = static_cast<frmGroupScore&>(w);
    d.txtHomeScore->setText(QString::number(game["score"][0].get<int>()));
    d.txtAwayScore->setText(QString::number(game["score"][1].get<int>()));
    std::map<std::string, int> rows;
    for (const json& goal : game["goals"]) {
      const QString side = goal["team"] == "home" ? QStringLiteral("Home") : QStringLiteral("Away");
      const int n = rows[goal["team"].get<std::string>()]++;
      const std::string team = team_ids.at(goal["player_team"].get<std::string>());
      const int shirt = goal["shirt"].get<int>();
      const QString player = QString::fromStdString(team) + QStringLiteral("%1").arg(shirt, 2, 10, QLatin1Char('0'));
      if (goal["own_goal"].get<bool>()) Control<QCheckBox>(d, QStringLiteral("chk%1OG_%2").arg(side).arg(n))->setChecked(true);
      if (goal["penalty"].get<bool>()) Control<QCheckBox>(d, QStringLiteral("chk%1Pen_%2").arg(side).arg(n))->setChecked(true);
      auto* scorer = Control<QComboBox>(d, QStringLiteral("cbo%1Player_%2").arg(side).arg(n));
      const int index = scorer->findData(player);
      if (index < 0) qFatal("%s is not offered", qPrintable(player));
      scorer->setCurrentIndex(index);
      Control<QLineEdit>(d, QStringLiteral("txt%1Mins_%2").arg(side).arg(n))
          ->setText(QString::number(goal["minute"].get<int>()));
    }
    d.chkResult->setChecked(true);
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
  });
  QTest::mouseClick(main.groupsView->cmdGFEnterScore, Qt::LeftButton);
  if (!dialog.Seen()) qFatal("no score dialog for %s", game_id.c_str());
}

// Clears one game through the dialog that Change Score opens.
void ClearGame(frmMain& main, const std::string& game_id) {
  ShowGroupA(main);
  QTreeWidget* games = main.groupsView->GroupSchedule;
  QTreeWidgetItem* row =
      games->findItems(QString::fromStdString(game_id), Qt::MatchExactly, kGroupScheduleGameIDColumn).value(0);
  games->setCurrentItem(row);
  emit games->itemClicked(row, 0);
  ModalDialog dialog(QStringLiteral("frmGroupScore"), [](QWidget& w) {
    auto& d = static_cast<frmGroupScore&>(w);
    QTest::mouseClick(d.cmdClear, Qt::LeftButton);
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
  });
  QTest::mouseClick(main.groupsView->cmdChangeScore, Qt::LeftButton);
  if (!dialog.Seen()) qFatal("no score dialog for %s", game_id.c_str());
}

bool Placeholder(const kelvane::Variant& team) { return gobjKelvane->HomeTeam(team).starts_with('_'); }

// Goals per scorer name in group A, from the facts; the list's row without a name counts every
// goal.
std::map<QString, int> FactsScorers() {
  std::map<QString, int> goals;
  for (const json& game : GroupAGames())
    for (const json& goal : game["goals"]) {
      ++goals[QString()];
      if (!goal["own_goal"].get<bool>()) ++goals[Name(goal["player"])];
    }
  return goals;
}

// The logical column of a shown Stats heading, or -1.
int StatsColumn(const QTreeWidget* list, const QString& wanted) {
  namespace stats_list = pitchlog::stats_list;
  for (int h = 1; h <= stats_list::kHeaders; ++h) {
    if (stats_list::ColumnWidth(list, h) <= 0) continue;
    QString heading = stats_list::HeaderText(list, h);
    if (heading.startsWith(QLatin1String("* "))) heading = heading.mid(2);
    if (heading == wanted) return h - 1;
  }
  return -1;
}

// The Top Scorers list as shown: player name to goals.
std::map<QString, int> ShownScorers(const frmMain& main) {
  const QTreeWidget* list = main.statsView->lvwStats;
  const int player = StatsColumn(list, QStringLiteral("Player"));
  const int goals = StatsColumn(list, QStringLiteral("Goals"));
  if (player < 0 || goals < 0) qFatal("Top Scorers shows no player or goals column");
  std::map<QString, int> shown;
  for (int r = 0; r < list->topLevelItemCount(); ++r) {
    const int n = list->topLevelItem(r)->text(goals).toInt();
    if (n > 0) shown[list->topLevelItem(r)->text(player)] = n;
  }
  return shown;
}

// Teams Overview's rows of group A's teams as "team p w d l gf ga".
QStringList ShownTeams(const frmMain& main) {
  const QTreeWidget* list = main.statsView->lvwStats;
  QStringList rows;
  for (const json& t : Facts()["tables"]["A"]) {
    const QString team = Name(t["team"]);
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
      const QTreeWidgetItem* row = list->topLevelItem(r);
      if (row->text(StatsColumn(list, QStringLiteral("Team"))) != team) continue;
      QStringList cells{team};
      for (const char* heading : {"P", "W", "D", "L", "GF", "GA"})
        cells << row->text(StatsColumn(list, QLatin1String(heading)));
      rows << cells.join(QLatin1Char(' '));
    }
  }
  return rows;
}

QStringList FactsTeams() {
  QStringList rows;
  for (const json& t : Facts()["tables"]["A"]) {
    QStringList cells{Name(t["team"])};
    for (const char* key : {"p", "w", "d", "l", "gf", "ga"}) cells << QString::number(t[key].get<int>());
    rows << cells.join(QLatin1Char(' '));
  }
  return rows;
}

// The chart's rows as "goals:games".
QStringList ChartRows(const frmMain& main) {
  const QChart* chart = main.analysisView->chtAnalysis->chart();
  const auto* series = qobject_cast<QBarSeries*>(chart->series().value(0));
  auto* axis = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).value(0));
  if (!series || !axis || series->barSets().isEmpty()) return {};
  const QBarSet* counts = series->barSets().at(0);
  QStringList rows;
  for (int r = 0; r < counts->count(); ++r)
    if (counts->at(r) > 0) rows << QStringLiteral("%1:%2").arg(axis->categories().value(r)).arg(counts->at(r));
  return rows;
}

QStringList FactsGoalsPerGame() {
  std::map<int, int> games;
  for (const json& game : GroupAGames()) ++games[game["score"][0].get<int>() + game["score"][1].get<int>()];
  QStringList rows;
  for (auto [goals, count] : games) rows << QStringLiteral("%1:%2").arg(goals).arg(count);
  return rows;
}

void ChooseChart(frmMain& main, const QString& text) {
  QComboBox* charts = main.analysisView->cboChart;
  const int index = charts->findText(text);
  if (index < 0) qFatal("no chart %s", qPrintable(text));
  charts->setCurrentIndex(index);
}

bool MarkShown(frmMain& main) {
  return main.SaveResults->isEnabled() && main.findChild<QAction*>(QStringLiteral("tbrMain_1"))->isEnabled();
}

void OpenScenario(frmMain& main, const QString& name) {
  ModalDialog open(QStringLiteral("frmOpenScenario"), [&](QWidget& d) {
    auto* names = Control<QComboBox>(d, QStringLiteral("cboName"));
    names->setCurrentIndex(names->findText(name));
    QTest::mouseClick(Control<QPushButton>(d, QStringLiteral("cmdOK")), Qt::LeftButton);
  });
  main.findChild<QAction*>(QStringLiteral("OpenScenario"))->trigger();
  if (!open.Seen()) qFatal("Open Scenario showed no dialog");
}

}  // namespace

class TournamentRoadTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    if (frmGroupScore::IsLoaded()) frmGroupScore::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  void groupAFromEntryToANewStart() {
    ProgramFolder folder;
    const QByteArray tournament = folder.Read(QStringLiteral("Results/Tournament 2022.xml"));
    frmMain& main = StartToMainWindow(folder);
    const auto game_ids = kelvane::replay::GameIds(*gobjKelvane);
    const auto team_ids = kelvane::replay::TeamIds(*gobjKelvane);
    const std::vector<json> games = GroupAGames();
    QCOMPARE(games.size(), size_t{6});

    // The views are on show with the first game in, as a user follows the tournament.
    EnterGame(main, games[0], game_ids.at(games[0]["no"].get<int>()), team_ids);
    main.MainTab->setCurrentIndex(app_testing::kStatsTab);
    app_testing::Choose(main, QStringLiteral("Top Scorers"));
    QCOMPARE(ShownScorers(main), (std::map<QString, int>{{QString(), 2}, {QStringLiteral("Enner VALENCIA"), 2}}));
    main.MainTab->setCurrentIndex(kAnalysisTab);
    Control<QRadioButton>(main, QStringLiteral("optAnalGroup"))->click();
    ChooseChart(main, kBothTeams);
    QCOMPARE(ChartRows(main), QStringList{QStringLiteral("2:1")});

    for (size_t i = 1; i < games.size() - 1; ++i)
      EnterGame(main, games[i], game_ids.at(games[i]["no"].get<int>()), team_ids);
    // A group still being played keeps its knock-out slots open.
    QVERIFY(Placeholder(main.KOGameID(0)));
    const std::string last = game_ids.at(games.back()["no"].get<int>());
    EnterGame(main, games.back(), last, team_ids);
    QVERIFY(MarkShown(main));
    QVERIFY(!Placeholder(main.KOGameID(0)));

    // The last game taken back and typed in again: the slots empty and fill again.
    ClearGame(main, last);
    QVERIFY(Placeholder(main.KOGameID(0)));
    QVERIFY(BracketName(main, "Home", 0) != Name(Facts()["tables"]["A"][0]["team"]));
    EnterGame(main, games.back(), last, team_ids);

    // The group table ranks the teams as the tournament did.
    ShowGroupA(main);
    QCOMPARE(ShownTable(main), FactsTable());

    // Winner A meets runner-up B in game 49; runner-up A meets winner B in game 51.
    main.MainTab->setCurrentIndex(kBracketTab);
    const QString winner = Name(Facts()["tables"]["A"][0]["team"]);
    const QString runner_up = Name(Facts()["tables"]["A"][1]["team"]);
    QCOMPARE(BracketName(main, "Home", 0), winner);
    QCOMPARE(BracketName(main, "Away", 2), runner_up);

    // The entry cleared the Stats view; picking the table again shows every goal.
    main.MainTab->setCurrentIndex(app_testing::kStatsTab);
    QVERIFY(main.statsView->lvwStats->isHidden());
    QCOMPARE(main.statsView->cboStatsTables->currentIndex(), -1);
    app_testing::Choose(main, QStringLiteral("Top Scorers"));
    QVERIFY(!main.statsView->lvwStats->isHidden());
    QCOMPARE(ShownScorers(main), FactsScorers());
    app_testing::Choose(main, QStringLiteral("Teams Overview"));
    QCOMPARE(ShownTeams(main), FactsTeams());

    // The same for the Analysis view.
    main.MainTab->setCurrentIndex(kAnalysisTab);
    QVERIFY(main.analysisView->chtAnalysis->isHidden());
    QCOMPARE(main.analysisView->cboChart->currentIndex(), -1);
    ChooseChart(main, kBothTeams);
    QVERIFY(!main.analysisView->chtAnalysis->isHidden());
    QCOMPARE(ChartRows(main), FactsGoalsPerGame());

    // A box the road should not raise is answered once, so that it fails the check below
    // instead of waiting.
    MessageBoxes none({QMessageBox::Ok});

    // Save Results writes the default set and clears the mark.
    main.SaveResults->trigger();
    QVERIFY(!MarkShown(main));
    const QByteArray saved = folder.Read(QStringLiteral("Results/Results.xml"));
    for (const json& game : games)
      QVERIFY(saved.contains("gameid=\"" + QByteArray::fromStdString(game_ids.at(game["no"].get<int>())) + "\""));

    // Save As Scenario keeps the same results under a new name, which becomes current.
    ModalDialog save(QStringLiteral("frmSaveScenario"), [&](QWidget& d) {
      auto* name = Control<QComboBox>(d, QStringLiteral("cboName"));
      name->lineEdit()->clear();
      QTest::keyClicks(name, kScenario);
      QTest::mouseClick(Control<QPushButton>(d, QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    main.findChild<QAction*>(QStringLiteral("SaveScenario"))->trigger();
    QVERIFY(save.Seen());
    app_testing::ProcessDeletions();
    QCOMPARE(ToQ(gobjKelvane->ResultsSet()), kScenario);
    QVERIFY(!MarkShown(main));

    QString final_home;
    for (const json& game : Facts()["games"])
      if (game["no"].get<int>() == 64) final_home = Name(game["home"]);
    QVERIFY(!final_home.isEmpty());

    // The finished tournament, then back to the default set and to the scenario: each shows its own.
    OpenScenario(main, QStringLiteral("Tournament 2022"));
    QCOMPARE(ToQ(gobjKelvane->ResultsSet()), QStringLiteral("Tournament 2022"));
    ShowGroupA(main);
    QCOMPARE(ShownTable(main), FactsTable());
    main.MainTab->setCurrentIndex(kBracketTab);
    QCOMPARE(BracketName(main, "Home", 15), final_home);

    main.findChild<QAction*>(QStringLiteral("OpenResults"))->trigger();
    QCOMPARE(ToQ(gobjKelvane->ResultsSet()), QStringLiteral("Results"));
    ShowGroupA(main);
    QCOMPARE(ShownTable(main), FactsTable());
    main.MainTab->setCurrentIndex(kBracketTab);
    QCOMPARE(BracketName(main, "Home", 0), winner);
    QVERIFY(BracketName(main, "Home", 15) != final_home);
    main.MainTab->setCurrentIndex(app_testing::kStatsTab);
    app_testing::Choose(main, QStringLiteral("Top Scorers"));
    QCOMPARE(ShownScorers(main), FactsScorers());

    OpenScenario(main, kScenario);
    ShowGroupA(main);
    QCOMPARE(ShownTable(main), FactsTable());
    QVERIFY(none.Seen().isEmpty());
    QCOMPARE(folder.Read(QStringLiteral("Results/Tournament 2022.xml")), tournament);
    QCOMPARE(folder.Read(QStringLiteral("Results/") + kScenario + QStringLiteral(".xml")), saved);

    // A new start on the same folder opens the default set with the same table and bracket.
    app_testing::ResetProgram();
    frmMain& again = StartToMainWindow(folder);
    QCOMPARE(ToQ(gobjKelvane->ResultsSet()), QStringLiteral("Results"));
    ShowGroupA(again);
    QCOMPARE(ShownTable(again), FactsTable());
    again.MainTab->setCurrentIndex(kBracketTab);
    QCOMPARE(BracketName(again, "Home", 0), winner);
    QCOMPARE(BracketName(again, "Away", 2), runner_up);
    again.MainTab->setCurrentIndex(app_testing::kStatsTab);
    app_testing::Choose(again, QStringLiteral("Top Scorers"));
    QCOMPARE(ShownScorers(again), FactsScorers());
    again.MainTab->setCurrentIndex(kAnalysisTab);
    ChooseChart(again, kBothTeams);
    QCOMPARE(ChartRows(again), FactsGoalsPerGame());
    QVERIFY(!MarkShown(again));
  }
};

QTEST_MAIN(TournamentRoadTest)
#include "tournament_road_test.moc"

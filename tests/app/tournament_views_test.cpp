// The schedule, groups, team panel and bracket of the main window against the shipped 2022
// tournament, finished and at its start.
#include <memory>

#include <QApplication>
#include <QSystemTrayIcon>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QTreeWidget>

#include "app/kit/program.h"
#include "app/kit/report_list.h"
#include "app/shell/frm_main.h"
#include "app/shell/view_colours.h"
#include "tests/app/support/controls.h"
#include "tests/app/support/local_zone.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/opened_urls.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::Control;
using app_testing::OpenedUrls;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;

namespace {

constexpr int kGroupE = 3;  // tab 3 is group "E"
constexpr int kGroupC = 5;

struct Bracket {
  const char* home;
  const char* away;
  const char* home_score;
  const char* away_score;
  const char* home_pens;
  const char* away_pens;
};
// Index 0..15 is game 49..64.
constexpr Bracket kBracket2022[] = {
    {"Netherlands", "USA", "3", "1", "", ""},        {"Argentina", "Australia", "2", "1", "", ""},
    {"England", "Senegal", "3", "0", "", ""},        {"France", "Poland", "3", "1", "", ""},
    {"Japan", "Croatia", "1", "1", "1", "3"},        {"Brazil", "South Korea", "4", "1", "", ""},
    {"Morocco", "Spain", "0", "0", "3", "0"},        {"Portugal", "Switzerland", "6", "1", "", ""},
    {"Netherlands", "Argentina", "2", "2", "3", "4"}, {"Croatia", "Brazil", "1", "1", "4", "2"},
    {"England", "France", "1", "2", "", ""},         {"Morocco", "Portugal", "1", "0", "", ""},
    {"Argentina", "Croatia", "3", "0", "", ""},      {"France", "Morocco", "2", "0", "", ""},
    {"Croatia", "Morocco", "2", "1", "", ""},        {"Argentina", "France", "3", "3", "4", "2"},
};

QTreeWidget* List(const frmMain& window, const char* name) {
  auto* list = window.findChild<QTreeWidget*>(name);
  if (!list) qFatal("no list %s", name);
  return list;
}

QString KOText(const frmMain& window, const char* name, int index) {
  return Control(window, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index))->text();
}

QTreeWidgetItem* ScheduleRow(const frmMain& window, const QString& game_id) {
  const QTreeWidget* list = window.ScheduleList;
  for (int r = 0; r < list->topLevelItemCount(); ++r)
    if (list->topLevelItem(r)->text(9) == game_id) return list->topLevelItem(r);
  qFatal("no schedule row %s", qPrintable(game_id));
}

void DoubleClick(QTreeWidget* list, QTreeWidgetItem* row) {
  list->scrollToItem(row);
  const QPoint at = list->visualItemRect(row).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

void Click(QTreeWidget* list, QTreeWidgetItem* row) {
  list->scrollToItem(row);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row).center());
}

QTreeWidgetItem* RowNamed(QTreeWidget* list, int column, const QString& text) {
  for (int r = 0; r < list->topLevelItemCount(); ++r)
    if (list->topLevelItem(r)->text(column) == text) return list->topLevelItem(r);
  qFatal("no row %s", qPrintable(text));
}

frmMain& OpenTournament2022(const ProgramFolder& folder) {
  frmMain& window = StartToMainWindow(folder);
  window.OpenResultsSet("Tournament 2022");
  return window;
}

void Save(QWidget& widget, const QString& name) {
  QDir().mkpath(QStringLiteral(PITCHLOG_SCREENSHOT_DIR));
  QVERIFY(widget.grab().save(QStringLiteral(PITCHLOG_SCREENSHOT_DIR) + "/" + name + ".png"));
}


}  // namespace

class TournamentViewsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    app_testing::UseTemporaryRegistry();
  }
  void cleanup() { app_testing::ResetProgram(); }

  void scheduleListsEveryGameWithStageHeadings() {
    ProgramFolder folder;
    frmMain& window = OpenTournament2022(folder);
    const QTreeWidget* list = window.ScheduleList;
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Game Time"));
    QVERIFY(list->isColumnHidden(9));
    int games = 0;
    QStringList headings;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
      const QTreeWidgetItem* row = list->topLevelItem(r);
      if (!row->text(9).isEmpty()) {
        ++games;
        QVERIFY2(!row->icon(0).isNull(), qPrintable(row->text(9)));  // every game has its result
        QCOMPARE(row->text(5), QStringLiteral("v"));
        continue;
      }
      if (row->text(0).isEmpty()) continue;  // a spacer
      headings << row->text(0);
      QVERIFY(row->font(0).bold());
      QVERIFY(list->topLevelItem(r - 1)->text(0).isEmpty());
    }
    QCOMPARE(games, 64);
    QCOMPARE(headings, QStringList({"Round of 16", "Quarterfinals", "Semifinals", "Third Place", "Final"}));
    QCOMPARE(list->topLevelItemCount(), 64 + 2 * 5);

    const QTreeWidgetItem* opener = list->topLevelItem(0);
    const QStringList opener_cells = {"Sun November 20 5:00 pm", "1", "Al Khor", "Qatar", "0", "v", "2", "Ecuador", "A", "A1"};
    for (int c = 0; c < opener_cells.size(); ++c) QCOMPARE(opener->text(c), opener_cells[c]);

    const QTreeWidgetItem* final = ScheduleRow(window, "Z1");
    QCOMPARE(final->text(0), QStringLiteral("Sun December 18 4:00 pm"));
    QCOMPARE(final->text(1), QStringLiteral("64"));
    QCOMPARE(final->text(3), QStringLiteral("Argentina"));
    QCOMPARE(final->text(4), QStringLiteral("3 (4)"));
    QCOMPARE(final->text(6), QStringLiteral("(2) 3"));
    QCOMPARE(final->text(7), QStringLiteral("France"));
    QCOMPARE(final->text(8), QString());
    // Croatia v Brazil: 0-0, one goal each in extra time, so no "*".
    QCOMPARE(ScheduleRow(window, "W2")->text(4), QStringLiteral("1 (4)"));
    QCOMPARE(ScheduleRow(window, "W2")->text(6), QStringLiteral("(2) 1"));
  }

  // The lists are redrawn after every change: each redraw shows the one football, not a new
  // picture that would pile up in memory.
  void redrawsShowTheOneFootball() {
    ProgramFolder folder;
    frmMain& window = OpenTournament2022(folder);
    window.MainTab->setCurrentIndex(1);
    QTreeWidget* games = List(window, "GroupSchedule");
    const qint64 ball = window.ScheduleList->topLevelItem(0)->icon(0).cacheKey();
    QCOMPARE(games->topLevelItem(0)->icon(0).cacheKey(), ball);
    for (int redraw = 0; redraw < 3; ++redraw) {
      window.SetScheduleList();
      window.LoadGroup(static_cast<int16_t>(window.GroupTab->currentIndex()));
    }
    QCOMPARE(window.ScheduleList->topLevelItem(0)->icon(0).cacheKey(), ball);
    QCOMPARE(window.ScheduleList->topLevelItem(1)->icon(0).cacheKey(), ball);
    QCOMPARE(games->topLevelItem(0)->icon(0).cacheKey(), ball);
  }

  void timeDifferenceMovesTheKickOffs_data() {
    QTest::addColumn<QString>("difference");
    QTest::addColumn<QString>("opener");
    QTest::newRow("none") << "" << "Sun November 20 5:00 pm";
    QTest::newRow("two hours on") << "2" << "Sun November 20 7:00 pm";
    QTest::newRow("half hours back") << "-1.5" << "Sun November 20 3:30 pm";
    QTest::newRow("into the next day") << "8" << "Mon November 21 1:00 am";
  }
  void timeDifferenceMovesTheKickOffs() {
    QFETCH(QString, difference);
    QFETCH(QString, opener);
    ProgramFolder folder;
    frmMain& window = StartToMainWindow(folder);
    window.objKelvane->SetProperties("timedifference", difference.toStdString());
    window.SetScheduleList();
    QCOMPARE(window.ScheduleList->topLevelItem(0)->text(0), opener);
  }

  void gamesOfTheUsersTeamsTakeTheirColours() {
    ProgramFolder folder;
    frmMain& window = OpenTournament2022(folder);
    window.objKelvane->SetProperties("myteam", std::string("ARG"));
    window.objKelvane->SetProperties("myotherteam", std::string("FRA"));
    window.SetScheduleList();
    const auto colour = [&](const char* game) { return ScheduleRow(window, game)->foreground(7).color(); };
    // Every game is past: ghosts for the user's teams, grey for the rest.
    QCOMPARE(colour("Z1"), QColor(0xFF, 0x7F, 0x7F));   // both teams: the my-team ghost
    QCOMPARE(colour("D1"), QColor(0x7F, 0x7F, 0xFF));  // France, the other team's ghost
    QCOMPARE(colour("A1"), QApplication::palette().color(QPalette::Disabled, QPalette::WindowText));
    QCOMPARE(ScheduleRow(window, "Z1")->foreground(0).color(), colour("Z1"));

    window.LoadKO();
    QCOMPARE(Control(window, "lblKOHomeTeam_15")->palette().color(QPalette::WindowText), QColor(0xFF, 0, 0));
    QCOMPARE(Control(window, "lblKOAwayScore_15")->palette().color(QPalette::WindowText), QColor(0, 0, 0xFF));
    QCOMPARE(Control(window, "lblKOHomeScore_0")->palette().color(QPalette::WindowText), QColor(Qt::black));
  }

  // The stored ranking scores are read whichever decimal separator the locale that saved the
  // file used.
  void groupETableStandsBestFirst_data() {
    QTest::addColumn<QString>("separator");
    QTest::newRow("point") << ".";
    QTest::newRow("comma") << ",";
  }
  void groupETableStandsBestFirst() {
    QFETCH(QString, separator);
    ProgramFolder folder;
    QString results = QString::fromUtf8(folder.Read("Results/Tournament 2022.xml"));
    results.replace(QRegularExpression(QStringLiteral(R"(<rank>(\d+)\.(\d+)</rank>)")),
                    QStringLiteral("<rank>\\1%1\\2</rank>").arg(separator));
    folder.Write("Results/Tournament 2022.xml", results.toUtf8());
    frmMain& window = OpenTournament2022(folder);
    window.MainTab->setCurrentIndex(1);
    window.GroupTab->setCurrentIndex(kGroupE);
    QTreeWidget* table = List(window, "GroupTable");
    const QStringList expected[] = {
        {"1", "Japan", "3", "2", "0", "1", "4", "3", "+1", "6"},
        {"2", "Spain", "3", "1", "1", "1", "9", "3", "+6", "4"},
        {"3", "Germany", "3", "1", "1", "1", "6", "5", "+1", "4"},
        {"4", "Costa Rica", "3", "1", "0", "2", "3", "11", "-8", "3"},
    };
    QCOMPARE(table->topLevelItemCount(), 4);
    for (int r = 0; r < 4; ++r)
      for (int c = 0; c < expected[r].size(); ++c) QCOMPARE(table->topLevelItem(r)->text(c), expected[r][c]);
    QVERIFY(table->isColumnHidden(10));
    QVERIFY(table->isColumnHidden(11));
    QVERIFY(table->topLevelItem(0)->text(11).contains(separator));

    QTreeWidget* games = List(window, "GroupSchedule");
    QCOMPARE(games->topLevelItemCount(), 6);
    const QTreeWidgetItem* upset = RowNamed(games, 8, "E2");
    QCOMPARE(upset->text(3), QStringLiteral("Germany"));
    QCOMPARE(upset->text(4), QStringLiteral("1"));
    QCOMPARE(upset->text(6), QStringLiteral("2"));
    QCOMPARE(upset->text(7), QStringLiteral("Japan"));
  }

  void choosingAGroupGameShowsItsFactsAndScorers() {
    ProgramFolder folder;
    frmMain& window = OpenTournament2022(folder);
    window.MainTab->setCurrentIndex(0);
    DoubleClick(window.ScheduleList, ScheduleRow(window, "E2"));
    QCOMPARE(window.GroupTab->currentIndex(), kGroupE);
    QCOMPARE(window.MainTab->currentIndex(), 1);
    QCOMPARE(window.GameID, std::string("E2"));
    QVERIFY(window.GameFacts->isVisible());
    QVERIFY(!window.TeamFrame->isVisible());
    QCOMPARE(window.GameFacts->title(), QStringLiteral("Game 11: Germany v Japan"));
    QCOMPARE(Control(window, "lblGFAGameTime")->text(), QStringLiteral("Wednesday November 23 2:00 pm"));
    QCOMPARE(Control(window, "lblGFAStadium")->text(), QStringLiteral("Khalifa International Stadium"));
    QCOMPARE(Control(window, "lblGFALocation")->text(), QStringLiteral("Al Rayyan"));
    // No address in the shipped stadia: no button for it.
    QVERIFY(!Control<QPushButton>(window, "cmdStadiumWebSite")->isVisible());
    QVERIFY(!Control<QPushButton>(window, "cmdGFEnterScore")->isVisible());
    QVERIFY(window.ScoreFrame->isVisible());
    QCOMPARE(Control(window, "lblHomeTeam")->text(), QStringLiteral("Germany"));
    QCOMPARE(Control(window, "lblHomeScore")->text(), QStringLiteral("1"));
    QCOMPARE(Control(window, "lblAwayScore")->text(), QStringLiteral("2"));
    auto* home_goals = Control<QPlainTextEdit>(window, "txtHomeGoals");
    QVERIFY(home_goals->isVisible());
    QVERIFY(!Control<QPlainTextEdit>(window, "txtHomeGoalsSCR")->isVisible());
    QCOMPARE(home_goals->toPlainText().count('\n'), 0);
    QVERIFY(home_goals->toPlainText().contains("(pen)"));
    QCOMPARE(Control<QPlainTextEdit>(window, "txtAwayGoals")->toPlainText().count('\n'), 1);

    // A header click puts the panels away.
    QTreeWidget* table = List(window, "GroupTable");
    QTest::mouseClick(table->header()->viewport(), Qt::LeftButton, {},
                      QPoint(table->header()->sectionViewportPosition(1) + 5, table->header()->height() / 2));
    QVERIFY(!window.GameFacts->isVisible());
    QVERIFY(!window.ScoreFrame->isVisible());

    // A click in the group's game list shows that game.
    QTreeWidget* games = List(window, "GroupSchedule");
    Click(games, RowNamed(games, 8, "E1"));
    QCOMPARE(window.GameID, std::string("E1"));
    QVERIFY(window.GameFacts->isVisible());
  }

  // Group A of the finished set, altered: Netherlands and Senegal level on first place.
  void lotsMarksAndDeductions_data() {
    QTest::addColumn<QByteArray>("senegal_row");
    QTest::addColumn<QString>("netherlands_lot");
    QTest::addColumn<QString>("senegal_lot");
    QTest::addColumn<bool>("lot_shown");
    QTest::addColumn<QString>("senegal_points");
    QTest::newRow("level, no lots: marked") << QByteArray("<groupteam teamid=\"SEN\">") << "?" << "?" << true << "6";
    QTest::newRow("lots drawn: shown, no marks")
        << QByteArray("<groupteam teamid=\"SEN\"><lots>2</lots>") << "" << "2" << true << "6";
    QTest::newRow("a deduction") << QByteArray("<groupteam teamid=\"SEN\" deduction=\"1\">") << "?" << "?" << true
                                 << "5*";
  }
  void lotsMarksAndDeductions() {
    QFETCH(QByteArray, senegal_row);
    QFETCH(QString, netherlands_lot);
    QFETCH(QString, senegal_lot);
    QFETCH(bool, lot_shown);
    QFETCH(QString, senegal_points);
    ProgramFolder folder;
    QByteArray results = folder.Read("Results/Tournament 2022.xml");
    QVERIFY(results.contains("<rank>2060000000.0105</rank>\n        <pos>2</pos>"));
    results.replace("<rank>2060000000.0105</rank>\n        <pos>2</pos>", "<rank>2060000000.0105</rank>\n        <pos>1=</pos>");
    results.replace("<rank>2070000000.0405</rank>\n        <pos>1</pos>", "<rank>2070000000.0405</rank>\n        <pos>1=</pos>");
    results.replace("<groupteam teamid=\"SEN\">", senegal_row);
    folder.Write("Results/Tournament 2022.xml", results);
    frmMain& window = OpenTournament2022(folder);
    window.MainTab->setCurrentIndex(1);
    window.GroupTab->setCurrentIndex(7);
    QTreeWidget* table = List(window, "GroupTable");
    const QTreeWidgetItem* netherlands = RowNamed(table, 1, "Netherlands");
    const QTreeWidgetItem* senegal = RowNamed(table, 1, "Senegal");
    QCOMPARE(netherlands->text(10), netherlands_lot);
    QCOMPARE(senegal->text(10), senegal_lot);
    QCOMPARE(senegal->text(9), senegal_points);
    QCOMPARE(RowNamed(table, 1, "Ecuador")->text(10), QString());
    QCOMPARE(!table->isColumnHidden(10), lot_shown);
    QVERIFY(table->columnWidth(10) >= 700 / 15);
  }

  void scorersWithoutANameAndLongScorerLists() {
    ProgramFolder folder;
    QByteArray results = folder.Read("Results/Tournament 2022.xml");
    results.replace("<playername>Ilkay GUENDOGAN</playername>", "");
    folder.Write("Results/Tournament 2022.xml", results);
    frmMain& window = OpenTournament2022(folder);
    window.ShowGameFacts("E2");
    QVERIFY(!window.ScoreFrame->isHidden());
    QCOMPARE(Control(window, "lblHomeScore")->text(), QStringLiteral("1"));
    QVERIFY(Control<QPlainTextEdit>(window, "txtHomeGoals")->isHidden());
    QVERIFY(Control<QPlainTextEdit>(window, "txtHomeGoalsSCR")->isHidden());
    // Spain 7 Costa Rica 0: seven scorer lines take the box with the scroll bar.
    window.ShowGameFacts("E1");
    auto* long_list = Control<QPlainTextEdit>(window, "txtHomeGoalsSCR");
    QVERIFY(!long_list->isHidden());
    QVERIFY(Control<QPlainTextEdit>(window, "txtHomeGoals")->isHidden());
    QCOMPARE(long_list->toPlainText().split('\n').size(), 7);
    QVERIFY(Control<QPlainTextEdit>(window, "txtAwayGoals")->isHidden());
    QVERIFY(Control<QPlainTextEdit>(window, "txtAwayGoalsSCR")->isHidden());
  }

  void choosingAKnockoutGameOrAHeading() {
    ProgramFolder folder;
    frmMain& window = OpenTournament2022(folder);
    // A knock-out game opens its facts dialog, here closed with Esc.
    QStringList opened;
    auto facts = [&] {
      return std::make_unique<app_testing::ModalDialog>(QStringLiteral("frmKOGameFacts"), [&](QWidget& d) {
        opened << d.windowTitle();
        QTest::keyClick(&d, Qt::Key_Escape);
      });
    };
    window.MainTab->setCurrentIndex(0);
    auto first = facts();
    DoubleClick(window.ScheduleList, ScheduleRow(window, "V1"));
    QCOMPARE(window.MainTab->currentIndex(), 2);
    QCOMPARE(window.KOIndex, int16_t(0));
    window.MainTab->setCurrentIndex(0);
    auto second = facts();
    DoubleClick(window.ScheduleList, ScheduleRow(window, "Z1"));
    QCOMPARE(window.KOIndex, int16_t(15));
    QCOMPARE(opened, (QStringList{QStringLiteral("Game 49: Round of 16"), QStringLiteral("Game 64: The Final")}));
    QCOMPARE(window.KOGameID(window.KOIndex).ToString(), std::string("Z1"));
    window.MainTab->setCurrentIndex(0);
    DoubleClick(window.ScheduleList, RowNamed(window.ScheduleList, 0, "Final"));
    QCOMPARE(window.MainTab->currentIndex(), 0);
  }

  // Where the clocks go forward at 17:00 on November 27, when Croatia v Canada kicks off in the
  // stored times, the program still starts with every view drawn and shows that kick-off.
  void kickOffInAnHourTheClocksSkip() {
    const app_testing::LocalZone zone("XST0XDT,M11.4.0/17,M12.5.0/3");
    ProgramFolder folder;
    folder.Write("Results/Results.xml", folder.Read("Results/Tournament 2022.xml"));
    QByteArray properties = folder.Read("Data/properties.xml");
    properties.replace("<timedifference></timedifference>", "<timedifference>0</timedifference>");
    folder.Write("Data/properties.xml", properties);
    const app_testing::MessageBoxes boxes({QMessageBox::Ok});  // an error would show here
    frmMain& window = StartToMainWindow(folder);
    QCOMPARE(boxes.Text(), QString());
    int games = 0;
    for (int r = 0; r < window.ScheduleList->topLevelItemCount(); ++r)
      if (!window.ScheduleList->topLevelItem(r)->text(9).isEmpty()) ++games;
    QCOMPARE(games, 64);
    QCOMPARE(ScheduleRow(window, "F4")->text(0), QStringLiteral("Sun November 27 5:00 pm"));
    for (int i = 0; i < 16; ++i) QCOMPARE(KOText(window, "lblKOHomeTeam", i), QString::fromLatin1(kBracket2022[i].home));
    QVERIFY(window.findChild<QSystemTrayIcon*>()->isVisible());
    window.MainTab->setCurrentIndex(1);
    window.GroupTab->setCurrentIndex(2);  // group "F"
    QCOMPARE(RowNamed(List(window, "GroupSchedule"), 8, "F4")->text(0), QStringLiteral("Sun November 27 5:00 pm"));
  }

  void bracketShowsEveryPairingAndWinner() {
    ProgramFolder folder;
    frmMain& window = OpenTournament2022(folder);
    window.MainTab->setCurrentIndex(2);
    for (int i = 0; i < 16; ++i) {
      const Bracket& game = kBracket2022[i];
      QCOMPARE(Control<QPushButton>(window, QStringLiteral("cmdKOGameNo_%1").arg(i))->text(), QString::number(49 + i));
      QCOMPARE(KOText(window, "lblKOHomeTeam", i), QString::fromLatin1(game.home));
      QCOMPARE(KOText(window, "lblKOAwayTeam", i), QString::fromLatin1(game.away));
      QCOMPARE(KOText(window, "lblKOHomeScore", i), QString::fromLatin1(game.home_score));
      QCOMPARE(KOText(window, "lblKOAwayScore", i), QString::fromLatin1(game.away_score));
      QCOMPARE(KOText(window, "lblKOHomePenalties", i), QString::fromLatin1(game.home_pens));
      QCOMPARE(KOText(window, "lblKOAwayPenalties", i), QString::fromLatin1(game.away_pens));
      QVERIFY(Control(window, QStringLiteral("lblKOHomeTeam_%1").arg(i))->isVisible());
    }
    QVERIFY(Control(window, "lblKOHomeTeam_15")->font().bold());
    QVERIFY(!Control(window, "lblKOHomeTeam_0")->font().bold());
    // The final stands to the right of both semi-finals.
    QVERIFY(Control<QFrame>(window, "KOGame_15")->x() > Control<QFrame>(window, "KOGame_12")->x());
  }

  void teamPanelListsTheSquad() {
    ProgramFolder folder;
    frmMain& window = OpenTournament2022(folder);
    window.MainTab->setCurrentIndex(1);
    window.GroupTab->setCurrentIndex(kGroupC);
    QTreeWidget* table = List(window, "GroupTable");
    Click(table, RowNamed(table, 1, "Argentina"));
    QVERIFY(window.TeamFrame->isVisible());
    QVERIFY(!window.GameFacts->isVisible());
    QCOMPARE(window.TeamFrame->title(), QStringLiteral("Argentina"));
    QCOMPARE(Control(window, "lblTeamCoachName")->text(), QStringLiteral("Lionel SCALONI (ARG)"));
    QVERIFY(!Control<QPushButton>(window, "cmdTeamWebSite")->isVisible());
    QVERIFY(!Control<QPlainTextEdit>(window, "txtTeamNarrative")->isVisible());
    QTreeWidget* squad = List(window, "lvwTeamPlayers");
    QVERIFY(squad->isVisible());
    QCOMPARE(squad->topLevelItemCount(), 26);
    QCOMPARE(squad->topLevelItem(0)->text(0), QStringLiteral("ARG01"));
    QCOMPARE(squad->topLevelItem(0)->text(1), QStringLiteral("1"));
    QCOMPARE(squad->topLevelItem(0)->text(2), QStringLiteral("Franco ARMANI"));
    QCOMPARE(squad->currentItem(), squad->topLevelItem(0));
    QVERIFY(RowNamed(squad, 2, "Lionel MESSI"));
    QVERIFY(Control(window, "lblPlayerFullName")->text().isEmpty());

    Click(squad, RowNamed(squad, 2, "Lionel MESSI"));
    QCOMPARE(Control(window, "lblPlayerFullName")->text(), QStringLiteral("Click bold names for details"));
    QVERIFY(!Control<QPlainTextEdit>(window, "txtPlayerNarrative")->isVisible());
  }

  void teamDetailsAndOnlyWebAddressesOpen() {
    ProgramFolder folder;
    QByteArray teams = folder.Read("Data/teams.xml");
    teams.replace("<name>Argentina</name>", "<name>Argentina</name><link>https://example.org/arg</link>"
                                            "<narrative>Three stars.</narrative>");
    teams.replace("<name>France</name>", "<name>France</name><link>file:///etc/passwd</link>");
    folder.Write("Data/teams.xml", teams);
    QByteArray players = folder.Read("Data/players.xml");
    players.replace("<playername>Lionel MESSI</playername>",
                    "<playername>Lionel MESSI</playername><fullname>Lionel Andres MESSI</fullname>"
                    "<narrative>Captain.</narrative>");
    players.replace("<team teamid=\"KOR\">", "<team teamid=\"KOR\"></team><team teamid=\"KOR-spare\">");
    folder.Write("Data/players.xml", players);
    OpenedUrls opened;
    frmMain& window = OpenTournament2022(folder);
    window.MainTab->setCurrentIndex(1);
    window.GroupTab->setCurrentIndex(kGroupC);
    QTreeWidget* table = List(window, "GroupTable");
    Click(table, RowNamed(table, 1, "Argentina"));
    auto* site = Control<QPushButton>(window, "cmdTeamWebSite");
    QVERIFY(site->isVisible());
    QCOMPARE(Control<QPlainTextEdit>(window, "txtTeamNarrative")->toPlainText(), QStringLiteral("Three stars."));
    QTest::mouseClick(site, Qt::LeftButton);
    QCOMPARE(opened.urls, QList<QUrl>{QUrl("https://example.org/arg")});

    QTreeWidget* squad = List(window, "lvwTeamPlayers");
    QTreeWidgetItem* captain = RowNamed(squad, 2, "Lionel MESSI");
    QVERIFY(captain->font(2).bold());
    QVERIFY(!squad->topLevelItem(0)->font(2).bold());
    Click(squad, captain);
    QCOMPARE(Control(window, "lblPlayerFullName")->text(), QStringLiteral("Lionel Andres MESSI"));
    QVERIFY(Control<QPlainTextEdit>(window, "txtPlayerNarrative")->isVisible());

    // A downloaded address that is no web address gets no button, and a click opens nothing.
    window.GroupTab->setCurrentIndex(4);  // group "D"
    Click(table, RowNamed(table, 1, "France"));
    QVERIFY(!site->isVisible());
    QCOMPARE(Control(window, "lblTeamWebSite")->text(), QStringLiteral("file:///etc/passwd"));
    site->click();
    QCOMPARE(opened.urls.size(), 1);

    // A team in the players file without players has no squad rows.
    window.GroupTab->setCurrentIndex(0);  // group "H"
    Click(table, RowNamed(table, 1, "South Korea"));
    QVERIFY(squad->isVisible());
    QCOMPARE(squad->topLevelItemCount(), 0);
  }

  void startOfTournamentShowsPlaceholders() {
    ProgramFolder folder;
    frmMain& window = StartToMainWindow(folder);
    for (int i = 0; i < 16; ++i) {
      for (const char* side : {"lblKOHomeTeam", "lblKOAwayTeam"}) {
        QLabel* name = Control(window, QStringLiteral("%1_%2").arg(QLatin1String(side)).arg(i));
        QVERIFY2(QRegularExpression("^(Winner|Runner-up|Loser) (Group [A-H]|Match \\d\\d)$").match(name->text()).hasMatch(),
                 qPrintable(name->text()));
        // Paler than a team's name, yet readable, and clear of the game's number button.
        const QColor text = name->palette().color(QPalette::WindowText);
        const QColor background = name->palette().color(QPalette::Window);
        QVERIFY2(Contrast(text, background) >= 4.5, qPrintable(QString::number(Contrast(text, background))));
        QVERIFY(text != QApplication::palette().color(QPalette::Active, QPalette::WindowText));
        const QWidget* number = Control<QPushButton>(window, QStringLiteral("cmdKOGameNo_%1").arg(i));
        QVERIFY(name->geometry().left() >= number->geometry().right() + 4);
      }
      QVERIFY(KOText(window, "lblKOHomeScore", i).isEmpty());
      QVERIFY(KOText(window, "lblKOAwayPenalties", i).isEmpty());
    }
    QCOMPARE(KOText(window, "lblKOHomeTeam", 0), QStringLiteral("Winner Group A"));
    QCOMPARE(KOText(window, "lblKOAwayTeam", 0), QStringLiteral("Runner-up Group B"));
    QCOMPARE(KOText(window, "lblKOHomeTeam", 14), QStringLiteral("Loser Match 61"));
    QCOMPARE(KOText(window, "lblKOHomeTeam", 15), QStringLiteral("Winner Match 61"));

    const QTreeWidgetItem* final = ScheduleRow(window, "Z1");
    QCOMPARE(final->text(3), QStringLiteral("Winner Match 61"));
    QCOMPARE(final->text(7), QStringLiteral("Winner Match 62"));
    QVERIFY(final->text(4).isEmpty());
    QVERIFY(final->icon(0).isNull());
    QCOMPARE(ScheduleRow(window, "V1")->text(3), QStringLiteral("Winner Group A"));
    const QTreeWidgetItem* opener = ScheduleRow(window, "A1");
    QVERIFY(opener->text(4).isEmpty());
    QCOMPARE(opener->text(5), QStringLiteral("v"));

    // Nothing played: the group is level and incomplete, so the lots marks stay out of sight.
    window.MainTab->setCurrentIndex(1);
    QTreeWidget* table = List(window, "GroupTable");
    QCOMPARE(table->topLevelItemCount(), 4);
    QCOMPARE(table->topLevelItem(0)->text(1), QStringLiteral("Qatar"));
    for (int r = 0; r < 4; ++r) QCOMPARE(table->topLevelItem(r)->text(2), QStringLiteral("0"));
    QVERIFY(table->isColumnHidden(10));
    // The shipped start holds the tables as the engine ranks them: every team shares first place.
    for (int group = 0; group < 8; ++group) {
      window.GroupTab->setCurrentIndex(group);
      for (int r = 0; r < 4; ++r) QCOMPARE(table->topLevelItem(r)->text(0), QStringLiteral("1="));
    }
  }

  // At the main window's default size every list of the Schedule, Groups and Stats views fits
  // its columns without a horizontal scroll bar, on every group and every stats table of 2022.
  void listsFitWithoutScrolling() {
    ProgramFolder folder;
    frmMain& window = OpenTournament2022(folder);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The test screen is smaller than the window's designed size, which it opens at where it fits.
    window.resize(1000, 720);
    QStringList scrolling;
    const auto check = [&](QTreeWidget* list, const QString& where) {
      QApplication::processEvents();
      if (list->isVisible() && list->horizontalScrollBar()->maximum() > 0)
        scrolling << QStringLiteral("%1 (%2 px over)").arg(where).arg(list->horizontalScrollBar()->maximum());
    };
    window.MainTab->setCurrentIndex(0);
    check(window.ScheduleList, "schedule");
    window.MainTab->setCurrentIndex(1);
    for (int group = 0; group < 8; ++group) {
      window.GroupTab->setCurrentIndex(group);
      check(List(window, "GroupSchedule"), "group games " + window.GroupTab->tabText(group));
      check(List(window, "GroupTable"), "group table " + window.GroupTab->tabText(group));
    }
    // Every scorer line of a group game stands on one line of its box.
    QStringList wrapped;
    for (int group = 0; group < 8; ++group) {
      window.GroupTab->setCurrentIndex(group);
      QTreeWidget* games = List(window, "GroupSchedule");
      for (int r = 0; r < games->topLevelItemCount(); ++r) {
        Click(games, games->topLevelItem(r));
        QApplication::processEvents();
        for (const char* name : {"txtHomeGoals", "txtHomeGoalsSCR", "txtAwayGoals", "txtAwayGoalsSCR"}) {
          auto* box = window.findChild<QPlainTextEdit*>(name);
          if (!box->isVisible()) continue;
          const int room = box->viewport()->width() - 2 * int(box->document()->documentMargin());
          for (const QString& text : box->toPlainText().split('\n'))
            if (box->fontMetrics().horizontalAdvance(text) > room) wrapped << text;
        }
      }
    }
    QVERIFY2(wrapped.isEmpty(), qPrintable(wrapped.join(", ")));
    window.MainTab->setCurrentIndex(3);
    auto* tables = window.findChild<QComboBox*>("cboStatsTables");
    for (int t = 0; t < tables->count(); ++t) {
      if (tables->itemText(t).isEmpty()) continue;
      tables->setCurrentIndex(t);
      check(List(window, "lvwStats"), "stats " + tables->itemText(t));
    }
    QVERIFY2(scrolling.isEmpty(), qPrintable(scrolling.join(", ")));
  }

  // At the window's least width the Schedule's roomy columns give up their spare room before the
  // list scrolls sideways, and no caption or cell is cut; widened again, they take it back.
  void scheduleFitsTheLeastWidth() {
    ProgramFolder folder;
    frmMain& window = OpenTournament2022(folder);
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.MainTab->setCurrentIndex(0);
    QTreeWidget* list = window.ScheduleList;
    const auto cut = [&] {
      QStringList found;
      for (int c = 0; c < list->columnCount(); ++c)
        if (!list->isColumnHidden(c) && list->columnWidth(c) < ColumnNeeds(list, c))
          found << QStringLiteral("%1 %2 of %3 px").arg(list->headerItem()->text(c)).arg(list->columnWidth(c)).arg(ColumnNeeds(list, c));
      return found.join(", ");
    };
    window.resize(1000, window.height());
    QApplication::processEvents();
    const int roomy = list->columnWidth(2);
    window.resize(window.minimumSizeHint().width(), window.height());
    QApplication::processEvents();
    QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
    QVERIFY2(cut().isEmpty(), qPrintable(cut()));
    window.resize(1000, window.height());
    QApplication::processEvents();
    QCOMPARE(list->columnWidth(2), roomy);
  }

  void screenshots() {
    ProgramFolder folder;
    frmMain& window = OpenTournament2022(folder);
    window.MainTab->setCurrentIndex(0);
    Save(window, "views-schedule");
    window.ScheduleList->scrollToBottom();
    Save(window, "views-schedule-knockout");
    DoubleClick(window.ScheduleList, ScheduleRow(window, "E2"));
    Save(window, "views-groups-game");
    QTreeWidget* table = List(window, "GroupTable");
    window.GroupTab->setCurrentIndex(kGroupC);
    Click(table, RowNamed(table, 1, "Argentina"));
    Save(window, "views-groups-team");
    window.MainTab->setCurrentIndex(2);
    Save(window, "views-knockout");
    app_testing::ResetProgram();
    ProgramFolder start;
    frmMain& empty = StartToMainWindow(start);
    empty.MainTab->setCurrentIndex(2);
    Save(empty, "views-knockout-start");
  }
};

QTEST_MAIN(TournamentViewsTest)
#include "tournament_views_test.moc"

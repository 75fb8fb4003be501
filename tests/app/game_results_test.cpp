// Results mode with the real engine on a temporary copy of the shipped data: a two-player match
// played as the game selected in the schedule writes its score and goals into the results and
// redraws the main window; when the mode is off nothing is written; after every match the
// schedule moves on to the next game.
#include <QAction>
#include <QFile>
#include <QTest>
#include <QTreeWidget>

#include "app/game/frm_rallet.h"
#include "app/game/high_scores.h"
#include "app/game/match_rules.h"
#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/shell/schedule_view.h"
#include "tests/app/support/game_driver.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::GameDriver;
using app_testing::ProgramFolder;

namespace {

// The main window on a result set made as a copy of a shipped one.
frmMain& StartInSet(const ProgramFolder& folder, const QString& shipped, const QString& name) {
  if (!QFile::copy(folder.File("Results/" + shipped + ".xml"), folder.File("Results/" + name + ".xml")))
    qFatal("cannot copy the result set %s", qPrintable(shipped));
  frmMain& main = app_testing::StartToMainWindow(folder);
  main.OpenResultsSet(ToStd(name));
  return main;
}

int RowOf(const frmMain& main, const std::string& game) {
  for (int i = 0; i < main.ScheduleList->topLevelItemCount(); ++i)
    if (main.ScheduleList->topLevelItem(i)->text(schedule_column::GameID) == ToQ(game)) return i;
  return -1;
}

void SelectRow(frmMain& main, int index) {
  main.ScheduleList->clearSelection();
  if (QTreeWidgetItem* row = main.ScheduleList->topLevelItem(index)) {
    main.ScheduleList->setCurrentItem(row);
    row->setSelected(true);
  }
}

int SelectedRow(const frmMain& main) {
  const QList<QTreeWidgetItem*> rows = main.ScheduleList->selectedItems();
  return rows.isEmpty() ? -1 : main.ScheduleList->indexOfTopLevelItem(rows.front());
}

QString Stored(const std::string& game, const char* attb, const std::string& team = "") {
  return ToQ(gobjKelvane->Results(game, attb, team).ToString());
}

QStringList GoalMinutes(const std::string& game, const std::string& team) {
  QStringList minutes;
  for (int16_t k = 1; !gobjKelvane->Goal(game, team, k, "minutes").IsEmpty(); ++k)
    minutes << ToQ(gobjKelvane->Goal(game, team, k, "minutes").ToString());
  return minutes;
}

QStringList ScheduleScore(const frmMain& main, const std::string& game) {
  const QTreeWidgetItem* row = main.ScheduleList->topLevelItem(RowOf(main, game));
  return {row->text(schedule_column::H), row->text(schedule_column::A)};
}

std::string Home(const std::string& game) { return gobjKelvane->HomeTeam(kelvane::Variant(game)); }
std::string Away(const std::string& game) { return gobjKelvane->AwayTeam(kelvane::Variant(game)); }

// A two-player match as it is seen from the window, with what the engine held for `game` after
// each goal.
struct PlayedMatch {
  QString names;  // the score line's names and the game played
  QStringList home_minutes, away_minutes;
  QStringList stored_as_they_fell;
  int p1 = 0, p2 = 0, last_minute = 0;
  bool ended = false;  // the end screen was shown
  bool over = false;   // back in attract mode, where the game was left
  bool ran_away = false;
};

// Two coins and key 2; player 2's bat is held at the top and player 1's left alone, and the
// winner types ABC.
PlayedMatch PlayAMatch(const std::string& game) {
  PlayedMatch m;
  bool started = false;
  GameDriver driver([&](frmRallet& g, int) {
    if (!started) {
      if (g.numPlayers == 2) {
        started = true;
        m.names = g.strHomeName + " v " + g.strAwayName + " " + ToQ(g.MatchGameID());
        app_testing::Hold(g, Qt::Key_Up);
      } else {
        app_testing::Tap(g, g.credits < 2 ? Qt::Key_Q : Qt::Key_2);
      }
      return;
    }
    if (g.numPlayers == 2 && (g.p1Score != m.p1 || g.p2Score != m.p2)) {
      (g.p1Score != m.p1 ? m.home_minutes : m.away_minutes) << QString::number(g.intGameTimer);
      m.p1 = g.p1Score;
      m.p2 = g.p2Score;
      m.stored_as_they_fell << Stored(game, "f", Home(game)) + "-" + Stored(game, "f", Away(game));
    }
    if (g.numPlayers == 2 && g.intGameTimer > 0) m.last_minute = g.intGameTimer;
    m.ended = m.ended || (g.numPlayers == 2 && g.MessageLine(8) == QStringLiteral("Game Over"));
    if (g.EntryActive())
      app_testing::Tap(g, g.Initials().size() < 3 ? int(Qt::Key_A + g.Initials().size()) : int(Qt::Key_Return));
    m.over = m.over || g.numPlayers == 0;
    if (m.over) g.keyesc = 1;
  });
  driver.Play();
  m.ran_away = driver.RanAway();
  return m;
}

// What the results hold for a game: its score, result flag, winner and goal records.
QStringList Record(const std::string& game) {
  const std::string home = Home(game);
  const std::string away = Away(game);
  return {Stored(game, "f", home) + "-" + Stored(game, "f", away), Stored(game, "result"), Stored(game, "winner"),
          GoalMinutes(game, home).join(','), GoalMinutes(game, away).join(',')};
}

}  // namespace

class GameResultsTest : public QObject {
  Q_OBJECT

  std::optional<app_testing::TemporaryDataFolder> data_;

 private slots:
  void initTestCase() {
    app_testing::UseTemporaryRegistry();
    data_.emplace();
  }
  void cleanup() {
    Pace() = {};
    frmRallet::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  // Two coins, a two-player match in a "Kestrova" result set on the first game of the
  // schedule, with player 2's bat held at the top and player 1's left alone: every goal reaches
  // the engine with its minute as it falls, the group game ends at minute 91, and the winner's
  // initials go into the table.
  void aWholeMatchWritesEveryGoalOfAGroupGame() {
    app_testing::TemporaryDataFolder data;
    ProgramFolder folder;
    frmMain& main = StartInSet(folder, "Results", "Kestrova Cup");
    const std::string game = gobjKelvane->ScheduleGameID(kelvane::Variant(int32_t(0)));
    const std::string next = gobjKelvane->ScheduleGameID(kelvane::Variant(int32_t(1)));
    SelectRow(main, RowOf(main, game));
    QVERIFY(Stored(game, "f", Home(game)).isEmpty());

    const PlayedMatch m = PlayAMatch(game);
    QVERIFY(m.over);
    QVERIFY(!m.ran_away);

    const kelvane::Variant id(game);
    QCOMPARE(m.names, ToQ(gobjKelvane->HomeTeamName(id) + " v " + gobjKelvane->AwayTeamName(id) + " " + game));
    QVERIFY2(m.p1 + m.p2 > 0, "player 2's bat was held at the top");
    QCOMPARE(m.last_minute, 91);
    QCOMPARE(m.stored_as_they_fell.size(), m.p1 + m.p2);
    QCOMPARE(m.stored_as_they_fell.last(), QStringLiteral("%1-%2").arg(m.p1).arg(m.p2));
    QCOMPARE(Stored(game, "f", Home(game)), QString::number(m.p1));
    QCOMPARE(Stored(game, "a", Home(game)), QString::number(m.p2));
    QCOMPARE(GoalMinutes(game, Home(game)), m.home_minutes);
    QCOMPARE(GoalMinutes(game, Away(game)), m.away_minutes);
    QCOMPARE(Stored(game, "result"), QStringLiteral("true"));
    QCOMPARE(ScheduleScore(main, game), (QStringList{QString::number(m.p1), QString::number(m.p2)}));
    QVERIFY(main.SaveResults->isEnabled());
    QCOMPARE(SelectedRow(main), RowOf(main, next));

    const std::optional<rallet::HighScoreTables> saved = rallet::ReadHighScoreFile(data.HighScoreFile());
    QVERIFY(saved);
    QCOMPARE(saved->hiScoresTwo[0],
             (rallet::TwoPlayerScore{QStringLiteral("ABC"), std::max(m.p1, m.p2), std::min(m.p1, m.p2)}));
  }

  // A game with a real result, and a knock-out game whose winner went on through the later
  // rounds: one question at the start names the stored result and the knock-out games at stake.
  // With No the match is played as Player 1 v Player 2 and the results stay as they were; with
  // Yes the box is no leaving the game: the match runs to its end and the game holds its score,
  // its goals as they fell, its result flag and, for a knock-out game, its winner.
  void oneQuestionBeforeAMatchOverARealResult_data() {
    QTest::addColumn<QString>("game");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("games");
    QTest::addColumn<QStringList>("later");
    const QString group_b = "can change the group's places and so remove the results of games 49, 51, 57, 59, 61, "
                            "62, 63 and 64.";
    const QString after_49 = "removes the results of games 57, 61, 63 and 64.";
    const QStringList from_49{"W1", "X1", "Y1", "Z1"};
    QTest::newRow("Wales v England, No") << "B5" << false << "Wales 0-3 England" << group_b << QStringList{};
    QTest::newRow("Wales v England, Yes") << "B5" << true << "Wales 0-3 England" << group_b << QStringList{};
    QTest::newRow("game 49, No") << "V1" << false << "Netherlands 3-1 USA" << after_49 << from_49;
    QTest::newRow("game 49, Yes") << "V1" << true << "Netherlands 3-1 USA" << after_49 << from_49;
  }
  void oneQuestionBeforeAMatchOverARealResult() {
    QFETCH(QString, game);
    QFETCH(bool, yes);
    QFETCH(QString, stored);
    QFETCH(QString, games);
    QFETCH(QStringList, later);
    app_testing::TemporaryDataFolder data;
    ProgramFolder folder;
    frmMain& main = StartInSet(folder, "Tournament 2022", "Kestrova 2022");
    const std::string id = ToStd(game);
    SelectRow(main, RowOf(main, id));
    const QStringList before = Record(id);
    for (const QString& g : later) QVERIFY(!Stored(ToStd(g), "f", Home(ToStd(g))).isEmpty());

    // A second box would be answered No and counted.
    app_testing::MessageBoxes boxes({yes ? QMessageBox::Yes : QMessageBox::No, QMessageBox::No});
    const PlayedMatch m = PlayAMatch(id);
    QCOMPARE(boxes.Seen().size(), 1);
    QVERIFY2(boxes.Text().contains(", " + stored + ","), qPrintable(boxes.Text()));
    QVERIFY2(boxes.Text().contains(games), qPrintable(boxes.Text()));
    QVERIFY(m.ended);
    QVERIFY(m.over);
    QVERIFY(!m.ran_away);
    QVERIFY(m.p1 + m.p2 > 0);

    if (!yes) {
      QCOMPARE(m.names, QStringLiteral("Player 1 v Player 2 "));
      QCOMPARE(Record(id), before);
      for (const QString& g : later) QVERIFY(!Stored(ToStd(g), "f", Home(ToStd(g))).isEmpty());
      QVERIFY(!gobjKelvane->ResultsChanged());
      QVERIFY(!main.SaveResults->isEnabled());
      return;
    }
    QVERIFY(m.names.endsWith(" " + game));
    const bool knockout = !later.isEmpty();
    const QString winner = !knockout ? QString() : ToQ(m.p1 > m.p2 ? Home(id) : Away(id));
    QCOMPARE(Record(id), (QStringList{QStringLiteral("%1-%2").arg(m.p1).arg(m.p2), "true", winner,
                                      m.home_minutes.join(','), m.away_minutes.join(',')}));
    if (knockout) QCOMPARE(ToQ(gobjKelvane->ProgressionTeam("_" + id)), winner);
    for (const QString& g : later) QCOMPARE(Stored(ToStd(g), "f", Home(ToStd(g))), QString());
    QVERIFY(main.SaveResults->isEnabled());
  }

  // A knock-out game starts from nothing, even over a result with a shoot-out; a level match
  // after 90 runs to the next goal, which wins it in extra time and is kept with its minute.
  void aDecidingGoalWinsAKnockOutGameInExtraTime() {
    ProgramFolder folder;
    frmMain& main = StartInSet(folder, "Tournament 2022", "Kestrova 2022");
    SelectRow(main, RowOf(main, "Z1"));
    QVERIFY(gobjKelvane->GameHasPenalties("Z1"));
    GameDriver driver([](frmRallet&, int) {});
    frmRallet& game = frmRallet::Get();
    game.numPlayers = 2;
    app_testing::MessageBoxes boxes({QMessageBox::Yes});
    game.InitVariables(false);
    QVERIFY(boxes.Text().contains("Argentina 3-3 France after extra time, 4-2 on penalties"));
    QCOMPARE(ToQ(game.MatchGameID()), QStringLiteral("Z1"));
    QCOMPARE(game.strHomeName, ToQ(gobjKelvane->TeamName("ARG")));
    QVERIFY(!game.blnGroupGame);
    QCOMPARE(Stored("Z1", "f", "ARG"), QStringLiteral("0"));
    QCOMPARE(Stored("Z1", "f", "FRA"), QStringLiteral("0"));
    QCOMPARE(Stored("Z1", "winner"), QString());
    QCOMPARE(Stored("Z1", "pw", "ARG"), QString());
    QVERIFY(!gobjKelvane->GameHasPenalties("Z1"));
    QVERIFY(GoalMinutes("Z1", "ARG").isEmpty());
    QCOMPARE(ScheduleScore(main, "Z1"), (QStringList{"0", "0"}));
    QCOMPARE(SelectedRow(main), RowOf(main, "Z1"));

    game.intGameTimer = 23;
    game.ScoreP1();
    game.intGameTimer = 80;
    game.ScoreP2();
    QVERIFY(!game.endGame);
    QCOMPARE(Stored("Z1", "winner"), QString());
    game.intGameTimer = rallet::kDecider;
    game.ScoreP2();
    QVERIFY(game.endGame);
    QCOMPARE(Stored("Z1", "f", "ARG"), QStringLiteral("1"));
    QCOMPARE(Stored("Z1", "f", "FRA"), QStringLiteral("1"));
    QCOMPARE(Stored("Z1", "etf", "FRA"), QStringLiteral("1"));
    QCOMPARE(Stored("Z1", "extratime"), QStringLiteral("true"));
    QCOMPARE(Stored("Z1", "winner"), QStringLiteral("FRA"));
    QCOMPARE(GoalMinutes("Z1", "ARG"), QStringList{"23"});
    QCOMPARE(GoalMinutes("Z1", "FRA"), (QStringList{"80", "91"}));
    QVERIFY(main.SaveResults->isEnabled());
  }

  // A match clears the result mark of the game it plays until its end; when that is the first
  // game, which the list measures for every row, the rows stay as high as at the start and still
  // hold the ball.
  void theScheduleKeepsItsRowsAfterAMatchOnTheFirstGame() {
    ProgramFolder folder;
    frmMain& main = StartInSet(folder, "Tournament 2022", "Kestrova 2022");
    QTreeWidget* list = main.ScheduleList;
    const int game = RowOf(main, "A1");
    const int other = RowOf(main, "A2");
    const int row_height = list->visualItemRect(list->topLevelItem(other)).height();
    QVERIFY(!list->topLevelItem(other)->icon(0).isNull());
    SelectRow(main, game);
    GameDriver driver([](frmRallet&, int) {});
    frmRallet& g = frmRallet::Get();
    g.numPlayers = 2;
    app_testing::MessageBoxes boxes({QMessageBox::Yes});
    g.InitVariables(false);
    g.intGameTimer = 12;
    g.ScoreP1();
    QVERIFY(list->topLevelItem(game)->icon(0).isNull());
    QCOMPARE(list->visualItemRect(list->topLevelItem(other)).height(), row_height);
    QCOMPARE(list->visualItemRect(list->topLevelItem(game)).height(), row_height);
    g.GameOver();
    QVERIFY(!list->topLevelItem(game)->icon(0).isNull());
    const QSize ball = list->topLevelItem(other)->icon(0).actualSize(list->iconSize());
    QVERIFY2(row_height >= ball.height(), qPrintable(QStringLiteral("%1 < %2").arg(row_height).arg(ball.height())));
  }

  void resultsModeIsForTwoPlayersInASetOfItsName_data() {
    QTest::addColumn<QString>("shipped");
    QTest::addColumn<QString>("set");
    QTest::addColumn<QString>("game");
    QTest::addColumn<int>("players");
    QTest::addColumn<bool>("on");
    QTest::newRow("two players in a Kestrova set") << "Results" << "Kestrova Cup" << "A1" << 2 << true;
    QTest::newRow("any letter case") << "Results" << "office kESTROVA" << "B2" << 2 << true;
    QTest::newRow("one player") << "Results" << "Kestrova Cup" << "A1" << 1 << false;
    QTest::newRow("another set") << "Results" << "Office Cup" << "A1" << 2 << false;
    QTest::newRow("an undecided knock-out game") << "Results" << "Kestrova Cup" << "Z1" << 2 << false;
    QTest::newRow("no game selected") << "Results" << "Kestrova Cup" << "" << 2 << false;
  }
  void resultsModeIsForTwoPlayersInASetOfItsName() {
    QFETCH(QString, shipped);
    QFETCH(QString, set);
    QFETCH(QString, game);
    QFETCH(int, players);
    QFETCH(bool, on);
    ProgramFolder folder;
    frmMain& main = StartInSet(folder, shipped, set);
    const std::string id = ToStd(game);
    SelectRow(main, id.empty() ? -1 : RowOf(main, id));
    GameDriver driver([](frmRallet&, int) {});
    frmRallet& g = frmRallet::Get();
    g.numPlayers = players;
    g.InitVariables(false);
    QCOMPARE(g.MatchGameID(), on ? id : std::string());
    QCOMPARE(g.blnGroupGame, on);
    if (!on) {
      QCOMPARE(g.strHomeName, QStringLiteral("Player 1"));
      QCOMPARE(g.strAwayName, QStringLiteral("Player 2"));
    }
    g.intGameTimer = 12;
    g.ScoreP1();
    if (!id.empty()) QCOMPARE(Stored(id, "f", Home(id)), on ? QStringLiteral("1") : QString());
    QCOMPARE(main.SaveResults->isEnabled(), on);
  }

  // After every match, in every mode, the next game of the schedule is selected; heading rows
  // are passed over and the last game stays selected.
  void theScheduleMovesOnAfterAMatch_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("a group game") << 0 << 1;
    QTest::newRow("over the heading of the round of 16") << 47 << 48;
    QTest::newRow("the final") << 63 << 63;
  }
  void theScheduleMovesOnAfterAMatch() {
    QFETCH(int, from);
    QFETCH(int, to);
    ProgramFolder folder;
    frmMain& main = app_testing::StartToMainWindow(folder);
    auto row = [&](int position) { return RowOf(main, gobjKelvane->ScheduleGameID(kelvane::Variant(int32_t(position)))); };
    QVERIFY(row(48) > row(47) + 1);
    SelectRow(main, row(from));
    GameDriver driver([](frmRallet&, int) {});
    frmRallet& game = frmRallet::Get();
    game.numPlayers = 2;
    game.InitVariables(false);
    game.GameOver();
    QCOMPARE(SelectedRow(main), row(to));
    QCOMPARE(game.numPlayers, 0);
  }
};

QTEST_MAIN(GameResultsTest)
#include "game_results_test.moc"

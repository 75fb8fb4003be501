// A stored result that would change who plays in the knock-out games asks first, naming the games
// whose results go; and after a save the saved game stays the current row. With the real engine
// on "Tournament 2022", through the group score dialog, the lots dialog and a results-mode match.
#include <optional>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/entry/frm_group_score.h"
#include "app/entry/frm_lots.h"
#include "app/game/frm_rallet.h"
#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/shell/groups_view.h"
#include "app/shell/schedule_view.h"
#include "tests/app/support/game_driver.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::MessageBoxes;
using app_testing::OnModal;
using app_testing::ProgramFolder;

namespace {

const char* const kKnockoutGames[] = {"V1", "V2", "V3", "V4", "V5", "V6", "V7", "V8",
                                      "W1", "W2", "W3", "W4", "X1", "X2", "Y1", "Z1"};

QString Stored(const std::string& game, const char* attb, const std::string& team = "") {
  return ToQ(gobjKelvane->Results(game, attb, team).ToString());
}

// Everything stored of a game: figures, goals and kicks.
QString GameState(const std::string& game) {
  QStringList state{Stored(game, "winner"), Stored(game, "extratime"), Stored(game, "result")};
  for (const std::string& team : {gobjKelvane->HomeTeam(kelvane::Variant(game)),
                                  gobjKelvane->AwayTeam(kelvane::Variant(game))}) {
    state << ToQ(team);
    for (const char* attb : {"f", "etf", "penscoredf"}) state << Stored(game, attb, team);
    for (int16_t k = 1; k <= 8; ++k)
      state << ToQ(gobjKelvane->Goal(game, team, k, "playerid").ToString()) +
                   ToQ(gobjKelvane->Penalty(game, team, k, "takerid").ToString());
  }
  return state.join(QLatin1Char('|'));
}

QString Bracket() {
  QStringList games;
  for (const char* game : kKnockoutGames) games << GameState(game);
  return games.join(QLatin1Char('\n'));
}

// The knock-out games that hold a score.
QStringList Scored() {
  QStringList games;
  for (const char* game : kKnockoutGames)
    if (!Stored(game, "f", gobjKelvane->HomeTeam(kelvane::Variant(game))).isEmpty()) games << QLatin1String(game);
  return games;
}

QStringList AllBut(const QStringList& cleared) {
  QStringList games;
  for (const char* game : kKnockoutGames)
    if (!cleared.contains(QLatin1String(game))) games << QLatin1String(game);
  return games;
}

int GroupTabOf(const frmMain& main, QChar group) {
  for (int i = 0; i < main.GroupTab->count(); ++i)
    if (main.GroupTab->tabText(i) == group) return i;
  qFatal("no group tab");
}

QTreeWidgetItem* Row(QTreeWidget* list, const char* game_id, int column) {
  const auto rows = list->findItems(QLatin1String(game_id), Qt::MatchExactly, column);
  if (rows.isEmpty()) qFatal("no game %s", game_id);
  return rows.first();
}

QString CurrentGame(QTreeWidget* list, int column) {
  return list->currentItem() ? list->currentItem()->text(column) : QString();
}

frmMain& StartWith2022(const ProgramFolder& folder, const QString& set = QStringLiteral("Tournament 2022")) {
  if (set != QLatin1String("Tournament 2022") &&
      !QFile::copy(folder.File(QStringLiteral("Results/Tournament 2022.xml")), folder.File("Results/" + set + ".xml")))
    qFatal("cannot copy the result set");
  frmMain& main = app_testing::StartToMainWindow(folder);
  main.OpenResultsSet(ToStd(set));
  return main;
}

// Group H with Korea and Uruguay level on everything (Portugal beat Uruguay 4-2), Korea second
// by lot.
void LevelKoreaAndUruguay() {
  kelvane::IPitchlog& engine = *gobjKelvane;
  for (int16_t i = 1; i <= 4; ++i) {
    const std::string team = engine.GroupTeamID("H", i);
    engine.SetGroupLots("H", i, kelvane::Variant(team == "KOR" ? "1" : team == "URU" ? "2" : ""));
  }
  engine.RemoveResult("H4");
  engine.GroupScore("H4", 4, 2);
  if (engine.ProgressionTeam("_H2") != "KOR" || Scored().size() != 16) qFatal("group H is not as meant");
}

const QString kEnglandOut =
    QStringLiteral("Changing the places of this group removes the results of games 51, 59, 62, 63 and 64\n\nAre you sure?");
const QStringList kEnglandsGames{"V3", "W3", "X2", "Y1", "Z1"};

}  // namespace

class KnockoutResultsKeptTest : public QObject {
  Q_OBJECT

  std::optional<app_testing::TemporaryDataFolder> data_;

 private slots:
  void initTestCase() {
    app_testing::UseTemporaryRegistry();
    data_.emplace();
  }
  void cleanup() {
    frmGroupScore::Unload();
    frmLots::Unload();
    frmRallet::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  // England 0-2 Iran makes Iran the winner of group B: game 51 (England v Senegal) and every game
  // it fed would lose their results. No keeps them and the dialog; Yes removes exactly those.
  void aGroupResultThatMovesATeamAsks() {
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder);
    const QString bracket = Bracket();
    const QString game = GameState("B1");
    main.GameID = "B1";
    frmGroupScore& d = frmGroupScore::Get();
    d.show();
    d.txtHomeScore->setText(QStringLiteral("0"));
    MessageBoxes boxes({QMessageBox::No});
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Text(), kEnglandOut);
    QVERIFY(d.isVisible());
    QVERIFY(d.cmdApply->isEnabled());
    QCOMPARE(Bracket(), bracket);
    QCOMPARE(GameState("B1"), game);
    QCOMPARE(ToQ(gobjKelvane->ProgressionTeam("_B1")), QStringLiteral("ENG"));

    boxes.Then(QMessageBox::Yes);
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(boxes.Seen().size(), 2);
    QVERIFY(!frmGroupScore::IsLoaded() || !d.isVisible());
    QCOMPARE(Stored("B1", "f", "ENG"), QStringLiteral("0"));
    QCOMPARE(ToQ(gobjKelvane->ProgressionTeam("_B1")), QStringLiteral("IRN"));
    QCOMPARE(Scored(), AllBut(kEnglandsGames));
  }

  // Lots that put Uruguay above Korea take Korea's place in game 54 (Brazil v Korea): that game
  // and every game it fed would lose their results.
  void aLotThatMovesATeamAsks() {
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder);
    LevelKoreaAndUruguay();
    main.GroupTab->setCurrentIndex(GroupTabOf(main, QLatin1Char('H')));
    const QString bracket = Bracket();
    frmLots& d = frmLots::Get();
    d.show();
    d.txtLot[2]->setText(QStringLiteral("1"));  // Uruguay
    d.txtLot[3]->setText(QStringLiteral("2"));  // Korea
    MessageBoxes boxes({QMessageBox::No});
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Text(), QStringLiteral("Changing the places of this group removes the results of games 54, 58, "
                                          "61, 63 and 64\n\nAre you sure?"));
    QVERIFY(d.isVisible());
    QCOMPARE(Bracket(), bracket);
    QCOMPARE(ToQ(gobjKelvane->GroupLots("H", 3).ToString()), QStringLiteral("2"));

    boxes.Then(QMessageBox::Yes);
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(boxes.Seen().size(), 2);
    QCOMPARE(ToQ(gobjKelvane->ProgressionTeam("_H2")), QStringLiteral("URU"));
    QCOMPARE(Scored(), AllBut({"V6", "W2", "X1", "Y1", "Z1"}));
  }

  // A match in results mode over England 6-2 Iran asks once, at the start, naming the stored
  // result and the knock-out games that a score of it can take away (the USA stay second
  // whatever it is). No writes nothing, goals included; Yes starts the game at 0-0, which keeps
  // England first, and the goal that makes Iran the winner of group B is written without a
  // second question.
  void aMatchOverAStoredResultAsksOnceAtTheStart_data() {
    QTest::addColumn<bool>("agreed");
    QTest::newRow("No") << false;
    QTest::newRow("Yes") << true;
  }
  void aMatchOverAStoredResultAsksOnceAtTheStart() {
    QFETCH(bool, agreed);
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder, QStringLiteral("Kestrova 2022"));
    main.ScheduleList->setCurrentItem(Row(main.ScheduleList, "B1", schedule_column::GameID));
    app_testing::GameDriver driver([](frmRallet&, int) {});
    frmRallet& game = frmRallet::Get();
    game.numPlayers = 2;
    const QString bracket = Bracket();
    const QString stored = GameState("B1");
    MessageBoxes boxes({agreed ? QMessageBox::Yes : QMessageBox::No});
    game.InitVariables(false);
    QCOMPARE(boxes.Seen().size(), 1);
    QVERIFY2(boxes.Text().contains(QStringLiteral(", England 6-2 Iran,")), qPrintable(boxes.Text()));
    QVERIFY2(boxes.Text().contains(QStringLiteral("games 51, 59, 62, 63 and 64.")), qPrintable(boxes.Text()));
    QCOMPARE(game.MatchGameID().empty(), !agreed);
    QCOMPARE(Stored("B1", "f", "ENG"), agreed ? QStringLiteral("0") : QStringLiteral("6"));
    QCOMPARE(Bracket(), bracket);

    boxes.Then(QMessageBox::No);
    game.intGameTimer = 30;
    game.ScoreP2();
    QCOMPARE(boxes.Seen().size(), 1);
    if (agreed) {
      QCOMPARE(Stored("B1", "f", "IRN"), QStringLiteral("1"));
      QCOMPARE(Scored(), AllBut(kEnglandsGames));
    } else {
      QCOMPARE(GameState("B1"), stored);
      QCOMPARE(Bracket(), bracket);
    }
  }

  // By keyboard: Down to the second game of group B, Enter, a new score and Enter to save; the
  // saved game is still the current row of the group's games and of the schedule, so Down and
  // Enter open the third game.
  void afterASaveTheNextGameIsOneDownAway() {
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder);
    main.MainTab->setCurrentIndex(1);
    main.GroupTab->setCurrentIndex(GroupTabOf(main, QLatin1Char('B')));
    QTreeWidget* games = main.groupsView->GroupSchedule;
    QTreeWidgetItem* first = Row(games, "B1", kGroupScheduleGameIDColumn);
    QTest::mouseClick(games->viewport(), Qt::LeftButton, {}, games->visualItemRect(first).center());
    games->setFocus();
    QTest::keyClick(games, Qt::Key_Down);
    QCOMPARE(main.GameID, std::string("B2"));
    // USA 2-1 Wales keeps England and the USA where they were: nothing is asked.
    MessageBoxes boxes;
    QVERIFY(OnModal<frmGroupScore>([&] { QTest::keyClick(games, Qt::Key_Return); },
                                   [](frmGroupScore& d) {
                                     d.txtHomeScore->setFocus();
                                     d.txtHomeScore->selectAll();
                                     QTest::keyClicks(d.txtHomeScore, QStringLiteral("2"));
                                     QTest::keyClick(d.txtHomeScore, Qt::Key_Return);
                                   }));
    app_testing::ProcessDeletions();
    QCOMPARE(boxes.Seen().size(), 0);
    QCOMPARE(Stored("B2", "f", "USA"), QStringLiteral("2"));
    QCOMPARE(CurrentGame(games, kGroupScheduleGameIDColumn), QStringLiteral("B2"));
    QCOMPARE(CurrentGame(main.ScheduleList, schedule_column::GameID), QStringLiteral("B2"));

    games->setFocus();
    QTest::keyClick(games, Qt::Key_Down);
    QCOMPARE(main.GameID, std::string("B3"));
    QString opened;
    QVERIFY(OnModal<frmGroupScore>([&] { QTest::keyClick(games, Qt::Key_Return); },
                                   [&](frmGroupScore& d) { opened = d.lblHomeTeam->text() + " v " + d.lblAwayTeam->text(); }));
    QCOMPARE(opened, ToQ(gobjKelvane->TeamName("WAL") + " v " + gobjKelvane->TeamName("IRN")));
  }
};

QTEST_MAIN(KnockoutResultsKeptTest)
#include "knockout_results_kept_test.moc"

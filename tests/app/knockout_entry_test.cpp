// Knock-out result entry with the real engine on a temporary copy of the shipped data: the 2022
// final entered through the facts, score and shoot-out windows; a later scorer change; the
// bracket filled and cleared by semi-finals and quarter-finals; the refusals; and the lots.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

#include "app/entry/frm_ko_game_facts.h"
#include "app/entry/frm_ko_score.h"
#include "app/entry/frm_lots.h"
#include "app/entry/frm_penalties.h"
#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/shell/knockout_view.h"
#include "app/shell/schedule_view.h"
#include "tests/app/support/controls.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::Control;
using app_testing::MessageBoxes;
using app_testing::ModalDialog;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;

namespace {

constexpr int16_t kFinal = 15;
constexpr int16_t kFirstSemi = 12;
constexpr int16_t kFirstQuarter = 8;
constexpr int16_t kGame55 = 6;  // V7, Morocco v Spain, 0-0 and 3-0 on kicks

QLineEdit* Box(QWidget& d, const QString& name) { return Control<QLineEdit>(d, name); }
QComboBox* Player(QWidget& d, const char* side, int row) {
  return Control<QComboBox>(d, QStringLiteral("cbo%1Player_%2").arg(QLatin1String(side)).arg(row));
}
QCheckBox* Pen(QWidget& d, const char* side, int row) {
  return Control<QCheckBox>(d, QStringLiteral("chk%1Pen_%2").arg(QLatin1String(side)).arg(row));
}
QLineEdit* Mins(QWidget& d, const char* side, int row) {
  return Control<QLineEdit>(d, QStringLiteral("txt%1Mins_%2").arg(QLatin1String(side)).arg(row));
}
void Click(QWidget& d, const char* button) {
  QTest::mouseClick(Control<QPushButton>(d, QLatin1String(button)), Qt::LeftButton);
}
void Choose(QComboBox* list, const char* player_id) {
  const int index = list->findData(QLatin1String(player_id));
  if (index < 0) qFatal("%s is not offered", player_id);
  list->setCurrentIndex(index);
}

struct Goal {
  const char* player;
  const char* minute;
  bool pen;
};
void EnterGoals(QWidget& d, const char* side, std::initializer_list<Goal> goals) {
  int row = 0;
  for (const Goal& goal : goals) {
    Choose(Player(d, side, row), goal.player);
    Pen(d, side, row)->setChecked(goal.pen);
    Mins(d, side, row)->setText(QLatin1String(goal.minute));
    ++row;
  }
}
struct Kick {
  const char* taker;
  bool scored;
};
void EnterKicks(QWidget& d, const char* side, std::initializer_list<Kick> kicks) {
  Box(d, QStringLiteral("txt%1Score").arg(QLatin1String(side)))->setText(QString::number(kicks.size()));
  int row = 0;
  for (const Kick& kick : kicks) {
    Choose(Player(d, side, row), kick.taker);
    Pen(d, side, row)->setChecked(kick.scored);
    ++row;
  }
}

QString Stored(const std::string& game, const char* attb, const std::string& team = "") {
  return ToQ(gobjKelvane->Results(game, attb, team).ToString());
}
QStringList Kicks(const std::string& game, const std::string& team) {
  QStringList kicks;
  for (int16_t k = 1; !gobjKelvane->Penalty(game, team, k, "scored").IsEmpty(); ++k)
    kicks << ToQ(gobjKelvane->Penalty(game, team, k, "takerid").ToString()) + QLatin1Char(' ') +
                 ToQ(gobjKelvane->Penalty(game, team, k, "scored").ToString());
  return kicks;
}
// What a refusal must leave alone: the game's figures, goals and kicks.
QString GameState(const std::string& game) {
  QStringList state{Stored(game, "winner"), Stored(game, "extratime"), Stored(game, "result")};
  for (const std::string& team : {gobjKelvane->HomeTeam(kelvane::Variant(game)),
                                  gobjKelvane->AwayTeam(kelvane::Variant(game))}) {
    for (const char* attb : {"f", "etf", "pentakenf", "penscoredf", "pw"}) state << Stored(game, attb, team);
    for (int16_t k = 1; k <= 12; ++k) {
      state << ToQ(gobjKelvane->Goal(game, team, k, "playerid").ToString()) +
                   ToQ(gobjKelvane->Goal(game, team, k, "minutes").ToString());
      state << ToQ(gobjKelvane->Penalty(game, team, k, "takerid").ToString()) +
                   ToQ(gobjKelvane->Penalty(game, team, k, "scored").ToString());
    }
  }
  return state.join(QLatin1Char('|'));
}
QStringList ScheduleScore(frmMain& main, const QString& game) {
  for (int i = 0; i < main.ScheduleList->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = main.ScheduleList->topLevelItem(i);
    if (row->text(schedule_column::GameID) == game)
      return {row->text(schedule_column::H), row->text(schedule_column::A)};
  }
  return {};
}

frmMain& StartWith2022(const ProgramFolder& folder) {
  frmMain& main = StartToMainWindow(folder);
  main.OpenResultsSet("Tournament 2022");
  return main;
}

// The final as played, up to the end of extra time, in the score dialog.
void EnterFinalScore(QWidget& d) {
  Box(d, QStringLiteral("txtHomeScore"))->setText(QStringLiteral("3"));
  Box(d, QStringLiteral("txtAwayScore"))->setText(QStringLiteral("3"));
  EnterGoals(d, "Home", {{"ARG10", "23", true}, {"ARG11", "36", false}, {"ARG10", "108", false}});
  EnterGoals(d, "Away", {{"FRA10", "80", true}, {"FRA10", "81", false}, {"FRA10", "118", true}});
}

void EnterFinalKicks(QWidget& d) {
  EnterKicks(d, "Home", {{"ARG10", true}, {"ARG21", true}, {"ARG05", true}, {"ARG04", true}});
  EnterKicks(d, "Away", {{"FRA10", true}, {"FRA20", false}, {"FRA08", false}, {"FRA12", true}});
  Control<QCheckBox>(d, QStringLiteral("chkResult"))->setChecked(true);
}

frmKOScore& OpenScore(frmMain& main, int16_t index) {
  main.KOIndex = index;
  frmKOScore& d = frmKOScore::Get();
  d.show();
  return d;
}

}  // namespace

class KnockoutEntryTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    frmPenalties::Unload();
    frmKOScore::Unload();
    frmKOGameFacts::Unload();
    frmLots::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  void theFinalEnteredThroughTheWindows() {
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder);
    gobjKelvane->RemoveResult("Z1");
    main.LoadKO();

    bool facts_titled = false;
    ModalDialog facts(QStringLiteral("frmKOGameFacts"), [&](QWidget& d) {
      facts_titled = d.windowTitle() == QStringLiteral("Game 64: The Final");
      Click(d, "cmdGFEnterScore");
    });
    ModalDialog score(QStringLiteral("frmKOScore"), [&](QWidget& d) {
      EnterFinalScore(d);
      Box(d, QStringLiteral("txtHomePenalties"))->setText(QStringLiteral("4"));
      Box(d, QStringLiteral("txtAwayPenalties"))->setText(QStringLiteral("2"));
      Click(d, "cmdApply");
      Click(d, "cmdPenalties");
    });
    ModalDialog penalties(QStringLiteral("frmPenalties"), [&](QWidget& d) {
      EnterFinalKicks(d);
      Click(d, "cmdOK");
    });
    QTest::mouseClick(main.koView->cmdKOGameNo[kFinal], Qt::LeftButton);
    QVERIFY(facts.Seen() && score.Seen() && penalties.Seen());
    QVERIFY(facts_titled);
    app_testing::ProcessDeletions();
    QVERIFY(!frmKOGameFacts::IsLoaded() && !frmKOScore::IsLoaded() && !frmPenalties::IsLoaded());

    QCOMPARE(ScheduleScore(main, QStringLiteral("Z1")), (QStringList{QStringLiteral("3 (4)"), QStringLiteral("(2) 3")}));
    QCOMPARE(Stored("Z1", "winner"), QStringLiteral("ARG"));
    QCOMPARE(Stored("Z1", "f", "ARG"), QStringLiteral("2"));
    QCOMPARE(Stored("Z1", "etf", "FRA"), QStringLiteral("1"));
    QCOMPARE(main.koView->lblKOHomePenalties[kFinal]->text(), QStringLiteral("4"));
    QCOMPARE(main.koView->lblKOAwayPenalties[kFinal]->text(), QStringLiteral("2"));
    QVERIFY(main.SaveResults->isEnabled());

    main.KOIndex = kFinal;
    frmKOGameFacts& shown = frmKOGameFacts::Get();
    QCOMPARE(shown.lblHomeScore->text(), QStringLiteral("3"));
    QCOMPARE(shown.lblHomePenalties->text(), QStringLiteral("4"));
    QCOMPARE(shown.txtHomeGoalsSCR->toPlainText(),
             QStringLiteral("Lionel MESSI 23 (pen)\nAngel DI MARIA 36\nLionel MESSI 108\n\nPenalties\n"
                            "Lionel MESSI\nPaulo DYBALA\nLeandro PAREDES\nGonzalo MONTIEL"));
    QCOMPARE(shown.txtAwayGoalsSCR->toPlainText(),
             QStringLiteral("Kylian MBAPPE 80 (pen)\nKylian MBAPPE 81\nKylian MBAPPE 118 (pen)\n\nPenalties\n"
                            "Kylian MBAPPE\n[Kingsley COMAN]\n[Aurelien TCHOUAMENI]\nRandal KOLO MUANI"));
    frmKOGameFacts::Unload();
    app_testing::ProcessDeletions();

    // A scorer's minute corrected later keeps the shoot-out and its kicks.
    const QStringList home_kicks = Kicks("Z1", "ARG");
    const QStringList away_kicks = Kicks("Z1", "FRA");
    QCOMPARE(away_kicks.size(), 4);
    MessageBoxes notice({QMessageBox::Ok});
    frmKOScore& d = OpenScore(main, kFinal);
    QVERIFY(notice.Text().startsWith(QStringLiteral("Penalty details have alreay been entered")));
    Mins(d, "Home", 1)->setText(QStringLiteral("35"));
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QVERIFY(gobjKelvane->GameHasPenalties("Z1"));
    QCOMPARE(Stored("Z1", "winner"), QStringLiteral("ARG"));
    QCOMPARE(ToQ(gobjKelvane->Goal("Z1", "ARG", 2, "minutes").ToString()), QStringLiteral("35"));
    QCOMPARE(Kicks("Z1", "ARG"), home_kicks);
    QCOMPARE(Kicks("Z1", "FRA"), away_kicks);
    QCOMPARE(Stored("Z1", "pentakenf", "FRA"), QStringLiteral("4"));
    QCOMPARE(Stored("Z1", "penscoredf", "FRA"), QStringLiteral("2"));
  }

  // Saving the shoot-out leaves every goal and the extra-time figures as they were; no kicks at
  // all store no shoot-out.
  void aShootoutSaveKeepsTheScoreAndNoKicksClearIt() {
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder);
    MessageBoxes notice({QMessageBox::Ok});
    OpenScore(main, kFinal);
    {
      MessageBoxes none;
      frmPenalties& p = frmPenalties::Get();
      QCOMPARE(p.windowTitle(), QStringLiteral("Game 64: The Final - Penalties Taken"));
      QCOMPARE(p.txtHomeScore->text(), QStringLiteral("4"));
      QCOMPARE(p.lblAwayScored->text(), QStringLiteral("2"));
      QVERIFY(!p.cmdApply->isEnabled());
      Pen(p, "Away", 1)->setChecked(true);  // Coman scores: 4-3
      QTest::mouseClick(p.cmdApply, Qt::LeftButton);
      QCOMPARE(Stored("Z1", "penscoredf", "FRA"), QStringLiteral("3"));
      QCOMPARE(Stored("Z1", "etf", "ARG"), QStringLiteral("1"));
      QCOMPARE(Stored("Z1", "extratime"), QStringLiteral("true"));
      QCOMPARE(ToQ(gobjKelvane->Goal("Z1", "ARG", 3, "minutes").ToString()), QStringLiteral("108"));
      QCOMPARE(ToQ(gobjKelvane->Goal("Z1", "FRA", 3, "minutes").ToString()), QStringLiteral("118"));

      QTest::mouseClick(p.cmdClear, Qt::LeftButton);
      QTest::mouseClick(p.cmdOK, Qt::LeftButton);
      QVERIFY(none.Seen().isEmpty());
    }
    app_testing::ProcessDeletions();
    QVERIFY(!frmKOScore::IsLoaded() && !frmPenalties::IsLoaded());
    QVERIFY(!gobjKelvane->GameHasPenalties("Z1"));
    QCOMPARE(Stored("Z1", "penscoredf", "ARG"), QString());
    QCOMPARE(Stored("Z1", "pentakenf", "FRA"), QString());
    QCOMPARE(ScheduleScore(main, QStringLiteral("Z1")), (QStringList{QStringLiteral("3"), QStringLiteral("3")}));
    QCOMPARE(ToQ(gobjKelvane->Goal("Z1", "FRA", 3, "minutes").ToString()), QStringLiteral("118"));
  }

  // Shoot-out figures typed in the score dialog have no kicks: the shoot-out dialog shows them,
  // and untouched it stores nothing on OK and asks nothing on Cancel.
  void anUntouchedShootoutKeepsTheTotals() {
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder);
    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});  // the notice of recorded kicks, their question
    frmKOScore& d = OpenScore(main, kGame55);
    d.txtAwayPenalties->setText(QStringLiteral("1"));
    QTest::mouseClick(d.cmdApply, Qt::LeftButton);
    QCOMPARE(Stored("V7", "penscoredf", "ESP"), QStringLiteral("1"));
    const QString before = GameState("V7") + GameState("W4") + GameState("X1");
    for (const char* button : {"cmdCancel", "cmdOK"}) {
      if (!frmKOScore::IsLoaded()) OpenScore(main, kGame55);
      frmPenalties& p = frmPenalties::Get();
      p.show();
      QVERIFY(!p.cmdApply->isEnabled());
      QCOMPARE(p.lblHomeScored->text(), QStringLiteral("3"));
      QCOMPARE(p.lblAwayScored->text(), QStringLiteral("1"));
      Click(p, button);
      app_testing::ProcessDeletions();
      QVERIFY(!frmPenalties::IsLoaded());
      QCOMPARE(boxes.Seen().size(), 2);
      QCOMPARE(GameState("V7") + GameState("W4") + GameState("X1"), before);
    }
    QCOMPARE(Stored("V7", "winner"), QStringLiteral("MAR"));
  }

  // Kicks that leave the shoot-out level take the winner's flags with the winner.
  void aLevelShootoutLeavesNoWinnerFlags() {
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder);
    // The notice, the kicks' question, and the question about the later games.
    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Yes});
    frmKOScore& d = OpenScore(main, kGame55);
    d.txtAwayPenalties->setText(QStringLiteral("1"));
    QTest::mouseClick(d.cmdApply, Qt::LeftButton);
    QCOMPARE(Stored("V7", "pw", "MAR"), QStringLiteral("1"));
    frmPenalties& p = frmPenalties::Get();
    p.show();
    for (const char* side : {"Home", "Away"}) {
      Box(p, QStringLiteral("txt%1Score").arg(QLatin1String(side)))->setText(QStringLiteral("3"));
      for (int row = 0; row < 3; ++row) Pen(p, side, row)->setChecked(true);
    }
    Click(p, "cmdOK");
    QCOMPARE(Stored("V7", "winner"), QString());
    QCOMPARE(Stored("V7", "penscoredf", "ESP"), QStringLiteral("3"));
    for (const char* team : {"MAR", "ESP"})
      for (const char* attb : {"pw", "pl"}) QCOMPARE(Stored("V7", attb, team), QString());
  }

  void aSemiFinalFillsTheThirdPlaceGame() {
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder);
    MessageBoxes boxes({QMessageBox::Yes});
    frmKOScore& clear = OpenScore(main, kFirstSemi);
    QCOMPARE(clear.windowTitle(), QStringLiteral("Game 61: Semi Final"));
    QTest::mouseClick(clear.cmdClear, Qt::LeftButton);
    QTest::mouseClick(clear.cmdOK, Qt::LeftButton);
    QCOMPARE(boxes.Text(), QStringLiteral("Changing the winner of this game removes the results of games 63 and 64"
                                          "\n\nAre you sure?"));
    app_testing::ProcessDeletions();
    QCOMPARE(gobjKelvane->HomeTeam(kelvane::Variant("Y1")), std::string("_X12"));

    frmKOScore& d = OpenScore(main, kFirstSemi);
    d.txtHomeScore->setText(QStringLiteral("3"));
    d.chkResult->setChecked(true);
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(gobjKelvane->HomeTeam(kelvane::Variant("Y1")), std::string("CRO"));
    QCOMPARE(gobjKelvane->HomeTeam(kelvane::Variant("Z1")), std::string("ARG"));
    QCOMPARE(main.koView->lblKOHomeTeam[14]->text(), ToQ(gobjKelvane->TeamName("CRO")));
  }

  void clearingAQuarterFinalClearsEveryLaterGame() {
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder);
    // The notice of recorded kicks, that Clear drops them, and the later games.
    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Yes});
    frmKOScore& d = OpenScore(main, kFirstQuarter);
    QCOMPARE(d.windowTitle(), QStringLiteral("Game 57: Quarter Final"));
    QTest::mouseClick(d.cmdClear, Qt::LeftButton);
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    for (const char* game : {"W1", "X1", "Y1", "Z1"})
      QVERIFY2(gobjKelvane->Results(game, "f", gobjKelvane->HomeTeam(kelvane::Variant(game))).IsEmpty(), game);
    QVERIFY(!gobjKelvane->Results("X2", "f", "FRA").IsEmpty());
    QCOMPARE(gobjKelvane->HomeTeam(kelvane::Variant("X1")), std::string("_W1"));
    QCOMPARE(ScheduleScore(main, QStringLiteral("Z1")), (QStringList{QString(), QString()}));
    QCOMPARE(boxes.Seen().size(), 3);
    QCOMPARE(boxes.Text(1), QStringLiteral("Changing the score here will clear details of penalties taken"));
  }

  // The Netherlands win game 57's shoot-out instead of Argentina: the semi-final, the third place
  // game and the final would lose their results. No keeps them and the dialog; Yes removes exactly those.
  void aNewWinnerAsksBeforeTheLaterGamesGo() {
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder);
    auto later = [] { return GameState("X1") + GameState("Y1") + GameState("Z1"); };
    const QString before = later() + GameState("W1");
    const QString other_semi = GameState("X2");
    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok, QMessageBox::No});
    frmKOScore& d = OpenScore(main, kFirstQuarter);
    d.txtHomePenalties->setText(QStringLiteral("5"));  // 5-4 on kicks
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(boxes.Seen().size(), 3);
    QCOMPARE(boxes.Text(2), QStringLiteral("Changing the winner of this game removes the results of games 61, 63 "
                                           "and 64\n\nAre you sure?"));
    QVERIFY(d.isVisible());
    QCOMPARE(later() + GameState("W1"), before);

    boxes.Then(QMessageBox::Yes);
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(boxes.Seen().size(), 4);
    QCOMPARE(Stored("W1", "winner"), QStringLiteral("NED"));
    for (const char* game : {"X1", "Y1", "Z1"})
      QVERIFY2(Stored(game, "f", gobjKelvane->HomeTeam(kelvane::Variant(game))).isEmpty(), game);
    QCOMPARE(GameState("X2"), other_semi);
    for (const char* game : {"W2", "W3", "W4"})
      QVERIFY2(!Stored(game, "f", gobjKelvane->HomeTeam(kelvane::Variant(game))).isEmpty(), game);
  }

  void refusalsLeaveTheEngineUnchanged_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("message");
    QTest::newRow("apply with one score") << "apply-half"
                                          << "Cannot save score unless either both scores are entered, or neither";
    QTest::newRow("ok with one score") << "ok-half"
                                       << "Cannot save score unless either both scores are entered, or neither";
    QTest::newRow("extra time after an unlevel 90") << "extra-time" << "Goals after the 90th minute";
    QTest::newRow("penalties with changes unapplied")
        << "unapplied" << "You must apply changes to the score before entering details of penalties taken";
    QTest::newRow("minute out of range") << "minute-121" << "The minute of a goal must be from 0 to 120";
    QTest::newRow("one shoot-out total") << "one-total" << "Must enter penalties scored for both teams or neither";
    QTest::newRow("one kick count") << "one-count" << "Must enter penalties taken for both teams or neither";
    QTest::newRow("apply with one kick count")
        << "apply-one-count" << "Must enter penalties taken for both teams or neither";
    QTest::newRow("kicks after the shoot-out was over")
        << "kicks-after-end" << "A shoot-out ends as soon as one team can no longer catch up";
    QTest::newRow("kick counts two apart")
        << "two-apart" << "Both teams must take the same number of penalties, or a difference of one";
  }
  void refusalsLeaveTheEngineUnchanged() {
    QFETCH(QString, action);
    QFETCH(QString, message);
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder);
    const QString before = GameState("Z1");
    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok});
    frmKOScore& d = OpenScore(main, kFinal);
    QWidget* refused = &d;
    // The arrows put "0" back into a box emptied once; emptied again it stays empty.
    auto empty = [](QLineEdit* box) {
      box->setText(QString());
      box->setText(QString());
    };
    if (action == "apply-half") {
      empty(d.txtAwayScore);
      QTest::mouseClick(d.cmdApply, Qt::LeftButton);
    } else if (action == "ok-half") {
      empty(d.txtHomeScore);
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    } else if (action == "extra-time") {
      // 3-1 with the third home goal in minute 108: 2-1 after 90 minutes.
      d.txtAwayScore->setText(QStringLiteral("1"));
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    } else if (action == "minute-121") {
      Mins(d, "Home", 2)->setText(QStringLiteral("121"));
      QCOMPARE(Mins(d, "Home", 2)->text(), QStringLiteral("121"));
      QTest::mouseClick(d.cmdApply, Qt::LeftButton);
    } else if (action == "one-total") {
      // The recorded kicks are announced to go; the one-sided shoot-out decides nothing.
      empty(d.txtAwayPenalties);
      QVERIFY(!d.chkResult->isChecked() && d.ResultFrame->isHidden());
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    } else if (action == "unapplied") {
      Mins(d, "Home", 1)->setText(QStringLiteral("35"));
      QTest::mouseClick(d.cmdPenalties, Qt::LeftButton);
      QVERIFY(!frmPenalties::IsLoaded());
    } else {
      frmPenalties& p = frmPenalties::Get();
      p.show();
      refused = &p;
      if (action == "one-count" || action == "apply-one-count") {
        empty(p.txtAwayScore);
        Pen(p, "Home", 0)->setChecked(false);  // a kick changed: the one-sided kicks decide nothing
        QVERIFY(!p.chkResult->isChecked() && p.ResultFrame->isHidden());
        QTest::mouseClick(action == "one-count" ? p.cmdOK : p.cmdApply, Qt::LeftButton);
      } else if (action == "kicks-after-end") {
        // 4-2 after four kicks each: France could no longer catch up, so no fifth kicks.
        p.txtHomeScore->setText(QStringLiteral("5"));
        p.txtAwayScore->setText(QStringLiteral("5"));
        Pen(p, "Home", 4)->setChecked(true);
        QTest::mouseClick(p.cmdApply, Qt::LeftButton);
        QTest::mouseClick(p.cmdOK, Qt::LeftButton);
      } else {
        p.txtAwayScore->setText(QStringLiteral("2"));
        QTest::mouseClick(p.cmdApply, Qt::LeftButton);
        QTest::mouseClick(p.cmdOK, Qt::LeftButton);
      }
    }
    // After the notice of recorded kicks (and, for a score no longer level, that the kicks would
    // go), each refusal (OK and Apply alike for two counts apart).
    const int asked =
        action == "apply-half" || action == "ok-half" || action == "extra-time" || action == "one-total" ? 1 : 0;
    const int refusals = action == "two-apart" || action == "kicks-after-end" ? 2 : 1;
    QCOMPARE(boxes.Seen().size(), 1 + asked + refusals);
    for (int i = 1 + asked; i <= asked + refusals; ++i) {
      QVERIFY2(boxes.Text(i).startsWith(message), qPrintable(boxes.Text(i)));
      QCOMPARE(boxes.Seen()[i].icon, QMessageBox::Critical);
    }
    QVERIFY(refused->isVisible());
    QCOMPARE(GameState("Z1"), before);
  }

  // Answered No (or Cancel), each question puts the box back and changes nothing.
  void questionsAnsweredNoPutTheBoxBack_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("question");
    QTest::newRow("eleven goals") << "txtHomeScore" << "11" << "Are you sure Argentina scored 11?";
    QTest::newRow("six shoot-out goals") << "txtAwayPenalties" << "6" << "Are you sure France scored 6 penalties?";
    QTest::newRow("recorded kicks") << "txtHomePenalties" << "5"
                                    << "Changing penalties here will clear details of penalties taken\n\n";
    QTest::newRow("eleven kicks") << "penalties:txtHomeScore" << "11" << "Are you sure Argentina took 11 penalties?";
  }
  void questionsAnsweredNoPutTheBoxBack() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, question);
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder);
    const QString before = GameState("Z1");
    const QMessageBox::StandardButton no =
        question.startsWith(QStringLiteral("Changing")) ? QMessageBox::Cancel : QMessageBox::No;
    MessageBoxes boxes({QMessageBox::Ok});  // the notice of recorded kicks
    // A shoot-out box first announces that the recorded kicks will go.
    const bool announced = box.endsWith(QStringLiteral("Penalties")) && no == QMessageBox::No;
    if (announced) boxes.Then(QMessageBox::Ok);
    boxes.Then(no);
    QWidget* window = &OpenScore(main, kFinal);
    if (box.startsWith(QStringLiteral("penalties:"))) {
      window = &frmPenalties::Get();
      box = box.section(QLatin1Char(':'), 1);
    }
    QLineEdit* edit = Box(*window, box);
    const QString was = edit->text();
    edit->setText(typed);
    QCOMPARE(boxes.Seen().size(), announced ? 3 : 2);
    QCOMPARE(boxes.Seen().last().text, question);
    QCOMPARE(edit->text(), was);
    QCOMPARE(GameState("Z1"), before);
  }

  // The shoot-out boxes only announce that the kicks will go: Cancel keeps them.
  void cancelAfterAShootoutChangeKeepsTheKicks() {
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder);
    const QString before = GameState("Z1");
    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Yes});
    frmKOScore& d = OpenScore(main, kFinal);
    d.txtAwayPenalties->setText(QStringLiteral("3"));
    QCOMPARE(boxes.Text(1), QStringLiteral("Changing penalties here will clear details of penalties taken\n\n"));
    d.txtAwayPenalties->setText(QStringLiteral("1"));
    QCOMPARE(boxes.Seen().size(), 2);  // asked once
    QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
    QCOMPARE(GameState("Z1"), before);

    // Saved, the changed shoot-out drops the kicks that no longer fit it.
    MessageBoxes more({QMessageBox::Ok, QMessageBox::Ok});
    app_testing::ProcessDeletions();
    frmKOScore& again = OpenScore(main, kFinal);
    again.txtAwayPenalties->setText(QStringLiteral("3"));
    QTest::mouseClick(again.cmdOK, Qt::LeftButton);
    QVERIFY(!gobjKelvane->GameHasPenalties("Z1"));
    QCOMPARE(Stored("Z1", "penscoredf", "FRA"), QStringLiteral("3"));
    QCOMPARE(Stored("Z1", "pentakenf", "FRA"), QString());

    // Figures without kicks: the shoot-out dialog's Clear removes them.
    app_testing::ProcessDeletions();
    OpenScore(main, kFinal);
    frmPenalties& p = frmPenalties::Get();
    QTest::mouseClick(p.cmdClear, Qt::LeftButton);
    QTest::mouseClick(p.cmdOK, Qt::LeftButton);
    for (const char* team : {"ARG", "FRA"})
      for (const char* attb : {"penscoredf", "pentakenf", "pw", "pl"}) QCOMPARE(Stored("Z1", attb, team), QString());
    QCOMPARE(ScheduleScore(main, QStringLiteral("Z1")), (QStringList{QStringLiteral("3"), QStringLiteral("3")}));
    QCOMPARE(more.Seen().size(), 2);  // the notice and the question of the first opening
  }

  // The caption-less shoot-out boxes tell what they hold; the Result box follows them: shown while
  // both figures decide the game, unticked and hidden as soon as one is emptied.
  void shootoutBoxesTellWhatTheyHoldAndDecideWithBoth() {
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder);
    frmKOScore& d = OpenScore(main, 0);  // game 49, 3-1
    const QString home = d.lblHomeTeam->text();
    const QString away = d.lblAwayTeam->text();
    for (QWidget* w : {static_cast<QWidget*>(d.txtHomePenalties), static_cast<QWidget*>(d.vscHomePenalties)})
      QCOMPARE(w->toolTip(), QStringLiteral("Penalties scored by %1 in the shoot-out (a level score only)").arg(home));
    QCOMPARE(d.txtAwayPenalties->toolTip(),
             QStringLiteral("Penalties scored by %1 in the shoot-out (a level score only)").arg(away));
    d.txtAwayScore->setText(QStringLiteral("3"));
    QVERIFY(d.txtHomePenalties->isEnabled() && d.ResultFrame->isHidden());
    d.txtHomePenalties->setText(QStringLiteral("4"));
    QCOMPARE(d.txtAwayPenalties->text(), QStringLiteral("0"));
    QVERIFY(!d.ResultFrame->isHidden());
    d.chkResult->setChecked(true);
    // The arrows may put "0" back into a box emptied once; emptied again it stays empty.
    for (int pass = 0; pass < 2; ++pass) d.txtAwayPenalties->setText(QString());
    QVERIFY(d.txtAwayPenalties->text().isEmpty());
    QVERIFY(!d.chkResult->isChecked() && d.ResultFrame->isHidden());
    d.txtAwayPenalties->setText(QStringLiteral("2"));
    QVERIFY(!d.ResultFrame->isHidden() && !d.chkResult->isChecked());
  }

  // Emptying a score of a level game with recorded kicks asks once; Cancel keeps the score and
  // the shoot-out, OK empties the shoot-out boxes, which then show what a save stores.
  void aScoreThatIsNoLongerLevelAsksOnce() {
    ProgramFolder folder;
    frmMain& main = StartWith2022(folder);
    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Cancel});
    frmKOScore& d = OpenScore(main, kFinal);
    QCOMPARE(boxes.Text(0), QStringLiteral("Penalty details have alreay been entered for this game\n\n"
                                           "If you change the shoot-out figures, or the score so that the game is no "
                                           "longer level, penalty details will be cleared"));
    d.txtHomeScore->setText(QString());
    QCOMPARE(boxes.Seen().size(), 2);
    QCOMPARE(boxes.Text(1), QStringLiteral("Changing the score here will clear details of penalties taken"));
    QCOMPARE(d.txtHomeScore->text(), QStringLiteral("3"));
    QCOMPARE(d.txtHomePenalties->text(), QStringLiteral("4"));
    QVERIFY(d.txtHomePenalties->isEnabled());

    boxes.Then(QMessageBox::Ok);
    d.txtHomeScore->setText(QString());
    QCOMPARE(boxes.Seen().size(), 3);
    QCOMPARE(d.txtHomeScore->text(), QStringLiteral("0"));  // the arrows wrote 0 back
    for (QLineEdit* pens : {d.txtHomePenalties, d.txtAwayPenalties}) {
      QVERIFY(pens->text().isEmpty());
      QVERIFY(!pens->isEnabled());
    }
  }

  void captionsNameTheStage() {
    const std::pair<int, const char*> cases[] = {{0, "Game 49: Round of 16"}, {7, "Game 56: Round of 16"},
                                                 {8, "Game 57: Quarter Final"}, {13, "Game 62: Semi Final"},
                                                 {14, "Game 63: Third Place"}, {15, "Game 64: The Final"}};
    for (const auto& [index, caption] : cases) QCOMPARE(KOGameCaption(index), QLatin1String(caption));
  }

  // Stadium addresses come from downloaded files: only a web address gets the button.
  void theWebSiteButtonOffersOnlyWebAddresses_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<bool>("offered");
    QTest::newRow("https") << "https://example.org/lusail" << true;
    QTest::newRow("http") << "http://example.org/lusail" << true;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("program") << "/usr/bin/xterm" << false;
  }
  void theWebSiteButtonOffersOnlyWebAddresses() {
    QFETCH(QString, link);
    QFETCH(bool, offered);
    ProgramFolder folder;
    QByteArray stadia = folder.Read(QStringLiteral("Data/stadia.xml"));
    stadia.replace("<town>Lusail</town>", "<town>Lusail</town><link>" + link.toUtf8() + "</link>");
    folder.Write(QStringLiteral("Data/stadia.xml"), stadia);
    frmMain& main = StartToMainWindow(folder);
    main.KOIndex = kFinal;
    frmKOGameFacts& d = frmKOGameFacts::Get();
    d.show();
    QCOMPARE(d.lblGFLink->text(), link);
    QCOMPARE(d.cmdStadiumWebSite->isVisible(), offered);
  }

  void theFactsOfAnUndecidedGameOfferNoScore() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    main.KOIndex = 14;
    frmKOGameFacts& d = frmKOGameFacts::Get();
    QCOMPARE(d.windowTitle(), QStringLiteral("Game 63: Third Place"));
    QVERIFY(d.ScoreFrame->isHidden() && d.cmdGFEnterScore->isHidden());
    QVERIFY(!d.lblGFAStadium->text().isEmpty());
    QVERIFY(d.GameFacts->title().contains(QStringLiteral(" v ")));
  }

  void lots() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    main.GroupTab->setCurrentIndex(5);  // group C
    bool titled = false;
    ModalDialog header(QStringLiteral("frmLots"), [&](QWidget& d) {
      titled = d.windowTitle() == QStringLiteral("Group C Lots");
      QTest::keyClick(&d, Qt::Key_Escape);
    });
    QHeaderView* columns = main.findChild<QTreeWidget*>(QStringLiteral("GroupTable"))->header();
    emit columns->sectionClicked(10);  // "Lot"
    QVERIFY(header.Seen() && titled);
    app_testing::ProcessDeletions();

    frmLots& d = frmLots::Get();
    QCOMPARE(d.windowTitle(), QStringLiteral("Group C Lots"));
    QTest::mouseClick(d.vscLot[0], Qt::LeftButton, {}, QPoint(8, 3));  // the upper arrow
    QCOMPARE(d.txtLot[0]->text(), QStringLiteral("1"));
    d.txtLot[1]->setText(QStringLiteral("7"));
    // Each box takes back its own last text; 10 and more are refused.
    for (const char* refused : {"12", "x", "-1"}) {
      d.txtLot[0]->setText(QLatin1String(refused));
      QCOMPARE(d.txtLot[0]->text(), QStringLiteral("1"));
    }
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(ToQ(gobjKelvane->GroupLots("C", 1).ToString()), QStringLiteral("1"));
    QCOMPARE(ToQ(gobjKelvane->GroupLots("C", 2).ToString()), QStringLiteral("7"));
    QCOMPARE(ToQ(gobjKelvane->GroupLots("C", 3).ToString()), QString());
  }

  // The group goes with the tab, not with what its caption reads (a translation, say).
  void lotsTakeTheShownGroupWhateverItsTabReads() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    for (int tab = 0; tab < main.GroupTab->count(); ++tab)
      main.GroupTab->setTabText(tab, QStringLiteral("Gruppe ") + main.GroupTab->tabText(tab));
    main.GroupTab->setCurrentIndex(5);  // group C
    frmLots& d = frmLots::Get();
    QCOMPARE(d.windowTitle(), QStringLiteral("Group C Lots"));
    QCOMPARE(d.lblTeam[0]->text(), ToQ(gobjKelvane->TeamName(gobjKelvane->GroupTeamID("C", 1))));
    d.txtLot[0]->setText(QStringLiteral("2"));
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(ToQ(gobjKelvane->GroupLots("C", 1).ToString()), QStringLiteral("2"));
  }

  // A lot of 10 or more from an older file shows as stored, and OK refuses it.
  void aStoredLotOfTenOrMoreIsShownAndRefused() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    main.GroupTab->setCurrentIndex(5);  // group C
    gobjKelvane->SetGroupLots("C", 1, kelvane::Variant("12"));
    frmLots& d = frmLots::Get();
    d.show();
    QCOMPARE(d.txtLot[0]->text(), QStringLiteral("12"));
    MessageBoxes boxes({QMessageBox::Ok});
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(boxes.Text(), QStringLiteral("Lots are numbers from 0 to 9"));
    QVERIFY(d.isVisible());
    QCOMPARE(ToQ(gobjKelvane->GroupLots("C", 1).ToString()), QStringLiteral("12"));
    d.txtLot[0]->setText(QStringLiteral("1"));
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(ToQ(gobjKelvane->GroupLots("C", 1).ToString()), QStringLiteral("1"));
  }

  // Lots that move a team redraw the schedule too (its selection goes); lots that move nobody
  // leave it.
  void lotsThatMoveATeamRedrawTheSchedule() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    main.GroupTab->setCurrentIndex(7);  // group A, no game played: all four level
    for (const auto& [lots, redrawn] : {std::pair{QStringList{"1", "2", "3", "4"}, true},
                                        std::pair{QStringList{"1", "2", "3", "4"}, false}}) {
      main.ScheduleList->setCurrentItem(main.ScheduleList->topLevelItem(3));
      frmLots& d = frmLots::Get();
      for (int i = 0; i < 4; ++i) d.txtLot[i]->setText(lots[i]);
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      app_testing::ProcessDeletions();
      QCOMPARE(main.ScheduleList->currentItem() == nullptr, redrawn);
    }
    QCOMPARE(ToQ(gobjKelvane->GroupPos("A", 4)), QStringLiteral("4"));
  }
};

QTEST_MAIN(KnockoutEntryTest)
#include "knockout_entry_test.moc"

// The group score dialog with the real engine on a temporary copy of the shipped data: entering,
// changing and clearing a result, the entry rules, the refusals and questions, players added
// through "[New]", and a stored game that survives the dialog unchanged.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/entry/frm_add_player.h"
#include "app/entry/frm_group_score.h"
#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/shell/groups_view.h"
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

const QString kCannotSave = QStringLiteral("Cannot save score unless either both scores are entered, or neither");

frmGroupScore& OpenScore(frmMain& main, const std::string& game_id) {
  main.GameID = game_id;
  frmGroupScore& dialog = frmGroupScore::Get();
  dialog.show();
  return dialog;
}

QComboBox* Scorer(QWidget& d, const char* side, int row) {
  return Control<QComboBox>(d, QStringLiteral("cbo%1Player_%2").arg(QLatin1String(side)).arg(row));
}
QCheckBox* OG(QWidget& d, const char* side, int row) {
  return Control<QCheckBox>(d, QStringLiteral("chk%1OG_%2").arg(QLatin1String(side)).arg(row));
}
QCheckBox* Pen(QWidget& d, const char* side, int row) {
  return Control<QCheckBox>(d, QStringLiteral("chk%1Pen_%2").arg(QLatin1String(side)).arg(row));
}
QLineEdit* Mins(QWidget& d, const char* side, int row) {
  return Control<QLineEdit>(d, QStringLiteral("txt%1Mins_%2").arg(QLatin1String(side)).arg(row));
}
void Choose(QComboBox* list, const char* player_id) {
  const int index = list->findData(QLatin1String(player_id));
  if (index < 0) qFatal("%s is not offered", player_id);
  list->setCurrentIndex(index);
}
QString GoalText(const std::string& game, const std::string& team, int n, const char* key) {
  return ToQ(gobjKelvane->Goal(game, team, static_cast<int16_t>(n), key).ToString());
}
// Every goal of a side as "playerid og pen minutes", in stored order.
QStringList Goals(const std::string& game, const std::string& team) {
  QStringList goals;
  const int n = ToQ(gobjKelvane->Results(game, "f", team).ToString()).toInt();
  for (int i = 1; i <= n; ++i)
    goals << QStringList{GoalText(game, team, i, "playerid"), GoalText(game, team, i, "og"),
                         GoalText(game, team, i, "pen"), GoalText(game, team, i, "minutes")}
                 .join(QLatin1Char(' '));
  return goals;
}
QString Score(const std::string& game) {
  return ToQ(gobjKelvane->Results(game, "f", gobjKelvane->HomeTeam(kelvane::Variant(game))).ToString()) +
         QLatin1Char('-') +
         ToQ(gobjKelvane->Results(game, "f", gobjKelvane->AwayTeam(kelvane::Variant(game))).ToString());
}
// The group row of a team: points and goals for and against.
QString GroupRow(const std::string& team) {
  for (int16_t i = 1; i <= 4; ++i)
    if (gobjKelvane->GroupTeamID("A", i) == team)
      return QStringLiteral("%1 %2:%3")
          .arg(gobjKelvane->GroupPts("A", i))
          .arg(gobjKelvane->GroupF("A", i))
          .arg(gobjKelvane->GroupA("A", i));
  return QString();
}
bool ResultsMarkShown(frmMain& main) {
  QAction* button = main.tbrMain->findChild<QAction*>(QStringLiteral("tbrMain_1"));
  return main.SaveResults->isEnabled() && button && button->isEnabled();
}

// Qatar 0-2 Ecuador, the goals typed in the wrong order: the save puts them in minute order.
void EnterQatarEcuador(frmMain& main) {
  frmGroupScore& d = OpenScore(main, "A1");
  d.txtAwayScore->setText(QStringLiteral("2"));
  Choose(Scorer(d, "Away", 0), "ECU13");
  Mins(d, "Away", 0)->setText(QStringLiteral("31"));
  Choose(Scorer(d, "Away", 1), "ECU13");
  Pen(d, "Away", 1)->setChecked(true);
  Mins(d, "Away", 1)->setText(QStringLiteral("16"));
  d.chkResult->setChecked(true);
  QTest::mouseClick(d.cmdOK, Qt::LeftButton);
}

}  // namespace

class GroupScoreTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    if (frmGroupScore::IsLoaded()) frmGroupScore::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  void aGameWithoutResultOpensAtNilNil() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    frmGroupScore& d = OpenScore(main, "A1");
    QCOMPARE(d.windowTitle(), QStringLiteral("Group A Score"));
    QCOMPARE(d.lblHomeTeam->text(), ToQ(gobjKelvane->TeamName("QAT")));
    QCOMPARE(d.lblAwayTeam->text(), ToQ(gobjKelvane->TeamName("ECU")));
    QCOMPARE(d.txtHomeScore->text(), QStringLiteral("0"));
    QCOMPARE(d.txtAwayScore->text(), QStringLiteral("0"));
    QVERIFY(d.HomeGoalFrame->isHidden() && d.AwayGoalFrame->isHidden() && d.MidFrame->isHidden());
    QVERIFY(!d.ResultFrame->isHidden());
    QVERIFY(!d.chkResult->isChecked());
    QVERIFY(d.cmdApply->isEnabled());
    const int nil_nil = d.height();
    d.txtHomeScore->setText(QStringLiteral("1"));
    QCOMPARE(d.height(), nil_nil + d.HomeGoalFrame->height());
    QCOMPARE(d.ButtonFrame->y(), d.HomeGoalFrame->mapTo(&d, QPoint(0, d.HomeGoalFrame->height())).y() + 5);
  }

  void enterChangeAndClearAResult() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    QVERIFY(!ResultsMarkShown(main));

    EnterQatarEcuador(main);
    QVERIFY(!frmGroupScore::IsLoaded());
    QCOMPARE(Score("A1"), QStringLiteral("0-2"));
    QCOMPARE(Goals("A1", "ECU"), (QStringList{"ECU13  1 16", "ECU13   31"}));
    QVERIFY(gobjKelvane->Result("A1"));
    QCOMPARE(GroupRow("ECU"), QStringLiteral("3 2:0"));
    QCOMPARE(GroupRow("QAT"), QStringLiteral("0 0:2"));
    QVERIFY(ResultsMarkShown(main));

    // Reopened, the stored goals fill the rows; Qatar gets an own goal by an Ecuador player.
    frmGroupScore& d = OpenScore(main, "A1");
    QVERIFY(!d.cmdApply->isEnabled());
    QVERIFY(d.chkResult->isChecked());
    QCOMPARE(ToStd(Scorer(d, "Away", 0)->currentData().toString()), std::string("ECU13"));
    QVERIFY(Pen(d, "Away", 0)->isChecked());
    QCOMPARE(Mins(d, "Away", 1)->text(), QStringLiteral("31"));
    d.txtHomeScore->setText(QStringLiteral("1"));
    OG(d, "Home", 0)->setChecked(true);
    Choose(Scorer(d, "Home", 0), "ECU02");
    Mins(d, "Home", 0)->setText(QStringLiteral("70"));
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(Score("A1"), QStringLiteral("1-2"));
    QCOMPARE(Goals("A1", "QAT"), QStringList{"ECU02 1  70"});
    QCOMPARE(Goals("A1", "ECU"), (QStringList{"ECU13  1 16", "ECU13   31"}));
    QCOMPARE(GroupRow("QAT"), QStringLiteral("0 1:2"));

    // Clear, then OK: the result goes and the group is recomputed without it.
    frmGroupScore& again = OpenScore(main, "A1");
    QTest::mouseClick(again.cmdClear, Qt::LeftButton);
    QVERIFY(again.txtHomeScore->text().isEmpty() && again.txtAwayScore->text().isEmpty());
    QVERIFY(again.HomeGoalFrame->isHidden() && again.AwayGoalFrame->isHidden());
    QVERIFY(again.ResultFrame->isHidden() && !again.chkResult->isChecked());
    QVERIFY(again.cmdApply->isEnabled());
    QTest::mouseClick(again.cmdOK, Qt::LeftButton);
    QVERIFY(gobjKelvane->Results("A1", "f", "QAT").IsEmpty());
    QVERIFY(!gobjKelvane->Result("A1"));
    QCOMPARE(GroupRow("ECU"), QStringLiteral("0 0:0"));
  }

  void oneEmptyScoreIsRefusedByOkAndApply_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("OK") << "cmdOK";
    QTest::newRow("Apply") << "cmdApply";
  }
  void oneEmptyScoreIsRefusedByOkAndApply() {
    QFETCH(QString, button);
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    EnterQatarEcuador(main);
    main.SaveResults->setEnabled(false);
    frmGroupScore& d = OpenScore(main, "A1");
    d.txtHomeScore->setText(QStringLiteral("1"));  // a change, so Apply is enabled
    d.txtHomeScore->setText(QString());
    d.txtHomeScore->setText(QString());  // the first emptying leaves "0"
    QVERIFY(d.txtHomeScore->text().isEmpty());
    MessageBoxes boxes({QMessageBox::Ok});
    QTest::mouseClick(Control<QPushButton>(d, button), Qt::LeftButton);
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Text(), kCannotSave);
    QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Critical);
    QVERIFY(frmGroupScore::IsLoaded());
    QVERIFY(d.cmdApply->isEnabled());
    QCOMPARE(Score("A1"), QStringLiteral("0-2"));
    QCOMPARE(Goals("A1", "ECU").size(), 2);
    QVERIFY(!main.SaveResults->isEnabled());
  }

  void applySavesAndKeepsTheDialogOpen() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    frmGroupScore& d = OpenScore(main, "A2");
    d.txtHomeScore->setText(QStringLiteral("3"));
    QTest::mouseClick(d.cmdApply, Qt::LeftButton);
    QVERIFY(frmGroupScore::IsLoaded());
    QVERIFY(!d.cmdApply->isEnabled());
    QCOMPARE(Score("A2"), QStringLiteral("3-0"));
    QCOMPARE(Goals("A2", gobjKelvane->HomeTeam(kelvane::Variant("A2"))), (QStringList{"   ", "   ", "   "}));
    // Nothing pending: Cancel and Esc close without a question.
    MessageBoxes boxes;
    QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
    QVERIFY(!frmGroupScore::IsLoaded());
    QVERIFY(boxes.Seen().isEmpty());
  }

  void cancelAndEscAskWhileChangesArePending_data() {
    QTest::addColumn<bool>("esc");
    QTest::newRow("Cancel") << false;
    QTest::newRow("Esc") << true;
  }
  void cancelAndEscAskWhileChangesArePending() {
    QFETCH(bool, esc);
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    frmGroupScore& d = OpenScore(main, "A1");
    d.txtHomeScore->setText(QStringLiteral("4"));
    auto cancel = [&] {
      if (esc)
        QTest::keyClick(d.txtHomeScore, Qt::Key_Escape);
      else
        QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
    };
    MessageBoxes boxes({QMessageBox::No, QMessageBox::Yes});
    cancel();
    QCOMPARE(boxes.Text(0), QStringLiteral("Are you sure?"));
    QCOMPARE(boxes.Seen()[0].icon, QMessageBox::NoIcon);
    QVERIFY(frmGroupScore::IsLoaded());
    QCOMPARE(d.txtHomeScore->text(), QStringLiteral("4"));
    cancel();
    QCOMPARE(boxes.Seen().size(), 2);
    QVERIFY(!frmGroupScore::IsLoaded());
    QVERIFY(gobjKelvane->Results("A1", "f", "QAT").IsEmpty());
    QVERIFY(!gobjKelvane->ResultsChanged());
  }

  void closeBoxSavesAndAsksNothing() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    frmGroupScore& d = OpenScore(main, "A1");
    d.txtHomeScore->setText(QStringLiteral("4"));
    MessageBoxes boxes;
    d.close();
    QVERIFY(!frmGroupScore::IsLoaded());
    QVERIFY(boxes.Seen().isEmpty());
    QVERIFY(gobjKelvane->Results("A1", "f", "QAT").IsEmpty());
  }

  // What a score box keeps after each text; "" means the text was taken back.
  void scoreBoxRules_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    for (const char* bad : {"-0", "+5", " 5", ".5", "9e1", "123", "x"}) QTest::newRow(bad) << bad << "3";
    QTest::newRow("07, written back by the arrows") << "07" << "7";
    QTest::newRow("10") << "10" << "10";
  }
  void scoreBoxRules() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    frmGroupScore& d = OpenScore(main, "A1");
    d.txtHomeScore->setText(QStringLiteral("3"));
    const int rows_height = d.HomeGoalFrame->height();
    d.txtHomeScore->setText(typed);
    QCOMPARE(d.txtHomeScore->text(), shown);
    QCOMPARE(d.vscHomeScore->Value(), shown.toInt());
    if (shown == QLatin1String("3")) QCOMPARE(d.HomeGoalFrame->height(), rows_height);
  }

  void minuteBoxRules() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    frmGroupScore& d = OpenScore(main, "A1");
    d.txtHomeScore->setText(QStringLiteral("1"));
    d.cmdApply->setEnabled(false);
    QLineEdit* mins = Mins(d, "Home", 0);
    mins->setText(QStringLiteral("45"));
    QVERIFY(d.cmdApply->isEnabled());
    for (const char* bad : {"-1", "x", "1234", "4.5", " 9"}) {
      d.cmdApply->setEnabled(false);
      mins->setText(QLatin1String(bad));
      QCOMPARE(mins->text(), QStringLiteral("45"));
      QVERIFY2(!d.cmdApply->isEnabled(), bad);
    }
    for (const char* good : {"90", "0", ""}) {
      mins->setText(QLatin1String(good));
      QCOMPARE(mins->text(), QLatin1String(good));
    }
  }

  // Typed key by key, "91" stays in the box as typed, marked, instead of a stored "9": OK and
  // Apply refuse it and store nothing until the minute is mended.
  void aMinuteOutOfRangeIsKeptAndRefused() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    frmGroupScore& d = OpenScore(main, "A1");
    d.show();
    d.txtHomeScore->setText(QStringLiteral("1"));
    d.txtAwayScore->setText(QStringLiteral("0"));
    Choose(Scorer(d, "Home", 0), "QAT19");
    QLineEdit* mins = Mins(d, "Home", 0);
    const QColor plain = mins->palette().color(QPalette::Base);
    mins->setFocus();
    QTest::keyClicks(mins, QStringLiteral("91"));
    QCOMPARE(mins->text(), QStringLiteral("91"));
    QVERIFY(mins->palette().color(QPalette::Base) != plain);
    QCOMPARE(mins->toolTip(), QStringLiteral("Minutes run from 0 to 90"));
    {
      MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});
      QTest::mouseClick(d.cmdApply, Qt::LeftButton);
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Seen().size(), 2);
      for (int i = 0; i < 2; ++i) {
        QVERIFY(boxes.Text(i).startsWith(QStringLiteral("The minute of a goal must be from 0 to 90")));
        QCOMPARE(boxes.Seen()[i].icon, QMessageBox::Critical);
      }
    }
    QVERIFY(frmGroupScore::IsLoaded());
    QCOMPARE(d.focusWidget(), mins);
    QVERIFY(gobjKelvane->Results("A1", "f", "QAT").IsEmpty());
    QTest::keyClicks(mins, QStringLiteral("9"));  // over the refused minute, which the refusal selected
    QCOMPARE(mins->palette().color(QPalette::Base), plain);
    QVERIFY(mins->toolTip().isEmpty());
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QVERIFY(!frmGroupScore::IsLoaded());
    QCOMPARE(GoalText("A1", "QAT", 1, "minutes"), QStringLiteral("9"));
  }

  void scoreQuestionAndSpin() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    frmGroupScore& d = OpenScore(main, "A1");
    d.txtHomeScore->setText(QStringLiteral("1"));
    {
      MessageBoxes boxes({QMessageBox::No});
      d.txtHomeScore->setText(QStringLiteral("11"));
      QCOMPARE(boxes.Text(), QStringLiteral("Are you sure %1 scored 11?").arg(d.lblHomeTeam->text()));
      QCOMPARE(d.txtHomeScore->text(), QStringLiteral("1"));
      QCOMPARE(d.vscHomeScore->Value(), 1);
    }
    {
      MessageBoxes boxes({QMessageBox::Yes});
      d.txtHomeScore->setText(QStringLiteral("12"));
      QCOMPARE(boxes.Seen().size(), 1);
      QCOMPARE(d.txtHomeScore->text(), QStringLiteral("12"));
      QCOMPARE(d.vscHomeScore->Value(), 12);
    }
    MessageBoxes none;
    d.vscHomeScore->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // down: 11, no question
    QCOMPARE(d.txtHomeScore->text(), QStringLiteral("11"));
    QVERIFY(none.Seen().isEmpty());
    d.txtHomeScore->setText(QStringLiteral("2"));
    d.txtHomeScore->setText(QString());
    QCOMPARE(d.txtHomeScore->text(), QStringLiteral("0"));  // the arrows stood at 2
    d.txtHomeScore->setText(QString());
    QCOMPARE(d.txtHomeScore->text(), QString());
    d.vscHomeScore->triggerAction(QAbstractSlider::SliderSingleStepSub);  // up
    QCOMPARE(d.txtHomeScore->text(), QStringLiteral("1"));
  }

  void aStoredScoreOfElevenAsksAtLoad() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    gobjKelvane->GroupScore("A1", 11, 0);
    MessageBoxes boxes({QMessageBox::No});
    frmGroupScore& d = OpenScore(main, "A1");
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(d.txtHomeScore->text(), QStringLiteral("0"));
    QVERIFY(d.cmdApply->isEnabled());
  }

  void rowsGrowAndHideWithTheirContents() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    frmGroupScore& d = OpenScore(main, "A1");
    d.txtHomeScore->setText(QStringLiteral("2"));
    const int two_rows = d.height();
    Choose(Scorer(d, "Home", 1), "QAT19");
    Mins(d, "Home", 1)->setText(QStringLiteral("88"));
    d.txtHomeScore->setText(QStringLiteral("3"));
    QCOMPARE(d.height(), two_rows + entry::GoalRowPanel::kRowPitch);
    QCOMPARE(Mins(d, "Home", 2)->y() - Mins(d, "Home", 0)->y(), 2 * entry::GoalRowPanel::kRowPitch);
    d.txtHomeScore->setText(QStringLiteral("1"));
    QVERIFY(Scorer(d, "Home", 1)->isHidden() && Mins(d, "Home", 2)->isHidden());
    d.txtHomeScore->setText(QStringLiteral("3"));
    QVERIFY(!Scorer(d, "Home", 1)->isHidden());
    QCOMPARE(ToStd(Scorer(d, "Home", 1)->currentData().toString()), std::string("QAT19"));
    QCOMPARE(Mins(d, "Home", 1)->text(), QStringLiteral("88"));
    // Goals on one side only: the taller side sets the height; both at 0 leave it.
    d.txtAwayScore->setText(QStringLiteral("1"));
    QCOMPARE(d.height(), two_rows + entry::GoalRowPanel::kRowPitch);
    d.txtHomeScore->setText(QStringLiteral("0"));
    QCOMPARE(d.height(), two_rows - entry::GoalRowPanel::kRowPitch);
    d.txtAwayScore->setText(QStringLiteral("0"));
    QCOMPARE(d.height(), two_rows - entry::GoalRowPanel::kRowPitch);
    QVERIFY(d.MidFrame->isHidden());
  }

  void ownGoalAndPenaltyExcludeEachOther() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    frmGroupScore& d = OpenScore(main, "A1");
    d.txtHomeScore->setText(QStringLiteral("1"));
    Pen(d, "Home", 0)->setChecked(true);
    OG(d, "Home", 0)->setChecked(true);
    QVERIFY(!Pen(d, "Home", 0)->isChecked());
    QVERIFY(Scorer(d, "Home", 0)->findData(QStringLiteral("ECU13")) > 0);
    QCOMPARE(Scorer(d, "Home", 0)->findData(QStringLiteral("QAT19")), -1);
    Choose(Scorer(d, "Home", 0), "ECU13");
    Pen(d, "Home", 0)->setChecked(true);
    QVERIFY(!OG(d, "Home", 0)->isChecked());
    QVERIFY(Scorer(d, "Home", 0)->findData(QStringLiteral("QAT19")) > 0);
    QCOMPARE(Scorer(d, "Home", 0)->currentIndex(), 0);
    // A full squad offers no "[New]".
    QCOMPARE(Scorer(d, "Home", 0)->findText(QStringLiteral("[New]")), -1);
  }

  // Opening a stored game changes nothing; a re-save keeps scorers by id (also two of one name
  // and one no longer in the squad), goal order and marks.
  void aStoredGameSurvivesTheDialog() {
    ProgramFolder folder;
    QByteArray players = folder.Read(QStringLiteral("Data/players.xml"));
    players.replace("Youssef EN NESYRI", "Hakim ZIYECH");
    folder.Write(QStringLiteral("Data/players.xml"), players);
    QByteArray results = folder.Read(QStringLiteral("Results/Tournament 2022.xml"));
    results.replace("<playerid>MAR05</playerid>", "<playerid>MAR88</playerid>");
    folder.Write(QStringLiteral("Results/Tournament 2022.xml"), results);
    frmMain& main = StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    const QStringList canada{"MAR88 1  40"};
    const QStringList morocco{"MAR07   4", "MAR19   23"};
    QCOMPARE(Goals("F6", "CAN"), canada);
    QCOMPARE(Goals("F6", "MAR"), morocco);

    frmGroupScore& d = OpenScore(main, "F6");
    QVERIFY(!d.cmdApply->isEnabled());
    QCOMPARE(Scorer(d, "Home", 0)->currentText(), QStringLiteral("Nayef AGUERD"));
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QVERIFY(!gobjKelvane->ResultsChanged());

    frmGroupScore& again = OpenScore(main, "F6");
    again.chkResult->setChecked(false);
    again.chkResult->setChecked(true);
    QVERIFY(again.cmdApply->isEnabled());
    QTest::mouseClick(again.cmdOK, Qt::LeftButton);
    QCOMPARE(Score("F6"), QStringLiteral("1-2"));
    QCOMPARE(Goals("F6", "CAN"), canada);
    QCOMPARE(Goals("F6", "MAR"), morocco);
    QCOMPARE(GoalText("F6", "CAN", 1, "playername"), QStringLiteral("Nayef AGUERD"));
    QVERIFY(gobjKelvane->Result("F6"));
  }

  // The main window follows a save: the schedule, group A's table and game panels, the
  // statistics and the unsaved mark.
  void theMainWindowFollowsTheSave() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    main.MainTab->setCurrentIndex(1);
    main.GroupTab->setCurrentIndex(7);  // group A
    main.ShowGameFacts("A1");
    EnterQatarEcuador(main);

    QTreeWidgetItem* game = nullptr;
    for (int i = 0; i < main.ScheduleList->topLevelItemCount(); ++i)
      if (main.ScheduleList->topLevelItem(i)->text(schedule_column::GameID) == QLatin1String("A1"))
        game = main.ScheduleList->topLevelItem(i);
    QVERIFY(game);
    QCOMPARE(game->text(schedule_column::H) + QLatin1Char('-') + game->text(schedule_column::A), QStringLiteral("0-2"));

    QTreeWidget* table = main.groupsView->GroupTable;
    QCOMPARE(table->topLevelItemCount(), 4);
    QTreeWidgetItem* top = table->topLevelItem(0);
    QCOMPARE(top->text(group_table_column::Team), ToQ(gobjKelvane->TeamName("ECU")));
    QCOMPARE(top->text(group_table_column::Pts), QStringLiteral("3"));
    QCOMPARE(top->text(group_table_column::F), QStringLiteral("2"));
    QVERIFY(!main.ScoreFrame->isHidden());
    QCOMPARE(main.groupsView->lblAwayScore->text(), QStringLiteral("2"));

    const int16_t valencia = gobjKelvane->PlayerTotalsIndex("ECU13");
    QVERIFY(valencia > 0);
    QCOMPARE(gobjKelvane->PlayerTotals(0, 0, valencia), int16_t(2));
    QCOMPARE(gobjKelvane->PlayerTotals(0, 1, valencia), int16_t(1));
    QVERIFY(ResultsMarkShown(main));
  }

  // Enter Score, Change Score and a double click on the group's game open the dialog, modal.
  void theGroupsViewOpensTheDialog() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    main.MainTab->setCurrentIndex(1);
    main.GroupTab->setCurrentIndex(7);
    QTreeWidget* games = main.groupsView->GroupSchedule;
    QTreeWidgetItem* a1 = games->findItems(QStringLiteral("A1"), Qt::MatchExactly, kGroupScheduleGameIDColumn).value(0);
    QVERIFY(a1);
    games->setCurrentItem(a1);
    emit games->itemClicked(a1, 0);
    QCOMPARE(main.GameID, std::string("A1"));
    auto enter = [](const char* score) {
      return [score](QWidget& w) {
        auto& d = static_cast<frmGroupScore&>(w);
        d.txtAwayScore->setText(QLatin1String(score));
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      };
    };
    {
      ModalDialog dialog(QStringLiteral("frmGroupScore"), enter("1"));
      QTest::mouseClick(main.groupsView->cmdGFEnterScore, Qt::LeftButton);
      QVERIFY(dialog.Seen());
    }
    QCOMPARE(Score("A1"), QStringLiteral("0-1"));
    QVERIFY(!main.ScoreFrame->isHidden());
    {
      ModalDialog dialog(QStringLiteral("frmGroupScore"), enter("2"));
      QTest::mouseClick(main.groupsView->cmdChangeScore, Qt::LeftButton);
      QVERIFY(dialog.Seen());
    }
    QCOMPARE(Score("A1"), QStringLiteral("0-2"));
    {
      ModalDialog dialog(QStringLiteral("frmGroupScore"), enter("3"));
      a1 = games->findItems(QStringLiteral("A1"), Qt::MatchExactly, kGroupScheduleGameIDColumn).value(0);
      emit games->itemDoubleClicked(a1, 0);
      QVERIFY(dialog.Seen());
    }
    QCOMPARE(Score("A1"), QStringLiteral("0-3"));
    QCOMPARE(main.groupsView->lblAwayScore->text(), QStringLiteral("3"));
  }

  // The panel is redrawn for a stored score and hidden once the result is removed.
  void scorePanelFollowsTheSave() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    EnterQatarEcuador(main);
    main.ScoreFrame->show();
    frmGroupScore& d = OpenScore(main, "A1");
    QTest::mouseClick(d.cmdClear, Qt::LeftButton);
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QVERIFY(main.ScoreFrame->isHidden());
  }

  void aPlayerAddedThroughNew() {
    ProgramFolder folder;
    // Qatar's squad cut to 20, so its lists offer "[New]".
    QString players = QString::fromUtf8(folder.Read(QStringLiteral("Data/players.xml")));
    players.remove(QRegularExpression(QStringLiteral("<player playerid=\"QAT2[1-6]\">.*?</player>\\s*"),
                                      QRegularExpression::DotMatchesEverythingOption));
    folder.Write(QStringLiteral("Data/players.xml"), players.toUtf8());
    frmMain& main = StartToMainWindow(folder);
    frmGroupScore& d = OpenScore(main, "A1");
    d.txtHomeScore->setText(QStringLiteral("2"));
    d.txtAwayScore->setText(QStringLiteral("1"));
    Choose(Scorer(d, "Home", 0), "QAT19");
    OG(d, "Away", 0)->setChecked(true);  // an Ecuador own goal by a Qatar player
    d.cmdApply->setEnabled(false);

    QString caption;
    ModalDialog add(QStringLiteral("frmAddPlayer"), [&](QWidget& w) {
      auto& dialog = static_cast<frmAddPlayer&>(w);
      caption = dialog.windowTitle();
      dialog.txtName->setText(QStringLiteral("New Striker"));
      dialog.cboShirt->setCurrentText(QStringLiteral("22"));
      QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    });
    QComboBox* asking = Scorer(d, "Home", 1);
    asking->setCurrentIndex(asking->findText(QStringLiteral("[New]")));
    QVERIFY(add.Seen());
    QCOMPARE(caption, QStringLiteral("Add Player to ") + d.lblHomeTeam->text());
    QCOMPARE(ToStd(asking->currentData().toString()), std::string("QAT22"));
    QCOMPARE(asking->currentText(), QStringLiteral("New Striker"));
    QCOMPARE(ToStd(Scorer(d, "Home", 0)->currentData().toString()), std::string("QAT19"));
    QVERIFY(Scorer(d, "Away", 0)->findData(QStringLiteral("QAT22")) > 0);
    QVERIFY(d.cmdApply->isEnabled());
    QVERIFY(folder.Read(QStringLiteral("Data/players.xml")).contains("New Striker"));
    QVERIFY(gobjKelvane->PlayerExists("QAT22"));

    // Esc out of the add dialog: the list goes back to its empty item and nothing is added.
    d.cmdApply->setEnabled(false);
    ModalDialog esc(QStringLiteral("frmAddPlayer"), [](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); });
    QComboBox* other = Scorer(d, "Away", 0);
    other->setCurrentIndex(other->findText(QStringLiteral("[New]")));
    QVERIFY(esc.Seen());
    QCOMPARE(other->currentIndex(), 0);
    QVERIFY(!d.cmdApply->isEnabled());
    QVERIFY(!frmAddPlayer::InUse());
  }

  // A minute typed "05" is stored and shown as 5, as the score boxes are.
  void aMinuteIsSavedAsItsNumber() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    frmGroupScore& d = OpenScore(main, "B1");
    d.txtHomeScore->setText(QStringLiteral("1"));
    d.txtAwayScore->setText(QStringLiteral("0"));
    QLineEdit* minute = Control<QLineEdit>(d, QStringLiteral("txtHomeMins_0"));
    minute->setText(QStringLiteral("05"));
    QTest::mouseClick(d.cmdApply, Qt::LeftButton);
    QCOMPARE(gobjKelvane->Goal("B1", "ENG", 1, "minutes").ToString(), std::string("5"));
    QCOMPARE(minute->text(), QStringLiteral("5"));
    QVERIFY(!d.cmdApply->isEnabled());
  }

  // The shipped Iran squad has 25 players: its lists offer "[New]" and shirt 26.
  void aShippedSquadOfTwentyFiveGainsAPlayer() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    frmGroupScore& d = OpenScore(main, "B1");
    d.txtHomeScore->setText(QStringLiteral("0"));
    d.txtAwayScore->setText(QStringLiteral("1"));
    QComboBox* asking = Scorer(d, "Away", 0);
    QCOMPARE(Scorer(d, "Away", 0)->count(), 25 + 2);
    QStringList shirts;
    ModalDialog add(QStringLiteral("frmAddPlayer"), [&](QWidget& w) {
      auto& dialog = static_cast<frmAddPlayer&>(w);
      for (int i = 0; i < dialog.cboShirt->count(); ++i) shirts << dialog.cboShirt->itemText(i);
      dialog.txtName->setText(QStringLiteral("New Striker"));
      dialog.cboShirt->setCurrentText(QStringLiteral("26"));
      QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    });
    asking->setCurrentIndex(asking->findText(QStringLiteral("[New]")));
    QVERIFY(add.Seen());
    QCOMPARE(shirts, QStringList{QStringLiteral("26")});
    QCOMPARE(ToStd(asking->currentData().toString()), std::string("IRN26"));
    QCOMPARE(asking->findText(QStringLiteral("[New]")), -1);  // the squad is full now
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    QCOMPARE(gobjKelvane->Goal("B1", "IRN", 1, "playerid").ToString(), std::string("IRN26"));
    QCOMPARE(gobjKelvane->PlayerShirt("IRN26"), std::string("26"));
    QVERIFY(folder.Read(QStringLiteral("Data/players.xml")).contains("New Striker"));
  }
};

QTEST_MAIN(GroupScoreTest)
#include "group_score_test.moc"

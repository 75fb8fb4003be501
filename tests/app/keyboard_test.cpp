// The keyboard on the real engine and a temporary copy of the shipped data: Enter on a focused
// button presses that button, Enter on a list row opens it as a double click does, and a row
// chosen with the arrows is the row that a click would have chosen.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/entry/frm_group_score.h"
#include "app/entry/frm_ko_game_facts.h"
#include "app/entry/frm_ko_score.h"
#include "app/entry/frm_lots.h"
#include "app/entry/frm_penalties.h"
#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/shell/groups_view.h"
#include "app/shell/schedule_view.h"
#include "app/sweeps/frm_member_details.h"
#include "app/sweeps/frm_members.h"
#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/frm_team_list_entry.h"
#include "tests/app/support/controls.h"
#include "tests/app/support/list_cells.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"
#include "tests/app/support/sweeps_files.h"

using namespace pitchlog;
using app_testing::Control;
using app_testing::MessageBoxes;
using app_testing::OnModal;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;

namespace {

constexpr int16_t kFinal = 15;

void PressEnter(QWidget* widget) { QTest::keyClick(widget, Qt::Key_Return); }

int GroupTabOf(const frmMain& main, QChar group) {
  for (int i = 0; i < main.GroupTab->count(); ++i)
    if (main.GroupTab->tabText(i) == group) return i;
  qFatal("no group tab");
}

QTreeWidgetItem* GameRow(QTreeWidget* games, const char* game_id) {
  const auto rows = games->findItems(QLatin1String(game_id), Qt::MatchExactly, kGroupScheduleGameIDColumn);
  if (rows.isEmpty()) qFatal("no game %s", game_id);
  return rows.first();
}

// Opens one of the entry dialogs with one change made, so that Cancel asks and Penalties refuses.
QDialog& OpenWithAChange(frmMain& main, const QString& dialog) {
  if (dialog == QLatin1String("frmGroupScore")) {
    main.GameID = "B1";
    frmGroupScore& d = frmGroupScore::Get();
    d.show();
    Control<QLineEdit>(d, QStringLiteral("txtHomeMins_0"))->setText(QStringLiteral("7"));
    return d;
  }
  if (dialog == QLatin1String("frmLots")) {
    main.GroupTab->setCurrentIndex(GroupTabOf(main, QLatin1Char('C')));
    frmLots& d = frmLots::Get();
    d.show();
    d.txtLot[0]->setText(QStringLiteral("2"));
    return d;
  }
  main.KOIndex = kFinal;
  frmKOScore& score = frmKOScore::Get();
  score.show();
  if (dialog == QLatin1String("frmKOScore")) {
    Control<QLineEdit>(score, QStringLiteral("txtHomeMins_1"))->setText(QStringLiteral("35"));
    return score;
  }
  frmPenalties& d = frmPenalties::Get();
  d.show();
  Control<QCheckBox>(d, QStringLiteral("chkAwayPen_1"))->setChecked(true);
  return d;
}

// The widgets that Tab visits from the first, in order, by their names.
QStringList TabWalk(QWidget* first) {
  auto visited = [](const QWidget* w) { return w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus); };
  QStringList names;
  QWidget* w = first;
  do {
    if (visited(w)) names << w->objectName();
    w = w->nextInFocusChain();
  } while (w != first);
  return names;
}

// The same names, less those that Tab passes over (hidden, disabled or taking no focus).
QStringList Visited(const QWidget& d, const QStringList& names) {
  QStringList kept;
  for (const QString& name : names) {
    const QWidget* w = Control<QWidget>(d, name);
    if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) kept << name;
  }
  return kept;
}

QStringList RowNames(const char* side, int rows, std::initializer_list<const char*> columns) {
  QStringList names;
  for (int row = 0; row < rows; ++row)
    for (const char* column : columns) names << QString::fromLatin1(column).arg(QLatin1String(side)) + QStringLiteral("_%1").arg(row);
  return names;
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    frmPenalties::Unload();
    frmKOScore::Unload();
    frmKOGameFacts::Unload();
    frmGroupScore::Unload();
    frmLots::Unload();
    frmSweeps::Unload();
    frmMembers::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  void enterPressesTheFocusedButton_data() {
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("button");
    for (const char* button : {"cmdClear", "cmdApply", "cmdCancel"}) {
      for (const char* dialog : {"frmGroupScore", "frmKOScore", "frmPenalties"})
        QTest::addRow("%s %s", dialog, button) << dialog << button;
    }
    QTest::newRow("frmKOScore cmdPenalties") << "frmKOScore" << "cmdPenalties";
    QTest::newRow("frmLots cmdClear") << "frmLots" << "cmdClear";
    QTest::newRow("frmLots cmdCancel") << "frmLots" << "cmdCancel";
  }
  // Cancel then asks "Are you sure?" (answered No) and Penalties refuses the unapplied change;
  // OK never runs, so nothing is saved that the button would not save.
  void enterPressesTheFocusedButton() {
    QFETCH(QString, dialog);
    QFETCH(QString, button);
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    MessageBoxes boxes({QMessageBox::No, QMessageBox::No, QMessageBox::No});
    QDialog& d = OpenWithAChange(main, dialog);
    QPushButton* pressed = Control<QPushButton>(d, button);
    QSignalSpy pressed_spy(pressed, &QPushButton::clicked);
    QSignalSpy ok_spy(Control<QPushButton>(d, QStringLiteral("cmdOK")), &QPushButton::clicked);
    const QString minute = ToQ(gobjKelvane->Goal("B1", "ENG", 1, "minutes").ToString());
    pressed->setFocus();
    PressEnter(pressed);
    QCOMPARE(pressed_spy.count(), 1);
    QCOMPARE(ok_spy.count(), 0);
    if (button == QLatin1String("cmdCancel") && dialog != QLatin1String("frmLots")) {
      QCOMPARE(boxes.Seen().last().text, QStringLiteral("Are you sure?"));
      QVERIFY(d.isVisible());
    }
    if (button != QLatin1String("cmdApply"))
      QCOMPARE(ToQ(gobjKelvane->Goal("B1", "ENG", 1, "minutes").ToString()), minute);
  }

  // Enter in a box still presses OK, the default.
  void enterInABoxPressesOK() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    frmGroupScore& d = static_cast<frmGroupScore&>(OpenWithAChange(main, QStringLiteral("frmGroupScore")));
    QLineEdit* minute = Control<QLineEdit>(d, QStringLiteral("txtHomeMins_0"));
    PressEnter(minute);
    QCOMPARE(ToQ(gobjKelvane->Goal("B1", "ENG", 1, "minutes").ToString()), QStringLiteral("7"));
    QVERIFY(!frmGroupScore::IsLoaded());
  }

  // Rows made after the first take their place on screen, before the buttons.
  void tabFollowsTheScreen() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    main.GameID = "B1";  // 6-2
    frmGroupScore& d = frmGroupScore::Get();
    d.show();
    d.txtHomeScore->setText(QStringLiteral("2"));
    QStringList order{"txtHomeScore", "vscHomeScore", "vscAwayScore", "txtAwayScore"};
    for (const char* side : {"Home", "Away"}) order << RowNames(side, 2, {"chk%1OG", "cbo%1Player", "chk%1Pen", "txt%1Mins"});
    order << QStringList{"chkResult", "cmdClear", "cmdOK", "cmdApply", "cmdCancel"};
    QCOMPARE(TabWalk(d.txtHomeScore), Visited(d, order));
    frmGroupScore::Unload();

    MessageBoxes notice({QMessageBox::Ok});
    main.KOIndex = kFinal;
    frmKOScore::Get().show();
    frmPenalties& p = frmPenalties::Get();
    p.show();
    p.txtHomeScore->setText(QStringLiteral("2"));
    p.txtAwayScore->setText(QStringLiteral("2"));
    QStringList kicks{"txtHomeScore", "vscHomeScore", "vscAwayScore", "txtAwayScore"};
    for (const char* side : {"Home", "Away"}) kicks << RowNames(side, 2, {"cbo%1Player", "chk%1Pen"});
    kicks << QStringList{"chkResult", "cmdClear", "cmdOK", "cmdApply", "cmdCancel"};
    QCOMPARE(TabWalk(p.txtHomeScore), Visited(p, kicks));
  }

  // Down moves to the next game as a click would: the facts and Enter Score follow it, and Enter
  // on the row opens the same game as a double click.
  void theGameTheKeyboardChoosesIsTheGameThatOpens() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");  // stored games: the score dialog closes without a question
    main.MainTab->setCurrentIndex(1);
    main.GroupTab->setCurrentIndex(GroupTabOf(main, QLatin1Char('B')));
    QTreeWidget* games = main.groupsView->GroupSchedule;
    QTreeWidgetItem* first = GameRow(games, "B1");
    QTest::mouseClick(games->viewport(), Qt::LeftButton, {}, games->visualItemRect(first).center());
    QCOMPARE(main.GameID, std::string("B1"));
    const int below = games->indexOfTopLevelItem(first) + 1;
    const std::string next = ToStd(games->topLevelItem(below)->text(kGroupScheduleGameIDColumn));
    QCOMPARE(next, std::string("B2"));
    games->setFocus();
    QTest::keyClick(games, Qt::Key_Down);
    QCOMPARE(games->currentItem(), games->topLevelItem(below));
    QCOMPARE(main.GameID, next);

    QString opened;
    const auto read = [&](frmGroupScore& d) { opened = d.lblHomeTeam->text() + " v " + d.lblAwayTeam->text(); };
    const QString usa_wales = ToQ(gobjKelvane->HomeTeamName(kelvane::Variant(next)) + " v " +
                                  gobjKelvane->AwayTeamName(kelvane::Variant(next)));
    QVERIFY(OnModal<frmGroupScore>([&] { QTest::mouseClick(main.groupsView->cmdChangeScore, Qt::LeftButton); },
                                   read));
    QCOMPARE(opened, usa_wales);
    app_testing::ProcessDeletions();
    opened.clear();
    QVERIFY(OnModal<frmGroupScore>([&] { PressEnter(games); }, read));
    QCOMPARE(opened, usa_wales);
  }

  // A game of group H shown, then group G chosen on the tabs and the list entered with Tab:
  // Enter opens the row with the focus, and shows its facts, not those of the game shown before.
  // Without a current row Enter opens nothing.
  void enterOpensTheFocusedGameNotTheGameShown() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    main.MainTab->setCurrentIndex(1);
    main.GroupTab->setCurrentIndex(GroupTabOf(main, QLatin1Char('H')));
    QTreeWidget* games = main.groupsView->GroupSchedule;
    QTreeWidgetItem* h2 = GameRow(games, "H2");
    QTest::mouseClick(games->viewport(), Qt::LeftButton, {}, games->visualItemRect(h2).center());
    QCOMPARE(main.GameID, std::string("H2"));
    main.GroupTab->setFocus();
    QTest::keyClick(main.GroupTab, Qt::Key_Right);
    QCOMPARE(main.GroupTab->tabText(main.GroupTab->currentIndex()), QStringLiteral("G"));
    QTest::keyClick(main.GroupTab, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), games);
    QVERIFY(games->currentItem());
    const std::string focused = ToStd(games->currentItem()->text(kGroupScheduleGameIDColumn));
    QCOMPARE(focused.front(), 'G');

    QString opened;
    QVERIFY(OnModal<frmGroupScore>([&] { PressEnter(games); },
                                   [&](frmGroupScore& d) { opened = ToQ(d.GameID) + " " + d.lblHomeTeam->text(); }));
    QCOMPARE(opened, ToQ(focused + " " + gobjKelvane->HomeTeamName(kelvane::Variant(focused))));
    QCOMPARE(main.GameID, focused);
    QVERIFY(main.GameFacts->title().contains(ToQ(gobjKelvane->HomeTeamName(kelvane::Variant(focused)))));
    app_testing::ProcessDeletions();

    games->setCurrentItem(nullptr);
    QVERIFY(!OnModal<frmGroupScore>([&] { PressEnter(games); }, [](frmGroupScore&) {}));
    QVERIFY(!frmGroupScore::IsLoaded());
  }

  void enterOnAScheduleRowOpensTheGame() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    QTreeWidget* schedule = main.ScheduleList;
    const auto rows = schedule->findItems(QStringLiteral("B2"), Qt::MatchExactly | Qt::MatchRecursive,
                                          schedule_column::GameID);
    QVERIFY(!rows.isEmpty());
    schedule->setCurrentItem(rows.first());
    PressEnter(schedule);
    QCOMPARE(main.MainTab->currentIndex(), 1);
    QCOMPARE(main.GameID, std::string("B2"));
  }

  // Down then Enter in the team list opens the next team's choice; the manager stays open and
  // nothing is saved.
  void enterInTheSweepsTeamListOpensTheChoice() {
    ProgramFolder folder;
    app_testing::WriteMembers(folder, {{"Ann", "ann"}});
    app_testing::WriteSweeps(folder, {{"Fun", "fun", "tournament_winner", "fun", nullptr, {{"ARG", "ann"}}}});
    StartToMainWindow(folder);
    frmSweeps& w = frmSweeps::Get();
    w.show();
    w.cboSweepList->setCurrentIndex(w.cboSweepList->findText(QStringLiteral("Fun")));
    w.cmdApply->setEnabled(true);  // a pending change that OK would save
    const QByteArray saved = folder.Read(QStringLiteral("Data/sweeps.xml"));
    QSignalSpy ok(w.cmdOK, &QPushButton::clicked);
    w.TeamList->setCurrentItem(w.TeamList->topLevelItem(0));
    w.TeamList->setFocus();
    QTest::keyClick(w.TeamList, Qt::Key_Down);
    QTreeWidgetItem* chosen = w.TeamList->currentItem();
    QCOMPARE(chosen, w.TeamList->topLevelItem(1));
    QString team;
    QVERIFY(OnModal<frmTeamListEntry>([&] { PressEnter(w.TeamList); },
                                      [&](frmTeamListEntry& d) { team = ToQ(d.Choice.ToString()); }));
    QCOMPARE(team, chosen->text(0));
    QCOMPARE(ok.count(), 0);
    QVERIFY(frmSweeps::IsLoaded() && w.isVisible());
    QCOMPARE(folder.Read(QStringLiteral("Data/sweeps.xml")), saved);
  }

  void enterInTheMembersListOpensTheMember() {
    ProgramFolder folder;
    app_testing::WriteMembers(folder, {{"Ann", "ann"}, {"Bob", "bob"}});
    StartToMainWindow(folder);
    frmMembers& w = frmMembers::Get();
    w.show();
    QSignalSpy ok(Control<QPushButton>(w, QStringLiteral("cmdOK")), &QPushButton::clicked);
    w.MemberList->setCurrentItem(app_testing::Row(w.MemberList, QStringLiteral("Bob")));
    QVERIFY(OnModal<frmMemberDetails>([&] { PressEnter(w.MemberList); }, [](frmMemberDetails&) {}));
    QCOMPARE(ok.count(), 0);
    QVERIFY(frmMembers::IsLoaded() && w.isVisible());
  }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"

// The sweepstake manager window with the real engine on a temporary copy of the shipped data: the
// team, player and number lists ranked by their options, the stake and bids frames, Remove's
// state, and Apply, OK and Cancel around the question about unsaved changes.
#include <clocale>
#include <tuple>

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QTemporaryDir>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPrinter>
#include <QLocale>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include "app/kit/program.h"
#include "app/kit/report_list.h"
#include "app/shell/frm_main.h"
#include "app/sweeps/frm_new_sweep.h"
#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/money.h"
#include "app/sweeps/sweeps_kit.h"
#include "tests/app/support/list_cells.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/print_capture.h"
#include "tests/app/support/program_fixture.h"
#include "tests/app/support/sweeps_files.h"
#include "tests/support/process_locale.h"

using namespace pitchlog;
using app_testing::Column;
using app_testing::Row;
using app_testing::MessageBoxes;
using app_testing::PrintCapture;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;
using app_testing::TestChoice;

namespace {

frmSweeps& OpenSweeps(frmMain& main) {
  main.findChild<QAction*>(QStringLiteral("Manage"))->trigger();
  return frmSweeps::Get();
}

void Choose(frmSweeps& w, const char* sweep) {
  const int index = w.cboSweepList->findText(QString::fromUtf8(sweep));
  if (index < 0) qFatal("no sweep %s", sweep);
  w.cboSweepList->setCurrentIndex(index);
}

// Names in alphabetical order, letter case ignored (the team names are plain letters).
QStringList Sorted(QStringList texts, Qt::SortOrder order) {
  std::sort(texts.begin(), texts.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  if (order == Qt::DescendingOrder) std::reverse(texts.begin(), texts.end());
  return texts;
}

// Team names as the teams file gives them.
QStringList TeamNames() {
  QStringList names;
  const kelvane::Variant teams = gobjKelvane->TeamList();
  for (int32_t i = 0; i <= teams.AsArray().UBound(2); ++i) names << ToQ(teams.AsArray().at(1, i).ToString());
  return names;
}

// An average as the engine writes it, with the decimal separator of the locale it runs under.
QString Average(const char* text) {
  return QString::fromLatin1(text).replace(QLatin1Char('.'), QString::fromLocal8Bit(std::localeconv()->decimal_point));
}

void WriteMembersAnnBobCat(const ProgramFolder& folder) {
  app_testing::WriteMembers(folder, {{"Ann", "ann"}, {"Bob", "bob"}, {"Cat", "cat"}});
}

void AddTestOptions(const ProgramFolder& folder) {
  app_testing::AddSweepOptions(
      folder, {
                  {"winner_desc", "Winner Descending", "Place(1)", "teamlist", "desc", nullptr},
                  {"average_asc", "Average Asc", "TeamAverage(0,?,14)", "teamlist", "asc", "Average"},
                  {"average_desc", "Average Desc", "TeamAverage(0,?,14)", "teamlist", "desc", "Average"},
                  {"scorer_asc", "Scorer Asc", "PlayerTotals(0,0,?)", "playerlist", "asc", "Goals"},
              });
}

bool SavedChoice(const ProgramFolder& folder, const char* value, const char* member) {
  return folder.Read(QStringLiteral("Data/sweeps.xml"))
      .contains(QByteArray("<choice value=\"") + value + "\" memberid=\"" + member + "\"");
}

bool Holds(const char* sweep, const char* value) {
  const kelvane::Variant choices = gobjKelvane->SweepMembers(sweep);
  const kelvane::Array& c = choices.AsArray();
  for (int32_t k = 0; k <= c.UBound(2); ++k)
    if (c.at(1, k).ToString() == value) return true;
  return false;
}

}  // namespace

class SweepsWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    QLocale::setDefault(QLocale::system());
    frmSweeps::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  void openedFromTheSweepsMenu() {
    ProgramFolder folder;
    app_testing::WriteSweeps(folder, {{"beta", "beta", "tournament_winner", "fun"},
                                      {"Gamma", "gamma", "tournament_winner", "fun"},
                                      {"Alpha", "alpha", "tournament_winner", "fun"}});
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = OpenSweeps(main);
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(&OpenSweeps(main), &w);
    QVERIFY(main.tbrMain->findChild<QAction*>(QStringLiteral("tbrMain_6"))->isEnabled());

    QStringList entries;
    for (int i = 0; i < w.cboSweepList->count(); ++i) entries << w.cboSweepList->itemText(i);
    QCOMPARE(entries, (QStringList{"Alpha", "beta", "Gamma"}));
    QCOMPARE(w.cboSweepList->currentIndex(), -1);
    for (QWidget* hidden : std::initializer_list<QWidget*>{w.TeamList, w.PlayerList, w.NumberList, w.BidsFrame, w.StakeFrame})
      QVERIFY(hidden->isHidden());
    for (QPushButton* off : {w.cmdEdit, w.cmdPrint, w.cmdRemove, w.cmdApply}) QVERIFY(!off->isEnabled());
    QVERIFY(w.cmdOK->isDefault());

    Choose(w, "beta");
    QVERIFY(w.TeamList->isVisible());
    QVERIFY(w.cmdEdit->isEnabled() && w.cmdPrint->isEnabled());
  }

  // Before the final every team is listed by name in the option's order; afterwards the winner
  // stands out in bold and heads the ascending list.
  void teamListOnAPlacing() {
    ProgramFolder folder;
    AddTestOptions(folder);
    WriteMembersAnnBobCat(folder);
    app_testing::WriteSweeps(
        folder, {{"Winner", "winner", "tournament_winner", "fun", nullptr, {{"ARG", "ann"}, {"FRA", "bob"}}},
                 {"Winner Down", "winner_down", "winner_desc", "fun"}});
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = OpenSweeps(main);
    Choose(w, "Winner");
    QCOMPARE(w.TeamList->topLevelItemCount(), 32);
    QVERIFY(w.TeamList->isColumnHidden(team_column::Value));
    QVERIFY(!frmSweeps::TakesBids(w.TeamList));
    QCOMPARE(Column(w.TeamList, team_column::Team), Sorted(TeamNames(), Qt::AscendingOrder));
    const QStringList names = Column(w.TeamList, team_column::Team);
    QVERIFY(names.indexOf("Uruguay") < names.indexOf("USA"));
    QCOMPARE(Row(w.TeamList, "ARG")->text(team_column::Member), QStringLiteral("Ann"));
    QCOMPARE(Row(w.TeamList, "FRA")->text(team_column::Member), QStringLiteral("Bob"));
    QVERIFY(Row(w.TeamList, "BRA")->text(team_column::Member).isEmpty());
    QVERIFY(w.BidsFrame->isHidden() && w.StakeFrame->isHidden());
    QVERIFY(!w.cmdRemove->isEnabled());

    Choose(w, "Winner Down");
    QCOMPARE(Column(w.TeamList, team_column::Team), Sorted(TeamNames(), Qt::DescendingOrder));
    QVERIFY(w.cmdRemove->isEnabled());

    main.OpenResultsSet("Tournament 2022");
    w.LoadTeamList("Winner");
    const QTreeWidgetItem* first = w.TeamList->topLevelItem(0);
    QCOMPARE(first->text(team_column::Team), QStringLiteral("*** Argentina ***"));
    QVERIFY(first->font(team_column::Team).bold());
    QCOMPARE(first->text(team_column::Member), QStringLiteral("Ann"));
  }

  // A statistic ranks the teams by value; teams without one come last in both orders, and the value
  // column is back after a placing sweep hid it.
  void teamListOnAStatistic() {
    ProgramFolder folder;
    AddTestOptions(folder);
    app_testing::WriteSweeps(folder, {{"Winner", "winner", "tournament_winner", "fun"},
                                      {"Up", "up", "average_asc", "stake", "2.5"},
                                      {"Down", "down", "average_desc", "fun"}});
    frmMain& main = StartToMainWindow(folder);
    gobjKelvane->GroupScore("A1", 2, 0);
    gobjKelvane->LoadStats();
    frmSweeps& w = OpenSweeps(main);
    Choose(w, "Winner");
    Choose(w, "Up");
    QVERIFY(!w.TeamList->isColumnHidden(team_column::Value));
    QVERIFY(w.TeamList->columnWidth(team_column::Value) >= Pixels(2000));
    QCOMPARE(w.TeamList->headerItem()->text(team_column::Value), QStringLiteral("Average"));
    QStringList ids = Column(w.TeamList, team_column::TeamID);
    QCOMPARE(ids.mid(0, 2), (QStringList{"ECU", "QAT"}));
    QCOMPARE(Column(w.TeamList, team_column::Value).mid(0, 3), (QStringList{Average(".000"), Average("2.000"), ""}));
    QVERIFY(w.StakeFrame->isVisible() && w.BidsFrame->isHidden());
    QCOMPARE(w.StakeLabel->text(), sweeps::Currency(2.5));

    Choose(w, "Down");
    ids = Column(w.TeamList, team_column::TeamID);
    QCOMPARE(ids.mid(0, 2), (QStringList{"QAT", "ECU"}));
    QCOMPARE(Column(w.TeamList, team_column::Value).mid(1, 2), (QStringList{Average(".000"), ""}));
    QVERIFY(w.StakeFrame->isHidden());
  }

  // Guesses ranked by their distance from the target, nearest first, with their bids.
  void numberList() {
    ProgramFolder folder;
    WriteMembersAnnBobCat(folder);
    frmMain& main = StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    const int target = static_cast<int>(gobjKelvane->SweepSource("TeamTotals(0,0,14)").ToDouble());
    const QByteArray near = QByteArray::number(target + 2), fair = QByteArray::number(target - 3),
                     far = QByteArray::number(target + 50);
    app_testing::ResetProgram();
    app_testing::WriteSweeps(folder, {{"Goals", "goals", "total_goals", "bid", nullptr,
                                       {{far.constData(), "ann", "2.50"}, {near.constData(), "bob", "1"},
                                        {fair.constData(), "cat"}}},
                                      {"Empty", "empty", "total_goals", "fun"}});
    frmMain& again = StartToMainWindow(folder);
    again.OpenResultsSet("Tournament 2022");
    frmSweeps& w = OpenSweeps(again);
    Choose(w, "Goals");
    QCOMPARE(Column(w.NumberList, number_column::Number),
             (QStringList{QString(near), QString(fair), QString(far), QString()}));
    QCOMPARE(w.NumberList->topLevelItem(3)->text(0), QStringLiteral("[New]"));
    QCOMPARE(Column(w.NumberList, number_column::Member), (QStringList{"Bob", "Cat", "Ann", "[New]"}));
    QCOMPARE(w.NumberList->headerItem()->text(number_column::Number), QStringLiteral("Total goals (%1)").arg(target));
    QVERIFY(frmSweeps::TakesBids(w.NumberList));
    QCOMPARE(Column(w.NumberList, number_column::Bid).mid(0, 3),
             (QStringList{sweeps::Currency(1), sweeps::Currency(0), sweeps::Currency(2.5)}));
    QVERIFY(w.BidsFrame->isVisible() && w.StakeFrame->isHidden());
    QCOMPARE(w.BidsLabel->text(), sweeps::Currency(3.5));
    QVERIFY(!w.cmdRemove->isEnabled());

    Choose(w, "Empty");
    QCOMPARE(Column(w.NumberList, 0), QStringList{"[New]"});
    QVERIFY(!frmSweeps::TakesBids(w.NumberList));
    QVERIFY(w.cmdRemove->isEnabled());
  }

  // Scorers by goals, chosen players without a goal after them (before them while ascending),
  // "[New]" last; the shipped player pick ("_player_list_") shows the chosen players only.
  void playerList() {
    ProgramFolder folder;
    AddTestOptions(folder);
    WriteMembersAnnBobCat(folder);
    const std::vector<TestChoice> chosen = {{"ARG10", "ann", "3"}, {"ARG23", "bob", "1.25"}};
    app_testing::WriteSweeps(folder, {{"Scorer", "scorer", "top_scorer", "bid", nullptr, chosen},
                                      {"Scorer Up", "scorer_up", "scorer_asc", "fun", nullptr, chosen},
                                      {"Chosen", "chosen", "_player_list_", "fun", nullptr, chosen},
                                      {"Nobody", "nobody", "top_scorer", "fun"}});
    frmMain& main = StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    frmSweeps& w = OpenSweeps(main);

    Choose(w, "Scorer");
    QStringList ids = Column(w.PlayerList, player_column::PlayerID);
    QCOMPARE(ids.first(), QStringLiteral("FRA10"));
    QCOMPARE(ids[1], QStringLiteral("ARG10"));
    QCOMPARE(ids.mid(ids.size() - 2), (QStringList{"ARG23", "[New]"}));
    const QTreeWidgetItem* messi = Row(w.PlayerList, "ARG10");
    QCOMPARE(messi->text(player_column::Player), QStringLiteral("Lionel MESSI (Argentina)"));
    QCOMPARE(messi->text(player_column::Value), QStringLiteral("7"));
    QCOMPARE(messi->text(player_column::Member), QStringLiteral("Ann"));
    QVERIFY(Row(w.PlayerList, "ARG23")->text(player_column::Value).isEmpty());
    QCOMPARE(w.PlayerList->headerItem()->text(player_column::Value), QStringLiteral("Goals"));
    QVERIFY(frmSweeps::TakesBids(w.PlayerList));
    QCOMPARE(w.BidsLabel->text(), sweeps::Currency(4.25));
    QVERIFY(!w.cmdRemove->isEnabled());

    Choose(w, "Scorer Up");
    ids = Column(w.PlayerList, player_column::PlayerID);
    QCOMPARE(ids.first(), QStringLiteral("ARG23"));
    QCOMPARE(ids.last(), QStringLiteral("[New]"));
    QVERIFY(!frmSweeps::TakesBids(w.PlayerList));

    Choose(w, "Chosen");
    QCOMPARE(Column(w.PlayerList, player_column::PlayerID).size(), 3);
    QCOMPARE(Column(w.PlayerList, player_column::PlayerID).last(), QStringLiteral("[New]"));
    QVERIFY(w.PlayerList->isColumnHidden(player_column::Value));

    // No choice yet: it may go, though its list shows the scorers.
    Choose(w, "Nobody");
    QVERIFY(w.PlayerList->topLevelItemCount() > 1);
    QVERIFY(w.cmdRemove->isEnabled());
  }

  // Averages in the user's format; a scorer whose average is 0 is left out, whatever the format.
  void playerListByAnAverage() {
    ProgramFolder folder;
    app_testing::AddSweepOptions(
        folder, {{"penalty_share", "Penalty Share", "PlayerAverage(0,1,?)", "playerlist", "desc", "Share"}});
    app_testing::WriteSweeps(folder, {{"Spot Kicks", "spot_kicks", "penalty_share", "fun"}});
    const testing_support::ProcessLocale german(testing_support::kDecimalCommaLocale, LC_NUMERIC);
    QVERIFY2(german.ok(), "no decimal-comma locale: run scripts/install-deps");
    frmMain& main = StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    frmSweeps& w = OpenSweeps(main);
    Choose(w, "Spot Kicks");
    QCOMPARE(Row(w.PlayerList, "ARG10")->text(player_column::Value), QStringLiteral(",571"));  // 4 of 7
    QVERIFY(!Column(w.PlayerList, player_column::PlayerID).contains(QStringLiteral("FRA09")));  // no penalty
  }

  // A choice of a team that the teams file no longer holds keeps its member and bid in sight.
  void choiceOfAnUnknownTeam() {
    ProgramFolder folder;
    WriteMembersAnnBobCat(folder);
    app_testing::WriteSweeps(
        folder, {{"Goals", "goals", "most_goals_scored", "bid", nullptr, {{"XYZ", "ann", "4"}, {"ARG", "bob", "1"}}}});
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = OpenSweeps(main);
    Choose(w, "Goals");
    QCOMPARE(w.TeamList->topLevelItemCount(), 33);
    const QTreeWidgetItem* lost = w.TeamList->topLevelItem(32);
    QCOMPARE(lost->text(team_column::TeamID), QStringLiteral("XYZ"));
    QCOMPARE(lost->text(team_column::Member), QStringLiteral("Ann"));
    QCOMPARE(w.BidsLabel->text(), sweeps::Currency(5));
  }

  // Another sweep while changes are pending: Cancel keeps everything; No drops the changes, Yes
  // saves them; the sweep already shown asks nothing.
  void choosingAnotherSweepWithChangesPending() {
    ProgramFolder folder;
    WriteMembersAnnBobCat(folder);
    app_testing::WriteSweeps(folder, {{"A", "a", "tournament_winner", "fun"}, {"B", "b", "runner_up", "fun"}});
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = OpenSweeps(main);
    Choose(w, "A");
    auto change = [&](const char* team) {
      gobjKelvane->SetSweepMember("A", kelvane::Variant(team), "Ann");
      w.LoadTeamList("A");
      w.cmdApply->setEnabled(true);
      w.cmdEdit->setEnabled(false);
    };

    change("ARG");
    {
      MessageBoxes boxes({QMessageBox::Cancel});
      Choose(w, "B");
      QCOMPARE(boxes.Seen().size(), 1);
      QCOMPARE(boxes.Text(), QStringLiteral("Do you want to save changes?"));
      QCOMPARE(boxes.Seen()[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      QCOMPARE(w.cboSweepList->currentText(), QStringLiteral("A"));
      QVERIFY(w.cmdApply->isEnabled());
      QCOMPARE(Row(w.TeamList, "ARG")->text(team_column::Member), QStringLiteral("Ann"));
      Choose(w, "A");
      QCOMPARE(boxes.Seen().size(), 1);
      QVERIFY(Holds("A", "ARG"));
    }
    {
      MessageBoxes boxes({QMessageBox::No});
      Choose(w, "B");
      QCOMPARE(boxes.Seen().size(), 1);
      QVERIFY(!w.cmdApply->isEnabled());
      QVERIFY(!Holds("A", "ARG"));
      QVERIFY(!SavedChoice(folder, "ARG", "ann"));
    }
    Choose(w, "A");
    change("BRA");
    {
      MessageBoxes boxes({QMessageBox::Yes});
      Choose(w, "B");
      QCOMPARE(boxes.Seen().size(), 1);
      QVERIFY(!w.cmdApply->isEnabled());
      QVERIFY(w.cmdEdit->isEnabled());
      QVERIFY(SavedChoice(folder, "BRA", "ann"));
    }
  }

  void applyAndOk() {
    ProgramFolder folder;
    WriteMembersAnnBobCat(folder);
    app_testing::WriteSweeps(folder, {{"A", "a", "tournament_winner", "fun"}});
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = OpenSweeps(main);
    Choose(w, "A");
    gobjKelvane->SetSweepMember("A", kelvane::Variant("ARG"), "Ann");
    w.cmdApply->setEnabled(true);
    w.cmdEdit->setEnabled(false);
    QTest::mouseClick(w.cmdApply, Qt::LeftButton);
    QVERIFY(SavedChoice(folder, "ARG", "ann"));
    QVERIFY(!w.cmdApply->isEnabled());
    QVERIFY(w.cmdEdit->isEnabled());
    QVERIFY(frmSweeps::IsLoaded());

    // OK saves even without the mark.
    gobjKelvane->SetSweepMember("A", kelvane::Variant("BRA"), "Bob");
    QTest::mouseClick(w.cmdOK, Qt::LeftButton);
    QVERIFY(SavedChoice(folder, "BRA", "bob"));
    QVERIFY(!frmSweeps::IsLoaded());
  }

  // Cancel, Esc and the close box: with changes pending they ask; No drops the changes and closes,
  // Cancel keeps the window open. Without pending changes they close and reload.
  void cancelEscAndCloseBox() {
    ProgramFolder folder;
    WriteMembersAnnBobCat(folder);
    app_testing::WriteSweeps(folder, {{"A", "a", "tournament_winner", "fun"}});
    frmMain& main = StartToMainWindow(folder);
    const std::function<void(frmSweeps&)> ways[] = {
        [](frmSweeps& w) { QTest::mouseClick(w.cmdCancel, Qt::LeftButton); },
        [](frmSweeps& w) { QTest::keyClick(&w, Qt::Key_Escape); },
        [](frmSweeps& w) { w.close(); },
    };
    for (const auto& cancel : ways) {
      frmSweeps& w = OpenSweeps(main);
      QVERIFY(QTest::qWaitForWindowExposed(&w));
      Choose(w, "A");
      gobjKelvane->SetSweepMember("A", kelvane::Variant("ARG"), "Ann");
      w.cmdApply->setEnabled(true);
      {
        MessageBoxes boxes({QMessageBox::Cancel});
        cancel(w);
        QCOMPARE(boxes.Text(), QStringLiteral("Do you want to save changes?"));
        QVERIFY(frmSweeps::IsLoaded());
        QVERIFY(w.isVisible());
        QVERIFY(Holds("A", "ARG"));
      }
      {
        MessageBoxes boxes({QMessageBox::No});
        cancel(w);
        QCOMPARE(boxes.Seen().size(), 1);
        QVERIFY(!frmSweeps::IsLoaded());
        QVERIFY(!Holds("A", "ARG"));
      }
      app_testing::ProcessDeletions();
      // Without the mark nothing is asked, and what was not applied is dropped.
      frmSweeps& again = OpenSweeps(main);
      gobjKelvane->SetSweepMember("A", kelvane::Variant("ARG"), "Ann");
      MessageBoxes none;
      cancel(again);
      QVERIFY(none.Seen().isEmpty());
      QVERIFY(!frmSweeps::IsLoaded());
      QVERIFY(!Holds("A", "ARG"));
      app_testing::ProcessDeletions();
    }
    QVERIFY(!SavedChoice(folder, "ARG", "ann"));
  }

  // Only a sweep without choices may go; its removal saves every pending change with it. No sweep
  // is chosen afterwards, and the sweep that takes its place in the box can be chosen at once.
  void removingASweep() {
    ProgramFolder folder;
    WriteMembersAnnBobCat(folder);
    app_testing::WriteSweeps(folder, {{"A", "a", "tournament_winner", "stake", "3"},
                                      {"B", "b", "runner_up", "fun", nullptr, {{"ARG", "ann"}}}});
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = OpenSweeps(main);
    Choose(w, "B");
    QVERIFY(!w.cmdRemove->isEnabled());
    Choose(w, "A");
    QVERIFY(w.cmdRemove->isEnabled());
    gobjKelvane->SetSweepMember("B", kelvane::Variant("BRA"), "Bob");
    w.cmdApply->setEnabled(true);
    {
      MessageBoxes boxes({QMessageBox::No});
      QTest::mouseClick(w.cmdRemove, Qt::LeftButton);
      QCOMPARE(boxes.Text(), QStringLiteral("Are you sure you want to remove this sweep?"));
      QCOMPARE(boxes.Seen()[0].buttons, QMessageBox::Yes | QMessageBox::No);
      QVERIFY(gobjKelvane->SweepExists("A"));
      QVERIFY(w.TeamList->isVisible());
    }
    MessageBoxes boxes({QMessageBox::Yes});
    QTest::mouseClick(w.cmdRemove, Qt::LeftButton);
    QVERIFY(!folder.Read("Data/sweeps.xml").contains("<name>A</name>"));
    QVERIFY(SavedChoice(folder, "BRA", "bob"));
    QCOMPARE(w.cboSweepList->count(), 1);
    QCOMPARE(w.cboSweepList->currentIndex(), -1);
    QVERIFY(w.TeamList->isHidden() && w.TeamList->topLevelItemCount() == 0);
    // With no sweep shown there is nothing to rename or print, and no stake.
    for (QPushButton* off : {w.cmdRemove, w.cmdEdit, w.cmdPrint, w.cmdApply}) QVERIFY(!off->isEnabled());
    QVERIFY(w.StakeFrame->isHidden() && w.BidsFrame->isHidden());

    Choose(w, "B");
    QVERIFY(w.TeamList->isVisible());
    QVERIFY(w.cmdEdit->isEnabled() && w.cmdPrint->isEnabled());
    QCOMPARE(Row(w.TeamList, "BRA")->text(team_column::Member), QStringLiteral("Bob"));
  }

  void printingASweep() {
    ProgramFolder folder;
    WriteMembersAnnBobCat(folder);
    app_testing::WriteSweeps(folder, {{"Pool", "pool", "tournament_winner", "stake", "2.5", {{"ARG", "ann"}}},
                                      {"Bids", "bids", "most_goals_scored", "bid", nullptr, {{"ARG", "bob", "7"}}},
                                      {"Fun", "fun", "runner_up", "fun"},
                                      {"Scorers", "scorers", "top_scorer", "fun"}});
    frmMain& main = StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    frmSweeps& w = OpenSweeps(main);
    Choose(w, "Pool");
    {
      PrintCapture cancelled(PrintCapture::Answer::Cancel);
      MessageBoxes none;
      QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
      QCOMPARE(cancelled.Dialogs(), 1);
      QVERIFY(PrintCapture::Drawn().empty());
      QVERIFY(none.Seen().isEmpty());
      QVERIFY(cancelled.Pdf().isEmpty());
    }
    {
      PrintCapture failing(PrintCapture::Answer::Fail);
      MessageBoxes boxes({QMessageBox::Ok});
      QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
      QVERIFY(boxes.Text().startsWith("Printer error occured. Please ensure that your default printer"));
      QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Critical);
    }
    PrintCapture capture;
    QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
    QVERIFY(capture.Pdf().startsWith("%PDF"));
    const QStringList texts = PrintCapture::Texts();
    const QString date = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    QCOMPARE(texts.mid(0, 8), (QStringList{" ", " ", "Zintorra Orvessa Pitchlog 2006: Pool", "Printed on " + date, " ",
                                           "Stake (each): " + sweeps::Currency(2.5), " ", " "}));
    const PrintedItem* heading = PrintCapture::FindText("Zintorra Orvessa Pitchlog 2006: Pool");
    QCOMPARE(heading->font_size, 16.0);
    QVERIFY(heading->bold);
    QCOMPARE(PrintCapture::FindText("Printed on " + date)->font_size, 12.0);
    QVERIFY(PrintCapture::FindText("Team")->underline);
    QVERIFY(PrintCapture::FindText("*** Argentina ***"));
    QVERIFY(!PrintCapture::FindText("Brazil")->bold);
    QVERIFY(PrintCapture::FindText("Ann"));
    QVERIFY(!PrintCapture::FindText("ARG"));  // the hidden id column

    Choose(w, "Bids");
    QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
    QCOMPARE(PrintCapture::Texts()[5], "Total Bids: " + sweeps::Currency(7));
    QVERIFY(PrintCapture::FindText("Bid"));

    Choose(w, "Fun");
    QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
    QCOMPARE(PrintCapture::Texts().mid(4, 4), (QStringList{" ", " ", " ", " "}));

    // A long list turns the page and repeats its captions.
    Choose(w, "Scorers");
    QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
    int last_page = 1;
    bool caption_on_page_2 = false;
    for (const PrintedItem& item : PrintCapture::Drawn()) {
      last_page = std::max(last_page, item.page);
      if (item.page == 2 && item.text == QLatin1String("Player")) caption_on_page_2 = true;
    }
    QVERIFY(last_page >= 2);
    QVERIFY(caption_on_page_2);
    QCOMPARE(capture.Dialogs(), 4);
  }

  // Beside a 60-character member name every team and player shows whole, on screen and on an A4
  // page measured in the printer's font, with the bid of 150.00; the name gives way on screen and
  // shows whole as its tooltip.
  void aLongMemberNameLeavesTeamsAndPlayersWhole() {
    const char* name = "Maximiliane Auguste Viktoria von Hohenzollern-Sigmaringen Os";
    QCOMPARE(std::string(name).size(), size_t{60});
    const char* key = "maximiliane_auguste_viktoria_von_hohenzollern_sigmaringen_os";
    ProgramFolder folder;
    app_testing::WriteMembers(folder, {{name, key}});
    app_testing::WriteSweeps(folder, {{"Bids", "bids", "most_goals_scored", "bid", nullptr, {{"ARG", key, "150"}}},
                                      {"Scorers", "scorers", "top_scorer", "bid", nullptr, {{"ARG10", key, "150"}}}});
    frmMain& main = StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    frmSweeps& w = OpenSweeps(main);
    QTemporaryDir dir;
    const auto a4_printer = [&] {
      auto printer = app_testing::PdfPrinter(dir.filePath(QStringLiteral("long-name.pdf")));
      printer->setPageSize(QPageSize(QPageSize::A4));
      return printer;
    };
    // The printout's own printer goes with the printout; this one measures as it did.
    const std::unique_ptr<QPrinter> measure = a4_printer();
    QPrinter* a4 = measure.get();
    printing_seam::AnswerPrinterDialog(a4_printer);
    for (const auto& [sweep_name, list_name, whole_column, member_column] :
         {std::tuple{"Bids", "TeamList", int(team_column::Team), int(team_column::Member)},
          std::tuple{"Scorers", "PlayerList", int(player_column::Player), int(player_column::Member)}}) {
      const int whole = whole_column;  // clang 14 can't capture a structured binding
      Choose(w, sweep_name);
      auto* list = w.findChild<QTreeWidget*>(QLatin1String(list_name));
      QVERIFY(QTest::qWaitForWindowExposed(&w));
      QVERIFY(list->columnWidth(whole) >= static_cast<const QAbstractItemView*>(list)->sizeHintForColumn(whole));
      const QTreeWidgetItem* held = nullptr;
      for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(member_column) == QLatin1String(name)) held = list->topLevelItem(i);
      QVERIFY(held);
      QCOMPARE(held->toolTip(member_column), QString::fromLatin1(name));
      QCOMPARE(held->text(member_column + 1), sweeps::Currency(150));

      QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
      QCOMPARE(printing_seam::LastJobName(), "Zintorra Orvessa Pitchlog 2006: " + QLatin1String(sweep_name));
      const std::vector<PrintedItem>& drawn = printing_seam::LastPrintout();
      QFont font = list->font();
      for (const QString& text : {QString::fromLatin1(name), held->text(whole)})
        QVERIFY2(PrintCapture::FindText(text), qPrintable(text));
      QVERIFY(PrintCapture::FindText(sweeps::Currency(150)));
      const double page_width = a4->pageLayout().paintRectPixels(a4->resolution()).width() * 1440.0 / a4->resolution();
      for (const PrintedItem& item : drawn) {
        if (item.kind != PrintedItem::Kind::Text) continue;
        QVERIFY2(!item.text.endsWith(QLatin1String("...")), qPrintable(item.text));
        QVERIFY2(item.x >= 0 && item.x + item.width <= page_width, qPrintable(item.text));
        // Cells of one row stand apart, and the rule under the row clears the letters.
        for (const PrintedItem& other : drawn) {
          if (&other == &item || other.page != item.page) continue;
          if (other.kind == PrintedItem::Kind::Text && other.y == item.y && other.x > item.x)
            QVERIFY2(item.x + item.width < other.x, qPrintable(item.text + " / " + other.text));
        }
        if (item.font_size != 8) continue;
        font.setPointSizeF(item.font_size);
        const double letters = QFontMetricsF(font, a4).height() * 1440.0 / a4->logicalDpiY();
        double rule_below = 1e9;
        for (const PrintedItem& line : drawn)
          if (line.kind == PrintedItem::Kind::Line && line.page == item.page && line.y > item.y)
            rule_below = std::min(rule_below, line.y);
        if (rule_below < 1e9) QVERIFY2(item.y + letters < rule_below, qPrintable(item.text));
      }
    }
    printing_seam::AnswerPrinterDialog(nullptr);
  }

  // Under a decimal comma: the sweeps by name as the language orders them; values and bids right
  // under their captions, the bids in sight without scrolling from the first load on, and a large
  // total of bids whole.
  void listsReadInTheUsersLanguage() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const testing_support::ProcessLocale money(testing_support::kDecimalCommaLocale, LC_MONETARY);
    QVERIFY2(money.ok(), "no decimal-comma locale: run scripts/install-deps");
    ProgramFolder folder;
    app_testing::WriteMembers(folder, {{"Maximiliane Mustermann-Lüdenscheid", "maximiliane_mustermann-l__denscheid"},
                                       {"Bob", "bob"}});
    const std::vector<TestChoice> bids = {{"FRA", "maximiliane_mustermann-l__denscheid", "98765.43"},
                                          {"ARG", "bob", "12345.67"}};
    app_testing::WriteSweeps(folder, {{"zeta", "zeta", "tournament_winner", "fun"},
                                      {"Équipe", "_quipe", "most_goals_scored", "bid", nullptr, bids},
                                      {"Alpha", "alpha", "tournament_winner", "fun"},
                                      {"Scorers", "scorers", "top_scorer", "bid", nullptr, {{"FRA10", "bob", "12345.67"}}}});
    frmMain& main = StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    frmSweeps& w = OpenSweeps(main);
    for (const char* sweep : {"Équipe", "Scorers"}) {
      Choose(w, sweep);
      QCoreApplication::processEvents();
      QTreeWidget* list = w.TeamList->isVisible() ? w.TeamList : w.PlayerList;
      QVERIFY2(list->header()->length() <= list->viewport()->width(), sweep);
      QTreeWidgetItem* row = list->topLevelItem(0);
      for (int column : {static_cast<int>(team_column::Value), static_cast<int>(team_column::Bid)}) {
        QVERIFY(row->textAlignment(column) & Qt::AlignRight);
        QVERIFY2(list->columnWidth(column) >= list->fontMetrics().horizontalAdvance(row->text(column)), sweep);
      }
      QVERIFY(row->text(team_column::Bid).contains(QLatin1String("345,67")) ||
              row->text(team_column::Bid).contains(QLatin1String("765,43")));
    }
    Choose(w, "Équipe");
    QCOMPARE(w.BidsLabel->text(), sweeps::Currency(111111.10));
    QVERIFY(w.BidsLabel->sizeHint().width() <= w.BidsLabel->width());
    QVERIFY(w.BidsFrame->geometry().right() < w.cmdMembers->x());
    QVERIFY(w.cmdRemove->geometry().right() < w.cmdOK->x());
    QStringList entries;
    for (int i = 0; i < w.cboSweepList->count(); ++i) entries << w.cboSweepList->itemText(i);
    QCOMPARE(entries, (QStringList{"Alpha", "Équipe", "Scorers", "zeta"}));
  }

  // The open window, and its printout, follow every change of the results and of the result set.
  void followsTheResults() {
    ProgramFolder folder;
    WriteMembersAnnBobCat(folder);
    app_testing::WriteSweeps(folder, {{"Winner", "winner", "tournament_winner", "fun", nullptr, {{"ARG", "ann"}}},
                                      {"Goals", "goals", "total_goals", "fun", nullptr, {{"150", "bob"}}}});
    frmMain& main = StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    frmSweeps& w = OpenSweeps(main);
    Choose(w, "Winner");
    QCOMPARE(w.TeamList->topLevelItem(0)->text(team_column::Team), QStringLiteral("*** Argentina ***"));

    main.OpenResultsSet("Results");
    QCOMPARE(Row(w.TeamList, "ARG")->text(team_column::Team), QStringLiteral("Argentina"));
    QVERIFY(!Row(w.TeamList, "ARG")->font(team_column::Team).bold());
    QCOMPARE(Row(w.TeamList, "ARG")->text(team_column::Member), QStringLiteral("Ann"));
    PrintCapture capture;
    QTest::mouseClick(w.cmdPrint, Qt::LeftButton);
    QVERIFY(PrintCapture::FindText("Argentina"));
    QVERIFY(!PrintCapture::FindText("*** Argentina ***"));

    Choose(w, "Goals");
    QVERIFY(w.NumberList->headerItem()->text(number_column::Number).endsWith(QLatin1String("(0)")));
    main.OpenResultsSet("Tournament 2022");
    QVERIFY(w.NumberList->headerItem()->text(number_column::Number).endsWith(QLatin1String("(172)")));
  }

  // After New, a "No" to saving and no new sweep after all, the list shows the choices the sweeps
  // hold again, and nothing is pending.
  void newDroppingChangesShowsWhatIsLeft() {
    ProgramFolder folder;
    WriteMembersAnnBobCat(folder);
    app_testing::WriteSweeps(folder, {{"A", "a", "tournament_winner", "fun", nullptr, {{"FRA", "bob"}}}});
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = OpenSweeps(main);
    Choose(w, "A");
    gobjKelvane->SetSweepMember("A", kelvane::Variant("ARG"), "Ann");
    w.LoadTeamList("A");
    w.cmdApply->setEnabled(true);
    w.cmdEdit->setEnabled(false);
    MessageBoxes boxes({QMessageBox::No});
    QVERIFY(app_testing::OnModal<frmNewSweep>([&] { QTest::mouseClick(w.cmdNewSweep, Qt::LeftButton); },
                                              [](frmNewSweep&) {}));
    QCOMPARE(boxes.Text(), QStringLiteral("Do you want to save changes first?"));
    QVERIFY(Row(w.TeamList, "ARG")->text(team_column::Member).isEmpty());
    QCOMPARE(Row(w.TeamList, "FRA")->text(team_column::Member), QStringLiteral("Bob"));
    QVERIFY(!w.cmdApply->isEnabled());
    QVERIFY(w.cmdEdit->isEnabled());
  }

  // Ending the program does not drop unapplied sweep changes unasked.
  void programEndWithChangesPending() {
    ProgramFolder folder;
    WriteMembersAnnBobCat(folder);
    app_testing::WriteSweeps(folder, {{"A", "a", "tournament_winner", "fun"}});
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = OpenSweeps(main);
    Choose(w, "A");
    gobjKelvane->SetSweepMember("A", kelvane::Variant("ARG"), "Ann");
    w.cmdApply->setEnabled(true);
    // Behind the main window, with unsaved results too: the first question comes over the
    // sweeps window and says it is about the sweeps.
    main.SaveResults->setEnabled(true);
    main.raise();
    main.activateWindow();
    {
      MessageBoxes boxes({QMessageBox::Cancel});
      main.close();
      QCOMPARE(boxes.Text(), QStringLiteral("Do you want to save the changes to the sweeps?"));
      QCOMPARE(boxes.Seen()[0].owner, QStringLiteral("frmSweeps"));
      QVERIFY(frmMain::IsLoaded() && frmSweeps::IsLoaded());
    }
    main.SaveResults->setEnabled(false);
    MessageBoxes boxes({QMessageBox::Yes});
    main.close();
    QCOMPARE(boxes.Seen().size(), 1);
    QVERIFY(!frmMain::IsLoaded());
    QVERIFY(SavedChoice(folder, "ARG", "ann"));
  }
};

QTEST_MAIN(SweepsWindowTest)
#include "sweeps_window_test.moc"

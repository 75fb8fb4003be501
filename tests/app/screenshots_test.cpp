// Pictures of the splash, of each view of the main window and of each dialog at its default size
// on "Tournament 2022", written to build/screenshots (or $PITCHLOG_SCREENSHOTS) for a person to
// look at.
#include <functional>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/entry/frm_group_score.h"
#include "app/entry/frm_ko_game_facts.h"
#include "app/entry/frm_ko_score.h"
#include "app/entry/frm_lots.h"
#include "app/entry/frm_penalties.h"
#include "app/game/frm_rallet.h"
#include "app/shell/frm_about.h"
#include "app/shell/frm_customise.h"
#include "app/shell/frm_help.h"
#include "app/shell/frm_licence.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_players.h"
#include "app/shell/frm_properties.h"
#include "app/kit/program.h"
#include "app/shell/frm_save_stats.h"
#include "app/shell/frm_splash.h"
#include "app/shell/start.h"
#include "app/sweeps/frm_accounts.h"
#include "app/sweeps/frm_member_details.h"
#include "app/sweeps/frm_members.h"
#include "app/sweeps/frm_new_sweep.h"
#include "app/sweeps/frm_number_list_entry.h"
#include "app/sweeps/frm_player_list_entry.h"
#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/frm_team_list_entry.h"
#include "tests/app/support/game_driver.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/print_capture.h"
#include "tests/app/support/program_fixture.h"
#include "tests/app/support/sweeps_files.h"

using namespace pitchlog;
using app_testing::ProgramFolder;

namespace {

QString Folder() {
  const QString folder = qEnvironmentVariable("PITCHLOG_SCREENSHOTS", QStringLiteral(PITCHLOG_SCREENSHOT_DIR));
  QDir().mkpath(folder);
  return folder;
}

void Save(QWidget& widget, const QString& name) {
  const QPixmap picture = widget.grab();
  QVERIFY(!picture.isNull());
  QVERIFY(picture.save(Folder() + "/" + name + ".png"));
}

// The printout that the button makes, kept as a PDF file beside the pictures.
void SavePrintout(const std::function<void()>& print, const QString& name) {
  const app_testing::PrintCapture capture;
  print();
  QVERIFY2(capture.Pdf().startsWith("%PDF"), qPrintable(name));
  QFile::remove(Folder() + "/" + name + ".pdf");
  QVERIFY(QFile::copy(capture.PdfPath(), Folder() + "/" + name + ".pdf"));
}

}  // namespace

class ScreenshotsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    frmPenalties::Unload();
    frmKOScore::Unload();
    frmKOGameFacts::Unload();
    frmGroupScore::Unload();
    frmLots::Unload();
    frmProperties::Unload();
    frmCustomise::Unload();
    frmSaveStats::Unload();
    frmLicence::Unload();
    frmHelp::Unload();
    frmAbout::Unload();
    frmPlayers::Unload();
    frmSweeps::Unload();
    frmMembers::Unload();
    frmAccounts::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  void splashAndViews() {
    ProgramFolder folder;
    QVERIFY(StartProgram(folder.Path()));
    QVERIFY(QTest::qWaitForWindowExposed(&frmSplash::Get()));
    Save(frmSplash::Get(), "splash");
    QTest::mouseClick(frmSplash::Get().Continue, Qt::LeftButton);
    frmMain& window = frmMain::Get();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.OpenResultsSet("Tournament 2022");
    const char* const names[] = {"schedule", "groups", "knockout", "stats", "analysis", "home"};
    for (int tab = 0; tab < 6; ++tab) {
      window.MainTab->setCurrentIndex(tab);
      Save(window, QStringLiteral("main-%1-%2").arg(tab).arg(names[tab]));
    }
    // England 6-2 Iran: the score panel with six scorers a side.
    window.MainTab->setCurrentIndex(1);
    window.GroupTab->setCurrentIndex(6);
    window.ShowGameFacts("B1");
    QApplication::processEvents();
    Save(window, "main-1-groups-score");
  }

  void withoutAHomePage() {
    ProgramFolder folder;
    folder.Remove("WBHome/index.htm");
    frmMain& window = app_testing::StartToMainWindow(folder);
    Save(window, "main-without-home-page");
  }

  // The goal times of the 2022 knock-out games.
  void analysisChart() {
    ProgramFolder folder;
    frmMain& main = app_testing::StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    main.MainTab->setCurrentIndex(4);
    main.findChild<QRadioButton*>("optAnalKO")->click();
    auto* charts = main.findChild<QComboBox*>("cboChart");
    charts->setCurrentIndex(charts->findData(5));
    Save(main, "main-analysis-goal-times");
  }

  // The About box, the developer's contact box and the licence terms.
  void helpBoxes() {
    ProgramFolder folder;
    frmMain& main = app_testing::StartToMainWindow(folder);
    main.findChild<QAction*>("About")->trigger();
    frmAbout& about = frmAbout::Get();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    Save(about, "help-about");
    app_testing::ModalDialog contact(QStringLiteral("frmContact"), [](QWidget& box) {
      Save(box, "help-contact");
      box.close();
    });
    about.cmdDeveloperContact->click();
    QVERIFY(contact.Seen());
    frmLicence::Get().show();
    Save(frmLicence::Get(), "help-licence");
    frmHelp::Get().ShowTopic("ranking.html");
    Save(frmHelp::Get(), "help-window");
  }

  // The Stats view on the finished 2022 tournament: a teams table in averages and the top scorers.
  void statsView() {
    ProgramFolder folder;
    frmMain& main = app_testing::StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    main.MainTab->setCurrentIndex(3);
    QComboBox* tables = main.findChild<QComboBox*>("cboStatsTables");
    tables->setCurrentIndex(tables->findText("Teams Overview"));
    main.findChild<QRadioButton*>("optStatsAverages")->click();
    Save(main, "stats-teams-averages");
    tables->setCurrentIndex(tables->findText("Top Scorers"));
    Save(main, "stats-top-scorers");
  }

  // The entry dialogs on the finished 2022 tournament: a group game, the final's facts, score and
  // shoot-out, and the lots of a group.
  void entryDialogs() {
    ProgramFolder folder;
    frmMain& main = app_testing::StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    main.GameID = "A1";
    frmGroupScore::Get().show();
    Save(frmGroupScore::Get(), "entry-group-score");
    frmGroupScore::Unload();
    main.GameID = "B1";  // England 6-2 Iran
    frmGroupScore::Get().show();
    Save(frmGroupScore::Get(), "entry-group-score-six-goals");
    frmGroupScore::Unload();
    main.KOIndex = 7;  // Portugal 6-1 Switzerland
    frmKOScore::Get().show();
    Save(frmKOScore::Get(), "entry-ko-score-six-goals");
    frmKOScore::Unload();
    main.KOIndex = 15;
    Save(frmKOGameFacts::Get(), "entry-ko-game-facts");
    app_testing::MessageBoxes notice({QMessageBox::Ok});  // the final has recorded kicks
    frmKOScore::Get().show();
    Save(frmKOScore::Get(), "entry-ko-score");
    Save(frmPenalties::Get(), "entry-penalties");
    Save(frmLots::Get(), "entry-lots");
  }

  // The settings dialog with both teams chosen, in their colours.
  void settingsDialog() {
    ProgramFolder folder;
    QByteArray properties = folder.Read("Data/properties.xml");
    properties.replace("<myteam></myteam>", "<myteam>ARG</myteam>");
    properties.replace("<myotherteam></myotherteam>", "<myotherteam>FRA</myotherteam>");
    properties.replace("<timedifference></timedifference>", "<timedifference>0</timedifference>");
    folder.Write("Data/properties.xml", properties);
    app_testing::StartToMainWindow(folder);
    frmProperties& dialog = frmProperties::Get();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    Save(dialog, "settings");
  }

  // The players editor on Argentina.
  void playersEditor() {
    ProgramFolder folder;
    app_testing::StartToMainWindow(folder);
    frmPlayers& editor = frmPlayers::Get();
    editor.show();
    editor.cboTeam->setCurrentIndex(editor.cboTeam->findText(QStringLiteral("Argentina")));
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    Save(editor, "players-editor");
  }

  // The hidden game: a two-player match under way, and the high scores of attract mode.
  void game() {
    app_testing::TemporaryDataFolder data;
    int match_turns = 0;
    bool match_saved = false;
    bool scores_saved = false;
    int score_turns = 0;
    app_testing::GameDriver driver([&](frmRallet& game, int) {
      const bool started = match_turns > 0 || game.numPlayers == 2;
      if (game.credits < 2 && !started) app_testing::Tap(game, Qt::Key_Q);
      if (game.credits == 2 && !started) app_testing::Tap(game, Qt::Key_2);
      if (game.numPlayers == 2 && ++match_turns == 700) {
        Save(game, "game-match");
        match_saved = true;
        app_testing::Tap(game, Qt::Key_Escape);
      }
      if (match_saved && game.demoLevel == 4 && ++score_turns == 20) {
        Save(game, "game-high-scores");
        scores_saved = true;
        game.keyesc = 1;
      }
    });
    driver.Play();
    QVERIFY(match_saved && scores_saved);
  }

  // The layout dialogs over the teams overview of 2022: its columns, and a name to save it under.
  void statsLayoutDialogs() {
    ProgramFolder folder;
    frmMain& main = app_testing::StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    main.MainTab->setCurrentIndex(3);
    QComboBox* tables = main.findChild<QComboBox*>("cboStatsTables");
    tables->setCurrentIndex(tables->findText("Teams Overview"));
    frmCustomise& customise = frmCustomise::Get();
    customise.show();
    QVERIFY(QTest::qWaitForWindowExposed(&customise));
    Save(customise, "stats-customise");
    frmCustomise::Unload();
    frmSaveStats& save = frmSaveStats::Get();
    save.txtName->setText("My Teams Overview");
    save.show();
    QVERIFY(QTest::qWaitForWindowExposed(&save));
    Save(save, "stats-save-layout");
  }

  // The sweepstake windows on the finished 2022 tournament with a small circle of members.
  void sweepsWindows() {
    ProgramFolder folder;
    app_testing::WriteMembers(folder, {{"Ann", "ann", "4"}, {"Bob", "bob", "10"}, {"Cat", "cat"}});
    app_testing::WriteSweeps(
        folder, {{"Office Winner", "office_winner", "tournament_winner", "stake", "5",
                  {{"ARG", "ann"}, {"FRA", "bob"}, {"BRA", "cat"}, {"ENG", "ann"}}},
                 {"Golden Boot", "golden_boot", "top_scorer", "bid", nullptr,
                  {{"FRA10", "bob", "12.5"}, {"ARG10", "ann", "10"}, {"ENG09", "cat", "4.25"}}},
                 {"Total Goals", "total_goals", "total_goals", "fun", nullptr,
                  {{"150", "ann"}, {"170", "bob"}, {"180", "cat"}}}});
    frmMain& main = app_testing::StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    frmSweeps& sweeps = frmSweeps::Get();
    sweeps.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sweeps));
    const char* const shown[][2] = {
        {"Office Winner", "sweeps-team-list"}, {"Golden Boot", "sweeps-player-list"}, {"Total Goals", "sweeps-number-list"}};
    for (const auto& [sweep, picture] : shown) {
      sweeps.cboSweepList->setCurrentIndex(sweeps.cboSweepList->findText(QLatin1String(sweep)));
      Save(sweeps, picture);
    }
    auto entry = [&](QTreeWidget* list, int row, auto* dialog_type, const char* picture) {
      using Dialog = std::remove_pointer_t<decltype(dialog_type)>;
      QVERIFY(app_testing::OnModal<Dialog>(
          [&] { emit list->itemDoubleClicked(list->topLevelItem(row), 0); },
          [&](Dialog& d) { Save(d, picture); }));
      app_testing::ProcessDeletions();
    };
    entry(sweeps.NumberList, sweeps.NumberList->topLevelItemCount() - 1, static_cast<frmNumberListEntry*>(nullptr),
          "entry-number-new");
    sweeps.cboSweepList->setCurrentIndex(sweeps.cboSweepList->findText(QStringLiteral("Golden Boot")));
    entry(sweeps.PlayerList, sweeps.PlayerList->topLevelItemCount() - 1, static_cast<frmPlayerListEntry*>(nullptr),
          "entry-player-new");
    entry(sweeps.PlayerList, 0, static_cast<frmPlayerListEntry*>(nullptr), "entry-player");
    sweeps.cboSweepList->setCurrentIndex(sweeps.cboSweepList->findText(QStringLiteral("Office Winner")));
    entry(sweeps.TeamList, 0, static_cast<frmTeamListEntry*>(nullptr), "entry-team");
    QVERIFY(app_testing::OnModal<frmNewSweep>([&] { sweeps.cmdNewSweep->click(); },
                                              [&](frmNewSweep& d) { Save(d, "sweeps-new-sweep"); }));

    frmMembers& members = frmMembers::Get();
    members.show();
    Save(members, "sweeps-members");
    frmAccounts& accounts = frmAccounts::Get();
    accounts.show();
    Save(accounts, "sweeps-accounts");
    frmMemberDetails::Member = QStringLiteral("Ann");
    frmMemberDetails::Get().show();
    Save(frmMemberDetails::Get(), "sweeps-member-details");
    frmMemberDetails::Unload();
  }

  // Every printout: the three kinds of sweep list beside a long member name and a large bid, the
  // accounts of a pool longer than a page, and the team draw slips.
  void printouts() {
    ProgramFolder folder;
    app_testing::WriteMembers(folder, {{"Ann", "ann", "4"}, {"Bob", "bob", "10"}});
    app_testing::WriteSweeps(
        folder, {{"Office Winner", "office_winner", "tournament_winner", "stake", "5", {{"ARG", "ann"}, {"FRA", "bob"}}},
                 {"Golden Boot", "golden_boot", "top_scorer", "bid", nullptr, {{"FRA10", "bob", "12.5"}}},
                 {"Total Goals", "total_goals", "total_goals", "fun", nullptr, {{"150", "ann"}, {"170", "bob"}}}});
    frmMain& main = app_testing::StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    const std::string long_name = "Maximiliane Auguste Viktoria von Hohenzollern-Sigmaringen II";
    gobjKelvane->AddMember(long_name);
    gobjKelvane->SetSweepMember("Office Winner", kelvane::Variant("BRA"), long_name);
    gobjKelvane->SetSweepMember("Golden Boot", kelvane::Variant("ARG10"), long_name);
    gobjKelvane->SetSweepBid("Golden Boot", kelvane::Variant("ARG10"), 150.0);
    gobjKelvane->SetSweepMember("Total Goals", kelvane::Variant("160"), long_name);
    for (int i = 0; i < 120; ++i) gobjKelvane->AddMember("Member " + std::to_string(i));
    // The sweeps window reads the files.
    gobjKelvane->SaveMembers();
    gobjKelvane->SaveSweeps();
    frmSweeps& sweeps = frmSweeps::Get();
    sweeps.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sweeps));
    const char* const lists[][2] = {
        {"Office Winner", "print-sweeps-team-list"}, {"Golden Boot", "print-sweeps-player-list"},
        {"Total Goals", "print-sweeps-number-list"}};
    for (const auto& [sweep, printout] : lists) {
      sweeps.cboSweepList->setCurrentIndex(sweeps.cboSweepList->findText(QLatin1String(sweep)));
      SavePrintout([&] { sweeps.cmdPrint->click(); }, QLatin1String(printout));
    }
    frmAccounts& accounts = frmAccounts::Get();
    accounts.show();
    SavePrintout([&] { accounts.cmdPrint->click(); }, QStringLiteral("print-accounts"));
    frmAccounts::Unload();
    SavePrintout([&] { main.findChild<QAction*>(QStringLiteral("TeamDrawSlips"))->trigger(); },
                 QStringLiteral("print-team-draw-slips"));
  }
};

QTEST_MAIN(ScreenshotsTest)
#include "screenshots_test.moc"

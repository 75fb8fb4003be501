// The Stats view of the main window against the shipped 2022 tournament: choosing tables, the
// teams, groups and players lists with their stages and averages, sorting by column, the layout
// capture, the question about a changed layout, removing a table, and what bad layouts do.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/kit/program.h"
#include "app/kit/score_text.h"
#include "app/shell/frm_main.h"
#include "app/shell/stats_list.h"
#include "app/shell/stats_view.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/program_fixture.h"
#include "tests/app/support/stats_view_steps.h"

using namespace pitchlog;
using app_testing::Choose;
using app_testing::ShownHeadings;
using app_testing::StartOnStats;
using app_testing::MessageBoxes;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;

namespace {

const QString kTables = QStringLiteral("Data/statstables.xml");

QString Unmarked(QString heading) { return heading.startsWith("* ") ? heading.mid(2) : heading; }

int Logical(const QTreeWidget* list, const QString& heading) {
  for (int h = 1; h <= stats_list::kHeaders; ++h)
    if (stats_list::ColumnWidth(list, h) > 0 && Unmarked(stats_list::HeaderText(list, h)) == heading) return h - 1;
  qFatal("no shown column %s", qPrintable(heading));
}

// One column's cells, top to bottom.
QStringList Cells(const QTreeWidget* list, const QString& heading) {
  const int column = Logical(list, heading);
  QStringList cells;
  for (int r = 0; r < list->topLevelItemCount(); ++r) cells << list->topLevelItem(r)->text(column);
  return cells;
}

QTreeWidgetItem* Row(const QTreeWidget* list, const QString& heading, const QString& text) {
  const int column = Logical(list, heading);
  for (int r = 0; r < list->topLevelItemCount(); ++r)
    if (list->topLevelItem(r)->text(column) == text) return list->topLevelItem(r);
  return nullptr;
}

QString Cell(const QTreeWidget* list, const QString& key_heading, const QString& key, const QString& heading) {
  const QTreeWidgetItem* row = Row(list, key_heading, key);
  if (!row) qFatal("no row %s", qPrintable(key));
  return row->text(Logical(list, heading));
}

QTreeWidgetItem* LastRow(const QTreeWidget* list) { return list->topLevelItem(list->topLevelItemCount() - 1); }

void ClickHeader(QTreeWidget* list, const QString& heading) {
  QHeaderView* header = list->header();
  const int logical = Logical(list, heading);
  const QPoint at(header->sectionViewportPosition(logical) + header->sectionSize(logical) / 2, header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

QList<int> Numbers(const QStringList& cells) {
  QList<int> numbers;
  for (const QString& cell : cells) numbers << cell.toInt();
  return numbers;
}

bool Ascending(const QList<int>& numbers) { return std::is_sorted(numbers.begin(), numbers.end()); }
bool Descending(const QList<int>& numbers) { return std::is_sorted(numbers.rbegin(), numbers.rend()); }

// A table of the stats tables file; columns are "heading:index" pairs.
QByteArray Table(const QString& type, const QString& name, const QString& stage, const QString& sort,
                 const QStringList& columns) {
  QString xml = QStringLiteral("<table tableid=\"%1\"><type>%2</type><name>%3</name><stage>%4</stage>"
                               "<averages>false</averages><sort>%5</sort><sequence>asc</sequence>")
                    .arg(name.toLower().replace(' ', '_'), type, name, stage, sort);
  for (const QString& column : columns) {
    const QStringList parts = column.split(':');
    xml += QStringLiteral("<column><heading>%1</heading><width>900</width><align>left</align><index>%2</index>"
                          "</column>")
               .arg(parts[0], parts[1]);
  }
  return (xml + "</table>").toUtf8();
}

void AddTables(const ProgramFolder& folder, const QByteArray& tables) {
  QByteArray file = folder.Read(kTables);
  file.replace("</statstables>", tables + "</statstables>");
  folder.Write(kTables, file);
}

}  // namespace

class StatsViewTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    app_testing::UseTemporaryRegistry();
  }
  void cleanup() { app_testing::ResetProgram(); }

  // Nothing is chosen at first and after ClearStats; the names are alphabetical whatever their
  // order in the file, capitals or not.
  void tableListAndTheViewBeforeATableIsChosen() {
    ProgramFolder folder;
    AddTables(folder, Table("players", "assists", "0", "0", {"Player:-2"}));
    frmMain& window = StartOnStats(folder);
    const StatsView& view = *window.statsView;
    const auto check_nothing_chosen = [&] {
      QStringList names;
      for (int i = 0; i < view.cboStatsTables->count(); ++i) names << view.cboStatsTables->itemText(i);
      QCOMPARE(names, QStringList({"assists", "Group Summary", "Teams Overview", "Top Scorers"}));
      QCOMPARE(view.cboStatsTables->currentIndex(), -1);
      const QList<const QWidget*> hidden = {view.lvwStats, view.lblNoStats, view.StageFrame, view.StatsValuesFrame};
      for (const QWidget* widget : hidden) QVERIFY2(widget->isHidden(), qPrintable(widget->objectName()));
      for (const QPushButton* button : {view.cmdSave, view.cmdCustomise, view.cmdRemove})
        QVERIFY2(!button->isEnabled(), qPrintable(button->objectName()));
      QVERIFY(!window.blnSaveStats);
    };
    // The choices and buttons stand where they stand with a table on show.
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto places = [&] {
      QApplication::processEvents();
      return QList<QRect>{view.StatsTablesFrame->geometry(), view.cmdSave->geometry()};
    };
    check_nothing_chosen();
    const QList<QRect> before = places();
    Choose(window, "Teams Overview");
    QVERIFY(view.lvwStats->isVisible());
    QCOMPARE(places(), before);
    window.blnSaveStats = true;
    window.ClearStats();
    check_nothing_chosen();
    QCOMPARE(places(), before);
  }

  void teamsOverviewOf2022() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    const StatsView& view = *window.statsView;
    const QTreeWidget* list = view.lvwStats;
    QVERIFY(list->isVisible());
    QVERIFY(view.lblNoStats->isHidden());
    QVERIFY(view.StageFrame->isVisible());
    QVERIFY(view.StatsValuesFrame->isVisible());
    QVERIFY(view.optStageBoth->isChecked());
    QVERIFY(view.optStatsTotals->isChecked());
    QCOMPARE(window.strStatsType, std::string("teams"));
    QCOMPARE(ShownHeadings(list), QStringList({"* Team", "P", "W", "D", "L", "GF", "GA"}));
    QCOMPARE(window.intSortCol, int16_t(-2));
    QCOMPARE(window.intCurrSort, int16_t(-2));

    // 32 teams by name, capitals not counting ("Uruguay" before "USA"), and the total row last.
    QCOMPARE(list->topLevelItemCount(), 33);
    const QStringList teams = Cells(list, "Team");
    QCOMPARE(teams.first(), QStringLiteral("Argentina"));
    QVERIFY(teams.indexOf("Uruguay") + 1 == teams.indexOf("USA"));
    const QTreeWidgetItem* total = LastRow(list);
    QCOMPARE(total->text(0), QStringLiteral("0"));
    QCOMPARE(total->text(Logical(list, "Team")), QString());
    QVERIFY(total->font(Logical(list, "P")).bold());
    // Every game once; draws are the games without a winner, the five shoot-outs included.
    QCOMPARE(total->text(Logical(list, "P")), QStringLiteral("64"));
    QCOMPARE(total->text(Logical(list, "W")), QStringLiteral("49"));
    QCOMPARE(total->text(Logical(list, "D")), QStringLiteral("15"));

    const QStringList argentina = {"7", "4", "2", "1", "15", "8"};
    const char* const figures[] = {"P", "W", "D", "L", "GF", "GA"};
    for (int c = 0; c < 6; ++c) QCOMPARE(Cell(list, "Team", "Argentina", figures[c]), argentina[c]);
    QVERIFY(!Row(list, "Team", "Argentina")->font(1).bold());
    // Numbers right, names left, as the layout says.
    QCOMPARE(Row(list, "Team", "Argentina")->textAlignment(Logical(list, "GF")) & Qt::AlignRight, Qt::AlignRight);
    QCOMPARE(Row(list, "Team", "Argentina")->textAlignment(Logical(list, "Team")) & Qt::AlignRight, 0);
  }

  void stageAndValueOptionsReloadTheList() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    const StatsView& view = *window.statsView;
    const QTreeWidget* list = view.lvwStats;

    QTest::mouseClick(view.optStatsAverages, Qt::LeftButton);
    QVERIFY(window.blnStatsAverages);
    // Games stay whole; 15 goals in 7 games is 2.143.
    QCOMPARE(Cell(list, "Team", "Argentina", "P"), QStringLiteral("7"));
    QCOMPARE(Cell(list, "Team", "Argentina", "GF"), QStringLiteral("2.143"));
    QCOMPARE(Cell(list, "Team", "Argentina", "GA"), QStringLiteral("1.143"));
    QCOMPARE(ShownHeadings(list).first(), QStringLiteral("* Team"));

    QTest::mouseClick(view.optStageKO, Qt::LeftButton);
    QCOMPARE(window.intStatsStage, int16_t(2));
    QCOMPARE(list->topLevelItemCount(), 17);  // the 16 teams of the knock-out stage and the total
    QCOMPARE(Cell(list, "Team", "Argentina", "P"), QStringLiteral("4"));
    QVERIFY(!Row(list, "Team", "Qatar"));
    QCOMPARE(LastRow(list)->text(Logical(list, "P")), QStringLiteral("16"));
    QCOMPARE(LastRow(list)->text(Logical(list, "D")), QStringLiteral("0.313"));  // 5 of 16

    QTest::mouseClick(view.optStatsTotals, Qt::LeftButton);
    QCOMPARE(LastRow(list)->text(Logical(list, "D")), QStringLiteral("5"));
    QTest::mouseClick(view.optStageGroup, Qt::LeftButton);
    QCOMPARE(list->topLevelItemCount(), 33);
    QCOMPARE(Cell(list, "Team", "Argentina", "GF"), QStringLiteral("5"));
    QCOMPARE(LastRow(list)->text(Logical(list, "P")), QStringLiteral("48"));
  }

  // The keys of numbers are right-aligned, so they sort as numbers; the total row stays last.
  void columnClicksSortAndMoveTheMark() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    QTreeWidget* list = window.statsView->lvwStats;

    ClickHeader(list, "GF");
    QCOMPARE(ShownHeadings(list), QStringList({"Team", "P", "W", "D", "L", "* GF", "GA"}));
    QCOMPARE(window.intSortCol, int16_t(14));
    QList<int> goals = Numbers(Cells(list, "GF"));
    QCOMPARE(LastRow(list)->text(0), QStringLiteral("0"));
    goals.removeLast();
    QVERIFY(Ascending(goals));
    QCOMPARE(goals.first(), 1);  // Qatar
    QCOMPARE(goals.last(), 16);  // France

    ClickHeader(list, "GF");
    QCOMPARE(stats_list::Order(list), Qt::DescendingOrder);
    goals = Numbers(Cells(list, "GF"));
    QCOMPARE(LastRow(list)->text(0), QStringLiteral("0"));
    goals.removeLast();
    QVERIFY(Descending(goals));
    QCOMPARE(Cells(list, "Team").first(), QStringLiteral("France"));

    // Another column keeps the direction; names are compared without capitals.
    ClickHeader(list, "Team");
    QCOMPARE(ShownHeadings(list).first(), QStringLiteral("* Team"));
    QCOMPARE(ShownHeadings(list)[5], QStringLiteral("GF"));
    QStringList teams = Cells(list, "Team");
    QCOMPARE(teams.takeLast(), QString());
    QCOMPARE(teams.first(), QStringLiteral("Wales"));
    QVERIFY(teams.indexOf("USA") + 1 == teams.indexOf("Uruguay"));
  }

  // The stored direction applies when the table is chosen: the top scorers come first.
  void topScorersOf2022() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Top Scorers");
    const StatsView& view = *window.statsView;
    const QTreeWidget* list = view.lvwStats;
    QVERIFY(view.StageFrame->isVisible());
    QVERIFY(view.StatsValuesFrame->isHidden());
    QCOMPARE(ShownHeadings(list), QStringList({"Player", "Team", "* Goals", "Pens"}));
    QCOMPARE(stats_list::Order(list), Qt::DescendingOrder);
    const QStringList players = Cells(list, "Player");
    QCOMPARE(players.mid(0, 2), QStringList({"Kylian MBAPPE", "Lionel MESSI"}));
    QCOMPARE(Cell(list, "Player", "Kylian MBAPPE", "Goals"), QStringLiteral("8"));
    QCOMPARE(Cell(list, "Player", "Lionel MESSI", "Goals"), QStringLiteral("7"));
    QCOMPARE(Cell(list, "Player", "Lionel MESSI", "Pens"), QStringLiteral("4"));
    QCOMPARE(Cell(list, "Player", "Lionel MESSI", "Team"), QStringLiteral("Argentina"));
    const QTreeWidgetItem* total = LastRow(list);
    QCOMPARE(total->text(0), QStringLiteral("0"));
    QCOMPARE(total->text(Logical(list, "Player")), QString());
    QCOMPARE(total->text(Logical(list, "Goals")), QStringLiteral("172"));
    QVERIFY(total->font(0).bold());

    // A player whose figures in the stage are all 0 has no row: Ramos scored in the knock-out
    // games only.
    QVERIFY(Row(list, "Player", "GONCALO RAMOS"));
    QTest::mouseClick(view.optStageGroup, Qt::LeftButton);
    QVERIFY(!Row(list, "Player", "GONCALO RAMOS"));
    QCOMPARE(Cells(list, "Goals").first(), QStringLiteral("3"));
    QTest::mouseClick(view.optStageKO, Qt::LeftButton);
    QCOMPARE(Cell(list, "Player", "GONCALO RAMOS", "Goals"), QStringLiteral("3"));
  }

  void groupSummaryOf2022() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Group Summary");
    const StatsView& view = *window.statsView;
    const QTreeWidget* list = view.lvwStats;
    QVERIFY(view.StageFrame->isHidden());
    QVERIFY(view.StatsValuesFrame->isVisible());
    QCOMPARE(ShownHeadings(list), QStringList({"* Group", "P", "D", "High", "Low", "Margin"}));
    QCOMPARE(Cells(list, "Group"), QStringList({"A", "B", "C", "D", "E", "F", "G", "H", "KO", " "}));
    QCOMPARE(Cells(list, "P"), QStringList({"6", "6", "6", "6", "6", "6", "6", "6", "16", "64"}));
    QVERIFY(LastRow(list)->font(0).bold());
    QTest::mouseClick(view.optStatsAverages, Qt::LeftButton);
    QCOMPARE(Cells(list, "P").last(), QStringLiteral("64"));
    QCOMPARE(Cells(list, "D").last(), QStringLiteral("0.234"));  // 15 of 64
  }

  // Nothing played in the chosen stage: the label instead of an empty list.
  void noGamesPlayedShowsNoStats_data() {
    QTest::addColumn<QString>("table");
    QTest::newRow("teams") << "Teams Overview";
    QTest::newRow("groups") << "Group Summary";
    QTest::newRow("players") << "Top Scorers";
  }
  void noGamesPlayedShowsNoStats() {
    QFETCH(QString, table);
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder, nullptr);
    Choose(window, table);
    const StatsView& view = *window.statsView;
    QVERIFY(view.lblNoStats->isVisible());
    QCOMPARE(view.lblNoStats->text(), QStringLiteral("No stats available for the options selected"));
    QVERIFY(view.lvwStats->isHidden());
  }

  void rowsOfTheUsersTeamsTakeTheirColours() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    window.objKelvane->SetProperties("myteam", std::string("ARG"));
    window.objKelvane->SetProperties("myotherteam", std::string("FRA"));
    glngMyTeamColour = 0x0000FF;       // red
    glngMyOtherTeamColour = 0xFF0000;  // blue
    Choose(window, "Teams Overview");
    const QTreeWidget* list = window.statsView->lvwStats;
    const auto colour = [&](const char* heading, const char* name) {
      return Row(list, heading, name)->foreground(Logical(list, heading)).color();
    };
    QCOMPARE(colour("Team", "Argentina"), QColor(Qt::red));
    QCOMPARE(colour("Team", "France"), QColor(Qt::blue));
    QVERIFY(colour("Team", "Brazil") != QColor(Qt::red) && colour("Team", "Brazil") != QColor(Qt::blue));

    // A new colour shows once the list is loaded again, as the settings dialog has it done.
    glngMyTeamColour = 0x00FF00;
    window.LoadStatsListTeams(false);
    QCOMPARE(colour("Team", "Argentina"), QColor(Qt::green));
    QCOMPARE(ShownHeadings(list).first(), QStringLiteral("* Team"));

    Choose(window, "Top Scorers");
    QCOMPARE(colour("Player", "Lionel MESSI"), QColor(Qt::green));
    QCOMPARE(colour("Player", "Kylian MBAPPE"), QColor(Qt::blue));
  }

  // The capture lists the shown columns in display order, hidden ones left out and a widened one
  // added; saved and shown again it gives the same columns.
  void capturedLayoutShowsAgainAsCaptured() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    QTreeWidget* list = window.statsView->lvwStats;
    QHeaderView* header = list->header();
    header->moveSection(header->visualIndex(Logical(list, "GA")), header->visualIndex(Logical(list, "P")));
    stats_list::SetColumnWidth(list, Logical(list, "W") + 1, 0);
    stats_list::SetColumnWidth(list, 3, 600);  // the label column "ID"
    QVERIFY(!window.blnSaveStats);
    window.SaveTable();
    QVERIFY(window.blnSaveStats);

    const kelvane::Array& layout = window.varTable.AsArray();
    QCOMPARE(layout.UBound(1), 4);
    QCOMPARE(layout.UBound(2), 6);
    QStringList headings;
    QList<int> columns;
    for (int p = 0; p <= 6; ++p) {
      headings << ToQ(layout.at(0, p).ToString());
      columns << layout.at(4, p).ToInt32();
      QVERIFY(layout.at(1, p).IsEmpty());
    }
    QCOMPARE(headings, QStringList({"Team", "GA", "P", "D", "L", "GF", "ID"}));
    QCOMPARE(columns, QList<int>({-2, 15, 0, 2, 3, 14, -1}));
    QCOMPARE(layout.at(2, 6).ToInt32(), 600);
    QCOMPARE(layout.at(3, 0).ToInt32(), 0);  // left
    QCOMPARE(layout.at(3, 1).ToInt32(), 1);  // right

    window.objKelvane->SaveStats("My Teams", window.varTable, window.strStatsType, window.intStatsStage,
                                 window.blnStatsAverages, window.intCurrSort, "asc");
    window.ClearStats();
    Choose(window, "My Teams");
    QCOMPARE(ShownHeadings(list), QStringList({"* Team", "GA", "P", "D", "L", "GF", "ID"}));
    QCOMPARE(Cell(list, "Team", "Argentina", "ID"), QStringLiteral("ARG"));
    QCOMPARE(Row(list, "Team", "Argentina")->textAlignment(Logical(list, "GA")) & Qt::AlignRight, Qt::AlignRight);
    QVERIFY(window.statsView->cmdRemove->isEnabled());
    QVERIFY(!window.blnSaveStats);
  }

  // With a layout that gained columns, choosing another table asks first.
  void changedLayoutAsksBeforeAnotherTable() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    const StatsView& view = *window.statsView;
    stats_list::SetColumnWidth(view.lvwStats, 3, 600);
    window.SaveTable();
    QVERIFY(window.blnSaveStats);

    MessageBoxes boxes({QMessageBox::Cancel});
    Choose(window, "Top Scorers");
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Text(), QStringLiteral("Layout has changed\n\nClick cancel to go back and save the layout"));
    QCOMPARE(boxes.Seen()[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
    QCOMPARE(boxes.Seen()[0].icon, QMessageBox::NoIcon);
    // The list, its captured layout and the name stay those of the table on show.
    QCOMPARE(ShownHeadings(view.lvwStats).last(), QStringLiteral("ID"));
    QCOMPARE(view.cboStatsTables->currentText(), QStringLiteral("Teams Overview"));
    QCOMPARE(window.strStatsType, std::string("teams"));
    QVERIFY(window.blnSaveStats);

    boxes.Then(QMessageBox::Ok);
    Choose(window, "Top Scorers");
    QCOMPARE(boxes.Seen().size(), 2);
    QCOMPARE(window.strStatsType, std::string("players"));
    QCOMPARE(ShownHeadings(view.lvwStats).first(), QStringLiteral("Player"));
    QVERIFY(!window.blnSaveStats);
  }

  void choosingTheTableOnShowDoesNothing() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    QTreeWidget* list = window.statsView->lvwStats;
    ClickHeader(list, "GF");
    window.blnSaveStats = true;
    window.LoadStatsTables();  // as the save dialog has it done, before it names the table
    MessageBoxes boxes({QMessageBox::Cancel});
    Choose(window, "Teams Overview");
    QTest::qWait(50);
    QVERIFY(boxes.Seen().isEmpty());
    QCOMPARE(ShownHeadings(list)[5], QStringLiteral("* GF"));
    QVERIFY(window.blnSaveStats);
  }

  // Only tables that came without the data can be removed; a table of another type shows
  // nothing.
  void removeAndOtherTypes() {
    ProgramFolder folder;
    AddTables(folder, Table("players", "My Players", "0", "0", {"Player:-2", "Goals:0"}) +
                          Table("charts", "Odd One", "0", "0", {"Team:-2"}));
    frmMain& window = StartOnStats(folder);
    const StatsView& view = *window.statsView;
    Choose(window, "My Players");
    QVERIFY(view.cmdRemove->isEnabled());
    QVERIFY(view.lvwStats->isVisible());
    Choose(window, "Odd One");
    QVERIFY(view.lvwStats->isHidden());
    QVERIFY(view.lblNoStats->isHidden());
    QVERIFY(view.StageFrame->isHidden());
    QVERIFY(view.StatsValuesFrame->isHidden());
    Choose(window, "My Players");
    QVERIFY(view.lvwStats->isVisible());
    Choose(window, "Teams Overview");
    QVERIFY(!view.cmdRemove->isEnabled());

    Choose(window, "My Players");
    MessageBoxes boxes({QMessageBox::No, QMessageBox::Yes});
    QTest::mouseClick(view.cmdRemove, Qt::LeftButton);
    QCOMPARE(boxes.Text(0), QStringLiteral("Are you sure you want to remove this table?"));
    QCOMPARE(boxes.Seen()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(folder.Read(kTables).contains("My Players"));
    QVERIFY(view.lvwStats->isVisible());

    QTest::mouseClick(view.cmdRemove, Qt::LeftButton);
    QCOMPARE(boxes.Seen().size(), 2);
    QVERIFY(!folder.Read(kTables).contains("My Players"));
    QCOMPARE(view.cboStatsTables->findText("My Players"), -1);
    QCOMPARE(view.cboStatsTables->currentIndex(), -1);
    QVERIFY(view.lvwStats->isHidden());
    QVERIFY(!view.cmdRemove->isEnabled());
  }

  // Hand-made layouts: a stage without a slot selects no stage option and lists nothing; a column
  // that the type does not have is an error, and the table can still be removed.
  void layoutsOutsideTheListsColumns() {
    ProgramFolder folder;
    AddTables(folder, Table("teams", "Stage Seven", "7", "-2", {"Team:-2", "P:0"}) +
                          Table("players", "Stage Five", "5", "0", {"Player:-2", "Goals:0"}) +
                          Table("teams", "Far Column", "0", "0", {"Team:-2", "Far:40"}));
    frmMain& window = StartOnStats(folder);
    const StatsView& view = *window.statsView;
    for (const char* table : {"Stage Seven", "Stage Five"}) {
      Choose(window, table);
      QVERIFY2(view.StageFrame->isVisible(), table);
      for (const QRadioButton* option : {view.optStageBoth, view.optStageGroup, view.optStageKO})
        QVERIFY2(!option->isChecked(), table);
      QVERIFY2(view.lblNoStats->isVisible(), table);
      QVERIFY2(view.lvwStats->isHidden(), table);
    }

    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});
    Choose(window, "Far Column");
    QVERIFY(!boxes.Seen().isEmpty());
    QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Critical);
    QVERIFY2(boxes.Text().contains("Column 40"), qPrintable(boxes.Text()));
    QVERIFY(view.lvwStats->isHidden());
    QVERIFY(view.cmdRemove->isEnabled());
  }

  // Save follows changes of the layout on show; Customise any table whose type has a list.
  void layoutButtons() {
    ProgramFolder folder;
    AddTables(folder, Table("charts", "Odd One", "0", "0", {"Team:-2"}));
    frmMain& window = StartOnStats(folder);
    const StatsView& view = *window.statsView;
    Choose(window, "Teams Overview");
    QVERIFY(!view.cmdSave->isEnabled());
    QVERIFY(view.cmdCustomise->isEnabled());
    ClickHeader(view.lvwStats, "GF");
    QVERIFY(view.cmdSave->isEnabled());
    Choose(window, "Group Summary");
    QVERIFY(!view.cmdSave->isEnabled());
    QTest::mouseClick(view.optStatsAverages, Qt::LeftButton);
    QVERIFY(view.cmdSave->isEnabled());
    Choose(window, "Odd One");
    QVERIFY(!view.cmdSave->isEnabled());
    QVERIFY(!view.cmdCustomise->isEnabled());
  }

  void sortKeysAndAverages() {
    QCOMPARE(stats_list::SortKey("7", true), QStringLiteral("           7"));
    QCOMPARE(stats_list::SortKey("1,234.500", true), QStringLiteral("   1,234.500"));
    QCOMPARE(stats_list::SortKey("Lionel MESSI", false), QStringLiteral("lionel messi"));
    QCOMPARE(stats_list::AverageText(7, 3), QStringLiteral("2.333"));
    QCOMPARE(stats_list::AverageText(12345, 10), QStringLiteral("1,234.500"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(stats_list::AverageText(7, 3), QStringLiteral("2,333"));
    QCOMPARE(stats_list::AverageText(12345, 10), QStringLiteral("1.234,500"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(stats_list::HeaderOf(-1, 2), 3);
    QCOMPARE(stats_list::HeaderOf(0, 2), 5);
    QCOMPARE(stats_list::ColumnOf(4, 2), -2);
    QCOMPARE(stats_list::ColumnOf(19, 2), 14);
  }
};

QTEST_MAIN(StatsViewTest)
#include "stats_view_test.moc"

// The Stats view's layout dialogs against the shipped 2022 tournament: choosing, renaming and
// hiding the list's columns in "Customise Stats", and storing the layout under a name in "Save
// Stats Layout", with its refusals, the overwrite question and what the view shows afterwards.
#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "app/kit/program.h"
#include "app/shell/frm_customise.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_save_stats.h"
#include "app/shell/stats_list.h"
#include "app/shell/stats_view.h"
#include "tests/app/support/list_cells.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"
#include "tests/app/support/stats_view_steps.h"

using namespace pitchlog;
using app_testing::Choose;
using app_testing::ShownHeadings;
using app_testing::StartOnStats;
using app_testing::Column;
using app_testing::MessageBoxes;
using app_testing::ProgramFolder;

namespace {

const QString kTables = QStringLiteral("Data/statstables.xml");

// A user table of the teams type, sorted on the team name; columns are "heading:index" pairs.
QByteArray UserTable(const QString& id, const QString& name, const QStringList& columns) {
  QString xml = QStringLiteral("<table tableid=\"%1\"><type>teams</type><name>%2</name><stage>0</stage>"
                               "<averages>false</averages><sort>-2</sort><sequence>asc</sequence>")
                    .arg(id, name);
  for (const QString& column : columns) {
    const QStringList parts = column.split(':');
    xml += QStringLiteral("<column><heading>%1</heading><width>900</width><align>left</align><index>%2</index>"
                          "</column>")
               .arg(parts[0], parts[1]);
  }
  return (xml + "</table>").toUtf8();
}

const QStringList kMyTeamsColumns = {"Team:-2", "P:0", "W:1", "GF:14"};

void AddTables(const ProgramFolder& folder, const QByteArray& tables) {
  QByteArray file = folder.Read(kTables);
  file.replace("</statstables>", tables + "</statstables>");
  folder.Write(kTables, file);
}

// The header (from 1) whose text is the heading, sort mark or not; a shown one before a hidden
// one of the same heading.
int Header(const QTreeWidget* list, const QString& heading) {
  for (const bool shown : {true, false})
    for (int h = 1; h <= stats_list::kHeaders; ++h) {
      const QString text = stats_list::HeaderText(list, h);
      if ((text == heading || text == "* " + heading) && (stats_list::ColumnWidth(list, h) > 0) == shown) return h;
    }
  qFatal("no column %s", qPrintable(heading));
}

QTreeWidgetItem* RowOf(const QTreeWidget& rows, const QString& heading) {
  for (int r = 0; r < rows.topLevelItemCount(); ++r)
    if (rows.topLevelItem(r)->text(0) == heading) return rows.topLevelItem(r);
  qFatal("no row %s", qPrintable(heading));
}

// Row p of the captured layout, one cell per layout column.
QStringList LayoutRow(const kelvane::Variant& layout, int row) {
  QStringList cells;
  for (int32_t p = 0; p <= layout.AsArray().UBound(2); ++p) cells << ToQ(layout.AsArray().at(row, p).ToString());
  return cells;
}

void SetChecked(QTreeWidgetItem* row, bool checked) { row->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked); }

// The save dialog as the Save button opens it, modal, with the name typed in and the action run
// in it.
void InSaveDialog(frmMain& window, const QString& name, const std::function<void(frmSaveStats&)>& action) {
  window.statsView->cmdSave->setEnabled(true);
  QVERIFY(app_testing::OnModal<frmSaveStats>([&] { QTest::mouseClick(window.statsView->cmdSave, Qt::LeftButton); },
                                             [&](frmSaveStats& dialog) {
                                               dialog.txtName->setText(name);
                                               action(dialog);
                                             }));
}

}  // namespace

class LayoutDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    frmCustomise::Unload();
    frmSaveStats::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  // One row per label and data column in the list's order, the shown ones checked and first;
  // the sort column's heading without its mark.
  void customiseListsTheColumns() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    const QTreeWidget& rows = *frmCustomise::Get().lvwColumns;
    QCOMPARE(rows.topLevelItemCount(), 21);  // 2 label and 19 data columns
    QCOMPARE(Column(rows, 0).mid(0, 8), QStringList({"Team", "P", "W", "D", "L", "GF", "GA", "ID"}));
    QCOMPARE(Column(rows, 2).mid(0, 8), QStringList({"001", "002", "003", "004", "005", "006", "007", "008"}));
    for (int r = 0; r < rows.topLevelItemCount(); ++r)
      QCOMPARE(rows.topLevelItem(r)->checkState(0), r < 7 ? Qt::Checked : Qt::Unchecked);
    const QTreeWidgetItem* team = RowOf(rows, "Team");
    QCOMPARE(frmCustomise::Tag(team), 4);
    QCOMPARE(team->text(1), QStringLiteral("Team name"));
    QCOMPARE(RowOf(rows, "ETF")->text(1), QStringLiteral("Goals scored in extra time"));
    QCOMPARE(frmCustomise::Tag(RowOf(rows, "ETF")), 11);
    // The layout was captured on the way.
    QCOMPARE(window.varTable.AsArray().UBound(1), 4);
  }

  // The descriptions are the long texts: the headings and positions are as wide as they need and
  // the descriptions have the rest of the list, no room left over.
  void customiseGivesTheDescriptionsTheRoom() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    frmCustomise& dialog = frmCustomise::Get();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QTreeWidget& rows = *dialog.lvwColumns;
    const QHeaderView& header = *rows.header();
    const int position_caption = header.fontMetrics().horizontalAdvance(QStringLiteral("Position (Sort)"));
    QVERIFY2(rows.columnWidth(2) <= position_caption + 16, qPrintable(QString::number(rows.columnWidth(2))));
    QCOMPARE(rows.columnWidth(0) + rows.columnWidth(1) + rows.columnWidth(2), rows.viewport()->width());
  }

  // A column hidden by dragging it to nothing still stands among the shown ones until the layout
  // is captured; every row shows the position after the capture, which a column shown again
  // takes its captured width by.
  void positionsAreThoseOfTheCapture() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    QTreeWidget* list = window.statsView->lvwStats;
    stats_list::SetColumnWidth(list, Header(list, "Team"), 0);
    stats_list::SetColumnWidth(list, 3, 900);  // "ID", after the shown columns
    QTreeWidget& rows = *frmCustomise::Get().lvwColumns;
    QCOMPARE(Column(rows, 0).mid(0, 7), QStringList({"P", "W", "D", "L", "GF", "GA", "ID"}));
    QCOMPARE(Column(rows, 2).mid(0, 7), QStringList({"001", "002", "003", "004", "005", "006", "007"}));
    SetChecked(RowOf(rows, "ID"), false);
    SetChecked(RowOf(rows, "ID"), true);
    QCOMPARE(stats_list::ColumnWidth(list, 3), 900);
  }

  // The sort column keeps its mark; an emptied heading is taken back; a typed mark is dropped.
  void renamingAHeading_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");   // the row afterwards
    QTest::addColumn<QString>("header");  // the list's header afterwards
    QTest::newRow("sort column") << "Team" << "Nation" << "Nation" << "* Nation";
    QTest::newRow("other column") << "GF" << "Goals" << "Goals" << "Goals";
    QTest::newRow("hidden column") << "ETF" << "Extra" << "Extra" << "Extra";
    QTest::newRow("emptied") << "GF" << "" << "GF" << "GF";
    QTest::newRow("blank") << "Team" << "  " << "Team" << "* Team";
    QTest::newRow("typed mark") << "W" << "* Wins" << "Wins" << "Wins";
  }
  void renamingAHeading() {
    QFETCH(QString, row);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, header);
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    const QTreeWidget* list = window.statsView->lvwStats;
    QTreeWidgetItem* item = RowOf(*frmCustomise::Get().lvwColumns, row);
    const int t = frmCustomise::Tag(item);
    item->setText(0, typed);
    QCOMPARE(item->text(0), shown);
    QCOMPARE(stats_list::HeaderText(list, t), header);
  }

  // A column shown again takes its captured width, or past the captured columns its default
  // width, at least as wide as its caption needs; hidden, its width is 0 at once.
  void checkingAndUncheckingColumns() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    QTreeWidget* list = window.statsView->lvwStats;
    const int w = Header(list, "W");
    stats_list::SetColumnWidth(list, w, 1200);
    QTreeWidget& rows = *frmCustomise::Get().lvwColumns;

    SetChecked(RowOf(rows, "W"), false);
    QCOMPARE(stats_list::ColumnWidth(list, w), 0);
    QVERIFY(!ShownHeadings(list).contains("W"));
    SetChecked(RowOf(rows, "W"), true);
    QCOMPARE(stats_list::ColumnWidth(list, w), 1200);

    const int etf = Header(list, "ETF");
    SetChecked(RowOf(rows, "ETF"), true);
    QCOMPARE(stats_list::ColumnWidth(list, etf), std::max(600, stats_list::NeededWidth(list, etf)));
    QVERIFY(ShownHeadings(list).contains("ETF"));
    // Its position stays past the others until the dialog closes.
    QCOMPARE(ShownHeadings(list).last(), QStringLiteral("ETF"));
  }

  // The last column with a width cannot be hidden; the item and key columns don't count.
  void theLastShownColumnStays() {
    ProgramFolder folder;
    AddTables(folder, UserTable("one_column", "One Column", {"Team:-2"}));
    frmMain& window = StartOnStats(folder);
    Choose(window, "One Column");
    const QTreeWidget* list = window.statsView->lvwStats;
    const int team = Header(list, "Team");
    const int width = stats_list::ColumnWidth(list, team);
    QTreeWidgetItem* row = RowOf(*frmCustomise::Get().lvwColumns, "Team");
    MessageBoxes boxes({QMessageBox::Ok});
    SetChecked(row, false);
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Text(), QStringLiteral("Cannot have stats table without any columns"));
    QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Critical);
    QCOMPARE(boxes.Seen()[0].title, App.Title);
    QCOMPARE(row->checkState(0), Qt::Checked);
    QCOMPARE(stats_list::ColumnWidth(list, team), width);
    // The row is as it was: hiding it again asks again.
    boxes.Then(QMessageBox::Ok);
    SetChecked(row, false);
    QCOMPARE(boxes.Seen().size(), 2);
  }

  // Whichever way the dialog closes, the layout is captured: hidden columns leave it, shown ones
  // join at the end, a gained column marks the layout as changed and Save is enabled.
  void closingCapturesTheLayout_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << "OK";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("window closed") << "close";
  }
  void closingCapturesTheLayout() {
    QFETCH(QString, how);
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    frmCustomise& dialog = frmCustomise::Get();
    dialog.show();
    QTreeWidget& rows = *dialog.lvwColumns;
    SetChecked(RowOf(rows, "W"), false);
    SetChecked(RowOf(rows, "ETF"), true);
    RowOf(rows, "GF")->setText(0, "Goals");
    QVERIFY(!window.statsView->cmdSave->isEnabled());

    if (how == "OK") QTest::mouseClick(dialog.cmkOK, Qt::LeftButton);
    if (how == "Esc") QTest::keyClick(&rows, Qt::Key_Escape);
    if (how == "Enter") QTest::keyClick(&rows, Qt::Key_Return);
    if (how == "close") dialog.close();
    QVERIFY(!frmCustomise::IsLoaded());
    QCOMPARE(LayoutRow(window.varTable, 0), QStringList({"Team", "P", "D", "L", "Goals", "GA", "ETF"}));
    QCOMPARE(LayoutRow(window.varTable, 4), QStringList({"-2", "0", "2", "3", "14", "15", "6"}));
    QVERIFY(window.blnSaveStats);
    QVERIFY(window.statsView->cmdSave->isEnabled());
  }

  // The Customise button opens the dialog modally. Enter ends a heading's edit and Esc abandons
  // one, without closing the dialog; Esc then closes it.
  void customiseButtonOpensItModally() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    bool modal = false;
    QList<bool> open_after_edit;
    app_testing::ModalDialog customise(QStringLiteral("frmCustomise"), [&](QWidget& shown) {
      auto& dialog = static_cast<frmCustomise&>(shown);
      modal = dialog.isModal();
      QTreeWidget* rows = dialog.lvwColumns;
      const auto edit = [&](const QString& row, const QString& typed, Qt::Key key) {
        rows->setCurrentItem(RowOf(*rows, row), 0);
        rows->editItem(RowOf(*rows, row), 0);
        auto* editor = qobject_cast<QLineEdit*>(rows->indexWidget(rows->currentIndex()));
        if (!editor) return;
        editor->selectAll();
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, key);
        QCoreApplication::processEvents();  // the edit ends after the key
        open_after_edit << dialog.isVisible();
      };
      edit("GA", "Against", Qt::Key_Return);
      edit("P", "Played", Qt::Key_Escape);
      if (dialog.isVisible()) QTest::keyClick(rows, Qt::Key_Escape);
    });
    QTest::mouseClick(window.statsView->cmdCustomise, Qt::LeftButton);
    QVERIFY(customise.Seen());
    QVERIFY(modal);
    QCOMPARE(open_after_edit, QList<bool>({true, true}));
    QVERIFY(ShownHeadings(window.statsView->lvwStats).contains("P"));
    QVERIFY(!frmCustomise::IsLoaded());
    QCOMPARE(ShownHeadings(window.statsView->lvwStats).last(), QStringLiteral("Against"));
    QCOMPARE(LayoutRow(window.varTable, 0).last(), QStringLiteral("Against"));
  }

  // The dialog offers the name of a user table; a system table's layout can only be saved as a
  // new one.
  void saveDialogOffersTheTablesName_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("offered");
    QTest::newRow("system") << "Teams Overview" << "";
    QTest::newRow("user") << "My Teams" << "My Teams";
  }
  void saveDialogOffersTheTablesName() {
    QFETCH(QString, table);
    QFETCH(QString, offered);
    ProgramFolder folder;
    AddTables(folder, UserTable("my_teams", "My Teams", kMyTeamsColumns));
    frmMain& window = StartOnStats(folder);
    Choose(window, table);
    QTest::mouseClick(window.statsView->optStageGroup, Qt::LeftButton);  // enables Save
    QVERIFY(app_testing::OnModal<frmSaveStats>(
        [&] { QTest::mouseClick(window.statsView->cmdSave, Qt::LeftButton); },
        [&](frmSaveStats& dialog) {
          QCOMPARE(QApplication::activeModalWidget(), &dialog);
          QCOMPARE(dialog.txtName->text(), offered);
        }));
    QCOMPARE(window.varTable.AsArray().UBound(1), 4);  // captured by the button
  }

  // What each name leads to, with the table "Kick Off" on show. Names are table ids: any letter case
  // and any character that the id makes "_" name the same table.
  void refusalsAndTheOverwriteQuestion_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("answer");  // to the overwrite question
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("saved");
    const QString system = QStringLiteral("Cannot change system layouts");
    const QString no_name = QStringLiteral("Cannot save system layouts without a name");
    const QString in_use = QStringLiteral("Name in use\n\nDo you want to overwrite it?");
    QTest::newRow("system") << "Teams Overview" << "" << system << false;
    QTest::newRow("system, other case") << "TEAMS overview" << "" << system << false;
    QTest::newRow("system, other characters") << "Teams-Overview" << "" << system << false;
    QTest::newRow("empty") << "" << "" << no_name << false;
    QTest::newRow("blanks") << "   " << "" << no_name << false;
    QTest::newRow("other table, No") << "old layout" << "No" << in_use << false;
    QTest::newRow("other table, Yes") << "Old-Layout" << "Yes" << in_use << true;
    QTest::newRow("own name") << "Kick Off" << "" << "" << true;
    QTest::newRow("own name, other case") << "KICK off" << "" << "" << true;
    QTest::newRow("own name, other characters") << "Kick-Off" << "Yes" << in_use << true;
    // Lower-cased it reads "kick off", but its id is that of "#ick Off".
    QTest::newRow("other table, same lower case") << QString(QChar(0x212A)) + "ick Off" << "No" << in_use << false;
    QTest::newRow("new name") << "Brand New" << "" << "" << true;
  }
  void refusalsAndTheOverwriteQuestion() {
    QFETCH(QString, name);
    QFETCH(QString, answer);
    QFETCH(QString, message);
    QFETCH(bool, saved);
    ProgramFolder folder;
    AddTables(folder, UserTable("kick_off", "Kick Off", kMyTeamsColumns) +
                          UserTable("old_layout", "Old Layout", {"Team:-2", "P:0"}) +
                          UserTable("_ick_off", "#ick Off", {"Team:-2", "D:2"}));
    frmMain& window = StartOnStats(folder);
    Choose(window, "Kick Off");
    QComboBox* tables = window.statsView->cboStatsTables;
    const int count = tables->count();
    const QByteArray before = folder.Read(kTables);
    MessageBoxes boxes({answer == "No" ? QMessageBox::No : answer == "Yes" ? QMessageBox::Yes : QMessageBox::Ok});
    bool stays_open = false;
    InSaveDialog(window, name, [&](frmSaveStats& dialog) {
      QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
      stays_open = frmSaveStats::IsLoaded();
    });

    QCOMPARE(boxes.Text(), message);
    if (!message.isEmpty()) {
      const auto icon = message == QStringLiteral("Name in use\n\nDo you want to overwrite it?") ? QMessageBox::NoIcon
                                                                                                 : QMessageBox::Critical;
      QCOMPARE(boxes.Seen()[0].icon, icon);
      if (icon == QMessageBox::NoIcon) QCOMPARE(boxes.Seen()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    }
    QCOMPARE(folder.Read(kTables) != before, saved);
    QCOMPARE(stays_open, !saved);
    if (!saved) return;
    QVERIFY(folder.Read(kTables).contains("<name>" + name.toUtf8() + "</name>"));
    QCOMPARE(tables->currentText(), name);
    // One table per id: a table that the name replaced is gone from the list.
    QCOMPARE(tables->count(), name == "Brand New" ? count + 1 : count);
  }

  // What is stored: the captured columns without descriptions and with alignment numbers, the
  // sort column and direction, stage and values. Shown again, it looks as it did.
  void savedLayoutIsStoredAndShownAgain() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    const StatsView& view = *window.statsView;
    QTreeWidget* list = view.lvwStats;
    QTest::mouseClick(view.optStageKO, Qt::LeftButton);
    QTest::mouseClick(view.optStatsAverages, Qt::LeftButton);
    const auto click_header = [&](const QString& heading) {
      const int logical = Header(list, heading) - 1;
      QHeaderView* header = list->header();
      QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                        QPoint(header->sectionViewportPosition(logical) + header->sectionSize(logical) / 2, header->height() / 2));
    };
    click_header("GF");
    click_header("GF");
    QCOMPARE(stats_list::Order(list), Qt::DescendingOrder);
    const QStringList shown = ShownHeadings(list);

    InSaveDialog(window, "Knockout Goals", [](frmSaveStats& dialog) {
      QTest::keyClick(dialog.txtName, Qt::Key_Return);  // OK is the default button
      QVERIFY(!frmSaveStats::IsLoaded());
    });
    QVERIFY(folder.Read(kTables).contains("<name>Knockout Goals</name>"));

    kelvane::IPitchlog& engine = *window.objKelvane;
    QCOMPARE(engine.StatsTableSequence("Knockout Goals"), std::string("desc"));
    QCOMPARE(engine.StatsTableSort("Knockout Goals"), int16_t(14));
    QCOMPARE(engine.StatsTableStage("Knockout Goals"), int16_t(2));
    QVERIFY(engine.StatsTableAverages("Knockout Goals"));
    QCOMPARE(engine.StatsTableType("Knockout Goals"), std::string("teams"));
    QVERIFY(!engine.StatsTableSystem("Knockout Goals"));
    const kelvane::Variant stored = engine.StatsTables("Knockout Goals");
    QCOMPARE(LayoutRow(stored, 0), QStringList({"Team", "P", "W", "D", "L", "GF", "GA"}));
    QCOMPARE(LayoutRow(stored, 1), QStringList(7, QString()));
    QCOMPARE(LayoutRow(stored, 3), QStringList({"0", "1", "1", "1", "1", "1", "1"}));

    // The saved table is the one chosen, and nothing is left to save.
    QCOMPARE(view.cboStatsTables->currentText(), QStringLiteral("Knockout Goals"));
    QVERIFY(!view.cmdSave->isEnabled());
    QVERIFY(!window.blnSaveStats);
    QVERIFY(view.cmdRemove->isEnabled());

    window.ClearStats();
    Choose(window, "Knockout Goals");
    QCOMPARE(ShownHeadings(list), shown);
    QCOMPARE(stats_list::Order(list), Qt::DescendingOrder);
    QVERIFY(view.optStageKO->isChecked());
    QVERIFY(view.optStatsAverages->isChecked());
    const QTreeWidgetItem* first = list->topLevelItem(0);
    QCOMPARE(first->textAlignment(Header(list, "GF") - 1) & Qt::AlignRight, Qt::AlignRight);
    QCOMPARE(first->textAlignment(Header(list, "Team") - 1) & Qt::AlignRight, 0);
  }

  // A layout that gained a column, once saved, is no change to ask about: under a new name or its
  // own, the saved table is chosen without the question.
  void savingALayoutThatGainedColumns_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("new name") << "Wider";
    QTest::newRow("own name") << "My Teams";
    QTest::newRow("own name, other case") << "my TEAMS";
  }
  void savingALayoutThatGainedColumns() {
    QFETCH(QString, name);
    ProgramFolder folder;
    AddTables(folder, UserTable("my_teams", "My Teams", kMyTeamsColumns));
    frmMain& window = StartOnStats(folder);
    Choose(window, "My Teams");
    const StatsView& view = *window.statsView;
    frmCustomise& customise = frmCustomise::Get();
    SetChecked(RowOf(*customise.lvwColumns, "GA"), true);
    customise.cmkOK->click();
    QVERIFY(window.blnSaveStats);
    const QStringList shown = ShownHeadings(view.lvwStats);
    QCOMPARE(shown.last(), QStringLiteral("GA"));

    MessageBoxes boxes({QMessageBox::Cancel});
    InSaveDialog(window, name, [](frmSaveStats& dialog) { QTest::mouseClick(dialog.cmdOK, Qt::LeftButton); });
    QVERIFY(!frmSaveStats::IsLoaded());
    QVERIFY(boxes.Seen().isEmpty());
    QCOMPARE(view.cboStatsTables->currentText(), name);
    QCOMPARE(ShownHeadings(view.lvwStats), shown);
    QVERIFY(!window.blnSaveStats);
    QVERIFY(!view.cmdSave->isEnabled());
    QCOMPARE(LayoutRow(window.objKelvane->StatsTables(ToStd(name)), 0).last(), QStringLiteral("GA"));

    // The table on show is the chosen one: choosing it again does nothing.
    MessageBoxes none({QMessageBox::Cancel});
    window.LoadStatsTables();
    Choose(window, name);
    QTest::qWait(30);
    QVERIFY(none.Seen().isEmpty());
    QCOMPARE(ShownHeadings(view.lvwStats), shown);
  }

  // The layout saved is the one on show when the dialog opened, even were another table chosen
  // behind it while it is open.
  void savesTheLayoutOnShowWhenOpened() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    frmCustomise& customise = frmCustomise::Get();
    SetChecked(RowOf(*customise.lvwColumns, "D"), false);
    customise.cmkOK->click();
    QStringList shown = ShownHeadings(window.statsView->lvwStats);
    shown.replaceInStrings(QRegularExpression("^\\* "), QString());  // the sort mark is not stored
    QVERIFY(!shown.contains("D"));
    InSaveDialog(window, "Mine", [&](frmSaveStats& dialog) {
      QCOMPARE(QApplication::activeModalWidget(), &dialog);
      Choose(window, "Top Scorers");
      QTest::mouseClick(dialog.cmdOK, Qt::LeftButton);
    });
    QVERIFY(!frmSaveStats::IsLoaded());
    kelvane::IPitchlog& engine = *window.objKelvane;
    QCOMPARE(engine.StatsTableType("Mine"), std::string("teams"));
    QCOMPARE(LayoutRow(engine.StatsTables("Mine"), 0).mid(0, shown.size()), shown);
    QCOMPARE(window.statsView->cboStatsTables->currentText(), QStringLiteral("Mine"));
  }

  void escClosesTheSaveDialogWithoutSaving() {
    ProgramFolder folder;
    frmMain& window = StartOnStats(folder);
    Choose(window, "Teams Overview");
    const QByteArray before = folder.Read(kTables);
    InSaveDialog(window, "Not Kept", [](frmSaveStats& dialog) { QTest::keyClick(dialog.txtName, Qt::Key_Escape); });
    QVERIFY(!frmSaveStats::IsLoaded());
    QCOMPARE(folder.Read(kTables), before);
    QCOMPARE(window.statsView->cboStatsTables->currentText(), QStringLiteral("Teams Overview"));
  }
};

QTEST_MAIN(LayoutDialogsTest)
#include "layout_dialogs_test.moc"

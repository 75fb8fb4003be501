// The Groups and Teams menus against the shipped tournament: in a window that carries only what
// the menus reach (the view tabs, the group tabs and the group table), and in the main window.
#include <QGroupBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/shell/frm_main.h"
#include "app/shell/group_team_menus.h"
#include "engine/pitchlog_interface.h"
#include "platform/component/create_object.h"
#include "tests/app/support/program_fixture.h"

using app_testing::ProgramFolder;
using pitchlog::GroupTeamMenus;

namespace {

constexpr char kLetters[] = "ABCDEFGH";

class StandInFrame : public QMainWindow {
 public:
  explicit StandInFrame(std::shared_ptr<kelvane::IPitchlog> engine) : engine_(std::move(engine)) {
    menuBar()->addMenu("&Groups")->setObjectName("Groups");
    menuBar()->addMenu("&Teams")->setObjectName("Teams");
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    main_tab = new QTabWidget(central);
    main_tab->setObjectName("MainTab");
    for (const char* view : {"Schedule", "Groups", "Knockout", "Stats", "Analysis", "Home"})
      main_tab->addTab(new QWidget(main_tab), view);
    group_tab = new QTabBar(central);
    group_tab->setObjectName("GroupTab");
    for (int tab = 0; tab < 8; ++tab) group_tab->addTab(QString(QChar(kLetters[7 - tab])));
    group_table = new QTreeWidget(central);
    group_table->setObjectName("GroupTable");
    group_table->setColumnCount(2);
    layout->addWidget(main_tab);
    layout->addWidget(group_tab);
    layout->addWidget(group_table);
    setCentralWidget(central);
    // As the real window does on a tab change: the table shows the chosen group.
    connect(group_tab, &QTabBar::currentChanged, this, &StandInFrame::LoadGroup);
    group_tab->setCurrentIndex(7);
    LoadGroup(7);
  }

  void LoadGroup(int tab) {
    group_table->clear();
    const std::string group(1, kLetters[7 - tab]);
    for (int16_t position = 1; position <= 4; ++position) {
      const std::string name = engine_->TeamName(engine_->GroupTeamID(group, position));
      group_table->addTopLevelItem(new QTreeWidgetItem({QString::number(position), QString::fromStdString(name)}));
    }
  }

  QTabWidget* main_tab;
  QTabBar* group_tab;
  QTreeWidget* group_table;

 private:
  std::shared_ptr<kelvane::IPitchlog> engine_;
};

// The frame with its menus filled, and the teams whose panel was asked for.
struct Fixture {
  explicit Fixture(std::shared_ptr<kelvane::IPitchlog> engine)
      : frame(engine), menus(&frame, engine, [this](const std::string& id) { shown.push_back(id); }) {
    menus.SetGroupCaptions();
    menus.SetTeamCaptions(engine->TeamList());
    frame.show();
  }
  QAction* Item(const QString& name) const { return frame.findChild<QAction*>(name); }
  void StartOnScheduleView() {
    frame.main_tab->setCurrentIndex(0);
    frame.group_tab->setCurrentIndex(7);
    shown.clear();
  }

  StandInFrame frame;
  GroupTeamMenus menus;
  std::vector<std::string> shown;
};

std::shared_ptr<kelvane::IPitchlog> EngineOn(const ProgramFolder& folder) {
  auto engine = kelvane::QueryInterface<kelvane::IPitchlog>(kelvane::CreateObject(kelvane::kPitchlogProgId),
                                                            kelvane::kPitchlogInterface);
  engine->SetAppPath(folder.Path().toStdString());
  if (!engine->LoadAll().ToBool()) qFatal("the data did not load");
  return engine;
}

// A team name with "&", a team with no group, and a tournament short of its last team.
void EditTeams(const ProgramFolder& folder) {
  QString teams = QString::fromUtf8(folder.Read("Data/teams.xml"));
  teams.replace("<name>Qatar</name>", "<name>Qatar &amp; Co</name>");
  teams.replace(QRegularExpression("(<name>Iran</name>\\s*<group>)B(</group>)"), "\\1\\2");
  teams.replace(QRegularExpression("<team teamid=\"KOR\">.*?</team>", QRegularExpression::DotMatchesEverythingOption), "");
  folder.Write("Data/teams.xml", teams.toUtf8());
}

}  // namespace

class GroupTeamMenusTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    app_testing::UseTemporaryRegistry();
    shipped_ = EngineOn(shipped_folder_);
  }
  void cleanup() { app_testing::ResetProgram(); }

  void groupTabIndexRule_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("tab");
    QTest::newRow("A") << "A" << 7;
    QTest::newRow("D") << "D" << 4;
    QTest::newRow("H") << "H" << 0;
    QTest::newRow("empty") << "" << -1;
    QTest::newRow("past H") << "I" << -1;
    QTest::newRow("lower case") << "a" << -1;
    QTest::newRow("two letters") << "AB" << -1;
  }
  void groupTabIndexRule() {
    QFETCH(QString, group);
    QFETCH(int, tab);
    QCOMPARE(pitchlog::GroupTabIndex(group.toStdString()), tab);
  }

  void captionsKeepAmpersands_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("plain") << "Qatar" << "&Qatar";
    QTest::newRow("inside") << "Trinidad & Tobago" << "&Trinidad && Tobago";
    QTest::newRow("first") << "&Co" << "&&&Co";
  }
  void captionsKeepAmpersands() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QCOMPARE(pitchlog::TeamMenuCaption(name.toStdString()), caption);
  }

  void groupsMenuFromTheEngine() {
    Fixture f(shipped_);
    auto* groups = f.frame.findChild<QMenu*>("Groups");
    QStringList titles;
    for (QAction* sub : groups->actions()) titles << sub->text();
    QCOMPARE(titles, QStringList({"&A", "&B", "&C", "&D", "&E", "&F", "&G", "&H"}));
    for (int g = 0; g < 8; ++g) {
      const QString letter = QChar(kLetters[g]);
      auto* menu = f.frame.findChild<QMenu*>(letter);
      QVERIFY(menu);
      const QList<QAction*> items = menu->actions();
      QCOMPARE(items.size(), 6);
      QCOMPARE(items[0]->objectName(), letter + "Table");
      QCOMPARE(items[0]->text(), QString("&Table"));
      QCOMPARE(items[0]->shortcut(), QKeySequence("Ctrl+" + letter));
      QVERIFY(items[1]->isSeparator());
      QCOMPARE(items[1]->objectName(), letter + "Break");
      for (int position = 1; position <= 4; ++position) QCOMPARE(items[1 + position]->objectName(), letter + QString::number(position));
    }
    const QList<std::pair<QString, QString>> expected = {
        {"A1", "&Qatar"}, {"A4", "&Netherlands"}, {"C3", "&Mexico"}, {"E2", "&Costa Rica"}, {"H4", "&South Korea"}};
    for (const auto& [item, caption] : expected) QCOMPARE(f.Item(item)->text(), caption);
  }

  void teamsMenuFromTheEngine() {
    Fixture f(shipped_);
    QSet<QString> captions;
    for (int i = 0; i < GroupTeamMenus::kTeamItems; ++i) {
      QAction* item = f.Item("Team_" + QString::number(i));
      QVERIFY(item->isVisible());
      QVERIFY2(item->text().startsWith('&') && item->text() != "&Team", qPrintable(item->text()));
      captions.insert(item->text());
    }
    QCOMPARE(captions.size(), 32);
    QCOMPARE(f.Item("Team_0")->text(), QString("&Qatar"));
    QCOMPARE(f.Item("Team_31")->text(), QString("&South Korea"));
  }

  void tableItemsJumpToTheirGroup() {
    Fixture f(shipped_);
    QVERIFY(QTest::qWaitForWindowActive(&f.frame));
    for (int g = 0; g < 8; ++g) {
      const QString letter = QChar(kLetters[g]);
      const int tab = 7 - g;
      f.StartOnScheduleView();
      f.Item(letter + "Table")->trigger();
      QCOMPARE(f.frame.group_tab->currentIndex(), tab);
      QCOMPARE(f.frame.main_tab->currentIndex(), 1);
      QVERIFY(f.shown.empty());

      // The same through the keyboard, from another group.
      f.frame.main_tab->setCurrentIndex(0);
      f.frame.group_tab->setCurrentIndex(tab == 0 ? 1 : 0);
      QTest::keyClick(&f.frame, static_cast<Qt::Key>(Qt::Key_A + g), Qt::ControlModifier);
      QCOMPARE(f.frame.group_tab->currentIndex(), tab);
      QCOMPARE(f.frame.main_tab->currentIndex(), 1);
    }
  }

  void groupTeamItemsShowTheirTeam_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("team");
    QTest::newRow("A1") << "A1" << 7 << "QAT";
    QTest::newRow("C3") << "C3" << 5 << "MEX";
    QTest::newRow("H4") << "H4" << 0 << "KOR";
  }
  void groupTeamItemsShowTheirTeam() {
    QFETCH(QString, item);
    QFETCH(int, tab);
    QFETCH(QString, team);
    Fixture f(shipped_);
    f.StartOnScheduleView();
    f.frame.group_tab->setCurrentIndex(tab == 0 ? 1 : 0);
    f.Item(item)->trigger();
    QCOMPARE(f.frame.group_tab->currentIndex(), tab);
    QCOMPARE(f.frame.main_tab->currentIndex(), 1);
    QCOMPARE(f.shown, std::vector<std::string>{team.toStdString()});
  }

  // Every Teams item lands on the group tab where the Groups menu lists the same team, with
  // that team's row alone marked and the table focused.
  void teamsItemsMarkTheirRow() {
    Fixture f(shipped_);
    QVERIFY(QTest::qWaitForWindowActive(&f.frame));
    for (int i = 0; i < GroupTeamMenus::kTeamItems; ++i) {
      QAction* item = f.Item("Team_" + QString::number(i));
      int expected_tab = -1;
      for (int g = 0; g < 8; ++g)
        for (int position = 1; position <= 4; ++position)
          if (f.Item(QString(QChar(kLetters[g])) + QString::number(position))->text() == item->text()) expected_tab = 7 - g;
      QVERIFY2(expected_tab >= 0, qPrintable(item->text()));

      f.StartOnScheduleView();
      f.frame.setFocus();
      item->trigger();
      QCOMPARE(f.frame.group_tab->currentIndex(), expected_tab);
      QCOMPARE(f.frame.main_tab->currentIndex(), 1);
      QCOMPARE(f.shown.size(), size_t{1});
      const QList<QTreeWidgetItem*> marked = f.frame.group_table->selectedItems();
      QCOMPARE(marked.size(), 1);
      QCOMPARE("&" + marked[0]->text(1), item->text());
      QVERIFY(f.frame.group_table->hasFocus());
    }
  }

  void editedTeamsFile() {
    ProgramFolder folder;
    EditTeams(folder);
    Fixture f(EngineOn(folder));
    QCOMPARE(f.Item("A1")->text(), QString("&Qatar && Co"));
    QCOMPARE(f.Item("Team_0")->text(), QString("&Qatar && Co"));
    QCOMPARE(f.Item("Team_0")->iconText(), QString("Qatar & Co"));

    // Its row is still found by the name as the engine gives it.
    f.StartOnScheduleView();
    f.Item("Team_0")->trigger();
    QCOMPARE(f.frame.group_tab->currentIndex(), 7);
    QCOMPARE(f.frame.group_table->selectedItems().size(), 1);
    QCOMPARE(f.frame.group_table->selectedItems()[0]->text(1), QString("Qatar & Co"));

    QAction* iran = f.Item("Team_5");
    QCOMPARE(iran->text(), QString("&Iran"));
    f.StartOnScheduleView();
    iran->trigger();
    QCOMPARE(f.frame.main_tab->currentIndex(), 0);
    QVERIFY(f.shown.empty());

    QAction* spare = f.Item("Team_31");
    QCOMPARE(spare->text(), QString("Team"));
    QVERIFY(!spare->isVisible());
    spare->trigger();
    QCOMPARE(f.frame.main_tab->currentIndex(), 0);
    QVERIFY(f.shown.empty());
  }

  // The main window fills the menus as it loads, and its items reach its own tabs and team panel.
  void mainWindowMenus() {
    ProgramFolder folder;
    pitchlog::frmMain& window = app_testing::StartToMainWindow(folder);
    auto item = [&window](const QString& name) { return window.findChild<QAction*>(name); };
    QCOMPARE(item("C3")->text(), QString("&Mexico"));
    QCOMPARE(item("Team_19")->text(), QString("&Japan"));
    QCOMPARE(window.Groups->actions().size(), 8);
    QCOMPARE(window.Teams->actions().size(), 32);

    window.MainTab->setCurrentIndex(0);
    item("C3")->trigger();
    QCOMPARE(window.GroupTab->currentIndex(), 5);
    QCOMPARE(window.MainTab->currentIndex(), 1);
    QVERIFY(window.TeamFrame->isVisible());

    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.MainTab->setCurrentIndex(0);
    item("Team_19")->trigger();
    QCOMPARE(window.GroupTab->currentIndex(), 3);
    QCOMPARE(window.MainTab->currentIndex(), 1);
    auto* table = window.findChild<QTreeWidget*>("GroupTable");
    QCOMPARE(table->selectedItems().size(), 1);
    QCOMPARE(table->selectedItems()[0]->text(1), QString("Japan"));
    QVERIFY(table->hasFocus());

    window.MainTab->setCurrentIndex(0);
    QTest::keyClick(&window, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(window.GroupTab->currentIndex(), 6);
    QCOMPARE(window.MainTab->currentIndex(), 1);
  }

 private:
  ProgramFolder shipped_folder_;
  std::shared_ptr<kelvane::IPitchlog> shipped_;
};

QTEST_MAIN(GroupTeamMenusTest)
#include "group_team_menus_test.moc"

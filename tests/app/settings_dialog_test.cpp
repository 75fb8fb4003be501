// The settings dialog with the real engine on a temporary copy of the shipped data: the time
// zone chosen from the machine's zone or the stored settings, the team boxes, the colour picker
// answered by the test, what Apply, OK and Cancel store and redraw, and the two ways in.
#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

#include "app/kit/colour_values.h"
#include "app/kit/program.h"
#include "app/kit/score_text.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_properties.h"
#include "app/shell/frm_splash.h"
#include "app/shell/groups_view.h"
#include "app/shell/schedule_view.h"
#include "app/shell/start.h"
#include "app/shell/time_zones.h"
#include "tests/app/support/local_zone.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::LocalZone;
using app_testing::MessageBoxes;
using app_testing::ModalDialog;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;

namespace {

const QString kAmsterdam = QStringLiteral("( 00:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna");
const QString kAthens = QStringLiteral("(+01:00) Athens, Istanbul, Minsk");
const QString kHelsinki = QStringLiteral("(+01:00) Helsinki, Kyiv, Riga, Sofia, Tallinn, Vilnius");
const QString kKathmandu = QStringLiteral("(+04:45) Kathmandu");
const QString kChennai = QStringLiteral("(+04:30) Chennai, Kolkata, Mumbai, New Delhi");

constexpr int32_t kRed = 255;
constexpr int32_t kGreen = 65280;
constexpr int32_t kBlue = 16711680;
// The shipped colours.
constexpr int32_t kMyTeamColour = 255;
constexpr int32_t kMyTeamGhost = 8355839;
constexpr int32_t kMyOtherTeamColour = 16711680;
constexpr int32_t kMyOtherTeamGhost = 16744319;

// The shipped settings with the value of `key` replaced.
void SetStored(const ProgramFolder& folder, const char* key, const QByteArray& value) {
  QByteArray properties = folder.Read("Data/properties.xml");
  const QRegularExpression element(QStringLiteral("<%1>[^<]*</%1>|<%1/>").arg(QLatin1String(key)));
  const QString replaced = QString::fromUtf8(properties).replace(
      element, QStringLiteral("<%1>%2</%1>").arg(QLatin1String(key), QString::fromUtf8(value)));
  folder.Write("Data/properties.xml", replaced.toUtf8());
}

// A setting as the settings file on disk holds it.
QString Saved(const ProgramFolder& folder, const char* key) {
  const QString text = QString::fromUtf8(folder.Read("Data/properties.xml"));
  const QRegularExpression element(QStringLiteral("<%1>([^<]*)</%1>").arg(QLatin1String(key)));
  const QRegularExpressionMatch match = element.match(text);
  return match.hasMatch() ? match.captured(1) : QString();
}

QString InMemory(const char* key) { return ToQ(gobjKelvane->Properties(key).ToString()); }

frmProperties& OpenDialog() {
  frmProperties& d = frmProperties::Get();
  d.show();
  return d;
}

void Choose(QComboBox* box, const QString& text) {
  const int index = box->findText(text);
  if (index < 0) qFatal("%s is not offered", qPrintable(text));
  box->setCurrentIndex(index);
}

void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// Clicks a colour button and answers the picker: accepts `answer`, or cancels after moving the
// picker to another colour when there is none. Gives the colour the picker started from.
QColor PickColour(QPushButton* button, std::optional<QColor> answer) {
  QColor started;
  ModalDialog picker(QStringLiteral("CommonControls"), [&](QWidget& w) {
    auto& dialog = static_cast<QColorDialog&>(w);
    started = dialog.currentColor();
    dialog.setCurrentColor(answer.value_or(QColor(12, 34, 56)));
    if (answer)
      dialog.accept();
    else
      dialog.reject();
  });
  Click(button);
  if (!picker.Seen()) qFatal("the colour picker did not open");
  return started;
}

// The column headings of a column list (0 To 3, 0 To n).
QStringList Headings(const kelvane::Variant& list) {
  QStringList headings;
  if (!list.IsArray()) return headings;
  const kelvane::Array& array = list.AsArray();
  for (int32_t i = 0; i <= array.UBound(2); ++i) headings << ToQ(array.at(0, i).ToString());
  return headings;
}

QColor ForeColour(const QComboBox* box) { return box->palette().color(QPalette::ButtonText); }

const QTreeWidgetItem* ScheduleRow(const frmMain& main, const QString& game) {
  for (int i = 0; i < main.ScheduleList->topLevelItemCount(); ++i)
    if (main.ScheduleList->topLevelItem(i)->text(schedule_column::GameID) == game)
      return main.ScheduleList->topLevelItem(i);
  return nullptr;
}

}  // namespace

class SettingsDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    frmProperties::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  // ---- The rules ----

  void timeDifferenceFromZone_data() {
    QTest::addColumn<QString>("figure");
    QTest::addColumn<double>("hours");
    QTest::newRow("west with half an hour") << "-04:30" << -4.5;
    QTest::newRow("east with three quarters") << "+04:45" << 4.75;
    QTest::newRow("zero") << " 00:00" << 0.0;
    QTest::newRow("farthest west") << "-12:00" << -12.0;
    QTest::newRow("farthest east") << "+12:00" << 12.0;
  }
  void timeDifferenceFromZone() {
    QFETCH(QString, figure);
    QFETCH(double, hours);
    QCOMPARE(TimeDifferenceFromZone(figure), hours);
  }

  void defaultTimeDifference_data() {
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("hours");
    QTest::newRow("UTC+1, the stored zone") << 60 << 0;
    QTest::newRow("UTC+2") << 120 << 1;
    QTest::newRow("UTC") << 0 << -1;
    QTest::newRow("UTC-5") << -300 << -6;
    QTest::newRow("UTC+5:30, half to even down") << 330 << 4;
    QTest::newRow("UTC+2:30, half to even up") << 150 << 2;
    QTest::newRow("UTC-2:30, half to even") << -150 << -4;
  }
  void defaultTimeDifference() {
    QFETCH(int, minutes);
    QFETCH(int, hours);
    QCOMPARE(DefaultTimeDifference(minutes), hours);
  }

  void ghostColour_data() {
    QTest::addColumn<int>("colour");
    QTest::addColumn<int>("ghost");
    QTest::newRow("red") << kRed << 255 + 256 * 127 + 65536 * 127;
    QTest::newRow("black") << 0 << 127 + 256 * 127 + 65536 * 127;
    QTest::newRow("white") << 0xFFFFFF << 0xFFFFFF;
    QTest::newRow("the shipped blue") << kMyOtherTeamColour << kMyOtherTeamGhost;
    QTest::newRow("halves round down") << (10 + 256 * 11 + 65536 * 200) << (132 + 256 * 133 + 65536 * 227);
  }
  void ghostColour() {
    QFETCH(int, colour);
    QFETCH(int, ghost);
    QCOMPARE(GhostColour(colour), ghost);
    QCOMPARE(LongRgb(LongColour(colour)), colour);
  }

  void everyEntryNamesItsDifference() {
    const auto entries = TimeZoneEntries();
    QCOMPARE(entries.size(), size_t{51});
    const QRegularExpression shape(QStringLiteral(R"(^\(([-+ ])(\d\d):(\d\d)\) \S)"));
    QSet<int> whole_hours;
    double previous = -100;
    for (const char* entry : entries) {
      const QString text = QLatin1String(entry);
      const QRegularExpressionMatch match = shape.match(text);
      QVERIFY2(match.hasMatch(), entry);
      const double hours = TimeDifferenceFromZone(text.mid(1, 6));
      QVERIFY2((match.captured(1) == QLatin1String(" ")) == (hours == 0), entry);
      QVERIFY2(hours >= previous, entry);
      previous = hours;
      if (hours == static_cast<int>(hours)) whole_hours.insert(static_cast<int>(hours));
    }
    for (int hour = -12; hour <= 12; ++hour) QVERIFY2(whole_hours.contains(hour), qPrintable(QString::number(hour)));
  }

  // The figures are not offsets from UTC: the dialog says from where, with examples the list bears out.
  void theNoteSaysWhereTheFiguresCountFrom() {
    ProgramFolder folder;
    StartToMainWindow(folder);
    frmProperties& d = OpenDialog();
    const QString note = d.lblTimeZoneNote->text();
    QVERIFY(d.lblTimeZoneNote->isVisible());
    QVERIFY2(note.contains(QStringLiteral("UTC+1")), qPrintable(note));
    const QRegularExpression example(QStringLiteral(R"((\w+) (\([-+ ]\d\d:\d\d\)))"));
    int examples = 0;
    for (const QRegularExpressionMatch& m : example.globalMatch(note)) {
      ++examples;
      const int i = d.cboTimeZone->findText(m.captured(1), Qt::MatchContains);
      QVERIFY2(i >= 0 && d.cboTimeZone->itemText(i).startsWith(m.captured(2)), qPrintable(m.captured(0)));
    }
    QVERIFY(examples >= 2);
  }

  // ---- Opening ----

  void selectsTheTimeZone_data() {
    QTest::addColumn<QByteArray>("zone");            // the machine's
    QTest::addColumn<QByteArray>("timedifference");  // stored
    QTest::addColumn<QByteArray>("timezone");        // stored
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("difference");  // in memory after the load
    struct Row {
      const char* name;
      QByteArray zone, timedifference, timezone;
      QString selected;
      const char* difference;
    };
    const Row rows[] = {
        {"first start at UTC+1: the first entry worth 0", "Etc/GMT-1", "", "", kAmsterdam, "0"},
        {"first start at UTC+2", "Etc/GMT-2", "", "", kAthens, "1"},
        {"first start at UTC+5:30: its own entry", "Asia/Kolkata", "", "", kChennai, "4.5"},
        {"first start in Newfoundland", "NST3:30", "", "", "(-04:30) Newfoundland", "-4.5"},
        {"first start in Iran", "IRST-3:30", "", "", "(+02:30) Tehran", "2.5"},
        {"first start in Afghanistan", "AFT-4:30", "", "", "(+03:30) Kabul", "3.5"},
        {"first start in Nepal", "NPT-5:45", "", "", kKathmandu, "4.75"},
        {"first start in Myanmar", "MMT-6:30", "", "", "(+05:30) Rangoon", "5.5"},
        {"first start in South Australia", "ACST-9:30", "", "", "(+08:30) Adelaide, Darwin", "8.5"},
        {"first start at UTC+10:30: no entry, whole hours", "LHST-10:30", "", "",
         "(+10:00) Magadam, New Caledonia, Solomon Is.", "10"},
        {"first start at UTC", "UTC", "", "", "(-01:00) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London",
         "-1"},
        {"first start where no entry fits", "Etc/GMT+12", "", "", "", "-13"},
        {"stored difference with a fraction", "UTC", "-4.5", "", "(-04:30) Newfoundland", "-4.5"},
        {"stored difference of the first entry", "UTC", "-12", "", "(-12:00) Midway Island, Samoa", "-12"},
        {"stored zone wins over the difference", "UTC", "1", kHelsinki.toLatin1(), kHelsinki, "1"},
        {"stored zone that the list lacks: by the difference", "UTC", "1", "(+01:00) Atlantis", kAthens, "1"},
        {"stored difference that is no number counts as 0", "UTC", "soon", "", kAmsterdam, "soon"},
    };
    for (const Row& r : rows)
      QTest::newRow(r.name) << r.zone << r.timedifference << r.timezone << r.selected << QString::fromLatin1(r.difference);
  }
  void selectsTheTimeZone() {
    QFETCH(QByteArray, zone);
    QFETCH(QByteArray, timedifference);
    QFETCH(QByteArray, timezone);
    QFETCH(QString, selected);
    QFETCH(QString, difference);
    ProgramFolder folder;
    SetStored(folder, "timedifference", timedifference);
    SetStored(folder, "timezone", timezone);
    const QByteArray before = folder.Read("Data/properties.xml");
    StartToMainWindow(folder);
    LocalZone local(zone);
    frmProperties& d = OpenDialog();
    QCOMPARE(d.windowTitle(), QStringLiteral("Options"));
    QCOMPARE(d.cboTimeZone->count(), 51);
    QCOMPARE(d.cboTimeZone->currentText(), selected);
    QCOMPARE(InMemory("timedifference"), difference);
    QVERIFY(!d.cmdApply->isEnabled());
    // The default reaches the file only with the next save.
    QCOMPARE(folder.Read("Data/properties.xml"), before);
  }

  void teamBoxesOfferEveryTeam() {
    ProgramFolder folder;
    SetStored(folder, "myteam", "ENG");
    SetStored(folder, "myotherteam", "XXX");
    StartToMainWindow(folder);
    frmProperties& d = OpenDialog();
    const kelvane::Variant list = gobjKelvane->TeamList();
    const kelvane::Array& teams = list.AsArray();
    QStringList names;
    for (int32_t i = 0; i <= teams.UBound(2); ++i) names << ToQ(teams.at(1, i).ToString());
    QStringList my_team, my_other_team;
    for (int i = 0; i < d.cboMyTeam->count(); ++i) my_team << d.cboMyTeam->itemText(i);
    for (int i = 0; i < d.cboMyOtherTeam->count(); ++i) my_other_team << d.cboMyOtherTeam->itemText(i);
    QCOMPARE(names.size(), 32);
    QCOMPARE(my_other_team, QStringList{QString()} + names);
    QStringList sorted = names;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(my_team, QStringList{QString()} + sorted);
    QVERIFY(my_team.indexOf("Uruguay") < my_team.indexOf("USA"));

    QCOMPARE(d.cboMyTeam->currentText(), QStringLiteral("England"));
    // A stored team that is not among the teams: no selection, and OK stores none.
    QCOMPARE(d.cboMyOtherTeam->currentIndex(), -1);
    QCOMPARE(ForeColour(d.cboMyTeam), LongColour(kMyTeamColour));
    QCOMPARE(ForeColour(d.cboMyOtherTeam), LongColour(kMyOtherTeamColour));
    QVERIFY(!d.cmdApply->isEnabled());
    Choose(d.cboMyTeam, QStringLiteral("Qatar"));
    QVERIFY(d.cmdApply->isEnabled());
    // A change of team leaves the box's colour.
    QCOMPARE(ForeColour(d.cboMyTeam), LongColour(kMyTeamColour));
    Click(d.cmdOK);
    QCOMPARE(Saved(folder, "myteam"), QStringLiteral("QAT"));
    QCOMPARE(Saved(folder, "myotherteam"), QString());
  }

  // ---- Storing ----

  void okStoresEveryChoiceAndRedraws() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    const QString kick_off_before = ScheduleRow(main, "A1")->text(schedule_column::GameTime);
    frmProperties& d = OpenDialog();
    Choose(d.cboTimeZone, kKathmandu);
    // Nothing keeps the two teams apart.
    Choose(d.cboMyTeam, QStringLiteral("Qatar"));
    Choose(d.cboMyOtherTeam, QStringLiteral("Qatar"));
    Click(d.cmdOK);
    QVERIFY(!frmProperties::IsLoaded());

    QCOMPARE(Saved(folder, "timedifference"), QStringLiteral("4.75"));
    QCOMPARE(Saved(folder, "timezone"), kKathmandu);
    QCOMPARE(Saved(folder, "myteam"), QStringLiteral("QAT"));
    QCOMPARE(Saved(folder, "myotherteam"), QStringLiteral("QAT"));
    QCOMPARE(Saved(folder, "myteamcolour"), QString::number(kMyTeamColour));
    QCOMPARE(Saved(folder, "myotherteamghost"), QString::number(kMyOtherTeamGhost));
    // The schedule shows the kick-off 4:45 later, in the user's team's (past) colour.
    const QTreeWidgetItem* row = ScheduleRow(main, "A1");
    QCOMPARE(gobjKelvane->GameTime(kelvane::Variant("A1")), std::string("2022-11-20 21:45:00"));
    QCOMPARE(row->text(schedule_column::GameTime), KickOffText(ParseGameTime("2022-11-20 21:45:00")));
    QVERIFY(row->text(schedule_column::GameTime) != kick_off_before);
    QCOMPARE(row->foreground(schedule_column::Home).color(), LongColour(kMyTeamGhost));
  }

  void emptyTeamEntryStoresNoTeam() {
    ProgramFolder folder;
    SetStored(folder, "myteam", "ENG");
    SetStored(folder, "myotherteam", "ARG");
    StartToMainWindow(folder);
    frmProperties& d = OpenDialog();
    Choose(d.cboMyTeam, QString());
    Click(d.cmdApply);
    QVERIFY(frmProperties::IsLoaded() && d.isVisible());
    QVERIFY(!d.cmdApply->isEnabled());
    QCOMPARE(Saved(folder, "myteam"), QString());
    QCOMPARE(Saved(folder, "myotherteam"), QStringLiteral("ARG"));
  }

  void noTimeZoneIsRefused_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("OK") << "cmdOK";
    QTest::newRow("Apply") << "cmdApply";
  }
  void noTimeZoneIsRefused() {
    QFETCH(QString, button);
    ProgramFolder folder;
    StartToMainWindow(folder);
    const QByteArray before = folder.Read("Data/properties.xml");
    LocalZone local("Etc/GMT+12");  // no entry fits: nothing is selected
    frmProperties& d = OpenDialog();
    QCOMPARE(d.cboTimeZone->currentIndex(), -1);
    Choose(d.cboMyTeam, QStringLiteral("Qatar"));
    MessageBoxes boxes({QMessageBox::Ok});
    Click(d.findChild<QPushButton*>(button));
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Text(), QStringLiteral("please select a time zone"));
    QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Critical);
    QCOMPARE(boxes.Seen()[0].title, QStringLiteral("Orvessa Pitchlog"));
    QVERIFY(frmProperties::IsLoaded() && d.isVisible());
    QCOMPARE(folder.Read("Data/properties.xml"), before);
    QCOMPARE(InMemory("myteam"), QString());
  }

  void okWithoutChangesStillSavesAndRedraws() {
    ProgramFolder folder;
    SetStored(folder, "timedifference", "1");
    frmMain& main = StartToMainWindow(folder);
    folder.Remove("Data/properties.xml");
    main.ScheduleList->clear();
    Click(OpenDialog().cmdOK);
    QCOMPARE(Saved(folder, "timedifference"), QStringLiteral("1"));
    QCOMPARE(Saved(folder, "timezone"), kAthens);
    QCOMPARE(Saved(folder, "downloadurl"), QString());
    QVERIFY(main.ScheduleList->topLevelItemCount() > 64);
  }

  void applyThenCancelKeepsWhatWasApplied() {
    ProgramFolder folder;
    StartToMainWindow(folder);
    frmProperties& d = OpenDialog();
    Choose(d.cboTimeZone, kHelsinki);
    Click(d.cmdApply);
    Choose(d.cboTimeZone, kKathmandu);
    Click(d.cmdCancel);
    QVERIFY(!frmProperties::IsLoaded());
    QCOMPARE(Saved(folder, "timezone"), kHelsinki);
    QCOMPARE(InMemory("timezone"), kHelsinki);
    QCOMPARE(InMemory("timedifference"), QStringLiteral("1"));
  }

  // Teams read afresh from a file that can't be read: the boxes stay empty, and Apply leaves the
  // stored teams alone instead of clearing them.
  void withoutTheTeamListTheStoredTeamsStay() {
    ProgramFolder folder;
    SetStored(folder, "myteam", "ENG");
    SetStored(folder, "myotherteam", "ARG");
    StartToMainWindow(folder);
    folder.Write("Data/teams.xml", "<teams><unclosed></teams>");
    gobjKelvane->LoadOthers();
    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});
    frmProperties& d = OpenDialog();
    QCOMPARE(d.cboMyTeam->count(), 0);
    Choose(d.cboTimeZone, kAthens);
    Click(d.cmdApply);
    QCOMPARE(Saved(folder, "timezone"), kAthens);
    QCOMPARE(Saved(folder, "myteam"), QStringLiteral("ENG"));
    QCOMPARE(Saved(folder, "myotherteam"), QStringLiteral("ARG"));
    // The failed load was reported, and nothing after it.
    QCOMPARE(boxes.Seen().size(), 1);
    QVERIFY2(boxes.Text().contains(QStringLiteral("teams")), qPrintable(boxes.Text()));
  }

  // ---- Colours ----

  void pickedColourIsUsedButStoredOnlyByApply() {
    ProgramFolder folder;
    StartToMainWindow(folder);
    const QByteArray before = folder.Read("Data/properties.xml");
    frmProperties& d = OpenDialog();
    QCOMPARE(PickColour(d.cmdMyTeamColour, LongColour(kBlue)), LongColour(kMyTeamColour));
    QCOMPARE(glngMyTeamColour, kBlue);
    QCOMPARE(glngMyTeamGhost, GhostColour(kBlue));
    QCOMPARE(ForeColour(d.cboMyTeam), LongColour(kBlue));
    QVERIFY(d.cmdApply->isEnabled());
    QCOMPARE(InMemory("myteamcolour"), QString::number(kMyTeamColour));
    QCOMPARE(folder.Read("Data/properties.xml"), before);

    // The picker starts again from the stored colour, and cancelling it gives that colour back.
    QCOMPARE(PickColour(d.cmdMyTeamColour, std::nullopt), LongColour(kMyTeamColour));
    QCOMPARE(glngMyTeamColour, kMyTeamColour);
    QCOMPARE(glngMyTeamGhost, kMyTeamGhost);

    PickColour(d.cmdMyOtherTeamColour, LongColour(kGreen));
    Click(d.cmdApply);
    QCOMPARE(Saved(folder, "myotherteamcolour"), QString::number(kGreen));
    QCOMPARE(Saved(folder, "myotherteamghost"), QStringLiteral("8388479"));
    QCOMPARE(Saved(folder, "myteamcolour"), QString::number(kMyTeamColour));
    QCOMPARE(glngMyOtherTeamGhost, 8388479);
  }

  void leavingWithoutApplyPutsTheStoredColoursBack_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Cancel") << "Cancel";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("close box") << "close";
  }
  void leavingWithoutApplyPutsTheStoredColoursBack() {
    QFETCH(QString, how);
    ProgramFolder folder;
    StartToMainWindow(folder);
    const QByteArray before = folder.Read("Data/properties.xml");
    frmProperties& d = OpenDialog();
    PickColour(d.cmdMyTeamColour, LongColour(kGreen));
    PickColour(d.cmdMyOtherTeamColour, LongColour(kRed));
    QCOMPARE(glngMyOtherTeamColour, kRed);
    if (how == "Cancel") Click(d.cmdCancel);
    if (how == "Esc") QTest::keyClick(&d, Qt::Key_Escape);
    if (how == "close") d.close();
    QVERIFY(!frmProperties::IsLoaded());
    QCOMPARE(glngMyTeamColour, kMyTeamColour);
    QCOMPARE(glngMyTeamGhost, kMyTeamGhost);
    QCOMPARE(glngMyOtherTeamColour, kMyOtherTeamColour);
    QCOMPARE(glngMyOtherTeamGhost, kMyOtherTeamGhost);
    QCOMPARE(folder.Read("Data/properties.xml"), before);
  }

  // ---- Redrawing the main window ----

  void statisticsListRedrawnByItsType_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("type");  // whose columns the list takes; empty: not redrawn
    QTest::newRow("teams") << "Teams Overview" << "teams";
    QTest::newRow("players") << "Top Scorers" << "players";
    QTest::newRow("groups") << "Group Summary" << "";
  }
  void statisticsListRedrawnByItsType() {
    QFETCH(QString, table);
    QFETCH(QString, type);
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    auto* tables = main.findChild<QComboBox*>(QStringLiteral("cboStatsTables"));
    if (!tables) {
      tables = new QComboBox(main.StatsFrame);
      tables->setObjectName(QStringLiteral("cboStatsTables"));
      tables->addItems({"Teams Overview", "Top Scorers", "Group Summary"});
    }
    Choose(tables, table);
    main.MainTab->setCurrentIndex(0);  // whichever view shows
    main.varColumns = kelvane::Variant();
    Click(OpenDialog().cmdOK);
    if (type.isEmpty()) {
      QVERIFY(main.varColumns.IsEmpty());
    } else {
      const QStringList expected = Headings(gobjKelvane->StatsColumnsArray(ToStd(type)));
      QVERIFY(!expected.isEmpty());
      QCOMPARE(Headings(main.varColumns), expected);
    }
  }

  void showsTheGroupOfTheSelectedTab() {
    ProgramFolder folder;
    SetStored(folder, "myteam", "ENG");
    frmMain& main = StartToMainWindow(folder);
    main.GroupTab->setCurrentIndex(6);  // group "B"
    frmProperties& d = OpenDialog();
    PickColour(d.cmdMyTeamColour, LongColour(kGreen));
    Click(d.cmdOK);
    auto* table = main.findChild<QTreeWidget*>(QStringLiteral("GroupTable"));
    QVERIFY(table);
    const QList<QTreeWidgetItem*> england =
        table->findItems(QStringLiteral("England"), Qt::MatchExactly, group_table_column::Team);
    QVERIFY(!england.isEmpty());
    QCOMPARE(england.front()->foreground(group_table_column::Team).color(), LongColour(kGreen));
  }

  // ---- The ways in ----

  void editOptionsOpensTheDialog() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    auto* item = main.findChild<QAction*>(QStringLiteral("Properties"));
    QVERIFY(item->isEnabled());
    QCOMPARE(item->text(), QStringLiteral("&Options"));
    QCOMPARE(item->shortcut(), QKeySequence(QStringLiteral("Ctrl+T")));
    QString caption;
    ModalDialog dialog(QStringLiteral("frmProperties"), [&](QWidget& d) {
      caption = d.windowTitle();
      Click(static_cast<frmProperties&>(d).cmdCancel);
    });
    item->trigger();
    QVERIFY(dialog.Seen());
    QCOMPARE(caption, QStringLiteral("Options"));
    app_testing::ProcessDeletions();
    QVERIFY(!frmProperties::IsLoaded());
  }

  // In India the first start shows the kick-offs in Indian time once the choice is applied.
  void firstStartInAHalfHourZone() {
    ProgramFolder folder;
    LocalZone local("Asia/Kolkata");
    frmMain& main = StartToMainWindow(folder);
    frmProperties& d = OpenDialog();
    QCOMPARE(d.cboTimeZone->currentText(), kChennai);
    Click(d.cmdOK);
    QCOMPARE(Saved(folder, "timedifference"), QStringLiteral("4.5"));
    QCOMPARE(gobjKelvane->GameTime(kelvane::Variant("A1")), std::string("2022-11-20 21:30:00"));
    QCOMPARE(ScheduleRow(main, "A1")->text(schedule_column::GameTime), KickOffText(ParseGameTime("2022-11-20 21:30:00")));
  }

  // Cancel leaves the time difference as it was: the views drawn before and after agree.
  void splashTimeZoneButtonThenCancel() {
    ProgramFolder folder;
    LocalZone local("Etc/GMT-2");
    const QByteArray before = folder.Read("Data/properties.xml");
    QVERIFY(StartProgram(folder.Path()));
    QString offered;
    ModalDialog dialog(QStringLiteral("frmProperties"), [&](QWidget& w) {
      auto& d = static_cast<frmProperties&>(w);
      offered = InMemory("timedifference");
      Click(d.cmdCancel);
    });
    Click(frmSplash::Get().cmdTimeZone);
    QVERIFY(dialog.Seen());
    QCOMPARE(offered, QStringLiteral("1"));
    app_testing::ProcessDeletions();
    QCOMPARE(InMemory("timedifference"), QString());
    frmMain& main = frmMain::Get();
    main.GroupTab->setCurrentIndex(7);  // group "A"
    main.MainTab->setCurrentIndex(1);
    auto* games = main.findChild<QTreeWidget*>(QStringLiteral("GroupSchedule"));
    QCOMPARE(games->topLevelItem(0)->text(0), ScheduleRow(main, "A1")->text(schedule_column::GameTime));
    QCOMPARE(folder.Read("Data/properties.xml"), before);
  }

  void splashTimeZoneButtonOpensTheDialog() {
    ProgramFolder folder;
    LocalZone local("Etc/GMT-2");
    QVERIFY(StartProgram(folder.Path()));
    QPushButton* button = frmSplash::Get().cmdTimeZone;
    QVERIFY(button->isVisible() && button->isEnabled());
    bool main_shown = false, splash_hidden = false;
    QString selected;
    ModalDialog dialog(QStringLiteral("frmProperties"), [&](QWidget& w) {
      main_shown = frmMain::IsLoaded() && frmMain::Get().isVisible();
      splash_hidden = !frmSplash::Get().isVisible() && !frmSplash::Get().Timer1->isActive();
      auto& d = static_cast<frmProperties&>(w);
      selected = d.cboTimeZone->currentText();
      Click(d.cmdOK);
    });
    Click(button);
    QVERIFY(dialog.Seen());
    QVERIFY(main_shown);
    QVERIFY(splash_hidden);
    QCOMPARE(selected, kAthens);
    app_testing::ProcessDeletions();
    QVERIFY(!frmSplash::IsLoaded());
    QVERIFY(frmMain::Get().isVisible());
    QCOMPARE(Saved(folder, "timedifference"), QStringLiteral("1"));
    QCOMPARE(Saved(folder, "timezone"), kAthens);
  }
};

QTEST_MAIN(SettingsDialogTest)
#include "settings_dialog_test.moc"

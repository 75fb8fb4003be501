// The choice entry dialogs, opened by double-clicks in the sweeps window, with the real engine:
// how each is prepared from its row, giving and taking away choices, bids, new members, the
// refusals, and the money and number boxes.
#include <monetary.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QLocale>
#include <QTest>
#include <QTreeWidget>

#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/sweeps/frm_number_list_entry.h"
#include "app/sweeps/frm_player_list_entry.h"
#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/frm_team_list_entry.h"
#include "app/sweeps/money.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"
#include "tests/app/support/sweeps_files.h"
#include "tests/app/support/user_locale.h"
#include "tests/support/process_locale.h"

using namespace pitchlog;
using app_testing::MessageBoxes;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;

namespace {

QTreeWidgetItem* Row(const QTreeWidget* list, const QString& text) {
  for (int i = 0; i < list->topLevelItemCount(); ++i)
    if (list->topLevelItem(i)->text(0) == text) return list->topLevelItem(i);
  qFatal("no row %s", qPrintable(text));
}

// Double-clicks the row and runs the action on the dialog it opens.
template <typename Dialog>
bool OnDialog(QTreeWidget* list, const QString& row_text, const std::function<void(Dialog&)>& action) {
  const bool seen = app_testing::OnModal<Dialog>(
      [&] {
        QTreeWidgetItem* row = Row(list, row_text);
        list->setCurrentItem(row);
        emit list->itemDoubleClicked(row, 0);
      },
      action);
  app_testing::ProcessDeletions();
  return seen;
}

frmSweeps& ShowSweep(frmMain& main, const char* sweep) {
  Q_UNUSED(main);
  frmSweeps& w = frmSweeps::Get();
  w.show();
  w.cboSweepList->setCurrentIndex(w.cboSweepList->findText(QLatin1String(sweep)));
  return w;
}

QString Held(const char* sweep, const char* value, int row = 0) {
  const kelvane::Variant choices = gobjKelvane->SweepMembers(sweep);
  const kelvane::Array& c = choices.AsArray();
  for (int32_t k = 0; k <= c.UBound(2); ++k)
    if (c.at(1, k).ToString() == value) return ToQ(c.at(row, k).ToString());
  return QStringLiteral("(none)");
}

void Type(QLineEdit* box, const QString& text) {
  box->clear();
  QTest::keyClicks(box, text);
}

void WriteOffice(const ProgramFolder& folder) {
  app_testing::WriteMembers(folder, {{"Ann", "ann"}, {"Bob", "bob"}, {"Cathy", "cathy"}});
  app_testing::WriteSweeps(
      folder, {{"Fun", "fun", "tournament_winner", "fun", nullptr, {{"ARG", "ann"}}},
               {"Bids", "bids", "most_goals_scored", "bid", nullptr, {{"ARG", "ann", "2.5"}}},
               {"Scorers", "scorers", "top_scorer", "bid", nullptr, {{"ARG23", "bob", "1"}}},
               {"Guess", "guess", "total_goals", "fun", nullptr, {{"150", "ann"}, {"160", "bob"}}}});
}

}  // namespace

class ChoiceEntryTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    QLocale::setDefault(QLocale::system());
    frmSweeps::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  // The money box's rule, typed key by key and then left, under the locales of many users: an
  // amount written as the locale's LC_MONETARY writes it is taken whole, with or without its
  // thousands marks in their places, in its own digits and marks; a key that can be no part of
  // an amount is taken back at once, and a text that is no amount here (a decimal comma where
  // the locale has none, a zero group that would be read as thousands, a sign) stays as typed
  // and is refused when the box is left, never read as another number.
  void moneyBox_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<bool>("refusedTyping");
    QTest::addColumn<bool>("refusedLeft");
    QTest::addColumn<double>("amount");
    const QString narrow(QChar(0x202F));
    const QString quote(QChar(0x2019));
    const auto taken = [](const char* name, const char* locale, const QString& typed, double amount) {
      QTest::newRow(name) << locale << typed << typed << false << false << amount;
    };
    // The last whole amount typed is what the box counted with before the refusal.
    const auto refused = [](const char* name, const char* locale, const QString& typed, double last) {
      QTest::newRow(name) << locale << typed << typed << false << true << last;
    };
    taken("two decimals", "C", "12.34", 12.34);
    refused("a third decimal", "C", "12.345", 12.34);
    refused("negative", "C", "-5", 0);
    taken("zero", "C", "0", 0);
    QTest::newRow("letters") << "C" << "1a2" << "12" << true << false << 12.0;
    QTest::newRow("exponent") << "C" << "1e3" << "13" << true << false << 13.0;
    refused("a comma in C", "C", "1,50", 1);
    refused("ten digits", "C", "1234567890", 123456789);
    taken("a point first", "C", ".5", 0.5);
    taken("grouped en_GB", "en_GB", "1,234.56", 1234.56);
    taken("plain en_GB", "en_GB", "1234.56", 1234.56);
    taken("millions en_GB", "en_GB", "123,456,789.5", 123456789.5);
    refused("misplaced group en_GB", "en_GB", "12,34.5", 12);
    refused("a decimal comma en_GB", "en_GB", "12,50", 12);
    taken("a thousand en_GB", "en_GB", "1,000", 1000);
    taken("grouped en_US", "en_US", "1,234.56", 1234.56);
    taken("decimal comma", "de_DE", "12,5", 12.5);
    taken("grouped de_DE", "de_DE", "1.234,56", 1234.56);
    taken("plain de_DE", "de_DE", "1234,56", 1234.56);
    taken("a thousand de_DE", "de_DE", "1.000", 1000);
    refused("a point that can't group", "de_DE", "12.5", 12);
    refused("two points de_DE", "de_DE", "1.2.3", 1);
    refused("two separators", "de_DE", "1,5.3", 1.5);
    taken("grouped es_ES", "es_ES", "1.234,56", 1234.56);
    taken("decimal comma it_IT", "it_IT", "12,5", 12.5);
    taken("decimal comma nl_NL", "nl_NL", "12,50", 12.5);
    taken("plain space fr_FR", "fr_FR", "1 234,56", 1234.56);
    taken("narrow space fr_FR", "fr_FR", "1" + narrow + "234,56", 1234.56);
    taken("a point fr_FR", "fr_FR", "2.25", 2.25);
    // A comma that de_CH and ar_EG write in no amount is refused, not dropped to make 1250.
    refused("a decimal comma de_CH", "de_CH", "12,50", 12);
    taken("grouped de_CH", "de_CH", "1" + quote + "234.50", 1234.5);
    taken("a straight apostrophe de_CH", "de_CH", "1'234.50", 1234.5);
    refused("a decimal comma ar_EG", "ar_EG", "12,50", 12);
    taken("points ar_EG", "ar_EG", "12.50", 12.5);
    taken("Arabic-Indic ar_EG", "ar_EG", QString::fromUtf8("\u0661\u0662\u066b\u0665\u0660"), 12.5);
    taken("Arabic-Indic grouped ar_EG", "ar_EG", QString::fromUtf8("\u0661\u066c\u0662\u0663\u0664"), 1234);
    // A leading zero group is no thousand: "0,005" is a third decimal wherever "," groups.
    refused("a zero group en_GB", "en_GB", "0,005", 0);
    refused("zero groups en_GB", "en_GB", "00,050", 0);
    refused("a zero group en_US", "en_US", "0,005", 0);
    refused("a zero group de_DE", "de_DE", "0.005", 0);
    refused("a zero group es_ES", "es_ES", "0.005", 0);
    refused("a zero group it_IT", "it_IT", "0.005", 0);
    refused("a zero group nl_NL", "nl_NL", "0.005", 0);
    refused("a zero group ja_JP", "ja_JP", "0,005", 0);
    refused("a zero group hi_IN", "hi_IN", "0,005", 0);
    refused("a third decimal de_DE", "de_DE", "0,005", 0);
    taken("cents of yen", "ja_JP", "2.50", 2.5);
    taken("lakhs hi_IN", "hi_IN", "1,23,456.78", 123456.78);
    taken("crores hi_IN", "hi_IN", "12,34,567.89", 1234567.89);
    refused("thousands hi_IN", "hi_IN", "1,234,567.89", 1234);
  }
  void moneyBox() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(bool, refusedTyping);
    QFETCH(bool, refusedLeft);
    QFETCH(double, amount);
    const app_testing::UserLocale user(locale);
    QVERIFY2(user.ok(), "run scripts/install-deps");
    sweeps::MoneyBox box;
    QObject::connect(&box, &QLineEdit::textChanged, [&] { box.Judge(); });
    // Keys for what a keyboard has, the rest as an input method gives it.
    for (const QChar c : typed) {
      if (c.unicode() < 0x80)
        QTest::keyClick(&box, c.toLatin1());
      else
        box.insert(QString(c));
    }
    QCOMPARE(box.text(), kept);
    QCOMPARE(box.Refused(), refusedTyping);
    QCOMPARE(box.Settle(), !refusedLeft);
    QCOMPARE(box.text(), kept);  // never cut
    QCOMPARE(box.Refused(), refusedLeft);
    QCOMPARE(box.Mark()->isHidden(), !refusedLeft);
    QCOMPARE(box.toolTip().isEmpty(), !refusedLeft);
    // What the box counts with: the last whole amount typed.
    QCOMPARE(box.Value(), amount);
    QCOMPARE(sweeps::MoneyAmount(box.text()).has_value(), !refusedLeft);
    if (!refusedLeft) QCOMPARE(sweeps::MoneyValue(box.text()), amount);
    box.clear();
    QCOMPARE(box.text(), QString());
    QCOMPARE(box.Last(), QString());
    QVERIFY(!box.Refused());
    QVERIFY(box.Mark()->isHidden());
  }

  // What the program writes, a box takes back as the same amount: its own text and the windows'
  // figures, grouped as the locale groups them; where the locale has digits and marks of its own
  // (Arabic), also the form Qt writes with them.
  void moneyBoxReadsWhatTheProgramWrites_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("native");
    for (const char* locale :
         {"C", "en_GB", "en_US", "de_DE", "de_CH", "fr_FR", "es_ES", "it_IT", "nl_NL", "ja_JP", "hi_IN"})
      QTest::newRow(locale) << locale << false;
    QTest::newRow("ar_EG") << "ar_EG" << true;
  }
  void moneyBoxReadsWhatTheProgramWrites() {
    QFETCH(QString, locale);
    QFETCH(bool, native);
    const app_testing::UserLocale user(locale);
    QVERIFY2(user.ok(), "run scripts/install-deps");
    for (const double amount : {0.0, 2.5, 1234.56, 1234567.89, 999999999.99}) {
      QCOMPARE(sweeps::MoneyAmount(sweeps::MoneyText(amount)).value_or(-1), amount);
      char figures[128];
      QVERIFY(strfmon(figures, sizeof figures, "%!.2n", amount) > 0);
      const QString shown = QString::fromUtf8(figures).trimmed();
      QVERIFY2(sweeps::MoneyAmount(shown) == amount, qPrintable(shown));
      if (native) {
        const QString written = QLocale(locale).toString(amount, 'f', 2);
        QVERIFY2(sweeps::MoneyAmount(written) == amount, qPrintable(written));
      }
    }
  }

  // With LC_MONETARY apart from the rest of the locale, a box writes, reads and asks for the
  // form the windows show money in.
  void moneyBoxFollowsTheMonetaryLocale() {
    const app_testing::UserLocale user(QStringLiteral("de_DE"));
    const testing_support::ProcessLocale money("en_GB.UTF-8", LC_MONETARY);
    QVERIFY2(user.ok() && money.ok(), "run scripts/install-deps");
    QCOMPARE(sweeps::MoneyText(1234.5), QStringLiteral("1234.50"));
    QCOMPARE(sweeps::MoneyAmount(QStringLiteral("1,234.50")).value_or(-1), 1234.5);
    QVERIFY(!sweeps::MoneyAmount(QStringLiteral("1.234,50")));
    QCOMPARE(sweeps::MoneyExample(), QStringLiteral("1234.56"));
  }

  // A bid the locale does not write (a decimal comma in de_CH) is refused, never read as 1250.
  void aBidInAnotherFormIsRefused() {
    const app_testing::UserLocale swiss(QStringLiteral("de_CH"));
    QVERIFY2(swiss.ok(), "run scripts/install-deps");
    ProgramFolder folder;
    WriteOffice(folder);
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = ShowSweep(main, "Bids");
    QVERIFY(OnDialog<frmTeamListEntry>(w.TeamList, "ARG", [&](frmTeamListEntry& d) {
      QCOMPARE(d.txtBid->text(), QStringLiteral("2.50"));
      Type(d.txtBid, "12,50");
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QVERIFY(frmTeamListEntry::IsLoaded() && d.txtBid->Refused());
      QCOMPARE(Held("Bids", "ARG", 2), QStringLiteral("2.5"));
      Type(d.txtBid, "12.50");
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QVERIFY(!frmTeamListEntry::IsLoaded());
    }));
    QCOMPARE(Held("Bids", "ARG", 2), QStringLiteral("12.5"));
  }

  // A held team in a sweep without bids: no bid box, the dialog narrower by its width, the
  // member's name ready; in a bidding sweep the bid with two decimals.
  void teamDialogFromItsRow() {
    ProgramFolder folder;
    WriteOffice(folder);
    frmMain& main = StartToMainWindow(folder);
    int wide = 0;
    frmSweeps& w = ShowSweep(main, "Bids");
    QVERIFY(OnDialog<frmTeamListEntry>(w.TeamList, "ARG", [&](frmTeamListEntry& d) {
      wide = d.width();
      QVERIFY(!d.txtBid->isHidden());
      QCOMPARE(d.txtBid->text(), sweeps::MoneyText(2.5));
      QCOMPARE(d.cboMember->currentText(), QStringLiteral("Ann"));
      QCOMPARE(d.windowTitle(), QStringLiteral("Argentina"));
    }));
    ShowSweep(main, "Fun");
    QVERIFY(OnDialog<frmTeamListEntry>(w.TeamList, "ARG", [&](frmTeamListEntry& d) {
      QVERIFY(d.txtBid->isHidden() && d.lblBid->isHidden());
      QCOMPARE(d.width(), wide - d.txtBid->width());
      QVERIFY(d.cmdOK->geometry().right() < d.width());
      QCOMPARE(d.cboMember->currentText(), QStringLiteral("Ann"));
      QCOMPARE(d.Choice.ToString(), std::string("ARG"));
      QCOMPARE(d.Sweep, std::string("Fun"));
    }));
    // Esc changed nothing.
    QCOMPARE(Held("Fun", "ARG"), QStringLiteral("ann"));
    QVERIFY(!w.cmdApply->isEnabled());

    // The winner's mark stays in the list: the dialog is about the team.
    main.OpenResultsSet("Tournament 2022");
    QCOMPARE(Row(w.TeamList, "ARG")->text(team_column::Team), QStringLiteral("*** Argentina ***"));
    QVERIFY(OnDialog<frmTeamListEntry>(w.TeamList, "ARG", [&](frmTeamListEntry& d) {
      QCOMPARE(d.windowTitle(), QStringLiteral("Argentina"));
    }));
  }

  // Giving a team with a bid: the refusals first, then the choice, unsaved, with Apply marked.
  void givingATeamWithABid() {
    ProgramFolder folder;
    WriteOffice(folder);
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = ShowSweep(main, "Bids");
    const QByteArray saved = folder.Read("Data/sweeps.xml");
    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});
    QVERIFY(OnDialog<frmTeamListEntry>(w.TeamList, "BRA", [&](frmTeamListEntry& d) {
      QVERIFY(d.txtBid->text().isEmpty());
      d.cboMember->setEditText(QStringLiteral("Bob"));
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(0), QStringLiteral("Please enter a bid"));
      QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Critical);
      d.cboMember->setEditText(QString());
      Type(d.txtBid, "3" + QLocale().decimalPoint() + "25");
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(1), QStringLiteral("Please select a member"));
      QVERIFY(frmTeamListEntry::IsLoaded());
      d.cboMember->setEditText(QStringLiteral("bob"));
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QVERIFY(!frmTeamListEntry::IsLoaded());
    }));
    QCOMPARE(Held("Bids", "BRA"), QStringLiteral("bob"));
    QCOMPARE(Held("Bids", "BRA", 2), QStringLiteral("3.25"));
    QCOMPARE(Row(w.TeamList, "BRA")->text(team_column::Member), QStringLiteral("Bob"));
    QCOMPARE(w.BidsLabel->text(), sweeps::Currency(5.75));
    QVERIFY(w.cmdApply->isEnabled());
    QVERIFY(!w.cmdEdit->isEnabled());
    QCOMPARE(folder.Read("Data/sweeps.xml"), saved);
  }

  // A name that is no member yet: No writes nothing, Yes adds and saves the member, then the choice.
  void aNewMember() {
    ProgramFolder folder;
    WriteOffice(folder);
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = ShowSweep(main, "Fun");
    const QByteArray members = folder.Read("Data/members.xml");
    MessageBoxes boxes({QMessageBox::No, QMessageBox::Ok, QMessageBox::Yes});
    QVERIFY(OnDialog<frmTeamListEntry>(w.TeamList, "BRA", [&](frmTeamListEntry& d) {
      d.cboMember->setEditText(QStringLiteral("Cat"));
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(0), QStringLiteral("Member not found. Do you want to add them to the list?"));
      QCOMPARE(boxes.Seen()[0].buttons, QMessageBox::Yes | QMessageBox::No);
      QVERIFY(frmTeamListEntry::IsLoaded());
      QCOMPARE(Held("Fun", "BRA"), QStringLiteral("(none)"));
      QCOMPARE(folder.Read("Data/members.xml"), members);
      // The members window's "[New]" row is no name.
      d.cboMember->setEditText(QStringLiteral("[New]"));
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(1), QStringLiteral("Invalid Name"));
      QVERIFY(!gobjKelvane->MemberExists("[New]"));
      // Typed key by key, not completed to another member's name, and Enter is OK.
      d.cboMember->setEditText(QString());
      QTest::keyClicks(d.cboMember->lineEdit(), "Ca");
      QCOMPARE(d.cboMember->currentText(), QStringLiteral("Ca"));
      QTest::keyClicks(d.cboMember->lineEdit(), "t");
      QTest::keyClick(d.cboMember->lineEdit(), Qt::Key_Return);
    }));
    QVERIFY(!frmTeamListEntry::IsLoaded());
    QVERIFY(folder.Read("Data/members.xml").contains("<name>Cat</name>"));
    QCOMPARE(Held("Fun", "BRA"), QStringLiteral("cat"));
  }

  // Emptying the member takes the choice away (in a bidding sweep only with the bid emptied too);
  // the change is marked like any other.
  void takingAChoiceAway() {
    ProgramFolder folder;
    WriteOffice(folder);
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = ShowSweep(main, "Fun");
    QVERIFY(OnDialog<frmTeamListEntry>(w.TeamList, "ARG", [&](frmTeamListEntry& d) {
      d.cboMember->setEditText(QString());
      d.txtBid->setText(QStringLiteral("4"));  // hidden: no bids in this sweep
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    }));
    QCOMPARE(Held("Fun", "ARG"), QStringLiteral("(none)"));
    QVERIFY(Row(w.TeamList, "ARG")->text(team_column::Member).isEmpty());
    QVERIFY(w.cmdApply->isEnabled());

    QTest::mouseClick(w.cmdApply, Qt::LeftButton);
    ShowSweep(main, "Bids");
    MessageBoxes boxes({QMessageBox::Ok});
    QVERIFY(OnDialog<frmTeamListEntry>(w.TeamList, "ARG", [&](frmTeamListEntry& d) {
      d.cboMember->setEditText(QString());
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(), QStringLiteral("Please select a member"));
      d.txtBid->clear();
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    }));
    QCOMPARE(Held("Bids", "ARG"), QStringLiteral("(none)"));
    QCOMPARE(w.BidsLabel->text(), sweeps::Currency(0));
    QVERIFY(w.cmdApply->isEnabled());
  }

  void noMembersAtAll() {
    ProgramFolder folder;
    WriteOffice(folder);
    app_testing::WriteMembers(folder, {});
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = ShowSweep(main, "Fun");
    QVERIFY(OnDialog<frmTeamListEntry>(w.TeamList, "BRA", [&](frmTeamListEntry& d) {
      QCOMPARE(d.cboMember->count(), 1);
      QCOMPARE(d.cboMember->itemText(0), QString());
    }));
  }

  // "[New]" offers the players not listed; a listed one opens without the player box.
  void players() {
    ProgramFolder folder;
    WriteOffice(folder);
    frmMain& main = StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    frmSweeps& w = ShowSweep(main, "Scorers");
    int full_width = 0;
    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});
    QVERIFY(OnDialog<frmPlayerListEntry>(w.PlayerList, "[New]", [&](frmPlayerListEntry& d) {
      full_width = d.width();
      QCOMPARE(d.windowTitle(), QStringLiteral("Add new choice"));
      QCOMPARE(d.cboPlayer->currentIndex(), -1);
      for (int i = 0; i < d.cboPlayer->count(); ++i) {
        const QString id = ToQ(w.varPlayers.AsArray().at(0, d.cboPlayer->itemData(i).toInt()).ToString());
        QVERIFY2(id != "ARG23" && id != "FRA10" && id != "ARG10", qPrintable(id));
      }
      const int emi = d.cboPlayer->findText(QStringLiteral("Emiliano MARTINEZ (Argentina)"));
      QCOMPARE(emi, -1);
      d.cboMember->setEditText(QStringLiteral("Ann"));
      Type(d.txtBid, "2");
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(0), QStringLiteral("Please select a player\r\n\r\nPlayers may be added from the main page"));
      const int pick = d.cboPlayer->findText(QStringLiteral("Franco ARMANI (Argentina)"));
      QVERIFY(pick >= 0);
      d.cboPlayer->setCurrentIndex(pick);
      d.txtBid->clear();
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(1), QStringLiteral("You must enter all details for a new choice"));
      Type(d.txtBid, "2");
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    }));
    QCOMPARE(Held("Scorers", "ARG01"), QStringLiteral("ann"));
    QCOMPARE(Held("Scorers", "ARG01", 2), QStringLiteral("2"));

    QVERIFY(OnDialog<frmPlayerListEntry>(w.PlayerList, "ARG23", [&](frmPlayerListEntry& d) {
      QVERIFY(d.cboPlayer->isHidden() && d.lblPlayer->isHidden());
      QCOMPARE(d.width(), full_width - d.cboPlayer->width());
      QVERIFY(qAbs(d.cboMember->x() - d.cboPlayer->x()) <= 1);
      QCOMPARE(d.windowTitle(), QStringLiteral("Emiliano MARTINEZ (Argentina)"));
      QCOMPARE(d.txtBid->text(), sweeps::MoneyText(1));
      d.cboMember->setEditText(QStringLiteral("Ann"));
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    }));
    QCOMPARE(Held("Scorers", "ARG23"), QStringLiteral("ann"));
  }

  void noPlayerLeftToOffer() {
    ProgramFolder folder;
    folder.Write("Data/players.xml",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE players [\n"
                 "  <!ATTLIST team teamid ID #REQUIRED>\n  <!ATTLIST player playerid ID #REQUIRED>\n]>\n<players>"
                 "<team teamid=\"ARG\"><player playerid=\"ARG10\"><playername>Lionel MESSI</playername>"
                 "<shirt>10</shirt></player></team></players>\n");
    app_testing::WriteMembers(folder, {{"Ann", "ann"}});
    app_testing::WriteSweeps(folder, {{"Scorers", "scorers", "top_scorer", "fun", nullptr, {{"ARG10", "ann"}}}});
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = ShowSweep(main, "Scorers");
    MessageBoxes boxes({QMessageBox::Ok});
    QVERIFY(!OnDialog<frmPlayerListEntry>(w.PlayerList, "[New]", [](frmPlayerListEntry&) {}));
    QCOMPARE(boxes.Text(), QStringLiteral("There are no more players to choose from"));
    QVERIFY(!frmPlayerListEntry::IsLoaded());
  }

  // A new guess: its box takes numbers under twelve characters; a number already guessed is
  // refused. An existing guess is taken away by emptying its member.
  void numbers() {
    ProgramFolder folder;
    WriteOffice(folder);
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = ShowSweep(main, "Guess");
    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});
    QVERIFY(OnDialog<frmNumberListEntry>(w.NumberList, "[New]", [&](frmNumberListEntry& d) {
      QCOMPARE(d.windowTitle(), QStringLiteral("Add new choice"));
      QCOMPARE(d.lblChoice->text(), QStringLiteral("Total goals "));
      QVERIFY(d.txtBid->isHidden());
      QVERIFY(d.cboMember->currentText().isEmpty());
      Type(d.txtChoice, "12345678901");
      QCOMPARE(d.txtChoice->text(), QStringLiteral("12345678901"));
      QTest::keyClicks(d.txtChoice, "2");
      QCOMPARE(d.txtChoice->text(), QStringLiteral("12345678901"));
      Type(d.txtChoice, "1x5");
      QCOMPARE(d.txtChoice->text(), QStringLiteral("15"));
      QCOMPARE(d.Choice.ToString(), std::string("15"));
      d.txtChoice->clear();
      QCOMPARE(d.Choice.ToString(), std::string());
      d.cboMember->setEditText(QStringLiteral("Bob"));
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(0), QStringLiteral("Please enter a choice"));
      Type(d.txtChoice, "150");
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(1), QStringLiteral("That number has already been chosen. Please enter another choice"));
      QCOMPARE(Held("Guess", "150"), QStringLiteral("ann"));
      Type(d.txtChoice, "155");
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    }));
    QCOMPARE(Held("Guess", "155"), QStringLiteral("bob"));
    QVERIFY(w.cmdApply->isEnabled());

    QVERIFY(OnDialog<frmNumberListEntry>(w.NumberList, "160", [&](frmNumberListEntry& d) {
      QVERIFY(d.txtChoice->isHidden());
      QCOMPARE(d.windowTitle(), QStringLiteral("160"));
      QCOMPARE(d.cboMember->currentText(), QStringLiteral("Bob"));
      d.cboMember->setEditText(QString());
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    }));
    QCOMPARE(Held("Guess", "160"), QStringLiteral("(none)"));
    QCOMPARE(Held("Guess", "150"), QStringLiteral("ann"));
  }

  // The member list opens wide enough for the longest name, however narrow its box, and never
  // wider than the screen.
  void memberListFitsTheLongestName() {
    ProgramFolder folder;
    WriteOffice(folder);
    frmMain& main = StartToMainWindow(folder);
    const QString long_name = QStringLiteral("Maximiliane Amalie von Hohenzollern-Sigmaringen-Lindqvist");
    const QString endless = QStringLiteral("Nomen nescio ").repeated(40);
    for (const QString& name : {long_name, endless}) {
      gobjKelvane->AddMember(ToStd(name));
      frmSweeps& w = ShowSweep(main, "Fun");
      QVERIFY(OnDialog<frmTeamListEntry>(w.TeamList, "BRA", [&](frmTeamListEntry& d) {
        d.cboMember->showPopup();
        const QWidget* list = d.cboMember->view();
        const int screen = d.cboMember->screen()->availableGeometry().width();
        QVERIFY(list->isVisible());
        QVERIFY(list->width() <= screen);
        if (name == long_name) QVERIFY(list->width() > list->fontMetrics().horizontalAdvance(long_name));
        else QCOMPARE(list->window()->width(), screen);
        d.cboMember->hidePopup();
      }));
    }
  }

  // Guesses are typed and shown as the user's locale writes numbers, and stored as the engine
  // reads them: under a decimal comma "2,5" is two and a half and "1.500" fifteen hundred.
  void guessesInTheUsersLocale() {
    struct Case {
      QLocale locale;
      const char* typed;
      const char* stored;
      const char* shown;
    };
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale french(QLocale::French, QLocale::France);
    const QLocale american(QLocale::English, QLocale::UnitedStates);
    const Case cases[] = {{german, "2,5", "2.5", "2,5"},      {german, "7,25", "7.25", "7,25"},
                          {german, "1.500", "1500", "1500"},  {american, "2.5", "2.5", "2.5"},
                          {american, "1,500", "1500", "1500"}, {french, "1.5", "1.5", "1,5"},
                          {french, "-3", "-3", "-3"}};
    struct DefaultLocale {
      ~DefaultLocale() { QLocale::setDefault(QLocale::system()); }
    } restore;
    ProgramFolder folder;
    WriteOffice(folder);
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& w = ShowSweep(main, "Guess");
    for (const Case& c : cases) {
      QLocale::setDefault(c.locale);
      const QString typed = QString::fromUtf8(c.typed);
      QVERIFY(OnDialog<frmNumberListEntry>(w.NumberList, "[New]", [&](frmNumberListEntry& d) {
        Type(d.txtChoice, typed);
        QCOMPARE(d.txtChoice->text(), typed);
        d.cboMember->setEditText(QStringLiteral("Cathy"));
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      }));
      QCOMPARE(Held("Guess", c.stored), QStringLiteral("cathy"));
      QCOMPARE(Row(w.NumberList, c.stored)->text(number_column::Number), QString::fromUtf8(c.shown));
      // The guess shown in the locale is still found by its stored number.
      QVERIFY(OnDialog<frmNumberListEntry>(w.NumberList, c.stored, [&](frmNumberListEntry& d) {
        QCOMPARE(d.windowTitle(), QString::fromUtf8(c.shown));
        d.cboMember->setEditText(QString());
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      }));
      QCOMPARE(Held("Guess", c.stored), QStringLiteral("(none)"));
    }

    // What no locale reads as a number is taken back while typing, or refused at OK when typing
    // stopped half way.
    QLocale::setDefault(german);
    MessageBoxes boxes({QMessageBox::Ok});
    QVERIFY(OnDialog<frmNumberListEntry>(w.NumberList, "[New]", [&](frmNumberListEntry& d) {
      Type(d.txtChoice, "1e3");
      QCOMPARE(d.txtChoice->text(), QStringLiteral("13"));
      Type(d.txtChoice, "2.5");
      d.cboMember->setEditText(QStringLiteral("Cathy"));
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(), QStringLiteral("Please enter the choice as a number, such as 2,5"));
    }));
    QCOMPARE(Held("Guess", "2.5", 0), QStringLiteral("(none)"));
    QCOMPARE(Held("Guess", "25", 0), QStringLiteral("(none)"));
  }
};

QTEST_MAIN(ChoiceEntryTest)
#include "choice_entry_test.moc"

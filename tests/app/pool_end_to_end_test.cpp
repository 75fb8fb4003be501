// A pool organiser's road through the sweepstake windows, on the real engine and a copy of the
// shipped data: members, a stake sweep and a bid sweep, choices with bids, payments; then every
// place that shows a member's money (accounts window, member details, the engine's total and its
// generated pages, a fresh engine on the saved files) must tell the same figures to the cent.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <QTreeWidget>

#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/sweeps/frm_accounts.h"
#include "app/sweeps/frm_member_details.h"
#include "app/sweeps/frm_members.h"
#include "app/sweeps/frm_new_member.h"
#include "app/sweeps/frm_new_sweep.h"
#include "app/sweeps/frm_player_list_entry.h"
#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/frm_team_list_entry.h"
#include "app/sweeps/money.h"
#include "app/sweeps/sweeps_kit.h"
#include "platform/component/create_object.h"
#include "tests/app/support/list_cells.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"
#include "tests/app/support/sweeps_files.h"
#include "tests/support/process_locale.h"

using namespace pitchlog;
using app_testing::MessageBoxes;
using app_testing::OnModal;
using app_testing::ProgramFolder;
using app_testing::Row;
using app_testing::StartToMainWindow;

namespace {

// An amount as shown anywhere, reduced to its sign, digits and point: "-¤1.50" and "-1.50" agree.
// An amount as plain decimal text, whatever the user's separators.
QString Plain(const QString& shown) {
  const QLocale locale;
  QString plain = shown;
  plain.remove(locale.groupSeparator()).replace(locale.decimalPoint(), QStringLiteral("."));
  return plain.remove(QRegularExpression(QStringLiteral("[^0-9.-]")));
}

// One member's money as a place shows it; owes is whether it is marked as still owing.
struct Figures {
  QString total, paid, balance;
  bool owes;
  bool operator==(const Figures& o) const {
    return total == o.total && paid == o.paid && balance == o.balance && owes == o.owes;
  }
};
char* toString(const Figures& f) {
  return QTest::toString(QStringLiteral("total %1 paid %2 balance %3%4")
                             .arg(f.total, f.paid, f.balance, f.owes ? QStringLiteral(" owing") : QString()));
}

// An amount as the user types it, with the decimal point of the locale the test runs under.
QString Typed(const QString& amount) { return QString(amount).replace(QLatin1Char('.'), QLocale().decimalPoint()); }

void Trigger(frmMain& main, const char* action) { main.findChild<QAction*>(QLatin1String(action))->trigger(); }

void DoubleClick(QTreeWidget* list, const QString& first_cell) {
  QTreeWidgetItem* row = Row(list, first_cell);
  list->setCurrentItem(row);
  emit list->itemDoubleClicked(row, 0);
}

void AddMembers(frmMain& main, const QStringList& names) {
  QVERIFY(OnModal<frmMembers>([&] { Trigger(main, "Members"); },
                              [&](frmMembers& m) {
                                for (const QString& name : names)
                                  QVERIFY(OnModal<frmNewMember>([&] { DoubleClick(m.MemberList, "[New]"); },
                                                                [&](frmNewMember& n) {
                                                                  QTest::keyClicks(n.txtName, name);
                                                                  QTest::mouseClick(n.cmdOK, Qt::LeftButton);
                                                                }));
                                QTest::mouseClick(m.cmdOK, Qt::LeftButton);
                              }));
}

// Fills the new sweep dialog; ok false leaves it through Cancel.
void NewSweep(frmSweeps& w, const char* option, QRadioButton* frmNewSweep::*type, const char* stake, bool ok = true) {
  QVERIFY(OnModal<frmNewSweep>([&] { QTest::mouseClick(w.cmdNewSweep, Qt::LeftButton); },
                               [&](frmNewSweep& d) {
                                 d.cboOptions->setCurrentIndex(d.cboOptions->findText(QLatin1String(option)));
                                 QRadioButton* button = d.*type;
                                 // On its mark: the button's box runs on past its caption.
                                 QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
                                 QVERIFY(button->isChecked());
                                 QTest::keyClicks(d.txtStake, Typed(QLatin1String(stake)));
                                 QTest::mouseClick(ok ? d.cmdOK : d.cmdCancel, Qt::LeftButton);
                               }));
}

void GiveTeam(frmSweeps& w, const char* team, const char* member) {
  QVERIFY(OnModal<frmTeamListEntry>([&] { DoubleClick(w.TeamList, team); },
                                    [&](frmTeamListEntry& d) {
                                      d.cboMember->setEditText(QLatin1String(member));
                                      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
                                    }));
}

void GivePlayer(frmSweeps& w, const char* player, const char* member, const char* bid) {
  QVERIFY(OnModal<frmPlayerListEntry>([&] { DoubleClick(w.PlayerList, "[New]"); },
                                      [&](frmPlayerListEntry& d) {
                                        const int index = d.cboPlayer->findText(QLatin1String(player));
                                        QVERIFY(index >= 0);
                                        d.cboPlayer->setCurrentIndex(index);
                                        d.cboMember->setEditText(QLatin1String(member));
                                        QTest::keyClicks(d.txtBid, Typed(QLatin1String(bid)));
                                        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
                                      }));
}

void Choose(frmSweeps& w, const char* sweep) {
  const int index = w.cboSweepList->findText(QLatin1String(sweep));
  QVERIFY(index >= 0);
  w.cboSweepList->setCurrentIndex(index);
}

bool Red(const QTreeWidgetItem* row) { return row->foreground(0).color() == QColor(255, 0, 0); }

Figures AccountsRow(const frmAccounts& a, const QString& member) {
  const QTreeWidgetItem* row = Row(a.lvwMembers, member);
  return {Plain(row->text(1)), Plain(row->text(2)), Plain(row->text(3)), Red(row)};
}

// The details window's figures; the balance is owed while it is above 0.
Figures DetailsOf(const frmMemberDetails& d) {
  const QString balance = Plain(d.lblBalanceValue->text());
  return {Plain(d.lblTotalStake->text()), Plain(d.txtPaid->text()), balance, balance.toDouble() > 0};
}

std::shared_ptr<kelvane::IPitchlog> FreshEngine(const ProgramFolder& folder) {
  auto engine = kelvane::QueryInterface<kelvane::IPitchlog>(kelvane::CreateObject(kelvane::kPitchlogProgId),
                                                            kelvane::kPitchlogInterface);
  engine->SetAppPath(ToStd(folder.Path()));
  return engine;
}

QString Page(kelvane::IPitchlog& engine, const char* name, const QString& parm = {}) {
  engine.GeneratePage(name, ToStd(parm));
  QString page;
  for (int i = 0; i <= engine.ScriptUBound(); ++i) page += ToQ(engine.ScriptLine(kelvane::Variant(int32_t{i})));
  return page;
}

// The accounts page's total, paid and balance cells of the member, as written.
QStringList AccountsPageCells(const QString& page, const QString& member) {
  const int at = page.indexOf(QStringLiteral(">%1</a>").arg(member));
  if (at < 0) qFatal("no accounts row for %s", qPrintable(member));
  const QString row = page.mid(at, page.indexOf(QStringLiteral("</tr>"), at) - at);
  const QRegularExpression cell(QStringLiteral("<td[^>]*>(.*?)</td>"));
  QStringList cells;
  for (auto it = cell.globalMatch(row); it.hasNext();) cells << it.next().captured(1);
  if (cells.size() != 3) qFatal("accounts row of %s: %s", qPrintable(member), qPrintable(row));
  return cells;
}

// The same as a browser shows them.
QStringList AccountsPageTexts(const QString& page, const QString& member) {
  QStringList texts;
  for (QString cell : AccountsPageCells(page, member))
    texts << cell.remove(QRegularExpression(QStringLiteral("<[^>]*>"))).replace(QStringLiteral("&nbsp;"), QString());
  return texts;
}

// The accounts page's row of the member: its total, paid and balance cells, and the balance's style.
Figures AccountsPageRow(const QString& page, const QString& member) {
  QStringList cells = AccountsPageCells(page, member);
  return {Plain(cells[0]), Plain(cells[1].replace(QStringLiteral("&nbsp;"), QString())), Plain(cells[2]),
          cells[2].contains(QStringLiteral("owing"))};
}

Figures MemberPage(const QString& page) {
  const QRegularExpression figure(QStringLiteral("<th>(Total|Paid|Balance)</th><td class=\"amount\">(.*?)</td>"));
  QStringList cells;
  for (auto it = figure.globalMatch(page); it.hasNext();) cells << it.next().captured(2);
  if (cells.size() != 3) qFatal("member page: %s", qPrintable(page));
  return {Plain(cells[0]), Plain(cells[1]), Plain(cells[2]), cells[2].contains(QStringLiteral("owing"))};
}

// Every member's figures as the member details window shows them.
QMap<QString, Figures> DetailsFigures(frmAccounts& a, const QStringList& members) {
  QMap<QString, Figures> figures;
  for (const QString& member : members)
    OnModal<frmMemberDetails>([&] { DoubleClick(a.lvwMembers, member); },
                              [&](frmMemberDetails& d) { figures[member] = DetailsOf(d); });
  return figures;
}

}  // namespace

class PoolEndToEndTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    frmMemberDetails::Unload();
    frmAccounts::Unload();
    frmMembers::Unload();
    frmSweeps::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  // One amount reads the same in the accounts window and on the accounts page, in the C
  // library's currency format of the user's locale: its symbol, grouping and negative form.
  void oneAmountReadsTheSameInAWindowAndOnAPage_data() {
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<QStringList>("shown");  // total, paid, balance
    QTest::newRow("C") << QByteArray("C") << QStringList{"10.00", "12345.60", "-12335.60"};
    QTest::newRow("en_GB") << QByteArray("en_GB.UTF-8") << QStringList{"£10.00", "£12,345.60", "-£12,335.60"};
    QTest::newRow("de_DE") << QByteArray("de_DE.UTF-8") << QStringList{"10,00 €", "12.345,60 €", "-12.335,60 €"};
  }
  void oneAmountReadsTheSameInAWindowAndOnAPage() {
    QFETCH(QByteArray, locale);
    QFETCH(QStringList, shown);
    // The user's environment, and the program's locale taken from it as it starts.
    const testing_support::EnvironmentVariable environment("LC_ALL", locale.constData());
    const testing_support::ProcessLocale user(locale.constData());
    QVERIFY2(user.ok(), ("no " + locale + ": run scripts/install-deps").constData());
    ProgramFolder folder;
    app_testing::WriteMembers(folder, {{"Ann", "ann", "12345.6"}});
    app_testing::WriteSweeps(folder,
                             {{"Pool", "pool", "tournament_winner", "stake", "5", {{"ARG", "ann"}, {"FRA", "ann"}}}});
    frmMain& main = StartToMainWindow(folder);
    QCOMPARE(AccountsPageTexts(Page(*gobjKelvane, "accounts.html"), "Ann"), shown);
    QVERIFY(OnModal<frmAccounts>([&] { Trigger(main, "Accounts"); },
                                 [&](frmAccounts& a) {
                                   const QTreeWidgetItem* ann = Row(a.lvwMembers, "Ann");
                                   QCOMPARE((QStringList{ann->text(1), ann->text(2), ann->text(3)}), shown);
                                 }));
  }

  void aPoolFromMembersToResults() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    const QStringList members = {"Ann", "Bob", "Cat"};
    AddMembers(main, members);
    QCOMPARE(sweeps::Names(gobjKelvane->MembersList()), members);
    // A new member left with Esc is no member.
    const QByteArray members_before = folder.Read("Data/members.xml");
    QVERIFY(OnModal<frmMembers>([&] { Trigger(main, "Members"); },
                                [&](frmMembers& m) {
                                  QVERIFY(OnModal<frmNewMember>([&] { DoubleClick(m.MemberList, "[New]"); },
                                                                [&](frmNewMember& n) {
                                                                  QTest::keyClicks(n.txtName, "Dan");
                                                                  QTest::keyClick(&n, Qt::Key_Escape);
                                                                }));
                                }));
    QCOMPARE(folder.Read("Data/members.xml"), members_before);

    Trigger(main, "Manage");
    frmSweeps& w = frmSweeps::Get();
    QByteArray sweeps_file = folder.Read("Data/sweeps.xml");
    NewSweep(w, "Tournament Winner", &frmNewSweep::optStake, "2.50", false);
    QCOMPARE(folder.Read("Data/sweeps.xml"), sweeps_file);
    NewSweep(w, "Tournament Winner", &frmNewSweep::optStake, "2.50");
    NewSweep(w, "Top Scorer", &frmNewSweep::optBid, "");
    QVERIFY(gobjKelvane->SweepExists("Tournament Winner") && gobjKelvane->SweepExists("Top Scorer"));
    QCOMPARE(gobjKelvane->Sweeps("Tournament Winner", "stake").ToDouble(), 2.5);

    Choose(w, "Tournament Winner");
    QCOMPARE(w.StakeLabel->text(), sweeps::Currency(2.5));
    GiveTeam(w, "ARG", "Ann");
    GiveTeam(w, "FRA", "Ann");
    GiveTeam(w, "BRA", "Bob");
    QVERIFY(w.cmdApply->isEnabled());
    QTest::mouseClick(w.cmdApply, Qt::LeftButton);

    Choose(w, "Top Scorer");
    GivePlayer(w, "Kylian MBAPPE (France)", "Ann", "0.10");
    GivePlayer(w, "Lionel MESSI (Argentina)", "Ann", "0.20");
    GivePlayer(w, "NEYMAR (Brazil)", "Bob", "0.70");
    GivePlayer(w, "Harry KANE (England)", "Bob", "0.10");
    GivePlayer(w, "Olivier GIROUD (France)", "Cat", "0.70");
    GivePlayer(w, "RICHARLISON (Brazil)", "Cat", "0.10");
    QCOMPARE(Plain(w.BidsLabel->text()), QStringLiteral("1.90"));

    // Cancel with the bids pending, answered No: the files stay as they were.
    sweeps_file = folder.Read("Data/sweeps.xml");
    {
      MessageBoxes boxes({QMessageBox::No});
      QTest::mouseClick(w.cmdCancel, Qt::LeftButton);
      QCOMPARE(boxes.Seen().size(), 1);
    }
    QCOMPARE(folder.Read("Data/sweeps.xml"), sweeps_file);
    QCOMPARE(gobjKelvane->MemberTotal("Bob"), 2.5);
    app_testing::ProcessDeletions();

    Trigger(main, "Manage");
    frmSweeps& again = frmSweeps::Get();
    Choose(again, "Top Scorer");
    GivePlayer(again, "Kylian MBAPPE (France)", "Ann", "0.10");
    GivePlayer(again, "Lionel MESSI (Argentina)", "Ann", "0.20");
    GivePlayer(again, "NEYMAR (Brazil)", "Bob", "0.70");
    GivePlayer(again, "Harry KANE (England)", "Bob", "0.10");
    GivePlayer(again, "Olivier GIROUD (France)", "Cat", "0.70");
    GivePlayer(again, "RICHARLISON (Brazil)", "Cat", "0.10");
    QTest::mouseClick(again.cmdOK, Qt::LeftButton);
    app_testing::ProcessDeletions();

    // Ann 5.30 and Bob 3.30 settle in full, Cat 0.80 pays 1.00: nobody owes anything.
    const QMap<QString, QString> payments = {{"Ann", "5.30"}, {"Bob", "3.30"}, {"Cat", "1.00"}};
    const QMap<QString, Figures> expected = {{"Ann", {"5.30", "5.30", "0.00", false}},
                                             {"Bob", {"3.30", "3.30", "0.00", false}},
                                             {"Cat", {"0.80", "1.00", "-0.20", false}}};
    QByteArray members_file;
    QMap<QString, Figures> details;
    QVERIFY(OnModal<frmAccounts>([&] { Trigger(main, "Accounts"); }, [&](frmAccounts& a) {
      // Cancel on a changed payment, answered No, saves nothing.
      members_file = folder.Read("Data/members.xml");
      MessageBoxes boxes({QMessageBox::No});
      QVERIFY(OnModal<frmMemberDetails>([&] { DoubleClick(a.lvwMembers, "Ann"); },
                                        [&](frmMemberDetails& d) {
                                          d.txtPaid->setText(QStringLiteral("9"));
                                          QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
                                        }));
      QCOMPARE(boxes.Seen().size(), 1);
      QCOMPARE(folder.Read("Data/members.xml"), members_file);

      for (auto it = payments.begin(); it != payments.end(); ++it)
        QVERIFY(OnModal<frmMemberDetails>([&] { DoubleClick(a.lvwMembers, it.key()); },
                                          [&](frmMemberDetails& d) {
                                            d.txtPaid->clear();
                                            QTest::keyClicks(d.txtPaid, Typed(it.value()));
                                            QTest::mouseClick(d.cmdOK, Qt::LeftButton);
                                          }));
      for (const QString& member : members) QCOMPARE(AccountsRow(a, member), expected[member]);
      details = DetailsFigures(a, members);
    }));
    for (const QString& member : members) {
      QCOMPARE(details[member], expected[member]);
      QCOMPARE(sweeps::StoredText(gobjKelvane->MemberTotal(ToStd(member))), expected[member].total);
    }

    // The pages, and the saved files read by an engine of their own.
    const auto fresh = FreshEngine(folder);
    const QString accounts = Page(*fresh, "accounts.html");
    for (const QString& member : members) {
      QCOMPARE(AccountsPageRow(accounts, member), expected[member]);
      QCOMPARE(MemberPage(Page(*fresh, "member.html", member)), expected[member]);
      QCOMPARE(sweeps::StoredText(fresh->MemberTotal(ToStd(member))), expected[member].total);
      QCOMPARE(sweeps::StoredAmount(fresh->Members(ToStd(member), "paid")), expected[member].paid.toDouble());
    }

    // After the tournament: the winner is placed, and the top scorer heads his list.
    main.OpenResultsSet("Tournament 2022");
    Trigger(main, "Manage");
    frmSweeps& after = frmSweeps::Get();
    Choose(after, "Tournament Winner");
    const QTreeWidgetItem* first = after.TeamList->topLevelItem(0);
    QCOMPARE(first->text(team_column::Team), QStringLiteral("*** Argentina ***"));
    QCOMPARE(first->text(team_column::Member), QStringLiteral("Ann"));
    Choose(after, "Top Scorer");
    const QTreeWidgetItem* top = after.PlayerList->topLevelItem(0);
    QCOMPARE(top->text(player_column::Player), QStringLiteral("Kylian MBAPPE (France)"));
    QCOMPARE(top->text(player_column::Value), QStringLiteral("8"));
    QCOMPARE(top->text(player_column::Member), QStringLiteral("Ann"));
    QCOMPARE(Plain(top->text(player_column::Bid)), QStringLiteral("0.10"));
  }
};

QTEST_MAIN(PoolEndToEndTest)
#include "pool_end_to_end_test.moc"

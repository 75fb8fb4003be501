// The accounts and member details windows with the real engine: costs, payments and balances,
// saving a payment, removing a member, and printing the accounts.
#include <cmath>
#include <tuple>

#include <QAction>
#include <QDate>
#include <QLocale>
#include <QGroupBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/sweeps/frm_accounts.h"
#include "app/sweeps/frm_member_details.h"
#include "app/sweeps/frm_members.h"
#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/money.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/print_capture.h"
#include "tests/app/support/program_fixture.h"
#include "tests/app/support/sweeps_files.h"
#include "tests/app/support/user_locale.h"
#include "tests/support/process_locale.h"

using namespace pitchlog;
using app_testing::MessageBoxes;
using app_testing::OnModal;
using app_testing::PrintCapture;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;

namespace {

QTreeWidgetItem* Row(const QTreeWidget* list, const QString& text) {
  for (int i = 0; i < list->topLevelItemCount(); ++i)
    if (list->topLevelItem(i)->text(0) == text) return list->topLevelItem(i);
  return nullptr;
}

QStringList Cells(const QTreeWidgetItem* row) {
  QStringList cells;
  for (int c = 0; c < row->columnCount(); ++c) cells << row->text(c);
  return cells;
}

// Ann holds two choices of a 5.00 stake sweep and one of a fun sweep; Bob has nothing.
void WriteAccounts(const ProgramFolder& folder, const char* ann_paid, const char* bob_paid = nullptr) {
  app_testing::WriteMembers(folder, {{"Ann", "ann", ann_paid}, {"Bob", "bob", bob_paid}});
  app_testing::WriteSweeps(folder,
                           {{"Pool", "pool", "tournament_winner", "stake", "5", {{"ARG", "ann"}, {"FRA", "ann"}}},
                            {"Fun", "fun", "runner_up", "fun", nullptr, {{"BRA", "ann"}}}});
}

frmAccounts& OpenAccounts(frmMain& main, const std::function<void(frmAccounts&)>& action) {
  if (!OnModal<frmAccounts>([&] { main.findChild<QAction*>(QStringLiteral("Accounts"))->trigger(); }, action))
    qFatal("the accounts window did not open");
  return frmAccounts::Get();
}

bool Details(QTreeWidget* list, const QString& member, const std::function<void(frmMemberDetails&)>& action) {
  return OnModal<frmMemberDetails>(
      [&] {
        QTreeWidgetItem* row = Row(list, member);
        list->setCurrentItem(row);
        emit list->itemDoubleClicked(row, 0);
      },
      action);
}

}  // namespace

class AccountsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    QLocale::setDefault(QLocale::system());
    frmMemberDetails::Unload();
    frmAccounts::Unload();
    frmMembers::Unload();
    frmSweeps::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  void figures_data() {
    QTest::addColumn<QString>("paid");
    QTest::addColumn<double>("balance");
    QTest::addColumn<bool>("owes");
    QTest::newRow("part paid") << "4" << 6.0 << true;
    QTest::newRow("all paid") << "10.00" << 0.0 << false;
    QTest::newRow("paid over") << "12" << -2.0 << false;
    QTest::newRow("no number") << "abc" << 10.0 << true;
  }
  // Two stakes of 5.00 and a fun choice cost 10.00; the balance is what is still owed.
  void figures() {
    QFETCH(QString, paid);
    QFETCH(double, balance);
    QFETCH(bool, owes);
    ProgramFolder folder;
    const QByteArray paid_text = paid.toUtf8();
    WriteAccounts(folder, paid_text.constData());
    frmMain& main = StartToMainWindow(folder);
    OpenAccounts(main, [&](frmAccounts& a) {
      QCOMPARE(a.windowTitle(), QStringLiteral("Accounts"));
      const QTreeWidgetItem* ann = Row(a.lvwMembers, "Ann");
      const std::optional<double> paid_amount = sweeps::StoredAmount(kelvane::Variant(ToStd(paid)));
      QCOMPARE(Cells(ann), (QStringList{"Ann", sweeps::Currency(10),
                                        paid_amount ? sweeps::Currency(*paid_amount) : QString(),
                                        sweeps::Currency(balance)}));
      QCOMPARE(ann->foreground(3).color() == QColor(255, 0, 0), owes);
      QCOMPARE(ann->foreground(0).color() == QColor(255, 0, 0), owes);
      QVERIFY(!a.lvwMembers->currentItem());

      QVERIFY(Details(a.lvwMembers, "Ann", [&](frmMemberDetails& d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("Ann"));
        QCOMPARE(d.MemberChoices->topLevelItemCount(), 3);
        QCOMPARE(Cells(d.MemberChoices->topLevelItem(0)), (QStringList{"Pool", "Argentina", sweeps::Currency(5)}));
        QCOMPARE(Cells(d.MemberChoices->topLevelItem(2)), (QStringList{"Fun", "Brazil", ""}));
        QCOMPARE(d.lblTotalStake->text(), sweeps::Currency(10));
        QCOMPARE(d.txtPaid->text(), sweeps::MoneyText(paid_amount.value_or(0)));
        QCOMPARE(d.lblBalanceValue->text(), sweeps::Currency(balance));
        QVERIFY(d.cmdRemove->isHidden());
      }));
    });
  }

  void storedAmounts_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<double>("amount");  // NaN: no amount
    const double none = std::nan("");
    QTest::newRow("plain") << QByteArray("2.5") << 2.5;
    QTest::newRow("decimal comma") << QByteArray("2,5") << 2.5;
    QTest::newRow("comma and cents") << QByteArray("12,50") << 12.5;
    QTest::newRow("grouped") << QByteArray("1.234,5") << none;
    QTest::newRow("word") << QByteArray("lots") << none;
  }
  // Ann's two stakes, her bid and her payment, all of the stored form, read alike in both windows
  // and by the engine; a text that is no amount counts nothing and shows as stored among the
  // costs. Her guess shows as the user writes numbers.
  void storedAmounts() {
    QFETCH(QByteArray, stored);
    QFETCH(double, amount);
    const app_testing::UserLocale german(QStringLiteral("de_DE"));
    QVERIFY2(german.ok(), "run scripts/install-deps");
    const char* form = stored.constData();
    ProgramFolder folder;
    app_testing::WriteMembers(folder, {{"Ann", "ann", form}});
    app_testing::WriteSweeps(folder,
                             {{"Pool", "pool", "tournament_winner", "stake", form, {{"ARG", "ann"}, {"FRA", "ann"}}},
                              {"Bids", "bids", "tournament_winner", "bid", nullptr, {{"ENG", "ann", form}}},
                              {"Goals", "goals", "total_goals", "fun", nullptr, {{"2.5", "ann"}}}});
    frmMain& main = StartToMainWindow(folder);
    const bool read = !std::isnan(amount);
    const double each = read ? amount : 0;
    const QString cost = read ? sweeps::Currency(each) : QString::fromLatin1(stored);
    QCOMPARE(gobjKelvane->MemberTotal("Ann"), 3 * each);
    OpenAccounts(main, [&](frmAccounts& a) {
      QCOMPARE(Cells(Row(a.lvwMembers, "Ann")), (QStringList{"Ann", sweeps::Currency(3 * each),
                                                              read ? sweeps::Currency(each) : QString(),
                                                              sweeps::Currency(2 * each)}));
      QVERIFY(Details(a.lvwMembers, "Ann", [&](frmMemberDetails& d) {
        QCOMPARE(d.MemberChoices->topLevelItemCount(), 4);
        QCOMPARE(Cells(d.MemberChoices->topLevelItem(0)), (QStringList{"Pool", "Argentina", cost}));
        QCOMPARE(Cells(d.MemberChoices->topLevelItem(1)), (QStringList{"Pool", "France", cost}));
        QCOMPARE(Cells(d.MemberChoices->topLevelItem(2)), (QStringList{"Bids", "England", cost}));
        QCOMPARE(Cells(d.MemberChoices->topLevelItem(3)), (QStringList{"Goals", "2,5", ""}));
        QCOMPARE(d.lblTotalStake->text(), sweeps::Currency(3 * each));
        QCOMPARE(d.txtPaid->text(), sweeps::MoneyText(each));
        QCOMPARE(d.lblBalanceValue->text(), sweeps::Currency(2 * each));
      }));
    });
  }

  // A sweep record without a name (a hand-edited file) is in no window: its choice costs nothing
  // in the accounts as in the member's details, whether it comes before or after a named one.
  void aSweepWithoutANameCostsNothingInEitherWindow() {
    ProgramFolder folder;
    app_testing::WriteMembers(folder, {{"Ann", "ann", "10"}});
    const QByteArray nameless = "<type>stake</type><stake>3</stake><choice value=\"BRA\" memberid=\"ann\"/></sweep>\n";
    folder.Write(QStringLiteral("Data/sweeps.xml"),
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE sweeps [\n"
                 "  <!ATTLIST sweep sweepid ID #REQUIRED>\n]>\n<sweeps>\n<sweep sweepid=\"lost\">" + nameless +
                 "<sweep sweepid=\"pool\"><name>Pool</name><sweepoption>tournament_winner</sweepoption><type>stake</type>"
                 "<stake>2.5</stake><choice value=\"ARG\" memberid=\"ann\"/></sweep>\n<sweep sweepid=\"gone\">" + nameless +
                 "</sweeps>\n");
    frmMain& main = StartToMainWindow(folder);
    OpenAccounts(main, [&](frmAccounts& a) {
      const QTreeWidgetItem* ann = Row(a.lvwMembers, "Ann");
      QCOMPARE(ann->text(accounts_column::Total), sweeps::Currency(2.5));
      QCOMPARE(ann->text(accounts_column::Balance), sweeps::Currency(-7.5));
      QVERIFY(Details(a.lvwMembers, "Ann", [&](frmMemberDetails& d) {
        QCOMPARE(d.MemberChoices->topLevelItemCount(), 1);
        QCOMPARE(d.lblTotalStake->text(), sweeps::Currency(2.5));
        QCOMPARE(d.lblBalanceValue->text(), sweeps::Currency(-7.5));
      }));
    });
  }

  // Amounts that settle an account leave exactly nothing owed.
  void centsAddUp() {
    ProgramFolder folder;
    app_testing::WriteMembers(folder, {{"Ann", "ann", "0.30"}});
    app_testing::WriteSweeps(folder, {{"Bids", "bids", "most_goals_scored", "bid", nullptr,
                                       {{"ARG", "ann", "0.1"}, {"FRA", "ann", "0.2"}}}});
    frmMain& main = StartToMainWindow(folder);
    OpenAccounts(main, [&](frmAccounts& a) {
      const QTreeWidgetItem* ann = Row(a.lvwMembers, "Ann");
      QCOMPARE(ann->text(accounts_column::Balance), sweeps::Currency(0));
      QVERIFY(ann->foreground(0).color() != QColor(255, 0, 0));
    });
  }

  // OK saves a changed payment only, and the accounts list follows; Cancel asks about a change.
  void payments() {
    ProgramFolder folder;
    WriteAccounts(folder, "4");
    frmMain& main = StartToMainWindow(folder);
    OpenAccounts(main, [&](frmAccounts& a) {
      const QByteArray before = folder.Read("Data/members.xml");
      QVERIFY(Details(a.lvwMembers, "Ann", [&](frmMemberDetails& d) { QTest::mouseClick(d.cmdOK, Qt::LeftButton); }));
      QCOMPARE(folder.Read("Data/members.xml"), before);

      QVERIFY(Details(a.lvwMembers, "Ann", [&](frmMemberDetails& d) {
        d.txtPaid->clear();
        const QString typed = "7" + QLocale().decimalPoint() + "505";
        QTest::keyClicks(d.txtPaid, typed);
        QCOMPARE(d.txtPaid->text(), typed);
        // A third decimal is refused, not cut, and no balance is worked from a part of it.
        QCOMPARE(d.lblBalanceValue->text(), QString());
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        QVERIFY(frmMemberDetails::IsLoaded() && d.txtPaid->Refused());
        QTest::keyClick(d.txtPaid, Qt::Key_End);
        QTest::keyClick(d.txtPaid, Qt::Key_Backspace);
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      }));
      QVERIFY(folder.Read("Data/members.xml").contains("<paid>7.50</paid>"));
      QCOMPARE(Row(a.lvwMembers, "Ann")->text(accounts_column::Balance), sweeps::Currency(2.5));

      MessageBoxes boxes({QMessageBox::Cancel, QMessageBox::No, QMessageBox::Yes});
      QVERIFY(Details(a.lvwMembers, "Ann", [&](frmMemberDetails& d) {
        d.txtPaid->setText(QStringLiteral("9"));
        QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
        QCOMPARE(boxes.Text(0), QStringLiteral("Do you want to save changes?"));
        QVERIFY(frmMemberDetails::IsLoaded());
        QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
        QVERIFY(!frmMemberDetails::IsLoaded());
      }));
      QVERIFY(folder.Read("Data/members.xml").contains("<paid>7.50</paid>"));
      QVERIFY(Details(a.lvwMembers, "Ann", [&](frmMemberDetails& d) {
        d.txtPaid->setText(QStringLiteral("10"));
        QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
      }));
      QVERIFY(folder.Read("Data/members.xml").contains("<paid>10.00</paid>"));
      QCOMPARE(Row(a.lvwMembers, "Ann")->text(accounts_column::Balance), sweeps::Currency(0));
    });
  }

  // A member without choices who has paid nothing may be removed; both lists follow.
  void removingAMember() {
    ProgramFolder folder;
    WriteAccounts(folder, "4", "1");
    frmMain& main = StartToMainWindow(folder);
    OpenAccounts(main, [&](frmAccounts& a) {
      QVERIFY(Details(a.lvwMembers, "Bob", [&](frmMemberDetails& d) {
        QCOMPARE(d.MemberChoices->topLevelItem(0)->text(0), QStringLiteral("** No sweeps found **"));
        QVERIFY(d.cmdRemove->isHidden());
        d.txtPaid->setText(QStringLiteral("0"));
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      }));
    });
    frmMembers& members = frmMembers::Get();
    members.show();
    MessageBoxes boxes({QMessageBox::No, QMessageBox::Yes});
    OpenAccounts(main, [&](frmAccounts& a) {
      QVERIFY(Details(a.lvwMembers, "Bob", [&](frmMemberDetails& d) {
        QVERIFY(!d.cmdRemove->isHidden());
        QTest::mouseClick(d.cmdRemove, Qt::LeftButton);
        QCOMPARE(boxes.Text(0), QStringLiteral("Are you sure you want to remove this member?"));
        QVERIFY(frmMemberDetails::IsLoaded());
        QTest::mouseClick(d.cmdRemove, Qt::LeftButton);
      }));
      QVERIFY(!Row(a.lvwMembers, "Bob"));
    });
    QVERIFY(!folder.Read("Data/members.xml").contains("<name>Bob</name>"));
    QVERIFY(!Row(members.MemberList, "Bob"));
    QVERIFY(Row(members.MemberList, "[New]"));
  }

  // While the sweeps window holds changes, dropping them could bring back a choice of a member
  // removed meanwhile: removal waits.
  void noRemovalWhileSweepChangesPending() {
    ProgramFolder folder;
    WriteAccounts(folder, "4");
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& sweeps = frmSweeps::Get();
    sweeps.show();
    sweeps.cmdApply->setEnabled(true);
    OpenAccounts(main, [&](frmAccounts& a) {
      QVERIFY(Details(a.lvwMembers, "Bob", [&](frmMemberDetails& d) { QVERIFY(d.cmdRemove->isHidden()); }));
    });
  }

  // A choice given without Apply is counted, but marked as pending, and no payment is taken
  // against it; once the change is dropped, the figures are those of the saved sweeps again.
  void noPaymentAgainstUnappliedChoices() {
    ProgramFolder folder;
    app_testing::WriteMembers(folder, {{"Chris", "chris"}});
    app_testing::WriteSweeps(folder, {{"Pool", "pool", "tournament_winner", "stake", "5", {{"ARG", "chris"}}}});
    frmMain& main = StartToMainWindow(folder);
    frmSweeps& sweeps = frmSweeps::Get();
    sweeps.show();
    gobjKelvane->SetSweepMember("Pool", kelvane::Variant("NED"), "Chris");
    sweeps.cmdApply->setEnabled(true);
    OpenAccounts(main, [&](frmAccounts& a) {
      QCOMPARE(Row(a.lvwMembers, "Chris")->text(accounts_column::Total), sweeps::Currency(10));
      QVERIFY(a.lblPending->isVisible());
      QVERIFY(Details(a.lvwMembers, "Chris", [&](frmMemberDetails& d) {
        QVERIFY(d.lblPending->isVisible());
        QVERIFY(!d.txtPaid->isEnabled());
        QTest::keyClicks(d.txtPaid, "10");
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      }));
    });
    frmAccounts::Unload();  // the helper's last look at the window loaded it again
    QVERIFY(!folder.Read("Data/members.xml").contains("<paid>"));

    MessageBoxes boxes({QMessageBox::No});
    QTest::mouseClick(sweeps.cmdCancel, Qt::LeftButton);
    QCOMPARE(boxes.Text(), QStringLiteral("Do you want to save changes?"));
    QVERIFY(!folder.Read("Data/sweeps.xml").contains("NED"));
    OpenAccounts(main, [&](frmAccounts& a) {
      QCOMPARE(Cells(Row(a.lvwMembers, "Chris")),
               (QStringList{"Chris", sweeps::Currency(5), QString(), sweeps::Currency(5)}));
      QVERIFY(a.lblPending->isHidden());
      QVERIFY(Details(a.lvwMembers, "Chris", [&](frmMemberDetails& d) {
        QVERIFY(d.txtPaid->isEnabled() && d.lblPending->isHidden());
      }));
    });
  }

  // Under a decimal comma a payment is typed with or without its thousands point and stored whole.
  void paymentsUnderADecimalComma() {
    const app_testing::UserLocale german(QStringLiteral("de_DE"));
    QVERIFY2(german.ok(), "run scripts/install-deps");
    ProgramFolder folder;
    WriteAccounts(folder, "4");
    frmMain& main = StartToMainWindow(folder);
    OpenAccounts(main, [&](frmAccounts& a) {
      for (const auto& payment : {std::tuple{"7,5", "7.50", 2.5}, std::tuple{"1.234,56", "1234.56", -1224.56},
                                  std::tuple{"1234,56", "1234.56", -1224.56}}) {
        const char* typed = std::get<0>(payment);
        const char* stored = std::get<1>(payment);
        const double balance = std::get<2>(payment);
        QVERIFY(Details(a.lvwMembers, "Ann", [&](frmMemberDetails& d) {
          d.txtPaid->clear();
          QTest::keyClicks(d.txtPaid, QLatin1String(typed));
          QVERIFY(!d.txtPaid->Refused());
          QCOMPARE(d.lblBalanceValue->text(), sweeps::Currency(balance));
          QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        }));
        QVERIFY(folder.Read("Data/members.xml").contains(QByteArray("<paid>") + stored + "</paid>"));
        QCOMPARE(Row(a.lvwMembers, "Ann")->text(accounts_column::Balance), sweeps::Currency(balance));
      }
    });
  }

  void paymentsTypedAsTheLocaleWritesThem_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refused");
    QTest::newRow("de_DE") << "de_DE" << "1.234,56" << "1.2.3";
    QTest::newRow("en_GB") << "en_GB" << "1,234.56" << "1.2.3";
    QTest::newRow("de_CH") << "de_CH" << "1'234.56" << "12,50";
    QTest::newRow("ar_EG") << "ar_EG" << QString::fromUtf8("\u0661\u0662\u0663\u0664\u066b\u0665\u0666") << "12,50";
  }
  // A grouped amount is stored whole; a text that is no amount here ("1.2.3", a decimal comma
  // where the locale has none) is refused when OK is pressed, with no balance worked from a part
  // of it and a note beside the box that leaves OK free, and nothing is stored until it is mended.
  void paymentsTypedAsTheLocaleWritesThem() {
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(QString, refused);
    const app_testing::UserLocale user(locale);
    QVERIFY2(user.ok(), "run scripts/install-deps");
    ProgramFolder folder;
    WriteAccounts(folder, "4");
    frmMain& main = StartToMainWindow(folder);
    OpenAccounts(main, [&](frmAccounts& a) {
      QVERIFY(Details(a.lvwMembers, "Ann", [&](frmMemberDetails& d) {
        d.txtPaid->clear();
        QTest::keyClicks(d.txtPaid, refused);
        QCOMPARE(d.lblBalanceValue->text(), QString());
        MessageBoxes none;
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
        QVERIFY(d.isVisible());
        QVERIFY(none.Seen().isEmpty());
        QCOMPARE(d.txtPaid->text(), refused);
        QVERIFY(d.txtPaid->Refused());
        QLabel* mark = d.txtPaid->Mark();
        QVERIFY(mark->isVisible());
        const QRect note(mark->mapTo(&d, QPoint(0, 0)), mark->size());
        for (const QPushButton* button : d.findChildren<QPushButton*>())
          QVERIFY2(!note.intersects(button->geometry()), qPrintable(button->objectName()));
        QCOMPARE(folder.Read("Data/members.xml").count("<paid>"), 1);
        QVERIFY(folder.Read("Data/members.xml").contains("<paid>4</paid>"));
        d.txtPaid->clear();
        d.txtPaid->insert(typed);
        QVERIFY(!d.txtPaid->Refused() && mark->isHidden());
        QCOMPARE(d.lblBalanceValue->text(), sweeps::Currency(-1224.56));
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      }));
      QVERIFY(folder.Read("Data/members.xml").contains("<paid>1234.56</paid>"));
      QCOMPARE(Row(a.lvwMembers, "Ann")->text(accounts_column::Paid), sweeps::Currency(1234.56));
    });
  }

  void storedPaymentShownAndKept_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("stored");
    for (const char* locale :
         {"C", "en_GB", "en_US", "de_DE", "de_CH", "fr_FR", "es_ES", "it_IT", "nl_NL", "ar_EG", "ja_JP", "hi_IN"})
      QTest::newRow(locale) << locale << QByteArray("7.5");
    QTest::newRow("too large") << "de_DE" << QByteArray("12345678901.25");
  }
  // The box shows the stored payment in a form it takes, the balance counts it, and opening and
  // closing the window changes nothing; a payment too large for the box stays as stored too.
  void storedPaymentShownAndKept() {
    QFETCH(QString, locale);
    QFETCH(QByteArray, stored);
    const app_testing::UserLocale user(locale);
    QVERIFY2(user.ok(), "run scripts/install-deps");
    ProgramFolder folder;
    WriteAccounts(folder, stored.constData());
    frmMain& main = StartToMainWindow(folder);
    const double paid = stored.toDouble();
    OpenAccounts(main, [&](frmAccounts& a) {
      const QByteArray before = folder.Read("Data/members.xml");
      for (const bool ok : {true, false}) {
        QVERIFY(Details(a.lvwMembers, "Ann", [&](frmMemberDetails& d) {
          QCOMPARE(d.txtPaid->text(), sweeps::MoneyText(paid));
          QCOMPARE(sweeps::MoneyAmount(d.txtPaid->text()).has_value(), paid < 1e9);
          QCOMPARE(d.lblBalanceValue->text(), sweeps::Currency(10 - paid));
          QTest::mouseClick(ok ? d.cmdOK : d.cmdCancel, Qt::LeftButton);
          QVERIFY(!frmMemberDetails::IsLoaded());
        }));
        QCOMPARE(folder.Read("Data/members.xml"), before);
      }
      QCOMPARE(Row(a.lvwMembers, "Ann")->text(accounts_column::Paid), sweeps::Currency(paid));
    });
  }

  // A 40-character name and every figure show whole, with no scrolling sideways.
  void everyColumnWholeAtTheOpeningSize() {
    const char* name = "Maximiliane Auguste Viktoria von Hohenzo";
    QVERIFY(std::string(name).size() == 40);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    const testing_support::ProcessLocale money("en_GB.UTF-8", LC_MONETARY);
    QVERIFY2(money.ok(), "no en_GB.UTF-8: run scripts/install-deps");
    ProgramFolder folder;
    app_testing::WriteMembers(folder, {{name, "maximiliane_auguste_viktoria_von_hohenzo", "12345.67"}});
    app_testing::WriteSweeps(folder, {{"Pool", "pool", "tournament_winner", "stake", "5",
                                       {{"ARG", "maximiliane_auguste_viktoria_von_hohenzo"}}}});
    frmMain& main = StartToMainWindow(folder);
    OpenAccounts(main, [&](frmAccounts& a) {
      QTreeWidget* list = a.lvwMembers;
      QVERIFY(QTest::qWaitForWindowExposed(&a));
      QVERIFY(!list->horizontalScrollBar()->isVisible());
      QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
      const QTreeWidgetItem* row = list->topLevelItem(0);
      for (int c = 0; c < list->columnCount(); ++c) {
        const int text = std::max(list->fontMetrics().horizontalAdvance(row->text(c)),
                                  list->header()->fontMetrics().horizontalAdvance(list->headerItem()->text(c)));
        QVERIFY2(list->columnWidth(c) >= text, qPrintable(list->headerItem()->text(c)));
      }
      QVERIFY(a.cmdOK->geometry().right() < a.width());
      QVERIFY(list->geometry().right() < a.width());
    });
  }

  void memberDetailsShowNineDigitAmountsWhole_data() {
    QTest::addColumn<QString>("locale");
    for (const char* locale : {"en_GB", "de_DE", "fr_FR", "de_CH", "hi_IN", "ar_EG"}) QTest::newRow(locale) << locale;
  }
  // The largest amounts a box takes show whole beside their captions, in the paid box too, and
  // seven-digit costs stay inside the list of choices, whose names give way.
  void memberDetailsShowNineDigitAmountsWhole() {
    QFETCH(QString, locale);
    const app_testing::UserLocale user(locale);
    QVERIFY2(user.ok(), "run scripts/install-deps");
    ProgramFolder folder;
    app_testing::WriteMembers(folder, {{"Ann", "ann", nullptr}, {"Bob", "bob", "999999999.99"}});
    app_testing::WriteSweeps(folder, {{"The Office Auction Of The Year", "auction", "tournament_winner", "bid", nullptr,
                                       {{"ARG", "ann", "99999999.99"}, {"FRA", "ann", "1234567.89"}}}});
    frmMain& main = StartToMainWindow(folder);
    OpenAccounts(main, [&](frmAccounts& a) {
      for (const char* member : {"Ann", "Bob"}) {
        QVERIFY(Details(a.lvwMembers, QLatin1String(member), [&](frmMemberDetails& d) {
          QVERIFY(QTest::qWaitForWindowExposed(&d));
          const bool ann = QLatin1String(member) == QLatin1String("Ann");
          if (ann) {
            d.txtPaid->setText(sweeps::MoneyText(999999999.99));
            QCOMPARE(d.lblBalanceValue->text(), sweeps::Currency(-898765432.11));
          }
          for (const QLabel* label : {d.lblTotal, d.lblTotalStake, d.lblPaid, d.lblBalance, d.lblBalanceValue})
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->contentsRect().width(),
                     qPrintable(label->text()));
          // On the right also when an Arabic currency symbol makes the text run right to left.
          for (const QLabel* figure : {d.lblTotalStake, d.lblBalanceValue})
            QVERIFY(QStyle::visualAlignment(Qt::RightToLeft, figure->alignment()) & Qt::AlignRight);
          QStyleOptionFrame frame;
          frame.initFrom(d.txtPaid);
          const QRect room = d.txtPaid->style()->subElementRect(QStyle::SE_LineEditContents, &frame, d.txtPaid);
          QVERIFY2(d.txtPaid->fontMetrics().horizontalAdvance(d.txtPaid->text()) <= room.width() - 4,
                   qPrintable(d.txtPaid->text()));
          QVERIFY(d.StakesBids->geometry().right() < d.cmdOK->x());
          QTreeWidget* list = d.MemberChoices;
          QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
          for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* row = list->topLevelItem(i);
            const int cost = list->fontMetrics().horizontalAdvance(row->text(2));
            QVERIFY2(list->columnWidth(2) >= cost, qPrintable(row->text(2)));
          }
          MessageBoxes unsaved({QMessageBox::No});
          QTest::mouseClick(d.cmdCancel, Qt::LeftButton);
          QCOMPARE(unsaved.Seen().size(), ann ? 1 : 0);
        }));
      }
    });
  }

  void printing() {
    ProgramFolder folder;
    WriteAccounts(folder, "4");
    frmMain& main = StartToMainWindow(folder);
    for (int i = 0; i < 120; ++i) gobjKelvane->AddMember("Member " + std::to_string(i));
    OpenAccounts(main, [&](frmAccounts& a) {
      {
        PrintCapture cancelled(PrintCapture::Answer::Cancel);
        MessageBoxes none;
        QTest::mouseClick(a.cmdPrint, Qt::LeftButton);
        QCOMPARE(cancelled.Dialogs(), 1);
        QVERIFY(PrintCapture::Drawn().empty());
        QVERIFY(none.Seen().isEmpty());
      }
      {
        PrintCapture failing(PrintCapture::Answer::Fail);
        MessageBoxes boxes({QMessageBox::Ok});
        QTest::mouseClick(a.cmdPrint, Qt::LeftButton);
        QVERIFY(boxes.Text().startsWith("Printer error occured."));
        QVERIFY(frmAccounts::IsLoaded());
      }
      PrintCapture capture;
      QTest::mouseClick(a.cmdPrint, Qt::LeftButton);
      QVERIFY(capture.Pdf().startsWith("%PDF"));
      QCOMPARE(PrintCapture::Texts().mid(0, 5),
               (QStringList{" ", " ", "Zintorra Orvessa Pitchlog 2006: Accounts",
                            "Printed on " + QLocale().toString(QDate::currentDate(), QLocale::ShortFormat), " "}));
      // Red on screen, black on paper.
      const PrintedItem* ann = PrintCapture::FindText("Ann");
      QVERIFY(ann);
      QCOMPARE(ann->colour, QColor(Qt::black));
      int captions = 0;
      int pages = 1;
      for (const PrintedItem& item : PrintCapture::Drawn()) {
        if (item.text == QLatin1String("Balance")) ++captions;
        pages = std::max(pages, item.page);
      }
      QVERIFY(pages >= 2);
      QCOMPARE(captions, pages);
      QVERIFY(PrintCapture::FindText("Member 119"));
      // Every page says what it is and which page it is; the job is named after the printout.
      const QString title = QStringLiteral("Zintorra Orvessa Pitchlog 2006: Accounts");
      for (int page = 1; page <= pages; ++page) {
        bool titled = false, numbered = false;
        for (const PrintedItem& item : PrintCapture::Drawn()) {
          if (item.page != page) continue;
          titled = titled || item.text == title;
          numbered = numbered || item.text == QStringLiteral("Page %1").arg(page);
        }
        QVERIFY2(titled && numbered, qPrintable(QString::number(page)));
      }
      QCOMPARE(printing_seam::LastJobName(), title);
    });
  }
};

QTEST_MAIN(AccountsTest)
#include "accounts_test.moc"

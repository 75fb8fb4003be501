// The new sweep and rename sweep dialogs, opened from the sweeps window: refusals, the name that
// follows the option picked, the types and stakes written, and renaming.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QLocale>
#include <QTest>
#include <QTreeWidget>

#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/sweeps/frm_edit_sweep.h"
#include "app/sweeps/frm_new_sweep.h"
#include "app/sweeps/frm_sweeps.h"
#include "app/sweeps/money.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"
#include "tests/app/support/sweeps_files.h"
#include "tests/app/support/user_locale.h"

using namespace pitchlog;
using app_testing::MessageBoxes;
using app_testing::OnModal;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;

namespace {

frmSweeps& OpenSweeps(frmMain& main) {
  Q_UNUSED(main);
  frmSweeps& w = frmSweeps::Get();
  w.show();
  return w;
}

void Choose(frmSweeps& w, const char* sweep) {
  w.cboSweepList->setCurrentIndex(w.cboSweepList->findText(QLatin1String(sweep)));
}

QStringList Entries(const QComboBox* combo) {
  QStringList entries;
  for (int i = 0; i < combo->count(); ++i) entries << combo->itemText(i);
  return entries;
}

// The sweeps file without the blanks between its elements.
QString Saved(const ProgramFolder& folder) {
  return QString::fromUtf8(folder.Read(QStringLiteral("Data/sweeps.xml"))).replace(QRegularExpression(">\\s+<"), "><");
}

void Pick(frmNewSweep& d, const char* option) { d.cboOptions->setCurrentIndex(d.cboOptions->findText(option)); }

void WriteTwo(const ProgramFolder& folder) {
  app_testing::WriteMembers(folder, {{"Ann", "ann"}});
  app_testing::WriteSweeps(folder, {{"Office Pool", "office_pool", "tournament_winner", "fun", nullptr, {{"ARG", "ann"}}},
                                    {"Goals", "goals", "total_goals", "fun"}});
}

bool NewSweep(frmSweeps& w, const std::function<void(frmNewSweep&)>& action) {
  return OnModal<frmNewSweep>([&] { QTest::mouseClick(w.cmdNewSweep, Qt::LeftButton); }, action);
}

// A new fixed-stake sweep of the top scorer option.
bool NewStakeSweep(frmSweeps& w, const std::function<void(frmNewSweep&)>& action) {
  return NewSweep(w, [&](frmNewSweep& d) {
    Pick(d, "Top Scorer");
    d.optStake->click();
    action(d);
  });
}

bool Rename(frmSweeps& w, const std::function<void(frmEditSweep&)>& action) {
  return OnModal<frmEditSweep>([&] { QTest::mouseClick(w.cmdEdit, Qt::LeftButton); }, action);
}

}  // namespace

class SweepDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    frmSweeps::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  // Every failed check in one box, line by line; the dialog stays open with its boxes as they were.
  void newSweepRefusals() {
    ProgramFolder folder;
    WriteTwo(folder);
    frmSweeps& w = OpenSweeps(StartToMainWindow(folder));
    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});
    QVERIFY(NewSweep(w, [&](frmNewSweep& d) {
      QCOMPARE(d.windowTitle(), QStringLiteral("New Sweep"));
      QCOMPARE(d.cboOptions->count(), 11);
      QCOMPARE(d.cboOptions->currentIndex(), -1);
      QVERIFY(d.optFun->isChecked());
      QVERIFY(!d.txtStake->isEnabled());
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(0), QStringLiteral("Please select an option\r\nPlease enter a name for your sweep\r\n"));
      QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Critical);
      d.txtName->setText(QStringLiteral("office POOL"));
      d.optStake->click();
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(1), QStringLiteral("Name already in use\r\nPlease select an option\r\nPlease enter a stake value\r\n"));
      QVERIFY(frmNewSweep::IsLoaded());
      QCOMPARE(d.txtName->text(), QStringLiteral("office POOL"));
    }));
    QCOMPARE(Entries(w.cboSweepList), (QStringList{"Goals", "Office Pool"}));
  }

  // A pick fills the name box while it is empty or holds the previous pick's name.
  void nameFollowsThePick() {
    ProgramFolder folder;
    WriteTwo(folder);
    frmSweeps& w = OpenSweeps(StartToMainWindow(folder));
    QVERIFY(NewSweep(w, [&](frmNewSweep& d) {
      Pick(d, "Runner-up");
      QCOMPARE(d.txtName->text(), QStringLiteral("Runner-up"));
      Pick(d, "Top Scorer");
      QCOMPARE(d.txtName->text(), QStringLiteral("Top Scorer"));
      QTest::keyClicks(d.txtName, " 2022");
      Pick(d, "Third Place");
      QCOMPARE(d.txtName->text(), QStringLiteral("Top Scorer 2022"));
      d.txtName->clear();
      Pick(d, "Total Goals");
      QCOMPARE(d.txtName->text(), QStringLiteral("Total Goals"));
    }));
  }

  // Created and saved at once, listed in order and shown; only a fixed-stake sweep has a stake.
  void newSweepsOfEachType() {
    ProgramFolder folder;
    WriteTwo(folder);
    frmSweeps& w = OpenSweeps(StartToMainWindow(folder));
    QVERIFY(NewStakeSweep(w, [&](frmNewSweep& d) {
      QVERIFY(d.txtStake->isEnabled());
      // A third decimal is refused as a whole, never cut; the stake is mended in the box.
      const QString typed = "2" + QLocale().decimalPoint() + "505";
      QTest::keyClicks(d.txtStake, typed);
      QCOMPARE(d.txtStake->text(), typed);
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QVERIFY(frmNewSweep::IsLoaded() && d.txtStake->Refused());
      QVERIFY(!d.txtStake->Mark()->isHidden());
      QTest::keyClick(d.txtStake, Qt::Key_End);
      QTest::keyClick(d.txtStake, Qt::Key_Backspace);
      QCOMPARE(d.txtStake->text(), typed.chopped(1));
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QVERIFY(!frmNewSweep::IsLoaded());
    }));
    QCOMPARE(Entries(w.cboSweepList), (QStringList{"Goals", "Office Pool", "Top Scorer"}));
    QCOMPARE(w.cboSweepList->currentText(), QStringLiteral("Top Scorer"));
    QVERIFY(w.PlayerList->isVisible());
    QCOMPARE(w.StakeLabel->text(), sweeps::Currency(2.5));
    QVERIFY(Saved(folder).contains("<name>Top Scorer</name><sweepoption>top_scorer</sweepoption>"
                                                   "<type>stake</type><stake>2.5</stake>"));

    for (QRadioButton* frmNewSweep::*type : {&frmNewSweep::optFun, &frmNewSweep::optBid}) {
      QVERIFY(NewSweep(w, [&](frmNewSweep& d) {
        Pick(d, "Runner-up");
        d.optStake->click();
        QTest::keyClicks(d.txtStake, "4");
        (d.*type)->click();
        QVERIFY(!d.txtStake->isEnabled());
        QCOMPARE(d.txtStake->text(), QStringLiteral("4"));
        d.txtName->setText(type == &frmNewSweep::optFun ? QStringLiteral("A Fun") : QStringLiteral("A Bid"));
        QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      }));
    }
    const QString saved = Saved(folder);
    QVERIFY(saved.contains("<name>A Fun</name><sweepoption>runner_up</sweepoption><type>fun</type></sweep>"));
    QVERIFY(saved.contains("<name>A Bid</name><sweepoption>runner_up</sweepoption><type>bid</type></sweep>"));
    QCOMPARE(w.cboSweepList->currentText(), QStringLiteral("A Bid"));
    QVERIFY(w.BidsFrame->isVisible());
    QCOMPARE(w.cboSweepList->itemText(0), QStringLiteral("A Bid"));
  }

  // A stake the locale does not write (a decimal comma in de_CH) is refused, never read as 1250.
  void aStakeInAnotherFormIsRefused() {
    const app_testing::UserLocale swiss(QStringLiteral("de_CH"));
    QVERIFY2(swiss.ok(), "run scripts/install-deps");
    ProgramFolder folder;
    WriteTwo(folder);
    frmSweeps& w = OpenSweeps(StartToMainWindow(folder));
    QVERIFY(NewStakeSweep(w, [&](frmNewSweep& d) {
      QTest::keyClicks(d.txtStake, "12,50");
      QCOMPARE(d.txtStake->text(), QStringLiteral("12,50"));
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QVERIFY(frmNewSweep::IsLoaded() && d.txtStake->Refused());
      QVERIFY(!Saved(folder).contains("Top Scorer"));
      d.txtStake->clear();
      QTest::keyClicks(d.txtStake, "12.50");
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QVERIFY(!frmNewSweep::IsLoaded());
    }));
    QVERIFY(Saved(folder).contains("<type>stake</type><stake>12.5</stake>"));
  }

  // Pending changes are settled before the new sweep's save: Cancel opens nothing, No drops them.
  void newSweepWithChangesPending() {
    ProgramFolder folder;
    WriteTwo(folder);
    frmSweeps& w = OpenSweeps(StartToMainWindow(folder));
    Choose(w, "Office Pool");
    gobjKelvane->SetSweepMember("Office Pool", kelvane::Variant("BRA"), "Ann");
    w.cmdApply->setEnabled(true);
    {
      MessageBoxes boxes({QMessageBox::Cancel});
      QVERIFY(!NewSweep(w, [](frmNewSweep&) {}));
      QCOMPARE(boxes.Text(), QStringLiteral("Do you want to save changes first?"));
      QVERIFY(w.cmdApply->isEnabled());
    }
    MessageBoxes boxes({QMessageBox::No});
    QVERIFY(NewSweep(w, [&](frmNewSweep& d) {
      QVERIFY(!w.cmdApply->isEnabled());
      Pick(d, "Runner-up");
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    }));
    QVERIFY(!Saved(folder).contains("value=\"BRA\""));
    QVERIFY(Saved(folder).contains("<name>Runner-up</name>"));
  }

  void renaming() {
    ProgramFolder folder;
    WriteTwo(folder);
    frmSweeps& w = OpenSweeps(StartToMainWindow(folder));
    Choose(w, "Office Pool");
    const QString before = Saved(folder);
    QVERIFY(Rename(w, [&](frmEditSweep& d) {
      QCOMPARE(d.windowTitle(), QStringLiteral("Edit Sweep Name"));
      QCOMPARE(d.txtName->text(), QStringLiteral("Office Pool"));
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QVERIFY(!frmEditSweep::IsLoaded());
    }));
    QCOMPARE(Saved(folder), before);

    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});
    QVERIFY(Rename(w, [&](frmEditSweep& d) {
      d.txtName->clear();
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(0), QStringLiteral("Must enter a name"));
      QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Critical);
      d.txtName->setText(QStringLiteral("GOALS"));
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
      QCOMPARE(boxes.Text(1), QStringLiteral("Name already in use"));
      QCOMPARE(boxes.Seen()[1].icon, QMessageBox::NoIcon);
      QVERIFY(frmEditSweep::IsLoaded());
      d.txtName->setText(QStringLiteral("office pool"));
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    }));
    QVERIFY(Saved(folder).contains("<name>office pool</name>"));
    QCOMPARE(w.cboSweepList->currentText(), QStringLiteral("office pool"));

    QVERIFY(Rename(w, [&](frmEditSweep& d) {
      d.txtName->setText(QStringLiteral("Work Pool"));
      QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    }));
    QCOMPARE(Entries(w.cboSweepList), (QStringList{"Goals", "Work Pool"}));
    QCOMPARE(w.cboSweepList->currentText(), QStringLiteral("Work Pool"));
    const QString saved = Saved(folder);
    QVERIFY(saved.contains("<sweep sweepid=\"work_pool\"><name>Work Pool</name>"));
    QVERIFY(saved.contains("<choice value=\"ARG\" memberid=\"ann\"/>"));
    QVERIFY(!w.cmdApply->isEnabled());
    // The list shown is still the renamed sweep's.
    QCOMPARE(w.TeamList->topLevelItemCount(), 32);
  }
};

QTEST_MAIN(SweepDialogsTest)
#include "sweep_dialogs_test.moc"

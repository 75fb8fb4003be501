// The members window and the new member dialog with the real engine: adding over "[New]",
// renaming in place (and in every sweep), the refusals, and the guard while sweep changes are
// pending, from the main window and from the sweeps window.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QTreeWidget>

#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/sweeps/frm_member_details.h"
#include "app/sweeps/frm_members.h"
#include "app/sweeps/frm_new_member.h"
#include "app/sweeps/frm_sweeps.h"
#include "tests/app/support/list_cells.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"
#include "tests/app/support/sweeps_files.h"

using namespace pitchlog;
using app_testing::Column;
using app_testing::Row;
using app_testing::MessageBoxes;
using app_testing::OnModal;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;

namespace {

frmMembers& ShowMembers(bool sweep_changed = false) {
  frmMembers& w = frmMembers::Get();
  w.blnSweepChanged = sweep_changed;
  w.show();
  if (!QTest::qWaitForWindowExposed(&w)) qFatal("members window not shown");
  return w;
}

// Types over a row as the user does: F2, the name, Enter. False when no edit started.
bool TypeOver(frmMembers& w, const QString& row_text, const QString& name) {
  QTreeWidgetItem* row = Row(w.MemberList, row_text);
  w.MemberList->setFocus();
  w.MemberList->setCurrentItem(row);
  QTest::keyClick(w.MemberList, Qt::Key_F2);
  QLineEdit* editor = nullptr;
  for (QLineEdit* open : w.MemberList->viewport()->findChildren<QLineEdit*>())
    if (open->isVisible()) editor = open;
  if (!editor) return false;
  editor->selectAll();
  QTest::keyClicks(editor, name);
  QTest::keyClick(editor, Qt::Key_Return);
  // The list takes the name once control is back in the event loop.
  QCoreApplication::processEvents();
  return true;
}

// The editor of a name open in the list, if any.
QLineEdit* OpenEditor(const frmMembers& w) {
  for (QLineEdit* open : w.MemberList->viewport()->findChildren<QLineEdit*>())
    if (open->isVisible()) return open;
  return nullptr;
}

// Clicks with the double-click time short, so that the test need not wait long for it.
class ShortDoubleClick {
 public:
  ShortDoubleClick() { QApplication::setDoubleClickInterval(kInterval); }
  ~ShortDoubleClick() { QApplication::setDoubleClickInterval(saved_); }
  // Longer than the double-click time.
  static void Pause() { QTest::qWait(2 * kInterval); }

 private:
  static constexpr int kInterval = 50;
  int saved_ = QApplication::doubleClickInterval();
};

void WriteCircle(const ProgramFolder& folder) {
  app_testing::WriteMembers(folder, {{"Ann", "ann"}, {"Bob", "bob"}});
  app_testing::WriteSweeps(folder, {{"A", "a", "tournament_winner", "fun", nullptr, {{"ARG", "ann"}}},
                                    {"B", "b", "runner_up", "fun", nullptr, {{"FRA", "ann"}, {"BRA", "bob"}}}});
}

}  // namespace

class MembersTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    frmMembers::Unload();
    frmSweeps::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  void addingOverNew() {
    ProgramFolder folder;
    app_testing::WriteMembers(folder, {});
    StartToMainWindow(folder);
    frmMembers& w = ShowMembers();
    QCOMPARE(w.windowTitle(), QStringLiteral("Members"));
    QCOMPARE(Column(w.MemberList, 0), QStringList{"[New]"});
    QCOMPARE(Column(w.MemberList, 1), QStringList{"ZZZZZZZZZZZZ"});
    QVERIFY(w.MemberList->isColumnHidden(1));

    QVERIFY(TypeOver(w, "[New]", "Ann"));
    QCOMPARE(Column(w.MemberList, 0), (QStringList{"Ann", "[New]"}));
    QCOMPARE(Column(w.MemberList, 1), (QStringList{"Ann", "ZZZZZZZZZZZZ"}));
    QVERIFY(folder.Read("Data/members.xml").contains("<name>Ann</name>"));

    MessageBoxes boxes({QMessageBox::Ok, QMessageBox::Ok});
    QVERIFY(TypeOver(w, "[New]", "ANN"));
    QCOMPARE(boxes.Text(0), QStringLiteral("Name in use"));
    QCOMPARE(boxes.Seen()[0].icon, QMessageBox::NoIcon);
    QVERIFY(TypeOver(w, "Ann", "[New]"));
    QCOMPARE(boxes.Text(1), QStringLiteral("Invalid Name"));
    QCOMPARE(Column(w.MemberList, 0), (QStringList{"Ann", "[New]"}));
  }

  // A rename in other letter case is the same member; another member's name is refused; a rename
  // moves the member's choices in every sweep and saves both files.
  void renaming() {
    ProgramFolder folder;
    WriteCircle(folder);
    StartToMainWindow(folder);
    frmMembers& w = ShowMembers();
    MessageBoxes boxes({QMessageBox::Ok});
    QVERIFY(TypeOver(w, "Ann", "bOB"));
    QCOMPARE(boxes.Text(), QStringLiteral("Name in use"));
    QCOMPARE(Column(w.MemberList, 0), (QStringList{"Ann", "Bob", "[New]"}));
    QVERIFY(TypeOver(w, "Ann", "ann"));
    QVERIFY(folder.Read("Data/members.xml").contains("<name>ann</name>"));
    QVERIFY(TypeOver(w, "ann", "Annie"));
    QCOMPARE(Column(w.MemberList, 0), (QStringList{"Annie", "Bob", "[New]"}));
    QCOMPARE(Column(w.MemberList, 1), (QStringList{"Annie", "Bob", "ZZZZZZZZZZZZ"}));
    QCOMPARE(boxes.Seen().size(), 1);
    QVERIFY(folder.Read("Data/members.xml").contains("<member memberid=\"annie\">"));
    const QByteArray sweeps = folder.Read("Data/sweeps.xml");
    QCOMPARE(sweeps.count("memberid=\"annie\""), 2);
    QVERIFY(!sweeps.contains("memberid=\"ann\""));
  }

  // Pending sweep changes stop a rename before it starts; adding is still allowed.
  void sweepChangesPending() {
    ProgramFolder folder;
    WriteCircle(folder);
    StartToMainWindow(folder);
    frmMembers& w = ShowMembers(true);
    MessageBoxes boxes({QMessageBox::Ok});
    QVERIFY(!TypeOver(w, "Ann", "Annie"));
    QCOMPARE(boxes.Text(), QStringLiteral("Please save or cancel sweep changes before changing member names"));
    QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Critical);
    QVERIFY(gobjKelvane->MemberExists("Ann"));
    QVERIFY(TypeOver(w, "[New]", "Cat"));
    QVERIFY(gobjKelvane->MemberExists("Cat"));
    QCOMPARE(boxes.Seen().size(), 1);
  }

  // Both openers tell the window whether the sweeps window holds unsaved changes.
  void openersTellOfPendingChanges() {
    ProgramFolder folder;
    WriteCircle(folder);
    frmMain& main = StartToMainWindow(folder);
    for (const bool pending : {false, true}) {
      frmSweeps& sweeps = frmSweeps::Get();
      sweeps.show();
      sweeps.cmdApply->setEnabled(pending);
      bool told = !pending;
      QVERIFY(OnModal<frmMembers>([&] { main.findChild<QAction*>(QStringLiteral("Members"))->trigger(); },
                                  [&](frmMembers& m) { told = m.blnSweepChanged; }));
      QCOMPARE(told, pending);
      app_testing::ProcessDeletions();
      QVERIFY(OnModal<frmMembers>([&] { QTest::mouseClick(sweeps.cmdMembers, Qt::LeftButton); },
                                  [&](frmMembers& m) { told = m.blnSweepChanged; }));
      QCOMPARE(told, pending);
      app_testing::ProcessDeletions();
    }
  }

  // A rename made from the sweeps window shows in its list when the members window closes.
  void sweepsWindowShowsNewNames() {
    ProgramFolder folder;
    WriteCircle(folder);
    StartToMainWindow(folder);
    frmSweeps& sweeps = frmSweeps::Get();
    sweeps.show();
    sweeps.cboSweepList->setCurrentIndex(sweeps.cboSweepList->findText("A"));
    QVERIFY(OnModal<frmMembers>([&] { QTest::mouseClick(sweeps.cmdMembers, Qt::LeftButton); },
                                [&](frmMembers& m) {
                                  QVERIFY(TypeOver(m, "Ann", "Annie"));
                                  QTest::mouseClick(m.cmdOK, Qt::LeftButton);
                                }));
    QTreeWidgetItem* argentina = nullptr;
    for (int i = 0; i < sweeps.TeamList->topLevelItemCount(); ++i)
      if (sweeps.TeamList->topLevelItem(i)->text(0) == "ARG") argentina = sweeps.TeamList->topLevelItem(i);
    QCOMPARE(argentina->text(3), QStringLiteral("Annie"));
  }

  // A double-click opens the member and nothing else: no edit of the name is left open behind
  // the member's window for the next keys typed. A slow second click still edits the name.
  void doubleClickOpensTheMemberOnly() {
    ProgramFolder folder;
    WriteCircle(folder);
    StartToMainWindow(folder);
    frmMembers& w = ShowMembers();
    const QByteArray sweeps = folder.Read("Data/sweeps.xml");
    ShortDoubleClick clicks;
    QWidget* viewport = w.MemberList->viewport();
    const QPoint ann = w.MemberList->visualItemRect(Row(w.MemberList, "Ann")).center();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, ann);
    ShortDoubleClick::Pause();
    // A double-click comes as press, release, double-click and release.
    QVERIFY(OnModal<frmMemberDetails>([&] {
                                        QTest::mouseClick(viewport, Qt::LeftButton, {}, ann);
                                        QTest::mouseDClick(viewport, Qt::LeftButton, {}, ann);
                                        QTest::mouseRelease(viewport, Qt::LeftButton, {}, ann);
                                      },
                                      [&](frmMemberDetails& d) {
                                        QCOMPARE(d.windowTitle(), QStringLiteral("Ann"));
                                        ShortDoubleClick::Pause();
                                      }));
    ShortDoubleClick::Pause();
    QVERIFY(!OpenEditor(w));
    QTest::keyClicks(w.MemberList, "Oops");
    QCoreApplication::processEvents();
    QCOMPARE(Column(w.MemberList, 0), (QStringList{"Ann", "Bob", "[New]"}));
    QVERIFY(!gobjKelvane->MemberExists("Oops"));
    QCOMPARE(folder.Read("Data/sweeps.xml"), sweeps);

    const QPoint bob = w.MemberList->visualItemRect(Row(w.MemberList, "Bob")).center();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, bob);
    ShortDoubleClick::Pause();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, bob);
    ShortDoubleClick::Pause();
    QLineEdit* editor = OpenEditor(w);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "Bobby");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
    QVERIFY(gobjKelvane->MemberExists("Bobby"));
  }

  // A name too long for the window shows whole as its row's tooltip; the list never scrolls
  // sideways, with or without its vertical scroll bar.
  void longNamesShowWhole() {
    ProgramFolder folder;
    WriteCircle(folder);
    StartToMainWindow(folder);
    const QString long_name = QStringLiteral("Maximiliane Amalie von Hohenzollern-Sigmaringen-Lindqvist");
    gobjKelvane->AddMember(ToStd(long_name));
    for (int i = 0; i < 20; ++i) gobjKelvane->AddMember("Member " + std::to_string(i));
    frmMembers& w = ShowMembers();
    QCoreApplication::processEvents();
    QVERIFY(w.MemberList->verticalScrollBar()->isVisible());
    QCOMPARE(w.MemberList->horizontalScrollBar()->maximum(), 0);
    QVERIFY(!w.MemberList->horizontalScrollBar()->isVisible());
    QCOMPARE(w.MemberList->columnWidth(0), w.MemberList->viewport()->width());

    const auto tip = [&](const QString& row_text) {
      QWidget* viewport = w.MemberList->viewport();
      const QPoint at = w.MemberList->visualItemRect(Row(w.MemberList, row_text)).center();
      QHelpEvent event(QEvent::ToolTip, at, viewport->mapToGlobal(at));
      QApplication::sendEvent(viewport, &event);
      return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(tip(QStringLiteral("Ann")), QString());
    QCOMPARE(tip(long_name), long_name);
    QToolTip::hideText();
  }

  void newMemberDialog() {
    ProgramFolder folder;
    WriteCircle(folder);
    StartToMainWindow(folder);
    frmMembers& w = ShowMembers();
    auto dialog = [&](const QString& name) {
      return OnModal<frmNewMember>(
          [&] {
            QTreeWidgetItem* row = Row(w.MemberList, "[New]");
            w.MemberList->setCurrentItem(row);
            emit w.MemberList->itemDoubleClicked(row, 0);
          },
          [&](frmNewMember& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("New Member"));
            QVERIFY(d.txtName->text().isEmpty());
            d.txtName->setText(name);
            QTest::mouseClick(d.cmdOK, Qt::LeftButton);
            QVERIFY(!frmNewMember::IsLoaded());
          });
    };
    QVERIFY(dialog(QString()));
    QCOMPARE(Column(w.MemberList, 0), (QStringList{"Ann", "Bob", "[New]"}));
    // "[New]" over "[New]" changes nothing.
    {
      MessageBoxes none;
      QVERIFY(dialog(QStringLiteral("[New]")));
      QVERIFY(none.Seen().isEmpty());
      QVERIFY(!gobjKelvane->MemberExists("[New]"));
    }
    QVERIFY(dialog(QStringLiteral("Cat")));
    QCOMPARE(Column(w.MemberList, 0), (QStringList{"Ann", "Bob", "Cat", "[New]"}));
    QVERIFY(folder.Read("Data/members.xml").contains("<name>Cat</name>"));
    // Esc in the members window closes it.
    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(!frmMembers::IsLoaded());
  }
};

QTEST_MAIN(MembersTest)
#include "members_test.moc"

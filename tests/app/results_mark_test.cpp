// The unsaved-results mark (the Save Results item's enabled state) and the end of the program:
// the question about unsaved results, each answer, and a save that fails.
#include <QAction>
#include <QFile>
#include <QTest>

#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::MessageBoxes;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;

namespace {

const QString kResults = QStringLiteral("Results/Results.xml");

// What a result entry dialog does: a result, then the engine's flag copied into the mark.
void EnterAResult(frmMain& window) {
  window.objKelvane->GroupScore("A1", 2, 1);
  window.SaveResults->setEnabled(window.objKelvane->ResultsChanged());
}

bool SavedWithTheResult(const ProgramFolder& folder) {
  return folder.Read(kResults).contains("gameid=\"A1\"");
}

}  // namespace

class ResultsMarkTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() { app_testing::ResetProgram(); }

  void markFollowsResultsChanged() {
    ProgramFolder folder;
    frmMain& window = StartToMainWindow(folder);
    QVERIFY(!window.SaveResults->isEnabled());
    EnterAResult(window);
    QVERIFY(window.SaveResults->isEnabled());
    MessageBoxes boxes;
    window.SaveResults->trigger();
    QVERIFY(boxes.Seen().isEmpty());
    QVERIFY(!window.SaveResults->isEnabled());
    QVERIFY(!window.objKelvane->ResultsChanged());
    QVERIFY(SavedWithTheResult(folder));
  }

  void openingAResultSetClearsTheMark() {
    ProgramFolder folder;
    frmMain& window = StartToMainWindow(folder);
    EnterAResult(window);
    window.OpenResultsSet("Tournament 2022");
    QVERIFY(!window.SaveResults->isEnabled());
    QCOMPARE(ToQ(window.objKelvane->ResultsSet()), QStringLiteral("Tournament 2022"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Zintorra Orvessa Pitchlog 2006 [Tournament 2022]"));
    QCOMPARE(window.SaveResults->text(), QStringLiteral("Save Tournament 2022"));
    window.OpenResultsSet("Results");
    QCOMPARE(window.windowTitle(), gstrAppTitle);
    QCOMPARE(window.SaveResults->text(), QStringLiteral("Save Results"));
    QVERIFY(!SavedWithTheResult(folder));
  }

  void unloadAsksOnlyWhileResultsAreUnsaved_data() {
    QTest::addColumn<bool>("unsaved");
    QTest::addColumn<int>("answer");  // QMessageBox::StandardButton; NoButton: no question
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("nothing unsaved") << false << int(QMessageBox::NoButton) << true << false;
    QTest::newRow("Yes saves") << true << int(QMessageBox::Yes) << true << true;
    QTest::newRow("No discards") << true << int(QMessageBox::No) << true << false;
    QTest::newRow("Cancel keeps the window") << true << int(QMessageBox::Cancel) << false << false;
  }
  void unloadAsksOnlyWhileResultsAreUnsaved() {
    QFETCH(bool, unsaved);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    ProgramFolder folder;
    frmMain& window = StartToMainWindow(folder);
    if (unsaved) EnterAResult(window);
    MessageBoxes boxes;
    if (answer != QMessageBox::NoButton) boxes.Then(QMessageBox::StandardButton(answer));
    window.close();
    if (unsaved) {
      QCOMPARE(boxes.Seen().size(), 1);
      QCOMPARE(boxes.Text(), QStringLiteral("Would you like to save your results?"));
      QCOMPARE(boxes.Seen()[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      QCOMPARE(boxes.Seen()[0].icon, QMessageBox::NoIcon);
      QCOMPARE(boxes.Seen()[0].title, QStringLiteral("Orvessa Pitchlog"));
    } else {
      QVERIFY(boxes.Seen().isEmpty());
    }
    QCOMPARE(!frmMain::IsLoaded(), closes);
    QCOMPARE(SavedWithTheResult(folder), saved);
    if (!closes) {
      QVERIFY(window.isVisible());
      QVERIFY(window.SaveResults->isEnabled());
      QVERIFY(window.objKelvane->ResultsChanged());
    }
  }

  void failedSaveOnExitKeepsTheWindow() {
    ProgramFolder folder;
    frmMain& window = StartToMainWindow(folder);
    EnterAResult(window);
    QFile::setPermissions(folder.File(kResults), QFile::ReadOwner | QFile::ReadGroup);
    MessageBoxes boxes({QMessageBox::Yes, QMessageBox::Ok});
    window.close();
    QCOMPARE(boxes.Seen().size(), 2);
    QCOMPARE(boxes.Seen()[1].icon, QMessageBox::Critical);
    QVERIFY2(boxes.Text(1).contains("read-only"), qPrintable(boxes.Text(1)));
    QVERIFY(frmMain::IsLoaded());
    QVERIFY(window.isVisible());
    QVERIFY(window.SaveResults->isEnabled());

    // Once the file can be written the same way out works.
    QFile::setPermissions(folder.File(kResults), QFile::ReadOwner | QFile::WriteOwner);
    boxes.Then(QMessageBox::Yes);
    window.close();
    QVERIFY(!frmMain::IsLoaded());
    QVERIFY(SavedWithTheResult(folder));
  }

  // An engine error in a handler must not end the program and lose the unsaved results.
  void engineErrorInAHandlerIsShownAndTheProgramGoesOn() {
    ProgramFolder folder;
    frmMain& window = StartToMainWindow(folder);
    EnterAResult(window);
    QFile::setPermissions(folder.File(kResults), QFile::ReadOwner);
    MessageBoxes boxes({QMessageBox::Ok});
    window.SaveResults->trigger();
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Critical);
    // Said as a sentence, without the error's internal kind in front.
    QVERIFY2(boxes.Text().startsWith("Cannot save") && boxes.Text().endsWith("."), qPrintable(boxes.Text()));
    QVERIFY(window.isVisible());
    QVERIFY(window.SaveResults->isEnabled());
    QVERIFY(window.objKelvane->ResultsChanged());
  }
};

QTEST_MAIN(ResultsMarkTest)
#include "results_mark_test.moc"

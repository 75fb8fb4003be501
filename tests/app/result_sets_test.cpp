// The File menu's result sets with the real engine on a temporary copy of the shipped data: the
// scenario lists, Save As Scenario's refusals and overwrite question, Open Results and Open
// Scenario with unsaved results, and a set that can't be read.
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/kit/program.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_open_scenario.h"
#include "app/shell/frm_save_scenario.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::MessageBoxes;
using app_testing::ModalDialog;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;

namespace {

const QString kTitle = QStringLiteral("Zintorra Orvessa Pitchlog 2006");
const QByteArray kEntered = "gameid=\"A1\"";

// What a result entry dialog does: the game's result replaced, then the engine's flag copied
// into the mark.
void EnterAResult(frmMain& window, int16_t home = 2) {
  window.objKelvane->RemoveResult("A1");
  window.objKelvane->GroupScore("A1", home, 1);
  window.SaveResults->setEnabled(window.objKelvane->ResultsChanged());
}

QString HomeGoalsInMemory() { return ToQ(gobjKelvane->Results("A1", "f", "QAT").ToString()); }

QComboBox* NameBox(QWidget& dialog) { return dialog.findChild<QComboBox*>(QStringLiteral("cboName")); }

QStringList Listed(QComboBox* box) {
  QStringList names;
  for (int i = 0; i < box->count(); ++i) names << box->itemText(i);
  return names;
}

// Picks an entry the way the user does: from the open list, with the mouse.
void Pick(QComboBox* box, const QString& name) {
  const int index = box->findText(name);
  if (index < 0) qFatal("%s is not listed", qPrintable(name));
  box->showPopup();
  QAbstractItemView* view = box->view();
  if (!QTest::qWaitForWindowExposed(view->window())) qFatal("the list did not open");
  const QRect item = view->visualRect(view->model()->index(index, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
  if (box->currentText() != name) qFatal("could not pick %s", qPrintable(name));
}

// Letters beyond ASCII go as the text of a key that has no code of its own, as a keyboard
// layout sends them.
void Type(QComboBox* box, const QString& text) {
  box->lineEdit()->clear();
  for (const QChar c : text) {
    if (c.unicode() < 0x80)
      QTest::keyClick(box, c.toLatin1());
    else
      QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

void ClickOK(QWidget& dialog) {
  QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
}

}  // namespace

class ResultSetsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() { app_testing::ResetProgram(); }

  void dialogsListTheScenariosInOrder_data() {
    QTest::addColumn<bool>("only_default");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("only the default set") << true << QStringList();
    QTest::newRow("several") << false
                             << QStringList{"alpha", "Results Backup", "Tournament 2022", "Zulu"};
  }
  void dialogsListTheScenariosInOrder() {
    QFETCH(bool, only_default);
    QFETCH(QStringList, listed);
    ProgramFolder folder;
    const QByteArray results = folder.Read("Results/Results.xml");
    if (only_default) {
      folder.Remove("Results/Tournament 2022.xml");
    } else {
      // A set whose name can't be opened ("a.b") is not offered.
      for (const char* file : {"Zulu.XML", "alpha.xml", "Results Backup.xml", "notes.txt", "a.b.xml"})
        folder.Write(QStringLiteral("Results/") + QLatin1String(file), results);
    }
    frmMain& window = StartToMainWindow(folder);

    ModalDialog save("frmSaveScenario", [&](QWidget& d) {
      QCOMPARE(Listed(NameBox(d)), listed);
      QCOMPARE(NameBox(d)->currentText(), QString());
      QTest::keyClick(NameBox(d), Qt::Key_Escape);
    });
    window.findChild<QAction*>("SaveScenario")->trigger();
    QVERIFY(save.Seen());
    QVERIFY(!frmSaveScenario::IsLoaded());

    // Nothing is preselected; OK without a choice only asks for one.
    MessageBoxes boxes({QMessageBox::Ok});
    ModalDialog open("frmOpenScenario", [&](QWidget& d) {
      QCOMPARE(Listed(NameBox(d)), listed);
      QCOMPARE(NameBox(d)->currentIndex(), -1);
      ClickOK(d);
      QVERIFY(d.isVisible());
      QTest::keyClick(&d, Qt::Key_Escape);
    });
    window.findChild<QAction*>("OpenScenario")->trigger();
    QVERIFY(open.Seen());
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Text(), QStringLiteral("Please select a scenario"));
    QCOMPARE(boxes.Seen()[0].icon, QMessageBox::Critical);
    QVERIFY(!frmOpenScenario::IsLoaded());
    QCOMPARE(ToQ(gobjKelvane->ResultsSet()), QStringLiteral("Results"));
    QCOMPARE(window.windowTitle(), kTitle);
  }

  void saveAsRefusesAndStaysOpen_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("picked");
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("question");  // else a critical refusal
    QTest::addColumn<QString>("left");   // the name box afterwards
    const QString main = QStringLiteral("Cannot overwrite main results");
    QTest::newRow("empty") << "" << false << "Please enter a scenario name" << false << "";
    QTest::newRow("RESULTS") << "RESULTS" << false << main << false << "";
    QTest::newRow("results backup typed") << "results BACKUP" << false << main << false << "";
    QTest::newRow("Results Backup picked") << "Results Backup" << true << main << false << "";
    QTest::newRow("forbidden character")
        << "What.if" << false << "Invalid name. Must not contain:\n\n\\ / : * ? \" < > | ." << false << "What.if";
    QTest::newRow("existing typed, No") << "Tournament 2022" << false
                                        << "Are you sure you want to overwrite scenario \"Tournament 2022\"?" << true
                                        << "Tournament 2022";
    QTest::newRow("existing in other letter case, No")
        << "\u00e9t\u00e9 2022" << false << "Are you sure you want to overwrite scenario \"\u00c9t\u00e9 2022\"?" << true
        << "\u00e9t\u00e9 2022";
    QTest::newRow("existing with its accents written apart, No")
        << "E\u0301te\u0301 2022" << false << "Are you sure you want to overwrite scenario \"\u00c9t\u00e9 2022\"?"
        << true << "E\u0301te\u0301 2022";
    QTest::newRow("existing with ss for \u00df, No")
        << "STRASSE" << false << "Are you sure you want to overwrite scenario \"Stra\u00dfe\"?" << true << "STRASSE";
    QTest::newRow("only spaces") << "   " << false << "Please enter a scenario name" << false << "   ";
    const QString long_name(245, QLatin1Char('a'));
    QTest::newRow("too long") << long_name << false
                              << "Name too long. A scenario name may have up to 244 English letters, fewer with others"
                              << false << long_name;
  }
  void saveAsRefusesAndStaysOpen() {
    QFETCH(QString, name);
    QFETCH(bool, picked);
    QFETCH(QString, box);
    QFETCH(bool, question);
    QFETCH(QString, left);
    ProgramFolder folder;
    folder.Write("Results/Results Backup.xml", folder.Read("Results/Results.xml"));
    folder.Write(QStringLiteral("Results/\u00c9t\u00e9 2022.xml"), folder.Read("Results/Results.xml"));
    folder.Write(QStringLiteral("Results/Stra\u00dfe.xml"), folder.Read("Results/Results.xml"));
    const QByteArray tournament = folder.Read("Results/Tournament 2022.xml");
    frmMain& window = StartToMainWindow(folder);
    EnterAResult(window);

    MessageBoxes boxes({question ? QMessageBox::No : QMessageBox::Ok});
    ModalDialog save("frmSaveScenario", [&](QWidget& d) {
      if (picked)
        Pick(NameBox(d), name);
      else
        Type(NameBox(d), name);
      ClickOK(d);
      QVERIFY(d.isVisible());
      QCOMPARE(NameBox(d)->currentText(), left);
      d.close();
    });
    window.findChild<QAction*>("SaveScenario")->trigger();
    QVERIFY(save.Seen());
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Text(), box);
    QCOMPARE(boxes.Seen()[0].icon, question ? QMessageBox::NoIcon : QMessageBox::Critical);
    QCOMPARE(boxes.Seen()[0].buttons,
             question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::StandardButtons(QMessageBox::Ok));
    // Nothing saved, nothing renamed.
    QCOMPARE(folder.Read("Results/Tournament 2022.xml"), tournament);
    QVERIFY(!folder.Read("Results/Results Backup.xml").contains(kEntered));
    QVERIFY(!QFile::exists(folder.File("Results/What.if.xml")));
    QCOMPARE(ToQ(gobjKelvane->ResultsSet()), QStringLiteral("Results"));
    QCOMPARE(window.windowTitle(), kTitle);
    QVERIFY(window.SaveResults->isEnabled());
  }

  void saveAsWritesTheSetAndMakesItCurrent_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("picked");
    QTest::addColumn<bool>("asked");
    QTest::newRow("new name typed") << "Final & more" << false << false;
    QTest::newRow("existing name picked") << "Tournament 2022" << true << false;
    QTest::newRow("existing name typed, Yes") << "Tournament 2022" << false << true;
  }
  void saveAsWritesTheSetAndMakesItCurrent() {
    QFETCH(QString, name);
    QFETCH(bool, picked);
    QFETCH(bool, asked);
    ProgramFolder folder;
    frmMain& window = StartToMainWindow(folder);
    EnterAResult(window);
    QVERIFY(window.findChild<QAction*>("tbrMain_1")->isEnabled());

    MessageBoxes boxes;
    if (asked) boxes.Then(QMessageBox::Yes);
    ModalDialog save("frmSaveScenario", [&](QWidget& d) {
      if (picked)
        Pick(NameBox(d), name);
      else
        Type(NameBox(d), name);
      ClickOK(d);
    });
    window.findChild<QAction*>("SaveScenario")->trigger();
    QVERIFY(save.Seen());
    QCOMPARE(boxes.Seen().size(), asked ? 1 : 0);
    app_testing::ProcessDeletions();
    QVERIFY(!frmSaveScenario::IsLoaded());

    const QString file = QStringLiteral("Results/") + name + QStringLiteral(".xml");
    QVERIFY(folder.Read(file).contains(kEntered));
    QVERIFY(!folder.Read("Results/Results.xml").contains(kEntered));
    QCOMPARE(ToQ(gobjKelvane->ResultsSet()), name);
    QCOMPARE(window.windowTitle(), kTitle + QStringLiteral(" [") + name + QStringLiteral("]"));
    QCOMPARE(window.SaveResults->text(), QStringLiteral("Save ") + QString(name).replace("&", "&&"));
    QVERIFY(!window.SaveResults->isEnabled());
    QVERIFY(!window.findChild<QAction*>("tbrMain_1")->isEnabled());

    // Save Results now writes the scenario, not the default set.
    EnterAResult(window, 5);
    window.SaveResults->trigger();
    QVERIFY(folder.Read(file).contains("<f>5</f>"));
    QVERIFY(!folder.Read("Results/Results.xml").contains(kEntered));
  }

  // Typed in another spelling, the set stays the one it was: its file and its name.
  void saveAsOverASetSpelledOtherwiseKeepsItsName() {
    ProgramFolder folder;
    folder.Write(QStringLiteral("Results/Stra\u00dfe.xml"), folder.Read("Results/Results.xml"));
    frmMain& window = StartToMainWindow(folder);
    EnterAResult(window);
    MessageBoxes boxes({QMessageBox::Yes});
    ModalDialog save("frmSaveScenario", [&](QWidget& d) {
      Type(NameBox(d), QStringLiteral("STRASSE"));
      ClickOK(d);
    });
    window.findChild<QAction*>("SaveScenario")->trigger();
    QVERIFY(save.Seen());
    QCOMPARE(boxes.Seen().size(), 1);
    QVERIFY(folder.Read(QStringLiteral("Results/Stra\u00dfe.xml")).contains(kEntered));
    QVERIFY(!QFile::exists(folder.File("Results/STRASSE.xml")));
    QCOMPARE(ToQ(gobjKelvane->ResultsSet()), QStringLiteral("Stra\u00dfe"));
    QCOMPARE(window.windowTitle(), kTitle + QStringLiteral(" [Stra\u00dfe]"));
  }

  // The current scenario is offered and counts as typed: Enter asks before overwriting it.
  void saveAsOffersTheCurrentScenario() {
    ProgramFolder folder;
    frmMain& window = StartToMainWindow(folder);
    window.OpenResultsSet("Tournament 2022");
    EnterAResult(window, 9);
    MessageBoxes boxes({QMessageBox::Yes});
    ModalDialog save("frmSaveScenario", [&](QWidget& d) {
      QCOMPARE(NameBox(d)->currentText(), QStringLiteral("Tournament 2022"));
      QTest::keyClick(NameBox(d), Qt::Key_Return);
    });
    window.findChild<QAction*>("SaveScenario")->trigger();
    QVERIFY(save.Seen());
    QCOMPARE(boxes.Seen().size(), 1);
    QCOMPARE(boxes.Text(), QStringLiteral("Are you sure you want to overwrite scenario \"Tournament 2022\"?"));
    QVERIFY(folder.Read("Results/Tournament 2022.xml").contains("<f>9</f>"));
    QVERIFY(!window.SaveResults->isEnabled());
  }

  void openCommandsOfferToSaveFirst_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");  // NoButton: nothing unsaved, no question
    for (const char* command : {"OpenResults", "OpenScenario"}) {
      for (const auto& [label, answer] : {std::pair{"nothing unsaved", QMessageBox::NoButton},
                                          std::pair{"Yes", QMessageBox::Yes}, std::pair{"No", QMessageBox::No},
                                          std::pair{"Cancel", QMessageBox::Cancel}})
        QTest::addRow("%s, %s", command, label) << QString(command) << int(answer);
    }
  }
  void openCommandsOfferToSaveFirst() {
    QFETCH(QString, command);
    QFETCH(int, answer);
    ProgramFolder folder;
    folder.Write("Results/Mine.xml", folder.Read("Results/Results.xml"));
    folder.Write("Results/Results Backup.xml", folder.Read("Results/Results.xml"));
    frmMain& window = StartToMainWindow(folder);
    window.OpenResultsSet("Mine");
    if (answer != QMessageBox::NoButton) EnterAResult(window);

    MessageBoxes boxes;
    if (answer != QMessageBox::NoButton) boxes.Then(QMessageBox::StandardButton(answer));
    ModalDialog open("frmOpenScenario", [&](QWidget& d) {
      Pick(NameBox(d), QStringLiteral("Results Backup"));
      ClickOK(d);
    });
    window.findChild<QAction*>(command)->trigger();
    if (answer != QMessageBox::NoButton) {
      QCOMPARE(boxes.Seen().size(), 1);
      QCOMPARE(boxes.Text(), QStringLiteral("Would you like to save your current results first?"));
      QCOMPARE(boxes.Seen()[0].buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      QCOMPARE(boxes.Seen()[0].icon, QMessageBox::NoIcon);
    } else {
      QVERIFY(boxes.Seen().isEmpty());
    }
    QCOMPARE(folder.Read("Results/Mine.xml").contains(kEntered), answer == QMessageBox::Yes);

    if (answer == QMessageBox::Cancel) {
      QVERIFY(!open.Seen());
      QCOMPARE(ToQ(gobjKelvane->ResultsSet()), QStringLiteral("Mine"));
      QCOMPARE(HomeGoalsInMemory(), QStringLiteral("2"));
      QVERIFY(window.SaveResults->isEnabled());
      QCOMPARE(window.windowTitle(), kTitle + QStringLiteral(" [Mine]"));
      QCOMPARE(window.SaveResults->text(), QStringLiteral("Save Mine"));
      return;
    }
    const bool scenario = command == QLatin1String("OpenScenario");
    QCOMPARE(open.Seen(), scenario);
    const QString opened = scenario ? QStringLiteral("Results Backup") : QStringLiteral("Results");
    QCOMPARE(ToQ(gobjKelvane->ResultsSet()), opened);
    QCOMPARE(HomeGoalsInMemory(), QString());
    QVERIFY(!window.SaveResults->isEnabled());
    QCOMPARE(window.windowTitle(), scenario ? kTitle + QStringLiteral(" [Results Backup]") : kTitle);
    QCOMPARE(window.SaveResults->text(), QStringLiteral("Save ") + opened);
  }

  // A set that can't be read is reported; the results, their set and their mark stay.
  void setThatCannotBeReadChangesNothing() {
    ProgramFolder folder;
    folder.Write("Results/Broken.xml", "<results><groups>");
    frmMain& window = StartToMainWindow(folder);
    EnterAResult(window);
    MessageBoxes boxes({QMessageBox::No, QMessageBox::Ok});
    ModalDialog open("frmOpenScenario", [&](QWidget& d) {
      Pick(NameBox(d), QStringLiteral("Broken"));
      ClickOK(d);
      QVERIFY(d.isVisible());
      d.close();
    });
    window.findChild<QAction*>("OpenScenario")->trigger();
    QVERIFY(open.Seen());
    QCOMPARE(boxes.Seen().size(), 2);
    QCOMPARE(boxes.Seen()[1].icon, QMessageBox::Critical);
    QVERIFY2(boxes.Text(1).contains("Broken"), qPrintable(boxes.Text(1)));
    QCOMPARE(ToQ(gobjKelvane->ResultsSet()), QStringLiteral("Results"));
    QCOMPARE(HomeGoalsInMemory(), QStringLiteral("2"));
    QVERIFY(window.SaveResults->isEnabled());
    QCOMPARE(window.windowTitle(), kTitle);
    QCOMPARE(window.SaveResults->text(), QStringLiteral("&Save Results"));
  }
};

QTEST_MAIN(ResultSetsTest)
#include "result_sets_test.moc"

// The Help menu: the help file, the forum page, the About box with its contact boxes and the
// system information tool, and the licence terms.
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/game/frm_rallet.h"
#include "app/shell/frm_about.h"
#include "app/shell/frm_contact.h"
#include "app/shell/frm_licence.h"
#include "app/shell/frm_main.h"
#include "app/shell/program.h"
#include "tests/app/support/controls.h"
#include "tests/app/support/game_driver.h"
#include "tests/app/support/opened_urls.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"

using namespace pitchlog;
using app_testing::Control;
using app_testing::OpenedUrls;
using app_testing::MessageBoxes;
using app_testing::ModalDialog;
using app_testing::ProgramFolder;
using app_testing::StartToMainWindow;

namespace {

const QString kNoSysInfo = QStringLiteral("System Information Is Unavailable At This Time");

void Trigger(const QWidget& window, const char* name) {
  auto* action = window.findChild<QAction*>(QLatin1String(name));
  if (!action) qFatal("no action %s", name);
  QVERIFY2(action->isEnabled(), name);
  action->trigger();
}

bool HasPicture(const QLabel* label) { return !label->pixmap().isNull(); }


// A PATH of only a temporary folder, with stand-in tools that note their name when they run.
class ToolPath {
 public:
  ToolPath() : saved_(qgetenv("PATH")) { qputenv("PATH", dir_.path().toLocal8Bit()); }
  ~ToolPath() { qputenv("PATH", saved_); }
  void Add(const QString& name, bool executable = true) const {
    QFile tool(dir_.filePath(name));
    if (!tool.open(QIODevice::WriteOnly)) qFatal("cannot write %s", qPrintable(name));
    tool.write(QStringLiteral("#!/bin/sh\necho %1 > '%2'\n").arg(name, Started()).toLocal8Bit());
    tool.close();
    QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
    if (executable) permissions |= QFile::ExeOwner;
    tool.setPermissions(permissions);
  }
  QString Started() const { return dir_.filePath(QStringLiteral("started")); }

 private:
  QTemporaryDir dir_;
  QByteArray saved_;
};

}  // namespace

class HelpMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    frmContact::Unload();
    frmLicence::Unload();
    frmAbout::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  // The help file's format has no viewer here: the user is told so, or that it is missing. The
  // toolbar's Help button runs the same command.
  void helpTopicsSaysWhatBecameOfTheHelpFile_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("ending");
    QTest::newRow("missing") << false << "/Halvex.hlp\" was not found.";
    QTest::newRow("present") << true << "/Halvex.hlp\" is in a format that cannot be shown on this system.";
  }
  void helpTopicsSaysWhatBecameOfTheHelpFile() {
    QFETCH(bool, present);
    QFETCH(QString, ending);
    ProgramFolder folder;
    if (present) folder.Write("Halvex.hlp", "?_\x03");
    frmMain& main = StartToMainWindow(folder);
    for (const char* command : {"HelpTopics", "tbrMain_13"}) {
      MessageBoxes boxes({QMessageBox::Ok});
      Trigger(main, command);
      QCOMPARE(boxes.Seen().size(), 1);
      QCOMPARE(boxes.Text(), QStringLiteral("The help file \"") + folder.Path() + ending);
      QCOMPARE(boxes.Seen()[0].title, QStringLiteral("Orvessa Pitchlog"));
    }
    QCOMPARE(App.HelpFile, folder.File("Halvex.hlp"));
  }

  void forumOpensThePageBelowTheDownloadAddress_data() {
    QTest::addColumn<QString>("download_url");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("message");
    QTest::newRow("web site") << "https://pitchlog.example/results" << "https://pitchlog.example/results/forum.html"
                              << "";
    QTest::newRow("empty setting") << "" << ""
                                   << "The forum cannot be opened: \"/forum.html\" is not a web address.";
    QTest::newRow("not the web") << "file:///etc" << ""
                                 << "The forum cannot be opened: \"file:///etc/forum.html\" is not a web address.";
  }
  void forumOpensThePageBelowTheDownloadAddress() {
    QFETCH(QString, download_url);
    QFETCH(QString, opened);
    QFETCH(QString, message);
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    main.objKelvane->SetProperties("downloadurl", ToStd(download_url));
    OpenedUrls urls;
    MessageBoxes boxes({QMessageBox::Ok});
    Trigger(main, "OpenForum");
    QCOMPARE(urls.urls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)});
    QCOMPARE(boxes.Text(), message);
  }

  // Modeless, one instance however often it is asked for; closing it opens nothing else.
  void theAboutBoxShowsTitleVersionAndCredits() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    Trigger(main, "About");
    Trigger(main, "About");
    frmAbout& about = frmAbout::Get();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    QVERIFY(!about.isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(about.windowTitle(), QStringLiteral("About Zintorra Orvessa Pitchlog 2006"));
    QCOMPARE(about.lblTitle->text(), QStringLiteral("Zintorra Orvessa Pitchlog 2006"));
    QVERIFY2(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$")).match(about.lblVersion->text()).hasMatch(),
             qPrintable(about.lblVersion->text()));
    QVERIFY(!about.fraAbout->title().isEmpty());
    QVERIFY(!about.lblNotice->text().isEmpty());
    QVERIFY(HasPicture(about.imgLogo) && HasPicture(about.imgCredits));
    QCOMPARE(about.cmdSysInfo->text(), QStringLiteral("System Info..."));

    {
      MessageBoxes none;
      QTest::mouseClick(about.imgCredits, Qt::LeftButton);  // leads nowhere while it shows its picture
      QVERIFY(none.Seen().isEmpty());
    }
    QTest::mouseClick(about.cmdOK, Qt::LeftButton);
    QVERIFY(!frmAbout::IsLoaded());
    app_testing::ProcessDeletions();
    QWidgetList shown;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->isVisible()) shown << window;
    QCOMPARE(shown, QWidgetList{&main});
  }

  // A double click empties the credits picture and opens the hidden game over the About box.
  void theCreditsPictureLeadsIntoTheGame() {
    ProgramFolder folder;
    app_testing::TemporaryDataFolder scores;
    frmMain& main = StartToMainWindow(folder);
    Trigger(main, "About");
    frmAbout& about = frmAbout::Get();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    bool played = false;
    app_testing::GameDriver driver([&](frmRallet& game, int turn) {
      played = true;
      if (turn == 20) game.keyesc = 1;  // as the About box does when it closes
    });
    MessageBoxes notice({QMessageBox::Ok});
    QTest::mouseDClick(about.imgCredits, Qt::LeftButton);
    QVERIFY(notice.Seen().isEmpty());
    QTest::mouseRelease(about.imgCredits, Qt::LeftButton);  // the button let go ends the double click
    QCOMPARE(notice.Text(), QStringLiteral("Easter Egg Activated!"));
    QCOMPARE(notice.Seen().first().icon, QMessageBox::Warning);
    QVERIFY(played && !driver.RanAway());
    QVERIFY(!HasPicture(about.imgCredits));
    QVERIFY(frmAbout::IsLoaded());
  }

  void eachCreditOpensItsContactBox_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::newRow("developer") << "cmdDeveloperContact" << "Zintorra" << "pitchlog@zintorra.example";
    QTest::newRow("illustrator") << "cmdIllustratorContact" << "Quillmere Studio" << "studio@quillmere.example";
  }
  void eachCreditOpensItsContactBox() {
    QFETCH(QString, button);
    QFETCH(QString, name);
    QFETCH(QString, email);
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    Trigger(main, "About");
    frmAbout& about = frmAbout::Get();
    QVERIFY(about.findChild<QLabel*>(button == "cmdDeveloperContact" ? "lblDeveloper" : "Label1")->text().endsWith(name));
    ModalDialog contact(QStringLiteral("frmContact"), [&](QWidget& box) {
      const auto& c = static_cast<frmContact&>(box);
      QCOMPARE(c.windowTitle(), name);
      QCOMPARE(c.lblName->text(), name);
      QCOMPARE(c.lblEmail->text(), email);
      QVERIFY(c.lblURL->text().startsWith(QStringLiteral("https://")));
      QVERIFY(!c.lblDescription->text().isEmpty());
      // Every address line is followed by a line break.
      QVERIFY(c.lblAddress->text().endsWith(QLatin1Char('\n')));
      QVERIFY(c.lblAddress->text().count(QLatin1Char('\n')) >= 3);
      QVERIFY(HasPicture(c.imgLogo));
      QTest::mouseClick(c.cmdOK, Qt::LeftButton);
    });
    QTest::mouseClick(about.findChild<QPushButton*>(button), Qt::LeftButton);
    QVERIFY(contact.Seen());
    QVERIFY(!frmContact::IsLoaded());
    QVERIFY(frmAbout::Get().isVisible());
  }

  // The first known tool on the PATH that can run starts; without one the box says so.
  void systemInfoStartsTheFirstToolFound_data() {
    QTest::addColumn<QStringList>("tools");
    QTest::addColumn<QString>("started");
    QTest::newRow("none") << QStringList{} << "";
    QTest::newRow("one") << QStringList{"hardinfo"} << "hardinfo";
    QTest::newRow("the first of two") << QStringList{"hardinfo", "kinfocenter"} << "kinfocenter";
    QTest::newRow("one that can't run") << QStringList{"-kinfocenter", "hardinfo2"} << "hardinfo2";
    QTest::newRow("none that can run") << QStringList{"-hardinfo"} << "";
  }
  void systemInfoStartsTheFirstToolFound() {
    QFETCH(QStringList, tools);
    QFETCH(QString, started);
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    Trigger(main, "About");
    ToolPath path;
    for (const QString& tool : tools) {
      const bool runs = !tool.startsWith(QLatin1Char('-'));
      path.Add(runs ? tool : tool.mid(1), runs);
    }
    MessageBoxes boxes({QMessageBox::Ok});
    QTest::mouseClick(frmAbout::Get().cmdSysInfo, Qt::LeftButton);
    if (started.isEmpty()) {
      QCOMPARE(boxes.Seen().size(), 1);
      QCOMPARE(boxes.Text(), kNoSysInfo);
      QCOMPARE(boxes.Seen()[0].icon, QMessageBox::NoIcon);
      QCOMPARE(boxes.Seen()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
      return;
    }
    const auto note = [&] {
      QFile file(path.Started());
      return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()).trimmed() : QString();
    };
    QTRY_COMPARE(note(), started);
    QVERIFY(boxes.Seen().isEmpty());
  }

  void licenceTermsShowModally() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    ModalDialog licence(QStringLiteral("frmLicence"), [](QWidget& box) {
      const auto& l = static_cast<frmLicence&>(box);
      QCOMPARE(l.windowTitle(), QStringLiteral("About Orvessa Pitchlog"));
      QCOMPARE(l.lblTitle->text(), QStringLiteral("Zintorra Orvessa Pitchlog 2006"));
      QCOMPARE(l.lblSubTitle->text(),
               QStringLiteral("You agreed to these terms and conditions when you installed this software:"));
      QVERIFY(l.txtTerms->isReadOnly());
      QVERIFY(l.txtTerms->toPlainText().contains(QStringLiteral("licence")));
      QVERIFY(HasPicture(l.picIcon));
      QTest::mouseClick(l.cmdOK, Qt::LeftButton);
    });
    Trigger(main, "LicenceTerms");
    QVERIFY(licence.Seen());
    QVERIFY(!frmLicence::IsLoaded());
  }
};

QTEST_MAIN(HelpMenuTest)
#include "help_menu_test.moc"

// The Help menu: the help file, the forum page, the About box with its contact boxes and the
// system information tool, and the licence terms.
#include <optional>

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QComboBox>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include "app/entry/frm_group_score.h"
#include "app/game/frm_rallet.h"
#include "app/kit/program.h"
#include "app/shell/frm_about.h"
#include "app/shell/frm_contact.h"
#include "app/shell/frm_help.h"
#include "app/shell/frm_licence.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_properties.h"
#include "app/shell/groups_view.h"
#include "app/shell/help_topics.h"
#include "tests/app/support/controls.h"
#include "tests/app/support/game_driver.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/opened_urls.h"
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

// The page the help window shows.
QString PageShown() {
  if (!frmHelp::IsLoaded()) return QString();
  return QFileInfo(frmHelp::Get().wbHelp->source().toLocalFile()).fileName();
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
    frmHelp::Unload();
    frmProperties::Unload();
    frmLicence::Unload();
    frmAbout::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  // Help Topics and the toolbar's Help button open the guide at its contents.
  void helpTopicsOpensTheContents() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    for (const char* command : {"HelpTopics", "tbrMain_13"}) {
      frmHelp::Unload();
      Trigger(main, command);
      QVERIFY(frmHelp::IsLoaded() && frmHelp::Get().isVisible());
      QCOMPARE(PageShown(), QStringLiteral("index.html"));
      QVERIFY(frmHelp::Get().wbHelp->toPlainText().contains("Contents"));
    }
    QCOMPARE(App.HelpFile, folder.File("Help/index.html"));
  }

  // F1 opens the guide at the page of the window, view or control that has focus; over a modal
  // dialog the help window is modal itself, so it can be read and closed.
  void f1OpensTheTopicOfTheFocusedWindow() {
    ProgramFolder folder;
    frmMain& main = StartToMainWindow(folder);
    main.MainTab->setCurrentIndex(1);
    QTest::keyClick(&main, Qt::Key_F1);
    QCOMPARE(PageShown(), QStringLiteral("groups.html"));
    frmHelp::Unload();

    main.GroupTab->setCurrentIndex(7);
    QTreeWidget* games = main.groupsView->GroupSchedule;
    QTreeWidgetItem* a1 = games->findItems(QStringLiteral("A1"), Qt::MatchExactly, kGroupScheduleGameIDColumn).value(0);
    QVERIFY(a1);
    games->setCurrentItem(a1);
    emit games->itemClicked(a1, 0);
    QString shown;
    bool modal = false;
    bool closed = false;
    ModalDialog dialog(QStringLiteral("frmGroupScore"), [&](QWidget& box) {
      QTest::keyClick(box.focusWidget() ? box.focusWidget() : &box, Qt::Key_F1);
      shown = PageShown();
      modal = frmHelp::Get().isModal();
      QTest::keyClick(frmHelp::Get().wbHelp, Qt::Key_Escape);
      closed = !frmHelp::IsLoaded();
      MessageBoxes discard({QMessageBox::Yes});
      static_cast<frmGroupScore&>(box).cmdCancel->click();
    });
    QTest::mouseClick(main.groupsView->cmdGFEnterScore, Qt::LeftButton);
    QVERIFY(dialog.Seen());
    QCOMPARE(shown, QStringLiteral("enter-group.html"));
    QVERIFY(modal);
    QVERIFY(closed);

    // A control's topic number names its page.
    frmProperties& settings = frmProperties::Get();
    settings.show();
    settings.cboTimeZone->setFocus();
    QTest::keyClick(settings.cboTimeZone, Qt::Key_F1);
    QCOMPARE(PageShown(), QStringLiteral("settings.html"));
    frmProperties::Unload();
  }

  // Every page a window names is shipped, and every link of every page opens a page that is
  // there, at an anchor that is there.
  void everyLinkOfTheGuideOpensAPage() {
    ProgramFolder folder;
    const QDir help(folder.File("Help"));
    const QStringList pages = help.entryList({"*.html"}, QDir::Files);
    QVERIFY(pages.size() > 10);
    const auto anchors_of = [&](const QString& page) {
      QFile file(help.filePath(page));
      if (!file.open(QIODevice::ReadOnly)) return std::optional<QStringList>();
      const QString text = QString::fromUtf8(file.readAll());
      QStringList ids;
      for (const auto& m : QRegularExpression(R"re((?:id|name)="([^"]+)")re").globalMatch(text)) ids << m.captured(1);
      return std::optional<QStringList>(ids);
    };
    const auto check = [&](const QString& from, const QString& link) {
      const QString target = link.section('#', 0, 0).isEmpty() ? from : link.section('#', 0, 0);
      const auto anchors = anchors_of(target);
      QVERIFY2(anchors, qPrintable(from + " -> " + link));
      if (link.contains('#')) QVERIFY2(anchors->contains(link.section('#', 1)), qPrintable(from + " -> " + link));
    };
    for (const QString& page : HelpPagesNamed()) check(QStringLiteral("index.html"), page);
    int links = 0;
    for (const QString& page : pages) {
      QFile file(help.filePath(page));
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QString text = QString::fromUtf8(file.readAll());
      for (const auto& m : QRegularExpression(R"re(href="([^"]*)")re").globalMatch(text)) {
        const QString link = m.captured(1);
        if (link.contains(':')) continue;  // web and mail addresses go to the desktop
        QVERIFY2(!link.isEmpty(), qPrintable(page));
        check(page, link);
        ++links;
      }
    }
    QVERIFY(links > pages.size());

    // Followed in the help window, a link shows its page.
    StartToMainWindow(folder);
    frmHelp& window = frmHelp::Get();
    window.ShowTopic("index.html");
    emit window.wbHelp->anchorClicked(QUrl("ranking.html#lots"));
    QCOMPARE(PageShown(), QStringLiteral("ranking.html"));
    QVERIFY(window.wbHelp->toPlainText().contains("lots"));
    QVERIFY(window.cmdBack->isEnabled());
    window.cmdBack->click();
    QCOMPARE(PageShown(), QStringLiteral("index.html"));
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
    const QSize size = about.size();
    QTest::mouseDClick(about.imgCredits, Qt::LeftButton);
    QVERIFY(notice.Seen().isEmpty());
    QTest::qWait(50);
    QCOMPARE(about.size(), size);  // the emptied picture keeps its place
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

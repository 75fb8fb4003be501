// The shell helpers: what ShellOpen hands to the desktop, the on-line test, the local time
// zone and the server's message.
#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTest>

#include "app/kit/program.h"
#include "app/kit/shell_helpers.h"
#include "app/shell/download_message.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_message.h"
#include "app/shell/start.h"
#include "tests/app/support/modal_dialogs.h"
#include "tests/app/support/program_fixture.h"
#include "tests/support/local_http_server.h"

using namespace pitchlog;
using app_testing::ModalDialog;
using app_testing::ProgramFolder;

// Stands in for the desktop: records what it was asked to open.
class Desktop : public QObject {
  Q_OBJECT

 public:
  explicit Desktop(const QStringList& schemes) : schemes_(schemes) {
    for (const QString& scheme : schemes_) QDesktopServices::setUrlHandler(scheme, this, "open");
  }
  ~Desktop() override {
    for (const QString& scheme : schemes_) QDesktopServices::unsetUrlHandler(scheme);
  }
  QList<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened << url; }

 private:
  QStringList schemes_;
};

class ShellHelpersTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { app_testing::UseTemporaryRegistry(); }
  void cleanup() {
    app_testing::ResetProgram();
    App = Application{};
  }

  void openableUrl_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("dir");  // "{app}" stands for the program folder
    QTest::addColumn<QString>("expected");  // "" refused; "{app}/..." a file of the program folder
    QTest::newRow("web page") << "http://example.org/team" << "" << "http://example.org/team";
    QTest::newRow("secure web page, capitals") << "HTTPS://Example.org/a?b=1" << "" << "https://example.org/a?b=1";
    QTest::newRow("mail") << "mailto:forum@example.org" << "" << "mailto:forum@example.org";
    QTest::newRow("web address without host") << "http:team" << "" << "";
    QTest::newRow("other scheme") << "ftp://example.org/file" << "" << "";
    QTest::newRow("script") << "javascript:alert(1)" << "" << "";
    QTest::newRow("empty") << "" << "" << "";
    QTest::newRow("program file by path") << "{app}/WBHome/index.htm" << "" << "{app}/WBHome/index.htm";
    QTest::newRow("program file by name") << "WBHome/index.htm" << "" << "{app}/WBHome/index.htm";
    QTest::newRow("program file in its folder") << "index.htm" << "{app}/WBHome" << "{app}/WBHome/index.htm";
    QTest::newRow("program file as file address") << "file://{app}/WBBar/WBBar.htm" << "" << "{app}/WBBar/WBBar.htm";
    QTest::newRow("file outside") << "/etc/hostname" << "" << "";
    QTest::newRow("file address outside") << "file:///etc/hostname" << "" << "";
    QTest::newRow("climbing out") << "../outside.htm" << "" << "";
    QTest::newRow("link leading out") << "WBHome/outside.htm" << "" << "";
    QTest::newRow("missing file") << "WBHome/missing.htm" << "" << "";
    QTest::newRow("folder") << "WBHome" << "" << "";
    QTest::newRow("executable") << "WBHome/run.sh" << "" << "";
    QTest::newRow("desktop launcher") << "WBHome/start.desktop" << "" << "";
    QTest::newRow("drive letter") << "C:\\Windows\\notepad.exe" << "" << "";
  }
  void openableUrl() {
    QFETCH(QString, file);
    QFETCH(QString, dir);
    QFETCH(QString, expected);
    ProgramFolder folder;
    App.Path = folder.Path();
    QTemporaryDir outside;
    QFile(outside.filePath("outside.htm")).open(QIODevice::WriteOnly);
    QFile::link(outside.filePath("outside.htm"), folder.File("WBHome/outside.htm"));
    folder.Write("WBHome/run.sh", "#!/bin/sh\n");
    QFile::setPermissions(folder.File("WBHome/run.sh"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    folder.Write("WBHome/start.desktop", "[Desktop Entry]\nExec=true\n");

    const QString here = QDir(folder.Path()).canonicalPath();
    file.replace("{app}", here);
    dir.replace("{app}", here);
    const QUrl url = OpenableUrl(file, dir);
    if (expected.isEmpty())
      QVERIFY2(!url.isValid(), qPrintable(url.toString()));
    else if (expected.startsWith("{app}"))
      QCOMPARE(url, QUrl::fromLocalFile(expected.replace("{app}", here)));
    else
      QCOMPARE(url, QUrl(expected));
  }

  void shellOpenHandsOnlyAllowedAddressesToTheDesktop() {
    Desktop desktop({"https", "mailto", "ftp"});
    QVERIFY(ShellOpen("https://example.org/forum"));
    QVERIFY(ShellOpen("ftp://example.org/file"));
    QVERIFY(ShellOpen("mailto:forum@example.org", "ignored", "ignored"));
    QCOMPARE(desktop.opened, QList<QUrl>({QUrl("https://example.org/forum"), QUrl("mailto:forum@example.org")}));
  }

  void downloadServerOnThisMachineCountsAsOnLine_data() {
    QTest::addColumn<QString>("url");
    QTest::newRow("plain") << "http://localhost";
    QTest::newRow("capitals, port and path") << "HTTP://LOCALHOST:8080/pitchlog/";
  }
  void downloadServerOnThisMachineCountsAsOnLine() {
    QFETCH(QString, url);
    ProgramFolder folder;
    QVERIFY(StartProgram(folder.Path()));
    gobjKelvane->SetProperties("downloadurl", ToStd(url));
    QVERIFY(IsOnline());
  }

  void localUtcOffset_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<int>("minutes");
    QTest::newRow("UTC") << QByteArray("UTC") << 0;
    QTest::newRow("half an hour") << QByteArray("Asia/Kolkata") << 330;
    QTest::newRow("west") << QByteArray("America/Bogota") << -300;
  }
  void localUtcOffset() {
    QFETCH(QByteArray, zone);
    QFETCH(int, minutes);
    const QByteArray saved = qgetenv("TZ");
    qputenv("TZ", zone);
    const int32_t offset = LocalUtcOffsetMinutes();
    qputenv("TZ", saved);
    QCOMPARE(offset, minutes);
  }

  void newServerMessageIsShownStoredAndSavedOnce() {
    QTemporaryDir server_folder;
    QFile message(server_folder.filePath("message.xml"));
    QVERIFY(message.open(QIODevice::WriteOnly));
    message.write("<message>Kick-off#EOL#tonight</message>");
    message.close();
    testing_support::LocalHttpServer server(server_folder.path().toStdString());
    QVERIFY(!server.Url().empty());
    ProgramFolder folder;
    QByteArray properties = folder.Read("Data/properties.xml");
    const QByteArray url = QByteArray::fromStdString(server.Url());
    properties.replace("<downloadurl></downloadurl>", "<downloadurl>" + url + "</downloadurl>");
    folder.Write("Data/properties.xml", properties);
    frmMain& window = app_testing::StartToMainWindow(folder);
    QVERIFY(!window.LastMessage->isEnabled());

    // Shown modally in the message window, stored and saved before it opens.
    QString shown;
    bool saved_before = false;
    ModalDialog message_window("frmMessage", [&](QWidget& w) {
      shown = w.findChild<QPlainTextEdit*>("txtMessage")->toPlainText();
      saved_before = folder.Read("Data/properties.xml").contains("<message>Kick-off#EOL#tonight</message>");
      w.close();
    });
    ShowDownloadMessage();
    QVERIFY(message_window.Seen());
    QCOMPARE(shown, QStringLiteral("Kick-off\ntonight"));
    QVERIFY(saved_before);
    QVERIFY(window.LastMessage->isEnabled());
    QCOMPARE(gobjKelvane->Properties("message").ToString(), std::string("Kick-off#EOL#tonight"));

    // The same message again: nothing shown.
    ModalDialog again("frmMessage", [](QWidget& w) { w.close(); });
    ShowDownloadMessage();
    QTest::qWait(100);
    QVERIFY(!again.Seen());
    QVERIFY(!frmMessage::IsLoaded());
  }
};

QTEST_MAIN(ShellHelpersTest)
#include "shell_helpers_test.moc"

// The windows on a real desktop: an X server of the screen size the test is given, a window
// manager that frames every window, and a panel strip it keeps free. Each window's frame, not
// only its client area, lies in the free area.
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "app/entry/frm_group_score.h"
#include "app/kit/msg_box.h"
#include "app/shell/frm_help.h"
#include "app/shell/frm_main.h"
#include "app/shell/frm_players.h"
#include "tests/app/support/message_boxes.h"
#include "tests/app/support/program_fixture.h"
#include "tests/app/support/x_session.h"

using namespace pitchlog;
using app_testing::ProgramFolder;

namespace {

// A slow machine gets ample room.
constexpr int kFrameWaitMs = 3000;

QRect FreeArea() { return QGuiApplication::primaryScreen()->availableGeometry(); }

QString Describe(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

bool Framed(const QWidget& window) { return window.frameGeometry() != window.geometry(); }

// The window manager answers within a few round trips: waits until `problem` finds none, and
// says the last it found.
template <typename Problem>
QString Settled(Problem problem) {
  QString found;
  static_cast<void>(QTest::qWaitFor([&] { return (found = problem()).isEmpty(); }, kFrameWaitMs));
  return found;
}

// Waits for the window manager's frame, then for the window to settle inside the free area.
// Qt measures a frame only after the window manager configured the window; one that it mapped
// without configuring it after the frame was made shows no frame to Qt (rarely, on a loaded
// machine), and then only its client area can be checked.
QString FramedInside(QWidget& window) {
  if (!QTest::qWaitForWindowExposed(&window, kFrameWaitMs)) return window.objectName() + QStringLiteral(" not shown");
  if (!QTest::qWaitFor([&] { return Framed(window); }, kFrameWaitMs))
    qWarning("%s: Qt measured no frame", qPrintable(window.objectName()));
  return Settled([&] {
    if (FreeArea().contains(window.frameGeometry())) return QString();
    return window.objectName() + QStringLiteral(" stands at ") + Describe(window.frameGeometry()) +
           QStringLiteral(" out of ") + Describe(FreeArea());
  });
}

// The control inside its window's client area, the window with its frame inside the free area.
QString OnScreen(QWidget& control) {
  QWidget& window = *control.window();
  const QString framed = FramedInside(window);
  if (!framed.isEmpty()) return framed;
  const QRect shown(control.mapTo(&window, QPoint(0, 0)), control.size());
  if (control.isVisible() && window.rect().contains(shown)) return {};
  return control.objectName() + QStringLiteral(" at ") + Describe(shown) + QStringLiteral(" out of its window, ") +
         Describe(window.rect());
}

#define CHECK_EMPTY(problem)                                  \
  do {                                                        \
    const QString found = (problem);                          \
    QVERIFY2(found.isEmpty(), qPrintable(found));             \
  } while (false)

}  // namespace

class WindowManagerTest : public QObject {
  Q_OBJECT

 public:
  explicit WindowManagerTest(QString problem) : problem_(std::move(problem)) {}

 private slots:
  void initTestCase() {
    if (!problem_.isEmpty()) QSKIP(qPrintable(problem_));
    app_testing::UseTemporaryRegistry();
    // The panel is announced once the window manager has taken over the screen.
    QTRY_VERIFY_WITH_TIMEOUT(FreeArea() != QGuiApplication::primaryScreen()->geometry(), kFrameWaitMs);
  }
  void cleanup() {
    frmGroupScore::Unload();
    app_testing::ProcessDeletions();
    app_testing::ResetProgram();
  }

  // Placed before the frame exists, placed again once it does, and on every later show.
  void mainWindowWithItsFrameInside() {
    ProgramFolder folder;
    frmMain& window = app_testing::StartToMainWindow(folder);
    window.OpenResultsSet("Tournament 2022");
    CHECK_EMPTY(FramedInside(window));
    window.hide();
    window.show();
    CHECK_EMPTY(FramedInside(window));
  }

  // England 6-2 Iran's facts and score panel in the Groups view: the window still goes as small
  // as the free area, and maximised it fills it.
  void groupsViewWithItsScorePanelFits() {
    ProgramFolder folder;
    frmMain& window = app_testing::StartToMainWindow(folder);
    window.OpenResultsSet("Tournament 2022");
    window.MainTab->setCurrentIndex(1);
    window.ShowGameFacts("B1");
    QApplication::processEvents();  // the layouts take the panels' measures
    CHECK_EMPTY(FramedInside(window));
    const QSize least = window.minimumSizeHint().expandedTo(window.minimumSize()) + window.frameGeometry().size() - window.size();
    QVERIFY2(least.width() <= FreeArea().width() && least.height() <= FreeArea().height(),
             qPrintable(QStringLiteral("%1x%2 with its frame").arg(least.width()).arg(least.height())));
    window.showMaximized();
    QVERIFY(QTest::qWaitFor([&] { return window.isMaximized(); }, kFrameWaitMs));
    CHECK_EMPTY(FramedInside(window));
  }

  void helpAndPlayersEditorInside() {
    ProgramFolder folder;
    app_testing::StartToMainWindow(folder);
    frmHelp& help = frmHelp::Get();
    help.ShowTopic(QStringLiteral("index.html"));
    CHECK_EMPTY(FramedInside(help));
    frmPlayers& players = frmPlayers::Get();
    players.show();
    CHECK_EMPTY(FramedInside(players));
  }

  // A short question's box is still wide enough for its title, which the title bar shows with its
  // icon and three buttons, each about as wide as the bar is high (measured on a plain window).
  void messageBoxShowsItsTitle() {
    QWidget plain;
    plain.resize(300, 200);
    plain.show();
    CHECK_EMPTY(FramedInside(plain));
    const int bar = plain.geometry().top() - plain.frameGeometry().top();
    QString problem = QStringLiteral("no box came");
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      if (!box) return;
      QFont bold = box->font();
      bold.setBold(true);
      const int needed = QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 4 * bar;
      problem = box->width() < needed ? QStringLiteral("%1 px wide, its title needs %2").arg(box->width()).arg(needed)
                                      : QString();
      box->close();
    });
    MsgBox(QStringLiteral("Are you sure?"), msgbox::YesNo, QStringLiteral("Orvessa Pitchlog"));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
  }

  // Denmark 0-0 Tunisia given 20 goals: the rows scroll, OK, Apply and Cancel stay on screen.
  void scoreDialogWithTwentyGoalsKeepsItsButtons() {
    ProgramFolder folder;
    frmMain& main = app_testing::StartToMainWindow(folder);
    main.OpenResultsSet("Tournament 2022");
    main.GameID = "D2";
    frmGroupScore& dialog = frmGroupScore::Get();
    dialog.show();
    CHECK_EMPTY(FramedInside(dialog));
    app_testing::MessageBoxes sure({QMessageBox::Yes});
    dialog.txtHomeScore->setText(QStringLiteral("20"));
    QTRY_COMPARE(sure.Seen().size(), 1);
    CHECK_EMPTY(FramedInside(dialog));
    for (QPushButton* button : {dialog.cmdOK, dialog.cmdApply, dialog.cmdCancel}) CHECK_EMPTY(OnScreen(*button));
  }

 private:
  QString problem_;
};

int main(int argc, char** argv) {
  const app_testing::DesktopSpec spec =
      app_testing::ParseDesktopSpec(qEnvironmentVariable("PITCHLOG_TEST_DESKTOP", QStringLiteral("1024x600,bottom=30")));
  app_testing::XSession session(spec);
  // Without a server the test only reports why it skipped.
  if (session.Display().isEmpty())
    qputenv("QT_QPA_PLATFORM", "offscreen");
  else
    session.UseForQt();
  QApplication app(argc, argv);
  WindowManagerTest test(session.Problem());
  return QTest::qExec(&test, argc, argv);
}

#include "window_manager_test.moc"

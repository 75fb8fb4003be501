#include "tests/app/support/x_session.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <vector>

extern char** environ;

namespace app_testing {
namespace {

constexpr int kStartMs = 5000;

pid_t Spawn(const QString& program, const QStringList& args, const std::vector<int>& close_in_child = {}) {
  std::vector<QByteArray> texts{program.toLocal8Bit()};
  for (const QString& a : args) texts.push_back(a.toLocal8Bit());
  std::vector<char*> argv;
  for (QByteArray& t : texts) argv.push_back(t.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  for (int fd : close_in_child) posix_spawn_file_actions_addclose(&actions, fd);
  // Their chatter is no part of the test's output.
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return failed ? -1 : pid;
}

void Stop(pid_t& pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  pid = -1;
}

// The window manager's settings: the panel strips as margins that it keeps free of windows
// and leaves out of the work area it announces.
QByteArray OpenboxConfig(const DesktopSpec& spec) {
  return QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<openbox_config xmlns=\"http://openbox.org/3.4/rc\">\n"
             "  <margins><top>%1</top><bottom>%2</bottom><left>0</left><right>0</right></margins>\n"
             "</openbox_config>\n")
      .arg(spec.panel_top)
      .arg(spec.panel_bottom)
      .toUtf8();
}

}  // namespace

DesktopSpec ParseDesktopSpec(const QString& text) {
  static const QRegularExpression form(QStringLiteral(R"(^(\d+)x(\d+)(?:@([\d.]+))?((?:,(?:top|bottom)=\d+)*)$)"));
  DesktopSpec spec;
  const QRegularExpressionMatch m = form.match(text);
  if (!m.hasMatch()) qFatal("bad desktop \"%s\"", qPrintable(text));
  spec.width = m.captured(1).toInt();
  spec.height = m.captured(2).toInt();
  if (m.hasCaptured(3) && !m.captured(3).isEmpty()) spec.scale = m.captured(3).toDouble();
  for (const QString& panel : m.captured(4).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    const int size = panel.section(QLatin1Char('='), 1).toInt();
    (panel.startsWith(QLatin1String("top")) ? spec.panel_top : spec.panel_bottom) = size;
  }
  return spec;
}

XSession::XSession(const DesktopSpec& spec) : spec_(spec) {
  if (!StartServer()) return;
  if (!StartWindowManager()) display_.clear();
}

XSession::~XSession() {
  Stop(window_manager_);
  Stop(server_);
}

bool XSession::StartServer() {
  const QString server = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
  if (server.isEmpty()) {
    problem_ = QStringLiteral("Xvfb is not installed");
    return false;
  }
  // The server picks a free display and writes its number to the pipe once it takes clients.
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) qFatal("no pipe");
  const QString screen = QStringLiteral("%1x%2x24").arg(spec_.width).arg(spec_.height);
  server_ = Spawn(server,
                  {QStringLiteral("-screen"), QStringLiteral("0"), screen, QStringLiteral("-nolisten"),
                   QStringLiteral("tcp"), QStringLiteral("-displayfd"), QString::number(pipe_fds[1])},
                  {pipe_fds[0]});
  close(pipe_fds[1]);
  QByteArray number;
  pollfd ready{pipe_fds[0], POLLIN, 0};
  while (server_ > 0 && !number.endsWith('\n') && poll(&ready, 1, kStartMs) > 0) {
    char c = 0;
    if (read(pipe_fds[0], &c, 1) != 1) break;
    number.append(c);
  }
  close(pipe_fds[0]);
  if (!number.endsWith('\n')) qFatal("Xvfb did not start");
  display_ = QStringLiteral(":") + QString::fromLatin1(number.trimmed());
  return true;
}

bool XSession::StartWindowManager() {
  const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
  if (openbox.isEmpty()) qFatal("openbox is not installed (scripts/install-deps installs it)");
  QFile config(dir_.filePath(QStringLiteral("rc.xml")));
  if (!config.open(QIODevice::WriteOnly) || config.write(OpenboxConfig(spec_)) < 0) qFatal("no openbox config");
  config.close();
  qputenv("DISPLAY", display_.toLocal8Bit());
  // Its caches and sessions go to the temporary folder, not the user's home.
  qputenv("XDG_CACHE_HOME", dir_.filePath(QStringLiteral("cache")).toLocal8Bit());
  qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toLocal8Bit());
  window_manager_ = Spawn(openbox, {QStringLiteral("--config-file"), config.fileName()});
  if (window_manager_ <= 0) qFatal("openbox did not start");
  return true;
}

void XSession::UseForQt() const {
  qputenv("QT_QPA_PLATFORM", "xcb");
  qputenv("DISPLAY", display_.toLocal8Bit());
  if (spec_.scale != 1.0) qputenv("QT_SCALE_FACTOR", QByteArray::number(spec_.scale));
}

}  // namespace app_testing

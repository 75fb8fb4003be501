// A desktop of its own for a test: an X server of a given screen size with a window manager
// that keeps a panel strip free, as on a real desktop where windows get frames.
#pragma once

#include <sys/types.h>

#include <QString>
#include <QTemporaryDir>

namespace app_testing {

struct DesktopSpec {
  int width = 1024;
  int height = 600;
  double scale = 1.0;  // the desktop's scaling: 1.5 for 150 %
  int panel_top = 0;   // the panel strips, in screen pixels
  int panel_bottom = 0;
};

// Reads "1024x600", "1920x1080@1.5", with ",top=30" or ",bottom=30" for the panel.
DesktopSpec ParseDesktopSpec(const QString& text);

class XSession {
 public:
  // Starts the server and the window manager; Display() is empty when the server could not
  // start, Problem() says why.
  explicit XSession(const DesktopSpec& spec);
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  QString Display() const { return display_; }
  QString Problem() const { return problem_; }
  // Points this process's later Qt application at the session (xcb, its display and scale).
  void UseForQt() const;

 private:
  bool StartServer();
  bool StartWindowManager();

  DesktopSpec spec_;
  QTemporaryDir dir_;
  QString display_;
  QString problem_;
  pid_t server_ = -1;
  pid_t window_manager_ = -1;
};

}  // namespace app_testing

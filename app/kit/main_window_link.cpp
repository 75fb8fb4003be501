#include "app/kit/main_window_link.h"

#include "platform/component/error.h"

namespace pitchlog {

namespace {

MainWindowLink* shown_window = nullptr;

}  // namespace

MainWindowLink* LoadedMainWindow() { return shown_window; }

MainWindowLink& MainWindow() {
  if (!shown_window) throw kelvane::Error(kelvane::ErrorKind::ObjectMissing, "the main window is not open");
  return *shown_window;
}

void SetMainWindow(MainWindowLink* window) { shown_window = window; }

}  // namespace pitchlog

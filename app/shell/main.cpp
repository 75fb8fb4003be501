// Pitchlog: the tournament chart. The program takes no command-line arguments.
#include <QApplication>

#include "app/shell/single_instance.h"
#include "app/shell/start.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The program ends when the main window unloads, not when its last window hides (the main
  // window may hide to the tray).
  QApplication::setQuitOnLastWindowClosed(false);
  int status = 1;
  if (pitchlog::StartProgram()) status = QApplication::exec();
  else if (pitchlog::HandedToRunningCopy()) status = 0;
  pitchlog::ReleaseProgram();
  return status;
}

// tbrMain: the main window's toolbar, whose buttons repeat its most used menu commands.
#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QMainWindow;
class QToolBar;

namespace pitchlog {

class MainToolbar : public QObject {
 public:
  // Adds the toolbar to the window. Each button runs the window's menu item of its command and
  // is enabled when that item is; "Hide" runs hide.
  MainToolbar(QMainWindow* window, std::function<void()> hide);

  QToolBar* ToolBar() const { return toolbar_; }

  // Runs the command of the button with this key (exact case); an unknown key does nothing.
  void tbrMain_ButtonClick(const QString& key);

 private:
  QMainWindow* window_;
  std::function<void()> hide_;
  QToolBar* toolbar_;
};

}  // namespace pitchlog

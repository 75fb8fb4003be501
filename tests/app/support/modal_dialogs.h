// Drives a modal dialog that code under test opens and waits on: when a modal window of the
// given object name becomes active, the action runs on it once (fill it, press its buttons).
#pragma once

#include <functional>

#include <QObject>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

class QWidget;

namespace app_testing {

class ModalDialog : public QObject {
 public:
  ModalDialog(QString object_name, std::function<void(QWidget&)> action);
  bool Seen() const { return seen_; }

 private:
  void Poll();

  QString object_name_;
  std::function<void(QWidget&)> action_;
  bool seen_ = false;
  QTimer timer_;
};

// Runs open, which shows the window class Dialog modally (its object name is its class name),
// and the action on that window; a window the action leaves open is closed with Esc. False when
// no such window opened.
template <typename Dialog>
bool OnModal(const std::function<void()>& open, const std::function<void(Dialog&)>& action) {
  const QString class_name = QLatin1String(Dialog::staticMetaObject.className());
  ModalDialog driver(class_name.mid(class_name.lastIndexOf(QLatin1Char(':')) + 1), [&](QWidget& window) {
    action(static_cast<Dialog&>(window));
    if (Dialog::IsLoaded()) QTest::keyClick(&window, Qt::Key_Escape);
  });
  open();
  return driver.Seen();
}

}  // namespace app_testing

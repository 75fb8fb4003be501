// Drives a modal dialog that code under test opens and waits on: when a modal window of the
// given object name becomes active, the action runs on it once (fill it, press its buttons).
#pragma once

#include <functional>

#include <QObject>
#include <QString>
#include <QTimer>

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

}  // namespace app_testing

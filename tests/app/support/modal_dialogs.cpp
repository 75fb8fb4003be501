#include "tests/app/support/modal_dialogs.h"

#include <QApplication>
#include <QWidget>

namespace app_testing {

ModalDialog::ModalDialog(QString object_name, std::function<void(QWidget&)> action)
    : object_name_(std::move(object_name)), action_(std::move(action)) {
  connect(&timer_, &QTimer::timeout, this, &ModalDialog::Poll);
  timer_.start(10);
}

void ModalDialog::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (seen_ || !modal || modal->objectName() != object_name_) return;
  seen_ = true;
  timer_.stop();
  action_(*modal);
}

}  // namespace app_testing

#include "tests/app/support/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>

namespace app_testing {

MessageBoxes::MessageBoxes(QList<QMessageBox::StandardButton> answers) : answers_(std::move(answers)) {
  connect(&timer_, &QTimer::timeout, this, &MessageBoxes::Poll);
  timer_.start(10);
}

void MessageBoxes::Poll() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box || box == last_ || answers_.isEmpty()) return;
  last_ = box;
  const QWidget* owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
  seen_.append({box->text(), box->windowTitle(), box->icon(), box->standardButtons(),
                owner ? owner->objectName() : QString()});
  const QMessageBox::StandardButton answer = answers_.takeFirst();
  if (QAbstractButton* button = box->button(answer))
    button->click();
  else
    box->reject();  // not the buttons the test expected; Seen() tells it so
}

}  // namespace app_testing

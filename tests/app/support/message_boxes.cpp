#include "tests/app/support/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QWindow>

namespace app_testing {

MessageBoxes::MessageBoxes(QList<QMessageBox::StandardButton> answers) : answers_(std::move(answers)) {
  connect(&timer_, &QTimer::timeout, this, &MessageBoxes::Poll);
  timer_.start(10);
}

namespace {

// The window a box stands over: its parent's, or the one it is transient for.
const QWidget* OwnerOf(const QMessageBox* box) {
  if (box->parentWidget()) return box->parentWidget()->window();
  const QWindow* over = box->windowHandle() ? box->windowHandle()->transientParent() : nullptr;
  if (!over) return nullptr;
  for (const QWidget* w : QApplication::topLevelWidgets())
    if (w->windowHandle() == over) return w;
  return nullptr;
}

}  // namespace

void MessageBoxes::Poll() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box || box == last_ || answers_.isEmpty()) return;
  last_ = box;
  const QWidget* owner = OwnerOf(box);
  seen_.append({box->text(), box->windowTitle(), box->icon(), box->standardButtons(),
                owner ? owner->objectName() : QString()});
  const QMessageBox::StandardButton answer = answers_.takeFirst();
  if (QAbstractButton* button = box->button(answer))
    button->click();
  else
    box->reject();  // not the buttons the test expected; Seen() tells it so
}

}  // namespace app_testing

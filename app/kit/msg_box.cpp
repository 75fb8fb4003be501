#include "app/kit/msg_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QList>
#include <QMessageBox>
#include <QSpacerItem>
#include <QWindow>

#include "app/kit/program.h"

namespace pitchlog {
namespace {

QList<QMessageBox::StandardButton> Buttons(int style) {
  switch (style & 7) {
    case msgbox::OkCancel: return {QMessageBox::Ok, QMessageBox::Cancel};
    case msgbox::YesNoCancel: return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
    case msgbox::YesNo: return {QMessageBox::Yes, QMessageBox::No};
    default: return {QMessageBox::Ok};
  }
}

QMessageBox::Icon Icon(int style) {
  switch (style & 0x70) {
    case msgbox::Critical: return QMessageBox::Critical;
    case msgbox::Question: return QMessageBox::Question;
    case msgbox::Exclamation: return QMessageBox::Warning;
    case msgbox::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// A box sizes itself to its text and buttons; one with a short text would be narrower than its
// title, which the window manager then cuts ("Orve... chlog"). The title bar holds the title in
// about the window's bold font, an icon and three buttons about as wide as the bar is high.
void KeepRoomForTitle(QMessageBox& box) {
  QFont font = box.font();
  font.setBold(true);
  const QFontMetrics metrics(font);
  const int bar = metrics.height() + 8;
  const int needed = metrics.horizontalAdvance(box.windowTitle()) + 5 * bar;
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  const QMargins margins = grid->contentsMargins();
  grid->addItem(new QSpacerItem(needed - margins.left() - margins.right(), 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                grid->rowCount(), 0, 1, grid->columnCount());
}

msgbox::Answer ToAnswer(int button) {
  switch (button) {
    case QMessageBox::Cancel: return msgbox::Cancel;
    case QMessageBox::Yes: return msgbox::Yes;
    case QMessageBox::No: return msgbox::No;
    default: return msgbox::Ok;
  }
}

}  // namespace

msgbox::Answer MsgBox(const QString& text, int style, const QString& title) {
  const QList<QMessageBox::StandardButton> buttons = Buttons(style);
  // Not a child of the active window: that may be a dialog awaiting its deferred delete, which
  // runs inside exec() below and would free a child box. A shown window only carries the box as
  // a transient, which Qt forgets safely when the window goes.
  QMessageBox box(Icon(style), title.isEmpty() ? App.Title : title, text, QMessageBox::NoButton);
  if (QWidget* active = QApplication::activeWindow(); active && active->isVisible()) {
    box.winId();
    if (active->windowHandle() && box.windowHandle()) box.windowHandle()->setTransientParent(active->windowHandle());
  }
  for (QMessageBox::StandardButton b : buttons) box.addButton(b);
  const int default_index = (style >> 8) & 3;
  box.setDefaultButton(buttons.value(default_index, buttons.front()));
  KeepRoomForTitle(box);
  box.exec();
  return ToAnswer(box.standardButton(box.clickedButton()));
}

}  // namespace pitchlog

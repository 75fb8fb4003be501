#include "app/shell/msg_box.h"

#include <QApplication>
#include <QList>
#include <QMessageBox>

#include "app/shell/program.h"

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
  // A window that has just unloaded may still be the active one until the activation moves on;
  // it is deleted while the box is open, and would take the box with it.
  QWidget* owner = QApplication::activeWindow();
  if (owner && !owner->isVisible()) owner = nullptr;
  QMessageBox box(Icon(style), title.isEmpty() ? App.Title : title, text, QMessageBox::NoButton, owner);
  for (QMessageBox::StandardButton b : buttons) box.addButton(b);
  const int default_index = (style >> 8) & 3;
  box.setDefaultButton(buttons.value(default_index, buttons.front()));
  box.exec();
  return ToAnswer(box.standardButton(box.clickedButton()));
}

}  // namespace pitchlog

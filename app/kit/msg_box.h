// The program's one message box: buttons, icon and default button in one style word, the
// answer as the button pressed.
#pragma once

#include <QString>

namespace pitchlog {

namespace msgbox {
enum Style : int {
  OkOnly = 0,
  OkCancel = 1,
  YesNoCancel = 3,
  YesNo = 4,
  Critical = 16,
  Question = 32,
  Exclamation = 48,
  Information = 64,
  DefaultButton2 = 256,
  DefaultButton3 = 512,
};
enum Answer : int { Ok = 1, Cancel = 2, Yes = 6, No = 7 };
}  // namespace msgbox

// Modal box over the active window, owned by no window; an empty title is the application title.
msgbox::Answer MsgBox(const QString& text, int style = msgbox::OkOnly, const QString& title = QString());

}  // namespace pitchlog

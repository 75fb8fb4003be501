// What the keyboard does in every window of the program, set once for the whole application:
// - Enter on a focused push or tool button presses that button, as Space does; a dialog's
//   default button takes Enter only while no other button has the focus.
// - Enter on a row of a list whose rows open on a double click opens the current row, as a
//   double click does, instead of pressing the window's default button.
// - A key that moves a list's current row (arrows, page keys, a typed name) does what a click on
//   the row it moved to does.
#pragma once

namespace pitchlog {

// Later calls do nothing.
void InstallKeyboardRules();

}  // namespace pitchlog

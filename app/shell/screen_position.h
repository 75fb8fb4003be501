// Where a window goes to stand in the middle of the screen.
#pragma once

#include <QPoint>
#include <QSize>

namespace pitchlog {

// Top-left corner of a window of size `window` centred on a screen of size `screen`. A window
// taller than the screen keeps its title bar on screen (top 0); its left may be negative.
QPoint CentredPosition(QSize screen, QSize window);

}  // namespace pitchlog

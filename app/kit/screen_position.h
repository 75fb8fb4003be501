// Where a window goes: in the middle of the screen, and inside the free area of its screen (the
// screen less the desktop's panels).
#pragma once

#include <QEvent>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace pitchlog {

// Top-left corner of a window of size `window` centred on a screen of size `screen`. A window
// taller than the screen keeps its title bar on screen (top 0); its left may be negative.
QPoint CentredPosition(QSize screen, QSize window);

// The outer size (frame included) of a window that wants `wanted` in a free area of size
// `free_area`: as wanted where that fits, smaller where not, never below `least`.
QSize FittedSize(QSize free_area, QSize wanted, QSize least);

// Top-left corner of `frame` moved by the least distance that brings it inside `free_area`; a
// frame larger than the area keeps its top-left corner (title bar and menus) in the area's.
QPoint MovedInside(const QRect& free_area, const QRect& frame);

// Top-left corner of a frame of size `frame` centred in `free_area`, moved inside as above.
QPoint CentredIn(const QRect& free_area, QSize frame);

// The free area of the screen a top-level window stands on, or opens on.
QRect FreeArea(const QWidget& window);

// The window with its frame where the window manager has framed it and the window is on screen;
// the client area alone before.
QRect FrameOf(const QWidget& window);

// What the window's frame adds to its client area; nothing while the frame is not known.
QSize FrameExtra(const QWidget& window);

// The largest client area the window may have with its frame inside its free area.
QSize ClientRoom(const QWidget& window);

// Gives a top-level window its designed size (its client area) where that fits the free area,
// less where not, and centres it there.
void OpenInFreeArea(QWidget& window, QSize designed);

// Moves a top-level window that stands out of its free area back inside, made smaller first
// when it is larger and may be resized. A window inside stays where it is.
void KeepInFreeArea(QWidget& window);

// Sent to a window each time the rules placed it: the room it has may have changed.
QEvent::Type FramePlacedEvent();

// Every window of the program opens inside its free area, is placed again once the window
// manager has framed it (the frame is unknown when it opens), and a window that code makes
// larger (a score dialog given more goals) stays inside. Later calls do nothing.
void InstallScreenRules();

}  // namespace pitchlog

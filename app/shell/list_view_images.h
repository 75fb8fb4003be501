// The image list of the main window's lists: one 16 x 16 football that marks a game with a result.
#pragma once

#include <QIcon>

class QTreeWidget;

namespace pitchlog {

// The one football icon, sharp at any size and pixel ratio it is drawn at.
QIcon Football();

// Rows of the list are high enough for the football in the first column whether or not a row
// shows it: a list of uniform rows measures its first row for all of them.
void KeepRoomForFootball(QTreeWidget* list);

}  // namespace pitchlog

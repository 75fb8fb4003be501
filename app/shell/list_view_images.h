// The image list of the main window's lists: one 16 x 16 football that marks a game with a result.
#pragma once

#include <QIcon>

namespace pitchlog {

QIcon Football();

}  // namespace pitchlog

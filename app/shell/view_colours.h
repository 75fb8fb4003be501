// The colours the tournament views paint with: the user's teams from the program-wide colour
// copies, and the system's text colours.
#pragma once

#include <QColor>

#include "app/shell/score_text.h"

namespace kelvane {
class IPitchlog;
}

namespace pitchlog {

TeamColours CurrentTeamColours(kelvane::IPitchlog& engine);
QColor GreyText();
QColor WindowText();

}  // namespace pitchlog

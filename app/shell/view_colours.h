// The colours the tournament views paint with: the user's teams from the program-wide colour
// copies, and the system's text colours.
#pragma once

#include <QColor>

#include "app/kit/score_text.h"

namespace kelvane {
class IPitchlog;
}

namespace pitchlog {

TeamColours CurrentTeamColours(kelvane::IPitchlog& engine);
QColor GreyText();
QColor WindowText();
// Text that stands for what is not decided yet: paler than the window's text but still easy to
// read on the window (a contrast of at least 4.5 to 1), unlike the disabled grey.
QColor PlaceholderText();
// The contrast ratio of two colours, 1 to 21, as readability guidelines measure it.
double Contrast(const QColor& a, const QColor& b);

}  // namespace pitchlog

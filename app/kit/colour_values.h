// Long RGB colour values (red in the low byte) as the settings store them.
#pragma once

#include <cstdint>

#include <QColor>

namespace pitchlog {

// red + 256 × green + 65536 × blue.
int32_t LongRgb(const QColor& colour);

// Each channel of a 24-bit colour halfway to white, the half rounded down: white stays white,
// black gives 127 in each channel.
int32_t GhostColour(int32_t colour);

}  // namespace pitchlog

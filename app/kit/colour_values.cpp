#include "app/kit/colour_values.h"

namespace pitchlog {

int32_t LongRgb(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return rgb.red() + 256 * rgb.green() + 65536 * rgb.blue();
}

int32_t GhostColour(int32_t colour) {
  const int32_t blue = colour / 65536;
  const int32_t rest = colour - 65536 * blue;
  const int32_t green = rest / 256;
  const int32_t red = rest - 256 * green;
  auto ghost = [](int32_t channel) { return (channel + 255) / 2; };
  return ghost(red) + 256 * ghost(green) + 65536 * ghost(blue);
}

}  // namespace pitchlog

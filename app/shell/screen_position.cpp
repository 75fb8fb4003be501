#include "app/shell/screen_position.h"

#include <algorithm>

namespace pitchlog {

QPoint CentredPosition(QSize screen, QSize window) {
  const int left = (screen.width() - window.width()) / 2;
  const int top = (screen.height() - window.height()) / 2;
  return QPoint(left, std::max(top, 0));
}

}  // namespace pitchlog

// A drawn picture in a label, painted with the pixels of the screen the label is on: sharp
// beside sharp text at any scale, and painted again when the label comes to a screen of
// another ratio. A picture the window takes away (an emptied label) stays away.
#pragma once

#include <functional>

#include <QPixmap>

class QLabel;

namespace pitchlog {

using PicturePainter = std::function<QPixmap(qreal ratio)>;

void ShowSharpPicture(QLabel* label, PicturePainter paint);

}  // namespace pitchlog

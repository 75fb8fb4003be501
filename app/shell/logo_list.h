// The About box's pictures, drawn rather than shipped. The licence-terms and contact boxes take
// theirs from the same list.
#pragma once

#include <QPixmap>

namespace pitchlog {

namespace logo {
enum Picture : int {
  Illustrator = 1,  // the illustrator's logo
  Program = 2,      // the program's logo
  Developer = 3,    // the developer's logo
  Credits = 4,      // the credits picture
};
}  // namespace logo

// Painted with the pixels of the screen's ratio.
QPixmap LogoList(logo::Picture picture, qreal ratio);

}  // namespace pitchlog

// The program's pictures, drawn rather than shipped: the splash picture, the maker's logo and
// the window icon.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace pitchlog {

// Each picture is `size` in logical pixels, painted with the pixels of the screen's ratio.
QPixmap SplashPicture(QSize size, qreal ratio);
QPixmap CorpLogo(QSize size, qreal ratio);
QPixmap ProgramLogo(int side, qreal ratio);
QIcon ProgramIcon();

}  // namespace pitchlog

// The program's pictures, drawn rather than shipped: the splash picture, the maker's logo and
// the window icon.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace pitchlog {

QPixmap SplashPicture(QSize size);
QPixmap CorpLogo(QSize size);
QIcon ProgramIcon();

}  // namespace pitchlog

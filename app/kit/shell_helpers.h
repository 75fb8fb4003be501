// Helpers that many windows use: connection state, opening addresses and files with the
// desktop, and the local time zone.
#pragma once

#include <cstdint>

#include <QString>
#include <QUrl>

namespace pitchlog {

// May the info bar load pages from the web? A download server on this machine counts as on line.
bool IsOnline();

// Opens a web or mail address, or a file of the program folder, with the desktop. Always True.
bool ShellOpen(const QString& file, const QString& params = QString(), const QString& dir = QString());

// What ShellOpen would hand to the desktop; an invalid URL when it refuses. A relative file name
// is taken in `dir`, else in the program folder.
QUrl OpenableUrl(const QString& file, const QString& dir);

// Minutes east of UTC, daylight saving included when in force.
int32_t LocalUtcOffsetMinutes();

}  // namespace pitchlog

// What the start tells the user about data files it could not use.
#pragma once

#include <QString>

#include "engine/pitchlog_interface.h"

namespace pitchlog {

// The notice about the data files that exist but could not be read: each file and the name it
// is kept under before the program saves over it. Empty when there is none.
QString UnreadableFilesText(kelvane::IPitchlog& engine);

// What the start tells before the splash: a settings file that is missing (the program runs on
// its defaults), a file that is missing while a copy of it that could not be read is kept beside
// it, and the unreadable files. Empty when there is nothing to tell.
QString StartNoticeText(kelvane::IPitchlog& engine, const QString& program_folder);

// The refusal of a start that lacks `file` (below the program folder, empty when unknown).
QString IncompleteDatabaseText(const QString& program_folder, const QString& file);

}  // namespace pitchlog

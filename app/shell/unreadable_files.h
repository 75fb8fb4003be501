// What the start tells the user about data files it could not use.
#pragma once

#include <QString>

#include "engine/pitchlog_interface.h"

namespace pitchlog {

// The notice about the data files that exist but could not be read: each file and the name it
// is kept under before the program saves over it. Empty when there is none.
QString UnreadableFilesText(kelvane::IPitchlog& engine);

// The refusal of a start that lacks `file` (below the program folder, empty when unknown).
QString IncompleteDatabaseText(const QString& program_folder, const QString& file);

}  // namespace pitchlog

// The result sets that the scenario dialogs offer.
#pragma once

#include <QStringList>

#include "engine/pitchlog_interface.h"

namespace pitchlog {

// Every set in the Results folder that can be opened, but the default one, in alphabetical order
// whatever order the folder lists them in.
QStringList ScenarioNames(kelvane::IPitchlog& engine);

}  // namespace pitchlog

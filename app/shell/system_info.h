// Starts the desktop's system information tool, or says that there is none.
#pragma once

namespace pitchlog {

// The first tool of the known ones that is on the PATH and starts; when none does, a box says
// "System Information Is Unavailable At This Time".
void StartSysInfo();

}  // namespace pitchlog

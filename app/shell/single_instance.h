// One copy of the program runs on a program folder: each copy saves its whole documents from
// memory, so two would overwrite each other's changes.
#pragma once

#include <QString>

namespace pitchlog {

// Makes this copy the one that runs on the folder: True when it is, or already was. False when
// another copy runs there (it has been asked to come forward), or when a lock that no copy here
// answers to stops the start (the user has been told why and what to do). A lock that a killed
// copy left behind does not count. Where no lock can be made, a copy that runs there still
// takes the next start, and one that doesn't runs and says it is unguarded.
bool ClaimProgramFolder(const QString& program_folder);

// Did this start hand over to a copy already running on the folder? Then it ends as a success.
bool HandedToRunningCopy();

// Lets the folder go, at the program's end.
void ReleaseProgramFolder();

// The name the running copy of the folder listens under.
QString InstanceServerName(const QString& program_folder);

}  // namespace pitchlog

// The start routine and the end of the program.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "engine/pitchlog_interface.h"

namespace pitchlog {

// Creates and loads the engine, fills the program-wide variables and shows the splash window.
// False when the data are incomplete (the user has been told) or another copy runs on the folder
// (it has come forward), and the program must end.
// Throws when the engine can't be created.
bool Main(const QString& program_folder = QCoreApplication::applicationDirPath());

// Main as the program runs it: a failure to create the engine is shown like any other error.
bool StartProgram(const QString& program_folder = QCoreApplication::applicationDirPath());

// LoadAll, and the settings, teams and games that the windows can't do without. Never throws.
// When it fails, `missing` names the file below the program folder that the start lacks.
bool LoadDatabase(kelvane::IPitchlog& engine, QString* missing = nullptr);

// Unloads every window and leaves the event loop.
void EndProgram();

// After the event loop: the windows go first, then the engine and its library.
void ReleaseProgram();

}  // namespace pitchlog

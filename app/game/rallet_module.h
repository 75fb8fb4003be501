// The game's small module: where its high-score file lives, and its sounds.
#pragma once

#include <QString>

namespace pitchlog {

// The per-user data folder with a "/" at the end; "" when the system names none.
QString WindowsDirectoryPath();

// The game asks for a sound by name ("SNDMISS", "SNDPADDLE", "SNDBORDER", "SNDBONUS",
// "SNDCREDIT", or "" when it closes); none is played.
int PlayGameSound(const QString& name);

}  // namespace pitchlog

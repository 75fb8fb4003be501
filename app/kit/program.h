// The program-wide state that the start routine fills and every window reads.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <QString>

#include "engine/pitchlog_interface.h"

namespace pitchlog {

// The application object: the program folder, the title of boxes that name none, the help file.
struct Application {
  QString Path;  // the executable's folder, without a trailing "/"
  QString Title = QStringLiteral("Orvessa Pitchlog");
  QString HelpFile;
};
extern Application App;

// The one engine object of the run.
extern std::shared_ptr<kelvane::IPitchlog> gobjKelvane;
// Main window caption and heading of printouts.
extern QString gstrAppTitle;
// The user's team colours (RGB, red in the low byte); the settings dialog refreshes them.
extern int32_t glngMyTeamColour;
extern int32_t glngMyTeamGhost;
extern int32_t glngMyOtherTeamColour;
extern int32_t glngMyOtherTeamGhost;

// The windows name squads of up to 26 players, shirts 1 to 26, as the shipped squads are.
inline constexpr int kSquadSize = 26;

inline QString ToQ(const std::string& text) { return QString::fromStdString(text); }
inline std::string ToStd(const QString& text) { return text.toStdString(); }

}  // namespace pitchlog

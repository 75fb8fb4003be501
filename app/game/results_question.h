// Before a match is played as a tournament game, the one question that lets the user keep what
// it would replace.
#pragma once

#include <QString>

#include "app/game/match_results.h"

namespace pitchlog::rallet {

// Names the game's stored result, which the match replaces, and the knock-out games whose
// results it removes (a knock-out game's winner starts again from nothing) or can remove (a
// group game's score moves the group's places). Empty when the match replaces nothing.
QString ReplaceQuestion(kelvane::IPitchlog& engine, const MatchGame& game);

}  // namespace pitchlog::rallet

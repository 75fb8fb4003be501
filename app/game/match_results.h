// Results mode: a two-player match played as a tournament game, whose score and goals go into
// the results through the engine as they fall. Nothing is saved.
#pragma once

#include <string>

namespace kelvane {
class IPitchlog;
}

namespace pitchlog::rallet {

struct MatchGame {
  std::string id;
  bool group = false;
};

// The game starts from nothing: an earlier result with its goals and kicks goes, and the score
// is 0-0.
void StartResult(kelvane::IPitchlog& engine, const MatchGame& game);

// A goal for the home side (player 1) or the away side, with the scores after it. A goal of the
// decider (`decider`) wins a knock-out game in extra time; the other goals are normal time.
void RecordGoal(kelvane::IPitchlog& engine, const MatchGame& game, bool home_scored, int home_score,
                int away_score, int minute, bool decider);

// A match played to its end: the result is final, a knock-out game's once it has a winner.
void EndResult(kelvane::IPitchlog& engine, const MatchGame& game);

}  // namespace pitchlog::rallet

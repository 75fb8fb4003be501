#include "app/game/match_results.h"

#include <algorithm>
#include <cstdint>

#include "engine/pitchlog_interface.h"

namespace pitchlog::rallet {
namespace {

int16_t Goals(int score) { return static_cast<int16_t>(std::clamp(score, 0, 999)); }

// No shoot-out: empty figures write none, so no game shows a shoot-out of 0-0.
const kelvane::Variant kNoKicks{std::string()};

}  // namespace

void StartResult(kelvane::IPitchlog& engine, const MatchGame& game) {
  engine.RemoveResult(game.id);
  if (game.group)
    engine.GroupScore(game.id, 0, 0);
  else
    engine.KOScore(game.id, 0, 0, kNoKicks, kNoKicks, kNoKicks, kNoKicks, 0, 0, false);
}

void RecordGoal(kelvane::IPitchlog& engine, const MatchGame& game, bool home_scored, int home_score,
                int away_score, int minute, bool decider) {
  if (game.group) {
    engine.GroupScore(game.id, Goals(home_score), Goals(away_score));
  } else if (decider) {
    const int16_t home_extra = home_scored ? 1 : 0;
    const int16_t away_extra = home_scored ? 0 : 1;
    engine.KOScore(game.id, Goals(home_score - home_extra), Goals(away_score - away_extra), kNoKicks, kNoKicks,
                   kNoKicks, kNoKicks, home_extra, away_extra, true);
  } else {
    engine.KOScore(game.id, Goals(home_score), Goals(away_score), kNoKicks, kNoKicks, kNoKicks, kNoKicks, 0, 0,
                   false);
  }
  const kelvane::Variant id(game.id);
  const std::string team = home_scored ? engine.HomeTeam(id) : engine.AwayTeam(id);
  engine.AddGoal(game.id, team, "", false, false, kelvane::Variant(), kelvane::Variant(static_cast<int32_t>(minute)));
}

void EndResult(kelvane::IPitchlog& engine, const MatchGame& game) {
  engine.SetResult(game.id, game.group || !engine.Results(game.id, "winner").ToString().empty());
}

}  // namespace pitchlog::rallet

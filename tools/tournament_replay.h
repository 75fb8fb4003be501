// Plays a whole tournament's real results into the engine, game by game, the way the score
// dialogs enter them.
#pragma once

#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "engine/pitchlog_interface.h"

namespace kelvane::replay {

// The facts file of a tournament (games in number order with scores, goals and shoot-outs).
nlohmann::json LoadFacts(const std::string& path);

// Game number (1-64) to game id, from the engine's schedule.
std::map<int, std::string> GameIds(IPitchlog& engine);

// Team name to team id, from the engine's team list.
std::map<std::string, std::string> TeamIds(IPitchlog& engine);

// Enters one game: RemoveResult, GroupScore or KOScore, the goals (home side first, each in
// minute order), the shoot-out kicks, the Result flag. The engine must hold the fixtures.
void PlayGame(IPitchlog& engine, const nlohmann::json& game, const std::string& game_id,
              const std::map<std::string, std::string>& team_ids);

// Plays every game in number order; after_each (if set) runs after each game.
void PlayAll(IPitchlog& engine, const nlohmann::json& facts,
             const std::function<void(const nlohmann::json& game, const std::string& game_id)>& after_each = {});

}  // namespace kelvane::replay

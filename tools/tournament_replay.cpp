#include "tools/tournament_replay.h"

#include <algorithm>
#include <fstream>

#include "engine/game_ids.h"
#include "platform/component/error.h"

namespace kelvane::replay {
namespace {

std::string Shirt(int shirt) { return (shirt < 10 ? "0" : "") + std::to_string(shirt); }

const std::string& Id(const std::map<std::string, std::string>& ids, const std::string& name) {
  auto it = ids.find(name);
  if (it == ids.end()) throw Error(ErrorKind::Other, "no team named " + name);
  return it->second;
}

}  // namespace

nlohmann::json LoadFacts(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw Error(ErrorKind::File, "cannot read " + path);
  return nlohmann::json::parse(in);
}

std::map<int, std::string> GameIds(IPitchlog& engine) {
  std::map<int, std::string> ids;
  const int16_t count = engine.LoadSchedule();
  for (int16_t i = 0; i < count; ++i) {
    const Variant index(i);
    ids[Variant(engine.Games(index, "gameno")).ToInt32()] = engine.ScheduleGameID(index);
  }
  return ids;
}

std::map<std::string, std::string> TeamIds(IPitchlog& engine) {
  std::map<std::string, std::string> ids;
  Variant list = engine.TeamList();
  const Array& a = list.AsArray();
  for (int32_t j = a.LBound(2); j <= a.UBound(2); ++j) ids[a.at(1, j).ToString()] = a.at(0, j).ToString();
  return ids;
}

void PlayGame(IPitchlog& engine, const nlohmann::json& game, const std::string& game_id,
              const std::map<std::string, std::string>& team_ids) {
  const std::string home = engine.HomeTeam(Variant(game_id));
  const std::string away = engine.AwayTeam(Variant(game_id));
  const auto home_score = game["score"][0].get<int16_t>();
  const auto away_score = game["score"][1].get<int16_t>();

  engine.RemoveResult(game_id);
  const bool knockout = !IsGroupGameID(game_id);
  if (!knockout) {
    engine.GroupScore(game_id, home_score, away_score);
  } else {
    const bool extra_time = !game["et"].is_null();
    const int16_t home_et = extra_time ? game["et"][0].get<int16_t>() - home_score : 0;
    const int16_t away_et = extra_time ? game["et"][1].get<int16_t>() - away_score : 0;
    Variant taken[2] = {Variant(""), Variant("")}, scored[2] = {Variant(""), Variant("")};
    if (!game["pens"].is_null()) {
      int16_t kicks[2] = {0, 0};
      for (const auto& kick : game["shootout"]) ++kicks[kick["team"] == "home" ? 0 : 1];
      for (int side = 0; side < 2; ++side) {
        taken[side] = kicks[side];
        scored[side] = game["pens"][side].get<int16_t>();
      }
    }
    engine.KOScore(game_id, home_score, away_score, taken[0], taken[1], scored[0], scored[1], home_et, away_et,
                   extra_time);
  }

  for (const char* side : {"home", "away"}) {
    std::vector<nlohmann::json> goals;
    for (const auto& goal : game["goals"])
      if (goal["team"] == side) goals.push_back(goal);
    std::stable_sort(goals.begin(), goals.end(), [](const auto& a, const auto& b) {
      return std::pair{a["minute"].template get<int>(), a["added"].template get<int>()} <
             std::pair{b["minute"].template get<int>(), b["added"].template get<int>()};
    });
    for (const auto& goal : goals) {
      const std::string scorer =
          Id(team_ids, goal["player_team"].get<std::string>()) + Shirt(goal["shirt"].get<int>());
      const int minute = goal["minute"].get<int>();
      if (!engine.AddGoal(game_id, side == std::string("home") ? home : away, scorer, goal["penalty"].get<bool>(),
                          goal["own_goal"].get<bool>(), Variant(), Variant(static_cast<int16_t>(minute))))
        throw Error(ErrorKind::Other, "game " + game_id + ": the engine refused a goal");
    }
  }
  if (game["shootout"].is_array())
    for (const auto& kick : game["shootout"]) {
      const bool home_kick = kick["team"] == "home";
      const std::string taker = (home_kick ? home : away) + Shirt(kick["shirt"].get<int>());
      if (!engine.AddPenalty(game_id, home_kick ? home : away, kick["scored"].get<bool>(), taker))
        throw Error(ErrorKind::Other, "game " + game_id + ": the engine refused a shoot-out kick");
    }
  engine.SetResult(game_id, true);
  if (!knockout) engine.CalcGroupTable(engine.GameStage(Variant(game_id)));
}

void PlayAll(IPitchlog& engine, const nlohmann::json& facts,
             const std::function<void(const nlohmann::json& game, const std::string& game_id)>& after_each) {
  const auto game_ids = GameIds(engine);
  const auto team_ids = TeamIds(engine);
  for (const auto& game : facts["games"]) {
    const int number = game["no"].get<int>();
    auto it = game_ids.find(number);
    if (it == game_ids.end()) throw Error(ErrorKind::Other, "no game number " + std::to_string(number));
    PlayGame(engine, game, it->second, team_ids);
    if (after_each) after_each(game, it->second);
  }
}

}  // namespace kelvane::replay

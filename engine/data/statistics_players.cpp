// LoadStats: player totals and goal minutes from the goal and kick records of a team record.
#include <algorithm>

#include "engine/data/statistics_figures.h"
#include "engine/pitchlog.h"

namespace kelvane {
namespace {

constexpr int32_t kGoals = 0, kPenaltyGoals = 1, kOwnGoals = 2, kKicksScored = 3, kKicksMissed = 4;
constexpr int32_t kMinuteSeries = 5;

// Index 0 holds every record; a player below 0 (an empty id) counts there only.
void AddPlayerTotal(stats::Store& s, int32_t stage, int32_t stat, int32_t player, int32_t value) {
  for (int32_t at_stage : {0, stage}) {
    s.player_totals.Add({at_stage, stat, 0}, value);
    if (player > 0) s.player_totals.Add({at_stage, stat, player}, value);
  }
}

int32_t FigureOf(xml::Node record, const char* name) { return stats::Figure(record.FirstChild(name)).value_or(0); }

// The quarter hour of a goal: minutes 1-15 give 0, 16-30 give 1, and so on; nothing when the
// minute is not a number (a stoppage-time note, say).
std::optional<int32_t> MinuteSlot(xml::Node goal) {
  xml::Node minutes = goal.FirstChild("minutes");
  if (!minutes) return std::nullopt;
  const Variant text(minutes.Text());
  if (!text.IsNumeric()) return std::nullopt;
  try {
    return std::max<int32_t>(text.ToInt16() - 1, 0) / 15;
  } catch (const Error&) {
    return std::nullopt;
  }
}

}  // namespace

void Pitchlog::CountGoals(xml::Node record, int32_t stage, int16_t team) {
  for (const xml::Node& goal : record.Children("goal")) {
    if (const auto slot = MinuteSlot(goal))
      for (int32_t at_stage : {0, stage}) stats_.chart.Count({at_stage, kMinuteSeries, *slot});
    xml::Node player_id = goal.FirstChild("playerid");
    if (!player_id) continue;
    const std::string id = player_id.Text();
    int32_t player = -1;
    if (!id.empty()) {
      std::string name = PlayerName(id);
      if (name.empty())
        if (xml::Node written = goal.FirstChild("playername")) name = written.Text();
      player = StatsPlayer(id, name, team);
    }
    const int32_t pen = FigureOf(goal, "pen"), own_goal = FigureOf(goal, "og");
    // Every goal record counts in the totals; an own goal counts for its scorer as nothing but
    // an own goal, so it can't make a top scorer.
    AddPlayerTotal(stats_, stage, kGoals, 0, 1);
    AddPlayerTotal(stats_, stage, kPenaltyGoals, 0, pen);
    AddPlayerTotal(stats_, stage, kOwnGoals, player, own_goal);
    if (player > 0 && own_goal == 0) {
      for (int32_t at_stage : {0, stage}) {
        stats_.player_totals.Add({at_stage, kGoals, player}, 1);
        stats_.player_totals.Add({at_stage, kPenaltyGoals, player}, pen);
      }
    }
  }
}

void Pitchlog::CountKicks(xml::Node record, int32_t stage, int16_t team) {
  for (const xml::Node& kick : record.Children("penalty")) {
    xml::Node taker_id = kick.FirstChild("takerid");
    if (!taker_id) continue;
    const std::string id = taker_id.Text();
    int32_t player = -1;
    if (!id.empty()) {
      xml::Node written = kick.FirstChild("takername");
      player = StatsPlayer(id, written ? written.Text() : std::string(), team);
    }
    AddPlayerTotal(stats_, stage, kKicksScored, player, FigureOf(kick, "scored"));
    AddPlayerTotal(stats_, stage, kKicksMissed, player, FigureOf(kick, "missed"));
  }
}

// The players file knows a player's own team; the record that holds the first goal does not
// when that goal is an own goal, so the record's team is only the fallback.
int32_t Pitchlog::StatsPlayer(const std::string& player_id, const std::string& name, int16_t team) {
  auto [it, is_new] = stats_.player_index.emplace(player_id, static_cast<int32_t>(stats_.player_info.size()));
  if (!is_new) return it->second;
  const std::string own_team = PlayerTeam(player_id).ToString();
  std::array<std::string, stats::kTeamInfoRows> team_info = stats_.team_info[team];
  if (!own_team.empty()) {
    const int16_t slot = StatsTeamSlot(own_team);
    team_info = slot != 0 ? stats_.team_info[slot]
                          : std::array<std::string, stats::kTeamInfoRows>{own_team, TeamName(own_team),
                                                                          Teams(own_team, "group")};
  }
  stats_.player_info.push_back({player_id, name, PlayerShirt(player_id), team_info[0], team_info[1], team_info[2]});
  stats_.player_totals.Extend(it->second);
  return it->second;
}

}  // namespace kelvane

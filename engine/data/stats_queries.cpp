// Reading the statistics of the last LoadStats: cells, whole arrays, info tables, chart series.
#include "engine/pitchlog.h"

namespace kelvane {

int16_t Pitchlog::TeamTotals(int16_t stage, int16_t team, int16_t stat) {
  return stats_.team_totals.at({stage, team, stat});
}
int16_t Pitchlog::TeamScored(int16_t stage, int16_t team, int16_t stat) {
  return stats_.team_scored.at({stage, team, stat});
}
int16_t Pitchlog::TeamConceded(int16_t stage, int16_t team, int16_t stat) {
  return stats_.team_conceded.at({stage, team, stat});
}
int16_t Pitchlog::TeamMargins(int16_t stage, int16_t team, int16_t stat) {
  return stats_.team_margins.at({stage, team, stat});
}
int16_t Pitchlog::TeamGoals(int16_t stage, int16_t team, int16_t stat) {
  return stats_.team_goals.at({stage, team, stat});
}
int16_t Pitchlog::GroupTotals(int16_t group, int16_t stat) { return stats_.group_totals.at({group, stat}); }
int16_t Pitchlog::GroupWinning(int16_t group, int16_t stat) { return stats_.group_winning.at({group, stat}); }
int16_t Pitchlog::GroupLosing(int16_t group, int16_t stat) { return stats_.group_losing.at({group, stat}); }
int16_t Pitchlog::GroupMargins(int16_t group, int16_t stat) { return stats_.group_margins.at({group, stat}); }
int16_t Pitchlog::GroupGoals(int16_t group, int16_t stat) { return stats_.group_goals.at({group, stat}); }
int16_t Pitchlog::PlayerTotals(int16_t stage, int16_t stat, int16_t player) {
  return stats_.player_totals.at({stage, stat, player});
}

Variant Pitchlog::TeamTotalsArray() { return stats_.team_totals.ToVariant(); }
Variant Pitchlog::TeamScoredArray() { return stats_.team_scored.ToVariant(); }
Variant Pitchlog::TeamConcededArray() { return stats_.team_conceded.ToVariant(); }
Variant Pitchlog::TeamMarginsArray() { return stats_.team_margins.ToVariant(); }
Variant Pitchlog::TeamGoalsArray() { return stats_.team_goals.ToVariant(); }
Variant Pitchlog::GroupTotalsArray() { return stats_.group_totals.ToVariant(); }
Variant Pitchlog::GroupWinningArray() { return stats_.group_winning.ToVariant(); }
Variant Pitchlog::GroupLosingArray() { return stats_.group_losing.ToVariant(); }
Variant Pitchlog::GroupMarginsArray() { return stats_.group_margins.ToVariant(); }
Variant Pitchlog::GroupGoalsArray() { return stats_.group_goals.ToVariant(); }
Variant Pitchlog::PlayerTotalsArray() { return stats_.player_totals.ToVariant(); }

int16_t Pitchlog::PlayerTotalsIndex(const std::string& player) {
  auto it = stats_.player_index.find(player);
  return it == stats_.player_index.end() ? int16_t{-1} : Variant(it->second).ToInt16();
}

std::string Pitchlog::PlayerTotalsInfo(int16_t attr, int16_t index) {
  if (attr < 0 || attr >= stats::kPlayerInfoRows || index < 0 ||
      static_cast<size_t>(index) >= stats_.player_info.size())
    return "";
  return stats_.player_info[static_cast<size_t>(index)][static_cast<size_t>(attr)];
}

std::string Pitchlog::PlayerTotalsID(int16_t index) { return PlayerTotalsInfo(0, index); }
std::string Pitchlog::PlayerTotalsName(int16_t index) { return PlayerTotalsInfo(1, index); }

std::string Pitchlog::StatsTeam(int16_t index, int16_t team) {
  if (index < 0 || index >= stats::kTeamInfoRows || team < 0 || team >= stats::kTeamSlots)
    throw kelvane::Error(ErrorKind::SubscriptOutOfRange,
                         "subscript out of range: (" + std::to_string(index) + ", " + std::to_string(team) + ")");
  return stats_.team_info[static_cast<size_t>(team)][static_cast<size_t>(index)];
}

Variant Pitchlog::ChartData(int16_t stage, int16_t stat, int16_t value) {
  if (!stats_.chart.Contains({stage, stat, value})) return Variant();
  return stats_.chart.at({stage, stat, value});
}

Variant Pitchlog::ChartColumns() { return Variant(int32_t{stats_.chart.Upper() + 1}); }

}  // namespace kelvane

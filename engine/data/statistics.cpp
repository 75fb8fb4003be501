// LoadStats: team, group and chart figures from the team records of the results.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>

#include "engine/data/statistics_figures.h"
#include "engine/data/text.h"
#include "engine/game_ids.h"
#include "engine/pitchlog.h"

namespace kelvane {
namespace {

using stats::Store;

// The figure keys of a team record, in team stat order.
constexpr const char* kKeys[] = {"p", "w", "d", "l", "f", "a", "etf", "eta", "pw", "pl",
                                 "pentakenf", "pentakena", "penscoredf", "penscoreda"};
constexpr int32_t kP = 0, kD = 2, kF = 4, kA = 5, kEtf = 6, kEta = 7;
constexpr int32_t kAllFor = 14, kAllAgainst = 15, kNormalTimeGoals = 16, kAllGoals = 17, kDecidedInExtraTime = 18;

// A record without an id counts with the group games, in a group of none.
int32_t StageOf(const std::string& game_id) { return game_id.empty() || IsGroupGameID(game_id) ? 1 : 2; }

// 1..8 for a group game of A..H, 9 for a knock-out game, 0 for a group game of no group.
int32_t GroupSlotOf(const std::string& game_id, int32_t stage) {
  if (stage == 2) return 9;
  const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(game_id.empty() ? ' ' : game_id[0])));
  return letter >= 'A' && letter <= 'H' ? letter - 'A' + 1 : 0;
}

// Slot 0 is the tournament's own row: a team without a slot counts there once, like any team.
void AddTeamTotal(Store& s, int32_t stage, int16_t team, int32_t stat, int32_t value) {
  for (int32_t at_stage : {0, stage}) {
    s.team_totals.Add({at_stage, 0, stat}, value);
    if (team != 0) s.team_totals.Add({at_stage, team, stat}, value);
  }
}

template <int Dims>
void CountAtStages(stats::Counters<Dims>& counts, std::array<int32_t, Dims - 1> at, int32_t stage) {
  typename stats::Counters<Dims>::Index i{};
  for (int32_t at_slot : {0, stage}) {
    i[0] = at_slot;
    for (int d = 1; d < Dims; ++d) i[d] = at[d - 1];
    counts.Count(i);
  }
}

// Figures of a game counted once, from its first team record.
void CountGroupGame(Store& s, int32_t stage, int32_t group, int16_t f, int16_t a) {
  const int32_t hi = std::max(f, a), lo = std::min(f, a);
  for (int32_t slot : {0, group}) {
    s.group_totals.Add({slot, 2}, hi);
    s.group_totals.Add({slot, 3}, lo);
    s.group_totals.Add({slot, 4}, hi - lo);
    s.group_winning.Count({slot, hi});
    s.group_losing.Count({slot, lo});
    s.group_margins.Count({slot, hi - lo});
    s.group_goals.Count({slot, hi + lo});
  }
  CountAtStages(s.chart, {3, hi}, stage);
  CountAtStages(s.chart, {4, lo}, stage);
}

void DeriveTeamTotals(stats::Counters<3>& totals) {
  auto sum = [&](int32_t s, int32_t t, int32_t x, int32_t y) {
    return static_cast<int16_t>(std::min<int32_t>(totals.at({s, t, x}) + totals.at({s, t, y}), INT16_MAX));
  };
  for (int32_t t = 0; t < stats::kTeamSlots; ++t)
    for (int32_t s = 0; s < stats::kStages; ++s) {
      totals.Set({s, t, kAllFor}, sum(s, t, kF, kEtf));
      totals.Set({s, t, kAllAgainst}, sum(s, t, kA, kEta));
      totals.Set({s, t, kNormalTimeGoals}, sum(s, t, kF, kA));
      totals.Set({s, t, kAllGoals}, sum(s, t, kAllFor, kAllAgainst));
    }
  // Every game reaches the tournament's row from both of its records.
  for (int32_t s = 0; s < stats::kStages; ++s)
    for (int32_t stat : {kP, kD, kNormalTimeGoals, kAllGoals, kDecidedInExtraTime})
      totals.Set({s, 0, stat}, stats::HalfToEven(totals.at({s, 0, stat})));
}

// Series 0 to 2 count each game from both of its records.
void HalveCounts(stats::Counters<3>& chart) {
  for (int32_t s = 0; s < stats::kStages; ++s)
    for (int32_t series = 0; series < 3; ++series)
      for (int32_t column = 0; column <= chart.Upper(); ++column)
        chart.Set({s, series, column}, stats::HalfToEven(chart.at({s, series, column})));
}

}  // namespace

void Pitchlog::LoadStats() {
  stats_.Reset();
  IndexStatsTeams();
  xml::Node root = results_->HasRoot() ? results_->Root() : xml::Node();
  if (root && root.FirstChild("games")) {
    bool first_of_game = true;
    for (xml::Node record : root.Descendants("team")) {
      CountTeamRecord(record, first_of_game);
      first_of_game = !first_of_game;
    }
  }

  DeriveTeamTotals(stats_.team_totals);
  HalveCounts(stats_.chart);
}

// Slots follow the team list, so a placeholder takes no slot. A team past the last slot counts
// only in the tournament's row; a repeated id keeps its place, its records go to the first.
void Pitchlog::IndexStatsTeams() {
  if (!teams_->HasRoot()) return;
  int16_t slot = 0;
  for (const xml::Node& team : teams_->Root().Children("team")) {
    const std::string id = team.Attribute("teamid");
    if (text::StartsWith(id, "_")) continue;
    if (++slot >= stats::kTeamSlots) break;
    if (!id.empty()) stats_.team_index.emplace(text::Lower(id), slot);
    stats_.team_info[slot] = {id, TeamName(id), Teams(id, "group")};
  }
}

int16_t Pitchlog::StatsTeamSlot(const std::string& team_id) const {
  auto it = stats_.team_index.find(text::Lower(team_id));
  return it == stats_.team_index.end() ? 0 : it->second;
}

void Pitchlog::CountTeamRecord(xml::Node record, bool first_of_game) {
  xml::Node game = record.Parent();
  const std::string game_id = game ? game.Attribute("gameid") : std::string();
  const int32_t stage = StageOf(game_id);
  const int32_t group = GroupSlotOf(game_id, stage);
  const int16_t team = StatsTeamSlot(record.Attribute("teamid"));

  int16_t f = 0;
  for (int32_t key = 0; key < static_cast<int32_t>(std::size(kKeys)); ++key) {
    const std::optional<int16_t> figure = stats::Figure(record.FirstChild(kKeys[key]));
    if (!figure) continue;
    const int16_t v = *figure;
    if (key == kP && v == 0) break;  // the team has not played the game
    AddTeamTotal(stats_, stage, team, key, v);
    if (key == kF) {
      f = v;
      CountAtStages(stats_.team_scored, {team, v}, stage);
      CountAtStages(stats_.chart, {0, v}, stage);
    } else if (key == kA) {
      const int32_t margin = std::abs(f - v), goals = f + v;
      CountAtStages(stats_.team_conceded, {team, v}, stage);
      CountAtStages(stats_.team_margins, {team, margin}, stage);
      CountAtStages(stats_.chart, {1, margin}, stage);
      CountAtStages(stats_.team_goals, {team, goals}, stage);
      CountAtStages(stats_.chart, {2, goals}, stage);
    }
    if (!first_of_game || group == 0) continue;
    if (key == kP || key == kD)
      for (int32_t slot : {0, group}) stats_.group_totals.Add({slot, key == kP ? 0 : 1}, v);
    if (key == kA) CountGroupGame(stats_, stage, group, f, v);
  }

  xml::Node extra_time = game ? game.FirstChild("extratime") : xml::Node();
  if (extra_time && extra_time.Text() == "true" &&
      stats::Figure(record.FirstChild("etf")).value_or(0) != stats::Figure(record.FirstChild("eta")).value_or(0))
    AddTeamTotal(stats_, stage, team, kDecidedInExtraTime, 1);

  CountGoals(record, stage, team);
  CountKicks(record, stage, team);
}

}  // namespace kelvane

// The statistics storage that LoadStats fills and the statistics queries read.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/component/variant.h"

namespace kelvane::stats {

inline constexpr int32_t kStages = 3;        // 0 all games, 1 group games, 2 knock-out games
inline constexpr int32_t kTeamSlots = 33;    // 0 the whole tournament, 1..32 the teams
inline constexpr int32_t kTeamStats = 19;
inline constexpr int32_t kGroupSlots = 10;   // 0 all games, 1..8 groups A..H, 9 knock-out games
inline constexpr int32_t kGroupStats = 5;
inline constexpr int32_t kPlayerStats = 5;   // goals, penalty goals, own goals, kicks scored, missed
inline constexpr int32_t kChartSeries = 6;
inline constexpr int32_t kTeamInfoRows = 3;  // team id, name, group
inline constexpr int32_t kPlayerInfoRows = 6;  // player id, name, shirt, team id, team name, group

// 16-bit counters over Dims dimensions, each from 0, first index fastest. The leading
// extents are fixed; the last dimension grows whenever a count lands beyond it. Counts
// saturate at the 16-bit limit instead of wrapping.
template <int Dims>
class Counters {
 public:
  using Index = std::array<int32_t, Dims>;

  Counters(std::array<int32_t, Dims - 1> leading, int32_t upper) : leading_(leading) { Reset(upper); }

  // Upper bound of the last dimension.
  int32_t Upper() const { return upper_; }
  // Dimensions count from 1, as for an Array.
  int32_t UBound(int dimension) const { return dimension == Dims ? upper_ : leading_[dimension - 1] - 1; }
  bool Contains(const Index& i) const;

  // Subscript out of range outside the current bounds, negative indexes included.
  int16_t at(const Index& i) const;
  void Set(const Index& i, int16_t value) { cells_[Offset(i)] = value; }
  // Grows the last dimension first when i lies beyond it.
  void Add(const Index& i, int32_t value);
  void Count(const Index& i) { Add(i, 1); }
  // Grows the last dimension to upper, keeping every count; never shrinks it.
  void Extend(int32_t upper) {
    if (upper > upper_) Grow(upper);
  }

  // Zeros every cell, the last dimension running 0 To upper.
  void Reset(int32_t upper);
  // A copy as an array of Integers with the same bounds.
  Variant ToVariant() const;

 private:
  size_t Width() const;
  size_t Offset(const Index& i) const;
  void Grow(int32_t upper);

  std::array<int32_t, Dims - 1> leading_;
  int32_t upper_ = 0;
  std::vector<int16_t> cells_;
};

extern template class Counters<2>;
extern template class Counters<3>;

// Rounds half of a count to the even neighbour: 7 gives 4, 5 gives 2.
int16_t HalfToEven(int16_t value);

struct Store {
  Counters<3> team_totals{{kStages, kTeamSlots}, kTeamStats - 1};
  Counters<2> group_totals{{kGroupSlots}, kGroupStats - 1};
  // [team slot][row]; slot 0 and slots that no team took stay empty.
  std::array<std::array<std::string, kTeamInfoRows>, kTeamSlots> team_info;

  // (stage, stat, player index); player index 0 holds the totals of every record.
  Counters<3> player_totals{{kStages, kPlayerStats}, 0};
  // [player index][row]; index 0 has no player and stays empty.
  std::vector<std::array<std::string, kPlayerInfoRows>> player_info{1};

  // Games by score, margin and goals in all: (stage, team slot, value) and (group slot, value).
  Counters<3> team_scored{{kStages, kTeamSlots}, 0}, team_conceded{{kStages, kTeamSlots}, 0},
      team_margins{{kStages, kTeamSlots}, 0}, team_goals{{kStages, kTeamSlots}, 0};
  Counters<2> group_winning{{kGroupSlots}, 0}, group_losing{{kGroupSlots}, 0}, group_margins{{kGroupSlots}, 0},
      group_goals{{kGroupSlots}, 0};
  // (stage, series, column); the six series share the columns.
  Counters<3> chart{{kStages, kChartSeries}, 0};

  // Lower-cased team id to team slot; player id as written to player index.
  std::unordered_map<std::string, int16_t> team_index;
  std::unordered_map<std::string, int32_t> player_index;

  // Everything back to the state before any result was counted.
  void Reset();
};

}  // namespace kelvane::stats

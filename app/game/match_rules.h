// The rules of a match as free functions: the match clock, the texts between goals and at the
// end, and which result sets and games the results mode plays.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include <QString>

#include "engine/game_ids.h"

namespace pitchlog::rallet {

inline constexpr int kFullTime = 90;
// The clock of a drawn match that runs on until the next goal (shown "GG").
inline constexpr int kDecider = -1;
// One match minute of the clock, in milliseconds.
inline constexpr int kMinuteMs = 300;
inline constexpr int kLastExtraTimeMinute = 120;
// The pause before each kick-off after a goal.
inline constexpr int kKickOffPauseMs = 1500;

// A score as shown: above 999 it counts again from 1.
int ShownScore(int score);

// The clock text: the minute, or "GG" in the decider.
QString ClockText(int minute);

// One tick of the match clock of a two-player game.
struct ClockTick {
  int minute;
  bool stop_clock;  // a level match after 90 runs to the next goal
  bool end_game;
};
ClockTick TickClock(int minute, bool level, bool group_game_of_results_mode);

// The minute that a goal of the decider is recorded with: extra time, counted on from 91.
int DeciderMinute(int64_t ms_since_full_time);

// msgLines 6 to 8 before a kick-off by player 1 or 2.
std::array<QString, 3> KickOffLines(int serving, const QString& home_name, const QString& away_name,
                                    bool two_players, int64_t p1_score, int64_t p2_score);
// msgLines 6 to 8 at the end of a two-player match.
std::array<QString, 3> FinalLines(const QString& home_name, const QString& away_name, int64_t p1_score,
                                  int64_t p2_score);

// Does playing in this result set write two-player matches into the results?
bool IsResultsModeSet(const std::string& results_set);
using kelvane::IsGroupGameID;
// Long team names made short enough for the score line.
QString ShortTeamName(const QString& name);

}  // namespace pitchlog::rallet

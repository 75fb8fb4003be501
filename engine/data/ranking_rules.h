// The group ranking rules as pure functions: one composite score per team encodes points,
// the head-to-head results of teams level on points, goal difference, goals and lots.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace kelvane::ranking {

struct Totals {
  int16_t p = 0, w = 0, d = 0, l = 0, f = 0, a = 0;
};

// a + b in 16 bits; an overflow throws kelvane::Error(Overflow).
int16_t Add16(int16_t a, int16_t b);
// 3 × won + drawn − deduction, in checked 16-bit arithmetic.
int16_t Points(int16_t won, int16_t drawn, int16_t deduction);

double Score(const Totals& t, int16_t deduction, int16_t lots);
// What a team's head-to-head record inside its run adds to its score.
double HeadToHeadBonus(const Totals& h2h);

// Row indexes (0-3) from first place to fourth; of equal scores the lower index comes first.
std::array<int, 4> Order(const std::array<double, 4>& scores);

// The places (0-based, first and last) of the run of teams level on points that reaches
// first or second place, if there is one.
std::optional<std::pair<int, int>> LevelRun(const std::array<double, 4>& scores_by_place);

// "1", "2=" ... for the places, from their final scores.
std::array<std::string, 4> Labels(const std::array<double, 4>& scores_by_place);

// The score as stored: shortest decimal form of up to 15 significant digits, with "." whatever
// the process locale.
std::string ScoreText(double score);

}  // namespace kelvane::ranking

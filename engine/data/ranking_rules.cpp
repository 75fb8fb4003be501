#include "engine/data/ranking_rules.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/component/error.h"

namespace kelvane::ranking {
namespace {

int16_t To16(long value) {
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max())
    throw Error(ErrorKind::Overflow, "group figure out of range: " + std::to_string(value));
  return static_cast<int16_t>(value);
}

bool LevelOnPoints(double a, double b) { return std::trunc(a + 0.49) == std::trunc(b + 0.49); }

}  // namespace

int16_t Add16(int16_t a, int16_t b) { return To16(long{a} + b); }

int16_t Points(int16_t won, int16_t drawn, int16_t deduction) {
  return To16(3L * won + drawn - deduction);
}

double Score(const Totals& t, int16_t deduction, int16_t lots) {
  return 2'000'000'000.0 + 10'000'000.0 * Points(t.w, t.d, deduction) + 0.01 * (t.f - t.a) + 0.0001 * t.f -
         0.00001 * lots;
}

double HeadToHeadBonus(const Totals& h) {
  return 10'000.0 * (3.0 * h.w + h.d) + 100.0 * (h.f - h.a) + 5'000.0 + h.f;
}

std::array<int, 4> Order(const std::array<double, 4>& scores) {
  std::array<int, 4> order{};
  std::array<bool, 4> placed{};
  for (int k = 0; k < 4; ++k) {
    int best = -1;
    for (int t = 0; t < 4; ++t)
      if (!placed[t] && (best < 0 || scores[t] > scores[best])) best = t;
    placed[best] = true;
    order[k] = best;
  }
  return order;
}

std::optional<std::pair<int, int>> LevelRun(const std::array<double, 4>& s) {
  if (LevelOnPoints(s[0], s[1])) {
    int last = 1;
    if (LevelOnPoints(s[2], s[0])) {
      last = 2;
      if (LevelOnPoints(s[3], s[0])) last = 3;
    }
    return std::pair{0, last};
  }
  if (LevelOnPoints(s[1], s[2])) return std::pair{1, LevelOnPoints(s[3], s[1]) ? 3 : 2};
  return std::nullopt;
}

std::array<std::string, 4> Labels(const std::array<double, 4>& s) {
  std::array<std::string, 4> labels;
  labels[0] = s[0] == s[1] ? "1=" : "1";
  for (int k = 1; k <= 2; ++k) {
    if (s[k] == s[k - 1])
      labels[k] = labels[k - 1];
    else
      labels[k] = std::to_string(k + 1) + (s[k] == s[k + 1] ? "=" : "");
  }
  labels[3] = s[3] == s[2] ? labels[2] : "4";
  return labels;
}

// Always with ".": the file is read under whatever locale opens it next.
std::string ScoreText(double score) {
  char buf[32];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, score, std::chars_format::general, 15);
  (void)ec;  // 15 significant digits always fit
  return std::string(buf, end);
}

}  // namespace kelvane::ranking

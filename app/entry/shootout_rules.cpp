#include "app/entry/shootout_rules.h"

#include <algorithm>
#include <cstddef>

namespace pitchlog::entry {

namespace {

constexpr int kRounds = 5;

struct Tally {
  int taken = 0;
  int scored = 0;
};

// Neither can catch the other any more: five kicks each, or as many as a side has begun.
bool Over(const Tally& a, const Tally& b) {
  const int last = std::max({kRounds, a.taken, b.taken});
  return a.scored > b.scored + (last - b.taken) || b.scored > a.scored + (last - a.taken);
}

// The kicks taken alternately, first's before second's; true when a kick follows the end.
bool GoesOn(const std::vector<bool>& first, const std::vector<bool>& second) {
  Tally a, b;
  const std::size_t kicks = first.size() + second.size();
  for (std::size_t k = 0; k < kicks; ++k) {
    if (k > 0 && Over(a, b)) return true;
    const bool firsts_turn = k % 2 == 0;
    const std::vector<bool>& side = firsts_turn ? first : second;
    Tally& tally = firsts_turn ? a : b;
    tally.scored += side[static_cast<std::size_t>(tally.taken)] ? 1 : 0;
    ++tally.taken;
  }
  return false;
}

}  // namespace

bool KickedAfterTheEnd(const std::vector<bool>& home, const std::vector<bool>& away) {
  const std::size_t h = home.size();
  const std::size_t a = away.size();
  const bool home_first = h == a || h == a + 1;
  const bool away_first = h == a || a == h + 1;
  if (!home_first && !away_first) return false;  // another rule refuses counts further apart
  return !((home_first && !GoesOn(home, away)) || (away_first && !GoesOn(away, home)));
}

}  // namespace pitchlog::entry

#include "engine/data/stats_store.h"

#include <algorithm>
#include <limits>

#include "platform/component/error.h"

namespace kelvane::stats {

template <int Dims>
bool Counters<Dims>::Contains(const Index& i) const {
  for (int d = 0; d < Dims; ++d)
    if (i[d] < 0 || i[d] > UBound(d + 1)) return false;
  return true;
}

template <int Dims>
size_t Counters<Dims>::Width() const {
  size_t width = 1;
  for (int32_t extent : leading_) width *= static_cast<size_t>(extent);
  return width;
}

template <int Dims>
size_t Counters<Dims>::Offset(const Index& i) const {
  if (!Contains(i)) {
    std::string text;
    for (int32_t n : i) text += (text.empty() ? "" : ", ") + std::to_string(n);
    throw Error(ErrorKind::SubscriptOutOfRange, "subscript out of range: (" + text + ")");
  }
  size_t offset = static_cast<size_t>(i[Dims - 1]);
  for (int d = Dims - 2; d >= 0; --d) offset = offset * static_cast<size_t>(leading_[d]) + static_cast<size_t>(i[d]);
  return offset;
}

template <int Dims>
int16_t Counters<Dims>::at(const Index& i) const {
  return cells_[Offset(i)];
}

template <int Dims>
void Counters<Dims>::Add(const Index& i, int32_t value) {
  if (i[Dims - 1] > upper_) Grow(i[Dims - 1]);
  int16_t& cell = cells_[Offset(i)];
  const int32_t sum = std::clamp<int32_t>(cell + value, std::numeric_limits<int16_t>::min(),
                                          std::numeric_limits<int16_t>::max());
  cell = static_cast<int16_t>(sum);
}

// The last index varies slowest, so growing keeps every cell where it was.
template <int Dims>
void Counters<Dims>::Grow(int32_t upper) {
  upper_ = upper;
  cells_.resize(Width() * static_cast<size_t>(upper + 1), 0);
}

template <int Dims>
void Counters<Dims>::Reset(int32_t upper) {
  upper_ = upper;
  cells_.assign(Width() * static_cast<size_t>(upper + 1), 0);
}

template <int Dims>
Variant Counters<Dims>::ToVariant() const {
  Array array = [this] {
    if constexpr (Dims == 2)
      return Array(0, leading_[0] - 1, 0, upper_);
    else
      return Array(0, leading_[0] - 1, 0, leading_[1] - 1, 0, upper_);
  }();
  Index i{};
  for (size_t n = 0; n < cells_.size(); ++n) {
    if constexpr (Dims == 2)
      array.Set(i[0], i[1], Variant(cells_[n]));
    else
      array.Set(i[0], i[1], i[2], Variant(cells_[n]));
    for (int d = 0; d < Dims && ++i[d] > UBound(d + 1); ++d) i[d] = 0;
  }
  return array;
}

template class Counters<2>;
template class Counters<3>;

int16_t HalfToEven(int16_t value) {
  const int32_t half = value / 2;
  if (value % 2 == 0) return static_cast<int16_t>(half);
  // An odd count lies halfway between two whole numbers: take the even one.
  const int32_t away = half + (value > 0 ? 1 : -1);
  return static_cast<int16_t>(half % 2 == 0 ? half : away);
}

void Store::Reset() {
  team_totals.Reset(kTeamStats - 1);
  group_totals.Reset(kGroupStats - 1);
  for (auto& slot : team_info) slot.fill("");
  player_totals.Reset(0);
  player_info.assign(1, {});
  for (Counters<3>* team : {&team_scored, &team_conceded, &team_margins, &team_goals}) team->Reset(0);
  for (Counters<2>* group : {&group_winning, &group_losing, &group_margins, &group_goals}) group->Reset(0);
  chart.Reset(0);
  team_index.clear();
  player_index.clear();
}

}  // namespace kelvane::stats

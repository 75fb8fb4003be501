// A sweep option's source: a placing, or a team or player statistic, single or for everyone.
#include <algorithm>
#include <clocale>
#include <cmath>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/data/text.h"
#include "engine/pitchlog.h"

namespace kelvane {
namespace {

constexpr int32_t kLastStage = stats::kStages - 1;
constexpr int32_t kLastTeamSlot = stats::kTeamSlots - 1;
constexpr int32_t kLastTeamStat = stats::kTeamStats - 1;
constexpr int32_t kLastPlayerStat = stats::kPlayerStats - 1;

// The game and field of each placing, from 1.
constexpr std::pair<const char*, const char*> kPlaces[] = {
    {"Z1", "winner"}, {"Z1", "loser"}, {"Y1", "winner"}, {"Y1", "loser"}};

std::string Trim(std::string_view s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first, s.find_last_not_of(' ') - first + 1));
}

std::vector<std::string> Split(std::string_view s) {
  std::vector<std::string> parts;
  for (size_t start = 0;;) {
    const size_t comma = s.find(',', start);
    parts.emplace_back(s.substr(start, comma - start));
    if (comma == std::string_view::npos) return parts;
    start = comma + 1;
  }
}

// The argument as a number; nothing when it is none, or one too large to read.
std::optional<double> Number(const std::string& argument) {
  const Variant v(argument);
  if (!v.IsNumeric()) return std::nullopt;
  try {
    return v.ToDouble();
  } catch (const Error&) {
    return std::nullopt;
  }
}

// A number from 0 to last as an index, halves rounded to the even neighbour.
std::optional<int32_t> Index(std::optional<double> number, int32_t last) {
  if (!number || *number < 0 || *number > last) return std::nullopt;
  return static_cast<int32_t>(std::nearbyint(*number));
}

// The user's decimal separator: the program runs under the locale of the user's environment.
std::string DecimalSeparator() {
  const char* point = std::localeconv()->decimal_point;
  return point && *point ? point : ".";
}

// Three decimals, nothing before the separator when the whole part is 0: ".500", "1.500" (or
// ",500", "1,500").
std::string ThreeDecimals(double value) {
  const long long thousandths = std::llround(std::fabs(value) * 1000);
  const long long whole = thousandths / 1000;
  std::string fraction = std::to_string(thousandths % 1000);
  fraction.insert(0, 3 - fraction.size(), '0');
  return std::string(value < 0 && thousandths != 0 ? "-" : "") + (whole ? std::to_string(whole) : "") +
         DecimalSeparator() + fraction;
}

// One statistic over "games played" (team) or "goals" (player); nothing when that is 0.
std::optional<double> Quotient(int16_t value, int16_t divisor) {
  if (divisor == 0) return std::nullopt;
  return static_cast<double>(value) / divisor;
}

}  // namespace

Variant Pitchlog::SweepSource(const std::string& source) {
  const size_t open = source.find('(');
  const size_t close = source.rfind(')');
  if (open == std::string::npos || close == std::string::npos || close < open) return Variant();
  const std::string name = text::Lower(source.substr(0, open));
  const std::string inside = source.substr(open + 1, close - open - 1);
  const std::vector<std::string> args = inside.empty() ? std::vector<std::string>() : Split(inside);

  if (name == "place") {
    const std::optional<double> number = args.empty() ? std::nullopt : Number(args[0]);
    // Rounded first, as the placing is taken as a whole number.
    const double place = number ? std::nearbyint(*number) : 0;
    if (!(place >= 1 && place <= static_cast<double>(std::size(kPlaces)))) return Variant();
    const auto& [game, field] = kPlaces[static_cast<size_t>(place) - 1];
    return Results(game, field).ToString();
  }

  const bool team_source = name == "teamtotals" || name == "teamaverage";
  const bool player_source = name == "playertotals" || name == "playeraverage";
  if (!(team_source || player_source) || args.size() < 3) return Variant();
  const bool average = name.ends_with("average");
  const std::string stage_arg = Trim(args[0]);
  const std::string who = Trim(team_source ? args[1] : args[2]);
  const std::string stat_arg = Trim(team_source ? args[2] : args[1]);
  const std::optional<int32_t> stage = Index(Number(stage_arg), kLastStage);
  const std::optional<int32_t> stat = Index(Number(stat_arg), team_source ? kLastTeamStat : kLastPlayerStat);
  if (!stage || !stat) return Variant();

  const stats::Counters<3>& totals = team_source ? TeamTotalsStore() : PlayerTotalsStore();
  const int32_t last = team_source ? kLastTeamSlot : totals.Upper();
  // (value, divisor) of one team slot or player index.
  auto figure = [&](int32_t index) {
    return team_source ? std::pair(totals.at({*stage, index, *stat}), totals.at({*stage, index, 0}))
                       : std::pair(totals.at({*stage, *stat, index}), totals.at({*stage, 0, index}));
  };

  if (const std::optional<double> number = Number(who)) {
    const std::optional<int32_t> index = Index(number, last);
    if (!index) return Variant();
    const auto [value, divisor] = figure(*index);
    if (!average) return value;
    const std::optional<double> quotient = Quotient(value, divisor);
    return quotient ? Variant(*quotient) : Variant();
  }
  if (who != "?") return Variant();

  // The cell of one team slot or player index in the list for everyone.
  auto cell = [&](int32_t index) {
    const auto [value, divisor] = figure(index);
    if (!average) return Variant(value);
    const std::optional<double> quotient = Quotient(value, divisor);
    return quotient ? Variant(ThreeDecimals(*quotient)) : Variant();
  };
  if (team_source) {
    const Variant teams_variant = TeamList();
    const Array& teams = teams_variant.AsArray();
    Array list(0, 1, 0, teams.UBound(2));
    for (int32_t column = 0; column <= teams.UBound(2); ++column) {
      list.Set(0, column, teams.at(0, column));
      // A team past the last slot has no statistics of its own.
      if (column + 1 <= kLastTeamSlot) list.Set(1, column, cell(column + 1));
    }
    return list;
  }
  Array list(0, std::max(last - 1, 0));
  for (int32_t player = 1; player <= last; ++player) list.Set(player - 1, cell(player));
  return list;
}

}  // namespace kelvane

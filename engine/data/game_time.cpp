#include "engine/data/game_time.h"

#include <array>
#include <cstdio>
#include <optional>
#include <regex>

#include "engine/data/text.h"
#include "platform/component/error.h"

namespace kelvane::game_time {
namespace {

using namespace std::chrono;

std::optional<unsigned> MonthNumber(const std::string& word) {
  static const std::array<const char*, 12> names = {"january", "february", "march",     "april",
                                                    "may",     "june",     "july",      "august",
                                                    "september", "october", "november", "december"};
  for (unsigned i = 0; i < names.size(); ++i) {
    const std::string name = names[i];
    if (word == name || word == name.substr(0, 3)) return i + 1;
  }
  return std::nullopt;
}

[[noreturn]] void NotADate(std::string_view text) {
  throw Error(ErrorKind::TypeMismatch, "not a date: \"" + std::string(text) + "\"");
}

}  // namespace

sys_seconds Parse(std::string_view text) {
  // Groups: the date's three parts, then hours, minutes and seconds.
  static const std::string clock = R"((?:\s+(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)";
  static const std::regex day_month_year(R"(^\s*(\d{1,2})\s+([a-z]+)\.?,?\s+(\d{4}))" + clock);
  static const std::regex month_day_year(R"(^\s*([a-z]+)\.?\s+(\d{1,2}),?\s+(\d{4}))" + clock);
  static const std::regex iso(R"(^\s*(\d{4})-(\d{1,2})-(\d{1,2}))" + clock);

  const std::string lower = text::Lower(text);
  std::smatch m;
  std::string year, month, day;
  std::optional<unsigned> month_no;
  if (std::regex_match(lower, m, day_month_year)) {
    day = m[1], month_no = MonthNumber(m[2]), year = m[3];
  } else if (std::regex_match(lower, m, month_day_year)) {
    month_no = MonthNumber(m[1]), day = m[2], year = m[3];
  } else if (std::regex_match(lower, m, iso)) {
    year = m[1], month_no = static_cast<unsigned>(std::stoi(m[2])), day = m[3];
  } else {
    NotADate(text);
  }
  if (!month_no) NotADate(text);
  const year_month_day date{std::chrono::year(std::stoi(year)), std::chrono::month(*month_no),
                            std::chrono::day(static_cast<unsigned>(std::stoi(day)))};
  const auto part = [&](int i) { return m[i].matched ? std::stoi(m[i]) : 0; };
  const int h = part(4), min = part(5), s = part(6);
  if (!date.ok() || h > 23 || min > 59 || s > 59) NotADate(text);
  return sys_days(date) + hours(h) + minutes(min) + seconds(s);
}

std::string Format(sys_seconds time) {
  const sys_days day = floor<days>(time);
  const year_month_day date(day);
  const hh_mm_ss clock(time - day);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(date.year()),
                static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                static_cast<int>(clock.seconds().count()));
  return buf;
}

}  // namespace kelvane::game_time

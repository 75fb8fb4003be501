#include "engine/data/game_time.h"

#include <array>
#include <cstdio>
#include <optional>

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


// Reads left to right without backtracking, so no text, however long, costs more than one pass.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ == text_.size(); }
  // Skips white space; true when there was some.
  bool Space() {
    const size_t start = pos_;
    while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
    return pos_ > start;
  }
  bool Char(char c) {
    if (pos_ >= text_.size() || text_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  // Between `least` and `most` digits; -1 when there are fewer, or more follow.
  int Digits(size_t least, size_t most) {
    size_t n = 0;
    int value = 0;
    while (pos_ + n < text_.size() && IsDigit(text_[pos_ + n])) {
      if (++n > most) return -1;
      value = value * 10 + (text_[pos_ + n - 1] - '0');
    }
    if (n < least) return -1;
    pos_ += n;
    return value;
  }
  std::string Letters() {
    const size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] >= 'a' && text_[pos_] <= 'z') ++pos_;
    return std::string(text_.substr(start, pos_ - start));
  }

 private:
  static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

  std::string_view text_;
  size_t pos_ = 0;
};

struct Fields {
  int year = -1, month = -1, day = -1;
  int hour = 0, minute = 0, second = 0;
};

int MonthOf(const std::string& word) {
  const auto number = MonthNumber(word);
  return number ? static_cast<int>(*number) : -1;
}

// "20 november 2022", "20 nov., 2022"
bool DayMonthYear(Scanner& s, Fields& f) {
  if ((f.day = s.Digits(1, 2)) < 0 || !s.Space()) return false;
  f.month = MonthOf(s.Letters());
  s.Char('.');
  s.Char(',');
  return s.Space() && (f.year = s.Digits(4, 4)) >= 0;
}

// "november 20, 2022", "nov. 20 2022"
bool MonthDayYear(Scanner& s, Fields& f) {
  const std::string word = s.Letters();
  if (word.empty()) return false;
  f.month = MonthOf(word);
  s.Char('.');
  if (!s.Space() || (f.day = s.Digits(1, 2)) < 0) return false;
  s.Char(',');
  return s.Space() && (f.year = s.Digits(4, 4)) >= 0;
}

// "2022-11-20"
bool IsoDate(Scanner& s, Fields& f) {
  return (f.year = s.Digits(4, 4)) >= 0 && s.Char('-') && (f.month = s.Digits(1, 2)) >= 0 && s.Char('-') &&
         (f.day = s.Digits(1, 2)) >= 0;
}

// " 17:00" or " 17:00:30", or nothing; then only white space.
bool ClockAndEnd(Scanner& s, Fields& f) {
  if (!s.Space()) return s.AtEnd();
  if (s.AtEnd()) return true;
  if ((f.hour = s.Digits(1, 2)) < 0 || !s.Char(':') || (f.minute = s.Digits(2, 2)) < 0) return false;
  if (s.Char(':') && (f.second = s.Digits(2, 2)) < 0) return false;
  s.Space();
  return s.AtEnd();
}

}  // namespace

sys_seconds Parse(std::string_view text) {
  const std::string lower = text::Lower(text);
  Fields f;
  bool read = false;
  for (bool (*date)(Scanner&, Fields&) : {&DayMonthYear, &MonthDayYear, &IsoDate}) {
    Scanner s(lower);
    s.Space();
    f = Fields{};
    if (date(s, f) && ClockAndEnd(s, f)) {
      read = true;
      break;
    }
  }
  if (!read || f.month < 1 || f.month > 12 || f.hour > 23 || f.minute > 59 || f.second > 59) NotADate(text);
  const year_month_day date{std::chrono::year(f.year), std::chrono::month(static_cast<unsigned>(f.month)),
                            std::chrono::day(static_cast<unsigned>(f.day))};
  if (!date.ok()) NotADate(text);
  return sys_days(date) + hours(f.hour) + minutes(f.minute) + seconds(f.second);
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

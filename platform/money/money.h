// Amounts of money as the user reads them: stakes, bids, payments and balances. The windows and
// the pages both write money through this one rule, so an amount reads the same in either.
#pragma once

#include <langinfo.h>
#include <locale.h>
#include <monetary.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/component/error.h"
#include "platform/component/variant.h"

namespace kelvane::money {
namespace detail {

// An amount is kept to the cent. Where the currency writes fewer decimals (whole yen), an amount
// with cents shows them, so that the amounts shown add up to the totals shown.
inline const char* FormatFor(double amount, const char* frac_digits) {
  const int digits = frac_digits ? static_cast<unsigned char>(*frac_digits) : CHAR_MAX;
  if (digits >= 2) return "%n";  // CHAR_MAX too: the C library's own two
  const double scale = digits == 1 ? 10 : 1;
  return std::round(amount * 100) == std::round(amount * scale) * (100 / scale) ? "%n" : "%.2n";
}

// `format(buffer, size, pattern, amount)` is strfmon or strfmon_l.
template <typename Format>
std::string Formatted(double amount, const char* pattern, Format format) {
  if (!std::isfinite(amount)) throw Error(ErrorKind::Overflow, "amount out of range");
  // The widest double with grouping and symbol fits in a few hundred bytes. A buffer too small
  // is not always reported as E2BIG, so any failure is tried again with a larger one.
  for (size_t size = 64; size <= 4096; size *= 2) {
    std::string text(size, '\0');
    const ssize_t n = format(text.data(), text.size(), pattern, amount);
    if (n >= 0) {
      text.resize(static_cast<size_t>(n));
      return text;
    }
  }
  throw Error(ErrorKind::Other, "cannot format an amount of money");
}

inline bool IsPlainC(int category) {
  const char* name = setlocale(category, nullptr);
  return !name || std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0;
}

}  // namespace detail

// The amount in the national currency format of `locale`'s LC_MONETARY: its symbol, decimals,
// grouping and negative form. A non-finite amount is an overflow.
inline std::string FormatCurrency(double amount, locale_t locale) {
  const char* pattern = detail::FormatFor(amount, nl_langinfo_l(FRAC_DIGITS, locale));
  return detail::Formatted(amount, pattern, [locale](char* text, size_t size, const char* p, double value) {
    return strfmon_l(text, size, locale, p, value);
  });
}

// The same in the format of the calling thread's LC_MONETARY: the process's, which the program
// takes from the user's environment when it starts, or a UserFormat's.
inline std::string FormatCurrency(double amount) {
  const char* pattern = detail::FormatFor(amount, nl_langinfo(FRAC_DIGITS));
  return detail::Formatted(amount, pattern, [](char* text, size_t size, const char* p, double value) {
    return strfmon(text, size, p, value);
  });
}

// For as long as it lives, the calling thread writes numbers and money in the format that the
// user's environment names (LC_ALL, LC_NUMERIC, LC_MONETARY, LANG), where the process left them
// at "C": a caller that creates the engine without setting a locale gets the pages the user
// reads, and its own locale stays as it was. A locale the caller set, for the process or for
// the thread, is kept.
class UserFormat {
 public:
  UserFormat() {
    if (uselocale(static_cast<locale_t>(nullptr)) != LC_GLOBAL_LOCALE) return;
    int mask = 0;
    if (detail::IsPlainC(LC_NUMERIC)) mask |= LC_NUMERIC_MASK;
    if (detail::IsPlainC(LC_MONETARY)) mask |= LC_MONETARY_MASK;
    if (mask == 0) return;
    const locale_t base = duplocale(LC_GLOBAL_LOCALE);
    if (!base) return;
    own_ = newlocale(mask, "", base);
    if (!own_) {
      freelocale(base);  // a locale the environment names but the machine lacks: "C" it is
      return;
    }
    before_ = uselocale(own_);
  }
  ~UserFormat() {
    if (!own_) return;
    uselocale(before_);
    freelocale(own_);
  }
  UserFormat(const UserFormat&) = delete;
  UserFormat& operator=(const UserFormat&) = delete;

 private:
  locale_t own_ = nullptr;
  locale_t before_ = nullptr;
};

// How the calling thread's LC_MONETARY writes the figures of an amount: the decimal mark ("."
// where the locale names none), the thousands mark (empty for none) and the sizes of the groups
// from the decimal mark leftwards, the last size repeating (none: no grouping).
struct Figures {
  std::string point;
  std::string group;
  std::vector<int> groups;
};

inline Figures UserFigures() {
  const lconv* c = localeconv();
  Figures f;
  f.point = *c->mon_decimal_point ? c->mon_decimal_point : ".";
  f.group = c->mon_thousands_sep;
  for (const char* g = c->mon_grouping; *g > 0 && *g != CHAR_MAX; ++g) f.groups.push_back(*g);
  if (f.group.empty()) f.groups.clear();
  return f;
}

// A stored amount (a stake, a bid, a payment) as every window and page reads it: the plain form
// the program writes ("12.50"), or the form with one decimal comma that a file written where
// numbers take a comma holds ("2,5", "12,50"); neither form groups thousands. Nothing for a
// missing amount, for any other text ("1.234,5", "lots") and for one too large to read: such an
// amount counts as none, so that no page or window fails on it.
inline std::optional<double> StoredAmount(const Variant& stored) {
  Variant plain = stored;
  if (stored.IsString()) {
    std::string text = stored.ToString();
    const size_t comma = text.find(',');
    if (comma != std::string::npos && text.find(',', comma + 1) == std::string::npos &&
        text.find('.') == std::string::npos) {
      text[comma] = '.';
      plain = Variant(std::move(text));
    }
  }
  if (!plain.IsNumeric()) return std::nullopt;
  try {
    const double amount = plain.ToDouble();
    if (std::isfinite(amount)) return amount;
  } catch (const Error&) {
    // too large to read
  }
  return std::nullopt;
}

// What is still owed: the total less what was paid, to the cent. Sums of amounts such as 0.70
// and 0.10 are not exact in binary, and a settled account must read 0, neither owing nor "-0.00".
inline double Balance(double total, double paid) {
  const double balance = std::round((total - paid) * 100) / 100;
  return balance == 0 ? 0 : balance;
}

}  // namespace kelvane::money

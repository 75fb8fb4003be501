// Amounts of money as the user reads them: stakes, bids, payments and balances. The windows and
// the pages both write money through this one rule, so an amount reads the same in either.
#pragma once

#include <locale.h>
#include <monetary.h>

#include <cmath>
#include <string>

#include "platform/component/error.h"

namespace kelvane::money {
namespace detail {

// `format(buffer, size, amount)` is strfmon or strfmon_l with "%n".
template <typename Format>
std::string Formatted(double amount, Format format) {
  if (!std::isfinite(amount)) throw Error(ErrorKind::Overflow, "amount out of range");
  // The widest double with grouping and symbol fits in a few hundred bytes. A buffer too small
  // is not always reported as E2BIG, so any failure is tried again with a larger one.
  for (size_t size = 64; size <= 4096; size *= 2) {
    std::string text(size, '\0');
    const ssize_t n = format(text.data(), text.size(), amount);
    if (n >= 0) {
      text.resize(static_cast<size_t>(n));
      return text;
    }
  }
  throw Error(ErrorKind::Other, "cannot format an amount of money");
}

}  // namespace detail

// The amount in the national currency format of `locale`'s LC_MONETARY: its symbol, decimals,
// grouping and negative form. A non-finite amount is an overflow.
inline std::string FormatCurrency(double amount, locale_t locale) {
  return detail::Formatted(amount, [locale](char* text, size_t size, double value) {
    return strfmon_l(text, size, locale, "%n", value);
  });
}

// The same in the format of the process's LC_MONETARY, which the program and kelvane-call take
// from the user's environment when they start.
inline std::string FormatCurrency(double amount) {
  return detail::Formatted(amount, [](char* text, size_t size, double value) { return strfmon(text, size, "%n", value); });
}

// What is still owed: the total less what was paid, to the cent. Sums of amounts such as 0.70
// and 0.10 are not exact in binary, and a settled account must read 0, neither owing nor "-0.00".
inline double Balance(double total, double paid) {
  const double balance = std::round((total - paid) * 100) / 100;
  return balance == 0 ? 0 : balance;
}

}  // namespace kelvane::money

// Amounts of money as the user reads them: stakes, bids, payments and balances.
#pragma once

#include <locale.h>

#include <string>

namespace kelvane::money {

// The amount in the national currency format of `locale`'s LC_MONETARY: its symbol, decimals,
// grouping and negative form. A non-finite amount is an overflow.
std::string FormatCurrency(double amount, locale_t locale);

// The same in the user's own format, taken from the environment once; the C locale's when the
// environment names a locale that is not installed.
std::string FormatCurrency(double amount);

}  // namespace kelvane::money

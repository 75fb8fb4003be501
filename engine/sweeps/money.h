// Amounts of money as the user reads them: stakes, bids, payments and balances.
#pragma once

#include <locale.h>

#include <string>

namespace kelvane::money {

// The amount in the national currency format of `locale`'s LC_MONETARY: its symbol, decimals,
// grouping and negative form. A non-finite amount is an overflow.
std::string FormatCurrency(double amount, locale_t locale);

// What is still owed: the total less what was paid, to the cent. Sums of amounts such as 0.70
// and 0.10 are not exact in binary, and a settled account must read 0, neither owing nor "-0.00".
double Balance(double total, double paid);

// The same in the user's own format, taken from the environment once; the C locale's when the
// environment names a locale that is not installed.
std::string FormatCurrency(double amount);

}  // namespace kelvane::money

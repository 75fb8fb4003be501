#include "engine/sweeps/money.h"

#include <monetary.h>

#include <cmath>

#include "platform/component/error.h"

namespace kelvane::money {
namespace {

class UserLocale {
 public:
  UserLocale() : locale_(newlocale(LC_ALL_MASK, "", nullptr)) {
    if (!locale_) locale_ = newlocale(LC_ALL_MASK, "C", nullptr);
  }
  ~UserLocale() {
    if (locale_) freelocale(locale_);
  }
  UserLocale(const UserLocale&) = delete;
  UserLocale& operator=(const UserLocale&) = delete;

  locale_t get() const { return locale_; }

 private:
  locale_t locale_;
};

}  // namespace

std::string FormatCurrency(double amount, locale_t locale) {
  if (!std::isfinite(amount)) throw Error(ErrorKind::Overflow, "amount out of range");
  // The widest double with grouping and symbol fits in a few hundred bytes. A buffer too small
  // is not always reported as E2BIG, so any failure is tried again with a larger one.
  for (size_t size = 64; size <= 4096; size *= 2) {
    std::string text(size, '\0');
    const ssize_t n = strfmon_l(text.data(), text.size(), locale, "%n", amount);
    if (n >= 0) {
      text.resize(static_cast<size_t>(n));
      return text;
    }
  }
  throw Error(ErrorKind::Other, "cannot format an amount of money");
}

double Balance(double total, double paid) {
  const double balance = std::round((total - paid) * 100) / 100;
  return balance == 0 ? 0 : balance;
}

std::string FormatCurrency(double amount) {
  static const UserLocale user;
  return FormatCurrency(amount, user.get());
}

}  // namespace kelvane::money

// Money as the windows and pages write it: the currency format of each locale, amounts that add
// up where the currency has no cents, and the user's format for a caller that set no locale.
#include "platform/money/money.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/process_locale.h"

using kelvane::money::FormatCurrency;
using kelvane::money::UserFormat;
using testing_support::EnvironmentVariable;
using testing_support::ProcessLocale;

namespace {

class LocaleOf {
 public:
  explicit LocaleOf(const char* name) : locale_(newlocale(LC_ALL_MASK, name, static_cast<locale_t>(nullptr))) {}
  ~LocaleOf() {
    if (locale_) freelocale(locale_);
  }
  LocaleOf(const LocaleOf&) = delete;
  LocaleOf& operator=(const LocaleOf&) = delete;
  locale_t get() const { return locale_; }

 private:
  locale_t locale_;
};

// Where the currency writes no cents (yen), an amount with cents shows them: 2.50 and 3.40 are
// not shown as 2 and 3 beside a total of 6.
TEST(Money, CurrencyFormatOfEachLocale) {
  const struct {
    const char* locale;
    double amount;
    const char* want;
  } cases[] = {
      {"en_US.UTF-8", 5, "$5.00"},
      {"de_DE.UTF-8", 1234.5, "1.234,50 \u20ac"},
      {"de_CH.UTF-8", 1234.5, "CHF 1\u2019234.50"},
      {"hi_IN.UTF-8", 1234567.89, "\u20b912,34,567.89"},
      {"ja_JP.UTF-8", 2, "\uffe52"},
      {"ja_JP.UTF-8", 2.5, "\uffe52.50"},
      {"ja_JP.UTF-8", 3.4, "\uffe53.40"},
      {"ja_JP.UTF-8", 5.9, "\uffe55.90"},
      {"ja_JP.UTF-8", 1234567.891, "\uffe51,234,567.89"},
      {"ja_JP.UTF-8", 2.004, "\uffe52"},
      {"ja_JP.UTF-8", -0.5, "\uffe5-0.50"},
  };
  for (const auto& k : cases) {
    const LocaleOf locale(k.locale);
    ASSERT_NE(locale.get(), nullptr) << "no " << k.locale << ": run scripts/install-deps";
    EXPECT_EQ(FormatCurrency(k.amount, locale.get()), k.want) << k.locale << " " << k.amount;
  }
}

// A caller that created the engine without setting a locale (its process is in "C") gets the
// format its user's environment names, for as long as the scope lives; afterwards the caller's
// locale is as it was, for the process and for the thread.
TEST(Money, UserFormatTakesTheEnvironmentOnlyForItsScope) {
  ASSERT_STREQ(setlocale(LC_ALL, nullptr), "C") << "the test program sets no locale";
  const struct {
    const char* all;
    const char* monetary;
    const char* want;
  } cases[] = {
      {"de_DE.UTF-8", nullptr, "5,00 \u20ac"},
      {nullptr, "en_US.UTF-8", "$5.00"},
      {"de_DE.UTF-8", "en_US.UTF-8", "5,00 \u20ac"},  // LC_ALL wins
      {"xx_XX.UTF-8", nullptr, "5.00"},              // a locale the machine lacks
  };
  for (const auto& k : cases) {
    const EnvironmentVariable all("LC_ALL", k.all), monetary("LC_MONETARY", k.monetary), lang("LANG", nullptr);
    {
      const UserFormat format;
      EXPECT_EQ(FormatCurrency(5), k.want) << (k.all ? k.all : "") << " " << (k.monetary ? k.monetary : "");
    }
    EXPECT_EQ(FormatCurrency(5), "5.00");
    EXPECT_STREQ(setlocale(LC_ALL, nullptr), "C");
    EXPECT_EQ(uselocale(static_cast<locale_t>(nullptr)), LC_GLOBAL_LOCALE);
  }
}

TEST(Money, UserFormatKeepsTheCallersOwnLocale) {
  const EnvironmentVariable all("LC_ALL", "de_DE.UTF-8");
  {
    const ProcessLocale process("en_US.UTF-8", LC_MONETARY);
    ASSERT_TRUE(process.ok()) << "no en_US.UTF-8: run scripts/install-deps";
    const UserFormat format;
    EXPECT_EQ(FormatCurrency(5), "$5.00");
  }
  const LocaleOf hindi("hi_IN.UTF-8");
  ASSERT_NE(hindi.get(), nullptr) << "no hi_IN.UTF-8: run scripts/install-deps";
  const locale_t before = uselocale(hindi.get());
  {
    const UserFormat format;
    EXPECT_EQ(FormatCurrency(5), "\u20b95.00");
  }
  EXPECT_EQ(uselocale(before), hindi.get());
}

}  // namespace

// Stakes, bids and payments as the files hold them: the program's plain "12.50" and the form
// with one decimal comma read alike in every total and page; any other text is no amount
// everywhere, and no page fails on it.
#include <gtest/gtest.h>

#include <optional>

#include "platform/money/money.h"
#include "tests/engine/sweep_pages_fixture.h"

using kelvane::Variant;
using namespace testing_support;

namespace {

using Lines = std::vector<std::string>;

struct Form {
  const char* stored;
  std::optional<double> amount;
};

const Form kForms[] = {
    {"2.5", 2.5},    {"2,5", 2.5},       {"12,50", 12.5}, {" 0,75 ", 0.75}, {"1234,5", 1234.5}, {"1.234,5", {}},
    {"1,234.50", {}}, {"2,5,0", {}},     {"lots", {}},    {"2,5 EUR", {}},  {"1e999", {}},      {",", {}},
};

TEST(StoredAmount, ReadsThePlainFormAndOneDecimalComma) {
  for (const Form& form : kForms)
    EXPECT_EQ(kelvane::money::StoredAmount(Variant(form.stored)), form.amount) << form.stored;
  EXPECT_EQ(kelvane::money::StoredAmount(Variant()), std::nullopt);
  EXPECT_EQ(kelvane::money::StoredAmount(Variant(7.5)), 7.5);
}

class StoredAmountsTest : public SweepPages {};

// Ann holds two choices of a stake sweep and one bid, each of the stored form, and has paid it.
TEST_F(StoredAmountsTest, EveryTotalAndPageReadsTheFormAlike) {
  const std::string options = Option("Winner", "Place(1)", "teamlist", "asc");
  for (const Form& form : kForms) {
    SCOPED_TRACE(form.stored);
    WriteData(Sweep("Pot", "Winner", "stake", Choice("ARG", "Ann") + Choice("FRA", "Ann"), form.stored) +
                  Sweep("Auction", "Winner", "bid", Choice("ENG", "Ann", form.stored)),
              Member("Ann", form.stored), options);
    ASSERT_TRUE(engine_->LoadAll().ToBool());
    const double each = form.amount.value_or(0);
    const double total = 3 * each;
    const double balance = form.amount ? 2 * each : 0;

    EXPECT_DOUBLE_EQ(engine_->MemberTotal("Ann"), total);
    EXPECT_DOUBLE_EQ(engine_->MembersTotals().AsArray().at(1, 0).ToDouble(), total);

    const Lines accounts = Page("{accounts}");
    ASSERT_EQ(accounts.size(), 3u);
    const std::string right = "<D align='right'>";
    const std::string paid = form.amount ? Money(each) : "&nbsp;";
    EXPECT_NE(accounts[1].find(right + Money(total) + "</D>\r\n" + right + paid + "</D>\r\n" + right + "<B " +
                               (balance > 0 ? "owes" : "clear") + ">" + Money(balance) + "</B>"),
              std::string::npos)
        << accounts[1];
    EXPECT_EQ(Page("{membertotal} {paid} {memberbalance}", "Ann"),
              Lines{Money(total) + " " + Money(each) + " <B " + (balance > 0 ? "owes" : "clear") + ">" +
                    Money(balance) + "</B>\r\n"});

    const Lines details = Page("{details}", "Ann");
    ASSERT_EQ(details.size(), 5u);
    for (size_t row = 1; row <= 3; ++row)
      EXPECT_NE(details[row].find(right + (form.amount ? Money(each) : "&nbsp;") + "</D>"), std::string::npos)
          << details[row];

    const auto pot = [](const char* caption, double amount) {
      return Lines{std::string("<T>\r\n<R><H >") + caption + "</H>\r\n<D >" + Money(amount) + "</D>\r\n</T>\r\n\r\n"};
    };
    EXPECT_EQ(Page("{bidstake}", "Pot"), pot("Stake", each));
    EXPECT_EQ(Page("{bidstake}", "Auction"), pot("Bids", each));
    const Lines bids = Page("{choices}", "Auction");
    ASSERT_EQ(bids.size(), 1u);
    EXPECT_NE(bids[0].find("<M ann>Ann</M>&nbsp;</D>" + right + Money(each) + "&nbsp;</D>"), std::string::npos);
  }
}

}  // namespace

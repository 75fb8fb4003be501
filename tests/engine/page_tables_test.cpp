// The tables of sweeps, members, accounts, a member's choices and a sweep's pot, and money.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/data/id_encoding.h"
#include "platform/money/money.h"
#include "tests/engine/sweep_pages_fixture.h"
#include "tests/support/process_locale.h"

using kelvane::ErrorKind;
using testing_support::Choice;
using testing_support::EnvironmentVariable;
using testing_support::ErrorOf;
using testing_support::Member;
using testing_support::Money;
using testing_support::Option;
using testing_support::Sweep;

namespace {

using Lines = std::vector<std::string>;

const std::string kOptions = Option("Winner", "Place(1)", "teamlist", "asc") +
                             Option("Scorer", "PlayerTotals(0,0,?)", "playerlist", "desc", "Goals");

size_t Count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

class PageTablesTest : public testing_support::SweepPages {};

TEST_F(PageTablesTest, SweepsByNameBetweenTheTextAroundThePlaceholder) {
  WriteData(Sweep("beta", "Winner", "fun") + Sweep("Alpha", "Winner", "fun") + Sweep("gamma", "Winner", "fun"), "",
            kOptions);
  EXPECT_EQ(Page("before {sweeps} after"),
            (Lines{"before <T>\r\n", "<R><D ><S alpha>Alpha</S></D></R>\r\n", "<R><D ><S beta>beta</S></D></R>\r\n",
                   "<R><D ><S gamma>gamma</S></D></R>\r\n", "</T> after\r\n"}));
}

TEST_F(PageTablesTest, NoSweepsOrAnUnreadableSweepsFileGiveTheNothingSnippet) {
  EXPECT_EQ(Page("x {sweeps} y"), Lines{"x NO-SWEEPS y\r\n"});
  app_.Write("Data/sweeps.xml", "<sweeps><sweep>");
  EXPECT_EQ(Page("{sweeps} {greeting}"), Lines{"NO-SWEEPS Hello\r\n"});
}

TEST_F(PageTablesTest, MembersRunDownOneToThreeColumns) {
  const struct {
    int members;
    size_t rows;
    size_t columns;
    size_t blanks;
  } cases[] = {{1, 1, 1, 0}, {5, 5, 1, 0}, {6, 3, 2, 0}, {7, 4, 2, 1}, {10, 5, 2, 0}, {11, 4, 3, 1}};
  for (const auto& c : cases) {
    std::string members;
    for (int i = c.members; i >= 1; --i) members += Member("m" + std::string(i < 10 ? "0" : "") + std::to_string(i));
    WriteData("", members);
    const Lines page = Page("{members}");
    ASSERT_EQ(page.size(), c.rows + 2) << c.members;
    EXPECT_EQ(page.front(), "<T>\r\n");
    EXPECT_EQ(page.back(), "</T>\r\n");
    size_t blanks = 0;
    for (size_t r = 1; r <= c.rows; ++r) {
      EXPECT_EQ(Count(page[r], "<D >"), c.columns) << page[r];
      blanks += Count(page[r], "&nbsp;");
    }
    EXPECT_EQ(blanks, c.blanks) << c.members;
    if (c.members == 7) {
      EXPECT_EQ(page[1], "<R><D ><M m01>m01</M></D><D ><M m05>m05</M></D></R>\r\n");
      EXPECT_EQ(page[3], "<R><D ><M m03>m03</M></D><D ><M m07>m07</M></D></R>\r\n");
      EXPECT_EQ(page[4], "<R><D ><M m04>m04</M></D><D >&nbsp;</D></R>\r\n");
    }
  }
}

TEST_F(PageTablesTest, MemberNamesAreEscapedAndNoMembersIsTheNothingSnippet) {
  EXPECT_EQ(Page("{members}"), Lines{"NO-MEMBERS\r\n"});
  const std::string name = "<b>Al & Bo</b>";
  WriteData("", Member("Cy") + Member(name));
  const Lines page = Page("{members}");
  ASSERT_EQ(page.size(), 4u);
  EXPECT_EQ(page[1], "<R><D ><M " + kelvane::EncodeXmlTag(name) + ">&lt;b&gt;Al &amp; Bo&lt;/b&gt;</M></D></R>\r\n");
}

TEST_F(PageTablesTest, AccountsShowTotalPaidAndStyledBalance) {
  const std::string stakes = Choice("ARG", "Ann") + Choice("FRA", "Ann") + Choice("BRA", "bob");
  WriteData(Sweep("Winner sweep", "Winner", "stake", stakes, "5"),
            Member("Dee", "abc") + Member("Cy", "12") + Member("bob") + Member("Ann", "4"), kOptions);
  const auto row = [](const std::string& name, double total, const std::string& paid, const char* style,
                      double balance) {
    const std::string right = "<D align='right'>";
    return "<R>\r\n<D ><M " + kelvane::EncodeXmlTag(name) + ">" + name + "</M></D>\r\n" + right + Money(total) +
           "</D>\r\n" + right + paid + "</D>\r\n" + right + "<B " + style + ">" + Money(balance) +
           "</B></D>\r\n</R>\r\n";
  };
  EXPECT_EQ(Page("{accounts}"),
            (Lines{"<T>\r\n<R>\r\n<H align='left'>Member</H>\r\n<H align='right'>Total</H>\r\n"
                   "<H align='right'>Paid</H>\r\n<H align='right'>Balance</H>\r\n</R>\r\n",
                   row("Ann", 10, Money(4), "owes", 6), row("bob", 5, "&nbsp;", "owes", 5),
                   row("Cy", 0, Money(12), "clear", -12), row("Dee", 0, "&nbsp;", "clear", 0), "</T>\r\n"}));

  WriteData("", "");
  EXPECT_EQ(Page("{accounts}"), Lines{"NO-MEMBERS\r\n"});
}

// A caller that set no locale of its own, as this test program, gets the money its user's
// environment names, and its locale stays "C".
TEST_F(PageTablesTest, AccountsInTheUsersFormatForACallerThatSetNoLocale) {
  ASSERT_STREQ(setlocale(LC_ALL, nullptr), "C");
  WriteData(Sweep("Winner sweep", "Winner", "stake", Choice("ARG", "Ann"), "5"), Member("Ann"), kOptions);
  const struct {
    const char* all;
    const char* monetary;
    const char* want;
  } cases[] = {{"de_DE.UTF-8", nullptr, "5,00 \u20ac"}, {nullptr, "en_US.UTF-8", "$5.00"}};
  for (const auto& k : cases) {
    const EnvironmentVariable all("LC_ALL", k.all), monetary("LC_MONETARY", k.monetary), lang("LANG", nullptr);
    const Lines page = Page("{accounts}");
    ASSERT_EQ(page.size(), 3u);
    EXPECT_NE(page[1].find(std::string("<D align='right'>") + k.want + "</D>"), std::string::npos) << page[1];
    EXPECT_STREQ(setlocale(LC_ALL, nullptr), "C");
    EXPECT_EQ(uselocale(static_cast<locale_t>(nullptr)), LC_GLOBAL_LOCALE);
  }
}

// Bids of 0.70 and 0.10 do not add up to 0.80 exactly in binary; paying 0.80 settles them.
TEST_F(PageTablesTest, AccountSettledToTheCentIsClear) {
  WriteData(Sweep("Auction", "Winner", "bid", Choice("ARG", "Ann", "0.7") + Choice("FRA", "Ann", "0.1")),
            Member("Ann", "0.80"), kOptions);
  const Lines page = Page("{accounts}");
  ASSERT_EQ(page.size(), 3u);
  EXPECT_NE(page[1].find("<B clear>" + Money(0) + "</B>"), std::string::npos) << page[1];
}

TEST_F(PageTablesTest, DetailsBySweepAndChoiceWithCostsOfMoneySweepsOnly) {
  ASSERT_TRUE(engine_->LoadAll().ToBool());
  // Two players of one name: both choices stay in the table.
  ASSERT_TRUE(engine_->AddPlayer("ENG", 98, "SMITH"));
  ASSERT_TRUE(engine_->AddPlayer("WAL", 98, "SMITH"));
  engine_->SavePlayers();
  WriteData(Sweep("Winner", "Winner", "stake", Choice("ARG", "Ann"), "2.5") +
                Sweep("Fun cup", "Winner", "fun", Choice("BRA", "Ann")) +
                Sweep("Auction", "Winner", "bid", Choice("FRA", "Ann", "7.5") + Choice("ENG", "Ann")) +
                Sweep("Scorers", "Scorer", "fun", Choice("WAL98", "Ann") + Choice("ENG98", "Ann")),
            Member("Ann") + Member("Bob"), kOptions);

  const Lines page = Page("{details}", "Ann");
  ASSERT_EQ(page.size(), 8u);
  EXPECT_EQ(page[0], "<T>\r\n<R>\r\n<H >Sweep</H>\r\n<H >Choice</H>\r\n<H align='right'>Cost</H>\r\n</R>\r\n");
  EXPECT_EQ(page[1],
            "<R><D ><S auction>Auction</S></D>\r\n<D >England&nbsp;</D>\r\n<D align='right'>&nbsp;</D>\r\n</R>\r\n");
  EXPECT_EQ(page[2], "<R><D ><S auction>Auction</S></D>\r\n<D >France&nbsp;</D>\r\n<D align='right'>" + Money(7.5) +
                         "</D>\r\n</R>\r\n");
  EXPECT_NE(page[3].find("<S fun_cup>Fun cup</S></D>\r\n<D >Brazil&nbsp;</D>\r\n<D align='right'>&nbsp;</D>"),
            std::string::npos);
  EXPECT_NE(page[4].find("<D >SMITH&nbsp;</D>"), std::string::npos);
  EXPECT_NE(page[5].find("<D >SMITH&nbsp;</D>"), std::string::npos);
  EXPECT_NE(page[6].find("<D >Argentina&nbsp;</D>\r\n<D align='right'>" + Money(2.5) + "</D>"), std::string::npos);
  EXPECT_EQ(page[7], "</T>\r\n");

  EXPECT_EQ(Page("{details}", "Bob"), Lines{"NO-DETAILS\r\n"});
}

TEST_F(PageTablesTest, PotOfBidAndStakeSweepsAndNothingForFunSweeps) {
  WriteData(
      Sweep("Auction", "Winner", "bid", Choice("FRA", "Ann", "7.5") + Choice("ENG", "Bob") + Choice("ARG", "Cy", "2")) +
          Sweep("Staked", "Winner", "stake", Choice("ARG", "Ann"), "2.5") + Sweep("Fun", "Winner", "fun") +
          Sweep("Broken", "Winner", "stake", "", "lots"),
      Member("Ann") + Member("Bob") + Member("Cy"), kOptions);
  const auto pot = [](const char* caption, double amount) {
    return std::string("x<T>\r\n<R><H >") + caption + "</H>\r\n<D >" + Money(amount) + "</D>\r\n</T>\r\ny\r\n";
  };
  EXPECT_EQ(Page("x{bidstake}y", "Auction"), Lines{pot("Bids", 9.5)});
  EXPECT_EQ(Page("x{bidstake}y", "Staked"), Lines{pot("Stake", 2.5)});
  EXPECT_EQ(Page("x{bidstake}y", "Fun"), Lines{"xy\r\n"});
  // A stake that is no amount is none, not a broken page.
  EXPECT_EQ(Page("x{bidstake}y", "Broken"), Lines{pot("Stake", 0)});
}

TEST(Money, CurrencyFormatOfTheLocale) {
  locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
  ASSERT_NE(c, nullptr);
  const struct {
    double amount;
    const char* want;
  } cases[] = {{0, "0.00"}, {1234.5, "1234.50"}, {-2.5, "-2.50"}, {0.125, "0.12"}, {1e20, "100000000000000000000.00"}};
  for (const auto& k : cases) EXPECT_EQ(kelvane::money::FormatCurrency(k.amount, c), k.want) << k.amount;
  EXPECT_EQ(ErrorOf([&] { kelvane::money::FormatCurrency(std::numeric_limits<double>::infinity(), c); }),
            ErrorKind::Overflow);
  EXPECT_EQ(kelvane::money::FormatCurrency(1e300, c).size(), 304u);
  freelocale(c);
}

}  // namespace

// Every member's total at once: the same totals as one member's own, in the order of the members.
#include <gtest/gtest.h>

#include <functional>

#include "tests/engine/sweep_pages_fixture.h"

using kelvane::Array;
using kelvane::Pitchlog;
using kelvane::Variant;
using namespace testing_support;

namespace {

struct TotalsCase {
  const char* what;
  std::string sweeps;
  std::string members;
  // Changes made after loading and not saved.
  std::function<void(Pitchlog&)> unsaved;
};

// A sweep record without a name, as only a hand-edited file holds.
std::string Nameless(const std::string& type, const std::string& choices, const std::string& stake = "") {
  static int count = 0;
  return "<sweep sweepid=\"nameless" + std::to_string(++count) + "\"><sweepoption>winner</sweepoption><type>" + type +
         "</type>" + (stake.empty() ? "" : "<stake>" + stake + "</stake>") + choices + "</sweep>";
}

std::vector<TotalsCase> Cases() {
  const std::string members = Member("Zoe", "3") + Member("Ann") + Member("Bo & Co", "1.5") + Member("Cy");
  return {
      {"no members and no sweeps", "", "", nullptr},
      {"members without choices", Sweep("Empty bids", "Winner", "bid") + Sweep("Empty pot", "Winner", "stake", "", "5"),
       members, nullptr},
      {"stakes, bids and fun over several sweeps",
       Sweep("Pot", "Winner", "stake", Choice("ARG", "Ann") + Choice("FRA", "Zoe") + Choice("BRA", "Ann"), "2.5") +
           Sweep("Auction", "Winner", "bid",
                 Choice("ARG", "Zoe", "12.25") + Choice("ENG", "Ann") + Choice("FRA", "Bo & Co", "0.1")) +
           Sweep("Goals", "Winner", "fun", Choice("170", "Cy")) +
           Sweep("Big pot", "Winner", "stake", Choice("ESP", "Bo & Co") + Choice("POR", "Ann"), "10"),
       members, nullptr},
      {"costs that are no numbers, a type in capitals and a member who left",
       Sweep("Lots", "Winner", "stake", Choice("ARG", "Ann"), "lots") +
           Sweep("Capital", "Winner", "Stake", Choice("FRA", "Ann"), "9") +
           Sweep("Odd bids", "Winner", "bid", Choice("ENG", "Zoe", "much") + Choice("NED", "Gone", "4")) +
           Sweep("Pot", "Winner", "stake", Choice("BRA", "Gone") + Choice("ESP", "Cy"), "1.25"),
       members, nullptr},
      {"sweeps without a name, before and after named ones", Nameless("stake", Choice("ARG", "Ann"), "3") +
           Sweep("Pot", "Winner", "stake", Choice("FRA", "Ann") + Choice("BRA", "Zoe"), "2.5") +
           Nameless("bid", Choice("ENG", "Ann", "4") + Choice("NED", "Zoe", "1")),
       members, nullptr},
      {"choices and members not saved yet",
       Sweep("Auction", "Winner", "bid", Choice("ARG", "Zoe", "3")) + Sweep("Pot", "Winner", "stake", "", "2"),
       members,
       [](Pitchlog& engine) {
         engine.AddMember("Dee");
         engine.SetSweepMember("Pot", Variant("QAT"), "Dee");
         engine.SetSweepMember("Auction", Variant("ARG"), "Ann");  // changes hands, keeps its bid
         engine.SetSweepMember("Auction", Variant("FRA"), "Cy");
         engine.SetSweepBid("Auction", Variant("FRA"), 7.5);
         engine.SweepChoiceClear("Pot", Variant("NOPE"));
       }},
  };
}

class MemberTotalsTest : public SweepPages {};

TEST_F(MemberTotalsTest, AgreeWithEachMembersOwnTotalInTheOrderOfTheMembers) {
  for (const TotalsCase& c : Cases()) {
    SCOPED_TRACE(c.what);
    WriteData(c.sweeps, c.members);
    ASSERT_TRUE(engine_->LoadAll().ToBool());
    if (c.unsaved) c.unsaved(*engine_);

    const Variant totals_list = engine_->MembersTotals();
    const Array& totals = totals_list.AsArray();
    const Variant names_list = engine_->MembersList();
    const Array& names = names_list.AsArray();
    ASSERT_EQ(totals.UBound(1), 1);
    ASSERT_EQ(totals.UBound(2), names.UBound(1));
    for (int32_t i = 0; i <= names.UBound(1); ++i) {
      const std::string name = names.at(i).ToString();
      SCOPED_TRACE(name);
      EXPECT_EQ(totals.at(0, i).ToString(), name);
      EXPECT_DOUBLE_EQ(totals.at(1, i).ToDouble(), engine_->MemberTotal(name));
    }
  }
}

}  // namespace

// A sweep without a name is in no list of sweeps: its choices are in no member's choices, and
// cost nothing in the accounts, on the member's page or in one member's total.
TEST_F(MemberTotalsTest, ChoicesOfASweepWithoutANameCostNothingAnywhere) {
  WriteData(Nameless("stake", Choice("ARG", "Ann"), "3") + Sweep("Pot", "Winner", "stake", Choice("FRA", "Ann"), "2.5") +
                Nameless("bid", Choice("ENG", "Ann", "4")),
            Member("Ann", "10"));
  ASSERT_TRUE(engine_->LoadAll().ToBool());
  const Array choices = engine_->MembersChoices("Ann").AsArray();
  ASSERT_EQ(choices.UBound(2), 0);
  EXPECT_EQ(choices.at(0, 0).ToString(), "Pot");
  EXPECT_DOUBLE_EQ(engine_->MemberTotal("Ann"), 2.5);
  EXPECT_DOUBLE_EQ(engine_->MembersTotals().AsArray().at(1, 0).ToDouble(), 2.5);

  const std::vector<std::string> accounts = Page("{accounts}");
  ASSERT_EQ(accounts.size(), 3u);
  EXPECT_NE(accounts[1].find(Money(2.5)), std::string::npos) << accounts[1];
  EXPECT_NE(accounts[1].find(Money(-7.5)), std::string::npos) << accounts[1];
  EXPECT_EQ(Page("{membertotal} {memberbalance}", "Ann"),
            std::vector<std::string>{Money(2.5) + " <B clear>" + Money(-7.5) + "</B>\r\n"});
}

// A cost too large to be read as a number adds nothing, in one member's total as in all.
TEST_F(MemberTotalsTest, ACostTooLargeToReadAddsNothing) {
  WriteData(Sweep("Auction", "Winner", "bid", Choice("ARG", "Ann", "1e999") + Choice("FRA", "Ann", "2")), Member("Ann"));
  ASSERT_TRUE(engine_->LoadAll().ToBool());
  EXPECT_DOUBLE_EQ(engine_->MemberTotal("Ann"), 2);
  EXPECT_DOUBLE_EQ(engine_->MembersTotals().AsArray().at(1, 0).ToDouble(), 2);
}

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

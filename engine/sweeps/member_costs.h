// The one rule for what a member owes for choices, shared by a member's own list of choices and
// total and by the totals of all members at once, so that every window and page shows one figure.
#pragma once

#include <vector>

#include "platform/component/variant.h"
#include "platform/xml/document.h"

namespace kelvane::member_costs {

// The sweeps whose choices are their members' choices: those with a name. A sweep without one
// (only a hand-edited file holds it) is in no list of sweeps, so its choices could be neither
// seen nor taken away; they cost nothing.
std::vector<xml::Node> CountedSweeps(const xml::Document& sweeps);

// What the choice costs its member: its bid in a "bid" sweep, the stake in a "stake" sweep;
// Empty for any other sweep and for a missing bid or stake.
Variant Cost(const xml::Node& sweep, const xml::Node& choice);

// What a cost adds to a total: 0 for one that is no amount (money::StoredAmount).
double Amount(const Variant& cost);

}  // namespace kelvane::member_costs

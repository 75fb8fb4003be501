// What members' choices cost: one member's total, and every member's at once in one pass over
// the choices of every sweep, so that the accounts of a large pool take no longer than its list
// of choices. Both count by the rules of member_costs.h.
#include <unordered_map>

#include "engine/data/id_encoding.h"
#include "engine/pitchlog.h"
#include "engine/sweeps/member_costs.h"
#include "platform/money/money.h"

namespace kelvane {
namespace member_costs {
namespace {

// The text of the element's first child of that name; Empty when there is none.
Variant ChildText(const xml::Node& element, const char* name) {
  const xml::Node field = element.FirstChild(name);
  return field ? Variant(field.Text()) : Variant();
}

}  // namespace

std::vector<xml::Node> CountedSweeps(const xml::Document& sweeps) {
  std::vector<xml::Node> counted;
  if (!sweeps.HasRoot()) return counted;
  for (const xml::Node& sweep : sweeps.Root().Children("sweep"))
    if (!ChildText(sweep, "name").ToString().empty()) counted.push_back(sweep);
  return counted;
}

Variant Cost(const xml::Node& sweep, const xml::Node& choice) {
  const std::string type = ChildText(sweep, "type").ToString();
  if (type == "bid") return ChildText(choice, "bid");
  if (type == "stake") return ChildText(sweep, "stake");
  return Variant();
}

double Amount(const Variant& cost) { return money::StoredAmount(cost).value_or(0); }

}  // namespace member_costs

double Pitchlog::MemberTotal(const std::string& member) {
  const Variant choices = MembersChoices(member);
  const Array& list = choices.AsArray();
  double total = 0;
  for (int32_t column = 0; column <= list.UBound(2); ++column) total += member_costs::Amount(list.at(2, column));
  return total;
}

// Columns: the member's name and the total, in the order of MembersList.
Variant Pitchlog::MembersTotals() {
  std::unordered_map<std::string, double> by_key;
  for (const xml::Node& sweep : member_costs::CountedSweeps(*sweeps_))
    for (const xml::Node& choice : sweep.Children("choice"))
      by_key[choice.Attribute("memberid")] += member_costs::Amount(member_costs::Cost(sweep, choice));
  const Variant names = MembersList();
  const Array& list = names.AsArray();
  Array totals(0, 1, 0, list.UBound());
  for (int32_t i = 0; i <= list.UBound(); ++i) {
    const std::string name = list.at(i).ToString();
    totals.Set(0, i, name);
    const auto found = name.empty() ? by_key.end() : by_key.find(EncodeXmlTag(name));
    totals.Set(1, i, found == by_key.end() ? 0.0 : found->second);
  }
  return totals;
}

}  // namespace kelvane

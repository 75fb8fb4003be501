// What every member's choices cost, all members at once: one pass over the choices of every
// sweep, so that the accounts of a large pool take no longer than its list of choices.
#include <unordered_map>

#include "engine/data/id_encoding.h"
#include "engine/data/text.h"
#include "engine/pitchlog.h"

namespace kelvane {
namespace {

// The text of the element's first child of that name; Empty when there is none.
Variant ChildText(const xml::Node& element, const char* name) {
  const xml::Node field = element.FirstChild(name);
  return field ? Variant(field.Text()) : Variant();
}

}  // namespace

// Columns: the member's name and the total, in the order of MembersList; a cost that is no
// number counts nothing, as in MemberTotal.
Variant Pitchlog::MembersTotals() {
  std::unordered_map<std::string, double> by_key;
  if (sweeps_->HasRoot()) {
    for (const xml::Node& sweep : sweeps_->Root().Children("sweep")) {
      const std::string type = ChildText(sweep, "type").ToString();
      const bool bid = type == "bid";
      if (!bid && type != "stake") continue;
      const Variant stake = ChildText(sweep, "stake");
      for (const xml::Node& choice : sweep.Children("choice")) {
        const Variant cost = bid ? ChildText(choice, "bid") : stake;
        if (cost.IsNumeric()) by_key[choice.Attribute("memberid")] += cost.ToDouble();
      }
    }
  }
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

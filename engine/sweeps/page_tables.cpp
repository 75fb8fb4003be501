// The tables of a page: the sweeps, the members, their accounts, one member's choices and a
// sweep's pot.
#include "engine/data/id_encoding.h"
#include "engine/data/text.h"
#include "engine/pitchlog.h"
#include "engine/sweeps/page_text.h"
#include "platform/money/money.h"

namespace kelvane {
namespace {

using pages::kCrLf;
using pages::kLeft;
using pages::kNbsp;
using pages::kRight;

std::vector<size_t> ByName(const std::vector<std::string>& names) {
  std::vector<std::string> keys;
  keys.reserve(names.size());
  for (const std::string& name : names) keys.push_back(text::Lower(name));
  return pages::OrderBy(keys, true);
}

bool NothingToList(const std::vector<std::string>& list) { return list.empty() || list.front().empty(); }

// A data cell: its opening with the style, the content and its end.
std::string Cell(const pages::Snippets& html, const std::string& content, const std::string& style = {}) {
  return html("tdstart", style) + content + html("tdend");
}

}  // namespace

// A broken sweeps or script file must not stop the page: such a list shows as no sweeps, and a
// sweep whose row can't be written is passed over.
void Pitchlog::GenerateSweeps() {
  const pages::Snippets html(*this);
  std::vector<std::string> names;
  try {
    names = pages::ListTexts(SweepsList());
  } catch (const std::exception&) {
    // Listed as no sweeps.
  }
  const auto rest = pages::OpenTable(page_lines_, html, "{sweeps}", NothingToList(names), "nosweeps");
  if (!rest) return;
  page_lines_.back() += html("tablestart") + kCrLf;
  for (const size_t i : ByName(names)) {
    try {
      std::string row = html("trstart") + Cell(html, html.SweepLink(names[i])) + html("trend") + kCrLf;
      page_lines_.push_back(std::move(row));
    } catch (const std::exception&) {
      // The row is left out; the others still go in.
    }
  }
  pages::CloseTable(page_lines_, html, *rest);
}

// Names run down the first column, then down the next: one column up to 5 members, two up to
// 10, three beyond.
void Pitchlog::GenerateMembers() {
  const pages::Snippets html(*this);
  const std::vector<std::string> names = pages::ListTexts(MembersList());
  const auto rest = pages::OpenTable(page_lines_, html, "{members}", NothingToList(names), "nomembers");
  if (!rest) return;
  page_lines_.back() += html("tablestart") + kCrLf;
  const std::vector<size_t> order = ByName(names);
  const size_t n = order.size();
  const size_t columns = n <= 5 ? 1 : n <= 10 ? 2 : 3;
  const size_t rows = (n - 1) / columns + 1;
  for (size_t r = 0; r < rows; ++r) {
    std::string row = html("trstart");
    for (size_t c = 0; c < columns; ++c) {
      const size_t place = c * rows + r;
      if (place >= n) {
        row += Cell(html, kNbsp);
        continue;
      }
      const std::string& name = names[order[place]];
      row += Cell(html, html.MemberLink(name, EncodeXmlTag(name)));
    }
    page_lines_.push_back(row + html("trend") + kCrLf);
  }
  pages::CloseTable(page_lines_, html, *rest);
}

void Pitchlog::GenerateAccounts() {
  const pages::Snippets html(*this);
  // The totals come in the order of MembersList, names first, counted in one pass.
  const Variant all_totals = MembersTotals();
  const Array& totals = all_totals.AsArray();
  std::vector<std::string> names;
  names.reserve(static_cast<size_t>(totals.UBound(2) + 1));
  for (int32_t i = 0; i <= totals.UBound(2); ++i) names.push_back(totals.at(0, i).ToString());
  const auto rest = pages::OpenTable(page_lines_, html, "{accounts}", NothingToList(names), "nomembers");
  if (!rest) return;
  page_lines_.back() += html.HeaderRow({{"Member", kLeft}, {"Total", kRight}, {"Paid", kRight}, {"Balance", kRight}});
  // Every row is made of the same snippets: each is read from the script once.
  const std::string row_start = html("trstart") + kCrLf;
  const std::string row_end = html("trend") + kCrLf;
  const std::string member_start = html("tdstart");
  const std::string amount_start = html("tdstart", kRight);
  const std::string cell_end = html("tdend") + kCrLf;
  const std::string value = html("value");
  const std::string link = html("memberlink");
  const std::string owes = html("balance", html("positivebalance"));
  const std::string clear = html("balance", html("negativebalance"));
  const auto amount = [&](std::string_view shown) { return amount_start + pages::Fill(value, {{"#VALUE#", shown}}) + cell_end; };
  for (const size_t i : ByName(names)) {
    const std::string& name = names[i];
    const double total = totals.at(1, static_cast<int32_t>(i)).ToDouble();
    const std::optional<double> paid = money::StoredAmount(Members(name, "paid"));
    const double balance = money::Balance(total, paid.value_or(0));
    const std::string member = pages::Fill(link, {{"#VALUE#", pages::EscapeHtml(name)}, {"#LINK#", EncodeXmlTag(name)}});
    page_lines_.push_back(
        row_start + member_start + member + cell_end + amount(money::FormatCurrency(total)) +
        amount(paid ? money::FormatCurrency(*paid) : kNbsp) + amount_start +
        pages::Fill(balance > 0 ? owes : clear, {{"#VALUE#", money::FormatCurrency(balance)}}) + cell_end + row_end);
  }
  pages::CloseTable(page_lines_, html, *rest);
}

// Rows are ordered by the sweep's name followed by the choice shown.
void Pitchlog::GenerateDetails(const std::string& member) {
  const pages::Snippets html(*this);
  const Array choices = MembersChoices(member).AsArray();
  const int32_t count = choices.UBound(2) + 1;
  const auto rest = pages::OpenTable(page_lines_, html, "{details}", choices.at(0, 0).ToString().empty(), "nodetails");
  if (!rest) return;
  page_lines_.back() += html.HeaderRow({{"Sweep", ""}, {"Choice", ""}, {"Cost", kRight}});
  std::vector<std::string> keys;
  for (int32_t i = 0; i < count; ++i)
    keys.push_back(text::Lower(choices.at(0, i).ToString() + choices.at(1, i).ToString()));
  for (const size_t i : pages::OrderBy(keys, true)) {
    const auto column = static_cast<int32_t>(i);
    const std::string sweep = choices.at(0, column).ToString();
    const std::string shown = pages::EscapeHtml(choices.at(1, column).ToString());
    // A choice that costs nothing, as one of a fun sweep, shows no cost.
    const double cost = money::StoredAmount(choices.at(2, column)).value_or(0);
    const std::string cost_text = cost == 0 ? kNbsp : money::FormatCurrency(cost);
    page_lines_.push_back(html("trstart") + Cell(html, html.SweepLink(sweep)) + kCrLf +
                          Cell(html, html.Value(shown + kNbsp)) + kCrLf + Cell(html, html.Value(cost_text), kRight) +
                          kCrLf + html("trend") + kCrLf);
  }
  pages::CloseTable(page_lines_, html, *rest);
}

// The pot of a bid or stake sweep as one small table; nothing for any other sweep.
std::string Pitchlog::GenerateBidStake(const std::string& sweep) {
  const std::string type = Sweeps(sweep, "type").ToString();
  double amount = 0;
  const char* caption = nullptr;
  if (type == "bid") {
    caption = "Bids";
    const Array choices = SweepMembers(sweep).AsArray();
    for (int32_t i = 0; i <= choices.UBound(2); ++i) amount += money::StoredAmount(choices.at(2, i)).value_or(0);
  } else if (type == "stake") {
    caption = "Stake";
    amount = money::StoredAmount(Sweeps(sweep, "stake")).value_or(0);
  } else {
    return "";
  }
  const pages::Snippets html(*this);
  return html("tablestart") + kCrLf + html("trstart") + html("thstart") + caption + html("thend") + kCrLf +
         Cell(html, html.Value(money::FormatCurrency(amount))) + kCrLf + html("tableend") + kCrLf;
}

}  // namespace kelvane

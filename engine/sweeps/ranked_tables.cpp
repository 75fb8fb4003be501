// A sweep's choices as a ranked table: its teams, its scorers and chosen players, or its
// numbers by their distance from the target.
#include <cmath>
#include <unordered_map>

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

struct SweepOption {
  std::string source;
  std::string order;
  std::string value;  // caption of the value column
};

SweepOption OptionOf(IPitchlog& engine, const std::string& sweep) {
  const std::string key = engine.Sweeps(sweep, "sweepoption").ToString();
  return {engine.SweepOptions(key, "source").ToString(), engine.SweepOptions(key, "order").ToString(),
          engine.SweepOptions(key, "value").ToString()};
}

bool IsBidSweep(IPitchlog& engine, const std::string& sweep) {
  return engine.Sweeps(sweep, "type").ToString() == "bid";
}

// Who holds an entry; nobody when the key is empty.
struct Holder {
  std::string key;
  std::string name;
  Variant bid;  // shown as 0 when there is none
};

Holder HolderOf(IPitchlog& engine, const Array& choices, int32_t column) {
  const std::string key = choices.at(0, column).ToString();
  return {key, key.empty() ? std::string() : engine.Members(key, "name").ToString(), choices.at(2, column)};
}

// An entry that nobody holds links to no member's page: such a page does not exist.
std::string MemberCell(const pages::Snippets& html, const Holder& holder, const std::string& after) {
  const std::string link = holder.key.empty() ? std::string() : html.MemberLink(holder.name, EncodeXmlTag(holder.key));
  return html("tdstart") + link + after + html("tdend");
}

std::string BidCell(const pages::Snippets& html, const Holder& holder, const std::string& after) {
  const double bid = money::StoredAmount(holder.bid).value_or(0);
  return html("tdstart", kRight) + html.Value(money::FormatCurrency(bid) + after) + html("tdend") + kCrLf;
}

std::string ValueCell(const pages::Snippets& html, const std::string& value) {
  return html("tdstart", kRight) + html.Value(pages::EscapeHtml(value) + kNbsp) + html("tdend") + kCrLf;
}

// An empty value counts as 0. An average comes as text in the user's format (".000", ",000"),
// which is 0 when it has no other digit.
bool IsZero(const Variant& value) {
  if (value.IsEmpty()) return true;
  if (value.IsString()) return value.ToString().find_first_of("123456789") == std::string::npos;
  return value.ToDouble() == 0;
}

std::string PlayerShown(IPitchlog& engine, const std::string& id) {
  const std::string name = engine.PlayerName(id);
  if (name.empty()) return id;
  return name + " (" + engine.TeamName(engine.PlayerTeam(id).ToString()) + ")";
}

}  // namespace

std::string Pitchlog::GenerateTeamList(const std::string& sweep) {
  struct Entry {
    std::string id;
    std::string shown;  // HTML
    std::string plain;
    std::string value;
    std::string key;
    Holder holder;
  };
  const SweepOption option = OptionOf(*this, sweep);
  const bool ascending = option.order == "asc";

  const Array teams = TeamList().AsArray();
  std::vector<Entry> entries;
  std::unordered_map<std::string, size_t> by_id;
  for (int32_t j = 0; j <= teams.UBound(2); ++j) {
    const std::string id = teams.at(0, j).ToString();
    const std::string name = teams.at(1, j).ToString();
    by_id.emplace(text::Lower(id), entries.size());
    entries.push_back({id, pages::EscapeHtml(name), name, "", "", {}});
  }

  const Variant source = SweepSource(option.source);
  if (!source.IsArray()) {
    // A placing names one team, once it is decided.
    const auto it = by_id.find(text::Lower(source.ToString()));
    if (it != by_id.end())
      entries[it->second].shown = "<b>*** " + pages::EscapeHtml(entries[it->second].plain) + " ***</b>";
  } else {
    const Array& values = source.AsArray();
    for (int32_t j = 0; j <= values.UBound(2); ++j) {
      const auto it = by_id.find(text::Lower(values.at(0, j).ToString()));
      if (it == by_id.end()) continue;
      Entry& entry = entries[it->second];
      entry.value = values.at(1, j).ToString();
      // Teams without a value go last either way.
      entry.key = entry.value.empty() ? std::string(15, ascending ? 'z' : ' ') : pages::RightAligned(entry.value);
      entry.key += entry.plain;
    }
  }

  const bool placing = text::StartsWith(option.source, "Place(");
  const bool show_value = !placing && !option.value.empty();
  const bool bids = IsBidSweep(*this, sweep);

  const Array choices = SweepMembers(sweep).AsArray();
  for (int32_t k = 0; k <= choices.UBound(2); ++k) {
    if (choices.at(0, k).ToString().empty()) continue;
    const auto it = by_id.find(text::Lower(choices.at(1, k).ToString()));
    if (it != by_id.end()) entries[it->second].holder = HolderOf(*this, choices, k);
  }

  std::vector<std::string> sort_texts;
  for (const Entry& entry : entries) sort_texts.push_back(text::Lower(placing ? entry.plain : entry.key));

  const pages::Snippets html(*this);
  std::vector<pages::Snippets::Header> header{{"Team", kLeft}};
  if (show_value) header.push_back({option.value, kRight});
  header.push_back({"Member", kLeft});
  if (bids) header.push_back({"Bid", kRight});
  std::string table = html.HeaderRow(header);
  for (const size_t i : pages::OrderBy(sort_texts, ascending)) {
    const Entry& entry = entries[i];
    table += html("trstart") + html("tdstart") + html.Value(entry.shown) + html("tdend");
    if (show_value) table += ValueCell(html, entry.value);
    table += MemberCell(html, entry.holder, kNbsp);
    if (bids) table += BidCell(html, entry.holder, kNbsp);
    table += html("trend") + kCrLf;
  }
  return table + html("tableend");
}

// Scorers by their value, highest first, then the chosen players who have none.
void Pitchlog::GeneratePlayerList(const std::string& sweep) {
  struct Entry {
    std::string shown;
    std::string value;
    std::string key;
    Holder holder;
  };
  const SweepOption option = OptionOf(*this, sweep);
  std::vector<Entry> entries;
  std::unordered_map<std::string, size_t> by_id;
  // A player-pick sweep ranks nobody: it lists the chosen players only, as the sweeps window does.
  const bool chosen_only = Sweeps(sweep, "sweepoption").ToString() == "_player_list_";
  const Variant source = chosen_only ? Variant(Array(0, 0)) : SweepSource(option.source);
  const Array& values = source.AsArray();
  const int32_t players = chosen_only ? 0 : PlayerTotalsStore().Upper();
  for (int32_t p = 1; p <= players; ++p) {
    const Variant& value = values.at(p - 1);
    if (IsZero(value)) continue;
    const std::string id = PlayerTotalsID(Variant(p).ToInt16());
    by_id.emplace(text::Lower(id), entries.size());
    entries.push_back({PlayerShown(*this, id), value.ToString(), pages::RightAligned(value.ToString()), {}});
  }

  const Array choices = SweepMembers(sweep).AsArray();
  for (int32_t k = 0; k <= choices.UBound(2); ++k) {
    if (choices.at(0, k).ToString().empty()) continue;
    const std::string id = choices.at(1, k).ToString();
    auto it = by_id.find(text::Lower(id));
    if (it == by_id.end()) {
      it = by_id.emplace(text::Lower(id), entries.size()).first;
      entries.push_back({PlayerShown(*this, id), "", std::string(14, ' '), {}});
    }
    entries[it->second].holder = HolderOf(*this, choices, k);
  }

  const pages::Snippets html(*this);
  const auto rest = pages::OpenTable(page_lines_, html, "{choices}", entries.empty(), "nochoices");
  if (!rest) return;

  const bool show_value = !option.value.empty();
  const bool bids = IsBidSweep(*this, sweep);
  std::vector<pages::Snippets::Header> header{{"Player", kLeft}};
  if (show_value) header.push_back({option.value, kRight});
  header.push_back({"Member", kLeft});
  if (bids) header.push_back({"Bid", kRight});
  page_lines_.back() += html.HeaderRow(header);

  std::vector<std::string> sort_texts;
  for (const Entry& entry : entries) sort_texts.push_back(text::Lower(pages::RightAligned(entry.key) + entry.shown));
  for (const size_t i : pages::OrderBy(sort_texts, false)) {
    const Entry& entry = entries[i];
    std::string row = html("trstart") + html("tdstart") + html.Value(pages::EscapeHtml(entry.shown)) + html("tdend");
    if (show_value) row += ValueCell(html, entry.value);
    row += MemberCell(html, entry.holder, kNbsp);
    if (bids) row += BidCell(html, entry.holder, kNbsp);
    page_lines_.push_back(row + html("trend") + kCrLf);
  }
  pages::CloseTable(page_lines_, html, *rest);
}

// The closest number first; of two at the same distance, the one chosen first.
void Pitchlog::GenerateNumberList(const std::string& sweep) {
  const pages::Snippets html(*this);
  const Array choices = SweepMembers(sweep).AsArray();
  const auto rest = pages::OpenTable(page_lines_, html, "{choices}", choices.at(0, 0).ToString().empty(), "nochoices");
  if (!rest) return;

  const SweepOption option = OptionOf(*this, sweep);
  const Variant target = SweepSource(option.source);
  std::string caption = option.value.empty() ? "Value" : option.value;
  if (!target.ToString().empty()) caption += " (" + target.ToString() + ")";
  const bool bids = IsBidSweep(*this, sweep);
  std::vector<pages::Snippets::Header> header{{"Member", kLeft}, {caption, kRight}};
  if (bids) header.push_back({"Bid", kRight});
  page_lines_.back() += html.HeaderRow(header);

  const double goal = target.ToDouble();
  std::vector<double> distances;
  for (int32_t i = 0; i <= choices.UBound(2); ++i)
    distances.push_back(std::fabs(choices.at(1, i).ToDouble() - goal) + i / 10000.0);
  for (const size_t i : pages::OrderBy(distances, true)) {
    const auto column = static_cast<int32_t>(i);
    const Holder holder = HolderOf(*this, choices, column);
    std::string row = html("trstart") + MemberCell(html, holder, "") + html("tdstart", kRight) +
                      html.Value(pages::EscapeHtml(choices.at(1, column).ToString())) + html("tdend") + kCrLf;
    if (bids) row += BidCell(html, holder, "");
    page_lines_.push_back(row + html("trend") + kCrLf);
  }
  pages::CloseTable(page_lines_, html, *rest);
}

}  // namespace kelvane

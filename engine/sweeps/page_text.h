// Pieces shared by the page generators: snippets with their markers, HTML text, the tables that
// are written into the page line by line, and the order of their rows.
#pragma once

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <iterator>
#include <numeric>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/pitchlog_interface.h"

namespace kelvane::pages {

inline const std::string kCrLf = "\r\n";
inline const std::string kNbsp = "&nbsp;";
inline constexpr const char* kLeft = "align='left'";
inline constexpr const char* kRight = "align='right'";

// Every occurrence of `from` replaced by `to`; the inserted text is not searched again.
inline void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  if (from.empty()) return;
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
}

// Names and values typed by users or read from data files, made safe to put into a page. Braces
// too: the table generators look for their placeholder in the line as expanded so far, and a
// name is text, never a placeholder.
inline std::string EscapeHtml(std::string_view text) {
  static constexpr std::pair<char, std::string_view> kEntities[] = {
      {'&', "&amp;"}, {'<', "&lt;"}, {'>', "&gt;"}, {'"', "&quot;"}, {'\'', "&#39;"}, {'{', "&#123;"}, {'}', "&#125;"}};
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto* entity =
        std::find_if(std::begin(kEntities), std::end(kEntities), [c](const auto& e) { return e.first == c; });
    if (entity != std::end(kEntities))
      out += entity->second;
    else
      out += c;
  }
  return out;
}

struct Mark {
  std::string_view marker;
  std::string_view text;
};

// The snippet with each marker replaced by its text. One pass, so a name that happens to hold
// "#LINK#" is not taken for a marker.
inline std::string Fill(std::string_view snippet, std::initializer_list<Mark> marks) {
  std::string out;
  size_t i = 0;
  while (i < snippet.size()) {
    const Mark* hit = nullptr;
    for (const Mark& mark : marks)
      if (!mark.marker.empty() && snippet.substr(i, mark.marker.size()) == mark.marker) hit = &mark;
    if (hit) {
      out += hit->text;
      i += hit->marker.size();
    } else {
      out += snippet[i++];
    }
  }
  return out;
}

// The snippets of the script file, fetched through the engine's own GetScript.
class Snippets {
 public:
  explicit Snippets(IPitchlog& engine) : engine_(engine) {}

  std::string operator()(const std::string& key, const std::string& style = {}) const {
    return engine_.GetScript(key, style).ToString();
  }
  // "value" with `html` as its value: callers escape what came from users and add their markup.
  std::string Value(std::string_view html) const { return Fill((*this)("value"), {{"#VALUE#", html}}); }
  std::string SweepLink(std::string_view name) const {
    return Link("sweeplink", name, engine_.XMLTagEncode(std::string(name)));
  }
  std::string MemberLink(std::string_view name, std::string_view key) const { return Link("memberlink", name, key); }

  struct Header {
    std::string caption;
    std::string style;
  };
  // "tablestart", the header row with one cell per caption, and "trend", each ending its line.
  std::string HeaderRow(const std::vector<Header>& cells) const {
    std::string row = (*this)("tablestart") + kCrLf + (*this)("trstart") + kCrLf;
    for (const Header& cell : cells)
      row += (*this)("thstart", cell.style) + EscapeHtml(cell.caption) + (*this)("thend") + kCrLf;
    return row + (*this)("trend") + kCrLf;
  }

 private:
  std::string Link(const std::string& key, std::string_view name, std::string_view link) const {
    const std::string value = EscapeHtml(name);
    return Fill((*this)(key), {{"#VALUE#", value}, {"#LINK#", link}});
  }

  IPitchlog& engine_;
};

// Starts a table in place of `placeholder` in the last element of the page: the element keeps
// the text before it and the rest of the line is returned for CloseTable. With nothing to list,
// or without the placeholder, every occurrence of it becomes the `nothing` snippet instead.
inline std::optional<std::string> OpenTable(std::vector<std::string>& lines, const Snippets& html,
                                            std::string_view placeholder, bool nothing_to_list,
                                            const std::string& nothing) {
  std::string& last = lines.back();
  const size_t at = last.find(placeholder);
  if (nothing_to_list || at == std::string::npos) {
    ReplaceAll(last, placeholder, html(nothing));
    return std::nullopt;
  }
  std::string rest = last.substr(at + placeholder.size());
  last.erase(at);
  return rest;
}

inline void CloseTable(std::vector<std::string>& lines, const Snippets& html, const std::string& rest) {
  lines.push_back(html("tableend") + rest);
}

// The texts of a one-dimensional list.
inline std::vector<std::string> ListTexts(const Variant& list) {
  const Array& items = list.AsArray();
  std::vector<std::string> texts;
  for (int32_t i = items.LBound(1); i <= items.UBound(1); ++i) texts.push_back(items.at(i).ToString());
  return texts;
}

// A text right-aligned in twelve characters: twelve blanks in front, the last twelve kept.
inline std::string RightAligned(std::string_view text) {
  const std::string padded = std::string(12, ' ') + std::string(text);
  return padded.substr(padded.size() - 12);
}

// Positions of the entries ordered by their keys. Entries with equal keys all stay, in list
// order, in either direction.
template <typename Key>
std::vector<size_t> OrderBy(const std::vector<Key>& keys, bool ascending) {
  std::vector<size_t> order(keys.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return ascending ? keys[a] < keys[b] : keys[b] < keys[a]; });
  return order;
}

}  // namespace kelvane::pages

// Small text helpers shared by the engine's readers.
#pragma once

#include <string>
#include <string_view>

namespace kelvane::text {

// Keys, element names and ids are ASCII; other bytes are left alone.
inline std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

inline bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

}  // namespace kelvane::text

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

// The length of the UTF-8 sequence at the start of `s` and its code point; 0 when it is none.
inline size_t DecodeUtf8(std::string_view s, char32_t& c) {
  if (s.empty()) return 0;
  const auto b0 = static_cast<unsigned char>(s[0]);
  const size_t length = b0 < 0x80 ? 1 : (b0 >> 5) == 0x6 ? 2 : (b0 >> 4) == 0xE ? 3 : (b0 >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || length > s.size()) return 0;
  c = length == 1 ? b0 : b0 & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if ((b >> 6) != 0x2) return 0;
    c = (c << 6) | (b & 0x3F);
  }
  return c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) ? 0 : length;
}

inline bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

}  // namespace kelvane::text

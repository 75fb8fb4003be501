#include "engine/data/file_bytes.h"

namespace kelvane::files {
namespace {

int Base64Value(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+') return 62;
  if (c == '/') return 63;
  return -1;
}

}  // namespace

std::optional<std::string> Base64Decode(std::string_view text) {
  std::string out;
  unsigned bits = 0;
  int count = 0;    // sextets in the current group
  int padding = 0;  // "=" seen; only more padding or white space may follow
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    if (c == '=') {
      if (count < 2 || count + ++padding > 4) return std::nullopt;
      continue;
    }
    const int value = Base64Value(c);
    if (value < 0 || padding > 0) return std::nullopt;
    bits = (bits << 6) | static_cast<unsigned>(value);
    if (++count == 4) {
      out.push_back(static_cast<char>((bits >> 16) & 0xFF));
      out.push_back(static_cast<char>((bits >> 8) & 0xFF));
      out.push_back(static_cast<char>(bits & 0xFF));
      bits = 0;
      count = 0;
    }
  }
  if (padding > 0 && count + padding != 4) return std::nullopt;
  if (count == 1) return std::nullopt;
  if (count == 2) out.push_back(static_cast<char>((bits >> 4) & 0xFF));
  if (count == 3) {
    out.push_back(static_cast<char>((bits >> 10) & 0xFF));
    out.push_back(static_cast<char>((bits >> 2) & 0xFF));
  }
  return out;
}

}  // namespace kelvane::files

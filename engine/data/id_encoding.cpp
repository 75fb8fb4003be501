#include "engine/data/id_encoding.h"

#include <cstdio>

#include "engine/data/file_names.h"
#include "engine/data/text.h"
#include "engine/pitchlog.h"
#include "platform/component/error.h"

namespace kelvane {
namespace {

// Length in bytes of the UTF-8 character starting at s[i]; a broken sequence counts as one byte.
size_t CharLength(std::string_view s, size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  size_t len = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
  if (i + len > s.size()) return 1;
  for (size_t k = 1; k < len; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
  return len;
}

bool Kept(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '.';
}

// Characters that have always become "_" and still do: the Latin letters beyond ASCII with their
// accents, and the spaces, punctuation and symbols of general use. Stored keys of names written
// with them stay as they were.
bool BecomesUnderscore(char32_t c) {
  return (c >= 0x80 && c <= 0x36F) || (c >= 0x1E00 && c <= 0x1EFF) || (c >= 0x2000 && c <= 0x2BFF) ||
         (c >= 0xFB00 && c <= 0xFB06) || (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF;
}

// The character of another script at s[i] (Cyrillic, Greek, Arabic, Chinese and the like); 0 for
// any other character.
char32_t OtherScript(std::string_view s, size_t i) {
  char32_t c = 0;
  if (CharLength(s, i) == 1 || text::DecodeUtf8(s.substr(i), c) == 0 || BecomesUnderscore(c)) return 0;
  return c;
}

bool HasOtherScript(std::string_view name) {
  for (size_t i = 0; i < name.size(); i += CharLength(name, i))
    if (OtherScript(name, i)) return true;
  return false;
}

// Letters, digits, "_" and "." as they are, the first ":" too, every other character "_"; with
// `spell`, a character of another script is spelled "-", its code point in hex, "-" instead, so
// names written in them don't all share one key. No other key holds a "-".
std::string Body(std::string_view name, bool spell) {
  std::string out;
  out.reserve(name.size() + 1);
  bool colon_seen = false;
  size_t chars = 0;
  for (size_t i = 0; i < name.size(); i += CharLength(name, i)) {
    if (++chars > 32767) throw Error(ErrorKind::Overflow, "name too long to encode");
    const char c = name[i];
    const char32_t other = spell ? OtherScript(name, i) : 0;
    if (other) {
      char hex[16];
      std::snprintf(hex, sizeof hex, "-%x-", static_cast<unsigned>(other));
      out += hex;
    } else if (CharLength(name, i) == 1 && Kept(c)) {
      out += c;
    } else if (c == ':' && !colon_seen) {
      colon_seen = true;
      out += c;
    } else {
      out += '_';
    }
  }
  return out;
}

}  // namespace

std::string LegacyXmlTag(std::string_view name) {
  const std::string out = Body(name, false);
  const bool prefix = text::Lower(name.substr(0, 3)) == "xml" || (!name.empty() && (name[0] == '.' || (name[0] >= '0' && name[0] <= '9')));
  return text::Lower(prefix ? "_" + out : out);
}

std::string EncodeXmlTag(std::string_view name) {
  std::string key = LegacyXmlTag(name);  // counts the characters first
  // The leading "_" makes the key a name whatever comes first.
  if (HasOtherScript(name)) key = "_" + text::Lower(Body(files::FoldCase(name), true));
  return key;
}

std::string Pitchlog::XMLTagEncode(const std::string& tag_name) { return EncodeXmlTag(tag_name); }

}  // namespace kelvane

#include "engine/data/id_encoding.h"

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

}  // namespace

std::string EncodeXmlTag(std::string_view name) {
  std::string out;
  out.reserve(name.size() + 1);
  bool colon_seen = false;
  size_t chars = 0;
  for (size_t i = 0; i < name.size(); i += CharLength(name, i)) {
    if (++chars > 32767) throw Error(ErrorKind::Overflow, "name too long to encode");
    const char c = name[i];
    if (CharLength(name, i) == 1 && Kept(c)) {
      out += c;
    } else if (c == ':' && !colon_seen) {
      colon_seen = true;
      out += c;
    } else {
      out += '_';
    }
  }
  const bool prefix = text::Lower(name.substr(0, 3)) == "xml" || (!name.empty() && (name[0] == '.' || (name[0] >= '0' && name[0] <= '9')));
  return text::Lower(prefix ? "_" + out : out);
}

std::string Pitchlog::XMLTagEncode(const std::string& tag_name) { return EncodeXmlTag(tag_name); }

}  // namespace kelvane

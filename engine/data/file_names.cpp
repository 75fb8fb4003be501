#include "engine/data/file_names.h"

#include <locale.h>

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

#include <cstdint>
#include <cwctype>
#include <optional>

#include "engine/data/text.h"

namespace kelvane::files {
namespace {

// The C library's Unicode case tables, whatever the user's own locale; null where the system
// has none, and then only English letters fold.
locale_t UnicodeCase() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
  return locale;
}

char32_t FoldLetter(char32_t c) {
  if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c;
  const locale_t locale = UnicodeCase();
  if (!locale) return c;
  // Up and down again, so that letters with two small forms (final sigma) fold alike.
  const auto upper = static_cast<wint_t>(towupper_l(static_cast<wint_t>(c), locale));
  return static_cast<char32_t>(towlower_l(upper, locale));
}

void Encode(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

bool IsUtf8(std::string_view s) {
  for (char32_t c = 0; !s.empty();) {
    const size_t length = text::DecodeUtf8(s, c);
    if (length == 0) return false;
    s.remove_prefix(length);
  }
  return true;
}

// Unicode's caseless match: decomposed, folded (so "ß" is "ss"), composed again. Nothing where
// the library fails.
std::optional<std::string> UnicodeFold(std::string_view name) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* decompose = icu::Normalizer2::getNFDInstance(status);
  const icu::Normalizer2* compose = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status)) return std::nullopt;
  icu::UnicodeString text =
      decompose->normalize(icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), static_cast<int32_t>(name.size()))), status);
  text.foldCase(U_FOLD_CASE_DEFAULT);
  text = compose->normalize(text, status);
  if (U_FAILURE(status)) return std::nullopt;
  std::string out;
  text.toUTF8String(out);
  return out;
}

}  // namespace

std::string FoldCase(std::string_view name) {
  if (name.size() <= static_cast<size_t>(INT32_MAX) && IsUtf8(name))
    if (auto folded = UnicodeFold(name)) return *std::move(folded);
  std::string out;
  out.reserve(name.size());
  while (!name.empty()) {
    char32_t c = 0;
    const size_t length = text::DecodeUtf8(name, c);
    if (length == 0) {
      out += name[0];
      name.remove_prefix(1);
      continue;
    }
    Encode(FoldLetter(c), out);
    name.remove_prefix(length);
  }
  return out;
}

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name.find("..") != std::string_view::npos) return false;
  return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

std::filesystem::path FindIgnoringCase(const std::filesystem::path& folder, std::string_view name) {
  auto exact = folder / std::string(name);
  std::error_code ec;
  if (std::filesystem::exists(exact, ec)) return exact;
  const std::string wanted = FoldCase(name);
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (FoldCase(it->path().filename().string()) == wanted) return it->path();
  return exact;
}

}  // namespace kelvane::files

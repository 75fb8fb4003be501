// Turns a name that a user typed into a key that is a legal XML name.
#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// Letters, digits, "_" and "." kept, the first ":" kept, every other character "_"; a "_"
// in front when the name starts with "XML" (any case), "." or a digit; all lower case.
// A name holding a letter of another script (Cyrillic, Greek, Chinese...) is keyed apart: "_",
// then each such letter, folded to small, as "-" hex code point "-", the rest as above; so two
// such names share a key only when they differ in letter case or in what becomes "_".
// Counts UTF-8 characters; more than 32,767 of them is an overflow.
std::string EncodeXmlTag(std::string_view name);

// The key such a name was given before it was keyed apart (every letter of another script a "_"),
// which records stored then still hold.
std::string LegacyXmlTag(std::string_view name);

}  // namespace kelvane

// Turns a name that a user typed into a key that is a legal XML name.
#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// Letters, digits, "_" and "." kept, the first ":" kept, every other character "_"; a "_"
// in front when the name starts with "XML" (any case), "." or a digit; all lower case.
// Counts UTF-8 characters; more than 32,767 of them is an overflow.
std::string EncodeXmlTag(std::string_view name);

}  // namespace kelvane

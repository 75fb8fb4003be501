// The bytes of downloaded files: base64 text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvane::files {

// Standard base64 with optional "=" padding; white space is ignored. Nothing for any other
// character or a cut-off group.
std::optional<std::string> Base64Decode(std::string_view text);

}  // namespace kelvane::files

// The bytes of downloaded files: base64 text and atomic writes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvane::files {

// Standard base64 with optional "=" padding; white space is ignored. Nothing for any other
// character or a cut-off group.
std::optional<std::string> Base64Decode(std::string_view text);

// Replaces `path` with `bytes` through a temporary file beside it, so a failed write never
// leaves half a file; throws Error(File) when it cannot.
void WriteBytesAtomically(const std::string& path, std::string_view bytes);

}  // namespace kelvane::files

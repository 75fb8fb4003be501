// Whole files in and out: what the documents load, and the one way every data and results
// file is replaced.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvane::xml {

// What ReplaceFile adds to the file's name for the temporary file it writes first.
inline constexpr size_t kTemporaryNameBytes = 7;

// Reads a whole file into `content`; returns "" on success, else why it could not.
std::string ReadWholeFile(const std::string& path, std::string& content);

// Replaces `path` with `bytes` so that a crash or power cut leaves the old file or the new one:
// the bytes go to a temporary file beside it, on disk before the rename, and the folder goes to
// disk after it. A read-only file is refused and any other file keeps its mode. Temporary files
// that earlier interrupted saves of `path` left behind are removed. Throws Error(File) naming
// the path when it cannot.
void ReplaceFile(const std::string& path, std::string_view bytes);

}  // namespace kelvane::xml

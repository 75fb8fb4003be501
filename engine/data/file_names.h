// Checks and lookups for file names that come from users or downloads.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace kelvane::files {

// A plain file name: not empty, no "/", "\", ".." or NUL, so it can't leave its folder.
bool IsPlainFileName(std::string_view name);

// The name with every letter in one case, for comparing names without regard to case: "Été"
// and "été" fold alike, "Straße" and "STRASSE" too, and so do an accent written apart and the
// same letter composed. In a name that is not UTF-8 only single letters fold, and other bytes
// stay as they are.
std::string FoldCase(std::string_view name);

// The entry of `folder` whose name equals `name` without regard to letter case, else
// folder / name as given (for a file about to be created).
std::filesystem::path FindIgnoringCase(const std::filesystem::path& folder, std::string_view name);

}  // namespace kelvane::files

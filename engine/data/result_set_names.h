// Result-set names and the files they stand for in the Results folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "engine/pitchlog_interface.h"

namespace kelvane {

// The characters a set name must not contain, in the order the name dialog lists them.
inline constexpr std::string_view kForbiddenSetNameChars = "\\/:*?<>|.\"";

// True when the name holds none of the forbidden characters (an empty name passes).
bool HasNoForbiddenChars(std::string_view name);
// A name the engine will read: not empty nor spaces alone, short enough for a file name, no
// forbidden character, no NUL.
bool IsResultSetName(std::string_view name);
// Throws kelvane::Error unless IsResultSetName.
void RequireResultSetName(std::string_view name);
// And for a set the engine writes: at most kMaxResultSetNameBytes, so its temporary file fits.
void RequireNewResultSetName(std::string_view name);
// The set's file: its name and ".xml" in Results, matched without regard to letter case.
std::filesystem::path ResultSetPath(const std::string& app_path, std::string_view name);

}  // namespace kelvane

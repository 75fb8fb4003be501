// The ProgID registry: a small text file mapping each ProgID to the absolute path of the
// library that serves it, one "ProgID<TAB>path" a line.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kelvane::registry {

// $KELVANE_REGISTRY when set, else ~/.config/kelvane/registry.
std::filesystem::path Path();

std::optional<std::string> Lookup(const std::string& prog_id);
// Adds or replaces the entry; throws kelvane::Error(File) when the file can't be written.
void Register(const std::string& prog_id, const std::string& library_path);
// Removes the entry if there is one.
void Unregister(const std::string& prog_id);

}  // namespace kelvane::registry

// The ProgID registry: a small text file mapping each ProgID to the absolute paths of the
// libraries that serve it, one "ProgID<TAB>path" a line, the latest registered last. Every
// build and every program folder registers its own library, so one ProgID may have several.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kelvane::registry {

// $KELVANE_REGISTRY when set, else ~/.config/kelvane/registry.
std::filesystem::path Path();

// The library that serves the ProgID to a program in `program_folder`: the one registered in
// that folder when there is one, else a library of a registered one's file name standing in that
// folder (a copied folder), else the latest registered that still exists, else the latest.
std::optional<std::string> Lookup(const std::string& prog_id, const std::filesystem::path& program_folder);
// As above, for the running program's own folder (the folder of its executable).
std::optional<std::string> Lookup(const std::string& prog_id);

// Adds the entry, or moves it to the end as the latest; entries for libraries that are gone are
// dropped. Throws kelvane::Error(File) when the file can't be written.
void Register(const std::string& prog_id, const std::string& library_path);
// Removes the ProgID's entry for that library, or every entry of the ProgID when the path is empty.
void Unregister(const std::string& prog_id, const std::string& library_path = {});

}  // namespace kelvane::registry

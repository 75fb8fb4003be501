// What the fuzz targets share: one scratch copy of the shipped program folder per fuzzing
// process, an engine on it, and the rule that only kelvane::Error may leave a member.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/pitchlog.h"

namespace fuzzing {

// Made on first use from the shipped data and the pool of tests/fuzz/pool, and removed when the
// process ends.
const std::filesystem::path& ScratchFolder();

// Writes one file of the scratch folder; `relative` as "Data/teams.xml".
void WriteFile(const std::string& relative, std::string_view bytes);
// Puts the file back as the scratch folder had it.
void RestoreFile(const std::string& relative);

// An engine whose AppPath is the scratch folder, with everything loaded once.
kelvane::Pitchlog& Engine();

// A member that may fail fails with kelvane::Error; any other exception escapes and libFuzzer
// reports it.
template <typename Call>
void Tolerate(Call&& call) {
  try {
    call();
  } catch (const kelvane::Error&) {
  }
}

// The texts of one column of an engine list, (0 To columns, 0 To rows) or one-dimensional as
// column 0; none when it is no list.
std::vector<std::string> Column(const kelvane::Variant& list, int column);

// The game ids of the shipped schedule, in its order.
const std::vector<std::string>& ShippedGameIds();

// Splits the first byte off as a choice among `count` things.
size_t Choose(const uint8_t*& data, size_t& size, size_t count);

// The fuzzer's bytes as a text.
inline std::string_view Text(const uint8_t* data, size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

}  // namespace fuzzing

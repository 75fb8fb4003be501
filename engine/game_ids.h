// What a game's id says of it: a group game's id begins with its group letter "A" to "H", a
// knock-out game's with its stage letter "V" to "Z". The engine and the windows read it by this one
// rule, so a file whose ids are written in lower case is read the same everywhere.
#pragma once

#include <string_view>

namespace kelvane {

// The groups, in the order of their letters.
inline constexpr std::string_view kGroupLetters = "ABCDEFGH";

// True for a group game: the id's first letter, upper-cased, sorts before "I".
constexpr bool IsGroupGameID(std::string_view game_id) {
  if (game_id.empty()) return false;
  const char first = game_id.front();
  const char upper = first >= 'a' && first <= 'z' ? static_cast<char>(first - 'a' + 'A') : first;
  return upper < 'I';
}

}  // namespace kelvane

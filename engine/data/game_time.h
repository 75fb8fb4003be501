// Kick-off times: the games file's `gametime` text and the general date format given back.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace kelvane::game_time {

// Reads "20 November 2022 17:00", "November 20, 2022 17:00" or "2022-11-20 17:00" (seconds
// and the time itself optional; English month names, full or three letters, in any case).
// Throws Error(TypeMismatch) for any other text or an impossible date or time.
std::chrono::sys_seconds Parse(std::string_view text);

// "yyyy-mm-dd hh:nn:ss".
std::string Format(std::chrono::sys_seconds time);

}  // namespace kelvane::game_time

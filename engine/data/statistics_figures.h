// Reading the figures of the results for the statistics.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/component/error.h"
#include "platform/component/variant.h"
#include "platform/xml/document.h"

namespace kelvane::stats {

// A figure stored as text, read with a "0" in front so that an empty text is 0. Nothing for a
// missing element or a text that is not a whole number from 0 to 32767: a damaged or
// downloaded file must not stop the statistics.
inline std::optional<int16_t> Figure(xml::Node field) {
  if (!field) return std::nullopt;
  const std::string text = field.Text();
  // Plain digits, as the engine writes them, need no general number parsing.
  if (text.size() <= 4 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
    int16_t value = 0;
    for (char c : text) value = static_cast<int16_t>(value * 10 + (c - '0'));
    return value;
  }
  try {
    const int16_t value = Variant("0" + text).ToInt16();
    if (value >= 0) return value;
  } catch (const Error&) {
  }
  return std::nullopt;
}

}  // namespace kelvane::stats

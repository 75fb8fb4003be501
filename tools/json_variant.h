// JSON to Variant and back, for the command-line caller.
#pragma once

#include <nlohmann/json.hpp>

#include "platform/component/variant.h"

namespace kelvane {

// null = Empty; a list of lists = a two-dimensional array (0 To columns - 1, 0 To rows - 1).
Variant FromJson(const nlohmann::json& value);
// Empty and Null = null; a two-dimensional array = a list of its rows.
nlohmann::json ToJson(const Variant& value);

}  // namespace kelvane

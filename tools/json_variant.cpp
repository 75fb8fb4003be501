#include "tools/json_variant.h"

#include <charconv>
#include <limits>
#include <string>

#include "platform/component/error.h"

namespace kelvane {

Variant FromJson(const nlohmann::json& value) {
  using json = nlohmann::json;
  switch (value.type()) {
    case json::value_t::null: return Variant();
    case json::value_t::boolean: return value.get<bool>();
    case json::value_t::number_integer:
    case json::value_t::number_unsigned: {
      auto n = value.get<int64_t>();
      if (n >= std::numeric_limits<int16_t>::min() && n <= std::numeric_limits<int16_t>::max())
        return static_cast<int16_t>(n);
      if (n >= std::numeric_limits<int32_t>::min() && n <= std::numeric_limits<int32_t>::max())
        return static_cast<int32_t>(n);
      return static_cast<double>(n);
    }
    case json::value_t::number_float: return value.get<double>();
    case json::value_t::string: return value.get<std::string>();
    case json::value_t::array: {
      const auto rows = static_cast<int32_t>(value.size());
      if (rows > 0 && value[0].is_array()) {
        const auto cols = static_cast<int32_t>(value[0].size());
        Array a(0, cols - 1, 0, rows - 1);
        for (int32_t j = 0; j < rows; ++j) {
          if (!value[j].is_array() || static_cast<int32_t>(value[j].size()) != cols)
            throw Error(ErrorKind::TypeMismatch, "rows of a list must have equal lengths");
          for (int32_t i = 0; i < cols; ++i) a.Set(i, j, FromJson(value[j][i]));
        }
        return a;
      }
      Array a(0, rows - 1);
      for (int32_t i = 0; i < rows; ++i) a.Set(i, FromJson(value[i]));
      return a;
    }
    default:
      throw Error(ErrorKind::TypeMismatch, "unsupported JSON value");
  }
}

nlohmann::json ToJson(const Variant& value) {
  using T = Variant::Type;
  switch (value.type()) {
    case T::Empty:
    case T::Null: return nullptr;
    case T::Boolean: return value.ToBool();
    case T::Integer:
    case T::Long: return value.ToInt32();
    case T::Single: {
      // The Single's own shortest digits, read with "." whatever the locale.
      const std::string digits = value.ToString();
      double number = 0;
      std::from_chars(digits.data(), digits.data() + digits.size(), number);
      return number;
    }
    case T::Double: return value.ToDouble();
    case T::String: return value.ToString();
    case T::Array: {
      const Array& a = value.AsArray();
      nlohmann::json out = nlohmann::json::array();
      if (a.Dimensions() == 1) {
        for (int32_t i = a.LBound(1); i <= a.UBound(1); ++i) out.push_back(ToJson(a.at(i)));
      } else if (a.Dimensions() == 3) {
        // Outermost the last index, as for two dimensions.
        for (int32_t k = a.LBound(3); k <= a.UBound(3); ++k) {
          nlohmann::json plane = nlohmann::json::array();
          for (int32_t j = a.LBound(2); j <= a.UBound(2); ++j) {
            nlohmann::json row = nlohmann::json::array();
            for (int32_t i = a.LBound(1); i <= a.UBound(1); ++i) row.push_back(ToJson(a.at(i, j, k)));
            plane.push_back(std::move(row));
          }
          out.push_back(std::move(plane));
        }
      } else {
        for (int32_t j = a.LBound(2); j <= a.UBound(2); ++j) {
          nlohmann::json row = nlohmann::json::array();
          for (int32_t i = a.LBound(1); i <= a.UBound(1); ++i) row.push_back(ToJson(a.at(i, j)));
          out.push_back(std::move(row));
        }
      }
      return out;
    }
  }
  return nullptr;
}

}  // namespace kelvane

#include "platform/component/variant.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "platform/component/error.h"

namespace kelvane {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Reads a decimal number the way a user or a data file writes one: optional blanks around,
// an optional sign, digits with an optional point, an optional exponent.
std::optional<double> ParseNumber(const std::string& text) {
  size_t b = 0, e = text.size();
  while (b < e && IsSpace(text[b])) ++b;
  while (e > b && IsSpace(text[e - 1])) --e;
  if (b == e) return std::nullopt;
  std::string s = text.substr(b, e - b);
  size_t i = 0;
  if (s[i] == '+' || s[i] == '-') ++i;
  size_t digits = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    size_t j = i + 1;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
    size_t exp_digits = 0;
    while (j < s.size() && s[j] >= '0' && s[j] <= '9') ++j, ++exp_digits;
    if (exp_digits == 0) return std::nullopt;
    i = j;
  }
  if (i != s.size()) return std::nullopt;
  const char* first = s.data();
  if (*first == '+') ++first;
  double value = 0;
  auto [ptr, ec] = std::from_chars(first, s.data() + s.size(), value);
  if (ec == std::errc::result_out_of_range) throw Error(ErrorKind::Overflow, "number out of range: " + s);
  if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
  return value;
}

template <typename T>
std::string Shortest(T value) {
  char buf[64];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
  (void)ec;
  return std::string(buf, ptr);
}

// Rounds half to even, as whole-number conversions of the interface do.
double RoundHalfEven(double v) {
  double r = std::nearbyint(v);  // default rounding mode is to nearest, ties to even
  return r;
}

template <typename T>
T ToWhole(double v, const char* what) {
  if (!std::isfinite(v)) throw Error(ErrorKind::Overflow, std::string("overflow converting to ") + what);
  double r = RoundHalfEven(v);
  if (r < std::numeric_limits<T>::min() || r > std::numeric_limits<T>::max())
    throw Error(ErrorKind::Overflow, std::string("overflow converting to ") + what);
  return static_cast<T>(r);
}

std::string TypeName(Variant::Type t) {
  switch (t) {
    case Variant::Type::Empty: return "Empty";
    case Variant::Type::Null: return "Null";
    case Variant::Type::Boolean: return "Boolean";
    case Variant::Type::Integer: return "Integer";
    case Variant::Type::Long: return "Long";
    case Variant::Type::Single: return "Single";
    case Variant::Type::Double: return "Double";
    case Variant::Type::String: return "String";
    case Variant::Type::Array: return "Array";
  }
  return "?";
}

}  // namespace

Variant::Variant(Array a) : value_(std::make_unique<Array>(std::move(a))) {}

Variant::Variant(const Variant& other) { *this = other; }

Variant& Variant::operator=(const Variant& other) {
  if (this == &other) return *this;
  if (other.IsArray())
    value_ = std::make_unique<Array>(other.AsArray());
  else
    std::visit(
        [this](const auto& v) {
          using T = std::decay_t<decltype(v)>;
          if constexpr (!std::is_same_v<T, std::unique_ptr<Array>>) value_ = v;
        },
        other.value_);
  return *this;
}

Variant::~Variant() = default;

bool Variant::IsNumeric() const {
  switch (type()) {
    case Type::Boolean:
    case Type::Integer:
    case Type::Long:
    case Type::Single:
    case Type::Double:
      return true;
    case Type::String:
      try {
        return ParseNumber(std::get<std::string>(value_)).has_value();
      } catch (const Error&) {
        return true;  // a number, just a huge one
      }
    default:
      return false;
  }
}

double Variant::ToDouble() const {
  switch (type()) {
    case Type::Empty: return 0;
    case Type::Boolean: return std::get<bool>(value_) ? -1 : 0;
    case Type::Integer: return std::get<int16_t>(value_);
    case Type::Long: return std::get<int32_t>(value_);
    case Type::Single: return std::get<float>(value_);
    case Type::Double: return std::get<double>(value_);
    case Type::String: {
      const auto& s = std::get<std::string>(value_);
      auto n = ParseNumber(s);
      if (!n) throw Error(ErrorKind::TypeMismatch, "not a number: \"" + s + "\"");
      return *n;
    }
    default:
      throw Error(ErrorKind::TypeMismatch, TypeName(type()) + " is not a number");
  }
}

int16_t Variant::ToInt16() const { return ToWhole<int16_t>(ToDouble(), "Integer"); }
int32_t Variant::ToInt32() const { return ToWhole<int32_t>(ToDouble(), "Long"); }

float Variant::ToSingle() const {
  double d = ToDouble();
  if (std::isfinite(d) && std::fabs(d) > std::numeric_limits<float>::max())
    throw Error(ErrorKind::Overflow, "overflow converting to Single");
  return static_cast<float>(d);
}

bool Variant::ToBool() const {
  if (type() == Type::Boolean) return std::get<bool>(value_);
  if (type() == Type::String) {
    std::string s = std::get<std::string>(value_);
    std::string lower;
    for (char c : s) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "true") return true;
    if (lower == "false") return false;
  }
  return ToDouble() != 0;
}

std::string Variant::ToString() const {
  switch (type()) {
    case Type::Empty: return "";
    case Type::Boolean: return std::get<bool>(value_) ? "True" : "False";
    case Type::Integer: return std::to_string(std::get<int16_t>(value_));
    case Type::Long: return std::to_string(std::get<int32_t>(value_));
    case Type::Single: return Shortest(std::get<float>(value_));
    case Type::Double: return Shortest(std::get<double>(value_));
    case Type::String: return std::get<std::string>(value_);
    default:
      throw Error(ErrorKind::TypeMismatch, TypeName(type()) + " has no text");
  }
}

const Array& Variant::AsArray() const {
  if (!IsArray()) throw Error(ErrorKind::TypeMismatch, TypeName(type()) + " is not an array");
  return *std::get<std::unique_ptr<Array>>(value_);
}

Array& Variant::AsArray() {
  if (!IsArray()) throw Error(ErrorKind::TypeMismatch, TypeName(type()) + " is not an array");
  return *std::get<std::unique_ptr<Array>>(value_);
}

bool Variant::operator==(const Variant& other) const {
  if (type() != other.type()) return false;
  if (IsArray()) return AsArray() == other.AsArray();
  return value_ == other.value_;
}

// ---- Array ----

Array::Array(int32_t lower, int32_t upper, Elements elements)
    : dims_(1), elements_(elements), lower_{lower, 0, 0}, upper_{upper, -1, -1} {
  if (upper < lower - 1) throw Error(ErrorKind::SubscriptOutOfRange, "array bounds reversed");
  data_.assign(static_cast<size_t>(upper - lower + 1), Blank());
}

Array::Array(int32_t lower0, int32_t upper0, int32_t lower1, int32_t upper1, Elements elements)
    : dims_(2), elements_(elements), lower_{lower0, lower1, 0}, upper_{upper0, upper1, -1} {
  if (upper0 < lower0 - 1 || upper1 < lower1 - 1)
    throw Error(ErrorKind::SubscriptOutOfRange, "array bounds reversed");
  data_.assign(Extent(0) * Extent(1), Blank());
}

Array::Array(int32_t lower0, int32_t upper0, int32_t lower1, int32_t upper1, int32_t lower2, int32_t upper2,
             Elements elements)
    : dims_(3), elements_(elements), lower_{lower0, lower1, lower2}, upper_{upper0, upper1, upper2} {
  if (upper0 < lower0 - 1 || upper1 < lower1 - 1 || upper2 < lower2 - 1)
    throw Error(ErrorKind::SubscriptOutOfRange, "array bounds reversed");
  data_.assign(Extent(0) * Extent(1) * Extent(2), Blank());
}

Variant Array::Blank() const { return elements_ == Elements::String ? Variant(std::string()) : Variant(); }

int32_t Array::LBound(int dimension) const {
  if (dimension < 1 || dimension > dims_) throw Error(ErrorKind::SubscriptOutOfRange, "no such array dimension");
  return lower_[dimension - 1];
}

int32_t Array::UBound(int dimension) const {
  if (dimension < 1 || dimension > dims_) throw Error(ErrorKind::SubscriptOutOfRange, "no such array dimension");
  return upper_[dimension - 1];
}

size_t Array::Offset(int32_t i) const {
  if (dims_ != 1 || i < lower_[0] || i > upper_[0])
    throw Error(ErrorKind::SubscriptOutOfRange, "subscript out of range: " + std::to_string(i));
  return static_cast<size_t>(i - lower_[0]);
}

size_t Array::Offset(int32_t i, int32_t j) const {
  if (dims_ != 2 || i < lower_[0] || i > upper_[0] || j < lower_[1] || j > upper_[1])
    throw Error(ErrorKind::SubscriptOutOfRange,
                "subscript out of range: (" + std::to_string(i) + ", " + std::to_string(j) + ")");
  return static_cast<size_t>(i - lower_[0]) + static_cast<size_t>(j - lower_[1]) * Extent(0);
}

size_t Array::Offset(int32_t i, int32_t j, int32_t k) const {
  if (dims_ != 3 || i < lower_[0] || i > upper_[0] || j < lower_[1] || j > upper_[1] || k < lower_[2] ||
      k > upper_[2])
    throw Error(ErrorKind::SubscriptOutOfRange, "subscript out of range: (" + std::to_string(i) + ", " +
                                                    std::to_string(j) + ", " + std::to_string(k) + ")");
  return static_cast<size_t>(i - lower_[0]) +
         (static_cast<size_t>(j - lower_[1]) + static_cast<size_t>(k - lower_[2]) * Extent(1)) * Extent(0);
}

const Variant& Array::at(int32_t i) const { return data_[Offset(i)]; }
Variant& Array::at(int32_t i) { return data_[Offset(i)]; }
const Variant& Array::at(int32_t i, int32_t j) const { return data_[Offset(i, j)]; }
Variant& Array::at(int32_t i, int32_t j) { return data_[Offset(i, j)]; }
const Variant& Array::at(int32_t i, int32_t j, int32_t k) const { return data_[Offset(i, j, k)]; }
Variant& Array::at(int32_t i, int32_t j, int32_t k) { return data_[Offset(i, j, k)]; }

void Array::Set(int32_t i, Variant v) {
  data_[Offset(i)] = elements_ == Elements::String ? Variant(v.ToString()) : std::move(v);
}

void Array::Set(int32_t i, int32_t j, Variant v) {
  data_[Offset(i, j)] = elements_ == Elements::String ? Variant(v.ToString()) : std::move(v);
}

void Array::Set(int32_t i, int32_t j, int32_t k, Variant v) {
  data_[Offset(i, j, k)] = elements_ == Elements::String ? Variant(v.ToString()) : std::move(v);
}

void Array::RedimPreserve(int32_t new_upper) {
  int last = dims_ - 1;
  if (last < 0) throw Error(ErrorKind::SubscriptOutOfRange, "array has no dimensions");
  if (new_upper < lower_[last] - 1) throw Error(ErrorKind::SubscriptOutOfRange, "array bounds reversed");
  size_t width = 1;
  for (int d = 0; d < last; ++d) width *= Extent(d);
  upper_[last] = new_upper;
  data_.resize(width * static_cast<size_t>(new_upper - lower_[last] + 1), Blank());
}

}  // namespace kelvane

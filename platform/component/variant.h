// The value type that crosses the engine's interface where a member takes or returns a Variant.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace kelvane {

class Array;

struct Null {
  bool operator==(const Null&) const = default;
};

class Variant {
 public:
  enum class Type { Empty, Null, Boolean, Integer, Long, Single, Double, String, Array };

  Variant() = default;
  Variant(Null) : value_(Null{}) {}
  Variant(bool v) : value_(v) {}
  Variant(int16_t v) : value_(v) {}
  Variant(int32_t v) : value_(v) {}
  Variant(float v) : value_(v) {}
  Variant(double v) : value_(v) {}
  Variant(std::string v) : value_(std::move(v)) {}
  Variant(const char* v) : value_(std::string(v)) {}
  Variant(Array a);

  Variant(const Variant& other);
  Variant& operator=(const Variant& other);
  Variant(Variant&&) noexcept = default;
  Variant& operator=(Variant&&) noexcept = default;
  ~Variant();

  Type type() const { return static_cast<Type>(value_.index()); }
  bool IsEmpty() const { return type() == Type::Empty; }
  bool IsNull() const { return type() == Type::Null; }
  bool IsArray() const { return type() == Type::Array; }
  bool IsString() const { return type() == Type::String; }
  // A number, a Boolean, or a text that reads as a decimal number.
  bool IsNumeric() const;

  // Conversions with the interface's rules: Empty reads as "" or 0, a text that is not
  // a number is a type mismatch, a value out of range an overflow.
  std::string ToString() const;
  int16_t ToInt16() const;
  int32_t ToInt32() const;
  float ToSingle() const;
  double ToDouble() const;
  bool ToBool() const;

  const Array& AsArray() const;  // type mismatch unless an array
  Array& AsArray();

  bool operator==(const Variant& other) const;

 private:
  std::variant<std::monostate, Null, bool, int16_t, int32_t, float, double, std::string,
               std::unique_ptr<Array>>
      value_;
};

// Array of one to three dimensions with explicit bounds. Elements are Variants; a String array
// keeps its elements as text. The last dimension is the one that grows (rows of a list).
class Array {
 public:
  enum class Elements { Variant, String };

  Array() = default;
  // One dimension (lower To upper).
  Array(int32_t lower, int32_t upper, Elements elements = Elements::Variant);
  // Two dimensions (lower0 To upper0, lower1 To upper1).
  Array(int32_t lower0, int32_t upper0, int32_t lower1, int32_t upper1,
        Elements elements = Elements::Variant);
  // Three dimensions, first index fastest like the others.
  Array(int32_t lower0, int32_t upper0, int32_t lower1, int32_t upper1, int32_t lower2, int32_t upper2,
        Elements elements = Elements::Variant);

  int Dimensions() const { return dims_; }
  Elements elements() const { return elements_; }
  int32_t LBound(int dimension = 1) const;  // dimensions count from 1
  int32_t UBound(int dimension = 1) const;
  size_t size() const { return data_.size(); }

  const Variant& at(int32_t i) const;
  Variant& at(int32_t i);
  const Variant& at(int32_t i, int32_t j) const;
  Variant& at(int32_t i, int32_t j);
  const Variant& at(int32_t i, int32_t j, int32_t k) const;
  Variant& at(int32_t i, int32_t j, int32_t k);
  // Stores v, as text for a String array.
  void Set(int32_t i, Variant v);
  void Set(int32_t i, int32_t j, Variant v);
  void Set(int32_t i, int32_t j, int32_t k, Variant v);

  // Changes the upper bound of the last dimension, keeping the contents.
  void RedimPreserve(int32_t new_upper);

  bool operator==(const Array& other) const = default;

 private:
  size_t Offset(int32_t i) const;
  size_t Offset(int32_t i, int32_t j) const;
  size_t Offset(int32_t i, int32_t j, int32_t k) const;
  size_t Extent(int dimension) const { return static_cast<size_t>(upper_[dimension] - lower_[dimension] + 1); }
  Variant Blank() const;

  int dims_ = 0;
  Elements elements_ = Elements::Variant;
  int32_t lower_[3] = {0, 0, 0};
  int32_t upper_[3] = {-1, -1, -1};
  std::vector<Variant> data_;  // first index fastest
};

}  // namespace kelvane

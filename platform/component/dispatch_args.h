// Argument access for dispatch tables: converts the Variants of a call by name to the types
// that a member takes, with clear errors for a wrong count or type.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/component/error.h"
#include "platform/component/variant.h"

namespace kelvane {

class Args {
 public:
  Args(std::string_view member, std::vector<Variant>& args) : member_(member), args_(args) {}

  size_t Count() const { return args_.size(); }
  void Need(size_t min, size_t max) const {
    if (args_.size() < min || args_.size() > max)
      throw Error(ErrorKind::Other, std::string(member_) + ": wrong number of arguments (" +
                                        std::to_string(args_.size()) + ")");
  }
  Variant& Var(size_t i) { return args_.at(i); }
  std::string Str(size_t i) const { return args_.at(i).ToString(); }
  std::string OptStr(size_t i, std::string fallback = "") const {
    return i < args_.size() ? args_[i].ToString() : fallback;
  }
  int16_t I16(size_t i) const { return args_.at(i).ToInt16(); }
  int32_t I32(size_t i) const { return args_.at(i).ToInt32(); }
  float Single(size_t i) const { return args_.at(i).ToSingle(); }
  double Double(size_t i) const { return args_.at(i).ToDouble(); }
  bool Bool(size_t i) const { return args_.at(i).ToBool(); }
  // The value of a property let: the last argument.
  Variant& Value() {
    if (args_.empty()) throw Error(ErrorKind::Other, std::string(member_) + ": no value to assign");
    return args_.back();
  }

 private:
  std::string_view member_;
  std::vector<Variant>& args_;
};

}  // namespace kelvane

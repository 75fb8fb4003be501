// The component runtime's object model: objects callable by member name, and the class
// factories that libraries hand out.
#pragma once

#include <string_view>
#include <vector>

#include "platform/component/variant.h"

namespace kelvane {

enum class CallKind { Get, Let };  // a method call is a Get

class Dispatch {
 public:
  virtual ~Dispatch() = default;
  // Calls a member by name, without regard to case. A property let passes its value as the
  // last argument. Arguments a member writes back are updated in place.
  virtual Variant Invoke(std::string_view name, CallKind kind, std::vector<Variant>& args) = 0;
  // The object's interface of that name, or nullptr.
  virtual void* QueryInterface(std::string_view interface_name) = 0;
};

class ClassFactory {
 public:
  virtual ~ClassFactory() = default;
  // A new object; the caller owns it.
  virtual Dispatch* CreateInstance() = 0;
};

// Status codes of the library exports.
constexpr int kOk = 0;
constexpr int kFalse = 1;
constexpr int kClassNotAvailable = 2;
constexpr int kFailed = 3;

}  // namespace kelvane

// What every component library exports.
extern "C" {
using DllRegisterServerFn = int (*)();
using DllUnregisterServerFn = int (*)();
using DllGetClassObjectFn = int (*)(const char* prog_id, kelvane::ClassFactory** factory);
using DllCanUnloadNowFn = int (*)();
}

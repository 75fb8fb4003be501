// Creating objects by ProgID: the library is found in the registry, loaded, and kept loaded
// for as long as any object it made is alive.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/component/dispatch.h"
#include "platform/component/error.h"

namespace kelvane {

// Throws kelvane::Error(ObjectMissing) naming what is missing: an unregistered ProgID, a
// library that won't load, or one that does not serve the class.
std::shared_ptr<Dispatch> CreateObject(const std::string& prog_id);

// The object's interface I (named as its dispatch table answers to it), sharing ownership.
template <typename I>
std::shared_ptr<I> QueryInterface(const std::shared_ptr<Dispatch>& object, std::string_view name) {
  void* p = object ? object->QueryInterface(name) : nullptr;
  if (!p) throw Error(ErrorKind::ObjectMissing, "object has no interface " + std::string(name));
  return std::shared_ptr<I>(object, static_cast<I*>(p));
}

}  // namespace kelvane

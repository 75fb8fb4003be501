// The library's component exports: self-registration, the class factory, the unload test.
#include <dlfcn.h>

#include <atomic>
#include <filesystem>

#include "engine/pitchlog.h"
#include "platform/component/registry.h"

namespace kelvane {

extern std::atomic<int> g_live_objects;

namespace {

class PitchlogFactory : public ClassFactory {
 public:
  Dispatch* CreateInstance() override { return new Pitchlog(); }  // owned by the runtime's handle
};

std::string ThisLibrary() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&ThisLibrary), &info) && info.dli_fname)
    return std::filesystem::absolute(info.dli_fname).string();
  return {};
}

}  // namespace
}  // namespace kelvane

extern "C" {

__attribute__((visibility("default"))) int DllRegisterServer() {
  try {
    std::string path = kelvane::ThisLibrary();
    if (path.empty()) return kelvane::kFailed;
    kelvane::registry::Register(kelvane::kPitchlogProgId, path);
    return kelvane::kOk;
  } catch (const std::exception&) {
    return kelvane::kFailed;
  }
}

__attribute__((visibility("default"))) int DllUnregisterServer() {
  try {
    // Only this library: the other program folders keep theirs.
    kelvane::registry::Unregister(kelvane::kPitchlogProgId, kelvane::ThisLibrary());
    return kelvane::kOk;
  } catch (const std::exception&) {
    return kelvane::kFailed;
  }
}

__attribute__((visibility("default"))) int DllGetClassObject(const char* prog_id, kelvane::ClassFactory** factory) {
  static kelvane::PitchlogFactory the_factory;
  if (!factory) return kelvane::kFailed;
  *factory = nullptr;
  if (!prog_id || std::string_view(prog_id) != kelvane::kPitchlogProgId) return kelvane::kClassNotAvailable;
  *factory = &the_factory;
  return kelvane::kOk;
}

__attribute__((visibility("default"))) int DllCanUnloadNow() {
  return kelvane::g_live_objects.load() == 0 ? kelvane::kOk : kelvane::kFalse;
}

}

#include "platform/component/create_object.h"

#include <dlfcn.h>

#include <map>

#include "platform/component/registry.h"

namespace kelvane {
namespace {

// One loaded library; released when the last object made from it is gone.
class Library {
 public:
  explicit Library(void* handle) : handle_(handle) {}
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  ~Library() {
    auto can_unload = reinterpret_cast<DllCanUnloadNowFn>(dlsym(handle_, "DllCanUnloadNow"));
    if (!can_unload || can_unload() == kOk) dlclose(handle_);
  }
  void* Symbol(const char* name) const { return dlsym(handle_, name); }

 private:
  void* handle_;
};

std::shared_ptr<Library> Load(const std::string& path) {
  static std::map<std::string, std::weak_ptr<Library>> loaded;
  if (auto lib = loaded[path].lock()) return lib;
  // Once opened, the code stays mapped: unloading the engine would unload libcurl, its TLS stack
  // and libxml2 with it, whose thread-local slots glibc keeps; loading them again in the same
  // process leaves stale slots behind (the leak checker crashes on them at exit).
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (!handle) {
    const char* why = dlerror();
    throw Error(ErrorKind::ObjectMissing,
                "cannot load the library " + path + (why ? std::string(": ") + why : ""));
  }
  auto lib = std::make_shared<Library>(handle);
  loaded[path] = lib;
  return lib;
}

}  // namespace

std::shared_ptr<Dispatch> CreateObject(const std::string& prog_id) {
  auto path = registry::Lookup(prog_id);
  if (!path)
    throw Error(ErrorKind::ObjectMissing, "the class " + prog_id + " is not registered in " +
                                              registry::Path().string());
  auto lib = Load(*path);
  auto get_class = reinterpret_cast<DllGetClassObjectFn>(lib->Symbol("DllGetClassObject"));
  if (!get_class) throw Error(ErrorKind::ObjectMissing, *path + " is not a component library");
  ClassFactory* factory = nullptr;
  if (get_class(prog_id.c_str(), &factory) != kOk || !factory)
    throw Error(ErrorKind::ObjectMissing, *path + " does not serve the class " + prog_id);
  Dispatch* object = factory->CreateInstance();
  if (!object) throw Error(ErrorKind::ObjectMissing, "the class " + prog_id + " made no object");
  // The deleter holds the library, so its code stays mapped until the object is destroyed.
  return std::shared_ptr<Dispatch>(object, [lib](Dispatch* p) { delete p; });
}

}  // namespace kelvane

#include "engine/pitchlog.h"

#include <dlfcn.h>

#include <atomic>
#include <filesystem>

#include "engine/dispatch/table.h"

namespace kelvane {

std::atomic<int> g_live_objects{0};

namespace {

// The folder this library was loaded from, the first home of the data.
std::string LibraryFolder() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&LibraryFolder), &info) && info.dli_fname)
    return std::filesystem::absolute(info.dli_fname).parent_path().string();
  return std::filesystem::current_path().string();
}

}  // namespace

Pitchlog::Pitchlog() {
  ++g_live_objects;
  for (DocumentPtr* doc : {&properties_, &teams_, &games_, &stadia_, &results_, &players_, &members_,
                           &sweep_options_, &sweeps_, &stats_tables_, &links_, &script_})
    *doc = std::make_shared<xml::Document>();
  app_path_ = LibraryFolder();
}

Pitchlog::~Pitchlog() { --g_live_objects; }

void Pitchlog::SetAppPath(const std::string& value) {
  std::string path = value;
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  app_path_ = path;
}

void Pitchlog::SetMessageSink(MessageSink sink) { sink_ = std::move(sink); }

Variant Pitchlog::Invoke(std::string_view name, CallKind kind, std::vector<Variant>& args) {
  return dispatch::Call(*this, name, kind, args);
}

void* Pitchlog::QueryInterface(std::string_view interface_name) {
  if (interface_name == kPitchlogInterface) return static_cast<IPitchlog*>(this);
  if (interface_name == "IDispatch") return static_cast<Dispatch*>(this);
  return nullptr;
}

}  // namespace kelvane

// kelvane-call: drives the engine by member name from JSON lines, for scripts and tests.
//   kelvane-call [--app-path DIR]        reads ["Member", arg, ...] or ["Let", "Member", arg, ..., value]
//   kelvane-call --register LIBRARY      runs the library's self-registration
//   kelvane-call --unregister LIBRARY
#include <dlfcn.h>

#include <clocale>
#include <cstdio>
#include <iostream>
#include <string>

#include "engine/pitchlog_interface.h"
#include "platform/component/create_object.h"
#include "tools/json_variant.h"

namespace {

int RunExport(const std::string& library, const char* symbol) {
  void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    std::cerr << "kelvane-call: cannot load " << library << ": " << dlerror() << "\n";
    return 1;
  }
  auto fn = reinterpret_cast<DllRegisterServerFn>(dlsym(handle, symbol));
  int status = fn ? fn() : kelvane::kFailed;
  dlclose(handle);
  if (status != kelvane::kOk) {
    std::cerr << "kelvane-call: " << symbol << " of " << library << " failed\n";
    return 1;
  }
  return 0;
}

nlohmann::json CallLine(kelvane::Dispatch& engine, const std::string& line) {
  auto request = nlohmann::json::parse(line);
  if (!request.is_array() || request.empty() || !request[0].is_string())
    throw kelvane::Error(kelvane::ErrorKind::Other, "a request is [\"Member\", arg, ...]");
  size_t first = 1;
  auto kind = kelvane::CallKind::Get;
  std::string name = request[0].get<std::string>();
  if (name == "Let") {
    if (request.size() < 2 || !request[1].is_string())
      throw kelvane::Error(kelvane::ErrorKind::Other, "a let is [\"Let\", \"Member\", arg, ..., value]");
    name = request[1].get<std::string>();
    kind = kelvane::CallKind::Let;
    first = 2;
  }
  std::vector<kelvane::Variant> args;
  for (size_t i = first; i < request.size(); ++i) args.push_back(kelvane::FromJson(request[i]));
  return kelvane::ToJson(engine.Invoke(name, kind, args));
}

}  // namespace

int main(int argc, char** argv) {
  // The pages write numbers and money as the user reads them, as they do from the program.
  std::setlocale(LC_ALL, "");
  std::string app_path;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if ((arg == "--register" || arg == "--unregister") && i + 1 < argc)
      return RunExport(argv[i + 1], arg == "--register" ? "DllRegisterServer" : "DllUnregisterServer");
    if (arg == "--app-path" && i + 1 < argc) {
      app_path = argv[++i];
    } else {
      std::cerr << "usage: kelvane-call [--app-path DIR] < requests\n"
                   "       kelvane-call --register|--unregister LIBRARY\n";
      return 2;
    }
  }

  std::shared_ptr<kelvane::Dispatch> engine;
  try {
    engine = kelvane::CreateObject(kelvane::kPitchlogProgId);
    if (!app_path.empty()) {
      std::vector<kelvane::Variant> args{kelvane::Variant(app_path)};
      engine->Invoke("AppPath", kelvane::CallKind::Let, args);
    }
  } catch (const kelvane::Error& e) {
    std::cerr << "kelvane-call: " << e.Describe() << "\n";
    return 1;
  }

  std::string line;
  while (std::getline(std::cin, line)) {
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    nlohmann::json reply;
    try {
      reply = CallLine(*engine, line);
    } catch (const kelvane::Error& e) {
      reply = {{"error", e.Describe()}};
    } catch (const nlohmann::json::exception& e) {
      reply = {{"error", std::string("other: bad request: ") + e.what()}};
    } catch (const std::exception& e) {
      reply = {{"error", std::string("other: ") + e.what()}};
    }
    std::cout << reply.dump() << std::endl;
  }
  return 0;
}

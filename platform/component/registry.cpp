#include "platform/component/registry.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/component/error.h"

namespace kelvane::registry {
namespace {

using Entry = std::pair<std::string, std::string>;

std::vector<Entry> ReadAll() {
  std::vector<Entry> entries;
  std::ifstream in(Path());
  std::string line;
  while (std::getline(in, line)) {
    auto tab = line.find('\t');
    if (tab == std::string::npos || tab == 0) continue;
    entries.emplace_back(line.substr(0, tab), line.substr(tab + 1));
  }
  return entries;
}

void WriteAll(const std::vector<Entry>& entries) {
  auto path = Path();
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  auto tmp = path;
  tmp += ".tmp";
  {
    std::ofstream out(tmp, std::ios::trunc);
    for (const auto& [id, lib] : entries) out << id << '\t' << lib << '\n';
    out.flush();
    if (!out) throw Error(ErrorKind::File, "cannot write the registry " + tmp.string());
  }
  std::filesystem::rename(tmp, path, ec);
  if (ec) throw Error(ErrorKind::File, "cannot write the registry " + path.string() + ": " + ec.message());
}

bool Exists(const std::string& library) {
  std::error_code ec;
  return std::filesystem::is_regular_file(library, ec);
}

// Same folder, however either path reaches it (symbolic links, "..").
bool InFolder(const std::string& library, const std::filesystem::path& folder) {
  std::error_code ec;
  return !folder.empty() && std::filesystem::equivalent(std::filesystem::path(library).parent_path(), folder, ec);
}

std::filesystem::path OwnFolder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path() : exe.parent_path();
}

}  // namespace

std::filesystem::path Path() {
  if (const char* env = std::getenv("KELVANE_REGISTRY"); env && *env) return env;
  const char* home = std::getenv("HOME");
  return std::filesystem::path(home && *home ? home : "/tmp") / ".config" / "kelvane" / "registry";
}

std::optional<std::string> Lookup(const std::string& prog_id, const std::filesystem::path& program_folder) {
  std::optional<std::string> latest, latest_existing, beside;
  for (const auto& [id, lib] : ReadAll()) {
    if (id != prog_id) continue;
    if (InFolder(lib, program_folder) && Exists(lib)) return lib;
    latest = lib;
    if (Exists(lib)) latest_existing = lib;
    // A copy of a registered library in the program's folder (a copied program folder).
    const auto copy = program_folder / std::filesystem::path(lib).filename();
    if (!program_folder.empty() && Exists(copy)) beside = copy.string();
  }
  return beside ? beside : latest_existing ? latest_existing : latest;
}

std::optional<std::string> Lookup(const std::string& prog_id) { return Lookup(prog_id, OwnFolder()); }

void Register(const std::string& prog_id, const std::string& library_path) {
  auto entries = ReadAll();
  std::erase_if(entries, [&](const Entry& e) {
    return e.first == prog_id && (e.second == library_path || !Exists(e.second));
  });
  entries.emplace_back(prog_id, library_path);
  WriteAll(entries);
}

void Unregister(const std::string& prog_id, const std::string& library_path) {
  auto entries = ReadAll();
  auto before = entries.size();
  std::erase_if(entries, [&](const Entry& e) {
    return e.first == prog_id && (library_path.empty() || e.second == library_path);
  });
  if (entries.size() != before) WriteAll(entries);
}

}  // namespace kelvane::registry

#include "engine/data/file_names.h"

#include "engine/data/text.h"

namespace kelvane::files {

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name.find("..") != std::string_view::npos) return false;
  return name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

std::filesystem::path FindIgnoringCase(const std::filesystem::path& folder, std::string_view name) {
  auto exact = folder / std::string(name);
  std::error_code ec;
  if (std::filesystem::exists(exact, ec)) return exact;
  const std::string wanted = text::Lower(name);
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (text::Lower(it->path().filename().string()) == wanted) return it->path();
  return exact;
}

}  // namespace kelvane::files

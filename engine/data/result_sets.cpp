// Named result sets: their names, their files and the list of them.
#include <algorithm>
#include <fstream>
#include <iterator>

#include "engine/data/file_bytes.h"
#include "platform/xml/whole_files.h"
#include "engine/data/file_names.h"
#include "engine/data/result_set_names.h"
#include "engine/data/text.h"
#include "engine/pitchlog.h"

namespace kelvane {

static_assert(kMaxResultSetNameBytes + 4 + xml::kTemporaryNameBytes == 255, "a set's temporary file must fit 255 bytes");

bool HasNoForbiddenChars(std::string_view name) {
  return name.find_first_of(kForbiddenSetNameChars) == std::string_view::npos;
}

// A name of spaces alone shows as no name at all in every list. A set whose file another
// program named longer than the engine writes still opens.
bool IsResultSetName(std::string_view name) {
  return name.find_first_not_of(" \t") != std::string_view::npos && name.size() <= 255 - 4 &&
         HasNoForbiddenChars(name) && name.find('\0') == std::string_view::npos && files::IsPlainFileName(name);
}

void RequireResultSetName(std::string_view name) {
  if (!IsResultSetName(name))
    throw kelvane::Error(ErrorKind::Other, "invalid result set name \"" + std::string(name) + "\"");
}

void RequireNewResultSetName(std::string_view name) {
  RequireResultSetName(name);
  if (name.size() > kMaxResultSetNameBytes)
    throw kelvane::Error(ErrorKind::Other, "result set name too long for its file: \"" + std::string(name) + "\"");
}

std::filesystem::path ResultSetPath(const std::string& app_path, std::string_view name) {
  return files::FindIgnoringCase(std::filesystem::path(app_path) / "Results", std::string(name) + ".xml");
}

Variant Pitchlog::ResultsSetsArray() {
  const std::filesystem::path folder = std::filesystem::path(app_path_) / "Results";
  std::error_code ec;
  std::vector<std::string> names;
  std::filesystem::directory_iterator it(folder, ec);
  if (ec) throw kelvane::Error(ErrorKind::File, "cannot open the folder " + folder.string() + ": " + ec.message());
  for (std::filesystem::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) throw kelvane::Error(ErrorKind::File, "cannot list " + folder.string() + ": " + ec.message());
    if (!it->is_regular_file(ec)) continue;
    std::string file = it->path().filename().string();
    if (file.size() > 4 && text::Lower(file.substr(file.size() - 4)) == ".xml")
      names.push_back(file.substr(0, file.size() - 4));
  }
  if (names.empty()) return Variant();
  std::sort(names.begin(), names.end());
  Array list(0, static_cast<int32_t>(names.size()) - 1, Array::Elements::String);
  for (size_t i = 0; i < names.size(); ++i) list.Set(static_cast<int32_t>(i), names[i]);
  return list;
}

Variant Pitchlog::ResultsSetExists(const Variant& results_name) {
  try {
    std::string name = results_name.ToString();
    if (!IsResultSetName(name)) return false;
    std::error_code ec;
    return std::filesystem::is_regular_file(ResultSetPath(app_path_, name), ec);
  } catch (const kelvane::Error&) {
    return false;
  }
}

std::string Pitchlog::ResultsSetName(const std::string& results_name) {
  if (!IsResultSetName(results_name)) return "";
  std::error_code ec;
  const std::filesystem::path file = ResultSetPath(app_path_, results_name);
  if (!std::filesystem::is_regular_file(file, ec)) return "";
  const std::string name = file.filename().string();
  return name.substr(0, name.size() - 4);
}

bool Pitchlog::ValidFileName(const Variant& file_name) {
  try {
    return HasNoForbiddenChars(file_name.ToString());
  } catch (const kelvane::Error&) {
    return false;
  }
}

// Byte for byte, so even a file that no longer opens as a set is kept as it was; the target is
// replaced through a temporary file, so a failed copy leaves it whole.
bool Pitchlog::CopyResultsSet(const std::string& from_name, const std::string& to_name) {
  RequireResultSetName(from_name);
  RequireNewResultSetName(to_name);
  const std::filesystem::path from = ResultSetPath(app_path_, from_name);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(from, ec)) return false;
  std::ifstream in(from, std::ios::binary);
  if (!in) throw kelvane::Error(ErrorKind::File, "cannot read " + from.string());
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  xml::ReplaceFile(ResultSetPath(app_path_, to_name).string(), bytes);
  return true;
}

}  // namespace kelvane

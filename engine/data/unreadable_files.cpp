// Data files that exist but could not be read. Their documents start empty, so the first save
// would write what little memory holds over everything the file held: before that save the old
// file is kept under a new name in its folder, and it is never deleted.
#include <algorithm>
#include <filesystem>

#include "engine/data/data_file_checks.h"
#include "engine/pitchlog.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

bool SamePath(const std::string& a, const std::string& b) {
  return fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
}

// "members.xml" is kept as "members (unreadable).xml", then "members (unreadable 2).xml" and on,
// so an earlier copy kept the same way is never overwritten.
std::string UnreadableKeepName(const std::string& path) {
  const fs::path file(path);
  const std::string stem = file.stem().string();
  const std::string extension = file.extension().string();
  std::error_code ec;
  for (int n = 1;; ++n) {
    const std::string mark = n == 1 ? " (unreadable)" : " (unreadable " + std::to_string(n) + ")";
    const fs::path candidate = file.parent_path() / (stem + mark + extension);
    if (!fs::exists(candidate, ec) && !ec) return candidate.string();
    if (n > 999) throw kelvane::Error(ErrorKind::File, "no free name to keep " + path + " under");
  }
}

}  // namespace

Pitchlog::DocumentPtr Pitchlog::LoadDataDocument(const std::string& path, const char* label) {
  DocumentPtr doc = LoadDocument(path, label);
  // A file the engine can't use whole is set aside like one it can't read.
  if (!checks::DeclareKeys(fs::path(path).filename().string(), *doc)) doc = std::make_shared<xml::Document>();
  NoteRead(path, doc->HasRoot());
  return doc;
}

void Pitchlog::NoteRead(const std::string& path, bool read) {
  std::erase_if(unreadable_, [&](const std::string& p) { return SamePath(p, path); });
  std::error_code ec;
  if (!read && fs::is_regular_file(path, ec)) unreadable_.push_back(path);
}

std::string Pitchlog::KeepUnreadable(const std::string& path) {
  auto it = std::find_if(unreadable_.begin(), unreadable_.end(), [&](const std::string& p) { return SamePath(p, path); });
  if (it == unreadable_.end()) return {};
  std::error_code ec;
  std::string keep;
  if (fs::exists(path, ec)) {
    keep = UnreadableKeepName(path);
    fs::rename(path, keep, ec);
    if (ec) throw kelvane::Error(ErrorKind::File, "cannot keep " + path + " as " + keep + ": " + ec.message());
  }
  unreadable_.erase(it);
  return keep;
}

// A save that fails puts the unreadable file back where it was, still noted: the next start
// names it again instead of showing nothing where it stood.
void Pitchlog::SaveDocument(const xml::Document& doc, const std::string& path) {
  const std::string kept = KeepUnreadable(path);
  try {
    doc.Save(path);
  } catch (...) {
    std::error_code ec;
    if (!kept.empty() && !fs::exists(path, ec)) {
      fs::rename(kept, path, ec);
      if (!ec) unreadable_.push_back(path);
    }
    throw;
  }
}

// (0 To 1, 0 To n - 1): the file below AppPath, and the name below AppPath it will be kept
// under; Empty when every file that exists was read.
Variant Pitchlog::UnreadableFiles() {
  if (unreadable_.empty()) return Variant();
  Array list(0, 1, 0, static_cast<int32_t>(unreadable_.size()) - 1, Array::Elements::String);
  const fs::path base(app_path_);
  for (size_t i = 0; i < unreadable_.size(); ++i) {
    const auto row = static_cast<int32_t>(i);
    list.Set(0, row, fs::path(unreadable_[i]).lexically_relative(base).generic_string());
    list.Set(1, row, fs::path(UnreadableKeepName(unreadable_[i])).lexically_relative(base).generic_string());
  }
  return list;
}

}  // namespace kelvane

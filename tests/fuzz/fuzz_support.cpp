#include "tests/fuzz/fuzz_support.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>

namespace fuzzing {
namespace {

namespace fs = std::filesystem;

fs::path MakeScratchFolder() {
  const fs::path folder = fs::temp_directory_path() / ("pitchlog-fuzz-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  fs::copy(PITCHLOG_DATA_DIR, folder, fs::copy_options::recursive);
  // A small pool, so that the sweep readers and the pages have something to work on.
  fs::copy(PITCHLOG_FUZZ_POOL_DIR, folder / "Data", fs::copy_options::overwrite_existing);
  std::atexit([] {
    std::error_code ec;
    fs::remove_all(ScratchFolder(), ec);
  });
  return folder;
}

}  // namespace

const fs::path& ScratchFolder() {
  // Never destroyed: the clean-up at exit still needs it.
  static const fs::path* const folder = new fs::path(MakeScratchFolder());
  return *folder;
}

void WriteFile(const std::string& relative, std::string_view bytes) {
  std::ofstream out(ScratchFolder() / relative, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) std::abort();
}

void RestoreFile(const std::string& relative) {
  const fs::path pool = fs::path(PITCHLOG_FUZZ_POOL_DIR) / fs::path(relative).filename();
  const fs::path shipped = fs::path(PITCHLOG_DATA_DIR) / relative;
  fs::copy_file(fs::exists(pool) ? pool : shipped, ScratchFolder() / relative, fs::copy_options::overwrite_existing);
}

kelvane::Pitchlog& Engine() {
  static const std::unique_ptr<kelvane::Pitchlog> engine = [] {
    auto made = std::make_unique<kelvane::Pitchlog>();
    made->SetAppPath(ScratchFolder().string());
    // Parse-error boxes of the engine would only be noise here.
    made->SetMessageSink([](const std::string&, const std::string&) {});
    if (!made->LoadAll().ToBool()) std::abort();
    made->LoadSchedule();
    return made;
  }();
  return *engine;
}

std::vector<std::string> Column(const kelvane::Variant& list, int column) {
  std::vector<std::string> texts;
  if (!list.IsArray()) return texts;
  const kelvane::Array& rows = list.AsArray();
  auto add = [&](const kelvane::Variant& cell) {
    if (!cell.IsArray()) Tolerate([&] { texts.push_back(cell.ToString()); });
  };
  if (rows.Dimensions() == 1 && column == 0)
    for (int32_t row = rows.LBound(1); row <= rows.UBound(1); ++row) add(rows.at(row));
  if (rows.Dimensions() == 2 && column >= rows.LBound(1) && column <= rows.UBound(1))
    for (int32_t row = rows.LBound(2); row <= rows.UBound(2); ++row) add(rows.at(column, row));
  return texts;
}

const std::vector<std::string>& ShippedGameIds() {
  static const std::vector<std::string> ids = [] {
    kelvane::Pitchlog shipped;
    shipped.SetAppPath(PITCHLOG_DATA_DIR);
    std::vector<std::string> found;
    if (!shipped.LoadAll().ToBool()) std::abort();
    const int16_t count = shipped.LoadSchedule();
    for (int16_t i = 0; i < count; ++i) found.push_back(shipped.ScheduleGameID(kelvane::Variant(i)));
    return found;
  }();
  return ids;
}

size_t Choose(const uint8_t*& data, size_t& size, size_t count) {
  if (size == 0) return 0;
  const size_t choice = data[0] % count;
  ++data;
  --size;
  return choice;
}

}  // namespace fuzzing

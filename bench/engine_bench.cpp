// Timings of the engine's heavy paths on the shipped data and the real 2022 tournament.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

#include "engine/pitchlog.h"
#include "tools/tournament_replay.h"

namespace {

namespace fs = std::filesystem;

// A private copy of the shipped program folder, so the runs never touch the real results.
class AppCopy {
 public:
  AppCopy() : path_(fs::temp_directory_path() / ("pitchlog-bench-" + std::to_string(::getpid()))) {
    fs::remove_all(path_);
    fs::copy(PITCHLOG_DATA_DIR, path_, fs::copy_options::recursive);
  }
  ~AppCopy() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  AppCopy(const AppCopy&) = delete;
  AppCopy& operator=(const AppCopy&) = delete;

  std::unique_ptr<kelvane::Pitchlog> Engine() const {
    auto engine = std::make_unique<kelvane::Pitchlog>();
    engine->SetAppPath(path_.string());
    if (!engine->LoadAll().ToBool()) throw std::runtime_error("cannot load " + path_.string());
    return engine;
  }

 private:
  fs::path path_;
};

const AppCopy& App() {
  static const AppCopy app;
  return app;
}

// Every result entered as the dialogs enter it, each followed by the statistics they redraw.
void BM_ReplayWithStatsAfterEachResult(benchmark::State& state) {
  auto engine = App().Engine();
  const nlohmann::json facts = kelvane::replay::LoadFacts(PITCHLOG_FACTS_FILE);
  for (auto _ : state) {
    state.PauseTiming();
    engine->LoadAll();
    state.ResumeTiming();
    kelvane::replay::PlayAll(*engine, facts, [&](const nlohmann::json&, const std::string&) { engine->LoadStats(); });
  }
}
BENCHMARK(BM_ReplayWithStatsAfterEachResult)->Unit(benchmark::kMillisecond);

void BM_LoadStatsOfTheFinishedTournament(benchmark::State& state) {
  auto engine = App().Engine();
  if (!engine->LoadResultsSet("Tournament 2022").ToBool()) state.SkipWithError("no Tournament 2022 result set");
  for (auto _ : state) engine->LoadStats();
}
BENCHMARK(BM_LoadStatsOfTheFinishedTournament)->Unit(benchmark::kMicrosecond);

void BM_LoadAll(benchmark::State& state) {
  auto engine = App().Engine();
  for (auto _ : state) benchmark::DoNotOptimize(engine->LoadAll());
}
BENCHMARK(BM_LoadAll)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

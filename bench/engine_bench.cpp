// Timings of the engine's heavy paths on the shipped data and the real 2022 tournament.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "engine/pitchlog.h"
#include "tools/tournament_replay.h"

namespace {

namespace fs = std::filesystem;

// A private copy of the shipped program folder, so the runs never touch the real results.
class AppCopy {
 public:
  explicit AppCopy(const std::string& tag = "")
      : path_(fs::temp_directory_path() / ("pitchlog-bench-" + std::to_string(::getpid()) + tag)) {
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

// A pool of that many members over 40 number sweeps of the three types, saved in a folder of its
// own: each member guesses in one sweep, and every other member has paid something.
struct Pool {
  explicit Pool(int members);
  AppCopy folder;
  std::unique_ptr<kelvane::Pitchlog> engine;
};

Pool::Pool(int members) : folder("-pool-" + std::to_string(members)), engine(folder.Engine()) {
  constexpr int kSweeps = 40;
  const char* types[] = {"bid", "stake", "fun"};
  for (int s = 0; s < kSweeps; ++s) engine->AddSweep("Sweep " + std::to_string(s), "total_goals", types[s % 3], 2);
  for (int m = 0; m < members; ++m) {
    const std::string name = "Member " + std::to_string(m);
    const std::string sweep = "Sweep " + std::to_string(m % kSweeps);
    const kelvane::Variant guess(std::to_string(m));
    engine->AddMember(name);
    engine->SetSweepMember(sweep, guess, name);
    engine->SetSweepBid(sweep, guess, 1.5);
    if (m % 2 == 0) engine->SetMemberPaid(name, kelvane::Variant(std::string("2.50")));
  }
  engine->SaveMembers();
  engine->SaveSweeps();
}

void BM_AccountsPage(benchmark::State& state) {
  const Pool pool(static_cast<int>(state.range(0)));
  kelvane::Pitchlog* engine = pool.engine.get();
  for (auto _ : state) {
    engine->GeneratePage("accounts.html");
    benchmark::DoNotOptimize(engine->ScriptUBound());
  }
}
BENCHMARK(BM_AccountsPage)->Arg(2000)->Arg(10000)->Unit(benchmark::kMillisecond);

// What the Accounts window asks of the engine to fill its list.
void BM_AccountsWindowData(benchmark::State& state) {
  const Pool pool(static_cast<int>(state.range(0)));
  kelvane::Pitchlog* engine = pool.engine.get();
  for (auto _ : state) {
    const kelvane::Variant totals = engine->MembersTotals();
    const kelvane::Array& list = totals.AsArray();
    double owed = 0;
    for (int32_t i = 0; i <= list.UBound(2); ++i) {
      const std::string name = list.at(0, i).ToString();
      owed += list.at(1, i).ToDouble();
      const kelvane::Variant paid = engine->Members(name, "paid");
      if (paid.IsNumeric()) owed -= paid.ToDouble();
    }
    benchmark::DoNotOptimize(owed);
  }
}
BENCHMARK(BM_AccountsWindowData)->Arg(2000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// The start on the shipped data, as the user waits for it: the engine created by ProgID and
// loaded, the splash, Continue, and the main window shown. Run headless (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>

#include "app/shell/frm_main.h"
#include "app/shell/frm_splash.h"
#include "app/shell/start.h"
#include "tests/app/support/program_fixture.h"

namespace {

using app_testing::ProgramFolder;

void BM_StartToTheMainWindow(benchmark::State& state) {
  int64_t splash_ms = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const ProgramFolder folder;
    state.ResumeTiming();
    QElapsedTimer clock;
    clock.start();
    if (!pitchlog::StartProgram(folder.Path())) state.SkipWithError("the program did not start");
    splash_ms += clock.elapsed();
    QTest::mouseClick(pitchlog::frmSplash::Get().Continue, Qt::LeftButton);
    if (!QTest::qWaitForWindowExposed(&pitchlog::frmMain::Get())) state.SkipWithError("no main window shown");
    state.PauseTiming();
    app_testing::ResetProgram();
    state.ResumeTiming();
  }
  state.counters["to_splash_ms"] = benchmark::Counter(static_cast<double>(splash_ms) / state.iterations());
}
// The first start loads the library cold, as at a real start; the later ones show the rest.
BENCHMARK(BM_StartToTheMainWindow)
    ->Iterations(1)
    ->Name("BM_StartToTheMainWindow/first")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartToTheMainWindow)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The offscreen platform's notes would bury the figures.
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  app_testing::UseTemporaryRegistry();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

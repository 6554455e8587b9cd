// Start-up of the main window up to its first showing: settings read, the eight pages and
// the four tables built (page 2 in the 94-row mode), the document's start state, shown.
// Offscreen; the median of several runs is the figure to watch.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "gui/gui_text.h"
#include "gui/main_form.h"
#include "text/file_io.h"

namespace {

std::filesystem::path g_programDir;

void BM_StartupToFirstShow(benchmark::State& state) {
    for (auto _ : state) {
        vellex::MainFormOptions options;
        options.programDir = g_programDir;
        options.registerAssociation = false;
        auto form = std::make_unique<vellex::TMainForm>(options);
        form->show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(form.get());
        state.PauseTiming();
        form.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupToFirstShow)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QApplication app(argc, argv);
    QTemporaryDir dir;
    g_programDir = vellex::pathFromQString(dir.path());
    std::string error;
    // The largest page 2 the window builds: 94 rows.
    if (!vellex::writeFileAtomically(g_programDir / "App.ini", "[Settings]\r\nmode_N_Discipl=4\r\n",
                                     &error)) {
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

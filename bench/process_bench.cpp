// vellex-print as the operator starts it: a whole process, from exec to exit, laying out
// page 2 of a document whose 94 rows are all filled and writing it as PDF. Wall time is
// the figure; the child's CPU time and peak memory come from wait4().
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "model/document.h"
#include "storage/document_file.h"
#include "storage/settings.h"
#include "text/cp1251.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

fs::path g_dir;
fs::path g_program;

std::string cp(const std::string& utf8) {
    return vellex::cp1251::fromUtf8(utf8).bytes;
}

// App.ini in the 94-row mode and a document with every page-2 row filled, names long
// enough that some of them wrap.
bool makeInput(std::string* error) {
    vellex::Settings settings;
    settings.mode_N_Discipl = 4;
    if (!vellex::writeSettings(g_dir / "App.ini", true, settings, error))
        return false;
    vellex::Document doc(vellex::rowsForMode(4));
    doc.setText(vellex::Field::edSurName, cp("Константинопольская"));
    doc.setText(vellex::Field::edName, cp("Анастасия Александровна"));
    const char* grades[] = {"отлично", "хорошо", "удовлетворительно", "зачтено"};
    for (int row = 1; row <= doc.rowCount(vellex::Table::Disciplines); ++row) {
        std::string name = "Дисциплина " + std::to_string(row);
        if (row % 3 == 0)
            name += " с очень длинным названием, которое не входит в одну строку графы";
        doc.setCell(vellex::Table::Disciplines, row, vellex::Column::Discipline, cp(name));
        doc.setCell(vellex::Table::Disciplines, row, vellex::Column::AudTime,
                    std::to_string(30 + row));
        doc.setCell(vellex::Table::Disciplines, row, vellex::Column::Value, cp(grades[row % 4]));
    }
    return vellex::writeDocument(g_dir / "doc.app", doc, vellex::documentFileFormat(settings),
                                 error);
}

struct ChildRun {
    bool ok = false;
    double wallSeconds = 0;
    double cpuSeconds = 0;  // user + system of the child
    double peakMB = 0;
};

ChildRun runOnce(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    ChildRun run;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return run;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return run;
    run.wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.peakMB = static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB
    run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

void BM_VellexPrintPage2With94RowsToPdf(benchmark::State& state) {
    const fs::path out = g_dir / "page2.pdf";
    const std::vector<std::string> args = {g_program.string(),
                                           "--sheet",
                                           "page2",
                                           "--doc",
                                           (g_dir / "doc.app").string(),
                                           "--ini",
                                           (g_dir / "App.ini").string(),
                                           "--out",
                                           out.string()};
    double cpu = 0, peak = 0;
    for (auto _ : state) {
        const ChildRun run = runOnce(args);
        if (!run.ok) {
            state.SkipWithError("vellex-print failed");
            break;
        }
        state.SetIterationTime(run.wallSeconds);
        cpu += run.cpuSeconds;
        peak = std::max(peak, run.peakMB);
    }
    const double n =
        static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["child_cpu_ms"] = cpu / n * 1e3;
    state.counters["child_peak_MB"] = peak;
    std::error_code ec;
    state.counters["pdf_kB"] = static_cast<double>(fs::file_size(out, ec)) / 1e3;
}
BENCHMARK(BM_VellexPrintPage2With94RowsToPdf)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(5)
    ->Repetitions(9)
    ->ComputeStatistics("max",
                        [](const std::vector<double>& v) {
                            return *std::max_element(v.begin(), v.end());
                        })
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    // Run in a test environment and by hand alike: no display needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    g_program = fs::path(VELLEX_BIN_DIR) / "vellex-print";
    if (const char* other = std::getenv("VELLEX_PRINT"); other && *other)
        g_program = other;
    // Qt warns on every start without a runtime folder; give the programs one.
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const fs::path runtime =
            fs::temp_directory_path() / ("vellex_bench_runtime_" + std::to_string(getuid()));
        std::error_code ec;
        fs::create_directories(runtime, ec);
        fs::permissions(runtime, fs::perms::owner_all, ec);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    g_dir = fs::temp_directory_path() / ("vellex_process_bench_" + std::to_string(getpid()));
    fs::create_directories(g_dir);
    std::string error;
    if (!makeInput(&error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(g_dir, ec);
    return 0;
}

// Peak memory (resident set high-water mark) of the window, offscreen, with page 2 in the
// 94-row mode and a document of 94 filled rows opened:
//  - the real `vellex` program once its start-up has settled (measured from outside:
//    the child's ru_maxrss after it is stopped with SIGTERM, and the time it takes to end);
//  - in this process, after the main window has started, and again after the student
//    list window over it has shown a list of 100,000 lines.
// The figures are counters in MB; the times reported beside them mean nothing.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTableView>
#include <QTimer>

#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "gui/gui_text.h"
#include "gui/main_form.h"
#include "gui/message_presenter.h"
#include "gui/students_list_form.h"
#include "model/document.h"
#include "storage/document_file.h"
#include "storage/settings.h"
#include "text/cp1251.h"
#include "text/file_io.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr int kStudents = 100'000;

fs::path g_dir;  // App.ini, doc.app, list.csv
std::unique_ptr<vellex::TMainForm> g_form;

std::string cp(const std::string& utf8) {
    return vellex::cp1251::fromUtf8(utf8).bytes;
}

bool put(const fs::path& path, const std::string& data) {
    std::string error;
    if (vellex::writeFileAtomically(path, data, &error))
        return true;
    std::fprintf(stderr, "%s\n", error.c_str());
    return false;
}

bool makeInput() {
    vellex::Settings settings;
    settings.mode_N_Discipl = 4;
    settings.Path2CSV = (g_dir / "list.csv").string();
    std::string error;
    if (!vellex::writeSettings(g_dir / "App.ini", true, settings, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    vellex::Document doc(vellex::rowsForMode(4));
    doc.setText(vellex::Field::edSurName, cp("Константинопольская"));
    for (int row = 1; row <= doc.rowCount(vellex::Table::Disciplines); ++row) {
        doc.setCell(vellex::Table::Disciplines, row, vellex::Column::Discipline,
                    cp("Дисциплина с длинным названием номер " + std::to_string(row)));
        doc.setCell(vellex::Table::Disciplines, row, vellex::Column::AudTime,
                    std::to_string(30 + row));
        doc.setCell(vellex::Table::Disciplines, row, vellex::Column::Value, cp("отлично"));
    }
    if (!vellex::writeDocument(g_dir / "doc.app", doc, vellex::documentFileFormat(settings),
                               &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    std::string list;
    list.reserve(static_cast<std::size_t>(kStudents) * 72);
    const std::string tail = cp(";Анастасия;Александровна;05.03.1999;г. Новосибирск\r\n");
    for (int i = 0; i < kStudents; ++i)
        list += cp("Константинопольская") + std::to_string(i) + tail;
    return put(g_dir / "list.csv", list);
}

// A value of /proc/self/status (or of another process) in MB, 0 when not found.
double statusMB(const std::string& statusFile, const std::string& key) {
    std::ifstream in(statusFile);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key + ":", 0) == 0)
            return std::strtod(line.c_str() + key.size() + 1, nullptr) / 1024.0;  // kB
    }
    return 0;
}

void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// The real program, started as the operator starts it, with the document on its command
// line. Its high-water mark stops growing once the window is up; then it is stopped.
void BM_VellexProgramPeakRss(benchmark::State& state) {
    const std::string program = (fs::path(VELLEX_BIN_DIR) / "vellex").string();
    const std::string doc = (g_dir / "doc.app").string();
    std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen",
                                    "VELLEX_PROGRAM_DIR=" + g_dir.string(),
                                    "XDG_DATA_HOME=" + (g_dir / "share").string(),
                                    "XDG_CONFIG_HOME=" + (g_dir / "config").string()};
    for (char** e = environ; *e; ++e) {
        const std::string v = *e;
        if (v.rfind("QT_QPA_PLATFORM=", 0) != 0 && v.rfind("XDG_DATA_HOME=", 0) != 0 &&
            v.rfind("XDG_CONFIG_HOME=", 0) != 0 && v.rfind("VELLEX_PROGRAM_DIR=", 0) != 0)
            env.push_back(v);
    }
    std::vector<char*> envp;
    for (std::string& v : env)
        envp.push_back(v.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(doc.c_str()), nullptr};

    double peak = 0;
    double shutdownMs = 0;
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv, envp.data()) != 0) {
            state.SkipWithError("vellex could not be started");
            break;
        }
        const std::string status = "/proc/" + std::to_string(pid) + "/status";
        double last = 0;
        auto stableSince = std::chrono::steady_clock::now();
        const auto start = stableSince;
        while (std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            const double now = statusMB(status, "VmHWM");
            if (now != last) {
                last = now;
                stableSince = std::chrono::steady_clock::now();
            } else if (now > 0 &&
                       std::chrono::steady_clock::now() - stableSince > std::chrono::seconds(2)) {
                break;
            }
        }
        // SIGTERM ends the program as an exit does (App.ini written, exit code 0); the
        // time it takes is the shutdown figure.
        const auto stopAt = std::chrono::steady_clock::now();
        kill(pid, SIGTERM);
        int exitStatus = 0;
        rusage usage{};
        if (wait4(pid, &exitStatus, 0, &usage) != pid) {
            state.SkipWithError("vellex was lost");
            break;
        }
        shutdownMs = std::max(shutdownMs, std::chrono::duration<double, std::milli>(
                                              std::chrono::steady_clock::now() - stopAt)
                                              .count());
        if (!WIFEXITED(exitStatus) || WEXITSTATUS(exitStatus) != 0) {
            state.SkipWithError("vellex did not end normally on SIGTERM");
            break;
        }
        peak = std::max(peak, static_cast<double>(usage.ru_maxrss) / 1024.0);
    }
    state.counters["peak_MB"] = peak;
    state.counters["sigterm_to_exit_ms"] = shutdownMs;
}
BENCHMARK(BM_VellexProgramPeakRss)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

void startMainWindow() {
    if (g_form)
        return;
    vellex::MainFormOptions options;
    options.programDir = g_dir;
    options.registerAssociation = false;
    options.arguments = QStringList{vellex::pathToQString(g_dir / "doc.app")};
    g_form = std::make_unique<vellex::TMainForm>(options);
    g_form->show();
    settle(200);
}

void BM_MainWindowStartedPeakRss(benchmark::State& state) {
    for (auto _ : state)
        startMainWindow();
    state.counters["peak_MB"] = statusMB("/proc/self/status", "VmHWM");
    state.counters["rss_MB"] = statusMB("/proc/self/status", "VmRSS");
}
BENCHMARK(BM_MainWindowStartedPeakRss)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_MainWindowWithListFilledPeakRss(benchmark::State& state) {
    startMainWindow();
    int messages = 0;
    vellex::MessagePresenter::setHook([&](const vellex::UserMessage&) {
        ++messages;
        return false;
    });
    for (auto _ : state) {
        vellex::TStudentsListForm list(g_form->document(), g_form->settings(), g_form.get());
        auto* view = list.findChild<QTableView*>(QStringLiteral("StudentsListView"));
        list.show();
        QEventLoop loop;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (view && view->model()->rowCount() == kStudents && !list.loading())
                loop.quit();
        });
        QTimer::singleShot(60'000, &loop, &QEventLoop::quit);
        poll.start();
        loop.exec();
        if (!view || view->model()->rowCount() != kStudents)
            state.SkipWithError("the list did not fill within a minute");
        settle(100);
        state.counters["peak_MB"] = statusMB("/proc/self/status", "VmHWM");
        state.counters["rss_MB"] = statusMB("/proc/self/status", "VmRSS");
        list.hide();
    }
    vellex::MessagePresenter::setHook({});
    if (messages > 0)
        state.SkipWithError("a window showed a message");
}
BENCHMARK(BM_MainWindowWithListFilledPeakRss)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt warns on every start without a runtime folder; give the programs one.
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const fs::path runtime =
            fs::temp_directory_path() / ("vellex_bench_runtime_" + std::to_string(getuid()));
        std::error_code ec;
        fs::create_directories(runtime, ec);
        fs::permissions(runtime, fs::perms::owner_all, ec);
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
    QApplication app(argc, argv);
    g_dir = fs::temp_directory_path() / ("vellex_memory_bench_" + std::to_string(getpid()));
    fs::create_directories(g_dir);
    if (!makeInput())
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_form.reset();
    std::error_code ec;
    fs::remove_all(g_dir, ec);
    return 0;
}

// The student list window with a list of 100,000 lines, offscreen: the time from showing
// the window until its view holds every row, and the longest stretch in which the event
// loop did not turn while the list was read (what a click or a key would wait at most).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "gui/message_presenter.h"
#include "gui/students_list_form.h"
#include "model/document.h"
#include "storage/settings.h"
#include "text/cp1251.h"
#include "text/file_io.h"

namespace {

namespace fs = std::filesystem;

constexpr int kStudents = 100'000;

fs::path g_listFile;

std::string cp(const char* utf8) {
    return vellex::cp1251::fromUtf8(utf8).bytes;
}

// Five fields a line, every tenth line quoted as spreadsheet exports write it.
std::string listText() {
    const std::array<std::string, 6> surnames = {cp("Иванов"), cp("Смирнова"), cp("Кузнецов"),
                                                 cp("Попова"), cp("Васильев"), cp("Фёдорова")};
    const std::array<std::string, 4> names = {cp("Александр"), cp("Мария"), cp("Дмитрий"),
                                              cp("Анастасия")};
    const std::array<std::string, 4> fathers = {cp("Сергеевич"), cp("Петровна"), cp("Андреевич"),
                                                cp("Михайловна")};
    const std::array<std::string, 3> towns = {cp("г. Новосибирск"), cp("г. Омск"),
                                              cp("с. Ордынское Новосибирской области")};
    std::string out;
    out.reserve(static_cast<std::size_t>(kStudents) * 72);
    for (int i = 0; i < kStudents; ++i) {
        char date[16];
        std::snprintf(date, sizeof date, "%02d.%02d.%04d", 1 + i % 28, 1 + i % 12, 1985 + i % 15);
        const std::string fields[5] = {surnames[i % 6] + std::to_string(i), names[i % 4],
                                       fathers[i % 4], date, towns[i % 3]};
        for (int f = 0; f < 5; ++f) {
            if (f > 0)
                out += ';';
            out += i % 10 == 0 ? "\"" + fields[f] + "\"" : fields[f];
        }
        out += "\r\n";
    }
    return out;
}

void BM_ListWindowFill100000(benchmark::State& state) {
    int messages = 0;
    vellex::MessagePresenter::setHook([&](const vellex::UserMessage&) {
        ++messages;
        return false;
    });
    double longestGapMs = 0;
    long long turns = 0;
    for (auto _ : state) {
        vellex::Document doc(vellex::rowsForMode(4));
        vellex::Settings settings;
        settings.Path2CSV = g_listFile.string();
        vellex::TStudentsListForm form(doc, settings);
        auto* view = form.findChild<QTableView*>(QStringLiteral("StudentsListView"));
        if (!view) {
            state.SkipWithError("the list window has no StudentsListView");
            break;
        }

        // A zero-interval timer fires once per turn of the loop; the gap between two
        // firings is how long the window did not answer.
        QEventLoop loop;
        QTimer heartbeat;
        heartbeat.setInterval(0);
        QElapsedTimer clock, sinceTurn;
        QObject::connect(&heartbeat, &QTimer::timeout, [&] {
            longestGapMs =
                std::max(longestGapMs, static_cast<double>(sinceTurn.nsecsElapsed()) / 1e6);
            sinceTurn.restart();
            ++turns;
            if (view->model()->rowCount() == kStudents && !form.loading())
                loop.quit();
        });
        QTimer giveUp;
        giveUp.setSingleShot(true);
        QObject::connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);

        clock.start();
        sinceTurn.start();
        form.show();
        heartbeat.start();
        giveUp.start(60'000);
        loop.exec();
        const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        heartbeat.stop();
        if (view->model()->rowCount() != kStudents) {
            state.SkipWithError("the list did not fill within a minute");
            break;
        }
        state.SetIterationTime(seconds);
        form.hide();
    }
    vellex::MessagePresenter::setHook({});
    if (messages > 0)
        state.SkipWithError("the list window showed a message");
    state.counters["longest_gap_ms"] = longestGapMs;
    state.counters["loop_turns"] =
        static_cast<double>(turns) /
        static_cast<double>(std::max<benchmark::IterationCount>(state.iterations(), 1));
}
BENCHMARK(BM_ListWindowFill100000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(7)
    ->ComputeStatistics("max",
                        [](const std::vector<double>& v) {
                            return *std::max_element(v.begin(), v.end());
                        })
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    g_listFile =
        fs::temp_directory_path() /
        ("vellex_list_window_bench_" + std::to_string(QCoreApplication::applicationPid()) + ".csv");
    std::string error;
    if (!vellex::writeFileAtomically(g_listFile, listText(), &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove(g_listFile, ec);
    return 0;
}

// A whole group: 300 students with results files, diploma + SPO supplement page 1 + page 2
// each, into one 900-page PDF — what a college prints at the end of a year.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "cli/batch_job.h"
#include "model/document.h"
#include "storage/document_file.h"
#include "text/cp1251.h"
#include "text/file_io.h"

namespace {

namespace fs = std::filesystem;

constexpr int kStudents = 300;
constexpr int kDisciplines = 40;

std::string cp(const std::string& utf8) {
    return vellex::cp1251::fromUtf8(utf8).bytes;
}

void put(const fs::path& path, const std::string& data) {
    std::string error;
    if (!vellex::writeFileAtomically(path, data, &error))
        std::abort();
}

// The group's folder: template, list and one results file per student.
fs::path makeGroup() {
    const fs::path dir =
        fs::temp_directory_path() / ("vellex_batch_bench_" + std::to_string(getpid()));
    fs::create_directories(dir);
    vellex::Document group;
    group.setText(vellex::Field::edSchoolDiplom1,
                  cp("Государственное бюджетное профессиональное образовательное учреждение"));
    group.setText(vellex::Field::edSchoolDiplom2, cp("«Колледж связи № 54»"));
    group.setText(vellex::Field::edQualifyDiplom1, cp("техник"));
    std::string error;
    if (!vellex::writeDocument(dir / "group.app", group, vellex::DocumentFileFormat{}, &error))
        std::abort();
    std::string list;
    for (int i = 0; i < kStudents; ++i) {
        const std::string surname = "Студентов" + std::to_string(i);
        list += cp(surname + ";Иван;Петрович;05.03.0" + std::to_string(i % 10) + ";Москва\r\n");
        std::string results;
        for (int d = 0; d < kDisciplines; ++d)
            results += cp("Дисциплина номер " + std::to_string(d) + " с длинным названием;" +
                          std::to_string(30 + d) + ";отлично\r\n");
        put(dir / vellex::pathFromUtf8(surname + " Иван Петрович.csv"), results);
    }
    put(dir / "list.csv", list);
    return dir;
}

void BM_GroupOf300StudentsThreeSheetsToPdf(benchmark::State& state) {
    const fs::path dir = makeGroup();
    vellex::PrintRequest request;
    request.batchList = dir / "list.csv";
    request.templateDocument = dir / "group.app";
    request.batchSheets = {vellex::SheetKind::Diploma, vellex::SheetKind::SupplementSpo,
                           vellex::SheetKind::Page2};
    request.settings = dir / "App.ini";  // missing: the defaults, as on a fresh install
    request.out = dir / "group.pdf";
    put(*request.settings, "");
    vellex::BatchResult result;
    std::string error;
    for (auto _ : state) {
        if (!vellex::runBatch(
                request, result, [](const std::string&) {}, &error))
            state.SkipWithError(error.c_str());
    }
    state.counters["students"] = result.printed;
    std::error_code ec;
    state.counters["pdf_MB"] = static_cast<double>(fs::file_size(*request.out, ec)) / 1e6;
    fs::remove_all(dir, ec);
}
BENCHMARK(BM_GroupOf300StudentsThreeSheetsToPdf)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->Repetitions(3);

}  // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

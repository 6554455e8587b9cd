#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "lists/student_list.h"
#include "text/cp1251.h"

namespace {

constexpr int kStudents = 100'000;

std::vector<std::string> inCp1251(std::initializer_list<const char*> utf8) {
    std::vector<std::string> out;
    for (const char* s : utf8)
        out.push_back(vellex::cp1251::fromUtf8(s).bytes);
    return out;
}

// A college's list as it is kept: surname, first name, patronymic, birth date, birth
// place; every tenth line exported with quotes around the fields, every fiftieth with an
// empty patronymic.
const std::string& studentListText() {
    static const std::string text = [] {
        const auto surnames = inCp1251({"Иванов",  "Смирнов", "Кузнецов", "Попов",    "Васильев",
                                        "Петров",  "Соколов", "Михайлов", "Новиков",  "Фёдоров",
                                        "Морозов", "Волков",  "Алексеев", "Лебедев",  "Семёнов",
                                        "Егоров",  "Павлов",  "Козлов",   "Степанов", "Николаев"});
        const auto men = inCp1251({"Александр", "Дмитрий", "Максим", "Сергей", "Андрей", "Алексей",
                                   "Артём", "Илья", "Кирилл", "Михаил"});
        const auto women = inCp1251({"Анастасия", "Мария", "Дарья", "Анна", "Елизавета", "Полина",
                                     "Виктория", "Екатерина", "Софья", "Алёна"});
        const auto fathers = inCp1251({"Александров", "Дмитриев", "Сергеев", "Андреев", "Алексеев",
                                       "Михайлов", "Николаев", "Владимиров"});
        const auto towns =
            inCp1251({"г. Новосибирск", "г. Омск", "г. Томск", "г. Бердск",
                      "с. Ордынское Новосибирской области", "пгт. Краснообск", "г. Искитим"});
        const std::string man = vellex::cp1251::fromUtf8("ич").bytes;
        const std::string woman = vellex::cp1251::fromUtf8("на").bytes;
        const std::string a = vellex::cp1251::fromUtf8("а").bytes;

        std::mt19937 rng(20261208);
        auto pick = [&](const std::vector<std::string>& v) {
            return v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(rng)];
        };
        std::uniform_int_distribution<int> day(1, 28), month(1, 12), year(85, 99);
        std::string out;
        out.reserve(static_cast<std::size_t>(kStudents) * 64);
        for (int i = 0; i < kStudents; ++i) {
            const bool female = i % 2 == 1;
            std::string fields[5] = {
                pick(surnames) + (female ? a : ""),
                pick(female ? women : men),
                i % 50 == 0 ? "" : pick(fathers) + (female ? woman : man),
                "",
                pick(towns),
            };
            char date[16];
            std::snprintf(date, sizeof date, "%02d.%02d.%02d", day(rng), month(rng), year(rng));
            fields[3] = date;
            for (int f = 0; f < 5; ++f) {
                if (f > 0)
                    out += ';';
                const bool quoted = i % 10 == 0;
                if (quoted)
                    out += " \"";
                out += fields[f];
                if (quoted)
                    out += "\" ";
            }
            out += "\r\n";
        }
        return out;
    }();
    return text;
}

// Parsing the text already in memory.
void parseStudentList(benchmark::State& state) {
    const std::string& text = studentListText();
    for (auto _ : state) {
        auto rows = vellex::parseStudentList(text, ";");
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() * kStudents);
}
BENCHMARK(parseStudentList)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

// What the student list window does: read the file and parse it in batches of 2,000
// lines (between batches the window stays responsive).
void loadStudentListFile(benchmark::State& state) {
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "vellex-student-list-bench.csv";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << studentListText();
    }
    for (auto _ : state) {
        vellex::StudentList list;
        list.beginLoad(file.string(), ";");
        while (list.loadMore(2000)) {
        }
        list.endLoad();
        if (list.rows().size() != static_cast<std::size_t>(kStudents))
            state.SkipWithError("the list did not load whole");
        benchmark::DoNotOptimize(list.rows().data());
    }
    std::filesystem::remove(file);
    state.SetItemsProcessed(state.iterations() * kStudents);
}
BENCHMARK(loadStudentListFile)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();

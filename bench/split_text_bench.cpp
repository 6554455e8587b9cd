#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "text/cp1251.h"
#include "text/split_text.h"

namespace {

constexpr int kTexts = 100'000;

// Names of institutions, qualifications and specialities as they are typed into the
// blanks, built from their usual words; CP1251 like every text of the core.
const std::vector<std::string>& sampleTexts() {
    static const std::vector<std::string> texts = [] {
        const char* const utf8[] = {
            "Государственное",
            "бюджетное",
            "автономное",
            "профессиональное",
            "образовательное",
            "учреждение",
            "Новосибирской",
            "области",
            "колледж",
            "техникум",
            "училище",
            "«Политехнический",
            "колледж»",
            "имени",
            "Героя",
            "Советского",
            "Союза",
            "А.И.",
            "Покрышкина",
            "г.",
            "Новосибирск",
            "техник-механик",
            "по",
            "специальности",
            "Техническое",
            "обслуживание",
            "и",
            "ремонт",
            "автомобильного",
            "транспорта",
            "бухгалтер",
            "Экономика",
            "бухгалтерский",
            "учет",
            "(по",
            "отраслям)",
            "электромонтажник",
            "сельскохозяйственного",
            "производства",
            "№",
            "17",
            "Ёлкинский",
            "муниципальное",
            "казенное",
        };
        std::vector<std::string> words;
        for (const char* word : utf8)
            words.push_back(vellex::cp1251::fromUtf8(word).bytes);
        std::mt19937 rng(20261207);
        std::uniform_int_distribution<std::size_t> length(40, 300);
        std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
        std::vector<std::string> out;
        out.reserve(kTexts);
        for (int i = 0; i < kTexts; ++i) {
            const std::size_t target = length(rng);
            std::string text;
            while (text.size() < target) {
                if (!text.empty())
                    text += ' ';
                text += words[pick(rng)];
            }
            out.push_back(std::move(text));
        }
        return out;
    }();
    return texts;
}

// One iteration splits all the texts at the width of the argument, into 2 to 6 lines.
void splitTexts(benchmark::State& state) {
    const auto& texts = sampleTexts();
    const int width = static_cast<int>(state.range(0));
    std::vector<std::string> lines;
    for (auto _ : state) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            vellex::SplitTextToLines(width, 2 + static_cast<int>(i % 5), 5, 4, texts[i], lines);
            benchmark::DoNotOptimize(lines.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
}
BENCHMARK(splitTexts)->Arg(85)->Arg(45)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

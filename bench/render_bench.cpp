// A full sheet is about 30–100 boxes; 300 boxes of wrapped Cyrillic text is a heavy page.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstdlib>
#include <string>

#include "render/report_output.h"
#include "report/report.h"
#include "report/text_layout.h"
#include "text/cp1251.h"

namespace {

vellex::TReport heavyPage() {
    vellex::TReport report;
    vellex::TReportPage& page = vellex::addPage(report);
    const std::string text = vellex::cp1251::fromUtf8(
                                 "Государственное бюджетное профессиональное образовательное "
                                 "учреждение, отделение 12-б.")
                                 .bytes;
    for (int i = 0; i < 300; ++i) {
        vellex::TTextBox* box = vellex::addTextBox(page);
        const bool turned = i % 10 == 0;
        vellex::setBounds(*box, (i % 3) * 250, (i / 3) * 10, turned ? 18 : 240, turned ? 240 : 18);
        vellex::setAdjust(*box, turned ? 6 : (i % 3 == 1 ? 2 : 0));
        vellex::setFontSize(*box, 8 + i % 5);
        vellex::setText(*box, text);
    }
    return report;
}

void BM_PageOf300BoxesToPdf(benchmark::State& state) {
    const vellex::TReport report = heavyPage();
    std::string pdf, error;
    for (auto _ : state) {
        if (!vellex::renderReportPdf(report, pdf, &error))
            state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(pdf.data());
    }
    state.counters["pdf_kB"] = static_cast<double>(pdf.size()) / 1024;
}
BENCHMARK(BM_PageOf300BoxesToPdf)->Unit(benchmark::kMillisecond);

void BM_LayoutOf300BoxesFixedWidth(benchmark::State& state) {
    const vellex::TReport report = heavyPage();
    const vellex::FixedWidthMeasurer measurer(5);
    for (auto _ : state)
        for (const auto& box : report.pages[0]->objects)
            benchmark::DoNotOptimize(vellex::layoutBox(*box, measurer));
}
BENCHMARK(BM_LayoutOf300BoxesFixedWidth)->Unit(benchmark::kMicrosecond);

// One box with a 4 MB text (the largest document a field can come from), drawn with the
// real fonts: only what the box can show is laid out.
void BM_PageWithAFourMegabyteFieldToPdf(benchmark::State& state) {
    vellex::TReport report;
    vellex::TReportPage& page = vellex::addPage(report);
    vellex::TTextBox* box = vellex::addTextBox(page);
    vellex::setBounds(*box, 40, 40, 400, 60);
    std::string text;
    while (text.size() < (std::size_t{4} << 20))
        text += "Text of a damaged field " + std::to_string(text.size()) + " ";
    vellex::setText(*box, text);
    std::string pdf, error;
    for (auto _ : state) {
        if (!vellex::renderReportPdf(report, pdf, &error))
            state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(pdf.data());
    }
}
BENCHMARK(BM_PageWithAFourMegabyteFieldToPdf)->Unit(benchmark::kMillisecond);

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

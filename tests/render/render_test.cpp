#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPdfWriter>

#include <sys/stat.h>
#include <cstdlib>
#include <regex>

#include "render/page_renderer.h"
#include "render/report_output.h"
#include "tests/render/qt_app.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::cp;

struct Word {
    std::string text;               // UTF-8
    double xMin, yMin, xMax, yMax;  // millimetres
};

std::vector<Word> wordsOf(const std::filesystem::path& pdf) {
    const std::string xml =
        test::commandOutput("pdftotext -bbox '" + pdf.string() + "' - 2>/dev/null");
    static const std::regex word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Word> out;
    const double mm = 25.4 / 72;
    for (std::sregex_iterator it(xml.begin(), xml.end(), word), end; it != end; ++it)
        out.push_back({(*it)[5], std::stod((*it)[1]) * mm, std::stod((*it)[2]) * mm,
                       std::stod((*it)[3]) * mm, std::stod((*it)[4]) * mm});
    return out;
}

class Render : public testing::Test {
  protected:
    static void SetUpTestSuite() { test::ensureGuiApplication(); }

    TTextBox* box(int left, int top, int width, int height, std::string_view utf8,
                  int adjustCode = 0) {
        if (report_.pages.empty())
            addPage(report_);
        TTextBox* b = addTextBox(pageByIndex(report_, 0));
        setBounds(*b, left, top, width, height);
        setAdjust(*b, adjustCode);
        setText(*b, cp(utf8));
        return b;
    }

    std::vector<Word> render() {
        const auto path = dir_ / "page.pdf";
        std::string error;
        EXPECT_TRUE(writeReportPdf(report_, path, &error)) << error;
        return wordsOf(path);
    }

    static const Word& find(const std::vector<Word>& words, std::string_view text) {
        for (const Word& w : words)
            if (w.text == text)
                return w;
        static const Word none{"", -1, -1, -1, -1};
        ADD_FAILURE() << "word not in the PDF: " << text;
        return none;
    }

    test::TempDir dir_;
    TReport report_;
};

TEST_F(Render, FontSetupIsArialCompatible) {
    EXPECT_NE(test::commandOutput("fc-match Arial").find("Liberation Sans"), std::string::npos)
        << "«Arial» must resolve to Liberation Sans, or every line wraps differently";
}

TEST_F(Render, BoxAtOriginSitsOnThePaperCorner) {
    box(0, 0, 300, 30, "Угол");
    const auto words = render();
    const Word& w = find(words, "Угол");
    // The text is inset 2 units from the left and 1 from the top edge.
    EXPECT_NEAR(w.xMin, units::toMmX(2), 0.05);
    EXPECT_NEAR(w.yMin, units::toMmY(1), 0.05);
}

TEST_F(Render, HundredUnitsMeasureOnPaper) {
    box(100, 100, 200, 30, "Первый");
    box(200, 100, 200, 30, "Второй");
    box(400, 200, 200, 30, "Третий");
    box(400, 300, 200, 30, "Четвёртый");
    const auto words = render();
    EXPECT_NEAR(find(words, "Второй").xMin - find(words, "Первый").xMin, 27.9127, 0.05);
    EXPECT_NEAR(find(words, "Четвёртый").yMin - find(words, "Третий").yMin, 27.7215, 0.05);
    EXPECT_NEAR(find(words, "Первый").xMin, units::toMmX(102), 0.05);
    EXPECT_NEAR(find(words, "Третий").yMin, units::toMmY(201), 0.05);
}

struct AlignRow {
    const char* name;
    int adjustCode;
};

class RenderAlign : public Render, public testing::WithParamInterface<AlignRow> {};

TEST_P(RenderAlign, TextLandsWhereTheCodeSays) {
    const int code = GetParam().adjustCode;
    const bool turned = code & 4;
    // Ordinary: 400 wide, 30 high. Turned: 30 wide, 400 high.
    const int left = 200, top = 300;
    const int width = turned ? 30 : 400, height = turned ? 400 : 30;
    box(left, top, width, height, "Проверка", code);
    const auto words = render();
    const Word& w = find(words, "Проверка");
    if (!turned) {
        EXPECT_NEAR(w.yMin, units::toMmY(top + 1), 0.1);
        if ((code & 3) == 1)
            EXPECT_NEAR(w.xMax, units::toMmX(left + width - 2), 0.1);
        else if ((code & 3) == 2)
            EXPECT_NEAR((w.xMin + w.xMax) / 2, units::toMmX(left + width / 2.0), 0.1);
        else
            EXPECT_NEAR(w.xMin, units::toMmX(left + 2), 0.1);
        return;
    }
    // Reads upwards: the tops of the letters face the box's left edge.
    EXPECT_NEAR(w.xMin, units::toMmX(left + 1), 0.1);
    EXPECT_GT(w.yMax - w.yMin, w.xMax - w.xMin);
    if ((code & 3) == 2)
        EXPECT_NEAR((w.yMin + w.yMax) / 2, units::toMmY(top + height / 2.0), 0.1);
    else if ((code & 3) == 1)
        EXPECT_NEAR(w.yMin, units::toMmY(top + 2), 0.1);
    else
        EXPECT_NEAR(w.yMax, units::toMmY(top + height - 2), 0.1);
}

INSTANTIATE_TEST_SUITE_P(Codes, RenderAlign,
                         testing::Values(AlignRow{"left", 0}, AlignRow{"right", 1},
                                         AlignRow{"centred", 2}, AlignRow{"turned", 4},
                                         AlignRow{"turnedToTop", 5}, AlignRow{"turnedCentred", 6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Render, WordWiderThanTheBoxBreaksWithoutHyphen) {
    const std::string word = "ПРОВЕРКАОЧЕНЬДЛИННОГОСЛОВА";
    box(100, 100, 120, 200, word);
    const auto words = render();
    ASSERT_GE(words.size(), 2u);
    std::string joined;
    for (const Word& w : words) {
        EXPECT_EQ(w.text.find('-'), std::string::npos) << w.text;
        EXPECT_LE(w.xMax, units::toMmX(220) + 0.05) << w.text;
        joined += w.text;
    }
    EXPECT_EQ(joined, word);
}

TEST_F(Render, TextBelowTheBoxIsNotPrinted) {
    // 14 units hold the first 10-point line (1 + 13); the next starts at 16.
    box(100, 100, 300, 14, "первая\r\nвторая\r\nтретья");
    box(100, 400, 300, 14, "соседний бокс виден");
    const auto words = render();
    std::vector<std::string> texts;
    for (const Word& w : words)
        texts.push_back(w.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"первая", "соседний", "бокс", "виден"}));
}

TEST_F(Render, SecondPrintLeavesNothingOfTheFirst) {
    box(100, 100, 300, 30, "Диплом");
    render();
    clearPages(report_);
    box(300, 500, 300, 30, "Свидетельство");
    const auto words = render();
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].text, "Свидетельство");
}

TEST_F(Render, FontsAreEmbedded) {
    TTextBox* b = box(100, 100, 400, 30, "Полужирный курсив");
    b->fontStyle = FontStyle{.bold = true, .italic = true};
    box(100, 200, 400, 30, "Обычный");
    render();
    const std::string fonts =
        test::commandOutput("pdffonts '" + (dir_ / "page.pdf").string() + "'");
    std::istringstream lines(fonts);
    std::string line;
    int listed = 0;
    for (int i = 0; std::getline(lines, line); ++i) {
        if (i < 2)
            continue;  // heading and rule
        ++listed;
        EXPECT_NE(line.find(" yes "), std::string::npos) << line;
        EXPECT_NE(line.find("Liberation"), std::string::npos) << line;
    }
    EXPECT_GE(listed, 2);
}

// A printer is sent only the pages chosen in the print dialog, each where it is on its own.
TEST_F(Render, ChosenPagesAreTheReportsPages) {
    box(0, 0, 300, 30, "Первая");
    for (const char* text : {"Вторая", "Третья"}) {
        TTextBox* b = addTextBox(addPage(report_));
        setBounds(*b, 350, 700, 300, 30);
        setText(*b, cp(text));
    }
    const auto whole = render();
    const struct {
        PageSelection pages;
        std::vector<std::string> words;
    } cases[] = {
        {PageSelection::only(2, 2), {"Вторая"}},
        {PageSelection{{{1, 1}, {3, 3}}}, {"Первая", "Третья"}},
        {PageSelection::only(2, 9), {"Вторая", "Третья"}},
    };
    for (const auto& c : cases) {
        const auto chosen = dir_ / "chosen.pdf";
        std::string error;
        ASSERT_TRUE(writeReportPdf(report_, chosen, &error, false, c.pages)) << error;
        const auto words = wordsOf(chosen);
        ASSERT_EQ(words.size(), c.words.size()) << c.words[0];
        for (std::size_t i = 0; i < words.size(); ++i) {
            EXPECT_EQ(words[i].text, c.words[i]);
            EXPECT_NEAR(words[i].xMin, find(whole, c.words[i]).xMin, 0.05);
            EXPECT_NEAR(words[i].yMin, find(whole, c.words[i]).yMin, 0.05);
        }
        EXPECT_EQ(
            test::commandOutput("pdfinfo '" + chosen.string() + "' | awk '/^Pages:/ {print $2}'"),
            std::to_string(c.words.size()) + "\n");
    }

    std::string error;
    EXPECT_FALSE(
        writeReportPdf(report_, dir_ / "none.pdf", &error, false, PageSelection::only(4, 5)));
    EXPECT_EQ(error, "В выбранном диапазоне нет ни одной страницы отчёта.");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "none.pdf"));
}

TEST_F(Render, ReportThatCannotBePreparedWritesNothing) {
    const auto path = dir_ / "none.pdf";
    std::string error;
    EXPECT_FALSE(writeReportPdf(report_, path, &error));
    EXPECT_NE(error.find("нет ни одной страницы"), std::string::npos) << error;
    TTextBox* b = box(0, 0, 100, 20, "x");
    b->role = "edSurName";
    b->fontSize = 0;
    EXPECT_FALSE(writeReportPdf(report_, path, &error));
    EXPECT_NE(error.find("«edSurName»"), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(Render, RealMetricsWrapLikeThePaper) {
    // The measurer of the PDF device: a Cyrillic line of 70 characters in 10-point Arial
    // is about 142 mm (Liberation Sans advance widths).
    QPdfWriter writer(QString::fromStdString((dir_ / "m.pdf").string()));
    setupPdfWriter(writer);
    const QtTextMeasurer m(&writer);
    TTextBox b;
    const FontSpec f = fontOf(b);
    const std::string a =
        cp("абвгдежзийклмнопрстуфхцчшщъыьэюяабвгдежзийклмнопрстуфхцчшщъыьэюя"
           "абвгде");
    ASSERT_EQ(a.size(), 70u);
    const double across = units::toMmX(m.width(a, f, Axis::Horizontal));
    EXPECT_GT(across, 120);
    EXPECT_LT(across, 160);
    // Units differ across and down, the length on paper does not.
    EXPECT_NEAR(units::toMmY(m.width(a, f, Axis::Vertical)), across, 1e-6);
}

}  // namespace
}  // namespace vellex

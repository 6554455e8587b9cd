#include <gtest/gtest.h>

#include <regex>

#include "render/grid.h"
#include "render/report_output.h"
#include "tests/render/qt_app.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

struct Label {
    int value;
    double xMin, yMin;  // millimetres
};

// A page rasterised at 254 dpi: ten pixels to the millimetre, 8-bit grey.
struct Raster {
    int width = 0, height = 0;
    std::string pixels;
    bool dark(int x, int y) const {
        return static_cast<unsigned char>(pixels[static_cast<std::size_t>(y) * width + x]) < 200;
    }
    // The share of dark pixels in column x (or row y when `row`).
    double darkShare(int at, bool row) const {
        const int n = row ? width : height;
        int dark = 0;
        for (int i = 0; i < n; ++i)
            dark += (row ? this->dark(i, at) : this->dark(at, i)) ? 1 : 0;
        return static_cast<double>(dark) / n;
    }
};

class Grid : public testing::Test {
  protected:
    static void SetUpTestSuite() { test::ensureGuiApplication(); }

    std::filesystem::path pdf(bool grid) {
        TReport report;
        addPage(report);
        const auto path = dir_ / (grid ? "grid.pdf" : "plain.pdf");
        std::string error;
        EXPECT_TRUE(writeReportPdf(report, path, &error, grid)) << error;
        return path;
    }

    std::vector<Label> labels(const std::filesystem::path& file) {
        const std::string xml =
            test::commandOutput("pdftotext -bbox '" + file.string() + "' - 2>/dev/null");
        static const std::regex word(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">(\d+)</word>)re");
        std::vector<Label> out;
        const double mm = 25.4 / 72;
        for (std::sregex_iterator it(xml.begin(), xml.end(), word), end; it != end; ++it)
            out.push_back(
                {std::stoi((*it)[3]), std::stod((*it)[1]) * mm, std::stod((*it)[2]) * mm});
        return out;
    }

    Raster raster(const std::filesystem::path& file) {
        const std::string pgm =
            test::commandOutput("pdftoppm -r 254 -gray '" + file.string() + "' 2>/dev/null");
        Raster r;
        int maxValue = 0, consumed = 0;
        if (std::sscanf(pgm.c_str(), "P5 %d %d %d%n", &r.width, &r.height, &maxValue, &consumed) !=
            3)
            return r;
        r.pixels = pgm.substr(static_cast<std::size_t>(consumed) + 1);
        if (r.pixels.size() < static_cast<std::size_t>(r.width) * r.height)
            r.width = r.height = 0;
        return r;
    }

    static bool hasLabel(const std::vector<Label>& all, int value, double x, double y) {
        for (const Label& l : all)
            if (l.value == value && std::abs(l.xMin - x) < 0.1 && std::abs(l.yMin - y) < 0.1)
                return true;
        return false;
    }

    test::TempDir dir_;
};

TEST_F(Grid, LinesEveryTenMillimetresUpToThePaperEdge) {
    EXPECT_EQ(gridLinesMm(kGridPaperWidthMm).size(), 20u);  // 10 … 200
    EXPECT_EQ(gridLinesMm(kGridPaperHeightMm).front(), 10);
    EXPECT_EQ(gridLinesMm(kGridPaperHeightMm).back(), 290);
}

TEST_F(Grid, LabelsStandAtTheirMillimetreMarks) {
    const auto all = labels(pdf(true));
    for (int x : gridLinesMm(kGridPaperWidthMm))
        for (int row : gridVerticalLabelRowsMm())
            EXPECT_TRUE(hasLabel(all, x, x + kGridLabelGapMm, row)) << "vertical " << x;
    for (int y : gridLinesMm(kGridPaperHeightMm))
        for (int column : gridHorizontalLabelColumnsMm())
            EXPECT_TRUE(hasLabel(all, y, column + kGridLabelGapMm, y + kGridLabelGapMm))
                << "horizontal " << y;
}

TEST_F(Grid, DrawnLinesLandOnTheirMarks) {
    const Raster page = raster(pdf(true));
    // A4 at ten pixels to the millimetre, give or take poppler's rounding.
    ASSERT_NEAR(page.width, 2100, 1) << "pdftoppm (poppler-utils) is missing";
    ASSERT_NEAR(page.height, 2970, 1);
    auto darkNear = [&](int mm, bool row) {
        double best = 0;
        for (int d = -1; d <= 1; ++d)
            best = std::max(best, page.darkShare(mm * 10 + d, row));
        return best;
    };
    for (int x : gridLinesMm(kGridPaperWidthMm)) {
        EXPECT_GT(darkNear(x, false), 0.9) << "no line at x = " << x << " mm";
        EXPECT_LT(page.darkShare(x * 10 + 50, false), 0.1) << "stray ink at x = " << x + 5;
    }
    for (int y : gridLinesMm(kGridPaperHeightMm)) {
        EXPECT_GT(darkNear(y, true), 0.9) << "no line at y = " << y << " mm";
        EXPECT_LT(page.darkShare(y * 10 + 50, true), 0.1) << "stray ink at y = " << y + 5;
    }
}

TEST_F(Grid, OnlyWhenAskedFor) {
    const auto plain = pdf(false);
    EXPECT_TRUE(labels(plain).empty());
    const Raster page = raster(plain);
    ASSERT_NEAR(page.width, 2100, 1);
    EXPECT_EQ(page.darkShare(500, false), 0.0);
}

}  // namespace
}  // namespace vellex

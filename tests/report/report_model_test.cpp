#include <gtest/gtest.h>

#include <stdexcept>

#include "report/report.h"
#include "report/report_json.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::cp;

TEST(PageUnits, A4PageAndFontCells) {
    // The page size follows from the unit definitions, not from a table.
    EXPECT_EQ(units::kA4Width, static_cast<int>(std::lround(2100 * units::kPerInchX / 254)));
    EXPECT_EQ(units::kA4Height, static_cast<int>(std::lround(2970 * units::kPerInchY / 254)));
    EXPECT_NEAR(units::toMmX(100), 27.9127, 1e-4);
    EXPECT_NEAR(units::toMmY(100), 27.7214, 1e-4);
    struct Row {
        int points, cell, pitch;
    };
    for (const Row& r : {Row{6, 8, 10}, Row{8, 11, 13}, Row{9, 12, 14}, Row{10, 13, 15},
                         Row{11, 15, 17}, Row{12, 16, 18}, Row{14, 19, 21}}) {
        EXPECT_EQ(units::fontCellHeight(r.points), r.cell) << r.points;
        EXPECT_EQ(units::linePitch(r.points), r.pitch) << r.points;
    }
}

TEST(TextBox, NewBoxHasTheDefaults) {
    const auto box = createTextBox("edSurName");
    EXPECT_EQ(box->role, "edSurName");
    EXPECT_EQ(box->left, 0);
    EXPECT_EQ(box->top, 0);
    EXPECT_EQ(box->width, 0);
    EXPECT_EQ(box->height, 0);
    EXPECT_TRUE(box->text.empty());
    EXPECT_EQ(box->fontName, "Arial");
    EXPECT_EQ(box->fontSize, 10);
    EXPECT_EQ(box->fontStyle, FontStyle{});
    EXPECT_EQ(box->charset, 204);
    EXPECT_EQ(box->adjust, 0);
    EXPECT_EQ(box->flags, 3);
    EXPECT_EQ(box->frameTyp, 0u);
    EXPECT_FALSE(box->fillColor.has_value());
    EXPECT_EQ(box->lineSpacing, 2);
    EXPECT_TRUE(box->visible);
}

TEST(TextBox, CoordinatesOneByOneAndTogether) {
    TReport report;
    TReportPage& page = addPage(report);
    TTextBox* box = addToPage(page, createTextBox());
    setBounds(*box, 10, 20, 30, 40);
    // A box already on the page is moved through the reference a sheet keeps.
    setCoordinate(*box, Coordinate::Top, 25);
    setCoordinate(*box, Coordinate::Width, -5);
    EXPECT_EQ(page.objects.front()->top, 25);
    EXPECT_EQ(coordinate(*box, Coordinate::Left), 10);
    EXPECT_EQ(coordinate(*box, Coordinate::Width), -5);
    EXPECT_EQ(coordinate(*box, Coordinate::Height), 40);
}

TEST(TextBox, ReferencesSurviveMoreBoxes) {
    TReport report;
    TReportPage& page = addPage(report);
    TTextBox* first = addTextBox(page, "first");
    for (int i = 0; i < 200; ++i)
        addTextBox(page);
    setFontSize(*first, 14);
    EXPECT_EQ(findBox(page, "first")->fontSize, 14);
    EXPECT_EQ(findBox(page, "missing"), nullptr);
}

struct SetTextRow {
    const char* text;
    std::vector<std::string> lines;
};

class SetText : public testing::TestWithParam<SetTextRow> {};

TEST_P(SetText, SplitsAtLineBreaks) {
    auto box = createTextBox();
    addTextLine(*box, "old");
    setText(*box, GetParam().text);
    EXPECT_EQ(box->text, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SetText,
    testing::Values(SetTextRow{"", {}}, SetTextRow{"one", {"one"}},
                    SetTextRow{"a\r\nb", {"a", "b"}}, SetTextRow{"a\nb\rc", {"a", "b", "c"}},
                    SetTextRow{"a\r\n", {"a"}}, SetTextRow{"a\r\n\r\nb", {"a", "", "b"}},
                    SetTextRow{"\r\n", {""}}, SetTextRow{"a\n\r b", {"a", "", " b"}}));

TEST(Report, SecondSheetStartsFromNothing) {
    TReport report;
    addTextBox(addPage(report), "a");
    addPage(report);
    clearPages(report);
    EXPECT_TRUE(report.pages.empty());
    EXPECT_THROW(pageByIndex(report, 0), std::out_of_range);
    TReportPage& page = addPage(report);
    EXPECT_EQ(&pageByIndex(report, 0), &page);
    EXPECT_TRUE(page.objects.empty());
    EXPECT_EQ(page.width, 752);
    EXPECT_EQ(page.height, 1071);
    EXPECT_TRUE(page.portrait);
}

TEST(ReportJson, BoxesInDrawingOrderWithUtf8Texts) {
    TReport report;
    EXPECT_EQ(reportToJson(report), "{\n \"page\": null,\n \"boxes\": []\n}\n");
    TReportPage& page = addPage(report);
    TTextBox* a = addTextBox(page, "edSurName");
    setBounds(*a, 1, 2, 3, 4);
    setText(*a, cp("Иванов\r\nИван"));
    TTextBox* b = addTextBox(page);
    setAdjust(*b, 6);
    setFontStyle(*b, FontStyle{.bold = true, .italic = true});
    const std::string json = reportToJson(report);
    EXPECT_NE(json.find("\"width\": 752"), std::string::npos);
    const auto first = json.find("\"role\": \"edSurName\"");
    const auto second = json.find("\"adjust\": 6");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_NE(json.find("\"Иванов\",\n    \"Иван\""), std::string::npos) << json;
    EXPECT_NE(json.find("\"bold\": true"), std::string::npos);
}

}  // namespace
}  // namespace vellex

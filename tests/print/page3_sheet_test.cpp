#include "print/page3_sheet.h"

#include <gtest/gtest.h>

#include "model/document.h"
#include "print/sheet.h"
#include "storage/settings.h"
#include "tests/print/box_table.h"
#include "tests/print/printed_words.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::cp;
using test::boxes::box;
using test::boxes::expectBoxes;
using test::boxes::Want;

std::string cell(int row, const char* column) {
    return "Disciplines8 row " + std::to_string(row) + " " + column;
}

TReport layOut(const Document& doc, const Settings& s) {
    TReport report;
    layoutPage3Sheet(doc, s, report);
    return report;
}

Settings page3Settings(int version, int mode) {
    Settings s;
    s.VellexVersion = version;
    s.mode_N_Discipl = mode;
    return s;
}

// --- Every box per layout and row mode ---

struct Page3Case {
    int version, mode;
    int t0, pitch, nameHeight, cellHeight;
};

class Page3Layout : public ::testing::TestWithParam<Page3Case> {};

TEST_P(Page3Layout, EveryBox) {
    const Page3Case c = GetParam();
    const bool is2010 = c.version == 2;
    const int nameLeft = is2010 ? 60 : 62, hoursLeft = is2010 ? 490 : 510,
              gradeLeft = is2010 ? 580 : 610;
    std::vector<Want> want;
    for (int r = 1; r <= 48; ++r)
        want.push_back(
            {cell(r, "Discipline"), nameLeft, c.t0 + (r - 1) * c.pitch, 550, c.nameHeight, 0});
    for (int r = 1; r <= 48; ++r)
        want.push_back(
            {cell(r, "AudTime"), hoursLeft, c.t0 + (r - 1) * c.pitch, 80, c.cellHeight, 2});
    for (int r = 1; r <= 48; ++r)
        want.push_back(
            {cell(r, "Value"), gradeLeft, c.t0 + (r - 1) * c.pitch, 150, c.cellHeight, 0});
    if (is2010) {
        const std::vector<Want> block = {
            {"edNumToDiplSequel", 110, 90, 200, 19, 2}, {"edRegNoSequel", 530, 90, 200, 19, 2},
            {"edRukObrazUch8", 300, 955, 400, 18, 0},   {"edSecretar8", 300, 988, 400, 18, 0},
            {"edDayOut8", 180, 1017, 50, 18, 0},        {"edMonthOut8", 250, 1017, 180, 18, 0},
            {"edYearOut8", 450, 1017, 140, 18, 0},
        };
        want.insert(want.end(), block.begin(), block.end());
    }
    const Settings s = page3Settings(c.version, c.mode);
    expectBoxes(*layOut(Document(), s).pages.at(0), want);
}

INSTANTIATE_TEST_SUITE_P(Modes, Page3Layout,
                         ::testing::Values(
                             // version, mode, T0, pitch, name height, cell height
                             Page3Case{2, 0, 230, 17, 16, 16}, Page3Case{2, 1, 230, 15, 15, 15},
                             Page3Case{2, 3, 230, 14, 14, 14}, Page3Case{2, 4, 230, 17, 16, 16},
                             Page3Case{2, 5, 230, 17, 16, 16}, Page3Case{2, 8, 230, 17, 16, 16},
                             Page3Case{0, 0, 220, 17, 16, 16}, Page3Case{1, 1, 220, 15, 15, 15},
                             Page3Case{0, 3, 220, 14, 14, 14}, Page3Case{1, 4, 220, 17, 16, 16},
                             Page3Case{5, 3, 220, 14, 14, 14}));

TEST(Page3Layout, OlderMode3LastRow) {
    const TReport r = layOut(Document(), page3Settings(0, 3));
    EXPECT_EQ(box(r, cell(48, "Discipline")).top, 878);
}

TEST(Page3Layout, DoubleRowsWithBasePitch14) {
    for (int version : {0, 2}) {
        SCOPED_TRACE(version);
        Settings s = page3Settings(version, 2);
        const TReport r = layOut(Document(), s);
        const int t0 = version == 2 ? 230 : 220;
        const std::vector<int> want = {t0 + 37, t0 + 51, t0 + 67, t0 + 79, t0 + 95};
        for (int i = 1; i <= 5; ++i) {
            EXPECT_EQ(box(r, cell(i, "Discipline")).top, want[i - 1]) << i;
            EXPECT_EQ(box(r, cell(i, "Discipline")).height, 15);
            EXPECT_EQ(box(r, cell(i, "AudTime")).top, want[i - 1]);
            EXPECT_EQ(box(r, cell(i, "AudTime")).height, 15);
            EXPECT_EQ(box(r, cell(i, "Value")).height, 15);
        }
        // Rows 4 and 8 move up 3, row 12 twice that, and the rows after inherit it all
        // (the first -3 is the shorter pitch before rows 4, 8 and 12).
        s.DoubleStrDeltaY1 = 0;
        s.DoubleStrDeltaY2 = 3;
        const TReport c = layOut(Document(), s);
        EXPECT_EQ(box(c, cell(12, "Discipline")).top, t0 + 36 + 11 * 15 - 3 - 3 - 3 - 6);
        EXPECT_EQ(box(c, cell(13, "Discipline")).top, t0 + 36 + 12 * 15 - 3 - 3 - 3 - 6);
    }
}

// --- Content stage ---

TEST(Page3Content, DuplicateMarkStaysPutWhileThePageShifts) {
    Document doc;
    doc.setFlag(Flag::cbCopySign, true);
    doc.setFlag(Flag::cbCopySignDbl, true);
    for (int version : {0, 2}) {
        SCOPED_TRACE(version);
        Settings s = page3Settings(version, 3);
        const TReport a = layOut(doc, s);
        s.DeltaX2 = 7;
        s.DeltaY2 = 11;
        const TReport b = layOut(doc, s);
        const auto& pa = a.pages[0]->objects;
        const auto& pb = b.pages[0]->objects;
        ASSERT_EQ(pa.size(), pb.size());
        ASSERT_EQ(pb.front()->role, "duplicate");
        EXPECT_EQ(pb.front()->left, 500);
        EXPECT_EQ(pb.front()->top, 10);
        for (std::size_t i = 1; i < pa.size(); ++i) {
            SCOPED_TRACE(pa[i]->role);
            EXPECT_EQ(pb[i]->left - pa[i]->left, 7);
            EXPECT_EQ(pb[i]->top - pa[i]->top, 11);
        }
    }
}

TEST(Page3Content, HeaderMovesWithThePageShift) {
    Settings s = page3Settings(2, 3);
    s.DeltaX2 = -5;
    s.DeltaY2 = 8;
    const TReport r = layOut(Document(), s);
    EXPECT_EQ(box(r, "edNumToDiplSequel").left, 105);
    EXPECT_EQ(box(r, "edNumToDiplSequel").top, 98);
    EXPECT_EQ(box(r, "edRegNoSequel").left, 525);
    EXPECT_EQ(box(r, "edRegNoSequel").top, 98);
}

TEST(Page3Content, ColumnShiftsSizesAndAlignment) {
    Settings s = page3Settings(2, 3);
    s.DeltaXColumn2 = 6;
    s.DeltaXColumn3 = -9;
    s.FontSizeColumn12 = 7;  // page 2 only
    s.FontSizeColumn3 = 8;
    s.AdjustAudTime = kAlignLeft;
    s.AdjustLinesAppRight1 = kAlignLeft;
    const TReport r = layOut(Document(), s);
    EXPECT_EQ(box(r, cell(3, "Discipline")).left, 60);
    EXPECT_EQ(box(r, cell(3, "AudTime")).left, 496);
    EXPECT_EQ(box(r, cell(3, "Value")).left, 571);
    EXPECT_EQ(box(r, cell(3, "Discipline")).fontSize, 10);
    EXPECT_EQ(box(r, cell(3, "AudTime")).fontSize, 10);
    EXPECT_EQ(box(r, cell(3, "Value")).fontSize, 8);
    EXPECT_EQ(box(r, cell(3, "AudTime")).adjust, 0);
    EXPECT_EQ(box(r, "edNumToDiplSequel").adjust, 0);
    EXPECT_EQ(box(r, "edNumToDiplSequel").fontSize, 12);
    EXPECT_EQ(box(r, "edRukObrazUch8").left, 300);
}

TEST(Page3Texts, RowsHeaderAndSignatureFromTheDocument) {
    Document doc;
    doc.setCell(Table::Disciplines8, 1, Column::Discipline, cp("История"));
    doc.setCell(Table::Disciplines8, 48, Column::AudTime, "36");
    doc.setCell(Table::Disciplines8, 48, Column::Value, cp("хорошо"));
    doc.setCell(Table::Disciplines, 1, Column::Discipline, cp("со второй страницы"));
    doc.setText(Field::edNumToDiplSequel, cp("к диплому 123"));
    doc.setText(Field::edMonthOut8, cp("июня"));
    const TReport r = layOut(doc, page3Settings(2, 3));
    EXPECT_EQ(box(r, cell(1, "Discipline")).text, std::vector<std::string>{cp("История")});
    EXPECT_EQ(box(r, cell(48, "AudTime")).text, std::vector<std::string>{"36"});
    EXPECT_EQ(box(r, cell(48, "Value")).text, std::vector<std::string>{cp("хорошо")});
    EXPECT_EQ(box(r, "edNumToDiplSequel").text, std::vector<std::string>{cp("к диплому 123")});
    EXPECT_EQ(box(r, "edMonthOut8").text, std::vector<std::string>{cp("июня")});
    EXPECT_EQ(box(r, "edSecretar8").text, std::vector<std::string>{""});
    const TReport older = layOut(doc, page3Settings(0, 3));
    EXPECT_EQ(findBox(*older.pages[0], "edNumToDiplSequel"), nullptr);
    EXPECT_EQ(older.pages[0]->objects.size(), 48u * 3);
}

TEST(Page3Dispatch, LayoutSheetRunsBothStages) {
    Document doc;
    doc.setText(Field::edRegNoSequel, "77");
    TReport report;
    std::string error;
    ASSERT_TRUE(layoutSheet(SheetKind::Page3, doc, page3Settings(2, 0), {}, report, &error))
        << error;
    EXPECT_EQ(box(report, "edRegNoSequel").text, std::vector<std::string>{"77"});
}

// --- On paper ---

TEST(Page3Printout, EveryEntryLandsWhereThePageModelSays) {
    const auto bin = test::printed::printBinary();
    if (!bin)
        GTEST_SKIP() << "vellex-print or pdftotext is missing";
    Document doc = test::printed::wordDocument(Page::Page3);
    for (int r = 1; r <= doc.rowCount(Table::Disciplines8); ++r) {
        doc.setCell(Table::Disciplines8, r, Column::Discipline, "N" + std::to_string(r));
        doc.setCell(Table::Disciplines8, r, Column::AudTime, "H" + std::to_string(r));
        doc.setCell(Table::Disciplines8, r, Column::Value, "G" + std::to_string(r));
    }
    struct Blank {
        int version, mode;
        std::size_t boxes;
    };
    for (const Blank& b : {Blank{2, 3, 48 * 3 + 7}, Blank{2, 2, 48 * 3 + 7}, Blank{1, 0, 48 * 3}}) {
        SCOPED_TRACE("edition " + std::to_string(b.version) + " mode " + std::to_string(b.mode));
        doc.rebuildPage2(rowsForMode(b.mode));  // the document file follows the row mode
        test::TempDir dir;
        const auto printout =
            test::printed::printSheet(*bin, dir, "page3", doc,
                                      "VellexVersion=" + std::to_string(b.version) +
                                          "\r\nmode_N_Discipl=" + std::to_string(b.mode) +
                                          "\r\nCopySign=1\r\n"
                                          "DeltaX2=5\r\nDeltaY2=7\r\n");
        ASSERT_TRUE(printout);
        // The layout's boxes and the duplicate mark, which the page shift leaves at (500, 10).
        ASSERT_EQ(printout->page["boxes"].size(), b.boxes + 1);
        EXPECT_EQ(printout->page["boxes"][0]["left"], 500);
        EXPECT_EQ(printout->page["boxes"][0]["top"], 10);
        EXPECT_EQ(test::printed::expectWordsWhereThePageSays(*printout), int(b.boxes) + 1);
    }
}

}  // namespace
}  // namespace vellex

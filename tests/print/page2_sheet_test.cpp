#include "print/page2_sheet.h"

#include <gtest/gtest.h>

#include <array>

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
    return "Disciplines row " + std::to_string(row) + " " + column;
}

TReport layOut(const Document& doc, const Settings& s) {
    TReport report;
    layoutPage2Sheet(doc, s, report);
    return report;
}

Document page2Document(int eduType, const Settings& s) {
    Document doc(s.rowsPage2());
    doc.setChoice(Choice::rgProfEduType, eduType);
    return doc;
}

// --- Every box per layout, row mode and blank, with pitches given as the blank's table ---

struct Page2Case {
    int version;
    int eduType;  // rgProfEduType
    int mode;
    int colsDeltaH, colsHeight;
    int rows, t0, pitch, nameHeight, cellHeight;
};

class Page2Layout : public ::testing::TestWithParam<Page2Case> {};

TEST_P(Page2Layout, EveryBox) {
    const Page2Case c = GetParam();
    Settings s;
    s.VellexVersion = c.version;
    s.mode_N_Discipl = c.mode;
    s.ColsDeltaH = c.colsDeltaH;
    s.ColsHeight = c.colsHeight;
    const bool is2010 = c.version == 2;
    const int nameLeft = is2010 ? 60 : 62, hoursLeft = is2010 ? 490 : 510,
              gradeLeft = is2010 ? 580 : 610;
    std::vector<Want> want;
    for (int r = 1; r <= c.rows; ++r)
        want.push_back(
            {cell(r, "Discipline"), nameLeft, c.t0 + (r - 1) * c.pitch, 550, c.nameHeight, 0});
    for (int r = 1; r <= c.rows; ++r)
        want.push_back(
            {cell(r, "AudTime"), hoursLeft, c.t0 + (r - 1) * c.pitch, 80, c.cellHeight, 2});
    for (int r = 1; r <= c.rows; ++r)
        want.push_back(
            {cell(r, "Value"), gradeLeft, c.t0 + (r - 1) * c.pitch, 150, c.cellHeight, 0});
    if (is2010) {
        const int head = c.t0 + (c.eduType == 0 || c.eduType == 2 ? 795 : 808);
        const std::vector<Want> signature = {
            {"edRukObrazUch2", 300, head, 400, 18, 0}, {"edSecretar", 300, head + 33, 400, 18, 0},
            {"edDayOut", 180, head + 62, 50, 18, 0},   {"edMonthOut", 250, head + 62, 180, 18, 0},
            {"edYearOut", 450, head + 62, 140, 18, 0},
        };
        want.insert(want.end(), signature.begin(), signature.end());
    }
    expectBoxes(*layOut(page2Document(c.eduType, s), s).pages.at(0), want);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Page2Layout,
    ::testing::Values(
        // version, type, mode, ColsDeltaH, ColsHeight, rows, T0, pitch, name h, cell h
        Page2Case{2, 0, 3, 16, 17, 54, 166, 16, 17, 15},
        Page2Case{2, 1, 3, 16, 17, 54, 157, 16, 17, 15},
        Page2Case{2, 2, 3, 16, 17, 54, 166, 16, 17, 15},
        Page2Case{2, 3, 3, 16, 17, 54, 157, 16, 17, 15},
        Page2Case{2, 0, 0, 16, 17, 54, 166, 17, 16, 16},
        Page2Case{2, 0, 1, 16, 17, 62, 166, 17, 17, 17},
        Page2Case{2, 0, 4, 16, 17, 94, 166, 17, 17, 17},
        Page2Case{2, 0, 3, 20, 25, 54, 166, 20, 25, 15},
        Page2Case{2, 0, 0, 20, 25, 54, 166, 21, 20, 20},
        Page2Case{2, 0, 1, 20, 25, 62, 166, 21, 25, 25},
        Page2Case{2, 1, 4, 20, 25, 94, 157, 21, 25, 25},
        Page2Case{2, 0, 5, 20, 25, 94, 166, 21, 20, 20},
        Page2Case{2, 0, 7, 20, 25, 54, 166, 21, 20, 20},
        Page2Case{0, 0, 3, 16, 17, 54, 140, 16, 17, 17},
        Page2Case{1, 1, 3, 20, 25, 54, 140, 20, 25, 25},
        Page2Case{0, 0, 0, 20, 25, 54, 140, 21, 20, 20},
        Page2Case{1, 0, 1, 20, 25, 62, 140, 21, 25, 25},
        Page2Case{0, 0, 4, 20, 25, 94, 140, 21, 25, 25},
        Page2Case{0, 0, 5, 20, 25, 94, 140, 21, 20, 20},
        Page2Case{7, 0, 9, 20, 25, 54, 140, 21, 20, 20}));

// --- The double-row mode ---

std::vector<int> nameTops(const TReport& r, int rows) {
    std::vector<int> tops;
    for (int i = 1; i <= rows; ++i)
        tops.push_back(box(r, cell(i, "Discipline")).top);
    return tops;
}

TEST(Page2DoubleRows, DefaultsGiveTheBlanksPairs) {
    Settings s;
    s.mode_N_Discipl = 2;
    const TReport r = layOut(page2Document(0, s), s);
    EXPECT_EQ(r.pages[0]->objects.size(), 58u * 3 + 5);
    EXPECT_EQ(nameTops(r, 14), (std::vector<int>{203, 219, 237, 251, 269, 285, 303, 317, 335, 351,
                                                 369, 382, 400, 416}));
    // Names 15 high; hours and grades ColsHeight.
    EXPECT_EQ(box(r, cell(1, "Discipline")).height, 15);
    EXPECT_EQ(box(r, cell(1, "AudTime")).height, 17);
    EXPECT_EQ(box(r, cell(58, "Value")).height, 17);
    EXPECT_EQ(box(r, cell(58, "Value")).top, box(r, cell(58, "Discipline")).top);
    // The older layout starts the same rows 26 higher.
    s.VellexVersion = 0;
    const TReport older = layOut(page2Document(0, s), s);
    EXPECT_EQ(nameTops(older, 4), (std::vector<int>{177, 193, 211, 225}));
}

TEST(Page2DoubleRows, WithoutCorrectionsOneUnitLessBeforeEveryFourthRow) {
    Settings s;
    s.mode_N_Discipl = 2;
    s.DoubleStrDeltaY1 = 0;
    s.DoubleStrDeltaY2 = 0;
    const TReport r = layOut(page2Document(0, s), s);
    EXPECT_EQ(nameTops(r, 9), (std::vector<int>{202, 219, 236, 252, 269, 286, 303, 319, 336}));
}

TEST(Page2DoubleRows, EveryForEach1RowsTheRestMovesUpAndForEach2Twice) {
    Settings s;
    s.mode_N_Discipl = 2;
    s.DoubleStrDeltaY1 = 0;
    s.DoubleStrDeltaY2 = 5;
    s.DoubleStrForEach1 = 4;
    s.DoubleStrForEach2 = 12;
    const TReport r = layOut(page2Document(0, s), s);
    EXPECT_EQ(nameTops(r, 13),
              (std::vector<int>{202, 219, 236, 247, 264, 281, 298, 309, 326, 343, 360, 366, 383}));
}

TEST(Page2DoubleRows, ZeroRowCountsInTheSettingsMeanNoExtraShift) {
    Settings s;
    s.mode_N_Discipl = 2;
    s.DoubleStrDeltaY2 = 5;
    s.DoubleStrForEach1 = 0;
    s.DoubleStrForEach2 = 0;
    const TReport r = layOut(page2Document(0, s), s);
    EXPECT_EQ(nameTops(r, 4), (std::vector<int>{203, 219, 237, 252}));
}

// --- Content stage ---

TEST(Page2Content, NpoBlankMovesTheTableUpAndTheSignatureDown) {
    Settings s;
    const TReport spo = layOut(page2Document(0, s), s);
    const TReport npo = layOut(page2Document(1, s), s);
    EXPECT_EQ(box(spo, cell(1, "Discipline")).top - box(npo, cell(1, "Discipline")).top, 9);
    EXPECT_EQ(box(spo, "edRukObrazUch2").top, 961);
    EXPECT_EQ(box(npo, "edRukObrazUch2").top, 965);
}

TEST(Page2Content, SignatureShiftOnlyOn2010Blanks) {
    Settings s;
    s.DeltaYsign2 = 12;
    EXPECT_EQ(box(layOut(page2Document(0, s), s), "edRukObrazUch2").top, 973);
    EXPECT_EQ(box(layOut(page2Document(0, s), s), "edYearOut").top, 973 + 62);
    s.VellexVersion = 1;
    const TReport older = layOut(page2Document(0, s), s);
    EXPECT_EQ(findBox(*older.pages[0], "edRukObrazUch2"), nullptr);
    EXPECT_EQ(older.pages[0]->objects.size(), 54u * 3);
}

TEST(Page2Content, PageAndColumnShifts) {
    for (int version : {0, 2}) {
        SCOPED_TRACE(version);
        Settings s;
        s.VellexVersion = version;
        const TReport a = layOut(page2Document(0, s), s);
        s.DeltaX2 = 4;
        s.DeltaY2 = -3;
        s.DeltaXColumn2 = 10;
        s.DeltaXColumn3 = -20;
        const TReport b = layOut(page2Document(0, s), s);
        const auto& pa = a.pages[0]->objects;
        const auto& pb = b.pages[0]->objects;
        ASSERT_EQ(pa.size(), pb.size());
        for (std::size_t i = 0; i < pa.size(); ++i) {
            const std::string& role = pa[i]->role;
            SCOPED_TRACE(role);
            const int column = role.ends_with("AudTime") ? 10 : role.ends_with("Value") ? -20 : 0;
            EXPECT_EQ(pb[i]->left - pa[i]->left, 4 + column);
            EXPECT_EQ(pb[i]->top - pa[i]->top, -3);
        }
    }
}

TEST(Page2Content, ColumnFontSizesAndHoursAlignment) {
    Settings s;
    s.FontSizeColumn12 = 8;
    s.FontSizeColumn3 = 9;
    s.AdjustAudTime = kAlignLeft;
    s.FontYcorr = true;  // no small-font correction on this page
    const TReport r = layOut(page2Document(0, s), s);
    EXPECT_EQ(box(r, cell(5, "Discipline")).fontSize, 8);
    EXPECT_EQ(box(r, cell(5, "AudTime")).fontSize, 8);
    EXPECT_EQ(box(r, cell(5, "Value")).fontSize, 9);
    EXPECT_EQ(box(r, cell(5, "AudTime")).adjust, 0);
    EXPECT_EQ(box(r, cell(5, "Discipline")).top, 166 + 4 * 16);
    EXPECT_EQ(box(r, "edSecretar").fontSize, 10);
    s.FontSizeColumn12 = 0;
    s.FontSizeColumn3 = 0;
    const TReport zero = layOut(page2Document(0, s), s);
    EXPECT_EQ(box(zero, cell(5, "Discipline")).fontSize, 10);
    EXPECT_EQ(box(zero, cell(5, "Value")).fontSize, 10);
}

TEST(Page2Content, NeverADuplicateMark) {
    Settings s;
    Document doc = page2Document(0, s);
    doc.setFlag(Flag::cbCopySign, true);
    doc.setFlag(Flag::cbCopySignDbl, true);
    const TReport r = layOut(doc, s);
    EXPECT_EQ(findBox(*r.pages[0], "duplicate"), nullptr);
    EXPECT_EQ(r.pages[0]->objects.front()->role, cell(1, "Discipline"));
}

TEST(Page2Texts, RowsAndSignatureFromTheDocument) {
    Settings s;
    Document doc = page2Document(0, s);
    doc.setCell(Table::Disciplines, 1, Column::Discipline, cp("Математика "));
    doc.setCell(Table::Disciplines, 1, Column::AudTime, "120");
    doc.setCell(Table::Disciplines, 1, Column::Value, cp("5 (отлично)"));
    doc.setCell(Table::Disciplines, 54, Column::Value, cp("зачтено"));
    doc.setText(Field::edSecretar, cp("Сидорова А.А."));
    doc.setText(Field::edYearOut, "2011");
    const TReport r = layOut(doc, s);
    EXPECT_EQ(box(r, cell(1, "Discipline")).text, std::vector<std::string>{cp("Математика ")});
    EXPECT_EQ(box(r, cell(1, "AudTime")).text, std::vector<std::string>{"120"});
    EXPECT_EQ(box(r, cell(1, "Value")).text, std::vector<std::string>{cp("5 (отлично)")});
    EXPECT_EQ(box(r, cell(2, "Value")).text, std::vector<std::string>{""});
    EXPECT_EQ(box(r, cell(54, "Value")).text, std::vector<std::string>{cp("зачтено")});
    EXPECT_EQ(box(r, "edSecretar").text, std::vector<std::string>{cp("Сидорова А.А.")});
    EXPECT_EQ(box(r, "edYearOut").text, std::vector<std::string>{"2011"});
}

TEST(Page2Texts, RowsBeyondTheDocumentsTablePrintEmpty) {
    Settings s;
    s.mode_N_Discipl = 4;  // 94 rows on the page
    Document doc(54);      // the table still has its 54 rows
    doc.setCell(Table::Disciplines, 54, Column::Discipline, cp("Физика"));
    const TReport r = layOut(doc, s);
    EXPECT_EQ(box(r, cell(54, "Discipline")).text, std::vector<std::string>{cp("Физика")});
    EXPECT_EQ(box(r, cell(55, "Discipline")).text, std::vector<std::string>{""});
    EXPECT_EQ(box(r, cell(94, "Value")).text, std::vector<std::string>{""});
}

TEST(Page2Dispatch, LayoutSheetRunsBothStages) {
    Settings s;
    Document doc = page2Document(0, s);
    doc.setText(Field::edDayOut, "30");
    TReport report;
    std::string error;
    ASSERT_TRUE(layoutSheet(SheetKind::Page2, doc, s, {}, report, &error)) << error;
    EXPECT_EQ(box(report, "edDayOut").text, std::vector<std::string>{"30"});
}

// --- On paper ---

TEST(Page2Printout, EveryEntryLandsWhereThePageModelSays) {
    const auto bin = test::printed::printBinary();
    if (!bin)
        GTEST_SKIP() << "vellex-print or pdftotext is missing";
    // Row modes and pitches whose last row still lies on the paper (rows below its edge are
    // simply not printed).
    struct Blank {
        int version, mode, eduType, colsDeltaH;
        std::size_t boxes;
    };
    for (const Blank& b : {Blank{2, 3, 0, 16, 54 * 3 + 5}, Blank{2, 3, 1, 16, 54 * 3 + 5},
                           Blank{0, 2, 0, 14, 58 * 3}, Blank{1, 1, 0, 14, 62 * 3}}) {
        SCOPED_TRACE("edition " + std::to_string(b.version) + " mode " + std::to_string(b.mode));
        Document doc = test::printed::wordDocument(Page::Page2);
        doc.rebuildPage2(rowsForMode(b.mode));
        for (int r = 1; r <= doc.rowCount(Table::Disciplines); ++r) {
            doc.setCell(Table::Disciplines, r, Column::Discipline, "N" + std::to_string(r));
            doc.setCell(Table::Disciplines, r, Column::AudTime, "H" + std::to_string(r));
            doc.setCell(Table::Disciplines, r, Column::Value, "G" + std::to_string(r));
        }
        test::TempDir dir;
        const auto printout = test::printed::printSheet(
            *bin, dir, "page2", doc,
            "VellexVersion=" + std::to_string(b.version) + "\r\nmode_N_Discipl=" +
                std::to_string(b.mode) + "\r\nProfEduType=" + std::to_string(b.eduType) +
                "\r\nColsDeltaH=" + std::to_string(b.colsDeltaH) + "\r\nCopySign=1\r\n");
        ASSERT_TRUE(printout);
        ASSERT_EQ(printout->page["boxes"].size(), b.boxes);  // no duplicate mark
        EXPECT_EQ(test::printed::expectWordsWhereThePageSays(*printout), int(b.boxes));
    }
}

}  // namespace
}  // namespace vellex

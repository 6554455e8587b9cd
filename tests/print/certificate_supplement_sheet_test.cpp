#include "print/certificate_supplement_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/document.h"
#include "print/sheet.h"
#include "storage/settings.h"
#include "tests/print/first_page_expect.h"
#include "tests/print/printed_words.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::box;
using test::edition;
using test::ExpectedBox;

// --- The blanks with the default settings ---

// The 2010 blank: its lines are one unit further apart than the page-1 line distances, and
// the default FontSizeColumn3Cert (10) lowers edPrevDocum71 and what follows it by 10.
const std::vector<ExpectedBox> kEdition2 = {
    {"edNumToDipl7", 110, 95, 200, 19, 2},   {"edRegNo7", 530, 95, 200, 19, 2},
    {"edSurName7", 20, 142, 700, 18, 2},     {"edName7", 20, 175, 700, 18, 2},
    {"edAddName7", 20, 209, 700, 18, 2},     {"edPresentDate7", 60, 243, 40, 18, 0},
    {"edDateOut7", 120, 243, 70, 18, 2},     {"edBirthDay7", 210, 243, 70, 18, 2},
    {"edTown7", 300, 243, 400, 18, 2},       {"edQualify71", 20, 286, 700, 18, 2},
    {"edQualify72", 20, 319, 700, 18, 2},    {"edQualify73", 20, 352, 700, 18, 2},
    {"edQualify74", 20, 385, 700, 18, 2},    {"edQualify75", 20, 418, 700, 18, 2},
    {"edQualify76", 20, 451, 700, 18, 2},    {"edDate1", 485, 499, 40, 18, 0},
    {"edDate2", 545, 499, 75, 18, 0},        {"edDate3", 640, 499, 70, 18, 0},
    {"edSchool71", 240, 545, 450, 18, 2},    {"edSchool72", 20, 578, 700, 18, 2},
    {"edSchool73", 20, 611, 700, 18, 2},     {"edSchool74", 20, 644, 700, 18, 2},
    {"edQualify5", 20, 677, 700, 18, 2},     {"edQualify6", 20, 710, 700, 18, 2},
    {"edPrevDocum71", 420, 767, 60, 18, 0},  {"edPrevDocum72", 500, 767, 80, 18, 2},
    {"edPrevDocum73", 610, 767, 100, 18, 0}, {"edNameDoc1", 20, 800, 700, 18, 2},
    {"edNameDoc2", 20, 833, 700, 18, 0},
};

// Editions 0 and 1, before the table of disciplines (see withTable).
const std::vector<ExpectedBox> kOlder = {
    {"edTown7", 550, 134, 220, 18, 2},        {"edSurName7", 180, 134, 350, 18, 2},
    {"edName7", 38, 163, 550, 18, 2},         {"edBirthDay7", 165, 192, 370, 18, 2},
    {"edPrevDocum71", 345, 232, 190, 18, 0},  {"edPrevDocum72", 38, 255, 550, 18, 2},
    {"edPrevDocum73", 38, 277, 550, 18, 2},   {"edNumToDipl7", 585, 289, 144, 19, 2},
    {"edRegNo7", 560, 322, 190, 19, 2},       {"edDateOut7", 550, 378, 180, 19, 2},
    {"edPresentDate7", 550, 516, 180, 19, 2}, {"edSchool71", 545, 154, 220, 18, 2},
    {"edSchool72", 545, 174, 220, 18, 2},     {"edSchool73", 545, 194, 220, 18, 2},
    {"edSchool74", 545, 214, 220, 18, 2},     {"edQualify71", 545, 610, 220, 18, 2},
    {"edQualify72", 545, 632, 220, 18, 2},    {"edQualify73", 545, 654, 220, 18, 2},
    {"edQualify74", 545, 676, 220, 18, 2},    {"edQualify75", 545, 698, 220, 18, 2},
    {"edQualify76", 545, 720, 220, 18, 2},
};

// The 34 table rows: name, hours, grade, one row every 18 units from 396.
std::vector<ExpectedBox> withTable(std::vector<ExpectedBox> rows) {
    return test::withTable(std::move(rows), "Disciplines7", 34, 378);
}

TReport layout(const Document& doc, const Settings& s) {
    TReport report;
    layoutCertificateSupplement(doc, s, report);
    return report;
}

std::vector<std::string> plus(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::size_t indexOf(const std::vector<ExpectedBox>& rows, const std::string& role) {
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&](const ExpectedBox& b) { return b.role == role; });
    return static_cast<std::size_t>(it - rows.begin());
}

// --- Every box of every layout ---

struct LayoutCase {
    int version;
    std::vector<ExpectedBox> expected;
};

class CertSupplementLayouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(CertSupplementLayouts, PlaceEveryBoxOfTheBlank) {
    test::expectBoxes(layout(Document(), edition(GetParam().version)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Editions, CertSupplementLayouts,
                         ::testing::Values(LayoutCase{2, kEdition2},
                                           LayoutCase{1, withTable(kOlder)},
                                           LayoutCase{0, withTable(kOlder)},
                                           // Outside 0..2: as edition 0.
                                           LayoutCase{9, withTable(kOlder)}));

TEST(CertSupplementLayout, LastTableRowOfTheOlderBlank) {
    const TReport r = layout(Document(), edition(0));
    EXPECT_EQ(box(r, "Disciplines7 row 34 Value").top, 990);
    EXPECT_FALSE(test::hasBox(r, "Disciplines7 row 35 Value"));
}

// --- Settings that move boxes ---

// In the 2010 layout settings of the older right part lower one block each, and every box
// chained on it; nothing moves sideways.
struct BlockShiftCase {
    int Settings::*key;
    int value;
    const char* firstMoved;
    int moved;
};

class CertSupplementBlockShift : public ::testing::TestWithParam<BlockShiftCase> {};

TEST_P(CertSupplementBlockShift, LowersTheBlockAndWhatFollowsIn2010) {
    const BlockShiftCase& c = GetParam();
    Settings s = edition(2);
    s.*c.key = c.value;
    const TReport r = layout(Document(), s);
    const std::size_t first = indexOf(kEdition2, c.firstMoved);
    for (std::size_t i = 0; i < kEdition2.size(); ++i) {
        const ExpectedBox& e = kEdition2[i];
        SCOPED_TRACE(e.role);
        EXPECT_EQ(box(r, e.role).left, e.left);
        EXPECT_EQ(box(r, e.role).top, e.top + (i >= first ? c.moved : 0));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, CertSupplementBlockShift,
    ::testing::Values(BlockShiftCase{&Settings::DeltaXRightCertApp, 5, "edQualify71", 5},
                      BlockShiftCase{&Settings::DeltaYRightCertApp, -4, "edDate1", -4},
                      BlockShiftCase{&Settings::FontSizeColumn3Cert, 0, "edPrevDocum71", -10},
                      BlockShiftCase{&Settings::midDeltaYLeft1App1, 3, "edSurName7", 3}));

TEST(CertSupplementSettings, LinePitchesOfThe2010BlankAreOneMoreThanTheSettings) {
    Settings s = edition(2);
    s._deltaLine0 = 40;
    s._deltaLine = 20;
    const TReport r = layout(Document(), s);
    EXPECT_EQ(box(r, "edSurName7").top, 95 + 41 + 13);
    EXPECT_EQ(box(r, "edName7").top - box(r, "edSurName7").top, 21);
    EXPECT_EQ(box(r, "edAddName7").top - box(r, "edName7").top, 41);
    EXPECT_EQ(box(r, "edQualify71").top - box(r, "edTown7").top, 21 + 10);
    EXPECT_EQ(box(r, "edQualify76").top - box(r, "edQualify75").top, 21);
    // The date row and the blocks under it count the plain distances.
    EXPECT_EQ(box(r, "edDate1").top - box(r, "edQualify76").top, 40 + 13 + 2);
    EXPECT_EQ(box(r, "edSchool71").top - box(r, "edDate3").top, 20 + 13 + 1);
    EXPECT_EQ(box(r, "edSchool72").top - box(r, "edSchool71").top, 21);
    EXPECT_EQ(box(r, "edPrevDocum71").top - box(r, "edQualify6").top, 40 + 13 + 1 + 10);
}

TEST(CertSupplementSettings, OlderBlankShiftsOfTheRightPart) {
    for (int Settings::*key : {&Settings::midDeltaYRight1App1, &Settings::midDeltaYRight2App1}) {
        Settings s = edition(0);
        s.*key = 5;
        std::vector<std::string> moved = {"edQualify71", "edQualify72", "edQualify73",
                                          "edQualify74", "edQualify75", "edQualify76"};
        if (key == &Settings::midDeltaYRight1App1)
            moved.push_back("edPresentDate7");
        test::expectMovedDown(layout(Document(), s), withTable(kOlder), moved, 5);
    }
}

TEST(CertSupplementSettings, SeriesShiftMovesOnlyTheNumbersAfterPlacement) {
    Settings s = edition(2);
    s.DeltaX7 = 2;
    s.DeltaY7 = 3;
    s.DeltaXColumn72 = 6;
    const TReport r = layout(Document(), s);
    for (const ExpectedBox& e : kEdition2) {
        SCOPED_TRACE(e.role);
        const bool number = e.role == "edNumToDipl7" || e.role == "edRegNo7";
        EXPECT_EQ(box(r, e.role).left, e.left + 2);
        EXPECT_EQ(box(r, e.role).top, e.top + 3 + (number ? 6 : 0));
    }
}

TEST(CertSupplementSettings, StudentNotCentredIn2010StartsTheSurnameLowerAndNarrower) {
    Settings s = edition(2);
    s.AdjustStudent = kAlignLeft;
    const TReport r = layout(Document(), s);
    EXPECT_EQ(box(r, "edSurName7").left, 90);
    EXPECT_EQ(box(r, "edSurName7").width, 550);
    EXPECT_EQ(box(r, "edSurName7").top, 95 + 34 + 2 * 13);
    EXPECT_EQ(box(r, "edName7").top, 155 + 33);
    EXPECT_EQ(box(r, "edName7").width, 700);
}

TEST(CertSupplementSettings, RightPartOfTheOlderBlankTakesBothShifts) {
    Settings s = edition(0);
    s.DeltaX7 = -2;
    s.DeltaY7 = 5;
    s.DeltaXRightCertApp = 10;
    s.DeltaYRightCertApp = 20;
    const TReport r = layout(Document(), s);
    for (const ExpectedBox& e : withTable(kOlder)) {
        SCOPED_TRACE(e.role);
        const bool right = e.left >= 545;  // the right column of this blank
        EXPECT_EQ(box(r, e.role).left, e.left - 2 + (right ? 10 : 0));
        EXPECT_EQ(box(r, e.role).top, e.top + 5 + (right ? 20 : 0));
    }
}

// Each centring setting, turned off, leaves exactly its boxes left aligned; the settings
// of the other pages change nothing here.
TEST(CertSupplementCentring, EachSettingAlignsItsOwnBoxes) {
    const auto sheet = [](const Settings& s) { return layout(Document(), s); };
    test::expectCentringSettings(
        edition(2), kEdition2,
        {// The 2010 blank centres its town line with the lines under it.
         {&Settings::AdjustSchool, plus({"edTown7"}, test::numbered("edQualify7", 1, 6))},
         {&Settings::AdjustBirthDay, {"edBirthDay7"}},
         {&Settings::AdjustLinesApp7, {"edPrevDocum72", "edNameDoc1"}},
         {&Settings::AdjustLinesAppRight7,
          plus({"edNumToDipl7", "edRegNo7", "edDateOut7", "edQualify5", "edQualify6"},
               test::numbered("edSchool7", 1, 4))}},
        sheet);
    test::expectCentringSettings(
        edition(1), withTable(kOlder),
        {{&Settings::AdjustTown, {"edTown7"}},
         {&Settings::AdjustSchool, test::numbered("edSchool7", 1, 4)},
         {&Settings::AdjustBirthDay, {"edBirthDay7"}},
         {&Settings::AdjustAudTime, test::numbered("Disciplines7 row ", 1, 34, " AudTime")},
         {&Settings::AdjustLinesApp7, {"edPrevDocum72", "edPrevDocum73"}},
         {&Settings::AdjustLinesAppRight7,
          plus({"edNumToDipl7", "edRegNo7", "edDateOut7", "edPresentDate7"},
               test::numbered("edQualify7", 1, 6))}},
        sheet);
    Settings s = edition(0);
    s.AdjustStudent = kAlignLeft;
    test::expectBoxes(sheet(s), test::leftAligned(withTable(kOlder), {"edSurName7", "edName7"}));
}

// --- Font sizes and the table columns ---

TEST(CertSupplementFontSizes, DefaultNineCorrectsTownAndSchoolLinesWhenFontYcorrIsOn) {
    Settings s = edition(2);
    s.FontYcorr = true;
    const TReport r = layout(Document(), s);
    EXPECT_EQ(box(r, "edTown7").fontSize, 9);
    EXPECT_EQ(box(r, "edTown7").top, 244);
    EXPECT_EQ(box(r, "edTown7").height, 17);
    for (int i = 1; i <= 6; ++i) {
        const std::string role = "edQualify7" + std::to_string(i);
        EXPECT_EQ(box(r, role).fontSize, 9);
        EXPECT_EQ(box(r, role).top, kEdition2[indexOf(kEdition2, role)].top + 1);
    }
    // The lines below take their size without the correction.
    for (const char* role : {"edSchool71", "edSchool74", "edQualify5", "edQualify6"}) {
        EXPECT_EQ(box(r, role).fontSize, 9);
        EXPECT_EQ(box(r, role).top, kEdition2[indexOf(kEdition2, role)].top);
        EXPECT_EQ(box(r, role).height, 18);
    }
    EXPECT_EQ(box(r, "edNameDoc1").fontSize, 10);
}

TEST(CertSupplementFontSizes, OlderBlankCorrectsTownSchoolAndQualificationLines) {
    Settings s = edition(1);
    s.FontYcorr = true;
    s.FontSizeApp7Town = 8;
    s.FontSizeApp7School = 7;
    s.FontSizeApp7Qualify = 0;  // not applied: placement size, no correction
    const TReport r = layout(Document(), s);
    EXPECT_EQ(box(r, "edTown7").top, 136);
    EXPECT_EQ(box(r, "edTown7").fontSize, 8);
    EXPECT_EQ(box(r, "edSchool71").top, 157);
    EXPECT_EQ(box(r, "edSchool74").height, 15);
    EXPECT_EQ(box(r, "edSchool74").fontSize, 7);
    EXPECT_EQ(box(r, "edQualify71").top, 610);
    EXPECT_EQ(box(r, "edQualify71").fontSize, 10);
}

TEST(CertSupplementTable, ColumnShiftsAndGradeSize) {
    Settings s = edition(0);
    s.DeltaXColumn72 = -3;
    s.DeltaXColumn73 = 12;
    s.FontSizeColumn3Cert = 8;
    s.FontYcorr = true;
    const TReport r = layout(Document(), s);
    for (int row : {1, 34}) {
        const std::string p = "Disciplines7 row " + std::to_string(row) + " ";
        SCOPED_TRACE(p);
        EXPECT_EQ(box(r, p + "Discipline").left, 62);
        EXPECT_EQ(box(r, p + "AudTime").left, 342);
        EXPECT_EQ(box(r, p + "Value").left, 447);
        EXPECT_EQ(box(r, p + "Value").fontSize, 8);
        EXPECT_EQ(box(r, p + "Value").top, 378 + 18 * row);
        EXPECT_EQ(box(r, p + "Discipline").fontSize, 10);
    }
}

// --- Duplicate mark ---

TEST(CertSupplementDuplicate, MovesWithTheSheetShiftOnly) {
    for (int version : {0, 2}) {
        SCOPED_TRACE(version);
        Settings s = edition(version);
        s.DeltaX7 = 9;
        s.DeltaY7 = -6;
        s.DeltaXRightCertApp = 40;
        s.DeltaYRightCertApp = 40;
        Document doc;
        EXPECT_FALSE(test::hasBox(layout(doc, s), "duplicate"));
        doc.setFlag(Flag::cbCopySign, true);
        doc.setFlag(Flag::cbCopySignDbl, true);
        const TReport r = layout(doc, s);
        const TTextBox& mark = *test::onlyPage(r).objects.front();
        EXPECT_EQ(mark.role, "duplicate");
        EXPECT_EQ(mark.left, 509);
        EXPECT_EQ(mark.top, 4);
    }
}

// --- Texts ---

TEST(CertSupplementTexts, EveryBoxPrintsItsFieldAndTheTablePrintsItsRows) {
    for (int version : {0, 2}) {
        SCOPED_TRACE(version);
        Document doc;
        test::fillWithFieldNames(doc, Page::CertSupplement);
        doc.setCell(Table::Disciplines7, 1, Column::Discipline, test::cp("Физика"));
        doc.setCell(Table::Disciplines7, 34, Column::Value, test::cp("отлично"));
        const TReport r = layout(doc, edition(version));
        for (const auto& b : test::onlyPage(r).objects) {
            SCOPED_TRACE(b->role);
            if (b->role == "Disciplines7 row 1 Discipline")
                EXPECT_EQ(b->text, std::vector<std::string>{test::cp("Физика")});
            else if (b->role == "Disciplines7 row 34 Value")
                EXPECT_EQ(b->text, std::vector<std::string>{test::cp("отлично")});
            else if (b->role.starts_with("Disciplines7"))
                EXPECT_EQ(b->text, std::vector<std::string>{""});
            else
                EXPECT_EQ(b->text, std::vector<std::string>{b->role});
        }
    }
}

TEST(CertSupplementDispatch, TheSheetEntryPointLaysOutThisSheet) {
    TReport r;
    std::string error;
    ASSERT_TRUE(
        layoutSheet(SheetKind::CertificateSupplement, Document(), edition(2), {}, r, &error))
        << error;
    test::expectBoxes(r, kEdition2);
}

// --- Rendered ---

TEST(CertSupplementRender, WordsLandWhereThePageModelPutsThem) {
    const auto bin = test::printed::printBinary();
    if (!bin)
        GTEST_SKIP() << "vellex-print or pdftotext is missing";
    Document doc = test::printed::wordDocument(Page::CertSupplement);
    for (int row = 1; row <= 34; ++row)
        for (Column c : {Column::Discipline, Column::AudTime, Column::Value})
            doc.setCell(Table::Disciplines7, row, c,
                        "T" + std::to_string(row) + "c" + std::to_string(static_cast<int>(c)));
    for (const char* ini : {"VellexVersion=0\r\nFontSizeApp7Town=8\r\n",
                            "VellexVersion=2\r\nCopySign=1\r\nFontYcorr=1\r\n"}) {
        SCOPED_TRACE(ini);
        test::TempDir dir;
        const auto printout =
            test::printed::printSheet(*bin, dir, "certificate-supplement", doc, ini);
        ASSERT_TRUE(printout);
        EXPECT_GE(test::printed::expectWordsWhereThePageSays(*printout), 25);
    }
}

}  // namespace
}  // namespace vellex

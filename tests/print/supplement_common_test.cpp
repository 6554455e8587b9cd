#include "print/supplement_common.h"

#include <gtest/gtest.h>

#include "model/document.h"
#include "storage/settings.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::cp;

struct MarkCase {
    bool copySign;
    bool copySignDbl;
    int sheetCode;
    bool expectMark;
};

class DuplicateMark : public ::testing::TestWithParam<MarkCase> {};

TEST_P(DuplicateMark, IsTheFirstBoxOnlyWhenTickedAndNotOnPage2) {
    const MarkCase c = GetParam();
    Document doc;
    doc.setFlag(Flag::cbCopySign, c.copySign);
    doc.setFlag(Flag::cbCopySignDbl, c.copySignDbl);
    TReport report;
    addPage(report);  // left over from an earlier sheet: must go
    addPage(report);
    const SheetBoxes boxes = beginSupplementSheet(report, doc, c.sheetCode);
    ASSERT_EQ(report.pages.size(), 1u);
    const TReportPage& page = *report.pages[0];
    if (!c.expectMark) {
        EXPECT_TRUE(page.objects.empty());
        EXPECT_EQ(boxes.duplicateMark(), nullptr);
        return;
    }
    ASSERT_EQ(page.objects.size(), 1u);
    const TTextBox& mark = *page.objects[0];
    EXPECT_EQ(boxes.duplicateMark(), &mark);
    EXPECT_EQ(mark.role, "duplicate");
    EXPECT_EQ((std::array{mark.left, mark.top, mark.width, mark.height}),
              (std::array{500, 10, 220, 18}));
    EXPECT_EQ(mark.fontSize, 10);
    EXPECT_TRUE(mark.fontStyle.bold);
    EXPECT_TRUE(mark.fontStyle.italic);
    ASSERT_EQ(mark.text.size(), 1u);
    EXPECT_EQ(mark.text[0], cp("Дубликат"));
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, DuplicateMark,
    ::testing::Values(MarkCase{false, false, 1, false}, MarkCase{true, true, 1, true},
                      MarkCase{true, true, 2, false}, MarkCase{true, true, 4, true},
                      MarkCase{true, true, 5, true}, MarkCase{true, true, 7, true},
                      MarkCase{true, true, 8, true}, MarkCase{false, true, 8, true}));

TEST(LayoutRows, ChainedPositionsAreEvaluatedOnceWhenPlaced) {
    Settings s;
    s._deltaLine = 30;
    TReport report;
    SheetBoxes boxes = beginSupplementSheet(report, Document(), 1);
    const BoxRow rows[] = {
        {"a", fixed(100), fixed(200), fixed(50), 19, 12},
        {"b", afterPrev(20), prevTop(5, {&Settings::_deltaLine}), fixed(60)},
        {"line",
         fixed(20),
         [](const PlaceContext& c) { return c.boxes.at("a").top + c.line * 10; },
         fixed(700),
         18,
         11,
         {},
         ShiftGroup::Right,
         3},
        {"c", fixed(1), topOf("b", -1), fixed(2)},
    };
    placeRows(boxes, s, rows);
    // Moving "a" afterwards leaves everything chained on it where it was placed.
    setCoordinate(boxes.at("a"), Coordinate::Top, 999);

    struct Want {
        const char* role;
        int left, top, width, height, size;
    };
    const Want want[] = {{"a", 100, 999, 50, 19, 12},     {"b", 170, 235, 60, 18, 10},
                         {"line1", 20, 210, 700, 18, 11}, {"line2", 20, 220, 700, 18, 11},
                         {"line3", 20, 230, 700, 18, 11}, {"c", 1, 234, 2, 18, 10}};
    ASSERT_EQ(boxes.page().objects.size(), std::size(want));
    for (std::size_t i = 0; i < std::size(want); ++i) {
        const TTextBox& b = *boxes.page().objects[i];
        SCOPED_TRACE(want[i].role);
        EXPECT_EQ(b.role, want[i].role);
        EXPECT_EQ(
            (std::array{b.left, b.top, b.width, b.height, b.fontSize}),
            (std::array{want[i].left, want[i].top, want[i].width, want[i].height, want[i].size}));
    }
    EXPECT_EQ(boxes.entries()[2].group, ShiftGroup::Right);
    EXPECT_THROW(boxes.at("nothing"), std::logic_error);
    EXPECT_THROW(boxes.place("a", 0, 0, 0, 0), std::logic_error);
}

TEST(LayoutRows, AdjustComesFromTheRowOrIsLeft) {
    Settings s;
    s.AdjustStudent = kAlignLeft;
    TReport report;
    SheetBoxes boxes = beginSupplementSheet(report, Document(), 1);
    const BoxRow rows[] = {
        {"a", fixed(0), fixed(0), fixed(10), 18, 10, setting(&Settings::AdjustStudent)},
        {"b", fixed(0), fixed(0), fixed(10), 18, 10, fixed(2)},
        {"c", fixed(0), fixed(0), fixed(10)},
    };
    placeRows(boxes, s, rows);
    setAdjust(boxes.at("c"), 6);
    applyRowAdjust(boxes, s, rows);
    EXPECT_EQ(boxes.at("a").adjust, 0);
    EXPECT_EQ(boxes.at("b").adjust, 2);
    EXPECT_EQ(boxes.at("c").adjust, 0);
}

struct SizeCase {
    int size;
    bool ycorr;
    Correction correction;
    int wantSize, wantTop, wantHeight;
};

class FontSizeFromSetting : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FontSizeFromSetting, ReplacesSizeAndCorrectsSmallFonts) {
    const SizeCase c = GetParam();
    Settings s;
    s.FontYcorr = c.ycorr;
    TTextBox box;
    box.fontSize = 11;
    setBounds(box, 5, 100, 200, 18);
    applyFontSize(box, c.size, s, c.correction);
    EXPECT_EQ(box.fontSize, c.wantSize);
    EXPECT_EQ(box.top, c.wantTop);
    EXPECT_EQ(box.height, c.wantHeight);
    EXPECT_EQ(box.left, 5);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FontSizeFromSetting,
                         ::testing::Values(SizeCase{0, true, Correction::SmallFont, 11, 100,
                                                    18},  // 0 keeps
                                           SizeCase{8, false, Correction::SmallFont, 8, 100, 18},
                                           SizeCase{8, true, Correction::SmallFont, 8, 102, 16},
                                           SizeCase{8, true, Correction::None, 8, 100, 18},
                                           SizeCase{10, true, Correction::SmallFont, 10, 100, 18},
                                           SizeCase{12, true, Correction::SmallFont, 12, 100, 18},
                                           SizeCase{6, true, Correction::SmallFont, 6, 104, 14}));

TEST(SheetShift, RightGroupTakesBothShiftsAndTheMarkFollowsOnlyFirstPages) {
    Document doc;
    doc.setFlag(Flag::cbCopySign, true);
    for (MarkShift mode : {MarkShift::WithSheet, MarkShift::Fixed}) {
        TReport report;
        SheetBoxes boxes = beginSupplementSheet(report, doc, 1);
        boxes.place("left", 10, 20, 30, 18);
        boxes.place("right", 500, 20, 30, 18, ShiftGroup::Right);
        shiftSheet(boxes, 3, 4, 100, 200, mode);
        EXPECT_EQ(boxes.at("left").left, 13);
        EXPECT_EQ(boxes.at("left").top, 24);
        EXPECT_EQ(boxes.at("right").left, 603);
        EXPECT_EQ(boxes.at("right").top, 224);
        const bool moves = mode == MarkShift::WithSheet;
        EXPECT_EQ(boxes.duplicateMark()->left, moves ? 503 : 500);
        EXPECT_EQ(boxes.duplicateMark()->top, moves ? 14 : 10);
    }
}

TEST(SheetTexts, FieldTextIsTakenUnchangedAndEmptyGivesOneEmptyLine) {
    TTextBox box;
    putText(box, "  a b  ");
    EXPECT_EQ(box.text, std::vector<std::string>{"  a b  "});
    putText(box, "");
    EXPECT_EQ(box.text, std::vector<std::string>{""});
}

TEST(SheetEdition, VersionsOutsideTheKnownThreePrintAsTheOldest) {
    Settings s;
    for (auto [version, want] : {std::pair{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}, {99, 0}}) {
        s.VellexVersion = version;
        EXPECT_EQ(supplementEdition(s), want) << version;
    }
}

}  // namespace
}  // namespace vellex

#include "print/supplement_npo_sheet.h"

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

const std::vector<ExpectedBox> kEdition2 = {
    {"edNumToDiplNPO", 110, 185, 200, 19, 2},   {"edRegNoNPO", 530, 185, 200, 19, 2},
    {"edSurNameNPO", 20, 231, 700, 18, 2},      {"edNameNPO", 20, 264, 700, 18, 2},
    {"edNameDiplPrjNPO0", 20, 297, 700, 18, 2}, {"edEntryNPO2", 60, 330, 40, 18, 0},
    {"edDateOutNPO", 120, 330, 70, 18, 2},      {"edBirthDayNPO", 210, 330, 70, 18, 2},
    {"edTownNPO", 300, 330, 400, 18, 2},        {"edSchoolNPO1", 20, 372, 700, 18, 2},
    {"edSchoolNPO2", 20, 404, 700, 18, 2},      {"edSchoolNPO3", 20, 436, 700, 18, 2},
    {"edSchoolNPO4", 20, 468, 700, 18, 2},      {"edSchoolNPO5", 20, 500, 700, 18, 2},
    {"edSchoolNPO6", 20, 532, 700, 18, 2},      {"edEducationNPO1", 475, 581, 50, 18, 0},
    {"edEducationNPO2", 545, 581, 75, 18, 0},   {"edEntryNPO3", 640, 581, 70, 18, 0},
    {"edPrakticNPO1", 240, 626, 450, 18, 2},    {"edQualifyNPO1", 20, 658, 700, 18, 2},
    {"edQualifyNPO2", 20, 690, 700, 18, 2},     {"edQualifyNPO3", 20, 722, 700, 18, 2},
    {"edSpecialNPO1", 145, 754, 610, 18, 2},    {"edSpecialNPO2", 20, 786, 700, 18, 2},
    {"edNameDiplPrjNPO1", 20, 818, 700, 18, 2}, {"edNameDiplPrjNPO2", 20, 850, 700, 18, 2},
    {"edTimeLernNPO", 380, 884, 380, 18, 0},    {"edPrevDocumNPO1", 420, 931, 60, 18, 0},
    {"edPrevDocumNPO2", 500, 931, 80, 18, 2},   {"edPrevDocumNPO3", 610, 931, 100, 18, 0},
    {"edEntryNPO1", 20, 963, 700, 18, 2},       {"edPrakticNPO2", 20, 995, 700, 18, 2},
    {"edExamenNPO1", 190, 1023, 70, 18, 2},     {"edExamenNPO2", 270, 1023, 80, 18, 2},
};

// Editions 0 and 1, four school lines, three qualification lines.
const std::vector<ExpectedBox> kOlder = {
    {"edTownNPO", 530, 120, 220, 18, 2},        {"edSchoolNPO1", 530, 140, 220, 18, 2},
    {"edSchoolNPO2", 530, 160, 220, 18, 2},     {"edSchoolNPO3", 530, 180, 220, 18, 2},
    {"edSchoolNPO4", 530, 200, 220, 18, 2},     {"edSchoolNPO5", 530, 220, 220, 18, 2},
    {"edSchoolNPO6", 530, 240, 220, 18, 2},     {"edSurNameNPO", 172, 124, 350, 18, 2},
    {"edNameNPO", 50, 154, 550, 18, 2},         {"edBirthDayNPO", 155, 178, 370, 18, 2},
    {"edPrevDocumNPO1", 360, 213, 200, 18, 0},  {"edPrevDocumNPO2", 50, 234, 550, 18, 2},
    {"edPrevDocumNPO3", 50, 255, 550, 18, 2},   {"edEntryNPO1", 70, 314, 680, 18, 0},
    {"edEntryNPO2", 50, 341, 600, 18, 0},       {"edEntryNPO3", 50, 368, 600, 18, 0},
    {"edEndLernNPO1", 70, 401, 460, 18, 0},     {"edEndLernNPO2", 50, 428, 550, 18, 2},
    {"edEndLernNPO3", 50, 455, 550, 18, 2},     {"edTimeLernNPO", 50, 499, 600, 18, 0},
    {"edSpecialNPO1", 152, 525, 400, 18, 0},    {"edSpecialNPO2", 50, 551, 550, 18, 0},
    {"edNumToDiplNPO", 578, 281, 140, 19, 2},   {"edRegNoNPO", 544, 312, 190, 19, 2},
    {"edDateOutNPO", 536, 366, 180, 19, 2},     {"edPresentDateNPO", 573, 499, 140, 19, 2},
    {"edQualifyNPO1", 532, 570, 220, 18, 2},    {"edQualifyNPO2", 532, 584, 220, 18, 2},
    {"edQualifyNPO3", 532, 600, 220, 18, 2},    {"edEducationNPO1", 230, 584, 370, 18, 0},
    {"edEducationNPO2", 50, 610, 600, 18, 0},   {"edPrakticNPO1", 230, 648, 370, 18, 0},
    {"edPrakticNPO2", 50, 674, 600, 18, 0},     {"edNameDiplPrjNPO0", 300, 706, 250, 18, 2},
    {"edNameDiplPrjNPO1", 50, 732, 550, 18, 2}, {"edNameDiplPrjNPO2", 50, 758, 550, 18, 2},
    {"edExamenNPO1", 320, 796, 220, 18, 2},     {"edExamenNPO2", 50, 822, 550, 18, 2},
    {"edExamenNPO3", 50, 848, 550, 18, 2},      {"edExamMoreNPO1", 360, 878, 200, 18, 2},
    {"edExamMoreNPO2", 50, 902, 550, 18, 0},    {"edExamMoreNPO3", 50, 926, 550, 18, 0},
    {"edExamMoreNPO4", 50, 950, 550, 18, 0},    {"edExamMoreNPO5", 50, 974, 550, 18, 0},
    {"edExamMoreNPO6", 50, 998, 550, 18, 0},    {"edExamMoreNPO7", 50, 1022, 550, 18, 0},
    {"edSpecRightNPO1", 530, 647, 220, 18, 2},  {"edSpecRightNPO2", 530, 669, 220, 18, 2},
    {"edSpecRightNPO3", 530, 691, 220, 18, 2},  {"edSpecRightNPO4", 530, 713, 220, 18, 2},
    {"edSpecRightNPO5", 530, 735, 220, 18, 2},
};

// Two qualification lines: the third line's box is not made at all.
std::vector<ExpectedBox> olderWithTwoQualifyLines() {
    std::vector<ExpectedBox> rows;
    for (const ExpectedBox& b : kOlder)
        if (b.role != "edQualifyNPO3")
            rows.push_back(b);
    return rows;
}

// Six school lines: lines 1..5 from the town's place down, the town 16 above them, the
// sixth line 16 below the fifth.
std::vector<ExpectedBox> olderWithSixSchoolLines() {
    std::vector<ExpectedBox> rows = kOlder;
    const int tops[] = {104, 120, 140, 160, 180, 200, 216};
    for (int i = 0; i < 7; ++i)
        rows[static_cast<std::size_t>(i)].top = tops[i];
    return rows;
}

Document npoDocument(int schoolChoice, int qualifyChoice) {
    Document doc;
    doc.setChoice(Choice::rgSchoolNPO, schoolChoice);
    doc.setChoice(Choice::rgQualifyNPO, qualifyChoice);
    return doc;
}

TReport layout(const Document& doc, const Settings& s) {
    TReport report;
    layoutSupplementNpo(doc, s, report);
    return report;
}

// --- Every box of every layout ---

struct LayoutCase {
    int version;
    int school;   // rgSchoolNPO: 0 four lines, 1 six lines
    int qualify;  // rgQualifyNPO: 0 two lines, 1 three lines
    std::vector<ExpectedBox> (*expected)();
};

class NpoLayouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(NpoLayouts, PlaceEveryBoxOfTheBlank) {
    const LayoutCase& c = GetParam();
    test::expectBoxes(layout(npoDocument(c.school, c.qualify), edition(c.version)), c.expected());
}

std::vector<ExpectedBox> edition2() {
    return kEdition2;
}
std::vector<ExpectedBox> older() {
    return kOlder;
}
std::vector<ExpectedBox> olderSixAndTwo() {
    std::vector<ExpectedBox> rows;
    for (const ExpectedBox& b : olderWithSixSchoolLines())
        if (b.role != "edQualifyNPO3")
            rows.push_back(b);
    return rows;
}

INSTANTIATE_TEST_SUITE_P(
    Editions, NpoLayouts,
    ::testing::Values(
        // The 2010 blank ignores both line counts: all three qualification lines print.
        LayoutCase{2, 0, 0, edition2}, LayoutCase{2, 1, 1, edition2}, LayoutCase{2, 0, 1, edition2},
        // Editions 0 and 1 print alike.
        LayoutCase{0, 0, 1, older}, LayoutCase{1, 0, 1, older},
        LayoutCase{0, 0, 0, olderWithTwoQualifyLines}, LayoutCase{1, 1, 1, olderWithSixSchoolLines},
        LayoutCase{0, 1, 0, olderSixAndTwo},
        // A version outside 0..2 prints as edition 0.
        LayoutCase{7, 0, 1, older}, LayoutCase{-1, 0, 1, older}));

// --- Settings that move boxes ---

TEST(NpoSettings, StudentNotCentredNarrowsOnlyTheSurnameIn2010) {
    Settings s = edition(2);
    s.AdjustStudent = kAlignLeft;
    const TReport r = layout(npoDocument(0, 1), s);
    EXPECT_EQ(box(r, "edSurNameNPO").left, 90);
    EXPECT_EQ(box(r, "edSurNameNPO").width, 550);
    EXPECT_EQ(box(r, "edSurNameNPO").adjust, 0);
    EXPECT_EQ(box(r, "edNameNPO").left, 20);
    EXPECT_EQ(box(r, "edNameNPO").width, 700);
}

TEST(NpoSettings, LineDistancesAndBlockShiftsCarryDownTheChainIn2010) {
    Settings s = edition(2);
    s.midDeltaYLeft1App1 = 5;   // from the surname down
    s.midDeltaYRight1App1 = 3;  // from edEducationNPO1 down
    s._deltaLine = 30;          // school lines and the block under them
    const TReport r = layout(npoDocument(0, 1), s);
    EXPECT_EQ(box(r, "edNumToDiplNPO").top, 185);
    EXPECT_EQ(box(r, "edSurNameNPO").top, 236);
    EXPECT_EQ(box(r, "edTownNPO").top, 335);
    EXPECT_EQ(box(r, "edSchoolNPO1").top, 335 + 30 + 10);
    EXPECT_EQ(box(r, "edSchoolNPO6").top, 335 + 180 + 10);
    EXPECT_EQ(box(r, "edEducationNPO1").top, 525 + 33 + 13 + 3 + 3);
    EXPECT_EQ(box(r, "edEntryNPO3").top, 577);
    EXPECT_EQ(box(r, "edExamenNPO2").top,
              577 + 30 + 13 + 7 * 30 + 33 + 1 + 33 + 13 + 1 + 60 + 13 + 15);
}

TEST(NpoSettings, RightGroupShiftMovesOnlyTheRightColumnOfOlderBlanks) {
    Settings s = edition(0);
    s.DeltaX1 = 4;
    s.DeltaY1 = -3;
    s.DeltaXRightApp = 7;
    s.DeltaYRightApp = 10;
    const TReport r = layout(npoDocument(0, 1), s);
    // Right column, including the numbers and dates that follow the left column's height.
    for (const char* role :
         {"edTownNPO", "edSchoolNPO6", "edNumToDiplNPO", "edRegNoNPO", "edDateOutNPO",
          "edPresentDateNPO", "edQualifyNPO3", "edSpecRightNPO5"}) {
        SCOPED_TRACE(role);
        const auto it = std::find_if(kOlder.begin(), kOlder.end(),
                                     [&](const ExpectedBox& b) { return b.role == role; });
        EXPECT_EQ(box(r, role).left, it->left + 11);
        EXPECT_EQ(box(r, role).top, it->top + 7);
    }
    EXPECT_EQ(box(r, "edEntryNPO1").left, 74);
    EXPECT_EQ(box(r, "edEntryNPO1").top, 311);
    EXPECT_EQ(box(r, "edExamMoreNPO7").top, 1019);
}

TEST(NpoSettings, RightGroupShiftIsNotUsedIn2010) {
    Settings s = edition(2);
    s.DeltaX1 = 2;
    s.DeltaY1 = 5;
    s.DeltaXRightApp = 40;
    s.DeltaYRightApp = 40;
    const TReport r = layout(npoDocument(0, 1), s);
    for (const ExpectedBox& e : kEdition2) {
        SCOPED_TRACE(e.role);
        EXPECT_EQ(box(r, e.role).left, e.left + 2);
        EXPECT_EQ(box(r, e.role).top, e.top + 5);
    }
}

// Each vertical shift of the older blank lowers its block and every box placed from it,
// on either side; the other boxes stay.
struct OlderShiftCase {
    int Settings::*key;
    std::vector<std::string> moved;
};

class NpoOlderBlockShift : public ::testing::TestWithParam<OlderShiftCase> {};

TEST_P(NpoOlderBlockShift, LowersTheBlockAndWhatIsPlacedFromIt) {
    Settings s = edition(0);
    s.*GetParam().key = 9;
    test::expectMovedDown(layout(npoDocument(0, 1), s), kOlder, GetParam().moved, 9);
}

const std::vector<std::string> kFromExamMore = {
    "edExamMoreNPO1", "edExamMoreNPO2", "edExamMoreNPO3", "edExamMoreNPO4",
    "edExamMoreNPO5", "edExamMoreNPO6", "edExamMoreNPO7"};

std::vector<std::string> plus(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const std::vector<std::string> kFromProject =
    plus({"edNameDiplPrjNPO0", "edNameDiplPrjNPO1", "edNameDiplPrjNPO2", "edExamenNPO1",
          "edExamenNPO2", "edExamenNPO3"},
         kFromExamMore);

const std::vector<std::string> kFromQualify = {"edQualifyNPO1", "edQualifyNPO2", "edQualifyNPO3",
                                               "edEducationNPO1", "edEducationNPO2"};

INSTANTIATE_TEST_SUITE_P(
    Shifts, NpoOlderBlockShift,
    ::testing::Values(
        // The numbers and dates on the right follow the left column's entry lines.
        OlderShiftCase{&Settings::midDeltaYLeft1App1,
                       plus({"edEntryNPO1", "edEntryNPO2", "edEntryNPO3", "edEndLernNPO1",
                             "edEndLernNPO2", "edEndLernNPO3", "edTimeLernNPO", "edSpecialNPO1",
                             "edSpecialNPO2", "edRegNoNPO", "edDateOutNPO", "edPresentDateNPO"},
                            kFromQualify)},
        OlderShiftCase{&Settings::midDeltaYLeft2App1, {"edSpecialNPO1", "edSpecialNPO2"}},
        OlderShiftCase{&Settings::midDeltaYLeft3App1,
                       plus({"edPrakticNPO1", "edPrakticNPO2", "edSpecRightNPO1", "edSpecRightNPO2",
                             "edSpecRightNPO3", "edSpecRightNPO4", "edSpecRightNPO5"},
                            kFromProject)},
        OlderShiftCase{&Settings::midDeltaYLeft4App1, kFromProject},
        OlderShiftCase{&Settings::midDeltaYLeft5App1, kFromExamMore},
        OlderShiftCase{&Settings::midDeltaYRight1App1, plus({"edPresentDateNPO"}, kFromQualify)},
        OlderShiftCase{&Settings::midDeltaYRight2App1, kFromQualify}));

// Each centring setting, turned off, leaves exactly its boxes left aligned; the settings
// of the other pages change nothing here.

TEST(NpoCentring, EachSettingAlignsItsOwnBoxes) {
    const auto npo = [](const Settings& s) { return layout(npoDocument(0, 1), s); };
    test::expectCentringSettings(
        edition(2), kEdition2,
        {// The 2010 blank centres its town line with the school lines.
         {&Settings::AdjustSchool, plus({"edTownNPO"}, test::numbered("edSchoolNPO", 1, 6))},
         {&Settings::AdjustBirthDay, {"edBirthDayNPO"}},
         {&Settings::AdjustLinesAppRight5,
          plus({"edNumToDiplNPO", "edRegNoNPO", "edDateOutNPO", "edPrakticNPO1", "edSpecialNPO1",
                "edSpecialNPO2", "edNameDiplPrjNPO1", "edNameDiplPrjNPO2"},
               test::numbered("edQualifyNPO", 1, 3))},
         {&Settings::AdjustLinesApp5,
          {"edPrevDocumNPO2", "edEntryNPO1", "edPrakticNPO2", "edExamenNPO1", "edExamenNPO2"}}},
        npo);
    test::expectCentringSettings(
        edition(0), kOlder,
        {{&Settings::AdjustTown, {"edTownNPO"}},
         {&Settings::AdjustSchool, test::numbered("edSchoolNPO", 1, 6)},
         {&Settings::AdjustBirthDay, {"edBirthDayNPO"}},
         {&Settings::AdjustLinesAppRight5,
          plus(plus({"edNumToDiplNPO", "edRegNoNPO", "edDateOutNPO", "edPresentDateNPO"},
                    test::numbered("edQualifyNPO", 1, 3)),
               test::numbered("edSpecRightNPO", 1, 5))},
         {&Settings::AdjustLinesApp5,
          {"edPrevDocumNPO2", "edPrevDocumNPO3", "edEndLernNPO2", "edEndLernNPO3",
           "edNameDiplPrjNPO0", "edNameDiplPrjNPO1", "edNameDiplPrjNPO2", "edExamenNPO1",
           "edExamenNPO2", "edExamenNPO3", "edExamMoreNPO1"}}},
        npo);
    Settings s = edition(0);
    s.AdjustStudent = kAlignLeft;
    test::expectBoxes(npo(s), test::leftAligned(kOlder, {"edSurNameNPO", "edNameNPO"}));
}

// --- Font sizes ---

TEST(NpoFontSizes, PlacementSizesStandWhenSettingsAreZero) {
    for (int version : {0, 2}) {
        Settings s = edition(version);
        s.FontSizeAppTown = s.FontSizeAppSchool = s.FontSizeApp5Qualify = 0;
        s.FontSizeApp5SpecRight = s.FontSizeApp5ExamMore = 0;
        const TReport r = layout(npoDocument(0, 1), s);
        EXPECT_EQ(box(r, "edNumToDiplNPO").fontSize, 12);
        EXPECT_EQ(box(r, "edTownNPO").fontSize, 11);
        EXPECT_EQ(box(r, "edSchoolNPO3").fontSize, 11);
        EXPECT_EQ(box(r, "edQualifyNPO1").fontSize, 10);
    }
}

TEST(NpoFontSizes, SmallFontCorrectionIn2010OnlyOnTownAndSchool) {
    Settings s = edition(2);
    s.FontYcorr = true;
    s.FontSizeAppTown = 8;
    s.FontSizeAppSchool = 9;
    s.FontSizeApp5Qualify = 7;
    s.FontSizeApp5SpecRight = 6;
    const TReport r = layout(npoDocument(0, 1), s);
    EXPECT_EQ(box(r, "edTownNPO").top, 332);
    EXPECT_EQ(box(r, "edTownNPO").height, 16);
    EXPECT_EQ(box(r, "edSchoolNPO4").top, 469);
    EXPECT_EQ(box(r, "edSchoolNPO4").height, 17);
    for (const char* role : {"edPrakticNPO1", "edQualifyNPO1", "edQualifyNPO3"}) {
        EXPECT_EQ(box(r, role).fontSize, 7);
        EXPECT_EQ(box(r, role).height, 18);
    }
    for (const char* role : {"edSpecialNPO1", "edNameDiplPrjNPO2"}) {
        EXPECT_EQ(box(r, role).fontSize, 6);
        EXPECT_EQ(box(r, role).height, 18);
    }
    // The school lines were placed from the town before its correction: 372 as placed,
    // plus their own correction.
    EXPECT_EQ(box(r, "edSchoolNPO1").top, 373);
}

TEST(NpoFontSizes, OlderBlankCorrectsSpecialtyLinesAfterTheFirstAndAllExaminationLines) {
    Settings s = edition(1);
    s.FontYcorr = true;
    s.FontSizeApp5SpecRight = 8;
    s.FontSizeApp5ExamMore = 7;
    const TReport r = layout(npoDocument(0, 1), s);
    EXPECT_EQ(box(r, "edSpecRightNPO1").top, 647);
    EXPECT_EQ(box(r, "edSpecRightNPO1").height, 18);
    EXPECT_EQ(box(r, "edSpecRightNPO1").fontSize, 8);
    EXPECT_EQ(box(r, "edSpecRightNPO2").top, 671);
    EXPECT_EQ(box(r, "edSpecRightNPO5").height, 16);
    EXPECT_EQ(box(r, "edExamMoreNPO1").top, 881);
    EXPECT_EQ(box(r, "edExamMoreNPO7").top, 1025);
    EXPECT_EQ(box(r, "edExamMoreNPO7").height, 15);
}

TEST(NpoFontSizes, WithoutFontYcorrSmallSizesMoveNothing) {
    Settings s = edition(0);
    s.FontSizeAppTown = s.FontSizeAppSchool = s.FontSizeApp5Qualify = 7;
    s.FontSizeApp5SpecRight = s.FontSizeApp5ExamMore = 7;
    test::expectBoxes(layout(npoDocument(0, 1), s), kOlder);
}

struct QualifyCase {
    int qualifyChoice;
    int size;
    int first, middle, third, height;
};

class NpoQualifyCorrection : public ::testing::TestWithParam<QualifyCase> {};

TEST_P(NpoQualifyCorrection, KeepsTheLinesAroundTheMiddleOne) {
    const QualifyCase& c = GetParam();
    Settings s = edition(0);
    s.FontYcorr = true;
    s.FontSizeApp5Qualify = c.size;
    const TReport r = layout(npoDocument(0, c.qualifyChoice), s);
    EXPECT_EQ(box(r, "edQualifyNPO1").top, c.first);
    EXPECT_EQ(box(r, "edQualifyNPO2").top, c.middle);
    EXPECT_EQ(box(r, "edQualifyNPO1").height, c.height);
    EXPECT_EQ(box(r, "edQualifyNPO2").height, c.height);
    if (c.qualifyChoice == 1) {
        EXPECT_EQ(box(r, "edQualifyNPO3").top, c.third);
        EXPECT_EQ(box(r, "edQualifyNPO3").height, c.height);
    } else {
        EXPECT_FALSE(test::hasBox(r, "edQualifyNPO3"));
    }
    // Placed from the middle line before it moved: stays.
    EXPECT_EQ(box(r, "edEducationNPO1").top, 584);
}

INSTANTIATE_TEST_SUITE_P(Sizes, NpoQualifyCorrection,
                         ::testing::Values(QualifyCase{1, 8, 576, 586, 600, 16},
                                           QualifyCase{0, 8, 576, 586, 0, 16},
                                           QualifyCase{1, 6, 580, 588, 600, 14},
                                           // 10 and above, or 0 (not applied): as placed.
                                           QualifyCase{1, 10, 570, 584, 600, 18},
                                           QualifyCase{1, 12, 570, 584, 600, 18},
                                           QualifyCase{1, 0, 570, 584, 600, 18}));

// --- Duplicate mark ---

TEST(NpoDuplicate, FirstBoxOnlyWhenTickedAndShiftedWithTheLeftColumn) {
    for (int version : {0, 2}) {
        SCOPED_TRACE(version);
        Settings s = edition(version);
        s.DeltaX1 = 6;
        s.DeltaY1 = 4;
        s.DeltaXRightApp = 30;
        s.DeltaYRightApp = 30;
        Document doc = npoDocument(0, 1);
        EXPECT_FALSE(test::hasBox(layout(doc, s), "duplicate"));
        doc.setFlag(Flag::cbCopySign, true);
        doc.setFlag(Flag::cbCopySignDbl, true);
        const TReport r = layout(doc, s);
        const TTextBox& mark = *test::onlyPage(r).objects.front();
        EXPECT_EQ(mark.role, "duplicate");
        EXPECT_EQ(mark.left, 506);
        EXPECT_EQ(mark.top, 14);
        EXPECT_TRUE(mark.fontStyle.bold);
        EXPECT_TRUE(mark.fontStyle.italic);
        EXPECT_EQ(mark.text, std::vector<std::string>{test::cp("Дубликат")});
    }
}

// --- Texts ---

// Every box prints its field, the second practice line of the older blank included (it
// continues the practice entry there as on the 2010 blank).
TEST(NpoTexts, EveryBoxPrintsItsFieldAndUnusedSchoolLinesPrintEmpty) {
    for (int version : {0, 2}) {
        for (int school : {0, 1}) {
            SCOPED_TRACE(std::to_string(version) + " school " + std::to_string(school));
            Document doc = npoDocument(school, 1);
            test::fillWithFieldNames(doc, Page::SupplementNpo);
            const TReport r = layout(doc, edition(version));
            for (const auto& b : test::onlyPage(r).objects) {
                SCOPED_TRACE(b->role);
                const bool emptied =
                    school == 0 && (b->role == "edSchoolNPO5" || b->role == "edSchoolNPO6");
                if (emptied)
                    EXPECT_EQ(b->text, std::vector<std::string>{""});
                else
                    EXPECT_EQ(b->text, std::vector<std::string>{b->role});
            }
        }
    }
}

TEST(NpoTexts, TextIsTakenUnchangedAndEmptyFieldsGiveEmptyBoxes) {
    Document doc = npoDocument(1, 1);
    doc.setText(Field::edSurNameNPO, test::cp("  Иванов  "));
    const TReport r = layout(doc, edition(2));
    EXPECT_EQ(box(r, "edSurNameNPO").text, std::vector<std::string>{test::cp("  Иванов  ")});
    EXPECT_EQ(box(r, "edNameNPO").text, std::vector<std::string>{""});
}

TEST(NpoDispatch, TheSheetEntryPointLaysOutThisSheet) {
    TReport r;
    std::string error;
    ASSERT_TRUE(layoutSheet(SheetKind::SupplementNpo, npoDocument(0, 1), edition(0), {}, r, &error))
        << error;
    test::expectBoxes(r, kOlder);
}

// --- Rendered ---

TEST(NpoRender, WordsLandWhereThePageModelPutsThem) {
    const auto bin = test::printed::printBinary();
    if (!bin)
        GTEST_SKIP() << "vellex-print or pdftotext is missing";
    for (const char* ini : {"VellexVersion=2\r\nCopySign=1\r\nSchoolMode=0\r\n",
                            "VellexVersion=1\r\nSchoolMode=1\r\nQualifyMode=1\r\n",
                            "VellexVersion=0\r\nCopySign=1\r\nQualifyMode=0\r\n"}) {
        SCOPED_TRACE(ini);
        test::TempDir dir;
        const auto printout = test::printed::printSheet(
            *bin, dir, "supplement-npo", test::printed::wordDocument(Page::SupplementNpo), ini);
        ASSERT_TRUE(printout);
        EXPECT_GE(test::printed::expectWordsWhereThePageSays(*printout), 30);
    }
}

}  // namespace
}  // namespace vellex

#include "print/academic_sheet.h"

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

// The 2010 blank, "СПО": the three blocks after the previous document sit 6 units higher
// than on the "НПО" blank, and edSpecial42 prints under the school lines. The default
// FontSizeColumn3Academ (10) lowers edEducated41 and what follows it by 10.
const std::vector<ExpectedBox> kEdition2Spo = {
    {"edRegNo4", 530, 215, 200, 19, 2},       {"edSurName4", 30, 261, 700, 18, 2},
    {"edName4", 30, 294, 700, 18, 2},         {"edOrder", 30, 327, 700, 18, 2},
    {"edNumToDipl4", 70, 364, 40, 18, 0},     {"edDateOut4", 130, 364, 70, 18, 2},
    {"edBirthDay4", 220, 364, 70, 18, 2},     {"edTown4", 310, 364, 390, 18, 2},
    {"edPrevDocum41", 340, 404, 60, 18, 0},   {"edPrevDocum42", 420, 404, 80, 18, 0},
    {"edPrevDocum43", 530, 404, 100, 18, 0},  {"edEduDateFrom41", 30, 436, 700, 18, 0},
    {"edEduDateFrom42", 30, 460, 700, 18, 0}, {"edEntry41", 170, 476, 60, 18, 0},
    {"edEntry42", 250, 476, 460, 18, 0},      {"edEntry43", 30, 508, 700, 18, 0},
    {"edEntry44", 30, 540, 700, 18, 0},       {"edEducated41", 240, 591, 60, 18, 0},
    {"edEducated42", 320, 591, 390, 18, 0},   {"edEducated43", 30, 623, 700, 18, 0},
    {"edEducated44", 30, 655, 700, 18, 0},    {"edEduDateTo41", 270, 711, 440, 18, 0},
    {"edSpecial41", 150, 743, 550, 18, 0},    {"edSchool41", 30, 775, 700, 18, 2},
    {"edSchool42", 30, 807, 700, 18, 2},      {"edSchool43", 30, 839, 700, 18, 2},
    {"edSchool44", 30, 871, 700, 18, 2},      {"edSchool45", 30, 903, 700, 18, 2},
    {"edSchool46", 30, 935, 700, 18, 2},      {"edSpecial42", 100, 967, 520, 18, 0},
};

const std::vector<ExpectedBox> kEdition2Npo = {
    {"edRegNo4", 530, 215, 200, 19, 2},       {"edSurName4", 30, 261, 700, 18, 2},
    {"edName4", 30, 294, 700, 18, 2},         {"edOrder", 30, 327, 700, 18, 2},
    {"edNumToDipl4", 70, 364, 40, 18, 0},     {"edDateOut4", 130, 364, 70, 18, 2},
    {"edBirthDay4", 220, 364, 70, 18, 2},     {"edTown4", 310, 364, 390, 18, 2},
    {"edPrevDocum41", 340, 410, 60, 18, 0},   {"edPrevDocum42", 420, 410, 80, 18, 0},
    {"edPrevDocum43", 530, 410, 100, 18, 0},  {"edEduDateFrom41", 30, 442, 700, 18, 0},
    {"edEduDateFrom42", 30, 466, 700, 18, 0}, {"edEntry41", 170, 488, 60, 18, 0},
    {"edEntry42", 250, 488, 460, 18, 0},      {"edEntry43", 30, 520, 700, 18, 0},
    {"edEntry44", 30, 552, 700, 18, 0},       {"edEducated41", 240, 609, 60, 18, 0},
    {"edEducated42", 320, 609, 390, 18, 0},   {"edEducated43", 30, 641, 700, 18, 0},
    {"edEducated44", 30, 673, 700, 18, 0},    {"edEduDateTo41", 270, 729, 440, 18, 0},
    {"edSpecial41", 150, 761, 550, 18, 0},    {"edSchool41", 30, 793, 700, 18, 2},
    {"edSchool42", 30, 825, 700, 18, 2},      {"edSchool43", 30, 857, 700, 18, 2},
    {"edSchool44", 30, 889, 700, 18, 2},      {"edSchool45", 30, 921, 700, 18, 2},
    {"edSchool46", 30, 953, 700, 18, 2},
};

// Version 0 without its table of disciplines (placed last, see withTable).
const std::vector<ExpectedBox> kVersion0 = {
    {"edTown4", 550, 134, 220, 18, 2},         {"edSurName4", 180, 49, 350, 18, 2},
    {"edName4", 37, 68, 550, 18, 2},           {"edBirthDay4", 165, 90, 370, 18, 2},
    {"edPrevDocum41", 345, 133, 190, 18, 0},   {"edPrevDocum42", 38, 156, 550, 18, 2},
    {"edPrevDocum43", 38, 176, 550, 18, 2},    {"edEduDateFrom41", 74, 226, 220, 18, 0},
    {"edEduDateTo41", 74, 246, 220, 18, 0},    {"edEntry41", 74, 266, 220, 18, 0},
    {"edEntry42", 55, 286, 240, 18, 0},        {"edEntry43", 55, 306, 240, 18, 0},
    {"edEntry44", 55, 326, 240, 18, 0},        {"edEducated41", 337, 266, 220, 18, 0},
    {"edEducated42", 322, 286, 240, 18, 0},    {"edEducated43", 322, 306, 240, 18, 0},
    {"edEducated44", 322, 326, 240, 18, 0},    {"edFormOfEdu1", 55, 373, 240, 18, 2},
    {"edFormOfEdu2", 320, 373, 240, 18, 2},    {"edSpecial41", 158, 402, 380, 18, 0},
    {"edSpecial42", 40, 425, 550, 18, 0},      {"edSpecial43", 40, 445, 550, 18, 0},
    {"edEduDateFrom42", 337, 226, 220, 18, 0}, {"edEduDateTo42", 337, 246, 220, 18, 0},
    {"edNumToDipl4", 585, 337, 144, 19, 2},    {"edRegNo4", 560, 371, 190, 19, 2},
    {"edDateOut4", 550, 410, 180, 19, 2},      {"edOrder", 568, 487, 180, 19, 2},
    {"edPresentDate4", 550, 520, 180, 19, 2},  {"edSchool41", 545, 156, 220, 18, 2},
    {"edSchool42", 545, 176, 220, 18, 2},      {"edSchool43", 545, 196, 220, 18, 2},
    {"edSchool44", 545, 216, 220, 18, 2},      {"edSchool45", 545, 236, 220, 18, 2},
    {"edSchool46", 545, 256, 220, 18, 2},      {"edReason41", 545, 600, 220, 18, 2},
    {"edReason42", 545, 620, 220, 18, 2},      {"edReason43", 545, 640, 220, 18, 2},
    {"edReason44", 545, 660, 220, 18, 2},      {"edReason45", 545, 680, 220, 18, 2},
    {"edReason46", 545, 700, 220, 18, 2},
};

const std::vector<ExpectedBox> kVersion1 = {
    {"edTown4", 550, 124, 220, 18, 2},         {"edSurName4", 180, 49, 350, 18, 2},
    {"edName4", 37, 68, 550, 18, 2},           {"edBirthDay4", 165, 89, 370, 18, 2},
    {"edPrevDocum41", 200, 126, 320, 18, 0},   {"edPrevDocum42", 38, 145, 550, 18, 2},
    {"edPrevDocum43", 38, 164, 550, 18, 2},    {"edEduDateFrom41", 205, 201, 300, 18, 0},
    {"edEduDateTo41", 37, 226, 550, 18, 0},    {"edEntry41", 55, 289, 530, 18, 0},
    {"edEntry42", 37, 314, 550, 18, 0},        {"edEntry43", 37, 339, 550, 18, 0},
    {"edEntry44", 152, 679, 550, 18, 0},       {"edEducated41", 55, 401, 530, 18, 0},
    {"edEducated42", 37, 426, 550, 18, 0},     {"edEducated43", 37, 451, 550, 18, 0},
    {"edEducated44", 37, 704, 550, 18, 0},     {"edFormOfEdu1", 156, 531, 240, 18, 2},
    {"edFormOfEdu2", 37, 553, 260, 18, 2},     {"edSpecial41", 158, 591, 380, 18, 0},
    {"edSpecial42", 37, 616, 550, 18, 0},      {"edSpecial43", 37, 641, 550, 18, 0},
    {"edRegNo4", 560, 318, 190, 19, 2},        {"edDateOut4", 550, 371, 180, 19, 2},
    {"edOrder", 260, 1018, 260, 19, 2},        {"edSchool41", 545, 144, 220, 18, 2},
    {"edSchool42", 545, 164, 220, 18, 2},      {"edSchool43", 545, 184, 220, 18, 2},
    {"edSchool44", 545, 204, 220, 18, 2},      {"edReason41", 310, 742, 220, 18, 0},
    {"edReason42", 37, 767, 550, 18, 0},       {"edReason43", 37, 792, 550, 18, 0},
    {"edEduDateFrom42", 340, 828, 220, 18, 0}, {"edEduDateTo42", 37, 853, 550, 18, 0},
    {"third date line", 37, 873, 550, 18, 0},
};

// The 26 table rows: name, hours, grade, one row every 18 units from 568.
std::vector<ExpectedBox> withTable(std::vector<ExpectedBox> rows) {
    return test::withTable(std::move(rows), "Disciplines4", 26, 550);
}

Document academicDocument(int profEduType) {
    Document doc;
    doc.setChoice(Choice::rgProfEduTypeAcadem, profEduType);
    return doc;
}

constexpr int kSpo = 0;
constexpr int kNpo = 1;

TReport layout(const Document& doc, const Settings& s) {
    TReport report;
    layoutAcademic(doc, s, report);
    return report;
}

// --- Every box of every layout ---

struct LayoutCase {
    int version;
    int profEduType;
    std::vector<ExpectedBox> expected;
};

class AcademicLayouts : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(AcademicLayouts, PlaceEveryBoxOfTheBlank) {
    const LayoutCase& c = GetParam();
    test::expectBoxes(layout(academicDocument(c.profEduType), edition(c.version)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Editions, AcademicLayouts,
                         ::testing::Values(LayoutCase{2, kSpo, kEdition2Spo},
                                           LayoutCase{2, kNpo, kEdition2Npo},
                                           // The older blanks do not depend on the education type.
                                           LayoutCase{1, kSpo, kVersion1},
                                           LayoutCase{1, kNpo, kVersion1},
                                           LayoutCase{0, kNpo, withTable(kVersion0)},
                                           // A version outside 0..2 prints as version 0.
                                           LayoutCase{3, kSpo, withTable(kVersion0)},
                                           LayoutCase{-2, kSpo, withTable(kVersion0)}));

// --- Settings that move boxes ---

std::vector<std::string> plus(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::size_t indexOf(const std::vector<ExpectedBox>& rows, const std::string& role) {
    const auto it = std::find_if(rows.begin(), rows.end(),
                                 [&](const ExpectedBox& b) { return b.role == role; });
    return static_cast<std::size_t>(it - rows.begin());
}

// In the 2010 layout three settings of the older right part lower one block each, and
// every box chained on it; nothing moves sideways.
struct BlockShiftCase {
    int Settings::*key;
    int value;
    const char* firstMoved;
    int moved;
};

class AcademicBlockShift : public ::testing::TestWithParam<BlockShiftCase> {};

TEST_P(AcademicBlockShift, LowersTheBlockAndWhatFollowsIn2010) {
    const BlockShiftCase& c = GetParam();
    Settings s = edition(2);
    s.*c.key = c.value;
    const TReport r = layout(academicDocument(kSpo), s);
    const std::size_t first = indexOf(kEdition2Spo, c.firstMoved);
    for (std::size_t i = 0; i < kEdition2Spo.size(); ++i) {
        const ExpectedBox& e = kEdition2Spo[i];
        SCOPED_TRACE(e.role);
        EXPECT_EQ(box(r, e.role).left, e.left);
        EXPECT_EQ(box(r, e.role).top, e.top + (i >= first ? c.moved : 0));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, AcademicBlockShift,
    ::testing::Values(BlockShiftCase{&Settings::DeltaXRightAcademApp, 5, "edPrevDocum41", 5},
                      BlockShiftCase{&Settings::DeltaYRightAcademApp, 7, "edEntry41", 7},
                      // From the default 10 down to 0 raises edEducated41 and the rest.
                      BlockShiftCase{&Settings::FontSizeColumn3Academ, 0, "edEducated41", -10},
                      BlockShiftCase{&Settings::midDeltaYLeft1App1, 4, "edSurName4", 4}));

TEST(AcademicSettings, StudentNotCentredIn2010StartsTheSurnameLowerAndNarrower) {
    Settings s = edition(2);
    s.AdjustStudent = kAlignLeft;
    const TReport r = layout(academicDocument(kNpo), s);
    EXPECT_EQ(box(r, "edSurName4").left, 100);
    EXPECT_EQ(box(r, "edSurName4").width, 550);
    EXPECT_EQ(box(r, "edSurName4").top, 215 + 2 * 33);
    EXPECT_EQ(box(r, "edName4").top, 281 + 33);
    EXPECT_EQ(box(r, "edName4").left, 30);
    EXPECT_EQ(box(r, "edName4").adjust, 0);
}

struct GroupCase {
    int version;
    std::vector<ExpectedBox> expected;
    std::vector<std::string> right;
};

class AcademicGroupShift : public ::testing::TestWithParam<GroupCase> {};

TEST_P(AcademicGroupShift, RightPartTakesBothShiftsTheRestTheSheetShift) {
    const GroupCase& c = GetParam();
    Settings s = edition(c.version);
    s.DeltaX4 = 3;
    s.DeltaY4 = 2;
    s.DeltaXRightAcademApp = 20;
    s.DeltaYRightAcademApp = 30;
    const TReport r = layout(academicDocument(kSpo), s);
    for (const ExpectedBox& e : c.expected) {
        SCOPED_TRACE(e.role);
        const bool right = std::find(c.right.begin(), c.right.end(), e.role) != c.right.end();
        EXPECT_EQ(box(r, e.role).left, e.left + (right ? 23 : 3));
        EXPECT_EQ(box(r, e.role).top, e.top + (right ? 32 : 2));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Versions, AcademicGroupShift,
    ::testing::Values(GroupCase{0,
                                withTable(kVersion0),
                                {"edTown4", "edRegNo4", "edDateOut4", "edNumToDipl4", "edOrder",
                                 "edPresentDate4", "edSchool41", "edSchool42", "edSchool43",
                                 "edSchool44", "edSchool45", "edSchool46", "edReason41",
                                 "edReason42", "edReason43", "edReason44", "edReason45",
                                 "edReason46"}},
                      // Version 1 prints the order number, the reasons and the dates on the left.
                      GroupCase{1,
                                kVersion1,
                                {"edTown4", "edRegNo4", "edDateOut4", "edSchool41", "edSchool42",
                                 "edSchool43", "edSchool44"}}));

TEST(AcademicSettings, The2010BlankShiftsEveryBoxAlike) {
    Settings s = edition(2);
    s.DeltaX4 = 3;
    s.DeltaY4 = -2;
    const TReport r = layout(academicDocument(kNpo), s);
    for (const ExpectedBox& e : kEdition2Npo) {
        SCOPED_TRACE(e.role);
        EXPECT_EQ(box(r, e.role).left, e.left + 3);
        EXPECT_EQ(box(r, e.role).top, e.top - 2);
    }
}

TEST(AcademicSettings, PageOneLineDistancesSpaceThe2010Blank) {
    Settings s = edition(2);
    s._deltaLine0 = 40;
    s._deltaLine = 20;
    s._deltaH1 = 10;
    const TReport r = layout(academicDocument(kNpo), s);
    EXPECT_EQ(box(r, "edSurName4").top, 215 + 40 + 10);
    EXPECT_EQ(box(r, "edName4").top - box(r, "edSurName4").top, 40);
    EXPECT_EQ(box(r, "edNumToDipl4").top - box(r, "edOrder").top, 44);
    EXPECT_EQ(box(r, "edPrevDocum41").top - box(r, "edTown4").top, 50);
    EXPECT_EQ(box(r, "edEduDateFrom42").top - box(r, "edEduDateFrom41").top, 12);
    EXPECT_EQ(box(r, "edEntry41").top - box(r, "edEduDateFrom41").top, 50);
    EXPECT_EQ(box(r, "edEducated41").top - box(r, "edEntry44").top, 40 + 10 + 1 + 10);
    EXPECT_EQ(box(r, "edEduDateTo41").top - box(r, "edEducated44").top, 32);
    EXPECT_EQ(box(r, "edSchool46").top - box(r, "edSchool45").top, 20);
}

// Each vertical shift of an older blank lowers its block and every box placed from it.
struct OlderShiftCase {
    int version;
    int Settings::*key;
    std::vector<std::string> moved;
};

class AcademicOlderBlockShift : public ::testing::TestWithParam<OlderShiftCase> {};

TEST_P(AcademicOlderBlockShift, LowersTheBlockAndWhatIsPlacedFromIt) {
    const OlderShiftCase& c = GetParam();
    Settings s = edition(c.version);
    s.*c.key = 6;
    std::vector<std::string> moved = c.moved;
    if (c.key == &Settings::midDeltaYLeft4App1)
        for (int row = 1; row <= 26; ++row)
            for (const char* col : {" Discipline", " AudTime", " Value"})
                moved.push_back("Disciplines4 row " + std::to_string(row) + col);
    test::expectMovedDown(layout(academicDocument(kSpo), s),
                          c.version == 0 ? withTable(kVersion0) : kVersion1, moved, 6);
}

const std::vector<std::string> kVersion1Tail = {"edReason41",    "edReason42",
                                                "edReason43",    "edEduDateFrom42",
                                                "edEduDateTo42", "third date line"};

INSTANTIATE_TEST_SUITE_P(
    Shifts, AcademicOlderBlockShift,
    ::testing::Values(
        OlderShiftCase{0,
                       &Settings::midDeltaYLeft1App1,
                       {"edEduDateFrom41", "edEduDateTo41", "edEntry41", "edEntry42", "edEntry43",
                        "edEntry44", "edEducated41", "edEducated42", "edEducated43", "edEducated44",
                        "edFormOfEdu1", "edFormOfEdu2", "edSpecial41", "edSpecial42", "edSpecial43",
                        "edEduDateFrom42", "edEduDateTo42"}},
        OlderShiftCase{
            0, &Settings::midDeltaYLeft3App1, {"edSpecial41", "edSpecial42", "edSpecial43"}},
        OlderShiftCase{0, &Settings::midDeltaYLeft4App1, {}},
        OlderShiftCase{0, &Settings::midDeltaYRight1App1, {"edPresentDate4"}},
        OlderShiftCase{
            0,
            &Settings::midDeltaYRight2App1,
            {"edReason41", "edReason42", "edReason43", "edReason44", "edReason45", "edReason46"}},
        OlderShiftCase{
            1, &Settings::midDeltaYLeft1App1,
            plus({"edEduDateFrom41", "edEduDateTo41", "edEntry41", "edEntry42", "edEntry43",
                  "edEducated41", "edEducated42", "edEducated43", "edFormOfEdu1", "edFormOfEdu2",
                  "edSpecial41", "edSpecial42", "edSpecial43", "edEntry44", "edEducated44"},
                 kVersion1Tail)},
        OlderShiftCase{1, &Settings::midDeltaYLeft2App1,
                       plus({"edEntry44", "edEducated44"}, kVersion1Tail)},
        OlderShiftCase{1,
                       &Settings::midDeltaYLeft3App1,
                       {"edEduDateFrom42", "edEduDateTo42", "third date line"}},
        // Version 1 has no presentation date or right-hand reason lines.
        OlderShiftCase{1, &Settings::midDeltaYRight1App1, {}},
        OlderShiftCase{1, &Settings::midDeltaYRight2App1, {}}));

// Each centring setting, turned off, leaves exactly its boxes left aligned; the settings
// of the other pages change nothing here.
TEST(AcademicCentring, EachSettingAlignsItsOwnBoxes) {
    const auto academic = [](const Settings& s) { return layout(academicDocument(kSpo), s); };
    test::expectCentringSettings(edition(2), kEdition2Spo,
                                 {{&Settings::AdjustTown, {"edTown4"}},
                                  {&Settings::AdjustSchool, test::numbered("edSchool4", 1, 6)},
                                  {&Settings::AdjustBirthDay, {"edBirthDay4"}},
                                  {&Settings::AdjustLinesAppRight4, {"edRegNo4", "edDateOut4"}}},
                                 academic);
    const std::vector<std::string> app4 = {"edPrevDocum42", "edPrevDocum43", "edFormOfEdu1",
                                           "edFormOfEdu2"};
    test::expectCentringSettings(
        edition(0), withTable(kVersion0),
        {{&Settings::AdjustTown, {"edTown4"}},
         {&Settings::AdjustSchool, test::numbered("edSchool4", 1, 6)},
         {&Settings::AdjustBirthDay, {"edBirthDay4"}},
         {&Settings::AdjustAudTime, test::numbered("Disciplines4 row ", 1, 26, " AudTime")},
         {&Settings::AdjustLinesApp4, app4},
         {&Settings::AdjustLinesAppRight4,
          plus({"edNumToDipl4", "edRegNo4", "edDateOut4", "edOrder", "edPresentDate4"},
               test::numbered("edReason4", 1, 6))}},
        academic);
    test::expectCentringSettings(
        edition(1), kVersion1,
        {{&Settings::AdjustTown, {"edTown4"}},
         {&Settings::AdjustSchool, test::numbered("edSchool4", 1, 4)},
         {&Settings::AdjustBirthDay, {"edBirthDay4"}},
         {&Settings::AdjustLinesApp4, app4},
         {&Settings::AdjustLinesAppRight4, {"edRegNo4", "edDateOut4", "edOrder"}}},
        academic);
    Settings s = edition(1);
    s.AdjustStudent = kAlignLeft;
    test::expectBoxes(academic(s), test::leftAligned(kVersion1, {"edSurName4", "edName4"}));
}

// --- Font sizes and the table columns ---

TEST(AcademicFontSizes, OlderBlanksCorrectTownSchoolAndReasonLines) {
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        Settings s = edition(version);
        s.FontYcorr = true;
        s.FontSizeAppTown4 = 8;
        s.FontSizeAppSchool4 = 9;
        s.FontSizeApp4Reason = 7;
        const TReport r = layout(academicDocument(kSpo), s);
        const std::vector<ExpectedBox>& placed = version == 0 ? kVersion0 : kVersion1;
        const auto expect = [&](const std::string& role, int size, int d) {
            SCOPED_TRACE(role);
            const ExpectedBox& e = placed[indexOf(placed, role)];
            EXPECT_EQ(box(r, role).fontSize, size);
            EXPECT_EQ(box(r, role).top, e.top + d);
            EXPECT_EQ(box(r, role).height, e.height - d);
        };
        expect("edTown4", 8, 2);
        expect("edSchool41", 9, 1);
        expect("edSchool44", 9, 1);
        if (version == 0) {
            expect("edSchool46", 9, 1);
            expect("edReason41", 7, 3);
            expect("edReason46", 7, 3);
        } else {
            // Version 1's reason lines take no size setting.
            expect("edReason41", 10, 0);
            EXPECT_FALSE(test::hasBox(r, "edSchool45"));
        }
    }
}

TEST(AcademicFontSizes, The2010BlankTakesNoSizeSetting) {
    Settings s = edition(2);
    s.FontYcorr = true;
    s.FontSizeAppTown4 = 8;
    s.FontSizeAppSchool4 = 8;
    s.FontSizeApp4Reason = 8;
    const TReport r = layout(academicDocument(kSpo), s);
    test::expectBoxes(r, kEdition2Spo);
    EXPECT_EQ(box(r, "edTown4").fontSize, 11);
    EXPECT_EQ(box(r, "edSchool41").fontSize, 11);
    EXPECT_EQ(box(r, "edRegNo4").fontSize, 12);
}

TEST(AcademicTable, ColumnShiftsAndGradeSizeApplyToVersion0Only) {
    Settings s = edition(0);
    s.FontYcorr = true;
    s.DeltaX4 = 1;
    s.DeltaXColumn42 = 5;
    s.DeltaXColumn43 = -4;
    s.FontSizeColumn3Academ = 9;
    const TReport r = layout(academicDocument(kSpo), s);
    for (int row : {1, 13, 26}) {
        const std::string p = "Disciplines4 row " + std::to_string(row) + " ";
        SCOPED_TRACE(p);
        EXPECT_EQ(box(r, p + "Discipline").left, 63);
        EXPECT_EQ(box(r, p + "AudTime").left, 351);
        EXPECT_EQ(box(r, p + "Value").left, 432);
        EXPECT_EQ(box(r, p + "Value").fontSize, 9);
        EXPECT_EQ(box(r, p + "AudTime").fontSize, 10);
        // No small-font correction in the table.
        EXPECT_EQ(box(r, p + "Value").top, 550 + 18 * row);
        EXPECT_EQ(box(r, p + "Value").height, 17);
    }
    s.FontSizeColumn3Academ = 0;
    EXPECT_EQ(box(layout(academicDocument(kSpo), s), "Disciplines4 row 1 Value").fontSize, 10);
}

// --- Duplicate mark ---

TEST(AcademicDuplicate, MovesWithTheSheetShiftInEveryLayout) {
    for (int version : {0, 1, 2}) {
        SCOPED_TRACE(version);
        Settings s = edition(version);
        s.DeltaX4 = -5;
        s.DeltaY4 = 8;
        s.DeltaXRightAcademApp = 50;
        s.DeltaYRightAcademApp = 50;
        Document doc = academicDocument(kSpo);
        EXPECT_FALSE(test::hasBox(layout(doc, s), "duplicate"));
        doc.setFlag(Flag::cbCopySign, true);
        doc.setFlag(Flag::cbCopySignDbl, true);
        const TReport r = layout(doc, s);
        const TTextBox& mark = *test::onlyPage(r).objects.front();
        EXPECT_EQ(mark.role, "duplicate");
        EXPECT_EQ(mark.left, 495);
        EXPECT_EQ(mark.top, 18);
        EXPECT_EQ(mark.width, 220);
    }
}

// --- Texts ---

TEST(AcademicTexts, EveryBoxPrintsItsFieldAndTheTablePrintsItsRows) {
    for (int version : {0, 1, 2}) {
        SCOPED_TRACE(version);
        Document doc = academicDocument(kSpo);
        test::fillWithFieldNames(doc, Page::Academic);
        for (int row = 1; row <= 26; ++row) {
            doc.setCell(Table::Disciplines4, row, Column::Discipline, "d" + std::to_string(row));
            doc.setCell(Table::Disciplines4, row, Column::AudTime, "h" + std::to_string(row));
            doc.setCell(Table::Disciplines4, row, Column::Value, "g" + std::to_string(row));
        }
        const TReport r = layout(doc, edition(version));
        for (const auto& b : test::onlyPage(r).objects) {
            SCOPED_TRACE(b->role);
            if (b->role == "third date line") {
                EXPECT_EQ(b->text, std::vector<std::string>{""});
            } else if (b->role.starts_with("Disciplines4 row ")) {
                const std::string row = b->role.substr(17, b->role.find(' ', 17) - 17);
                const char prefix = b->role.ends_with("Discipline") ? 'd'
                                    : b->role.ends_with("AudTime")  ? 'h'
                                                                    : 'g';
                EXPECT_EQ(b->text, std::vector<std::string>{prefix + row});
            } else {
                EXPECT_EQ(b->text, std::vector<std::string>{b->role});
            }
        }
    }
}

TEST(AcademicDispatch, TheSheetEntryPointLaysOutThisSheet) {
    TReport r;
    std::string error;
    ASSERT_TRUE(layoutSheet(SheetKind::Academic, academicDocument(kNpo), edition(2), {}, r, &error))
        << error;
    test::expectBoxes(r, kEdition2Npo);
}

// --- Rendered ---

TEST(AcademicRender, WordsLandWhereThePageModelPutsThem) {
    const auto bin = test::printed::printBinary();
    if (!bin)
        GTEST_SKIP() << "vellex-print or pdftotext is missing";
    Document doc = test::printed::wordDocument(Page::Academic);
    for (int row = 1; row <= 26; ++row)
        for (Column c : {Column::Discipline, Column::AudTime, Column::Value})
            doc.setCell(Table::Disciplines4, row, c,
                        "T" + std::to_string(row) + "c" + std::to_string(static_cast<int>(c)));
    for (int version : {0, 1, 2}) {
        SCOPED_TRACE("edition " + std::to_string(version));
        test::TempDir dir;
        const std::string ini = "VellexVersion=" + std::to_string(version) +
                                "\r\nCopySign=" + (version == 1 ? "1" : "0") + "\r\n";
        const auto printout = test::printed::printSheet(*bin, dir, "academic", doc, ini);
        ASSERT_TRUE(printout);
        // Version 0 prints its 78 table boxes besides the fields.
        EXPECT_GE(test::printed::expectWordsWhereThePageSays(*printout), version == 0 ? 100 : 25);
    }
}

}  // namespace
}  // namespace vellex

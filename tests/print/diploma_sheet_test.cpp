#include "print/diploma_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/document.h"
#include "print/sheet.h"
#include "storage/settings.h"
#include "tests/print/printed_words.h"
#include "tests/print/title_sheet_expect.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::title::Box;
using test::title::box;
using test::title::expectJsonPage;
using test::title::expectPage;
using test::title::geometry;

// --- The blanks as the printed forms have them, all shifts 0 ---

// Portrait blank, editions 0 and 1: tops for variant 0 edition 0, variant 0 edition 1 and
// variant 1 (either edition). Every box is 18 high.
struct PortraitRow {
    const char* role;
    int left;
    int top[3];
    int width, adjust;
};
const PortraitRow kPortrait[] = {
    {"edTownDiplom0", 407, {76, 76, 114}, 310, 2},
    {"edTownDiplom", 407, {95, 122, 133}, 310, 2},
    {"edSchoolDiplom1", 380, {114, 141, 154}, 370, 2},
    {"edSchoolDiplom2", 380, {133, 160, 175}, 370, 2},
    {"edPresentDateDiplom", 422, {263, 263, 220}, 260, 2},
    {"edStudentDiplom1", 402, {282, 282, 240}, 310, 2},
    {"edStudentDiplom2", 402, {301, 301, 260}, 310, 2},
    {"edQualifyDiplom1", 603, {316, 316, 290}, 111, 0},
    {"edQualifyDiplom2", 402, {335, 335, 311}, 310, 2},
    {"edQualifyDiplom3", 402, {354, 354, 332}, 310, 2},
    {"edSpecDiplom1", 490, {370, 370, 355}, 191, 2},
    {"edSpecDiplom2", 402, {389, 389, 376}, 310, 2},
    {"edSpecDiplom3", 402, {408, 408, 397}, 310, 2},
    {"edSpecDiplom4", 402, {427, 427, 418}, 310, 2},
    {"edRegNoDiplom", 148, {519, 484, 490}, 190, 2},
    {"edDateOutDiplom", 578, {529, 529, 510}, 150, 0},
};

// Landscape blank, editions 0 and 1: lefts for variant 2 edition 0, variant 2 edition 1
// and variant 3. Every box is 18 wide.
struct LandscapeRow {
    const char* role;
    int left[3];
    int top, height, adjust;
};
const LandscapeRow kLandscape[] = {
    {"edTownDiplom0", {76, 76, 96}, 63, 310, 6},
    {"edTownDiplom", {95, 122, 115}, 63, 310, 6},
    {"edSchoolDiplom1", {114, 141, 136}, 30, 370, 6},
    {"edSchoolDiplom2", {133, 160, 157}, 30, 370, 6},
    {"edPresentDateDiplom", {263, 263, 202}, 98, 260, 6},
    {"edStudentDiplom1", {282, 282, 222}, 68, 310, 6},
    {"edStudentDiplom2", {301, 301, 242}, 68, 310, 6},
    {"edQualifyDiplom1", {316, 316, 272}, 66, 111, 4},
    {"edQualifyDiplom2", {335, 335, 293}, 68, 310, 6},
    {"edQualifyDiplom3", {354, 354, 314}, 68, 310, 6},
    {"edSpecDiplom1", {370, 370, 337}, 99, 191, 6},
    {"edSpecDiplom2", {389, 389, 358}, 68, 310, 6},
    {"edSpecDiplom3", {408, 408, 379}, 68, 310, 6},
    {"edSpecDiplom4", {427, 427, 400}, 68, 310, 6},
    {"edRegNoDiplom", {519, 484, 472}, 442, 190, 6},
    {"edDateOutDiplom", {529, 529, 492}, 52, 150, 4},
};

// The 2010 blank, portrait (variants 0 and 1).
const std::vector<Box> kEdition2Portrait = {
    {"edPresentDateDiplom1", 495, 128, 30, 18, 0}, {"edPresentDateDiplom2", 535, 128, 90, 18, 0},
    {"edPresentDateDiplom", 635, 128, 70, 18, 2},  {"edStudentDiplom1", 10, 182, 370, 18, 2},
    {"edStudentDiplom2", 10, 207, 370, 18, 2},     {"edStudentDiplom3", 10, 232, 370, 18, 2},
    {"edTownDiplom0", 10, 280, 370, 18, 2},        {"edTownDiplom", 10, 305, 370, 18, 2},
    {"edSchoolDiplom1", 10, 330, 370, 18, 2},      {"edSchoolDiplom2", 10, 355, 370, 18, 2},
    {"edSchoolDiplom3", 10, 380, 370, 18, 2},      {"edSchoolDiplom4", 10, 405, 370, 18, 2},
    {"edQualifyDiplom1", 400, 180, 370, 18, 2},    {"edQualifyDiplom2", 400, 205, 370, 18, 2},
    {"edQualifyDiplom3", 400, 231, 370, 18, 2},    {"edQualifyDiplom4", 400, 256, 370, 18, 2},
    {"edQualifyDiplom5", 400, 282, 370, 18, 2},    {"edSpecDiplom1", 400, 330, 370, 18, 2},
    {"edSpecDiplom2", 400, 355, 370, 18, 2},       {"edSpecDiplom3", 400, 381, 370, 18, 2},
    {"edSpecDiplom4", 400, 406, 370, 18, 2},       {"edSpecDiplom5", 400, 432, 370, 18, 2},
    {"edRegNoDiplom", 165, 459, 190, 18, 0},       {"edDateOutDiplom1", 130, 485, 40, 18, 0},
    {"edDateOutDiplom2", 180, 485, 95, 18, 0},     {"edDateOutDiplom", 285, 485, 70, 18, 0},
    {"edPredGosAttCom", 640, 465, 170, 18, 0},     {"edRukObrazUch", 640, 490, 170, 18, 0},
};

// The 2010 blank, landscape (variants 2 and 3).
const std::vector<Box> kEdition2Landscape = {
    {"edPresentDateDiplom", 128, 75, 18, 90, 6},   {"edPresentDateDiplom2", 128, 175, 18, 80, 4},
    {"edPresentDateDiplom1", 128, 265, 18, 30, 4}, {"edStudentDiplom1", 182, 400, 18, 370, 6},
    {"edStudentDiplom2", 207, 400, 18, 370, 6},    {"edStudentDiplom3", 232, 400, 18, 370, 6},
    {"edTownDiplom0", 280, 400, 18, 370, 6},       {"edTownDiplom", 305, 400, 18, 370, 6},
    {"edSchoolDiplom1", 330, 400, 18, 370, 6},     {"edSchoolDiplom2", 355, 400, 18, 370, 6},
    {"edSchoolDiplom3", 380, 400, 18, 370, 6},     {"edSchoolDiplom4", 405, 400, 18, 370, 6},
    {"edQualifyDiplom1", 180, 10, 18, 370, 6},     {"edQualifyDiplom2", 205, 10, 18, 370, 6},
    {"edQualifyDiplom3", 231, 10, 18, 370, 6},     {"edQualifyDiplom4", 256, 10, 18, 370, 6},
    {"edQualifyDiplom5", 282, 10, 18, 370, 6},     {"edSpecDiplom1", 330, 10, 18, 370, 6},
    {"edSpecDiplom2", 355, 10, 18, 370, 6},        {"edSpecDiplom3", 381, 10, 18, 370, 6},
    {"edSpecDiplom4", 406, 10, 18, 370, 6},        {"edSpecDiplom5", 432, 10, 18, 370, 6},
    {"edRegNoDiplom", 459, 425, 18, 190, 4},       {"edDateOutDiplom", 485, 405, 18, 90, 4},
    {"edDateOutDiplom2", 485, 505, 18, 95, 4},     {"edDateOutDiplom1", 485, 610, 18, 40, 4},
    {"edPredGosAttCom", 464, -10, 18, 220, 6},     {"edRukObrazUch", 489, -10, 18, 220, 6},
};

const Box kDuplicate[4] = {
    {"duplicate", 520, 18, 220, 18, 0},
    {"duplicate", 520, 18, 220, 18, 0},
    {"duplicate", 18, 110, 18, 220, 6},
    {"duplicate", 0, 110, 18, 220, 6},
};

std::vector<Box> expectedBoxes(int variant, int edition) {
    if (edition == 2)
        return variant >= 2 ? kEdition2Landscape : kEdition2Portrait;
    std::vector<Box> out;
    if (variant < 2) {
        const int col = variant == 1 ? 2 : edition;
        for (const auto& r : kPortrait)
            out.push_back({r.role, r.left, r.top[col], r.width, 18, r.adjust});
    } else {
        const int col = variant == 3 ? 2 : edition;
        for (const auto& r : kLandscape)
            out.push_back({r.role, r.left[col], r.top, 18, r.height, r.adjust});
    }
    return out;
}

// Every field the diploma prints holds its own name, so a box shows where its text came
// from.
Document namedDocument() {
    Document doc;
    for (int i = 0; i < kFieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        if (fieldPage(f) == Page::Diploma)
            doc.setText(f, std::string(fieldName(f)));
    }
    return doc;
}

TReport layout(const Document& doc, const Settings& s, int variant, int edition) {
    TReport report;
    const SheetBoxes placed = placeDiploma(report, doc, s, variant, edition);
    fillDiploma(placed, doc, s, edition);
    return report;
}

bool isSpeciality(const std::string& role) {
    return role.rfind("edSpecDiplom", 0) == 0;
}

struct Blank {
    int variant, edition;
};
const Blank kBlanks[] = {{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2},
                         {2, 0}, {2, 1}, {2, 2}, {3, 0}, {3, 1}, {3, 2}};

std::string blankName(const testing::TestParamInfo<Blank>& info) {
    return "variant" + std::to_string(info.param.variant) + "_edition" +
           std::to_string(info.param.edition);
}

// --- Every box of every blank ---

class DiplomaBlank : public testing::TestWithParam<Blank> {};

TEST_P(DiplomaBlank, PlacesEveryBoxOfTheBlank) {
    const auto [variant, edition] = GetParam();
    expectPage(layout(namedDocument(), Settings{}, variant, edition),
               expectedBoxes(variant, edition));
}

TEST_P(DiplomaBlank, DuplicateMarkIsFirstAndLeavesTheOtherBoxesAlone) {
    const auto [variant, edition] = GetParam();
    Settings s;
    s.DiplomDeltaX = 3;
    s.DiplomDeltaY = -4;
    Document doc = namedDocument();
    doc.setFlag(Flag::cbCopySign, true);
    const TReport with = layout(doc, s, variant, edition);
    doc.setFlag(Flag::cbCopySign, false);
    const TReport without = layout(doc, s, variant, edition);

    const auto& first = *pageByIndex(with, 0).objects.front();
    ASSERT_EQ(first.role, "duplicate");
    const Box& d = kDuplicate[variant];
    EXPECT_EQ(first.left, d.left + 3);
    EXPECT_EQ(first.top, d.top - 4);
    EXPECT_EQ(first.width, d.width);
    EXPECT_EQ(first.height, d.height);
    EXPECT_EQ(first.adjust, d.adjust);
    EXPECT_EQ(first.fontSize, 10);
    EXPECT_TRUE(first.fontStyle.bold);
    EXPECT_TRUE(first.fontStyle.italic);
    EXPECT_EQ(test::u8(first.text.at(0)), "Дубликат");

    EXPECT_EQ(findBox(pageByIndex(without, 0), "duplicate"), nullptr);
    auto rest = geometry(with);
    rest.erase("duplicate");
    const auto plain = geometry(without);
    ASSERT_EQ(rest.size(), plain.size());
    for (const auto& [role, b] : plain) {
        SCOPED_TRACE(role);
        EXPECT_EQ(rest[role].left, b.left);
        EXPECT_EQ(rest[role].top, b.top);
    }
}

TEST_P(DiplomaBlank, SheetShiftMovesEveryBox) {
    const auto [variant, edition] = GetParam();
    Settings s;
    s.DiplomDeltaX = 7;
    s.DiplomDeltaY = -5;
    const TReport r = layout(namedDocument(), s, variant, edition);
    std::vector<Box> want = expectedBoxes(variant, edition);
    for (Box& b : want) {
        b.left += 7;
        b.top -= 5;
    }
    expectPage(r, want);
}

TEST_P(DiplomaBlank, EveryBoxPrintsItsFieldOnOneLine) {
    const auto [variant, edition] = GetParam();
    const TReport r = layout(namedDocument(), Settings{}, variant, edition);
    for (const auto& b : pageByIndex(r, 0).objects) {
        SCOPED_TRACE(b->role);
        if (b->role == "edTownDiplom0" && edition != 2) {
            EXPECT_TRUE(b->text.empty());  // cbAddLineUp_Diplom is clear
            continue;
        }
        ASSERT_EQ(b->text.size(), 1u);
        EXPECT_EQ(b->text[0], b->role);
        EXPECT_EQ(b->fontSize, 10);
    }
}

INSTANTIATE_TEST_SUITE_P(AllBlanks, DiplomaBlank, testing::ValuesIn(kBlanks), blankName);

// --- Placement order ---

TEST(DiplomaOrder, TownBeforeTheUpperLineAndThe2010BoxesLast) {
    const Settings s;
    Document doc = namedDocument();
    doc.setFlag(Flag::cbCopySign, true);
    std::vector<std::string> roles;
    const TReport older = layout(doc, s, 0, 0);
    for (const auto& b : pageByIndex(older, 0).objects)
        roles.push_back(b->role);
    ASSERT_GE(roles.size(), 3u);
    EXPECT_EQ(roles[0], "duplicate");
    EXPECT_EQ(roles[1], "edTownDiplom");
    EXPECT_EQ(roles[2], "edTownDiplom0");
    EXPECT_EQ(roles.back(), "edDateOutDiplom");

    roles.clear();
    const TReport newer = layout(doc, s, 0, 2);
    for (const auto& b : pageByIndex(newer, 0).objects)
        roles.push_back(b->role);
    const std::vector<std::string> added(roles.begin() + 17, roles.end());
    EXPECT_EQ(added, (std::vector<std::string>{
                         "edStudentDiplom3", "edSchoolDiplom3", "edSchoolDiplom4",
                         "edPresentDateDiplom1", "edPresentDateDiplom2", "edDateOutDiplom1",
                         "edDateOutDiplom2", "edQualifyDiplom4", "edQualifyDiplom5",
                         "edSpecDiplom5", "edPredGosAttCom", "edRukObrazUch"}));
}

// --- Block shifts ---

struct BlockShift {
    int block;  // midDeltaYDiplom1…5
    std::vector<std::string> moved;
};

const BlockShift kBlockShifts[] = {
    {1, {"edPresentDateDiplom", "edStudentDiplom1", "edStudentDiplom2"}},
    {2, {"edQualifyDiplom1", "edQualifyDiplom2", "edQualifyDiplom3"}},
    {3, {"edSpecDiplom1", "edSpecDiplom2", "edSpecDiplom3", "edSpecDiplom4"}},
    {4, {"edRegNoDiplom"}},
    {5, {"edDateOutDiplom"}},
};

void setBlockShift(Settings& s, int block, int value) {
    int* m[] = {&s.midDeltaYDiplom1, &s.midDeltaYDiplom2, &s.midDeltaYDiplom3, &s.midDeltaYDiplom4,
                &s.midDeltaYDiplom5};
    *m[block - 1] = value;
}

TEST(DiplomaBlockShifts, EachMovesOnlyItsBlockDownOrAcross) {
    const Document doc = namedDocument();
    for (const auto& shift : kBlockShifts) {
        for (int variant = 0; variant < 4; ++variant) {
            SCOPED_TRACE(testing::Message() << "m" << shift.block << " variant " << variant);
            Settings s;
            setBlockShift(s, shift.block, 10);
            // Variant 1 is the same in editions 0 and 1, so edition 0 says it all.
            const auto base = geometry(layout(doc, Settings{}, variant, 0));
            const auto moved = geometry(layout(doc, s, variant, 0));
            for (const auto& [role, b] : base) {
                SCOPED_TRACE(role);
                const bool inBlock =
                    std::find(shift.moved.begin(), shift.moved.end(), role) != shift.moved.end();
                const int d = inBlock ? 10 : 0;
                if (variant < 2) {
                    EXPECT_EQ(moved.at(role).top, b.top + d);
                    EXPECT_EQ(moved.at(role).left, b.left);
                } else {
                    EXPECT_EQ(moved.at(role).left, b.left + d);
                    EXPECT_EQ(moved.at(role).top, b.top);
                }
            }
        }
    }
}

TEST(DiplomaBlockShifts, SpecialityShiftMovesAllFourLinesAndNothingElse) {
    Settings s;
    s.midDeltaYDiplom3 = 10;
    const Document doc = namedDocument();
    for (int variant = 0; variant < 4; ++variant) {
        const auto base = geometry(layout(doc, Settings{}, variant, 1));
        const auto moved = geometry(layout(doc, s, variant, 1));
        int count = 0;
        for (const auto& [role, b] : base) {
            const int d = isSpeciality(role) ? 10 : 0;
            count += isSpeciality(role);
            EXPECT_EQ(moved.at(role).top, b.top + (variant < 2 ? d : 0)) << role;
            EXPECT_EQ(moved.at(role).left, b.left + (variant < 2 ? 0 : d)) << role;
        }
        EXPECT_EQ(count, 4);
    }
}

TEST(DiplomaBlockShifts, RegistrationNumberOfThe2007SecondaryBlankIgnoresItsShift) {
    Settings s;
    s.midDeltaYDiplom4 = 25;
    const Document doc = namedDocument();
    EXPECT_EQ(box(layout(doc, s, 0, 1), "edRegNoDiplom").top, 484);
    EXPECT_EQ(box(layout(doc, s, 2, 1), "edRegNoDiplom").left, 484);
    // The initial blanks did not change in 2007: the shift still applies.
    EXPECT_EQ(box(layout(doc, s, 1, 1), "edRegNoDiplom").top, 490 + 25);
    EXPECT_EQ(box(layout(doc, s, 3, 1), "edRegNoDiplom").left, 472 + 25);
    EXPECT_EQ(box(layout(doc, s, 0, 0), "edRegNoDiplom").top, 519 + 25);
}

TEST(DiplomaBlockShifts, The2010BlankIgnoresThem) {
    Settings s;
    s.midDeltaYDiplom1 = 11;
    s.midDeltaYDiplom2 = 12;
    s.midDeltaYDiplom3 = 13;
    s.midDeltaYDiplom4 = 14;
    s.midDeltaYDiplom5 = 15;
    for (int variant = 0; variant < 4; ++variant)
        expectPage(layout(namedDocument(), s, variant, 2), expectedBoxes(variant, 2));
}

// --- Font sizes and the small-font correction ---

TEST(DiplomaFontSizes, TownAtEightPointsWithAndWithoutCorrection) {
    const Document doc = namedDocument();
    Settings s;
    s.FontSizeDiplomTown = 8;
    s.FontYcorr = true;
    TReport r = layout(doc, s, 0, 0);
    for (const char* role : {"edTownDiplom0", "edTownDiplom"}) {
        SCOPED_TRACE(role);
        EXPECT_EQ(box(r, role).fontSize, 8);
        EXPECT_EQ(box(r, role).height, 16);
    }
    EXPECT_EQ(box(r, "edTownDiplom").top, 97);
    EXPECT_EQ(box(r, "edTownDiplom0").top, 78);
    EXPECT_EQ(box(r, "edSchoolDiplom1").top, 114);  // the next block stays
    EXPECT_EQ(box(r, "edSchoolDiplom1").fontSize, 10);

    s.FontYcorr = false;
    r = layout(doc, s, 0, 0);
    EXPECT_EQ(box(r, "edTownDiplom").fontSize, 8);
    EXPECT_EQ(box(r, "edTownDiplom").top, 95);
    EXPECT_EQ(box(r, "edTownDiplom").height, 18);

    s.FontSizeDiplomTown = 0;
    s.FontYcorr = true;
    r = layout(doc, s, 0, 0);
    EXPECT_EQ(box(r, "edTownDiplom").fontSize, 10);
    EXPECT_EQ(box(r, "edTownDiplom").top, 95);
    EXPECT_EQ(box(r, "edTownDiplom").height, 18);
}

TEST(DiplomaFontSizes, LargerSizesAreNotCorrected) {
    Settings s;
    s.FontSizeDiplomSchool = 12;
    s.FontYcorr = true;
    const TReport r = layout(namedDocument(), s, 1, 0);
    EXPECT_EQ(box(r, "edSchoolDiplom2").fontSize, 12);
    EXPECT_EQ(box(r, "edSchoolDiplom2").top, 175);
    EXPECT_EQ(box(r, "edSchoolDiplom2").height, 18);
}

struct SizeCase {
    const char* name;
    int Settings::*setting;
    std::vector<std::string> roles;
};

TEST(DiplomaFontSizes, EachSettingSizesItsBlockOn2010Blanks) {
    const SizeCase cases[] = {
        {"Town", &Settings::FontSizeDiplomTown, {"edTownDiplom0", "edTownDiplom"}},
        {"School",
         &Settings::FontSizeDiplomSchool,
         {"edSchoolDiplom1", "edSchoolDiplom2", "edSchoolDiplom3", "edSchoolDiplom4"}},
        {"Qualify",
         &Settings::FontSizeDiplomQualify,
         {"edQualifyDiplom1", "edQualifyDiplom2", "edQualifyDiplom3", "edQualifyDiplom4",
          "edQualifyDiplom5"}},
        {"Specialicy",
         &Settings::FontSizeDiplomSpecialicy,
         {"edSpecDiplom1", "edSpecDiplom2", "edSpecDiplom3", "edSpecDiplom4", "edSpecDiplom5"}},
        {"RukPred", &Settings::FontSizeDiplomRukPred, {"edPredGosAttCom", "edRukObrazUch"}},
    };
    // Lines 4 and 5 of the qualification and line 5 of the speciality keep their top.
    const std::vector<std::string> keepTop = {"edQualifyDiplom4", "edQualifyDiplom5",
                                              "edSpecDiplom5"};
    const Document doc = namedDocument();
    for (int variant : {0, 2}) {
        const auto base = geometry(layout(doc, Settings{}, variant, 2));
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.name) + " variant " + std::to_string(variant));
            Settings s;
            s.*c.setting = 7;
            s.FontYcorr = true;
            const TReport r = layout(doc, s, variant, 2);
            for (const auto& b : pageByIndex(r, 0).objects) {
                SCOPED_TRACE(b->role);
                const bool inBlock =
                    std::find(c.roles.begin(), c.roles.end(), b->role) != c.roles.end();
                const bool keeps =
                    std::find(keepTop.begin(), keepTop.end(), b->role) != keepTop.end();
                const Box& was = base.at(b->role);
                EXPECT_EQ(b->fontSize, inBlock ? 7 : 10);
                EXPECT_EQ(b->top, was.top + (inBlock && !keeps ? 3 : 0));
                EXPECT_EQ(b->height, was.height - (inBlock ? 3 : 0));
            }
        }
    }
}

// --- Styles ---

TEST(DiplomaStyles, EachBoldFlagBoldsItsBlockOnly) {
    const std::vector<std::vector<std::string>> groups = {
        {"edTownDiplom0", "edTownDiplom", "edSchoolDiplom1", "edSchoolDiplom2", "edSchoolDiplom3",
         "edSchoolDiplom4"},
        {"edPresentDateDiplom", "edPresentDateDiplom1", "edPresentDateDiplom2"},
        {"edStudentDiplom1", "edStudentDiplom2", "edStudentDiplom3"},
        {"edQualifyDiplom1", "edQualifyDiplom2", "edQualifyDiplom3", "edQualifyDiplom4",
         "edQualifyDiplom5"},
        {"edSpecDiplom1", "edSpecDiplom2", "edSpecDiplom3", "edSpecDiplom4", "edSpecDiplom5"},
    };
    const Flag flags[] = {Flag::cbBold_Diplom1, Flag::cbBold_Diplom2, Flag::cbBold_Diplom3,
                          Flag::cbBold_Diplom4, Flag::cbBold_Diplom5};
    for (int g = 0; g < 5; ++g) {
        for (const Blank& blank : kBlanks) {
            SCOPED_TRACE("flag " + std::to_string(g + 1) + " variant " +
                         std::to_string(blank.variant) + " edition " +
                         std::to_string(blank.edition));
            Document doc = namedDocument();
            doc.setFlag(flags[g], true);
            const TReport r = layout(doc, Settings{}, blank.variant, blank.edition);
            for (const auto& b : pageByIndex(r, 0).objects) {
                const bool in =
                    std::find(groups[g].begin(), groups[g].end(), b->role) != groups[g].end();
                EXPECT_EQ(b->fontStyle.bold, in) << b->role;
            }
        }
    }
}

TEST(DiplomaStyles, ItalicSparesTheRegistrationNumberAndTheOlderDateOfIssue) {
    const Settings s;
    for (const Blank& blank : kBlanks) {
        SCOPED_TRACE("variant " + std::to_string(blank.variant) + " edition " +
                     std::to_string(blank.edition));
        Document doc = namedDocument();
        doc.setFlag(Flag::cbCopySign, true);
        doc.setFlag(Flag::cbItalic_Diplom, true);
        const TReport r = layout(doc, s, blank.variant, blank.edition);
        for (const auto& b : pageByIndex(r, 0).objects) {
            const bool plain =
                b->role == "edRegNoDiplom" || (b->role == "edDateOutDiplom" && blank.edition != 2);
            EXPECT_EQ(b->fontStyle.italic, !plain) << b->role;
            EXPECT_EQ(b->fontStyle.bold, b->role == "duplicate") << b->role;
        }
    }
}

// --- Texts ---

TEST(DiplomaTexts, UpperTownLineFollowsItsSwitchOnOlderBlanksAndAlwaysPrintsOn2010) {
    Document doc = namedDocument();
    for (int variant = 0; variant < 4; ++variant) {
        for (int edition = 0; edition < 3; ++edition) {
            SCOPED_TRACE("variant " + std::to_string(variant) + " edition " +
                         std::to_string(edition));
            for (bool on : {false, true}) {
                doc.setFlag(Flag::cbAddLineUp_Diplom, on);
                const TReport r = layout(doc, Settings{}, variant, edition);
                const TTextBox& upper = box(r, "edTownDiplom0");
                if (on || edition == 2)
                    EXPECT_EQ(upper.text, std::vector<std::string>{"edTownDiplom0"});
                else
                    EXPECT_TRUE(upper.text.empty());
            }
        }
    }
}

TEST(DiplomaTexts, The2010PresentationDatePrintsInThreePartsOnOneLine) {
    const TReport r = layout(namedDocument(), Settings{}, 1, 2);
    const TTextBox& p1 = box(r, "edPresentDateDiplom1");
    const TTextBox& p2 = box(r, "edPresentDateDiplom2");
    const TTextBox& p3 = box(r, "edPresentDateDiplom");
    EXPECT_EQ(p1.top, p2.top);
    EXPECT_EQ(p2.top, p3.top);
    EXPECT_LT(p1.left + p1.width, p2.left);
    EXPECT_LT(p2.left + p2.width, p3.left);
    EXPECT_EQ(p3.text, std::vector<std::string>{"edPresentDateDiplom"});
}

TEST(DiplomaTexts, EmptyFieldGivesOneEmptyLineAndTextIsKeptAsEntered) {
    Document doc;
    doc.setText(Field::edStudentDiplom1, test::cp("  Иванов  "));
    const TReport r = layout(doc, Settings{}, 0, 0);
    EXPECT_EQ(box(r, "edStudentDiplom1").text, std::vector<std::string>{test::cp("  Иванов  ")});
    EXPECT_EQ(box(r, "edStudentDiplom2").text, std::vector<std::string>{""});
}

// --- Choices from the document and settings ---

TEST(DiplomaChoices, EditionOutsideTheKnownOnesPrintsAsTheFirst) {
    for (int edition : {-1, 3, 99}) {
        SCOPED_TRACE(edition);
        expectPage(layout(namedDocument(), Settings{}, 0, edition), expectedBoxes(0, 0));
    }
}

TEST(DiplomaChoices, DispatchTakesTheVariantFromTheDocumentAndTheEditionFromSettings) {
    Document doc = namedDocument();
    doc.setChoice(Choice::rgProfEduType, 3);
    Settings s;
    s.VellexVersion = 1;
    TReport r;
    std::string error;
    ASSERT_TRUE(layoutSheet(SheetKind::Diploma, doc, s, SheetOptions{}, r, &error)) << error;
    expectPage(r, expectedBoxes(3, 1));

    s.VellexVersion = 7;
    doc.setChoice(Choice::rgProfEduType, 0);
    ASSERT_TRUE(layoutSheet(SheetKind::Diploma, doc, s, SheetOptions{}, r, &error)) << error;
    expectPage(r, expectedBoxes(0, 0));
}

TEST(DiplomaChoices, PrintingAgainLeavesNothingOfTheLastSheet) {
    TReport r;
    Document doc = namedDocument();
    doc.setFlag(Flag::cbCopySign, true);
    placeDiploma(r, doc, Settings{}, 2, 2);
    doc.setFlag(Flag::cbCopySign, false);
    const SheetBoxes placed = placeDiploma(r, doc, Settings{}, 0, 0);
    fillDiploma(placed, doc, Settings{}, 0);
    ASSERT_EQ(r.pages.size(), 1u);
    expectPage(r, expectedBoxes(0, 0));
}

// --- On paper ---

TEST(DiplomaPrintout, EveryEntryLandsWhereThePageModelSays) {
    const auto bin = test::printed::printBinary();
    if (!bin)
        GTEST_SKIP() << "vellex-print or pdftotext is missing";
    const Document doc = test::printed::wordDocument(Page::Diploma);
    for (const Blank& blank : kBlanks) {
        SCOPED_TRACE("variant " + std::to_string(blank.variant) + " edition " +
                     std::to_string(blank.edition));
        test::TempDir dir;
        const auto printout =
            test::printed::printSheet(*bin, dir, "diploma", doc,
                                      "VellexVersion=" + std::to_string(blank.edition) +
                                          "\r\nProfEduType=" + std::to_string(blank.variant) +
                                          "\r\nCopySign=1\r\nAddLineUp_Diplom=1\r\n");
        ASSERT_TRUE(printout);
        // The blank the settings choose, with the duplicate mark, each box holding a word.
        const std::size_t boxes = expectedBoxes(blank.variant, blank.edition).size() + 1;
        ASSERT_EQ(printout->page["boxes"].size(), boxes);
        expectJsonPage(printout->page, expectedBoxes(blank.variant, blank.edition));
        EXPECT_EQ(test::printed::expectWordsWhereThePageSays(*printout), int(boxes));
    }
}

}  // namespace
}  // namespace vellex

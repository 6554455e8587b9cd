#include "print/supplement_spo_sheet.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

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

// A document with the designed defaults: four school lines, one qualification line.
Document spoDocument(int schoolItem = 0, int qualifyItem = 0) {
    Document doc;
    doc.setChoice(Choice::rgSchool, schoolItem);
    doc.setChoice(Choice::rgQualify, qualifyItem);
    return doc;
}

TReport layOut(const Document& doc, const Settings& s) {
    TReport report;
    layoutSupplementSpoSheet(doc, s, report);
    return report;
}

Settings edition(int version) {
    Settings s;
    s.VellexVersion = version;
    return s;
}

// --- Every box of every edition with the default settings ---

const std::vector<Want> k2010 = {
    {"edNumToDipl", 110, 185, 200, 19, 2},   {"edRegNo", 530, 185, 200, 19, 2},
    {"edSurName", 20, 224, 700, 18, 2},      {"edName", 20, 257, 700, 18, 2},
    {"edNameDiplPrj0", 20, 290, 700, 18, 2}, {"edEntry2", 55, 323, 45, 18, 2},
    {"edDateOut", 120, 323, 80, 18, 2},      {"edBirthDay", 220, 323, 60, 18, 2},
    {"edTown", 300, 323, 400, 18, 2},        {"edSchool1", 20, 365, 700, 18, 2},
    {"edSchool2", 20, 397, 700, 18, 2},      {"edSchool3", 20, 429, 700, 18, 2},
    {"edSchool4", 20, 461, 700, 18, 2},      {"edSchool5", 20, 493, 700, 18, 2},
    {"edSchool6", 20, 525, 700, 18, 2},      {"edEndLern1", 470, 572, 45, 18, 2},
    {"edEndLern2", 535, 572, 75, 18, 2},     {"edEndLern3", 630, 572, 80, 18, 2},
    {"edExamen1", 240, 606, 450, 18, 2},     {"edQualify", 20, 638, 700, 18, 2},
    {"edQualify2", 20, 671, 700, 18, 2},     {"edQualify3", 20, 703, 700, 18, 2},
    {"edSpecial", 145, 735, 610, 18, 2},     {"edSpecialicy", 20, 767, 700, 18, 2},
    {"edNameDiplPrj1", 20, 799, 700, 18, 2}, {"edNameDiplPrj2", 20, 831, 700, 18, 2},
    {"edTimeLern", 380, 864, 380, 18, 0},    {"edTimeLern2", 100, 916, 380, 18, 2},
    {"edExamen2", 540, 916, 200, 18, 2},     {"edPrevDocum1", 420, 950, 60, 18, 0},
    {"edPrevDocum2", 500, 950, 80, 18, 2},   {"edPrevDocum3", 610, 950, 100, 18, 0},
    {"edResult1", 20, 986, 700, 18, 2},      {"edResult2", 20, 1008, 700, 18, 2},
    {"edEntry1", 190, 1021, 70, 18, 2},      {"edEntry3", 270, 1021, 80, 18, 2},
};

// The part of the older layout both older editions place alike (before the 2007 changes),
// with one qualification line and four school lines.
std::vector<Want> olderHead(const char* trialRole, int qualifyAdjustOfPresentDate) {
    return {
        {"edTown", 540, 123, 220, 18, 2},
        {"edSchool1", 540, 140, 220, 18, 2},
        {"edSchool2", 540, 160, 220, 18, 2},
        {"edSchool3", 540, 180, 220, 18, 2},
        {"edSchool4", 540, 200, 220, 18, 2},
        {"edSchool5", 540, 220, 220, 18, 2},
        {"edSchool6", 540, 240, 220, 18, 2},
        {"edSurName", 172, 44, 350, 18, 2},
        {"edName", 36, 64, 550, 18, 2},
        {"edBirthDay", 155, 86, 370, 18, 2},
        {"edPrevDocum1", 332, 130, 190, 18, 2},
        {"edPrevDocum2", 36, 149, 550, 18, 2},
        {"edPrevDocum3", 36, 168, 550, 18, 2},
        {trialRole, 205, 196, 81, 18, 2},
        {"edEntry1", 152, 222, 380, 18, 0},
        {"edEntry2", 37, 242, 550, 18, 0},
        {"edEntry3", 37, 262, 550, 18, 0},
        {"edEndLern1", 207, 289, 340, 18, 0},
        {"edEndLern2", 36, 309, 550, 18, 2},
        {"edEndLern3", 36, 329, 550, 18, 2},
        {"edTimeLern", 339, 354, 250, 18, 0},
        {"edSpecial", 152, 381, 550, 18, 0},
        {"edSpecialicy", 152, 404, 550, 18, 0},
        {"edNumToDipl", 588, 281, 140, 19, 2},
        {"edRegNo", 554, 316, 190, 19, 2},
        {"edDateOut", 546, 357, 180, 19, 2},
        {"edPresentDate", 583, 492, 140, 19, qualifyAdjustOfPresentDate},
        {"edQualify", 542, 559, 220, 18, 2},
        {"edNameDiplPrj0", 343, 643, 180, 18, 2},
        {"edNameDiplPrj1", 36, 663, 550, 18, 2},
        {"edNameDiplPrj2", 36, 682, 550, 18, 2},
        {"edResult1", 181, 702, 355, 18, 0},
        {"edResult2", 36, 721, 550, 18, 2},
        {"edExamen1", 217, 752, 320, 18, 2},
        {"edExamen2", 36, 768, 550, 18, 2},
        {"edSpecRight1", 540, 598, 220, 18, 2},
        {"edSpecRight2", 540, 618, 220, 18, 2},
        {"edSpecRight3", 540, 638, 220, 18, 2},
        {"edSpecRight4", 540, 658, 220, 18, 2},
        {"edSpecRight5", 540, 678, 220, 18, 2},
    };
}

std::vector<Want> k1997() {
    std::vector<Want> w = olderHead("cbTrial", 0);
    for (int i = 1; i <= 4; ++i)
        w.push_back({"edCourseWork" + std::to_string(i), 36, 422 + 20 * i, 550, 18, 0});
    for (int i = 1; i <= 4; ++i)
        w.push_back({"edPraktic" + std::to_string(i), 36, 517 + 21 * i, 550, 18, 0});
    for (int i = 1; i <= 10; ++i)
        w.push_back({"edExamMore" + std::to_string(i), 36, 787 + 20 * i, 550, 18, 0});
    return w;
}

std::vector<Want> k2007() {
    std::vector<Want> w = olderHead("edTrial1", 0);
    auto set = [&](std::string_view role, int left, int top, int width) {
        for (Want& x : w)
            if (x.role == role) {
                x.left = left;
                x.top = top;
                x.width = width;
                return;
            }
        ADD_FAILURE() << "no row " << role;
    };
    set("edNumToDipl", 588, 283, 140);
    set("edPrevDocum1", 200, 123, 320);
    set("edPrevDocum2", 36, 142, 550);
    set("edPrevDocum3", 36, 161, 550);
    set("edTrial1", 205, 201, 300);
    set("edEntry1", 152, 265, 380);
    set("edEntry2", 37, 292, 550);
    set("edEntry3", 37, 319, 550);
    set("edEndLern1", 207, 359, 340);
    set("edEndLern2", 36, 386, 550);
    set("edEndLern3", 36, 413, 550);
    set("edTimeLern", 339, 445, 250);
    set("edSpecial", 152, 497, 550);
    set("edSpecialicy", 152, 546, 550);
    set("edNameDiplPrj0", 330, 737, 180);
    set("edNameDiplPrj1", 36, 761, 550);
    set("edResult1", 160, 787, 355);
    set("edExamen1", 392, 821, 200);
    set("edExamen2", 36, 845, 550);
    set("edQualify", 542, 570, 220);
    for (int i = 1; i <= 5; ++i)
        set("edSpecRight" + std::to_string(i), 540, 609 + 20 * i, 220);
    const std::vector<Want> added = {
        {"edTrial2", 37, 225, 550, 18, 2},       {"edTimeLern2", 37, 468, 550, 18, 2},
        {"edSpecial2", 37, 519, 550, 18, 0},     {"edSpecialicy2", 37, 569, 550, 18, 0},
        {"edCourseWork1", 310, 602, 320, 18, 0}, {"edCourseWork2", 36, 627, 550, 18, 0},
        {"edCourseWork3", 36, 648, 550, 18, 0},  {"edPraktic1", 340, 670, 320, 18, 0},
        {"edPraktic2", 36, 694, 550, 18, 0},     {"edPraktic3", 36, 714, 550, 18, 0},
        {"edExamMore1", 330, 883, 320, 18, 0},   {"edExamMore2", 36, 908, 550, 18, 0},
        {"edExamMore3", 36, 933, 550, 18, 0},    {"edExamMore4", 36, 958, 550, 18, 0},
        {"edExamMore5", 36, 983, 550, 18, 0},    {"edExamMore6", 36, 1008, 550, 18, 0},
    };
    w.insert(w.end(), added.begin(), added.end());
    return w;
}

TEST(SupplementSpoLayout, EveryBoxOfThe2010Blank) {
    expectBoxes(*layOut(spoDocument(), edition(2)).pages.at(0), k2010);
}

TEST(SupplementSpoLayout, EveryBoxOfThe1997Blank) {
    expectBoxes(*layOut(spoDocument(), edition(0)).pages.at(0), k1997());
}

TEST(SupplementSpoLayout, EveryBoxOfThe2007Blank) {
    expectBoxes(*layOut(spoDocument(), edition(1)).pages.at(0), k2007());
}

TEST(SupplementSpoLayout, AStoredVersionOutsideTheThreePrintsAsThe1997Blank) {
    expectBoxes(*layOut(spoDocument(), edition(7)).pages.at(0), k1997());
    expectBoxes(*layOut(spoDocument(), edition(-1)).pages.at(0), k1997());
}

TEST(SupplementSpoLayout, FontSizesWithDefaultSettings) {
    const TReport r2010 = layOut(spoDocument(), edition(2));
    for (auto [role, size] : {std::pair{"edNumToDipl", 12},
                              {"edRegNo", 12},
                              {"edSurName", 11},
                              {"edEntry2", 10},
                              {"edTown", 10},  // FontSizeAppTown replaces 11
                              {"edSchool6", 10},
                              {"edEndLern1", 10},
                              {"edQualify", 10}})
        EXPECT_EQ(box(r2010, role).fontSize, size) << role;
    const TReport r1997 = layOut(spoDocument(), edition(0));
    for (auto [role, size] : {std::pair{"edTown", 10},
                              {"edSchool1", 10},
                              {"edSurName", 11},
                              {"edPresentDate", 12},
                              {"edQualify", 10},
                              {"edExamMore10", 10}})
        EXPECT_EQ(box(r1997, role).fontSize, size) << role;
}

// --- Variants of the layouts ---

TEST(SupplementSpo2010, StudentLineNotCentredIsNarrowerAndFurtherRight) {
    Settings s = edition(2);
    s.AdjustStudent = kAlignLeft;
    const TReport r = layOut(spoDocument(), s);
    const TTextBox& surname = box(r, "edSurName");
    EXPECT_EQ((std::array{surname.left, surname.width, surname.adjust}), (std::array{90, 550, 0}));
    const TTextBox& name = box(r, "edName");
    EXPECT_EQ((std::array{name.left, name.width, name.adjust}), (std::array{20, 700, 0}));
}

TEST(SupplementSpo2010, LineDistancesAndShiftsChainDownThePage) {
    Settings s = edition(2);
    s._deltaLine0 = 30;
    s.midDeltaYLeft1App1 = 5;
    s.midDeltaYRight1App1 = 7;
    const TReport r = layOut(spoDocument(), s);
    EXPECT_EQ(box(r, "edSurName").top, 229);
    EXPECT_EQ(box(r, "edName").top, 259);
    EXPECT_EQ(box(r, "edTown").top, 319);
    EXPECT_EQ(box(r, "edSchool6").top, 521);
    EXPECT_EQ(box(r, "edEndLern1").top, 521 + 30 + 13 + 7 + 1);
}

TEST(SupplementSpoOlder, SixSchoolLinesRaiseTheTownAndCloseUpTheSixthLine) {
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        const TReport four = layOut(spoDocument(0), edition(version));
        const TReport six = layOut(spoDocument(1), edition(version));
        EXPECT_EQ(box(six, "edTown").top, box(four, "edTown").top - 16);
        EXPECT_EQ(box(six, "edSchool1").top, 123);
        for (int i = 2; i <= 5; ++i)
            EXPECT_EQ(box(six, "edSchool" + std::to_string(i)).top, 123 + (i - 1) * 20);
        EXPECT_EQ(box(six, "edSchool6").top, box(six, "edSchool5").top + 16);
    }
}

TEST(SupplementSpoOlder, ThreeQualificationLinesAroundTheMiddleOne) {
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        const TReport r = layOut(spoDocument(0, 1), edition(version));
        const int middle = version == 0 ? 559 : 570;
        EXPECT_EQ(box(r, "edQualify2").top, middle);
        EXPECT_EQ(box(r, "edQualify").top, middle - 14);
        EXPECT_EQ(box(r, "edQualify3").top, middle + 16);
        EXPECT_EQ(box(r, "edPresentDate").adjust, 2);
        const TReportPage& page = *r.pages[0];
        // Middle line first, then the first and the third.
        auto index = [&](std::string_view role) {
            for (std::size_t i = 0; i < page.objects.size(); ++i)
                if (page.objects[i]->role == role)
                    return i;
            return page.objects.size();
        };
        EXPECT_EQ(index("edQualify"), index("edQualify2") + 1);
        EXPECT_EQ(index("edQualify3"), index("edQualify2") + 2);
    }
}

TEST(SupplementSpoOlder, SmallQualificationFontMovesTheThreeLines) {
    Settings s = edition(0);
    s.FontYcorr = true;
    s.FontSizeAppQualify = 8;
    const TReport r = layOut(spoDocument(0, 1), s);
    const TTextBox& middle = box(r, "edQualify2");
    EXPECT_EQ(middle.top, 561);
    EXPECT_EQ(middle.height, 16);
    EXPECT_EQ(box(r, "edQualify").top, middle.top - 12);
    EXPECT_EQ(box(r, "edQualify3").top, middle.top + 14);
    for (const char* role : {"edQualify", "edQualify2", "edQualify3"}) {
        EXPECT_EQ(box(r, role).height, 16) << role;
        EXPECT_EQ(box(r, role).fontSize, 8) << role;
    }
    // Without the correction only the size changes.
    s.FontYcorr = false;
    const TReport plain = layOut(spoDocument(0, 1), s);
    EXPECT_EQ(box(plain, "edQualify2").top, 559);
    EXPECT_EQ(box(plain, "edQualify").top, 545);
    EXPECT_EQ(box(plain, "edQualify2").fontSize, 8);
}

TEST(SupplementSpoOlder, Version2007MovesChainedBoxesFromTheirFinalPlaces) {
    Settings s = edition(1);
    s.midDeltaYLeft1App1 = 5;
    s.midDeltaYLeft3App1 = 4;
    s.midDeltaYRight1App1 = 3;
    const TReport r = layOut(spoDocument(), s);
    // The shift is counted once although the 1997 placement used it too.
    EXPECT_EQ(box(r, "edEntry1").top, 270);
    EXPECT_EQ(box(r, "edTimeLern").top, 450);
    EXPECT_EQ(box(r, "edPraktic1").top, box(r, "edCourseWork2").top + 4 + 24 + 19);
    EXPECT_EQ(box(r, "edQualify").top, 573);
    EXPECT_EQ(box(r, "edSpecRight1").top, 632);
    // edRegNo was placed from the 1997 number box and does not follow its move.
    EXPECT_EQ(box(r, "edRegNo").top, 316);
}

// --- Content stage: shifts, sizes, duplicate mark, texts ---

TEST(SupplementSpoShift, RightColumnShiftMovesOnlyTheOlderRightColumn) {
    for (int version : {0, 1, 2}) {
        SCOPED_TRACE(version);
        Settings base = edition(version);
        Settings shifted = base;
        shifted.DeltaX1 = 3;
        shifted.DeltaY1 = 5;
        shifted.DeltaXRightApp = 7;
        shifted.DeltaYRightApp = 10;
        const TReport a = layOut(spoDocument(0, 1), base);
        const TReport b = layOut(spoDocument(0, 1), shifted);
        const std::set<std::string> right = {
            "edTown",        "edSchool1",    "edSchool2",    "edSchool3",   "edSchool4",
            "edSchool5",     "edSchool6",    "edNumToDipl",  "edRegNo",     "edDateOut",
            "edPresentDate", "edQualify",    "edQualify2",   "edQualify3",  "edSpecRight1",
            "edSpecRight2",  "edSpecRight3", "edSpecRight4", "edSpecRight5"};
        const auto& pa = a.pages[0]->objects;
        const auto& pb = b.pages[0]->objects;
        ASSERT_EQ(pa.size(), pb.size());
        for (std::size_t i = 0; i < pa.size(); ++i) {
            const bool inRight = version != 2 && right.contains(pa[i]->role);
            SCOPED_TRACE(pa[i]->role);
            EXPECT_EQ(pb[i]->left - pa[i]->left, inRight ? 10 : 3);
            EXPECT_EQ(pb[i]->top - pa[i]->top, inRight ? 15 : 5);
        }
    }
}

TEST(SupplementSpoShift, DuplicateMarkFirstAndShiftedWithThePage) {
    for (int version : {0, 1, 2}) {
        Settings s = edition(version);
        s.DeltaX1 = -4;
        s.DeltaY1 = 6;
        s.DeltaXRightApp = 50;
        Document doc = spoDocument();
        doc.setFlag(Flag::cbCopySign, true);
        doc.setFlag(Flag::cbCopySignDbl, true);
        const TReport r = layOut(doc, s);
        const TTextBox& mark = *r.pages[0]->objects.at(0);
        EXPECT_EQ(mark.role, "duplicate");
        EXPECT_EQ(mark.left, 496);
        EXPECT_EQ(mark.top, 16);
        EXPECT_EQ(mark.text, std::vector<std::string>{cp("Дубликат")});
        doc.setFlag(Flag::cbCopySign, false);
        doc.setFlag(Flag::cbCopySignDbl, false);
        EXPECT_EQ(findBox(*layOut(doc, s).pages[0], "duplicate"), nullptr);
    }
}

TEST(SupplementSpoSizes, TownAndSchoolSizesWithTheSmallFontCorrection) {
    for (int version : {0, 2}) {
        SCOPED_TRACE(version);
        Settings s = edition(version);
        const TReport before = layOut(spoDocument(), s);
        s.FontYcorr = true;
        s.FontSizeAppTown = 8;
        s.FontSizeAppSchool = 9;
        const TReport after = layOut(spoDocument(), s);
        EXPECT_EQ(box(after, "edTown").fontSize, 8);
        EXPECT_EQ(box(after, "edTown").top, box(before, "edTown").top + 2);
        EXPECT_EQ(box(after, "edTown").height, 16);
        for (int i = 1; i <= 6; ++i) {
            const std::string role = "edSchool" + std::to_string(i);
            EXPECT_EQ(box(after, role).fontSize, 9);
            EXPECT_EQ(box(after, role).top, box(before, role).top + 1);
            EXPECT_EQ(box(after, role).height, 17);
        }
    }
}

TEST(SupplementSpoSizes, SizeSettingOfZeroKeepsThePlacedSize) {
    Settings s = edition(0);
    s.FontSizeAppTown = 0;
    s.FontSizeAppNameDiplPrj = 0;
    s.FontSizeAppExamMore = 0;
    const TReport r = layOut(spoDocument(), s);
    EXPECT_EQ(box(r, "edTown").fontSize, 11);
    EXPECT_EQ(box(r, "edNameDiplPrj0").fontSize, 10);
    EXPECT_EQ(box(r, "edExamMore1").fontSize, 10);
}

TEST(SupplementSpoSizes, OlderLayoutSizesPerGroupAndEdition) {
    for (int version : {0, 1}) {
        SCOPED_TRACE(version);
        Settings s = edition(version);
        s.FontYcorr = true;
        s.FontSizeAppSpecRight = 8;
        s.FontSizeAppCourseWork = 7;
        s.FontSizeAppPraktic = 6;
        s.FontSizeAppNameDiplPrj = 9;
        s.FontSizeAppExamMore = 8;
        const TReport before = layOut(spoDocument(), edition(version));
        const TReport r = layOut(spoDocument(), s);
        // Specialty line 1 keeps its place; lines 2..5 take the correction.
        EXPECT_EQ(box(r, "edSpecRight1").top, box(before, "edSpecRight1").top);
        EXPECT_EQ(box(r, "edSpecRight2").top, box(before, "edSpecRight2").top + 2);
        EXPECT_EQ(box(r, "edSpecRight5").height, 16);
        EXPECT_EQ(box(r, "edSpecRight1").fontSize, 8);
        const int courseLines = version == 0 ? 4 : 3;
        const int examLines = version == 0 ? 10 : 6;
        for (int i = 1; i <= courseLines; ++i) {
            EXPECT_EQ(box(r, "edCourseWork" + std::to_string(i)).fontSize, 7);
            EXPECT_EQ(box(r, "edPraktic" + std::to_string(i)).fontSize, 6);
            EXPECT_EQ(box(r, "edPraktic" + std::to_string(i)).top,
                      box(before, "edPraktic" + std::to_string(i)).top);
        }
        for (int i = 1; i <= examLines; ++i)
            EXPECT_EQ(box(r, "edExamMore" + std::to_string(i)).fontSize, 8);
        EXPECT_EQ(box(r, "edNameDiplPrj0").fontSize, 9);
        EXPECT_EQ(box(r, "edNameDiplPrj1").fontSize, 9);
        EXPECT_EQ(box(r, "edNameDiplPrj2").fontSize, version == 0 ? 9 : 10);
    }
}

TEST(SupplementSpoSizes, Version2010QualificationAndSpecialtySizesWithoutCorrection) {
    Settings s = edition(2);
    s.FontYcorr = true;
    s.FontSizeAppQualify = 8;
    s.FontSizeAppSpecRight = 9;
    s.FontSizeApp5SpecRight = 0;  // the NPO key does not reach this page
    const TReport r = layOut(spoDocument(), s);
    for (const char* role : {"edExamen1", "edQualify", "edQualify2", "edQualify3"}) {
        EXPECT_EQ(box(r, role).fontSize, 8) << role;
        EXPECT_EQ(box(r, role).height, 18) << role;
    }
    for (const char* role : {"edSpecial", "edSpecialicy", "edNameDiplPrj1", "edNameDiplPrj2"}) {
        EXPECT_EQ(box(r, role).fontSize, 9) << role;
        EXPECT_EQ(box(r, role).height, 18) << role;
    }
    EXPECT_EQ(box(r, "edQualify").top, 638);
}

TEST(SupplementSpoTexts, FieldsUnchangedAndSchoolLinesFiveAndSixOnlyWithSixLines) {
    for (int version : {0, 1, 2}) {
        SCOPED_TRACE(version);
        Document doc = spoDocument(0, 1);
        doc.setText(Field::edSurName, cp("  Иванов "));
        doc.setText(Field::edSchool5, cp("пятая"));
        doc.setText(Field::edSchool6, cp("шестая"));
        doc.setText(Field::edQualify, cp("первая"));
        doc.setText(Field::edQualify2, cp("вторая"));
        doc.setText(Field::edQualify3, cp("третья"));
        doc.setText(Field::edNameDiplPrj2, cp("тема"));
        doc.setText(Field::edExamMore6, cp("экзамен"));
        const TReport r = layOut(doc, edition(version));
        EXPECT_EQ(box(r, "edSurName").text, std::vector<std::string>{cp("  Иванов ")});
        EXPECT_EQ(box(r, "edSchool5").text, std::vector<std::string>{""});
        EXPECT_EQ(box(r, "edSchool6").text, std::vector<std::string>{""});
        EXPECT_EQ(box(r, "edQualify").text, std::vector<std::string>{cp("первая")});
        EXPECT_EQ(box(r, "edQualify2").text, std::vector<std::string>{cp("вторая")});
        EXPECT_EQ(box(r, "edQualify3").text, std::vector<std::string>{cp("третья")});
        EXPECT_EQ(box(r, "edRegNo").text, std::vector<std::string>{""});
        EXPECT_EQ(box(r, "edNameDiplPrj2").text,
                  std::vector<std::string>{version == 1 ? "" : cp("тема")});
        if (version != 2) {
            EXPECT_EQ(box(r, "edExamMore6").text, std::vector<std::string>{cp("экзамен")});
        }

        doc.setChoice(Choice::rgSchool, 1);
        const TReport six = layOut(doc, edition(version));
        EXPECT_EQ(box(six, "edSchool6").text, std::vector<std::string>{cp("шестая")});
    }
}

TEST(SupplementSpoTexts, OneQualificationLinePrintsTheFirstFieldInTheMiddleBox) {
    Document doc = spoDocument(0, 0);
    doc.setText(Field::edQualify, cp("техник"));
    doc.setText(Field::edQualify2, cp("не печатается"));
    const TReport r = layOut(doc, edition(0));
    EXPECT_EQ(box(r, "edQualify").text, std::vector<std::string>{cp("техник")});
    EXPECT_EQ(box(r, "edQualify").top, 559);
    EXPECT_EQ(findBox(*r.pages[0], "edQualify2"), nullptr);
}

TEST(SupplementSpoTexts, TrialLineByEdition) {
    Document doc = spoDocument();
    doc.setText(Field::edTrial1, cp("прошла успешно"));
    doc.setText(Field::edTrial2, cp("вторая строка"));
    for (auto [item, want] : {std::pair{0, "прошел"}, {1, "прошла"}, {-1, ""}}) {
        doc.setChoice(Choice::cbTrial, item);
        EXPECT_EQ(box(layOut(doc, edition(0)), "cbTrial").text, std::vector<std::string>{cp(want)});
    }
    const TReport r = layOut(doc, edition(1));
    EXPECT_EQ(box(r, "edTrial1").text, std::vector<std::string>{cp("прошла успешно")});
    EXPECT_EQ(box(r, "edTrial2").text, std::vector<std::string>{cp("вторая строка")});
}

TEST(SupplementSpoDispatch, LayoutSheetRunsBothStages) {
    Document doc = spoDocument();
    doc.setText(Field::edSurName, cp("Петров"));
    TReport report;
    std::string error;
    ASSERT_TRUE(layoutSheet(SheetKind::SupplementSpo, doc, edition(2), {}, report, &error))
        << error;
    EXPECT_EQ(box(report, "edSurName").text, std::vector<std::string>{cp("Петров")});
    EXPECT_EQ(report.pages[0]->objects.size(), k2010.size());
}

// --- On paper ---

TEST(SupplementSpoPrintout, EveryEntryLandsWhereThePageModelSays) {
    const auto bin = test::printed::printBinary();
    if (!bin)
        GTEST_SKIP() << "vellex-print or pdftotext is missing";
    const Document doc = test::printed::wordDocument(Page::SupplementSpo);
    // `empty`: boxes that print nothing — no trial choice is made on the 1997 blank, the 2007
    // blank leaves two lines out and four school lines leave lines 5 and 6 empty.
    struct Blank {
        int version, schoolMode, qualifyMode;
        std::size_t boxes;
        int empty;
    };
    for (const Blank& b : {Blank{2, 1, 1, k2010.size(), 0}, Blank{0, 1, 1, k1997().size() + 2, 1},
                           Blank{1, 0, 0, k2007().size(), 4}}) {
        SCOPED_TRACE("edition " + std::to_string(b.version));
        test::TempDir dir;
        const auto printout = test::printed::printSheet(
            *bin, dir, "supplement-spo", doc,
            "VellexVersion=" + std::to_string(b.version) +
                "\r\nSchoolMode=" + std::to_string(b.schoolMode) +
                "\r\nQualifyMode=" + std::to_string(b.qualifyMode) + "\r\nCopySign=1\r\n");
        ASSERT_TRUE(printout);
        // The layout's boxes and the duplicate mark.
        ASSERT_EQ(printout->page["boxes"].size(), b.boxes + 1);
        EXPECT_EQ(test::printed::expectWordsWhereThePageSays(*printout),
                  int(b.boxes) + 1 - b.empty);
    }
}

}  // namespace
}  // namespace vellex

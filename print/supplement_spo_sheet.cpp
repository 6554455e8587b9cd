#include "print/supplement_spo_sheet.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/document.h"
#include "print/first_page_boxes.h"
#include "storage/settings.h"
#include "text/cp1251.h"

namespace vellex {

namespace {

using S = Settings;
constexpr ShiftGroup kRight = ShiftGroup::Right;
constexpr ShiftGroup kSheet = ShiftGroup::Sheet;

// Variant bits of this sheet's blanks.
constexpr std::uint32_t kSixSchool = 1;     // rgSchool "6 строк"
constexpr std::uint32_t kThreeQualify = 2;  // rgQualify "3 строки"

LayoutKey layoutKey(const Document& doc, const Settings& s) {
    std::uint32_t variant = 0;
    if (doc.choice(Choice::rgSchool) == 1)
        variant |= kSixSchool;
    if (doc.choice(Choice::rgQualify) == 1)
        variant |= kThreeQualify;
    return {supplementEdition(s), variant};
}

// --- The 2010 blanks: one column of lines across the page ---

std::vector<BoxRow> rows2010() {
    const Formula right = setting(&S::AdjustLinesAppRight1);
    const Formula student = setting(&S::AdjustStudent);
    const Formula birthDay = setting(&S::AdjustBirthDay);
    const Formula school = setting(&S::AdjustSchool);
    const Formula app1 = setting(&S::AdjustLinesApp1);
    // The surname line is narrower and starts further right when it is not centred.
    const Formula surnameLeft = [](const PlaceContext& c) {
        return c.s.AdjustStudent == kAlignCenter ? 20 : 90;
    };
    const Formula surnameWidth = [](const PlaceContext& c) {
        return c.s.AdjustStudent == kAlignCenter ? 700 : 550;
    };
    const Formula schoolTop = [](const PlaceContext& c) {
        return c.boxes.at("edTown").top + c.line * c.s._deltaLine + c.s._deltaH2;
    };
    // clang-format off
    return {
        // role, left, top, width, height, size, adjust, group, lines
        {"edNumToDipl", fixed(110), fixed(185), fixed(200), 19, 12, right},
        {"edRegNo", afterPrev(220), prevTop(), fixed(200), 19, 12, right},
        {"edSurName", surnameLeft,
         topOf("edNumToDipl", -3, {&S::midDeltaYLeft1App1, &S::_deltaLine, &S::_deltaH2}),
         surnameWidth, 18, 11, student},
        {"edName", fixed(20), prevTop(0, {&S::_deltaLine0}), fixed(700), 18, 11, student},
        {"edNameDiplPrj0", fixed(20), prevTop(0, {&S::_deltaLine0}), fixed(700), 18, 11, student},
        {"edEntry2", fixed(55), prevTop(0, {&S::_deltaLine0}), fixed(45), 18, 10, birthDay},
        {"edDateOut", afterPrev(20), prevTop(), fixed(80), 18, 11, right},
        {"edBirthDay", afterPrev(20), prevTop(), fixed(60), 18, 11, birthDay},
        {"edTown", afterPrev(20), prevTop(), widthTo(680), 18, 11, school},
        {"edSchool", fixed(20), schoolTop, fixed(700), 18, 11, school, kSheet, 6},
        {"edEndLern1", fixed(470),
         topOf("edSchool6", 1, {&S::_deltaLine0, &S::_deltaH1, &S::midDeltaYRight1App1}),
         fixed(45), 18, 10, fixed(adjust::kCenter)},
        {"edEndLern2", afterPrev(20), prevTop(), fixed(75), 18, 10, fixed(adjust::kCenter)},
        {"edEndLern3", afterPrev(20), prevTop(), widthTo(690), 18, 10, fixed(adjust::kCenter)},
        {"edExamen1", fixed(240), prevTop(1, {&S::_deltaLine0}), fixed(450), 18, 10, right},
        {"edQualify", fixed(20), prevTop(0, {&S::_deltaLine}), fixed(700), 18, 10, right},
        {"edQualify2", fixed(20), prevTop(0, {&S::_deltaLine0}), fixed(700), 18, 10, right},
        {"edQualify3", fixed(20), prevTop(0, {&S::_deltaLine}), fixed(700), 18, 10, right},
        {"edSpecial", fixed(145), prevTop(0, {&S::_deltaLine}), fixed(610), 18, 10, right},
        {"edSpecialicy", fixed(20), prevTop(0, {&S::_deltaLine}), fixed(700), 18, 10, right},
        {"edNameDiplPrj1", fixed(20), prevTop(0, {&S::_deltaLine}), fixed(700), 18, 10, right},
        {"edNameDiplPrj2", fixed(20), prevTop(0, {&S::_deltaLine}), fixed(700), 18, 10, right},
        {"edTimeLern", fixed(380), prevTop(0, {&S::_deltaLine0, &S::midDeltaYRight2App1}),
         fixed(380)},
        {"edTimeLern2", fixed(100),
         prevTop(6, {&S::_deltaLine0, &S::_deltaH1, &S::midDeltaYLeft3App1}), fixed(380), 18,
         10, app1},
        {"edExamen2", fixed(540), prevTop(), fixed(200), 18, 10, app1},
        {"edPrevDocum1", fixed(420), prevTop(1, {&S::_deltaLine0, &S::midDeltaYLeft4App1}),
         fixed(60)},
        {"edPrevDocum2", afterPrev(20), prevTop(), fixed(80), 18, 10, app1},
        {"edPrevDocum3", afterPrev(30), prevTop(), fixed(100)},
        {"edResult1", fixed(20), prevTop(3, {&S::_deltaLine0}), fixed(700), 18, 10, app1},
        {"edResult2", fixed(20), prevTop(-1, {&S::_deltaH1, &S::_deltaH2}), fixed(700), 18, 10,
         app1},
        {"edEntry1", fixed(190), prevTop(0, {&S::_deltaH1, &S::midDeltaYLeft2App1}), fixed(70),
         18, 10, app1},
        {"edEntry3", afterPrev(10), prevTop(), fixed(80), 18, 10, app1},
    };
    // clang-format on
}

// --- The older blanks (1997 - 2006 and 2007 / 2008): two columns ---

// The qualification lines of the right column. With three lines the box named after the
// middle line carries the block and the outer lines follow it; with one line the single box
// takes the middle place.
std::vector<BoxRow> qualifyRows(Formula middleTop, bool three) {
    const Formula right = setting(&S::AdjustLinesAppRight1);
    if (!three)
        return {{"edQualify", fixed(542), std::move(middleTop), fixed(220), 18, 10, right, kRight}};
    return {
        {"edQualify2", fixed(542), std::move(middleTop), fixed(220), 18, 10, right, kRight},
        {"edQualify", fixed(542), topOf("edQualify2", -14), fixed(220), 18, 10, right, kRight},
        {"edQualify3", fixed(542), topOf("edQualify2", 16), fixed(220), 18, 10, right, kRight},
    };
}

// The specialty lines of the right column: on the 2007 blanks they hang below the middle
// qualification line, whichever box that is.
std::vector<BoxRow> specRightBelow(const char* middle) {
    return {{"edSpecRight", fixed(540),
             [middle](const PlaceContext& c) { return c.boxes.at(middle).top + 39 + 20 * c.line; },
             fixed(220), 18, 10, setting(&S::AdjustLinesAppRight1), kRight, 5}};
}

const Layout& layout() {
    const Formula right = setting(&S::AdjustLinesAppRight1);
    const Formula app1 = setting(&S::AdjustLinesApp1);
    const Formula school = setting(&S::AdjustSchool);
    const Formula student = setting(&S::AdjustStudent);
    const Formula town = setting(&S::AdjustTown);
    constexpr auto mdyL1 = &S::midDeltaYLeft1App1;
    constexpr auto mdyL2 = &S::midDeltaYLeft2App1;
    constexpr auto mdyL3 = &S::midDeltaYLeft3App1;
    constexpr auto mdyL4 = &S::midDeltaYLeft4App1;
    constexpr auto mdyL5 = &S::midDeltaYLeft5App1;
    constexpr auto mdyR1 = &S::midDeltaYRight1App1;
    constexpr auto mdyR2 = &S::midDeltaYRight2App1;
    const Formula schoolLine = [](const PlaceContext& c) {
        return c.boxes.at("edSchool1").top + (c.line - 1) * 20;
    };
    // clang-format off
    static const Layout rows = {
        {{kEd2}, rows2010()},

        // Five school lines under the town; with six the block rises: line 1 takes the
        // town's place, the town goes above it and the sixth line sits closer to the fifth.
        {{kOlderEditions, 0, kSixSchool}, {
            {"edTown", fixed(540), fixed(123), fixed(220), 18, 11, town, kRight},
            {"edSchool1", fixed(540), topOf("edTown", 17), fixed(220), 18, 11, school, kRight},
            {"edSchool", fixed(540), schoolLine, fixed(220), 18, 11, school, kRight, 5, 2},
        }},
        {{kOlderEditions, kSixSchool}, {
            {"edTown", fixed(540), fixed(107), fixed(220), 18, 11, town, kRight},
            {"edSchool1", fixed(540), topOf("edTown", 16), fixed(220), 18, 11, school, kRight},
            {"edSchool", fixed(540), schoolLine, fixed(220), 18, 11, school, kRight, 4, 2},
            {"edSchool6", fixed(540), topOf("edSchool5", 16), fixed(220), 18, 11, school, kRight},
        }},
        {{kOlderEditions}, {
            {"edSurName", fixed(172), fixed(44), fixed(350), 18, 11, student},
            {"edName", fixed(36), topOf("edSurName", 20), fixed(550), 18, 11, student},
            {"edBirthDay", fixed(155), prevTop(22), fixed(370), 18, 11, setting(&S::AdjustBirthDay)},
        }},
        // The left column down to the specialty. The 1997 blank prints the trial as the
        // cbTrial choice, the 2007 one as text on two lines and spaces the lines wider.
        {{kEd0}, {
            {"edPrevDocum1", fixed(332), prevTop(44), fixed(190), 18, 10, app1},
            {"edPrevDocum2", fixed(36), prevTop(19), fixed(550), 18, 10, app1},
            {"edPrevDocum3", fixed(36), prevTop(19), fixed(550), 18, 10, app1},
            {"cbTrial", fixed(205), prevTop(28), fixed(81), 18, 10, app1},
            {"edEntry1", fixed(152), fixedPlus(222, {mdyL1}), fixed(380)},
            {"edEntry2", fixed(37), prevTop(20), fixed(550)},
            {"edEntry3", fixed(37), prevTop(20), fixed(550)},
            {"edEndLern1", fixed(207), prevTop(27), fixed(340)},
            {"edEndLern2", fixed(36), prevTop(20), fixed(550), 18, 10, app1},
            {"edEndLern3", fixed(36), prevTop(20), fixed(550), 18, 10, app1},
            {"edTimeLern", fixed(339), prevTop(25), fixed(250)},
            {"edSpecial", fixed(152), prevTop(27), fixed(550)},
            {"edSpecialicy", fixed(152), prevTop(23, {mdyL2}), fixed(550)},
            {"edNumToDipl", fixed(588), fixed(281), fixed(140), 19, 12, right, kRight},
            {"edRegNo", fixed(554), prevTop(35), fixed(190), 19, 12, right, kRight},
        }},
        // On the 2007 blank edEntry1, edSpecial and edSpecialicy follow the second line of
        // the block above them (edTrial2 24, edTimeLern2 23, edSpecial2 22 below the first),
        // which the page lists at the end with the other lines this blank added.
        {{kEd1}, {
            {"edPrevDocum1", fixed(200), topOf("edBirthDay", 37), fixed(320), 18, 10, app1},
            {"edPrevDocum2", fixed(36), prevTop(19), fixed(550), 18, 10, app1},
            {"edPrevDocum3", fixed(36), prevTop(19), fixed(550), 18, 10, app1},
            {"edTrial1", fixed(205), prevTop(40), fixed(300), 18, 10, app1},
            {"edEntry1", fixed(152), prevTop(24 + 40, {mdyL1}), fixed(380)},
            {"edEntry2", fixed(37), prevTop(27), fixed(550)},
            {"edEntry3", fixed(37), prevTop(27), fixed(550)},
            {"edEndLern1", fixed(207), prevTop(40), fixed(340)},
            {"edEndLern2", fixed(36), prevTop(27), fixed(550), 18, 10, app1},
            {"edEndLern3", fixed(36), prevTop(27), fixed(550), 18, 10, app1},
            {"edTimeLern", fixed(339), prevTop(32), fixed(250)},
            {"edSpecial", fixed(152), prevTop(23 + 29), fixed(550)},
            {"edSpecialicy", fixed(152), prevTop(22 + 27, {mdyL2}), fixed(550)},
            {"edNumToDipl", fixed(588), fixed(283), fixed(140), 19, 12, right, kRight},
            // The registration number kept its 1997 place when the number moved down.
            {"edRegNo", fixed(554), fixed(281 + 35), fixed(190), 19, 12, right, kRight},
        }},
        {{kOlderEditions}, {
            {"edDateOut", fixed(546), prevTop(41), fixed(180), 19, 12, right, kRight},
        }},
        // The presentation date is centred with its column only when three qualification
        // lines fill the block below it.
        {{kOlderEditions, kThreeQualify}, {
            {"edPresentDate", fixed(583), prevTop(135, {mdyR1}), fixed(140), 19, 12, right, kRight},
        }},
        {{kOlderEditions, 0, kThreeQualify}, {
            {"edPresentDate", fixed(583), prevTop(135, {mdyR1}), fixed(140), 19, 12, fixed(adjust::kLeft), kRight},
        }},
        {{kEd0, kThreeQualify}, qualifyRows(topOf("edPresentDate", 67, {mdyR2}), true)},
        {{kEd0, 0, kThreeQualify}, qualifyRows(topOf("edPresentDate", 67, {mdyR2}), false)},
        {{kEd1, kThreeQualify}, qualifyRows(fixedPlus(570, {mdyR1}), true)},
        {{kEd1, 0, kThreeQualify}, qualifyRows(fixedPlus(570, {mdyR1}), false)},
        {{kEd0}, {
            {"edNameDiplPrj0", fixed(343), fixedPlus(643, {mdyL4}), fixed(180), 18, 10, app1},
            {"edNameDiplPrj1", fixed(36), prevTop(20), fixed(550), 18, 10, app1},
            {"edNameDiplPrj2", fixed(36), prevTop(19), fixed(550), 18, 10, app1},
            {"edResult1", fixed(181), prevTop(20), fixed(355)},
            {"edResult2", fixed(36), prevTop(19), fixed(550), 18, 10, app1},
            {"edExamen1", fixed(217), prevTop(31), fixed(320), 18, 10, app1},
            {"edExamen2", fixed(36), prevTop(16), fixed(550), 18, 10, app1},
            {"edSpecRight", fixed(540), [](const PlaceContext& c) { return 578 + 20 * c.line; },
             fixed(220), 18, 10, right, kRight, 5},
        }},
        // The title of the work lies 43 below the second practice line, which hangs from
        // edSpecialicy through edSpecialicy2 (23) and the course work lines (58, then 67 and
        // the practice shift) — all of them further down the page's list. edNameDiplPrj2 and
        // edResult2 stay empty on this blank, at the place the 1997 one gives them.
        {{kEd1}, {
            {"edNameDiplPrj0", fixed(330), topOf("edSpecialicy", 23 + 58 + 67 + 43, {mdyL3, mdyL4}),
             fixed(180), 18, 10, app1},
            {"edNameDiplPrj1", fixed(36), prevTop(24), fixed(550), 18, 10, app1},
            {"edNameDiplPrj2", fixed(36), fixedPlus(643 + 20 + 19, {mdyL4}), fixed(550), 18, 10, app1},
            {"edResult1", fixed(160), topOf("edNameDiplPrj1", 26), fixed(355)},
            {"edResult2", fixed(36), fixedPlus(643 + 20 + 19 + 20 + 19, {mdyL4}), fixed(550), 18, 10, app1},
            {"edExamen1", fixed(392), topOf("edResult1", 34), fixed(200), 18, 10, app1},
            {"edExamen2", fixed(36), prevTop(24), fixed(550), 18, 10, app1},
        }},
        {{kEd1, kThreeQualify}, specRightBelow("edQualify2")},
        {{kEd1, 0, kThreeQualify}, specRightBelow("edQualify")},
        {{kEd0}, {
            {"edCourseWork", fixed(36), [](const PlaceContext& c) { return 422 + 20 * c.line; },
             fixed(550), 18, 10, {}, kSheet, 4},
            {"edPraktic", fixed(36),
             [](const PlaceContext& c) { return 517 + 21 * c.line + c.s.midDeltaYLeft3App1; },
             fixed(550), 18, 10, {}, kSheet, 4},
            {"edExamMore", fixed(36),
             [](const PlaceContext& c) { return 787 + 20 * c.line + c.s.midDeltaYLeft5App1; },
             fixed(550), 18, 10, {}, kSheet, 10},
        }},
        // The lines the 2007 blank added; the first line of each block is short, after its
        // caption.
        {{kEd1}, {
            {"edTrial2", fixed(37), topOf("edTrial1", 24), fixed(550), 18, 10, app1},
            {"edTimeLern2", fixed(37), topOf("edTimeLern", 23), fixed(550), 18, 10, app1},
            {"edSpecial2", fixed(37), topOf("edSpecial", 22), fixed(550)},
            {"edSpecialicy2", fixed(37), topOf("edSpecialicy", 23), fixed(550)},
            {"edCourseWork1", fixed(310), topOf("edSpecialicy2", 25 + 8), fixed(320)},
            {"edCourseWork2", fixed(36), topOf("edSpecialicy2", 50 + 8), fixed(550)},
            {"edCourseWork3", fixed(36), prevTop(21), fixed(550)},
            {"edPraktic1", fixed(340), topOf("edCourseWork2", 24 + 19, {mdyL3}), fixed(320)},
            {"edPraktic2", fixed(36), topOf("edCourseWork2", 48 + 19, {mdyL3}), fixed(550)},
            {"edPraktic3", fixed(36), prevTop(20), fixed(550)},
            {"edExamMore1", fixed(330), topOf("edExamen2", 25 + 13, {mdyL5}), fixed(320)},
            {"edExamMore", fixed(36),
             [](const PlaceContext& c) {
                 return c.boxes.at("edExamen2").top + 25 * c.line + 13 + c.s.midDeltaYLeft5App1;
             },
             fixed(550), 18, 10, {}, kSheet, 5, 2},
        }},
    };
    // clang-format on
    return rows;
}

// The older blanks size their qualification lines apart (applyQualifySize).
const std::vector<SizeRule>& sizeRules() {
    // clang-format off
    static const std::vector<SizeRule> rules = {
        {{}, &S::FontSizeAppTown, {"edTown"}, Correction::SmallFont},
        {{}, &S::FontSizeAppSchool, lineRoles("edSchool", 1, 6), Correction::SmallFont},
        {{kEd2}, &S::FontSizeAppQualify, {"edExamen1", "edQualify", "edQualify2", "edQualify3"},
         Correction::None},
        // These four lines are the SPO specialty lines of the 2010 blank, so they take the
        // SPO specialty size; the NPO key FontSizeApp5SpecRight is left to the NPO page.
        {{kEd2}, &S::FontSizeAppSpecRight,
         {"edSpecial", "edSpecialicy", "edNameDiplPrj1", "edNameDiplPrj2"}, Correction::None},
        {{kOlderEditions}, &S::FontSizeAppSpecRight, {"edSpecRight1"}, Correction::None},
        {{kOlderEditions}, &S::FontSizeAppSpecRight, lineRoles("edSpecRight", 2, 5),
         Correction::SmallFont},
        {{kEd0}, &S::FontSizeAppCourseWork, lineRoles("edCourseWork", 1, 4), Correction::None},
        {{kEd1}, &S::FontSizeAppCourseWork, lineRoles("edCourseWork", 1, 3), Correction::None},
        {{kEd0}, &S::FontSizeAppPraktic, lineRoles("edPraktic", 1, 4), Correction::None},
        {{kEd1}, &S::FontSizeAppPraktic, lineRoles("edPraktic", 1, 3), Correction::None},
        // Like every other size setting, 0 keeps the placed size: a 0-point font would drop
        // the title of the qualification work from the printed supplement.
        {{kEd0}, &S::FontSizeAppNameDiplPrj, lineRoles("edNameDiplPrj", 0, 2), Correction::None},
        {{kEd1}, &S::FontSizeAppNameDiplPrj, lineRoles("edNameDiplPrj", 0, 1), Correction::None},
        {{kEd0}, &S::FontSizeAppExamMore, lineRoles("edExamMore", 1, 10), Correction::None},
        {{kEd1}, &S::FontSizeAppExamMore, lineRoles("edExamMore", 1, 6), Correction::None},
    };
    // clang-format on
    return rules;
}

// Lines a blank has a box for but nothing to print in: the fifth and sixth school lines
// when the school takes fewer lines, and two 1997 lines the 2007 blank has no place for.
const std::vector<std::pair<When, std::vector<std::string>>>& emptyLines() {
    static const std::vector<std::pair<When, std::vector<std::string>>> lines = {
        {{kAnyEdition, 0, kSixSchool}, {"edSchool5", "edSchool6"}},
        {{kEd1}, {"edNameDiplPrj2", "edResult2"}},
    };
    return lines;
}

// The shown text of the cbTrial drop-down.
std::string trialText(const Document& doc) {
    switch (doc.choice(Choice::cbTrial)) {
        case 0:
            return cp1251::fromUtf8("прошел").bytes;
        case 1:
            return cp1251::fromUtf8("прошла").bytes;
        default:
            return {};
    }
}

// The qualification lines move with their font size in their own way: the outer lines are
// set from the middle one rather than shifted by the correction.
void applyQualifySize(const SheetBoxes& boxes, const Settings& s, bool three) {
    const int size = s.FontSizeAppQualify;
    if (size == 0)
        return;
    TTextBox& middle = boxes.at(three ? "edQualify2" : "edQualify");
    TTextBox* first = three ? &boxes.at("edQualify") : nullptr;
    TTextBox* third = three ? &boxes.at("edQualify3") : nullptr;
    for (TTextBox* b : {&middle, first, third})
        if (b)
            setFontSize(*b, size);
    const int d = smallFontCorrection(s, size);
    if (d == 0)
        return;
    setCoordinate(middle, Coordinate::Top, middle.top + d);
    setCoordinate(middle, Coordinate::Height, middle.height - d);
    if (three) {
        setCoordinate(*first, Coordinate::Top, middle.top - size - 4);
        setCoordinate(*third, Coordinate::Top, middle.top + size + 6);
        for (TTextBox* b : {first, third})
            setCoordinate(*b, Coordinate::Height, b->height - d);
    }
}

}  // namespace

SheetBoxes placeSupplementSpoSheet(const Document& doc, const Settings& s, TReport& report) {
    SheetBoxes boxes = beginSupplementSheet(report, doc, sheet_code::kSupplementSpo);
    placeRows(boxes, s, selectRows(layout(), layoutKey(doc, s)));
    return boxes;
}

void fillSupplementSpoSheet(const SheetBoxes& boxes, const Document& doc, const Settings& s) {
    const LayoutKey key = layoutKey(doc, s);
    applySizeRules(boxes, s, sizeRules(), key);
    if (key.edition != 2)
        applyQualifySize(boxes, s, key.variant & kThreeQualify);
    applyRowAdjust(boxes, s, selectRows(layout(), key));

    // The 2010 blank has no right-hand group, so DeltaXRightApp / DeltaYRightApp reach no
    // box there.
    shiftSheet(boxes, s.DeltaX1, s.DeltaY1, s.DeltaXRightApp, s.DeltaYRightApp,
               MarkShift::WithSheet);

    putFieldTexts(boxes, doc);
    if (TTextBox* trial = boxes.find("cbTrial"))
        putText(*trial, trialText(doc));
    for (const auto& [when, roles] : emptyLines())
        if (when.matches(key))
            for (const std::string& role : roles)
                putText(boxes.at(role), "");
}

void layoutSupplementSpoSheet(const Document& doc, const Settings& s, TReport& report) {
    const SheetBoxes boxes = placeSupplementSpoSheet(doc, s, report);
    fillSupplementSpoSheet(boxes, doc, s);
}

}  // namespace vellex

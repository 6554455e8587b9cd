#include "print/supplement_npo_sheet.h"

#include <cstdint>
#include <vector>

#include "model/document.h"
#include "print/first_page_boxes.h"
#include "storage/settings.h"

namespace vellex {

namespace {

using S = Settings;
using C = const PlaceContext&;

// The right part of this page has its own centring code among the four first pages.
const Formula kRight = setting(&S::AdjustLinesAppRight5);
const Formula kApp5 = setting(&S::AdjustLinesApp5);
const Formula kStudent = setting(&S::AdjustStudent);
const Formula kBirthDay = setting(&S::AdjustBirthDay);
const Formula kSchool = setting(&S::AdjustSchool);
const Formula kTown = setting(&S::AdjustTown);
constexpr ShiftGroup kLeftPart = ShiftGroup::Sheet;
constexpr ShiftGroup kRightPart = ShiftGroup::Right;

// Variant bits of this sheet's blanks.
constexpr std::uint32_t kSixSchool = 1;     // rgSchoolNPO "6 строк"
constexpr std::uint32_t kThreeQualify = 2;  // rgQualifyNPO "3 строки"

LayoutKey layoutKey(const Document& doc, const Settings& s) {
    std::uint32_t variant = 0;
    if (doc.choice(Choice::rgSchoolNPO) == 1)
        variant |= kSixSchool;
    if (doc.choice(Choice::rgQualifyNPO) == 1)
        variant |= kThreeQualify;
    return {supplementEdition(s), variant};
}

// clang-format off
std::vector<BoxRow> rows2010() {
    constexpr auto L0 = &S::_deltaLine0;
    constexpr auto L = &S::_deltaLine;
    constexpr auto H1 = &S::_deltaH1;
    return {
        {"edNumToDiplNPO",    fixed(110),    fixed(185),  fixed(200), 19, 12, kRight},
        {"edRegNoNPO",        afterPrev(220), prevTop(),  fixed(200), 19, 12, kRight},
        {"edSurNameNPO",      [](C c) { return studentCentred(c.s) ? 20 : 90; },
                              topOf("edNumToDiplNPO", 0, {&S::midDeltaYLeft1App1, L0, H1}),
                              [](C c) { return studentCentred(c.s) ? 700 : 550; }, 18, 11, kStudent},
        {"edNameNPO",         fixed(20),     prevTop(0, {L0}), fixed(700), 18, 11, kStudent},
        {"edNameDiplPrjNPO0", fixed(20),     prevTop(0, {L0}), fixed(700), 18, 11, kStudent},
        {"edEntryNPO2",       fixed(60),     prevTop(0, {L0}), fixed(40)},
        {"edDateOutNPO",      afterPrev(20), prevTop(),   fixed(70),  18, 11, kRight},
        {"edBirthDayNPO",     afterPrev(20), prevTop(),   fixed(70),  18, 11, kBirthDay},
        {"edTownNPO",         afterPrev(20), prevTop(),   widthTo(680), 18, 11, kSchool},
        {"edSchoolNPO",       fixed(20),
                              [](C c) { return c.boxes.at("edTownNPO").top + c.line * c.s._deltaLine + c.s._deltaH2; },
                              fixed(700), 18, 11, kSchool, kLeftPart, 6},
        {"edEducationNPO1",   fixed(475),    topOf("edSchoolNPO6", 3, {L0, H1, &S::midDeltaYRight1App1}), fixed(50)},
        {"edEducationNPO2",   afterPrev(20), prevTop(),   fixed(75)},
        {"edEntryNPO3",       afterPrev(20), prevTop(),   widthTo(690)},
        {"edPrakticNPO1",     fixed(240),    prevTop(0, {L, H1}), fixed(450), 18, 10, kRight},
        {"edQualifyNPO",      fixed(20),     prevTop(0, {L}), fixed(700), 18, 10, kRight, kLeftPart, 3},
        {"edSpecialNPO1",     fixed(145),    prevTop(0, {L}), fixed(610), 18, 10, kRight},
        {"edSpecialNPO2",     fixed(20),     prevTop(0, {L}), fixed(700), 18, 10, kRight},
        {"edNameDiplPrjNPO1", fixed(20),     prevTop(0, {L}), fixed(700), 18, 10, kRight},
        {"edNameDiplPrjNPO2", fixed(20),     prevTop(0, {L}), fixed(700), 18, 10, kRight},
        {"edTimeLernNPO",     fixed(380),    prevTop(1, {L0, &S::midDeltaYRight2App1}), fixed(380)},
        {"edPrevDocumNPO1",   fixed(420),    prevTop(1, {L0, H1, &S::midDeltaYLeft4App1}), fixed(60)},
        {"edPrevDocumNPO2",   afterPrev(20), prevTop(),   fixed(80),  18, 10, kApp5},
        {"edPrevDocumNPO3",   afterPrev(30), prevTop(),   fixed(100)},
        {"edEntryNPO1",       fixed(20),     prevTop(0, {L}), fixed(700), 18, 10, kApp5},
        {"edPrakticNPO2",     fixed(20),     prevTop(0, {L}), fixed(700), 18, 10, kApp5},
        {"edExamenNPO1",      fixed(190),    prevTop(15, {H1, &S::midDeltaYLeft2App1}), fixed(70), 18, 10, kApp5},
        {"edExamenNPO2",      afterPrev(10), prevTop(),   fixed(80),  18, 10, kApp5},
    };
}

// The older two-column layout: the student's data on the left, the school, numbers, dates
// and qualification on the right.
// Six school lines take the town's place and push the town up above them; the sixth line
// sits closer to the fifth.
const Layout& layout() {
    static const Layout rows = {
    {{kEd2}, rows2010()},
    {{kOlderEditions, 0, kSixSchool}, {
        {"edTownNPO",        fixed(530), fixed(120), fixed(220), 18, 11, kTown, kRightPart},
        {"edSchoolNPO",      fixed(530), [](C c) { return c.boxes.at("edTownNPO").top + 20 * c.line; },
                             fixed(220), 18, 11, kSchool, kRightPart, 6},
    }},
    {{kOlderEditions, kSixSchool}, {
        {"edTownNPO",        fixed(530), fixed(120 - 16), fixed(220), 18, 11, kTown, kRightPart},
        {"edSchoolNPO",      fixed(530), [](C c) { return c.boxes.at("edTownNPO").top + 16 + 20 * (c.line - 1); },
                             fixed(220), 18, 11, kSchool, kRightPart, 5},
        {"edSchoolNPO6",     fixed(530), topOf("edSchoolNPO5", 16), fixed(220), 18, 11, kSchool, kRightPart},
    }},
    {{kOlderEditions}, {
        {"edSurNameNPO",     fixed(172), fixed(124), fixed(350), 18, 11, kStudent},
        {"edNameNPO",        fixed(50),  prevTop(30), fixed(550), 18, 11, kStudent},
        {"edBirthDayNPO",    fixed(155), fixed(178), fixed(370), 18, 11, kBirthDay},
        {"edPrevDocumNPO1",  fixed(360), prevTop(35), fixed(200)},
        {"edPrevDocumNPO2",  fixed(50),  prevTop(21), fixed(550), 18, 10, kApp5},
        {"edPrevDocumNPO3",  fixed(50),  prevTop(21), fixed(550), 18, 10, kApp5},
        {"edEntryNPO1",      fixed(70),  prevTop(59, {&S::midDeltaYLeft1App1}), fixed(680)},
        {"edEntryNPO2",      fixed(50),  prevTop(27), fixed(600)},
        {"edEntryNPO3",      fixed(50),  prevTop(27), fixed(600)},
        {"edEndLernNPO1",    fixed(70),  prevTop(33), fixed(460)},
        {"edEndLernNPO2",    fixed(50),  prevTop(27), fixed(550), 18, 10, kApp5},
        {"edEndLernNPO3",    fixed(50),  prevTop(27), fixed(550), 18, 10, kApp5},
        {"edTimeLernNPO",    fixed(50),  prevTop(44), fixed(600)},
        {"edSpecialNPO1",    fixed(152), prevTop(26, {&S::midDeltaYLeft2App1}), fixed(400)},
        {"edSpecialNPO2",    fixed(50),  prevTop(26), fixed(550)},
        {"edNumToDiplNPO",   fixed(578), fixed(281), fixed(140), 19, 12, kRight, kRightPart},
        {"edRegNoNPO",       fixed(544), topOf("edEntryNPO1", -2), fixed(190), 19, 12, kRight, kRightPart},
        {"edDateOutNPO",     fixed(536), topOf("edEntryNPO3", -2), fixed(180), 19, 12, kRight, kRightPart},
        {"edPresentDateNPO", fixed(573), topOf("edTimeLernNPO", 0, {&S::midDeltaYRight1App1}),
                             fixed(140), 19, 12, kRight, kRightPart},
        {"edQualifyNPO1",    fixed(532), topOf("edPresentDateNPO", 71, {&S::midDeltaYRight2App1}),
                             fixed(220), 18, 10, kRight, kRightPart},
        {"edQualifyNPO2",    fixed(532), prevTop(14), fixed(220), 18, 10, kRight, kRightPart},
    }},
    {{kOlderEditions, kThreeQualify}, {
        {"edQualifyNPO3",    fixed(532), prevTop(16), fixed(220), 18, 10, kRight, kRightPart},
    }},
    {{kOlderEditions}, {
        {"edEducationNPO1",  fixed(230), topOf("edQualifyNPO2"), fixed(370)},
        {"edEducationNPO2",  fixed(50),  topOf("edQualifyNPO2", 26), fixed(600)},
        {"edPrakticNPO1",    fixed(230), fixedPlus(648, {&S::midDeltaYLeft3App1}), fixed(370)},
        // The practice entry continues on this line; it prints the second practice field,
        // which would otherwise be typed in and never reach the blank.
        {"edPrakticNPO2", fixed(50), prevTop(26), fixed(600)},
        {"edNameDiplPrjNPO0", fixed(300), prevTop(32, {&S::midDeltaYLeft4App1}), fixed(250), 18, 10, kApp5},
        {"edNameDiplPrjNPO1", fixed(50), prevTop(26), fixed(550), 18, 10, kApp5},
        {"edNameDiplPrjNPO2", fixed(50), prevTop(26), fixed(550), 18, 10, kApp5},
        {"edExamenNPO1",     fixed(320), prevTop(38), fixed(220), 18, 10, kApp5},
        {"edExamenNPO2",     fixed(50),  prevTop(26), fixed(550), 18, 10, kApp5},
        {"edExamenNPO3",     fixed(50),  prevTop(26), fixed(550), 18, 10, kApp5},
        {"edExamMoreNPO1",   fixed(360), prevTop(30, {&S::midDeltaYLeft5App1}), fixed(200), 18, 10, kApp5},
        {"edExamMoreNPO",    fixed(50),  [](C c) { return c.boxes.at("edExamMoreNPO1").top + 24 * (c.line - 1); },
                             fixed(550), 18, 10, nullptr, kLeftPart, 6, 2},
        {"edSpecRightNPO",   fixed(530), [](C c) { return c.boxes.at("edPrakticNPO1").top - 1 + 22 * (c.line - 1); },
                             fixed(220), 18, 10, kRight, kRightPart, 5},
    }},
    };
    return rows;
}
// clang-format on

const std::vector<SizeRule>& sizeRules() {
    // clang-format off
    static const std::vector<SizeRule> rules = {
        {{}, &S::FontSizeAppTown, {"edTownNPO"}, Correction::SmallFont},
        {{}, &S::FontSizeAppSchool, lineRoles("edSchoolNPO", 1, 6), Correction::SmallFont},
        {{kEd2}, &S::FontSizeApp5Qualify,
         {"edPrakticNPO1", "edQualifyNPO1", "edQualifyNPO2", "edQualifyNPO3"}, Correction::None},
        {{kEd2}, &S::FontSizeApp5SpecRight,
         {"edSpecialNPO1", "edSpecialNPO2", "edNameDiplPrjNPO1", "edNameDiplPrjNPO2"},
         Correction::None},
        {{kOlderEditions, 0, kThreeQualify}, &S::FontSizeApp5Qualify,
         lineRoles("edQualifyNPO", 1, 2), Correction::None},
        {{kOlderEditions, kThreeQualify}, &S::FontSizeApp5Qualify,
         lineRoles("edQualifyNPO", 1, 3), Correction::None},
        {{kOlderEditions}, &S::FontSizeApp5SpecRight, {"edSpecRightNPO1"}, Correction::None},
        {{kOlderEditions}, &S::FontSizeApp5SpecRight, lineRoles("edSpecRightNPO", 2, 5),
         Correction::SmallFont},
        {{kOlderEditions}, &S::FontSizeApp5ExamMore, lineRoles("edExamMoreNPO", 1, 7),
         Correction::SmallFont},
    };
    // clang-format on
    return rules;
}

// The qualification lines of the older blanks keep their own spacing around the middle
// line. A size of 0 is never applied, so it moves nothing either.
void spaceQualifyLines(const SheetBoxes& boxes, const Settings& s, bool three) {
    const int q = s.FontSizeApp5Qualify;
    const int d = q != 0 ? smallFontCorrection(s, q) : 0;
    if (d <= 0)
        return;
    TTextBox& middle = boxes.at("edQualifyNPO2");
    setCoordinate(middle, Coordinate::Top, middle.top + d);
    setCoordinate(boxes.at("edQualifyNPO1"), Coordinate::Top, middle.top - q - 2);
    if (three)
        setCoordinate(boxes.at("edQualifyNPO3"), Coordinate::Top, middle.top + q + 6);
    for (TTextBox* box : boxes.lines("edQualifyNPO", 1, three ? 3 : 2))
        setCoordinate(*box, Coordinate::Height, box->height - d);
}

}  // namespace

SheetBoxes placeSupplementNpo(TReport& report, const Document& doc, const Settings& s) {
    SheetBoxes boxes = beginSupplementSheet(report, doc, sheet_code::kSupplementNpo);
    placeRowsAligned(boxes, s, selectRows(layout(), layoutKey(doc, s)));
    return boxes;
}

void fillSupplementNpo(const SheetBoxes& boxes, const Document& doc, const Settings& s) {
    const LayoutKey key = layoutKey(doc, s);
    applySizeRules(boxes, s, sizeRules(), key);
    if (key.edition != 2)
        spaceQualifyLines(boxes, s, key.variant & kThreeQualify);
    // The 2010 blank has no right-hand group, so DeltaXRightApp / DeltaYRightApp reach no
    // box there.
    shiftSheet(boxes, s.DeltaX1, s.DeltaY1, s.DeltaXRightApp, s.DeltaYRightApp,
               MarkShift::WithSheet);
    putFieldTexts(boxes, doc);
    // Without six school lines the fifth and sixth stay empty.
    if (!(key.variant & kSixSchool)) {
        putText(boxes.at("edSchoolNPO5"), "");
        putText(boxes.at("edSchoolNPO6"), "");
    }
}

void layoutSupplementNpo(const Document& doc, const Settings& s, TReport& report) {
    const SheetBoxes boxes = placeSupplementNpo(report, doc, s);
    fillSupplementNpo(boxes, doc, s);
}

}  // namespace vellex

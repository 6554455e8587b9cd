#include "print/academic_sheet.h"

#include <cstdint>
#include <vector>

#include "model/document.h"
#include "print/first_page_boxes.h"
#include "storage/settings.h"

namespace vellex {

namespace {

using S = Settings;
using C = const PlaceContext&;

constexpr int kTableRows = 26;

// The right part of this page has its own centring code among the four first pages.
const Formula kRight = setting(&S::AdjustLinesAppRight4);
const Formula kApp4 = setting(&S::AdjustLinesApp4);
const Formula kStudent = setting(&S::AdjustStudent);
const Formula kBirthDay = setting(&S::AdjustBirthDay);
const Formula kSchool = setting(&S::AdjustSchool);
const Formula kTown = setting(&S::AdjustTown);
constexpr ShiftGroup kLeftPart = ShiftGroup::Sheet;
constexpr ShiftGroup kRightPart = ShiftGroup::Right;

// "СПО" is the first item; a document with no item chosen prints the "НПО" blank.
bool spo(const Document& doc) {
    return doc.choice(Choice::rgProfEduTypeAcadem) == 0;
}

// clang-format off
// In this layout DeltaXRightAcademApp, DeltaYRightAcademApp and FontSizeColumn3Academ are
// vertical adjustments of three blocks; the SPO blank has those blocks 6 units higher.
std::vector<BoxRow> rows2010(bool spoBlank) {
    constexpr auto L0 = &S::_deltaLine0;
    constexpr auto L = &S::_deltaLine;
    constexpr auto H1 = &S::_deltaH1;
    const int lift = spoBlank ? -6 : 0;
    std::vector<BoxRow> rows = {
        {"edRegNo4",        fixed(530),    fixed(215),  fixed(200), 19, 12, kRight},
        {"edSurName4",      [](C c) { return studentCentred(c.s) ? 30 : 100; },
                            [](C c) {
                                const int gap = studentCentred(c.s) ? c.s._deltaLine0 + c.s._deltaH1
                                                                    : 2 * c.s._deltaLine0;
                                return c.prev().top + c.s.midDeltaYLeft1App1 + gap;
                            },
                            [](C c) { return studentCentred(c.s) ? 700 : 550; }, 18, 11, kStudent},
        {"edName4",         fixed(30),     prevTop(0, {L0}), fixed(700), 18, 11, kStudent},
        {"edOrder",         fixed(30),     prevTop(0, {L0}), fixed(700), 18, 11, kStudent},
        {"edNumToDipl4",    fixed(70),     prevTop(4, {L0}), fixed(40)},
        {"edDateOut4",      afterPrev(20), prevTop(),   fixed(70),  18, 11, kRight},
        {"edBirthDay4",     afterPrev(20), prevTop(),   fixed(70),  18, 11, kBirthDay},
        {"edTown4",         afterPrev(20), prevTop(),   widthTo(680), 18, 11, kTown},
        {"edPrevDocum41",   fixed(340),    prevTop(lift, {L0, H1, &S::DeltaXRightAcademApp}), fixed(60)},
        {"edPrevDocum42",   afterPrev(20), prevTop(),   fixed(80)},
        {"edPrevDocum43",   afterPrev(30), prevTop(),   fixed(100)},
        {"edEduDateFrom41", fixed(30),     prevTop(0, {L}), fixed(700)},
        {"edEduDateFrom42", fixed(30),     prevTop(-8, {L}), fixed(700)},
        {"edEntry41",       fixed(170),    topOf("edEduDateFrom41", lift, {L0, H1, &S::DeltaYRightAcademApp}), fixed(60)},
        {"edEntry42",       afterPrev(20), prevTop(),   widthTo(690)},
        {"edEntry43",       fixed(30),     prevTop(0, {L}), fixed(700)},
        {"edEntry44",       fixed(30),     prevTop(0, {L}), fixed(700)},
        {"edEducated41",    fixed(240),    prevTop(1 + lift, {L0, H1, &S::FontSizeColumn3Academ}), fixed(60)},
        {"edEducated42",    afterPrev(20), prevTop(),   widthTo(690)},
        {"edEducated43",    fixed(30),     prevTop(0, {L}), fixed(700)},
        {"edEducated44",    fixed(30),     prevTop(0, {L}), fixed(700)},
        {"edEduDateTo41",   fixed(270),    [](C c) { return c.prev().top + 2 * c.s._deltaLine - 8; }, fixed(440)},
        {"edSpecial41",     fixed(150),    prevTop(0, {L}), fixed(550)},
        {"edSchool4",       fixed(30),     [](C c) { return c.boxes.at("edSpecial41").top + c.line * c.s._deltaLine; },
                            fixed(700), 18, 11, kSchool, kLeftPart, 6},
    };
    if (spoBlank)
        rows.push_back({"edSpecial42", fixed(100), topOf("edSchool46", 0, {L}), fixed(520)});
    return rows;
}

// The blanks with the discipline table on this page.
constexpr When kTableBlank{kEd0};

// Variant bits of this sheet's blanks.
constexpr std::uint32_t kSpoBlank = 1;

LayoutKey layoutKey(const Document& doc, const Settings& s) {
    return {supplementEdition(s), spo(doc) ? kSpoBlank : 0};
}

const Layout& layout() {
    constexpr auto mdyL1 = &S::midDeltaYLeft1App1;
    constexpr auto mdyL2 = &S::midDeltaYLeft2App1;
    constexpr auto mdyL3 = &S::midDeltaYLeft3App1;
    // The second study dates hang below the last reason line of the 2007 blank.
    const auto dateTop = [](int i) {
        return [i](C c) {
            return c.boxes.at("edReason43").top + c.s.midDeltaYLeft3App1 + 25 * i + 11;
        };
    };
    static const Layout rows = {
        {{kEd2, kSpoBlank}, rows2010(true)},
        {{kEd2, 0, kSpoBlank}, rows2010(false)},
        {{kEd0}, {
            {"edTown4",         fixed(550), fixed(134),  fixed(220), 18, 11, kTown, kRightPart},
        }},
        {{kEd1}, {
            {"edTown4",         fixed(550), fixed(124),  fixed(220), 18, 11, kTown, kRightPart},
        }},
        {{kOlderEditions}, {
            {"edSurName4",      fixed(180), fixed(49),   fixed(350), 18, 11, kStudent},
            {"edName4",         fixed(37),  prevTop(19), fixed(550), 18, 11, kStudent},
        }},
        {{kEd0}, {
            {"edBirthDay4",     fixed(165), prevTop(22), fixed(370), 18, 11, kBirthDay},
            {"edPrevDocum41",   fixed(345), prevTop(43), fixed(190)},
            {"edPrevDocum42",   fixed(38),  prevTop(23), fixed(550), 18, 10, kApp4},
            {"edPrevDocum43",   fixed(38),  prevTop(20), fixed(550), 18, 10, kApp4},
            {"edEduDateFrom41", fixed(74),  prevTop(50, {mdyL1}), fixed(220)},
            {"edEduDateTo41",   fixed(74),  prevTop(20), fixed(220)},
            {"edEntry41",       fixed(74),  prevTop(20), fixed(220)},
            {"edEntry42",       fixed(55),  prevTop(20), fixed(240)},
            {"edEntry43",       fixed(55),  prevTop(20), fixed(240)},
            {"edEntry44",       fixed(55),  prevTop(20), fixed(240)},
            {"edEducated41",    fixed(337), topOf("edEntry41"), fixed(220)},
            {"edEducated42",    fixed(322), topOf("edEntry42"), fixed(240)},
            {"edEducated43",    fixed(322), topOf("edEntry43"), fixed(240)},
            {"edEducated44",    fixed(322), topOf("edEntry44"), fixed(240)},
            {"edFormOfEdu1",    fixed(55),  topOf("edEntry44", 47), fixed(240), 18, 10, kApp4},
            {"edFormOfEdu2",    fixed(320), topOf("edFormOfEdu1"), fixed(240), 18, 10, kApp4},
            {"edSpecial41",     fixed(158), prevTop(29, {mdyL3}), fixed(380)},
            {"edSpecial42",     fixed(40),  prevTop(23), fixed(550)},
            {"edSpecial43",     fixed(40),  prevTop(20), fixed(550)},
            {"edEduDateFrom42", fixed(337), topOf("edEduDateFrom41"), fixed(220)},
            {"edEduDateTo42",   fixed(337), topOf("edEduDateTo41"), fixed(220)},
            {"edNumToDipl4",    fixed(585), fixed(337), fixed(144), 19, 12, kRight, kRightPart},
            {"edRegNo4",        fixed(560), topOf("edNumToDipl4", 34), fixed(190), 19, 12, kRight, kRightPart},
            {"edDateOut4",      fixed(550), topOf("edRegNo4", 39), fixed(180), 19, 12, kRight, kRightPart},
            {"edOrder",         fixed(568), topOf("edDateOut4", 77), fixed(180), 19, 12, kRight, kRightPart},
            {"edPresentDate4",  fixed(550), topOf("edOrder", 33, {&S::midDeltaYRight1App1}), fixed(180), 19, 12, kRight, kRightPart},
            {"edSchool4",       fixed(545), [](C c) { return 136 + 20 * c.line; }, fixed(220), 18, 10, kSchool, kRightPart, 6},
            {"edReason4",       fixed(545), [](C c) { return 580 + 20 * c.line + c.s.midDeltaYRight2App1; },
                                fixed(220), 18, 10, kRight, kRightPart, 6},
        }},
        // The discipline table of the 1997 blank: 18 apart below 550.
        {kTableBlank, tableRows(Table::Disciplines4, kTableRows, 550, 18, {&S::midDeltaYLeft4App1})},
        // The 2007 blank: each block a short first line after its caption and full lines
        // 25 apart. The fourth entry line sits below the specialty, which the page lists
        // after it: 62 to the education block, its two further lines, 80 to the form of
        // education, 22, 38 to the specialty, its two further lines and 38 more.
        {{kEd1}, {
            {"edBirthDay4",     fixed(165), prevTop(21), fixed(370), 18, 11, kBirthDay},
            {"edPrevDocum41",   fixed(200), prevTop(37), fixed(320)},
            {"edPrevDocum42",   fixed(38),  prevTop(19), fixed(550), 18, 10, kApp4},
            {"edPrevDocum43",   fixed(38),  prevTop(19), fixed(550), 18, 10, kApp4},
            {"edEduDateFrom41", fixed(205), prevTop(37, {mdyL1}), fixed(300)},
            {"edEduDateTo41",   fixed(37),  prevTop(25), fixed(550)},
            {"edEntry41",       fixed(55),  prevTop(63), fixed(530)},
            {"edEntry42",       fixed(37),  prevTop(25), fixed(550)},
            {"edEntry43",       fixed(37),  prevTop(25), fixed(550)},
            {"edEntry44",       fixed(152), prevTop(62 + 25 + 25 + 80 + 22 + 38 + 25 + 25 + 38, {mdyL2}), fixed(550)},
            {"edEducated41",    fixed(55),  topOf("edEntry43", 62), fixed(530)},
            {"edEducated42",    fixed(37),  prevTop(25), fixed(550)},
            {"edEducated43",    fixed(37),  prevTop(25), fixed(550)},
            {"edEducated44",    fixed(37),  topOf("edEntry44", 25), fixed(550)},
            {"edFormOfEdu1",    fixed(156), topOf("edEducated43", 80), fixed(240), 18, 10, kApp4},
            {"edFormOfEdu2",    fixed(37),  prevTop(22), fixed(260), 18, 10, kApp4},
            {"edSpecial41",     fixed(158), prevTop(38), fixed(380)},
            {"edSpecial42",     fixed(37),  prevTop(25), fixed(550)},
            {"edSpecial43",     fixed(37),  prevTop(25), fixed(550)},
            {"edRegNo4",        fixed(560), fixed(318), fixed(190), 19, 12, kRight, kRightPart},
            {"edDateOut4",      fixed(550), fixed(371), fixed(180), 19, 12, kRight, kRightPart},
            // The order number sits at the foot of the left column.
            {"edOrder",         fixed(260), fixed(1018), fixed(260), 19, 12, kRight, kLeftPart},
            {"edSchool4",       fixed(545), [](C c) { return c.boxes.at("edTown4").top + 20 * c.line; },
                                fixed(220), 18, 10, kSchool, kRightPart, 4},
            {"edReason41",      fixed(310), topOf("edEducated44", 25 + 13), fixed(220)},
            {"edReason4",       fixed(37),  [](C c) { return c.boxes.at("edEducated44").top + 25 * c.line + 13; },
                                fixed(550), 18, 10, {}, kLeftPart, 2, 2},
            {"edEduDateFrom42", fixed(340), dateTop(1), fixed(220)},
            {"edEduDateTo42",   fixed(37),  dateTop(2), fixed(550)},
            // A third date line the blank has below the two; nothing prints in it.
            {"third date line", fixed(37),  prevTop(20), fixed(550)},
        }},
    };
    return rows;
}
// clang-format on

void fill(const SheetBoxes& boxes, const Document& doc, const Settings& s, const LayoutKey& key) {
    // No font-size setting reaches the 2010 layout.
    static const std::vector<SizeRule> sizes = {
        {{kOlderEditions}, &S::FontSizeAppTown4, {"edTown4"}, Correction::SmallFont},
        {{kEd0}, &S::FontSizeAppSchool4, lineRoles("edSchool4", 1, 6), Correction::SmallFont},
        {{kEd1}, &S::FontSizeAppSchool4, lineRoles("edSchool4", 1, 4), Correction::SmallFont},
        {{kEd0}, &S::FontSizeApp4Reason, lineRoles("edReason4", 1, 6), Correction::SmallFont},
    };
    applySizeRules(boxes, s, sizes, key);
    // The 2010 blank's boxes all shift with the sheet.
    shiftSheet(boxes, s.DeltaX4, s.DeltaY4, s.DeltaXRightAcademApp, s.DeltaYRightAcademApp,
               MarkShift::WithSheet);
    if (kTableBlank.matches(key)) {
        for (TTextBox* box : columnBoxes(boxes, Table::Disciplines4, kTableRows, Column::AudTime))
            setCoordinate(*box, Coordinate::Left, box->left + s.DeltaXColumn42);
        const std::vector<TTextBox*> grades =
            columnBoxes(boxes, Table::Disciplines4, kTableRows, Column::Value);
        for (TTextBox* box : grades)
            setCoordinate(*box, Coordinate::Left, box->left + s.DeltaXColumn43);
        applyFontSize(grades, s.FontSizeColumn3Academ, s, Correction::None);
    }
    putFieldTexts(boxes, doc);
    if (kTableBlank.matches(key))
        putTableTexts(boxes, doc, Table::Disciplines4, kTableRows);
    if (TTextBox* third = boxes.find("third date line"))
        putText(*third, "");
}

}  // namespace

SheetBoxes placeAcademic(TReport& report, const Document& doc, const Settings& s) {
    SheetBoxes boxes = beginSupplementSheet(report, doc, sheet_code::kAcademic);
    placeRowsAligned(boxes, s, selectRows(layout(), layoutKey(doc, s)));
    return boxes;
}

void fillAcademic(const SheetBoxes& boxes, const Document& doc, const Settings& s) {
    fill(boxes, doc, s, layoutKey(doc, s));
}

void layoutAcademic(const Document& doc, const Settings& s, TReport& report) {
    const SheetBoxes boxes = placeAcademic(report, doc, s);
    fillAcademic(boxes, doc, s);
}

}  // namespace vellex

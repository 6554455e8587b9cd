#include "print/certificate_supplement_sheet.h"

#include <vector>

#include "model/document.h"
#include "print/first_page_boxes.h"
#include "storage/settings.h"

namespace vellex {

namespace {

using S = Settings;
using C = const PlaceContext&;

constexpr int kTableRows = 34;

// The right part of this page has its own centring code among the four first pages.
const Formula kRight = setting(&S::AdjustLinesAppRight7);
const Formula kApp7 = setting(&S::AdjustLinesApp7);
const Formula kStudent = setting(&S::AdjustStudent);
const Formula kBirthDay = setting(&S::AdjustBirthDay);
const Formula kSchool = setting(&S::AdjustSchool);
const Formula kTown = setting(&S::AdjustTown);
constexpr ShiftGroup kLeftPart = ShiftGroup::Sheet;
constexpr ShiftGroup kRightPart = ShiftGroup::Right;

// The 2010 blank has its lines one unit further apart than the page-1 line distances.
int pitch0(const Settings& s) {
    return s._deltaLine0 + 1;
}
int pitch(const Settings& s) {
    return s._deltaLine + 1;
}

// prev.Top + L and prev.Top + L0.
int nextLine(C c) {
    return c.prev().top + pitch(c.s);
}
int nextLine0(C c) {
    return c.prev().top + pitch0(c.s);
}

// clang-format off
// In this layout DeltaXRightCertApp, DeltaYRightCertApp and FontSizeColumn3Cert are
// vertical adjustments of three blocks (DeltaXColumn72 of the numbers, in the content stage).
std::vector<BoxRow> rows2010() {
    constexpr auto H1 = &S::_deltaH1;
    return {
        {"edNumToDipl7",   fixed(110),     fixed(95),   fixed(200), 19, 12, kRight},
        {"edRegNo7",       afterPrev(220), prevTop(),   fixed(200), 19, 12, kRight},
        {"edSurName7",     [](C c) { return studentCentred(c.s) ? 20 : 90; },
                           [](C c) {
                               const int h = studentCentred(c.s) ? c.s._deltaH1 : 2 * c.s._deltaH1;
                               return c.boxes.at("edNumToDipl7").top + c.s.midDeltaYLeft1App1 + pitch0(c.s) + h;
                           },
                           [](C c) { return studentCentred(c.s) ? 700 : 550; }, 18, 11, kStudent},
        {"edName7",        fixed(20),      nextLine,    fixed(700), 18, 11, kStudent},
        {"edAddName7",     fixed(20),      nextLine0,   fixed(700), 18, 11, kStudent},
        {"edPresentDate7", fixed(60),      nextLine0,   fixed(40)},
        {"edDateOut7",     afterPrev(20),  prevTop(),   fixed(70),  18, 11, kRight},
        {"edBirthDay7",    afterPrev(20),  prevTop(),   fixed(70),  18, 11, kBirthDay},
        {"edTown7",        afterPrev(20),  prevTop(),   widthTo(680), 18, 11, kSchool},
        {"edQualify7",     fixed(20),
                           [](C c) {
                               return c.boxes.at("edTown7").top + c.line * pitch(c.s) + c.s._deltaH2 +
                                      c.s.DeltaXRightCertApp;
                           },
                           fixed(700), 18, 11, kSchool, kLeftPart, 6},
        {"edDate1",        fixed(485),     topOf("edQualify76", 2, {&S::_deltaLine0, H1, &S::DeltaYRightCertApp}), fixed(40)},
        {"edDate2",        afterPrev(20),  prevTop(),   fixed(75)},
        {"edDate3",        afterPrev(20),  prevTop(),   widthTo(690)},
        {"edSchool71",     fixed(240),     prevTop(1, {&S::_deltaLine, H1}), fixed(450), 18, 10, kRight},
        {"edSchool7",      fixed(20),      nextLine,    fixed(700), 18, 10, kRight, kLeftPart, 3, 2},
        {"edQualify5",     fixed(20),      nextLine,    fixed(700), 18, 10, kRight},
        {"edQualify6",     fixed(20),      nextLine,    fixed(700), 18, 10, kRight},
        {"edPrevDocum71",  fixed(420),     prevTop(1, {&S::_deltaLine0, H1, &S::FontSizeColumn3Cert}), fixed(60)},
        {"edPrevDocum72",  afterPrev(20),  prevTop(),   fixed(80),  18, 10, kApp7},
        {"edPrevDocum73",  afterPrev(30),  prevTop(),   fixed(100)},
        {"edNameDoc1",     fixed(20),      nextLine,    fixed(700), 18, 10, kApp7},
        {"edNameDoc2",     fixed(20),      nextLine,    fixed(700)},
    };
}

// The older two-column layout; the table of disciplines follows these rows.
const Layout& layout() {
    static const Layout rows = {
    {{kEd2}, rows2010()},
    {{kOlderEditions}, {
        {"edTown7",        fixed(550), fixed(134),  fixed(220), 18, 11, kTown, kRightPart},
        {"edSurName7",     fixed(180), fixed(134),  fixed(350), 18, 11, kStudent},
        {"edName7",        fixed(38),  prevTop(29), fixed(550), 18, 11, kStudent},
        {"edBirthDay7",    fixed(165), prevTop(29), fixed(370), 18, 11, kBirthDay},
        {"edPrevDocum71",  fixed(345), prevTop(40), fixed(190)},
        {"edPrevDocum72",  fixed(38),  prevTop(23), fixed(550), 18, 10, kApp7},
        {"edPrevDocum73",  fixed(38),  prevTop(22), fixed(550), 18, 10, kApp7},
        {"edNumToDipl7",   fixed(585), fixed(289),  fixed(144), 19, 12, kRight, kRightPart},
        {"edRegNo7",       fixed(560), prevTop(33), fixed(190), 19, 12, kRight, kRightPart},
        {"edDateOut7",     fixed(550), prevTop(56), fixed(180), 19, 12, kRight, kRightPart},
        {"edPresentDate7", fixed(550), prevTop(138, {&S::midDeltaYRight1App1}), fixed(180), 19, 12, kRight, kRightPart},
        {"edSchool7",      fixed(545), [](C c) { return c.boxes.at("edTown7").top + 20 * c.line; },
                           fixed(220), 18, 10, kSchool, kRightPart, 4},
        {"edQualify7",     fixed(545),
                           [](C c) { return c.boxes.at("edPresentDate7").top + 72 + 22 * c.line + c.s.midDeltaYRight2App1; },
                           fixed(220), 18, 10, kRight, kRightPart, 6},
    }},
    {{kOlderEditions}, tableRows(Table::Disciplines7, kTableRows, 378, 18)},
    };
    return rows;
}
// clang-format on

const std::vector<SizeRule>& sizeRules() {
    // clang-format off
    static const std::vector<SizeRule> rules = {
        {{}, &S::FontSizeApp7Town, {"edTown7"}, Correction::SmallFont},
        // The 2010 blank prints the school in the lines the older ones give the
        // qualification, and the qualification below them.
        {{kEd2}, &S::FontSizeApp7School, lineRoles("edQualify7", 1, 6), Correction::SmallFont},
        {{kEd2}, &S::FontSizeApp7Qualify,
         {"edSchool71", "edSchool72", "edSchool73", "edSchool74", "edQualify5", "edQualify6"},
         Correction::None},
        {{kOlderEditions}, &S::FontSizeApp7School, lineRoles("edSchool7", 1, 4),
         Correction::SmallFont},
        {{kOlderEditions}, &S::FontSizeApp7Qualify, lineRoles("edQualify7", 1, 6),
         Correction::SmallFont},
    };
    // clang-format on
    return rules;
}

}  // namespace

SheetBoxes placeCertificateSupplement(TReport& report, const Document& doc, const Settings& s) {
    SheetBoxes boxes = beginSupplementSheet(report, doc, sheet_code::kCertificateSupplement);
    placeRowsAligned(boxes, s, selectRows(layout(), {supplementEdition(s), 0}));
    return boxes;
}

void fillCertificateSupplement(const SheetBoxes& boxes, const Document& doc, const Settings& s) {
    const LayoutKey key{supplementEdition(s), 0};
    applySizeRules(boxes, s, sizeRules(), key);
    // The 2010 blank has no right-hand group, so DeltaXRightCertApp / DeltaYRightCertApp
    // reach no box there.
    shiftSheet(boxes, s.DeltaX7, s.DeltaY7, s.DeltaXRightCertApp, s.DeltaYRightCertApp,
               MarkShift::WithSheet);
    if (key.edition == 2) {
        // On the 2010 blank DeltaXColumn72 lowers the two numbers.
        for (const char* role : {"edNumToDipl7", "edRegNo7"}) {
            TTextBox& box = boxes.at(role);
            setCoordinate(box, Coordinate::Top, box.top + s.DeltaXColumn72);
        }
        putFieldTexts(boxes, doc);
        return;
    }
    for (TTextBox* box : columnBoxes(boxes, Table::Disciplines7, kTableRows, Column::AudTime))
        setCoordinate(*box, Coordinate::Left, box->left + s.DeltaXColumn72);
    const std::vector<TTextBox*> grades =
        columnBoxes(boxes, Table::Disciplines7, kTableRows, Column::Value);
    for (TTextBox* box : grades)
        setCoordinate(*box, Coordinate::Left, box->left + s.DeltaXColumn73);
    applyFontSize(grades, s.FontSizeColumn3Cert, s, Correction::None);
    putFieldTexts(boxes, doc);
    putTableTexts(boxes, doc, Table::Disciplines7, kTableRows);
}

void layoutCertificateSupplement(const Document& doc, const Settings& s, TReport& report) {
    const SheetBoxes boxes = placeCertificateSupplement(report, doc, s);
    fillCertificateSupplement(boxes, doc, s);
}

}  // namespace vellex

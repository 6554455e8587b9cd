#include "print/academic_sheet.h"

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

// The older layouts as version 0 places them; version 1 leaves out the rows marked v0 and
// then moves and adds boxes (placeVersion1Changes).
std::vector<BoxRow> rowsOlder(bool v0) {
    std::vector<BoxRow> rows = {
        {"edTown4",         fixed(550), fixed(134),  fixed(220), 18, 11, kTown, kRightPart},
        {"edSurName4",      fixed(180), fixed(49),   fixed(350), 18, 11, kStudent},
        {"edName4",         fixed(37),  prevTop(19), fixed(550), 18, 11, kStudent},
        {"edBirthDay4",     fixed(165), prevTop(22), fixed(370), 18, 11, kBirthDay},
        {"edPrevDocum41",   fixed(345), prevTop(43), fixed(190)},
        {"edPrevDocum42",   fixed(38),  prevTop(23), fixed(550), 18, 10, kApp4},
        {"edPrevDocum43",   fixed(38),  prevTop(20), fixed(550), 18, 10, kApp4},
        {"edEduDateFrom41", fixed(74),  prevTop(50, {&S::midDeltaYLeft1App1}), fixed(220)},
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
        {"edSpecial41",     fixed(158), prevTop(29, {&S::midDeltaYLeft3App1}), fixed(380)},
        {"edSpecial42",     fixed(40),  prevTop(23), fixed(550)},
        {"edSpecial43",     fixed(40),  prevTop(20), fixed(550)},
    };
    if (v0) {
        rows.push_back({"edEduDateFrom42", fixed(337), topOf("edEduDateFrom41"), fixed(220)});
        rows.push_back({"edEduDateTo42",   fixed(337), topOf("edEduDateTo41"), fixed(220)});
        rows.push_back({"edNumToDipl4",    fixed(585), fixed(337), fixed(144), 19, 12, kRight, kRightPart});
    }
    rows.push_back({"edRegNo4",   fixed(560), v0 ? topOf("edNumToDipl4", 34) : fixed(320), fixed(190), 19, 12, kRight, kRightPart});
    rows.push_back({"edDateOut4", fixed(550), topOf("edRegNo4", 39), fixed(180), 19, 12, kRight, kRightPart});
    // On the version-1 blank the order number sits at the foot of the left column.
    rows.push_back({"edOrder",    fixed(568), topOf("edDateOut4", 77), fixed(180), 19, 12, kRight, v0 ? kRightPart : kLeftPart});
    if (v0) {
        rows.push_back({"edPresentDate4", fixed(550), topOf("edOrder", 33, {&S::midDeltaYRight1App1}), fixed(180), 19, 12, kRight, kRightPart});
        rows.push_back({"edSchool4", fixed(545), [](C c) { return 136 + 20 * c.line; }, fixed(220), 18, 10, kSchool, kRightPart, 6});
        rows.push_back({"edReason4", fixed(545), [](C c) { return 580 + 20 * c.line + c.s.midDeltaYRight2App1; },
                        fixed(220), 18, 10, kRight, kRightPart, 6});
    }
    return rows;
}
// clang-format on

void moveTop(const SheetBoxes& boxes, std::string_view role, int top) {
    setCoordinate(boxes.at(role), Coordinate::Top, top);
}

void moveBelow(const SheetBoxes& boxes, std::string_view role, std::string_view above, int gap) {
    moveTop(boxes, role, boxes.at(above).top + gap);
}

void setLeftWidth(const SheetBoxes& boxes, std::string_view role, int left, int width) {
    TTextBox& box = boxes.at(role);
    setCoordinate(box, Coordinate::Left, left);
    setCoordinate(box, Coordinate::Width, width);
}

// The version-1 blank, step by step from the version-0 placement.
void placeVersion1Changes(SheetBoxes& boxes, const Settings& s) {
    // Four school lines under the town, which moves up.
    moveTop(boxes, "edTown4", 124);
    placeRowsAligned(
        boxes, s,
        {{"edSchool4", fixed(545), [](C c) { return c.boxes.at("edTown4").top + 20 * c.line; },
          fixed(220), 18, 10, kSchool, kRightPart, 4}});
    // The numbers and the birth date.
    moveTop(boxes, "edRegNo4", 318);
    moveTop(boxes, "edDateOut4", 371);
    moveBelow(boxes, "edBirthDay4", "edName4", 21);
    // The previous document: a wider first line, the others closer.
    setLeftWidth(boxes, "edPrevDocum41", 200, 320);
    moveBelow(boxes, "edPrevDocum41", "edBirthDay4", 37);
    moveBelow(boxes, "edPrevDocum42", "edPrevDocum41", 19);
    moveBelow(boxes, "edPrevDocum43", "edPrevDocum42", 19);
    // The study dates, the first one after its caption.
    moveBelow(boxes, "edEduDateFrom41", "edPrevDocum43", 37 + s.midDeltaYLeft1App1);
    setLeftWidth(boxes, "edEduDateFrom41", 205, 300);
    moveBelow(boxes, "edEduDateTo41", "edEduDateFrom41", 25);
    setLeftWidth(boxes, "edEduDateTo41", 37, 550);
    // Entry and education blocks: a short first line after the caption, two full ones.
    for (const std::string_view block : {"edEntry4", "edEducated4"}) {
        const std::string first = std::string(block) + "1";
        const std::string second = std::string(block) + "2";
        const std::string third = std::string(block) + "3";
        if (block == "edEntry4")
            moveBelow(boxes, first, "edEduDateTo41", 63);
        else
            moveBelow(boxes, first, "edEntry43", 62);
        setLeftWidth(boxes, first, 55, 530);
        moveBelow(boxes, second, first, 25);
        setLeftWidth(boxes, second, 37, 550);
        moveBelow(boxes, third, second, 25);
        setLeftWidth(boxes, third, 37, 550);
    }
    // The form of education.
    moveBelow(boxes, "edFormOfEdu1", "edEducated43", 80);
    setLeftWidth(boxes, "edFormOfEdu1", 156, 240);
    moveBelow(boxes, "edFormOfEdu2", "edFormOfEdu1", 22);
    setLeftWidth(boxes, "edFormOfEdu2", 37, 260);
    // The specialty.
    moveBelow(boxes, "edSpecial41", "edFormOfEdu2", 38);
    moveBelow(boxes, "edSpecial42", "edSpecial41", 25);
    setLeftWidth(boxes, "edSpecial42", 37, 550);
    moveBelow(boxes, "edSpecial43", "edSpecial42", 25);
    setLeftWidth(boxes, "edSpecial43", 37, 550);
    // The fourth entry and education lines go below the specialty.
    moveBelow(boxes, "edEntry44", "edSpecial43", 38 + s.midDeltaYLeft2App1);
    setLeftWidth(boxes, "edEntry44", 152, 550);
    moveBelow(boxes, "edEducated44", "edEntry44", 25);
    setLeftWidth(boxes, "edEducated44", 37, 550);
    // Three reason lines, left aligned, the first one short after its caption.
    placeRows(
        boxes, s,
        std::vector<BoxRow>{{"edReason4", fixed(37),
                             [](C c) { return c.boxes.at("edEducated44").top + 25 * c.line + 13; },
                             fixed(550), 18, 10, nullptr, kLeftPart, 3}});
    setLeftWidth(boxes, "edReason41", 310, 220);
    setAdjust(boxes.at("edReason41"), adjust::kLeft);
    // The second study dates, and a third line the blank has below them.
    const auto dateTop = [](int i) {
        return [i](C c) {
            return c.boxes.at("edReason43").top + c.s.midDeltaYLeft3App1 + 25 * i + 11;
        };
    };
    placeRows(boxes, s,
              std::vector<BoxRow>{{"edEduDateFrom42", fixed(37), dateTop(1), fixed(550)},
                                  {"edEduDateTo42", fixed(37), dateTop(2), fixed(550)},
                                  {"third date line", fixed(37), dateTop(3), fixed(550)}});
    setLeftWidth(boxes, "edEduDateFrom42", 340, 220);
    moveBelow(boxes, "third date line", "edEduDateTo42", 20);
    // The order number at the foot of the page.
    moveTop(boxes, "edOrder", 1018);
    setLeftWidth(boxes, "edOrder", 260, 260);
}

void fill2010(const SheetBoxes& boxes, const Document& doc, const Settings& s) {
    // No font-size setting reaches this layout.
    shiftSheet(boxes, s.DeltaX4, s.DeltaY4, 0, 0, MarkShift::WithSheet);
    putFieldTexts(boxes, doc);
}

void fillOlder(const SheetBoxes& boxes, const Document& doc, const Settings& s, bool v0) {
    applyFontSize(boxes.at("edTown4"), s.FontSizeAppTown4, s, Correction::SmallFont);
    applyFontSize(boxes.lines("edSchool4", 1, v0 ? 6 : 4), s.FontSizeAppSchool4, s,
                  Correction::SmallFont);
    if (v0)
        applyFontSize(boxes.lines("edReason4", 1, 6), s.FontSizeApp4Reason, s,
                      Correction::SmallFont);
    shiftSheet(boxes, s.DeltaX4, s.DeltaY4, s.DeltaXRightAcademApp, s.DeltaYRightAcademApp,
               MarkShift::WithSheet);
    if (v0) {
        for (TTextBox* box : columnBoxes(boxes, Table::Disciplines4, kTableRows, Column::AudTime))
            setCoordinate(*box, Coordinate::Left, box->left + s.DeltaXColumn42);
        const std::vector<TTextBox*> grades =
            columnBoxes(boxes, Table::Disciplines4, kTableRows, Column::Value);
        for (TTextBox* box : grades)
            setCoordinate(*box, Coordinate::Left, box->left + s.DeltaXColumn43);
        applyFontSize(grades, s.FontSizeColumn3Academ, s, Correction::None);
    }
    putFieldTexts(boxes, doc);
    if (v0)
        putTableTexts(boxes, doc, Table::Disciplines4, kTableRows);
    else
        putText(boxes.at("third date line"), "");
}

}  // namespace

SheetBoxes placeAcademic(TReport& report, const Document& doc, const Settings& s) {
    SheetBoxes boxes = beginSupplementSheet(report, doc, sheet_code::kAcademic);
    const int edition = supplementEdition(s);
    if (edition == 2) {
        placeRowsAligned(boxes, s, rows2010(spo(doc)));
        return boxes;
    }
    placeRowsAligned(boxes, s, rowsOlder(edition == 0));
    if (edition == 0)
        placeTableRows(boxes, s, Table::Disciplines4, kTableRows, 550 + s.midDeltaYLeft4App1, 18);
    else
        placeVersion1Changes(boxes, s);
    return boxes;
}

void fillAcademic(const SheetBoxes& boxes, const Document& doc, const Settings& s) {
    const int edition = supplementEdition(s);
    if (edition == 2)
        fill2010(boxes, doc, s);
    else
        fillOlder(boxes, doc, s, edition == 0);
}

void layoutAcademic(const Document& doc, const Settings& s, TReport& report) {
    const SheetBoxes boxes = placeAcademic(report, doc, s);
    fillAcademic(boxes, doc, s);
}

}  // namespace vellex

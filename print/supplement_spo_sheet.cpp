#include "print/supplement_spo_sheet.h"

#include <string>
#include <vector>

#include "model/document.h"
#include "storage/settings.h"
#include "text/cp1251.h"

namespace vellex {

namespace {

using S = Settings;
constexpr ShiftGroup kRight = ShiftGroup::Right;
constexpr ShiftGroup kSheet = ShiftGroup::Sheet;

bool sixSchoolLines(const Document& doc) {
    return doc.choice(Choice::rgSchool) == 1;  // "6 строк"
}
bool threeQualifyLines(const Document& doc) {
    return doc.choice(Choice::rgQualify) == 1;  // "3 строки"
}

// The middle qualification box prints the second line when there are three lines and the
// only line otherwise; the box is named after the field it prints.
const char* middleQualifyRole(bool three) {
    return three ? "edQualify2" : "edQualify";
}
// The trial box prints the cbTrial choice on the oldest blanks and the edTrial1 text on
// the 2007 ones.
const char* trialRole(int edition) {
    return edition == 0 ? "cbTrial" : "edTrial1";
}

Formula widthTo(int right) {
    return [right](const PlaceContext& c) { return right - (c.prev().left + c.prev().width); };
}

// --- The 2010 blanks: one column of lines across the page ---

const std::vector<BoxRow>& rows2010() {
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
    static const std::vector<BoxRow> rows = {
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
    return rows;
}

// --- The older blanks (1997 - 2006 and 2007 / 2008): two columns ---

// The rows as placed for the 1997 blanks. The 2007 blanks place the same rows but the
// course work, practice and examination lines, which they place in their own changes.
std::vector<BoxRow> olderRows(int edition, bool threeQualify) {
    const Formula right = setting(&S::AdjustLinesAppRight1);
    const Formula app1 = setting(&S::AdjustLinesApp1);
    const Formula school = setting(&S::AdjustSchool);
    const Formula student = setting(&S::AdjustStudent);
    const std::string middle = middleQualifyRole(threeQualify);
    // clang-format off
    std::vector<BoxRow> rows = {
        // role, left, top, width, height, size, adjust, group, lines, first line
        {"edTown", fixed(540), fixed(123), fixed(220), 18, 11, setting(&S::AdjustTown), kRight},
        {"edSchool1", fixed(540), topOf("edTown", 17), fixed(220), 18, 11, school, kRight},
        {"edSchool", fixed(540),
         [](const PlaceContext& c) { return c.boxes.at("edSchool1").top + (c.line - 1) * 20; },
         fixed(220), 18, 11, school, kRight, 5, 2},
        {"edSurName", fixed(172), fixed(44), fixed(350), 18, 11, student},
        {"edName", fixed(36), topOf("edSurName", 20), fixed(550), 18, 11, student},
        {"edBirthDay", fixed(155), prevTop(22), fixed(370), 18, 11,
         setting(&S::AdjustBirthDay)},
        {"edPrevDocum1", fixed(332), prevTop(44), fixed(190), 18, 10, app1},
        {"edPrevDocum2", fixed(36), prevTop(19), fixed(550), 18, 10, app1},
        {"edPrevDocum3", fixed(36), prevTop(19), fixed(550), 18, 10, app1},
        {trialRole(edition), fixed(205), prevTop(28), fixed(81), 18, 10, app1},
        {"edEntry1", fixed(152), [](const PlaceContext& c) { return 222 + c.s.midDeltaYLeft1App1; },
         fixed(380)},
        {"edEntry2", fixed(37), prevTop(20), fixed(550)},
        {"edEntry3", fixed(37), prevTop(20), fixed(550)},
        {"edEndLern1", fixed(207), prevTop(27), fixed(340)},
        {"edEndLern2", fixed(36), prevTop(20), fixed(550), 18, 10, app1},
        {"edEndLern3", fixed(36), prevTop(20), fixed(550), 18, 10, app1},
        {"edTimeLern", fixed(339), prevTop(25), fixed(250)},
        {"edSpecial", fixed(152), prevTop(27), fixed(550)},
        {"edSpecialicy", fixed(152), prevTop(23, {&S::midDeltaYLeft2App1}), fixed(550)},
        {"edNumToDipl", fixed(588), fixed(281), fixed(140), 19, 12, right, kRight},
        {"edRegNo", fixed(554), prevTop(35), fixed(190), 19, 12, right, kRight},
        {"edDateOut", fixed(546), prevTop(41), fixed(180), 19, 12, right, kRight},
        {"edPresentDate", fixed(583), prevTop(135, {&S::midDeltaYRight1App1}), fixed(140), 19, 12,
         threeQualify ? right : fixed(adjust::kLeft), kRight},
        {middle, fixed(542), topOf("edPresentDate", 67, {&S::midDeltaYRight2App1}), fixed(220),
         18, 10, right, kRight},
    };
    if (threeQualify) {
        rows.push_back({"edQualify", fixed(542), topOf(middle, -14), fixed(220), 18, 10, right, kRight});
        rows.push_back({"edQualify3", fixed(542), topOf(middle, 16), fixed(220), 18, 10, right, kRight});
    }
    const std::vector<BoxRow> lower = {
        {"edNameDiplPrj0", fixed(343),
         [](const PlaceContext& c) { return 643 + c.s.midDeltaYLeft4App1; }, fixed(180), 18, 10,
         app1},
        {"edNameDiplPrj1", fixed(36), prevTop(20), fixed(550), 18, 10, app1},
        {"edNameDiplPrj2", fixed(36), prevTop(19), fixed(550), 18, 10, app1},
        {"edResult1", fixed(181), prevTop(20), fixed(355)},
        {"edResult2", fixed(36), prevTop(19), fixed(550), 18, 10, app1},
        {"edExamen1", fixed(217), prevTop(31), fixed(320), 18, 10, app1},
        {"edExamen2", fixed(36), prevTop(16), fixed(550), 18, 10, app1},
        {"edSpecRight", fixed(540), [](const PlaceContext& c) { return 578 + 20 * c.line; },
         fixed(220), 18, 10, right, kRight, 5},
    };
    rows.insert(rows.end(), lower.begin(), lower.end());
    if (edition == 0) {
        const std::vector<BoxRow> lines1997 = {
            {"edCourseWork", fixed(36), [](const PlaceContext& c) { return 422 + 20 * c.line; },
             fixed(550), 18, 10, {}, kSheet, 4},
            {"edPraktic", fixed(36),
             [](const PlaceContext& c) { return 517 + 21 * c.line + c.s.midDeltaYLeft3App1; },
             fixed(550), 18, 10, {}, kSheet, 4},
            {"edExamMore", fixed(36),
             [](const PlaceContext& c) { return 787 + 20 * c.line + c.s.midDeltaYLeft5App1; },
             fixed(550), 18, 10, {}, kSheet, 10},
        };
        rows.insert(rows.end(), lines1997.begin(), lines1997.end());
    }
    // clang-format on
    return rows;
}

// The boxes the 2007 blanks add to the older layout, each placed at its step of
// apply2007Changes from boxes already moved there.
struct Rows2007 {
    BoxRow trial2, timeLern2, special2, specialicy2, courseWork, praktic, examMore;
};

const Rows2007& rows2007() {
    const Formula app1 = setting(&S::AdjustLinesApp1);
    // clang-format off
    static const Rows2007 rows{
        {"edTrial2", fixed(37), topOf("edTrial1", 24), fixed(550), 18, 10, app1},
        {"edTimeLern2", fixed(37), topOf("edTimeLern", 23), fixed(550), 18, 10, app1},
        {"edSpecial2", fixed(37), topOf("edSpecial", 22), fixed(550)},
        {"edSpecialicy2", fixed(37), topOf("edSpecialicy", 23), fixed(550)},
        {"edCourseWork", fixed(36),
         [](const PlaceContext& c) { return c.boxes.at("edSpecialicy2").top + 25 * c.line + 8; },
         fixed(550), 18, 10, {}, kSheet, 3},
        {"edPraktic", fixed(36),
         [](const PlaceContext& c) {
             return c.boxes.at("edCourseWork2").top + c.s.midDeltaYLeft3App1 + 24 * c.line + 19;
         },
         fixed(550), 18, 10, {}, kSheet, 3},
        {"edExamMore", fixed(36),
         [](const PlaceContext& c) {
             return c.boxes.at("edExamen2").top + 25 * c.line + 13 + c.s.midDeltaYLeft5App1;
         },
         fixed(550), 18, 10, {}, kSheet, 6},
    };
    // clang-format on
    return rows;
}

void placeRow(SheetBoxes& boxes, const Settings& s, const BoxRow& row) {
    placeRows(boxes, s, std::span<const BoxRow>(&row, 1));
}

// With six school lines the block rises: line 1 takes the town's place and the town goes
// above it; the sixth line sits closer to the fifth.
void placeSixSchoolLines(const SheetBoxes& boxes) {
    TTextBox& town = boxes.at("edTown");
    TTextBox& line1 = boxes.at("edSchool1");
    setCoordinate(line1, Coordinate::Top, town.top);
    for (int i = 2; i <= 5; ++i)
        setCoordinate(boxes.at("edSchool" + std::to_string(i)), Coordinate::Top,
                      line1.top + (i - 1) * 20);
    setCoordinate(town, Coordinate::Top, line1.top - 16);
    setCoordinate(boxes.at("edSchool6"), Coordinate::Top, boxes.at("edSchool5").top + 16);
}

// The 2007 blanks: the changes to the 1997 placement, step by step in this order.
void apply2007Changes(SheetBoxes& boxes, const Settings& s, bool threeQualify) {
    const Rows2007& rows = rows2007();
    auto top = [&](std::string_view role) -> int { return boxes.at(role).top; };
    auto setTop = [&](std::string_view role, int value) {
        setCoordinate(boxes.at(role), Coordinate::Top, value);
    };
    auto setLeftWidth = [&](std::string_view role, int left, int width) {
        setCoordinate(boxes.at(role), Coordinate::Left, left);
        setCoordinate(boxes.at(role), Coordinate::Width, width);
    };

    setTop("edNumToDipl", 283);

    setLeftWidth("edPrevDocum1", 200, 320);
    setTop("edPrevDocum1", top("edBirthDay") + 37);
    setTop("edPrevDocum2", top("edPrevDocum1") + 19);
    setTop("edPrevDocum3", top("edPrevDocum2") + 19);
    setTop("edTrial1", top("edPrevDocum3") + 40);
    setCoordinate(boxes.at("edTrial1"), Coordinate::Width, 300);

    placeRow(boxes, s, rows.trial2);

    setTop("edEntry1", top("edTrial2") + 40 + s.midDeltaYLeft1App1);
    setTop("edEntry2", top("edEntry1") + 27);
    setTop("edEntry3", top("edEntry2") + 27);
    setTop("edEndLern1", top("edEntry3") + 40);
    setTop("edEndLern2", top("edEndLern1") + 27);
    setTop("edEndLern3", top("edEndLern2") + 27);
    setTop("edTimeLern", top("edEndLern3") + 32);

    placeRow(boxes, s, rows.timeLern2);
    setTop("edSpecial", top("edTimeLern2") + 29);

    placeRow(boxes, s, rows.special2);
    setTop("edSpecialicy", top("edSpecial2") + 27 + s.midDeltaYLeft2App1);

    placeRow(boxes, s, rows.specialicy2);

    placeRow(boxes, s, rows.courseWork);
    setLeftWidth("edCourseWork1", 310, 320);
    setTop("edCourseWork3", top("edCourseWork2") + 21);

    placeRow(boxes, s, rows.praktic);
    setLeftWidth("edPraktic1", 340, 320);
    setTop("edPraktic3", top("edPraktic2") + 20);

    setCoordinate(boxes.at("edNameDiplPrj0"), Coordinate::Left, 330);
    setTop("edNameDiplPrj0", top("edPraktic2") + 43 + s.midDeltaYLeft4App1);
    setTop("edNameDiplPrj1", top("edNameDiplPrj0") + 24);
    setCoordinate(boxes.at("edResult1"), Coordinate::Left, 160);
    setTop("edResult1", top("edNameDiplPrj1") + 26);
    setLeftWidth("edExamen1", 392, 200);
    setTop("edExamen1", top("edResult1") + 34);
    setTop("edExamen2", top("edExamen1") + 24);

    placeRow(boxes, s, rows.examMore);
    setLeftWidth("edExamMore1", 330, 320);

    const std::string middle = middleQualifyRole(threeQualify);
    setTop(middle, 570 + s.midDeltaYRight1App1);
    if (threeQualify) {
        setTop("edQualify", top(middle) - 14);
        setTop("edQualify3", top(middle) + 16);
    }

    for (int i = 1; i <= 5; ++i)
        setTop("edSpecRight" + std::to_string(i), top(middle) + 59 + 20 * (i - 1));
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

// Every box named after a field takes that field's text.
void putFieldTexts(const SheetBoxes& boxes, const Document& doc) {
    for (const SheetBoxes::Entry& e : boxes.entries())
        if (const auto field = fieldByName(e.box->role))
            putText(*e.box, doc.text(*field));
}

void emptyLinesFiveAndSix(const SheetBoxes& boxes, const Document& doc) {
    if (sixSchoolLines(doc))
        return;
    putText(boxes.at("edSchool5"), "");
    putText(boxes.at("edSchool6"), "");
}

void fill2010(const SheetBoxes& boxes, const Document& doc, const Settings& s) {
    applyRowAdjust(boxes, s, rows2010());

    applyFontSize(boxes.at("edTown"), s.FontSizeAppTown, s, Correction::SmallFont);
    applyFontSize(boxes.lines("edSchool", 1, 6), s.FontSizeAppSchool, s, Correction::SmallFont);
    for (const char* role : {"edExamen1", "edQualify", "edQualify2", "edQualify3"})
        applyFontSize(boxes.at(role), s.FontSizeAppQualify, s, Correction::None);
    // These four lines are the SPO specialty lines of this blank, so they take the SPO
    // specialty size; the NPO key FontSizeApp5SpecRight is left to the NPO page. Testing and
    // taking one key also means the boxes always get a real size when the setting is on.
    for (const char* role : {"edSpecial", "edSpecialicy", "edNameDiplPrj1", "edNameDiplPrj2"})
        applyFontSize(boxes.at(role), s.FontSizeAppSpecRight, s, Correction::None);

    // The 2010 blank has no right-hand column: DeltaXRightApp / DeltaYRightApp do not apply.
    shiftSheet(boxes, s.DeltaX1, s.DeltaY1, 0, 0, MarkShift::WithSheet);

    putFieldTexts(boxes, doc);
    emptyLinesFiveAndSix(boxes, doc);
}

// The qualification lines move with their font size in their own way: the outer lines are
// set from the middle one rather than shifted by the correction.
void applyQualifySize(const SheetBoxes& boxes, const Settings& s, bool three) {
    const int size = s.FontSizeAppQualify;
    if (size == 0)
        return;
    TTextBox& middle = boxes.at(middleQualifyRole(three));
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

void fillOlder(const SheetBoxes& boxes, const Document& doc, const Settings& s, int edition) {
    const bool three = threeQualifyLines(doc);
    const int courseLines = edition == 0 ? 4 : 3;
    const int examLines = edition == 0 ? 10 : 6;

    applyFontSize(boxes.at("edTown"), s.FontSizeAppTown, s, Correction::SmallFont);
    applyFontSize(boxes.lines("edSchool", 1, 6), s.FontSizeAppSchool, s, Correction::SmallFont);
    applyQualifySize(boxes, s, three);
    applyFontSize(boxes.at("edSpecRight1"), s.FontSizeAppSpecRight, s, Correction::None);
    applyFontSize(boxes.lines("edSpecRight", 2, 5), s.FontSizeAppSpecRight, s,
                  Correction::SmallFont);
    applyFontSize(boxes.lines("edCourseWork", 1, courseLines), s.FontSizeAppCourseWork, s,
                  Correction::None);
    applyFontSize(boxes.lines("edPraktic", 1, courseLines), s.FontSizeAppPraktic, s,
                  Correction::None);
    // Like every other size setting, 0 keeps the placed size: a 0-point font would drop
    // the title of the qualification work from the printed supplement.
    applyFontSize(boxes.lines("edNameDiplPrj", 0, edition == 0 ? 2 : 1), s.FontSizeAppNameDiplPrj,
                  s, Correction::None);
    applyFontSize(boxes.lines("edExamMore", 1, examLines), s.FontSizeAppExamMore, s,
                  Correction::None);

    applyRowAdjust(boxes, s, olderRows(edition, three));
    if (edition == 1) {
        const Rows2007& r = rows2007();
        for (const BoxRow* row : {&r.trial2, &r.timeLern2, &r.special2, &r.specialicy2,
                                  &r.courseWork, &r.praktic, &r.examMore})
            applyRowAdjust(boxes, s, std::span<const BoxRow>(row, 1));
    }

    shiftSheet(boxes, s.DeltaX1, s.DeltaY1, s.DeltaXRightApp, s.DeltaYRightApp,
               MarkShift::WithSheet);

    putFieldTexts(boxes, doc);
    if (edition == 0) {
        putText(boxes.at("cbTrial"), trialText(doc));
    } else {
        // These two lines of the 1997 blank have no place on the 2007 one.
        putText(boxes.at("edNameDiplPrj2"), "");
        putText(boxes.at("edResult2"), "");
    }
    emptyLinesFiveAndSix(boxes, doc);
}

}  // namespace

SheetBoxes placeSupplementSpoSheet(const Document& doc, const Settings& s, TReport& report) {
    SheetBoxes boxes = beginSupplementSheet(report, doc, sheet_code::kSupplementSpo);
    const int edition = supplementEdition(s);
    if (edition == 2) {
        placeRows(boxes, s, rows2010());
        return boxes;
    }
    const bool three = threeQualifyLines(doc);
    placeRows(boxes, s, olderRows(edition, three));
    if (sixSchoolLines(doc))
        placeSixSchoolLines(boxes);
    if (edition == 1)
        apply2007Changes(boxes, s, three);
    return boxes;
}

void fillSupplementSpoSheet(const SheetBoxes& boxes, const Document& doc, const Settings& s) {
    const int edition = supplementEdition(s);
    if (edition == 2)
        fill2010(boxes, doc, s);
    else
        fillOlder(boxes, doc, s, edition);
}

void layoutSupplementSpoSheet(const Document& doc, const Settings& s, TReport& report) {
    const SheetBoxes boxes = placeSupplementSpoSheet(doc, s, report);
    fillSupplementSpoSheet(boxes, doc, s);
}

}  // namespace vellex

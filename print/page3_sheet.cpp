#include "print/page3_sheet.h"

#include "storage/settings.h"

namespace vellex {

namespace {

constexpr int kRows = 48;

struct Page3Constants {
    int t0, nameLeft, hoursLeft, gradeLeft;
};
// By edition: the 2010 blank starts its table lower and its columns further left.
constexpr Page3Constants kColumns[3] = {
    {220, 62, 510, 610},
    {220, 62, 510, 610},
    {230, 60, 490, 580},
};

// Name column per row mode: pitch and height; mode 2 takes the double-row rule of page 2
// with a base pitch of 14.
struct NameRule {
    int pitch, height;
};
NameRule nameRule(int mode) {
    switch (mode) {
        case 1:
            return {15, 15};
        case 3:
            return {14, 14};
        case 2:
            return {0, 15};
        default:
            return {17, 16};
    }
}

// The page's base pitch, which is also the first height of the hours and grade boxes.
int basePitch(int mode) {
    return mode >= 1 && mode <= 3 ? 14 : 16;
}

// Header and signature block of the 2010 blanks. The page continues the SPO supplement, so
// its header takes the SPO supplement's right-part alignment.
std::vector<BoxRow> blockRows() {
    const Formula right = setting(&Settings::AdjustLinesAppRight1);
    // clang-format off
    return {
        {"edNumToDiplSequel", fixed(110), fixed(90), fixed(200), 19, 12, right},
        {"edRegNoSequel", afterPrev(220), prevTop(), fixed(200), 19, 12, right},
        {"edRukObrazUch8", fixed(300), fixed(955), fixed(400)},
        {"edSecretar8", fixed(300), prevTop(33), fixed(400)},
        {"edDayOut8", fixed(180), prevTop(29), fixed(50)},
        {"edMonthOut8", afterPrev(20), prevTop(), fixed(180)},
        {"edYearOut8", afterPrev(20), prevTop(), fixed(140)},
    };
    // clang-format on
}

// Only the 2010 blank has the header and the signature block on this page.
const Layout& blockLayout() {
    static const Layout layout = {{{kEd2}, blockRows()}};
    return layout;
}

}  // namespace

DisciplinePage placePage3Sheet(const Document& doc, const Settings& s, TReport& report) {
    DisciplinePage page{beginSupplementSheet(report, doc, sheet_code::kPage3), {}, {}, {}, {}};
    const int edition = supplementEdition(s);
    const Page3Constants& c = kColumns[edition];
    const int mode = s.mode_N_Discipl;
    const int base = basePitch(mode);

    const NameRule rule = nameRule(mode);
    std::vector<int> tops;
    if (mode == 2) {
        tops = doubleRowTops(c.t0, base, kRows, s);
    } else {
        for (int r = 1; r <= kRows; ++r)
            tops.push_back(c.t0 + (r - 1) * rule.pitch);
    }
    placeDisciplineColumns(page, Table::Disciplines8, tops, rule.height, base, c.nameLeft,
                           c.hoursLeft, c.gradeLeft, s);
    if (mode == 1 || mode == 2 || mode == 3) {
        const int cells = mode == 3 ? 14 : 15;
        for (TTextBox* b : page.hours)
            setCoordinate(*b, Coordinate::Height, cells);
        for (TTextBox* b : page.grades)
            setCoordinate(*b, Coordinate::Height, cells);
    }

    const std::vector<BoxRow> rows = selectRows(blockLayout(), {edition, 0});
    placeRows(page.boxes, s, rows);
    applyRowAdjust(page.boxes, s, rows);
    for (const BoxRow& row : rows)
        page.block.push_back(&page.boxes.at(row.role));
    return page;
}

void fillPage3Sheet(const DisciplinePage& page, const Document& doc, const Settings& s) {
    for (TTextBox* b : page.hours)
        setAdjust(*b, s.AdjustAudTime);
    // The duplicate mark keeps its place on this page whatever the shifts.
    shiftSheet(page.boxes, s.DeltaX2, s.DeltaY2, 0, 0, MarkShift::Fixed);
    shiftDisciplineColumns(page, s);
    // Names and hours keep 10 pt here: FontSizeColumn12 belongs to page 2 only.
    if (s.FontSizeColumn3 != 0)
        for (TTextBox* b : page.grades)
            setFontSize(*b, s.FontSizeColumn3);

    putDisciplineTexts(page, doc, Table::Disciplines8);
    for (TTextBox* b : page.block)
        putText(*b, doc.text(*fieldByName(b->role)));
}

void layoutPage3Sheet(const Document& doc, const Settings& s, TReport& report) {
    const DisciplinePage page = placePage3Sheet(doc, s, report);
    fillPage3Sheet(page, doc, s);
}

}  // namespace vellex

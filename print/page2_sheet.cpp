#include "print/page2_sheet.h"

#include <cstdint>
#include <string>

#include "print/first_page_boxes.h"
#include "storage/settings.h"

namespace vellex {

namespace {

constexpr int kNameWidth = 550;
constexpr int kHoursWidth = 80;
constexpr int kGradeWidth = 150;

struct Page2Constants {
    int nameLeft, hoursLeft, gradeLeft;
};
// By edition: the 2010 blank has its columns further left.
constexpr Page2Constants kColumns[3] = {{62, 510, 610}, {62, 510, 610}, {60, 490, 580}};

// The SPO blanks of 2010 (portrait and landscape diplomas) start the table lower and end
// the signature block higher than the NPO ones.
bool spoBlank(const Document& doc) {
    const int type = doc.choice(Choice::rgProfEduType);
    return type == 0 || type == 2;  // "СПО", "СПО (Альбомный лист)"
}

// A zero "каждые … строк" would divide by zero; it means no row is such a row.
bool everyNth(int row, int n) {
    return n != 0 && row % n == 0;
}

enum class Height : std::uint8_t { ColsHeight, ColsDeltaH, Fifteen };

int heightOf(Height h, const Settings& s) {
    switch (h) {
        case Height::ColsHeight:
            return s.ColsHeight;
        case Height::ColsDeltaH:
            return s.ColsDeltaH;
        case Height::Fifteen:
            return 15;
    }
    return s.ColsDeltaH;
}

// Name column per row mode (mode 2 takes the double-row rule instead of a pitch).
struct NameRule {
    int pitchExtra;  // pitch is ColsDeltaH + this
    Height height;
};
NameRule nameRule(int mode) {
    switch (mode) {
        case 1:
        case 4:
            return {1, Height::ColsHeight};
        case 3:
            return {0, Height::ColsHeight};
        case 2:
            return {0, Height::Fifteen};
        default:
            return {1, Height::ColsDeltaH};
    }
}

// Hours and grade boxes after all are placed, by blank (older, 2010) and row mode 0..4; other
// modes take ColsDeltaH.
constexpr Height kCellHeight[2][5] = {
    {Height::ColsDeltaH, Height::ColsHeight, Height::ColsHeight, Height::ColsHeight,
     Height::ColsHeight},
    {Height::ColsDeltaH, Height::ColsHeight, Height::ColsHeight, Height::Fifteen,
     Height::ColsHeight},
};

Height cellHeight(int edition, int mode) {
    return mode >= 0 && mode <= 4 ? kCellHeight[edition == 2 ? 1 : 0][mode] : Height::ColsDeltaH;
}

// The signature block of the 2010 blanks; `head` is the top of its first line.
std::vector<BoxRow> signatureRows(int head) {
    return {
        {"edRukObrazUch2", fixed(300),
         [head](const PlaceContext& c) { return head + c.s.DeltaYsign2; }, fixed(400)},
        {"edSecretar", fixed(300), prevTop(33), fixed(400)},
        {"edDayOut", fixed(180), prevTop(29), fixed(50)},
        {"edMonthOut", afterPrev(20), prevTop(), fixed(180)},
        {"edYearOut", afterPrev(20), prevTop(), fixed(140)},
    };
}

constexpr std::uint32_t kSpo = 1;

// The table's first line (before the first pitch) by blank.
int tableTop(const LayoutKey& key) {
    if (key.edition != 2)
        return 140;
    return key.variant & kSpo ? 166 : 157;
}

// Only the 2010 blanks have the signature block on this page.
const Layout& signatureLayout() {
    static const Layout layout = {
        {{kEd2, kSpo}, signatureRows(166 + 795)},
        {{kEd2, 0, kSpo}, signatureRows(157 + 808)},
    };
    return layout;
}

}  // namespace

std::vector<int> doubleRowTops(int t0, int base, int rows, const Settings& s) {
    std::vector<int> tops;
    int top = 0;
    for (int r = 1; r <= rows; ++r) {
        const int pitch = r % 4 == 0 ? base : base + 1;
        // Each row starts from the final top of the row before, so every correction below
        // carries over to the rest of the table.
        top = r == 1 ? t0 + 36 : top + pitch;
        if (r % 2 == 1) {
            top += s.DoubleStrDeltaY1;
        } else {
            top -= s.DoubleStrDeltaY1;
            if (everyNth(r, s.DoubleStrForEach1))
                top -=
                    everyNth(r, s.DoubleStrForEach2) ? 2 * s.DoubleStrDeltaY2 : s.DoubleStrDeltaY2;
        }
        tops.push_back(top);
    }
    return tops;
}

void placeDisciplineColumns(DisciplinePage& page, Table table, const std::vector<int>& tops,
                            int nameHeight, int cellHeight, int nameLeft, int hoursLeft,
                            int gradeLeft, const Settings& s) {
    const int rows = static_cast<int>(tops.size());
    for (int r = 1; r <= rows; ++r)
        page.names.push_back(&page.boxes.place(cellRole(table, r, Column::Discipline), nameLeft,
                                               tops[r - 1], kNameWidth, nameHeight));
    for (int r = 1; r <= rows; ++r) {
        TTextBox& b = page.boxes.place(cellRole(table, r, Column::AudTime), hoursLeft,
                                       page.names[r - 1]->top, kHoursWidth, cellHeight);
        setAdjust(b, s.AdjustAudTime);
        page.hours.push_back(&b);
    }
    for (int r = 1; r <= rows; ++r)
        page.grades.push_back(&page.boxes.place(cellRole(table, r, Column::Value), gradeLeft,
                                                page.names[r - 1]->top, kGradeWidth, cellHeight));
}

void putDisciplineTexts(const DisciplinePage& page, const Document& doc, Table table) {
    // The page may have more rows than the document's table (a row mode changed after the
    // table was built): those print empty instead of reading past the table.
    const int have = doc.rowCount(table);
    const std::vector<TTextBox*>* columns[] = {&page.names, &page.hours, &page.grades};
    constexpr Column kColumns[] = {Column::Discipline, Column::AudTime, Column::Value};
    for (int c = 0; c < 3; ++c) {
        const std::vector<TTextBox*>& boxes = *columns[c];
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const int row = static_cast<int>(i) + 1;
            putText(*boxes[i], row <= have ? doc.cell(table, row, kColumns[c]) : std::string());
        }
    }
}

void shiftDisciplineColumns(const DisciplinePage& page, const Settings& s) {
    if (s.DeltaXColumn2 != 0)
        for (TTextBox* b : page.hours)
            setCoordinate(*b, Coordinate::Left, b->left + s.DeltaXColumn2);
    if (s.DeltaXColumn3 != 0)
        for (TTextBox* b : page.grades)
            setCoordinate(*b, Coordinate::Left, b->left + s.DeltaXColumn3);
}

DisciplinePage placePage2Sheet(const Document& doc, const Settings& s, TReport& report) {
    DisciplinePage page{beginSupplementSheet(report, doc, sheet_code::kPage2), {}, {}, {}, {}};
    const LayoutKey key{supplementEdition(s), spoBlank(doc) ? kSpo : 0};
    const Page2Constants& cols = kColumns[key.edition];
    const int t0 = tableTop(key);
    const int rows = s.rowsPage2();
    const int mode = s.mode_N_Discipl;

    const NameRule rule = nameRule(mode);
    std::vector<int> tops;
    if (mode == 2) {
        tops = doubleRowTops(t0, s.ColsDeltaH, rows, s);
    } else {
        for (int r = 1; r <= rows; ++r)
            tops.push_back(t0 + (r - 1) * (s.ColsDeltaH + rule.pitchExtra));
    }
    placeDisciplineColumns(page, Table::Disciplines, tops, heightOf(rule.height, s), s.ColsDeltaH,
                           cols.nameLeft, cols.hoursLeft, cols.gradeLeft, s);
    const int cells = heightOf(cellHeight(key.edition, mode), s);
    for (TTextBox* b : page.hours)
        setCoordinate(*b, Coordinate::Height, cells);
    for (TTextBox* b : page.grades)
        setCoordinate(*b, Coordinate::Height, cells);

    const std::vector<BoxRow> signature = selectRows(signatureLayout(), key);
    placeRows(page.boxes, s, signature);
    for (const BoxRow& row : signature)
        page.block.push_back(&page.boxes.at(row.role));
    return page;
}

void fillPage2Sheet(const DisciplinePage& page, const Document& doc, const Settings& s) {
    for (TTextBox* b : page.hours)
        setAdjust(*b, s.AdjustAudTime);
    // Every box of the page is a table or signature box; page 2 has no duplicate mark.
    shiftSheet(page.boxes, s.DeltaX2, s.DeltaY2, 0, 0, MarkShift::Fixed);
    shiftDisciplineColumns(page, s);
    if (s.FontSizeColumn12 != 0) {
        for (TTextBox* b : page.names)
            setFontSize(*b, s.FontSizeColumn12);
        for (TTextBox* b : page.hours)
            setFontSize(*b, s.FontSizeColumn12);
    }
    if (s.FontSizeColumn3 != 0)
        for (TTextBox* b : page.grades)
            setFontSize(*b, s.FontSizeColumn3);

    putDisciplineTexts(page, doc, Table::Disciplines);
    for (TTextBox* b : page.block)
        putText(*b, doc.text(*fieldByName(b->role)));
}

void layoutPage2Sheet(const Document& doc, const Settings& s, TReport& report) {
    const DisciplinePage page = placePage2Sheet(doc, s, report);
    fillPage2Sheet(page, doc, s);
}

}  // namespace vellex

#pragma once

#include <vector>

#include "model/document.h"
#include "print/supplement_common.h"

// The second page of the diploma supplement and the academic certificate (sheet code 2):
// the table of disciplines, hours and grades, and on the 2010 blanks the signature block.
// Page 3 (page3_sheet.h) is the same table continued and shares the pieces declared here.
namespace vellex {

struct Settings;

// The references of a discipline page: the boxes by role, and the three columns by row
// (index 0 is row 1). `block` holds the boxes placed after the table (signatures, header).
struct DisciplinePage {
    SheetBoxes boxes;
    std::vector<TTextBox*> names;
    std::vector<TTextBox*> hours;
    std::vector<TTextBox*> grades;
    std::vector<TTextBox*> block;
};

// The tops of the rows of the double-row mode ("58 строк (сдвоенные)"): rows come in pairs
// that share one two-line cell of the blank. Row 1 starts at t0 + 36; each row starts
// `base` + 1 below the final top of the row before, `base` before every fourth row; odd rows
// move DoubleStrDeltaY1 down, even rows DoubleStrDeltaY1 up and, every DoubleStrForEach1
// rows, DoubleStrDeltaY2 further up (twice that every DoubleStrForEach2 rows).
std::vector<int> doubleRowTops(int t0, int base, int rows, const Settings& s);

// The name column of `table` at the given tops, then the hours column (centred by
// AdjustAudTime) and the grade column at the same tops. Every box starts `cellHeight` high,
// the names `nameHeight`.
void placeDisciplineColumns(DisciplinePage& page, Table table, const std::vector<int>& tops,
                            int nameHeight, int cellHeight, int nameLeft, int hoursLeft,
                            int gradeLeft, const Settings& s);

// Row r's three boxes take row r of the document's table; rows the table does not have
// print empty.
void putDisciplineTexts(const DisciplinePage& page, const Document& doc, Table table);

// The column shifts of page 2's settings: DeltaXColumn2 on the hours, DeltaXColumn3 on the
// grades.
void shiftDisciplineColumns(const DisciplinePage& page, const Settings& s);

DisciplinePage placePage2Sheet(const Document& doc, const Settings& s, TReport& report);
void fillPage2Sheet(const DisciplinePage& page, const Document& doc, const Settings& s);
void layoutPage2Sheet(const Document& doc, const Settings& s, TReport& report);

}  // namespace vellex

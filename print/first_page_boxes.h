#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "model/document.h"
#include "print/supplement_common.h"

// What the first pages of the supplements and certificates share beyond the common
// supplement rules: the discipline table printed on a first page, and texts put into boxes
// by the field each box is named after.
namespace vellex {

// placeRows, then the rows' alignment codes. The codes depend on settings only, so the
// final ones can be written as the boxes are placed.
void placeRowsAligned(SheetBoxes& boxes, const Settings& s, const std::vector<BoxRow>& rows);

// Whether the student's name is centred: the first pages then give it the whole width.
bool studentCentred(const Settings& s);

// The role of a discipline table box: "Disciplines4 row 5 Value".
std::string cellRole(Table table, int row, Column column);

// The rows of a discipline table on a first page: table rows 1..rows, one every `pitch`
// units from `top0` (plus the settings `keys`) + `pitch`, each a name, an hours and a grade
// box (in that order, 17 high): names at 62 (250 wide), hours at 345 (80, centred by
// AdjustAudTime), grades at 435 (150). They shift with the sheet, not with a right-hand
// group.
std::vector<BoxRow> tableRows(Table table, int rows, int top0, int pitch,
                              std::initializer_list<SettingKey> keys = {});

// The boxes of one column of a table placed from tableRows.
std::vector<TTextBox*> columnBoxes(const SheetBoxes& boxes, Table table, int rows, Column column);

// Every box whose role is the name of a document field gets that field's text; boxes with
// other roles (table cells, blank lines) are left alone.
void putFieldTexts(const SheetBoxes& boxes, const Document& doc);

// Table row r of the page takes row r of the document's table.
void putTableTexts(const SheetBoxes& boxes, const Document& doc, Table table, int rows);

}  // namespace vellex

#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "model/document.h"
#include "print/supplement_common.h"

// What the first pages of the academic certificate and the certificate supplement, and the
// NPO supplement, share beyond the common supplement rules: the discipline table printed on
// a first page, and texts put into boxes by the field each box is named after.
namespace vellex {

// Formula helpers beside those of the common rules.
// A width that ends the box at `right`: right − (prev.Left + prev.Width).
Formula widthTo(int right);
// A fixed value plus the settings.
Formula fixedPlus(int base, std::initializer_list<SettingKey> keys);

// placeRows, then the rows' alignment codes. The codes depend on settings only, so the
// final ones can be written as the boxes are placed.
void placeRowsAligned(SheetBoxes& boxes, const Settings& s, const std::vector<BoxRow>& rows);

// Whether the student's name is centred: the first pages then give it the whole width.
bool studentCentred(const Settings& s);

// The role of a discipline table box: "Disciplines4 row 5 Value".
std::string cellRole(Table table, int row, Column column);

// Rows 1..rows of a discipline table on a first page, one row every `pitch` units from
// `top0` + `pitch`, each row a name, an hours and a grade box (in that order, 17 high):
// names at 62 (250 wide), hours at 345 (80, centred by AdjustAudTime), grades at 435
// (150). They shift with the sheet, not with a right-hand group.
void placeTableRows(SheetBoxes& boxes, const Settings& s, Table table, int rows, int top0,
                    int pitch);

// The boxes of one column of a table placed by placeTableRows.
std::vector<TTextBox*> columnBoxes(const SheetBoxes& boxes, Table table, int rows, Column column);

// Every box whose role is the name of a document field gets that field's text; boxes with
// other roles (table cells, blank lines) are left alone.
void putFieldTexts(const SheetBoxes& boxes, const Document& doc);

// Table row r of the page takes row r of the document's table.
void putTableTexts(const SheetBoxes& boxes, const Document& doc, Table table, int rows);

}  // namespace vellex

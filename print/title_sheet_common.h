#pragma once

#include <string>

#include "model/document.h"
#include "print/supplement_common.h"
#include "report/report.h"

// What the two title sheets — the diploma and the qualification certificate — share. Both
// are laid out from layout rows per blank and edition (see supplement_common.h), placed
// with their alignment; the content stage then sets styles, adds one shift for the whole
// sheet, applies block font sizes with the small-font correction and puts one line of text
// into every box.
namespace vellex {

// The blank edition a layout follows. Editions come from "VellexVersion", which is used as
// read; a value outside 0–2 (only a hand-edited settings file holds one) prints as
// edition 0.
int layoutEdition(int vellexVersion);

// Where a title sheet puts its "Дубликат" mark: each blank has its own place, and the
// landscape blanks turn it.
struct MarkPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int adjust = 0;
};

// Clears the report and adds its one page; with `duplicate` the mark (10 points, bold and
// italic) is the page's first box.
SheetBoxes beginTitleSheet(TReport& report, bool duplicate, const MarkPlace& mark);

// Every box of a title sheet is 18 units across its line.
// A line of a portrait blank.
BoxRow titleLine(std::string role, int left, Formula top, int width, int adjust);
// A line of a landscape blank: the page stays portrait and the box is a column with
// turned text.
BoxRow titleColumn(std::string role, Formula left, int top, int height, int adjust);

void setBold(TTextBox& box, bool on);
void setItalic(TTextBox& box, bool on);

// The box's text becomes exactly one line, `text` as entered (an empty field gives one
// empty line).
void setOneLine(TTextBox& box, const std::string& text);

// Every box's text is the field its role names, as one line (see setOneLine).
void putFieldLines(const SheetBoxes& boxes, const Document& doc);

}  // namespace vellex

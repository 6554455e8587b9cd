#pragma once

#include "print/supplement_common.h"

// The first page of the supplement to the diploma of initial professional education
// (sheet code 5): the 2010 layout, one column of lines across the page, and the older
// two-column layout that editions 0 and 1 print alike.
namespace vellex {

class Document;
struct Settings;

// Stage one: clears the report and places every box of the edition's layout (an edition
// outside 0..2 is laid out as edition 0, see supplementEdition).
SheetBoxes placeSupplementNpo(TReport& report, const Document& doc, const Settings& s);
// Stage two: font sizes, the sheet and right-hand group shifts, then the texts.
void fillSupplementNpo(const SheetBoxes& boxes, const Document& doc, const Settings& s);
// Both stages.
void layoutSupplementNpo(const Document& doc, const Settings& s, TReport& report);

}  // namespace vellex

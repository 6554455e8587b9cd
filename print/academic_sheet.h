#pragma once

#include "print/supplement_common.h"

// The first page of the academic certificate (sheet code 4), for a student who leaves
// before the end: the 2010 layout, the version-1 layout and the version-0 layout, which
// also carries a table of 26 disciplines.
namespace vellex {

class Document;
struct Settings;

// Stage one: clears the report and places every box of the edition's layout (an edition
// outside 0..2 is laid out as edition 0, see supplementEdition).
SheetBoxes placeAcademic(TReport& report, const Document& doc, const Settings& s);
// Stage two: font sizes, the sheet and right-hand group shifts, the table columns, texts.
void fillAcademic(const SheetBoxes& boxes, const Document& doc, const Settings& s);
// Both stages.
void layoutAcademic(const Document& doc, const Settings& s, TReport& report);

}  // namespace vellex

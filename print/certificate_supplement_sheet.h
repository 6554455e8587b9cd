#pragma once

#include "print/supplement_common.h"

// The first page of the supplement to the certificate of qualification (sheet code 7):
// the 2010 layout and the older two-column layout with a table of 34 disciplines, which
// editions 0 and 1 print alike.
namespace vellex {

class Document;
struct Settings;

// Stage one: clears the report and places every box of the edition's layout (an edition
// outside 0..2 is laid out as edition 0, see supplementEdition).
SheetBoxes placeCertificateSupplement(TReport& report, const Document& doc, const Settings& s);
// Stage two: font sizes, shifts, the table columns, then the texts.
void fillCertificateSupplement(const SheetBoxes& boxes, const Document& doc, const Settings& s);
// Both stages.
void layoutCertificateSupplement(const Document& doc, const Settings& s, TReport& report);

}  // namespace vellex

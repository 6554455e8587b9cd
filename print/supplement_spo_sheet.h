#pragma once

#include "print/supplement_common.h"

// The first page of the supplement to the diploma of secondary professional education
// (sheet code 1): one column of lines across the page for the 2010 blanks, the two-column
// layout (student on the left, school, numbers and qualification on the right) for the
// older ones.
namespace vellex {

class Document;
struct Settings;

// Placement: clears the report and places every box of the edition's layout. The number of
// school lines (rgSchool) and qualification lines (rgQualify) decide some positions.
SheetBoxes placeSupplementSpoSheet(const Document& doc, const Settings& s, TReport& report);

// Content: alignment, font sizes, shifts and the texts of the fields.
void fillSupplementSpoSheet(const SheetBoxes& boxes, const Document& doc, const Settings& s);

// Both stages.
void layoutSupplementSpoSheet(const Document& doc, const Settings& s, TReport& report);

}  // namespace vellex

#pragma once

#include "print/page2_sheet.h"

// The third page of the diploma supplement (sheet code 8): the table of disciplines
// continued in 48 rows and, on the 2010 blanks, the supplement's number above the table
// and the signature block below it.
namespace vellex {

struct Settings;

DisciplinePage placePage3Sheet(const Document& doc, const Settings& s, TReport& report);
void fillPage3Sheet(const DisciplinePage& page, const Document& doc, const Settings& s);
void layoutPage3Sheet(const Document& doc, const Settings& s, TReport& report);

}  // namespace vellex

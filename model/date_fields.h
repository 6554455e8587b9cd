#pragma once

#include "model/document.h"
#include "text/dates.h"

namespace vellex {

// Writes today's date into the date fields as a fresh start shows them: the full date in
// the edition's text format, and under blank version 2 also the day, the month in the
// genitive and the year in the fields of the date-part boxes (which under that version
// hold, for example, the day, month and year of birth). Start values only: the operator
// or an opened document overwrites them.
void fillStartupDateFields(Document& doc, int vellexVersion, const Date& today);

}  // namespace vellex

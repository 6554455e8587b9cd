#pragma once

#include <string_view>

#include "lists/student_list.h"
#include "lists/user_message.h"
#include "model/document.h"
#include "storage/settings.h"
#include "text/clock.h"

// Picking a student from the list: the row's names, birth date and birth place go into
// the fields of every page, as the blank edition ("VellexVersion") lays them out, and the
// student's results file, when one lies beside the list, fills the discipline tables.
namespace vellex {

// Surname, first name and patronymic into the name lines of every page.
void pickStudentNames(Document& doc, const StudentRow& row, int vellexVersion);

// Birth date (read in the order of `birthDayFormat`) and, under edition 2, birth place.
// A date that does not read is put in as it stands; returns false then (true when the
// date was read or there is none).
bool pickStudentBirth(Document& doc, const StudentRow& row, int vellexVersion,
                      std::string_view birthDayFormat, const Clock& clock);

// The whole pick: names, birth, the results file found beside `listFileName`, then the
// confirmation. Returns the messages to show in order.
UserMessages pickStudent(Document& doc, const StudentRow& row, const Settings& settings,
                         std::string_view listFileName, const Clock& clock = systemClock());

}  // namespace vellex

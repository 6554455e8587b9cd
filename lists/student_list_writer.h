#pragma once

#include <string>
#include <string_view>

#include "lists/user_message.h"
#include "model/document.h"
#include "storage/settings.h"

// Writing the student of the current document into the student list: one new line at the
// end of the list file, built in "<list>.tmp" and put in place only when complete.
namespace vellex {

// The line (without its end) for the student of `doc`: surname, first name, patronymic
// (each a single space when not found), a single space for the birth date, and the first
// town found on the supplement pages, joined by `separator`. Empty when no name part is
// found anywhere.
std::string studentListLine(const Document& doc, int vellexVersion, std::string_view separator);

// Appends the student to the list file `listFileName` (CP1251 name), creating the file and
// its folders when missing. Every line of the old list is kept, each ended by CR LF. The
// old list is never removed before the new one is complete: a failure leaves it as it was
// and is returned as an error message. Nothing happens when the document names no one.
UserMessages appendStudentToList(const Document& doc, const Settings& settings,
                                 std::string_view listFileName);

}  // namespace vellex

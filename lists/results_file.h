#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lists/user_message.h"
#include "model/document.h"

// A student's results file: one discipline a line, "name;hours;grade" with the list's
// separator. It fills the discipline column, the hours and the grades of page 2 and then
// of page 3.
namespace vellex {

// The results files looked up for the student the diploma names: "<surname> <first name>
// <patronymic>.csv" (the three diploma name lines) in the folder of the student list,
// in the order to try. Where a name line is empty (editions 0 and 1 keep the patronymic
// on the second line) the name without the stray space comes first, then the spaced
// one that older versions looked for. A list named without a folder is taken to lie in
// the working folder.
std::vector<std::string> resultsFileNames(const Document& doc, std::string_view listFileName);

// Fills the tables from the file's text, from row 1 of `Disciplines` on and then from
// row 1 of `Disciplines8`; cells the file does not reach keep their texts. A line of
// three or more fields fills name, hours and grade (fields cleaned of spaces and quotes);
// a line of one or two fields fills the name and the hours it has, uncleaned (an empty
// line empties a name and uses up its row). Returns one warning for each line of three
// or more fields that finds both tables full.
UserMessages fillResults(Document& doc, std::string_view data, std::string_view separator);

// fillResults from a file (CP1251 name) into tables emptied first (names, hours and
// grades); a file that cannot be read gives an error that names the file and the cause,
// and changes nothing.
UserMessages loadResultsFile(Document& doc, std::string_view fileName, std::string_view separator);

}  // namespace vellex

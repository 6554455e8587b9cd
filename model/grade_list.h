#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The grade texts every grade drop-down offers (CP1251), read from "eval.dat" in the
// program folder, with the built-in grades as a fallback.
namespace vellex {

using GradeList = std::vector<std::string>;

// The 14 built-in grades, in the order the drop-downs offer them.
const GradeList& builtInGrades();

// The grades of an "eval.dat" file's bytes. One grade per line; CR LF, LF and a lone CR
// all end a line, and a last line without a line end counts. Empty lines are skipped and
// do not count: a file ending in blank lines gives the same list as without them. When
// fewer than 3 grades remain, the built-in grades are appended after them.
GradeList parseGradeList(std::string_view evalDat);

// The grade list for the program folder: its "eval.dat", or the built-in grades when the
// file is missing. A file that exists but cannot be read also gives the built-in grades,
// and `error` (when given) receives a Russian message naming it; otherwise `error` is
// cleared.
GradeList loadGradeList(const std::filesystem::path& programDir, std::string* error = nullptr);

// The position of `text` in the list, -1 when it is not there (a grade typed by hand).
int gradeIndex(const GradeList& list, std::string_view text);

}  // namespace vellex

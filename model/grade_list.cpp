#include "model/grade_list.h"

#include <algorithm>
#include <system_error>

#include "text/file_io.h"
#include "text/line_cursor.h"

namespace vellex {
namespace {

constexpr std::size_t kMinFileGrades = 3;
constexpr const char* kGradeFileName = "eval.dat";

}  // namespace

const GradeList& builtInGrades() {
    // CP1251 bytes.
    static const GradeList grades = {
        "5 (\xEF\xFF\xF2\xFC)",              // 5 (пять)
        "4 (\xF7\xE5\xF2\xFB\xF0\xE5)",      // 4 (четыре)
        "3 (\xF2\xF0\xE8)",                  // 3 (три)
        "5 (\xEE\xF2\xEB\xE8\xF7\xED\xEE)",  // 5 (отлично)
        "4 (\xF5\xEE\xF0\xEE\xF8\xEE)",      // 4 (хорошо)
        "3 (\xF3\xE4\xEE\xE2\xEB\xE5\xF2\xE2\xEE\xF0\xE8\xF2\xE5\xEB\xFC\xED\xEE)",  // 3
                                                                                     // (удовлетворительно)
        "3 (\xF3\xE4\xEE\xE2\xEB.)",                                             // 3 (удовл.)
        "\xEE\xF2\xEB\xE8\xF7\xED\xEE",                                          // отлично
        "\xF5\xEE\xF0\xEE\xF8\xEE",                                              // хорошо
        "\xF3\xE4\xEE\xE2\xEB\xE5\xF2\xE2\xEE\xF0\xE8\xF2\xE5\xEB\xFC\xED\xEE",  // удовлетворительно
        "\xF3\xE4\xEE\xE2\xEB.",                                                 // удовл.
        "\xE7\xE0\xF7\xE5\xF2",                                                  // зачет
        "\xE7\xE0\xF7\xF2\xE5\xED\xEE",                                          // зачтено
        "xxxxxxxxxxxxxxxxx",
    };
    return grades;
}

GradeList parseGradeList(std::string_view evalDat) {
    GradeList grades;
    LineCursor cursor(evalDat);
    std::string_view line;
    while (cursor.next(line)) {
        if (!line.empty()) {
            grades.emplace_back(line);
        }
    }
    if (grades.size() < kMinFileGrades) {
        const GradeList& builtIn = builtInGrades();
        grades.insert(grades.end(), builtIn.begin(), builtIn.end());
    }
    return grades;
}

GradeList loadGradeList(const std::filesystem::path& programDir, std::string* error) {
    if (error) {
        error->clear();
    }
    const std::filesystem::path file = programDir / kGradeFileName;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        return builtInGrades();
    }
    std::string bytes;
    if (!readTextFile(file, bytes, error, kMaxSmallFileBytes)) {
        return builtInGrades();
    }
    return parseGradeList(bytes);
}

int gradeIndex(const GradeList& list, std::string_view text) {
    const auto it = std::find(list.begin(), list.end(), text);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

}  // namespace vellex

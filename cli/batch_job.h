#pragma once

#include <functional>
#include <string>

#include "cli/print_request.h"
#include "report/report.h"
#include "text/clock.h"

// Printing a whole group: every student of a list, each from the group's template
// document with the same pick as double-clicking the student in the window, the chosen
// sheets in student order, into one report.
namespace vellex {

struct BatchResult {
    int lines = 0;     // student lines of the list (blank lines do not count)
    int printed = 0;   // students whose sheets are in the report
    int problems = 0;  // lines skipped, or whose document could not be saved
};

// Receives one UTF-8 line for the operator (progress, warnings, skipped lines).
using BatchLog = std::function<void(const std::string&)>;

// Lays the group out into `report` (its pages: student by student, sheet by sheet).
// Lines that cannot be used are logged with their line number and skipped. Returns false
// with a Russian message only when the run cannot go on at all (settings, template or list
// unreadable, no student left). Needs a QGuiApplication (text is measured for warnings).
bool layoutBatch(const PrintRequest& request, TReport& report, BatchResult& result,
                 const BatchLog& log, std::string* error, const Clock& clock = systemClock());

// layoutBatch, then the PDF or the printer.
bool runBatch(const PrintRequest& request, BatchResult& result, const BatchLog& log,
              std::string* error, const Clock& clock = systemClock());

}  // namespace vellex

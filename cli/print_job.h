#pragma once

#include <string>
#include <vector>

#include "cli/print_request.h"
#include "report/report.h"

namespace vellex {

// Builds the sheet's page for the request: the settings and the document are opened
// exactly as the window has them right after start-up with that document on its command
// line. On failure returns false with a Russian message (UTF-8).
bool layoutRequest(const PrintRequest& request, TReport& report, std::string* error);

// Russian warnings (UTF-8) for the boxes whose text does not fit, measured with the fonts
// of the PDF and the printer. Needs a QGuiApplication.
std::vector<std::string> overflowWarnings(const TReport& report);

// Lays the sheet out and writes it (PDF or JSON) or prints it. Needs a QGuiApplication.
// Warnings go to `warnings`.
bool runPrintRequest(const PrintRequest& request, std::vector<std::string>& warnings,
                     std::string* error);

}  // namespace vellex

#pragma once

#include <string>

#include "cli/print_request.h"
#include "report/report.h"

namespace vellex {

// Builds the sheet's page for the request: the settings and the document are opened
// exactly as the window has them right after start-up with that document on its command
// line. On failure returns false with a Russian message (UTF-8).
bool layoutRequest(const PrintRequest& request, TReport& report, std::string* error);

// Lays the sheet out and writes it (PDF or JSON) or prints it. Needs a QGuiApplication.
bool runPrintRequest(const PrintRequest& request, std::string* error);

}  // namespace vellex

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/print_request.h"
#include "render/overflow_check.h"
#include "report/report.h"

namespace vellex {

class Document;
struct Settings;

// Refuses an --out that names a file the request reads (the document, its settings file,
// App.ini, the list), also through a link or another spelling: it would be destroyed.
bool refuseOutputOverAnInput(const PrintRequest& request, std::string* error);

// The settings the request names (or the program's own "App.ini"), read as the window
// reads them at start-up. `read` tells whether a file was there; a file named by --ini
// that is missing or cannot be read is an error. What reading found wrong goes to
// `warnings`.
bool loadRequestSettings(const PrintRequest& request, Settings& settings, bool& read,
                         std::vector<std::string>* warnings, std::string* error);

// The document as the window has it right after start-up with `document` (if any) on its
// command line. `settings` take the document's layout (and, with EachSaveSet on, its own
// settings file), as the window switches to them; a file that fits no layout is refused.
// What was read but changed (a field cut to its longest length) goes into `warnings`.
bool openStartDocument(Settings& settings, bool settingsRead,
                       const std::optional<std::filesystem::path>& document, Document& doc,
                       std::vector<std::string>* warnings, std::string* error);

// Builds the sheet's page for the request: the settings and the document are opened
// exactly as the window has them right after start-up with that document on its command
// line. On failure returns false with a Russian message (UTF-8).
bool layoutRequest(const PrintRequest& request, TReport& report, std::vector<std::string>& warnings,
                   std::string* error);

// Russian warnings (UTF-8) for the boxes whose text does not fit, measured with the fonts
// of the PDF and the printer, by the entry's caption and field name. Needs a
// QGuiApplication.
std::vector<std::string> overflowWarnings(const TReport& report);
// One such warning: "<caption>: текст не помещается (поле <role>)".
std::string overflowWarning(const OverflowBox& overflow);

// Sends a laid-out report where the request says: the printer, or the file as PDF or JSON.
bool outputReport(const TReport& report, const PrintRequest& request, std::string* error);

// Lays the sheet out and writes it (PDF or JSON) or prints it. Needs a QGuiApplication.
// Warnings go to `warnings`.
bool runPrintRequest(const PrintRequest& request, std::vector<std::string>& warnings,
                     std::string* error);

}  // namespace vellex

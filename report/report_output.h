#pragma once

#include <filesystem>
#include <string>

#include "report/report.h"

class QPrinter;
class QPdfWriter;

// Sending a prepared report to its two destinations: a PDF file and a printer. Both
// use the same page setup, so the PDF shows exactly what the paper gets.
namespace vellex {

// 1440 dpi: a multiple of 72, so font sizes in points come out exact.
inline constexpr int kOutputDpi = 1440;

// A4 portrait, zero margins, full-page mode: device origin on the paper's corner.
void setupPdfWriter(QPdfWriter& writer);
// The same for a printer. Call again after a print dialog has changed the printer:
// a changed page layout switches full-page mode off.
void setupPrinter(QPrinter& printer);

// Writes the report as a PDF file with the fonts embedded. The file is replaced only
// when the whole PDF is ready. `grid`: the millimetre grid over every page.
bool writeReportPdf(const TReport& report, const std::filesystem::path& path, std::string* error,
                    bool grid = false);
// The PDF bytes, for callers that keep them in memory.
bool renderReportPdf(const TReport& report, std::string& pdf, std::string* error,
                     bool grid = false);

// Draws the report on the printer as set up (printer name, copies, page range from a
// dialog). The origin is forced to the paper corner and CUPS is asked not to scale.
bool printReport(const TReport& report, QPrinter& printer, std::string* error, bool grid = false);

}  // namespace vellex

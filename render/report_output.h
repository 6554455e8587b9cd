#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "report/report.h"

class QPrinter;
class QPdfWriter;

// A prepared report as PDF: for a file, and for a printer (see print_queue.h), so the PDF
// shows exactly what the paper gets. The preview's printer has the same page setup.
namespace vellex {

// 1440 dpi: a multiple of 72, so font sizes in points come out exact.
inline constexpr int kOutputDpi = 1440;

// A4 portrait, zero margins, full-page mode: device origin on the paper's corner.
void setupPdfWriter(QPdfWriter& writer);
// The same for the preview's printer. Call again after a print dialog has changed it: a
// changed page layout switches full-page mode off.
void setupPrinter(QPrinter& printer);

// The pages chosen in a print dialog, counted from 1, as ranges first..last ("1-2,4");
// none: every page.
struct PageSelection {
    std::vector<std::pair<int, int>> ranges;
    static PageSelection only(int first, int last) { return {{{first, last}}}; }
    bool has(int page) const {
        if (ranges.empty())
            return true;
        for (const auto& [first, last] : ranges)
            if (page >= first && page <= last)
                return true;
        return false;
    }
};

// Writes the report as a PDF file with the fonts embedded. The file is replaced only
// when the whole PDF is ready. `grid`: the millimetre grid over every page.
bool writeReportPdf(const TReport& report, const std::filesystem::path& path, std::string* error,
                    bool grid = false, PageSelection pages = {});
// The PDF bytes, for callers that keep them in memory; also what a printer is sent, so
// that paper gets exactly what the PDF file shows.
bool renderReportPdf(const TReport& report, std::string& pdf, std::string* error, bool grid = false,
                     PageSelection pages = {});

}  // namespace vellex

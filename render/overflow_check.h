#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "report/report.h"
#include "report/text_layout.h"

// The boxes whose text does not fit — wrapped below the box or cut at its right edge —
// measured with the fonts of the PDF and the printer, so the warning matches the paper.
// Long names and institution titles spoil blanks; the operator sees them before printing.
namespace vellex {

struct OverflowBox {
    std::size_t page = 0;  // 0-based page of the report
    const TTextBox* box = nullptr;
    std::string message;  // "Учебное заведение, строка 2: текст не помещается" (UTF-8)
};

// In page order, then drawing order. Needs a QGuiApplication.
std::vector<OverflowBox> findOverflows(const TReport& report);
// The same with a measurer the caller keeps (a batch measures hundreds of reports).
std::vector<OverflowBox> findOverflows(const TReport& report, const TextMeasurer& measurer);

// The outer strip of a sheet a printer cannot print, per edge, in millimetres.
struct UnprintableMargins {
    double left = 4, top = 4, right = 4, bottom = 4;  // a PDF or an unknown printer
};

// The boxes with text that reach into the unprintable strip, in page order:
// "<caption>: текст у края листа, принтер может не пропечатать".
std::vector<OverflowBox> findEdgeBoxes(const TReport& report, const UnprintableMargins& margins);

}  // namespace vellex

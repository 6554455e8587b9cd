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

}  // namespace vellex

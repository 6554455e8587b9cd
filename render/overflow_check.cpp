#include "render/overflow_check.h"

#include <QBuffer>
#include <QPdfWriter>
#include <algorithm>

#include "render/page_renderer.h"
#include "render/report_output.h"
#include "report/field_captions.h"

namespace vellex {

std::vector<OverflowBox> findOverflows(const TReport& report) {
    // A PDF writer set up as for output stands in for the printer: same resolution, same
    // font metrics.
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter device(&sink);
    setupPdfWriter(device);
    return findOverflows(report, QtTextMeasurer(&device));
}

std::vector<OverflowBox> findOverflows(const TReport& report, const TextMeasurer& measurer) {
    std::vector<OverflowBox> out;
    for (std::size_t i = 0; i < report.pages.size(); ++i)
        for (const TTextBox* box : overflowingBoxes(*report.pages[i], measurer))
            out.push_back({i, box, overflowMessage(box->role)});
    return out;
}

std::vector<OverflowBox> findEdgeBoxes(const TReport& report, const UnprintableMargins& margins) {
    std::vector<OverflowBox> out;
    for (std::size_t i = 0; i < report.pages.size(); ++i) {
        const TReportPage& page = *report.pages[i];
        const double pageWidth = units::toMmX(page.width);
        const double pageHeight = units::toMmY(page.height);
        for (const auto& box : page.objects) {
            const bool hasText = std::any_of(
                box->text.begin(), box->text.end(),
                [](const std::string& l) { return l.find_first_not_of(' ') != std::string::npos; });
            if (!box->visible || !hasText)
                continue;
            const double left = units::toMmX(box->left);
            const double top = units::toMmY(box->top);
            const double right = units::toMmX(box->left + box->width);
            const double bottom = units::toMmY(box->top + box->height);
            if (left < margins.left || top < margins.top || right > pageWidth - margins.right ||
                bottom > pageHeight - margins.bottom)
                out.push_back({i, box.get(),
                               fieldCaption(box->role) +
                                   ": текст у края листа, принтер может не пропечатать"});
        }
    }
    return out;
}

}  // namespace vellex

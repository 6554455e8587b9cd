#include "report/overflow_check.h"

#include <QBuffer>
#include <QPdfWriter>

#include "report/field_captions.h"
#include "report/page_renderer.h"
#include "report/report_output.h"

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

}  // namespace vellex

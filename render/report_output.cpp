#include "render/report_output.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "render/grid.h"
#include "render/page_renderer.h"
#include "text/file_io.h"

namespace vellex {

namespace {

QPageLayout fullPageA4() {
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0));
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

}  // namespace

void setupPdfWriter(QPdfWriter& writer) {
    writer.setResolution(kOutputDpi);
    writer.setPageLayout(fullPageA4());
    writer.setCreator(QStringLiteral("Vellex"));
}

void setupPrinter(QPrinter& printer) {
    printer.setResolution(kOutputDpi);
    printer.setPageLayout(fullPageA4());
    printer.setPageOrientation(QPageLayout::Portrait);
    // Last: setting a layout may switch full-page mode off again.
    printer.setFullPage(true);
}

bool renderReportPdf(const TReport& report, std::string& pdf, std::string* error, bool grid,
                     PageSelection pages) {
    if (!prepareReport(report, error))
        return false;
    bool any = false;
    for (std::size_t i = 0; i < report.pages.size(); ++i)
        any = any || pages.has(static_cast<int>(i) + 1);
    if (!any) {
        if (error)
            *error = "В выбранном диапазоне нет ни одной страницы отчёта.";
        return false;
    }
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        setupPdfWriter(writer);
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error)
                *error = "Не удалось начать создание PDF.";
            return false;
        }
        bool first = true;
        for (std::size_t i = 0; i < report.pages.size(); ++i) {
            if (!pages.has(static_cast<int>(i) + 1))
                continue;
            if (!first)
                writer.newPage();
            first = false;
            renderPage(*report.pages[i], painter);
            if (grid)
                drawMillimetreGrid(painter);
        }
        painter.end();
    }
    pdf.assign(buffer.data().constData(), static_cast<std::size_t>(buffer.data().size()));
    return true;
}

bool writeReportPdf(const TReport& report, const std::filesystem::path& path, std::string* error,
                    bool grid, PageSelection pages) {
    std::string pdf;
    if (!renderReportPdf(report, pdf, error, grid, pages))
        return false;
    return writeFileAtomically(path, pdf, error);
}

}  // namespace vellex

#include "report/report_output.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintEngine>
#include <QPrinter>

#include "report/grid.h"
#include "report/page_renderer.h"
#include "text/file_io.h"

namespace vellex {

namespace {

QPageLayout fullPageA4() {
    QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter, QMarginsF(0, 0, 0, 0));
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

// The CUPS options list of Qt's CUPS print engine (a private key of the engine; an
// engine that does not know it ignores it). A full-sheet page must not be shrunk into
// the printable area, or every entry misses its place on the blank.
const auto kCupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

void askCupsNotToScale(QPrinter& printer) {
    QPrintEngine* engine = printer.printEngine();
    if (!engine)
        return;
    QStringList options = engine->property(kCupsOptionsKey).toStringList();
    const qsizetype at = options.indexOf(QStringLiteral("print-scaling"));
    if (at >= 0 && at % 2 == 0 && at + 1 < options.size())
        options[at + 1] = QStringLiteral("none");
    else
        options << QStringLiteral("print-scaling") << QStringLiteral("none");
    engine->setProperty(kCupsOptionsKey, options);
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

bool renderReportPdf(const TReport& report, std::string& pdf, std::string* error, bool grid) {
    if (!prepareReport(report, error))
        return false;
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
        for (std::size_t i = 0; i < report.pages.size(); ++i) {
            if (i > 0)
                writer.newPage();
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
                    bool grid) {
    std::string pdf;
    if (!renderReportPdf(report, pdf, error, grid))
        return false;
    return writeFileAtomically(path, pdf, error);
}

bool printReport(const TReport& report, QPrinter& printer, std::string* error, bool grid) {
    if (!prepareReport(report, error))
        return false;
    // Keep what a dialog chose (printer, copies, range), force the page geometry.
    printer.setResolution(kOutputDpi);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    askCupsNotToScale(printer);
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = "Не удалось начать печать на принтере «" +
                     printer.printerName().toStdString() + "».";
        return false;
    }
    // The page range of the dialog: pages outside it are skipped.
    const int from = printer.fromPage();
    const int to = printer.toPage();
    bool first = true;
    for (std::size_t i = 0; i < report.pages.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (from > 0 && (number < from || (to > 0 && number > to)))
            continue;
        if (!first)
            printer.newPage();
        first = false;
        renderPage(*report.pages[i], painter);
        if (grid)
            drawMillimetreGrid(painter);
    }
    if (!painter.end()) {
        if (error)
            *error = "Печать прервана: принтер не принял задание.";
        return false;
    }
    return true;
}

}  // namespace vellex

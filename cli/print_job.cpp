#include "cli/print_job.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cstdlib>
#include <system_error>

#include "app/document.h"
#include "report/page_renderer.h"
#include "report/report_json.h"
#include "report/report_output.h"
#include "storage/document_file.h"
#include "storage/settings.h"
#include "storage/startup_state.h"
#include "text/clock.h"
#include "text/cp1251.h"
#include "text/file_io.h"

namespace vellex {

namespace {

// The folder whose "App.ini" the window would read: beside the program when that folder
// is writable, otherwise the user's configuration folder.
std::filesystem::path defaultProgramDir() {
    if (const char* forced = std::getenv("VELLEX_PROGRAM_DIR"); forced && *forced)
        return pathFromUtf8(forced);
    const QString own = QCoreApplication::applicationDirPath();
    if (!own.isEmpty() && QFileInfo(own).isWritable())
        return pathFromUtf8(own.toStdString());
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        base = pathFromUtf8(xdg);
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = pathFromUtf8(home) / ".config";
    return base / "vellex";
}

bool fail(std::string* error, std::string msg) {
    if (error)
        *error = std::move(msg);
    return false;
}

std::string quoted(const std::filesystem::path& p) {
    return "«" + pathToUtf8(p) + "»";
}

}  // namespace

bool layoutRequest(const PrintRequest& request, TReport& report, std::string* error) {
    const std::filesystem::path iniPath =
        request.settings ? *request.settings : mainSettingsPath(defaultProgramDir());
    std::error_code ec;
    // A settings file named on purpose must be there; the program's own one may be
    // missing (the window then starts from the defaults too).
    if (request.settings && !std::filesystem::is_regular_file(iniPath, ec))
        return fail(error, "Файл настроек " + quoted(iniPath) + " не найден.");

    Settings settings;
    const auto dirText = cp1251::fromUtf8(pathToUtf8(iniPath.parent_path() / ""));
    if (dirText.ok())
        settings.programDir = dirText.bytes;
    const bool settingsRead = readSettings(iniPath, true, settings);
    applyStartupSettings(settings);

    Document doc;
    applyStartupState(doc, settings, settingsRead, systemClock().today());

    if (request.document) {
        if (!std::filesystem::is_regular_file(*request.document, ec))
            return fail(error, "Файл документа " + quoted(*request.document) + " не найден.");
        DocumentReadOptions options;
        options.format = documentFileFormat(settings);
        if (!readDocument(*request.document, options, doc, error))
            return false;
    }
    return layoutSheet(request.sheet, doc, settings, request.options, report, error);
}

std::vector<std::string> overflowWarnings(const TReport& report) {
    std::vector<std::string> out;
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter device(&sink);
    setupPdfWriter(device);
    const QtTextMeasurer measurer(&device);
    for (const auto& page : report.pages)
        for (const TTextBox* box : overflowingBoxes(*page, measurer))
            out.push_back("текст не помещается в поле «" +
                          (box->role.empty() ? std::string("без имени") : box->role) + "».");
    return out;
}

bool runPrintRequest(const PrintRequest& request, std::vector<std::string>& warnings,
                     std::string* error) {
    TReport report;
    if (!layoutRequest(request, report, error))
        return false;
    warnings = overflowWarnings(report);

    if (request.printer) {
        const QString name = QString::fromStdString(*request.printer);
        if (QPrinterInfo::printerInfo(name).isNull())
            return fail(error, "Принтер «" + *request.printer + "» не найден.");
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(name);
        setupPrinter(printer);
        printer.setCopyCount(request.copies);
        printer.setDocName(QStringLiteral("Vellex"));
        return printReport(report, printer, error);
    }
    if (request.format == OutputFormat::Json)
        return writeFileAtomically(*request.out, reportToJson(report), error);
    return writeReportPdf(report, *request.out, error);
}

}  // namespace vellex

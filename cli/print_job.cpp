#include "cli/print_job.h"

#include <cstdio>
#include <system_error>

#include "model/document.h"
#include "model/program_folder.h"
#include "model/startup_state.h"
#include "render/overflow_check.h"
#include "render/page_renderer.h"
#include "render/print_queue.h"
#include "render/report_output.h"
#include "report/report_json.h"
#include "storage/document_file.h"
#include "storage/document_layout.h"
#include "storage/settings.h"
#include "text/clock.h"
#include "text/cp1251.h"
#include "text/file_io.h"

namespace vellex {

namespace {

bool fail(std::string* error, std::string msg) {
    if (error)
        *error = std::move(msg);
    return false;
}

std::string quoted(const std::filesystem::path& p) {
    return "«" + pathToUtf8(p) + "»";
}

}  // namespace

bool refuseOutputOverAnInput(const PrintRequest& request, std::string* error) {
    if (!request.out)
        return true;
    std::vector<std::filesystem::path> inputs;
    for (const auto& document : {request.document, request.templateDocument}) {
        if (document) {
            inputs.push_back(*document);
            if (const auto companion = companionSettingsPath(*document))
                inputs.push_back(*companion);
        }
    }
    inputs.push_back(request.settings ? *request.settings : mainSettingsPath(ownSettingsFolder()));
    if (request.batchList)
        inputs.push_back(*request.batchList);
    for (const std::filesystem::path& input : inputs) {
        if (isSameFile(*request.out, input))
            return fail(error, "Файл результата " + quoted(*request.out) +
                                   " — это файл, который программа читает (" + quoted(input) +
                                   "); он не перезаписывается — укажите другое имя в --out.");
    }
    return true;
}

bool loadRequestSettings(const PrintRequest& request, Settings& settings, bool& read,
                         std::vector<std::string>* warnings, std::string* error) {
    const std::filesystem::path iniPath =
        request.settings ? *request.settings : mainSettingsPath(ownSettingsFolder());
    std::error_code ec;
    // A settings file named on purpose must be there; the program's own one may be
    // missing (the window then starts from the defaults too).
    if (request.settings && !std::filesystem::exists(iniPath, ec))
        return fail(error, "Файл настроек " + quoted(iniPath) + " не найден.");
    // ... and must be readable, and so must the program's own one when it is there:
    // printing with default shifts instead would spoil a blank.
    if ((request.settings || std::filesystem::exists(iniPath, ec)) &&
        !settingsFileReadable(iniPath, error))
        return false;

    const auto dirText = cp1251::fromUtf8(pathToUtf8(iniPath.parent_path() / ""));
    if (dirText.ok())
        settings.programDir = dirText.bytes;
    read = readSettings(iniPath, true, settings, warnings);
    applyStartupSettings(settings);
    return true;
}

bool openStartDocument(Settings& settings, bool settingsRead,
                       const std::optional<std::filesystem::path>& document, Document& doc,
                       std::vector<std::string>* warnings, std::string* error) {
    applyStartupState(doc, settings, settingsRead, systemClock().today());
    if (!document)
        return true;
    std::error_code ec;
    // A folder or a pipe of that name is there, but is no document: the reader says so.
    if (!std::filesystem::exists(*document, ec))
        return fail(error, "Файл документа " + quoted(*document) + " не найден.");
    // The document is read, and printed, in the layout it was written with.
    DocumentOpenPlan plan = planDocumentOpen(*document, settings);
    if (!plan.ok)
        return fail(error, std::move(plan.error));
    const bool ownSettings = plan.companionRead && settings.EachSaveSet;
    settings = std::move(plan.settings);
    if (ownSettings)
        applyReadSettings(doc, settings, true, true);
    return readDocument(*document, plan.read, doc, error, warnings);
}

bool layoutRequest(const PrintRequest& request, TReport& report, std::vector<std::string>& warnings,
                   std::string* error) {
    Settings settings;
    bool settingsRead = false;
    if (!loadRequestSettings(request, settings, settingsRead, &warnings, error))
        return false;
    Document doc;
    if (!openStartDocument(settings, settingsRead, request.document, doc, &warnings, error))
        return false;
    return layoutSheet(request.sheet, doc, settings, request.options, report, error);
}

std::string overflowWarning(const OverflowBox& overflow) {
    if (overflow.box->role.empty())
        return overflow.message;
    return overflow.message + " (поле " + overflow.box->role + ")";
}

std::vector<std::string> overflowWarnings(const TReport& report) {
    std::vector<std::string> out;
    for (const OverflowBox& o : findOverflows(report))
        out.push_back(overflowWarning(o));
    return out;
}

bool runPrintRequest(const PrintRequest& request, std::vector<std::string>& warnings,
                     std::string* error) {
    TReport report;
    warnings.clear();
    if (!layoutRequest(request, report, warnings, error))
        return false;
    for (std::string& w : overflowWarnings(report))
        warnings.push_back(std::move(w));
    return outputReport(report, request, error);
}

bool outputReport(const TReport& report, const PrintRequest& request, std::string* error) {
    if (request.printer) {
        const std::string& printer = *request.printer;
        // Asked before sending: a job that is refused or would wait must not pass for printed.
        const QueueCheck queue = checkPrinterQueue(printer);
        if (queue.state == QueueCheck::State::Refused)
            return fail(error, queue.message);
        // Nobody at a job without a window would notice it waiting for a stopped printer.
        if (queue.state == QueueCheck::State::Stopped)
            return fail(error, queue.message +
                                   ". Задание не отправлено: запустите принтер (cupsenable " +
                                   printer + ") и повторите печать.");
        std::string pdf;
        if (!renderReportPdf(report, pdf, error, request.grid))
            return false;
        const std::optional<std::filesystem::path>& source =
            request.batchList ? request.batchList : request.document;
        const std::string title = source ? pathToUtf8(source->filename()) : "Vellex";
        int jobId = 0;
        if (!submitPdf(printer, pdf, request.copies, title, jobId, error))
            return false;
        std::printf("%s\n", jobSentMessage(jobId, printer).c_str());
        std::fflush(stdout);
        return true;
    }
    if (request.format == OutputFormat::Json)
        return writeFileAtomically(*request.out, reportToJson(report), error);
    return writeReportPdf(report, *request.out, error, request.grid);
}

}  // namespace vellex

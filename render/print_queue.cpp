#include "render/print_queue.h"

#include <cups/cups.h>

#include <memory>

namespace vellex {

namespace {

std::string named(const std::string& printer) {
    return "Принтер «" + printer + "»";
}

// What CUPS said about the last request, for the user (CUPS translates it itself).
std::string cupsSaid() {
    const char* text = cupsLastErrorString();
    return text && *text ? text : "CUPS не ответила";
}

std::string withoutFinalDot(std::string text) {
    while (!text.empty() && (text.back() == '.' || text.back() == ' '))
        text.pop_back();
    return text;
}

// Why the queue does what it does, as its operator put it (cupsreject -r) or CUPS did. The
// destination list does not carry it; the printer itself is asked.
std::string stateMessage(const cups_dest_t& dest) {
    const char* uri = cupsGetOption("printer-uri-supported", dest.num_options, dest.options);
    if (!uri)
        return {};
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state-message");
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    const char* text =
        ippGetString(ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT), 0, nullptr);
    std::string out = text ? text : "";
    ippDelete(response);
    return out;
}

// cupsGetNamedDest says "does not exist" also when the scheduler cannot be reached.
bool schedulerAnswers() {
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                5000, nullptr);
    httpClose(http);
    return http != nullptr;
}

struct DestFree {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};

bool fail(std::string* error, std::string message) {
    if (error)
        *error = std::move(message);
    return false;
}

}  // namespace

QueueCheck checkPrinterQueue(const std::string& printer) {
    const std::unique_ptr<cups_dest_t, DestFree> dest(
        cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.c_str(), nullptr));
    if (!dest) {
        const ipp_status_t status = cupsLastError();
        const std::string why = withoutFinalDot(cupsSaid());
        if (!schedulerAnswers())
            return {QueueCheck::State::Refused,
                    "Система печати (CUPS) не отвечает (сервер «" + std::string(cupsServer()) +
                        "»): принтер «" + printer +
                        "» не проверен, задание не отправлено. Проверьте, что служба печати "
                        "запущена."};
        if (status == IPP_STATUS_ERROR_NOT_FOUND)
            return {QueueCheck::State::Refused, named(printer) + " не найден."};
        return {QueueCheck::State::Refused, "Не удалось проверить принтер «" + printer +
                                                "»: " + why + ". Задание не отправлено."};
    }
    const auto option = [&](const char* name) {
        const char* value = cupsGetOption(name, dest->num_options, dest->options);
        return std::string(value ? value : "");
    };
    if (option("printer-is-accepting-jobs") == "false") {
        const std::string reason = withoutFinalDot(stateMessage(*dest));
        return {QueueCheck::State::Refused, named(printer) + " не принимает задания" +
                                                (reason.empty() ? "" : ": " + reason) +
                                                ". Задание не отправлено."};
    }
    // IPP printer-state 5: stopped (cupsdisable, or a job failed and stopped it).
    if (option("printer-state") == "5")
        return {QueueCheck::State::Stopped,
                named(printer) + " остановлен: задание будет ждать в очереди"};
    return {QueueCheck::State::Ready, {}};
}

bool submitPdf(const std::string& printer, std::string_view pdf, int copies,
               const std::string& title, int& jobId, std::string* error) {
    jobId = 0;
    cups_option_t* options = nullptr;
    int count = cupsAddOption("copies", std::to_string(copies).c_str(), 0, &options);
    // A full-sheet page must not be shrunk into the printable area, or every entry
    // misses its place on the blank.
    count = cupsAddOption("print-scaling", "none", count, &options);
    const int id = cupsCreateJob(CUPS_HTTP_DEFAULT, printer.c_str(), title.c_str(), count, options);
    cupsFreeOptions(count, options);
    if (id <= 0)
        return fail(error,
                    named(printer) + " не принял задание: " + withoutFinalDot(cupsSaid()) + ".");
    // A half-sent job would otherwise wait in the queue for a document that never comes.
    const auto abandon = [&](const std::string& why) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, printer.c_str(), id, 0);
        return fail(error, "Задание не отправлено на принтер «" + printer + "»: " + why + ".");
    };
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, printer.c_str(), id, title.c_str(), CUPS_FORMAT_PDF,
                          1) != HTTP_STATUS_CONTINUE)
        return abandon(withoutFinalDot(cupsSaid()));
    if (cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.data(), pdf.size()) != HTTP_STATUS_CONTINUE) {
        const std::string why = withoutFinalDot(cupsSaid());
        cupsFinishDocument(CUPS_HTTP_DEFAULT, printer.c_str());  // ends the broken request
        return abandon(why);
    }
    if (cupsFinishDocument(CUPS_HTTP_DEFAULT, printer.c_str()) > IPP_STATUS_OK_EVENTS_COMPLETE)
        return abandon(withoutFinalDot(cupsSaid()));
    jobId = id;
    return true;
}

std::string jobSentMessage(int jobId, const std::string& printer) {
    return "Задание " + std::to_string(jobId) + " отправлено на принтер «" + printer + "».";
}

}  // namespace vellex

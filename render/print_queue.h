#pragma once

#include <string>
#include <string_view>

// Printing is handing the PDF the program rendered to a CUPS queue, so that paper gets
// exactly the bytes "Сохранить в PDF…" writes and every refusal reaches the user.
namespace vellex {

// What the queue says before a job is sent.
struct QueueCheck {
    enum class State {
        Ready,    // send
        Stopped,  // a job would wait in the queue until someone starts the printer
        Refused,  // no such printer, not accepting jobs, or CUPS cannot be asked
    };
    State state = State::Refused;
    // Russian; empty when Ready. For Stopped it is «Принтер «X» остановлен: задание будет
    // ждать в очереди», left for the caller to finish (what happens to the job).
    std::string message;
};

QueueCheck checkPrinterQueue(const std::string& printer);

// Sends `pdf` to the queue as one job with `copies` copies, unscaled. On success sets
// `jobId`; on failure gives a Russian message that names the printer and carries what
// CUPS said, and cancels a job that was created but not completely sent.
bool submitPdf(const std::string& printer, std::string_view pdf, int copies,
               const std::string& title, int& jobId, std::string* error);

// «Задание N отправлено на принтер «X».»
std::string jobSentMessage(int jobId, const std::string& printer);

}  // namespace vellex

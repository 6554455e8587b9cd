// Printing through a private CUPS scheduler: its own folders, socket and queues, so the
// tests neither need nor touch the system's cupsd. Its "ok" queue writes what arrives to a
// file unchanged, so the bytes on the way to paper can be compared with the PDF.
#include <cups/cups.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <thread>

#include "gui/message_form.h"
#include "gui/preview_dialog.h"
#include "render/print_queue.h"
#include "render/report_output.h"
#include "tests/cli/vellex_print_runner.h"

namespace vellex {
namespace {

using namespace std::chrono_literals;
using State = QueueCheck::State;

// A printer description whose only filter copies the PDF through unchanged (a raw queue
// cannot write to a file device).
constexpr const char* kPassThroughPpd = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "PASSPDF.PPD"
*Manufacturer: "Vellex"
*Product: "(PDF file)"
*ModelName: "PDF file"
*ShortNickName: "PDF file"
*NickName: "PDF file"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: False
*DefaultColorSpace: Gray
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter: "application/pdf 0 gziptoany"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "0 0 595 842"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
)ppd";

constexpr std::size_t kMaxRequestBytes = 1024 * 1024;

class PrivateCups {
  public:
    // Empty when the scheduler runs with its queues; otherwise what went wrong.
    std::string start() {
        // The filter runs as "lp" and must reach the spool inside.
        chmod(dir_.path().c_str(), 0711);
        const std::string d = dir_.path().string();
        for (const char* sub : {"etc", "spool", "cache", "state", "tmp", "log"})
            std::filesystem::create_directory(dir_ / sub);
        test::writeFile(dir_ / "cupsd.conf",
                        "Listen " + socket() + "\nLogLevel info\nBrowsing Off\n" +
                            "WebInterface No\nDefaultAuthType None\nMaxRequestSize " +
                            std::to_string(kMaxRequestBytes) + "\n" +
                            "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n"
                            "</Policy>\n<Location />\nOrder allow,deny\nAllow all\n</Location>\n"
                            "<Location /admin>\nOrder allow,deny\nAllow all\n</Location>\n");
        test::writeFile(dir_ / "cups-files.conf",
                        "ServerRoot " + d + "/etc\nRequestRoot " + d + "/spool\nCacheDir " + d +
                            "/cache\nStateDir " + d + "/state\nTempDir " + d + "/tmp\nErrorLog " +
                            d + "/log/error_log\nAccessLog " + d + "/log/access_log\nPageLog " + d +
                            "/log/page_log\nPrintcap " + d +
                            "/printcap\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                            "FileDevice Yes\n");
        test::writeFile(dir_ / "file.ppd", kPassThroughPpd);

        const std::string cupsd = "/usr/sbin/cupsd";
        if (access(cupsd.c_str(), X_OK) != 0)
            return cupsd +
                   " is missing: install the packages of scripts/install-deps.sh (cups-daemon)";
        // Every CUPS call of this process and of the programs it starts goes here.
        setenv("CUPS_SERVER", socket().c_str(), 1);
        cupsSetServer(socket().c_str());
        const std::string conf = (dir_ / "cupsd.conf").string();
        const std::string files = (dir_ / "cups-files.conf").string();
        pid_ = fork();
        if (pid_ == 0) {
            // A test that crashes takes its scheduler with it.
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            execl(cupsd.c_str(), "cupsd", "-f", "-c", conf.c_str(), "-s", files.c_str(),
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        if (pid_ < 0)
            return "fork failed";
        if (!waitForSocket())
            return "cupsd did not start:\n" + test::readFile(dir_ / "log" / "error_log");

        for (const char* queue : {"ok", "stopped", "rejecting"}) {
            if (!run("lpadmin -p " + std::string(queue) + " -E -v file://" + d + "/out-" + queue +
                     " -P " + d + "/file.ppd"))
                return std::string("lpadmin failed for ") + queue + ":\n" + commandLog();
        }
        if (!run("cupsdisable stopped") || !run("cupsreject -r 'Бланки кончились' rejecting"))
            return "cupsdisable/cupsreject failed:\n" + commandLog();
        return {};
    }

    void stop() {
        if (pid_ <= 0)
            return;
        kill(pid_, SIGTERM);
        for (int i = 0; i < 200; ++i) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = 0;
                return;
            }
            std::this_thread::sleep_for(10ms);
        }
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = 0;
    }

    std::string socket() const { return (dir_ / "cups.sock").string(); }
    std::filesystem::path output(std::string_view queue) const {
        return dir_ / ("out-" + std::string(queue));
    }
    std::string errorLog() const { return test::readFile(dir_ / "log" / "error_log"); }

  private:
    bool waitForSocket() {
        for (int i = 0; i < 500; ++i) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) {
                pid_ = 0;
                return false;
            }
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un addr{};
            addr.sun_family = AF_UNIX;
            std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", socket().c_str());
            const bool up = connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0;
            close(fd);
            if (up)
                return true;
            std::this_thread::sleep_for(10ms);
        }
        return false;
    }

    bool run(const std::string& command) {
        return std::system(
                   (command + " >>" + (dir_ / "commands.log").string() + " 2>&1").c_str()) == 0;
    }
    std::string commandLog() const { return test::readFile(dir_ / "commands.log"); }

    test::TempDir dir_;
    pid_t pid_ = 0;
};

struct Job {
    int state = 0;  // ipp_jstate_t
    int copies = 0;
    std::string scaling, name;
};

Job jobAttributes(int id) {
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
    const std::string uri = "ipp://localhost/jobs/" + std::to_string(id);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "job-uri", nullptr, uri.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                 cupsUser());
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    Job job;
    job.state = ippGetInteger(ippFindAttribute(response, "job-state", IPP_TAG_ENUM), 0);
    job.copies = ippGetInteger(ippFindAttribute(response, "copies", IPP_TAG_INTEGER), 0);
    const auto text = [&](const char* name, ipp_tag_t tag) {
        const char* s = ippGetString(ippFindAttribute(response, name, tag), 0, nullptr);
        return std::string(s ? s : "");
    };
    job.scaling = text("print-scaling", IPP_TAG_KEYWORD);
    job.name = text("job-name", IPP_TAG_NAME);
    ippDelete(response);
    return job;
}

// Until CUPS is done with the job (printed, cancelled or aborted); a guard, not a measure.
Job finishedJob(int id) {
    Job job;
    for (int i = 0; i < 1000; ++i) {
        job = jobAttributes(id);
        if (job.state >= IPP_JSTATE_CANCELED)
            break;
        std::this_thread::sleep_for(10ms);
    }
    return job;
}

int jobCount(const std::string& queue) {
    cups_job_t* jobs = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 0, CUPS_WHICHJOBS_ALL);
    cupsFreeJobs(n, jobs);
    return n;
}

// Two renderings differ only in the creation time.
std::string withoutCreationDate(const std::string& pdf) {
    return std::regex_replace(pdf, std::regex(R"(/CreationDate \(D:\d+Z\))"), "/CreationDate ()");
}

int jobIdIn(const std::string& sentLine, const std::string& printer = "ok") {
    std::smatch m;
    if (!std::regex_match(sentLine, m,
                          std::regex("Задание (\\d+) отправлено на принтер «" + printer + "».\n?")))
        return 0;
    return std::stoi(m[1]);
}

TReport twoPages() {
    TReport report;
    for (const char* text : {"Pervaya", "Vtoraya"}) {
        TTextBox* box = addTextBox(addPage(report), "edSurName");
        setBounds(*box, 100, 100, 300, 18);
        setText(*box, text);
    }
    return report;
}

std::string pdfText(const std::filesystem::path& pdf) {
    return test::commandOutput("pdftotext '" + pdf.string() + "' - 2>/dev/null");
}

PreviewDialog::PrintChoice toPrinter(const char* printer, PageSelection pages = {}) {
    PreviewDialog::PrintChoice choice;
    choice.printer = QString::fromUtf8(printer);
    choice.pages = pages;
    return choice;
}

class PrintQueue : public VellexPrint {
  protected:
    static void SetUpTestSuite() {
        cups_ = new PrivateCups;
        startError_ = cups_->start();
        if (!QCoreApplication::instance()) {
            if (!std::getenv("QT_QPA_PLATFORM"))
                setenv("QT_QPA_PLATFORM", "offscreen", 1);
            static test::TempDir runtime;
            chmod(runtime.path().c_str(), 0700);
            setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
            static int argc = 1;
            static char name[] = "vellex_print_queue_tests";
            static char* argv[] = {name, nullptr};
            // Never destroyed: tearing Qt down among the other statics at exit crashes.
            new QApplication(argc, argv);
        }
    }
    static void TearDownTestSuite() {
        cups_->stop();
        delete cups_;
        cups_ = nullptr;
    }
    void SetUp() override {
        VellexPrint::SetUp();
        // Loudly: a machine without CUPS must not pass the printing tests by skipping them.
        ASSERT_TRUE(startError_.empty()) << startError_;
    }
    void TearDown() override {
        MessageForm::setHook({});
        if (HasFailure())
            std::cerr << "cupsd error_log:\n" << cups_->errorLog();
    }

    // The bytes the "ok" queue wrote for `id`, once CUPS is done with it.
    std::string printed(int id) {
        const Job job = finishedJob(id);
        EXPECT_EQ(job.state, IPP_JSTATE_COMPLETED);
        return test::readFile(cups_->output("ok"));
    }

    static inline PrivateCups* cups_ = nullptr;
    static inline std::string startError_;
};

TEST_F(PrintQueue, QueueIsAskedBeforeSending) {
    const struct {
        std::string printer;
        State state;
        std::string message;
    } cases[] = {
        {"ok", State::Ready, ""},
        {"stopped", State::Stopped, "Принтер «stopped» остановлен: задание будет ждать в очереди"},
        {"rejecting", State::Refused,
         "Принтер «rejecting» не принимает задания: Бланки кончились. Задание не отправлено."},
        {"missing", State::Refused, "Принтер «missing» не найден."},
    };
    for (const auto& c : cases) {
        const QueueCheck check = checkPrinterQueue(c.printer);
        EXPECT_EQ(check.state, c.state) << c.printer;
        EXPECT_EQ(check.message, c.message);
    }

    // A scheduler that does not answer is not a missing printer.
    const std::string dead = (dir_ / "no-cups.sock").string();
    cupsSetServer(dead.c_str());
    const QueueCheck check = checkPrinterQueue("ok");
    cupsSetServer(cups_->socket().c_str());
    EXPECT_EQ(check.state, State::Refused);
    EXPECT_EQ(check.message, "Система печати (CUPS) не отвечает (сервер «" + dead +
                                 "»): принтер «ok» не проверен, задание не отправлено. "
                                 "Проверьте, что служба печати запущена.");
}

TEST_F(PrintQueue, PrinterGetsTheRenderedPdfUnscaled) {
    const TReport report = twoPages();
    std::string pdf, error;
    ASSERT_TRUE(renderReportPdf(report, pdf, &error)) << error;
    int id = 0;
    ASSERT_TRUE(submitPdf("ok", pdf, 3, "Иванов.app", id, &error)) << error;
    ASSERT_GT(id, 0);
    const std::string arrived = printed(id);
    EXPECT_EQ(arrived.size(), pdf.size());
    EXPECT_TRUE(arrived == pdf) << "the printer got other bytes than the PDF";
    const Job job = jobAttributes(id);
    EXPECT_EQ(job.copies, 3);
    EXPECT_EQ(job.scaling, "none");
    EXPECT_EQ(job.name, "Иванов.app");
}

TEST_F(PrintQueue, RefusalCarriesWhatCupsSaid) {
    std::string error;
    int id = -1;
    // Past the queue check: the queue stops taking jobs in between.
    EXPECT_FALSE(submitPdf("rejecting", "%PDF-1.4\n", 1, "t", id, &error));
    EXPECT_EQ(id, 0);
    const std::string start = "Принтер «rejecting» не принял задание: ";
    ASSERT_EQ(error.rfind(start, 0), 0u) << error;
    EXPECT_GT(error.size(), start.size() + 2) << error;

    // A job whose document CUPS stops taking half-way is cancelled, not left waiting.
    const int before = jobCount("ok");
    EXPECT_FALSE(submitPdf("ok", std::string(2 * kMaxRequestBytes, 'x'), 1, "big", id, &error));
    EXPECT_EQ(id, 0);
    EXPECT_EQ(error.rfind("Задание не отправлено на принтер «ok»: ", 0), 0u) << error;
    cups_job_t* jobs = nullptr;
    const int n = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, "ok", 0, CUPS_WHICHJOBS_ALL);
    ASSERT_EQ(n, before + 1);
    int newest = 0;
    ipp_jstate_t state = IPP_JSTATE_PENDING;
    for (int i = 0; i < n; ++i) {
        if (jobs[i].id > newest) {
            newest = jobs[i].id;
            state = jobs[i].state;
        }
    }
    cupsFreeJobs(n, jobs);
    EXPECT_EQ(state, IPP_JSTATE_CANCELED);
}

TEST_F(PrintQueue, CommandLinePrintsThePdfItSaves) {
    const PrintRun saved = run({"--sheet", "diploma", "--out", path("d.pdf")});
    ASSERT_EQ(saved.exit, 0) << saved.err;
    const PrintRun sent = run({"--sheet", "diploma", "--printer", "ok", "--copies", "2"});
    ASSERT_EQ(sent.exit, 0) << sent.err;
    const int id = jobIdIn(sent.out);
    ASSERT_GT(id, 0) << sent.out;
    const std::string pdf = test::readFile(path("d.pdf"));
    const std::string arrived = printed(id);
    EXPECT_EQ(arrived.size(), pdf.size());
    EXPECT_TRUE(withoutCreationDate(arrived) == withoutCreationDate(pdf));
    const Job job = jobAttributes(id);
    EXPECT_EQ(job.copies, 2);
    EXPECT_EQ(job.scaling, "none");
}

TEST_F(PrintQueue, CommandLineSendsNothingThatWouldNotPrint) {
    const struct {
        std::string printer, message;
    } cases[] = {
        {"stopped",
         "Принтер «stopped» остановлен: задание будет ждать в очереди. Задание не отправлено: "
         "запустите принтер (cupsenable stopped) и повторите печать."},
        {"rejecting",
         "Принтер «rejecting» не принимает задания: Бланки кончились. Задание не отправлено."},
        {"missing", "Принтер «missing» не найден."},
    };
    for (const auto& c : cases) {
        const int before = jobCount(c.printer);
        const PrintRun r = run({"--sheet", "diploma", "--printer", c.printer});
        EXPECT_EQ(r.exit, 1) << c.printer;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("vellex-print: " + c.message + "\n"), std::string::npos) << r.err;
        EXPECT_EQ(jobCount(c.printer), before) << c.printer;
    }
}

// The preview sends only the pages chosen in the print dialog, names the job in its button
// bar, writes the file of "print to file", and asks before a job would wait.
TEST_F(PrintQueue, PreviewSendsTheChosenPages) {
    const TReport report = twoPages();
    PreviewDialog dialog(report);
    std::string pdf, error;
    ASSERT_TRUE(renderReportPdf(report, pdf, &error, false, PageSelection::only(2, 2))) << error;

    dialog.print(toPrinter("ok", PageSelection::only(2, 2)));
    const int id = jobIdIn(dialog.printStatus().toStdString());
    ASSERT_GT(id, 0) << dialog.printStatus().toStdString();
    test::writeFile(dir_ / "arrived.pdf", printed(id));
    EXPECT_EQ(withoutCreationDate(test::readFile(dir_ / "arrived.pdf")), withoutCreationDate(pdf));
    const std::string text = pdfText(dir_ / "arrived.pdf");
    EXPECT_EQ(text.find("Pervaya"), std::string::npos) << text;
    EXPECT_NE(text.find("Vtoraya"), std::string::npos) << text;

    PreviewDialog::PrintChoice toFile;
    toFile.file = QString::fromStdString(path("file.pdf"));
    toFile.pages = PageSelection::only(1, 1);
    dialog.print(toFile);
    EXPECT_EQ(dialog.printStatus(), QString());
    const std::string written = pdfText(dir_ / "file.pdf");
    EXPECT_NE(written.find("Pervaya"), std::string::npos) << written;
    EXPECT_EQ(written.find("Vtoraya"), std::string::npos) << written;
}

TEST_F(PrintQueue, PreviewAsksOrRefusesWhenTheQueueWouldNotPrint) {
    const TReport report = twoPages();
    PreviewDialog dialog(report);
    std::vector<std::pair<MessageForm::Kind, QString>> shown;
    QMessageBox::StandardButton answer = QMessageBox::No;
    MessageForm::setHook([&](MessageForm::Kind kind, const QString&, const QString& text) {
        shown.emplace_back(kind, text);
        return answer;
    });

    const int waiting = jobCount("stopped");
    dialog.print(toPrinter("stopped"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first, MessageForm::Kind::Question);
    EXPECT_EQ(shown[0].second, QStringLiteral("Принтер «stopped» остановлен: задание будет ждать в "
                                              "очереди. Отправить задание?"));
    EXPECT_EQ(jobCount("stopped"), waiting);

    answer = QMessageBox::Yes;
    dialog.print(toPrinter("stopped"));
    EXPECT_EQ(jobCount("stopped"), waiting + 1);
    const int id = jobIdIn(dialog.printStatus().toStdString(), "stopped");
    EXPECT_GT(id, 0) << dialog.printStatus().toStdString();
    cupsCancelJob2(CUPS_HTTP_DEFAULT, "stopped", id, 0);

    shown.clear();
    dialog.print(toPrinter("rejecting"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first, MessageForm::Kind::Error);
    EXPECT_EQ(
        shown[0].second,
        QStringLiteral(
            "Принтер «rejecting» не принимает задания: Бланки кончились. Задание не отправлено."));
    EXPECT_EQ(dialog.printStatus(), QString());
}

}  // namespace
}  // namespace vellex

// vellex-print: lays out one sheet of a document without the window and writes it as PDF
// or JSON, or prints it; or prints the sheets of a whole group from a student list.
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/batch_job.h"
#include "cli/print_job.h"
#include "cli/print_request.h"
#include "report/qt_translations.h"

namespace {

// Fonts and the PDF writer need a GUI application, but not a screen: with no display
// the offscreen platform is enough.
void chooseHeadlessPlatform() {
    const bool haveDisplay = std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY");
    if (!haveDisplay && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

int report(const std::string& message) {
    std::fprintf(stderr, "vellex-print: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // The command line is read before any window system is touched: help and mistakes
    // need none, and must work where no display can be reached.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    std::string error;
    const auto request = vellex::parsePrintRequest(arguments, &error);
    if (!request) {
        report(error);
        return 2;
    }
    if (request->help) {
        std::fputs(vellex::printUsage().c_str(), stdout);
        return 0;
    }

    chooseHeadlessPlatform();
    QGuiApplication app(argc, argv);
    vellex::installRussianTranslations(app);
    if (request->batch()) {
        vellex::BatchResult result;
        const bool ok = vellex::runBatch(
            *request, result,
            [](const std::string& line) { std::fprintf(stderr, "%s\n", line.c_str()); }, &error);
        if (!ok)
            return report(error);
        std::fprintf(stderr, "Готово: студентов в листах %d из %d.\n", result.printed,
                     result.lines);
        if (result.problems > 0) {
            std::fprintf(stderr, "vellex-print: строк списка с ошибками: %d (см. выше).\n",
                         result.problems);
            return 1;
        }
        return 0;
    }
    std::vector<std::string> warnings;
    const bool ok = vellex::runPrintRequest(*request, warnings, &error);
    for (const std::string& w : warnings)
        std::fprintf(stderr, "vellex-print: предупреждение: %s\n", w.c_str());
    if (!ok)
        return report(error);
    return 0;
}

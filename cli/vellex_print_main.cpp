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
#include "render/qt_translations.h"

namespace {

// Fonts and the PDF writer need a GUI application, but never a screen: the offscreen
// platform always, so that a display that is gone (a job started from a desktop session
// that ended) cannot stop the program.
void chooseHeadlessPlatform() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
}

QtMessageHandler qtHandler = nullptr;

// Qt's notes about the session's runtime folder mean nothing to a program that shows no
// window; everything else Qt says goes on to stderr.
void quietQtNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths:")))
        return;
    if (qtHandler)
        qtHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

int report(const std::string& message) {
    std::fprintf(stderr, "vellex-print: %s\n", message.c_str());
    return 1;
}

int run(int argc, char** argv) {
    chooseHeadlessPlatform();
    qtHandler = qInstallMessageHandler(quietQtNotes);
    QGuiApplication app(argc, argv);
    // Qt decodes the arguments as it encodes file names back, so a name in the locale's
    // encoding finds its file.
    std::string error;
    const auto request = vellex::parsePrintRequest(QCoreApplication::arguments().mid(1), &error);
    if (!request) {
        report(error);
        return 2;
    }
    if (request->help) {
        std::fputs(vellex::printUsage().c_str(), stdout);
        return 0;
    }
    // Before anything is read: an output over an input would destroy it.
    if (!vellex::refuseOutputOverAnInput(*request, &error)) {
        report(error);
        return 2;
    }
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

}  // namespace

int main(int argc, char** argv) {
    // A fault of the program itself is said and fails the run; it never ends in abort().
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        return report(std::string("внутренняя ошибка программы (") + e.what() +
                      "); работа прервана. Сообщите о ней разработчикам.");
    }
}

// Writes a PNG of each of the eight pages of the main window into the folder given on the
// command line, so that the pages can be compared with their blanks. "--edition N"
// (0 "1997 - 2006", 1 "2007 / 2008", 2 "2010 / 2011", the default) starts the window on
// that blank.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "gui/gui_text.h"
#include "gui/main_form.h"
#include "text/file_io.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments();
    int edition = 2;
    if (const qsizetype at = args.indexOf(QStringLiteral("--edition")); at > 0) {
        bool ok = false;
        edition = at + 1 < args.size() ? args.at(at + 1).toInt(&ok) : -1;
        if (!ok || edition < 0 || edition > 2) {
            std::fprintf(stderr, "Редакция бланка: 0, 1 или 2\n");
            return 2;
        }
        args.erase(args.begin() + at, args.begin() + at + 2);
    }
    if (args.size() < 2) {
        std::fprintf(stderr, "Использование: page_shots [--edition 0|1|2] ПАПКА\n");
        return 2;
    }
    QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "Не удалось создать папку %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QTemporaryDir programDir;
    const std::string ini = "[Settings]\r\nVellexVersion=" + std::to_string(edition) + "\r\n";
    if (!vellex::writeFileAtomically(
            vellex::pathFromQString(programDir.filePath(QStringLiteral("App.ini"))), ini,
            nullptr)) {
        std::fprintf(stderr, "Не удалось записать настройки\n");
        return 1;
    }
    vellex::MainFormOptions options;
    options.programDir = vellex::pathFromQString(programDir.path());
    options.registerAssociation = false;
    vellex::TMainForm form(options);
    form.show();
    auto* pages = form.findChild<QTabWidget*>(QStringLiteral("PageCtrlSet"));
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        const QString sheet = pages->widget(i)->objectName().mid(QStringLiteral("TabSheet").size());
        QWidget* panel = form.findChild<QWidget*>(QStringLiteral("PanelSet") + sheet);
        const QString file =
            out.filePath(QStringLiteral("page%1-sheet%2.png").arg(i + 1).arg(sheet));
        if (!panel || !panel->grab().save(file)) {
            std::fprintf(stderr, "Не удалось записать %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
    }
    const QString whole = out.filePath(QStringLiteral("window.png"));
    pages->setCurrentIndex(0);
    form.grab().save(whole);
    std::printf("%s\n", qPrintable(whole));
    return 0;
}

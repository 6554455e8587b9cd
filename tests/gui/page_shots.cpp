// Writes a PNG of each of the eight pages of the main window into the folder given on the
// command line, so that the pages can be compared with their blanks.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "app/gui_text.h"
#include "app/main_form.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "Использование: page_shots ПАПКА\n");
        return 2;
    }
    QDir out(args.at(1));
    if (!out.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "Не удалось создать папку %s\n", qPrintable(args.at(1)));
        return 1;
    }
    QTemporaryDir programDir;
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

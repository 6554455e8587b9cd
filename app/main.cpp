// The program: the main window, with an optional document named on the command line.
#include <QApplication>

#include "app/main_form.h"
#include "report/qt_translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vellex"));
    // Qt's own dialogs speak Russian only when the translator is there before they are built.
    vellex::installRussianTranslations(app);
    vellex::MainFormOptions options;
    options.arguments = QCoreApplication::arguments().mid(1);
    vellex::TMainForm form(options);
    form.show();
    return app.exec();
}

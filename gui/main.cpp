// The program: the main window, with an optional document named on the command line.
#include <QApplication>
#include <QTimer>

#include "gui/main_form.h"
#include "gui/shutdown_signals.h"
#include "render/qt_translations.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vellex"));
    // Qt's own dialogs speak Russian only when the translator is there before they are built.
    vellex::installRussianTranslations(app);
    vellex::MainFormOptions options;
    options.arguments = QCoreApplication::arguments().mid(1);
    vellex::TMainForm form(options);
    // A kill or a logout ends the program as an exit does, keeping what was typed.
    vellex::ShutdownSignals shutdownSignals;
    QObject::connect(&shutdownSignals, &vellex::ShutdownSignals::received, &form,
                     &vellex::TMainForm::shutDownWithoutQuestions);
    form.show();
    // Asked once the window is on screen, so that the question has a window to belong to.
    QTimer::singleShot(0, &form, &vellex::TMainForm::offerRecovery);
    return app.exec();
}

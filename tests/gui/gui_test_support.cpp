#include "tests/gui/gui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QTimer>
#include <cstdlib>

#include <gtest/gtest.h>

namespace vellex::test {

// Without a MessageLog a box would wait for a click that never comes: the question about
// unsaved changes is answered «Нет» (closing as the user who does not keep the text), any
// other box fails the test instead of hanging it.
void setUnattendedHook() {
    MessageForm::setHook([](MessageForm::Kind kind, const QString& caption, const QString& text) {
        if (kind == MessageForm::Kind::QuestionWithCancel)
            return QMessageBox::No;
        ADD_FAILURE() << "unexpected message box: " << caption.toStdString() << ": "
                      << text.toStdString();
        return kind == MessageForm::Kind::Question ? QMessageBox::Yes : QMessageBox::Ok;
    });
}

QWidget* modalDialog() {
    if (QWidget* active = QApplication::activeModalWidget())
        return active;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->isModal())
            return w;
    }
    return nullptr;
}

void carryOnAfterQuit() {
    QCoreApplication::removePostedEvents(qApp, QEvent::Quit);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Qt 5's quit() makes every event loop opened later return at once, until the
    // application's own loop has run: run it for one turn.
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
#endif
}

void ensureApplication() {
    if (QApplication::instance()) {
        return;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        const QString dir = QDir::tempPath() + QStringLiteral("/vellex-gui-runtime");
        QDir().mkpath(dir);
        QFile::setPermissions(
            dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        setenv("XDG_RUNTIME_DIR", dir.toUtf8().constData(), 1);
    }
    static int argc = 1;
    static char name[] = "vellex_gui_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives as long as the test program
    // The desktop's usual font, whatever the platform plugin's own default (offscreen Qt 5
    // takes 12 pt, Qt 6 9 pt): the sizes the tests check are those a clerk's screen shows.
    QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
    // A test's closed window must not end the application for the windows of the next.
    QApplication::setQuitOnLastWindowClosed(false);
    setUnattendedHook();
}

std::unique_ptr<TMainForm> showMainForm(const std::filesystem::path& programDir, const Clock& clock,
                                        QStringList arguments) {
    MainFormOptions o;
    o.programDir = programDir;
    o.arguments = std::move(arguments);
    o.registerAssociation = false;
    o.clock = &clock;
    auto form = std::make_unique<TMainForm>(o);
    form->show();
    return form;
}

MessageLog::MessageLog() {
    ensureApplication();  // which sets the unattended hook: this one goes on top
    MessageForm::setHook([this](MessageForm::Kind kind, const QString& caption,
                                const QString& text) {
        entries_.push_back({kind, caption, text});
        if (kind != MessageForm::Kind::Question && kind != MessageForm::Kind::QuestionWithCancel)
            return QMessageBox::Ok;
        // «Да» to the question about unsaved changes would save over the test's file.
        if (answers_.empty())
            return kind == MessageForm::Kind::Question ? QMessageBox::Yes : QMessageBox::No;
        const QMessageBox::StandardButton answer = answers_.front();
        answers_.erase(answers_.begin());
        return answer;
    });
}

MessageLog::~MessageLog() {
    setUnattendedHook();
}

}  // namespace vellex::test

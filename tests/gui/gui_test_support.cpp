#include "tests/gui/gui_test_support.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdlib>

namespace vellex::test {

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
}

MessageLog::MessageLog() {
    MessageForm::setHook(
        [this](MessageForm::Kind kind, const QString& caption, const QString& text) {
            entries_.push_back({kind, caption, text});
            return kind == MessageForm::Kind::Question ? QMessageBox::Yes : QMessageBox::Ok;
        });
}

MessageLog::~MessageLog() {
    MessageForm::setHook({});
}

}  // namespace vellex::test

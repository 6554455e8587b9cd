// The main window: construction, start-up, window events, the change mark and closing.
// The other main_form_*.cpp files hold the pages, the commands, printing, the lists and
// the settings.
#include "gui/main_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <system_error>

#include "gui/about_dialog.h"
#include "gui/gui_text.h"
#include "gui/main_form_internal.h"
#include "gui/message_form.h"
#include "gui/recovery_copy.h"
#include "gui/screen_fit.h"
#include "model/program_folder.h"
#include "model/startup_state.h"
#include "text/clock.h"
#include "text/cp1251.h"
#include "text/file_io.h"

namespace vellex {
namespace fs = std::filesystem;
using namespace main_form_detail;
namespace {

constexpr int kPagesTop = 84;

const QString kVersionSuffix = QStringLiteral(" (v%1)").arg(QString::fromLatin1(kProgramVersion));

// The settings file's texts are CP1251; the program folder's name usually converts.
std::string cp1251Path(const fs::path& p) {
    std::string utf = pathToUtf8(p);
    cp1251::Conversion c = cp1251::fromUtf8(utf);
    return c.ok() ? c.bytes : utf;
}

}  // namespace

TMainForm::TMainForm(MainFormOptions options, QWidget* parent) : QMainWindow(parent) {
    FormCreate(options);
    recovery_ = std::make_unique<RecoveryCopy>(programDir_);
    recoveryTimer_ = new QTimer(this);
    recoveryTimer_->setInterval(60'000);
    connect(recoveryTimer_, &QTimer::timeout, this, [this] { keepRecoveryCopy(); });
    recoveryTimer_->start();
    // The desktop session ending may be followed by a kill: what was typed is kept first.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] {
        keepRecoveryCopy();
        writeMainSettings(true);
    });
}

TMainForm::~TMainForm() = default;

// ---------------------------------------------------------------- start-up

void TMainForm::FormCreate(const MainFormOptions& options) {
    setObjectName(QStringLiteral("MainForm"));
    // Every title names the version, the dialogs' too, so that a report from a user says
    // which program was run.
    if (!QGuiApplication::applicationDisplayName().endsWith(kVersionSuffix)) {
        QGuiApplication::setApplicationDisplayName(QStringLiteral("Vellex") + kVersionSuffix);
    }
    setWindowTitle(QStringLiteral("Vellex") + kVersionSuffix);
    setMinimumSize(kMinWidth, kMinHeight);

    // The settings and the lists live in the program's folder; one given from outside (a
    // test, a portable copy) is made when it is missing.
    programDir_ = options.programDir.empty() ? ownSettingsFolder() : options.programDir;
    if (!options.programDir.empty()) {
        std::error_code ec;
        fs::create_directories(programDir_, ec);
    }
    settings_.programDir = cp1251Path(programDir_ / "");

    // "App.ini": a missing file gives the defaults without a word. Without the file
    // the settings dialog opens on its first tab: a key missing from an existing file
    // means the opposite, so the start value is set here and not in the key table.
    settings_.modePositionTab = false;
    std::vector<std::string> settingsWarnings;
    const bool settingsRead =
        readSettings(mainSettingsPath(programDir_), true, settings_, &settingsWarnings);
    storedSettings_ = settings_;
    programLayout_ = ProgramLayout::of(settings_);
    // A damaged "eval.dat" gives the built-in grades; the user is told which file failed.
    std::string gradeError;
    gradeList_ = loadGradeList(programDir_, &gradeError);
    if (!gradeError.empty())
        settingsWarnings.push_back(gradeError + " Взят встроенный список оценок.");
    for (const std::string& g : gradeList_) {
        grades_.append(toQString(g));
    }

    buildMenus();
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("MainSet"));
    setCentralWidget(central);
    buildToolbar();
    buildStudentBox();
    buildPages();
    if (!settingsRead) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QSize first = firstStartSize(screen ? screen->availableGeometry() : QRect());
        settings_.MainWidth = first.width();
        settings_.MainHeigh = first.height();
    }
    resize(settings_.MainWidth, settings_.MainHeigh);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

    // The line groups are part of the page layouts; the discipline tables are built here,
    // for the row mode "App.ini" gave.
    buildTables();

    // The new document takes its flags and diploma type from the settings, page 2 its
    // row count, cbTrial "прошел", the variants their choices, the date fields today.
    const Clock& clock = options.clock ? *options.clock : systemClock();
    applyCreationState(doc_, settings_, settingsRead, clock.today());
    // Each run begins with the short birth-date format, whatever the last one left.
    applyStartupSettings(settings_);
    if (doc_.rowCount(Table::Disciplines) !=
        static_cast<int>(widgets_.tables[static_cast<size_t>(Table::Disciplines)].size())) {
        rebuildPage2Widgets();
    }

    // The pages show the settings' blank: the six first pages when it is not the
    // designed one, pages 2 and 3 always.
    if (0 < settings_.VellexVersion) {
        switchSixPages();
    }
    SwitchVellexVersionPage2(settings_.VellexVersion);
    SwitchVellexVersionPage3(settings_.VellexVersion);

    // The window opens on the diploma, every page scrolled to its top.
    pages_->setCurrentIndex(0);
    for (QScrollArea* area : pages_->findChildren<QScrollArea*>()) {
        area->verticalScrollBar()->setValue(0);
    }

    // Both document dialogs start in the program's folder.
    openFolder_ = saveFolder_ = pathToQString(programDir_);

    // A double-clicked ".app" file opens here. Registering says nothing: a failure only
    // costs that convenience, and the user can still open files from the menu.
    if (options.registerAssociation) {
        const fs::path program = options.programPath.empty()
                                     ? pathFromQString(QCoreApplication::applicationFilePath())
                                     : options.programPath;
        registerFileAssociation(program, options.associationFolders
                                             ? *options.associationFolders
                                             : associationFoldersFromEnvironment());
    }

    refreshFromDocument();

    // A document named on the command line, opened as "Открыть..." opens it.
    if (!options.arguments.isEmpty() && !options.arguments.constFirst().isEmpty()) {
        const QByteArray arg = QFile::encodeName(options.arguments.constFirst());
        documentFileName_ = documentPathFromArgument(programDir_, arg.toStdString());
        std::error_code ec;
        // A file that cannot be read is not offered as the place to save to.
        if (fs::is_regular_file(documentFileName_, ec) &&
            !openDocument(documentFileName_, DocumentLayout::Current, false)) {
            documentFileName_.clear();
        }
    }

    FormResize();
    markUnchanged();
    // Said over the window once it stands, so that the user knows which calibration is
    // in force.
    warnOnceShown(settingsWarnings);
}

void TMainForm::warnOnceShown(const std::vector<std::string>& warnings) {
    if (warnings.empty())
        return;
    std::string text;
    for (const std::string& w : warnings)
        text += (text.empty() ? "" : "\n") + w;
    QTimer::singleShot(0, this, [this, text] {
        MessageForm::inform(this, MessageForm::Kind::Warning, QStringLiteral("Vellex"),
                            fromUtf8(text));
    });
}
// ---------------------------------------------------------------- window events

bool TMainForm::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QMainWindow::event(e);
}

void TMainForm::FormActivate() {
    notAChange([this] { applyStoredLineModes(doc_, settings_); });
    refreshChoices();
}

void TMainForm::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    FormResize();
}

void TMainForm::FormResize() {
    if (!pages_) {
        return;
    }
    const int w = std::max(width(), kMinWidth);
    const int h = std::max(height(), kMinHeight);
    pages_->setGeometry(4, kPagesTop, w - 8, h - 116);
    panel_->setGeometry(0, 0, w, 30);
    studentBox_->setGeometry(4, 30, w - 8, 50);
    path2Csv_->setGeometry(8, 20, w - 320, 22);
    path2CsvBrowse_->setGeometry(8 + w - 320, 20, 24, 22);
    getStudent_->setGeometry(w - 284, 18, 124, 26);
    putStudent_->setGeometry(w - 158, 18, 148, 26);

    placeToolbar(w);
}

void TMainForm::closeEvent(QCloseEvent* e) {
    if (shuttingDown_) {
        e->accept();
        return;
    }
    if (!maySetDocumentAside()) {
        e->ignore();
        return;
    }
    // The user answered for the document: nothing is left to recover.
    recovery_->remove();
    FormClose();
    e->accept();
}

void TMainForm::shutDownWithoutQuestions() {
    if (shuttingDown_) {
        return;
    }
    shuttingDown_ = true;
    keepRecoveryCopy();
    writeMainSettings(true);
    QCoreApplication::quit();
}

void TMainForm::FormClose() {
    // The program still closes on a failure; the operator learns the settings were not kept.
    writeMainSettings();
}

// ---------------------------------------------------------------- changes

bool TMainForm::isModified() const {
    return !(doc_ == baseline_);
}

void TMainForm::markUnchanged() {
    baseline_ = doc_;
    updateTitle();
}

void TMainForm::notAChange(const std::function<void()>& step) {
    const bool wasModified = isModified();
    step();
    if (!wasModified) {
        baseline_ = doc_;
    }
    updateTitle();
}

void TMainForm::updateTitle() {
    const QString name = documentFileName_.empty() ? QStringLiteral("Новый документ")
                                                   : pathToQString(documentFileName_.filename());
    setWindowTitle(name + QStringLiteral("[*] — Vellex") + kVersionSuffix);
    setWindowModified(isModified());
}

bool TMainForm::maySetDocumentAside() {
    if (!isModified()) {
        return true;
    }
    switch (MessageForm::askWithCancel(this, QStringLiteral("Vellex"),
                                       QStringLiteral("Сохранить изменения в документе?"))) {
        case QMessageBox::Yes:
            return saveWithDialog();
        case QMessageBox::No:
            return true;
        default:
            return false;
    }
}

void TMainForm::showError(const QString& text) {
    MessageForm::inform(this, MessageForm::Kind::Error, QStringLiteral("Ошибка"), text);
}

}  // namespace vellex

#include "gui/main_form.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <system_error>

#include "gui/about_dialog.h"
#include "gui/accessible_names.h"
#include "gui/disciplines_list_form.h"
#include "gui/file_dialog_form.h"
#include "gui/gui_text.h"
#include "gui/list_param_form.h"
#include "gui/message_form.h"
#include "gui/message_presenter.h"
#include "gui/page_layout.h"
#include "gui/preview_dialog.h"
#include "gui/program_dir.h"
#include "gui/recovery_copy.h"
#include "gui/screen_fit.h"
#include "gui/settings_dialog.h"
#include "gui/students_list_form.h"
#include "gui/tab_order.h"
#include "lists/list_file_name.h"
#include "lists/results_file.h"
#include "lists/student_list_writer.h"
#include "model/field_behaviours.h"
#include "model/name_search.h"
#include "model/settings_dialog_logic.h"
#include "model/startup_state.h"
#include "storage/document_layout.h"
#include "storage/document_save.h"
#include "text/clock.h"
#include "text/cp1251.h"
#include "text/file_io.h"

namespace vellex {
namespace fs = std::filesystem;
namespace {

constexpr int kMinWidth = 600;
constexpr int kMinHeight = 480;
constexpr int kPagesTop = 84;

const QString kVersionSuffix = QStringLiteral(" (v%1)").arg(QString::fromLatin1(kProgramVersion));

QString utf8(const char* s) {
    return QString::fromUtf8(s);
}

TMainForm::PreviewHook& previewHook() {
    static TMainForm::PreviewHook h;
    return h;
}

// ---- The menu, as the operator sees it.
enum class Menu { File, Service, List, Help };
struct MenuEntry {
    Menu menu;
    const char* name;  // nullptr: a separator
    const char* caption;
    const char* shortcut;
    void (TMainForm::*handler)();
};

constexpr MenuEntry kMenu[] = {
    {Menu::File, "mnOpen", "&Открыть...", "F3", &TMainForm::mnOpenClick},
    {Menu::File, "mnOpenOldInNew",
     "Открыть старый формат в новых настройках 2-й стр. Приложения...", nullptr,
     &TMainForm::mnOpenOldInNewClick},
    {Menu::File, "mnOpenOldInNew2", "Открыть данные из версии 4.1.2...", nullptr,
     &TMainForm::mnOpenOldInNew2Click},
    {Menu::File, "mnOpenOldInNew3", "Открыть данные из версии 4.2.2...", nullptr,
     &TMainForm::mnOpenOldInNew3Click},
    {Menu::File, "mnOpenOldInNew4", "Открыть данные из версии 4.2.3.338...", nullptr,
     &TMainForm::mnOpenOldInNew4Click},
    {Menu::File, nullptr, nullptr, nullptr, nullptr},
    {Menu::File, "mnRunConverter",
     "Конвертировать данные (преобразовать данные из других версий)...", nullptr,
     &TMainForm::mnRunConverterClick},
    {Menu::File, nullptr, nullptr, nullptr, nullptr},
    {Menu::File, "mnSave", "&Сохранить...", "F2", &TMainForm::mnSaveClick},
    {Menu::File, nullptr, nullptr, nullptr, nullptr},
    {Menu::File, "mnPrintSheetDiplom", "Печать Диплома...", nullptr,
     &TMainForm::mnPrintSheetDiplomClick},
    {Menu::File, "mnPrintSheet1", "Печать 1-й стр. Приложения к Диплому...", nullptr,
     &TMainForm::mnPrintSheet1Click},
    {Menu::File, "mnPrintSheet2", "Печать 2-й стр. Справки / Приложения...", nullptr,
     &TMainForm::mnPrintSheet2Click},
    {Menu::File, "mnPrintSheet8", "Печать 3-й стр. Продолжения к приложению...", nullptr,
     &TMainForm::mnPrintSheet8Click},
    {Menu::File, "mnPrintSheet4", "Печать 1-й стр. Академической Справки...", nullptr,
     &TMainForm::mnPrintSheet4Click},
    {Menu::File, "mnPrintSheet5", "Печать 1-й стр. Приложения к Диплому (НПО)...", nullptr,
     &TMainForm::mnPrintSheet5Click},
    {Menu::File, "mnPrintSheetCertificate", "Печать Сертификата...", nullptr,
     &TMainForm::mnPrintSheetCertificateClick},
    {Menu::File, "mnPrintSheet7", "Печать 1-й стр. Приложения к Сертификату...", nullptr,
     &TMainForm::mnPrintSheet7Click},
    {Menu::File, nullptr, nullptr, nullptr, nullptr},
    {Menu::File, "mnExit", "Вы&ход", nullptr, &TMainForm::mnExitClick},
    {Menu::Service, "mnCopyDiplomDataToApps", "Копировать данные из Диплома в Приложения", nullptr,
     &TMainForm::mnCopyDiplomDataToAppsClick},
    {Menu::Service, "mnCopyAppSPODataToAppNPO",
     "Копировать данные из Приложения (СПО) в Приложение (НПО)", nullptr,
     &TMainForm::mnCopyAppSPODataToAppNPOClick},
    {Menu::Service, "mnCopyAppNPODataToAppSPO",
     "Копировать данные из Приложения (НПО) в Приложение (СПО)", nullptr,
     &TMainForm::mnCopyAppNPODataToAppSPOClick},
    {Menu::Service, "mnCopyAppSPODataToDiplom", "Копировать данные из Приложения (СПО) в Диплом",
     nullptr, &TMainForm::mnCopyAppSPODataToDiplomClick},
    {Menu::Service, "mnCopyAppNPODataToDiplom", "Копировать данные из Приложения (НПО) в Диплом",
     nullptr, &TMainForm::mnCopyAppNPODataToDiplomClick},
    {Menu::Service, "mnCopyCertificateDataToCertApps",
     "Копировать данные из Свидетельства в Приложение к Свидетельству", nullptr,
     &TMainForm::mnCopyCertificateDataToCertAppsClick},
    {Menu::Service, nullptr, nullptr, nullptr, nullptr},
    {Menu::Service, "mnSettings", "&Настройки", "Ctrl+S", &TMainForm::mnSettingsClick},
    {Menu::List, "mnStudentsList", "Студенты", nullptr, &TMainForm::mnStudentsListClick},
    {Menu::List, "mnDisciplinesList", "Дисциплины", nullptr, &TMainForm::mnDisciplinesListClick},
    {Menu::List, "mnResultsList", "Дисциплины, часы, оценки...", nullptr,
     &TMainForm::mnResultsListClick},
    {Menu::List, nullptr, nullptr, nullptr, nullptr},
    {Menu::List, "mnListParam", "&Параметры", nullptr, &TMainForm::mnListParamClick},
    {Menu::Help, "mnAbout", "О программе...", nullptr, &TMainForm::mnAboutClick},
};

constexpr const char* kMenuTitles[] = {"&Файл", "&Сервис", "Список", "&?"};
constexpr const char* kMenuNames[] = {"mnFile", "mnService", "mnList", "mnHelp"};

// ---- The toolbar, left to right. Widths of the print buttons 2, 4, 6 and 7 follow the
// window's width (FormResize); `left` < 0 means "right after the button before".
enum class Icon { None, Open, Save, Settings, About };
struct ToolEntry {
    const char* name;
    const char* caption;
    const char* hint;
    Icon icon;
    int left, width;
    void (TMainForm::*handler)();
};

constexpr ToolEntry kTools[] = {
    {"sbtOpen", "", "Открыть настройки", Icon::Open, 4, 25, &TMainForm::mnOpenClick},
    {"sbtSave", "", "Сохранить настройки", Icon::Save, 29, 25, &TMainForm::mnSaveClick},
    {"sbtSet", "", "", Icon::Settings, 58, 25, &TMainForm::sbtSetClick},
    {"sbtPrint3", "Диплом", "Печать Диплома...", Icon::None, 88, 52,
     &TMainForm::mnPrintSheetDiplomClick},
    {"sbtPrint1", "СПО", "Печать 1-й стр. Приложения к Диплому...", Icon::None, -1, 36,
     &TMainForm::mnPrintSheet1Click},
    {"sbtPrint5", "НПО", "Печать 1-й стр. Приложения к Диплому (НПО)...", Icon::None, -1, 36,
     &TMainForm::mnPrintSheet5Click},
    {"sbtPrint2", "Прил", "Печать 2-й стр. Справки / Приложения...", Icon::None, -1, 55,
     &TMainForm::mnPrintSheet2Click},
    {"sbtPrint8", "3", "Печать третьей страницы...", Icon::None, -1, 25,
     &TMainForm::mnPrintSheet8Click},
    {"sbtPrint4", "Справка", "Печать 1-й стр. Академической Справки...", Icon::None, -1, 72,
     &TMainForm::mnPrintSheet4Click},
    {"sbtPrint6", "С", "Печать Сертификата...", Icon::None, -1, 43,
     &TMainForm::mnPrintSheetCertificateClick},
    {"sbtPrint7", "ПС", "Печать 1-й стр. Приложения к Сертификату...", Icon::None, -1, 46,
     &TMainForm::mnPrintSheet7Click},
    {"sbtAbout", "", "О программе", Icon::About, 494, 25, &TMainForm::mnAboutClick},
    {"bbExit", "Выход", "", Icon::None, 520, 72, &TMainForm::mnExitClick},
};
enum ToolIndex {
    kPrint2 = 6,
    kPrint8 = 7,
    kPrint4 = 8,
    kPrint6 = 9,
    kPrint7 = 10,
    kAbout = 11,
    kExit = 12
};

// The page buttons that share a command with the menu.
struct PageButton {
    const char* name;
    void (TMainForm::*handler)();
};
constexpr PageButton kPageButtons[] = {
    {"bbPrintSheet3", &TMainForm::mnPrintSheetDiplomClick},
    {"bbPrintSheet1", &TMainForm::mnPrintSheet1Click},
    {"bbPrintSheet2", &TMainForm::mnPrintSheet2Click},
    {"bbPrintSheet8", &TMainForm::mnPrintSheet8Click},
    {"bbPrintSheet4", &TMainForm::mnPrintSheet4Click},
    {"bbPrintSheet5", &TMainForm::mnPrintSheet5Click},
    {"bbPrintSheet6", &TMainForm::mnPrintSheetCertificateClick},
    {"bbPrintSheet7", &TMainForm::mnPrintSheet7Click},
    {"sbtCopyToAppLists", &TMainForm::mnCopyDiplomDataToAppsClick},
    {"sbtCopyToCertAppList", &TMainForm::mnCopyCertificateDataToCertAppsClick},
    {"btnAddExamMoreFromMemo", &TMainForm::btnAddExamMoreFromMemoClick},
    {"btnAddExamMoreFromMemoNPO", &TMainForm::btnAddExamMoreFromMemoNPOClick},
};

// Captions of the width-following toolbar buttons: (below this width, caption), the
// last row without a limit.
struct WidthCaption {
    int below;
    const char* caption;
};
constexpr WidthCaption kPrint2Captions[] = {{76, "Прил"}, {96, "Прил-ние"}, {0, "Приложение"}};
constexpr WidthCaption kPrint4Captions[] = {
    {111, "Справка"}, {156, "Академ Справка"}, {0, "Академическая Справка"}};
// "C" and "ПC" end in a Latin C, as the short captions always have.
constexpr WidthCaption kPrint6Captions[] = {{106, "C"}, {0, "Свидетельство"}};
constexpr WidthCaption kPrint7Captions[] = {
    {116, "ПC"}, {181, "Прил к Свидет-ву"}, {0, "Приложение к Свидетельству"}};

template <size_t N>
QString captionForWidth(const WidthCaption (&table)[N], int width) {
    for (const WidthCaption& c : table) {
        if (c.below == 0 || width < c.below) {
            return utf8(c.caption);
        }
    }
    return {};
}

// The settings file's texts are CP1251; the program folder's name usually converts.
std::string cp1251Path(const fs::path& p) {
    std::string utf = pathToUtf8(p);
    cp1251::Conversion c = cp1251::fromUtf8(utf);
    return c.ok() ? c.bytes : utf;
}

}  // namespace

void TMainForm::setPreviewHook(PreviewHook hook) {
    previewHook() = std::move(hook);
}

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
    // 1. The version after the titles.
    if (!QGuiApplication::applicationDisplayName().endsWith(kVersionSuffix)) {
        QGuiApplication::setApplicationDisplayName(QStringLiteral("Vellex") + kVersionSuffix);
    }
    setWindowTitle(QStringLiteral("Vellex") + kVersionSuffix);
    setMinimumSize(kMinWidth, kMinHeight);

    // 2. The program's folder.
    programDir_ = options.programDir.empty() ? locateProgramDir() : options.programDir;
    if (!options.programDir.empty()) {
        std::error_code ec;
        fs::create_directories(programDir_, ec);
    }
    settings_.programDir = cp1251Path(programDir_ / "");

    // 3. "App.ini"; a missing file gives the defaults without a word. Without the file
    // the settings dialog opens on its first tab: a key missing from an existing file
    // means the opposite, so the start value is set here and not in the key table.
    settings_.modePositionTab = false;
    std::vector<std::string> settingsWarnings;
    const bool settingsRead =
        readSettings(mainSettingsPath(programDir_), true, settings_, &settingsWarnings);
    storedSettings_ = settings_;
    programLayout_ = {settings_.VellexVersion, settings_.SaveStyle, settings_.mode_N_Discipl};
    gradeList_ = loadGradeList(programDir_);
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

    // 4. The line groups are designed items; the tables are built now.
    buildTables();

    // 3.–8. for the document: flags and diploma type from the settings, the page-2 rows,
    // "прошел", the variants' choices, today's date.
    const Clock& clock = options.clock ? *options.clock : systemClock();
    applyCreationState(doc_, settings_, settingsRead, clock.today());
    // 7. Each run begins with the short birth-date format.
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

    // 5. The diploma first, every page at its top.
    pages_->setCurrentIndex(0);
    for (QScrollArea* area : pages_->findChildren<QScrollArea*>()) {
        area->verticalScrollBar()->setValue(0);
    }

    // 9. Both document dialogs start in the program's folder.
    openFolder_ = saveFolder_ = pathToQString(programDir_);

    // 10. The ".app" association, silently.
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

    // 12.
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

void TMainForm::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainSetMenu"));
    QMenu* menus[4];
    for (int i = 0; i < 4; ++i) {
        menus[i] = bar->addMenu(utf8(kMenuTitles[i]));
        menus[i]->setObjectName(utf8(kMenuNames[i]));
    }
    for (const MenuEntry& e : kMenu) {
        QMenu* m = menus[static_cast<int>(e.menu)];
        if (!e.name) {
            m->addSeparator();
            continue;
        }
        QAction* a = m->addAction(utf8(e.caption));
        a->setObjectName(utf8(e.name));
        if (e.shortcut) {
            a->setShortcut(QKeySequence(QString::fromLatin1(e.shortcut)));
        }
        connect(a, &QAction::triggered, this, e.handler);
    }
}

void TMainForm::buildToolbar() {
    panel_ = new QWidget(centralWidget());
    panel_->setObjectName(QStringLiteral("Panel"));
    panel_->setGeometry(0, 0, kMinWidth, 30);
    int x = 0;
    for (size_t i = 0; i < std::size(kTools); ++i) {
        const ToolEntry& t = kTools[i];
        auto* b = new QToolButton(panel_);
        b->setObjectName(utf8(t.name));
        b->setText(utf8(t.caption));
        b->setToolTip(utf8(t.hint));
        b->setAutoRaise(true);
        switch (t.icon) {
            case Icon::Open:
                b->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
                break;
            case Icon::Save:
                b->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
                break;
            case Icon::Settings:
                b->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
                break;
            case Icon::About:
                b->setIcon(style()->standardIcon(QStyle::SP_MessageBoxQuestion));
                break;
            case Icon::None:
                break;
        }
        const int left = t.left >= 0 ? t.left : x;
        b->setGeometry(left, 3, t.width, 25);
        x = left + t.width;
        connect(b, &QToolButton::clicked, this, t.handler);
        toolButtons_[i] = b;
    }
}

void TMainForm::buildStudentBox() {
    studentBox_ = new QGroupBox(QStringLiteral("Список студентов"), centralWidget());
    studentBox_->setObjectName(QStringLiteral("StudentGroupBox"));
    studentBox_->setGeometry(4, 30, kMinWidth - 8, 50);
    path2Csv_ = new QLineEdit(studentBox_);
    path2Csv_->setObjectName(QStringLiteral("edPath2CSV"));
    path2Csv_->setToolTip(QStringLiteral("Путь к файлу со списком Студентов"));
    path2CsvBrowse_ = new QToolButton(studentBox_);
    path2CsvBrowse_->setObjectName(QStringLiteral("edPath2CSVButton"));
    path2CsvBrowse_->setText(QStringLiteral("..."));
    path2CsvBrowse_->setToolTip(QStringLiteral("Выбрать файл со списком Студентов"));
    auto* get = new QPushButton(QStringLiteral("Студент из списка..."), studentBox_);
    get->setObjectName(QStringLiteral("bbtnGetStudentData"));
    auto* put = new QPushButton(QStringLiteral("Занести студента в список"), studentBox_);
    put->setObjectName(QStringLiteral("bbtnPutStudentToList"));
    put->setToolTip(QStringLiteral("Записать студента в файл со Списком студентов"));
    getStudent_ = get;
    putStudent_ = put;
    // The box has room for the two captions only in a slightly smaller type.
    QFont small = get->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    get->setFont(small);
    put->setFont(small);
    connect(get, &QPushButton::clicked, this, &TMainForm::mnStudentsListClick);
    connect(put, &QPushButton::clicked, this, &TMainForm::bbtnPutStudentToListClick);
    connect(path2Csv_, &QLineEdit::textEdited, this, [this](const QString& text) {
        std::string bytes;
        if (acceptTyped(text, bytes)) {
            settings_.Path2CSV = std::move(bytes);
        } else {
            QSignalBlocker block(path2Csv_);
            path2Csv_->setText(toQString(settings_.Path2CSV));
        }
    });
    connect(path2CsvBrowse_, &QToolButton::clicked, this, [this] {
        FileDialogForm::Request r;
        r.title = QStringLiteral("Список студентов");
        r.folder = QFileInfo(path2Csv_->text()).absolutePath();
        r.filter = QStringLiteral("Текст CSV (*.csv *.CSV);;Все файлы (*)");
        r.proposedName = path2Csv_->text();
        const QString chosen = FileDialogForm::choose(this, r);
        if (chosen.isEmpty()) {
            return;
        }
        std::string bytes;
        if (acceptTyped(chosen, bytes)) {
            settings_.Path2CSV = std::move(bytes);
            path2Csv_->setText(chosen);
            edPath2CSVAfterDialog();
        }
    });
}

void TMainForm::buildPages() {
    pages_ = new QTabWidget(centralWidget());
    pages_->setObjectName(QStringLiteral("PageCtrlSet"));
    for (const PageLayout& layout : pageLayouts()) {
        const int sheet = static_cast<int>(layout.page);
        auto* tab = new QWidget;
        tab->setObjectName(QStringLiteral("TabSheet%1").arg(sheet));
        auto* area = new QScrollArea(tab);
        area->setObjectName(QStringLiteral("ScrollBox%1").arg(sheet));
        area->setWidgetResizable(false);
        auto* panel = new QWidget;
        panel->setObjectName(QStringLiteral("PanelSet%1").arg(sheet));
        buildPageItems(layout, panel, widgets_);
        area->setWidget(panel);
        auto* fill = new QGridLayout(tab);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(area);
        pages_->addTab(tab, utf8(layout.caption));
        bindPage(layout.page);
        for (const PageButton& pb : kPageButtons) {
            if (auto* b = panel->findChild<QPushButton*>(utf8(pb.name))) {
                connect(b, &QPushButton::clicked, this, pb.handler);
            }
        }
    }
}

void TMainForm::buildTables() {
    // Page 2 first, then page 3, the academic page and the certificate supplement; the
    // fixed tables take the grades of page 2's first row as they stand.
    for (Table t :
         {Table::Disciplines, Table::Disciplines8, Table::Disciplines4, Table::Disciplines7}) {
        const int rows =
            t == Table::Disciplines ? rowsForMode(settings_.mode_N_Discipl) : doc_.rowCount(t);
        if (t == Table::Disciplines && doc_.rowCount(t) != rows) {
            doc_.rebuildPage2(rows);
        }
        buildTableRows(t, rows, settings_.mode_N_Discipl, grades_, widgets_);
        bindTable(t);
        for (size_t c = 0; c < 3; ++c) {
            connect(widgets_.clearButtons[static_cast<size_t>(t)][c], &QPushButton::clicked, this,
                    [this, t, c] { clearColumn(t, static_cast<Column>(c)); });
        }
    }
    for (QWidget* panel : widgets_.panels) {
        keepTabsInScreenOrder(panel);
    }
    nameForScreenReaders(widgets_);
    guardWheel(pages_);
}

void TMainForm::guardWheel(QWidget* root) {
    // A wheel turned while scrolling the page must not change the grade or the number
    // under the pointer: only a box with the focus takes the wheel.
    auto guard = [this](QWidget* w) {
        if (!w->property("wheelGuard").toBool()) {
            w->setProperty("wheelGuard", true);
            w->setFocusPolicy(Qt::StrongFocus);
            w->installEventFilter(this);
        }
    };
    for (QComboBox* c : root->findChildren<QComboBox*>()) {
        guard(c);
    }
    for (QAbstractSpinBox* b : root->findChildren<QAbstractSpinBox*>()) {
        guard(b);
    }
}

void TMainForm::rebuildPage2Widgets() {
    freeTableRows(Table::Disciplines, widgets_);
    buildTableRows(Table::Disciplines, doc_.rowCount(Table::Disciplines), settings_.mode_N_Discipl,
                   grades_, widgets_);
    bindTable(Table::Disciplines);
    nameForScreenReaders(widgets_);
    guardWheel(pages_);
    // A new row count switches page 2 to the settings' blank.
    SwitchVellexVersionPage2(settings_.VellexVersion);
}

void TMainForm::rebuildPage2() {
    doc_.rebuildPage2(rowsForMode(settings_.mode_N_Discipl));
    rebuildPage2Widgets();
    refreshTable(Table::Disciplines);
}

// ---------------------------------------------------------------- binding

void TMainForm::bindPage(Page page) {
    for (int i = 0; i < kFieldCount; ++i) {
        const Field f = static_cast<Field>(i);
        QWidget* w = widgets_.fields[static_cast<size_t>(i)];
        if (!w || fieldPage(f) != page) {
            continue;
        }
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            connect(e, &QLineEdit::textEdited, this, [this, f, e] { fieldEdited(f, e); });
            for (const LeaveCopyRule& rule : leaveCopyRules()) {
                if (rule.source == f) {
                    e->setProperty("leaveField", i);
                    e->installEventFilter(this);
                }
            }
        } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
            connect(m, &QPlainTextEdit::textChanged, this, [this, f, m] { fieldEdited(f, m); });
        }
    }
    for (int i = 0; i < kFlagCount; ++i) {
        QCheckBox* c = widgets_.flags[static_cast<size_t>(i)];
        if (!c || c->property("bound").toBool()) {
            continue;
        }
        c->setProperty("bound", true);
        const Flag flag = static_cast<Flag>(i);
        connect(c, &QCheckBox::toggled, this, [this, flag](bool on) {
            if (updating_) {
                return;
            }
            if (flag == Flag::cbAddLineUp_Diplom) {
                setAddLineUp(doc_, on);
                refreshTexts();
            } else {
                // The document keeps the twins: "Дубликат" on both pages, and the bold
                // flag of all five diploma lines.
                doc_.setFlag(flag, on);
            }
            refreshChoices();
            updateTitle();
        });
    }
    for (int i = 0; i < kChoiceCount; ++i) {
        QButtonGroup* g = widgets_.radios[static_cast<size_t>(i)];
        if (!g || g->property("bound").toBool()) {
            continue;
        }
        g->setProperty("bound", true);
        const Choice choice = static_cast<Choice>(i);
        connect(g, &QButtonGroup::idClicked, this, [this, choice](int id) {
            // The type groups only take the click until the diploma page is switched.
            if (choice == Choice::rgProfEduTypeAcadem && diplomaSwitched_) {
                chooseAcademType(doc_, id);
                rgProfEduTypeClick();
            } else {
                doc_.setChoice(choice, id);
                if (choice == Choice::rgProfEduType) {
                    rgProfEduTypeClick();
                }
            }
            refreshChoices();
            updateTitle();
        });
    }
    if (widgets_.trial && !widgets_.trial->property("bound").toBool()) {
        widgets_.trial->setProperty("bound", true);
        connect(widgets_.trial, &QComboBox::currentIndexChanged, this, [this](int index) {
            if (!updating_) {
                doc_.setChoice(Choice::cbTrial, index);
                updateTitle();
            }
        });
    }
}

void TMainForm::bindTable(Table t) {
    const auto& rows = widgets_.tables[static_cast<size_t>(t)];
    for (size_t i = 0; i < rows.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        const TableRowWidgets& row = rows[i];
        connect(row.name, &QLineEdit::textEdited, this,
                [this, t, r, e = row.name] { cellEdited(t, r, Column::Discipline, e); });
        connect(row.hours, &QLineEdit::textEdited, this,
                [this, t, r, e = row.hours] { cellEdited(t, r, Column::AudTime, e); });
        connect(row.grade, &QComboBox::editTextChanged, this,
                [this, t, r, e = row.grade] { cellEdited(t, r, Column::Value, e); });
    }
}

bool TMainForm::acceptTyped(const QString& text, std::string& out) {
    QString refused;
    if (toCp1251(text, out, &refused)) {
        return true;
    }
    MessageForm::inform(this, MessageForm::Kind::Warning, QStringLiteral("Недопустимый символ"),
                        refusedCharactersMessage(refused));
    return false;
}

void TMainForm::fieldEdited(Field f, QWidget* editor) {
    if (updating_) {
        return;
    }
    auto* e = qobject_cast<QLineEdit*>(editor);
    auto* m = qobject_cast<QPlainTextEdit*>(editor);
    const QString text = e ? e->text() : m->toPlainText();
    std::string bytes;
    if (acceptTyped(text, bytes)) {
        doc_.setText(f, std::move(bytes));
        updateTitle();
        return;
    }
    // Put back what the document holds; the cursor stays near where it was.
    updating_ = true;
    if (e) {
        const int pos = e->cursorPosition();
        e->setText(toQString(doc_.text(f)));
        e->setCursorPosition(std::max(0, pos - static_cast<int>(text.size() - e->text().size())));
    } else {
        m->setPlainText(toQString(doc_.text(f)));
        m->moveCursor(QTextCursor::End);
    }
    updating_ = false;
}

void TMainForm::cellEdited(Table t, int row, Column c, QWidget* editor) {
    if (updating_) {
        return;
    }
    auto* e = qobject_cast<QLineEdit*>(editor);
    auto* cb = qobject_cast<QComboBox*>(editor);
    const QString text = e ? e->text() : cb->currentText();
    std::string bytes;
    if (acceptTyped(text, bytes)) {
        doc_.setCell(t, row, c, std::move(bytes));
        updateTitle();
        return;
    }
    updating_ = true;
    if (e) {
        e->setText(toQString(doc_.cell(t, row, c)));
    } else {
        cb->setEditText(toQString(doc_.cell(t, row, c)));
    }
    updating_ = false;
}

void TMainForm::clearColumn(Table t, Column c) {
    clearTableColumn(doc_, t, c);
    refreshTable(t);
    updateTitle();
}

// ---------------------------------------------------------------- refreshing

void TMainForm::refreshFromDocument() {
    updateTitle();
    refreshTexts();
    for (Table t :
         {Table::Disciplines, Table::Disciplines8, Table::Disciplines4, Table::Disciplines7}) {
        refreshTable(t);
    }
    refreshChoices();
    {
        QSignalBlocker block(path2Csv_);
        path2Csv_->setText(toQString(settings_.Path2CSV));
    }
}

void TMainForm::refreshTexts() {
    updating_ = true;
    for (int i = 0; i < kFieldCount; ++i) {
        QWidget* w = widgets_.fields[static_cast<size_t>(i)];
        const QString text = toQString(doc_.text(static_cast<Field>(i)));
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (e->text() != text) {
                e->setText(text);
                e->setCursorPosition(0);
            }
        } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
            if (m->toPlainText() != text) {
                m->setPlainText(text);
            }
        }
    }
    updating_ = false;
}

void TMainForm::refreshTable(Table t) {
    updating_ = true;
    const auto& rows = widgets_.tables[static_cast<size_t>(t)];
    for (size_t i = 0; i < rows.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        rows[i].name->setText(toQString(doc_.cell(t, r, Column::Discipline)));
        rows[i].hours->setText(toQString(doc_.cell(t, r, Column::AudTime)));
        const std::string& grade = doc_.cell(t, r, Column::Value);
        const int index = grade.empty() ? -1 : gradeIndex(gradeList_, grade);
        rows[i].grade->setCurrentIndex(index);
        if (index < 0) {
            rows[i].grade->setEditText(toQString(grade));
        }
    }
    updating_ = false;
}

void TMainForm::refreshChoices() {
    updating_ = true;
    for (int i = 0; i < kFlagCount; ++i) {
        if (QCheckBox* c = widgets_.flags[static_cast<size_t>(i)]) {
            c->setChecked(doc_.flag(static_cast<Flag>(i)));
        }
    }
    for (int i = 0; i < kChoiceCount; ++i) {
        QButtonGroup* g = widgets_.radios[static_cast<size_t>(i)];
        if (!g) {
            continue;
        }
        const int item = doc_.choice(static_cast<Choice>(i));
        if (QAbstractButton* b = g->button(item)) {
            b->setChecked(true);
        } else if (QAbstractButton* checked = g->checkedButton()) {
            g->setExclusive(false);
            checked->setChecked(false);
            g->setExclusive(true);
        }
    }
    if (widgets_.trial) {
        widgets_.trial->setCurrentIndex(doc_.choice(Choice::cbTrial));
    }
    updating_ = false;
    // Under the older blanks the extra top line of the diploma shows only when ticked.
    if (pageVersion(Page::Diploma) < 2) {
        const bool lineUp = doc_.flag(Flag::cbAddLineUp_Diplom);
        if (QWidget* top = widgets_.fields[static_cast<size_t>(Field::edTownDiplom0)]) {
            top->setVisible(lineUp);
        }
        QWidget* diploma = widgets_.panels[static_cast<size_t>(Page::Diploma)];
        if (auto* caption = diploma->findChild<QLabel*>(QStringLiteral("lbTownDiplom0"))) {
            caption->setVisible(lineUp);
        }
    }
    applyFieldStyles();
    applyLineModes();
}

void TMainForm::applyFieldStyles() {
    const int version = settings_.VellexVersion;
    for (Field f : styledFields()) {
        QWidget* w = widgets_.fields[static_cast<size_t>(f)];
        if (!w) {
            continue;
        }
        const FieldStyle style = fieldStyle(doc_, f, version);
        QFont font = w->font();
        if (font.bold() != style.bold || font.italic() != style.italic) {
            font.setBold(style.bold);
            font.setItalic(style.italic);
            w->setFont(font);
        }
    }
}

// The line-count choices show and hide their lines; fewer qualification lines move the
// specialty lines up under them.
void TMainForm::applyLineModes() {
    auto show = [this](Field f, bool on) {
        if (QWidget* w = widgets_.fields[static_cast<size_t>(f)]) {
            w->setVisible(on);
        }
    };
    const bool sixSchool = doc_.choice(Choice::rgSchool) == 1;
    const bool sixSchoolNpo = doc_.choice(Choice::rgSchoolNPO) == 1;
    show(Field::edSchool5, sixSchool);
    show(Field::edSchool6, sixSchool);
    show(Field::edSchoolNPO5, sixSchoolNpo);
    show(Field::edSchoolNPO6, sixSchoolNpo);
    const bool threeQualify = doc_.choice(Choice::rgQualify) == 1;
    const bool threeQualifyNpo = doc_.choice(Choice::rgQualifyNPO) == 1;
    // Under the 2010 blank "3 строки" leaves the page as its switch laid it out.
    const bool spo2 = pageVersion(Page::SupplementSpo) == 2;
    const bool npo2 = pageVersion(Page::SupplementNpo) == 2;
    if (!(spo2 && threeQualify)) {
        show(Field::edQualify2, threeQualify);
        show(Field::edQualify3, threeQualify);
    }
    if (!(npo2 && threeQualifyNpo)) {
        show(Field::edQualifyNPO3, threeQualifyNpo);
    }

    auto shift = [this](Page page, Group g, const char* labelName, int down) {
        const PageLayout& layout = pageLayout(page);
        QWidget* panel = widgets_.panels[static_cast<size_t>(page)];
        for (const PageItem& item : layout.items) {
            if (item.kind == ItemKind::Group && item.group == g) {
                for (int line = groupFirstLine(g); line <= groupLastLine(g); ++line) {
                    QWidget* w = widgets_.fields[static_cast<size_t>(groupLine(g, line))];
                    w->move(w->x(), item.y + 22 * (line - groupFirstLine(g)) + down);
                }
            } else if (item.kind == ItemKind::Label &&
                       QString::fromUtf8(item.name) == QString::fromUtf8(labelName)) {
                if (auto* l = panel->findChild<QLabel*>(utf8(labelName))) {
                    l->move(l->x(), item.y + down);
                }
            }
        }
    };
    // The 2010 page has no specialty lines to move, and its captions stand elsewhere.
    if (!spo2) {
        shift(Page::SupplementSpo, Group::edSpecRight, "lbSpec", threeQualify ? 44 : 0);
    }
    if (!npo2) {
        shift(Page::SupplementNpo, Group::edSpecRightNPO, "Label56", threeQualifyNpo ? 22 : 0);
    }
}

// ---------------------------------------------------------------- window events

bool TMainForm::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QMainWindow::event(e);
}

bool TMainForm::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Wheel && watched->property("wheelGuard").toBool() &&
        !static_cast<QWidget*>(watched)->hasFocus()) {
        // Handled here but not accepted: the event goes on to the scroll area.
        e->ignore();
        return true;
    }
    if (e->type() == QEvent::FocusOut && !updating_) {
        const QVariant field = watched->property("leaveField");
        if (field.isValid()) {
            if (!copyOnLeaving(doc_, static_cast<Field>(field.toInt()), settings_.VellexVersion)
                     .empty()) {
                refreshTexts();
            }
        }
    }
    return QMainWindow::eventFilter(watched, e);
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

    toolButtons_[kAbout]->move(w - 106, toolButtons_[kAbout]->y());
    toolButtons_[kExit]->move(w - 80, toolButtons_[kExit]->y());
    const int e = (w - kMinWidth) / 4;
    auto place = [this](int index, int left, int width) {
        toolButtons_[static_cast<size_t>(index)]->setGeometry(
            left, toolButtons_[static_cast<size_t>(index)]->y(), width, 25);
        return left + width;
    };
    int x = toolButtons_[kPrint2]->x();
    x = place(kPrint2, x, e + 55);
    x = place(kPrint8, x, toolButtons_[kPrint8]->width());
    x = place(kPrint4, x, e + 72);
    x = place(kPrint6, x, e + 43);
    place(kPrint7, x, e + 46);
    toolButtons_[kPrint2]->setText(captionForWidth(kPrint2Captions, e + 55));
    toolButtons_[kPrint4]->setText(captionForWidth(kPrint4Captions, e + 72));
    toolButtons_[kPrint6]->setText(captionForWidth(kPrint6Captions, e + 43));
    toolButtons_[kPrint7]->setText(captionForWidth(kPrint7Captions, e + 46));
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

bool TMainForm::keepRecoveryCopy() {
    if (!isModified()) {
        recovery_->remove();
        return true;
    }
    std::string error;
    if (recovery_->write(doc_, settingsToWrite(), &error)) {
        return true;
    }
    // Said once: a message every minute would keep the user from working.
    if (!recoveryFailureShown_ && !shuttingDown_) {
        recoveryFailureShown_ = true;
        showError(fromUtf8(error));
    }
    return false;
}

const fs::path& TMainForm::recoveryCopyPath() const {
    return recovery_->path();
}

void TMainForm::offerRecovery() {
    for (const RecoveryCopy::Orphan& orphan : RecoveryCopy::findOrphans(programDir_)) {
        const QString text =
            QStringLiteral("Найдены несохранённые данные (%1). Восстановить?")
                .arg(QLocale::c().toString(orphan.written, QStringLiteral("dd.MM.yyyy, hh:mm")));
        if (!MessageForm::ask(this, QStringLiteral("Vellex"), text)) {
            RecoveryCopy::removeOrphan(orphan);
            continue;
        }
        if (restoreRecoveryCopy(orphan.document)) {
            // Kept as this window's own copy before the old one goes.
            if (keepRecoveryCopy()) {
                RecoveryCopy::removeOrphan(orphan);
            }
            return;
        }
    }
}

bool TMainForm::restoreRecoveryCopy(const fs::path& copy) {
    Settings read = settings_;
    readSettings(fs::path(copy).replace_extension(".ini"), false, read);
    DocumentReadOptions options;
    options.format = recoveryCopyFormat(read);
    // Read into a copy: a damaged file changes nothing.
    Document restored = doc_;
    std::string error;
    std::vector<std::string> warnings;
    if (!readDocument(copy, options, restored, &error, &warnings)) {
        showError(fromUtf8(error));
        return false;
    }
    const Document before = baseline_;
    settings_ = std::move(read);
    applyReadSettings(restored, settings_, true, true);
    doc_ = std::move(restored);
    rebuildPage2Widgets();
    applyVariants(0);
    documentFileName_.clear();
    refreshFromDocument();
    // Changed and unnamed: closing asks, saving asks for a name.
    baseline_ = before;
    updateTitle();
    warnOnceShown(warnings);
    return true;
}

Settings TMainForm::settingsToWrite() const {
    Settings s = settings_;
    s.MainHeigh = height();
    s.MainWidth = width();
    s.Bold_Diplom1 = doc_.flag(Flag::cbBold_Diplom1);
    s.Bold_Diplom2 = doc_.flag(Flag::cbBold_Diplom2);
    s.Bold_Diplom3 = doc_.flag(Flag::cbBold_Diplom3);
    s.Bold_Diplom4 = doc_.flag(Flag::cbBold_Diplom4);
    s.Bold_Diplom5 = doc_.flag(Flag::cbBold_Diplom5);
    s.Italic_Diplom = doc_.flag(Flag::cbItalic_Diplom);
    s.AddLineUp_Diplom = doc_.flag(Flag::cbAddLineUp_Diplom);
    s.CopySign = doc_.flag(Flag::cbCopySign);
    s.ProfEduType = doc_.choice(Choice::rgProfEduType);
    s.SchoolMode = doc_.choice(Choice::rgSchool);
    s.QualifyMode = doc_.choice(Choice::rgQualify);
    return s;
}

void TMainForm::FormClose() {
    // The program still closes on a failure; the operator learns the settings were not kept.
    writeMainSettings();
}

bool TMainForm::writeMainSettings(bool quiet) {
    // Only what this window changed is written: a second window's calibration, saved in
    // the meantime, stays.
    const Settings now = programSettings();
    std::string error;
    if (!writeSettingsChanges(mainSettingsPath(programDir_), true, &storedSettings_, now, &error)) {
        if (!quiet) {
            showError(fromUtf8(error));
        }
        return false;
    }
    storedSettings_ = now;
    return true;
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

// ---------------------------------------------------------------- documents

void TMainForm::showError(const QString& text) {
    MessageForm::inform(this, MessageForm::Kind::Error, QStringLiteral("Ошибка"), text);
}

bool TMainForm::openDocument(const fs::path& path, DocumentLayout layout, bool rows86) {
    // Find out first whether the file can be read at all, so that a failure leaves the
    // settings and the document as they were.
    std::string probe;
    std::string error;
    if (!readDocumentText(path, probe, &error)) {
        showError(fromUtf8(error));
        return false;
    }
    probe.clear();
    DocumentReadOptions read;
    if (!takeDocumentLayout(path, layout, rows86, read)) {
        return false;
    }
    std::vector<std::string> warnings;
    if (!readDocument(path, read, doc_, &error, &warnings)) {
        showError(fromUtf8(error));
        refreshFromDocument();
        return false;
    }
    warnOnceShown(warnings);
    if (doc_.rowCount(Table::Disciplines) !=
        static_cast<int>(widgets_.tables[static_cast<size_t>(Table::Disciplines)].size())) {
        rebuildPage2Widgets();
    }
    documentFileName_ = path;
    refreshFromDocument();
    markUnchanged();
    return true;
}

bool TMainForm::saveDocument(const fs::path& path) {
    std::string error;
    // A document in a layout other than the program's keeps its settings file even without
    // EachSaveSet: its line count alone cannot tell its edition or table order.
    const bool withOwnSettings =
        settings_.EachSaveSet || documentNeedsOwnSettings(path, settings_, programSettings());
    if (!saveDocumentFiles(path, doc_, settingsToWrite(), withOwnSettings, &error)) {
        showError(fromUtf8(error));
        return false;
    }
    markUnchanged();
    recovery_->remove();
    return true;
}

QString TMainForm::proposedSaveName() const {
    if (!documentFileName_.empty()) {
        return pathToQString(documentFileName_);
    }
    const NameParts name = findNameParts(doc_, settings_.VellexVersion);
    if (!name.surname.empty() && !name.firstName.empty() && !name.patronymic.empty()) {
        return toQString(name.surname + " " + name.firstName + " " + name.patronymic);
    }
    return {};
}

void TMainForm::openWithLayout(DocumentLayout layout, bool rows86) {
    FileDialogForm::Request r;
    r.title = QStringLiteral("Открыть состояние из...");
    r.folder = openFolder_;
    // Files named by the association end in ".app": both spellings are offered.
    r.filter =
        QStringLiteral("Файл настроек (*.App *.app);;Текст CSV (*.csv *.CSV);;Все файлы (*)");
    r.defaultSuffix = QStringLiteral("App");
    r.proposedName = QStringLiteral("Set1.App");
    if (!maySetDocumentAside()) {
        return;
    }
    const QString chosen = FileDialogForm::choose(this, r);
    if (chosen.isEmpty()) {
        return;
    }
    openFolder_ = QFileInfo(chosen).absolutePath();
    openDocument(pathFromQString(chosen), layout, rows86);
}

void TMainForm::mnOpenClick() {
    openWithLayout(DocumentLayout::Current, false);
}
void TMainForm::mnOpenOldInNewClick() {
    openWithLayout(DocumentLayout::Release412, true);
}
void TMainForm::mnOpenOldInNew2Click() {
    openWithLayout(DocumentLayout::Release412, false);
}
void TMainForm::mnOpenOldInNew3Click() {
    openWithLayout(DocumentLayout::Release422, false);
}
void TMainForm::mnOpenOldInNew4Click() {
    openWithLayout(DocumentLayout::Release4233, false);
}

void TMainForm::mnSaveClick() {
    saveWithDialog();
}

bool TMainForm::saveWithDialog() {
    FileDialogForm::Request r;
    r.save = true;
    r.title = QStringLiteral("Сохранить текущее состояние как...");
    r.folder = saveFolder_;
    r.filter = QStringLiteral("Файл настроек (*.App *.app)");
    r.defaultSuffix = QStringLiteral("App");
    r.proposedName = proposedSaveName();
    const QString chosen = FileDialogForm::choose(this, r);
    if (chosen.isEmpty()) {
        return false;
    }
    saveFolder_ = QFileInfo(chosen).absolutePath();
    return saveDocument(pathFromQString(chosen));
}

void TMainForm::mnRunConverterClick() {
    // The converter lies beside the program; an installed one is found on the PATH.
    QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/appconv");
    if (!QFileInfo(program).isExecutable()) {
        program = QStandardPaths::findExecutable(QStringLiteral("appconv"));
    }
    if (program.isEmpty() || !QProcess::startDetached(program, {})) {
        MessageForm::inform(this, MessageForm::Kind::Warning, QStringLiteral("Vellex"),
                            QStringLiteral("Программа преобразования данных «appconv» не "
                                           "найдена рядом с программой и в путях поиска."));
    }
}

// ---------------------------------------------------------------- printing

void TMainForm::printSheet(SheetKind kind) {
    switch (kind) {
        case SheetKind::Diploma:
            sheetCode_ = doc_.choice(Choice::rgProfEduType);
            break;
        case SheetKind::Certificate:
            sheetCode_ = doc_.choice(Choice::rgProfEduTypeCert);
            break;
        case SheetKind::SupplementSpo:
            sheetCode_ = 1;
            break;
        case SheetKind::Page2:
            sheetCode_ = 2;
            break;
        case SheetKind::Academic:
            sheetCode_ = 4;
            break;
        case SheetKind::SupplementNpo:
            sheetCode_ = 5;
            break;
        case SheetKind::CertificateSupplement:
            sheetCode_ = 7;
            break;
        case SheetKind::Page3:
            sheetCode_ = 8;
            break;
    }
    std::string error;
    if (!layoutSheet(kind, doc_, settings_, SheetOptions{}, report_, &error)) {
        showError(fromUtf8(error));
        return;
    }
    if (previewHook()) {
        previewHook()(report_);
        return;
    }
    // The preview opens as the user left it, also in an earlier run.
    PreviewDialog::setLastPlace(
        {QSize(settings_.PreviewWidth, settings_.PreviewHeight), settings_.PreviewZoom});
    showReport(report_, this);
    const PreviewDialog::Place place = PreviewDialog::lastPlace();
    settings_.PreviewWidth = place.size.width();
    settings_.PreviewHeight = place.size.height();
    settings_.PreviewZoom = place.zoom;
}

void TMainForm::mnPrintSheetDiplomClick() {
    printSheet(SheetKind::Diploma);
}
void TMainForm::mnPrintSheet1Click() {
    printSheet(SheetKind::SupplementSpo);
}
void TMainForm::mnPrintSheet2Click() {
    printSheet(SheetKind::Page2);
}
void TMainForm::mnPrintSheet8Click() {
    printSheet(SheetKind::Page3);
}
void TMainForm::mnPrintSheet4Click() {
    printSheet(SheetKind::Academic);
}
void TMainForm::mnPrintSheet5Click() {
    printSheet(SheetKind::SupplementNpo);
}
void TMainForm::mnPrintSheetCertificateClick() {
    printSheet(SheetKind::Certificate);
}
void TMainForm::mnPrintSheet7Click() {
    printSheet(SheetKind::CertificateSupplement);
}

// ---------------------------------------------------------------- other commands

void TMainForm::mnExitClick() {
    close();
}

void TMainForm::mnAboutClick() {
    TAbout about(this);
    about.exec();
}

void TMainForm::runCopy(CopyCommand command) {
    runCopyCommand(command, doc_, CopyContext{settings_.VellexVersion, settings_.MaxSymbols});
    refreshFromDocument();
}

void TMainForm::mnCopyDiplomDataToAppsClick() {
    runCopy(CopyCommand::DiplomaToSupplements);
}
void TMainForm::mnCopyAppSPODataToAppNPOClick() {
    runCopy(CopyCommand::SpoToNpo);
}
void TMainForm::mnCopyAppNPODataToAppSPOClick() {
    runCopy(CopyCommand::NpoToSpo);
}
void TMainForm::mnCopyAppSPODataToDiplomClick() {
    runCopy(CopyCommand::SpoToDiploma);
}
void TMainForm::mnCopyAppNPODataToDiplomClick() {
    runCopy(CopyCommand::NpoToDiploma);
}
void TMainForm::mnCopyCertificateDataToCertAppsClick() {
    runCopy(CopyCommand::CertificateToSupplement);
}
void TMainForm::btnAddExamMoreFromMemoClick() {
    runCopy(CopyCommand::SpreadExamMoreSpo);
}
void TMainForm::btnAddExamMoreFromMemoNPOClick() {
    runCopy(CopyCommand::SpreadExamMoreNpo);
}

void TMainForm::afterSettingsDialog(const Settings& before, const SettingsDialogResult& result,
                                    bool fromToolbar) {
    if (result.rowModeChanged && !resizePage2(rowsForMode(before.mode_N_Discipl))) {
        // The user keeps the rows: the old mode (and the edition that came with it) stays.
        settings_.mode_N_Discipl = before.mode_N_Discipl;
        settings_.VellexVersion = before.VellexVersion;
    }
    if (settings_.VellexVersion != before.VellexVersion) {
        notAChange([&] {
            if (fromToolbar) {
                applyVariants(-1);
            } else {
                // The menu switches the pages only; the line-count groups stay as chosen.
                switchSixPages();
            }
        });
    }
    refreshFromDocument();
    // What the user chose in the dialog is the program's layout from now on.
    if (settings_.VellexVersion != before.VellexVersion)
        programLayout_.vellexVersion = settings_.VellexVersion;
    if (settings_.SaveStyle != before.SaveStyle)
        programLayout_.saveStyle = settings_.SaveStyle;
    if (settings_.mode_N_Discipl != before.mode_N_Discipl)
        programLayout_.rowMode = settings_.mode_N_Discipl;
    // Stored at once, so that vellex-print and the next start see the new calibration
    // and a crash cannot lose it; on a failure the settings still stay in force.
    writeMainSettings();
}

bool TMainForm::resizePage2(int oldRows) {
    const int newRows = rowsForMode(settings_.mode_N_Discipl);
    const int lastFilled = doc_.lastFilledRow(Table::Disciplines);
    if (newRows < oldRows && lastFilled > newRows) {
        const QString text =
            QStringLiteral("Строки %1–%2 2-й страницы не поместятся в режим «%3». Удалить их?")
                .arg(newRows + 1)
                .arg(lastFilled)
                .arg(fromUtf8(rowModeCaption(settings_.mode_N_Discipl)));
        if (!MessageForm::ask(this, QStringLiteral("Vellex"), text)) {
            return false;
        }
    }
    doc_.resizePage2(newRows);
    rebuildPage2Widgets();
    refreshTable(Table::Disciplines);
    return true;
}

// The menu opens the dialog on its general tab.
void TMainForm::mnSettingsClick() {
    const Settings before = settings_;
    afterSettingsDialog(before, runSettingsDialog(this, settings_, kSettingsMenuStartTab), false);
}

// The toolbar button opens it on the tab of the page in front.
void TMainForm::sbtSetClick() {
    const Page current = pageLayouts()[static_cast<size_t>(pages_->currentIndex())].page;
    const Settings before = settings_;
    afterSettingsDialog(before,
                        runSettingsDialog(this, settings_, settingsStartTabForPage(current)), true);
}

// The list logic's messages look the same wherever they come from.
void TMainForm::showUserMessages(const UserMessages& messages) {
    MessagePresenter::showAll(this, messages);
}

void TMainForm::bbtnPutStudentToListClick() {
    showUserMessages(appendStudentToList(doc_, settings_, settings_.Path2CSV));
}

void TMainForm::edPath2CSVAfterDialog() {
    const ChosenFileName cleaned = cleanChosenFileName(settings_.Path2CSV);
    settings_.Path2CSV = cleaned.name;
    {
        QSignalBlocker block(path2Csv_);
        path2Csv_->setText(toQString(settings_.Path2CSV));
    }
    if (cleaned.warning) {
        showUserMessages({*cleaned.warning});
    }
}

void TMainForm::mnStudentsListClick() {
    TStudentsListForm::run(this, doc_, settings_, [this] { refreshFromDocument(); });
    refreshFromDocument();
}

void TMainForm::mnDisciplinesListClick() {
    TDisciplinesListForm::run(this, doc_, settings_, [this] { refreshFromDocument(); });
    refreshFromDocument();
}

void TMainForm::mnListParamClick() {
    TListParamForm::run(this, settings_);
}

// The open dialog with its CSV filter chosen; the file fills the discipline tables.
void TMainForm::mnResultsListClick() {
    FileDialogForm::Request r;
    r.title = QStringLiteral("Открыть состояние из...");
    r.folder = openFolder_;
    r.filter =
        QStringLiteral("Текст CSV (*.csv *.CSV);;Файл настроек (*.App *.app);;Все файлы (*)");
    const QString chosen = FileDialogForm::choose(this, r);
    if (chosen.isEmpty()) {
        return;
    }
    std::string name;
    if (!acceptTyped(chosen, name)) {
        return;
    }
    showUserMessages(loadResultsFile(doc_, name, settings_.SplitField));
    refreshFromDocument();
}

}  // namespace vellex

// ---------------------------------------------------------------- blank versions

namespace vellex {

// Applying the variants with the version the pages are taken to show: the six first
// pages switch only when that hint is below the settings' version; the line-count
// groups then settle, the NPO page on three qualification lines above version 0.
void TMainForm::applyVariants(int hint) {
    if (hint < settings_.VellexVersion) {
        switchSixPages();
    }
    if (settings_.VellexVersion > 0) {
        doc_.setChoice(Choice::rgQualifyNPO, 1);
    }
    refreshChoices();
}

void TMainForm::switchSixPages() {
    const int v = settings_.VellexVersion;
    SwitchDiplomVersion(v);
    SwitchVellexVersion(v);
    SwitchVellexVersionNPO(v);
    SwitchAcademVersion(v);
    SwitchCertificateVersion(v);
    SwitchCertAppendVersion(v);
}

void TMainForm::applyVariantRows(Page page, std::span<const VariantRow> rows, int version) {
    QWidget* panel = widgets_.panels[static_cast<size_t>(page)];
    const size_t v = static_cast<size_t>(version);
    for (const VariantRow& row : rows) {
        const QString name = QString::fromUtf8(row.name);
        std::vector<QWidget*> targets;
        if (const Table* t = pageTable(page); t && name == QString::fromUtf8(tableName(*t))) {
            // A whole table: its rows, its column heads stay with their own rows.
            for (const TableRowWidgets& r : widgets_.tables[static_cast<size_t>(*t)]) {
                targets.insert(targets.end(), {r.name, r.hours, r.grade});
            }
            for (QPushButton* b : widgets_.clearButtons[static_cast<size_t>(*t)]) {
                targets.push_back(b);
            }
        } else if (QWidget* w = panel->findChild<QWidget*>(name)) {
            targets.push_back(w);
        }
        for (QWidget* w : targets) {
            if (row.text[v]) {
                if (auto* l = qobject_cast<QLabel*>(w)) {
                    l->setText(QString::fromUtf8(row.text[v]));
                    fitLabel(l);
                }
            }
            switch (row.shown[v]) {
                case Shown::Keep:
                    break;
                case Shown::Show:
                    w->setVisible(true);
                    break;
                case Shown::Hide:
                    w->setVisible(false);
                    break;
                case Shown::LineUp:
                    w->setVisible(doc_.flag(Flag::cbAddLineUp_Diplom));
                    break;
            }
        }
    }
}

void TMainForm::switchPage(Page page, int version) {
    version = clampVersion(version);
    pageVersion_[static_cast<size_t>(page)] = version;
    applyVariantRows(page, pageVariants(page), version);
    QWidget* panel = widgets_.panels[static_cast<size_t>(page)];
    // The blank's places; the designed ones are kept on the widget to come back to.
    // A component placed under any version is placed, or put back, on every switch.
    const std::span<const VariantPlace> here = variantPlaces(page, version);
    for (int v = 0; v < kVersionCount; ++v) {
        for (const VariantPlace& any : variantPlaces(page, v)) {
            QWidget* w = panel->findChild<QWidget*>(QString::fromUtf8(any.name));
            if (!w || w->property("placedAt").toInt() == version + 1) {
                continue;  // missing, or already done in this switch
            }
            w->setProperty("placedAt", version + 1);
            auto* label = qobject_cast<QLabel*>(w);
            if (!w->property("designedPlace").isValid()) {
                w->setProperty("designedPlace", w->geometry());
                if (label) {
                    w->setProperty("designedWrap", label->property("wrapWidth").toInt());
                }
            }
            const auto place = std::find_if(here.begin(), here.end(), [&](const VariantPlace& p) {
                return std::string_view(p.name) == any.name;
            });
            w->setGeometry(w->property("designedPlace").toRect());
            if (label) {
                const int wrap = w->property("designedWrap").toInt();
                label->setWordWrap(wrap > 0);
                label->setProperty("wrapWidth", wrap);
            }
            if (place != here.end()) {
                w->move(place->x, place->y);
                if (label && place->width > 0) {
                    label->setWordWrap(true);
                    label->setProperty("wrapWidth", place->width);
                } else if (!label && place->width > 0) {
                    w->resize(place->width, w->height());
                }
            }
            if (label) {
                fitLabel(label);
            }
        }
    }
    for (int v = 0; v < kVersionCount; ++v) {
        for (const VariantPlace& any : variantPlaces(page, v)) {
            if (QWidget* w = panel->findChild<QWidget*>(QString::fromUtf8(any.name))) {
                w->setProperty("placedAt", QVariant());
            }
        }
    }
    for (const VariantFont& vf : variantFonts(page)) {
        if (vf.version != version) {
            continue;
        }
        if (auto* l = panel->findChild<QLabel*>(QString::fromUtf8(vf.name))) {
            QFont font = QApplication::font(l);
            if (vf.pointSize > 0) {
                font.setPointSize(vf.pointSize);
            }
            font.setBold(vf.bold);
            font.setItalic(vf.italic);
            l->setFont(font);
            fitLabel(l);
        }
    }
    for (const VariantColumns& vc : variantColumns()) {
        auto* box = panel->findChild<QGroupBox*>(QString::fromUtf8(vc.name));
        if (!box) {
            continue;
        }
        const int columns = vc.columns[static_cast<size_t>(version)];
        const QList<QRadioButton*> buttons = box->findChildren<QRadioButton*>();
        const int perColumn = static_cast<int>((buttons.size() + columns - 1) / columns);
        const int width = (box->width() - 12) / columns;
        for (int i = 0; i < buttons.size(); ++i) {
            buttons[i]->setGeometry(8 + width * (i / perColumn), 20 + 22 * (i % perColumn),
                                    width - 4, 20);
        }
    }
}

void TMainForm::SwitchDiplomVersion(int version) {
    switchPage(Page::Diploma, version);
    diplomaSwitched_ = true;
    rgProfEduTypeClick();
}

// The diploma type: the academic type follows it, and it names the diploma's heading,
// its blank number and the heading of pages 2 and 3.
void TMainForm::rgProfEduTypeClick() {
    if (!diplomaSwitched_) {
        return;
    }
    SwitchAcademVersion_EduType();
    followProfEduType(doc_);
    const int version = pageVersion(Page::Diploma);
    const DiplomaTypeCaptions c = diplomaTypeCaptions(version, doc_.choice(Choice::rgProfEduType));
    auto setCaption = [this](Page page, const char* name, const char* text) {
        QWidget* panel = widgets_.panels[static_cast<size_t>(page)];
        if (auto* l = panel->findChild<QLabel*>(QString::fromUtf8(name))) {
            l->setText(QString::fromUtf8(text));
            fitLabel(l);
        }
    };
    setCaption(Page::Page2, "Label4", c.heading2);
    setCaption(Page::Diploma, "Label8", c.heading);
    setCaption(Page::Diploma, "lDiplomNum", c.blankNumber);
    if (version == 2) {
        setCaption(Page::Page3, "Label87", c.heading2);
        setCaption(Page::Page3, "Label94", c.heading);
    }
}

void TMainForm::SwitchVellexVersion(int version) {
    switchPage(Page::SupplementSpo, version);
    if (clampVersion(version) == 2) {
        doc_.setChoice(Choice::rgSchool, 1);
        doc_.setChoice(Choice::rgQualify, 1);
        refreshChoices();
    }
}

void TMainForm::SwitchVellexVersionNPO(int version) {
    switchPage(Page::SupplementNpo, version);
    if (clampVersion(version) == 2) {
        doc_.setChoice(Choice::rgSchoolNPO, 1);
        doc_.setChoice(Choice::rgQualifyNPO, 1);
        refreshChoices();
    }
}

void TMainForm::SwitchVellexVersionPage2(int version) {
    switchPage(Page::Page2, version);
    placeSignatureBlock(Page::Page2);
}

void TMainForm::SwitchVellexVersionPage3(int version) {
    switchPage(Page::Page3, version);
    placeSignatureBlock(Page::Page3);
}

// Under version 2 the signature block stands below the table's clear buttons and the
// print button below it; the page grows to hold them.
void TMainForm::placeSignatureBlock(Page page) {
    if (pageVersion(page) != 2) {
        return;
    }
    const bool page2 = page == Page::Page2;
    const Table t = page2 ? Table::Disciplines : Table::Disciplines8;
    QWidget* panel = widgets_.panels[static_cast<size_t>(page)];
    const int top = widgets_.clearButtons[static_cast<size_t>(t)][0]->geometry().bottom() + 12;
    for (const SignatureSlot& slot : signatureSlots()) {
        auto* w =
            panel->findChild<QWidget*>(QString::fromUtf8(page2 ? slot.page2Name : slot.page3Name));
        if (!w) {
            continue;
        }
        w->move(8 + slot.dx, top + slot.dy);
        if (slot.width > 0) {
            w->resize(slot.width, w->height());
        }
    }
    auto* print = panel->findChild<QPushButton*>(page2 ? QStringLiteral("bbPrintSheet2")
                                                       : QStringLiteral("bbPrintSheet8"));
    if (print) {
        print->move(print->x(), top + kSignatureBlockHeight);
        panel->setFixedHeight(print->geometry().bottom() + 12);
    }
}

void TMainForm::SwitchAcademVersion(int version) {
    switchPage(Page::Academic, version);
    SwitchAcademVersion_EduType();
}

// Under version 2 the academic page names the education its type group shows.
void TMainForm::SwitchAcademVersion_EduType() {
    if (pageVersion(Page::Academic) != 2) {
        return;
    }
    applyVariantRows(Page::Academic, academicTypeRows(doc_.choice(Choice::rgProfEduType)), 2);
}

void TMainForm::SwitchCertificateVersion(int version) {
    switchPage(Page::Certificate, version);
}

void TMainForm::SwitchCertAppendVersion(int version) {
    switchPage(Page::CertSupplement, version);
}

}  // namespace vellex

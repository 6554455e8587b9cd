// The main window's menu, toolbar and page buttons, and the commands that are neither
// printing, the lists nor the settings: leaving, "О программе", the converter and the
// copy commands.
#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QToolButton>

#include "gui/about_dialog.h"
#include "gui/main_form.h"
#include "gui/main_form_internal.h"
#include "gui/message_form.h"

namespace vellex {
using namespace main_form_detail;
namespace {

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
// window's width (placeToolbar); `left` < 0 means "right after the button before".
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

}  // namespace

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

// ---------------------------------------------------------------- commands

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

// The print buttons 2, 4, 6 and 7 share what the window has beyond its smallest width,
// and their captions lengthen with it; "О программе" and "Выход" keep to the right edge.
void TMainForm::placeToolbar(int w) {
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

void TMainForm::connectPageButtons(QWidget* panel) {
    for (const PageButton& pb : kPageButtons) {
        if (auto* b = panel->findChild<QPushButton*>(utf8(pb.name))) {
            connect(b, &QPushButton::clicked, this, pb.handler);
        }
    }
}

}  // namespace vellex

#include "gui/settings_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <span>
#include <string_view>
#include <vector>

#include "gui/message_form.h"
#include "model/settings_dialog_logic.h"

namespace vellex {
namespace {

QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString labelName(std::string_view field) {
    return QStringLiteral("lb_") + qs(field);
}

// A number field whose emptied or unreadable text gets its last value back when editing
// ends.
class SettingsSpinBox final : public QSpinBox {
  public:
    SettingsSpinBox(const SpinField& f, QWidget* parent) : QSpinBox(parent), range_(f.range) {
        setObjectName(qs(f.name));
        setRange(f.range.min, f.range.max);
        setSingleStep(f.range.step);
    }
    void fixup(QString& input) const override {
        input = QString::number(readSpinText(input.toStdString(), range_, value()));
    }

  private:
    SpinRange range_;
};

// The number fields tab by tab: groups of labelled fields. Labels that follow the version
// start with their caption for versions 0 and 1 and are set again by the look.
struct FieldRow {
    std::string_view field;
    std::string_view label;
    std::string_view after = "";  // text right of the field
    std::string_view hint = "";
};
struct FieldGroup {
    std::string_view name;
    std::string_view title;
    std::vector<FieldRow> rows;
};
struct SettingsTabLayout {
    SettingsTab tab;
    std::vector<FieldGroup> left;
    std::vector<FieldGroup> right;
};

const std::vector<SettingsTabLayout>& tabLayouts() {
    static const std::vector<SettingsTabLayout> layouts = {
        {SettingsTab::Diploma,
         {{"gbDiplomShift",
           " Сдвиг всей страницы Диплома ",
           {{"UpDownSetDiplomDeltaX", "По горизонтали:"},
            {"UpDownSetDiplomDeltaY", "По вертикали:"}}},
          {"gbDiplomMid",
           " Сдвиги по вертикали для страницы Диплома ",
           {{"seMidDeltaYDiplom1", "Дата и имя студента:"},
            {"seMidDeltaYDiplom2", "Квалификация:"},
            {"seMidDeltaYDiplom3", "Специальность:"},
            {"seMidDeltaYDiplom4", "Регистрационный номер:"},
            {"seMidDeltaYDiplom5", "Дата выдачи:"}}}},
         {{"gbDiplomFonts",
           " Размеры шрифтов ",
           {{"sedFontSizeDiplomTown", "Город:"},
            {"sedFontSizeDiplomSchool", "Учебное заведение:"},
            {"sedFontSizeDiplomQualify", "Квалификация:"},
            {"sedFontSizeDiplomSpecialicy", "Специальность:"},
            {"sedFontSizeDiplomRukPred", "Председатель и руководитель:"}}}}},
        {SettingsTab::SupplementSpo,
         {{"gbSpoRightFonts",
           " для 1 страницы (правая часть) ",
           {{"sedFontSizeApp1Town", "Город:"},
            {"sedFontSizeApp1School", "Учебное заведение:"},
            {"sedFontSizeApp1Qualify", "Квалификация:"},
            {"sedFontSizeApp1SpecRight", "Специальность:"}}},
          {"gbMaxSymbols",
           " Перенос строк ",
           {{"seMaxSymbols", "Максимально количество символов в строке:"}}}},
         {{kGroupSpoLeftFonts,
           " для 1 страницы (левая часть) ",
           {{"sedFontSizeApp1CourseWork", "Курсовые работы:"},
            {"sedFontSizeApp1Praktic", "Практика:"},
            {"sedFontSizeApp1NameDiplPrj", "Выпускная квалификационная работа:"},
            {"sedFontSizeApp1ExamMore", "Итоговые экзамены:"}}}}},
        {SettingsTab::SupplementNpo,
         {{"gbNpoRightFonts",
           " для 1 страницы (правая часть) ",
           {{"sedFontSizeApp5Town", "Город:"},
            {"sedFontSizeApp5School", "Учебное заведение:"},
            {"sedFontSizeApp5Qualify", "Квалификация:"},
            {"sedFontSizeApp5SpecRight", "Профессия:"}}},
          {"gbMaxSymbolsDbl",
           " Перенос строк ",
           {{"seMaxSymbolsDbl", "Максимально количество символов в строке:"}}}},
         {{kGroupNpoLeftFonts,
           " для 1 страницы (левая часть) ",
           {{"sedFontSizeApp5ExamMore", "Экзамены:"},
            {"sedFontSizeApp5Praktic", "Практика"},
            {"sedFontSizeApp5NameDiplPrj", "Практич.квалиф.работа"},
            {"sedFontSizeApp5Examen", "Писмен. экзам. работа"}}}}},
        {SettingsTab::SupplementShifts,
         {{"gbShift1",
           " Сдвиг всей 1-ой страницы Приложения ",
           {{"UpDownSetDeltaX1", "По горизонтали:"}, {"UpDownSetDeltaY1", "По вертикали:"}}},
          {kGroupRightApp,
           " Сдвиг всей правой части 1-ой страницы Приложения ",
           {{"sedDeltaXRightApp", "По горизонтали:"},
            {"sedDeltaYRightApp", "По вертикали:"},
            {"sedDeltaLine1", "_deltaLine"},
            {"sedDeltaLine2", "_deltaH2"}}}},
         {{"gbMidApp1",
           " Сдвиги по вертикали для 1 страницы Приложения ",
           {{"seMidDeltaYLeft1App1", "Со строки 'Поступил(а)':"},
            {"seMidDeltaYLeft2App1", "Со строки 'Специализация':"},
            {"seMidDeltaYLeft3App1", "Со строки 'Производственная практика':"},
            {"seMidDeltaYLeft4App1", "Со стоки 'выпускная квалификационная работа':"},
            {"seMidDeltaYLeft5App1", "Со строки 'Итоговый экзамен по отд. дисцип-ам':"},
            {"seMidDeltaYRight1App1", "Со строки 'Решение гос. аттестац. комиссии':"},
            {"seMidDeltaYRight2App1", "Со строки 'Присваивается квалификация':"}}}}},
        {SettingsTab::Page2,
         {{"gbShift2",
           " Смещение страницы ",
           {{"UpDownSetDeltaX2", "По горизонтали:"}, {"UpDownSetDeltaY2", "По вертикали:"}}},
          {"gbColumns2",
           " Смещение колонок ",
           {{"UpDownSetDeltaXCol2", "2 колонка"},
            {"UpDownSetDeltaXCol3", "3 колонка"},
            {"seDeltaYsign2", "Сдвиг подписи:"}}},
          {"gbFonts2",
           " Размеры шрифтов ",
           {{"sedFontSizeCol12", "предметы:"}, {"sedFontSizeCol3", "3-я колонка:"}}}},
         {{"gbRows2",
           " Поля строк ",
           {{"seColsHeight", "Высота поля:", "", "Высота поля надписи"},
            {"seColsDeltaH", "Шаг строк:", "", "Расстояние между осями полей"}}},
          {kGroupDoubleRows,
           " Подстройки для 58 сдвоенных строк ",
           {{"sedDoubleStrDeltaY1", "Смещение строк 1"},
            {"sedDoubleStrForEach1", "каждые", "строк(и)"},
            {"sedDoubleStrDeltaY2", "Смещение строк 2"},
            {"sedDoubleStrForEach2", "каждые", "строк(и)"}}}}},
        {SettingsTab::Academic,
         {{"gbShift4",
           " Сдвиг всей страницы ",
           {{"UpDownSetDeltaX4", "По горизонтали:"}, {"UpDownSetDeltaY4", "По вертикали:"}}},
          {kGroupAcademColumns,
           " Смещение колонок ",
           {{"UpDownSetDeltaXCol42", "2 колонка"}, {"UpDownSetDeltaXCol43", "3 колонка"}}}},
         {{"gbRight4",
           " Правая часть ",
           {{"sedDeltaXRightAcademApp4", "Сдвиг правой части по горизонтали:"},
            {"sedDeltaYRightAcademApp4", "Сдвиг правой части по вертикали:"},
            {"sedFontSizeCol3Academ", "Шрифт колонки оценок:"}}},
          {"gbFonts4",
           " Размеры шрифтов ",
           {{"sedFontSizeApp4Town", "Город:"},
            {"sedFontSizeApp4School", "Учебное заведение:"},
            {"sedFontSizeApp4Reason", "Причина отчисления:"}}}}},
        {SettingsTab::Certificate,
         {{"gbShift6",
           " Сдвиг всей страницы ",
           {{"UpDownSetCertificateDeltaX", "По горизонтали:"},
            {"UpDownSetCertificateDeltaY", "По вертикали:"}}},
          {"gbFonts6",
           " Размеры шрифтов ",
           {{"sedFontSizeCertificateTown", "Город:"},
            {"sedFontSizeCertificateSchool", "Учебное заведение:"},
            {"sedFontSizeCertificateQualify", "Квалификация:"}}}},
         {{"gbMid6",
           " Сдвиги по вертикали ",
           {{"seMidDeltaYCert1", "Со строки с датой:"},
            {"seMidDeltaYCert2", "Со строки 'Присваивается квалификация':"},
            {"seMidDeltaYCert3", "Со строки с регистрационным номером:"},
            {"seMidDeltaYCert4", "Со строки с датой выдачи:"}}}}},
        {SettingsTab::CertSupplement,
         {{"gbShift7",
           " Сдвиг всей страницы ",
           {{"UpDownSetDeltaX7", "По горизонтали:"}, {"UpDownSetDeltaY7", "По вертикали:"}}},
          {"gbColumns7",
           " Смещение колонок ",
           {{"UpDownSetDeltaXCol72", "2 колонка"}, {"UpDownSetDeltaXCol73", "3 колонка"}}}},
         {{"gbRight7",
           " Правая часть ",
           {{"sedDeltaXRightCertApp7", "Сдвиг правой части по горизонтали:"},
            {"sedDeltaYRightCertApp7", "Сдвиг правой части по вертикали:"},
            {"sedFontSizeCol3Cert", "Шрифт колонки оценок:"}}},
          {"gbFonts7",
           " Размеры шрифтов ",
           {{"sedFontSizeApp7Town", "Город:"},
            {"sedFontSizeApp7School", "Учебное заведение:"},
            {"sedFontSizeApp7Qualify", "Квалификация:"}}}}},
    };
    return layouts;
}

struct CheckCaption {
    std::string_view name;
    std::string_view caption;
};
const CheckCaption kCentreAll[] = {
    {"cbTown", "Город"},
    {"cbSchool", "Учебное заведение"},
    {"cbStudent", "Имя студента"},
    {"cbBirthDay", "День рождения"},
    {"cbAudTime", "Аудиторные часы"},
    {"cbAdjustLinesRight", "Правая сторона приложений"},
};
const CheckCaption kCentreSome[] = {
    {"cbAdjustLinesApp1", "Приложение к Диплому (СПО)"},
    {"cbAdjustLinesApp5", "Приложение к Диплому (НПО)"},
    {"cbAdjustLinesApp4", "Академическая справка"},
    {"cbAdjustLinesApp7", "Приложение к Свидетельству"},
};

constexpr std::string_view kVersionItems[] = {"1997 - 2006", "2007 / 2008", "2010 / 2011"};
constexpr std::string_view kRowModeItems[] = {"54 строки (весь лист)", "62 строки (весь лист)",
                                              "58 строк (сдвоенные)", "54 строки (2010)",
                                              "94 строки"};
constexpr std::string_view kSaveStyleItems[] = {"Колонками", "Строками"};

// A titled group of radio buttons named <group>_<item>.
template <std::size_t N>
QGroupBox* radioGroup(QWidget* parent, std::string_view name, std::string_view title,
                      const std::string_view (&items)[N], QButtonGroup*& buttons) {
    auto* box = new QGroupBox(qs(title), parent);
    box->setObjectName(qs(name));
    auto* layout = new QVBoxLayout(box);
    buttons = new QButtonGroup(box);
    for (std::size_t i = 0; i < N; ++i) {
        auto* b = new QRadioButton(qs(items[i]), box);
        b->setObjectName(qs(name) + QLatin1Char('_') + QString::number(i));
        buttons->addButton(b, static_cast<int>(i));
        layout->addWidget(b);
    }
    return box;
}

void checkButton(QButtonGroup* group, int id) {
    if (QAbstractButton* b = group->button(id)) {
        const QSignalBlocker block(group);
        b->setChecked(true);
    }
}

}  // namespace

TSettings::TSettings(Settings& settings, int startTab, QWidget* parent)
    : QDialog(parent), settings_(settings), startTab_(startTab) {
    setObjectName(QStringLiteral("Settings"));
    setWindowTitle(QStringLiteral("Настройки"));
    setModal(true);
    // No close box and no system menu: OK is the way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* heading = new QLabel(QStringLiteral("Значения подстроек"), this);
    heading->setObjectName(QStringLiteral("lbHeading"));
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    layout->addWidget(heading);

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl"));
    layout->addWidget(tabs_);
    buildTabs();

    auto* bottom = new QHBoxLayout;
    auto* posTab = new QCheckBox(QStringLiteral("Позиция"), this);
    posTab->setObjectName(QStringLiteral("cbPosTab"));
    posTab->setToolTip(QStringLiteral("Открывать настройки на вкладке текущей страницы"));
    bottom->addWidget(posTab);
    bottom->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtnOK"));
    ok->setDefault(true);
    bottom->addWidget(ok);
    layout->addLayout(bottom);
    connect(ok, &QPushButton::clicked, this, &TSettings::BitBtnOKClick);

    for (std::string_view name : settingsCheckBoxes()) {
        auto* box = findChild<QCheckBox*>(qs(name));
        Q_ASSERT(box);
        connect(box, &QCheckBox::toggled, this, [this, name](bool on) {
            if (logic_)
                logic_->setCheck(name, on);
        });
    }
}

TSettings::~TSettings() = default;

void TSettings::buildTabs() {
    tabs_->addTab(buildGeneralTab(), qs(settingsTabCaption(SettingsTab::General)));
    for (const SettingsTabLayout& t : tabLayouts()) {
        auto* page = new QWidget(tabs_);
        auto* columns = new QHBoxLayout(page);
        for (const std::vector<FieldGroup>* side : {&t.left, &t.right}) {
            auto* column = new QVBoxLayout;
            for (const FieldGroup& g : *side) {
                auto* box = new QGroupBox(qs(g.title), page);
                box->setObjectName(qs(g.name));
                auto* grid = new QGridLayout(box);
                int row = 0;
                for (const FieldRow& r : g.rows) {
                    const SpinField* f = findSpinField(r.field);
                    Q_ASSERT(f);
                    auto* label = new QLabel(qs(r.label), box);
                    label->setObjectName(labelName(r.field));
                    auto* spin = new SettingsSpinBox(*f, box);
                    label->setBuddy(spin);
                    if (!r.hint.empty())
                        spin->setToolTip(qs(r.hint));
                    if (f->binding == SpinBinding::ShownOnly) {
                        // It is shown for reference and stores nothing: typing there
                        // would look like a setting that is then silently dropped.
                        spin->setReadOnly(true);
                        spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
                    }
                    grid->addWidget(label, row, 0);
                    grid->addWidget(spin, row, 1);
                    if (!r.after.empty())
                        grid->addWidget(new QLabel(qs(r.after), box), row, 2);
                    connect(spin, qOverload<int>(&QSpinBox::valueChanged), this,
                            [this, name = f->name](int v) { spinEdited(qs(name), v); });
                    ++row;
                }
                column->addWidget(box);
            }
            if (&t.left == side && t.tab == SettingsTab::Page2) {
                column->addWidget(radioGroup(page, "SetRGoxApp", " Количество строк ",
                                             kRowModeItems, SetRGoxApp_));
            }
            if (&t.right == side && t.tab == SettingsTab::Page2) {
                column->addWidget(radioGroup(page, "rgSaveStyle",
                                             "Способ сохранения строк предметов с часами и "
                                             "оценками",
                                             kSaveStyleItems, rgSaveStyle_));
            }
            column->addStretch();
            columns->addLayout(column);
        }
        tabs_->addTab(page, qs(settingsTabCaption(t.tab)));
    }
    connect(SetRGoxApp_, &QButtonGroup::idClicked, this, &TSettings::SetRGoxAppClick);
    connect(rgSaveStyle_, &QButtonGroup::idClicked, this, [this](int id) {
        if (logic_)
            logic_->setSaveStyle(id);
    });
}

QWidget* TSettings::buildGeneralTab() {
    auto* page = new QWidget(tabs_);
    auto* columns = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(radioGroup(page, "rgVellexVersion", " Версия Диплома и Приложения к Диплому ",
                               kVersionItems, rgVellexVersion_));
    connect(rgVellexVersion_, &QButtonGroup::idClicked, this, &TSettings::rgVellexVersionClick);
    for (auto [name, caption] :
         {std::pair<std::string_view, std::string_view>{
              "cbFontYcorr", "Корректировать позицию при уменьшении шрифта"},
          {"cbEachSaveSet", "Сохранять настройки для каждого файла (Студента)"}}) {
        auto* box = new QCheckBox(qs(caption), page);
        box->setObjectName(qs(name));
        left->addWidget(box);
    }
    left->addStretch();
    columns->addLayout(left);

    auto* right = new QVBoxLayout;
    const std::pair<std::string_view, std::span<const CheckCaption>> groups[] = {
        {" Центрировать следующие строки на всех страницах ", kCentreAll},
        {" Центрировать некоторые строки на страницах: ", kCentreSome},
    };
    for (const auto& [title, boxes] : groups) {
        auto* group = new QGroupBox(qs(title), page);
        auto* inner = new QVBoxLayout(group);
        for (const CheckCaption& c : boxes) {
            auto* box = new QCheckBox(qs(c.caption), group);
            box->setObjectName(qs(c.name));
            inner->addWidget(box);
        }
        right->addWidget(group);
    }
    right->addStretch();
    columns->addLayout(right);
    return page;
}

void TSettings::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    // The controls are loaded once: coming back from the notice box must not undo the
    // version's presets.
    if (!activated_) {
        activated_ = true;
        FormActivate();
    }
}

void TSettings::FormActivate() {
    tabs_->setCurrentIndex(
        static_cast<int>(settingsOpeningTab(startTab_, settings_.modePositionTab)));
    suspended_ = true;
    logic_ = std::make_unique<SettingsDialogLogic>(settings_);
    showValues();
    showLook();
    suspended_ = false;
}

void TSettings::showValues() {
    for (const SpinField& f : settingsSpinFields()) {
        auto* spin = findChild<QSpinBox*>(qs(f.name));
        const QSignalBlocker block(spin);
        spin->setValue(logic_->spin(f.name));
    }
    for (std::string_view name : settingsCheckBoxes()) {
        auto* box = findChild<QCheckBox*>(qs(name));
        const QSignalBlocker block(box);
        box->setChecked(logic_->check(name));
    }
    checkButton(rgVellexVersion_, logic_->version());
    checkButton(SetRGoxApp_, logic_->rowMode());
    checkButton(rgSaveStyle_, logic_->saveStyle());
}

void TSettings::showLook() {
    const SettingsDialogLook look = logic_->look();
    // A field's label follows the field.
    const auto widgets = [this](std::string_view name) {
        std::vector<QWidget*> w;
        if (auto* group = findChild<QGroupBox*>(qs(name))) {
            w.push_back(group);
        } else {
            w.push_back(findChild<QSpinBox*>(qs(name)));
            w.push_back(findChild<QLabel*>(labelName(name)));
        }
        return w;
    };
    for (const auto& [name, caption] : look.captions) {
        if (auto* group = findChild<QGroupBox*>(qs(name)))
            group->setTitle(qs(caption));
        else if (auto* label = findChild<QLabel*>(labelName(name)))
            label->setText(qs(caption));
    }
    for (const auto& [name, on] : look.enabled) {
        for (QWidget* w : widgets(name))
            w->setEnabled(on);
    }
    for (const auto& [name, on] : look.visible) {
        for (QWidget* w : widgets(name))
            w->setVisible(on);
    }
}

void TSettings::spinEdited(const QString& name, int value) {
    if (!logic_)
        return;
    const std::string key = name.toStdString();
    logic_->setSpin(key, value);
    if (const SpinField* f = findSpinField(key); f && !f->twin.empty()) {
        auto* twin = findChild<QSpinBox*>(qs(f->twin));
        const QSignalBlocker block(twin);
        twin->setValue(logic_->spin(f->twin));
    }
}

void TSettings::SetRGoxAppClick(int mode) {
    if (!logic_)
        return;
    logic_->clickRowMode(mode);
    showValues();
    showLook();
}

void TSettings::rgVellexVersionClick(int version) {
    if (suspended_ || !logic_)
        return;
    // The version takes effect in the program at once, before OK.
    settings_.VellexVersion = version;
    const std::string_view notice = logic_->clickVersion(version);
    showValues();
    showLook();
    if (!notice.empty()) {
        // The notice keeps Windows line ends in the core; a Qt label breaks lines at "\n".
        QString text = qs(notice);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        MessageForm::inform(this, MessageForm::Kind::Information, QStringLiteral("Vellex"), text);
    }
}

void TSettings::BitBtnOKClick() {
    if (!logic_)
        FormActivate();
    // A field left with text that is not a number keeps the value it had.
    for (const SpinField& f : settingsSpinFields()) {
        const QString text = findChild<QSpinBox*>(qs(f.name))->cleanText();
        bool number = false;
        text.trimmed().toInt(&number);
        if (!number)
            logic_->setSpinText(f.name, text.toStdString());
    }
    logic_->store(settings_);
    closing_ = true;
    accept();
}

void TSettings::reject() {
    // Escape does not close: the values are taken over only by OK.
}

void TSettings::closeEvent(QCloseEvent* e) {
    if (closing_)
        e->accept();
    else
        e->ignore();
}

SettingsDialogResult runSettingsDialog(QWidget* parent, Settings& settings, int startTab) {
    const int rowMode = settings.mode_N_Discipl;
    const int version = settings.VellexVersion;
    TSettings dialog(settings, startTab, parent);
    dialog.exec();
    return {settings.mode_N_Discipl != rowMode, settings.VellexVersion != version};
}

std::string_view rowModeCaption(int mode) {
    // Modes past the list (5) are the 94-row mode under another number.
    return kRowModeItems[static_cast<std::size_t>(std::clamp(mode, 0, 4))];
}

}  // namespace vellex

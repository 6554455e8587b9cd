#include "model/settings_dialog_logic.h"

#include <algorithm>
#include <charconv>

namespace vellex {
namespace {

using B = SpinBinding;
using S = Settings;

constexpr SpinRange kShift = kShiftRange;
constexpr SpinRange kFont = kFontRange;

// Field, range, binding, setting, twin.
const SpinField kSpinFields[] = {
    // "Диплом"
    {"UpDownSetDiplomDeltaX", kShift, B::Stored, &S::DiplomDeltaX, ""},
    {"UpDownSetDiplomDeltaY", kShift, B::Stored, &S::DiplomDeltaY, ""},
    {"seMidDeltaYDiplom1", kShift, B::Stored, &S::midDeltaYDiplom1, ""},
    {"seMidDeltaYDiplom2", kShift, B::Stored, &S::midDeltaYDiplom2, ""},
    {"seMidDeltaYDiplom3", kShift, B::Stored, &S::midDeltaYDiplom3, ""},
    {"seMidDeltaYDiplom4", kShift, B::Stored, &S::midDeltaYDiplom4, ""},
    {"seMidDeltaYDiplom5", kShift, B::Stored, &S::midDeltaYDiplom5, ""},
    {"sedFontSizeDiplomTown", kShift, B::Stored, &S::FontSizeDiplomTown, ""},
    {"sedFontSizeDiplomSchool", kShift, B::Stored, &S::FontSizeDiplomSchool, ""},
    {"sedFontSizeDiplomRukPred", kShift, B::Stored, &S::FontSizeDiplomRukPred, ""},
    {"sedFontSizeDiplomQualify", kFont, B::Stored, &S::FontSizeDiplomQualify, ""},
    {"sedFontSizeDiplomSpecialicy", kFont, B::Stored, &S::FontSizeDiplomSpecialicy, ""},
    // "Приложение СПО"
    {"sedFontSizeApp1Town", kFont, B::Stored, &S::FontSizeAppTown, "sedFontSizeApp5Town"},
    {"sedFontSizeApp1School", kFont, B::Stored, &S::FontSizeAppSchool, "sedFontSizeApp5School"},
    {"sedFontSizeApp1Qualify", kFont, B::Stored, &S::FontSizeAppQualify, ""},
    {"sedFontSizeApp1SpecRight", kFont, B::Stored, &S::FontSizeAppSpecRight, ""},
    {"sedFontSizeApp1CourseWork", kFont, B::Stored, &S::FontSizeAppCourseWork, ""},
    {"sedFontSizeApp1Praktic", kFont, B::Stored, &S::FontSizeAppPraktic, ""},
    {"sedFontSizeApp1NameDiplPrj", kFont, B::Stored, &S::FontSizeAppNameDiplPrj, ""},
    {"sedFontSizeApp1ExamMore", kFont, B::Stored, &S::FontSizeAppExamMore, ""},
    {"seMaxSymbols", kShift, B::ShownOnly, &S::MaxSymbols, "seMaxSymbolsDbl"},
    // "Приложение НПО"
    {"sedFontSizeApp5Town", kFont, B::Stored, &S::FontSizeAppTown, "sedFontSizeApp1Town"},
    {"sedFontSizeApp5School", kFont, B::Stored, &S::FontSizeAppSchool, "sedFontSizeApp1School"},
    {"sedFontSizeApp5Qualify", kFont, B::Stored, &S::FontSizeApp5Qualify, ""},
    {"sedFontSizeApp5SpecRight", kFont, B::Stored, &S::FontSizeApp5SpecRight, ""},
    {"sedFontSizeApp5ExamMore", kFont, B::Stored, &S::FontSizeApp5ExamMore, ""},
    {"sedFontSizeApp5Praktic", kFont, B::Stored, &S::FontSizeApp5Praktic, ""},
    {"sedFontSizeApp5NameDiplPrj", kFont, B::Stored, &S::FontSizeApp5NameDiplPrj, ""},
    {"sedFontSizeApp5Examen", kFont, B::Stored, &S::FontSizeApp5Examen, ""},
    {"seMaxSymbolsDbl", kShift, B::ShownOnly, &S::MaxSymbols, "seMaxSymbols"},
    // "Сдвиги Приложения"
    {"UpDownSetDeltaX1", kShift, B::Stored, &S::DeltaX1, ""},
    {"UpDownSetDeltaY1", kShift, B::Stored, &S::DeltaY1, ""},
    {"sedDeltaXRightApp", kShift, B::RightPart, nullptr, ""},
    {"sedDeltaYRightApp", kShift, B::RightPart, nullptr, ""},
    {"sedDeltaLine1", kShift, B::Stored, &S::_deltaLine, ""},
    {"sedDeltaLine2", kShift, B::Stored, &S::_deltaH2, ""},
    {"seMidDeltaYLeft1App1", kShift, B::Stored, &S::midDeltaYLeft1App1, ""},
    {"seMidDeltaYLeft2App1", kShift, B::Stored, &S::midDeltaYLeft2App1, ""},
    {"seMidDeltaYLeft3App1", kShift, B::Stored, &S::midDeltaYLeft3App1, ""},
    {"seMidDeltaYLeft4App1", kShift, B::Stored, &S::midDeltaYLeft4App1, ""},
    {"seMidDeltaYLeft5App1", kShift, B::Stored, &S::midDeltaYLeft5App1, ""},
    {"seMidDeltaYRight1App1", kShift, B::Stored, &S::midDeltaYRight1App1, ""},
    {"seMidDeltaYRight2App1", kShift, B::Stored, &S::midDeltaYRight2App1, ""},
    // "2 Страница"
    {"UpDownSetDeltaX2", kShift, B::Stored, &S::DeltaX2, ""},
    {"UpDownSetDeltaY2", kShift, B::Stored, &S::DeltaY2, ""},
    {"UpDownSetDeltaXCol2", kShift, B::Stored, &S::DeltaXColumn2, ""},
    {"UpDownSetDeltaXCol3", kShift, B::Stored, &S::DeltaXColumn3, ""},
    {"seDeltaYsign2", kShift, B::Stored, &S::DeltaYsign2, ""},
    {"sedFontSizeCol12", kShift, B::Stored, &S::FontSizeColumn12, ""},
    {"sedFontSizeCol3", kShift, B::Stored, &S::FontSizeColumn3, ""},
    {"seColsHeight", kShift, B::Stored, &S::ColsHeight, ""},
    {"seColsDeltaH", kShift, B::Stored, &S::ColsDeltaH, ""},
    {"sedDoubleStrDeltaY1", kDoubleShiftRange, B::Stored, &S::DoubleStrDeltaY1, ""},
    {"sedDoubleStrForEach1", kDoubleEveryRange, B::Stored, &S::DoubleStrForEach1, ""},
    {"sedDoubleStrDeltaY2", kDoubleShiftRange, B::Stored, &S::DoubleStrDeltaY2, ""},
    {"sedDoubleStrForEach2", kDoubleEveryRange, B::Stored, &S::DoubleStrForEach2, ""},
    // "Академ Справка"
    {"UpDownSetDeltaX4", kShift, B::Stored, &S::DeltaX4, ""},
    {"UpDownSetDeltaY4", kShift, B::Stored, &S::DeltaY4, ""},
    {"UpDownSetDeltaXCol42", kShift, B::Stored, &S::DeltaXColumn42, ""},
    {"UpDownSetDeltaXCol43", kShift, B::Stored, &S::DeltaXColumn43, ""},
    {"sedDeltaXRightAcademApp4", kShift, B::Stored, &S::DeltaXRightAcademApp, ""},
    {"sedDeltaYRightAcademApp4", kShift, B::Stored, &S::DeltaYRightAcademApp, ""},
    {"sedFontSizeCol3Academ", kShift, B::Stored, &S::FontSizeColumn3Academ, ""},
    {"sedFontSizeApp4Town", kFont, B::Stored, &S::FontSizeAppTown4, ""},
    {"sedFontSizeApp4School", kFont, B::Stored, &S::FontSizeAppSchool4, ""},
    {"sedFontSizeApp4Reason", kFont, B::Stored, &S::FontSizeApp4Reason, ""},
    // "Свидетельсво"
    {"UpDownSetCertificateDeltaX", kShift, B::Stored, &S::CertificateDeltaX, ""},
    {"UpDownSetCertificateDeltaY", kShift, B::Stored, &S::CertificateDeltaY, ""},
    {"sedFontSizeCertificateTown", kShift, B::Stored, &S::FontSizeCertificateTown, ""},
    {"sedFontSizeCertificateSchool", kShift, B::Stored, &S::FontSizeCertificateSchool, ""},
    {"sedFontSizeCertificateQualify", kFont, B::Stored, &S::FontSizeCertificateQualify, ""},
    {"seMidDeltaYCert1", kShift, B::Stored, &S::midDeltaYCert1, ""},
    {"seMidDeltaYCert2", kShift, B::Stored, &S::midDeltaYCert2, ""},
    {"seMidDeltaYCert3", kShift, B::Stored, &S::midDeltaYCert3, ""},
    {"seMidDeltaYCert4", kShift, B::Stored, &S::midDeltaYCert4, ""},
    // "Приложение к Свидетельству"
    {"UpDownSetDeltaX7", kShift, B::Stored, &S::DeltaX7, ""},
    {"UpDownSetDeltaY7", kShift, B::Stored, &S::DeltaY7, ""},
    {"UpDownSetDeltaXCol72", kShift, B::Stored, &S::DeltaXColumn72, ""},
    {"UpDownSetDeltaXCol73", kShift, B::Stored, &S::DeltaXColumn73, ""},
    {"sedDeltaXRightCertApp7", kShift, B::Stored, &S::DeltaXRightCertApp, ""},
    {"sedDeltaYRightCertApp7", kShift, B::Stored, &S::DeltaYRightCertApp, ""},
    {"sedFontSizeCol3Cert", kShift, B::Stored, &S::FontSizeColumn3Cert, ""},
    {"sedFontSizeApp7Town", kFont, B::Stored, &S::FontSizeApp7Town, ""},
    {"sedFontSizeApp7School", kFont, B::Stored, &S::FontSizeApp7School, ""},
    {"sedFontSizeApp7Qualify", kFont, B::Stored, &S::FontSizeApp7Qualify, ""},
};

// Check boxes and the settings they stand for. An "Adjust" box is ticked for a centred
// code; the right-part box stands for the four right parts at once.
struct CheckField {
    std::string_view name;
    int Settings::*align;  // an alignment code, or nullptr
    bool Settings::*flag;  // a boolean, or nullptr
};
const CheckField kCheckFields[] = {
    {"cbPosTab", nullptr, &S::modePositionTab},
    {"cbFontYcorr", nullptr, &S::FontYcorr},
    {"cbEachSaveSet", nullptr, &S::EachSaveSet},
    {"cbTown", &S::AdjustTown, nullptr},
    {"cbSchool", &S::AdjustSchool, nullptr},
    {"cbStudent", &S::AdjustStudent, nullptr},
    {"cbBirthDay", &S::AdjustBirthDay, nullptr},
    {"cbAudTime", &S::AdjustAudTime, nullptr},
    {"cbAdjustLinesRight", &S::AdjustLinesAppRight1, nullptr},
    {"cbAdjustLinesApp1", &S::AdjustLinesApp1, nullptr},
    {"cbAdjustLinesApp5", &S::AdjustLinesApp5, nullptr},
    {"cbAdjustLinesApp4", &S::AdjustLinesApp4, nullptr},
    {"cbAdjustLinesApp7", &S::AdjustLinesApp7, nullptr},
};

constexpr auto checkNames() {
    std::array<std::string_view, std::size(kCheckFields)> names{};
    for (std::size_t i = 0; i < names.size(); ++i)
        names[i] = kCheckFields[i].name;
    return names;
}
const auto kCheckNames = checkNames();

constexpr std::string_view kTabCaptions[kSettingsTabCount] = {
    "Общие",
    "Диплом",
    "Приложение СПО",
    "Приложение НПО",
    "Сдвиги Приложения",
    "2 Страница",
    "Академ Справка",
    "Свидетельсво",
    "Приложение к Свидетельству",
};

// Start tab number → tab.
constexpr SettingsTab kStartTabs[] = {
    SettingsTab::Diploma,        SettingsTab::SupplementSpo, SettingsTab::SupplementNpo,
    SettingsTab::Page2,          SettingsTab::Academic,      SettingsTab::Certificate,
    SettingsTab::CertSupplement,
};

// Main-window page → the toolbar's start tab number.
struct PageStart {
    Page page;
    int startTab;
};
constexpr PageStart kPageStarts[] = {
    {Page::CertSupplement, 6}, {Page::Certificate, 5},   {Page::Academic, 4},
    {Page::Page2, 3},          {Page::SupplementNpo, 2}, {Page::SupplementSpo, 1},
};

// Captions that change with the version: for versions 0 and 1, and for version 2.
struct VersionCaption {
    std::string_view control;
    std::string_view other;
    std::string_view v2;
};
const VersionCaption kVersionCaptions[] = {
    // "Сдвиги Приложения"
    {kGroupRightApp, " Сдвиг всей правой части 1-ой страницы Приложения ",
     " Расстояния между строками "},
    {"sedDeltaXRightApp", "По горизонтали:", "_deltaLine0"},
    {"sedDeltaYRightApp", "По вертикали:", "_deltaH1"},
    {"seMidDeltaYLeft1App1", "Со строки 'Поступил(а)':", "Сдвиг после строки 'Серия и номер':"},
    {"seMidDeltaYLeft2App1", "Со строки 'Специализация':", "Сдвиг строки 'Приложение содержит':"},
    {"seMidDeltaYLeft3App1",
     "Со строки 'Производственная практика':", "Со строки 'Освоена осн. професс. образ. прогр.':"},
    {"seMidDeltaYLeft4App1", "Со стоки 'выпускная квалификационная работа':",
     "Со строки 'Док-т о предш. уровне образования':"},
    {"seMidDeltaYRight2App1",
     "Со строки 'Присваивается квалификация':", "Со строки 'Нормативный срок обучения':"},
    // "Академ Справка"
    {"sedDeltaXRightAcademApp4",
     "Сдвиг правой части по горизонтали:", "Сдвиг со строки 'Предыдущий документ об образ'"},
    {"sedDeltaYRightAcademApp4",
     "Сдвиг правой части по вертикали:", "Сдвиг со строки 'Поступил(а)'"},
    {"sedFontSizeCol3Academ", "Шрифт колонки оценок:", "Сдвиг со строки 'Завершил(а) обучение'"},
    // "Приложение к Свидетельству"
    {"UpDownSetDeltaXCol72", "2 колонка", "Сдвиг серии и №"},
    {"UpDownSetDeltaXCol73", "3 колонка", ""},
    {"sedDeltaXRightCertApp7",
     "Сдвиг правой части по горизонтали:", "Сдвиг со строки 'Наименование учеб. заведения'"},
    {"sedDeltaYRightCertApp7",
     "Сдвиг правой части по вертикали:", "Сдвиг со строки 'Решение аттестац. комиссии'"},
    {"sedFontSizeCol3Cert",
     "Шрифт колонки оценок:", "Сдвиг со строки 'Предыдущий документ об обр.'"},
};

// Controls shown only in version 2, and controls disabled in version 2.
constexpr std::string_view kOnlyInVersion2[] = {"seDeltaYsign2", "sedDeltaLine1", "sedDeltaLine2"};
constexpr std::string_view kOffInVersion2[] = {kGroupSpoLeftFonts, kGroupNpoLeftFonts,
                                               "seMidDeltaYLeft5App1"};

// Grade font fields that are line shifts in version 2: a font size of 10 becomes a shift
// of 0 on entering version 2, and back on leaving it.
constexpr std::string_view kGradeFontFields[] = {"sedFontSizeCol3Academ", "sedFontSizeCol3Cert"};

// Row mode presets: fonts of the page-2 columns, and row height and distance by version.
struct RowPreset {
    int font;
    int heightV2, distanceV2;
    int height, distance;  // versions 0 and 1
};
constexpr RowPreset kRowPresets[] = {
    /* 0 */ {10, 17, 16, 17, 16},
    /* 1 */ {9, 15, 12, 17, 14},
    /* 2 */ {10, 17, 14, 17, 14},
    /* 3 */ {10, 17, 14, 17, 14},
    /* 4 */ {7, 10, 7, 10, 8},
};
constexpr RowPreset kOtherRowPreset = {10, 17, 16, 17, 16};
constexpr int kRowModeCount = 5;
constexpr int kDoubleRowMode = 2;

// Version click: the row mode it selects and the page-2 column shifts it sets.
struct VersionPreset {
    int rowMode;
    int column2, column3;
    bool notice;
};
constexpr VersionPreset kVersionPresets[] = {
    /* 0 "1997 - 2006" */ {1, 0, 0, false},
    /* 1 "2007 / 2008" */ {2, -60, -55, true},
    /* 2 "2010 / 2011" */ {3, 0, 0, false},
};
constexpr int kVersionCount = 3;

}  // namespace

const std::string_view kVersion1Notice =
    "Для второй страницы приложения\r\n"
    "колечество строк установлено равным 58 (сдвоенные)\r\n"
    "а также скорректированы смещения колонок с оценками.";

int clampToRange(int value, SpinRange range) {
    return std::clamp(value, range.min, range.max);
}

int readSpinText(std::string_view text, SpinRange range, int previous) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long long v = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, v);
    if (text.empty() || ptr != last)
        return clampToRange(previous, range);
    if (ec == std::errc::result_out_of_range)
        return text.front() == '-' ? range.min : range.max;
    if (ec != std::errc())
        return clampToRange(previous, range);
    return static_cast<int>(std::clamp<long long>(v, range.min, range.max));
}

std::span<const SpinField> settingsSpinFields() {
    return kSpinFields;
}

const SpinField* findSpinField(std::string_view name) {
    for (const SpinField& f : kSpinFields) {
        if (f.name == name)
            return &f;
    }
    return nullptr;
}

std::span<const std::string_view> settingsCheckBoxes() {
    return kCheckNames;
}

std::string_view settingsTabCaption(SettingsTab tab) {
    return kTabCaptions[static_cast<int>(tab)];
}

int settingsStartTabForPage(Page current) {
    for (const PageStart& p : kPageStarts) {
        if (p.page == current)
            return p.startTab;
    }
    return 0;
}

SettingsTab settingsTabForStartNumber(int startTab) {
    if (startTab < 0 || startTab >= static_cast<int>(std::size(kStartTabs)))
        return SettingsTab::General;
    return kStartTabs[startTab];
}

SettingsTab settingsOpeningTab(int startTab, bool positionTab) {
    return positionTab ? settingsTabForStartNumber(startTab) : SettingsTab::General;
}

SettingsDialogLook settingsDialogLook(int version, int rowMode) {
    const bool v2 = version == 2;
    SettingsDialogLook look;
    for (const VersionCaption& c : kVersionCaptions)
        look.captions.emplace_back(c.control, v2 ? c.v2 : c.other);
    for (std::string_view name : kOnlyInVersion2)
        look.visible.emplace_back(name, v2);
    for (std::string_view name : kOffInVersion2)
        look.enabled.emplace_back(name, !v2);
    look.enabled.emplace_back(kGroupDoubleRows, rowMode == kDoubleRowMode);
    return look;
}

SettingsDialogLogic::SettingsDialogLogic(const Settings& s)
    : version_(s.VellexVersion), saveStyle_(s.SaveStyle) {
    // Every field from its setting; the right part's first pair by the version.
    const bool v2 = version_ == 2;
    for (const SpinField& f : kSpinFields) {
        if (f.binding != SpinBinding::RightPart)
            spins_[std::string(f.name)] = clampToRange(s.*f.member, f.range);
    }
    const std::array<int, 2> shifts{s.DeltaXRightApp, s.DeltaYRightApp};
    const std::array<int, 2> distances{s._deltaLine0, s._deltaH1};
    const std::array<int, 2>& shown = v2 ? distances : shifts;
    otherRightPair_ = v2 ? shifts : distances;
    spins_["sedDeltaXRightApp"] = clampToRange(shown[0], kShiftRange);
    spins_["sedDeltaYRightApp"] = clampToRange(shown[1], kShiftRange);

    // The row mode's presets, then the stored values win over them.
    rowMode_ = s.mode_N_Discipl >= 0 && s.mode_N_Discipl < kRowModeCount ? s.mode_N_Discipl : -1;
    clickRowMode(rowMode_);
    if (v2)
        spins_["sedFontSizeApp5NameDiplPrj"] = 10;
    for (std::string_view name :
         {"seColsHeight", "seColsDeltaH", "sedFontSizeCol12", "sedFontSizeCol3"}) {
        const SpinField& f = *findSpinField(name);
        spins_[std::string(name)] = clampToRange(s.*f.member, f.range);
    }

    for (const CheckField& c : kCheckFields)
        checks_[std::string(c.name)] = c.align ? s.*c.align == kAlignCenter : s.*c.flag;
}

int SettingsDialogLogic::spin(std::string_view name) const {
    const auto it = spins_.find(name);
    return it == spins_.end() ? 0 : it->second;
}

void SettingsDialogLogic::setSpin(std::string_view name, int value) {
    const SpinField* f = findSpinField(name);
    if (!f)
        return;
    value = clampToRange(value, f->range);
    spins_.find(name)->second = value;
    if (!f->twin.empty())
        spins_.find(f->twin)->second = value;
}

void SettingsDialogLogic::setSpinText(std::string_view name, std::string_view text) {
    if (const SpinField* f = findSpinField(name))
        setSpin(name, readSpinText(text, f->range, spin(name)));
}

bool SettingsDialogLogic::check(std::string_view name) const {
    const auto it = checks_.find(name);
    return it != checks_.end() && it->second;
}

void SettingsDialogLogic::setCheck(std::string_view name, bool on) {
    const auto it = checks_.find(name);
    if (it != checks_.end())
        it->second = on;
}

void SettingsDialogLogic::clickRowMode(int mode) {
    if (mode >= 0 && mode < kRowModeCount)
        rowMode_ = mode;
    const RowPreset& p = mode >= 0 && mode < kRowModeCount ? kRowPresets[mode] : kOtherRowPreset;
    const bool v2 = version_ == 2;
    setSpin("sedFontSizeCol12", p.font);
    setSpin("sedFontSizeCol3", p.font);
    setSpin("seColsHeight", v2 ? p.heightV2 : p.height);
    setSpin("seColsDeltaH", v2 ? p.distanceV2 : p.distance);
}

std::string_view SettingsDialogLogic::clickVersion(int version) {
    if (version < 0 || version >= kVersionCount)
        return {};
    const bool wasV2 = version_ == 2;
    const bool isV2 = version == 2;
    version_ = version;
    const VersionPreset& p = kVersionPresets[version];
    clickRowMode(p.rowMode);
    setSpin("UpDownSetDeltaXCol2", p.column2);
    setSpin("UpDownSetDeltaXCol3", p.column3);

    if (wasV2 != isV2) {
        // The right part's first pair changes meaning: show the other set, keep this one.
        const std::array<int, 2> shown{spin("sedDeltaXRightApp"), spin("sedDeltaYRightApp")};
        setSpin("sedDeltaXRightApp", otherRightPair_[0]);
        setSpin("sedDeltaYRightApp", otherRightPair_[1]);
        otherRightPair_ = shown;
        for (std::string_view name : kGradeFontFields) {
            const int from = isV2 ? 10 : 0;
            if (spin(name) == from)
                setSpin(name, isV2 ? 0 : 10);
        }
    }
    if (isV2)
        setSpin("sedFontSizeApp5NameDiplPrj", 10);
    return p.notice ? kVersion1Notice : std::string_view{};
}

void SettingsDialogLogic::store(Settings& s) const {
    for (const SpinField& f : kSpinFields) {
        if (f.binding == SpinBinding::Stored)
            s.*f.member = spin(f.name);
    }
    const std::array<int, 2> shown{spin("sedDeltaXRightApp"), spin("sedDeltaYRightApp")};
    if (version_ == 2) {
        s._deltaLine0 = shown[0];
        s._deltaH1 = shown[1];
        s.DeltaXRightApp = 0;
        s.DeltaYRightApp = 0;
    } else {
        s.DeltaXRightApp = shown[0];
        s.DeltaYRightApp = shown[1];
        s._deltaLine0 = otherRightPair_[0];
        s._deltaH1 = otherRightPair_[1];
    }

    for (const CheckField& c : kCheckFields) {
        const bool on = check(c.name);
        if (c.flag)
            s.*c.flag = on;
        else
            s.*c.align = on ? kAlignCenter : kAlignLeft;
    }
    s.AdjustLinesAppRight4 = s.AdjustLinesAppRight5 = s.AdjustLinesAppRight7 =
        s.AdjustLinesAppRight1;

    if (rowMode_ >= 0)
        s.mode_N_Discipl = rowMode_;
    s.VellexVersion = version_;
    s.SaveStyle = saveStyle_;
}

}  // namespace vellex

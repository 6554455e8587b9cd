#include "report/field_captions.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <utility>

namespace vellex {

namespace {

enum class Lines : unsigned char {
    Single,     // the name as it is
    Numbered,   // the name + a line number ("edSchool2")
    FirstBare,  // as Numbered, but line 1 has no number ("edQualify", "edQualify2")
    Parts,      // the whole entry, or its numbered parts ("edDateOutDiplom", "edDateOutDiplom1")
};

struct Caption {
    std::string_view base;
    std::string_view caption;
    Lines lines;
};

// Field name (without a line number) → the caption of its entry on the window's pages.
constexpr std::array kCaptions{
    // Diploma
    Caption{"edTownDiplom0", "Строчка сверху", Lines::Single},
    Caption{"edTownDiplom", "Город", Lines::Single},
    Caption{"edSchoolDiplom", "Учебное заведение", Lines::Numbered},
    Caption{"edPresentDateDiplom", "Дата решения комиссии", Lines::Parts},
    Caption{"edStudentDiplom", "Фамилия, имя, отчество", Lines::Numbered},
    Caption{"edQualifyDiplom", "Квалификация", Lines::Numbered},
    Caption{"edSpecDiplom", "Специальность", Lines::Numbered},
    Caption{"edRegNoDiplom", "Регистрационный номер", Lines::Single},
    Caption{"edDateOutDiplom", "Дата выдачи", Lines::Parts},
    Caption{"edPredGosAttCom", "Председатель комиссии", Lines::Single},
    Caption{"edRukObrazUch", "Руководитель учебного заведения", Lines::Single},
    // Certificate
    Caption{"edTownCertificate0", "Строчка сверху", Lines::Single},
    Caption{"edTownCertificate", "Город", Lines::Single},
    Caption{"edSchoolCertificate", "Учебное заведение", Lines::Numbered},
    Caption{"edPresentDateCertificate", "Дата решения комиссии", Lines::Parts},
    Caption{"edStudentCertificate", "Фамилия, имя, отчество", Lines::Numbered},
    Caption{"edQualifyCertificate", "Квалификация", Lines::Numbered},
    Caption{"edRegNoCertificate", "Регистрационный номер", Lines::Single},
    Caption{"edDateOutCertificate", "Дата выдачи", Lines::Parts},
    Caption{"edPredGosAttComCert", "Председатель комиссии", Lines::Single},
    Caption{"edRukObrazUchCert", "Руководитель учебного заведения", Lines::Single},
    // Supplements, first pages
    Caption{"edSurName", "Фамилия", Lines::Single},
    Caption{"edSurNameNPO", "Фамилия", Lines::Single},
    Caption{"edSurName4", "Фамилия", Lines::Single},
    Caption{"edSurName7", "Фамилия", Lines::Single},
    Caption{"edName", "Имя", Lines::Single},
    Caption{"edNameNPO", "Имя", Lines::Single},
    Caption{"edName4", "Имя", Lines::Single},
    Caption{"edName7", "Имя", Lines::Single},
    Caption{"edAddName7", "Отчество", Lines::Single},
    Caption{"edOrder", "Отчество", Lines::Single},
    Caption{"edBirthDay", "Дата рождения", Lines::Single},
    Caption{"edBirthDayNPO", "Дата рождения", Lines::Single},
    Caption{"edBirthDay4", "Дата рождения", Lines::Single},
    Caption{"edBirthDay7", "Дата рождения", Lines::Single},
    Caption{"edTown", "Город", Lines::Single},
    Caption{"edTownNPO", "Город", Lines::Single},
    Caption{"edTown4", "Город", Lines::Single},
    Caption{"edTown7", "Город", Lines::Single},
    Caption{"edSchool4", "Учебное заведение", Lines::Numbered},
    Caption{"edSchool7", "Учебное заведение", Lines::Numbered},
    Caption{"edSchoolNPO", "Учебное заведение", Lines::Numbered},
    Caption{"edSchool", "Учебное заведение", Lines::Numbered},
    Caption{"edNumToDiplSequel", "Номер приложения", Lines::Single},
    Caption{"edNumToDiplNPO", "Номер приложения", Lines::Single},
    Caption{"edNumToDipl4", "Номер справки", Lines::Single},
    Caption{"edNumToDipl7", "Номер приложения", Lines::Single},
    Caption{"edNumToDipl", "Номер приложения", Lines::Single},
    Caption{"edRegNoSequel", "Регистрационный номер", Lines::Single},
    Caption{"edRegNoNPO", "Регистрационный номер", Lines::Single},
    Caption{"edRegNo4", "Регистрационный номер", Lines::Single},
    Caption{"edRegNo7", "Регистрационный номер", Lines::Single},
    Caption{"edRegNo", "Регистрационный номер", Lines::Single},
    Caption{"edDateOutNPO", "Дата выдачи", Lines::Single},
    Caption{"edDateOut4", "Дата выдачи", Lines::Single},
    Caption{"edDateOut7", "Дата выдачи", Lines::Single},
    Caption{"edDateOut", "Дата выдачи", Lines::Single},
    Caption{"edPresentDate7", "Дата решения комиссии", Lines::Single},
    Caption{"edPresentDate", "Дата решения комиссии", Lines::Single},
    Caption{"edPrevDocumNPO", "Документ о предшествующем образовании", Lines::Numbered},
    Caption{"edPrevDocum4", "Документ о предшествующем образовании", Lines::Numbered},
    Caption{"edPrevDocum7", "Документ о предшествующем образовании", Lines::Numbered},
    Caption{"edPrevDocum", "Документ о предшествующем образовании", Lines::Numbered},
    Caption{"edEntryNPO", "Поступил(а)", Lines::Numbered},
    Caption{"edEntry4", "Поступил(а)", Lines::Numbered},
    Caption{"edEntry", "Поступил(а)", Lines::Numbered},
    Caption{"edEndLernNPO", "Завершил(а) обучение", Lines::Numbered},
    Caption{"edEndLern", "Завершил(а) обучение", Lines::Numbered},
    Caption{"edEduDateFrom4", "Начало обучения", Lines::Numbered},
    Caption{"edEduDateTo4", "Окончание обучения", Lines::Numbered},
    Caption{"edEducated4", "Обучался(ась)", Lines::Numbered},
    Caption{"edTimeLernNPO", "Нормативный срок обучения", Lines::Single},
    Caption{"edTimeLern", "Нормативный срок обучения", Lines::FirstBare},
    Caption{"edSpecial4", "Специальность", Lines::Numbered},
    Caption{"edSpecialNPO", "Профессия", Lines::Numbered},
    Caption{"edSpecialicy", "Специализация", Lines::FirstBare},
    Caption{"edSpecial", "Специальность", Lines::FirstBare},
    Caption{"edEducationNPO", "Производственное обучение", Lines::Numbered},
    Caption{"edPrakticNPO", "Производственная практика", Lines::Numbered},
    Caption{"edNameDiplPrjNPO", "Выпускная квалификационная работа", Lines::Numbered},
    Caption{"edNameDiplPrj", "Дипломный проект (работа)", Lines::Numbered},
    Caption{"edResult", "Результаты защиты", Lines::Numbered},
    Caption{"edExamenNPO", "Письменная экзаменационная работа", Lines::Numbered},
    Caption{"edExamen", "Итоговый междисциплинарный экзамен", Lines::Numbered},
    Caption{"edQualifyNPO", "Квалификация", Lines::FirstBare},
    Caption{"edQualify7", "Квалификация", Lines::Numbered},
    Caption{"edQualify", "Квалификация", Lines::FirstBare},
    Caption{"edDate", "Дата", Lines::Numbered},
    Caption{"edPresentDateNPO", "Дата решения комиссии", Lines::Single},
    Caption{"edPresentDate4", "Дата приказа", Lines::Single},
    Caption{"edReason4", "Причина отчисления", Lines::Numbered},
    Caption{"edFormOfEdu", "Форма обучения", Lines::Numbered},
    Caption{"edCourseWork", "Курсовые проекты (работы)", Lines::Numbered},
    Caption{"edPraktic", "Практика", Lines::Numbered},
    Caption{"edExamMoreNPO", "Итоговые экзамены по отдельным учебным предметам", Lines::Numbered},
    Caption{"edExamMore", "Итоговые государственные экзамены", Lines::Numbered},
    Caption{"edSpecRightNPO", "Профессия", Lines::Numbered},
    Caption{"edSpecRight", "По специальности", Lines::Numbered},
    Caption{"edTrial", "Вступительные испытания", Lines::Numbered},
    Caption{"cbTrial", "Вступительные испытания", Lines::Single},
    Caption{"third date line", "Даты обучения, строка 3", Lines::Single},
    Caption{"edNameDoc", "Наименование документа", Lines::Numbered},
    // Disciplines pages
    Caption{"edRukObrazUch2", "Руководитель учебного заведения", Lines::Single},
    Caption{"edRukObrazUch8", "Руководитель учебного заведения", Lines::Single},
    Caption{"edSecretar8", "Секретарь", Lines::Single},
    Caption{"edSecretar", "Секретарь", Lines::Single},
    Caption{"edDayOut8", "День выдачи", Lines::Single},
    Caption{"edDayOut", "День выдачи", Lines::Single},
    Caption{"edMonthOut8", "Месяц выдачи", Lines::Single},
    Caption{"edMonthOut", "Месяц выдачи", Lines::Single},
    Caption{"edYearOut8", "Год выдачи", Lines::Single},
    Caption{"edYearOut", "Год выдачи", Lines::Single},
};

struct TableCaption {
    std::string_view table;
    std::string_view caption;
};
constexpr std::array kTables{
    TableCaption{"Disciplines", "Дисциплины"},
    TableCaption{"Disciplines8", "Продолжение, дисциплины"},
    TableCaption{"Disciplines4", "Дисциплины справки"},
    TableCaption{"Disciplines7", "Дисциплины приложения к свидетельству"},
};
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kColumns{{
    {"Discipline", "наименование"},
    {"AudTime", "часы"},
    {"Value", "оценка"},
}};

bool allDigits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string lineCaption(std::string_view caption, std::string_view line) {
    return std::string(caption) + ", строка " + std::string(line);
}

// "Disciplines row 3 AudTime"
std::optional<std::string> tableCaption(std::string_view role) {
    const std::size_t rowAt = role.find(" row ");
    if (rowAt == std::string_view::npos)
        return std::nullopt;
    const std::string_view table = role.substr(0, rowAt);
    const std::string_view rest = role.substr(rowAt + 5);
    const std::size_t space = rest.find(' ');
    if (space == std::string_view::npos || !allDigits(rest.substr(0, space)))
        return std::nullopt;
    const auto t = std::find_if(kTables.begin(), kTables.end(),
                                [&](const TableCaption& c) { return c.table == table; });
    const auto c = std::find_if(kColumns.begin(), kColumns.end(), [&](const auto& col) {
        return col.first == rest.substr(space + 1);
    });
    if (t == kTables.end() || c == kColumns.end())
        return std::nullopt;
    return lineCaption(t->caption, rest.substr(0, space)) + ", " + std::string(c->second);
}

}  // namespace

std::string fieldCaption(std::string_view role) {
    if (role.empty())
        return "без имени";
    if (auto table = tableCaption(role))
        return *table;
    // The longest name that explains the whole role wins: "edSchool41" is line 1 of the
    // academic certificate's group, "edSchool4" line 4 of the supplement's.
    const Caption* best = nullptr;
    std::string result;
    for (const Caption& c : kCaptions) {
        if (!role.starts_with(c.base) || (best && best->base.size() >= c.base.size()))
            continue;
        const std::string_view rest = role.substr(c.base.size());
        switch (c.lines) {
            case Lines::Single:
                if (!rest.empty())
                    continue;
                result = std::string(c.caption);
                break;
            case Lines::Numbered:
                if (!allDigits(rest))
                    continue;
                result = lineCaption(c.caption, rest);
                break;
            case Lines::Parts:
                if (rest.empty())
                    result = std::string(c.caption);
                else if (allDigits(rest))
                    result = lineCaption(c.caption, rest);
                else
                    continue;
                break;
            case Lines::FirstBare:
                if (rest.empty())
                    result = lineCaption(c.caption, "1");
                else if (allDigits(rest))
                    result = lineCaption(c.caption, rest);
                else
                    continue;
                break;
        }
        best = &c;
    }
    return best ? result : std::string(role);
}

std::string overflowMessage(std::string_view role) {
    return fieldCaption(role) + ": текст не помещается";
}

}  // namespace vellex

#include "app/page_variants.h"

#include <algorithm>

namespace vellex {
namespace {

constexpr Shown K = Shown::Keep;
constexpr Shown S = Shown::Show;
constexpr Shown H = Shown::Hide;

// A caption the same under versions 0 and 1.
constexpr VariantRow cap(const char* name, const char* old, const char* v2, Shown s01 = K,
                         Shown s2 = K) {
    return {name, {old, old, v2}, {s01, s01, s2}};
}
// A caption of its own under each version.
constexpr VariantRow cap3(const char* name, const char* v0, const char* v1, const char* v2) {
    return {name, {v0, v1, v2}, {K, K, K}};
}
constexpr VariantRow vis(const char* name, Shown v0, Shown v1, Shown v2) {
    return {name, {nullptr, nullptr, nullptr}, {v0, v1, v2}};
}

constexpr const char* kNone = nullptr;
constexpr const char* kGak = "Решением\nГосударственной аттестационной комиссии";
constexpr const char* kGakOneLine = "Решением Государственной аттестационной комиссии";
constexpr const char* kGakFrom = "Решением Государственной аттестационной комиссии от";
constexpr const char* kFullSchool =
    "(полное наименование образовательного учреждения и его местонахождение)";
constexpr const char* kPrevDocument =
    "Документ о предшествующем уровне образования и наименовании учреждения, его выдавшего:";

// ---- "Диплом".
constexpr VariantRow kDiploma[] = {
    cap("lbRegNoDiplom", "Регистрационный номер", "Регистрационный №"),
    cap("Label21", kGak, kGakOneLine),
    vis("Label9", S, S, H),
    vis("edTownDiplom0", Shown::LineUp, Shown::LineUp, S),
    vis("edStudentDiplom3", H, H, S),
    vis("edSchoolDiplom3", H, H, S),
    vis("edSchoolDiplom4", H, H, S),
    vis("edQualifyDiplom4", H, H, S),
    vis("edQualifyDiplom5", H, H, S),
    vis("edSpecDiplom5", H, H, S),
    vis("edPresentDateDiplom1", H, H, S),
    vis("edPresentDateDiplom2", H, H, S),
    vis("edDateOutDiplom1", H, H, S),
    vis("edDateOutDiplom2", H, H, S),
    vis("Label84", H, H, S),
    vis("Label85", H, H, S),
    vis("Label86", H, H, S),
    vis("edPredGosAttCom", H, H, S),
    vis("edRukObrazUch", H, H, S),
    vis("lPredGosAttCom", H, H, S),
    vis("lRukObrazUch", H, H, S),
};

constexpr VariantFont kDiplomaFonts[] = {
    {"Label21", 0, 9, false, true},
    {"Label21", 1, 9, false, true},
    {"Label21", 2, 7, false, false},
};

// ---- "Приложение СПО (Стр.1)". Under version 2 many captions name other entries: the
// fields keep their names and the captions follow the 2010 blank.
constexpr VariantRow kSupplementSpo[] = {
    cap("lbEnterTrial", "Вступительные испытания:", "о среднем профессиональном образовании"),
    cap("lbEntry", "Поступил(а) в", "Серия и номер"),
    cap("lbRegNo", "(регистрационный номер)", "Регистрационный №"),
    cap("lbFIO", "Фамилия, имя, отчество", "Выдано"),
    cap("lbBirthDay", "Дата рождения", "(дата рождения)"),
    cap("lbTown", "Город", "(место рождения)"),
    cap("lbEndLern", "Завершил(а) обучение в", kFullSchool),
    cap3("lbCourseWork",
         "Курсовые проекты (работы):", "Курсовые работы (курсовое проектирование):", kGakFrom),
    cap3("lbPraktic",
         "Практика:", "Производственная (профессиональная) практика:", "присвоена квалификация"),
    cap("lbQualify", "ПРИСВОЕНА КВАЛИФИКАЦИЯ", "подготовки"),
    cap("lbSpec", "по специальности", "Приложение содержит"),
    cap("lbSpecial", "Специальность:", "по специальности"),
    cap("lbSpecialicy", "Специализация:",
        "Освоена основная профессиональная образовательная программа среднего профессионального"),
    cap3("lbNameDiplPrj", "Выполнение дипломного проекта (работы) на тему:",
         "Выпускная квалификационная работа на тему:", "образования"),
    cap("lbTimeLern", "Нормативный срок обучения по очной форме",
        "Нормативный срок обучения по очной форме:"),
    cap("lbPrevDocum", kPrevDocument, "Предыдущий документ об образовании"),
    cap("lbDateOut", "(дата выдачи)", "(год окончания)"),
    cap("lbResult", "Результаты защиты:", "(серия и № документа об образовании)"),
    cap("lbExamMore",
        "Итоговые государственные экзамены:", "(наименование документа об образовании)"),
    vis("cbTrial", S, H, H),
    vis("edTrial1", H, S, H),
    vis("edTrial2", H, S, H),
    vis("edTimeLern2", H, S, S),
    vis("edSpecial2", H, S, H),
    vis("edSpecialicy2", H, S, H),
    vis("edResult2", S, H, K),
    vis("edNameDiplPrj2", S, H, K),
    vis("lbSchool", S, S, H),
    vis("Label1", S, S, H),
    vis("Label2", S, S, H),
    vis("Label3", S, S, H),
    vis("edPresentDate", S, S, H),
    vis("lbExamen", S, S, H),
    vis("rgQualify", S, S, H),
    vis("rgSchool", S, S, H),
    vis("lbSpecialicy", S, S, K),
    vis("edTimeLern", S, S, K),
    vis("edSpecial", S, S, K),
    vis("edSpecialicy", S, S, K),
    vis("lbNameDiplPrj", S, S, K),
    vis("edExamen2", S, S, K),
    vis("lbQualify", S, S, K),
    vis("edEntry3", S, S, K),
    vis("lbSpec", S, S, K),
    cap("lbSkobaBegin", "(", "(", H, S),
    cap("lbSkobaEnd", ") стр.", ") стр.", H, S),
    vis("edSpecRight1", S, S, H),
    vis("edSpecRight2", S, S, H),
    vis("edSpecRight3", S, S, H),
    vis("edSpecRight4", S, S, H),
    vis("edSpecRight5", S, S, H),
    vis("edCourseWork1", S, S, H),
    vis("edCourseWork2", S, S, H),
    vis("edCourseWork3", S, S, H),
    vis("edCourseWork4", S, H, H),
    vis("edPraktic1", S, S, H),
    vis("edPraktic2", S, S, H),
    vis("edPraktic3", S, S, H),
    vis("edPraktic4", S, H, H),
    vis("edExamMore1", S, S, H),
    vis("edExamMore2", S, S, H),
    vis("edExamMore3", S, S, H),
    vis("edExamMore4", S, S, H),
    vis("edExamMore5", S, S, H),
    vis("edExamMore6", S, S, H),
    vis("edExamMore7", S, H, H),
    vis("edExamMore8", S, H, H),
    vis("edExamMore9", S, H, H),
    vis("edExamMore10", S, H, H),
};

// ---- "Приложение НПО (Стр.1)"; versions 0 and 1 look alike.
constexpr VariantRow kSupplementNpo[] = {
    cap("Label25", "Город", "(место рождения)"),
    cap("Label26", "Учебное заведение (построчно)", kNone, S, H),
    cap("Label27", "Фамилия, имя, отчество", "Выдано"),
    cap("Label28", "Дата рождения", "(дата рождения)"),
    cap("Label29", kPrevDocument, "Предыдущий документ об образовании"),
    cap("Label30", "Поступил(а)", kFullSchool),
    cap("Label31", "в", "о начальном профессиональном образовании"),
    cap("Label35", "(регистрационный номер)", "Регистрационный №"),
    cap("Label36", "(дата выдачи)", "(год окончания)"),
    cap("Label37", "Завершил(а) обучение", "Серия и номер"),
    cap("Label39", "от", "Приложение содержит"),
    cap("Label40", "года", "(", S, S),
    cap("Label41", "Нормативный срок обучения:", "Нормативный срок обучения по очной форме:"),
    cap("Label42", "в", ") стр.", S, S),
    cap("Label44", "Профессия:", "по профессии"),
    cap("Label45", "Производственное обучение:", kGakFrom),
    cap("Label50", "Производственная практика:", "присвоена квалификация"),
    cap("Label53",
        "Защита письменной экзаменационной работы:", "(серия и № документа об образовании)"),
    cap("Label54", "Итоговые экзамены по отдельным учебным предметам:",
        "(наименование документа об образовании)"),
    cap("Label55", "ПРИСВОЕНА КВАЛИФИКАЦИЯ", kNone, S, H),
    vis("Label38", S, S, H),
    vis("Label51", S, S, H),
    vis("Label56", S, S, H),
    vis("rgQualifyNPO", S, S, H),
    vis("rgSchoolNPO", S, S, H),
    vis("edEndLernNPO1", S, S, H),
    vis("edEndLernNPO2", S, S, H),
    vis("edEndLernNPO3", S, S, H),
    vis("edPresentDateNPO", S, S, H),
    vis("edExamenNPO3", S, S, H),
    vis("edExamMoreNPO1", S, S, H),
    vis("edExamMoreNPO2", S, S, H),
    vis("edExamMoreNPO3", S, S, H),
    vis("edExamMoreNPO4", S, S, H),
    vis("edExamMoreNPO5", S, S, H),
    vis("edExamMoreNPO6", S, S, H),
    vis("edExamMoreNPO7", S, S, H),
    vis("edSpecRightNPO1", S, S, H),
    vis("edSpecRightNPO2", S, S, H),
    vis("edSpecRightNPO3", S, S, H),
    vis("edSpecRightNPO4", S, S, H),
    vis("edSpecRightNPO5", S, S, H),
    vis("edTimeLernNPO_0", H, H, H),
    vis("edQualifyNPO3", K, K, S),
};

// ---- Pages 2 and 3: the signature block of the 2010 blanks.
constexpr VariantRow kPage2[] = {
    vis("lRukObrazUch2", H, H, S), vis("edRukObrazUch2", H, H, S), vis("lSecretar", H, H, S),
    vis("edSecretar", H, H, S),    vis("lDateOut", H, H, S),       vis("edDayOut", H, H, S),
    vis("edMonthOut", H, H, S),    vis("edYearOut", H, H, S),
};
constexpr VariantRow kPage3[] = {
    vis("lRukObrazUch8", H, H, S), vis("edRukObrazUch8", H, H, S), vis("lSecretar8", H, H, S),
    vis("edSecretar8", H, H, S),   vis("lDateOut8", H, H, S),      vis("edDayOut8", H, H, S),
    vis("edMonthOut8", H, H, S),   vis("edYearOut8", H, H, S),
};

// ---- "Академическая справка (Стр.1)". Version 1 borrows the SPO page's version-1
// captions for the education lines.
constexpr const char* kInstitution = "(Наименование образовательного учреждения)";
constexpr VariantRow kAcademic[] = {
    // Every row first shows what versions 0 and 1 show; versions 1 and 2 then hide theirs.
    vis("rgProfEduTypeAcadem", H, H, S),
    cap("lbTown4", "Город", "(место рождения)"),
    cap("lbSchool4", "Учебное заведение (построчно)", kNone, S, H),
    cap("lbFIO4", "Фамилия, имя, отчество", "Поступил(а) в"),
    cap("lbBirthDay4", "Дата рождения", "(дата рождения)"),
    cap("lbPrevDocum4", kPrevDocument, "Предыдущий документ об образовании"),
    cap3("lbEducated4", "Обучался(лась):", "Вступительные испытания:", "Завершил(а) обучение в"),
    cap3("Label15", "г.", "Специализация:", kNone),
    cap3("Label16", "г.", "Курсовые работы (курсовое проектирование):", kNone),
    cap3("Label17", "г.", "Производственная (профессиональная) практика:", kNone),
    cap3("Label18", "в", "Поступил(а) в", "г. в"),
    cap3("Label19", "в", "Завершил(а) обучение в", "г. в"),
    cap("lbFormOfEducation", "Форма обучения:", kNone, S, H),
    cap("lbSpecial4", "Специальность:", "Специальность"),
    cap("lbAppToDipl41", "АКАДЕМИЧЕСКАЯ", kNone),
    cap("lbAppToDipl42", "СПРАВКА", kNone),
    cap("Label20", "АС 0710299", "01 ССА 7038568"),
    cap("lbNumOfDipl4", "№", kNone),
    cap("Label24", "№", kNone, S, H),
    cap("lbRegNo4", "(регистрационный номер)", "Регистрационный №"),
    cap("lbDateOut4", "(дата выдачи)", "(год окончания)"),
    cap("lbReasonOfDeduction", "Причина отчисления", kNone, S, H),
    cap("lbOrder", "ПРИКАЗ", kNone, S, H),
    cap("Label43", "года", kNone, S, H),
    cap3("lbDateOrder", "(дата приказа)", "Документ содержит количество листов", kNone),
    cap("Label12", kNone, "(серия и № документа об образовании)"),
    cap("Label11", kNone, "(наименование документа об образовании)"),
    cap("Label10", kNone, kInstitution),
    cap("Label13", kNone, kInstitution),
    cap("Label14", kNone, "Форма получения образования"),
    vis("Label10", H, H, S),
    vis("Label11", H, H, S),
    vis("Label12", H, H, S),
    vis("Label13", H, H, S),
    vis("Label14", H, H, S),
    vis("lbNumOfDipl4", S, H, K),
    vis("edNumToDipl4", S, H, S),
    vis("edPresentDate4", S, H, H),
    vis("lbDateOrder", S, S, H),
    vis("edTown4", S, S, S),
    vis("edSchool41", S, S, S),
    vis("edSchool42", S, S, S),
    vis("edSchool43", S, S, S),
    vis("edSchool44", S, S, S),
    vis("edSchool45", S, H, S),
    vis("edSchool46", S, H, S),
    vis("Label15", S, S, H),
    vis("Label16", S, S, H),
    vis("Label17", S, S, H),
    vis("edEduDateTo42", S, S, H),
    vis("edFormOfEdu1", S, S, H),
    vis("edFormOfEdu2", S, S, H),
    vis("edSpecial42", S, S, H),
    vis("edSpecial43", S, S, H),
    vis("edReason41", S, S, H),
    vis("edReason42", S, S, H),
    vis("edReason43", S, S, H),
    vis("edReason44", S, H, H),
    vis("edReason45", S, H, H),
    vis("edReason46", S, H, H),
    vis("Label46", S, H, H),
    vis("Label47", S, H, H),
    vis("Label48", S, H, H),
    vis("Disciplines4", S, H, H),
};

// Version 2 only: the type captions, after the page's own rows.
constexpr VariantRow kAcademicSpo[] = {
    {"Label20", {kNone, kNone, "02 НСА 5016573"}, {K, K, K}},
    {"Label15",
     {kNone, kNone,
      "Освоена основная профессиональная образовательная программа среднего профессионального"},
     {K, K, S}},
    {"Label16", {kNone, kNone, "образования"}, {K, K, S}},
    {"Label17", {kNone, kNone, "подготовки"}, {K, K, S}},
    {"edSpecial42", {kNone, kNone, kNone}, {K, K, S}},
};
constexpr VariantRow kAcademicNpo[] = {
    {"Label20", {kNone, kNone, "01 ССА 7038568"}, {K, K, K}},
    {"Label15", {kNone, kNone, kNone}, {K, K, H}},
    {"Label16", {kNone, kNone, kNone}, {K, K, H}},
    {"Label17", {kNone, kNone, kNone}, {K, K, H}},
    {"edSpecial42", {kNone, kNone, kNone}, {K, K, H}},
};

// ---- "Свидетельство".
constexpr VariantRow kCertificate[] = {
    cap("lSvidetelstvo", "СВИДЕТЕЛЬСТВО", kNone),
    cap("lbRegNoCert", "Регистрационный №", "Регистрационный №"),
    cap("lbDateOutCert", "Дата выдачи", kNone),
    cap("Label60", kGak, kGakOneLine),
    cap("Label61", "от", kNone),
    cap("Label62", "года", kNone),
    cap("lbQualifyCert", "присваивается квалификация", kNone),
    cap("lRF6", "РОССИЙСКАЯ ФЕДЕРАЦИЯ", kNone),
    cap("Label66", "ОБ\nУРОВНЕ\nКВАЛИФИКАЦИИ", "об уровне квалификации"),
    cap("Label67", "СВИДЕТЕЛЬСТВО", kNone, S, H),
    vis("Label52", H, H, S),
    vis("Label57", H, H, S),
    vis("Label58", H, H, S),
    vis("edStudentCertificate3", H, H, S),
    vis("edSchoolCertificate3", H, H, S),
    vis("edSchoolCertificate4", H, H, S),
    vis("edDateOutCertificate1", H, H, S),
    vis("edDateOutCertificate2", H, H, S),
    vis("edPresentDateCertificate1", H, H, S),
    vis("edPresentDateCertificate2", H, H, S),
    vis("edTownCertificate0", K, K, S),
    vis("edPredGosAttComCert", H, H, S),
    vis("edRukObrazUchCert", H, H, S),
    vis("lPredGosAttComCert", H, H, S),
    vis("lRukObrazUchCert", H, H, S),
};

constexpr VariantFont kCertificateFonts[] = {
    {"lSvidetelstvo", 0, 16, true, false}, {"lSvidetelstvo", 1, 16, true, false},
    {"Label60", 0, 0, false, true},        {"Label60", 1, 0, false, true},
    {"Label60", 2, 7, false, false},       {"Label67", 0, 12, true, false},
    {"Label67", 1, 12, true, false},
};

// ---- "Приложение к Свидетельству".
constexpr VariantRow kCertSupplement[] = {
    cap("lbTown7", "Город", "(место рождения)"),
    cap("Label64", "Учебное заведение (построчно)", kNone, S, H),
    cap("lbFIO7", "Фамилия, имя, отчество", "Выдано"),
    cap("lbBirthDay7", "Дата рождения", "(дата рождения)"),
    cap("lbPrevDocum7",
        "Документ о предшествующем уровне образования:", "Предыдущий документ об образовании"),
    cap("Label74", "Наименование дисциплин", "(наименование документа об образовании)"),
    cap("Label72", "Количество аудиторных часов", kNone, S, H),
    cap("Label73", "Итоговая оценка", kNone, S, H),
    cap("Label75",
        "За время обучения сдал(а) зачеты, промежуточные и итоговые экзамены по следующим "
        "дисциплинам:",
        kNone, S, H),
    cap("lbRegNo7", "(регистрационный номер)", "Регистрационный №"),
    cap("lbDateOut7", "(дата выдачи)", kGakFrom),
    cap("Label81", "от", "(год окончания)"),
    cap("Label82", "года", "(серия и № документа об образовании)"),
    cap("lbPraktic7", "присвоена КВАЛИФИКАЦИЯ", "присвоена квалификация"),
    cap("lbSerNum7", kNone, "Серия и номер", H, S),
    cap("Label70", kNone, kFullSchool, H, S),
    vis("edAddName7", H, H, S),
    vis("edDate1", H, H, S),
    vis("edDate2", H, H, S),
    vis("edDate3", H, H, S),
    vis("edQualify5", H, H, S),
    vis("edQualify6", H, H, S),
    vis("edNameDoc1", H, H, S),
    vis("edNameDoc2", H, H, S),
    vis("Disciplines7", S, S, H),
};

constexpr VariantColumns kColumns[] = {
    {"rgProfEduType", {1, 1, 2}},
    {"rgProfEduTypeCert", {1, 1, 2}},
};

// The diploma type's captions: [version 2][НПО].
constexpr const char* kHeading2Old =
    "За время обучения сдал(а) зачеты, промежуточные и итоговые экзамены по следующим "
    "дисциплинам:";
constexpr DiplomaTypeCaptions kTypeCaptions[2][2] = {
    {
        {kHeading2Old,
         "ДИПЛОМ ЯВЛЯЕТСЯ\nГОСУДАРСТВЕННЫМ ДОКУМЕНТОМ\nО СРЕДНЕМ ПРОФЕССИОНАЛЬНОМ\nОБРАЗОВАНИИ\n",
         "СБ 4467321"},
        {kHeading2Old,
         "ДИПЛОМ ЯВЛЯЕТСЯ\nГОСУДАРСТВЕННЫМ ДОКУМЕНТОМ\nО НАЧАЛЬНОМ ПРОФЕССИОНАЛЬНОМ\nОБРАЗОВАНИИ\n",
         "СБ 4467321"},
    },
    {
        {"За время обучения сдал(а) зачеты, экзамены по следующим дисциплинам (модулям), "
         "выполнил(а)\nкурсовые проекты (курсовое проектирование), прошел(а) учебную и "
         "производствуенную практики,\nгосударственную (итоговую) аттестацию",
         "о среднем профессиональном образовании", "23 СПА 0007171"},
        {"За время обучения сдал(а) зачеты, экзамены по следующим дисциплинам (модулям), "
         "прошел(а) учеб-\nную (производственное обучение) и производствуенную практики, "
         "государственную (итоговую) аттестацию",
         "о начальном профессиональном образовании", "23 НПА 0007172"},
    },
};

}  // namespace

int clampVersion(int version) {
    return std::clamp(version, 0, kVersionCount - 1);
}

std::span<const VariantRow> pageVariants(Page page) {
    switch (page) {
        case Page::Diploma:
            return kDiploma;
        case Page::SupplementSpo:
            return kSupplementSpo;
        case Page::SupplementNpo:
            return kSupplementNpo;
        case Page::Page2:
            return kPage2;
        case Page::Page3:
            return kPage3;
        case Page::Academic:
            return kAcademic;
        case Page::Certificate:
            return kCertificate;
        case Page::CertSupplement:
            return kCertSupplement;
    }
    return {};
}

std::span<const VariantFont> variantFonts(Page page) {
    switch (page) {
        case Page::Diploma:
            return kDiplomaFonts;
        case Page::Certificate:
            return kCertificateFonts;
        default:
            return {};
    }
}

std::span<const VariantColumns> variantColumns() {
    return kColumns;
}

DiplomaTypeCaptions diplomaTypeCaptions(int version, int profEduType) {
    const bool npo = profEduType == 1 || profEduType == 3;
    return kTypeCaptions[clampVersion(version) == 2 ? 1 : 0][npo ? 1 : 0];
}

std::span<const VariantRow> academicTypeRows(int profEduType) {
    const bool npo = profEduType == 1 || profEduType == 3;
    return npo ? std::span<const VariantRow>(kAcademicNpo) : kAcademicSpo;
}

}  // namespace vellex

#include "gui/page_variants.h"

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
    vis("lbTownDiplom0", Shown::LineUp, Shown::LineUp, S),
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
    cap("Label24", "№", kNone),
    vis("Label24", S, H, H),
    cap("lbRegNo4", "(регистрационный номер)", "Регистрационный №"),
    cap("lbDateOut4", "(дата выдачи)", "(год окончания)"),
    cap("lbReasonOfDeduction", "Причина отчисления", kNone),
    vis("lbReasonOfDeduction", S, H, H),
    cap("lbOrder", "ПРИКАЗ", kNone),
    vis("lbOrder", S, H, H),
    cap("Label43", "года", kNone),
    vis("Label43", S, H, H),
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
    // The designed date lines' own small captions have no place on the later blanks.
    vis("lbFrom41", S, H, H),
    vis("lbTo41", S, H, H),
    vis("lbFrom42", S, H, H),
    vis("lbYear42", S, H, H),
    vis("lbTo42", S, H, H),
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
    // Under the 2010 blank the board's caption ends in "от" on lbDateOut7.
    vis("lbGak7", S, S, H),
};

// ---- Version 2 places. The 2010 blanks run in one column: the number and registration
// number, the name lines, the birth date and place, the institution, the examination
// board's date and the qualification, then the previous document.
constexpr VariantPlace kDiplomaPlaces[] = {
    {"Label86", 8, 78, 178},
    {"Label21", 8, 148, 170},
    {"Label8", 580, 296, 210},
};

constexpr VariantPlace kCertificatePlaces[] = {
    {"Label58", 8, 78, 178},
    {"Label60", 8, 148, 170},
};

// Version 1 on the SPO page: the extra lines of the 2007 blank under their captions.
constexpr VariantPlace kSupplementSpoPlaces1[] = {
    {"edTrial1", 190, 196, 238},    {"edTrial2", 8, 218, 420},       {"lbEntry", 8, 246, 0},
    {"edEntry1", 120, 244, 0},      {"edEntry2", 120, 266, 0},       {"edEntry3", 120, 288, 0},
    {"lbEndLern", 8, 314, 0},       {"edEndLern1", 120, 314, 0},     {"edEndLern2", 120, 336, 0},
    {"edEndLern3", 120, 358, 0},    {"lbTimeLern", 8, 386, 0},       {"edTimeLern", 300, 384, 0},
    {"edTimeLern2", 300, 406, 0},   {"lbSpecial", 8, 432, 0},        {"edSpecial", 120, 430, 0},
    {"edSpecial2", 120, 452, 0},    {"lbSpecialicy", 8, 478, 0},     {"edSpecialicy", 120, 476, 0},
    {"edSpecialicy2", 120, 498, 0}, {"lbCourseWork", 8, 524, 0},     {"edCourseWork1", 8, 540, 0},
    {"edCourseWork2", 8, 562, 0},   {"edCourseWork3", 8, 584, 0},    {"lbPraktic", 8, 610, 0},
    {"edPraktic1", 8, 626, 0},      {"edPraktic2", 8, 648, 0},       {"edPraktic3", 8, 670, 0},
    {"lbNameDiplPrj", 8, 696, 0},   {"edNameDiplPrj0", 340, 694, 0}, {"edNameDiplPrj1", 8, 716, 0},
    {"lbResult", 8, 744, 0},        {"edResult1", 150, 742, 0},      {"lbExamen", 8, 770, 0},
    {"edExamen1", 8, 802, 0},       {"edExamen2", 8, 824, 0},        {"lbExamMore", 8, 852, 0},
    {"edExamMore1", 8, 868, 0},     {"edExamMore2", 8, 890, 0},      {"edExamMore3", 8, 912, 0},
    {"edExamMore4", 8, 934, 0},     {"edExamMore5", 8, 956, 0},      {"edExamMore6", 8, 978, 0},
};

// Version 1 on the academic page: its education lines one below the other, each under
// or beside the caption the 2007 blank gives it.
constexpr VariantPlace kAcademicPlaces1[] = {
    {"lbEducated4", 8, 192, 0},       {"edEduDateFrom41", 190, 190, 238},
    {"Label18", 8, 216, 0},           {"edEntry41", 120, 214, 308},
    {"edEntry42", 120, 236, 308},     {"edEntry43", 120, 258, 308},
    {"edEntry44", 120, 280, 308},     {"Label19", 8, 304, 110},
    {"edEducated41", 120, 304, 308},  {"edEducated42", 120, 326, 308},
    {"edEducated43", 120, 348, 308},  {"edEducated44", 120, 370, 308},
    {"Label15", 8, 396, 0},           {"edEduDateTo41", 120, 394, 308},
    {"Label16", 8, 420, 0},           {"edEduDateFrom42", 8, 436, 420},
    {"Label17", 8, 462, 0},           {"edEduDateTo42", 8, 478, 420},
    {"lbFormOfEducation", 8, 504, 0}, {"edFormOfEdu1", 8, 520, 0},
    {"edFormOfEdu2", 222, 520, 0},    {"lbSpecial4", 8, 546, 0},
    {"edSpecial41", 8, 562, 0},       {"edSpecial42", 8, 584, 0},
    {"edSpecial43", 8, 606, 0},       {"lbDateOrder", 470, 298, 0},
    {"edOrder", 734, 296, 60},
};

constexpr VariantPlace kSupplementSpoPlaces[] = {
    {"lbAppToDipl", 8, 4, 0},
    {"lbEnterTrial", 100, 12, 0},
    {"lbEntry", 8, 42, 0},
    {"lbNumToDipl", 108, 42, 0},
    {"edNumToDipl", 130, 40, 200},
    {"lbRegNo", 340, 42, 0},
    {"edRegNo", 480, 40, 200},
    {"lbFIO", 8, 72, 0},
    {"edSurName", 130, 70, 550},
    {"edName", 130, 92, 550},
    {"edNameDiplPrj0", 130, 114, 550},
    {"edEntry2", 130, 140, 45},
    {"edDateOut", 185, 140, 90},
    {"edBirthDay", 285, 140, 70},
    {"edTown", 365, 140, 315},
    {"lbBirthDay", 130, 162, 0},
    {"lbTown", 365, 162, 0},
    {"lbEndLern", 8, 186, 118},
    {"edSchool1", 130, 184, 550},
    {"edSchool2", 130, 206, 550},
    {"edSchool3", 130, 228, 550},
    {"edSchool4", 130, 250, 550},
    {"edSchool5", 130, 272, 550},
    {"edSchool6", 130, 294, 550},
    {"memoExamMore", 690, 184, 290},
    {"btnAddExamMoreFromMemo", 690, 370, 0},
    {"lbCourseWork", 8, 322, 0},
    {"edEndLern1", 382, 320, 45},
    {"edEndLern2", 437, 320, 90},
    {"edEndLern3", 537, 320, 143},
    {"lbPraktic", 8, 348, 0},
    {"edExamen1", 240, 346, 440},
    {"edQualify", 130, 370, 550},
    {"edQualify2", 130, 392, 550},
    {"edQualify3", 130, 414, 550},
    {"lbSpecial", 8, 440, 0},
    {"edSpecial", 130, 438, 550},
    {"lbSpecialicy", 8, 464, 672},
    {"edSpecialicy", 130, 482, 550},
    {"lbNameDiplPrj", 8, 508, 0},
    {"edNameDiplPrj1", 130, 506, 470},
    {"lbQualify", 606, 508, 0},
    {"edNameDiplPrj2", 130, 528, 550},
    {"lbTimeLern", 8, 554, 0},
    {"edTimeLern", 304, 552, 376},  // clear of its caption
    {"lbSpec", 8, 580, 0},
    {"lbSkobaBegin", 162, 580, 0},
    {"edTimeLern2", 172, 578, 60},
    {"lbSkobaEnd", 236, 580, 0},
    {"edExamen2", 300, 578, 380},
    {"lbPrevDocum", 8, 606, 280},
    {"edPrevDocum1", 300, 604, 60},
    {"edPrevDocum2", 370, 604, 90},
    {"edPrevDocum3", 470, 604, 210},
    {"lbDateOut", 300, 626, 0},
    {"edResult1", 8, 648, 672},
    {"edResult2", 8, 670, 672},
    {"lbExamMore", 8, 692, 0},
    {"edEntry1", 190, 714, 70},
    {"edEntry3", 270, 714, 80},
    {"lbResult", 190, 736, 0},
    {"bbPrintSheet1", 8, 770, 0},
};

constexpr VariantPlace kSupplementNpoPlaces[] = {
    {"lbAppToDiplNPO", 8, 4, 0},
    {"Label31", 100, 12, 0},
    {"Label37", 8, 42, 0},
    {"lbNumToDiplNPO", 108, 42, 0},
    {"edNumToDiplNPO", 130, 40, 200},
    {"Label35", 340, 42, 0},
    {"edRegNoNPO", 480, 40, 200},
    {"Label27", 8, 72, 0},
    {"edSurNameNPO", 130, 70, 550},
    {"edNameNPO", 130, 92, 550},
    {"edNameDiplPrjNPO0", 130, 114, 550},
    {"edEntryNPO2", 130, 140, 45},
    {"edDateOutNPO", 185, 140, 90},
    {"edBirthDayNPO", 285, 140, 70},
    {"edTownNPO", 365, 140, 315},
    {"Label28", 130, 162, 0},
    {"Label25", 365, 162, 0},
    {"Label30", 8, 186, 118},
    {"edSchoolNPO1", 130, 184, 550},
    {"edSchoolNPO2", 130, 206, 550},
    {"edSchoolNPO3", 130, 228, 550},
    {"edSchoolNPO4", 130, 250, 550},
    {"edSchoolNPO5", 130, 272, 550},
    {"edSchoolNPO6", 130, 294, 550},
    {"memoExamMoreNPO", 690, 184, 290},
    {"btnAddExamMoreFromMemoNPO", 690, 370, 0},
    {"Label45", 8, 322, 0},
    {"edEducationNPO1", 382, 320, 45},
    {"edEducationNPO2", 437, 320, 90},
    {"edEntryNPO3", 537, 320, 143},
    {"Label50", 8, 348, 0},
    {"edPrakticNPO1", 240, 346, 440},
    {"edQualifyNPO1", 130, 370, 550},
    {"edQualifyNPO2", 130, 392, 550},
    {"edQualifyNPO3", 130, 414, 550},
    {"Label44", 8, 440, 0},
    {"edSpecialNPO1", 130, 438, 550},
    {"edSpecialNPO2", 130, 460, 550},
    {"Label51", 8, 484, 0},
    {"edNameDiplPrjNPO1", 130, 482, 550},
    {"edNameDiplPrjNPO2", 130, 504, 550},
    {"Label41", 8, 530, 0},
    {"edTimeLernNPO", 304, 528, 376},  // clear of its caption
    {"Label39", 8, 556, 0},
    {"Label40", 162, 556, 0},
    {"Label42", 182, 556, 0},
    {"Label29", 8, 582, 280},
    {"edPrevDocumNPO1", 300, 580, 60},
    {"edPrevDocumNPO2", 370, 580, 90},
    {"edPrevDocumNPO3", 470, 580, 210},
    {"Label36", 300, 602, 0},
    {"edEntryNPO1", 8, 624, 672},
    {"edPrakticNPO2", 8, 646, 672},
    {"Label54", 8, 668, 0},
    {"edExamenNPO1", 190, 690, 70},
    {"edExamenNPO2", 270, 690, 80},
    {"Label53", 190, 712, 0},
    {"bbPrintSheet5", 8, 746, 0},
};

constexpr VariantPlace kAcademicPlaces[] = {
    {"lbAppToDipl41", 8, 4, 0},       {"lbAppToDipl42", 8, 20, 0},
    {"Label20", 140, 12, 0},          {"lbRegNo4", 300, 12, 0},
    {"edRegNo4", 440, 10, 200},       {"rgProfEduTypeAcadem", 700, 4, 0},
    {"edSurName4", 8, 40, 680},       {"edName4", 8, 62, 680},
    {"edOrder", 8, 84, 680},          {"lbNumOfDipl4", 8, 112, 0},
    {"edNumToDipl4", 24, 110, 45},    {"edDateOut4", 75, 110, 80},
    {"edBirthDay4", 161, 110, 70},    {"edTown4", 237, 110, 451},
    {"lbBirthDay4", 24, 132, 0},      {"lbTown4", 237, 132, 0},
    {"lbPrevDocum4", 8, 156, 280},    {"edPrevDocum41", 300, 154, 60},
    {"edPrevDocum42", 370, 154, 90},  {"edPrevDocum43", 470, 154, 100},
    {"lbDateOut4", 300, 176, 0},      {"edEduDateFrom41", 8, 198, 680},
    {"Label11", 8, 220, 0},           {"edEduDateFrom42", 8, 240, 680},
    {"Label12", 8, 262, 0},           {"lbFIO4", 8, 288, 0},
    {"edEntry41", 110, 286, 60},      {"Label18", 176, 288, 0},
    {"edEntry42", 210, 286, 478},     {"edEntry43", 8, 308, 680},
    {"edEntry44", 8, 330, 680},       {"Label10", 8, 352, 0},
    {"lbEducated4", 8, 376, 0},       {"edEducated41", 170, 374, 60},
    {"Label19", 236, 376, 0},         {"edEducated42", 270, 374, 418},
    {"edEducated43", 8, 396, 680},    {"edEducated44", 8, 418, 680},
    {"Label13", 8, 440, 0},           {"Label14", 8, 464, 0},
    {"edEduDateTo41", 220, 462, 468}, {"lbSpecial4", 8, 488, 0},
    {"edSpecial41", 120, 486, 568},   {"edSchool41", 8, 510, 680},
    {"edSchool42", 8, 532, 680},      {"edSchool43", 8, 554, 680},
    {"edSchool44", 8, 576, 680},      {"edSchool45", 8, 598, 680},
    {"edSchool46", 8, 620, 680},      {"Label15", 8, 646, 680},
    {"Label16", 8, 668, 0},           {"edSpecial42", 100, 666, 520},
    {"Label17", 626, 668, 0},         {"bbPrintSheet4", 8, 700, 0},
};

constexpr VariantPlace kCertSupplementPlaces[] = {
    {"lbAppToCert", 8, 4, 0},
    {"lbSerNum7", 8, 42, 0},
    {"lbNumToCert", 108, 42, 0},
    {"edNumToDipl7", 130, 40, 200},
    {"lbRegNo7", 340, 42, 0},
    {"edRegNo7", 480, 40, 200},
    {"lbFIO7", 8, 72, 0},
    {"edSurName7", 130, 70, 550},
    {"edName7", 130, 92, 550},
    {"edAddName7", 130, 114, 550},
    {"edPresentDate7", 130, 140, 45},
    {"edDateOut7", 185, 140, 90},
    {"edBirthDay7", 285, 140, 70},
    {"edTown7", 365, 140, 315},
    {"lbBirthDay7", 130, 162, 0},
    {"lbTown7", 365, 162, 0},
    {"Label70", 8, 186, 118},
    {"edQualify71", 130, 184, 550},
    {"edQualify72", 130, 206, 550},
    {"edQualify73", 130, 228, 550},
    {"edQualify74", 130, 250, 550},
    {"edQualify75", 130, 272, 550},
    {"edQualify76", 130, 294, 550},
    {"lbDateOut7", 8, 322, 0},
    {"edDate1", 382, 320, 45},
    {"edDate2", 437, 320, 90},
    {"edDate3", 537, 320, 143},
    {"lbPraktic7", 8, 348, 0},
    {"edSchool71", 240, 346, 440},
    {"edSchool72", 130, 370, 550},
    {"edSchool73", 130, 392, 550},
    {"edSchool74", 130, 414, 550},
    {"edQualify5", 130, 436, 550},
    {"edQualify6", 130, 458, 550},
    {"lbPrevDocum7", 8, 486, 280},
    {"edPrevDocum71", 300, 484, 60},
    {"edPrevDocum72", 370, 484, 90},
    {"edPrevDocum73", 470, 484, 210},
    {"Label81", 300, 506, 0},
    {"Label82", 470, 506, 0},
    {"edNameDoc1", 8, 528, 672},
    {"edNameDoc2", 8, 550, 672},
    {"Label74", 8, 572, 0},
    {"bbPrintSheet7", 8, 606, 0},
};

constexpr SignatureSlot kSignature[] = {
    {"lRukObrazUch2", "lRukObrazUch8", 0, 0, 0}, {"edRukObrazUch2", "edRukObrazUch8", 130, 8, 250},
    {"lSecretar", "lSecretar8", 400, 10, 0},     {"edSecretar", "edSecretar8", 480, 8, 200},
    {"lDateOut", "lDateOut8", 0, 56, 0},         {"edDayOut", "edDayOut8", 130, 54, 40},
    {"edMonthOut", "edMonthOut8", 176, 54, 100}, {"edYearOut", "edYearOut8", 282, 54, 48},
};

constexpr VariantFont kPage2Fonts[] = {
    {"Label4", 0, 0, false, false}, {"Label4", 1, 0, false, false}, {"Label4", 2, 7, false, false}};
constexpr VariantFont kPage3Fonts[] = {{"Label87", 0, 0, false, false},
                                       {"Label87", 1, 0, false, false},
                                       {"Label87", 2, 7, false, false}};
constexpr VariantPlace kPage2Places[] = {{"Label4", 8, 2, 790}};
// Between the number fields and the column heads, which its second line covered at 80.
constexpr VariantPlace kPage3Places[] = {{"Label87", 8, 79, 790}};

constexpr VariantColumns kColumns[] = {
    // One column: in two the landscape blanks' names were cut.
    {"rgProfEduType", {1, 1, 1}},
    {"rgProfEduTypeCert", {1, 1, 1}},
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

// The 2010 blanks' long institution caption wraps beside its lines, where its longest
// words did not fit at the usual size.
#define VELLEX_FULL_SCHOOL_FONTS(name)                        \
    {name, 0, 0, false, false}, {name, 1, 0, false, false}, { \
        name, 2, 8, false, false                              \
    }
constexpr VariantFont kSpoFonts[] = {VELLEX_FULL_SCHOOL_FONTS("lbEndLern")};
constexpr VariantFont kNpoFonts[] = {VELLEX_FULL_SCHOOL_FONTS("Label30")};
constexpr VariantFont kCertSupplementFonts[] = {VELLEX_FULL_SCHOOL_FONTS("Label70")};
#undef VELLEX_FULL_SCHOOL_FONTS

std::span<const VariantFont> variantFonts(Page page) {
    switch (page) {
        case Page::SupplementSpo:
            return kSpoFonts;
        case Page::SupplementNpo:
            return kNpoFonts;
        case Page::CertSupplement:
            return kCertSupplementFonts;
        case Page::Diploma:
            return kDiplomaFonts;
        case Page::Certificate:
            return kCertificateFonts;
        case Page::Page2:
            return kPage2Fonts;
        case Page::Page3:
            return kPage3Fonts;
        default:
            return {};
    }
}

std::span<const SignatureSlot> signatureSlots() {
    return kSignature;
}

std::span<const VariantColumns> variantColumns() {
    return kColumns;
}

std::span<const VariantPlace> variantPlaces(Page page, int version) {
    if (version == 1) {
        switch (page) {
            case Page::SupplementSpo:
                return kSupplementSpoPlaces1;
            case Page::Academic:
                return kAcademicPlaces1;
            default:
                return {};
        }
    }
    if (version != 2) {
        return {};
    }
    switch (page) {
        case Page::Diploma:
            return kDiplomaPlaces;
        case Page::SupplementSpo:
            return kSupplementSpoPlaces;
        case Page::SupplementNpo:
            return kSupplementNpoPlaces;
        case Page::Academic:
            return kAcademicPlaces;
        case Page::Certificate:
            return kCertificatePlaces;
        case Page::Page2:
            return kPage2Places;
        case Page::Page3:
            return kPage3Places;
        case Page::CertSupplement:
            return kCertSupplementPlaces;
        default:
            return {};
    }
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

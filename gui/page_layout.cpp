#include "gui/page_layout.h"

#include <algorithm>
#include <array>

namespace vellex {
namespace {

constexpr int kEdit = 21;  // the height of every single-line field

constexpr PageItem label(const char* text, int x, int y, const char* name = "",
                         bool hidden = false) {
    return {ItemKind::Label, name, text, x, y, 0, 0, hidden};
}
constexpr PageItem hiddenLabel(const char* name, const char* text, int x, int y) {
    return label(text, x, y, name, true);
}
// A caption wrapped to `width` pixels, for the long captions of the blanks.
constexpr PageItem wrapped(const char* name, const char* text, int x, int y, int width,
                           bool hidden = false) {
    return {ItemKind::Label, name, text, x, y, width, 0, hidden};
}
constexpr PageItem edit(const char* name, int x, int y, int w, bool hidden = false) {
    return {ItemKind::Edit, name, "", x, y, w, kEdit, hidden};
}
constexpr PageItem hiddenEdit(const char* name, int x, int y, int w) {
    return edit(name, x, y, w, true);
}
constexpr PageItem memo(const char* name, int x, int y, int w, int h) {
    return {ItemKind::Memo, name, "", x, y, w, h};
}
constexpr PageItem lines(Group g, int x, int y, int w) {
    return {ItemKind::Group, "", "", x, y, w, kEdit, false, nullptr, g};
}
constexpr PageItem radio(const char* name, const char* captionAndItems, int x, int y, int w, int h,
                         bool hidden = false) {
    return {ItemKind::Radio, name, captionAndItems, x, y, w, h, hidden};
}
constexpr PageItem check(const char* name, const char* caption, int x, int y) {
    return {ItemKind::Check, name, caption, x, y, 0, kEdit};
}
constexpr PageItem button(const char* name, const char* caption, int x, int y, int w,
                          const char* hint = nullptr) {
    return {ItemKind::Button, name, caption, x, y, w, 25, false, hint};
}
constexpr PageItem trial(int x, int y, int w) {
    return {ItemKind::Trial, "cbTrial", "прошел\nпрошла", x, y, w, kEdit};
}
constexpr PageItem table() {
    return {ItemKind::Table, "", "", 0, 0, 0, 0};
}

// ---- "Диплом" (sheet 3): the right part of the blank, then the foot.
constexpr PageItem kDiploma[] = {
    label("Строчка сверху:", 8, 12, "lbTownDiplom0"),
    edit("edTownDiplom0", 190, 10, 340),
    label("Город:", 8, 36),
    edit("edTownDiplom", 190, 34, 340),
    label("Учебное заведение:", 8, 60),
    edit("edSchoolDiplom1", 190, 58, 340),
    edit("edSchoolDiplom2", 190, 80, 340),
    check("cbBold_Diplom1", "B", 536, 80),
    hiddenEdit("edSchoolDiplom3", 190, 102, 340),
    hiddenEdit("edSchoolDiplom4", 190, 124, 340),
    wrapped("Label21", "Решением\nГосударственной аттестационной комиссии", 8, 140, 160),
    label("от", 170, 174),
    edit("edPresentDateDiplom", 190, 172, 200),
    label("года", 396, 174),
    check("cbBold_Diplom2", "B", 536, 172),
    hiddenEdit("edPresentDateDiplom1", 190, 196, 40),
    hiddenEdit("edPresentDateDiplom2", 236, 196, 154),
    label("Фамилия, имя,\nотчество:", 8, 226),
    edit("edStudentDiplom1", 190, 226, 340),
    edit("edStudentDiplom2", 190, 248, 340),
    check("cbBold_Diplom3", "B", 536, 248),
    hiddenEdit("edStudentDiplom3", 190, 270, 340),
    label("присваивается\nквалификация", 8, 300),
    edit("edQualifyDiplom1", 190, 300, 340),
    edit("edQualifyDiplom2", 190, 322, 340),
    check("cbBold_Diplom4", "B", 536, 322),
    edit("edQualifyDiplom3", 190, 344, 340),
    hiddenEdit("edQualifyDiplom4", 190, 366, 340),
    hiddenEdit("edQualifyDiplom5", 190, 388, 340),
    label("по специальности", 8, 420),
    edit("edSpecDiplom1", 190, 418, 340),
    edit("edSpecDiplom2", 190, 440, 340),
    check("cbBold_Diplom5", "B", 536, 440),
    edit("edSpecDiplom3", 190, 462, 340),
    edit("edSpecDiplom4", 190, 484, 340),
    hiddenEdit("edSpecDiplom5", 190, 506, 340),
    hiddenLabel("lPredGosAttCom", "Председатель ГАК:", 8, 540),
    hiddenEdit("edPredGosAttCom", 190, 538, 340),
    hiddenLabel("lRukObrazUch", "Руководитель:", 8, 564),
    hiddenEdit("edRukObrazUch", 190, 562, 340),
    label("Регистрационный номер", 8, 598, "lbRegNoDiplom"),
    edit("edRegNoDiplom", 190, 596, 150),
    label("Дата выдачи", 8, 622),
    edit("edDateOutDiplom", 190, 620, 200),
    hiddenLabel("Label85", "Выдан", 8, 646),
    hiddenEdit("edDateOutDiplom1", 190, 644, 40),
    hiddenEdit("edDateOutDiplom2", 236, 644, 154),
    hiddenLabel("Label84", "года", 396, 646),
    wrapped("Label86", "(полное наименование образовательного учреждения и его местонахождение):",
            8, 100, 170, true),
    radio("rgProfEduType", "Диплом\nСПО|НПО|СПО (Альбомный лист)|НПО (Альбомный лист)", 580, 6, 210,
          126),
    label("БАЗОВЫЙ УРОВЕНЬ", 580, 270, "Label9"),
    wrapped(
        "Label8",
        "ДИПЛОМ ЯВЛЯЕТСЯ\nГОСУДАРСТВЕННЫМ ДОКУМЕНТОМ\nО СРЕДНЕМ ПРОФЕССИОНАЛЬНОМ\nОБРАЗОВАНИИ\n",
        580, 296, 215),
    // Below the heading's four lines (designed at 380, under them).
    label("СБ 4467321", 580, 396, "lDiplomNum"),
    // The boxes stand 6 higher than designed and the copy button 18 higher, so that the
    // button clears the "B" box of the third name line, which it covered at 240.
    check("cbBold_Diplom", "Жирный шрифит", 580, 134),
    check("cbItalic_Diplom", "Курсив", 580, 156),
    check("cbAddLineUp_Diplom", "Строчка сверху", 580, 178),
    check("cbCopySign", "Дубликат", 580, 200),
    button("sbtCopyToAppLists", "Скопировать данные в приложения", 550, 222, 245),
    button("bbPrintSheet3", "Печать Диплома...", 190, 684, 200, "Печать Диплома..."),
};

// ---- "Приложение СПО (Стр.1)" (sheet 1): left part, then right part.
constexpr PageItem kSupplementSpo[] = {
    label("Фамилия, имя, отчество", 8, 6, "lbFIO"),
    edit("edSurName", 8, 22, 420),
    edit("edName", 8, 44, 420),
    label("Дата рождения", 8, 70, "lbBirthDay"),
    edit("edBirthDay", 120, 68, 150),
    wrapped("lbPrevDocum",
            "Документ о предшествующем уровне образования и наименовании учреждения, его "
            "выдавшего:",
            8, 94, 420),
    edit("edPrevDocum1", 8, 126, 420),
    edit("edPrevDocum2", 8, 148, 420),
    edit("edPrevDocum3", 8, 170, 420),
    label("Вступительные испытания:", 8, 198, "lbEnterTrial"),
    trial(190, 196, 120),
    hiddenEdit("edTrial1", 316, 196, 112),
    hiddenEdit("edTrial2", 316, 218, 112),
    wrapped("lbEntry", "Поступил(а) в", 8, 224, 110),
    edit("edEntry1", 120, 222, 308),
    edit("edEntry2", 120, 244, 308),
    edit("edEntry3", 120, 266, 308),
    wrapped("lbEndLern", "Завершил(а) обучение в", 8, 290, 110),
    edit("edEndLern1", 120, 292, 308),
    edit("edEndLern2", 120, 314, 308),
    edit("edEndLern3", 120, 336, 308),
    label("Нормативный срок обучения по очной форме", 8, 364, "lbTimeLern"),
    edit("edTimeLern", 300, 362, 128),
    hiddenEdit("edTimeLern2", 300, 384, 128),
    label("Специальность:", 8, 390, "lbSpecial"),
    edit("edSpecial", 120, 388, 308),
    hiddenEdit("edSpecial2", 120, 410, 308),
    wrapped("lbSpecialicy", "Специализация:", 8, 414, 110),
    edit("edSpecialicy", 120, 412, 308),
    hiddenEdit("edSpecialicy2", 120, 434, 308),
    label("Курсовые проекты (работы):", 8, 440, "lbCourseWork"),
    lines(Group::edCourseWork, 8, 456, 420),
    label("Практика:", 8, 546, "lbPraktic"),
    lines(Group::edPraktic, 8, 562, 420),
    label("Выполнение дипломного проекта (работы) на тему:", 8, 652, "lbNameDiplPrj"),
    edit("edNameDiplPrj0", 340, 650, 88),
    edit("edNameDiplPrj1", 8, 672, 420),
    edit("edNameDiplPrj2", 8, 694, 420),
    label("Результаты защиты:", 8, 722, "lbResult"),
    edit("edResult1", 150, 720, 278),
    edit("edResult2", 8, 742, 420),
    label("Итоговый Государственный междисциплинарный экзамен\nпо специальности", 8, 768,
          "lbExamen"),
    edit("edExamen1", 8, 800, 420),
    edit("edExamen2", 8, 822, 420),
    label("Итоговые государственные экзамены:", 8, 850, "lbExamMore"),
    lines(Group::edExamMore, 8, 866, 420),
    // Right part.
    label("Город", 470, 8, "lbTown"),
    edit("edTown", 560, 6, 300),
    label("Учебное заведение (построчно)", 470, 32, "lbSchool"),
    lines(Group::edSchool, 470, 48, 390),
    radio("rgSchool", "Строк\n4 строки|6 строк", 870, 44, 110, 72),
    label("Приложение\nк ДИПЛОМУ", 470, 184, "lbAppToDipl"),
    label("№", 580, 202, "lbNumToDipl"),
    edit("edNumToDipl", 600, 200, 200),
    edit("edRegNo", 470, 234, 170),
    label("(регистрационный номер)", 470, 256, "lbRegNo"),
    edit("edDateOut", 660, 234, 170),
    label("(дата выдачи)", 660, 256, "lbDateOut"),
    label("Решением Государственной аттестационной комиссии", 470, 284, "Label1"),
    label("от", 470, 306, "Label2"),
    edit("edPresentDate", 490, 304, 200),
    label("года", 696, 306, "Label3"),
    label("ПРИСВОЕНА КВАЛИФИКАЦИЯ", 470, 334, "lbQualify"),
    edit("edQualify", 470, 350, 390),
    edit("edQualify2", 470, 372, 390, true),
    edit("edQualify3", 470, 394, 390, true),
    radio("rgQualify", "Строк\n1 строка|3 строки", 870, 330, 110, 72),
    label("по специальности", 470, 380, "lbSpec"),
    hiddenLabel("lbSkobaBegin", "(", 470, 380),
    hiddenLabel("lbSkobaEnd", ") стр.", 540, 380),
    lines(Group::edSpecRight, 470, 396, 390),
    memo("memoExamMore", 470, 566, 390, 150),
    button("btnAddExamMoreFromMemo", "<< Перенести", 470, 722, 120,
           "Распределить по итоговым экзаменационным строчкам"),
    button("bbPrintSheet1", "Печать 1-й стр. Приложения...", 470, 1070, 240,
           "Печать 1-й стр. Приложения к Диплому..."),
};

// ---- "Приложение НПО (Стр.1)" (sheet 5).
constexpr PageItem kSupplementNpo[] = {
    label("Фамилия, имя, отчество", 8, 6, "Label27"),
    edit("edSurNameNPO", 8, 22, 420),
    edit("edNameNPO", 8, 44, 420),
    label("Дата рождения", 8, 70, "Label28"),
    edit("edBirthDayNPO", 120, 68, 150),
    wrapped("Label29",
            "Документ о предшествующем уровне образования и наименовании учреждения, его "
            "выдавшего:",
            8, 90, 420),  // clear of the birth date field (designed at 88)
    edit("edPrevDocumNPO1", 8, 120, 420),
    edit("edPrevDocumNPO2", 8, 142, 420),
    edit("edPrevDocumNPO3", 8, 164, 420),
    label("Поступил(а)", 8, 192, "Label30"),
    edit("edEntryNPO1", 160, 190, 268),
    label("в", 144, 216, "Label31"),
    edit("edEntryNPO2", 160, 214, 268),
    edit("edEntryNPO3", 160, 236, 268),
    label("Завершил(а) обучение", 8, 264, "Label37"),
    edit("edEndLernNPO1", 160, 262, 268),
    label("в", 144, 288, "Label42"),
    edit("edEndLernNPO2", 160, 286, 268),
    edit("edEndLernNPO3", 160, 308, 268),
    label("Нормативный срок обучения:", 8, 338, "Label41"),
    edit("edTimeLernNPO", 200, 336, 228),
    hiddenEdit("edTimeLernNPO_0", 200, 336, 228),
    label("Профессия:", 8, 362, "Label44"),
    edit("edSpecialNPO1", 120, 360, 308),
    edit("edSpecialNPO2", 8, 382, 420),
    label("Производственное обучение:", 8, 408, "Label45"),
    edit("edEducationNPO1", 200, 406, 228),
    edit("edEducationNPO2", 8, 428, 420),
    label("Производственная практика:", 8, 454, "Label50"),
    edit("edPrakticNPO1", 200, 452, 228),
    edit("edPrakticNPO2", 8, 474, 420),
    label("Выполнение выпускной практической квалификационной\nработы по профессии:", 8, 500,
          "Label51"),
    edit("edNameDiplPrjNPO0", 160, 516, 268),
    edit("edNameDiplPrjNPO1", 8, 538, 420),
    edit("edNameDiplPrjNPO2", 8, 560, 420),
    label("Защита письменной экзаменационной работы:", 8, 586, "Label53"),
    edit("edExamenNPO1", 8, 602, 420),
    edit("edExamenNPO2", 8, 624, 420),
    edit("edExamenNPO3", 8, 646, 420),
    label("Итоговые экзамены по отдельным учебным предметам:", 8, 672, "Label54"),
    edit("edExamMoreNPO1", 8, 688, 420),
    lines(Group::edExamMoreNPO, 8, 710, 420),
    // Right part.
    label("Город", 470, 8, "Label25"),
    edit("edTownNPO", 560, 6, 300),
    label("Учебное заведение (построчно)", 470, 32, "Label26"),
    lines(Group::edSchoolNPO, 470, 48, 390),
    radio("rgSchoolNPO", "Строк\n4 строки|6 строк", 870, 44, 110, 72),
    label("Приложение\nк ДИПЛОМУ", 470, 184, "lbAppToDiplNPO"),
    label("№", 580, 202, "lbNumToDiplNPO"),
    edit("edNumToDiplNPO", 600, 200, 200),
    edit("edRegNoNPO", 470, 234, 170),
    label("(регистрационный номер)", 470, 256, "Label35"),
    edit("edDateOutNPO", 660, 234, 170),
    label("(дата выдачи)", 660, 256, "Label36"),
    label("Решением Государственной аттестационной комиссии", 470, 284, "Label38"),
    label("от", 470, 306, "Label39"),
    edit("edPresentDateNPO", 490, 304, 200),
    label("года", 696, 306, "Label40"),
    label("ПРИСВОЕНА КВАЛИФИКАЦИЯ", 470, 334, "Label55"),
    edit("edQualifyNPO1", 470, 350, 390),
    edit("edQualifyNPO2", 470, 372, 390),
    edit("edQualifyNPO3", 470, 394, 390, true),
    radio("rgQualifyNPO", "Строк\n2 строки|3 строки", 870, 330, 110, 72),
    label("ПО ПРОФЕССИИ", 470, 402, "Label56"),
    lines(Group::edSpecRightNPO, 470, 418, 390),
    memo("memoExamMoreNPO", 470, 566, 390, 150),
    button("btnAddExamMoreFromMemoNPO", "<< Перенести", 470, 722, 120,
           "Распределить по итоговым экзаменационным строчкам"),
    button("bbPrintSheet5", "Печать 1-й стр. Приложения (НПО)...", 470, 816, 260,
           "Печать 1-й стр. Приложения к Диплому (НПО)..."),
};

// The heads of a discipline table's three columns.
#define VELLEX_TABLE_HEADS(y, hoursCaption, hoursX, gradeX)                           \
    label("Наименование дисциплин", 8, (y) + 14), label(hoursCaption, (hoursX), (y)), \
        label("Итоговая\nоценка", (gradeX), (y))

// ---- "Приложение / Справка (Стр.2)" (sheet 2). The table grows the page.
constexpr PageItem kPage2[] = {
    wrapped("Label4",
            "За время обучения сдал(а) зачеты, промежуточные и итоговые экзамены по "
            "следующим дисциплинам:",
            8, 4, 560),
    VELLEX_TABLE_HEADS(40, "Количество\nаудиторных\nчасов", 376, 456),
    table(),
    hiddenLabel("lRukObrazUch2", "Руководитель\nобразовательного\nучреждения", 580, 60),
    hiddenEdit("edRukObrazUch2", 580, 108, 200),
    hiddenLabel("lSecretar", "Секретарь", 580, 136),
    hiddenEdit("edSecretar", 580, 152, 200),
    hiddenLabel("lDateOut", "Дата выдачи", 580, 180),
    hiddenEdit("edDayOut", 580, 196, 40),
    hiddenEdit("edMonthOut", 626, 196, 100),
    hiddenEdit("edYearOut", 732, 196, 48),
    button("bbPrintSheet2", "Печать 2-й стр....", 8, 0, 200,
           "Печать 2-й стр. Справки / Приложения..."),
};

// ---- "Продолжение (Стр.3)" (sheet 8).
constexpr PageItem kPage3[] = {
    label("Продолжение приложения к ДИПЛОМУ", 8, 8),
    label("", 270, 8, "Label94"),
    wrapped("Label87", "", 8, 84, 560),
    label("Серия и номер", 8, 36),
    edit("edNumToDiplSequel", 140, 34, 200),
    label("Регистрационный №", 8, 60),
    edit("edRegNoSequel", 140, 58, 200),
    // A little lower than designed (108): the 2010 heading's second line stands above.
    VELLEX_TABLE_HEADS(112, "Количество\nаудиторных\nчасов", 376, 456),
    table(),
    hiddenLabel("lRukObrazUch8", "Руководитель\nобразовательного\nучреждения", 580, 126),
    hiddenEdit("edRukObrazUch8", 580, 174, 200),
    hiddenLabel("lSecretar8", "Секретарь", 580, 202),
    hiddenEdit("edSecretar8", 580, 218, 200),
    hiddenLabel("lDateOut8", "Дата выдачи", 580, 246),
    hiddenEdit("edDayOut8", 580, 262, 40),
    hiddenEdit("edMonthOut8", 626, 262, 100),
    hiddenEdit("edYearOut8", 732, 262, 48),
    button("bbPrintSheet8", "Печать 3-й стр....", 8, 1256, 200,
           "Печать 3-й стр. Продолжения к приложению..."),
};

// ---- "Академическая справка (Стр.1)" (sheet 4).
constexpr PageItem kAcademic[] = {
    label("Фамилия, имя, отчество", 8, 6, "lbFIO4"),
    edit("edSurName4", 8, 22, 420),
    edit("edName4", 8, 44, 420),
    label("Дата рождения", 8, 70, "lbBirthDay4"),
    edit("edBirthDay4", 120, 68, 150),
    wrapped("lbPrevDocum4",
            "Документ о предшествующем уровне образования и наименовании учреждения, его "
            "выдавшего:",
            8, 90, 420),  // clear of the birth date field (designed at 88)
    edit("edPrevDocum41", 8, 120, 420),
    edit("edPrevDocum42", 8, 142, 420),
    edit("edPrevDocum43", 8, 164, 420),
    label("Обучался(лась):", 8, 192, "lbEducated4"),
    label("с", 8, 214, "lbFrom41"),
    edit("edEduDateFrom41", 28, 212, 140),
    label("г.", 172, 214, "Label15"),
    label("по", 8, 238, "lbTo41"),
    edit("edEduDateTo41", 28, 236, 140),
    label("г.", 172, 238, "Label16"),
    label("в", 8, 262, "Label18"),
    edit("edEntry41", 28, 260, 182),
    edit("edEntry42", 28, 282, 182),
    edit("edEntry43", 28, 304, 182),
    edit("edEntry44", 28, 326, 182),
    label("с", 222, 214, "lbFrom42"),
    edit("edEduDateFrom42", 244, 212, 140),
    label("г.", 388, 214, "lbYear42"),
    label("по", 222, 238, "lbTo42"),
    edit("edEduDateTo42", 244, 236, 140),
    label("г.", 388, 238, "Label17"),
    label("в", 222, 262, "Label19"),
    edit("edEducated41", 244, 260, 184),
    edit("edEducated42", 244, 282, 184),
    edit("edEducated43", 244, 304, 184),
    edit("edEducated44", 244, 326, 184),
    label("Форма обучения:", 8, 354, "lbFormOfEducation"),
    edit("edFormOfEdu1", 8, 370, 202),
    edit("edFormOfEdu2", 222, 370, 206),
    label("Специальность:", 8, 398, "lbSpecial4"),
    edit("edSpecial41", 8, 414, 420),
    edit("edSpecial42", 8, 436, 420),
    edit("edSpecial43", 8, 458, 420),
    // Right part.
    label("Город", 470, 8, "lbTown4"),
    edit("edTown4", 560, 6, 300),
    label("Учебное заведение (построчно)", 470, 32, "lbSchool4"),
    lines(Group::edSchool4, 470, 48, 390),
    label("АКАДЕМИЧЕСКАЯ", 470, 184, "lbAppToDipl41"),
    label("СПРАВКА", 470, 200, "lbAppToDipl42"),
    label("АС 0710299", 760, 184, "Label20"),
    label("№", 600, 202, "lbNumOfDipl4"),
    edit("edNumToDipl4", 620, 200, 200),
    edit("edRegNo4", 470, 234, 170),
    label("(регистрационный номер)", 470, 256, "lbRegNo4"),
    edit("edDateOut4", 660, 234, 170),
    label("(дата выдачи)", 660, 256, "lbDateOut4"),
    label("ПРИКАЗ", 470, 288, "lbOrder"),
    label("№", 530, 288, "Label24"),
    edit("edOrder", 550, 286, 120),
    edit("edPresentDate4", 690, 286, 140),
    label("(дата приказа)", 690, 308, "lbDateOrder"),
    label("года", 836, 288, "Label43"),
    label("Причина отчисления", 470, 334, "lbReasonOfDeduction"),
    lines(Group::edReason4, 470, 350, 390),
    hiddenLabel("Label10", "", 470, 170),
    hiddenLabel("Label11", "", 8, 210),
    hiddenLabel("Label12", "", 8, 190),
    hiddenLabel("Label13", "", 8, 310),
    hiddenLabel("Label14", "", 8, 354),
    radio("rgProfEduTypeAcadem", "Справка\nСПО|НПО", 470, 500, 150, 72, true),
    // The table below the left part.
    label("Наименование дисциплин", 8, 618, "Label46"),
    label("Кол-во\nауд. часов", 252, 604, "Label47"),
    label("Итоговая\nоценка", 332, 604, "Label48"),
    table(),
    button("bbPrintSheet4", "Печать Академической Справки...", 8, 1256, 240,
           "Печать 1-й стр. Академической Справки..."),
};

// ---- "Свидетельство" (sheet 6).
constexpr PageItem kCertificate[] = {
    label("Строчка сверху:", 8, 12),
    edit("edTownCertificate0", 190, 10, 340),
    label("Город:", 8, 36),
    edit("edTownCertificate", 190, 34, 340),
    label("Учебное заведение:", 8, 60),
    edit("edSchoolCertificate1", 190, 58, 340),
    edit("edSchoolCertificate2", 190, 80, 340),
    hiddenEdit("edSchoolCertificate3", 190, 102, 340),
    hiddenEdit("edSchoolCertificate4", 190, 124, 340),
    wrapped("Label60", "Решением\nГосударственной аттестационной комиссии", 8, 140, 160),
    label("от", 170, 174, "Label61"),
    edit("edPresentDateCertificate", 190, 172, 200),
    label("года", 396, 174, "Label62"),
    hiddenEdit("edPresentDateCertificate1", 190, 196, 40),
    hiddenEdit("edPresentDateCertificate2", 236, 196, 154),
    label("Фамилия, имя,\nотчество:", 8, 226),
    edit("edStudentCertificate1", 190, 226, 340),
    edit("edStudentCertificate2", 190, 248, 340),
    hiddenEdit("edStudentCertificate3", 190, 270, 340),
    wrapped("lbQualifyCert", "присваивается квалификация", 8, 300, 120),
    edit("edQualifyCertificate1", 190, 300, 340),
    edit("edQualifyCertificate2", 190, 322, 340),
    edit("edQualifyCertificate3", 190, 344, 340),
    edit("edQualifyCertificate4", 190, 366, 340),
    edit("edQualifyCertificate5", 190, 388, 340),
    hiddenLabel("lPredGosAttComCert", "Председатель ГАК:", 8, 422),
    hiddenEdit("edPredGosAttComCert", 190, 420, 340),
    hiddenLabel("lRukObrazUchCert", "Руководитель:", 8, 446),
    hiddenEdit("edRukObrazUchCert", 190, 444, 340),
    label("Регистрационный №", 8, 480, "lbRegNoCert"),
    edit("edRegNoCertificate", 190, 478, 150),
    label("Дата выдачи", 8, 504, "lbDateOutCert"),
    hiddenLabel("Label52", "Выдано", 8, 528),
    hiddenLabel("Label57", "года", 396, 528),
    wrapped("Label58", "(полное наименование образовательного учреждения и его местонахождение):",
            8, 100, 170, true),
    edit("edDateOutCertificate", 190, 502, 200),
    hiddenEdit("edDateOutCertificate1", 190, 526, 40),
    hiddenEdit("edDateOutCertificate2", 236, 526, 154),
    radio("rgProfEduTypeCert", "Бланк\nКнижный лист|Альбомный лист", 580, 6, 210, 72),
    label("РОССИЙСКАЯ ФЕДЕРАЦИЯ", 580, 200, "lRF6"),
    label("СВИДЕТЕЛЬСТВО", 580, 222, "lSvidetelstvo"),
    label("ОБ\nУРОВНЕ\nКВАЛИФИКАЦИИ", 580, 250, "Label66"),
    label("СВИДЕТЕЛЬСТВО", 580, 310, "Label67"),
    check("cbBold_Certificate", "Жирный шрифит", 580, 88),
    check("cbItalic_Certificate", "Курсив", 580, 110),
    check("cbCopySignDbl", "Дубликат", 580, 132),
    button("sbtCopyToCertAppList", "Скопировать данные в приложение", 550, 166, 245),
    button("bbPrintSheet6", "Печать Сертификата...", 190, 566, 200, "Печать Сертификата..."),
};

// ---- "Приложение к Свидетельству" (sheet 7).
constexpr PageItem kCertSupplement[] = {
    label("Фамилия, имя, отчество", 8, 6, "lbFIO7"),
    edit("edSurName7", 8, 22, 394),
    edit("edName7", 8, 44, 394),
    label("Дата рождения", 8, 70, "lbBirthDay7"),
    edit("edBirthDay7", 120, 68, 150),
    wrapped("lbPrevDocum7", "Документ о предшествующем уровне образования:", 8, 94, 394),
    edit("edPrevDocum71", 8, 126, 394),
    edit("edPrevDocum72", 8, 148, 394),
    edit("edPrevDocum73", 8, 170, 394),
    wrapped("Label75",
            "За время обучения сдал(а) зачеты, промежуточные и итоговые экзамены по следующим "
            "дисциплинам:",
            8, 196, 394),
    label("Наименование дисциплин", 8, 244, "Label74"),
    // 78 and 326 instead of 72 and 318: «Количество» was cut at 72.
    wrapped("Label72", "Количество аудиторных часов", 244, 230, 78),
    wrapped("Label73", "Итоговая оценка", 326, 230, 84),
    table(),
    // Right part.
    label("Город", 440, 8, "lbTown7"),
    edit("edTown7", 530, 6, 300),
    label("Учебное заведение (построчно)", 440, 32, "Label64"),
    lines(Group::edSchool7, 440, 48, 390),
    label("ПРИЛОЖЕНИЕ К\nСВИДЕТЕЛЬСТВУ", 440, 140, "lbAppToCert"),
    label("№", 580, 158, "lbNumToCert"),
    edit("edNumToDipl7", 600, 156, 200),
    hiddenLabel("lbSerNum7", "Серия и номер", 440, 186),
    hiddenEdit("edAddName7", 560, 184, 240),
    edit("edRegNo7", 440, 210, 170),
    label("(регистрационный номер)", 440, 232, "lbRegNo7"),
    edit("edDateOut7", 630, 210, 170),
    label("(дата выдачи)", 630, 232, "lbDateOut7"),
    label("Решением Государственной аттестационной комиссии", 440, 260, "lbGak7"),
    label("от", 440, 282, "Label81"),
    edit("edPresentDate7", 460, 280, 200),
    label("года", 666, 282, "Label82"),
    label("присвоена КВАЛИФИКАЦИЯ", 440, 310, "lbPraktic7"),
    wrapped("Label70", "", 440, 100, 390, true),
    lines(Group::edQualify7, 440, 326, 390),
    hiddenEdit("edQualify5", 440, 458, 390),
    hiddenEdit("edQualify6", 440, 480, 390),
    hiddenEdit("edDate1", 440, 512, 40),
    hiddenEdit("edDate2", 486, 512, 120),
    hiddenEdit("edDate3", 612, 512, 60),
    hiddenEdit("edNameDoc1", 440, 544, 390),
    hiddenEdit("edNameDoc2", 440, 566, 390),
    button("bbPrintSheet7", "Печать Приложения к Свидетельству...", 8, 1080, 270,
           "Печать 1-й стр. Приложения к Сертификату..."),
};

#undef VELLEX_TABLE_HEADS

constexpr std::array<PageLayout, 8> kPages{{
    {Page::Diploma, "Диплом", 800, 720, kDiploma},
    {Page::SupplementSpo, "Приложение СПО (Стр.1)", 990, 1110, kSupplementSpo},
    {Page::SupplementNpo, "Приложение НПО (Стр.1)", 990, 860, kSupplementNpo},
    {Page::Page2, "Приложение / Справка (Стр.2)", 800, 0, kPage2},
    {Page::Page3, "Продолжение (Стр.3)", 800, 1290, kPage3},
    {Page::Academic, "Академическая справка (Стр.1)", 880, 1290, kAcademic},
    {Page::Certificate, "Свидетельство", 800, 600, kCertificate},
    {Page::CertSupplement, "Приложение к Свидетельству", 850, 1116, kCertSupplement},
}};

constexpr Table kTables[] = {Table::Disciplines, Table::Disciplines8, Table::Disciplines4,
                             Table::Disciplines7};

}  // namespace

std::span<const PageLayout> pageLayouts() {
    return kPages;
}

const PageLayout& pageLayout(Page page) {
    return *std::find_if(kPages.begin(), kPages.end(),
                         [page](const PageLayout& p) { return p.page == page; });
}

TableGeometry tableGeometry(Table t, int modeNDiscipl) {
    switch (t) {
        case Table::Disciplines:
            return {t, 8, 353, 376, 65, 456, 95, 90, modeNDiscipl == 2 ? 24 : 22, true};
        case Table::Disciplines8:
            return {t, 8, 353, 376, 65, 456, 95, 157, 22, false};
        case Table::Disciplines4:
            return {t, 8, 230, 252, 65, 332, 95, 640, 22, true};
        case Table::Disciplines7:
            // Row 1 at 282, not 252: at 252 it would cover the column heads above it.
            return {t, 8, 232, 250, 54, 314, 88, 282, 22, true};
    }
    return {t, 8, 353, 376, 65, 456, 95, 90, 22, true};
}

int page2RowTop(int row, int modeNDiscipl) {
    const TableGeometry g = tableGeometry(Table::Disciplines, modeNDiscipl);
    int top = g.firstRowTop + (row - 1) * g.pitch;
    if (modeNDiscipl == 2) {
        top += (row % 2 == 1) ? 1 : -1;
    }
    return top;
}

Page2Extent page2Extent(int rows, int modeNDiscipl) {
    const TableGeometry g = tableGeometry(Table::Disciplines, modeNDiscipl);
    const int b = g.firstRowTop + (rows - 1) * g.pitch;
    return {b + 104, b + 34, b + 68};
}

const Table* pageTable(Page page) {
    switch (page) {
        case Page::Page2:
            return &kTables[0];
        case Page::Page3:
            return &kTables[1];
        case Page::Academic:
            return &kTables[2];
        case Page::CertSupplement:
            return &kTables[3];
        default:
            return nullptr;
    }
}

}  // namespace vellex

#include "print/sheet.h"

#include <exception>
#include <string>

#include "print/academic_sheet.h"
#include "print/certificate_sheet.h"
#include "print/certificate_supplement_sheet.h"
#include "print/diploma_sheet.h"
#include "print/page2_sheet.h"
#include "print/page3_sheet.h"
#include "print/supplement_npo_sheet.h"
#include "print/supplement_spo_sheet.h"

namespace vellex {

namespace {

constexpr std::array<SheetInfo, 8> kSheets{{
    {SheetKind::Diploma, "diploma", "Диплом"},
    {SheetKind::SupplementSpo, "supplement-spo", "Приложение СПО (Стр.1)"},
    {SheetKind::Page2, "page2", "Приложение / Справка (Стр.2)"},
    {SheetKind::Academic, "academic", "Академическая справка (Стр.1)"},
    {SheetKind::SupplementNpo, "supplement-npo", "Приложение НПО (Стр.1)"},
    {SheetKind::Certificate, "certificate", "Свидетельство"},
    {SheetKind::CertificateSupplement, "certificate-supplement", "Приложение к Свидетельству"},
    {SheetKind::Page3, "page3", "Продолжение (Стр.3)"},
}};

// A kind outside the table: only a damaged value can get here.
bool unknownSheet(SheetKind kind, std::string* error) {
    if (error)
        *error = "Неизвестный лист (номер " + std::to_string(static_cast<int>(kind)) + ").";
    return false;
}

}  // namespace

const std::array<SheetInfo, 8>& sheetTable() {
    return kSheets;
}

const SheetInfo& sheetInfo(SheetKind kind) {
    return kSheets[static_cast<std::size_t>(kind)];
}

std::optional<SheetKind> sheetByCliName(std::string_view name) {
    for (const auto& s : kSheets)
        if (s.cliName == name)
            return s.kind;
    return std::nullopt;
}

namespace {

bool layoutSheetOrThrow(SheetKind kind, const Document& doc, const Settings& settings,
                        const SheetOptions& options, TReport& report, std::string* error) {
    clearPages(report);
    // One case per sheet; each calls its own layout (placement, then content).
    switch (kind) {
        case SheetKind::Diploma:
            layoutDiploma(doc, settings, report);
            return true;
        case SheetKind::Certificate:
            layoutCertificate(doc, settings, options, report);
            return true;
        case SheetKind::Academic:
            layoutAcademic(doc, settings, report);
            return true;
        case SheetKind::SupplementNpo:
            layoutSupplementNpo(doc, settings, report);
            return true;
        case SheetKind::CertificateSupplement:
            layoutCertificateSupplement(doc, settings, report);
            return true;
        case SheetKind::SupplementSpo:
            layoutSupplementSpoSheet(doc, settings, report);
            return true;
        case SheetKind::Page2:
            layoutPage2Sheet(doc, settings, report);
            return true;
        case SheetKind::Page3:
            layoutPage3Sheet(doc, settings, report);
            return true;
    }
    return unknownSheet(kind, error);
}

}  // namespace

bool layoutSheet(SheetKind kind, const Document& doc, const Settings& settings,
                 const SheetOptions& options, TReport& report, std::string* error) {
    // A fault in the layout tables (a box placed twice, a role no row makes) must not end
    // the program with the user's unsaved work: it fails this sheet, loudly.
    try {
        return layoutSheetOrThrow(kind, doc, settings, options, report, error);
    } catch (const std::exception& e) {
        clearPages(report);
        if (error)
            *error = "Лист «" + std::string(sheetInfo(kind).title) +
                     "» не разложен: ошибка в описании листа (" + e.what() +
                     "). Сообщите о ней разработчикам.";
        return false;
    }
}

}  // namespace vellex

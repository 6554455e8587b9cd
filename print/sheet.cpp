#include "print/sheet.h"

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

bool notYet(SheetKind kind, std::string* error) {
    if (error)
        *error = "Лист «" + std::string(sheetInfo(kind).title) + "» ещё не реализован.";
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

bool layoutSheet(SheetKind kind, const Document& doc, const Settings& settings,
                 const SheetOptions& options, TReport& report, std::string* error) {
    (void)doc;
    (void)settings;
    (void)options;
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
    return notYet(kind, error);
}

}  // namespace vellex

#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "report/report.h"

// The eight printed sheets and the one entry point that lays any of them out.
namespace vellex {

class Document;
struct Settings;

enum class SheetKind {
    Diploma,
    SupplementSpo,
    Page2,
    Academic,
    SupplementNpo,
    Certificate,
    CertificateSupplement,
    Page3,
};

struct SheetInfo {
    SheetKind kind;
    std::string_view cliName;  // the name vellex-print takes after --sheet
    std::string_view title;    // Russian, UTF-8, for messages
};

// One row per sheet, in the order of SheetKind.
const std::array<SheetInfo, 8>& sheetTable();
const SheetInfo& sheetInfo(SheetKind kind);
std::optional<SheetKind> sheetByCliName(std::string_view name);

// Choices a caller may impose instead of the ones stored with the document (the
// command-line tool uses them); unset means "as the page of the window has it".
struct SheetOptions {
    std::optional<int> certVariant;  // 0 portrait blank, 1 landscape blank
    std::optional<bool> certBold;
    std::optional<bool> certItalic;
};

// Clears `report` and lays the sheet out on its page 0: placement, then content.
// Returns false with a Russian (UTF-8) message in `error` when the sheet cannot be laid
// out; `report` is then left without pages.
bool layoutSheet(SheetKind kind, const Document& doc, const Settings& settings,
                 const SheetOptions& options, TReport& report, std::string* error);

}  // namespace vellex

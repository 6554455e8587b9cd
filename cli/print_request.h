#pragma once

#include <QStringList>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "print/sheet.h"

// What one run of vellex-print is asked to do, read from its command line.
namespace vellex {

enum class OutputFormat { Pdf, Json };

struct PrintRequest {
    SheetKind sheet = SheetKind::Diploma;
    std::optional<std::filesystem::path> document;
    std::optional<std::filesystem::path> settings;  // unset: App.ini of the program folder
    OutputFormat format = OutputFormat::Pdf;
    std::optional<std::filesystem::path> out;
    SheetOptions options;
    std::optional<std::string> printer;  // UTF-8 printer name: print instead of writing
    int copies = 1;
    bool grid = false;  // the millimetre grid over every page (test print on plain paper)
    bool help = false;

    // A whole group: every student of the list, from the template document, the sheets
    // in this order for each student.
    std::optional<std::filesystem::path> batchList;
    std::optional<std::filesystem::path> templateDocument;
    std::vector<SheetKind> batchSheets;
    std::optional<std::filesystem::path> saveDocuments;  // folder for each student's .app
    bool overwriteDocuments = false;                     // replace documents already in that folder
    bool batch() const { return batchList.has_value(); }
};

// The Russian usage text (UTF-8).
std::string printUsage();

// Reads the arguments (without the program name). On a mistake returns nothing and puts a
// Russian message (UTF-8) into `error`.
std::optional<PrintRequest> parsePrintRequest(const QStringList& arguments, std::string* error);

}  // namespace vellex

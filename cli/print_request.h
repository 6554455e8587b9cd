#pragma once

#include <QStringList>

#include <filesystem>
#include <optional>
#include <string>

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
    bool help = false;
};

// The Russian usage text (UTF-8).
std::string printUsage();

// Reads the arguments (without the program name). On a mistake returns nothing and puts a
// Russian message (UTF-8) into `error`.
std::optional<PrintRequest> parsePrintRequest(const QStringList& arguments, std::string* error);

}  // namespace vellex

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "storage/document_file.h"

// Converting a document written by an earlier release into the current layout: what the
// converter program does, without its command line.
namespace vellex {

struct ConvertRequest {
    std::filesystem::path from;  // the old file; it is never written
    std::filesystem::path to;    // the new file (and its settings file, when it needs one)
    DocumentLayout layout = DocumentLayout::Release412;
    bool rows86 = false;
    // The settings the old file was saved under; "eval.dat" is looked for beside them.
    // None: the program's own "App.ini" when there is one, else the defaults.
    std::optional<std::filesystem::path> settings;
};

struct ConvertResult {
    std::vector<std::string> warnings;  // Russian, each naming its file
    std::vector<std::string> changes;   // settings the new file reads back under
};

// The layout the converter's "--from" names: "1", "2", "3" or "86".
std::optional<ConvertRequest> convertRequestFor(const std::string& from);

// Reads `from` in the layout it was written with (its own settings file and its line
// count decide where they can) and saves it in the current layout. On failure returns
// false with a Russian message naming the file and the cause; the new file is then not
// written (or left as it was).
bool convertDocument(const ConvertRequest& request, ConvertResult& result, std::string* error);

}  // namespace vellex

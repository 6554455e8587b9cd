#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "storage/document_file.h"
#include "storage/settings.h"

// Before a document file is read: in which layout was it written? The file names none of
// its fields, so reading it under other settings scrambles it. The answer comes from the
// settings file beside it when there is one, otherwise from the number of its lines.
namespace vellex {

struct DocumentOpenPlan {
    bool ok = false;
    // When !ok: a Russian message naming the file, the lines found and the lines expected.
    std::string error;
    // Format, older layout and 86-row flag to read with; gradeList is left to the caller.
    DocumentReadOptions read;
    // The settings to work with while the document is open: `current` with the file's
    // edition, "SaveStyle" and row mode; with EachSaveSet on, everything its settings file
    // says.
    Settings settings;
    // The document's own settings file was there and read.
    bool companionRead = false;
    // Russian lines, one per layout setting the file differs in from `current`
    // ("строки 2-й страницы: 54 строки (2010) → 94 строки"), and the older release the
    // file was written by, when it was one.
    std::vector<std::string> changes;
};

// Works out how to read `path`. `asked` and `rows86` are what the open command asked for:
// an older-release command picks between releases whose files have the same line count,
// the count decides the rest. Reads nothing but the file and its settings file.
DocumentOpenPlan planDocumentOpen(const std::filesystem::path& path, const Settings& current,
                                  DocumentLayout asked = DocumentLayout::Current,
                                  bool rows86 = false);

// The message that tells the user what opening the document switched, or empty when it
// switched nothing.
std::string documentSwitchMessage(const std::filesystem::path& path, const DocumentOpenPlan& plan);

// Whether saving `document` under `now` must also write its settings file when EachSaveSet
// is off: its layout differs from the program's own settings (`program`, as "App.ini" has
// them), so that the count alone could not tell its edition or table order, or a settings
// file is already there and would otherwise tell an old layout.
bool documentNeedsOwnSettings(const std::filesystem::path& document, const Settings& now,
                              const Settings& program);

}  // namespace vellex

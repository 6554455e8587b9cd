#include "storage/document_save.h"

#include <optional>
#include <vector>

#include "storage/document_file.h"
#include "text/file_io.h"

namespace vellex {

bool saveDocumentFiles(const std::filesystem::path& path, const Document& doc,
                       const Settings& settings, bool withOwnSettings, std::string* error) {
    const std::string text = documentFileText(doc, documentFileFormat(settings));
    std::vector<FileContent> files{{path, text}};
    std::string settingsText;
    const std::optional<std::filesystem::path> companion =
        withOwnSettings ? companionSettingsPath(path) : std::nullopt;
    if (companion) {
        if (!settingsFileText(*companion, false, nullptr, settings, settingsText, error))
            return false;
        files.push_back({*companion, settingsText});
    }
    return writeFilesAtomically(files, error);
}

}  // namespace vellex

#include "lists/list_file_name.h"

#include <system_error>

#include "lists/list_texts.h"
#include "text/cp1251.h"
#include "text/file_io.h"
#include "text/string_utils.h"

namespace vellex {

std::filesystem::path listFilePath(std::string_view cp1251Name) {
    return pathFromUtf8(cp1251::toUtf8(cp1251Name));
}

std::string stripQuotes(std::string_view name) {
    return trimChar(name, '"');
}

std::string listFileNameForMessage(std::string_view cp1251Name) {
    return cp1251::toUtf8(cp1251Name);
}

ChosenFileName cleanChosenFileName(std::string_view chosen) {
    ChosenFileName result{std::string(chosen), std::nullopt};
    if (chosen.empty())
        return result;
    result.name = stripQuotes(chosen);
    std::error_code ec;
    if (std::filesystem::exists(listFilePath(result.name), ec) ||
        findIgnoringCase("csv", fileExtension(result.name)) != 0) {
        return result;
    }
    const std::string withCsv = result.name + ".csv";
    if (std::filesystem::exists(listFilePath(withCsv), ec)) {
        result.name = withCsv;
    } else {
        result.warning =
            UserMessage{std::string(list_texts::kFileNotFound), MessageIcon::Warning, false};
    }
    return result;
}

}  // namespace vellex

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "lists/user_message.h"

// File names of the lists as the window holds them: CP1251 text typed or chosen by the
// operator, perhaps pasted with the double quotes a file manager adds.
namespace vellex {

// The file a CP1251 name means on this system.
std::filesystem::path listFilePath(std::string_view cp1251Name);

// The name without its leading and trailing double quotes.
std::string stripQuotes(std::string_view name);

// The name for messages (UTF-8).
std::string listFileNameForMessage(std::string_view cp1251Name);

struct ChosenFileName {
    std::string name;                    // what the file-name edit is to show
    std::optional<UserMessage> warning;  // "Файл не найден!"
};

// A name chosen in a file dialog, cleaned: quotes removed, and a missing file whose
// extension is not a csv one tried again with ".csv" appended. An empty name stays empty.
ChosenFileName cleanChosenFileName(std::string_view chosen);

}  // namespace vellex

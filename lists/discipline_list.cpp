#include "lists/discipline_list.h"

#include <algorithm>
#include <system_error>

#include "lists/list_file_name.h"
#include "lists/list_texts.h"
#include "text/file_io.h"
#include "text/line_cursor.h"
#include "text/string_utils.h"

namespace vellex {
namespace fs = std::filesystem;
namespace {

constexpr Table kBlankTables[] = {Table::Disciplines, Table::Disciplines8};

std::vector<std::string> splitLines(std::string_view data) {
    std::vector<std::string> lines;
    LineCursor cursor(data);
    std::string_view line;
    while (cursor.next(line))
        lines.emplace_back(line);
    return lines;
}

void cleanEntries(std::vector<std::string>& entries, char c) {
    for (std::string& e : entries)
        e = trimChar(e, c);
}

}  // namespace

std::vector<std::string> DisciplineList::parse(std::string_view data, std::string_view separator) {
    std::vector<std::string> entries = splitLines(data);
    if (!separator.empty())
        cleanEntries(entries, separator.front());
    return entries;
}

UserMessages DisciplineList::load(std::string_view fileNameText, Settings& settings) {
    fileName_ = stripQuotes(fileNameText);
    entries_.clear();
    std::error_code ec;
    if (fileName_.empty() || !fs::exists(listFilePath(fileName_), ec))
        return {};
    std::string data;
    std::string cause;
    if (!readTextFile(listFilePath(fileName_), data, &cause, kMaxSmallFileBytes)) {
        // The list stays empty, and closing will not write over a file it never showed.
        unreadFile_ = fileName_;
        return {{cause, MessageIcon::Error, false}};
    }
    entries_ = parse(data, settings.SplitField);
    UserMessages messages;
    if (!entries_.empty() && settings.SplitField.empty())
        messages.push_back({std::string(list_texts::kEmptySeparator), MessageIcon::Warning, false});
    settings.DisciplinesFileName = fileName_;
    return messages;
}

bool DisciplineList::add(std::string_view name) {
    if (name.empty())
        return false;
    const std::string wanted = lowerCase(name);
    const bool listed = std::any_of(entries_.begin(), entries_.end(),
                                    [&](const std::string& e) { return lowerCase(e) == wanted; });
    if (listed)
        return false;
    entries_.emplace_back(name);
    return true;
}

void DisciplineList::remove(std::size_t index) {
    if (index < entries_.size())
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

UserMessages DisciplineList::fillBlank(Document& doc) const {
    UserMessages warnings;
    std::size_t next = 0;
    for (const Table table : kBlankTables) {
        for (int row = 1; row <= doc.rowCount(table) && next < entries_.size(); ++row)
            doc.setCell(table, row, Column::Discipline, entries_[next++]);
    }
    for (; next < entries_.size(); ++next) {
        warnings.push_back(
            {std::string(list_texts::kTooManyDisciplines), MessageIcon::Warning, false});
    }
    return warnings;
}

std::optional<UserMessage> DisciplineList::takeFromBlankQuestion() const {
    if (entries_.empty())
        return std::nullopt;
    return UserMessage{std::string(list_texts::kReplaceDisciplines), MessageIcon::Warning, true};
}

void DisciplineList::takeFromBlank(const Document& doc) {
    entries_.clear();
    for (const Table table : kBlankTables) {
        for (int row = 1; row <= doc.rowCount(table); ++row) {
            const std::string& name = doc.cell(table, row, Column::Discipline);
            if (name.empty())
                return;  // page 3 continues page 2 only when page 2 is full
            entries_.push_back(name);
        }
    }
}

DisciplineList::Closing DisciplineList::close(std::string_view fileNameText, Settings& settings) {
    Closing closing;
    if (entries_.empty())
        return closing;
    fileName_ = stripQuotes(fileNameText);
    const fs::path file = listFilePath(fileName_);
    std::error_code ec;
    // A list that cannot be written is never dropped without a word: the window tells
    // why and offers another file (or closing without saving).
    auto failed = [&](std::string why) {
        closing.mayClose = false;
        closing.messages.push_back({std::string(list_texts::kDisciplinesNotSaved) + "\r\n" + why,
                                    MessageIcon::Error, false});
        closing.saveElsewhere =
            UserMessage{std::string(list_texts::kSaveListElsewhere), MessageIcon::Warning, true};
        return closing;
    };
    if (!file.has_parent_path())
        return failed("В имени файла не указана папка: " + listFileNameForMessage(fileName_));
    if (!unreadFile_.empty() && fileName_ == unreadFile_)
        return failed("Файл «" + listFileNameForMessage(fileName_) +
                      "» не удалось прочитать, и он не перезаписывается.");
    if (!fs::exists(file, ec)) {
        std::string cause;
        if (!createFolderPath(file.parent_path(), &cause))
            return failed(cause);
    }
    if (!fs::is_directory(file.parent_path(), ec))
        return failed("Папка файла «" + listFileNameForMessage(fileName_) + "» недоступна.");
    std::string data;
    for (const std::string& e : entries_) {
        data += e;
        data += "\r\n";
    }
    std::string cause;
    if (!writeFileAtomically(file, data, &cause))
        return failed(cause);
    settings.DisciplinesFileName = fileName_;
    return closing;
}

}  // namespace vellex

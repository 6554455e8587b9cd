#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lists/user_message.h"
#include "model/document.h"
#include "storage/settings.h"

// The discipline list: the names of a group's disciplines, one a line in a CP1251 file
// ("DisciplinesFileName"). The discipline list window edits it, fills the name column of
// pages 2 and 3 from it, or takes it over from them, and writes it when it closes.
namespace vellex {

class DisciplineList final {
  public:
    // Reads the file named by `fileNameText` (the file-name edit; its double quotes are
    // dropped, see fileName()). A missing file gives an empty list; an existing one makes
    // its name the "DisciplinesFileName". Lines lose their leading and trailing runs of
    // the separator's first character, so a one-column CSV export reads as bare names.
    UserMessages load(std::string_view fileNameText, Settings& settings);

    // The lines of a file's text as entries, cleaned as `load` cleans them.
    static std::vector<std::string> parse(std::string_view data, std::string_view separator);

    const std::string& fileName() const { return fileName_; }
    const std::vector<std::string>& entries() const { return entries_; }

    // Appends `name` unless it is empty or listed already (letter case ignored).
    bool add(std::string_view name);
    // Removes entry `index` (0-based); any other index does nothing.
    void remove(std::size_t index);

    // Writes the entries into the name column of `Disciplines`, then of `Disciplines8`;
    // hours, grades and rows past the list keep their texts. One warning for each entry
    // that finds no row.
    UserMessages fillBlank(Document& doc) const;

    // The question to ask before taking the list from the blank; none for an empty list.
    std::optional<UserMessage> takeFromBlankQuestion() const;
    // Replaces the entries with the names of `Disciplines` up to its first empty name,
    // followed, when every row of page 2 held one, by those of `Disciplines8`.
    void takeFromBlank(const Document& doc);

    struct Closing {
        bool mayClose = true;
        UserMessages messages;
        // After a failed write: the question whether to save into another file. «Да»
        // lets the user choose one and close again; «Нет» closes without saving.
        std::optional<UserMessage> saveElsewhere;
    };
    // Writes a non-empty list to the file the edit names, creating missing folders, and
    // then makes it the "DisciplinesFileName". An empty list touches nothing. A list that
    // could not be written keeps the window open unless the user declines to save it.
    Closing close(std::string_view fileNameText, Settings& settings);

  private:
    std::string unreadFile_;  // the file load could not read: never written over
    std::string fileName_;
    std::vector<std::string> entries_;
};

}  // namespace vellex

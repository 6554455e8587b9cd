#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A Windows-style INI text kept line by line, so that a file read and written back keeps
// its bytes, its comments, its unknown keys and its order. Section and key names are
// compared without regard to (Latin) case; the first of duplicate sections or keys wins.
namespace vellex {

class IniFile final {
  public:
    IniFile() = default;

    // Splits the text into lines (CR LF, LF or CR alone end one). A UTF-8 byte order mark
    // in front is dropped (and never written back); hadByteOrderMark() tells.
    static IniFile parse(std::string_view text);
    bool hadByteOrderMark() const { return hadByteOrderMark_; }

    // The lines joined with CR LF, the last one included.
    std::string serialize() const;

    // The value of `key` in `section`, trimmed of surrounding blanks and then of one pair
    // of double quotes around it; none when the section or the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Replaces the value of an existing key in place (keeping the spelling of its name);
    // a new key goes after the last non-empty line of its section, a new section to the
    // end of the text. CR and LF in `value` become spaces so that one value stays one line;
    // a value with a blank at either end, or in quotes, is written in double quotes.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    const std::vector<std::string>& lines() const { return lines_; }
    bool hasSection(std::string_view section) const {
        return findSection(section) != std::string::npos;
    }

  private:
    bool hadByteOrderMark_ = false;
    // Index of the "[section]" line, or npos.
    std::size_t findSection(std::string_view section) const;
    // One past the last line of the section that starts at `header`.
    std::size_t sectionEnd(std::size_t header) const;

    std::vector<std::string> lines_;
};

}  // namespace vellex

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lists/user_message.h"

// The student list: a CP1251 text file, one student a line, five fields (surname, first
// name, patronymic, birth date, birth place) separated by the "SplitField" text. The
// student list window shows it through a StudentList, which holds the rows, removes
// rows and writes the list back when the window closes.
namespace vellex {

inline constexpr int kStudentFields = 5;

// The fields of one line: five or more (fields past the fifth are kept but never shown
// and never written back).
using StudentRow = std::vector<std::string>;

// A line as a row. Lines of five or more fields have each field cleaned of surrounding
// spaces and double quotes; lines of two to four fields are filled up with empty fields
// and not cleaned; a line of fewer than two fields is no student.
std::optional<StudentRow> parseStudentLine(std::string_view line, std::string_view separator);

// The rows of a list file's text, in order.
std::vector<StudentRow> parseStudentList(std::string_view data, std::string_view separator);

// The text a list file gets for `rows`: each row's first five fields joined by the
// separator, nothing quoted, every line ended by CR LF.
std::string composeStudentList(const std::vector<StudentRow>& rows, std::string_view separator);

class StudentList final {
  public:
    // Loading, in three steps so that a window can show rows while a long list is read:
    // begin (checks, reads the file), more (parses a batch of lines), end (the warning
    // when nothing was loaded). `load` does all three.
    //
    // begin: clears the rows and the modified mark; refuses an empty separator with its
    // warning; takes the file name without its double quotes (fileName(), to be put back
    // into the file-name edit); a missing file is no error and loads nothing.
    UserMessages beginLoad(std::string_view listFileName, std::string_view separator);
    // Parses up to `maxLines` further lines; returns true while lines remain.
    bool loadMore(std::size_t maxLines);
    // The warning about an empty list, when a file was read and gave no row.
    UserMessages endLoad();
    UserMessages load(std::string_view listFileName, std::string_view separator);

    // How much of the file has been parsed, 0..1.
    double loadProgress() const;

    const std::string& fileName() const { return fileName_; }
    const std::vector<StudentRow>& rows() const { return rows_; }
    bool modified() const { return modified_; }

    // Removes row `index` (0-based) and marks the list modified; any other index does
    // nothing.
    void removeRow(std::size_t index);

    // When the list was modified, writes it back to its file, replacing the old one only
    // once the new one is complete: the file as read without the removed rows' lines. A failure,
    // or a file changed since it was read, leaves the file and is returned as an error message.
    // An unmodified list never touches the file.
    UserMessages close();

  private:
    using LineSpan = std::pair<std::size_t, std::size_t>;  // a line's bytes with its end
    std::string keptText() const;

    std::string fileName_;
    std::string separator_;
    std::string data_;
    std::size_t parsed_ = 0;
    bool reading_ = false;
    std::vector<StudentRow> rows_;
    std::vector<LineSpan> lineSpans_;  // where each row's line lies in data_
    std::vector<LineSpan> removedSpans_;
    bool modified_ = false;
};

}  // namespace vellex

#pragma once

#include <cstddef>
#include <string_view>

// Walks the lines of a whole text file held in memory. A line ends at CR LF, LF or CR
// alone (files from every kind of editor); the last line counts even without an end, and
// an end at the very end of the file opens no further line.
namespace vellex {

class LineCursor final {
  public:
    explicit LineCursor(std::string_view data, std::size_t start = 0) : data_(data), pos_(start) {}

    // The next line without its end; false when the text is used up.
    bool next(std::string_view& line);
    bool atEnd() const { return pos_ >= data_.size(); }
    // How far the walk has got, in bytes, for a progress bar.
    std::size_t position() const { return pos_; }
    std::size_t size() const { return data_.size(); }

  private:
    std::string_view data_;
    std::size_t pos_;
};

}  // namespace vellex

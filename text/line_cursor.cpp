#include "text/line_cursor.h"

namespace vellex {

bool LineCursor::next(std::string_view& line) {
    if (pos_ >= data_.size())
        return false;
    std::size_t end = data_.find_first_of("\r\n", pos_);
    std::size_t after = end + 1;
    if (end == std::string_view::npos) {
        end = data_.size();
        after = end;
    } else if (data_[end] == '\r' && after < data_.size() && data_[after] == '\n') {
        ++after;
    }
    line = data_.substr(pos_, end - pos_);
    pos_ = after;
    return true;
}

}  // namespace vellex

#include "lists/list_lines.h"

namespace vellex {

bool LineCursor::next(std::string_view& line) {
    if (pos_ >= data_.size())
        return false;
    std::size_t end = data_.find('\n', pos_);
    std::size_t after = end + 1;
    if (end == std::string_view::npos) {
        end = data_.size();
        after = end;
    }
    std::size_t stop = end;
    if (stop > pos_ && data_[stop - 1] == '\r')
        --stop;
    line = data_.substr(pos_, stop - pos_);
    pos_ = after;
    return true;
}

}  // namespace vellex

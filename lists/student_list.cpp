#include "lists/student_list.h"

#include <algorithm>
#include <system_error>

#include "lists/list_fields.h"
#include "lists/list_file_name.h"
#include "lists/list_texts.h"
#include "text/file_io.h"
#include "text/line_cursor.h"

namespace vellex {
namespace {

UserMessage warning(std::string_view text) {
    return UserMessage{std::string(text), MessageIcon::Warning, false};
}

UserMessage error(std::string text) {
    return UserMessage{std::move(text), MessageIcon::Error, false};
}

// Parses one line into `rows` reusing `pieces` between lines.
void addStudentLine(std::string_view line, std::string_view separator,
                    std::vector<std::string>& pieces, std::vector<StudentRow>& rows) {
    splitListLine(line, separator, pieces);
    if (pieces.size() < 2)
        return;
    if (pieces.size() >= kStudentFields) {
        for (std::string& p : pieces)
            cleanListFieldInPlace(p);
    } else {
        pieces.resize(kStudentFields);
    }
    rows.push_back(std::move(pieces));
    pieces = {};
}

// Lines in the text, so that the rows are allocated once.
std::size_t lineCountHint(std::string_view data) {
    return static_cast<std::size_t>(std::count(data.begin(), data.end(), '\n')) + 1;
}

}  // namespace

std::optional<StudentRow> parseStudentLine(std::string_view line, std::string_view separator) {
    std::vector<std::string> pieces;
    std::vector<StudentRow> rows;
    addStudentLine(line, separator, pieces, rows);
    if (rows.empty())
        return std::nullopt;
    return std::move(rows.front());
}

std::vector<StudentRow> parseStudentList(std::string_view data, std::string_view separator) {
    std::vector<StudentRow> rows;
    rows.reserve(lineCountHint(data));
    std::vector<std::string> pieces;
    LineCursor cursor(data);
    std::string_view line;
    while (cursor.next(line))
        addStudentLine(line, separator, pieces, rows);
    return rows;
}

std::string composeStudentList(const std::vector<StudentRow>& rows, std::string_view separator) {
    std::string out;
    for (const StudentRow& row : rows) {
        for (int i = 0; i < kStudentFields; ++i) {
            if (i > 0)
                out += separator;
            if (static_cast<std::size_t>(i) < row.size())
                out += row[static_cast<std::size_t>(i)];
        }
        out += "\r\n";
    }
    return out;
}

UserMessages StudentList::beginLoad(std::string_view listFileName, std::string_view separator) {
    modified_ = false;
    reading_ = false;
    parsed_ = 0;
    data_.clear();
    rows_.clear();
    lineSpans_.clear();
    removedSpans_.clear();
    fileName_ = std::string(listFileName);
    separator_ = std::string(separator);
    if (separator.empty())
        return {warning(list_texts::kEmptySeparator)};
    fileName_ = stripQuotes(listFileName);
    const std::filesystem::path path = listFilePath(fileName_);
    std::error_code ec;
    if (fileName_.empty() || !std::filesystem::exists(path, ec))
        return {};
    std::string cause;
    if (!readTextFile(path, data_, &cause, kMaxListBytes))
        return {error(cause)};
    reading_ = true;
    rows_.reserve(lineCountHint(data_));
    return {};
}

bool StudentList::loadMore(std::size_t maxLines) {
    if (!reading_)
        return false;
    LineCursor cursor(data_, parsed_);
    std::vector<std::string> pieces;
    std::string_view line;
    for (std::size_t n = 0; n < maxLines; ++n) {
        const std::size_t begin = cursor.position();
        if (!cursor.next(line))
            break;
        const std::size_t before = rows_.size();
        addStudentLine(line, separator_, pieces, rows_);
        if (rows_.size() != before)
            lineSpans_.push_back({begin, cursor.position()});
    }
    parsed_ = cursor.position();
    return !cursor.atEnd();
}

UserMessages StudentList::endLoad() {
    if (!reading_)
        return {};
    reading_ = false;
    if (rows_.empty())
        return {warning(list_texts::kListNotLoaded)};
    return {};
}

UserMessages StudentList::load(std::string_view listFileName, std::string_view separator) {
    UserMessages messages = beginLoad(listFileName, separator);
    while (loadMore(static_cast<std::size_t>(-1))) {
    }
    UserMessages last = endLoad();
    messages.insert(messages.end(), last.begin(), last.end());
    return messages;
}

double StudentList::loadProgress() const {
    if (!reading_ || data_.empty())
        return 1.0;
    return static_cast<double>(parsed_) / static_cast<double>(data_.size());
}

void StudentList::removeRow(std::size_t index) {
    if (index >= rows_.size())
        return;
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
    const auto span = lineSpans_.begin() + static_cast<std::ptrdiff_t>(index);
    removedSpans_.push_back(*span);
    lineSpans_.erase(span);
    modified_ = true;
}

std::string StudentList::keptText() const {
    // Every line stays exactly as read, separators, quotes, odd lines and line ends
    // included: only the bytes of removed rows go.
    std::vector<LineSpan> removed = removedSpans_;
    std::sort(removed.begin(), removed.end());
    std::string out;
    out.reserve(data_.size());
    std::size_t from = 0;
    for (const auto& [begin, end] : removed) {
        out.append(data_, from, begin - from);
        from = end;
    }
    out.append(data_, from, std::string::npos);
    return out;
}

UserMessages StudentList::close() {
    if (!modified_)
        return {};
    std::string cause;
    // Written over, a list another window changed in the meantime would lose that
    // window's students; the deletion is given up instead.
    std::string now;
    if (readWholeFile(listFilePath(fileName_), now, nullptr) && now != data_) {
        return {error("Список студентов не сохранён!\r\nФайл «" +
                      listFileNameForMessage(fileName_) +
                      "» изменён после открытия списка (другим окном или программой). Откройте "
                      "список снова и удалите студентов ещё раз.")};
    }
    if (!writeFileAtomically(listFilePath(fileName_), keptText(), &cause)) {
        return {error("Список студентов не сохранён!\r\n" + cause)};
    }
    modified_ = false;
    return {};
}

}  // namespace vellex

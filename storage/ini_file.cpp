#include "storage/ini_file.h"

#include "text/line_cursor.h"

namespace vellex {
namespace {

constexpr std::size_t npos = std::string::npos;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

// The name of a "[name]" line, or none.
std::optional<std::string_view> sectionName(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.size() < 2 || t.front() != '[')
        return std::nullopt;
    const std::size_t close = t.find(']');
    if (close == npos)
        return std::nullopt;
    return trim(t.substr(1, close - 1));
}

bool isQuoted(std::string_view s) {
    return s.size() >= 2 && s.front() == '"' && s.back() == '"';
}

// A value without the double quotes around it, as older readers of such files take it.
std::string_view unquote(std::string_view s) {
    return isQuoted(s) ? s.substr(1, s.size() - 2) : s;
}

// The key of a "key=value" line, or none for comments and other lines.
std::optional<std::string_view> keyName(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '[')
        return std::nullopt;
    const std::size_t eq = line.find('=');
    if (eq == npos)
        return std::nullopt;
    return trim(line.substr(0, eq));
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    // Editors that save "UTF-8 with BOM" put these bytes before the first section name.
    while (text.starts_with("\xEF\xBB\xBF")) {
        ini.hadByteOrderMark_ = true;
        text.remove_prefix(3);
    }
    LineCursor cursor(text);
    std::string_view line;
    while (cursor.next(line))
        ini.lines_.emplace_back(line);
    return ini;
}

std::string IniFile::serialize() const {
    std::size_t size = 0;
    for (const auto& l : lines_)
        size += l.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& l : lines_) {
        out += l;
        out += "\r\n";
    }
    return out;
}

std::size_t IniFile::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i]);
        if (name && sameName(*name, section))
            return i;
    }
    return npos;
}

std::size_t IniFile::sectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < lines_.size() && !sectionName(lines_[i]))
        ++i;
    return i;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const std::size_t header = findSection(section);
    if (header == npos)
        return std::nullopt;
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto name = keyName(lines_[i]);
        if (name && sameName(*name, key)) {
            const std::string_view line = lines_[i];
            return std::string(unquote(trim(line.substr(line.find('=') + 1))));
        }
    }
    return std::nullopt;
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    std::string clean(value);
    for (char& c : clean) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    // Blanks at either end would be trimmed away on reading, and a value in quotes would
    // lose them: such values are written in quotes, which reading removes.
    if (!clean.empty() && (isBlank(clean.front()) || isBlank(clean.back()) || isQuoted(clean)))
        clean = '"' + clean + '"';
    std::size_t header = findSection(section);
    if (header == npos) {
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + clean);
        return;
    }
    const std::size_t end = sectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        const auto name = keyName(lines_[i]);
        if (name && sameName(*name, key)) {
            const std::size_t eq = lines_[i].find('=');
            lines_[i] = lines_[i].substr(0, eq + 1) + clean;
            return;
        }
    }
    std::size_t at = end;
    while (at > header + 1 && trim(lines_[at - 1]).empty())
        --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::string(key) + "=" + clean);
}

}  // namespace vellex

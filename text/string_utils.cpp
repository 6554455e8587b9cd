#include "text/string_utils.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <system_error>

#include "text/file_io.h"

namespace vellex {
namespace {

constexpr unsigned char kCapitalYo = 168;
constexpr unsigned char kSmallYo = 184;
constexpr unsigned char kSmallYe = 229;

char lowered(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 192 && b <= 223))
        return static_cast<char>(b + 32);
    if (b == kCapitalYo)
        return static_cast<char>(kSmallYo);
    return c;
}

char loweredForCompare(char c) {
    const char l = lowered(c);
    return static_cast<unsigned char>(l) == kSmallYo ? static_cast<char>(kSmallYe) : l;
}

// Both separators count on Windows, where either may appear in a path.
constexpr std::string_view kSeparators = kPathSeparator == '/' ? "/" : "/\\";

// Where the last path component of a name starts.
std::size_t lastComponentStart(std::string_view name) {
    const std::size_t separator = name.find_last_of(kSeparators);
    return separator == std::string_view::npos ? 0 : separator + 1;
}

// The last point of the name's last component, or npos.
std::size_t extensionPoint(std::string_view name) {
    const std::size_t point = name.rfind('.');
    if (point == std::string_view::npos || point < lastComponentStart(name)) {
        return std::string_view::npos;
    }
    return point;
}

}  // namespace

std::string lowerCase(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), lowered);
    return out;
}

std::string lowerForCompare(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), loweredForCompare);
    return out;
}

int findIgnoringCase(std::string_view sought, std::string_view searched) {
    if (sought.empty())
        return 0;
    const std::size_t at = lowerForCompare(searched).find(lowerForCompare(sought));
    return at == std::string::npos ? 0 : static_cast<int>(at) + 1;
}

std::string beforeFirst(std::string_view s, char c) {
    return std::string(s.substr(0, s.find(c)));
}

std::string afterFirst(std::string_view s, char c) {
    const std::size_t at = s.find(c);
    return at == std::string_view::npos ? std::string() : std::string(s.substr(at + 1));
}

std::string beforeLast(std::string_view s, char c) {
    const std::size_t at = s.rfind(c);
    return at == std::string_view::npos ? std::string() : std::string(s.substr(0, at));
}

std::string afterLast(std::string_view s, char c) {
    const std::size_t at = s.rfind(c);
    return at == std::string_view::npos ? std::string(s) : std::string(s.substr(at + 1));
}

std::string trimChar(std::string_view s, char c) {
    const std::size_t first = s.find_first_not_of(c);
    if (first == std::string_view::npos)
        return {};
    return std::string(s.substr(first, s.find_last_not_of(c) - first + 1));
}

std::string controlsToSpaces(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return out;
}

std::string collapseSpaces(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        if (c != ' ' || out.empty() || out.back() != ' ')
            out += c;
    }
    return out;
}

int splitAtSeparator(std::string_view s, std::string_view separator,
                     std::vector<std::string>& pieces, SeparatorMatch match) {
    // Folding case keeps every byte in place, so positions found in the folded copies
    // are positions in `s`.
    std::string foldedText;
    std::string foldedSeparator;
    std::string_view text = s;
    std::string_view sep = separator;
    if (match == SeparatorMatch::IgnoringCase) {
        foldedText = lowerForCompare(s);
        foldedSeparator = lowerForCompare(separator);
        text = foldedText;
        sep = foldedSeparator;
    }
    std::size_t at = sep.empty() ? std::string_view::npos : text.find(sep);
    if (at == std::string_view::npos) {
        pieces.emplace_back(s);
        return 0;
    }
    std::size_t start = 0;
    while (at != std::string_view::npos) {
        const std::string_view piece = s.substr(start, at - start);
        if (!piece.empty() && piece != " ")
            pieces.emplace_back(piece);
        start = at + sep.size();
        at = text.find(sep, start);
    }
    pieces.emplace_back(s.substr(start));
    return static_cast<int>(pieces.size());
}

int ceilDiv(int a, int b) {
    if (b == 0)
        return 0;
    // In 64 bits so that INT_MIN / -1 cannot overflow before the result is clamped.
    const std::int64_t n = a;
    const std::int64_t d = b;
    std::int64_t q = n / d;
    if (n % d != 0 && ((n < 0) == (d < 0)))
        ++q;
    return static_cast<int>(std::clamp<std::int64_t>(q, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

std::string joinPath(std::string_view folder, std::string_view fileName) {
    std::string out(folder);
    if (!out.empty() && out.back() != kPathSeparator)
        out += kPathSeparator;
    out += fileName;
    return out;
}

std::string fileExtension(std::string_view fileName) {
    if (fileName.size() <= 4)
        return {};
    const std::size_t point = extensionPoint(fileName);
    return point == std::string_view::npos ? std::string()
                                           : std::string(fileName.substr(point + 1));
}

std::string replaceExtension(std::string_view fileName, std::string_view extension) {
    if (fileName.size() <= 4)
        return {};
    const std::size_t point = extensionPoint(fileName);
    std::string out(fileName.substr(0, point));
    out += '.';
    out += extension;
    return out;
}

bool createFolderPath(const std::filesystem::path& folder, std::string* error) {
    auto fail = [error](std::string message) {
        if (error)
            *error = std::move(message);
        return false;
    };
    if (folder.empty())
        return fail("Не удалось создать папку: путь не указан.");
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (std::filesystem::is_directory(folder))
        return true;
    // Something that is not a folder already stands at that name.
    const int err = !ec || ec.value() == EEXIST ? ENOTDIR : ec.value();
    const std::string cause = describeErrno(err);
    return fail("Не удалось создать папку «" + pathToUtf8(folder) + "»: " + cause + ".");
}

}  // namespace vellex

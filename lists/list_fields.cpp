#include "lists/list_fields.h"

#include "text/string_utils.h"

namespace vellex {
namespace {

// Folding case changes letters only, so a separator without any letter (";", ", ", "|")
// is found exactly where the folded search would find it, without copying the line.
bool hasLetter(std::string_view separator) {
    for (const char c : separator) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || b == 168 || b == 184 || b >= 192)
            return true;
    }
    return false;
}

}  // namespace

void splitListLine(std::string_view line, std::string_view separator,
                   std::vector<std::string>& pieces) {
    pieces.clear();
    splitAtSeparator(line, separator, pieces,
                     hasLetter(separator) ? SeparatorMatch::IgnoringCase : SeparatorMatch::Exact);
}

std::string cleanListField(std::string_view field) {
    std::string out(field);
    cleanListFieldInPlace(out);
    return out;
}

void cleanListFieldInPlace(std::string& field) {
    for (const char c : {' ', '"'}) {
        const std::size_t last = field.find_last_not_of(c);
        field.erase(last == std::string::npos ? 0 : last + 1);
        field.erase(0, field.find_first_not_of(c));
    }
}

}  // namespace vellex

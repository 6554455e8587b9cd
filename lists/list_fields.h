#pragma once

#include <string>
#include <string_view>
#include <vector>

// The fields of one line of the student list or of a results file.
namespace vellex {

// Fills `pieces` (cleared first) with the fields of `line`. The separator is found
// without regard to letter case. A field before a separator counts only when it is
// neither empty nor one space, so an empty field in the middle moves the later ones one
// place to the left; the field after the last separator always counts. A line without
// the separator (or an empty separator) gives itself as the one field.
void splitListLine(std::string_view line, std::string_view separator,
                   std::vector<std::string>& pieces);

// A field without its surrounding spaces, then without its surrounding double quotes.
std::string cleanListField(std::string_view field);

// cleanListField in place, without a copy.
void cleanListFieldInPlace(std::string& field);

}  // namespace vellex

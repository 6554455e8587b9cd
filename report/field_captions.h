#pragma once

#include <string>
#include <string_view>

// Russian captions for the boxes of a sheet, as the operator knows the entries from the
// pages of the window: a box is named by its role (the field it prints), and the warning
// about text that does not fit must name the entry the operator has to shorten.
namespace vellex {

// "Учебное заведение, строка 2" for "edSchool2", "Дисциплины, строка 3, часы" for
// "Disciplines row 3 AudTime". An unknown role is returned as it is; an empty one gives
// "без имени". UTF-8.
std::string fieldCaption(std::string_view role);

// The warning for a box whose text does not fit: "<caption>: текст не помещается". UTF-8.
std::string overflowMessage(std::string_view role);

}  // namespace vellex

#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/settings.h"

// The two list parameters: the field separator ("SplitField") and the birth-date format
// of the student list ("DateFormatBirthDay"), with the formats offered from
// "DateFormats.dat" in the program's folder.
namespace vellex {

inline constexpr std::string_view kDateFormatsFileName = "DateFormats.dat";

// What the format drop-down offers and which entry stands selected (-1: none).
struct DateFormatOffer {
    std::vector<std::string> formats;
    int selected = -1;
    friend bool operator==(const DateFormatOffer&, const DateFormatOffer&) = default;
};

// The offer from the text of "DateFormats.dat" (one format a line), or, without that
// file, the current format alone. The entry equal to the current format, letter case
// ignored, is selected; a current format the file lacks is added at the end and selected.
DateFormatOffer offerDateFormats(std::optional<std::string_view> fileData,
                                 std::string_view currentFormat);

// offerDateFormats from `programDir`/DateFormats.dat; a file that cannot be read counts
// as missing.
DateFormatOffer readDateFormats(const std::filesystem::path& programDir,
                                std::string_view currentFormat);

// What the dialog leaves behind when it closes: the separator as typed (empty included)
// and the chosen format (empty when none is chosen). They hold for every later list
// operation and reach "App.ini" when the settings are next written.
void applyListParams(Settings& settings, std::string separator, std::string birthDayFormat);

}  // namespace vellex

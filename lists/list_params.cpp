#include "lists/list_params.h"

#include <system_error>

#include "text/file_io.h"
#include "text/line_cursor.h"
#include "text/string_utils.h"

namespace vellex {

DateFormatOffer offerDateFormats(std::optional<std::string_view> fileData,
                                 std::string_view currentFormat) {
    DateFormatOffer offer;
    if (fileData) {
        LineCursor cursor(*fileData);
        std::string_view line;
        while (cursor.next(line))
            offer.formats.emplace_back(line);
    } else {
        offer.formats.emplace_back(currentFormat);
    }
    const std::string wanted = lowerCase(currentFormat);
    for (std::size_t i = 0; i < offer.formats.size(); ++i) {
        if (lowerCase(offer.formats[i]) == wanted) {
            offer.selected = static_cast<int>(i);
            break;
        }
    }
    // A stored format the file does not list is still offered, and chosen: closing the
    // window unchanged must keep it, not store an empty format.
    if (offer.selected < 0 && !currentFormat.empty()) {
        offer.formats.emplace_back(currentFormat);
        offer.selected = static_cast<int>(offer.formats.size() - 1);
    }
    return offer;
}

DateFormatOffer readDateFormats(const std::filesystem::path& programDir,
                                std::string_view currentFormat) {
    std::string data;
    const std::filesystem::path file = programDir / kDateFormatsFileName;
    std::error_code ec;
    if (std::filesystem::exists(file, ec) && readTextFile(file, data, nullptr, kMaxSmallFileBytes))
        return offerDateFormats(std::string_view(data), currentFormat);
    return offerDateFormats(std::nullopt, currentFormat);
}

void applyListParams(Settings& settings, std::string separator, std::string birthDayFormat) {
    settings.SplitField = std::move(separator);
    settings.DateFormatBirthDay = std::move(birthDayFormat);
}

}  // namespace vellex

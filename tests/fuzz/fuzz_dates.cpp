// Reading a typed date in every order and with any separator and current year.
#include <string>

#include "tests/fuzz/fuzz_input.h"
#include "text/dates.h"

using namespace vellex;
using vellex::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const auto order = static_cast<DateOrder>(in.byte() % 3);
    const char separator = static_cast<char>(in.byte());
    const int currentYear = in.intIn(1, 9999);
    const std::string text(in.rest());

    for (const auto& date : {parseDate(text, order, currentYear, separator),
                             parseDate(text, text, currentYear, '.')}) {
        if (!date)
            continue;
        require(date->isValid(), "a date read is a real date");
        // What the documents print reads back as the same day.
        for (const DateTextFormat format : {DateTextFormat::Numeric, DateTextFormat::LongMonth}) {
            const std::string printed = formatDate(*date, format);
            require(!printed.empty(), "a real date prints");
            if (format == DateTextFormat::Numeric)
                require(parseDate(printed, DateOrder::DayMonthYear, currentYear) == date,
                        "a printed date reads back");
        }
    }
    return 0;
}

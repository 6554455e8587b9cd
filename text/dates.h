#pragma once

#include <optional>
#include <string>
#include <string_view>

// Calendar dates as the documents write them: the date text format chosen by the blank
// edition, month names (CP1251) and reading a date typed in a list's birth-date format.
namespace vellex {

// A calendar date; nothing is checked on construction, isValid() tells.
struct Date {
    int year = 0;
    int month = 0;
    int day = 0;

    // Year 1..9999, month 1..12 and a day that the month has in that year.
    bool isValid() const;
    friend bool operator==(const Date&, const Date&) = default;
};

// Days of the month in the Gregorian calendar; 0 for a month outside 1..12.
int daysInMonth(int year, int month);

// How a date becomes text.
enum class DateTextFormat {
    Numeric,    // "dd.mm.yyyy": 07.12.2026
    LongMonth,  // "dd.mmmm.yyyy": 07.Декабрь.2026
};

// The value the student pick passes instead of an edition to get the long format.
inline constexpr int kLongDateFormatMarker = 100;

// Edition 2 ("2010 / 2011") and the marker 100 write the month's name; every other
// value writes its number.
DateTextFormat dateFormatForEdition(int editionOrMarker);

// The date in the given format, CP1251. An invalid date gives an empty string.
std::string formatDate(const Date& date, DateTextFormat format);

// "Январь" … "Декабрь" (CP1251), as the Russian calendar names the months; empty for a
// number outside 1..12.
std::string monthName(int month);

// "января" … "декабря" (CP1251); "месяца" for a number outside 1..12.
std::string monthGenitive(int month);

// The order in which a date text gives its parts.
enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

// The order a date format (such as "dd.mm.yy") implies: the first of the letters d, m, y
// or e in either case decides (y and e both mean year first); none gives month first.
DateOrder dateOrderOf(std::string_view format);

// Reads "5.3.85", "05.03.1985" or "5.3" in the given order. Blanks around the text and
// the numbers are allowed. A year of one or two digits lies in the century of
// `currentYear`; with only two parts the year is `currentYear` (and the parts are day and
// month for day-first order, month and day otherwise). Anything else — letters, a third
// separator, an impossible date — gives nothing.
std::optional<Date> parseDate(std::string_view text, DateOrder order, int currentYear,
                              char separator = '.');

// parseDate in the order of a date format.
std::optional<Date> parseDate(std::string_view text, std::string_view format, int currentYear,
                              char separator = '.');

// A birth date after the current year lies a century earlier: "05.03.85" read in 2026 as
// 2085 is 1985. Other dates come back unchanged.
Date withBirthCentury(const Date& date, int currentYear);

}  // namespace vellex

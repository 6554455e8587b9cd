#include "text/dates.h"

#include <array>
#include <cctype>

#include "text/cp1251.h"

namespace vellex {
namespace {

using MonthWords = std::array<std::string, 12>;

// The tables are written in UTF-8 here for readability and held as CP1251 like every
// other text of the core.
MonthWords toCp1251(const std::array<std::string_view, 12>& utf8) {
    MonthWords out;
    for (std::size_t i = 0; i < utf8.size(); ++i)
        out[i] = cp1251::fromUtf8(utf8[i]).bytes;
    return out;
}

const MonthWords& nominativeMonths() {
    static const MonthWords words = toCp1251({
        "Январь",
        "Февраль",
        "Март",
        "Апрель",
        "Май",
        "Июнь",
        "Июль",
        "Август",
        "Сентябрь",
        "Октябрь",
        "Ноябрь",
        "Декабрь",
    });
    return words;
}

const MonthWords& genitiveMonths() {
    static const MonthWords words = toCp1251({
        "января",
        "февраля",
        "марта",
        "апреля",
        "мая",
        "июня",
        "июля",
        "августа",
        "сентября",
        "октября",
        "ноября",
        "декабря",
    });
    return words;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// A non-negative number with leading zeros up to `width` digits.
std::string zeroPadded(int value, std::size_t width) {
    std::string digits = std::to_string(value);
    if (digits.size() < width)
        digits.insert(0, width - digits.size(), '0');
    return digits;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// A date text being read from left to right.
class Scanner final {
  public:
    explicit Scanner(std::string_view text) : text_(text) {}

    void skipBlanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }

    // One to four digits; more would be no date part anyone types.
    bool number(int& value, int& digits) {
        skipBlanks();
        value = 0;
        digits = 0;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            if (++digits > 4)
                return false;
            value = value * 10 + (text_[pos_] - '0');
            ++pos_;
        }
        return digits > 0;
    }

    bool character(char c) {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    bool atEnd() {
        skipBlanks();
        return pos_ == text_.size();
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

bool Date::isValid() const {
    return year >= 1 && year <= 9999 && day >= 1 && day <= daysInMonth(year, month);
}

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

DateTextFormat dateFormatForEdition(int editionOrMarker) {
    return editionOrMarker == 2 || editionOrMarker == kLongDateFormatMarker
               ? DateTextFormat::LongMonth
               : DateTextFormat::Numeric;
}

std::string formatDate(const Date& date, DateTextFormat format) {
    if (!date.isValid())
        return {};
    const std::string month =
        format == DateTextFormat::LongMonth ? monthName(date.month) : zeroPadded(date.month, 2);
    return zeroPadded(date.day, 2) + '.' + month + '.' + zeroPadded(date.year, 4);
}

std::string monthName(int month) {
    if (month < 1 || month > 12)
        return {};
    return nominativeMonths()[month - 1];
}

std::string monthGenitive(int month) {
    if (month < 1 || month > 12)
        return cp1251::fromUtf8("месяца").bytes;
    return genitiveMonths()[month - 1];
}

DateOrder dateOrderOf(std::string_view format) {
    for (char c : format) {
        switch (std::tolower(static_cast<unsigned char>(c))) {
            case 'd':
                return DateOrder::DayMonthYear;
            case 'm':
                return DateOrder::MonthDayYear;
            case 'y':
            case 'e':
                return DateOrder::YearMonthDay;
            default:
                break;
        }
    }
    return DateOrder::MonthDayYear;
}

std::optional<Date> parseDate(std::string_view text, DateOrder order, int currentYear,
                              char separator) {
    Scanner in(text);
    int n1 = 0, n2 = 0, n3 = 0;
    int len1 = 0, len2 = 0, len3 = 0;
    if (!in.number(n1, len1) || !in.character(separator) || !in.number(n2, len2)) {
        return std::nullopt;
    }
    Date date;
    int yearDigits = 4;
    if (in.character(separator)) {
        if (!in.number(n3, len3))
            return std::nullopt;
        switch (order) {
            case DateOrder::DayMonthYear:
                date = {n3, n2, n1};
                yearDigits = len3;
                break;
            case DateOrder::MonthDayYear:
                date = {n3, n1, n2};
                yearDigits = len3;
                break;
            case DateOrder::YearMonthDay:
                date = {n1, n2, n3};
                yearDigits = len1;
                break;
        }
    } else if (order == DateOrder::DayMonthYear) {
        date = {currentYear, n2, n1};
    } else {
        date = {currentYear, n1, n2};
    }
    if (!in.atEnd())
        return std::nullopt;
    if (yearDigits <= 2)
        date.year += currentYear / 100 * 100;
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<Date> parseDate(std::string_view text, std::string_view format, int currentYear,
                              char separator) {
    return parseDate(text, dateOrderOf(format), currentYear, separator);
}

Date withBirthCentury(const Date& date, int currentYear) {
    if (date.year <= currentYear)
        return date;
    return {date.year - 100, date.month, date.day};
}

}  // namespace vellex

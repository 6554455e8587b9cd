#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/test_support.h"
#include "text/clock.h"
#include "text/dates.h"

namespace vellex {
namespace {

TEST(MonthGenitive, NamesEveryMonthAndFallsBackForOthers) {
    const char* const words[] = {"месяца",  "января", "февраля", "марта",   "апреля",
                                 "мая",     "июня",   "июля",    "августа", "сентября",
                                 "октября", "ноября", "декабря", "месяца"};
    for (int month = 0; month <= 13; ++month) {
        EXPECT_EQ(test::u8(monthGenitive(month)), words[month]) << "month " << month;
    }
    EXPECT_EQ(test::u8(monthGenitive(-1)), "месяца");
    EXPECT_EQ(test::u8(monthGenitive(255)), "месяца");
}

TEST(DateTextFormat, EditionTwoAndTheMarkerWriteTheMonthName) {
    const struct {
        int edition;
        DateTextFormat format;
    } rows[] = {
        {0, DateTextFormat::Numeric},   {1, DateTextFormat::Numeric},
        {2, DateTextFormat::LongMonth}, {3, DateTextFormat::Numeric},
        {99, DateTextFormat::Numeric},  {kLongDateFormatMarker, DateTextFormat::LongMonth},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(dateFormatForEdition(row.edition), row.format) << "edition " << row.edition;
    }
}

TEST(DateTextFormat, FormatsTheSeventhOfDecember2026ByEdition) {
    const Date day{2026, 12, 7};
    EXPECT_EQ(formatDate(day, dateFormatForEdition(1)), "07.12.2026");
    EXPECT_EQ(test::u8(formatDate(day, dateFormatForEdition(2))), "07.Декабрь.2026");
    EXPECT_EQ(test::u8(formatDate({985, 5, 1}, DateTextFormat::LongMonth)), "01.Май.0985");
}

TEST(DateTextFormat, InvalidDateGivesNoText) {
    EXPECT_EQ(formatDate({2026, 2, 29}, DateTextFormat::Numeric), "");
    EXPECT_EQ(formatDate({2026, 13, 1}, DateTextFormat::LongMonth), "");
    EXPECT_EQ(formatDate({}, DateTextFormat::Numeric), "");
}

TEST(DateValidity, KnowsMonthLengthsAndLeapYears) {
    EXPECT_TRUE((Date{2024, 2, 29}.isValid()));
    EXPECT_TRUE((Date{2000, 2, 29}.isValid()));
    EXPECT_FALSE((Date{1900, 2, 29}.isValid()));
    EXPECT_FALSE((Date{2026, 4, 31}.isValid()));
    EXPECT_TRUE((Date{2026, 12, 31}.isValid()));
    EXPECT_FALSE((Date{2026, 0, 1}.isValid()));
    EXPECT_FALSE((Date{0, 1, 1}.isValid()));
    EXPECT_FALSE((Date{10000, 1, 1}.isValid()));
}

TEST(DateOrder, FirstOrderLetterOfTheFormatDecides) {
    EXPECT_EQ(dateOrderOf("dd.mm.yy"), DateOrder::DayMonthYear);
    EXPECT_EQ(dateOrderOf("DD.MM.YYYY"), DateOrder::DayMonthYear);
    EXPECT_EQ(dateOrderOf("mm/dd/yyyy"), DateOrder::MonthDayYear);
    EXPECT_EQ(dateOrderOf("yyyy.mm.dd"), DateOrder::YearMonthDay);
    EXPECT_EQ(dateOrderOf("ee.mm.dd"), DateOrder::YearMonthDay);
    EXPECT_EQ(dateOrderOf("  .-"), DateOrder::MonthDayYear);
    EXPECT_EQ(dateOrderOf(""), DateOrder::MonthDayYear);
}

// Dates read in 2026, so short years land in 2000..2099.
TEST(ParseDate, ReadsThePartsInTheFormatsOrder) {
    const struct {
        const char* text;
        const char* format;
        std::optional<Date> expected;
    } rows[] = {
        {"05.03.85", "dd.mm.yy", Date{2085, 3, 5}},
        {"5.3.1985", "dd.mm.yy", Date{1985, 3, 5}},
        {" 5 . 3 . 1985 ", "dd.mm.yyyy", Date{1985, 3, 5}},
        {"03.05.1985", "mm.dd.yyyy", Date{1985, 3, 5}},
        {"1985.03.05", "yyyy.mm.dd", Date{1985, 3, 5}},
        {"85.3.5", "yy.mm.dd", Date{2085, 3, 5}},
        {"03.05.1985", "", Date{1985, 3, 5}},
        {"7.1.0", "dd.mm.yy", Date{2000, 1, 7}},
        {"1.1.985", "dd.mm.yyyy", Date{985, 1, 1}},
        {"5.3", "dd.mm.yy", Date{2026, 3, 5}},
        {"3.5", "mm.dd.yy", Date{2026, 3, 5}},
        {"3.5", "yy.mm.dd", Date{2026, 3, 5}},
        {"29.02.24", "dd.mm.yy", Date{2024, 2, 29}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(parseDate(row.text, row.format, 2026), row.expected)
            << row.text << " as " << row.format;
    }
}

TEST(ParseDate, ShortYearsTakeTheCenturyOfToday) {
    EXPECT_EQ(parseDate("1.2.99", "dd.mm.yy", 1999), (Date{1999, 2, 1}));
    EXPECT_EQ(parseDate("1.2.99", "dd.mm.yy", 2001), (Date{2099, 2, 1}));
    EXPECT_EQ(parseDate("1.2.0099", "dd.mm.yy", 2001), (Date{99, 2, 1}));
}

TEST(ParseDate, BirthDatesAfterThisYearAreACenturyEarlier) {
    const auto born = parseDate("05.03.85", "dd.mm.yy", 2026);
    ASSERT_TRUE(born.has_value());
    EXPECT_EQ(withBirthCentury(*born, 2026), (Date{1985, 3, 5}));
    EXPECT_EQ(withBirthCentury({2026, 12, 31}, 2026), (Date{2026, 12, 31}));
    EXPECT_EQ(withBirthCentury({2027, 1, 1}, 2026), (Date{1927, 1, 1}));
    EXPECT_EQ(withBirthCentury({2096, 2, 29}, 2026), (Date{1996, 2, 29}));
}

TEST(ParseDate, OtherSeparator) {
    EXPECT_EQ(parseDate("05/03/1985", "dd/mm/yyyy", 2026, '/'), (Date{1985, 3, 5}));
    EXPECT_EQ(parseDate("05.03.1985", "dd/mm/yyyy", 2026, '/'), std::nullopt);
}

TEST(ParseDate, RejectsGarbageWithoutCrashing) {
    const std::string rows[] = {
        "",
        "   ",
        ".",
        "..",
        "5",
        "5.",
        "5.3.",
        ".5.3",
        "5..3",
        "5.3.1985.",
        "5.3.1985.1",
        "5.3.1985x",
        "x5.3.1985",
        "31.02.2026",
        "29.02.2026",
        "0.3.1985",
        "5.0.1985",
        "5.13.1985",
        "32.1.1985",
        "5.3.0000",
        "5.3.19850",
        "99999999999999999999.1.1",
        "5-3-1985",
        test::cp("пятое.марта.1985"),
        std::string("5.3\0.1985", 9),
        "\xFF\x80.\x01.\xC0",
    };
    for (const auto& text : rows) {
        EXPECT_EQ(parseDate(text, "dd.mm.yy", 2026), std::nullopt) << test::u8(text);
    }
}

TEST(Clock, SystemClockGivesAValidDate) {
    EXPECT_TRUE(systemClock().today().isValid());
}

}  // namespace
}  // namespace vellex

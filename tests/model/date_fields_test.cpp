#include <gtest/gtest.h>

#include "model/date_fields.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::cp;

constexpr Date kToday{2026, 12, 7};

TEST(StartupDateFields, BeforeVersion2TheFullDateIsWritten) {
    for (int version : {0, 1}) {
        Document doc;
        fillStartupDateFields(doc, version, kToday);
        for (Field f : {Field::edDateOut, Field::edDateOut4, Field::edPresentDate4,
                        Field::edDateOutNPO, Field::edDateOutDiplom, Field::edPresentDateNPO}) {
            EXPECT_EQ(doc.text(f), "07.12.2026") << fieldName(f) << " v" << version;
        }
        EXPECT_EQ(doc.text(Field::edPresentDate), "2026");
        EXPECT_EQ(doc.text(Field::edDateOutDiplom1), "");
        EXPECT_EQ(doc.text(Field::edBirthDay), "");
    }
}

TEST(StartupDateFields, Version2FillsTheDatePartBoxes) {
    Document doc;
    fillStartupDateFields(doc, 2, Date{2026, 5, 3});
    const struct {
        Field field;
        const char* text;
    } expected[] = {
        {Field::edDateOutDiplom1, "3"},
        {Field::edDateOutDiplom2, "мая"},
        {Field::edDateOutDiplom, "2026"},
        {Field::edEntry2, "3"},
        {Field::edDateOut, "мая"},
        {Field::edBirthDay, "2026"},
        {Field::edDateOutNPO, "мая"},
        {Field::edDate3, "2026"},
        {Field::edNumToDipl4, "3"},
        {Field::edDateOut4, "мая"},
        {Field::edPrevDocum71, "2026"},
        {Field::edEducated41, "2026"},
        {Field::edPresentDate4, "03.Май.2026"},
        {Field::edPresentDate, "2026"},
        {Field::edPresentDateNPO, ""},  // its box prints no date under version 2
    };
    for (const auto& e : expected) {
        EXPECT_EQ(test::u8(doc.text(e.field)), e.text) << fieldName(e.field);
    }
}

}  // namespace
}  // namespace vellex

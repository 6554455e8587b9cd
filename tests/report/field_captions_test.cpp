#include <gtest/gtest.h>

#include "report/field_captions.h"

namespace vellex {
namespace {

struct CaptionRow {
    const char* role;
    const char* caption;
};

class FieldCaption : public testing::TestWithParam<CaptionRow> {};

TEST_P(FieldCaption, NamesTheEntryAsThePagesDo) {
    EXPECT_EQ(fieldCaption(GetParam().role), GetParam().caption);
}

// The rows that need care: groups whose name ends in a page number, entries whose first
// line has no number, tables, and names nobody knows.
INSTANTIATE_TEST_SUITE_P(
    Rows, FieldCaption,
    testing::Values(CaptionRow{"edSchool2", "Учебное заведение, строка 2"},
                    CaptionRow{"edSchool4", "Учебное заведение, строка 4"},
                    CaptionRow{"edSchool41", "Учебное заведение, строка 1"},
                    CaptionRow{"edSchoolNPO6", "Учебное заведение, строка 6"},
                    CaptionRow{"edSurName4", "Фамилия"},
                    CaptionRow{"edQualify", "Квалификация, строка 1"},
                    CaptionRow{"edQualify3", "Квалификация, строка 3"},
                    CaptionRow{"edQualify72", "Квалификация, строка 2"},
                    CaptionRow{"edDateOutDiplom", "Дата выдачи"},
                    CaptionRow{"edDateOutDiplom2", "Дата выдачи, строка 2"},
                    CaptionRow{"edSpecialicy", "Специализация, строка 1"},
                    CaptionRow{"edRukObrazUch2", "Руководитель учебного заведения"},
                    CaptionRow{"Disciplines row 3 AudTime", "Дисциплины, строка 3, часы"},
                    CaptionRow{"Disciplines8 row 48 Value",
                               "Продолжение, дисциплины, строка 48, оценка"},
                    CaptionRow{"Disciplines row x Value", "Disciplines row x Value"},
                    CaptionRow{"edSurNameX", "edSurNameX"}, CaptionRow{"unknown", "unknown"},
                    CaptionRow{"", "без имени"}));

TEST(OverflowMessage, CaptionThenTheWarning) {
    EXPECT_EQ(overflowMessage("edSchool2"), "Учебное заведение, строка 2: текст не помещается");
}

}  // namespace
}  // namespace vellex

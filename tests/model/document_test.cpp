#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/document.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::cp;

TEST(DocumentFieldNames, EveryFieldResolvesBothWaysAndNamesAreUnique) {
    std::set<std::string_view> seen;
    for (int i = 0; i < kFieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        const std::string_view name = fieldName(f);
        ASSERT_FALSE(name.empty()) << i;
        EXPECT_TRUE(seen.insert(name).second) << name;
        EXPECT_EQ(fieldByName(name), f) << name;
    }
    EXPECT_EQ(fieldByName("edSchool7"), std::nullopt);
    EXPECT_EQ(fieldByName("edsurname"), std::nullopt);  // names are exact
    EXPECT_EQ(fieldByName(""), std::nullopt);
}

TEST(DocumentFieldNames, OnlyTheMemosAndThePlaceholderAreNotSaved) {
    for (int i = 0; i < kFieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        const std::string_view name = fieldName(f);
        const FieldKind expected = name.starts_with("memo")    ? FieldKind::Memo
                                   : name == "edTimeLernNPO_0" ? FieldKind::Placeholder
                                                               : FieldKind::Text;
        EXPECT_EQ(fieldKind(f), expected) << name;
    }
    EXPECT_EQ(fieldPage(Field::memoExamMoreNPO), Page::SupplementNpo);
    EXPECT_EQ(fieldPage(Field::edYearOut8), Page::Page3);
    EXPECT_EQ(fieldPage(Field::edNameDoc2), Page::CertSupplement);
}

struct GroupCase {
    Group group;
    int first;
    int last;
    const char* firstName;
    const char* lastName;
};

class DocumentGroups : public ::testing::TestWithParam<GroupCase> {};

TEST_P(DocumentGroups, LinesMapToTheirNumberedFields) {
    const GroupCase& c = GetParam();
    EXPECT_EQ(groupFirstLine(c.group), c.first);
    EXPECT_EQ(groupLastLine(c.group), c.last);
    EXPECT_EQ(fieldName(groupLine(c.group, c.first)), c.firstName);
    EXPECT_EQ(fieldName(groupLine(c.group, c.last)), c.lastName);
    Document doc;
    for (int line = c.first; line <= c.last; ++line) {
        doc.setLine(c.group, line, "line" + std::to_string(line));
    }
    std::string prefix(c.firstName);
    prefix.pop_back();  // the line number of the first line
    for (int line = c.first; line <= c.last; ++line) {
        const auto f = fieldByName(prefix + std::to_string(line));
        ASSERT_TRUE(f) << prefix << line;
        EXPECT_EQ(doc.text(*f), "line" + std::to_string(line));
    }
}

INSTANTIATE_TEST_SUITE_P(
    AllGroups, DocumentGroups,
    ::testing::Values(GroupCase{Group::edSchool, 1, 6, "edSchool1", "edSchool6"},
                      GroupCase{Group::edSpecRight, 1, 5, "edSpecRight1", "edSpecRight5"},
                      GroupCase{Group::edCourseWork, 1, 4, "edCourseWork1", "edCourseWork4"},
                      GroupCase{Group::edPraktic, 1, 4, "edPraktic1", "edPraktic4"},
                      GroupCase{Group::edExamMore, 1, 10, "edExamMore1", "edExamMore10"},
                      GroupCase{Group::edSchoolNPO, 1, 6, "edSchoolNPO1", "edSchoolNPO6"},
                      GroupCase{Group::edSpecRightNPO, 1, 5, "edSpecRightNPO1", "edSpecRightNPO5"},
                      GroupCase{Group::edExamMoreNPO, 2, 7, "edExamMoreNPO2", "edExamMoreNPO7"},
                      GroupCase{Group::edSchool4, 1, 6, "edSchool41", "edSchool46"},
                      GroupCase{Group::edReason4, 1, 6, "edReason41", "edReason46"},
                      GroupCase{Group::edSchool7, 1, 4, "edSchool71", "edSchool74"},
                      GroupCase{Group::edQualify7, 1, 6, "edQualify71", "edQualify76"}));

TEST(DocumentAddressing, OutsideAGroupOrTableNothingIsWrittenOrCorrupted) {
    Document doc;
    doc.setLine(Group::edSchool, 6, "six");
    EXPECT_DEBUG_DEATH(doc.setLine(Group::edSchool, 7, "seven"), "");
    EXPECT_DEBUG_DEATH(doc.setLine(Group::edExamMoreNPO, 1, "one"), "");
    EXPECT_DEBUG_DEATH(doc.setCell(Table::Disciplines4, 27, Column::Value, "x"), "");
    EXPECT_DEBUG_DEATH(doc.setCell(Table::Disciplines, 0, Column::Value, "x"), "");
    EXPECT_EQ(doc.text(Field::edSchool6), "six");
    EXPECT_EQ(doc.text(Field::edExamMoreNPO1), "");
    EXPECT_EQ(doc.cell(Table::Disciplines4, 26, Column::Value), "");
}

TEST(DocumentInitialState, AsTheWindowIsCreated) {
    Document doc;
    EXPECT_EQ(doc.text(Field::edTrial1), cp("прошел"));
    EXPECT_EQ(doc.text(Field::edTimeLernNPO_0), cp("невидимый объект"));
    EXPECT_EQ(doc.text(Field::edSurName), "");
    EXPECT_EQ(doc.rowCount(Table::Disciplines), 54);
    EXPECT_EQ(doc.rowCount(Table::Disciplines8), 48);
    EXPECT_EQ(doc.rowCount(Table::Disciplines4), 26);
    EXPECT_EQ(doc.rowCount(Table::Disciplines7), 34);
    EXPECT_EQ(doc.choice(Choice::cbTrial), -1);
    EXPECT_EQ(doc.choice(Choice::rgQualifyNPO), 0);
    EXPECT_FALSE(doc.flag(Flag::cbCopySignDbl));
}

TEST(DocumentPage2, RebuildDropsPage2AndKeepsTheOtherTables) {
    Document doc(rowsForMode(3));
    doc.setCell(Table::Disciplines, 54, Column::Discipline, "old");
    doc.setCell(Table::Disciplines8, 48, Column::Value, "p3");
    doc.setCell(Table::Disciplines4, 1, Column::AudTime, "p4");
    doc.setCell(Table::Disciplines7, 34, Column::Discipline, "p7");
    doc.rebuildPage2(rowsForMode(4));
    ASSERT_EQ(doc.rowCount(Table::Disciplines), 94);
    for (int row = 1; row <= 94; ++row) {
        for (Column c : {Column::Discipline, Column::AudTime, Column::Value}) {
            EXPECT_EQ(doc.cell(Table::Disciplines, row, c), "") << row;
        }
    }
    EXPECT_EQ(doc.cell(Table::Disciplines8, 48, Column::Value), "p3");
    EXPECT_EQ(doc.cell(Table::Disciplines4, 1, Column::AudTime), "p4");
    EXPECT_EQ(doc.cell(Table::Disciplines7, 34, Column::Discipline), "p7");

    doc.rebuildPage2(500);
    EXPECT_EQ(doc.rowCount(Table::Disciplines), kMaxRowsPage2);
    doc.rebuildPage2(0);
    EXPECT_EQ(doc.rowCount(Table::Disciplines), 1);
}

TEST(DocumentPage2, RowsPerMode) {
    const std::pair<int, int> cases[] = {{0, 54}, {1, 62}, {2, 58}, {3, 54},
                                         {4, 94}, {5, 94}, {6, 54}, {-1, 54}};
    for (const auto& [mode, rows] : cases) {
        EXPECT_EQ(rowsForMode(mode), rows) << mode;
    }
}

TEST(DocumentChoices, LineModeTwinsFollowEachOtherAndItemsStayInRange) {
    Document doc;
    doc.setChoice(Choice::rgSchool, 1);
    EXPECT_EQ(doc.choice(Choice::rgSchoolNPO), 1);
    doc.setChoice(Choice::rgQualifyNPO, 1);
    EXPECT_EQ(doc.choice(Choice::rgQualify), 1);
    doc.setChoice(Choice::rgQualify, 0);
    EXPECT_EQ(doc.choice(Choice::rgQualifyNPO), 0);
    EXPECT_EQ(doc.choice(Choice::rgSchool), 1);  // other groups untouched

    doc.setChoice(Choice::rgProfEduType, 9);
    EXPECT_EQ(doc.choice(Choice::rgProfEduType), 3);
    doc.setChoice(Choice::cbTrial, -5);
    EXPECT_EQ(doc.choice(Choice::cbTrial), -1);
}

TEST(DocumentFlags, LinkedFlagsFollowAndLineFlagsStayIndependent) {
    Document doc;
    doc.setFlag(Flag::cbCopySignDbl, true);
    EXPECT_TRUE(doc.flag(Flag::cbCopySign));
    doc.setFlag(Flag::cbCopySign, false);
    EXPECT_FALSE(doc.flag(Flag::cbCopySignDbl));

    doc.setFlag(Flag::cbBold_Diplom, true);
    EXPECT_TRUE(doc.flag(Flag::cbBold_Diplom1));
    EXPECT_TRUE(doc.flag(Flag::cbBold_Diplom5));
    doc.setFlag(Flag::cbBold_Diplom3, false);  // a line flag alone leaves the others
    EXPECT_TRUE(doc.flag(Flag::cbBold_Diplom));
    EXPECT_TRUE(doc.flag(Flag::cbBold_Diplom4));
    EXPECT_FALSE(doc.flag(Flag::cbItalic_Diplom));
}

}  // namespace
}  // namespace vellex

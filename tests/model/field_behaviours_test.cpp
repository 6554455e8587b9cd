#include "model/field_behaviours.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vellex {
namespace {

using F = Field;

// ---- Leaving a field copies its text into the still empty fields of other pages.
struct LeaveCase {
    const char* name;
    Field left;
    int version;
    std::vector<std::pair<Field, const char*>> before;  // the left field's text first
    std::vector<std::pair<Field, const char*>> after;   // "" for a field left empty
};

class CopyOnLeaving : public testing::TestWithParam<LeaveCase> {};

TEST_P(CopyOnLeaving, FillsOnlyTheEmptyTargets) {
    const LeaveCase& c = GetParam();
    Document doc;
    for (const auto& [f, text] : c.before) {
        doc.setText(f, text);
    }
    copyOnLeaving(doc, c.left, c.version);
    for (const auto& [f, text] : c.after) {
        EXPECT_EQ(doc.text(f), text) << fieldName(f);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, CopyOnLeaving,
    testing::Values(LeaveCase{"SurNameKeepsAnNpoSurnameAlreadyThere",
                              F::edSurName,
                              0,
                              {{F::edSurName, "Ivanov"}, {F::edSurNameNPO, "Petrov"}},
                              {{F::edStudentDiplom1, "Ivanov"},
                               {F::edSurName4, "Ivanov"},
                               {F::edSurNameNPO, "Petrov"}}},
                    LeaveCase{"AcademicNameLeavesTheSurnames",
                              F::edName4,
                              0,
                              {{F::edName4, "Ivan"}},
                              {{F::edStudentDiplom2, "Ivan"},
                               {F::edName, "Ivan"},
                               {F::edNameNPO, "Ivan"},
                               {F::edSurName, ""},
                               {F::edStudentDiplom1, ""}}},
                    LeaveCase{"YearOfIssueReachesPageThree",
                              F::edYearOut,
                              2,
                              {{F::edYearOut, "2011"}},
                              {{F::edYearOut8, "2011"}, {F::edDateOutDiplom, "2011"}}},
                    LeaveCase{"PatronymicSourcesOnlyUnderVersion2",
                              F::edOrder,
                              1,
                              {{F::edOrder, "Ivanovich"}},
                              {{F::edStudentDiplom3, ""}, {F::edNameDiplPrj0, ""}}},
                    LeaveCase{"PatronymicUnderVersion2",
                              F::edNameDiplPrj0,
                              2,
                              {{F::edNameDiplPrj0, "Ivanovich"}, {F::edOrder, "12-k"}},
                              {{F::edStudentDiplom3, "Ivanovich"},
                               {F::edOrder, "12-k"},
                               {F::edNameDiplPrjNPO0, "Ivanovich"}}},
                    // The diploma's third line fills edOrder whatever the version.
                    LeaveCase{"DiplomaPatronymicUnderAnyVersion",
                              F::edStudentDiplom3,
                              0,
                              {{F::edStudentDiplom3, "Ivanovich"}},
                              {{F::edOrder, "Ivanovich"}, {F::edNameDiplPrj0, "Ivanovich"}}},
                    LeaveCase{"CertificateToItsSupplementOneToOne",
                              F::edStudentCertificate3,
                              0,
                              {{F::edStudentCertificate3, "Ivanovich"}},
                              {{F::edAddName7, "Ivanovich"}, {F::edName7, ""}}},
                    LeaveCase{"EmptySourceCopiesNothing",
                              F::edRukObrazUch,
                              0,
                              {{F::edRukObrazUch, ""}},
                              {{F::edRukObrazUch2, ""}, {F::edRukObrazUchCert, ""}}},
                    LeaveCase{"FieldWithoutARuleCopiesNothing",
                              F::edTown,
                              0,
                              {{F::edTown, "Tula"}},
                              {{F::edTownNPO, ""}, {F::edTown4, ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

// A copy sets the target only: the targets' own rules do not run after it.
TEST(CopyOnLeavingTable, TargetsAreFilledWithoutChaining) {
    Document doc;
    doc.setText(F::edDayOut, "5");
    const std::vector<Field> filled = copyOnLeaving(doc, F::edDayOut, 2);
    EXPECT_EQ(filled, (std::vector<Field>{F::edDateOutDiplom1, F::edDayOut8}));
    std::set<Field> sources;
    for (const LeaveCopyRule& rule : leaveCopyRules()) {
        EXPECT_TRUE(sources.insert(rule.source).second) << "twice: " << fieldName(rule.source);
        for (Field t : rule.targets) {
            EXPECT_NE(t, rule.source) << fieldName(t);
        }
    }
    EXPECT_EQ(sources.size(), 35u);
}

// ---- "Очистить" and "Строчка сверху".
TEST(ClearTableColumn, EmptiesEveryRowOfOneColumnOnly) {
    for (Table t :
         {Table::Disciplines, Table::Disciplines4, Table::Disciplines7, Table::Disciplines8}) {
        Document doc(62);
        const int rows = doc.rowCount(t);
        for (int r = 1; r <= rows; ++r) {
            doc.setCell(t, r, Column::Discipline, "Math");
            doc.setCell(t, r, Column::AudTime, "72");
            doc.setCell(t, r, Column::Value, "5");
        }
        clearTableColumn(doc, t, Column::Value);
        EXPECT_EQ(doc.cell(t, 1, Column::Value), "");
        EXPECT_EQ(doc.cell(t, rows, Column::Value), "") << tableName(t);
        EXPECT_EQ(doc.cell(t, rows, Column::Discipline), "Math");
        EXPECT_EQ(doc.cell(t, rows, Column::AudTime), "72");
    }
}

TEST(AddLineUp, UntickingDiscardsTheLine) {
    Document doc;
    setAddLineUp(doc, true);
    doc.setText(F::edTownDiplom0, "Ministry");
    setAddLineUp(doc, true);
    EXPECT_EQ(doc.text(F::edTownDiplom0), "Ministry");
    setAddLineUp(doc, false);
    EXPECT_FALSE(doc.flag(Flag::cbAddLineUp_Diplom));
    EXPECT_EQ(doc.text(F::edTownDiplom0), "");
}

// ---- Style flags: what each field looks like under a set of ticked flags.
struct StyleCase {
    const char* name;
    std::vector<Flag> ticked;
    int version;
    Field field;
    FieldStyle expected;
};

class FieldStyles : public testing::TestWithParam<StyleCase> {};

TEST_P(FieldStyles, FollowTheFlags) {
    const StyleCase& c = GetParam();
    Document doc;
    for (Flag f : c.ticked) {
        doc.setFlag(f, true);
    }
    const FieldStyle got = fieldStyle(doc, c.field, c.version);
    EXPECT_EQ(got.bold, c.expected.bold);
    EXPECT_EQ(got.italic, c.expected.italic);
}

INSTANTIATE_TEST_SUITE_P(
    Flags, FieldStyles,
    testing::Values(
        StyleCase{
            "LineFlagCoversItsRow", {Flag::cbBold_Diplom4}, 0, F::edQualifyDiplom5, {true, false}},
        StyleCase{
            "LineFlagLeavesOtherRows", {Flag::cbBold_Diplom4}, 0, F::edSpecDiplom1, {false, false}},
        StyleCase{
            "AllFiveFromTheBoldFlag", {Flag::cbBold_Diplom}, 0, F::edTownDiplom0, {true, false}},
        StyleCase{"BoldAndItalicAreIndependent",
                  {Flag::cbBold_Diplom3, Flag::cbItalic_Diplom},
                  0,
                  F::edStudentDiplom2,
                  {true, true}},
        StyleCase{"RegistrationNumberStaysPlain",
                  {Flag::cbBold_Diplom, Flag::cbItalic_Diplom},
                  0,
                  F::edRegNoDiplom,
                  {false, false}},
        StyleCase{"DateOfIssueTakesThePresentationDateStyle",
                  {Flag::cbBold_Diplom2, Flag::cbItalic_Diplom},
                  0,
                  F::edDateOutDiplom1,
                  {true, true}},
        StyleCase{"DateOfIssueWithoutItalicStaysPlain",
                  {Flag::cbBold_Diplom2},
                  0,
                  F::edDateOutDiplom,
                  {false, false}},
        StyleCase{"CertificateThirdLineOnlyUnderVersion2",
                  {Flag::cbBold_Certificate},
                  1,
                  F::edStudentCertificate3,
                  {false, false}},
        StyleCase{"CertificateThirdLineUnderVersion2",
                  {Flag::cbBold_Certificate, Flag::cbItalic_Certificate},
                  2,
                  F::edStudentCertificate3,
                  {true, true}},
        StyleCase{"CertificateRegistrationNumberPlain",
                  {Flag::cbBold_Certificate},
                  2,
                  F::edRegNoCertificate,
                  {false, false}},
        StyleCase{"OtherPagesPlain",
                  {Flag::cbBold_Diplom, Flag::cbItalic_Diplom},
                  2,
                  F::edSurName,
                  {false, false}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vellex

#include <gtest/gtest.h>

#include "model/startup_state.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

constexpr Date kToday{2026, 12, 7};

Settings withVersion(int version) {
    Settings s;
    s.VellexVersion = version;
    return s;
}

TEST(StartupState, DefaultSettings) {
    const Settings s;
    Document doc;
    applyCreationState(doc, s, /*settingsRead=*/false, kToday);
    EXPECT_EQ(doc.choice(Choice::cbTrial), 0);
    EXPECT_EQ(doc.choice(Choice::rgProfEduType), 0);
    EXPECT_EQ(doc.choice(Choice::rgQualifyNPO), 1);
    EXPECT_EQ(doc.choice(Choice::rgQualify), 1);
    EXPECT_EQ(doc.choice(Choice::rgSchool), 1);
    EXPECT_EQ(doc.choice(Choice::rgProfEduTypeCert), 0);
    EXPECT_EQ(doc.rowCount(Table::Disciplines), 54);
    EXPECT_EQ(doc.text(Field::edDateOutDiplom), "2026");
    EXPECT_FALSE(doc.flag(Flag::cbCopySignDbl));
}

TEST(StartupState, Version0LeavesTheDesignedLineModesUntilActivation) {
    Settings s = withVersion(0);
    s.mode_N_Discipl = 4;
    Document doc;
    applyCreationState(doc, s, true, kToday);
    EXPECT_EQ(doc.choice(Choice::rgSchool), 0);
    EXPECT_EQ(doc.choice(Choice::rgQualifyNPO), 0);
    EXPECT_EQ(doc.rowCount(Table::Disciplines), 94);
    EXPECT_EQ(doc.text(Field::edDateOutDiplom), "07.12.2026");
    applyStoredLineModes(doc, s);  // SchoolMode and QualifyMode default to 1
    EXPECT_EQ(doc.choice(Choice::rgSchoolNPO), 1);
    EXPECT_EQ(doc.choice(Choice::rgQualifyNPO), 1);
}

TEST(StartupState, Version1PutsTheNpoPageOnThreeQualificationLines) {
    Settings s = withVersion(1);
    s.QualifyMode = 0;
    Document doc;
    applyCreationState(doc, s, true, kToday);
    EXPECT_EQ(doc.choice(Choice::rgQualifyNPO), 1);
    EXPECT_EQ(doc.choice(Choice::rgQualify), 1);
    EXPECT_EQ(doc.choice(Choice::rgSchool), 0);
    // Activation brings back the stored mode, which wins once the window is up.
    Document shown;
    applyStartupState(shown, s, true, kToday);
    EXPECT_EQ(shown.choice(Choice::rgQualify), 0);
    EXPECT_EQ(shown.choice(Choice::rgQualifyNPO), 0);
}

TEST(StartupState, SettingsFlagsAndDiplomaType) {
    Settings s = withVersion(2);
    s.CopySign = true;
    s.Bold_Diplom3 = true;
    s.AddLineUp_Diplom = true;
    s.ProfEduType = 3;
    Document doc;
    applyCreationState(doc, s, true, kToday);
    EXPECT_TRUE(doc.flag(Flag::cbCopySign));
    EXPECT_TRUE(doc.flag(Flag::cbCopySignDbl));
    EXPECT_TRUE(doc.flag(Flag::cbBold_Diplom3));
    EXPECT_FALSE(doc.flag(Flag::cbBold_Diplom));
    EXPECT_TRUE(doc.flag(Flag::cbAddLineUp_Diplom));
    EXPECT_EQ(doc.choice(Choice::rgProfEduType), 3);
    EXPECT_EQ(doc.choice(Choice::rgProfEduTypeAcadem), 1);  // the switched diploma page

    Document v0;
    s.VellexVersion = 0;
    applyCreationState(v0, s, true, kToday);
    EXPECT_EQ(v0.choice(Choice::rgProfEduTypeAcadem), 0);  // no page switched yet
}

TEST(StartupState, AcademicTypeKeepsTheDiplomaPaper) {
    Document doc;
    doc.setChoice(Choice::rgProfEduType, 2);  // СПО, landscape
    chooseAcademType(doc, 1);
    EXPECT_EQ(doc.choice(Choice::rgProfEduType), 3);
    doc.setChoice(Choice::rgProfEduType, 1);
    chooseAcademType(doc, 0);
    EXPECT_EQ(doc.choice(Choice::rgProfEduType), 0);
}

TEST(StartupState, BirthDateFormatStartsShort) {
    Settings s;
    s.DateFormatBirthDay = "yyyy-mm-dd";
    applyStartupSettings(s);
    EXPECT_EQ(s.DateFormatBirthDay, "dd.mm.yy");
}

}  // namespace
}  // namespace vellex

// The rules the main window follows that need no window: the sheet code a print records,
// what "App.ini" gets from the window, the page-2 rows a smaller mode drops, the lines the
// line-count choices show and where a blank version places a component.
#include <gtest/gtest.h>

#include <optional>

#include "model/blank_place.h"
#include "model/line_modes.h"
#include "model/page2_rows.h"
#include "model/program_layout.h"
#include "model/sheet_code.h"
#include "model/startup_state.h"

namespace vellex {
namespace {

TEST(PrintedSheetCode, BlankChoiceOrSheetNumber) {
    struct Case {
        Page page;
        int eduType, certType, expected;
    };
    const Case cases[] = {
        {Page::Diploma, 0, 1, 0},        {Page::Diploma, 3, 0, 3},
        {Page::Certificate, 3, 1, 1},    {Page::Certificate, 2, 0, 0},
        {Page::SupplementSpo, 3, 1, 1},  {Page::Page2, 3, 1, 2},
        {Page::Academic, 3, 1, 4},       {Page::SupplementNpo, 3, 1, 5},
        {Page::CertSupplement, 3, 1, 7}, {Page::Page3, 3, 1, 8},
    };
    for (const Case& c : cases) {
        Document doc;
        doc.setChoice(Choice::rgProfEduType, c.eduType);
        doc.setChoice(Choice::rgProfEduTypeCert, c.certType);
        EXPECT_EQ(printedSheetCode(c.page, doc), c.expected) << static_cast<int>(c.page);
    }
}

TEST(ProgramLayout, OnlyWhatTheDialogChangedBecomesTheProgramsLayout) {
    struct Case {
        int version, style, mode;  // after the dialog; before: 2, 0, 3
        ProgramLayout expected;
    };
    const ProgramLayout program{1, 1, 0};  // the program's own, while a document shows 2/0/3
    const Case cases[] = {
        {2, 0, 3, {1, 1, 0}}, {0, 0, 3, {0, 1, 0}}, {2, 2, 3, {1, 2, 0}},
        {2, 0, 4, {1, 1, 4}}, {1, 0, 1, {1, 1, 1}},
    };
    Settings before;
    before.VellexVersion = 2;
    before.SaveStyle = 0;
    before.mode_N_Discipl = 3;
    for (const Case& c : cases) {
        Settings after = before;
        after.VellexVersion = c.version;
        after.SaveStyle = c.style;
        after.mode_N_Discipl = c.mode;
        ProgramLayout layout = program;
        layout.takeChosen(before, after);
        EXPECT_EQ(layout.vellexVersion, c.expected.vellexVersion) << c.version;
        EXPECT_EQ(layout.saveStyle, c.expected.saveStyle) << c.style;
        EXPECT_EQ(layout.rowMode, c.expected.rowMode) << c.mode;

        const Settings stored = layout.appliedTo(after);
        EXPECT_EQ(stored.VellexVersion, c.expected.vellexVersion);
        EXPECT_EQ(stored.SaveStyle, c.expected.saveStyle);
        EXPECT_EQ(stored.mode_N_Discipl, c.expected.rowMode);
    }
    Settings s;
    s.VellexVersion = 1;
    s.SaveStyle = 2;
    s.mode_N_Discipl = 4;
    const ProgramLayout of = ProgramLayout::of(s);
    EXPECT_EQ(of.vellexVersion, 1);
    EXPECT_EQ(of.saveStyle, 2);
    EXPECT_EQ(of.rowMode, 4);
}

TEST(ProgramLayout, AppIniTakesTheWindowsFlagsAndChoices) {
    // Each flag alone: start-up puts it in the document, closing brings back that one key.
    for (const DiplomaFlagKey& k : diplomaFlagKeys()) {
        Settings s;
        for (const DiplomaFlagKey& other : diplomaFlagKeys())
            s.*other.key = false;
        s.*k.key = true;
        Document doc;
        applyReadSettings(doc, s, true, false);
        const Settings back = withDocumentChoices(Settings{}, doc);
        for (const DiplomaFlagKey& other : diplomaFlagKeys())
            EXPECT_EQ(back.*other.key, other.flag == k.flag) << flagName(k.flag);
    }
    struct ChoiceCase {
        Choice choice;
        int Settings::*key;
        int item;
    };
    const ChoiceCase choices[] = {
        {Choice::rgProfEduType, &Settings::ProfEduType, 3},
        {Choice::rgSchool, &Settings::SchoolMode, 0},
        {Choice::rgQualify, &Settings::QualifyMode, 0},
    };
    for (const ChoiceCase& c : choices) {
        Settings s;
        s.*c.key = 1;
        s.MaxSymbols = 77;
        Document doc;
        doc.setChoice(c.choice, c.item);
        const Settings out = withDocumentChoices(s, doc);
        EXPECT_EQ(out.*c.key, c.item) << choiceName(c.choice);
        EXPECT_EQ(out.MaxSymbols, 77);  // the rest stays as it was
    }
}

TEST(Page2Rows, AskOnlyWhenASmallerTableDropsText) {
    struct Case {
        int oldRows, newRows, lastFilled;
        std::optional<DroppedRows> expected;
    };
    const Case cases[] = {
        {94, 54, 0, std::nullopt},         {94, 54, 54, std::nullopt},
        {94, 54, 55, DroppedRows{55, 55}}, {94, 54, 94, DroppedRows{55, 94}},
        {62, 58, 60, DroppedRows{59, 60}}, {54, 94, 54, std::nullopt},
        {58, 58, 58, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(rowsDroppedByResize(c.oldRows, c.newRows, c.lastFilled), c.expected)
            << c.oldRows << "→" << c.newRows << " filled " << c.lastFilled;
    }
}

std::optional<bool> shown(const LineModeLayout& layout, Field f) {
    for (const LineModeLayout::Line& line : layout.lines) {
        if (line.field == f) {
            return line.shown;
        }
    }
    return std::nullopt;
}

TEST(LineModes, ChoicesShowLinesAndMoveTheSpecialty) {
    // The document keeps each NPO line choice equal to its SPO twin.
    struct Case {
        int school, qualify, spoVersion, npoVersion;
        std::optional<bool> school5, qualify2, schoolNpo5, qualifyNpo3;
        std::optional<int> dropSpo, dropNpo;
    };
    const std::optional<bool> keep;
    const Case cases[] = {
        {0, 0, 0, 0, false, false, false, false, 0, 0},
        {1, 1, 0, 1, true, true, true, true, 44, 22},
        {1, 0, 1, 1, true, false, true, false, 0, 0},
        // The 2010 blank keeps its own three qualification lines and specialty place.
        {1, 1, 2, 2, true, keep, true, keep, std::nullopt, std::nullopt},
        {0, 0, 2, 2, false, false, false, false, std::nullopt, std::nullopt},
        {0, 1, 2, 0, false, keep, false, true, std::nullopt, 22},
        {0, 1, 0, 2, false, true, false, keep, 44, std::nullopt},
    };
    for (const Case& c : cases) {
        Document doc;
        doc.setChoice(Choice::rgSchool, c.school);
        doc.setChoice(Choice::rgQualify, c.qualify);
        const LineModeLayout layout = lineModeLayout(doc, c.spoVersion, c.npoVersion);
        SCOPED_TRACE(testing::Message() << "school " << c.school << " qualify " << c.qualify << " v"
                                        << c.spoVersion << c.npoVersion);
        EXPECT_EQ(shown(layout, Field::edSchool5), c.school5);
        EXPECT_EQ(shown(layout, Field::edSchool6), c.school5);
        EXPECT_EQ(shown(layout, Field::edQualify2), c.qualify2);
        EXPECT_EQ(shown(layout, Field::edQualify3), c.qualify2);
        EXPECT_EQ(shown(layout, Field::edSchoolNPO5), c.schoolNpo5);
        EXPECT_EQ(shown(layout, Field::edSchoolNPO6), c.schoolNpo5);
        EXPECT_EQ(shown(layout, Field::edQualifyNPO3), c.qualifyNpo3);
        EXPECT_EQ(layout.specialtyDropSpo, c.dropSpo);
        EXPECT_EQ(layout.specialtyDropNpo, c.dropNpo);
    }
}

TEST(LineModes, DiplomaTopLineFollowsItsFlagBefore2010) {
    struct Case {
        int version;
        bool flag;
        std::optional<bool> expected;
    };
    const Case cases[] = {
        {0, true, true}, {1, false, false}, {2, true, std::nullopt}, {2, false, std::nullopt}};
    for (const Case& c : cases) {
        Document doc;
        doc.setFlag(Flag::cbAddLineUp_Diplom, c.flag);
        EXPECT_EQ(diplomaTopLineShown(doc, c.version), c.expected) << c.version << c.flag;
    }
}

TEST(BlankPlace, DesignedPlaceMovedAndWidened) {
    const DesignedPlace designed{{10, 20, 300, 18}, 150};
    const DesignedPlace oneLine{{10, 20, 300, 18}, 0};
    struct Case {
        const DesignedPlace* designed;
        bool caption;
        std::optional<BlankPlace> place;
        Placement expected;
    };
    const Case cases[] = {
        // Not placed by this blank: back where it was designed.
        {&designed, true, std::nullopt, {{10, 20, 300, 18}, 150}},
        {&designed, false, std::nullopt, {{10, 20, 300, 18}, 0}},
        // Placed without a width: moved only; a caption keeps its designed wrapping.
        {&designed, true, BlankPlace{8, 386, 0}, {{8, 386, 300, 18}, 150}},
        {&oneLine, true, BlankPlace{8, 386, 0}, {{8, 386, 300, 18}, 0}},
        // With a width: a caption wraps at it, any other component takes it.
        {&oneLine, true, BlankPlace{8, 186, 118}, {{8, 186, 300, 18}, 118}},
        {&designed, false, BlankPlace{110, 286, 60}, {{110, 286, 60, 18}, 0}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        EXPECT_EQ(placeOnBlank(*c.designed, c.caption, c.place), c.expected) << "case " << i;
    }
}

}  // namespace
}  // namespace vellex

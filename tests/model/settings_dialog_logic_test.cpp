#include "model/settings_dialog_logic.h"

#include <gtest/gtest.h>

#include <string>

namespace vellex {
namespace {

std::string_view captionOf(const SettingsDialogLook& look, std::string_view control) {
    for (const auto& [name, caption] : look.captions) {
        if (name == control)
            return caption;
    }
    return "<none>";
}

template <typename List>
int stateOf(const List& list, std::string_view control) {
    for (const auto& [name, on] : list) {
        if (name == control)
            return on ? 1 : 0;
    }
    return -1;
}

// ---- Field texts and ranges --------------------------------------------------------------

struct TextCase {
    const char* text;
    SpinRange range;
    int previous;
    int expected;
};

class SpinTextReading : public testing::TestWithParam<TextCase> {};

TEST_P(SpinTextReading, NumberIsClampedAndAnythingElseKeepsThePreviousValue) {
    const TextCase& c = GetParam();
    EXPECT_EQ(readSpinText(c.text, c.range, c.previous), c.expected) << '"' << c.text << '"';
}

// An emptied shift used to become -500 and move every entry off the blank.
INSTANTIATE_TEST_SUITE_P(
    Texts, SpinTextReading,
    testing::Values(TextCase{"12", kShiftRange, 0, 12}, TextCase{" -40 ", kShiftRange, 0, -40},
                    TextCase{"+7", kFontRange, 9, 7}, TextCase{"abc", kShiftRange, 35, 35},
                    TextCase{"", kShiftRange, -12, -12}, TextCase{"", kFontRange, 9, 9},
                    TextCase{"-", kDoubleShiftRange, 4, 4}, TextCase{"12a", kFontRange, 9, 9},
                    TextCase{"x", kFontRange, 90, 20}, TextCase{"25", kFontRange, 9, 20},
                    TextCase{"1", kDoubleEveryRange, 5, 2}, TextCase{"-7", kFontRange, 9, 3},
                    TextCase{"99999999999999999999", kShiftRange, 0, 500},
                    TextCase{"-99999999999999999999", kShiftRange, 0, -500}));

TEST(SettingsDialogFields, StoredValuesOutsideTheRangeShowAndStoreAsTheNearestBound) {
    Settings s;
    s.DoubleStrForEach1 = 1;
    s.FontSizeAppQualify = 30;
    s.DiplomDeltaX = -900;
    s.DoubleStrDeltaY2 = 11;
    const SettingsDialogLogic logic(s);
    EXPECT_EQ(logic.spin("sedDoubleStrForEach1"), 2);
    EXPECT_EQ(logic.spin("sedFontSizeApp1Qualify"), 20);
    EXPECT_EQ(logic.spin("UpDownSetDiplomDeltaX"), -500);
    EXPECT_EQ(logic.spin("sedDoubleStrDeltaY2"), 10);
    logic.store(s);
    EXPECT_EQ(s.DoubleStrForEach1, 2);
    EXPECT_EQ(s.FontSizeAppQualify, 20);
    EXPECT_EQ(s.DiplomDeltaX, -500);
    EXPECT_EQ(s.DoubleStrDeltaY2, 10);
}

TEST(SettingsDialogFields, TypedTextThatIsNotANumberKeepsTheStoredValue) {
    Settings s;
    s.DeltaX1 = 37;
    s.FontSizeApp7Town = 11;
    s.DoubleStrForEach2 = 4;
    SettingsDialogLogic logic(s);
    logic.setSpinText("UpDownSetDeltaX1", "x");
    logic.setSpinText("sedFontSizeApp7Town", "");
    logic.setSpinText("sedDoubleStrForEach2", "-");
    logic.store(s);
    EXPECT_EQ(s.DeltaX1, 37);
    EXPECT_EQ(s.FontSizeApp7Town, 11);
    EXPECT_EQ(s.DoubleStrForEach2, 4);
}

// Every field shows its own setting and OK stores it back there: a value per field that
// no other field holds finds a field wired to the wrong setting.
TEST(SettingsDialogFields, EveryFieldRoundTripsItsOwnSetting) {
    for (int version : {0, 2}) {
        Settings s;
        s.VellexVersion = version;
        int next = 3;
        for (const SpinField& f : settingsSpinFields()) {
            if (f.binding == SpinBinding::Stored && f.name.find("App5Town") == f.name.npos &&
                f.name.find("App5School") == f.name.npos)
                s.*f.member = f.range.min + (next * 7) % (f.range.max - f.range.min + 1);
            ++next;
        }
        if (version == 2) {
            s._deltaLine0 = 41;
            s._deltaH1 = 42;
        } else {
            s.DeltaXRightApp = 41;
            s.DeltaYRightApp = 42;
        }
        Settings stored = s;
        SettingsDialogLogic(s).store(stored);
        for (const SpinField& f : settingsSpinFields()) {
            // Version 2 resets the NPO qualification work font, which has no key.
            if (version == 2 && f.name == "sedFontSizeApp5NameDiplPrj")
                continue;
            if (f.binding == SpinBinding::Stored) {
                EXPECT_EQ(stored.*f.member, s.*f.member) << f.name << " version " << version;
                EXPECT_EQ(SettingsDialogLogic(s).spin(f.name), s.*f.member) << f.name;
            }
        }
        EXPECT_EQ(SettingsDialogLogic(s).spin("sedDeltaXRightApp"), 41);
        EXPECT_EQ(SettingsDialogLogic(s).spin("sedDeltaYRightApp"), 42);
    }
}

TEST(SettingsDialogFields, TwinFieldsShowOneValue) {
    Settings s;
    s.MaxSymbols = 75;
    SettingsDialogLogic logic(s);
    EXPECT_EQ(logic.spin("seMaxSymbols"), 75);
    EXPECT_EQ(logic.spin("seMaxSymbolsDbl"), 75);
    logic.setSpin("sedFontSizeApp5Town", 14);
    logic.setSpin("sedFontSizeApp1School", 8);
    logic.setSpin("seMaxSymbolsDbl", 60);
    EXPECT_EQ(logic.spin("sedFontSizeApp1Town"), 14);
    EXPECT_EQ(logic.spin("sedFontSizeApp5School"), 8);
    EXPECT_EQ(logic.spin("seMaxSymbols"), 60);
    logic.store(s);
    EXPECT_EQ(s.FontSizeAppTown, 14);
    EXPECT_EQ(s.FontSizeAppSchool, 8);
    EXPECT_EQ(s.MaxSymbols, 75) << "the line length is changed only in the file";
}

// ---- Check boxes ------------------------------------------------------------------------

TEST(SettingsDialogChecks, EachCentringBoxShowsAndKeepsItsOwnSetting) {
    Settings s;
    s.AdjustLinesApp4 = kAlignCenter;
    s.AdjustLinesApp5 = kAlignLeft;
    s.AdjustBirthDay = kAlignLeft;
    s.FontYcorr = true;
    s.modePositionTab = false;
    const SettingsDialogLogic logic(s);
    EXPECT_TRUE(logic.check("cbAdjustLinesApp4"));
    EXPECT_FALSE(logic.check("cbAdjustLinesApp5"));
    EXPECT_FALSE(logic.check("cbBirthDay"));
    EXPECT_TRUE(logic.check("cbTown"));
    EXPECT_TRUE(logic.check("cbFontYcorr"));
    EXPECT_FALSE(logic.positionTab());
    Settings stored;
    logic.store(stored);
    EXPECT_EQ(stored.AdjustLinesApp4, kAlignCenter);
    EXPECT_EQ(stored.AdjustLinesApp5, kAlignLeft);
    EXPECT_EQ(stored.AdjustBirthDay, kAlignLeft);
    EXPECT_EQ(stored.AdjustTown, kAlignCenter);
    EXPECT_TRUE(stored.FontYcorr);
    EXPECT_FALSE(stored.modePositionTab);
}

TEST(SettingsDialogChecks, RightPartBoxSetsAllFourRightParts) {
    Settings s;
    SettingsDialogLogic logic(s);
    logic.setCheck("cbAdjustLinesRight", false);
    logic.setCheck("cbEachSaveSet", true);
    logic.store(s);
    EXPECT_EQ(s.AdjustLinesAppRight1, kAlignLeft);
    EXPECT_EQ(s.AdjustLinesAppRight4, kAlignLeft);
    EXPECT_EQ(s.AdjustLinesAppRight5, kAlignLeft);
    EXPECT_EQ(s.AdjustLinesAppRight7, kAlignLeft);
    EXPECT_TRUE(s.EachSaveSet);
}

// ---- Row mode ---------------------------------------------------------------------------

struct RowModeCase {
    int version;
    int mode;
    int font;
    int height;
    int distance;
};

class RowModeClick : public testing::TestWithParam<RowModeCase> {};

TEST_P(RowModeClick, PresetsThePage2Fields) {
    const RowModeCase& c = GetParam();
    Settings s;
    s.VellexVersion = c.version;
    SettingsDialogLogic logic(s);
    logic.clickRowMode(c.mode);
    EXPECT_EQ(logic.rowMode(), c.mode);
    EXPECT_EQ(logic.spin("sedFontSizeCol12"), c.font);
    EXPECT_EQ(logic.spin("sedFontSizeCol3"), c.font);
    EXPECT_EQ(logic.spin("seColsHeight"), c.height);
    EXPECT_EQ(logic.spin("seColsDeltaH"), c.distance);
    EXPECT_EQ(stateOf(logic.look().enabled, kGroupDoubleRows), c.mode == 2 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    ModesByVersion, RowModeClick,
    testing::Values(RowModeCase{2, 0, 10, 17, 16}, RowModeCase{2, 1, 9, 15, 12},
                    RowModeCase{2, 2, 10, 17, 14}, RowModeCase{2, 3, 10, 17, 14},
                    RowModeCase{2, 4, 7, 10, 7}, RowModeCase{0, 0, 10, 17, 16},
                    RowModeCase{0, 1, 9, 17, 14}, RowModeCase{1, 2, 10, 17, 14},
                    RowModeCase{1, 3, 10, 17, 14}, RowModeCase{0, 4, 7, 10, 8}));

TEST(SettingsDialogActivation, StoredPage2ValuesWinOverTheRowModePresets) {
    Settings s;
    s.mode_N_Discipl = 2;
    s.ColsHeight = 25;
    s.ColsDeltaH = 21;
    s.FontSizeColumn12 = 12;
    s.FontSizeColumn3 = 11;
    const SettingsDialogLogic logic(s);
    EXPECT_EQ(logic.rowMode(), 2);
    EXPECT_EQ(logic.spin("seColsHeight"), 25);
    EXPECT_EQ(logic.spin("seColsDeltaH"), 21);
    EXPECT_EQ(logic.spin("sedFontSizeCol12"), 12);
    EXPECT_EQ(logic.spin("sedFontSizeCol3"), 11);
    EXPECT_EQ(stateOf(logic.look().enabled, kGroupDoubleRows), 1);
}

TEST(SettingsDialogActivation, RowModeWithoutAnItemIsKept) {
    Settings s;
    s.mode_N_Discipl = 7;
    const SettingsDialogLogic logic(s);
    EXPECT_EQ(logic.rowMode(), -1);
    logic.store(s);
    EXPECT_EQ(s.mode_N_Discipl, 7);
}

// ---- Version ----------------------------------------------------------------------------

TEST(SettingsDialogVersion, Choosing2007SelectsDoubleRowsAndShiftsTheGradeColumns) {
    Settings s;
    SettingsDialogLogic logic(s);
    EXPECT_EQ(logic.clickVersion(1),
              "Для второй страницы приложения\r\nколечество строк установлено равным 58 "
              "(сдвоенные)\r\nа также скорректированы смещения колонок с оценками.");
    EXPECT_EQ(logic.rowMode(), 2);
    EXPECT_EQ(logic.spin("UpDownSetDeltaXCol2"), -60);
    EXPECT_EQ(logic.spin("UpDownSetDeltaXCol3"), -55);
    EXPECT_EQ(logic.spin("seColsHeight"), 17);
    EXPECT_EQ(logic.spin("seColsDeltaH"), 14);
    logic.store(s);
    EXPECT_EQ(s.VellexVersion, 1);
    EXPECT_EQ(s.mode_N_Discipl, 2);
    EXPECT_EQ(s.DeltaXColumn2, -60);
    EXPECT_EQ(s.DeltaXColumn3, -55);
}

TEST(SettingsDialogVersion, OtherVersionsSelectTheirRowModeAndClearTheColumnShifts) {
    struct Case {
        int version;
        int rowMode;
        int height;
    };
    for (const Case c : {Case{0, 1, 17}, Case{2, 3, 17}}) {
        Settings s;
        s.VellexVersion = 1;
        s.DeltaXColumn2 = -60;
        s.DeltaXColumn3 = -55;
        SettingsDialogLogic logic(s);
        EXPECT_EQ(logic.clickVersion(c.version), "");
        EXPECT_EQ(logic.rowMode(), c.rowMode);
        EXPECT_EQ(logic.spin("UpDownSetDeltaXCol2"), 0);
        EXPECT_EQ(logic.spin("UpDownSetDeltaXCol3"), 0);
        EXPECT_EQ(logic.spin("seColsHeight"), c.height);
    }
}

TEST(SettingsDialogVersion, Version2StoresTheRightPartPairsAndClearsTheShifts) {
    Settings s;
    s.VellexVersion = 2;
    s.DeltaXRightApp = 7;
    s.DeltaYRightApp = 8;
    SettingsDialogLogic logic(s);
    EXPECT_EQ(logic.spin("sedDeltaXRightApp"), 33);
    EXPECT_EQ(logic.spin("sedDeltaYRightApp"), 13);
    EXPECT_EQ(logic.spin("sedDeltaLine1"), 32);
    EXPECT_EQ(logic.spin("sedDeltaLine2"), 10);
    logic.setSpin("sedDeltaXRightApp", 30);
    logic.setSpin("sedDeltaYRightApp", 12);
    logic.setSpin("sedDeltaLine1", 31);
    logic.setSpin("sedDeltaLine2", 9);
    logic.store(s);
    EXPECT_EQ(s._deltaLine0, 30);
    EXPECT_EQ(s._deltaH1, 12);
    EXPECT_EQ(s._deltaLine, 31);
    EXPECT_EQ(s._deltaH2, 9);
    EXPECT_EQ(s.DeltaXRightApp, 0);
    EXPECT_EQ(s.DeltaYRightApp, 0);
}

TEST(SettingsDialogVersion, OlderVersionsStoreTheFirstPairAsTheRightPartShift) {
    Settings s;
    s.VellexVersion = 0;
    SettingsDialogLogic logic(s);
    EXPECT_EQ(logic.spin("sedDeltaXRightApp"), 0);
    logic.setSpin("sedDeltaXRightApp", 5);
    logic.setSpin("sedDeltaYRightApp", -6);
    logic.store(s);
    EXPECT_EQ(s.DeltaXRightApp, 5);
    EXPECT_EQ(s.DeltaYRightApp, -6);
    EXPECT_EQ(s._deltaLine0, 33);
    EXPECT_EQ(s._deltaH1, 13);
}

TEST(SettingsDialogVersion, ChangingVersionInTheDialogKeepsShiftsAndDistancesApart) {
    Settings s;
    s.VellexVersion = 2;
    s.DeltaXRightApp = 4;
    s.DeltaYRightApp = 5;
    SettingsDialogLogic logic(s);
    logic.setSpin("sedDeltaXRightApp", 35);
    logic.clickVersion(0);
    EXPECT_EQ(logic.spin("sedDeltaXRightApp"), 4);
    EXPECT_EQ(logic.spin("sedDeltaYRightApp"), 5);
    logic.store(s);
    EXPECT_EQ(s.DeltaXRightApp, 4);
    EXPECT_EQ(s._deltaLine0, 35) << "the distance typed in version 2 is kept";
    EXPECT_EQ(s._deltaH1, 13);

    logic.clickVersion(2);
    EXPECT_EQ(logic.spin("sedDeltaXRightApp"), 35);
    EXPECT_EQ(logic.spin("sedDeltaYRightApp"), 13);
}

TEST(SettingsDialogVersion, GradeFontFieldsBecomeShiftsInVersion2AndBack) {
    Settings s;
    s.VellexVersion = 0;
    s.FontSizeColumn3Cert = 12;
    SettingsDialogLogic logic(s);
    logic.clickVersion(2);
    EXPECT_EQ(logic.spin("sedFontSizeCol3Academ"), 0);
    EXPECT_EQ(logic.spin("sedFontSizeCol3Cert"), 12) << "only the font size 10 is exchanged";
    EXPECT_EQ(logic.spin("sedFontSizeApp5NameDiplPrj"), 10);
    logic.clickVersion(1);
    EXPECT_EQ(logic.spin("sedFontSizeCol3Academ"), 10);
    logic.clickVersion(1);
    EXPECT_EQ(logic.spin("sedFontSizeCol3Academ"), 10);
}

TEST(SettingsDialogVersion, OpeningInVersion2KeepsAStoredShiftOf10) {
    Settings s;
    s.VellexVersion = 2;
    s.FontSizeColumn3Academ = 10;
    s.FontSizeColumn3Cert = 0;
    const SettingsDialogLogic logic(s);
    EXPECT_EQ(logic.spin("sedFontSizeCol3Academ"), 10);
    EXPECT_EQ(logic.spin("sedFontSizeCol3Cert"), 0);
}

struct LookCase {
    std::string_view control;
    std::string_view other;
    std::string_view v2;
};

class VersionCaptions : public testing::TestWithParam<LookCase> {};

TEST_P(VersionCaptions, FollowTheVersion) {
    const LookCase& c = GetParam();
    EXPECT_EQ(captionOf(settingsDialogLook(0, 3), c.control), c.other);
    EXPECT_EQ(captionOf(settingsDialogLook(1, 3), c.control), c.other);
    EXPECT_EQ(captionOf(settingsDialogLook(2, 3), c.control), c.v2);
}

INSTANTIATE_TEST_SUITE_P(
    Labels, VersionCaptions,
    testing::Values(LookCase{kGroupRightApp, " Сдвиг всей правой части 1-ой страницы Приложения ",
                             " Расстояния между строками "},
                    LookCase{"seMidDeltaYLeft4App1",
                             "Со стоки 'выпускная квалификационная работа':",
                             "Со строки 'Док-т о предш. уровне образования':"},
                    LookCase{"seMidDeltaYLeft1App1",
                             "Со строки 'Поступил(а)':", "Сдвиг после строки 'Серия и номер':"},
                    LookCase{"seMidDeltaYRight2App1", "Со строки 'Присваивается квалификация':",
                             "Со строки 'Нормативный срок обучения':"},
                    LookCase{"sedFontSizeCol3Academ",
                             "Шрифт колонки оценок:", "Сдвиг со строки 'Завершил(а) обучение'"},
                    LookCase{"UpDownSetDeltaXCol72", "2 колонка", "Сдвиг серии и №"},
                    LookCase{"UpDownSetDeltaXCol73", "3 колонка", ""},
                    LookCase{"sedDeltaYRightCertApp7", "Сдвиг правой части по вертикали:",
                             "Сдвиг со строки 'Решение аттестац. комиссии'"}));

TEST(SettingsDialogVersion, Version2ShowsItsFieldsAndDisablesTheLeftParts) {
    for (int version : {0, 1, 2}) {
        const SettingsDialogLook look = settingsDialogLook(version, 3);
        const int v2 = version == 2 ? 1 : 0;
        EXPECT_EQ(stateOf(look.visible, "seDeltaYsign2"), v2);
        EXPECT_EQ(stateOf(look.visible, "sedDeltaLine1"), v2);
        EXPECT_EQ(stateOf(look.visible, "sedDeltaLine2"), v2);
        EXPECT_EQ(stateOf(look.enabled, kGroupSpoLeftFonts), 1 - v2);
        EXPECT_EQ(stateOf(look.enabled, kGroupNpoLeftFonts), 1 - v2);
        EXPECT_EQ(stateOf(look.enabled, "seMidDeltaYLeft5App1"), 1 - v2);
    }
}

// ---- Start tab --------------------------------------------------------------------------

TEST(SettingsDialogStartTab, ToolbarStartsOnTheCurrentPagesTab) {
    const std::pair<Page, SettingsTab> rows[] = {
        {Page::Diploma, SettingsTab::Diploma},
        {Page::SupplementSpo, SettingsTab::SupplementSpo},
        {Page::SupplementNpo, SettingsTab::SupplementNpo},
        {Page::Page2, SettingsTab::Page2},
        {Page::Page3, SettingsTab::Diploma},
        {Page::Academic, SettingsTab::Academic},
        {Page::Certificate, SettingsTab::Certificate},
        {Page::CertSupplement, SettingsTab::CertSupplement},
    };
    for (const auto& [page, tab] : rows) {
        EXPECT_EQ(settingsOpeningTab(settingsStartTabForPage(page), true), tab)
            << static_cast<int>(page);
        EXPECT_EQ(settingsOpeningTab(settingsStartTabForPage(page), false), SettingsTab::General);
    }
    EXPECT_EQ(
        settingsTabCaption(settingsOpeningTab(settingsStartTabForPage(Page::Certificate), true)),
        "Свидетельсво");
}

TEST(SettingsDialogStartTab, MenuAndUnknownNumbersStartOnGeneral) {
    for (int start : {kSettingsMenuStartTab, 7, -1}) {
        EXPECT_EQ(settingsOpeningTab(start, true), SettingsTab::General) << start;
    }
    EXPECT_EQ(settingsTabCaption(SettingsTab::General), "Общие");
}

}  // namespace
}  // namespace vellex

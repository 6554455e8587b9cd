#include "storage/settings.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "storage/ini_file.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {
namespace fs = std::filesystem;

TEST(SettingsDefaults, OnlyTheSectionGivesTheTableDefaults) {
    test::TempDir dir;
    test::writeFile(dir / "App.ini", "[Settings]\r\n");
    Settings s;
    s.programDir = "/opt/vellex/";
    s.DeltaX1 = 99;
    s.DoubleStrDeltaY1 = 5;
    ASSERT_TRUE(readSettings(dir / "App.ini", true, s));
    EXPECT_EQ(s.DeltaX1, 0);
    EXPECT_EQ(s.DoubleStrDeltaY1, 1);
    EXPECT_EQ(s.DoubleStrDeltaY2, 1);
    EXPECT_EQ(s.DisciplinesFileName, "/opt/vellex/disciplines.csv");
    EXPECT_EQ(s.rowsPage2(), 54);
}

TEST(SettingsDefaults, MissingFileGivesTheFallbackDefaults) {
    test::TempDir dir;
    Settings s;
    s.programDir = "/opt/vellex/";
    s.DateFormatBirthDay = "dd.mm.yyyy";
    s.DisciplinesFileName = "";
    s.modePositionTab = false;
    s.FontSizeAppTown = 14;
    EXPECT_FALSE(readSettings(dir / "App.ini", true, s));
    EXPECT_EQ(s.DoubleStrDeltaY1, 0);
    EXPECT_EQ(s.DoubleStrDeltaY2, 0);
    EXPECT_EQ(s.FontSizeAppTown, 10);
    EXPECT_EQ(s.DateFormatBirthDay, "dd.mm.yyyy");
    EXPECT_FALSE(s.modePositionTab);
    // An empty discipline list name would leave the list nowhere to be saved.
    EXPECT_EQ(s.DisciplinesFileName, "/opt/vellex/disciplines.csv");
    EXPECT_EQ(s.AdjustLinesAppRight5, kAlignCenter);
}

struct ValueCase {
    const char* line;
    int expected;
};

class SettingsIntegerText : public ::testing::TestWithParam<ValueCase> {};

// A value that is not a number keeps the default, and the user hears which key and what
// was taken instead (a shift silently back at 0 moves every entry on the blank).
TEST_P(SettingsIntegerText, NonNumbersCountAsMissingWithAWarning) {
    test::TempDir dir;
    test::writeFile(dir / "App.ini", std::string("[Settings]\r\nColsHeight=") + GetParam().line);
    Settings s;
    std::vector<std::string> warnings;
    readSettings(dir / "App.ini", true, s, &warnings);
    EXPECT_EQ(s.ColsHeight, GetParam().expected);
    const bool number = GetParam().expected != 17;
    if (number || std::string_view(GetParam().line).empty()) {
        EXPECT_TRUE(warnings.empty());
    } else {
        ASSERT_EQ(warnings.size(), 1u);
        EXPECT_NE(warnings[0].find("ColsHeight"), std::string::npos) << warnings[0];
        EXPECT_NE(warnings[0].find("17"), std::string::npos) << warnings[0];
        EXPECT_NE(warnings[0].find("App.ini"), std::string::npos) << warnings[0];
    }
}

// Notepad saves with a UTF-8 byte order mark: the first section used to be lost, and
// writing back then added a second one.
TEST(SettingsDamaged, AByteOrderMarkIsSkippedWithAWarning) {
    test::TempDir dir;
    test::writeFile(dir / "App.ini", "\xEF\xBB\xBF[Settings]\r\nDeltaX1=9\r\n");
    Settings s;
    std::vector<std::string> warnings;
    ASSERT_TRUE(readSettings(dir / "App.ini", true, s, &warnings));
    EXPECT_EQ(s.DeltaX1, 9);
    EXPECT_EQ(warnings.size(), 1u);
    s.DeltaY1 = 4;
    ASSERT_TRUE(writeSettings(dir / "App.ini", true, s, nullptr));
    const std::string text = test::readFile(dir / "App.ini");
    EXPECT_EQ(text.find("[Settings]"), text.rfind("[Settings]"));
    EXPECT_EQ(text.rfind("\xEF\xBB\xBF", 0), std::string::npos);
}

// A settings file that is there but gives nothing (a folder, binary data, another
// program's INI) must not pass for the calibration in force without a word.
TEST(SettingsDamaged, AFileThatGivesNoSettingsIsSaid) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "folder.ini");
    test::writeFile(dir / "garbage.ini", std::string("\x01\x7f binary \x00 data\r\n", 18));
    test::writeFile(dir / "other.ini", "[Main]\r\nDeltaX1=9\r\n");
    test::writeFile(dir / "fine.ini", "[Settings]\r\nDeltaX1=9\r\n");
    // Edited in a UTF-8 editor: the numbers are read, the folder name would be garbled.
    test::writeFile(dir / "utf8.ini", "[Settings]\r\nDeltaX1=9\r\nPath2CSV=/home/Документы/\r\n");
    for (const auto& [file, cause] :
         {std::pair{"folder.ini", "это папка"}, std::pair{"garbage.ini", "нет разделов"},
          std::pair{"other.ini", "нет разделов"}, std::pair{"fine.ini", ""},
          std::pair{"utf8.ini", "в кодировке UTF-8"}}) {
        Settings s;
        std::vector<std::string> warnings;
        readSettings(dir / file, true, s, &warnings);
        const bool keysRead =
            std::string_view(file) == "fine.ini" || std::string_view(file) == "utf8.ini";
        EXPECT_EQ(s.DeltaX1, keysRead ? 9 : Settings{}.DeltaX1) << file;
        if (std::string_view(cause).empty()) {
            EXPECT_TRUE(warnings.empty()) << file;
            continue;
        }
        ASSERT_EQ(warnings.size(), 1u) << file;
        EXPECT_NE(warnings[0].find(file), std::string::npos) << warnings[0];
        EXPECT_NE(warnings[0].find(cause), std::string::npos) << warnings[0];
    }
    std::string error;
    EXPECT_FALSE(settingsFileReadable(dir / "garbage.ini", &error));
    EXPECT_NE(error.find("нулевые байты"), std::string::npos) << error;
    EXPECT_TRUE(settingsFileReadable(dir / "utf8.ini", &error));
}

INSTANTIATE_TEST_SUITE_P(Rows, SettingsIntegerText,
                         ::testing::Values(ValueCase{"-12", -12}, ValueCase{" 20 ", 20},
                                           ValueCase{"+3", 3}, ValueCase{"12px", 17},
                                           ValueCase{"", 17}, ValueCase{"abc", 17},
                                           ValueCase{"99999999999999", 17}));

TEST(SettingsBooleans, AnyNonZeroIntegerIsTrueAndAdjustBecomesACode) {
    test::TempDir dir;
    test::writeFile(dir / "App.ini",
                    "[Settings]\r\nFontYcorr=7\r\nCopySign=yes\r\n"
                    "[Adjust]\r\nAdjustTown=0\r\nAdjustLinesAppRight=0\r\nAdjustLinesApp4=-1\r\n");
    Settings s;
    readSettings(dir / "App.ini", true, s);
    EXPECT_TRUE(s.FontYcorr);
    EXPECT_FALSE(s.CopySign);
    EXPECT_EQ(s.AdjustTown, kAlignLeft);
    EXPECT_EQ(s.AdjustLinesApp4, kAlignCenter);
    for (int code : {s.AdjustLinesAppRight1, s.AdjustLinesAppRight4, s.AdjustLinesAppRight5,
                     s.AdjustLinesAppRight7}) {
        EXPECT_EQ(code, kAlignLeft);
    }
}

TEST(SettingsRowMode, ModeGivesPage2Rows) {
    const std::pair<int, int> rows[] = {{0, 54}, {1, 62}, {2, 58}, {3, 54},
                                        {4, 94}, {5, 94}, {7, 54}, {-1, 54}};
    for (auto [mode, expected] : rows) {
        Settings s;
        s.mode_N_Discipl = mode;
        EXPECT_EQ(s.rowsPage2(), expected) << mode;
    }
}

TEST(SettingsWrite, NewFileStartsWithSettingsThenProgramThenAdjust) {
    test::TempDir dir;
    Settings s;
    ASSERT_TRUE(writeSettings(dir / "App.ini", true, s, nullptr));
    const std::string text = test::readFile(dir / "App.ini");
    EXPECT_EQ(text.rfind("[Settings]\r\nmodePositionTab=1\r\n", 0), 0u) << text.substr(0, 60);
    const auto program = text.find("[Program]");
    const auto adjust = text.find("[Adjust]");
    ASSERT_NE(program, std::string::npos);
    EXPECT_LT(program, adjust);
    // The window's choices are written last but land in the first section.
    EXPECT_LT(text.find("QualifyMode=1"), program);
    EXPECT_NE(text.find("EachSaveSet=0"), std::string::npos);
}

TEST(SettingsWrite, EveryKeyRoundTrips) {
    test::TempDir dir;
    Settings s;
    s.Path2CSV = test::cp("/дом/список.csv");
    s.DeltaX1 = -17;
    s.midDeltaYCert4 = 3;
    s.mode_N_Discipl = 4;
    s.AdjustLinesAppRight1 = kAlignLeft;
    s.AdjustAudTime = kAlignLeft;
    s.EachSaveSet = true;
    s.Bold_Diplom3 = true;
    s.ProfEduType = 3;
    ASSERT_TRUE(writeSettings(dir / "App.ini", true, s, nullptr));
    Settings r;
    ASSERT_TRUE(readSettings(dir / "App.ini", true, r));
    EXPECT_EQ(r.Path2CSV, s.Path2CSV);
    EXPECT_EQ(r.DeltaX1, -17);
    EXPECT_EQ(r.midDeltaYCert4, 3);
    EXPECT_EQ(r.rowsPage2(), 94);
    EXPECT_EQ(r.AdjustLinesAppRight7, kAlignLeft);
    EXPECT_EQ(r.AdjustAudTime, kAlignLeft);
    EXPECT_TRUE(r.EachSaveSet);
    EXPECT_TRUE(r.Bold_Diplom3);
    EXPECT_EQ(r.ProfEduType, 3);
}

// A separator of one space or one tab, and any value with blanks at its ends, survives a
// write and a read (the blanks used to be trimmed away, leaving an empty separator).
TEST(SettingsWrite, BlanksAtTheEndsOfAStringSurvive) {
    for (const std::string value : {" ", "\t", " ; ", "\"quoted\"", ";"}) {
        SCOPED_TRACE(value);
        test::TempDir dir;
        Settings s;
        s.SplitField = value;
        s.Path2CSV = " " + test::cp("список.csv");
        ASSERT_TRUE(writeSettings(dir / "App.ini", true, s, nullptr));
        Settings r;
        ASSERT_TRUE(readSettings(dir / "App.ini", true, r));
        EXPECT_EQ(r.SplitField, value);
        EXPECT_EQ(r.Path2CSV, s.Path2CSV);
    }
    // Files without quotes read as before; quotes around a value are taken off.
    const IniFile ini = IniFile::parse("[Program]\r\nA= x \r\nB=\"\t\"\r\nC=\"\r\nD=a\"b\"\r\n");
    EXPECT_EQ(ini.value("Program", "A"), "x");
    EXPECT_EQ(ini.value("Program", "B"), "\t");
    EXPECT_EQ(ini.value("Program", "C"), "\"");
    EXPECT_EQ(ini.value("Program", "D"), "a\"b\"");
}

TEST(SettingsWrite, UnknownKeysAndCommentsSurvive) {
    test::TempDir dir;
    const std::string before =
        "; заметка\r\n[Settings]\r\nMyOwnKey=abc\r\ndeltax1=5\r\n[Vendor]\r\nz=1\r\n";
    test::writeFile(dir / "App.ini", before);
    Settings s;
    s.DeltaX1 = 8;
    ASSERT_TRUE(writeSettings(dir / "App.ini", true, s, nullptr));
    const std::string after = test::readFile(dir / "App.ini");
    EXPECT_EQ(after.rfind("; заметка\r\n[Settings]\r\nMyOwnKey=abc\r\ndeltax1=8\r\n", 0), 0u);
    EXPECT_NE(after.find("[Vendor]\r\nz=1\r\n"), std::string::npos);
}

TEST(SettingsPerDocument, EachSaveSetIsNeitherWrittenNorRead) {
    test::TempDir dir;
    Settings s;
    s.EachSaveSet = true;
    ASSERT_TRUE(writeSettings(dir / "doc.ini", false, s, nullptr));
    EXPECT_EQ(test::readFile(dir / "doc.ini").find("EachSaveSet"), std::string::npos);

    test::writeFile(dir / "other.ini", "[Settings]\r\nEachSaveSet=0\r\nDeltaX2=4\r\n");
    readSettings(dir / "other.ini", false, s);
    EXPECT_TRUE(s.EachSaveSet);
    EXPECT_EQ(s.DeltaX2, 4);
    readSettings(dir / "missing.ini", false, s);
    EXPECT_TRUE(s.EachSaveSet);
}

TEST(SettingsWriteFailure, ReadOnlyFileAndMissingFolderAreReportedAndKept) {
    test::TempDir dir;
    const fs::path f = dir / "App.ini";
    test::writeFile(f, "[Settings]\r\nDeltaX1=1\r\n");
    ::chmod(f.c_str(), 0444);
    Settings s;
    std::string err;
    EXPECT_FALSE(writeSettings(f, true, s, &err));
    EXPECT_NE(err.find("App.ini"), std::string::npos) << err;
    EXPECT_NE(err.find("Не удалось"), std::string::npos) << err;
    EXPECT_EQ(test::readFile(f), "[Settings]\r\nDeltaX1=1\r\n");

    err.clear();
    EXPECT_FALSE(writeSettings(dir / "nope" / "App.ini", true, s, &err));
    EXPECT_NE(err.find("App.ini"), std::string::npos) << err;
}

TEST(SettingsDamaged, BinaryFileGivesDefaultsForWhatItCannotRead) {
    test::TempDir dir;
    std::string junk("\0\xff\xfe[Settings]\0", 15);
    for (int i = 0; i < 100000; ++i)
        junk += static_cast<char>((i * 131) % 256);
    junk += "\r\n[Settings]\r\nDeltaY4=6\r\n";
    test::writeFile(dir / "App.ini", junk);
    Settings s;
    s.DeltaY4 = 1;
    readSettings(dir / "App.ini", true, s);
    EXPECT_EQ(s.DeltaY4, 6);
    EXPECT_EQ(s.ColsDeltaH, 16);
}

struct CompanionCase {
    const char* document;
    const char* companion;  // empty: none
};

class CompanionPath : public ::testing::TestWithParam<CompanionCase> {};

TEST_P(CompanionPath, ExtensionOfTheFileNameBecomesIni) {
    const auto got = companionSettingsPath(GetParam().document);
    if (*GetParam().companion == '\0') {
        EXPECT_FALSE(got);
    } else {
        ASSERT_TRUE(got);
        EXPECT_EQ(got->string(), GetParam().companion);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CompanionPath,
    ::testing::Values(CompanionCase{"/home/u/ivanov.app", "/home/u/ivanov.ini"},
                      CompanionCase{"/home/u/ivanov", "/home/u/ivanov.ini"},
                      CompanionCase{"/home/u.v/ivanov", "/home/u.v/ivanov.ini"},
                      CompanionCase{"/home/u/a.b.app", "/home/u/a.b.ini"},
                      CompanionCase{"a.ap", ""}, CompanionCase{"abcd", ""},
                      CompanionCase{"abcde", "abcde.ini"}));

}  // namespace
}  // namespace vellex

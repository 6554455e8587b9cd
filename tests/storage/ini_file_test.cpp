#include "storage/ini_file.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace vellex {
namespace {

TEST(IniFileLookup, FindsValuesRegardlessOfCaseAndBlanks) {
    const IniFile ini = IniFile::parse(
        "; comment\r\n[Settings]\r\n  DeltaX1 = -5 \r\nDeltaX1=7\r\n[program]\r\nPath2CSV=a b\r\n");
    EXPECT_EQ(ini.value("settings", "deltax1"), "-5");  // the first of duplicates wins
    EXPECT_EQ(ini.value("Program", "PATH2CSV"), "a b");
    EXPECT_FALSE(ini.value("Program", "DeltaX1"));
    EXPECT_FALSE(ini.value("Adjust", "AdjustTown"));
}

TEST(IniFileLookup, AcceptsLfOnlyAndKeepsCp1251Bytes) {
    const std::string name = test::cp("Иванов");
    const IniFile ini = IniFile::parse("[Program]\nPath2CSV=" + name + "\n");
    EXPECT_EQ(ini.value("Program", "Path2CSV"), name);
}

TEST(IniFileUpdate, ReplacesInPlaceAndKeepsEverythingElse) {
    IniFile ini = IniFile::parse(
        "; my notes\r\n[Settings]\r\nunknown=1\r\ndeltax1=3\r\n\r\n[Other]\r\nx=y\r\n");
    ini.setValue("Settings", "DeltaX1", "9");
    EXPECT_EQ(ini.serialize(),
              "; my notes\r\n[Settings]\r\nunknown=1\r\ndeltax1=9\r\n\r\n[Other]\r\nx=y\r\n");
}

TEST(IniFileUpdate, NewKeysGoToTheEndOfTheirSectionNewSectionsToTheEnd) {
    IniFile ini = IniFile::parse("[Settings]\r\na=1\r\n\r\n[Other]\r\nx=y");
    ini.setValue("Settings", "b", "2");
    ini.setValue("Adjust", "AdjustTown", "1");
    EXPECT_EQ(ini.serialize(),
              "[Settings]\r\na=1\r\nb=2\r\n\r\n[Other]\r\nx=y\r\n[Adjust]\r\nAdjustTown=1\r\n");
}

TEST(IniFileUpdate, LineBreaksInAValueCannotAddLines) {
    IniFile ini;
    ini.setValue("Program", "Path2CSV", "a\r\n[Settings]\nb");
    EXPECT_EQ(ini.lines().size(), 2u);
    EXPECT_EQ(ini.value("Program", "Path2CSV"), "a  [Settings] b");
}

TEST(IniFileDamaged, BinaryTextNeitherCrashesNorInventsKeys) {
    std::string junk;
    for (int i = 0; i < 5000; ++i)
        junk += static_cast<char>((i * 7919) % 256);
    junk += "\r\n[Settings\r\n=\r\n[]\r\n==x\r\n";
    IniFile ini = IniFile::parse(junk);
    EXPECT_FALSE(ini.value("Settings", "DeltaX1"));
    ini.setValue("Settings", "DeltaX1", "1");
    EXPECT_EQ(IniFile::parse(ini.serialize()).value("Settings", "DeltaX1"), "1");
}

}  // namespace
}  // namespace vellex

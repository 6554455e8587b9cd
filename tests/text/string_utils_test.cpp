#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/test_support.h"
#include "text/string_utils.h"

namespace vellex {
namespace {

TEST(LowerCase, FollowsTheCodePage) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string lowered = lowerCase(all);
    const std::string compared = lowerForCompare(all);
    ASSERT_EQ(lowered.size(), all.size());
    for (int b = 1; b < 256; ++b) {
        int expected = b;
        if ((b >= 'A' && b <= 'Z') || (b >= 192 && b <= 223))
            expected = b + 32;
        if (b == 168)
            expected = 184;
        EXPECT_EQ(static_cast<unsigned char>(lowered[b - 1]), expected) << "byte " << b;
        const int forCompare = expected == 184 ? 229 : expected;
        EXPECT_EQ(static_cast<unsigned char>(compared[b - 1]), forCompare) << "byte " << b;
    }
    EXPECT_EQ(test::u8(lowerCase(test::cp("Ёлка ЁЛКА Yo"))), "ёлка ёлка yo");
    EXPECT_EQ(test::u8(lowerForCompare(test::cp("Ёлка ЁЛКА"))), "елка елка");
}

TEST(FindIgnoringCase, CountsFromOneAndTreatsYoAsYe) {
    const struct {
        const char* sought;
        const char* searched;
        int position;
    } rows[] = {
        {"колледж", "Областной КОЛЛЕДЖ", 11},
        {"ЕЛКА", "ёлка", 1},
        {"Ёлка", "на елке", 0},
        {"Ёлк", "на елке", 4},
        {"б", "абв", 2},
        {"г", "абв", 0},
        {"", "абв", 0},
        {"абв", "", 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(findIgnoringCase(test::cp(row.sought), test::cp(row.searched)), row.position)
            << row.sought << " in " << row.searched;
    }
}

TEST(CharacterCuts, BeforeAndAfterFirstAndLast) {
    const struct {
        const char* s;
        const char* beforeFirst;
        const char* afterFirst;
        const char* beforeLast;
        const char* afterLast;
    } rows[] = {
        {"a/b/c", "a", "b/c", "a/b", "c"},
        {"abc", "abc", "", "", "abc"},
        {"/", "", "", "", ""},
        {"", "", "", "", ""},
        {"ab/", "ab", "", "ab", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(beforeFirst(row.s, '/'), row.beforeFirst) << row.s;
        EXPECT_EQ(afterFirst(row.s, '/'), row.afterFirst) << row.s;
        EXPECT_EQ(beforeLast(row.s, '/'), row.beforeLast) << row.s;
        EXPECT_EQ(afterLast(row.s, '/'), row.afterLast) << row.s;
    }
}

TEST(SpaceCleaning, TrimControlsAndCollapse) {
    EXPECT_EQ(trimChar("\"\"a \"b\"\"", '"'), "a \"b");
    EXPECT_EQ(trimChar("\"", '"'), "");
    EXPECT_EQ(trimChar("\"\"\"", '"'), "");
    EXPECT_EQ(trimChar("", '"'), "");
    EXPECT_EQ(trimChar("  a b  ", ' '), "a b");
    EXPECT_EQ(controlsToSpaces("a\tb\r\nc\x01"), "a b  c\x01");
    EXPECT_EQ(collapseSpaces("  a   b c  "), " a b c ");
    EXPECT_EQ(collapseSpaces(controlsToSpaces("a\r\n b")), "a b");
}

TEST(SplitAtSeparator, PiecesFollowTheListRules) {
    using Pieces = std::vector<std::string>;
    const struct {
        const char* s;
        const char* separator;
        SeparatorMatch match;
        int count;
        Pieces pieces;
    } rows[] = {
        {"a;b;c", ";", SeparatorMatch::Exact, 3, {"a", "b", "c"}},
        {"a;;c", ";", SeparatorMatch::Exact, 2, {"a", "c"}},   // empty piece skipped
        {"a; ;c", ";", SeparatorMatch::Exact, 2, {"a", "c"}},  // single space skipped
        {"a;  ;c", ";", SeparatorMatch::Exact, 3, {"a", "  ", "c"}},
        {"a;b;", ";", SeparatorMatch::Exact, 3, {"a", "b", ""}},  // the last one always
        {";a", ";", SeparatorMatch::Exact, 1, {"a"}},
        {"abc", ";", SeparatorMatch::Exact, 0, {"abc"}},
        {"", ";", SeparatorMatch::Exact, 0, {""}},
        {"a;b", "", SeparatorMatch::Exact, 0, {"a;b"}},
        {"aXyBxyc", "xy", SeparatorMatch::Exact, 2, {"aXyB", "c"}},
        {"aXyBxyc", "xy", SeparatorMatch::IgnoringCase, 3, {"a", "B", "c"}},
        {"a||b|c", "||", SeparatorMatch::Exact, 2, {"a", "b|c"}},
    };
    for (const auto& row : rows) {
        Pieces pieces;
        EXPECT_EQ(splitAtSeparator(row.s, row.separator, pieces, row.match), row.count) << row.s;
        EXPECT_EQ(pieces, row.pieces) << row.s;
    }
}

TEST(SplitAtSeparator, IgnoringCaseKeepsTheOriginalLetters) {
    std::vector<std::string> pieces{"earlier"};
    const int count = splitAtSeparator(test::cp("Иванов И Петров и Ёжиков"), test::cp(" И "),
                                       pieces, SeparatorMatch::IgnoringCase);
    EXPECT_EQ(count, 4);  // the list's size, the earlier entry included
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(test::u8(pieces[1]), "Иванов");
    EXPECT_EQ(test::u8(pieces[3]), "Ёжиков");
}

TEST(CeilDiv, RoundsUpAndGuardsZero) {
    const struct {
        int a, b, result;
    } rows[] = {
        {0, 5, 0}, {1, 5, 1},   {5, 5, 1},   {6, 5, 2},   {60, 45, 2},
        {7, 0, 0}, {-7, 2, -3}, {7, -2, -3}, {-7, -2, 4}, {-2147483647 - 1, -1, 2147483647},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ceilDiv(row.a, row.b), row.result) << row.a << " / " << row.b;
    }
}

TEST(FileNames, JoinExtensionAndReplace) {
    const std::string sep(1, kPathSeparator);
    EXPECT_EQ(joinPath("/home/kadry", "list.csv"), "/home/kadry" + sep + "list.csv");
    EXPECT_EQ(joinPath("/home/kadry" + sep, "list.csv"), "/home/kadry" + sep + "list.csv");
    EXPECT_EQ(joinPath("", "list.csv"), "list.csv");

    const struct {
        const char* name;
        const char* extension;
        const char* withIni;
    } rows[] = {
        {"ivanov.app", "app", "ivanov.ini"},
        {"/data/ivanov.v2.app", "app", "/data/ivanov.v2.ini"},
        {"ivanov", "", "ivanov.ini"},
        {"a.app", "app", "a.ini"},
        {"a.ap", "", ""},  // four characters or fewer: no extension, no companion
        {"", "", ""},
        {"list.", "", "list.ini"},
        // A point in a folder name is not the file's extension.
        {"/home/i.petrov/ivanov", "", "/home/i.petrov/ivanov.ini"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(fileExtension(row.name), row.extension) << row.name;
        EXPECT_EQ(replaceExtension(row.name, "ini"), row.withIni) << row.name;
    }
}

TEST(CreateFolderPath, CreatesEveryMissingLevel) {
    test::TempDir dir;
    std::string error;
    const auto deep = dir / "a/b/c";
    EXPECT_TRUE(createFolderPath(deep, &error)) << error;
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    EXPECT_TRUE(createFolderPath(deep, &error)) << "an existing folder is fine";
}

TEST(CreateFolderPath, FailuresCarryARussianMessage) {
    test::TempDir dir;
    std::string error;
    EXPECT_FALSE(createFolderPath("", &error));
    EXPECT_EQ(error, "Не удалось создать папку: путь не указан.");

    test::writeFile(dir / "file", "x");
    error.clear();
    EXPECT_FALSE(createFolderPath(dir / "file", &error));
    EXPECT_NE(error.find("«" + (dir / "file").string() + "»"), std::string::npos) << error;
    error.clear();
    EXPECT_FALSE(createFolderPath(dir / "file" / "sub", &error));
    EXPECT_NE(error.find("Не удалось создать папку"), std::string::npos) << error;
    EXPECT_FALSE(createFolderPath(dir / "file", nullptr));
}

}  // namespace
}  // namespace vellex

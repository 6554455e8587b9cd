#include <gtest/gtest.h>

#include <filesystem>

#include "model/grade_list.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::cp;

TEST(GradeList, BuiltInGradesInTheirOrder) {
    const GradeList& g = builtInGrades();
    ASSERT_EQ(g.size(), 14u);
    EXPECT_EQ(g.front(), cp("5 (пять)"));
    EXPECT_EQ(g[5], cp("3 (удовлетворительно)"));
    EXPECT_EQ(g[12], cp("зачтено"));
    EXPECT_EQ(g.back(), std::string(17, 'x'));
}

GradeList with(GradeList head, const GradeList& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST(GradeList, FewerThanThreeFileGradesGetTheBuiltInOnesAppended) {
    const GradeList& b = builtInGrades();
    const std::string a = cp("отл"), c = cp("хор"), d = cp("уд");
    const struct {
        std::string bytes;
        GradeList expected;
    } cases[] = {
        {"", b},
        {"\r\n\r\n", b},
        {a + "\r\n" + c + "\r\n", with({a, c}, b)},
        {a + "\n" + c, with({a, c}, b)},
        {a + "\r\n\r\n" + c + "\r\n\r\n", with({a, c}, b)},  // blank lines do not count
        {a + "\r\n" + c + "\r\n" + d + "\r\n", {a, c, d}},
        {a + "\r\n" + c + "\r\n" + d, {a, c, d}},       // last line without a line end
        {a + "\r" + c + "\n" + d + "\r\n", {a, c, d}},  // lone CR, lone LF
        {" 5 \r\n4\r\n3\r\n", {" 5 ", "4", "3"}},       // kept as written
    };
    for (const auto& tc : cases) {
        EXPECT_EQ(parseGradeList(tc.bytes), tc.expected) << test::u8(tc.bytes);
    }
}

TEST(GradeList, LoadedFromTheProgramFolder) {
    test::TempDir dir;
    std::string error = "stale";
    EXPECT_EQ(loadGradeList(dir.path(), &error), builtInGrades());
    EXPECT_EQ(error, "");

    test::writeFile(dir / "eval.dat", cp("отл\r\nхор\r\n"));
    EXPECT_EQ(loadGradeList(dir.path()).size(), 16u);

    test::writeFile(dir / "eval.dat", cp("5\r\n4\r\n3\r\n"));
    EXPECT_EQ(loadGradeList(dir.path()), (GradeList{"5", "4", "3"}));
}

TEST(GradeList, UnreadableFileFallsBackWithAMessage) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "eval.dat");  // exists, but is no file
    std::string error;
    EXPECT_EQ(loadGradeList(dir.path(), &error), builtInGrades());
    EXPECT_NE(error.find("eval.dat"), std::string::npos) << error;
}

TEST(GradeList, IndexOfATypedGrade) {
    const GradeList& b = builtInGrades();
    EXPECT_EQ(gradeIndex(b, cp("5 (пять)")), 0);
    EXPECT_EQ(gradeIndex(b, cp("зачет")), 11);
    EXPECT_EQ(gradeIndex(b, cp("зачет ")), -1);  // typed by hand: not in the list
    EXPECT_EQ(gradeIndex(b, ""), -1);
}

}  // namespace
}  // namespace vellex

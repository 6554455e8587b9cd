#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "model/document.h"
#include "storage/document_file.h"
#include "storage/settings.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {
namespace fs = std::filesystem;

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

// Runs the built converter (ctest puts its folder into VELLEX_BIN_DIR).
ToolRun appconv(const test::TempDir& dir, const std::string& args) {
    const char* bin = std::getenv("VELLEX_BIN_DIR");
    // Run by hand, the test sits beside the programs.
    const fs::path exe =
        (bin ? fs::path(bin) : fs::read_symlink("/proc/self/exe").parent_path()) / "appconv";
    // The converter's own App.ini is looked for in the test's folder, not beside it.
    const std::string cmd = "VELLEX_PROGRAM_DIR='" + dir.path().string() + "' '" + exe.string() +
                            "' " + args + " >'" + (dir / "out.txt").string() + "' 2>'" +
                            (dir / "err.txt").string() + "'";
    const int status = std::system(cmd.c_str());
    return {WEXITSTATUS(status), test::readFile(dir / "out.txt"), test::readFile(dir / "err.txt")};
}

std::string q(const fs::path& p) {
    return "'" + p.string() + "'";
}

TEST(AppConv, ConvertsARelease412FileIntoTheCurrentLayout) {
    test::TempDir dir;
    test::writeFile(dir / "App.ini", "[Settings]\r\nmode_N_Discipl=0\r\nSaveStyle=0\r\n");
    const fs::path in = dir / "old.app";
    test::writeFile(in, test::readFile(test::dataFile("storage/release412.app")));
    const std::string before = test::readFile(in);

    const ToolRun r = appconv(
        dir, "--from 1 --ini " + q(dir / "App.ini") + " " + q(in) + " " + q(dir / "new.app"));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(test::readFile(in), before);

    Settings s;
    readSettings(dir / "App.ini", true, s);
    Document doc(s.rowsPage2());
    DocumentReadOptions options;
    options.format = documentFileFormat(s);
    ASSERT_TRUE(readDocument(dir / "new.app", options, doc, nullptr));
    EXPECT_EQ(test::u8(doc.text(Field::edTown)), "Москва");
    EXPECT_EQ(test::u8(doc.text(Field::edSchool4)), "колледж №1");
    EXPECT_EQ(doc.text(Field::edSchool5), "");
    EXPECT_EQ(test::u8(doc.text(Field::edSpecRight4)), "(базовый уровень)");
    EXPECT_EQ(test::u8(doc.text(Field::edTownDiplom0)), "диплом 1");
    EXPECT_EQ(test::u8(doc.text(Field::edNameDoc2)), "доп свид 17");
    // List positions of the old file are grade texts now.
    EXPECT_EQ(test::u8(doc.cell(Table::Disciplines, 1, Column::Value)), "5 (пять)");
    EXPECT_EQ(test::u8(doc.cell(Table::Disciplines, 53, Column::Value)), "зачет");
}

TEST(AppConv, EightySixRowsComeOutAsA94RowDocument) {
    test::TempDir dir;
    std::string text;
    // A 4.1.2 file with 86 page-2 rows.
    for (int i = 1; i <= 559 + 3 * 86; ++i)
        text += "r" + std::to_string(i) + "\r\n";
    test::writeFile(dir / "old.app", text);
    const ToolRun r = appconv(dir, "--from=86 " + q(dir / "old.app") + " " + q(dir / "new.app"));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("94"), std::string::npos) << r.out;
    Document doc(94);
    DocumentReadOptions options;
    options.format.rowsPage2 = 94;
    ASSERT_TRUE(readDocument(dir / "new.app", options, doc, nullptr));
    EXPECT_EQ(doc.cell(Table::Disciplines, 86, Column::Value), "r" + std::to_string(55 + 258));
}

TEST(AppConv, ReadsTheRowsTheOldFileHas) {
    // A 4.2.2 file with 62 page-2 rows, converted under the default 54-row settings.
    test::TempDir dir;
    std::string text;
    for (int i = 1; i <= 559 + 3 * 62; ++i)
        text += "r" + std::to_string(i) + "\r\n";
    test::writeFile(dir / "old.app", text);
    const ToolRun r = appconv(dir, "--from 2 " + q(dir / "old.app") + " " + q(dir / "new.app"));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("62 строки"), std::string::npos) << r.out;
    Document doc(62);
    DocumentReadOptions options;
    options.format.rowsPage2 = 62;
    ASSERT_TRUE(readDocument(dir / "new.app", options, doc, nullptr));
    const int tableStart = 18 + 14 + 55 + 46 + 119 + 123;
    EXPECT_EQ(doc.cell(Table::Disciplines, 60, Column::Discipline),
              "r" + std::to_string(tableStart + 60));
    EXPECT_EQ(doc.text(Field::edYearOut), "r" + std::to_string(tableStart + 3 * 62 + 5));
}

TEST(AppConv, WithoutIniTakesTheProgramsAppIni) {
    test::TempDir dir;
    test::writeFile(dir / "App.ini", "[Settings]\r\nEachSaveSet=1\r\nmode_N_Discipl=0\r\n");
    test::writeFile(dir / "old.app", test::readFile(test::dataFile("storage/release412.app")));
    const ToolRun r = appconv(dir, "--from 1 " + q(dir / "old.app") + " " + q(dir / "new.app"));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    // Only App.ini turns on the settings file beside the new document.
    EXPECT_NE(test::readFile(dir / "new.ini").find("mode_N_Discipl=0"), std::string::npos);
}

// The new document and its settings file change together: a settings file that cannot be
// replaced leaves no new document beside it that would open in the wrong layout.
TEST(AppConv, TheNewDocumentAndItsSettingsFileAreWrittenTogether) {
    test::TempDir dir;
    test::writeFile(dir / "App.ini", "[Settings]\r\nEachSaveSet=1\r\n");
    test::writeFile(dir / "old.app", test::readFile(test::dataFile("storage/release412.app")));
    test::writeFile(dir / "new.ini", "[Settings]\r\n");
    fs::permissions(dir / "new.ini", fs::perms::owner_read);
    const ToolRun r = appconv(dir, "--from 1 " + q(dir / "old.app") + " " + q(dir / "new.app"));
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find("new.ini"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "new.app"));
}

struct BadCall {
    const char* args;  // {in} and {out} are replaced by paths
    const char* message;
};

class AppConvRefuses : public ::testing::TestWithParam<BadCall> {};

TEST_P(AppConvRefuses, WithARussianMessageAndNoOutput) {
    test::TempDir dir;
    test::writeFile(dir / "old.app", "x\r\n");
    std::string args = GetParam().args;
    for (auto [key, path] :
         {std::pair{"{in}", dir / "old.app"}, std::pair{"{out}", dir / "new.app"},
          std::pair{"{same}", dir / "." / "old.app"}}) {
        for (std::size_t at; (at = args.find(key)) != std::string::npos;) {
            args.replace(at, std::string(key).size(), q(path));
        }
    }
    const ToolRun r = appconv(dir, args);
    EXPECT_NE(r.exitCode, 0);
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
    EXPECT_EQ(test::readFile(dir / "old.app"), "x\r\n");
    EXPECT_FALSE(fs::exists(dir / "new.app"));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AppConvRefuses,
    ::testing::Values(BadCall{"--from 1 {in} {same}", "совпадает с исходным"},
                      BadCall{"--from 4 {in} {out}", "неизвестная версия"},
                      BadCall{"{in} {out}", "не указана версия"},
                      BadCall{"--from 2 {in}", "два файла"},
                      BadCall{"--from 2 --bogus {in} {out}", "неизвестный параметр"},
                      BadCall{"--from 2 --ini /nonexistent/App.ini {in} {out}", "не найден"},
                      BadCall{"--from 3 /nonexistent/x.app {out}", "Не удалось открыть"}));

TEST(AppConv, HelpIsRussian) {
    test::TempDir dir;
    const ToolRun r = appconv(dir, "--help");
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_NE(r.out.find("Использование: appconv --from"), std::string::npos) << r.out;
}

}  // namespace
}  // namespace vellex

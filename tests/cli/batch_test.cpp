#include <gtest/gtest.h>

#include "model/document.h"
#include "print/sheet.h"
#include "report/field_captions.h"
#include "storage/document_file.h"
#include "storage/settings.h"
#include "tests/cli/vellex_print_runner.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::cp;

// A group: the template document, a student list in CP1251 with CR LF, results files.
class Batch : public VellexPrint {
  protected:
    void SetUp() override {
        VellexPrint::SetUp();
        Document group;
        group.setText(Field::edSchoolDiplom1, cp("Колледж связи"));
        std::string error;
        ASSERT_TRUE(writeDocument(path("group.app"), group, DocumentFileFormat{}, &error)) << error;
    }

    void list(const std::vector<std::string>& utf8Lines) {
        std::string data;
        for (const auto& l : utf8Lines)
            data += cp(l) + "\r\n";
        test::writeFile(path("list.csv"), data);
    }

    void results(std::string_view utf8Name, std::string_view utf8Lines) {
        test::writeFile(dir_ / (std::string(utf8Name) + ".csv"), cp(utf8Lines));
    }

    PrintRun batch(std::vector<std::string> extra, const std::string& sheets = "diploma,page2") {
        std::vector<std::string> args{"--batch",  path("list.csv"), "--template", path("group.app"),
                                      "--sheets", sheets,           "--out",      path("g.pdf")};
        args.insert(args.end(), extra.begin(), extra.end());
        return run(args);
    }

    int pages() {
        const std::string info =
            test::commandOutput("pdfinfo " + quote(path("g.pdf")) + " 2>/dev/null");
        const auto at = info.find("Pages:");
        return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
    }

    std::string pageText(int page) {
        return test::commandOutput("pdftotext -f " + std::to_string(page) + " -l " +
                                   std::to_string(page) + " " + quote(path("g.pdf")) +
                                   " - 2>/dev/null");
    }

    static bool has(const std::string& text, std::string_view what) {
        return text.find(what) != std::string::npos;
    }
};

TEST_F(Batch, EveryStudentGetsTheSheetsInOrderWithProgress) {
    list({"Иванов;Иван;Иванович;05.03.85;Москва", "Петров;Пётр;Петрович;01.02.86;Тверь",
          "\"Сидорова\" ; Анна ;Сергеевна;12.12.87;Клин"});
    results("Петров Пётр Петрович", "Физика;80;хорошо\r\n");
    const PrintRun r = batch({});
    ASSERT_EQ(r.exit, 0) << r.err;
    ASSERT_EQ(pages(), 6);
    // Student by student, sheet by sheet; the template's institution on every diploma.
    EXPECT_TRUE(has(pageText(1), "Иванов"));
    EXPECT_TRUE(has(pageText(1), "Колледж связи"));
    EXPECT_TRUE(has(pageText(3), "Петров"));
    EXPECT_TRUE(has(pageText(5), "Сидорова"));
    EXPECT_TRUE(has(pageText(5), "Колледж связи"));
    // The results file beside the list fills only its own student's disciplines.
    EXPECT_TRUE(has(pageText(4), "Физика"));
    EXPECT_FALSE(has(pageText(2), "Физика"));
    EXPECT_FALSE(has(pageText(6), "Физика"));
    EXPECT_TRUE(has(r.err, "1/3 Иванов Иван Иванович\n")) << r.err;
    EXPECT_TRUE(has(r.err, "3/3 Сидорова Анна Сергеевна\n")) << r.err;
}

// A tab as the separator is stored in App.ini and read back (it used to be trimmed
// away, and every batch run stopped at the empty separator).
TEST_F(Batch, TabSeparatedListWithTheTabInAppIni) {
    Settings s;
    s.SplitField = "\t";
    std::string error;
    ASSERT_TRUE(writeSettings(path("App.ini"), true, s, &error)) << error;
    test::writeFile(path("list.csv"), cp("Иванов\tИван\tИванович\t05.03.85\tМосква\r\n"));
    const PrintRun r = batch({"--ini", path("App.ini")}, "diploma");
    ASSERT_EQ(r.exit, 0) << r.err;
    EXPECT_TRUE(has(pageText(1), "Иванов"));
}

TEST_F(Batch, BadLinesAreNamedByNumberSkippedAndFailTheRun) {
    list({"Иванов;Иван;Иванович;05.03.85;Москва", "строка без разделителя", "", "Сидоров;",
          "Петров;Пётр;Петрович;01.02.86;Тверь"});
    const PrintRun r = batch({}, "diploma");
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(has(r.err, "строка 2: нет разделителя полей «;»; строка пропущена.")) << r.err;
    EXPECT_TRUE(has(r.err, "строка 4: нет фамилии или имени; строка пропущена.")) << r.err;
    EXPECT_FALSE(has(r.err, "строка 3")) << r.err;  // a blank line is no student
    EXPECT_TRUE(has(r.err, "4/4 Петров Пётр Петрович")) << r.err;
    ASSERT_EQ(pages(), 2);
    EXPECT_TRUE(has(pageText(2), "Петров"));
}

TEST_F(Batch, SavesEachDocumentUnderTheProposedName) {
    list({"Иванов;Иван;Иванович;05.03.85;Москва", "Иванов;Иван;Иванович;07.07.85;Тула",
          "../Взлом;Иван;Иванович;05.03.85;Москва"});
    const PrintRun r = batch({"--save-documents", path("docs")}, "diploma");
    EXPECT_EQ(r.exit, 1) << r.err;
    EXPECT_EQ(pages(), 3);  // every student is printed
    const auto saved = dir_ / "docs" / "Иванов Иван Иванович.app";
    ASSERT_TRUE(std::filesystem::exists(saved)) << r.err;
    Document back;
    std::string error;
    ASSERT_TRUE(readDocument(saved, DocumentReadOptions{}, back, &error)) << error;
    EXPECT_EQ(back.text(Field::edStudentDiplom1), cp("Иванов"));
    EXPECT_EQ(back.text(Field::edSchoolDiplom1), cp("Колледж связи"));
    EXPECT_EQ(back.text(Field::edTown), cp("Москва"));  // the first line's, not overwritten
    EXPECT_TRUE(has(r.err, "строка 2 (Иванов Иван Иванович): документ не сохранён")) << r.err;
    EXPECT_TRUE(has(r.err, "строка 3")) << r.err;
    // Nothing written outside the chosen folder, no temporary files left.
    EXPECT_FALSE(std::filesystem::exists(dir_ / "Взлом Иван Иванович.app"));
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir_ / "docs"))
        files += e.is_regular_file() ? 1 : 0;
    EXPECT_EQ(files, 1);
}

// A document already in the folder may hold corrections typed by hand: it is kept unless
// the run is told to replace it. With EachSaveSet each document gets its settings file, as
// the window's save gives it.
TEST_F(Batch, SavedDocumentsReplaceNoneThatExistUnlessAskedTo) {
    test::writeFile(programDir_.path() / "App.ini", "[Settings]\r\nEachSaveSet=1\r\n");
    list({"Иванов;Иван;Иванович;05.03.85;Москва", "Петров;Пётр;Петрович;06.04.86;Тула"});
    const auto docs = dir_ / "docs";
    std::filesystem::create_directories(docs);
    test::writeFile(docs / "Иванов Иван Иванович.app", "typed by hand\r\n");

    PrintRun r = batch({"--save-documents", docs.string()}, "diploma");
    EXPECT_EQ(r.exit, 1) << r.err;
    EXPECT_EQ(test::readFile(docs / "Иванов Иван Иванович.app"), "typed by hand\r\n");
    EXPECT_TRUE(has(r.err, "строка 1 (Иванов Иван Иванович): документ не сохранён")) << r.err;
    EXPECT_TRUE(has(r.err, "--overwrite")) << r.err;
    EXPECT_TRUE(std::filesystem::exists(docs / "Петров Пётр Петрович.app"));
    EXPECT_TRUE(std::filesystem::exists(docs / "Петров Пётр Петрович.ini"));

    r = batch({"--save-documents", docs.string(), "--overwrite"}, "diploma");
    EXPECT_EQ(r.exit, 0) << r.err;
    EXPECT_TRUE(has(test::readFile(docs / "Иванов Иван Иванович.app"), cp("Москва")));
}

TEST_F(Batch, RunWithNoUsableStudentWritesNothing) {
    list({"без разделителя", "и эта тоже"});
    const PrintRun r = batch({});
    EXPECT_EQ(r.exit, 1);
    EXPECT_TRUE(has(r.err, "нет ни одного студента")) << r.err;
    EXPECT_FALSE(std::filesystem::exists(path("g.pdf")));
}

struct BadBatchRow {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

class BadBatchCommandLine : public Batch, public testing::WithParamInterface<BadBatchRow> {};

TEST_P(BadBatchCommandLine, RefusedWithoutOutput) {
    list({"Иванов;Иван;Иванович;05.03.85;Москва"});
    std::vector<std::string> args = GetParam().args;
    for (auto& a : args) {
        if (a == "LIST")
            a = path("list.csv");
        else if (a == "GROUP")
            a = path("group.app");
        else if (a == "OUT")
            a = path("g.pdf");
        else if (a == "FOLDER")
            a = dir_.path().string();
    }
    const PrintRun r = run(args);
    EXPECT_NE(r.exit, 0);
    EXPECT_TRUE(has(r.err, GetParam().message)) << r.err;
    EXPECT_FALSE(std::filesystem::exists(path("g.pdf")));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadBatchCommandLine,
    testing::Values(BadBatchRow{"noTemplate",
                                {"--batch", "LIST", "--sheets", "diploma", "--out", "OUT"},
                                "Не указан документ группы"},
                    BadBatchRow{"noSheets",
                                {"--batch", "LIST", "--template", "GROUP", "--out", "OUT"},
                                "Не указаны листы группы"},
                    BadBatchRow{"unknownSheet",
                                {"--batch", "LIST", "--template", "GROUP", "--sheets",
                                 "diploma,passport", "--out", "OUT"},
                                "Неизвестный лист «passport»"},
                    BadBatchRow{"singleSheetToo",
                                {"--batch", "LIST", "--template", "GROUP", "--sheets", "diploma",
                                 "--sheet", "diploma", "--out", "OUT"},
                                "не сочетается с --batch"},
                    BadBatchRow{"json",
                                {"--batch", "LIST", "--template", "GROUP", "--sheets", "diploma",
                                 "--format", "json", "--out", "OUT"},
                                "не сочетается с --batch"},
                    BadBatchRow{"templateAlone",
                                {"--sheet", "diploma", "--template", "GROUP", "--out", "OUT"},
                                "только вместе с --batch"},
                    BadBatchRow{"missingList",
                                {"--batch", "/nonexistent/list.csv", "--template", "GROUP",
                                 "--sheets", "diploma", "--out", "OUT"},
                                "Файл списка студентов «/nonexistent/list.csv» не найден"},
                    BadBatchRow{"listIsAFolder",
                                {"--batch", "FOLDER", "--template", "GROUP", "--sheets", "diploma",
                                 "--out", "OUT"},
                                "это папка"},
                    BadBatchRow{"missingTemplate",
                                {"--batch", "LIST", "--template", "/nonexistent/g.app", "--sheets",
                                 "diploma", "--out", "OUT"},
                                "Файл документа «/nonexistent/g.app» не найден"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every entry a sheet prints can be named to the operator by its caption, under every
// edition and both certificate blanks.
TEST(OverflowCaptions, EveryBoxOfEverySheetHasACaption) {
    for (int version = 0; version <= 2; ++version) {
        for (int certVariant = 0; certVariant <= 1; ++certVariant) {
            Settings settings;
            settings.VellexVersion = version;
            Document doc;
            SheetOptions options;
            options.certVariant = certVariant;
            for (const SheetInfo& sheet : sheetTable()) {
                TReport report;
                std::string error;
                if (!layoutSheet(sheet.kind, doc, settings, options, report, &error))
                    continue;
                for (const auto& page : report.pages)
                    for (const auto& box : page->objects)
                        EXPECT_NE(fieldCaption(box->role), box->role)
                            << sheet.cliName << " edition " << version;
            }
        }
    }
}

}  // namespace
}  // namespace vellex

#include <gtest/gtest.h>
#include <algorithm>

#include "lists/list_file_name.h"
#include "lists/list_texts.h"
#include "lists/results_file.h"
#include "lists/student_list.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::cp;

StudentRow row(std::initializer_list<const char*> utf8) {
    StudentRow r;
    for (const char* s : utf8)
        r.push_back(cp(s));
    return r;
}

std::string name(const std::filesystem::path& p) {
    return p.string();
}

// ---- one line into one row -------------------------------------------------------------

TEST(StudentLine, SplitCleanAndFillUp) {
    const struct {
        const char* line;
        const char* separator;
        std::vector<const char*> fields;  // empty: no row
    } cases[] = {
        // An empty field in the middle is dropped and the rest move left, then filled up.
        {"Сидоров;;Петрович;01.01.90;г. Томск",
         ";",
         {"Сидоров", "Петрович", "01.01.90", "г. Томск", ""}},
        // A field of one space counts as empty too.
        {"Сидоров; ;Петрович;01.01.90;г. Томск",
         ";",
         {"Сидоров", "Петрович", "01.01.90", "г. Томск", ""}},
        // Five fields: spaces, then quotes come off every field.
        {" \"Петрова\" ; \"Анна\" ; \"Сергеевна\" ; \"12.11.86\" ; \"г. Омск\" ",
         ";",
         {"Петрова", "Анна", "Сергеевна", "12.11.86", "г. Омск"}},
        // Four fields stay as they are and are filled up.
        {" \"Козлов\" ; \"Олег\" ; \"Ильич\" ; \"02.02.91\"",
         ";",
         {" \"Козлов\" ", " \"Олег\" ", " \"Ильич\" ", " \"02.02.91\"", ""}},
        // The last field is kept even when empty.
        {"Иванов;", ";", {"Иванов", "", "", "", ""}},
        {"Иванов;Иван;Иванович;05.03.85;", ";", {"Иванов", "Иван", "Иванович", "05.03.85", ""}},
        // Fields past the fifth stay in the row.
        {"а;б;в;г;д;е", ";", {"а", "б", "в", "г", "д", "е"}},
        // A separator of letters is found without regard to case (Ё and Е alike).
        {"ИвановРАЗИванразИвановичРаЗ1.1.90раз",
         "раз",
         {"Иванов", "Иван", "Иванович", "1.1.90", ""}},
        {"ИвановЁЖИванёжИванович", "еж", {"Иванов", "Иван", "Иванович", "", ""}},
        // A two-character separator is searched whole.
        {"Иванов; Иван; Иванович;x", "; ", {"Иванов", "Иван", "Иванович;x", "", ""}},
        // No row: no separator, an empty line, the comma list under ";".
        {"без разделителя", ";", {}},
        {"", ";", {}},
        {"Иванов,Иван,Иванович,05.03.85,Омск", ";", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto got = parseStudentLine(cp(c.line), cp(c.separator));
        if (c.fields.empty()) {
            EXPECT_FALSE(got.has_value());
            continue;
        }
        ASSERT_TRUE(got.has_value());
        StudentRow want;
        for (const char* f : c.fields)
            want.push_back(cp(f));
        EXPECT_EQ(*got, want);
    }
}

// ---- loading a list file ---------------------------------------------------------------

TEST(StudentListLoad, FixtureGivesItsStudentRows) {
    StudentList list;
    EXPECT_TRUE(list.load(name(test::dataFile("lists/students.csv")), ";").empty());
    ASSERT_EQ(list.rows().size(), 5u);
    EXPECT_EQ(list.rows()[0], row({"Иванов", "Иван", "Иванович", "05.03.85", "г. Новосибирск"}));
    EXPECT_EQ(list.rows()[1], row({"Петрова", "Анна", "Сергеевна", "12.11.1986", "г. Омск"}));
    EXPECT_EQ(list.rows()[2], row({"Сидоров", "Петрович", "01.01.90", "г. Томск", ""}));
    EXPECT_EQ(list.rows()[4][5], cp("лишнее поле"));  // the last line has no line end
    EXPECT_FALSE(list.modified());
}

// A list saved with CR alone as its line end (old Mac editors) used to give one student;
// a results file like it put every discipline in one row.
TEST(StudentListLoad, CrOnlyLineEndsGiveEveryStudentAndEveryDiscipline) {
    test::TempDir dir;
    test::writeFile(dir / "list.csv", cp("Иванов;Иван;Иванович;05.03.85;Тула\r"
                                         "Петров;Пётр;Петрович;06.04.86;Орёл\r"
                                         "Сидоров;Олег;Олегович;07.05.87;Тверь\r"));
    StudentList list;
    EXPECT_TRUE(list.load(name(dir / "list.csv"), ";").empty());
    EXPECT_EQ(list.rows().size(), 3u);

    Document doc(54);
    EXPECT_TRUE(fillResults(doc, cp("Физика;72;5\rХимия;36;4\r"), ";").empty());
    EXPECT_EQ(doc.cell(Table::Disciplines, 2, Column::Discipline), cp("Химия"));
    EXPECT_EQ(doc.cell(Table::Disciplines, 1, Column::Value), "5");
}

TEST(StudentListLoad, MessagesOfTheFailures) {
    test::TempDir dir;
    const std::string missing = name(dir / "none.csv");
    const std::string commas = name(test::dataFile("lists/students_commas.csv"));
    const std::string damaged = name(test::dataFile("lists/damaged_students.csv"));
    const UserMessage emptySeparator{std::string(list_texts::kEmptySeparator), MessageIcon::Warning,
                                     false};
    const UserMessage notLoaded{std::string(list_texts::kListNotLoaded), MessageIcon::Warning,
                                false};
    const struct {
        std::string file;
        std::string separator;
        UserMessages want;
    } cases[] = {
        {commas, "", {emptySeparator}}, {missing, ";", {}}, {"", ";", {}},
        {commas, ";", {notLoaded}},     {commas, ",", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + " / " + c.separator);
        StudentList list;
        EXPECT_EQ(list.load(c.file, c.separator), c.want);
    }
    // A picture is no list: refused as binary, not read as lines of garbage.
    StudentList list;
    const UserMessages got = list.load(damaged, ";");
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].icon, MessageIcon::Error);
    EXPECT_NE(got[0].text.find("нулевые байты"), std::string::npos) << got[0].text;
}

TEST(StudentListLoad, UnreadableFileIsReportedWithItsNameAndCause) {
    test::TempDir dir;
    // A folder of the list's name cannot be read as a file.
    std::filesystem::create_directory(dir / "list.csv");
    StudentList list;
    const UserMessages got = list.load(name(dir / "list.csv"), ";");
    ASSERT_EQ(got.size(), 1u);  // the cause; no second box saying the list is empty
    EXPECT_NE(got[0].text.find("list.csv"), std::string::npos) << got[0].text;
    EXPECT_NE(got[0].text, list_texts::kFileLocked);
    EXPECT_EQ(got[0].icon, MessageIcon::Error);
}

TEST(StudentListLoad, QuotesAroundTheFileNameAreDropped) {
    StudentList list;
    const std::string file = name(test::dataFile("lists/students.csv"));
    list.load("\"" + file + "\"", ";");
    EXPECT_EQ(list.fileName(), file);
    EXPECT_EQ(list.rows().size(), 5u);
}

TEST(StudentListLoad, BatchesGiveTheSameRowsAsOneRead) {
    std::string data;
    for (int i = 0; i < 1000; ++i)
        data += cp("Фамилия" + std::to_string(i) + ";Имя;Отчество;01.01.90;Город") +
                (i % 2 ? "\r\n" : "\n");
    test::TempDir dir;
    test::writeFile(dir / "big.csv", data);
    StudentList list;
    ASSERT_TRUE(list.beginLoad(name(dir / "big.csv"), ";").empty());
    int batches = 0;
    double lastProgress = 0;
    while (list.loadMore(64)) {
        ++batches;
        EXPECT_GE(list.loadProgress(), lastProgress);
        lastProgress = list.loadProgress();
    }
    EXPECT_TRUE(list.endLoad().empty());
    EXPECT_EQ(batches, 15);
    EXPECT_EQ(list.rows(), parseStudentList(data, ";"));
    EXPECT_EQ(list.rows().size(), 1000u);
}

// ---- deleting rows and writing back ----------------------------------------------------

// Every line but the deleted ones stays byte for byte: quotes, spaces, empty fields, a
// sixth field, lines that are no student, the last line without its end.
TEST(StudentListWriteBack, DeletingKeepsEveryOtherLineByteForByte) {
    test::TempDir dir;
    const auto file = dir / "students.csv";
    std::filesystem::copy_file(test::dataFile("lists/students.csv"), file);
    const std::string original = test::readFile(file);
    struct Case {
        std::vector<std::size_t> remove;  // row indexes, each after the earlier removals
        std::vector<int> goneLines;       // 0-based lines of the file
    } cases[] = {
        {{0}, {0}},
        {{4}, {6}},  // the last row: its line has no end
        {{1, 1}, {1, 2}},
        {{99}, {}},  // no such row: nothing
    };
    for (const Case& c : cases) {
        test::writeFile(file, original);
        StudentList list;
        list.load(name(file), ";");
        for (const std::size_t r : c.remove)
            list.removeRow(r);
        EXPECT_TRUE(list.close().empty());
        std::string want;
        std::size_t start = 0;
        for (int line = 0; start < original.size(); ++line) {
            std::size_t end = original.find('\n', start);
            end = end == std::string::npos ? original.size() : end + 1;
            if (std::find(c.goneLines.begin(), c.goneLines.end(), line) == c.goneLines.end())
                want += original.substr(start, end - start);
            start = end;
        }
        EXPECT_EQ(test::readFile(file), want) << c.remove.front();
    }
}

// Another window added a student while this one had the list open: writing back the
// list as read would drop that student.
TEST(StudentListWriteBack, AListChangedSinceReadingIsNotWrittenOver) {
    test::TempDir dir;
    const auto file = dir / "students.csv";
    std::filesystem::copy_file(test::dataFile("lists/students.csv"), file);
    StudentList list;
    list.load(name(file), ";");
    list.removeRow(0);
    const std::string changed =
        test::readFile(file) + cp("Новиков;Олег;Петрович;01.01.90;Тверь\r\n");
    test::writeFile(file, changed);
    const UserMessages got = list.close();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].icon, MessageIcon::Error);
    EXPECT_NE(got[0].text.find("students.csv"), std::string::npos) << got[0].text;
    EXPECT_EQ(test::readFile(file), changed);
}

TEST(StudentListWriteBack, CloseWithoutDeletionLeavesTheFileByteForByte) {
    test::TempDir dir;
    const auto file = dir / "students.csv";
    std::filesystem::copy_file(test::dataFile("lists/students.csv"), file);
    const std::string before = test::readFile(file);
    const auto stamp = std::filesystem::last_write_time(file);
    StudentList list;
    list.load(name(file), ";");
    EXPECT_TRUE(list.close().empty());
    EXPECT_EQ(test::readFile(file), before);
    EXPECT_EQ(std::filesystem::last_write_time(file), stamp);
}

TEST(StudentListWriteBack, FailedRewriteKeepsTheOldList) {
    test::TempDir dir;
    const auto file = dir / "students.csv";
    std::filesystem::copy_file(test::dataFile("lists/students.csv"), file);
    const std::string before = test::readFile(file);
    StudentList list;
    list.load(name(file), ";");
    list.removeRow(1);
    // A read-only list cannot be replaced: the old one must survive whole.
    std::filesystem::permissions(file, std::filesystem::perms::owner_read);
    const UserMessages got = list.close();
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].icon, MessageIcon::Error);
    EXPECT_NE(got[0].text.find("Список студентов не сохранён!"), std::string::npos);
    EXPECT_EQ(test::readFile(file), before);
    EXPECT_TRUE(list.modified());
}

// ---- the list file chosen in a dialog --------------------------------------------------

TEST(ChosenListFile, QuotesOffAndCsvTriedWhenMissing) {
    test::TempDir dir;
    test::writeFile(dir / "group.csv", "x");
    test::writeFile(dir / "plain", "x");
    const std::string base = name(dir.path()) + "/";
    const struct {
        std::string chosen;
        std::string want;
        bool warned;
    } cases[] = {
        {"", "", false},
        {"\"" + base + "group.csv\"", base + "group.csv", false},
        {base + "group", base + "group.csv", false},
        {base + "plain", base + "plain", false},          // exists as it stands
        {base + "other.CSV", base + "other.CSV", false},  // a csv name, even missing
        {base + "other.txt", base + "other.txt", true},   // neither it nor .csv exists
        {base + "other", base + "other", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen);
        const ChosenFileName got = cleanChosenFileName(c.chosen);
        EXPECT_EQ(got.name, c.want);
        EXPECT_EQ(got.warning.has_value(), c.warned);
        if (got.warning) {
            EXPECT_EQ(got.warning->text, list_texts::kFileNotFound);
        }
    }
}

}  // namespace
}  // namespace vellex

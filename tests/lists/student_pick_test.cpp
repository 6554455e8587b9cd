#include <gtest/gtest.h>

#include "lists/list_texts.h"
#include "lists/results_file.h"
#include "lists/student_pick.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::cp;

const FixedClock kToday(Date{2026, 12, 8});

StudentRow row(std::initializer_list<const char*> utf8) {
    StudentRow r;
    for (const char* s : utf8)
        r.push_back(cp(s));
    return r;
}

// ---- names -----------------------------------------------------------------------------

TEST(PickNames, EditionTwoFillsThreeNameLinesOnEveryPage) {
    Document doc;
    pickStudentNames(doc, row({"Иванов", "Иван", "Иванович", "", ""}), 2);
    for (const Field f : {Field::edStudentDiplom1, Field::edSurName, Field::edSurNameNPO,
                          Field::edSurName4, Field::edSurName7, Field::edStudentCertificate1})
        EXPECT_EQ(doc.text(f), cp("Иванов")) << fieldName(f);
    for (const Field f : {Field::edStudentDiplom2, Field::edName, Field::edNameNPO, Field::edName4,
                          Field::edName7, Field::edStudentCertificate2})
        EXPECT_EQ(doc.text(f), cp("Иван")) << fieldName(f);
    for (const Field f : {Field::edStudentDiplom3, Field::edNameDiplPrj0, Field::edNameDiplPrjNPO0,
                          Field::edOrder, Field::edAddName7, Field::edStudentCertificate3})
        EXPECT_EQ(doc.text(f), cp("Иванович")) << fieldName(f);
}

TEST(PickNames, OlderEditionsPutNameAndPatronymicOnOneLine) {
    for (const int version : {0, 1}) {
        Document doc;
        doc.setText(Field::edStudentDiplom3, "keep");
        doc.setText(Field::edOrder, "keep");
        pickStudentNames(doc, row({"Иванов", "Иван", "Иванович", "", ""}), version);
        EXPECT_EQ(doc.text(Field::edStudentDiplom2), cp("Иван Иванович"));
        EXPECT_EQ(doc.text(Field::edName7), cp("Иван Иванович"));
        EXPECT_EQ(doc.text(Field::edStudentDiplom3), "keep");
        EXPECT_EQ(doc.text(Field::edOrder), "keep");
    }
}

// ---- birth date and place --------------------------------------------------------------

TEST(PickBirth, DateByFormatOrderAndEdition) {
    const struct {
        const char* date;
        const char* format;
        int version;
        const char* day;    // edEntry2 (edition 2)
        const char* month;  // edDateOut (edition 2)
        const char* birthDay;
    } cases[] = {
        {"05.03.85", "dd.mm.yy", 2, "5", "марта", "1985"},
        {"05.03.85", "dd.mm.yy", 0, "", "", "05.Март.1985"},
        {"05.03.85", "dd.mm.yy", 1, "", "", "05.Март.1985"},
        {"05.03.1985", "dd.mm.yyyy", 2, "5", "марта", "1985"},
        // Two-digit years of this century up to now stay in it.
        {"5.3.07", "d.m.yy", 2, "5", "марта", "2007"},
        {"5.3.26", "d.m.yy", 2, "5", "марта", "2026"},
        {"5.3.27", "d.m.yy", 2, "5", "марта", "1927"},
        // Month first: by "m", and when the format has none of the letters.
        {"03.05.85", "mm.dd.yy", 2, "5", "марта", "1985"},
        {"03.05.85", "", 2, "5", "марта", "1985"},
        // Year first, by "y" or "e".
        {"1985.03.05", "yyyy.mm.dd", 2, "5", "марта", "1985"},
        {"85.03.05", "ee.mm.dd", 0, "", "", "05.Март.1985"},
        // Two parts: the current year.
        {"05.03", "dd.mm.yy", 2, "5", "марта", "2026"},
        // Unreadable: the raw text; the day and month fields keep nothing of the previous
        // student's date.
        {"5 марта 1985", "dd.mm.yy", 2, "", "", "5 марта 1985"},
        {"31.02.85", "dd.mm.yy", 0, "", "", "31.02.85"},
        {"", "dd.mm.yy", 2, "", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " " + c.format + " v" + std::to_string(c.version));
        Document doc;
        if (c.version == 2) {
            doc.setText(Field::edEntry2, "old");
            doc.setText(Field::edDateOut, "old");
        }
        const bool read = pickStudentBirth(doc, row({"И", "И", "И", c.date, "Омск"}), c.version,
                                           c.format, kToday);
        // Only a date put in as it stands is reported.
        EXPECT_EQ(read, std::string_view(c.date).empty() || std::string_view(c.date) != c.birthDay);
        EXPECT_EQ(doc.text(Field::edBirthDay), cp(c.birthDay));
        for (const Field f : {Field::edBirthDayNPO, Field::edBirthDay4, Field::edBirthDay7})
            EXPECT_EQ(doc.text(f), cp(c.birthDay));
        if (c.version == 2) {
            for (const Field f :
                 {Field::edEntry2, Field::edEntryNPO2, Field::edNumToDipl4, Field::edPresentDate7})
                EXPECT_EQ(doc.text(f), cp(c.day)) << fieldName(f);
            for (const Field f :
                 {Field::edDateOut, Field::edDateOutNPO, Field::edDateOut4, Field::edDateOut7})
                EXPECT_EQ(doc.text(f), cp(c.month)) << fieldName(f);
        }
    }
}

TEST(PickBirth, BirthPlaceOnlyUnderEditionTwo) {
    Document doc;
    pickStudentBirth(doc, row({"И", "И", "И", "01.01.90", "г. Омск"}), 2, "dd.mm.yy", kToday);
    for (const Field f : {Field::edTown, Field::edTownNPO, Field::edTown4, Field::edTown7})
        EXPECT_EQ(doc.text(f), cp("г. Омск"));
    Document older;
    older.setText(Field::edTown, "keep");
    pickStudentBirth(older, row({"И", "И", "И", "01.01.90", "г. Омск"}), 1, "dd.mm.yy", kToday);
    EXPECT_EQ(older.text(Field::edTown), "keep");
    EXPECT_EQ(older.text(Field::edTownNPO), "");
}

// ---- results file ----------------------------------------------------------------------

std::string resultsLines(int count) {
    std::string data;
    for (int i = 1; i <= count; ++i)
        data +=
            cp("Дисциплина " + std::to_string(i) + ";" + std::to_string(i * 2) + ";5 (пять)\r\n");
    return data;
}

TEST(ResultsFile, SixtyLinesFillFiftyFourRowsOfPage2AndSixOfPage3) {
    Document doc(54);
    std::string data = resultsLines(60);
    // Line 10 is empty: it empties its discipline cell and uses up the row.
    const std::size_t line10 = [&] {
        std::size_t at = 0;
        for (int i = 0; i < 9; ++i)
            at = data.find('\n', at) + 1;
        return at;
    }();
    data.replace(line10, data.find('\n', line10) + 1 - line10, "\r\n");
    doc.setCell(Table::Disciplines, 10, Column::Discipline, "old");
    doc.setCell(Table::Disciplines, 10, Column::Value, "kept");
    doc.setCell(Table::Disciplines8, 7, Column::Discipline, "beyond");

    EXPECT_TRUE(fillResults(doc, data, ";").empty());
    EXPECT_EQ(doc.cell(Table::Disciplines, 1, Column::Discipline), cp("Дисциплина 1"));
    EXPECT_EQ(doc.cell(Table::Disciplines, 1, Column::AudTime), "2");
    EXPECT_EQ(doc.cell(Table::Disciplines, 1, Column::Value), cp("5 (пять)"));
    EXPECT_EQ(doc.cell(Table::Disciplines, 10, Column::Discipline), "");
    EXPECT_EQ(doc.cell(Table::Disciplines, 10, Column::Value), "kept");
    EXPECT_EQ(doc.cell(Table::Disciplines, 54, Column::Discipline), cp("Дисциплина 54"));
    EXPECT_EQ(doc.cell(Table::Disciplines8, 1, Column::Discipline), cp("Дисциплина 55"));
    EXPECT_EQ(doc.cell(Table::Disciplines8, 6, Column::Discipline), cp("Дисциплина 60"));
    EXPECT_EQ(doc.cell(Table::Disciplines8, 7, Column::Discipline), "beyond");
}

TEST(ResultsFile, SurplusLinesWarnOnlyWithThreeFields) {
    Document doc(54);
    // 54 + 48 fill both tables; then 3 full lines warn and 2 short ones drop silently.
    std::string data = resultsLines(102 + 3) + cp("Только название\r\nНазвание;10\r\n");
    const UserMessages got = fillResults(doc, data, ";");
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].text, list_texts::kTooManyDisciplines);
    EXPECT_EQ(got[0].icon, MessageIcon::Warning);
    EXPECT_EQ(doc.cell(Table::Disciplines8, 48, Column::Discipline), cp("Дисциплина 102"));
}

TEST(ResultsFile, FieldsCleanedOnlyOnFullLines) {
    Document doc(54);
    fillResults(doc, cp(" \"Физика\" ; 72 ; \"отлично\" \r\n \"Химия\" ; 36 \r\nБиология\r\n"),
                ";");
    EXPECT_EQ(doc.cell(Table::Disciplines, 1, Column::Discipline), cp("Физика"));
    EXPECT_EQ(doc.cell(Table::Disciplines, 1, Column::AudTime), "72");
    EXPECT_EQ(doc.cell(Table::Disciplines, 1, Column::Value), cp("отлично"));
    EXPECT_EQ(doc.cell(Table::Disciplines, 2, Column::Discipline), cp(" \"Химия\" "));
    EXPECT_EQ(doc.cell(Table::Disciplines, 2, Column::AudTime), " 36 ");
    EXPECT_EQ(doc.cell(Table::Disciplines, 3, Column::Discipline), cp("Биология"));
}

// The results menu loads one student's file: nothing of a longer earlier file may stay
// under it, and a file that cannot be read changes nothing.
TEST(ResultsFile, LoadingAFileLeavesNothingOfAnEarlierOne) {
    test::TempDir dir;
    test::writeFile(dir / "short.csv", cp("Физика;72;5\r\nХимия;36;4\r\n"));
    std::filesystem::create_directory(dir / "folder.csv");
    Document doc(54);
    for (const Table t : {Table::Disciplines, Table::Disciplines8}) {
        for (int row = 1; row <= 5; ++row) {
            for (const Column c : {Column::Discipline, Column::AudTime, Column::Value})
                doc.setCell(t, row, c, "old");
        }
    }
    const Document before = doc;
    EXPECT_EQ(loadResultsFile(doc, (dir / "folder.csv").string(), ";").size(), 1u);
    EXPECT_TRUE(doc == before);

    EXPECT_TRUE(loadResultsFile(doc, (dir / "short.csv").string(), ";").empty());
    EXPECT_EQ(doc.cell(Table::Disciplines, 2, Column::Discipline), cp("Химия"));
    EXPECT_EQ(doc.lastFilledRow(Table::Disciplines), 2);
    EXPECT_EQ(doc.lastFilledRow(Table::Disciplines8), 0);

    // An empty file empties the rows too, and says so.
    test::writeFile(dir / "empty.csv", "\r\n");
    const UserMessages empty = loadResultsFile(doc, (dir / "empty.csv").string(), ";");
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0].icon, MessageIcon::Warning);
    EXPECT_NE(empty[0].text.find("empty.csv» пуст"), std::string::npos) << empty[0].text;
    EXPECT_EQ(doc.lastFilledRow(Table::Disciplines), 0);
}

TEST(ResultsFile, NamesBesideTheListUnspacedFirst) {
    Document doc;
    doc.setText(Field::edStudentDiplom1, cp("Иванов"));
    doc.setText(Field::edStudentDiplom2, cp("Иван Иванович"));
    // Editions 0 and 1 leave the third name line empty: the name older versions looked
    // for ends in " .csv".
    EXPECT_EQ(resultsFileNames(doc, "/home/u/group/list.csv"),
              (std::vector<std::string>{cp("/home/u/group/Иванов Иван Иванович.csv"),
                                        cp("/home/u/group/Иванов Иван Иванович .csv")}));
    doc.setText(Field::edStudentDiplom2, cp("Иван"));
    doc.setText(Field::edStudentDiplom3, cp("Иванович"));
    EXPECT_EQ(resultsFileNames(doc, "list.csv"),
              std::vector<std::string>{cp("Иванов Иван Иванович.csv")});
}

TEST(PickStudent, LoadsTheResultsFileBesideTheListThenConfirms) {
    test::TempDir dir;
    const std::string list = dir.path().string() + "/list.csv";
    // The file system holds names in UTF-8; the document holds them in CP1251.
    test::writeFile(dir / "Иванов Иван Иванович.csv", cp("Физика;72;5\r\n"));
    Settings settings;
    settings.VellexVersion = 2;
    Document doc;
    const UserMessages got = pickStudent(
        doc, row({"Иванов", "Иван", "Иванович", "05.03.85", "Омск"}), settings, list, kToday);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].text, list_texts::kStudentPicked);
    EXPECT_EQ(got[0].icon, MessageIcon::Information);
    EXPECT_EQ(doc.cell(Table::Disciplines, 1, Column::Discipline), cp("Физика"));

    // Another student has no results file: the warning, then the confirmation.
    Document other;
    EXPECT_EQ(
        pickStudent(other, row({"Петров", "Пётр", "", "", ""}), settings, list, kToday).size(), 2u);
    EXPECT_EQ(other.cell(Table::Disciplines, 1, Column::Discipline), "");

    // A birth date that does not read by the list's format is put in as it stands, and said.
    const UserMessages odd = pickStudent(
        doc, row({"Иванов", "Иван", "Иванович", "31.02.85", "Омск"}), settings, list, kToday);
    ASSERT_EQ(odd.size(), 2u);
    EXPECT_EQ(odd[0].icon, MessageIcon::Warning);
    EXPECT_NE(odd[0].text.find("«31.02.85» не читается по формату «dd.mm.yy»"), std::string::npos)
        << odd[0].text;
    EXPECT_EQ(doc.text(Field::edBirthDay), "31.02.85");
}

// A second pick must leave nothing of the first student: not the rows the second file does
// not reach, not the grades when there is no file, not the birth day and month.
struct SecondPick {
    const char* name;
    const char* file;  // the second student's results file; nullptr: none
    const char* birth;
    int version;
};

class PickTwice : public testing::TestWithParam<SecondPick> {};

TEST_P(PickTwice, NothingOfTheFirstStudentStays) {
    const SecondPick& c = GetParam();
    test::TempDir dir;
    const std::string list = dir.path().string() + "/list.csv";
    test::writeFile(dir / "Иванов Иван Иванович.csv",
                    cp("Физика;72;5\r\nХимия;36;4\r\nБиология;20;3\r\n"));
    if (c.file)
        test::writeFile(dir / "Петров Пётр Петрович.csv", cp(c.file));
    Settings settings;
    settings.VellexVersion = c.version;
    settings.DateFormatBirthDay = "dd.mm.yy";
    Document doc;
    pickStudent(doc, row({"Иванов", "Иван", "Иванович", "05.03.85", "Омск"}), settings, list,
                kToday);
    ASSERT_EQ(doc.cell(Table::Disciplines, 3, Column::Value), "3");
    doc.setCell(Table::Disciplines8, 2, Column::Value, "5");  // typed on page 3

    const UserMessages got = pickStudent(doc, row({"Петров", "Пётр", "Петрович", c.birth, "Тула"}),
                                         settings, list, kToday);
    for (const Table t : {Table::Disciplines, Table::Disciplines8}) {
        for (int r = c.file ? 2 : 1; r <= doc.rowCount(t); ++r) {
            if (c.file) {
                EXPECT_EQ(doc.cell(t, r, Column::Discipline), "") << r;
            }
            EXPECT_EQ(doc.cell(t, r, Column::AudTime), "") << r;
            EXPECT_EQ(doc.cell(t, r, Column::Value), "") << r;
        }
    }
    if (c.file) {
        EXPECT_EQ(doc.cell(Table::Disciplines, 1, Column::Discipline), cp("Литература"));
        EXPECT_EQ(got.back().text, list_texts::kStudentPicked);
    } else {
        // The names come from the group's discipline list and stay.
        EXPECT_EQ(doc.cell(Table::Disciplines, 2, Column::Discipline), cp("Химия"));
        // An unreadable birth date is said first.
        const bool oddBirth = std::string_view(c.birth) == "??";
        ASSERT_EQ(got.size(), oddBirth ? 3u : 2u);
        const UserMessage& missing = got[got.size() - 2];
        EXPECT_EQ(missing.icon, MessageIcon::Warning);
        EXPECT_NE(missing.text.find("Петров Пётр Петрович.csv"), std::string::npos) << missing.text;
    }
    if (c.version == 2 && std::string_view(c.birth) == "??") {  // the birth date too
        for (const Field f : {Field::edEntry2, Field::edDateOut, Field::edEntryNPO2,
                              Field::edDateOutNPO, Field::edNumToDipl4, Field::edDateOut7})
            EXPECT_EQ(doc.text(f), "") << fieldName(f);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, PickTwice,
                         testing::Values(SecondPick{"shorter_file", "Литература;10;5\r\n",
                                                    "01.02.86", 2},
                                         SecondPick{"no_file", nullptr, "01.02.86", 2},
                                         SecondPick{"no_file_older", nullptr, "01.02.86", 0},
                                         SecondPick{"unreadable_birth", nullptr, "??", 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PickStudent, AResultsFileThatCannotBeReadIsNamedWithItsCause) {
    test::TempDir dir;
    // A folder where the file should be cannot be read as one.
    std::filesystem::create_directory(dir / "Иванов Иван Иванович.csv");
    Settings settings;
    settings.VellexVersion = 2;
    Document doc;
    const UserMessages got = pickStudent(doc, row({"Иванов", "Иван", "Иванович", "", ""}), settings,
                                         dir.path().string() + "/list.csv", kToday);
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got[0].icon, MessageIcon::Error);
    EXPECT_NE(got[0].text, list_texts::kFileLocked);
    EXPECT_NE(got[0].text.find("Иванов Иван Иванович.csv"), std::string::npos) << got[0].text;
}

}  // namespace
}  // namespace vellex

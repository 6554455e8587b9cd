#include <gtest/gtest.h>

#include "lists/list_texts.h"
#include "lists/student_list_writer.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::cp;
namespace fs = std::filesystem;

Settings settingsFor(int version) {
    Settings s;
    s.VellexVersion = version;
    s.SplitField = ";";
    return s;
}

TEST(StudentListLine, FieldsFromWhereverTheNameStands) {
    const struct {
        int version;
        std::vector<std::pair<Field, const char*>> fields;
        const char* line;
    } cases[] = {
        {2,
         {{Field::edStudentDiplom1, "Иванов"},
          {Field::edStudentDiplom2, "Иван"},
          {Field::edStudentDiplom3, "Иванович"},
          {Field::edTown, "г. Омск"}},
         "Иванов;Иван;Иванович; ;г. Омск"},
        {0,
         {{Field::edStudentDiplom1, "Иванов"}, {Field::edStudentDiplom2, "Иван Иванович"}},
         "Иванов;Иван;Иванович; ;"},
        // The diploma empty: the SPO page's name; the town of a later page.
        {1,
         {{Field::edSurName, "Петров"}, {Field::edName, "Пётр"}, {Field::edTown7, "Бердск"}},
         "Петров;Пётр; ; ;Бердск"},
        {2, {{Field::edSurName4, "Сидоров"}}, "Сидоров; ; ; ;"},
        {2, {{Field::edTown, "г. Омск"}}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Document doc;
        for (const auto& [f, text] : c.fields)
            doc.setText(f, cp(text));
        EXPECT_EQ(studentListLine(doc, c.version, ";"), cp(c.line));
    }
}

class AppendStudent : public ::testing::Test {
  protected:
    AppendStudent() {
        doc.setText(Field::edStudentDiplom1, cp("Иванов"));
        doc.setText(Field::edStudentDiplom2, cp("Иван"));
        doc.setText(Field::edStudentDiplom3, cp("Иванович"));
        doc.setText(Field::edTown, cp("Омск"));
    }
    std::string listName() const { return (dir / "list.csv").string(); }

    test::TempDir dir;
    Document doc;
    const std::string line = cp("Иванов;Иван;Иванович; ;Омск\r\n");
};

TEST_F(AppendStudent, MissingListIsCreatedWithItsFolders) {
    const std::string name = (dir / "a/b/list.csv").string();
    EXPECT_TRUE(appendStudentToList(doc, settingsFor(2), name).empty());
    EXPECT_EQ(test::readFile(name), line);
    EXPECT_FALSE(fs::exists(name + ".tmp"));
}

TEST_F(AppendStudent, TwiceGivesTwoLinesAndEveryLineGetsCrLf) {
    test::writeFile(listName(), cp("Петров;Пётр;Петрович;01.01.90;Томск\nСидоров;Олег;;;"));
    EXPECT_TRUE(appendStudentToList(doc, settingsFor(2), listName()).empty());
    EXPECT_TRUE(appendStudentToList(doc, settingsFor(2), listName()).empty());
    EXPECT_EQ(test::readFile(listName()),
              cp("Петров;Пётр;Петрович;01.01.90;Томск\r\nСидоров;Олег;;;\r\n") + line + line);
}

TEST_F(AppendStudent, NobodyNamedChangesNothing) {
    test::writeFile(listName(), "x\r\n");
    EXPECT_TRUE(appendStudentToList(Document(), settingsFor(2), listName()).empty());
    EXPECT_EQ(test::readFile(listName()), "x\r\n");
}

TEST_F(AppendStudent, LeftoverTemporaryFileIsReplaced) {
    test::writeFile(listName() + ".tmp", "stale");
    EXPECT_TRUE(appendStudentToList(doc, settingsFor(2), listName()).empty());
    EXPECT_EQ(test::readFile(listName()), line);
    EXPECT_FALSE(fs::exists(listName() + ".tmp"));
}

TEST_F(AppendStudent, FailuresLeaveTheOldListAndSayWhy) {
    const std::string old = cp("Петров;Пётр;Петрович;01.01.90;Томск\r\n");
    test::writeFile(listName(), old);

    // The temporary file's place is taken by a folder with content: it cannot go.
    fs::create_directories(dir / "list.csv.tmp" / "inner");
    UserMessages got = appendStudentToList(doc, settingsFor(2), listName());
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].text, std::string(list_texts::kCannotDeleteTemp) + listName() + ".tmp");
    EXPECT_EQ(got[0].icon, MessageIcon::Error);
    EXPECT_EQ(test::readFile(listName()), old);
    fs::remove_all(dir / "list.csv.tmp");

    // A read-only list is not replaced; the complete new list waits in the ".tmp" file.
    fs::permissions(listName(), fs::perms::owner_read);
    got = appendStudentToList(doc, settingsFor(2), listName());
    ASSERT_EQ(got.size(), 1u);
    // The known message first, then the file and the cause.
    EXPECT_EQ(got[0].text.rfind(list_texts::kCannotWriteList, 0), 0u) << got[0].text;
    EXPECT_NE(got[0].text.find("list.csv"), std::string::npos) << got[0].text;
    EXPECT_NE(got[0].text.find("только для чтения"), std::string::npos) << got[0].text;
    EXPECT_EQ(test::readFile(listName()), old);
    EXPECT_EQ(test::readFile(listName() + ".tmp"), old + line);
}

TEST_F(AppendStudent, ListNameWithoutFolderIsRefused) {
    for (const char* name : {"", "list-without-folder.csv"}) {
        const UserMessages got = appendStudentToList(doc, settingsFor(2), name);
        ASSERT_EQ(got.size(), 1u) << name;
        EXPECT_EQ(got[0].icon, MessageIcon::Error);
        EXPECT_FALSE(fs::exists(name));
    }
}

}  // namespace
}  // namespace vellex

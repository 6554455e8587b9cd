#include <gtest/gtest.h>

#include "lists/discipline_list.h"
#include "lists/list_params.h"
#include "lists/list_texts.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::cp;
namespace fs = std::filesystem;

std::vector<std::string> names(int count) {
    std::vector<std::string> out;
    for (int i = 1; i <= count; ++i)
        out.push_back(cp("Дисциплина " + std::to_string(i)));
    return out;
}

DisciplineList listOf(const std::vector<std::string>& entries) {
    DisciplineList list;
    for (const std::string& e : entries)
        list.add(e);
    return list;
}

TEST(DisciplineListLoad, LinesLoseTheSeparatorsFirstCharacterAtBothEnds) {
    Settings settings;
    settings.SplitField = ";,";  // only ';' counts here
    DisciplineList list;
    const std::string file = test::dataFile("lists/disciplines_export.csv").string();
    EXPECT_TRUE(list.load("\"" + file + "\"", settings).empty());
    EXPECT_EQ(list.fileName(), file);
    EXPECT_EQ(list.entries(),
              (std::vector<std::string>{cp("Математика"), cp("Физика"), cp("Химия; органическая"),
                                        "", cp("Русский язык")}));
    EXPECT_EQ(settings.DisciplinesFileName, file);
}

TEST(DisciplineListLoad, EmptySeparatorWarnsAndKeepsLinesAsRead) {
    Settings settings;
    settings.SplitField = "";
    DisciplineList list;
    const UserMessages got =
        list.load(test::dataFile("lists/disciplines_export.csv").string(), settings);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].text, list_texts::kEmptySeparator);
    EXPECT_EQ(list.entries().front(), cp("Математика;;"));
}

TEST(DisciplineListLoad, MissingFileEmptiesTheListAndKeepsTheSetting) {
    Settings settings;
    settings.DisciplinesFileName = "keep";
    DisciplineList list = listOf(names(3));
    EXPECT_TRUE(list.load("/nonexistent/d", settings).empty());
    EXPECT_TRUE(list.entries().empty());
    EXPECT_EQ(settings.DisciplinesFileName, "keep");
}

// A list saved in UTF-8 cannot be shown; it must not be replaced by what is typed into the
// empty window either.
TEST(DisciplineListLoad, AFileThatCannotBeReadIsNamedAndNeverWrittenOver) {
    test::TempDir dir;
    const std::string utf8 = "\xD0\xA4\xD0\xB8\xD0\xB7\xD0\xB8\xD0\xBA\xD0\xB0\r\n";
    test::writeFile(dir / "list.csv", utf8);
    Settings settings;
    DisciplineList list;
    const UserMessages got = list.load((dir / "list.csv").string(), settings);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].icon, MessageIcon::Error);
    EXPECT_NE(got[0].text.find("UTF-8"), std::string::npos) << got[0].text;
    EXPECT_TRUE(list.entries().empty());

    list.add(cp("Химия"));
    const DisciplineList::Closing c = list.close((dir / "list.csv").string(), settings);
    EXPECT_FALSE(c.mayClose);
    EXPECT_TRUE(c.saveElsewhere);
    EXPECT_EQ(test::readFile(dir / "list.csv"), utf8);
}

TEST(DisciplineListEdit, AddIgnoresCaseDuplicatesAndEmptyNames) {
    DisciplineList list;
    EXPECT_TRUE(list.add(cp("Физика")));
    EXPECT_FALSE(list.add(cp("ФИЗИКА")));
    EXPECT_FALSE(list.add(""));
    EXPECT_TRUE(list.add(cp("Химия")));
    list.remove(0);
    list.remove(5);
    EXPECT_EQ(list.entries(), std::vector<std::string>{cp("Химия")});
}

TEST(DisciplineListBlank, FillPage2ThenPage3AndWarnPerSurplusEntry) {
    const struct {
        int count;
        int page2;
        int page3;
        std::size_t warnings;
    } cases[] = {{0, 0, 0, 0}, {10, 10, 0, 0}, {60, 54, 6, 0}, {102, 54, 48, 0}, {110, 54, 48, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        Document doc(54);
        doc.setCell(Table::Disciplines, 1, Column::AudTime, "72");
        doc.setCell(Table::Disciplines, 54, Column::Discipline, "old");
        doc.setCell(Table::Disciplines8, 48, Column::Discipline, "old");
        const UserMessages got = listOf(names(c.count)).fillBlank(doc);
        EXPECT_EQ(got.size(), c.warnings);
        if (!got.empty()) {
            EXPECT_EQ(got[0].text, list_texts::kTooManyDisciplines);
        }
        if (c.page2 > 0) {
            EXPECT_EQ(doc.cell(Table::Disciplines, c.page2, Column::Discipline),
                      cp("Дисциплина " + std::to_string(c.page2)));
        }
        if (c.page3 > 0) {
            EXPECT_EQ(doc.cell(Table::Disciplines8, c.page3, Column::Discipline),
                      cp("Дисциплина " + std::to_string(54 + c.page3)));
        }
        EXPECT_EQ(doc.cell(Table::Disciplines, 1, Column::AudTime), "72");
        if (c.page2 < 54) {
            EXPECT_EQ(doc.cell(Table::Disciplines, 54, Column::Discipline), "old");
        }
        if (c.page3 < 48) {
            EXPECT_EQ(doc.cell(Table::Disciplines8, 48, Column::Discipline), "old");
        }
    }
}

TEST(DisciplineListBlank, TakeStopsAtTheFirstEmptyName) {
    Document doc(54);
    listOf(names(59)).fillBlank(doc);
    DisciplineList list;
    list.takeFromBlank(doc);
    EXPECT_EQ(list.entries().size(), 59u);

    doc.setCell(Table::Disciplines, 3, Column::Discipline, "");
    list.takeFromBlank(doc);
    EXPECT_EQ(list.entries(), (std::vector<std::string>{cp("Дисциплина 1"), cp("Дисциплина 2")}));

    // Page 3 follows only a full page 2.
    Document partial(54);
    partial.setCell(Table::Disciplines8, 1, Column::Discipline, "x");
    list.takeFromBlank(partial);
    EXPECT_TRUE(list.entries().empty());
}

TEST(DisciplineListBlank, QuestionOnlyBeforeReplacingEntries) {
    EXPECT_FALSE(DisciplineList().takeFromBlankQuestion().has_value());
    const auto q = listOf(names(1)).takeFromBlankQuestion();
    ASSERT_TRUE(q.has_value());
    EXPECT_EQ(q->text, list_texts::kReplaceDisciplines);
    EXPECT_TRUE(q->question);
    EXPECT_EQ(q->icon, MessageIcon::Warning);
}

TEST(DisciplineListClose, WritesEveryEntryWithCrLfIntoNewFolders) {
    test::TempDir dir;
    Settings settings;
    DisciplineList list = listOf({cp("Физика"), cp("Химия")});
    const std::string file = (dir / "new/sub/d.csv").string();
    const DisciplineList::Closing c = list.close("\"" + file + "\"", settings);
    EXPECT_TRUE(c.mayClose);
    EXPECT_TRUE(c.messages.empty());
    EXPECT_EQ(test::readFile(file), cp("Физика\r\nХимия\r\n"));
    EXPECT_EQ(settings.DisciplinesFileName, file);
}

TEST(DisciplineListClose, EmptyListNeverTouchesTheFile) {
    test::TempDir dir;
    Settings settings;
    settings.DisciplinesFileName = "keep";
    test::writeFile(dir / "d.csv", "old\r\n");
    DisciplineList list;
    EXPECT_TRUE(list.close((dir / "d.csv").string(), settings).messages.empty());
    EXPECT_EQ(test::readFile(dir / "d.csv"), "old\r\n");
    EXPECT_EQ(settings.DisciplinesFileName, "keep");
}

TEST(DisciplineListClose, UnwritableFilesKeepTheOldContentAndSaySo) {
    test::TempDir dir;
    Settings settings;
    DisciplineList list = listOf({cp("Физика")});

    // Every failure says why, keeps the window open and offers another file; the list
    // used to be dropped without a word when the folder could not be made.
    test::writeFile(dir / "blocker", "");  // a file stands where the folder should be
    test::writeFile(dir / "ro.csv", "old\r\n");
    fs::permissions(dir / "ro.csv", fs::perms::owner_read);
    for (const std::string& name :
         {(dir / "blocker/d.csv").string(), (dir / "ro.csv").string(), std::string("d.csv")}) {
        SCOPED_TRACE(name);
        const DisciplineList::Closing c = list.close(name, settings);
        ASSERT_EQ(c.messages.size(), 1u);
        EXPECT_EQ(c.messages[0].text.rfind(list_texts::kDisciplinesNotSaved, 0), 0u);
        EXPECT_GT(c.messages[0].text.size(), list_texts::kDisciplinesNotSaved.size());
        EXPECT_FALSE(c.mayClose);
        ASSERT_TRUE(c.saveElsewhere);
        EXPECT_TRUE(c.saveElsewhere->question);
        EXPECT_EQ(settings.DisciplinesFileName, "");
    }
    EXPECT_EQ(test::readFile(dir / "ro.csv"), "old\r\n");
    EXPECT_FALSE(fs::exists("d.csv"));

    // Saving elsewhere then works.
    const DisciplineList::Closing c = list.close((dir / "other.csv").string(), settings);
    EXPECT_TRUE(c.mayClose);
    EXPECT_EQ(test::readFile(dir / "other.csv"), cp("Физика\r\n"));
}

// ---- list parameters -------------------------------------------------------------------

TEST(DateFormatOffer, FromTheFileOrTheCurrentFormatAlone) {
    const std::string file = test::readFile(test::dataFile("lists/DateFormats.dat"));
    const std::vector<std::string> lines = {"dd.mm.yyyy", "DD.MM.YY", "yyyy.mm.dd", "mm.dd.yy"};
    const struct {
        std::optional<std::string_view> data;
        const char* current;
        DateFormatOffer want;
    } cases[] = {
        {std::nullopt, "dd.mm.yy", {{"dd.mm.yy"}, 0}},
        {std::nullopt, "", {{""}, 0}},
        {file, "dd.mm.yy", {lines, 1}},  // letter case ignored
        // A stored format the file lacks is still offered and chosen, so that closing
        // the window unchanged keeps it (it used to become empty).
        {file, "d.m.y", {{"dd.mm.yyyy", "DD.MM.YY", "yyyy.mm.dd", "mm.dd.yy", "d.m.y"}, 4}},
        {std::string_view(""), "dd.mm.yy", {{"dd.mm.yy"}, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.current);
        EXPECT_EQ(offerDateFormats(c.data, c.current), c.want);
    }
}

TEST(DateFormatOffer, TheProgramFoldersFileIsOffered) {
    test::TempDir dir;
    EXPECT_EQ(readDateFormats(dir.path(), "dd.mm.yy"), (DateFormatOffer{{"dd.mm.yy"}, 0}));
    test::writeFile(dir / "DateFormats.dat", "dd.mm.yy\r\nd.m.yyyy\ryyyy.mm.dd\n");
    EXPECT_EQ(readDateFormats(dir.path(), "yyyy.mm.dd"),
              (DateFormatOffer{{"dd.mm.yy", "d.m.yyyy", "yyyy.mm.dd"}, 2}));
}

}  // namespace
}  // namespace vellex

// The golden files of tests/data/storage/golden/ (scripts/make-golden-documents.py) state
// the line order by hand; each line spells its field. Writer and reader share one layout
// table, so only files like these notice two fields of that table trading places.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "model/grade_list.h"
#include "storage/document_file.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

struct GoldenCase {
    const char* file;
    DocumentLayout layout;
    int version;
    int saveStyle;
    int rows;  // page-2 rows in the file
};

void PrintTo(const GoldenCase& g, std::ostream* os) {
    *os << g.file;
}

constexpr auto kNow = DocumentLayout::Current;
constexpr auto k412 = DocumentLayout::Release412;
constexpr auto k422 = DocumentLayout::Release422;
constexpr auto k4233 = DocumentLayout::Release4233;

// As the GOLDEN list of the script.
constexpr GoldenCase kGolden[] = {
    {"current-v0-columns.app", kNow, 0, 0, 62},  {"current-v0-rows.app", kNow, 0, 1, 54},
    {"current-v0-notables.app", kNow, 0, 2, 54}, {"current-v1-columns.app", kNow, 1, 0, 54},
    {"current-v1-rows.app", kNow, 1, 1, 58},     {"current-v1-notables.app", kNow, 1, 2, 54},
    {"current-v2-columns.app", kNow, 2, 0, 54},  {"current-v2-rows.app", kNow, 2, 1, 94},
    {"current-v2-notables.app", kNow, 2, 2, 54}, {"release412.app", k412, 2, 0, 54},
    {"release412-86rows.app", k412, 0, 1, 86},   {"release422.app", k422, 0, 1, 54},
    {"release4233.app", k4233, 1, 0, 54},
};

std::string fieldText(Field f) {
    return std::string(fieldName(f)) + test::cp(" поле");
}

std::string cellText(Table t, int row, Column c) {
    return std::string(tableName(t)) + test::cp(" строка ") + std::to_string(row) + " " +
           std::string(columnName(c));
}

std::set<std::string> linesOf(const std::string& text) {
    std::set<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        out.insert(text.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

// The line number of the first difference, 0 when the texts are equal.
int firstDifferentLine(const std::string& a, const std::string& b) {
    const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    if (ia == a.end() && ib == b.end())
        return 0;
    return static_cast<int>(std::count(a.begin(), ia, '\n')) + 1;
}

class GoldenDocument : public ::testing::TestWithParam<GoldenCase> {};

// A field or cell whose line the file has must hold that line; the others must keep
// what they had (no field of another edition or release is touched).
TEST_P(GoldenDocument, EveryFieldReadsTheLineThatNamesIt) {
    const GoldenCase& g = GetParam();
    const auto path = test::dataFile(std::string("storage/golden/") + g.file);
    const std::string golden = test::readFile(path);
    const std::set<std::string> lines = linesOf(golden);
    // 86 rows: a 4.1.2 file read with the 86-row option over 54-row settings.
    const bool rows86 = g.rows == 86;
    const DocumentFileFormat format{g.version, g.saveStyle, rows86 ? 54 : g.rows};
    ASSERT_EQ(countDocumentLines(golden), documentFileLineCount(g.layout, format, g.rows));

    Document doc(54);
    for (int i = 0; i < kFieldCount; ++i)
        doc.setText(static_cast<Field>(i), "stale");
    const GradeList grades = builtInGrades();
    DocumentReadOptions options{format, g.layout, rows86, &grades};
    std::string err;
    ASSERT_TRUE(readDocument(path, options, doc, &err)) << err;

    for (int i = 0; i < kFieldCount; ++i) {
        const Field f = static_cast<Field>(i);
        const std::string named = fieldText(f);
        EXPECT_EQ(test::u8(doc.text(f)), test::u8(lines.count(named) ? named : "stale"))
            << fieldName(f);
    }
    for (Table t :
         {Table::Disciplines, Table::Disciplines8, Table::Disciplines4, Table::Disciplines7}) {
        for (int r = 1; r <= doc.rowCount(t); ++r) {
            for (Column c : {Column::Discipline, Column::AudTime, Column::Value}) {
                const std::string named = cellText(t, r, c);
                EXPECT_EQ(test::u8(doc.cell(t, r, c)), test::u8(lines.count(named) ? named : ""))
                    << tableName(t) << " " << r << " " << columnName(c);
            }
        }
    }
    EXPECT_EQ(doc.choice(Choice::cbTrial), 1);

    if (g.layout == DocumentLayout::Current) {
        EXPECT_EQ(firstDifferentLine(documentFileText(doc, format), golden), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Files, GoldenDocument, ::testing::ValuesIn(kGolden), [](const auto& info) {
    std::string name = info.param.file;
    name = name.substr(0, name.find('.'));
    for (char& ch : name) {
        if (ch == '-')
            ch = '_';
    }
    return name;
});

}  // namespace
}  // namespace vellex

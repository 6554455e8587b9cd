#include "storage/document_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <set>

#include "model/grade_list.h"
#include "storage/settings.h"
#include "tests/support/test_support.h"
#include "text/cp1251.h"

namespace vellex {
namespace {
namespace fs = std::filesystem;

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            out.push_back(text.substr(start));
            break;
        }
        out.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

// A file of `count` lines "строка 1" … "строка N".
std::string numberedLines(int count) {
    std::string out;
    for (int i = 1; i <= count; ++i)
        out += test::cp("строка " + std::to_string(i)) + "\r\n";
    return out;
}

std::string numbered(int i) {
    return test::cp("строка " + std::to_string(i));
}

// Every saved text field and table cell gets its own text.
Document filledDocument(int rows) {
    Document doc(rows);
    for (int f = 0; f < kFieldCount; ++f) {
        if (fieldKind(static_cast<Field>(f)) != FieldKind::Text)
            continue;
        doc.setText(static_cast<Field>(f),
                    test::cp("поле ") + std::string(fieldName(static_cast<Field>(f))));
    }
    for (Table t :
         {Table::Disciplines, Table::Disciplines8, Table::Disciplines4, Table::Disciplines7}) {
        for (int r = 1; r <= doc.rowCount(t); ++r) {
            doc.setCell(t, r, Column::Discipline,
                        std::string(tableName(t)) + test::cp(" имя ") + std::to_string(r));
            doc.setCell(t, r, Column::AudTime, std::to_string(r * 2));
            // Bare numbers on purpose: typed grades must come back as typed.
            doc.setCell(t, r, Column::Value, std::to_string(r % 16));
        }
    }
    doc.setChoice(Choice::cbTrial, 1);
    return doc;
}

struct FormatCase {
    int version;
    int saveStyle;
    int mode;
};

class DocumentRoundTrip : public ::testing::TestWithParam<FormatCase> {};

TEST_P(DocumentRoundTrip, EveryFieldAndCellComesBackByteForByte) {
    const auto [version, saveStyle, mode] = GetParam();
    const int rows = rowsForMode(mode);
    const DocumentFileFormat format{version, saveStyle, rows};
    const Document saved = filledDocument(rows);
    test::TempDir dir;
    std::string err;
    ASSERT_TRUE(writeDocument(dir / "a.app", saved, format, &err)) << err;
    const std::string text = test::readFile(dir / "a.app");
    EXPECT_EQ(static_cast<int>(splitLines(text).size()), documentFileLineCount(format, rows));

    Document opened(rows);
    for (int f = 0; f < kFieldCount; ++f)
        opened.setText(static_cast<Field>(f), "stale");
    DocumentReadOptions options;
    options.format = format;
    const GradeList grades = builtInGrades();
    options.gradeList = &grades;
    ASSERT_TRUE(readDocument(dir / "a.app", options, opened, &err)) << err;

    // Fields the edition does not store keep what they had.
    const std::set<std::string> notStored =
        version == 1 ? std::set<std::string>{"edPraktic4", "edExamMore7", "edExamMore8",
                                             "edExamMore9", "edExamMore10"}
                     : std::set<std::string>{"edTrial1", "edTrial2", "edSpecial2", "edSpecialicy2"};
    for (int i = 0; i < kFieldCount; ++i) {
        const Field f = static_cast<Field>(i);
        const std::string name(fieldName(f));
        if (fieldKind(f) != FieldKind::Text || notStored.count(name)) {
            EXPECT_EQ(opened.text(f), "stale") << name;
        } else {
            EXPECT_EQ(opened.text(f), saved.text(f)) << name;
        }
    }
    for (Table t :
         {Table::Disciplines, Table::Disciplines8, Table::Disciplines4, Table::Disciplines7}) {
        ASSERT_EQ(opened.rowCount(t), saved.rowCount(t));
        for (int r = 1; r <= saved.rowCount(t); ++r) {
            for (Column c : {Column::Discipline, Column::AudTime, Column::Value}) {
                EXPECT_EQ(opened.cell(t, r, c), saved.cell(t, r, c))
                    << tableName(t) << " " << r << " " << columnName(c);
            }
        }
    }
    EXPECT_EQ(opened.choice(Choice::cbTrial), 1);
    EXPECT_EQ(documentFileText(opened, format), text);
}

std::vector<FormatCase> allFormats() {
    std::vector<FormatCase> out;
    for (int v : {0, 1, 2}) {
        for (int s : {0, 1}) {
            for (int m : {0, 1, 2, 4})
                out.push_back({v, s, m});
        }
    }
    return out;
}

INSTANTIATE_TEST_SUITE_P(VersionsStylesRows, DocumentRoundTrip, ::testing::ValuesIn(allFormats()));

// A document and a settings file whose line ends an editor turned into LF or CR alone
// read as the CR LF originals (a CR-only file used to land entirely in the first field).
TEST(ForeignLineEnds, DocumentAndSettingsReadAsWritten) {
    test::TempDir dir;
    const Document doc = filledDocument(54);
    const std::string text = documentFileText(doc, {});
    Settings settings;
    settings.DeltaX1 = 12;
    settings.SplitField = ",";
    ASSERT_TRUE(writeSettings(dir / "App.ini", true, settings, nullptr));
    const std::string ini = test::readFile(dir / "App.ini");
    for (const char* end : {"\n", "\r"}) {
        const auto convert = [&](std::string s) {
            std::string out;
            for (std::size_t i = 0; i < s.size(); ++i) {
                if (s.compare(i, 2, "\r\n") == 0) {
                    out += end;
                    ++i;
                } else {
                    out += s[i];
                }
            }
            return out;
        };
        SCOPED_TRACE(end[0] == '\n' ? "LF" : "CR");
        test::writeFile(dir / "a.app", convert(text));
        Document read(54);
        ASSERT_TRUE(readDocument(dir / "a.app", {}, read, nullptr));
        EXPECT_EQ(documentFileText(read, {}), text);

        test::writeFile(dir / "b.ini", convert(ini));
        Settings back;
        ASSERT_TRUE(readSettings(dir / "b.ini", true, back));
        EXPECT_EQ(back.DeltaX1, 12);
        EXPECT_EQ(back.SplitField, ",");
    }
}

TEST(DocumentLayoutCounts, EmptyDocumentLinesAndTheTrialLine) {
    const std::pair<int, int> rowsAndLines[] = {{54, 731}, {62, 755}, {58, 743}, {94, 851}};
    for (auto [rows, lines] : rowsAndLines) {
        Document doc(rows);
        const auto text = splitLines(documentFileText(doc, {2, 0, rows}));
        ASSERT_EQ(static_cast<int>(text.size()), lines) << rows;
        for (int i = 0; i < lines; ++i) {
            EXPECT_EQ(text[static_cast<std::size_t>(i)], i == 42 ? "-1" : "") << "line " << i + 1;
        }
        doc.setChoice(Choice::cbTrial, 0);
        EXPECT_EQ(splitLines(documentFileText(doc, {2, 0, rows}))[42], "0");
    }
}

TEST(DocumentLayoutCounts, OtherSaveStyleWritesNoTableLines) {
    Document doc(54);
    EXPECT_EQ(splitLines(documentFileText(doc, {2, 7, 54})).size(), 245u);
}

TEST(DocumentLayoutCounts, Version1WritesTimeLern2Twice) {
    Document doc(54);
    doc.setText(Field::edTimeLern2, "4 years");
    const auto lines = splitLines(documentFileText(doc, {1, 0, 54}));
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "4 years"), 2);
}

TEST(DocumentForeignSettings, SaveStyle1ReadAs0ShiftsColumns) {
    test::TempDir dir;
    Document doc(54);
    doc.setCell(Table::Disciplines, 1, Column::Discipline, "Math");
    doc.setCell(Table::Disciplines, 1, Column::AudTime, "72");
    doc.setCell(Table::Disciplines, 1, Column::Value, "good");
    ASSERT_TRUE(writeDocument(dir / "a.app", doc, {2, 1, 54}, nullptr));
    Document opened(54);
    DocumentReadOptions options;
    options.format = {2, 0, 54};
    ASSERT_TRUE(readDocument(dir / "a.app", options, opened, nullptr));
    EXPECT_EQ(opened.cell(Table::Disciplines, 1, Column::Discipline), "Math");
    EXPECT_EQ(opened.cell(Table::Disciplines, 2, Column::Discipline), "72");
    EXPECT_EQ(opened.cell(Table::Disciplines, 3, Column::Discipline), "good");
}

TEST(DocumentForeignSettings, RowCountOfTheFormatRebuildsThePage2Table) {
    test::TempDir dir;
    test::writeFile(dir / "a.app", numberedLines(851));
    Document doc(54);
    DocumentReadOptions options;
    options.format = {2, 0, 94};
    ASSERT_TRUE(readDocument(dir / "a.app", options, doc, nullptr));
    ASSERT_EQ(doc.rowCount(Table::Disciplines), 94);
    // Blocks 1-6 take 18 + 14 + 60 + 51 + 119 + 123 = 385 lines; the table follows.
    EXPECT_EQ(doc.cell(Table::Disciplines, 94, Column::Value), numbered(385 + 3 * 94));
    EXPECT_EQ(doc.text(Field::edYearOut), numbered(385 + 3 * 94 + 5));
}

struct TrialCase {
    const char* line;
    int choice;
};

class DocumentTrialLine : public ::testing::TestWithParam<TrialCase> {};

TEST_P(DocumentTrialLine, OnlyAnItemNumberChooses) {
    test::TempDir dir;
    std::string text(42, '\n');
    text += GetParam().line;
    test::writeFile(dir / "a.app", text + "\r\n");
    Document doc(54);
    doc.setChoice(Choice::cbTrial, 0);
    ASSERT_TRUE(readDocument(dir / "a.app", {}, doc, nullptr));
    EXPECT_EQ(doc.choice(Choice::cbTrial), GetParam().choice);
}

INSTANTIATE_TEST_SUITE_P(Rows, DocumentTrialLine,
                         ::testing::Values(TrialCase{"0", 0}, TrialCase{"1", 1},
                                           TrialCase{"-1", -1}, TrialCase{"2", -1},
                                           TrialCase{"\xEF\xF0\xEE\xF8\xE5\xEB", -1} /* «прошел» */,
                                           TrialCase{"", -1}, TrialCase{"1x", -1}));

struct GradeCase {
    DocumentLayout layout;
    const char* line;
    const char* expected;  // UTF-8
};

class DocumentGradeLine : public ::testing::TestWithParam<GradeCase> {};

TEST_P(DocumentGradeLine, ListPositionsOnlyInOlderLayouts) {
    const GradeCase& c = GetParam();
    test::TempDir dir;
    // Blocks 1-6 take 385 lines (375 in release 4.2.2), then 2 × 54 lines of names and hours.
    const int before = (c.layout == DocumentLayout::Current ? 385 : 375) + 2 * 54;
    test::writeFile(dir / "a.app", std::string(static_cast<std::size_t>(before), '\n') +
                                       test::cp(c.line) + "\r\n");
    const GradeList grades = builtInGrades();
    DocumentReadOptions options;
    options.layout = c.layout;
    options.gradeList = &grades;
    Document doc(54);
    ASSERT_TRUE(readDocument(dir / "a.app", options, doc, nullptr));
    EXPECT_EQ(test::u8(doc.cell(Table::Disciplines, 1, Column::Value)), c.expected);
}

constexpr auto kNow = DocumentLayout::Current;
constexpr auto kOld = DocumentLayout::Release422;
INSTANTIATE_TEST_SUITE_P(
    Rows, DocumentGradeLine,
    ::testing::Values(GradeCase{kNow, "5", "5"}, GradeCase{kNow, "0", "0"},
                      GradeCase{kNow, "-1", "-1"}, GradeCase{kNow, "хорошо", "хорошо"},
                      GradeCase{kOld, "0", "5 (пять)"}, GradeCase{kOld, "13", "xxxxxxxxxxxxxxxxx"},
                      GradeCase{kOld, "-1", ""}, GradeCase{kOld, "14", "14"},
                      GradeCase{kOld, "99", "99"}, GradeCase{kOld, "abc", "abc"},
                      GradeCase{kOld, "5 (пять)", "5 (пять)"}, GradeCase{kOld, "", ""}));

TEST(DocumentOlderLayouts, Release412FixtureFillsFourSchoolLines) {
    Document doc(54);
    doc.setText(Field::edSchool5, "keep5");
    doc.setText(Field::edSchool6, "keep6");
    doc.setText(Field::edQualify2, "keepQ2");
    const GradeList grades = builtInGrades();
    DocumentReadOptions options;
    options.layout = DocumentLayout::Release412;
    options.gradeList = &grades;
    std::string err;
    ASSERT_TRUE(readDocument(test::dataFile("storage/release412.app"), options, doc, &err)) << err;
    EXPECT_EQ(test::u8(doc.text(Field::edTown)), "Москва");
    EXPECT_EQ(test::u8(doc.text(Field::edSchool4)), "колледж №1");
    EXPECT_EQ(doc.text(Field::edSchool5), "keep5");
    EXPECT_EQ(doc.text(Field::edSchool6), "keep6");
    EXPECT_EQ(doc.text(Field::edQualify2), "keepQ2");
    EXPECT_EQ(doc.choice(Choice::cbTrial), 1);
    EXPECT_EQ(test::u8(doc.text(Field::edSpecRight4)), "(базовый уровень)");
    // Page 2 comes second in this layout.
    EXPECT_EQ(test::u8(doc.cell(Table::Disciplines, 1, Column::Discipline)), "Дисциплина 1");
    EXPECT_EQ(doc.cell(Table::Disciplines, 54, Column::AudTime), "84");
    EXPECT_EQ(test::u8(doc.cell(Table::Disciplines, 2, Column::Value)), "4 (четыре)");
    EXPECT_EQ(test::u8(doc.text(Field::edSecretar)), "Секретарь");
    EXPECT_EQ(test::u8(doc.text(Field::edRukObrazUch)), "диплом 18");
    EXPECT_EQ(test::u8(doc.cell(Table::Disciplines4, 26, Column::Value)), "справка табл 78");
    EXPECT_EQ(test::u8(doc.text(Field::edSpecRightNPO4)), "нпо 46");
    EXPECT_EQ(test::u8(doc.text(Field::edSurName7)), "прил свид 1");
    EXPECT_EQ(test::u8(doc.text(Field::edTimeLern2)), "доп диплом 11");
    EXPECT_EQ(test::u8(doc.text(Field::edNumToDiplSequel)), "АБ 123456");
    EXPECT_EQ(test::u8(doc.text(Field::edYearOut8)), "стр3 5");
    EXPECT_EQ(test::u8(doc.text(Field::edNameDoc2)), "доп свид 17");
}

TEST(DocumentOlderLayouts, Release412FixtureUnderTheCurrentReaderLandsElsewhere) {
    Document doc(54);
    ASSERT_TRUE(readDocument(test::dataFile("storage/release412.app"), {}, doc, nullptr));
    EXPECT_EQ(test::u8(doc.text(Field::edTownDiplom0)), "Москва");
    EXPECT_NE(test::u8(doc.text(Field::edTown)), "Москва");
}

TEST(DocumentOlderLayouts, FifthSpecialtyLineOnlyInRelease4233) {
    test::TempDir dir;
    test::writeFile(dir / "a.app", numberedLines(800));
    for (auto [layout, filled] : {std::pair{DocumentLayout::Release422, false},
                                  std::pair{DocumentLayout::Release4233, true}}) {
        Document doc(54);
        doc.setText(Field::edSpecRight5, "old");
        doc.setText(Field::edSpecRightNPO5, "old");
        DocumentReadOptions options;
        options.layout = layout;
        ASSERT_TRUE(readDocument(dir / "a.app", options, doc, nullptr));
        // Block 3 starts at line 33: town, 4 school lines, …, edQualify, 4 or 5 lines.
        EXPECT_EQ(doc.text(Field::edSpecRight4), numbered(32 + 55));
        EXPECT_EQ(doc.text(Field::edSpecRight5), filled ? numbered(32 + 56) : "old");
        const int npoEnd = 32 + (filled ? 56 : 55) + (filled ? 47 : 46);
        EXPECT_EQ(doc.text(Field::edSpecRightNPO5), filled ? numbered(npoEnd) : "old");
        EXPECT_EQ(doc.text(Field::edSchoolNPO5), "");
    }
}

TEST(DocumentOlderLayouts, EightySixRowsGrowTheTableAndDropNothing) {
    test::TempDir dir;
    test::writeFile(dir / "a.app", numberedLines(900));
    Document doc(54);
    DocumentReadOptions options;
    options.layout = DocumentLayout::Release412;
    options.rows86 = true;
    options.format.rowsPage2 = 54;
    EXPECT_EQ(page2RowsAfterRead(options), 94);
    ASSERT_TRUE(readDocument(dir / "a.app", options, doc, nullptr));
    ASSERT_EQ(doc.rowCount(Table::Disciplines), 94);
    EXPECT_EQ(doc.cell(Table::Disciplines, 1, Column::Discipline), numbered(56));
    EXPECT_EQ(doc.cell(Table::Disciplines, 86, Column::Value), numbered(55 + 3 * 86));
    EXPECT_EQ(doc.cell(Table::Disciplines, 87, Column::Value), "");
    EXPECT_EQ(doc.text(Field::edRukObrazUch2), numbered(55 + 3 * 86 + 1));
}

TEST(DocumentDamaged, ShortFileEmptiesWhatItDoesNotReach) {
    test::TempDir dir;
    test::writeFile(dir / "a.app", "Town0\r\nTown");  // no final line end
    Document doc = filledDocument(54);
    ASSERT_TRUE(readDocument(dir / "a.app", {}, doc, nullptr));
    EXPECT_EQ(doc.text(Field::edTownDiplom), "Town");
    EXPECT_EQ(doc.text(Field::edSchoolDiplom1), "");
    EXPECT_EQ(doc.text(Field::edNameDoc2), "");
    EXPECT_EQ(doc.cell(Table::Disciplines7, 5, Column::AudTime), "");
    EXPECT_EQ(doc.choice(Choice::cbTrial), -1);
}

// Binary data, and a file far larger than any document, are refused with the cause and
// leave the document as it was.
TEST(DocumentDamaged, BinaryAndHugeFilesAreRefused) {
    test::TempDir dir;
    std::string binary;
    for (int i = 0; i < 200000; ++i)
        binary += static_cast<char>((i * 2654435761u) >> 24);
    test::writeFile(dir / "bin.app", binary);
    test::writeFile(dir / "huge.app", std::string(50u << 20, 'x'));
    const std::string lines = documentFileText(filledDocument(54), {});
    // The same document saved by another editor as UTF-8, with and without a BOM.
    test::writeFile(dir / "utf8.app", cp1251::toUtf8(lines));
    test::writeFile(dir / "bom.app", "\xEF\xBB\xBF" + lines);
    Document doc = filledDocument(54);
    const std::string before = documentFileText(doc, {});
    for (const auto& [file, cause] :
         {std::pair{"bin.app", "нулевые байты"}, std::pair{"huge.app", "слишком большой"},
          std::pair{"utf8.app", "в кодировке UTF-8"}, std::pair{"bom.app", "в кодировке UTF-8"}}) {
        std::string err;
        EXPECT_FALSE(readDocument(dir / file, {}, doc, &err));
        EXPECT_NE(err.find(file), std::string::npos) << err;
        EXPECT_NE(err.find(cause), std::string::npos) << err;
        EXPECT_EQ(documentFileText(doc, {}), before);
    }
    // Saved text whose only bytes past ASCII happen to form UTF-8 that is no Russian
    // ("Ж¸" is U+01B8) still opens: it is what the program wrote.
    test::writeFile(dir / "odd.app", test::cp("Ж") + "\xB8\r\n");
    std::string err;
    EXPECT_TRUE(readDocument(dir / "odd.app", {}, doc, &err)) << err;
}

// A line no box could show is cut to the longest field on reading, and the warning names
// the file, the line and the field, whether it is a field or a table cell.
TEST(DocumentDamaged, OverlongLinesAreCutWithAWarningNamingTheField) {
    test::TempDir dir;
    Document doc = filledDocument(54);
    std::vector<std::string> lines = splitLines(documentFileText(doc, {}));
    const std::size_t town = 1;  // edTownDiplom, after the upper town line
    // Column-wise tables: the hours of row 1 follow the 54 names.
    const auto name1 = std::find(lines.begin(), lines.end(), "Disciplines" + test::cp(" имя 1"));
    ASSERT_NE(name1, lines.end());
    const auto cell = static_cast<std::size_t>(name1 - lines.begin()) + 54;
    ASSERT_EQ(lines[cell], "2");
    lines[town] = std::string(kMaxFieldChars + 1, 'a');
    lines[cell] = std::string(3 << 20, '7');
    std::string text;
    for (const std::string& l : lines)
        text += l + "\r\n";
    test::writeFile(dir / "long.app", text);

    std::string err;
    std::vector<std::string> warnings;
    ASSERT_TRUE(readDocument(dir / "long.app", {}, doc, &err, &warnings)) << err;
    EXPECT_EQ(doc.text(Field::edTownDiplom), std::string(kMaxFieldChars, 'a'));
    EXPECT_EQ(doc.cell(Table::Disciplines, 1, Column::AudTime), std::string(kMaxFieldChars, '7'));
    EXPECT_EQ(doc.text(Field::edSchoolDiplom1), lines[town + 1]) << "the next line stays put";
    ASSERT_EQ(warnings.size(), 2u);
    for (const auto& [warning, mention] : {std::pair{warnings[0], "строка 2: поле «"},
                                           std::pair{warnings[1], "Дисциплины, строка 1, часы"}}) {
        EXPECT_NE(warning.find("long.app"), std::string::npos) << warning;
        EXPECT_NE(warning.find(mention), std::string::npos) << warning;
        EXPECT_NE(warning.find("первые 2000"), std::string::npos) << warning;
    }
    EXPECT_NE(warnings[1].find("строка " + std::to_string(cell + 1)), std::string::npos)
        << warnings[1];
}

TEST(DocumentOpenFailure, MessageNamesTheCauseAndTheDocumentStays) {
    test::TempDir dir;
    Document doc = filledDocument(54);
    const std::string before = documentFileText(doc, {});
    std::string err;
    EXPECT_FALSE(readDocument(dir / "missing.app", {}, doc, &err));
    EXPECT_NE(err.find("missing.app"), std::string::npos) << err;
    EXPECT_NE(err.find("не найдены"), std::string::npos) << err;
    EXPECT_EQ(documentFileText(doc, {}), before);

    err.clear();
    fs::create_directory(dir / "folder.app");
    EXPECT_FALSE(readDocument(dir / "folder.app", {}, doc, &err));
    EXPECT_NE(err.find("это папка"), std::string::npos) << err;
    EXPECT_EQ(documentFileText(doc, {}), before);

    if (::geteuid() != 0) {
        test::writeFile(dir / "locked.app", "x\r\n");
        ::chmod((dir / "locked.app").c_str(), 0);
        err.clear();
        EXPECT_FALSE(readDocument(dir / "locked.app", {}, doc, &err));
        EXPECT_NE(err.find("нет доступа"), std::string::npos) << err;
    }
}

TEST(DocumentWriteFailure, ReadOnlyTargetAndMissingFolderKeepTheOldFile) {
    test::TempDir dir;
    const fs::path f = dir / "a.app";
    test::writeFile(f, "old\r\n");
    ::chmod(f.c_str(), 0444);
    Document doc(54);
    std::string err;
    EXPECT_FALSE(writeDocument(f, doc, {}, &err));
    EXPECT_NE(err.find("a.app"), std::string::npos) << err;
    EXPECT_EQ(test::readFile(f), "old\r\n");

    err.clear();
    EXPECT_FALSE(writeDocument(dir / "none" / "b.app", doc, {}, &err));
    EXPECT_NE(err.find("Не удалось сохранить"), std::string::npos) << err;
}

TEST(DocumentWriteSafety, LineBreaksInsideATextCannotShiftTheLines) {
    Document doc(54);
    doc.setText(Field::edTownDiplom0, "a\r\nb\nc");
    const auto lines = splitLines(documentFileText(doc, {}));
    EXPECT_EQ(lines.size(), 731u);
    EXPECT_EQ(lines[0], "a  b c");
}

}  // namespace
}  // namespace vellex

#include "storage/document_layout.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace vellex {
namespace {
namespace fs = std::filesystem;

// Every text field and cell holds its own text, so a line read into another field shows.
Document distinctDocument(int rows) {
    Document doc(rows);
    for (int f = 0; f < kFieldCount; ++f) {
        if (fieldKind(static_cast<Field>(f)) == FieldKind::Text)
            doc.setText(static_cast<Field>(f), "f" + std::to_string(f));
    }
    for (Table t :
         {Table::Disciplines, Table::Disciplines8, Table::Disciplines4, Table::Disciplines7}) {
        for (int r = 1; r <= doc.rowCount(t); ++r) {
            for (Column c : {Column::Discipline, Column::AudTime, Column::Value}) {
                doc.setCell(t, r, c,
                            "t" + std::to_string(static_cast<int>(t)) + "r" + std::to_string(r) +
                                "c" + std::to_string(static_cast<int>(c)));
            }
        }
    }
    return doc;
}

struct Combo {
    int version, style, mode;
};

std::vector<Combo> allCombos() {
    std::vector<Combo> out;
    for (int v : {0, 1, 2})
        for (int s : {0, 1})
            for (int m : {0, 1, 2, 3, 4})
                out.push_back({v, s, m});
    return out;
}

Settings settingsOf(const Combo& c) {
    Settings s;
    s.VellexVersion = c.version;
    s.SaveStyle = c.style;
    s.mode_N_Discipl = c.mode;
    return s;
}

// Opens `path` as the window would under `current`; the file text the opened document
// gives back in the plan's layout.
std::string reopened(const fs::path& path, const Settings& current, DocumentOpenPlan& plan) {
    plan = planDocumentOpen(path, current);
    if (!plan.ok)
        return "refused: " + plan.error;
    Document doc(current.rowsPage2());
    std::string error;
    if (!readDocument(path, plan.read, doc, &error))
        return "unread: " + error;
    return documentFileText(doc, plan.read.format);
}

// Saved under each combination of edition, table order and row mode, with its settings
// file, a document opened under every other combination comes back field for field in
// its own layout. Without the settings file the row count still tells the rows.
TEST(DocumentOpenPlanTest, EveryCombinationOpensInItsOwnLayout) {
    test::TempDir dir;
    for (const Combo& saved : allCombos()) {
        const Settings savedSettings = settingsOf(saved);
        const Document doc = distinctDocument(savedSettings.rowsPage2());
        const std::string text = documentFileText(doc, documentFileFormat(savedSettings));
        test::writeFile(dir / "with.app", text);
        test::writeFile(dir / "alone.app", text);
        std::string error;
        ASSERT_TRUE(writeSettings(dir / "with.ini", false, savedSettings, &error)) << error;

        for (const Combo& opener : allCombos()) {
            SCOPED_TRACE(testing::Message()
                         << "saved " << saved.version << "/" << saved.style << "/" << saved.mode
                         << " opened under " << opener.version << "/" << opener.style << "/"
                         << opener.mode);
            DocumentOpenPlan plan;
            EXPECT_EQ(reopened(dir / "with.app", settingsOf(opener), plan), text);
            EXPECT_EQ(plan.settings.VellexVersion, saved.version);
            EXPECT_EQ(plan.settings.SaveStyle, saved.style);
            EXPECT_EQ(plan.settings.mode_N_Discipl, saved.mode);
            EXPECT_EQ(plan.changes.empty(), saved.version == opener.version &&
                                                saved.style == opener.style &&
                                                saved.mode == opener.mode);

            // Edition and table order cannot be told from the count: only the rows are
            // checked, under the saved edition and order.
            if (opener.version == saved.version && opener.style == saved.style) {
                EXPECT_EQ(reopened(dir / "alone.app", settingsOf(opener), plan), text);
                EXPECT_EQ(plan.read.format.rowsPage2, savedSettings.rowsPage2());
            }
        }
    }
}

// The count must see the lines the reader sees, whatever ends them.
TEST(DocumentOpenPlanTest, LinesAreCountedAsTheReaderReadsThem) {
    const std::pair<const char*, int> cases[] = {
        {"", 0},       {"\r\n", 1},     {"a\r\nb\r\n", 2}, {"a\r\nb", 2},
        {"a\rb\r", 2}, {"a\nb\n\n", 3}, {"a\r\r\nb", 3},
    };
    for (const auto& [text, count] : cases)
        EXPECT_EQ(countDocumentLines(text), count) << testing::PrintToString(text);
}

// Without EachSaveSet a document still keeps a settings file when the count alone could
// not bring its layout back, or when an old one would tell a wrong layout.
TEST(DocumentOpenPlanTest, OwnSettingsFileWhenTheLayoutIsNotTheProgramsOwn) {
    test::TempDir dir;
    const Settings program;
    Settings otherEdition;
    otherEdition.VellexVersion = 1;
    Settings otherOrder;
    otherOrder.SaveStyle = 1;
    Settings otherMode;
    otherMode.mode_N_Discipl = 0;
    EXPECT_FALSE(documentNeedsOwnSettings(dir / "a.app", program, program));
    EXPECT_TRUE(documentNeedsOwnSettings(dir / "a.app", otherEdition, program));
    EXPECT_TRUE(documentNeedsOwnSettings(dir / "a.app", otherOrder, program));
    EXPECT_TRUE(documentNeedsOwnSettings(dir / "a.app", otherMode, program));
    test::writeFile(dir / "a.ini", "[Settings]\r\nVellexVersion=1\r\n");
    EXPECT_TRUE(documentNeedsOwnSettings(dir / "a.app", program, program));
}

std::string lines(int count) {
    std::string out;
    for (int i = 1; i <= count; ++i)
        out += "L" + std::to_string(i) + "\r\n";
    return out;
}

struct CountRow {
    const char* name;
    int lines;
    DocumentLayout asked;
    bool rows86;
    int currentMode;
    const char* ini;  // the document's own settings file, when not null
    // Expected: refused with this text, or opened as follows.
    const char* refusal;
    DocumentLayout layout;
    bool readRows86;
    int mode;
    int style;
    const char* change;  // a line that must be among the changes, or null for none
};

class DocumentCounts : public testing::TestWithParam<CountRow> {};

TEST_P(DocumentCounts, LayoutFromTheLineCount) {
    const CountRow& row = GetParam();
    test::TempDir dir;
    test::writeFile(dir / "doc.app", lines(row.lines));
    if (row.ini)
        test::writeFile(dir / "doc.ini", row.ini);
    Settings current;
    current.mode_N_Discipl = row.currentMode;
    const DocumentOpenPlan plan = planDocumentOpen(dir / "doc.app", current, row.asked, row.rows86);
    if (row.refusal) {
        ASSERT_FALSE(plan.ok);
        EXPECT_NE(plan.error.find(row.refusal), std::string::npos) << plan.error;
        EXPECT_NE(plan.error.find("doc.app"), std::string::npos) << plan.error;
        return;
    }
    ASSERT_TRUE(plan.ok) << plan.error;
    EXPECT_EQ(plan.read.layout, row.layout);
    EXPECT_EQ(plan.read.rows86, row.readRows86);
    EXPECT_EQ(plan.settings.mode_N_Discipl, row.mode);
    EXPECT_EQ(plan.settings.SaveStyle, row.style);
    if (!row.change) {
        EXPECT_TRUE(plan.changes.empty());
        return;
    }
    const std::string message = documentSwitchMessage(dir / "doc.app", plan);
    EXPECT_NE(message.find(row.change), std::string::npos) << message;
}

constexpr auto kCur = DocumentLayout::Current;
constexpr auto k412 = DocumentLayout::Release412;
constexpr auto k422 = DocumentLayout::Release422;
constexpr auto k4233 = DocumentLayout::Release4233;

INSTANTIATE_TEST_SUITE_P(
    Rows, DocumentCounts,
    testing::Values(
        CountRow{"fits", 731, kCur, false, 3, nullptr, nullptr, kCur, false, 3, 0, nullptr},
        CountRow{"sameRowsOtherMode", 731, kCur, false, 0, nullptr, nullptr, kCur, false, 0, 0,
                 nullptr},
        CountRow{"more", 851, kCur, false, 3, nullptr, nullptr, kCur, false, 4, 0,
                 "строки 2-й страницы: 54 строки (2010) → 94 строки"},
        CountRow{"fewer", 743, kCur, false, 4, nullptr, nullptr, kCur, false, 2, 0,
                 "94 строки → 58 строк (сдвоенные)"},
        CountRow{"noTables", 245, kCur, false, 3, nullptr, nullptr, kCur, false, 3, 2,
                 "таблицы в файле: Колонками → без таблиц"},
        CountRow{"staleIni", 731, kCur, false, 3, "[Settings]\r\nmode_N_Discipl=1\r\n", nullptr,
                 kCur, false, 3, 0, nullptr},
        CountRow{"nothingFits", 700, kCur, false, 3, nullptr, "Строк в нём: 700, ожидалось: 731",
                 kCur, false, 0, 0, nullptr},
        CountRow{"empty", 0, kCur, false, 3, nullptr, "Строк в нём: 0", kCur, false, 0, 0, nullptr},
        CountRow{"old412ByOpen", 559 + 162, kCur, false, 3, nullptr, "4.1.2 или 4.2.2", kCur, false,
                 0, 0, nullptr},
        CountRow{"old412", 559 + 162, k412, false, 3, nullptr, nullptr, k412, false, 3, 0, nullptr},
        CountRow{"old422", 559 + 162, k422, false, 3, nullptr, nullptr, k422, false, 3, 0, nullptr},
        CountRow{"old4233ByOpen", 561 + 162, kCur, false, 3, nullptr, nullptr, k4233, false, 3, 0,
                 "версией 4.2.3.338"},
        CountRow{"old4233As422", 561 + 186, k422, false, 1, nullptr, nullptr, k4233, false, 1, 0,
                 "версией 4.2.3.338"},
        CountRow{"rows86Asked", 559 + 258, k412, true, 3, nullptr, nullptr, k412, true, 4, 0,
                 "54 строки (2010) → 94 строки"},
        CountRow{"rows86In94", 559 + 258, k412, true, 4, nullptr, nullptr, k412, true, 4, 0,
                 nullptr},
        CountRow{"rows86Found", 559 + 258, k412, false, 4, nullptr, nullptr, k412, true, 4, 0,
                 "86 строк на 2-й странице"},
        CountRow{"rows86Not", 559 + 162, k412, true, 3, nullptr, nullptr, k412, false, 3, 0,
                 "версией 4.1.2"},
        CountRow{"old412Wrong", 560 + 162, k412, true, 3, nullptr, "ожидалось: 817, 721", k412,
                 false, 0, 0, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vellex

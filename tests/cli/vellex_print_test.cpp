#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <nlohmann/json.hpp>

#include "model/document.h"
#include "print/sheet.h"
#include "storage/document_file.h"
#include "storage/settings.h"
#include "tests/cli/vellex_print_runner.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

using test::cp;

TEST_F(VellexPrint, HelpIsRussianAndNamesEverySheet) {
    const PrintRun r = run({"--help"});
    EXPECT_EQ(r.exit, 0);
    EXPECT_NE(r.out.find("Использование"), std::string::npos);
    for (const SheetInfo& s : sheetTable())
        EXPECT_NE(r.out.find(std::string(s.cliName)), std::string::npos) << s.cliName;
    for (const char* option : {"--batch", "--template", "--sheets", "--save-documents", "--grid"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

struct BadRow {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

class BadCommandLine : public VellexPrint, public testing::WithParamInterface<BadRow> {};

TEST_P(BadCommandLine, RefusedInRussianWithoutOutput) {
    std::vector<std::string> args = GetParam().args;
    for (auto& a : args)
        if (a == "OUT")
            a = path("out.pdf");
    const PrintRun r = run(args);
    EXPECT_NE(r.exit, 0);
    EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(path("out.pdf")));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadCommandLine,
    testing::Values(
        BadRow{"noSheet", {"--out", "OUT"}, "Не указан лист"},
        BadRow{"unknownSheet", {"--sheet", "passport", "--out", "OUT"}, "Неизвестный лист"},
        BadRow{"unknownOption",
               {"--sheet", "diploma", "--fast", "--out", "OUT"},
               "Неизвестный параметр"},
        BadRow{"noOutput", {"--sheet", "diploma"}, "Не указан файл результата"},
        BadRow{"badFormat",
               {"--sheet", "diploma", "--format", "png", "--out", "OUT"},
               "Неизвестный формат"},
        BadRow{"badVariant",
               {"--sheet", "certificate", "--cert-variant", "2", "--out", "OUT"},
               "Вариант свидетельства"},
        BadRow{"copiesWithoutPrinter",
               {"--sheet", "diploma", "--copies", "2", "--out", "OUT"},
               "только вместе с --printer"},
        BadRow{
            "zeroCopies", {"--sheet", "diploma", "--printer", "p", "--copies", "0"}, "Число копий"},
        BadRow{"outAndPrinter",
               {"--sheet", "diploma", "--printer", "p", "--out", "OUT"},
               "либо --out, либо --printer"},
        BadRow{"missingSettings",
               {"--sheet", "diploma", "--ini", "/nonexistent/App.ini", "--out", "OUT"},
               "Файл настроек «/nonexistent/App.ini» не найден"},
        BadRow{"missingDocument",
               {"--sheet", "diploma", "--doc", "/nonexistent/a.app", "--out", "OUT"},
               "Файл документа «/nonexistent/a.app» не найден"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VellexPrint, JsonOfEverySheetOrASayingError) {
    for (const SheetInfo& s : sheetTable()) {
        SCOPED_TRACE(std::string(s.cliName));
        const std::string out = path(std::string(s.cliName) + ".json");
        const PrintRun r =
            run({"--sheet", std::string(s.cliName), "--format", "json", "--out", out});
        if (r.exit != 0) {
            // A sheet that has no layout yet says so, by its Russian name.
            EXPECT_NE(r.err.find("ещё не реализован"), std::string::npos) << r.err;
            EXPECT_NE(r.err.find(std::string(s.title)), std::string::npos) << r.err;
            continue;
        }
        const auto json = nlohmann::json::parse(test::readFile(out));
        EXPECT_EQ(json["page"]["width"], 752);
        EXPECT_EQ(json["page"]["height"], 1071);
        ASSERT_TRUE(json["boxes"].is_array());
        EXPECT_FALSE(json["boxes"].empty());
        for (const auto& box : json["boxes"]) {
            for (const char* key :
                 {"left", "top", "width", "height", "adjust", "fontSize", "bold", "italic"})
                EXPECT_TRUE(box.contains(key)) << key;
            EXPECT_TRUE(box["text"].is_array());
        }
    }
}

// A batch job started from a desktop inherits a display that may be gone by the time it
// runs; the program never shows a window, so it must not need one, nor talk about it.
TEST_F(VellexPrint, AStaleDisplayNeitherStopsNorTroublesIt) {
    for (const char* environment :
         {"DISPLAY=:97", "WAYLAND_DISPLAY=wayland-97", "DISPLAY=:97 XDG_RUNTIME_DIR="}) {
        SCOPED_TRACE(environment);
        const PrintRun r =
            run({"--sheet", "diploma", "--format", "json", "--out", path("d.json")}, environment);
        EXPECT_EQ(r.exit, 0) << r.err;
        EXPECT_EQ(r.err, "");
    }
}

// A calibration that cannot be read is said, not silently replaced by defaults: a value
// that is not a number is named with the value used; a settings file named on purpose
// that cannot be read stops the print.
TEST_F(VellexPrint, SettingsItCannotReadAreNamed) {
    test::writeFile(path("App.ini"), "[Settings]\r\nDeltaX1=4O\r\n");
    PrintRun r = run({"--sheet", "diploma", "--ini", path("App.ini"), "--format", "json", "--out",
                      path("d.json")});
    EXPECT_EQ(r.exit, 0) << r.err;
    EXPECT_NE(r.err.find("DeltaX1"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("«4O»"), std::string::npos) << r.err;

    std::filesystem::create_directory(path("folder.ini"));
    r = run({"--sheet", "diploma", "--ini", path("folder.ini"), "--format", "json", "--out",
             path("e.json")});
    EXPECT_NE(r.exit, 0);
    EXPECT_NE(r.err.find("это папка"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(path("e.json")));
}

// --out naming a file the run reads, by any spelling, would destroy it: refused, and the
// file stays as it was.
TEST_F(VellexPrint, AnOutputOverAnInputIsRefused) {
    Document doc;
    ASSERT_TRUE(writeDocument(path("doc.app"), doc, DocumentFileFormat{}, nullptr));
    test::writeFile(path("App.ini"), "[Settings]\r\n");
    test::writeFile(path("list.csv"), cp("Иванов;Иван;Иванович;05.03.85;Москва\r\n"));
    std::filesystem::create_symlink(path("doc.app"), path("link.pdf"));
    const std::string docText = test::readFile(path("doc.app"));
    const std::vector<std::string> single{"--sheet",       "diploma", "--doc",
                                          path("doc.app"), "--ini",   path("App.ini")};
    const struct {
        const char* name;
        std::string out;
        bool batch;
    } cases[] = {
        {"the document", path("doc.app"), false},
        {"a link to it", path("link.pdf"), false},
        {"another spelling", dir_.path().string() + "/./sub/../doc.app", false},
        {"the settings", path("App.ini"), false},
        {"the list", path("list.csv"), true},
    };
    std::filesystem::create_directory(path("sub"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args =
            c.batch ? std::vector<std::string>{"--batch",       path("list.csv"), "--template",
                                               path("doc.app"), "--sheets",       "diploma"}
                    : single;
        args.insert(args.end(), {"--out", c.out});
        const PrintRun r = run(args);
        EXPECT_EQ(r.exit, 2) << r.err;
        EXPECT_NE(r.err.find("не перезаписывается"), std::string::npos) << r.err;
    }
    EXPECT_EQ(test::readFile(path("doc.app")), docText);
    EXPECT_EQ(test::readFile(path("App.ini")), "[Settings]\r\n");
}

TEST_F(VellexPrint, OpensTheDocumentAndWritesPdfWithoutDisplay) {
    Document doc;
    doc.setText(Field::edStudentDiplom1, cp("Иванову Петру"));
    std::string error;
    ASSERT_TRUE(writeDocument(path("ivanov.app"), doc, DocumentFileFormat{}, &error)) << error;

    const PrintRun json = run({"--sheet", "diploma", "--doc", path("ivanov.app"), "--format",
                               "json", "--out", path("d.json")});
    ASSERT_EQ(json.exit, 0) << json.err;
    bool found = false;
    const auto laidOut = nlohmann::json::parse(test::readFile(path("d.json")));
    for (const auto& box : laidOut["boxes"])
        for (const auto& line : box["text"])
            found = found || line == "Иванову Петру";
    EXPECT_TRUE(found);

    const PrintRun pdf =
        run({"--sheet", "diploma", "--doc", path("ivanov.app"), "--out", path("d.pdf")});
    ASSERT_EQ(pdf.exit, 0) << pdf.err;
    ASSERT_EQ(
        std::system(("pdftotext " + quote(path("d.pdf")) + " " + quote(path("d.txt"))).c_str()), 0);
    EXPECT_NE(test::readFile(path("d.txt")).find("Иванову Петру"), std::string::npos);
}

struct OwnLayoutRow {
    const char* name;
    int version, style, mode;
    bool ownSettingsFile;
};

class PrintsInTheDocumentsLayout : public VellexPrint,
                                   public testing::WithParamInterface<OwnLayoutRow> {};

// App.ini says the 2010 edition, columns, 54 rows; the document was saved otherwise.
TEST_P(PrintsInTheDocumentsLayout, TheSavedWordsArePrinted) {
    const OwnLayoutRow& row = GetParam();
    Settings own;
    own.VellexVersion = row.version;
    own.SaveStyle = row.style;
    own.mode_N_Discipl = row.mode;
    Document doc(own.rowsPage2());
    doc.setCell(Table::Disciplines, 58, Column::Discipline, cp("Астрономия"));
    doc.setCell(Table::Disciplines, 58, Column::AudTime, "172");
    std::string error;
    ASSERT_TRUE(writeDocument(path("doc.app"), doc, documentFileFormat(own), &error)) << error;
    if (row.ownSettingsFile) {
        ASSERT_TRUE(writeSettings(path("doc.ini"), false, own, &error)) << error;
    }

    const PrintRun r = run({"--sheet", "page2", "--doc", path("doc.app"), "--format", "json",
                            "--out", path("p.json")});
    ASSERT_EQ(r.exit, 0) << r.err;
    std::map<std::string, std::string> printed;  // by field
    const auto laidOut = nlohmann::json::parse(test::readFile(path("p.json")));
    for (const auto& box : laidOut["boxes"])
        for (const auto& line : box["text"])
            printed[box["role"]] += line;
    EXPECT_EQ(printed["Disciplines row 58 Discipline"], "Астрономия");
    EXPECT_EQ(printed["Disciplines row 58 AudTime"], "172");
}

INSTANTIATE_TEST_SUITE_P(Rows, PrintsInTheDocumentsLayout,
                         testing::Values(OwnLayoutRow{"ownFile", 1, 1, 1, true},
                                         OwnLayoutRow{"countOnly", 2, 0, 4, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(VellexPrint, RefusesADocumentThatFitsNoLayout) {
    test::writeFile(path("odd.app"), std::string(700, '\n'));
    const PrintRun r = run({"--sheet", "diploma", "--doc", path("odd.app"), "--format", "json",
                            "--out", path("o.json")});
    EXPECT_NE(r.exit, 0);
    EXPECT_NE(r.err.find("odd.app"), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Строк в нём: 700, ожидалось: 731"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(path("o.json")));
}

TEST_F(VellexPrint, GridOnlyWhenAskedFor) {
    auto text = [&](std::vector<std::string> extra) {
        std::vector<std::string> args{"--sheet", "diploma", "--out", path("g.pdf")};
        args.insert(args.end(), extra.begin(), extra.end());
        const PrintRun r = run(args);
        EXPECT_EQ(r.exit, 0) << r.err;
        EXPECT_EQ(
            std::system(("pdftotext " + quote(path("g.pdf")) + " " + quote(path("g.txt"))).c_str()),
            0);
        return test::readFile(path("g.txt"));
    };
    // 290 mm is the last horizontal line; no sheet prints that number on its own.
    EXPECT_NE(text({"--grid"}).find("290"), std::string::npos);
    EXPECT_EQ(text({}).find("290"), std::string::npos);
}

TEST_F(VellexPrint, CertificateOptionsOverrideTheDocument) {
    auto layout = [&](std::vector<std::string> extra) {
        std::vector<std::string> args{"--sheet", "certificate", "--format",
                                      "json",    "--out",       path("c.json")};
        args.insert(args.end(), extra.begin(), extra.end());
        const PrintRun r = run(args);
        EXPECT_EQ(r.exit, 0) << r.err;
        return nlohmann::json::parse(test::readFile(path("c.json")))["boxes"];
    };
    const auto portrait = layout({"--cert-variant", "0"});
    const auto landscape = layout({"--cert-variant", "1", "--cert-bold", "--cert-italic"});
    auto count = [](const nlohmann::json& boxes, auto pred) {
        int n = 0;
        for (const auto& b : boxes)
            n += pred(b) ? 1 : 0;
        return n;
    };
    const auto turned = [](const auto& b) { return (b["adjust"].template get<int>() & 4) != 0; };
    const auto boldItalic = [](const auto& b) { return b["bold"] == true && b["italic"] == true; };
    EXPECT_EQ(count(portrait, turned), 0);
    EXPECT_GT(count(landscape, turned), 0);
    EXPECT_EQ(count(portrait, boldItalic), 0);
    EXPECT_GT(count(landscape, boldItalic), 0);
}

TEST_F(VellexPrint, WarnsAboutTextThatDoesNotFitButStillWrites) {
    Document doc;
    doc.setText(Field::edStudentDiplom1,
                cp("Очень длинная фамилия имя и отчество студента, которые никак не помещаются "
                   "в одну строку бланка диплома"));
    std::string error;
    ASSERT_TRUE(writeDocument(path("long.app"), doc, DocumentFileFormat{}, &error)) << error;
    const PrintRun r =
        run({"--sheet", "diploma", "--doc", path("long.app"), "--out", path("l.pdf")});
    EXPECT_EQ(r.exit, 0) << r.err;
    EXPECT_NE(r.err.find("предупреждение: Фамилия, имя, отчество, строка 1: текст не помещается "
                         "(поле edStudentDiplom1)"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(r.err.find("edStudentDiplom2"), std::string::npos) << r.err;
    EXPECT_TRUE(std::filesystem::exists(path("l.pdf")));
}

}  // namespace
}  // namespace vellex

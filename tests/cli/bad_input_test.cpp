// Every kind of damaged input through both command-line programs: each is refused (or,
// where it can still be read exactly, warned about), the message names the file and the
// cause, and nothing is written from input that was not understood.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>

#include "model/document.h"
#include "storage/document_file.h"
#include "tests/cli/vellex_print_runner.h"
#include "tests/support/test_support.h"
#include "text/cp1251.h"

namespace vellex {
namespace {

namespace fs = std::filesystem;
using test::cp;

// Which input the damaged file stands for.
enum class Role { Document, Settings, List, Results, Converted };

// How the file is damaged: its bytes made from a good file of its role, or a thing that
// is no file at all.
struct Damage {
    const char* name;
    std::function<std::string(const std::string& good)> bytes;  // empty: `make` decides
    std::function<void(const fs::path&)> make;
};

std::string crOnly(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (!(s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n'))
            out += s[i] == '\n' ? '\r' : s[i];
    }
    return out;
}

const Damage kEmpty{"empty", [](const std::string&) { return std::string(); }, {}};
const Damage kNul{
    "nul", [](const std::string& g) { return g.substr(0, 9) + '\0' + g.substr(9); }, {}};
const Damage kGarbage{"garbage",
                      [](const std::string&) {
                          std::string b;
                          for (unsigned i = 0; i < 100000; ++i)
                              b += static_cast<char>((i * 2654435761u) >> 24);
                          return b;
                      },
                      {}};
const Damage kUtf8{"utf8", [](const std::string& g) { return cp1251::toUtf8(g); }, {}};
const Damage kBom{
    "bom", [](const std::string& g) { return "\xEF\xBB\xBF" + cp1251::toUtf8(g); }, {}};
const Damage kHuge{
    "huge", [](const std::string& g) { return std::string(40u << 20, 'x') + g; }, {}};
const Damage kHalf{"half", [](const std::string& g) { return g.substr(0, g.size() / 2); }, {}};
const Damage kFolder{"folder", {}, [](const fs::path& p) { fs::create_directory(p); }};
const Damage kFifo{"fifo", {}, [](const fs::path& p) { ::mkfifo(p.c_str(), 0600); }};
const Damage kDevZero{"devzero", {}, [](const fs::path& p) { fs::create_symlink("/dev/zero", p); }};
// Line ends of another system: read exactly, so accepted.
const Damage kCrOnly{"cr", [](const std::string& g) { return crOnly(g); }, {}};

struct BadInputRow {
    Role role;
    Damage damage;
    const char* cause;  // in the message; nullptr: the input is read and the run succeeds
};

std::string nameOf(Role role) {
    switch (role) {
        case Role::Document:
            return "document";
        case Role::Settings:
            return "settings";
        case Role::List:
            return "list";
        case Role::Results:
            return "results";
        case Role::Converted:
            return "converted";
    }
    return {};
}

class BadInput : public VellexPrint, public testing::WithParamInterface<BadInputRow> {
  protected:
    void SetUp() override {
        VellexPrint::SetUp();
        Document group;
        group.setText(Field::edSchoolDiplom1, cp("Колледж связи"));
        std::string error;
        ASSERT_TRUE(writeDocument(path("group.app"), group, DocumentFileFormat{}, &error)) << error;
        test::writeFile(path("list.csv"), cp("Иванов;Иван;Иванович;05.03.85;Москва\r\n"));
        test::writeFile(path("App.ini"), "[Settings]\r\nDeltaX1=0\r\n");
    }

    std::string good(Role role) {
        switch (role) {
            case Role::Document:
            case Role::Converted:
                return test::readFile(path("group.app"));
            case Role::Settings:
                return cp("[Settings]\r\nDeltaX1=0\r\n[Program]\r\nPath2CSV=/дом/\r\n");
            case Role::List:
                return test::readFile(path("list.csv"));
            case Role::Results:
                return cp("Физика;80;хорошо\r\nХимия;70;отлично\r\n");
        }
        return {};
    }

    // The file the row damages, in the place the run reads it from.
    fs::path target(Role role) {
        switch (role) {
            case Role::Document:
            case Role::Converted:
                return path("bad.app");
            case Role::Settings:
                return path("bad.ini");
            case Role::List:
                return path("bad.csv");
            case Role::Results:
                return dir_ / "Иванов Иван Иванович.csv";
        }
        return {};
    }

    PrintRun runFor(Role role, const fs::path& bad) {
        // A run that waits on a pipe or reads a device for ever is cut off; the test then
        // fails on the exit status.
        const std::string limit = "timeout 60";
        switch (role) {
            case Role::Document:
                return run({"--sheet", "diploma", "--doc", bad, "--ini", path("App.ini"), "--out",
                            path("out.pdf")},
                           {}, limit);
            case Role::Settings:
                return run({"--sheet", "diploma", "--doc", path("group.app"), "--ini", bad, "--out",
                            path("out.pdf")},
                           {}, limit);
            case Role::List:
                return run({"--batch", bad, "--template", path("group.app"), "--sheets",
                            "diploma,page2", "--out", path("out.pdf")},
                           {}, limit);
            case Role::Results:
                return run({"--batch", path("list.csv"), "--template", path("group.app"),
                            "--sheets", "page2", "--out", path("out.pdf")},
                           {}, limit);
            case Role::Converted:
                return run({"--from", "2", "--ini", path("App.ini"), bad, path("out.pdf")}, {},
                           limit, "appconv");
        }
        return {};
    }
};

TEST_P(BadInput, RefusedWithTheFileAndTheCauseAndNothingWritten) {
    const BadInputRow& row = GetParam();
    const fs::path bad = target(row.role);
    if (row.damage.bytes)
        test::writeFile(bad, row.damage.bytes(good(row.role)));
    else
        row.damage.make(bad);

    const PrintRun r = runFor(row.role, bad);
    ASSERT_NE(r.exit, 124) << "the run hung";
    if (!row.cause) {
        EXPECT_EQ(r.exit, 0) << r.err;
        EXPECT_TRUE(fs::exists(path("out.pdf")));
        return;
    }
    EXPECT_NE(r.exit, 0) << r.err;
    EXPECT_NE(r.err.find(bad.filename().string()), std::string::npos) << r.err;
    EXPECT_NE(r.err.find(row.cause), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(path("out.pdf"))) << r.err;
}

constexpr const char* kFolderCause = "это папка, а не файл";
constexpr const char* kDeviceCause = "это не обычный файл";
constexpr const char* kUtf8Cause = "в кодировке UTF-8";
constexpr const char* kNulCause = "нулевые байты";
constexpr const char* kNoDocument = "не похож на документ";

INSTANTIATE_TEST_SUITE_P(Kinds, BadInput,
                         testing::Values(BadInputRow{Role::Document, kEmpty, kNoDocument},
                                         BadInputRow{Role::Document, kNul, kNulCause},
                                         BadInputRow{Role::Document, kGarbage, kNulCause},
                                         BadInputRow{Role::Document, kUtf8, kUtf8Cause},
                                         BadInputRow{Role::Document, kBom, kUtf8Cause},
                                         BadInputRow{Role::Document, kHuge, "слишком большой"},
                                         BadInputRow{Role::Document, kHalf, kNoDocument},
                                         BadInputRow{Role::Document, kFolder, kFolderCause},
                                         BadInputRow{Role::Document, kFifo, kDeviceCause},
                                         BadInputRow{Role::Document, kDevZero, kDeviceCause},
                                         BadInputRow{Role::Document, kCrOnly, nullptr},
                                         BadInputRow{Role::Converted, kEmpty, kNoDocument},
                                         BadInputRow{Role::Converted, kGarbage, kNulCause},
                                         BadInputRow{Role::Converted, kUtf8, kUtf8Cause},
                                         BadInputRow{Role::Converted, kFolder, kFolderCause},
                                         BadInputRow{Role::Converted, kFifo, kDeviceCause},
                                         BadInputRow{Role::Converted, kDevZero, kDeviceCause},
                                         BadInputRow{Role::Converted, kCrOnly, nullptr},
                                         BadInputRow{Role::Settings, kNul, kNulCause},
                                         BadInputRow{Role::Settings, kGarbage, kNulCause},
                                         BadInputRow{Role::Settings, kHuge, "слишком большой"},
                                         BadInputRow{Role::Settings, kFolder, kFolderCause},
                                         BadInputRow{Role::Settings, kFifo, kDeviceCause},
                                         BadInputRow{Role::Settings, kDevZero, kDeviceCause},
                                         BadInputRow{Role::Settings, kCrOnly, nullptr},
                                         BadInputRow{Role::List, kNul, kNulCause},
                                         BadInputRow{Role::List, kGarbage, kNulCause},
                                         BadInputRow{Role::List, kUtf8, kUtf8Cause},
                                         BadInputRow{Role::List, kBom, kUtf8Cause},
                                         BadInputRow{Role::List, kHuge, "слишком большой"},
                                         BadInputRow{Role::List, kEmpty, "нет ни одного студента"},
                                         BadInputRow{Role::List, kFolder, kFolderCause},
                                         BadInputRow{Role::List, kFifo, kDeviceCause},
                                         BadInputRow{Role::List, kDevZero, kDeviceCause},
                                         BadInputRow{Role::List, kCrOnly, nullptr},
                                         BadInputRow{Role::Results, kNul, kNulCause},
                                         BadInputRow{Role::Results, kUtf8, kUtf8Cause},
                                         BadInputRow{Role::Results, kBom, kUtf8Cause},
                                         BadInputRow{Role::Results, kFolder, kFolderCause},
                                         BadInputRow{Role::Results, kFifo, kDeviceCause},
                                         BadInputRow{Role::Results, kDevZero, kDeviceCause},
                                         BadInputRow{Role::Results, kCrOnly, nullptr}),
                         [](const auto& info) {
                             return nameOf(info.param.role) + "_" + info.param.damage.name;
                         });

// Settings that can be read but are not what they seem print, with a warning that names
// the file and what was taken instead.
TEST_F(VellexPrint, SettingsReadInPartAreWarnedAbout) {
    Document doc;
    std::string error;
    ASSERT_TRUE(writeDocument(path("a.app"), doc, DocumentFileFormat{}, &error)) << error;
    struct Case {
        const char* text;
        const char* warning;
    };
    for (const Case& c : {Case{"", "нет разделов"}, Case{"[Main]\r\nDeltaX1=3\r\n", "нет разделов"},
                          Case{"[Settings]\r\nDeltaX1=4O\r\n", "DeltaX1"},
                          Case{"\xEF\xBB\xBF[Settings]\r\nDeltaX1=1\r\n", "BOM"},
                          Case{"[Settings]\r\nPath2CSV=/дом/\r\n", "в кодировке UTF-8"}}) {
        test::writeFile(path("App.ini"), c.text);
        const PrintRun r = run({"--sheet", "diploma", "--doc", path("a.app"), "--ini",
                                path("App.ini"), "--out", path("out.pdf")});
        EXPECT_EQ(r.exit, 0) << r.err;
        EXPECT_NE(r.err.find("App.ini"), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.warning), std::string::npos) << r.err;
    }
}

// A file name in the locale's encoding (here UTF-8, with letters and blanks) is found.
TEST_F(VellexPrint, ADocumentNamedInRussianIsFound) {
    Document doc;
    std::string error;
    const std::string name = "Иванов Иван.app";
    ASSERT_TRUE(writeDocument(dir_ / name, doc, DocumentFileFormat{}, &error)) << error;
    const PrintRun r = run(
        {"--sheet", "diploma", "--doc", path(name), "--format", "json", "--out", path("a.json")});
    EXPECT_EQ(r.exit, 0) << r.err;
    EXPECT_TRUE(fs::exists(path("a.json")));
}

}  // namespace
}  // namespace vellex

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "gui/file_association.h"
#include "model/program_folder.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

std::string execLine(const std::string& desktop) {
    const size_t at = desktop.find("\nExec=");
    return desktop.substr(at + 1, desktop.find('\n', at + 1) - at - 1);
}

// ---- The Exec line carries the program's path so that the desktop hands it the file.
struct ExecCase {
    const char* path;
    const char* exec;
};

class DesktopEntryExec : public testing::TestWithParam<ExecCase> {};

TEST_P(DesktopEntryExec, QuotesThePathAndPassesTheFile) {
    const auto text = desktopEntryText(GetParam().path);
    ASSERT_TRUE(text);
    EXPECT_EQ(execLine(*text), GetParam().exec);
    EXPECT_NE(text->find("MimeType=application/x-vellex-document;\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DesktopEntryExec,
    testing::Values(ExecCase{"/opt/vellex/vellex", "Exec=\"/opt/vellex/vellex\" %f"},
                    ExecCase{"/home/Иванов/Мои программы/vellex",
                             "Exec=\"/home/Иванов/Мои программы/vellex\" %f"},
                    // Reserved characters are escaped inside the quotes, '%' doubled, and
                    // the backslashes escaped once more for the desktop file's string rule.
                    ExecCase{"/opt/a\"b/$x`y/v", "Exec=\"/opt/a\\\\\"b/\\\\$x\\\\`y/v\" %f"},
                    ExecCase{"/opt/100%/v", "Exec=\"/opt/100%%/v\" %f"},
                    ExecCase{"/opt/a\\b/v", "Exec=\"/opt/a\\\\\\\\b/v\" %f"}));

TEST(DesktopEntry, RefusesAPathThatWouldBreakTheFile) {
    EXPECT_FALSE(desktopEntryText("/opt/a\nExec=evil/v"));
    EXPECT_FALSE(desktopEntryText(""));
}

TEST(MimePackage, GivesAppFilesTheDocumentType) {
    const std::string xml = mimePackageText();
    EXPECT_NE(xml.find("<mime-type type=\"application/x-vellex-document\">"), std::string::npos);
    EXPECT_NE(xml.find("<glob pattern=\"*.app\"/>"), std::string::npos);
}

// ---- mimeapps.list: our default line, everything else kept.
struct MimeAppsCase {
    const char* name;
    const char* before;
    const char* after;
};

class MimeAppsDefault : public testing::TestWithParam<MimeAppsCase> {};

TEST_P(MimeAppsDefault, SetsTheDefaultAndKeepsOtherLines) {
    const std::string after = mimeAppsWithDefault(GetParam().before);
    EXPECT_EQ(after, GetParam().after);
    EXPECT_TRUE(mimeAppsHasDefault(after));
    EXPECT_EQ(mimeAppsWithDefault(after), after) << "a second run changes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Lists, MimeAppsDefault,
    testing::Values(
        MimeAppsCase{"Empty", "",
                     "[Default Applications]\napplication/x-vellex-document=vellex.desktop\n"},
        MimeAppsCase{"OtherSectionOnly", "[Added Associations]\ntext/plain=gedit.desktop;\n",
                     "[Added Associations]\ntext/plain=gedit.desktop;\n\n"
                     "[Default Applications]\napplication/x-vellex-document=vellex.desktop\n"},
        MimeAppsCase{"DefaultsWithOthers",
                     "[Default Applications]\r\ntext/plain=gedit.desktop\r\n"
                     "application/x-vellex-document=old.desktop\r\n[Removed Associations]\r\n"
                     "image/png=gimp.desktop\r\n",
                     "[Default Applications]\napplication/x-vellex-document=vellex.desktop\n"
                     "text/plain=gedit.desktop\n[Removed Associations]\nimage/png=gimp.desktop\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MimeAppsDefault, AnotherHandlerIsNotOurs) {
    EXPECT_FALSE(
        mimeAppsHasDefault("[Default Applications]\n"
                           "application/x-vellex-document=other.desktop\n"));
    EXPECT_FALSE(
        mimeAppsHasDefault("[Added Associations]\n"
                           "application/x-vellex-document=vellex.desktop\n"));
}

// ---- Registration in a user's folders.
TEST(RegisterFileAssociation, WritesOnceAndAgainWhenTheProgramMoves) {
    test::ensureApplication();
    test::TempDir tmp;
    const AssociationFolders folders{tmp / "data", tmp / "config"};
    std::filesystem::create_directories(tmp / "config");
    test::writeFile(tmp / "config" / "mimeapps.list",
                    "[Added Associations]\ntext/plain=gedit.desktop;\n");

    EXPECT_EQ(registerFileAssociation("/opt/vellex/vellex", folders, false),
              AssociationResult::Registered);
    const std::string desktop = test::readFile(tmp / "data" / "applications" / "vellex.desktop");
    EXPECT_EQ(execLine(desktop), "Exec=\"/opt/vellex/vellex\" %f");
    EXPECT_EQ(test::readFile(tmp / "data" / "mime" / "packages" / "vellex.xml"), mimePackageText());
    const std::string list = test::readFile(tmp / "config" / "mimeapps.list");
    EXPECT_NE(list.find("text/plain=gedit.desktop;"), std::string::npos);
    EXPECT_TRUE(mimeAppsHasDefault(list));

    EXPECT_EQ(registerFileAssociation("/opt/vellex/vellex", folders, false),
              AssociationResult::AlreadyRegistered);

    EXPECT_EQ(registerFileAssociation("/srv/moved/vellex", folders, false),
              AssociationResult::Registered);
    EXPECT_EQ(execLine(test::readFile(tmp / "data" / "applications" / "vellex.desktop")),
              "Exec=\"/srv/moved/vellex\" %f");
}

TEST(RegisterFileAssociation, FollowsTheXdgFoldersOfTheEnvironment) {
    test::TempDir tmp;
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome ? oldHome : "";
    const std::string data = (tmp / "xdg-data").string();
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    setenv("XDG_CONFIG_HOME", "relative/is/ignored", 1);
    setenv("HOME", tmp.path().c_str(), 1);
    const AssociationFolders folders = associationFoldersFromEnvironment();
    EXPECT_EQ(folders.dataHome, tmp / "xdg-data");
    EXPECT_EQ(folders.configHome, tmp / ".config");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(associationFoldersFromEnvironment().dataHome, tmp / ".local" / "share");
    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", savedHome.c_str(), 1);

    test::ensureApplication();
    EXPECT_EQ(registerFileAssociation("/opt/vellex/vellex", folders, false),
              AssociationResult::Registered);
    EXPECT_TRUE(std::filesystem::exists(tmp / "xdg-data" / "applications" / "vellex.desktop"));
    EXPECT_TRUE(std::filesystem::exists(tmp / "xdg-data" / "mime" / "packages" / "vellex.xml"));
}

TEST(RegisterFileAssociation, FailsSilentlyWhenTheFolderCannotBeMade) {
    test::ensureApplication();
    test::TempDir tmp;
    test::writeFile(tmp / "data", "a file where the folder should be");
    EXPECT_EQ(registerFileAssociation("/opt/vellex/vellex", {tmp / "data", tmp / "config"}, false),
              AssociationResult::Failed);
}

TEST(RegisterFileAssociation, APackageInstallWritesNothing) {
    test::ensureApplication();
    test::TempDir tmp;
    for (const char* program : {"/usr/bin/vellex", "/usr/local/bin/vellex", "/usr/../usr/bin/x"}) {
        SCOPED_TRACE(program);
        EXPECT_EQ(registerFileAssociation(program, {tmp / "data", tmp / "config"}, false),
                  AssociationResult::PackageInstall);
    }
    EXPECT_FALSE(std::filesystem::exists(tmp / "data"));
    EXPECT_FALSE(std::filesystem::exists(tmp / "config"));
    // Only the folder itself counts, not a name that merely begins alike.
    EXPECT_EQ(registerFileAssociation("/usrlocal/vellex", {tmp / "data", tmp / "config"}, false),
              AssociationResult::Registered);
}

// ---- Where the program keeps its files, and where a command-line name points.
struct ProgramDirCase {
    const char* name;
    bool writable;
    const char* xdg;
    const char* expected;
};

class ChooseProgramDir : public testing::TestWithParam<ProgramDirCase> {};

TEST_P(ChooseProgramDir, PrefersTheProgramsOwnFolder) {
    const auto& c = GetParam();
    EXPECT_EQ(chooseProgramDir("/opt/vellex", c.writable, c.xdg, "/home/u").string(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, ChooseProgramDir,
    testing::Values(ProgramDirCase{"Writable", true, "/x", "/opt/vellex"},
                    ProgramDirCase{"ReadOnlyWithXdg", false, "/x/cfg", "/x/cfg/vellex"},
                    ProgramDirCase{"ReadOnlyNoXdg", false, "", "/home/u/.config/vellex"},
                    ProgramDirCase{"RelativeXdgIgnored", false, "cfg", "/home/u/.config/vellex"}),
    [](const auto& info) { return std::string(info.param.name); });

// Root can write to /usr/bin, yet a packaged program keeps its files per user.
TEST(ChooseProgramDir, APackageInstallIsNeverPortable) {
    for (const char* folder : {"/usr/bin", "/usr/local/bin", "/usr/lib/vellex/"}) {
        SCOPED_TRACE(folder);
        EXPECT_EQ(chooseProgramDir(folder, true, "/x/cfg", "/root").string(), "/x/cfg/vellex");
        EXPECT_EQ(chooseProgramDir(folder, true, "", "/root").string(), "/root/.config/vellex");
    }
    for (const char* folder : {"/usrx/bin", "/opt/usr/bin", "/home/u/usr"}) {
        SCOPED_TRACE(folder);
        EXPECT_EQ(chooseProgramDir(folder, true, "/x/cfg", "/root").string(), folder);
    }
}

TEST(DocumentArgument, RelativeNamesAreTakenInTheProgramFolder) {
    EXPECT_EQ(documentPathFromArgument("/opt/v", "ivanov.app").string(), "/opt/v/ivanov.app");
    EXPECT_EQ(documentPathFromArgument("/opt/v", "sub/ivanov.app").string(),
              "/opt/v/sub/ivanov.app");
    EXPECT_EQ(documentPathFromArgument("/opt/v", "/home/u/ivanov.app").string(),
              "/home/u/ivanov.app");
}

}  // namespace
}  // namespace vellex

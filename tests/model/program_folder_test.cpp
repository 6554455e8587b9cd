#include "model/program_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "tests/support/test_support.h"

namespace vellex {
namespace {

// Sets an environment variable for the scope, and puts the old value back.
class EnvVar {
  public:
    EnvVar(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvVar() {
        if (old_)
            ::setenv(name_, old_->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

  private:
    const char* name_;
    std::optional<std::string> old_;
};

struct FolderRow {
    const char* name;
    const char* programFolder;  // "TMP" for a writable temporary folder
    bool writable;
    bool forced;           // VELLEX_PROGRAM_DIR names "TMP/forced"
    const char* expected;  // below TMP
};

class SettingsFolderTest : public testing::TestWithParam<FolderRow> {};

// The window, vellex-print and appconv all find "App.ini" here; a packaged program under
// "/usr" never keeps it beside itself, even for root, who can write there.
TEST_P(SettingsFolderTest, FollowsTheInstallRule) {
    const FolderRow& row = GetParam();
    test::TempDir tmp;
    const std::string base = tmp.path().string();
    const std::string forced = base + "/forced";
    const std::string xdg = base + "/cfg";
    EnvVar program("VELLEX_PROGRAM_DIR", row.forced ? forced.c_str() : nullptr);
    EnvVar config("XDG_CONFIG_HOME", xdg.c_str());
    const std::string folder =
        std::string(row.programFolder) == "TMP" ? base : std::string(row.programFolder);
    const auto dir = settingsFolder(folder, row.writable);
    EXPECT_EQ(dir.string(), base + row.expected);
    EXPECT_TRUE(std::filesystem::is_directory(dir));
}

INSTANTIATE_TEST_SUITE_P(Rows, SettingsFolderTest,
                         testing::Values(FolderRow{"portable", "TMP", true, false, ""},
                                         FolderRow{"readOnly", "TMP", false, false, "/cfg/vellex"},
                                         FolderRow{"package", "/usr/bin", true, false,
                                                   "/cfg/vellex"},
                                         FolderRow{"forced", "/usr/bin", true, true, "/forced"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vellex

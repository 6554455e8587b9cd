#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/support/test_support.h"
#include "text/file_io.h"

namespace vellex {
namespace {
namespace fs = std::filesystem;

TEST(AtomicWrite, ReplacesTheFileAndLeavesNoTemporaryBehind) {
    test::TempDir dir;
    const fs::path f = dir / "a.app";
    test::writeFile(f, "old");
    std::string err;
    ASSERT_TRUE(writeFileAtomically(f, "new\r\n", &err)) << err;
    EXPECT_EQ(test::readFile(f), "new\r\n");
    int entries = 0;
    for ([[maybe_unused]] auto& e : fs::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(AtomicWrite, CleansUpLeftoversOfAnInterruptedWrite) {
    test::TempDir dir;
    const fs::path f = dir / "a.app";
    test::writeFile(dir / ".a.app.vellex-tmp-abc123", "half");
    ASSERT_TRUE(writeFileAtomically(f, "x", nullptr));
    EXPECT_FALSE(fs::exists(dir / ".a.app.vellex-tmp-abc123"));
}

TEST(AtomicWrite, ReadOnlyFileIsRefusedAndKept) {
    test::TempDir dir;
    const fs::path f = dir / "a.app";
    test::writeFile(f, "old");
    ::chmod(f.c_str(), 0444);
    std::string err;
    EXPECT_FALSE(writeFileAtomically(f, "new", &err));
    EXPECT_EQ(test::readFile(f), "old");
    EXPECT_NE(err.find("a.app"), std::string::npos);
    EXPECT_NE(err.find("только для чтения"), std::string::npos);
}

TEST(AtomicWrite, ALinkKeepsItsPlaceAndItsFileGetsTheContent) {
    test::TempDir dir;
    fs::create_directory(dir / "real");
    const fs::path real = dir / "real" / "ivanov.app";
    test::writeFile(real, "old");
    fs::create_symlink(fs::path("real") / "ivanov.app", dir / "link.app");
    std::string err;
    ASSERT_TRUE(writeFileAtomically(dir / "link.app", "new", &err)) << err;
    EXPECT_TRUE(fs::is_symlink(dir / "link.app"));
    EXPECT_EQ(test::readFile(real), "new");
}

TEST(AtomicWrite, ADeviceIsRefusedNotReplaced) {
    test::TempDir dir;
    fs::create_symlink("/dev/null", dir / "null.app");
    std::string err;
    EXPECT_FALSE(writeFileAtomically(dir / "null.app", "x", &err));
    EXPECT_NE(err.find("это не обычный файл"), std::string::npos) << err;
    EXPECT_TRUE(fs::is_symlink(dir / "null.app"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
}

TEST(AtomicWrite, MissingFolderGivesARussianMessage) {
    test::TempDir dir;
    std::string err;
    EXPECT_FALSE(writeFileAtomically(dir / "nope" / "a.app", "x", &err));
    EXPECT_NE(err.find("Не удалось сохранить файл"), std::string::npos);
}

TEST(ReadWholeFile, MissingFileNamesTheCause) {
    test::TempDir dir;
    std::string out = "junk", err;
    EXPECT_FALSE(readWholeFile(dir / "none.app", out, &err));
    EXPECT_TRUE(out.empty());
    EXPECT_NE(err.find("не найдены"), std::string::npos);
}

}  // namespace
}  // namespace vellex

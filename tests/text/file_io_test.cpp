#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

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

// Two windows saving one file at once: each used to sweep away the other's temporary file
// as a leftover, and the other's save failed.
TEST(AtomicWrite, SavesOfOneFileAtOnceNeverFailEachOther) {
    test::TempDir dir;
    const fs::path f = dir / "shared.app";
    constexpr int kProcesses = 4;
    constexpr int kSaves = 300;
    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int failures = 0;
            const std::string data(4096, static_cast<char>('a' + p));
            for (int i = 0; i < kSaves; ++i)
                failures += writeFileAtomically(f, data, nullptr) ? 0 : 1;
            ::_exit(failures > 0 ? 1 : 0);
        }
        children.push_back(pid);
    }
    for (const pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
    }
    EXPECT_EQ(test::readFile(f).size(), 4096u);
    for (const auto& e : fs::directory_iterator(dir.path()))
        EXPECT_EQ(e.path().filename(), "shared.app");  // no temporary file left behind
}

// Documents hold birth dates and grades: a new file is as private as the user's umask
// asks, and a replaced file keeps the mode its owner gave it.
TEST(AtomicWrite, NewFilesFollowTheUmaskAndReplacedOnesKeepTheirMode) {
    test::TempDir dir;
    const mode_t saved = ::umask(077);
    ASSERT_TRUE(writeFileAtomically(dir / "new.app", "a", nullptr));
    test::writeFile(dir / "shared.app", "old");
    ::chmod((dir / "shared.app").c_str(), 0640);
    ASSERT_TRUE(writeFileAtomically(dir / "shared.app", "new", nullptr));
    ::umask(022);
    ASSERT_TRUE(writeFileAtomically(dir / "open.app", "a", nullptr));
    ::umask(saved);
    const auto mode = [&](const char* name) {
        struct stat st {};
        ::stat((dir / name).c_str(), &st);
        return st.st_mode & 0777;
    };
    EXPECT_EQ(mode("new.app"), 0600u);
    EXPECT_EQ(mode("shared.app"), 0640u);
    EXPECT_EQ(mode("open.app"), 0644u);
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

// What is not a regular file is refused at once by name (a pipe would block the read,
// a device would never end), and a file past its kind's size is refused, not read.
TEST(ReadWholeFile, OnlyRegularFilesWithinTheLimitAreRead) {
    test::TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "pipe.csv").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir / "zero.app");
    fs::create_directory(dir / "folder.app");
    test::writeFile(dir / "big.app", std::string(2000, 'x'));
    struct Case {
        const char* name;
        std::size_t limit;
        const char* cause;
    } cases[] = {
        {"pipe.csv", 1 << 20, "это не обычный файл"},
        {"zero.app", 1 << 20, "это не обычный файл"},
        {"folder.app", 1 << 20, "это папка"},
        {"big.app", 1000, "слишком большой"},
    };
    for (const Case& c : cases) {
        std::string out = "junk", err;
        EXPECT_FALSE(readWholeFile(dir / c.name, out, &err, c.limit)) << c.name;
        EXPECT_TRUE(out.empty()) << c.name;
        EXPECT_NE(err.find(c.name), std::string::npos) << err;
        EXPECT_NE(err.find(c.cause), std::string::npos) << err;
    }
    std::string out, err;
    EXPECT_TRUE(readWholeFile(dir / "big.app", out, &err, 2000));
    EXPECT_EQ(out.size(), 2000u);
}

// Text files here are Windows-1251: text in another encoding, or binary, would be read as
// garbage and printed on a blank.
TEST(ReadTextFile, OtherEncodingsAndBinaryAreRefusedWithTheCause) {
    test::TempDir dir;
    struct Case {
        const char* name;
        std::string bytes;
        const char* cause;  // nullptr: read
    } cases[] = {
        {"cp1251.csv", "\xC8\xE2\xE0\xED\xEE\xE2;\xCF\xB8\xF2\xF0\r\n", nullptr},
        {"ascii.csv", "Ivanov;Petr\r\n", nullptr},
        {"empty.csv", "", nullptr},
        {"utf8.csv", "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\xD0\xBE\xD0\xB2;1\r\n", "UTF-8"},
        {"bom.csv", "\xEF\xBB\xBFIvanov\r\n", "UTF-8"},
        {"nul.csv", std::string("Ivanov\0Petr\r\n", 13), "нулевые байты"},
        // "Иванов;Иван;Иванович" in KOI8-R and in DOS; then text that must still read:
        // capitals only, and guillemets, numero and dash around capitals.
        {"koi8.csv",
         "\xE9\xD7\xC1\xCE\xCF\xD7;\xE9\xD7\xC1\xCE;\xE9\xD7\xC1\xCE\xCF\xD7\xC9\xDE\r\n",
         "KOI8-R"},
        {"dos.csv",
         "\x88\xA2\xA0\xAD\xAE\xA2;\x88\xA2\xA0\xAD;\x88\xA2\xA0\xAD\xAE\xA2\xA8\xE7\r\n", "CP866"},
        {"caps.csv", "\xC8\xC2\xC0\xCD\xCE\xC2;\xC8\xC2\xC0\xCD;\xD4\xC8\xC7\xC8\xCA\xC0\r\n",
         nullptr},
        {"marks.csv",
         "\xAB\xCA\xEE\xEB\xEB\xE5\xE4\xE6\xBB \xB9"
         "5 \x97 \xCE\xCE\xCE \xAB\xCB\xD3\xD7\xBB\r\n",
         nullptr},
    };
    for (const Case& c : cases) {
        test::writeFile(dir / c.name, c.bytes);
        std::string out, err;
        const bool read = readTextFile(dir / c.name, out, &err, 1 << 20);
        EXPECT_EQ(read, c.cause == nullptr) << c.name << ": " << err;
        if (c.cause) {
            EXPECT_TRUE(out.empty()) << c.name;
            EXPECT_NE(err.find(c.name), std::string::npos) << err;
            EXPECT_NE(err.find(c.cause), std::string::npos) << err;
        } else {
            EXPECT_EQ(out, c.bytes) << c.name;
        }
    }
}

}  // namespace
}  // namespace vellex

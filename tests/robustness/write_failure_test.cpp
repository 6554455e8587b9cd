// Saves the system refuses — a read-only file or folder, a read-only or full disk, a file
// size limit: the user gets a Russian message naming the file, and the old file stays.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "lists/discipline_list.h"
#include "lists/student_list.h"
#include "storage/document_file.h"
#include "storage/settings.h"
#include "tests/robustness/child_process.h"
#include "tests/robustness/sample_files.h"
#include "tests/support/test_support.h"
#include "text/file_io.h"

namespace vellex {
namespace {
namespace fs = std::filesystem;

struct Writer {
    const char* what;
    const char* fileName;
    std::function<bool(const fs::path&, int variant, std::string* error)> save;
};

// The list window writing the list back after a row was removed.
bool rewriteStudentList(const fs::path& path, int variant, std::string* error) {
    if (variant == 0)
        return writeFileAtomically(path, test::largeStudentList(), error);
    StudentList list;
    UserMessages messages = list.load(path.string(), test::kListSeparator);
    if (messages.empty()) {
        list.removeRow(0);
        messages = list.close();
    }
    if (!messages.empty() && error)
        *error = messages.front().text;
    return messages.empty();
}

// The discipline list window closing after a discipline was added.
bool rewriteDisciplineList(const fs::path& path, int variant, std::string* error) {
    if (variant == 0) {
        std::string names;
        for (int i = 1; i <= 400; ++i)
            names += test::cp("Дисциплина ") + std::to_string(i) + "\r\n";
        return writeFileAtomically(path, names, error);
    }
    Settings settings;
    DisciplineList list;
    list.load(path.string(), settings);
    list.add(test::cp("Основы философии"));
    const DisciplineList::Closing closing = list.close(path.string(), settings);
    if (!closing.messages.empty() && error)
        *error = closing.messages.front().text;
    return closing.messages.empty();
}

const std::vector<Writer>& writers() {
    static const std::vector<Writer> table = {
        {"document", "ivanov.app",
         [](const fs::path& p, int v, std::string* e) {
             return writeDocument(p, test::largeDocument(v), test::largeDocumentFormat(), e);
         }},
        {"settings", "App.ini",
         [](const fs::path& p, int v, std::string* e) {
             return writeSettings(p, true, test::sampleSettings(v), e);
         }},
        {"student list", "students.csv", rewriteStudentList},
        {"discipline list", "disciplines.csv", rewriteDisciplineList},
    };
    return table;
}

std::string quoted(const fs::path& p) {
    return "«" + pathToUtf8(p) + "»";
}

std::vector<std::string> folderEntries(const fs::path& dir) {
    std::vector<std::string> out;
    for (const auto& entry : fs::directory_iterator(dir))
        out.push_back(entry.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

// Checks made where gtest cannot see them (a child process): the first failure, or empty.
std::string refusedSaveProblem(const Writer& w, const fs::path& path, const std::string& old,
                               const std::string& cause) {
    const std::vector<std::string> before = folderEntries(path.parent_path());
    std::string error;
    if (w.save(path, 1, &error))
        return "the save was reported as done";
    if (error.find(quoted(path)) == std::string::npos)
        return "the message does not name the file: " + error;
    if (error.find(cause) == std::string::npos)
        return "the message does not say \"" + cause + "\": " + error;
    std::string now;
    if (!readWholeFile(path, now, nullptr) || now != old)
        return "the old file changed";
    if (folderEntries(path.parent_path()) != before)
        return "a temporary file stayed behind";
    return {};
}

// Saves variant 0 and returns the file's bytes (empty, with `problem` set, on failure).
std::string saveOld(const Writer& w, const fs::path& path, std::string& problem) {
    std::string error;
    if (!w.save(path, 0, &error)) {
        problem = "the first save failed: " + error;
        return {};
    }
    std::string old;
    readWholeFile(path, old, nullptr);
    return old;
}

TEST(RefusedSave, ReadOnlyFileStaysAsItWas) {
    for (const Writer& w : writers()) {
        SCOPED_TRACE(w.what);
        test::TempDir dir;
        const fs::path path = dir / w.fileName;
        std::string problem;
        const std::string old = saveOld(w, path, problem);
        ASSERT_EQ(problem, "");
        fs::permissions(path,
                        fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

        EXPECT_EQ(refusedSaveProblem(w, path, old, "только для чтения"), "");
        EXPECT_EQ(fs::status(path).permissions(),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
}

TEST(RefusedSave, ReadOnlyFolderKeepsTheFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "running as root, which writes into any folder whatever its mode; "
                        "ReadOnlyDiskKeepsTheFile covers a folder that cannot be written";
    for (const Writer& w : writers()) {
        SCOPED_TRACE(w.what);
        test::TempDir dir;
        const fs::path path = dir / w.fileName;
        std::string problem;
        const std::string old = saveOld(w, path, problem);
        ASSERT_EQ(problem, "");
        fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);

        EXPECT_EQ(refusedSaveProblem(w, path, old, "нет доступа"), "");
        fs::permissions(dir.path(), fs::perms::owner_all);
    }
}

// The cases below need a disk that is read-only or full: a small tmpfs of the test's own,
// mounted in a child process's private mount namespace.
TEST(RefusedSave, ReadOnlyDiskKeepsTheFile) {
    for (const Writer& w : writers()) {
        SCOPED_TRACE(w.what);
        test::TempDir dir;
        const fs::path path = dir / w.fileName;
        const test::ChildOutcome outcome = test::runOnOwnDisk(dir.path(), 1 << 20, [&] {
            std::string problem;
            const std::string old = saveOld(w, path, problem);
            if (!problem.empty())
                return problem;
            if (::mount(nullptr, dir.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
                return std::string("remounting read-only failed");
            return refusedSaveProblem(w, path, old, "диск доступен только для чтения");
        });
        if (outcome.skipped)
            GTEST_SKIP() << outcome.message;
        EXPECT_EQ(outcome.message, "");
    }
}

TEST(RefusedSave, FullDiskKeepsTheFileAndSavesOnceThereIsRoom) {
    for (const Writer& w : writers()) {
        SCOPED_TRACE(w.what);
        test::TempDir dir;
        const fs::path path = dir / w.fileName;
        const test::ChildOutcome outcome = test::runOnOwnDisk(dir.path(), 512 << 10, [&] {
            std::string problem;
            const std::string old = saveOld(w, path, problem);
            if (!problem.empty())
                return problem;
            // Fill every block that is left.
            const fs::path filler = dir / "filler";
            const int fd = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            const std::string block(4096, 'x');
            while (::write(fd, block.data(), block.size()) > 0) {
            }
            ::close(fd);
            problem = refusedSaveProblem(w, path, old, "нет места на диске");
            if (!problem.empty())
                return problem;

            fs::remove(filler);
            std::string error;
            if (!w.save(path, 1, &error))
                return "the save failed with room on the disk: " + error;
            std::string now;
            readWholeFile(path, now, nullptr);
            if (now == old || folderEntries(dir.path()) != std::vector<std::string>{w.fileName})
                return std::string("the save with room on the disk did not replace the file");
            return std::string();
        });
        if (outcome.skipped)
            GTEST_SKIP() << outcome.message;
        EXPECT_EQ(outcome.message, "");
    }
}

// A process limited in file size (ulimit -f) gets the same care as a full disk, and
// needs no privileges to set up.
TEST(RefusedSave, FileSizeLimitKeepsTheFile) {
    for (const Writer& w : writers()) {
        SCOPED_TRACE(w.what);
        test::TempDir dir;
        const fs::path path = dir / w.fileName;
        const test::ChildOutcome outcome = test::runInChild([&] {
            std::string problem;
            const std::string old = saveOld(w, path, problem);
            if (!problem.empty())
                return problem;
            // The write then fails with EFBIG instead of killing the process.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{512, 512};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
                return std::string("setrlimit failed");
            return refusedSaveProblem(w, path, old, "файл слишком большой");
        });
        EXPECT_EQ(outcome.message, "");
    }
}

}  // namespace
}  // namespace vellex

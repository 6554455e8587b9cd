// Saves killed at random moments: the file on disk is always one whole save, and a later
// save sweeps away what a killed one left behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "lists/student_list.h"
#include "lists/student_list_writer.h"
#include "storage/document_file.h"
#include "storage/settings.h"
#include "tests/robustness/child_process.h"
#include "tests/robustness/sample_files.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

struct Saver {
    const char* what;
    const char* fileName;
    int kills;
    // Saves one of two contents; each replaces the other.
    std::function<bool(const fs::path&, int variant, std::string* error)> save;
    // Puts a first file in place where saving needs one; may be empty.
    std::function<void(const fs::path&)> prepare;
};

bool noMessages(const UserMessages& messages, std::string* error) {
    if (!messages.empty() && error)
        *error = messages.front().text;
    return messages.empty();
}

// The student list grows by a student (the add command) and shrinks back to its first
// kListStudents rows (the list window removing a row and closing).
bool saveStudentList(const fs::path& path, int variant, std::string* error) {
    if (variant == 1) {
        Settings settings;
        settings.SplitField = std::string(test::kListSeparator);
        return noMessages(appendStudentToList(test::largeDocument(0), settings, path.string()),
                          error);
    }
    StudentList list;
    if (!noMessages(list.load(path.string(), test::kListSeparator), error))
        return false;
    if (list.rows().size() > test::kListStudents)
        list.removeRow(list.rows().size() - 1);
    return noMessages(list.close(), error);
}

const std::array<Document, 2>& largeDocuments() {
    static const std::array<Document, 2> docs = {test::largeDocument(0), test::largeDocument(1)};
    return docs;
}

const std::vector<Saver>& savers() {
    static const std::vector<Saver> table = {
        {"document", "ivanov.app", 200,
         [](const fs::path& p, int v, std::string* e) {
             return writeDocument(p, largeDocuments()[v], test::largeDocumentFormat(), e);
         },
         nullptr},
        {"settings", "App.ini", 150,
         [](const fs::path& p, int v, std::string* e) {
             return writeSettings(p, true, test::sampleSettings(v), e);
         },
         nullptr},
        {"student_list", "students.csv", 150, saveStudentList,
         [](const fs::path& p) { test::writeFile(p, test::largeStudentList()); }},
    };
    return table;
}

// Everything in the folder but the file itself: temporary files of killed saves.
std::vector<std::string> strayFiles(const fs::path& file) {
    std::vector<std::string> out;
    for (const auto& entry : fs::directory_iterator(file.parent_path())) {
        if (entry.path().filename() != file.filename())
            out.push_back(entry.path().filename().string());
    }
    return out;
}

void saveOrFail(const Saver& saver, const fs::path& path, int variant) {
    std::string error;
    ASSERT_TRUE(saver.save(path, variant, &error)) << error;
}

TEST(CrashSafeSave, AKilledSaveLeavesTheOldOrTheNewFileWhole) {
    // A full run of kills takes some seconds; on a slow machine or disk (sanitizers, CI)
    // each file type stops after this long, so the test stays well under half a minute.
    const auto budget = std::chrono::seconds(9);
    std::mt19937 random(20261208);
    for (const Saver& saver : savers()) {
        SCOPED_TRACE(saver.what);
        test::TempDir dir;
        const fs::path path = dir / saver.fileName;

        // The two contents as saves leave them when each one replaces the other.
        std::array<std::string, 2> expected;
        if (saver.prepare)
            saver.prepare(path);
        ASSERT_NO_FATAL_FAILURE(saveOrFail(saver, path, 0));
        ASSERT_NO_FATAL_FAILURE(saveOrFail(saver, path, 1));
        expected[1] = test::readFile(path);
        const auto start = Clock::now();
        ASSERT_NO_FATAL_FAILURE(saveOrFail(saver, path, 0));
        const auto oneSave = Clock::now() - start;
        expected[0] = test::readFile(path);
        ASSERT_NE(expected[0], expected[1]);

        // Kills land anywhere from before the first write to after a few whole saves.
        const auto span = std::chrono::duration_cast<std::chrono::microseconds>(oneSave * 3) +
                          std::chrono::microseconds(500);
        std::uniform_int_distribution<long> delay(0, span.count());
        std::array<int, 2> seen = {0, 0};
        int leftovers = 0;
        int kills = 0;
        const auto begin = Clock::now();
        std::string now = expected[0];
        for (; kills < saver.kills && Clock::now() - begin < budget; ++kills) {
            // The child starts with the content the file does not have.
            int variant = now == expected[0] ? 1 : 0;
            const pid_t child = test::startRepeating([&] {
                saver.save(path, variant, nullptr);
                variant = 1 - variant;
            });
            ASSERT_GT(child, 0);
            ::usleep(static_cast<useconds_t>(delay(random)));
            test::killChild(child);

            now = test::readFile(path);
            ASSERT_TRUE(now == expected[0] || now == expected[1])
                << "kill " << kills << " left " << now.size() << " bytes, neither save ("
                << expected[0].size() << " or " << expected[1].size() << " bytes)";
            ++seen[now == expected[0] ? 0 : 1];

            if (!strayFiles(path).empty()) {
                ++leftovers;
                if (now == expected[1]) {
                    ASSERT_NO_FATAL_FAILURE(saveOrFail(saver, path, 0));
                }
                ASSERT_NO_FATAL_FAILURE(saveOrFail(saver, path, 1));
                EXPECT_EQ(strayFiles(path), std::vector<std::string>{})
                    << "a save after kill " << kills << " left the temporary files";
                now = test::readFile(path);
                EXPECT_EQ(now, expected[1]);
            }
        }
        ::testing::Test::RecordProperty(std::string(saver.what) + "_kills", kills);
        ::testing::Test::RecordProperty(std::string(saver.what) + "_leftovers", leftovers);
        // Kills that found both contents show they fell at different moments of saving
        // (a handful of kills on a very slow disk proves too little to ask this).
        if (kills >= 20) {
            EXPECT_GT(seen[0], 0);
            EXPECT_GT(seen[1], 0);
        }
    }
}

}  // namespace
}  // namespace vellex

// The settings reader on any file, as "App.ini" and as a document's own settings file
// (first byte, bit 0).
#include <string>

#include "storage/settings.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/memory_file.h"
#include "text/file_io.h"

using namespace vellex;
using vellex::fuzz::require;

namespace {

std::string savedText(const Settings& s, bool mainFile, const char* name) {
    const auto path = fuzz::scratchDir() / name;
    std::filesystem::remove(path);
    std::string error;
    require(writeSettings(path, mainFile, s, &error), "settings are saved to a fresh file");
    std::string text;
    require(readWholeFile(path, text, &error), "the saved settings read back");
    return text;
}

// Whether a text setting holds a CR.
#define VELLEX_CR_IN_Str(key) || s.key.find('\r') != std::string::npos
#define VELLEX_CR_IN_Int(key)
#define VELLEX_CR_IN_Bool(key)
#define VELLEX_CR_IN_Align(key)
#define VELLEX_CR_IN_AlignRight(key)
#define VELLEX_CR_IN(section, key, type, def) VELLEX_CR_IN_##type(key)

bool hasCarriageReturn(const Settings& s) {
    return false VELLEX_SETTINGS(VELLEX_CR_IN);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    fuzz::FuzzInput in(data, size);
    const bool mainFile = (in.byte() & 1) != 0;
    file.assign(in.rest());

    Settings s;
    require(readSettings(file.path(), mainFile, s), "a file that exists is read");

    // What was read, saved and read again saves to the same text: settings do not drift
    // from one run of the program to the next. A CR inside a text is the exception: the
    // save turns it into a space, which the next read may trim, so such a file settles
    // one save later.
    const std::string first = savedText(s, mainFile, "first.ini");
    Settings again;
    require(readSettings(fuzz::scratchDir() / "first.ini", mainFile, again),
            "the saved settings are read");
    const std::string second = savedText(again, mainFile, "second.ini");
    if (!hasCarriageReturn(s)) {
        require(second == first, "a save read back saves the same");
        return 0;
    }
    Settings third;
    require(readSettings(fuzz::scratchDir() / "second.ini", mainFile, third),
            "the saved settings are read");
    require(savedText(third, mainFile, "first.ini") == second, "a save settles after one more");
    return 0;
}

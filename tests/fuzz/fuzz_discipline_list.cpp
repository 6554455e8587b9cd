// The discipline list file with any separator, parsed and loaded through its file name.
// First byte: separator length (0-3); then the separator; the rest is the file.
#include <string>

#include "lists/discipline_list.h"
#include "storage/settings.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/memory_file.h"
#include "text/file_io.h"

using namespace vellex;
using vellex::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    fuzz::FuzzInput in(data, size);
    Settings settings;
    settings.SplitField = std::string(in.take(in.byte() % 4));
    const std::string_view text = in.rest();

    const std::vector<std::string> entries = DisciplineList::parse(text, settings.SplitField);
    if (!settings.SplitField.empty()) {
        const char c = settings.SplitField.front();
        for (const std::string& e : entries)
            require(e.empty() || (e.front() != c && e.back() != c),
                    "an entry has no separator at either end");
    }

    file.assign(text);
    DisciplineList list;
    const std::string before = settings.DisciplinesFileName;
    list.load(file.path().string(), settings);
    // Text that is no Windows-1251 list (NUL bytes, another encoding) is refused: no
    // entries, and the setting keeps its file.
    std::string probe;
    const bool readable = readTextFile(file.path(), probe, nullptr, kMaxSmallFileBytes);
    require(list.entries() == (readable ? entries : std::vector<std::string>{}),
            "loading the file gives the parsed entries");
    require(settings.DisciplinesFileName == (readable ? file.path().string() : before),
            "the loaded file is remembered");
    return 0;
}

// The student list file with any separator, read at once and read in batches as the
// list window reads a long list. First byte: separator length (0-3) and batch size; then
// the separator; the rest is the file.
#include <string>

#include "lists/student_list.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/memory_file.h"
#include "text/file_io.h"

using namespace vellex;
using vellex::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::MemoryFile file;
    fuzz::FuzzInput in(data, size);
    const std::uint8_t shape = in.byte();
    const std::string separator(in.take(shape % 4));
    const std::size_t batch = 1 + (shape >> 2) % 9;
    const std::string_view text = in.rest();

    const std::vector<StudentRow> rows = parseStudentList(text, separator);
    for (const StudentRow& row : rows)
        require(row.size() >= static_cast<std::size_t>(kStudentFields), "a row has five fields");
    if (separator.empty())
        return 0;

    file.assign(text);
    StudentList list;
    list.beginLoad(file.path().string(), separator);
    while (list.loadMore(batch))
        require(list.loadProgress() >= 0 && list.loadProgress() <= 1, "progress stays in 0..1");
    list.endLoad();
    // Text that is no Windows-1251 list (NUL bytes, another encoding) is refused: no rows.
    std::string probe;
    const bool readable = readTextFile(file.path(), probe, nullptr, kMaxListBytes);
    require(list.rows() == (readable ? rows : std::vector<StudentRow>{}),
            "a list read in batches is the list read at once");
    return 0;
}

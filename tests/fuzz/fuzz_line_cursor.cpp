// The line walk every reader uses, on text with any mix of CR, LF, CR LF and NUL: the
// lines and their ends give back the text byte for byte, no line holds a line end, and a
// walk in steps (as the list window reads) gives the same lines as one walk.
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_input.h"
#include "text/line_cursor.h"

using namespace vellex;
using vellex::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const std::size_t step = 1 + in.byte() % 7;
    const std::string_view text = in.rest();

    LineCursor cursor(text);
    std::vector<std::string_view> lines;
    std::string rebuilt;
    std::string_view line;
    std::size_t before = cursor.position();
    while (cursor.next(line)) {
        require(line.find_first_of("\r\n") == std::string_view::npos, "a line holds no line end");
        require(cursor.position() > before, "every line moves the walk on");
        // What lies between this line and the next is its end: nothing, LF, CR or CR LF.
        const std::string_view end =
            text.substr(before + line.size(), cursor.position() - before - line.size());
        require(end.empty() || end == "\n" || end == "\r" || end == "\r\n", "a line end is one");
        rebuilt.append(line);
        rebuilt.append(end);
        lines.push_back(line);
        before = cursor.position();
    }
    require(cursor.atEnd() && rebuilt == text, "lines and ends give back the text");

    // Resumed from where an earlier walk stopped, in steps of `step` lines.
    std::vector<std::string_view> stepped;
    std::size_t at = 0;
    while (true) {
        LineCursor part(text, at);
        std::size_t n = 0;
        while (n < step && part.next(line)) {
            stepped.push_back(line);
            ++n;
        }
        at = part.position();
        if (n < step)
            break;
    }
    require(stepped == lines, "a walk in steps gives the same lines");
    return 0;
}

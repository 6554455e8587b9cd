// SplitTextToLines and the basic cut on any text and any widths. The properties are the
// ones the copy commands rely on: no word is lost, split or reordered, and only a single
// word may stand out beyond the width.
#include <string>
#include <vector>

#include "tests/fuzz/fuzz_input.h"
#include "text/split_text.h"

using namespace vellex;
using vellex::fuzz::require;

namespace {

// Words are what spaces separate; runs of spaces and spaces at either end do not count,
// since a cut may drop or keep a space (a double space can leave one at a line's edge).
void appendWords(std::string_view text, std::vector<std::string_view>& words) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = text.find_first_not_of(' ', pos);
        if (start == std::string_view::npos)
            return;
        const std::size_t end = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, end - start));
        pos = end;
    }
}

void checkLines(std::string_view text, int width, const std::vector<std::string>& lines) {
    require(!lines.empty(), "there is always a line");
    std::vector<std::string_view> expected;
    std::vector<std::string_view> got;
    appendWords(text, expected);
    for (const std::string& line : lines) {
        appendWords(line, got);
        if (static_cast<int>(line.size()) > width)
            require(line.find(' ') == std::string::npos,
                    "only one word alone on its line is longer than the width");
    }
    require(got == expected, "the lines hold the words of the text, in order");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const int maxWidth = in.intIn(-2, 253);
    const int lineCount = in.intIn(-1, 14);
    const int tolerance = in.intIn(-3, 28);
    const int ratioLimit = in.intIn(-2, 13);
    const std::string_view text = in.rest();
    // The callers never pass a width below 1; the code treats one as 1.
    const int width = std::max(maxWidth, 1);

    std::vector<std::string> lines;
    SplitTextToLines(maxWidth, lineCount, tolerance, ratioLimit, text, lines);
    checkLines(text, width, lines);

    std::vector<std::string> cut;
    cutTextAtWidth(text, maxWidth, cut);
    checkLines(text, width, cut);
    return 0;
}

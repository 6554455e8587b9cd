#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/line_cursor.h"

namespace vellex {
namespace {

// Files come from Windows (CR LF), Linux (LF) and old Mac editors (CR alone): each ends a
// line; a CR-only file used to be one long line.
TEST(LineCursor, EveryKindOfLineEndEndsALine) {
    const struct {
        std::string text;
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\rc", {"a", "b", "c"}},
        {"a\r\rb\r", {"a", "", "b"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\n\rb", {"a", "", "b"}},
        {"", {}},
        {"\r", {""}},
    };
    for (const auto& c : cases) {
        LineCursor cursor(c.text);
        std::vector<std::string> got;
        std::string_view line;
        while (cursor.next(line))
            got.emplace_back(line);
        EXPECT_EQ(got, c.lines) << testing::PrintToString(c.text);
        EXPECT_TRUE(cursor.atEnd());
    }
}

}  // namespace
}  // namespace vellex

#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/document.h"
#include "report/report.h"

// Helpers of the first-page sheet tests: the boxes a layout must make, compared with the
// page it built, and a document whose every field prints its own name.
namespace vellex::test {

struct ExpectedBox {
    std::string role;
    int left, top, width, height, adjust;
};

inline const TReportPage& onlyPage(const TReport& report) {
    if (report.pages.size() != 1)
        throw std::runtime_error("expected exactly one page");
    return *report.pages.front();
}

// The page, the duplicate mark left out, holds exactly these boxes in this order.
inline void expectBoxes(const TReport& report, const std::vector<ExpectedBox>& expected) {
    std::vector<const TTextBox*> boxes;
    for (const auto& b : onlyPage(report).objects)
        if (b->role != "duplicate")
            boxes.push_back(b.get());
    ASSERT_EQ(boxes.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ExpectedBox& e = expected[i];
        const TTextBox& b = *boxes[i];
        SCOPED_TRACE("box " + std::to_string(i) + " " + e.role);
        EXPECT_EQ(b.role, e.role);
        EXPECT_EQ(b.left, e.left);
        EXPECT_EQ(b.top, e.top);
        EXPECT_EQ(b.width, e.width);
        EXPECT_EQ(b.height, e.height);
        EXPECT_EQ(b.adjust, e.adjust);
    }
}

// The page holds the boxes of `placed`, those named in `moved` `dy` units lower, the others
// where they were.
inline void expectMovedDown(const TReport& report, const std::vector<ExpectedBox>& placed,
                            const std::vector<std::string>& moved, int dy) {
    std::vector<ExpectedBox> expected = placed;
    for (ExpectedBox& e : expected)
        for (const std::string& role : moved)
            if (e.role == role)
                e.top += dy;
    expectBoxes(report, expected);
}

inline const TTextBox& box(const TReport& report, std::string_view role) {
    const TTextBox* b = findBox(onlyPage(report), role);
    if (!b)
        throw std::runtime_error("no box " + std::string(role));
    return *b;
}

inline bool hasBox(const TReport& report, std::string_view role) {
    return findBox(onlyPage(report), role) != nullptr;
}

// Every field of `page` holds its own component name, so a box shows where its text came
// from.
inline void fillWithFieldNames(Document& doc, Page page) {
    for (int i = 0; i < kFieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        if (fieldPage(f) == page)
            doc.setText(f, std::string(fieldName(f)));
    }
}

inline std::vector<std::string> lines(std::string text) {
    return {std::move(text)};
}

}  // namespace vellex::test

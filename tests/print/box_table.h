#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/report.h"

// Expected boxes of a sheet as a table, compared with the page a layout built.
namespace vellex::test::boxes {

struct Want {
    std::string role;
    int left, top, width, height, adjust;
};

// Every box of the page, in drawing order, against the table.
inline void expectBoxes(const TReportPage& page, const std::vector<Want>& want) {
    ASSERT_EQ(page.objects.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        const TTextBox& b = *page.objects[i];
        const Want& w = want[i];
        SCOPED_TRACE("box " + std::to_string(i) + " " + w.role);
        EXPECT_EQ(b.role, w.role);
        EXPECT_EQ(b.left, w.left);
        EXPECT_EQ(b.top, w.top);
        EXPECT_EQ(b.width, w.width);
        EXPECT_EQ(b.height, w.height);
        EXPECT_EQ(b.adjust, w.adjust);
    }
}

inline const TTextBox& box(const TReport& report, std::string_view role) {
    const TTextBox* b = findBox(*report.pages.at(0), role);
    if (!b)
        throw std::runtime_error("no box " + std::string(role));
    return *b;
}

}  // namespace vellex::test::boxes

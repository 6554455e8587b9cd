#pragma once

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/document.h"
#include "report/report.h"
#include "storage/settings.h"

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

// `placed` with the boxes named in `roles` left aligned: what a centring setting turned
// off gives.
inline std::vector<ExpectedBox> leftAligned(std::vector<ExpectedBox> placed,
                                            const std::vector<std::string>& roles) {
    for (ExpectedBox& e : placed)
        for (const std::string& role : roles)
            if (e.role == role)
                e.adjust = 0;
    return placed;
}

// Every "Adjust" setting but AdjustStudent, which also moves boxes on the 2010 blanks.
inline const std::vector<int Settings::*>& centringKeys() {
    static const std::vector<int Settings::*> keys = {
        &Settings::AdjustTown,           &Settings::AdjustSchool,
        &Settings::AdjustBirthDay,       &Settings::AdjustAudTime,
        &Settings::AdjustLinesAppRight1, &Settings::AdjustLinesAppRight4,
        &Settings::AdjustLinesAppRight5, &Settings::AdjustLinesAppRight7,
        &Settings::AdjustLinesApp1,      &Settings::AdjustLinesApp4,
        &Settings::AdjustLinesApp5,      &Settings::AdjustLinesApp7};
    return keys;
}

// For each centring setting turned off alone, the page is `placed` with exactly the boxes
// `own` lists for that setting left aligned (none for a setting it does not list).
using OwnBoxes = std::vector<std::pair<int Settings::*, std::vector<std::string>>>;
template <class Layout>
void expectCentringSettings(const Settings& base, const std::vector<ExpectedBox>& placed,
                            const OwnBoxes& own, Layout layoutWith) {
    for (int Settings::*key : centringKeys()) {
        Settings s = base;
        s.*key = kAlignLeft;
        std::vector<std::string> roles;
        for (const auto& [k, r] : own)
            if (k == key)
                roles = r;
        SCOPED_TRACE(roles.empty() ? std::string("a setting with no box here") : roles.front());
        expectBoxes(layoutWith(s), leftAligned(placed, roles));
    }
}

// "prefix1" … "prefixN", or with a suffix: "Disciplines4 row 1 AudTime" ….
inline std::vector<std::string> numbered(const std::string& prefix, int first, int last,
                                         const std::string& suffix = {}) {
    std::vector<std::string> out;
    for (int i = first; i <= last; ++i)
        out.push_back(prefix + std::to_string(i) + suffix);
    return out;
}

// Default settings under one blank edition ("VellexVersion").
inline Settings edition(int version) {
    Settings s;
    s.VellexVersion = version;
    return s;
}

// `rows` followed by the boxes of a first page's discipline table: name, hours and grade of
// each row, one row every 18 units below `top0`.
inline std::vector<ExpectedBox> withTable(std::vector<ExpectedBox> rows, const std::string& table,
                                          int rowCount, int top0) {
    for (int r = 1; r <= rowCount; ++r) {
        const std::string row = table + " row " + std::to_string(r) + " ";
        const int top = top0 + 18 * r;
        rows.push_back({row + "Discipline", 62, top, 250, 17, 0});
        rows.push_back({row + "AudTime", 345, top, 80, 17, 2});
        rows.push_back({row + "Value", 435, top, 150, 17, 0});
    }
    return rows;
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

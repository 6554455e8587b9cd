#pragma once

#include <gtest/gtest.h>

#include <map>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "report/report.h"

// Expected boxes of the diploma and the certificate, compared by role with the page a
// layout built or with the page model vellex-print wrote.
namespace vellex::test::title {

struct Box {
    std::string role;
    int left, top, width, height, adjust;
};

inline const TTextBox& box(const TReport& r, std::string_view role) {
    const TTextBox* b = findBox(pageByIndex(r, 0), role);
    if (!b)
        throw std::runtime_error("no box " + std::string(role));
    return *b;
}

inline std::map<std::string, Box> geometry(const TReport& r) {
    std::map<std::string, Box> out;
    for (const auto& b : pageByIndex(r, 0).objects)
        out[b->role] = {b->role, b->left, b->top, b->width, b->height, b->adjust};
    return out;
}

// The page holds exactly the expected boxes, each once, at the expected places.
inline void expectPage(const TReport& r, const std::vector<Box>& want) {
    const auto& page = pageByIndex(r, 0);
    ASSERT_EQ(page.objects.size(), want.size());
    for (const Box& w : want) {
        SCOPED_TRACE(w.role);
        int count = 0;
        for (const auto& b : page.objects)
            count += b->role == w.role;
        ASSERT_EQ(count, 1);
        const TTextBox& b = box(r, w.role);
        EXPECT_EQ(b.left, w.left);
        EXPECT_EQ(b.top, w.top);
        EXPECT_EQ(b.width, w.width);
        EXPECT_EQ(b.height, w.height);
        EXPECT_EQ(b.adjust, w.adjust);
    }
}

// The page model vellex-print wrote holds the expected boxes (the duplicate mark aside).
inline void expectJsonPage(const nlohmann::json& page, const std::vector<Box>& want) {
    for (const Box& w : want) {
        SCOPED_TRACE(w.role);
        const nlohmann::json* found = nullptr;
        for (const auto& b : page["boxes"])
            if (b.value("role", std::string()) == w.role)
                found = &b;
        ASSERT_NE(found, nullptr);
        EXPECT_EQ((*found)["left"], w.left);
        EXPECT_EQ((*found)["top"], w.top);
        EXPECT_EQ((*found)["width"], w.width);
        EXPECT_EQ((*found)["height"], w.height);
        EXPECT_EQ((*found)["adjust"], w.adjust);
    }
}

}  // namespace vellex::test::title

#include <gtest/gtest.h>

#include "tests/support/test_support.h"
#include "text/cp1251.h"

namespace vellex {
namespace {

TEST(Cp1251, EveryByteRoundTripsThroughUnicode) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const auto back = cp1251::fromUtf16(cp1251::toUtf16(all));
    ASSERT_TRUE(back.ok());
    EXPECT_EQ(back.bytes, all);
    const auto back8 = cp1251::fromUtf8(cp1251::toUtf8(all));
    ASSERT_TRUE(back8.ok());
    EXPECT_EQ(back8.bytes, all);
}

TEST(Cp1251, RussianLettersMapToTheirBytes) {
    const std::string s = test::cp("Ёё Ая№");
    ASSERT_EQ(s.size(), 6u);
    EXPECT_EQ(static_cast<unsigned char>(s[0]), 0xA8);
    EXPECT_EQ(static_cast<unsigned char>(s[1]), 0xB8);
    EXPECT_EQ(static_cast<unsigned char>(s[3]), 0xC0);
    EXPECT_EQ(static_cast<unsigned char>(s[4]), 0xFF);
    EXPECT_EQ(static_cast<unsigned char>(s[5]), 0xB9);
}

TEST(Cp1251, ReportsWhatItCannotHoldInsteadOfQuestionMarks) {
    const auto r = cp1251::fromUtf8("Иванов 中文 ✓ 中");
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.unmappable, U"中文✓");
    EXPECT_EQ(r.bytes.find('?'), std::string::npos);
}

TEST(Cp1251, MalformedUtf8IsReported) {
    EXPECT_TRUE(cp1251::fromUtf8("\xD0").invalidInput);
    EXPECT_TRUE(cp1251::fromUtf8("a\xFFz").invalidInput);
    EXPECT_TRUE(cp1251::fromUtf16(u"\xD800").invalidInput);
    // Overlong forms of '/' and of 'Ж', a surrogate, a code past U+10FFFF: each is refused
    // and gives no character, so "..\xC0\xAF" can never become "../".
    for (const std::string_view bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xF0\x80\x80\xAF",
                                       "\xE0\x84\x96", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        const cp1251::Conversion c = cp1251::fromUtf8(bad);
        EXPECT_TRUE(c.invalidInput) << testing::PrintToString(bad);
        EXPECT_EQ(c.bytes.find('/'), std::string::npos);
        EXPECT_EQ(c.bytes.find('\xC6'), std::string::npos);
    }
    const cp1251::Conversion good = cp1251::fromUtf8("\xD0\x96/");  // "Ж/"
    EXPECT_FALSE(good.invalidInput);
    EXPECT_EQ(good.bytes, "\xC6/");
}

}  // namespace
}  // namespace vellex

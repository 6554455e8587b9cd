#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/test_support.h"
#include "text/cp1251.h"
#include "text/split_text.h"

namespace vellex {
namespace {

using Lines = std::vector<std::string>;

Lines cpLines(std::initializer_list<const char*> utf8) {
    Lines out;
    for (const char* line : utf8)
        out.push_back(test::cp(line));
    return out;
}

std::string shown(const Lines& lines) {
    std::string out;
    for (const auto& line : lines)
        out += "[" + test::u8(line) + "]";
    return out;
}

Lines split(int maxWidth, int lineCount, std::string_view utf8) {
    Lines out{"left over from an earlier call"};
    SplitTextToLines(maxWidth, lineCount, 5, 4, test::cp(utf8), out);
    return out;
}

// The basic cut, on ASCII so that every column is easy to count.
TEST(CutTextAtWidth, BreaksAtSpacesDroppingOneSpace) {
    const struct {
        const char* text;
        int width;
        Lines lines;
        int ratio;
    } rows[] = {
        {"abc def", 10, {"abc def"}, 1},
        {"abc def", 7, {"abc def"}, 1},
        {"aaaa bbbb", 4, {"aaaa", "bbbb"}, 1},  // the rest begins with the space
        {"aaa bbbb", 4, {"aaa", "bbbb"}, 1},    // the piece ends with the space
        {"aa bbb", 4, {"aa", "bbb"}, 1},        // the word goes back to the rest
        {"a bb cc dd ee", 5, {"a bb", "cc dd", "ee"}, 2},
        {"aaaaaaaaaa bb cc", 5, {"aaaaaaaaaa", " bb", "cc"}, 5},  // over-long word
        {"aaaaaaaaaa", 3, {"aaaaaaaaaa"}, 1},
        {"aa aaaaaaaaaa", 5, {"aa", "aaaaaaaaaa"}, 5},
        {"aaaa  bbbb", 4, {"aaaa", "", "bbbb"}, 0},  // a double space leaves an empty line
        {"aaa  bbb", 4, {"aaa", " bbb"}, 1},
        {"", 5, {""}, 0},
    };
    for (const auto& row : rows) {
        Lines lines;
        EXPECT_EQ(cutTextAtWidth(row.text, row.width, lines), row.ratio) << row.text;
        EXPECT_EQ(lines, row.lines) << row.text << " at " << row.width;
    }
}

TEST(CutTextAtWidth, WidthBelowOneIsTakenAsOne) {
    Lines lines;
    cutTextAtWidth("ab c", 0, lines);
    EXPECT_EQ(lines, (Lines{"ab", "", "c"}));
}

TEST(SplitTextToLines, ShortTextsStayOneLine) {
    const char* const texts[] = {
        "Курский государственный колледж культуры",  // 40 characters: C = 42
        "Калужский медколледж",                      // 20 characters: C = 36
        "Колледж",
    };
    for (const char* text : texts) {
        EXPECT_EQ(split(45, 2, text), cpLines({text})) << text;
    }
}

TEST(SplitTextToLines, SpreadsAFittingTextEvenly) {
    // 60 characters at W = 45 over 2 lines: the working width is 60 / 2 + 2 = 32, not 45.
    EXPECT_EQ(split(45, 2, "Областное бюджетное учреждение Орловский медицинский колледж"),
              cpLines({"Областное бюджетное учреждение", "Орловский медицинский колледж"}));
}

TEST(SplitTextToLines, FallsBackToTheFullWidthWhenEvenLinesNeedMoreLines) {
    // At 32 the text needs three lines, more than the two it needs at 45.
    EXPECT_EQ(split(45, 2, "Государственное бюджетное образовательное учреждение колледж"),
              cpLines({"Государственное бюджетное образовательное", "учреждение колледж"}));
}

TEST(SplitTextToLines, TooLongTextGivesMoreLinesThanAsked) {
    const auto lines =
        split(20, 2,
              "Государственное автономное профессиональное образовательное учреждение "
              "Новосибирской области");
    EXPECT_EQ(lines, cpLines({"Государственное", "автономное", "профессиональное",
                              "образовательное", "учреждение", "Новосибирской", "области"}))
        << shown(lines);
}

TEST(SplitTextToLines, OverLongWordStandsAloneAndTheNextLineBeginsWithASpace) {
    EXPECT_EQ(split(10, 2, "машиностроительный завод"), cpLines({"машиностроительный", " завод"}));
    // Longer than the working width 16 but not than W: rebalancing cannot help either.
    EXPECT_EQ(split(20, 5, "машиностроительный на"), cpLines({"машиностроительный", " на"}));
}

TEST(SplitTextToLines, Rebalancing) {
    const struct {
        int maxWidth;
        int lineCount;
        const char* text;
        std::initializer_list<const char*> lines;
    } rows[] = {
        // Cut at 24 into 6/24/2: two jumps, so re-cut at W - 3.
        {30, 4, "и и на машиностроительный на по по", {"и и на машиностроительный", "на по по"}},
        // Cut at 16 into 2/15/2: re-cut at 17 changes nothing, then the last two join.
        {20, 5, "по государственное на", {"по", "государственное на"}},
        // Cut at 14 into 8/12/2, all short: first words move up a line.
        {20, 5, "техникум технолог и в на", {"техникум технолог", "и в на"}},
        // The same with double spaces: the pulled word keeps a space before it.
        {20, 3, "училище  технолог  в  по", {"училище  технолог", " в  по"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(split(row.maxWidth, row.lineCount, row.text), cpLines(row.lines)) << row.text;
    }
}

TEST(SplitTextToLines, WorkingWidthWhereSixtySevenPercentIsExact) {
    // W = 100, L = 130: C = 130 / 2 + 2 = 67 = 0.67 × 100, which counts as too narrow,
    // so the text is cut at round(0.8 × 100) = 80.
    const std::string text =
        std::string(66, 'a') + ' ' + std::string(8, 'b') + ' ' + std::string(54, 'c');
    ASSERT_EQ(text.size(), 130u);
    Lines lines;
    SplitTextToLines(100, 2, 5, 4, text, lines);
    EXPECT_EQ(lines,
              (Lines{std::string(66, 'a') + ' ' + std::string(8, 'b'), std::string(54, 'c')}));
}

TEST(SplitTextToLines, DegenerateArgumentsDoNotHang) {
    Lines lines{"old"};
    SplitTextToLines(45, 2, 5, 4, "", lines);
    EXPECT_EQ(lines, Lines{""});
    SplitTextToLines(0, 2, 5, 4, "ab cd", lines);
    EXPECT_EQ(lines, (Lines{"ab", "", "cd"}));
    SplitTextToLines(3, 0, 5, 0, "ab cd ef", lines);
    EXPECT_EQ(lines, (Lines{"ab", "cd", "ef"}));
}

// Realistic texts: words of institution and qualification names.
class RandomTexts {
  public:
    explicit RandomTexts(unsigned seed) : rng_(seed) {
        const char* const utf8[] = {
            "государственное",
            "бюджетное",
            "автономное",
            "профессиональное",
            "образовательное",
            "учреждение",
            "колледж",
            "техникум",
            "училище",
            "областной",
            "Новосибирской",
            "области",
            "имени",
            "А.С.",
            "Пушкина",
            "и",
            "по",
            "в",
            "на",
            "специальности",
            "техник-механик",
            "бухгалтер",
            "электромонтажник",
            "машиностроительный",
            "«Политехнический»",
            "№",
            "17",
            "сельскохозяйственного",
            "производства",
            "(заочная",
            "форма)",
            "Ё-мобиль",
        };
        for (const char* word : utf8)
            words_.push_back(cp1251::fromUtf8(word).bytes);
    }

    std::string text(std::size_t minLength, std::size_t maxLength, bool doubleSpaces) {
        const std::size_t target =
            std::uniform_int_distribution<std::size_t>(minLength, maxLength)(rng_);
        std::string out;
        while (out.size() < target) {
            if (!out.empty())
                out += doubleSpaces && coin(rng_) == 0 ? "  " : " ";
            out += words_[std::uniform_int_distribution<std::size_t>(0, words_.size() - 1)(rng_)];
        }
        return out;
    }

    int between(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng_); }

  private:
    std::mt19937 rng_;
    std::uniform_int_distribution<int> coin{0, 4};
    std::vector<std::string> words_;
};

std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string word; in >> word;)
        out.push_back(word);
    return out;
}

std::vector<std::string> wordsOf(const Lines& lines) {
    std::vector<std::string> out;
    for (const auto& line : lines) {
        const auto words = wordsOf(line);
        out.insert(out.end(), words.begin(), words.end());
    }
    return out;
}

TEST(SplitTextToLinesProperties, KeepsEveryWordInOrderAndStaysWithinTheWidth) {
    RandomTexts gen(20261207);
    for (int i = 0; i < 4000; ++i) {
        const int maxWidth = i % 4 == 0 ? 45 : i % 4 == 1 ? 85 : gen.between(12, 120);
        const int lineCount = gen.between(2, 6);
        const std::string text = gen.text(40, 300, i % 5 == 0);
        Lines lines;
        SplitTextToLines(maxWidth, lineCount, 5, 4, text, lines);
        const std::string where = "W=" + std::to_string(maxWidth) +
                                  " N=" + std::to_string(lineCount) + " " + test::u8(text) +
                                  " -> " + shown(lines);
        ASSERT_FALSE(lines.empty()) << where;
        ASSERT_EQ(wordsOf(lines), wordsOf(text)) << where;
        for (const auto& line : lines) {
            if (static_cast<int>(line.size()) > maxWidth) {
                ASSERT_EQ(line.find(' '), std::string::npos) << where;
            }
        }
    }
}

TEST(SplitTextToLinesProperties, AFittingTextTakesNoMoreLinesThanAtFullWidth) {
    RandomTexts gen(7);
    for (int i = 0; i < 2000; ++i) {
        const int maxWidth = gen.between(30, 100);
        const std::string text = gen.text(20, 250, false);
        Lines atFullWidth;
        cutTextAtWidth(text, maxWidth, atFullWidth);
        Lines lines;
        SplitTextToLines(maxWidth, 6, 5, 4, text, lines);
        ASSERT_LE(lines.size(), std::max<std::size_t>(atFullWidth.size(), 1))
            << "W=" << maxWidth << " " << test::u8(text) << " -> " << shown(lines);
    }
}

}  // namespace
}  // namespace vellex

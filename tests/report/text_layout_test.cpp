#include <gtest/gtest.h>

#include "report/text_layout.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

// Every character is 10 units wide: a box of width 4 + 10·n holds n characters.
const FixedWidthMeasurer kTen(10);

TTextBox boxOf(int width, int height, std::vector<std::string> text, int adjustCode = 0) {
    TTextBox b;
    setBounds(b, 100, 200, width, height);
    b.text = std::move(text);
    b.adjust = adjustCode;
    return b;
}

std::vector<std::string> lineTexts(const BoxLayout& lay) {
    std::vector<std::string> out;
    for (const auto& l : lay.lines)
        out.push_back(l.text);
    return out;
}

struct WrapRow {
    const char* name;
    const char* text;
    int chars;  // inner width in characters
    std::vector<std::string> lines;
};

class Wrapping : public testing::TestWithParam<WrapRow> {};

TEST_P(Wrapping, BreaksWhereTheRulesSay) {
    const WrapRow& r = GetParam();
    const auto lay = layoutBox(boxOf(4 + 10 * r.chars, 1000, {r.text}), kTen);
    EXPECT_EQ(lineTexts(lay), r.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Wrapping,
    testing::Values(WrapRow{"fits", "abc def", 7, {"abc def"}},
                    WrapRow{"spaceDropped", "abc def", 5, {"abc", "def"}},
                    WrapRow{"lastSpaceThatFits", "ab cd ef gh", 6, {"ab cd", "ef gh"}},
                    WrapRow{"commaKept", "abc,def", 5, {"abc,", "def"}},
                    WrapRow{"hyphenKept", "ab-cdefg", 4, {"ab-", "cdef", "g"}},
                    WrapRow{"pointKept", "a.b.cdef", 4, {"a.b.", "cdef"}},
                    WrapRow{"laterBreakWins", "a b,cd ef", 5, {"a b,", "cd ef"}},
                    WrapRow{"longWordBrokenInside", "abcdefghij", 4, {"abcd", "efgh", "ij"}},
                    WrapRow{"longWordAfterShort", "ab cdefghij", 4, {"ab", "cdef", "ghij"}},
                    WrapRow{"onlyOneSpaceDropped", "abcd  ef", 4, {"abcd", " ef"}},
                    WrapRow{"narrowerThanOneChar", "abc", 0, {"a", "b", "c"}},
                    WrapRow{"emptyParagraph", "", 5, {""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Wrapping, ParagraphsStayApart) {
    const auto lay = layoutBox(boxOf(54, 1000, {"abc def", "", "x"}), kTen);
    EXPECT_EQ(lineTexts(lay), (std::vector<std::string>{"abc", "def", "", "x"}));
}

TEST(Wrapping, CyrillicBytesAreCharacters) {
    const std::string text = test::cp("Иванов Пётр");
    const auto lay = layoutBox(boxOf(4 + 60, 1000, {text}), kTen);
    EXPECT_EQ(lineTexts(lay), (std::vector<std::string>{test::cp("Иванов"), test::cp("Пётр")}));
}

struct PlaceRow {
    const char* name;
    int adjustCode;
    double along;   // where the 3-character line starts in the box frame
    double across;  // top of the first line
};

class Placement : public testing::TestWithParam<PlaceRow> {};

TEST_P(Placement, AlignsInTheBoxFrame) {
    const PlaceRow& r = GetParam();
    // 100 × 60 box, 10 pt (cell 13, pitch 15), one line of 30 units.
    const auto lay = layoutBox(boxOf(100, 60, {"abc"}, r.adjustCode), kTen);
    ASSERT_EQ(lay.lines.size(), 1u);
    EXPECT_DOUBLE_EQ(lay.lines[0].along, r.along);
    EXPECT_DOUBLE_EQ(lay.lines[0].across, r.across);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Placement,
    testing::Values(PlaceRow{"left", 0, 2, 1}, PlaceRow{"right", 1, 68, 1},
                    PlaceRow{"centred", 2, 35, 1}, PlaceRow{"justifiedOneLine", 3, 2, 1},
                    // Turned: along is the box height (60) from the bottom edge.
                    PlaceRow{"turnedFromBottom", 4, 2, 1}, PlaceRow{"turnedToTop", 5, 28, 1},
                    PlaceRow{"turnedCentred", 6, 15, 1},
                    // Vertical: block of one 13-unit cell in a 60-unit height.
                    PlaceRow{"middle", 8, 2, 23.5}, PlaceRow{"bottom", 16, 2, 46},
                    PlaceRow{"centredMiddle", 10, 35, 23.5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Placement, TurnedTextWrapsAlongTheHeight) {
    // 14 wide, 44 high: along the height 4 characters fit.
    const auto lay = layoutBox(boxOf(34, 44, {"abcd efgh"}, 4), kTen);
    EXPECT_TRUE(lay.turned);
    EXPECT_EQ(lay.alongSize, 44);
    EXPECT_EQ(lay.acrossSize, 34);
    EXPECT_EQ(lineTexts(lay), (std::vector<std::string>{"abcd", "efgh"}));
    // Lines stack from the left edge.
    EXPECT_EQ(lay.lines[1].across - lay.lines[0].across, 15);
}

TEST(Placement, LinePitchFollowsFontSizeAndSpacing) {
    auto box = boxOf(100, 200, {"a", "b", "c"});
    box.fontSize = 12;
    auto lay = layoutBox(box, kTen);
    EXPECT_EQ(lay.lines[2].across, 1 + 2 * 18);
    box.lineSpacing = 0;
    lay = layoutBox(box, kTen);
    EXPECT_EQ(lay.lines[2].across, 1 + 2 * 16);
}

TEST(Justify, WrappedLinesSpreadButNotTheLast) {
    // Inner width 60: "ab cd" (50) gets 10 more on its one space; "ef" stays.
    const auto lay = layoutBox(boxOf(64, 100, {"ab cd ef"}, 3), kTen);
    ASSERT_EQ(lineTexts(lay), (std::vector<std::string>{"ab cd", "ef"}));
    EXPECT_DOUBLE_EQ(lay.lines[0].spaceExtra, 10);
    EXPECT_DOUBLE_EQ(lay.lines[1].spaceExtra, 0);
}

struct OverflowRow {
    const char* name;
    int width, height;
    std::vector<std::string> text;
    bool bottom, right;
};

class Overflow : public testing::TestWithParam<OverflowRow> {};

TEST_P(Overflow, ToldWhenTextDoesNotFit) {
    const OverflowRow& r = GetParam();
    const auto lay = layoutBox(boxOf(r.width, r.height, r.text), kTen);
    EXPECT_EQ(lay.overflowBottom, r.bottom);
    EXPECT_EQ(lay.overflowRight, r.right);
    EXPECT_EQ(lay.overflow(), r.bottom || r.right);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, Overflow,
    testing::Values(OverflowRow{"fitsOneLine", 54, 18, {"abcde"}, false, false},
                    OverflowRow{"wrapsIntoTwoLinesInTallBox", 54, 40, {"abc def"}, false, false},
                    OverflowRow{"wrapsBelowTheBottom", 54, 18, {"abc def"}, true, false},
                    OverflowRow{"emptyLinesNeverOverflow", 54, 18, {"", "", ""}, false, false},
                    OverflowRow{"characterWiderThanBox", 8, 18, {"a"}, false, true},
                    OverflowRow{"zeroSizedBox", 0, 0, {"a"}, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Overflow, PageListsTheBoxesThatDoNotFit) {
    TReportPage page;
    for (const char* role : {"fits", "tooLong", "hidden"}) {
        TTextBox* b = addTextBox(page, role);
        setBounds(*b, 0, 0, 54, 18);
        addTextLine(*b, std::string(role) == "fits" ? "abc" : "abc def ghi");
    }
    findBox(page, "hidden")->visible = false;
    const auto over = overflowingBoxes(page, kTen);
    ASSERT_EQ(over.size(), 1u);
    EXPECT_EQ(over[0]->role, "tooLong");
}

TEST(Overflow, TextShiftedOffTheSheetIsListed) {
    TReportPage page;
    // A page-2 row pushed below the A4 sheet by its row pitch, a line shifted past the left
    // edge, a turned line ending above the top; a turned line that starts from the box's
    // bottom stays on the sheet, and an empty box off the sheet says nothing.
    struct Row {
        const char* role;
        int left, top, width, height, adjust;
        const char* text;
    };
    const Row rows[] = {
        {"onSheet", 100, 1000, 200, 18, 0, "abc"},
        {"belowSheet", 100, 1060, 200, 18, 0, "abc"},
        {"leftOfSheet", -30, 100, 200, 18, 0, "abc"},
        {"turnedAboveSheet", 100, -150, 18, 200, adjust::kTurned | adjust::kRight, "abc"},
        {"turnedEndsOnSheet", 100, -150, 18, 200, adjust::kTurned, "abc"},
        {"emptyBelowSheet", 100, 1100, 200, 18, 0, ""}};
    for (const Row& r : rows) {
        TTextBox* b = addTextBox(page, r.role);
        setBounds(*b, r.left, r.top, r.width, r.height);
        b->adjust = r.adjust;
        addTextLine(*b, r.text);
    }
    std::vector<std::string> listed;
    for (const TTextBox* b : overflowingBoxes(page, kTen))
        listed.push_back(b->role);
    EXPECT_EQ(listed, (std::vector<std::string>{"belowSheet", "leftOfSheet", "turnedAboveSheet"}));
}

TEST(FontOf, SizeOnPaperFollowsTheCell) {
    TTextBox box;
    box.fontSize = 10;
    box.fontStyle.bold = true;
    const FontSpec f = fontOf(box);
    // 13 units down = 13 / 91.626 inch.
    EXPECT_NEAR(f.points, 13 * 72.0 / 91.626, 1e-9);
    EXPECT_TRUE(f.bold);
    EXPECT_FALSE(f.italic);
    EXPECT_EQ(f.name, "Arial");
}

}  // namespace
}  // namespace vellex

namespace vellex {
namespace {

// Counts the characters it is asked to measure.
class CountingMeasurer final : public TextMeasurer {
  public:
    double width(std::string_view text, const FontSpec&, Axis) const override {
        measured += text.size();
        return 10.0 * static_cast<double>(text.size());
    }
    mutable std::size_t measured = 0;
};

TEST(Wrapping, LongTextInNarrowBoxIsNotMeasuredOverAndOver) {
    // 20 000 characters into lines of 3: measuring the rest of the text for every line
    // would take some 10^8 character measurements and hang the preview.
    const std::string text(20000, 'x');
    const CountingMeasurer m;
    const auto lay = layoutBox(boxOf(34, 1000, {text}, adjust::kVCenter), m);
    EXPECT_EQ(lay.lines.size(), 6667u);  // centred: every line counts for the placement
    EXPECT_LT(m.measured, 40 * text.size());
}

// A text far longer than its box (a damaged or pasted field) is laid out from the top only
// as far as the box can show: the same lines show, it still counts as not fitting, and
// the work no longer grows with the length of the text.
TEST(Wrapping, ATextFarLongerThanItsBoxStopsOnceTheBoxIsFull) {
    std::string words;
    while (words.size() < 2'000'000)
        words += "word" + std::to_string(words.size() % 97) + " ";
    const CountingMeasurer m;
    const BoxLayout lay = layoutBox(boxOf(4 + 10 * 30, 60, {words}), m);
    EXPECT_TRUE(lay.overflow());
    EXPECT_LT(m.measured, 100'000u);
    const std::vector<std::string> all = wrapParagraph(std::string_view(words).substr(0, 5000), 300,
                                                       FontSpec{}, Axis::Horizontal, kTen);
    ASSERT_GE(lay.lines.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i)
        EXPECT_EQ(lay.lines[i].text, all[i]);
}

}  // namespace
}  // namespace vellex

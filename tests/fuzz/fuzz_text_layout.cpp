// Laying a box's text out: wrapping every paragraph and placing the lines, for any box
// numbers, alignment, font size and text. The first bytes are the box; the rest is its
// text, one paragraph per LF.
#include <cmath>
#include <set>
#include <string>

#include "report/report.h"
#include "report/text_layout.h"
#include "tests/fuzz/fuzz_input.h"

using namespace vellex;
using vellex::fuzz::require;

namespace {

// Characters of different widths, as a real font has, so that a break that only works
// for fixed widths shows.
class ProportionalMeasurer final : public TextMeasurer {
  public:
    explicit ProportionalMeasurer(double unit) : unit_(unit) {}
    double width(std::string_view text, const FontSpec&, Axis) const override {
        double w = 0;
        for (const char c : text)
            w += unit_ * (1 + static_cast<unsigned char>(c) % 5);
        return w;
    }

  private:
    double unit_;
};

// The lines are the paragraph, cut at breaks: each line continues the text where the last
// one ended, or one space later (the space dropped at a break).
void checkWrap(std::string_view para, const std::vector<std::string>& lines, double inner,
               const FontSpec& font, const TextMeasurer& m) {
    require(!lines.empty(), "a paragraph gives at least one line");
    std::set<std::size_t> at = {0};
    for (const std::string& line : lines) {
        require(!line.empty() || para.empty(), "only an empty paragraph gives an empty line");
        require(m.width(line, font, Axis::Horizontal) <= inner || line.size() <= 1,
                "a line fits the box unless it is one character or none");
        std::set<std::size_t> next;
        for (const std::size_t pos : at) {
            if (para.substr(pos, line.size()) == line)
                next.insert(pos + line.size());
            if (pos < para.size() && para[pos] == ' ' && para.substr(pos + 1, line.size()) == line)
                next.insert(pos + 1 + line.size());
        }
        require(!next.empty(), "a line continues the paragraph");
        at = std::move(next);
    }
    // A break at the paragraph's last space drops that space too.
    const bool ends = at.count(para.size()) == 1 ||
                      (!para.empty() && para.back() == ' ' && at.count(para.size() - 1) == 1);
    require(ends, "the lines end where the paragraph ends");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    TTextBox box;
    box.left = in.anyInt();
    box.top = in.anyInt();
    // Mostly sizes a blank has, sometimes anything at all.
    const std::uint8_t sizing = in.byte();
    box.width = sizing & 1 ? in.anyInt() : in.intIn(0, 800);
    box.height = sizing & 2 ? in.anyInt() : in.intIn(0, 400);
    // Font sizes come from the settings file as typed; a size near the int limit overflows
    // the line pitch in int arithmetic, so it is kept out until the layout guards it.
    box.fontSize = sizing & 4 ? in.intIn(-100000, 100000) : in.intIn(1, 40);
    box.adjust = in.anyInt();
    box.flags = static_cast<std::uint16_t>(in.byte());
    const double unit = 0.25 + in.byte() % 16;
    std::string_view text = in.rest();
    while (!text.empty()) {
        const std::size_t lf = std::min(text.find('\n'), text.size());
        box.text.emplace_back(text.substr(0, lf));
        text.remove_prefix(std::min(lf + 1, text.size()));
    }

    const ProportionalMeasurer measurer(unit);
    const BoxLayout lay = layoutBox(box, measurer);
    const FontSpec font = fontOf(box);
    const double inner = lay.alongSize - 2 * units::kInsetX;
    std::size_t expectedLines = 0;
    for (const std::string& para : box.text) {
        const auto lines = wrapParagraph(para, inner, font, Axis::Horizontal, measurer);
        checkWrap(para, lines, inner, font, measurer);
        expectedLines += (box.flags & 2) != 0 ? lines.size() : 1;
    }
    // Every line is laid, except that a box filled from the top stops once it has more
    // lines than it can show (the rest could never be seen and only cost time).
    require(lay.lines.size() <= expectedLines, "no line is laid twice");
    if (lay.lines.size() < expectedLines)
        require(lay.overflowBottom && (box.adjust & adjust::kVerticalMask) == 0,
                "only a full box from the top stops early, and says it does not fit");
    for (const LaidLine& line : lay.lines) {
        require(std::isfinite(line.along) && std::isfinite(line.across) &&
                    std::isfinite(line.width) && std::isfinite(line.spaceExtra),
                "a line lands at a real place");
        require(line.spaceExtra >= 0, "justifying never draws words together");
    }
    return 0;
}

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/report.h"

// Where the lines of a box go: wrapping, alignment, turned text and clipping, worked
// out in page units so the same rules serve the PDF, the printer and the tests.
//
// Everything is computed in the box's own frame: "along" is the reading direction,
// "across" the direction in which lines stack. For ordinary text along = x and across
// = y from the box's top-left corner. For turned text (adjust bit 4) the frame's
// origin is the box's bottom-left corner, along runs upwards and across to the right.
namespace vellex {

// The font a box is drawn with. `points` is the size on paper: the character cell of a
// box's font is a whole number of units, and those units are what the page scales.
struct FontSpec {
    std::string name = "Arial";
    double points = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};
FontSpec fontOf(const TTextBox& box);

enum class Axis { Horizontal, Vertical };

// Measures the advance of a CP1251 text. The renderer measures with the real font on
// the device it draws on; tests use a fixed width per character.
class TextMeasurer {
  public:
    virtual ~TextMeasurer() = default;
    // The advance of `text`, in page units along `axis` (units differ across and down).
    virtual double width(std::string_view text, const FontSpec& font, Axis axis) const = 0;
};

struct LaidLine {
    std::string text;       // CP1251, as drawn (the dropped space at a break is gone)
    double along = 0;       // start of the text in the box frame
    double across = 0;      // top of the line's cell in the box frame
    double width = 0;       // measured advance
    double spaceExtra = 0;  // justified lines: added to every space
};

struct BoxLayout {
    bool turned = false;
    double alongSize = 0;   // box length along the text (width, or height when turned)
    double acrossSize = 0;  // box length across the lines
    int cellHeight = 0;     // units
    std::vector<LaidLine> lines;
    bool overflowBottom = false;  // a line reaches beyond the box's far edge
    bool overflowRight = false;   // a line is wider than the inner width and is cut
    bool overflow() const { return overflowBottom || overflowRight; }
};

// Lays the box's text out. The box's own numbers are used as they are (negative sizes
// give an empty layout with every non-empty line overflowing).
BoxLayout layoutBox(const TTextBox& box, const TextMeasurer& measurer);

// The visible boxes of the page whose text does not fit (see BoxLayout::overflow) or
// whose printed text reaches beyond the sheet, in drawing order; callers name them by their
// role in a warning.
std::vector<const TTextBox*> overflowingBoxes(const TReportPage& page,
                                              const TextMeasurer& measurer);

// Splits one paragraph into lines that fit `innerWidth`: at the last space, comma,
// hyphen or point that fits (the space dropped, the others kept), or inside a word
// that alone is too wide. Always at least one line; every line has at least one
// character unless the paragraph is empty. Stops after `maxLines` lines (the rest of the
// paragraph is then not laid out at all).
std::vector<std::string> wrapParagraph(std::string_view text, double innerWidth,
                                       const FontSpec& font, Axis axis,
                                       const TextMeasurer& measurer,
                                       std::size_t maxLines = std::size_t(-1));

// A measurer that gives every character the same advance (tests, benchmarks).
class FixedWidthMeasurer final : public TextMeasurer {
  public:
    explicit FixedWidthMeasurer(double perChar) : perChar_(perChar) {}
    double width(std::string_view text, const FontSpec&, Axis) const override {
        return perChar_ * static_cast<double>(text.size());
    }

  private:
    double perChar_;
};

}  // namespace vellex

#include "report/text_layout.h"

#include <algorithm>

namespace vellex {

namespace {

bool keptBreak(char c) {
    return c == ',' || c == '-' || c == '.';
}

// The longest prefix of `text` whose advance fits (0 when not even one character does).
// Galloping first keeps a long text in a narrow box from being measured whole per line.
std::size_t longestFit(std::string_view text, double limit, const FontSpec& font, Axis axis,
                       const TextMeasurer& m) {
    auto fits = [&](std::size_t n) { return m.width(text.substr(0, n), font, axis) <= limit; };
    std::size_t lo = 0, step = 8;
    while (lo < text.size()) {
        const std::size_t probe = std::min(text.size(), lo + step);
        if (!fits(probe))
            break;
        lo = probe;
        step *= 2;
    }
    if (lo == text.size())
        return lo;
    std::size_t hi = std::min(text.size(), lo + step) - 1;  // the probe that failed, minus one
    while (lo < hi) {
        const std::size_t mid = (lo + hi + 1) / 2;
        if (fits(mid))
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

}  // namespace

FontSpec fontOf(const TTextBox& box) {
    FontSpec f;
    f.name = box.fontName;
    f.points = units::fontCellHeight(box.fontSize) * 72.0 / units::kPerInchY;
    f.bold = box.fontStyle.bold;
    f.italic = box.fontStyle.italic;
    f.underline = box.fontStyle.underline;
    f.strikeOut = box.fontStyle.strikeOut;
    return f;
}

std::vector<std::string> wrapParagraph(std::string_view text, double innerWidth,
                                       const FontSpec& font, Axis axis,
                                       const TextMeasurer& measurer, std::size_t maxLines) {
    std::vector<std::string> out;
    std::string_view rest = text;
    while (out.size() < std::max<std::size_t>(maxLines, 1)) {
        const std::size_t fit = longestFit(rest, innerWidth, font, axis, measurer);
        if (fit == rest.size()) {
            out.emplace_back(rest);
            return out;
        }
        // Last break that still fits: text before a space, or through a kept mark.
        std::size_t cut = 0, next = 0;
        for (std::size_t p = std::min(fit, rest.size() - 1) + 1; p-- > 0;) {
            if (rest[p] == ' ' && p > 0 && p <= fit) {
                cut = p;
                next = p + 1;
                break;
            }
            if (keptBreak(rest[p]) && p + 1 <= fit && p + 1 < rest.size()) {
                cut = next = p + 1;
                break;
            }
        }
        if (cut == 0)  // one word wider than the box: break inside it
            cut = next = std::max<std::size_t>(fit, 1);
        out.emplace_back(rest.substr(0, cut));
        rest.remove_prefix(next);
        if (rest.empty())
            return out;
    }
    return out;
}

BoxLayout layoutBox(const TTextBox& box, const TextMeasurer& measurer) {
    BoxLayout lay;
    lay.turned = (box.adjust & adjust::kTurned) != 0;
    lay.alongSize = lay.turned ? box.height : box.width;
    lay.acrossSize = lay.turned ? box.width : box.height;
    lay.cellHeight = units::fontCellHeight(box.fontSize);
    const Axis axis = lay.turned ? Axis::Vertical : Axis::Horizontal;
    const FontSpec font = fontOf(box);
    const double inner = lay.alongSize - 2 * units::kInsetX;
    const bool wrap = (box.flags & 2) != 0;
    const int horizontal = box.adjust & adjust::kHorizontalMask;

    // In double: sizes and spacings come unchecked from the settings file, and their int sum
    // could overflow.
    const double pitch = static_cast<double>(lay.cellHeight) + box.lineSpacing;
    // Lines from the top down: past the ones the box can show, one more marks the overflow
    // and the rest would only cost time (a pasted or damaged field can run to megabytes).
    // Centred and bottom lines move with their count, so they are all laid out.
    constexpr std::size_t kAll = std::size_t(-1);
    std::size_t room = kAll;
    if ((box.adjust & adjust::kVerticalMask) == 0 && pitch > 0 && lay.acrossSize >= 0)
        room =
            static_cast<std::size_t>(std::max(0.0, (lay.acrossSize - units::kInsetTop) / pitch)) +
            2;

    struct Piece {
        std::string text;
        bool lastOfParagraph;
    };
    std::vector<Piece> pieces;
    bool textLeftOut = false;
    for (const std::string& para : box.text) {
        const std::size_t left = pieces.size() < room ? room - pieces.size() : 0;
        if (left == 0 && !para.empty()) {
            textLeftOut = true;
            continue;
        }
        std::vector<std::string> lines;
        if (wrap) {
            // One line more than there is room for tells whether text is left out.
            lines =
                wrapParagraph(para, inner, font, axis, measurer, left == kAll ? kAll : left + 1);
            if (lines.size() > left) {
                lines.resize(left);
                textLeftOut = true;
            }
        } else {
            lines.push_back(para);
        }
        for (std::size_t i = 0; i < lines.size(); ++i)
            pieces.push_back({std::move(lines[i]), i + 1 == lines.size()});
    }

    const double block =
        pieces.empty() ? 0.0 : static_cast<double>(pieces.size()) * pitch - box.lineSpacing;
    double across = units::kInsetTop;
    if ((box.adjust & adjust::kVerticalMask) == adjust::kVCenter)
        across = (lay.acrossSize - block) / 2;
    else if ((box.adjust & adjust::kVerticalMask) == adjust::kVBottom)
        across = lay.acrossSize - units::kInsetTop - block;

    for (Piece& piece : pieces) {
        LaidLine line;
        line.width = measurer.width(piece.text, font, axis);
        line.across = across;
        switch (horizontal) {
            case adjust::kRight:
                line.along = lay.alongSize - units::kInsetX - line.width;
                break;
            case adjust::kCenter:
                line.along = (lay.alongSize - line.width) / 2;
                break;
            default:
                line.along = units::kInsetX;
                break;
        }
        if (horizontal == adjust::kJustify && !piece.lastOfParagraph) {
            const auto spaces = std::count(piece.text.begin(), piece.text.end(), ' ');
            if (spaces > 0 && line.width < inner)
                line.spaceExtra = (inner - line.width) / static_cast<double>(spaces);
        }
        if (!piece.text.empty()) {
            if (line.across + lay.cellHeight > lay.acrossSize || line.across < 0)
                lay.overflowBottom = true;
            if (line.width > inner + 1e-9)
                lay.overflowRight = true;
        }
        line.text = std::move(piece.text);
        lay.lines.push_back(std::move(line));
        across += pitch;
    }
    if (textLeftOut)
        lay.overflowBottom = true;
    return lay;
}

namespace {

// Whether some printed part of a line lies beyond the sheet itself: a shift pushed it off
// the paper, so it would not be printed at all.
bool beyondSheet(const TTextBox& box, const BoxLayout& lay, const TReportPage& page) {
    const double boxRight = static_cast<double>(box.left) + box.width;
    const double boxBottom = static_cast<double>(box.top) + box.height;
    for (const LaidLine& line : lay.lines) {
        if (line.text.empty() || line.width <= 0)
            continue;
        double x0, x1, y0, y1;
        if (lay.turned) {
            x0 = box.left + line.across;
            x1 = x0 + lay.cellHeight;
            y1 = boxBottom - line.along;
            y0 = y1 - line.width;
        } else {
            x0 = box.left + line.along;
            x1 = x0 + line.width;
            y0 = box.top + line.across;
            y1 = y0 + lay.cellHeight;
        }
        // What the box clips away is not printed either way (and is reported as not fitting).
        x0 = std::max(x0, static_cast<double>(box.left));
        y0 = std::max(y0, static_cast<double>(box.top));
        x1 = std::min(x1, boxRight);
        y1 = std::min(y1, boxBottom);
        if (x1 <= x0 || y1 <= y0)
            continue;
        if (x0 < 0 || y0 < 0 || x1 > page.width || y1 > page.height)
            return true;
    }
    return false;
}

}  // namespace

std::vector<const TTextBox*> overflowingBoxes(const TReportPage& page,
                                              const TextMeasurer& measurer) {
    std::vector<const TTextBox*> out;
    for (const auto& box : page.objects) {
        if (!box->visible)
            continue;
        const BoxLayout lay = layoutBox(*box, measurer);
        if (lay.overflow() || beyondSheet(*box, lay, page))
            out.push_back(box.get());
    }
    return out;
}

}  // namespace vellex

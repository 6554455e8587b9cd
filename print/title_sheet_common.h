#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/document.h"
#include "report/report.h"

// What the two title sheets — the diploma and the qualification certificate — share. Both
// are laid out from fixed tables per blank and edition: block shifts are folded into a box's
// place when it is made, the content stage then sets styles, adds one shift for the whole
// sheet, applies block font sizes with the small-font correction and puts one line of text
// into every box.
namespace vellex {

// Bits of Shifted::shifts: which of the sheet's block shifts a coordinate follows.
inline constexpr std::uint8_t kM1 = 1;
inline constexpr std::uint8_t kM2 = 2;
inline constexpr std::uint8_t kM3 = 4;
inline constexpr std::uint8_t kM4 = 8;
inline constexpr std::uint8_t kM5 = 16;

// A coordinate of a layout table: a fixed number plus the block shifts named by `shifts`
// (bit i adds blockShifts[i]). It is evaluated once, when its box is placed.
struct Shifted {
    int base = 0;
    std::uint8_t shifts = 0;
    int value(std::span<const int> blockShifts) const;
};

// Where a box goes and how its text is aligned, before the sheet shift.
struct BoxPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int adjust = 0;
};

// The role the duplicate mark carries on the page.
inline constexpr std::string_view kDuplicateRole = "duplicate";

// The boxes one placement stage made, in page order; the content stage works on these
// and on nothing else of the page.
struct PlacedBoxes {
    TTextBox* duplicate = nullptr;
    std::vector<std::pair<Field, TTextBox*>> boxes;

    // The box printing `source`, or nullptr when this layout has none.
    TTextBox* find(Field source) const;
};

// The blank edition a layout follows. Editions come from "VellexVersion", which is used as
// read; a value outside 0–2 (only a hand-edited settings file holds one) prints as
// edition 0.
int layoutEdition(int vellexVersion);

// Clears the report, adds its one page and returns it.
TReportPage& startSheet(TReport& report);

// Creates a box named after `source`, places it and adds it to the page.
TTextBox* placeBox(TReportPage& page, Field source, const BoxPlace& place);

// Moves a box already on the page to another place and alignment.
void moveBox(TTextBox& box, const BoxPlace& place);

// The "Дубликат" mark: 10 points, bold and italic, added to the page at `place`.
TTextBox* placeDuplicateMark(TReportPage& page, const BoxPlace& place);

void setBold(TTextBox& box, bool on);
void setItalic(TTextBox& box, bool on);

// The sheet-wide shift, added to every box.
void shiftBox(TTextBox& box, int dx, int dy);

// A block font size from the settings. 0 keeps the box as it is. With `fontYcorr` a size
// below 10 points also lowers the box's top edge by the difference and shortens it by as
// much, so the text stays on the blank's line; `keepTop` boxes only get shorter.
void applyBlockFontSize(TTextBox& box, int points, bool fontYcorr, bool keepTop = false);

// The box's text becomes exactly one line, `text` as entered (an empty field gives one
// empty line).
void setOneLine(TTextBox& box, const std::string& text);

}  // namespace vellex

#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "report/page_units.h"

// The page model every sheet layout writes into: one A4 portrait page of positioned
// text boxes. Plain data and free functions, no Qt; the renderer (page_renderer.h) draws
// it, the JSON dump (report_json.h) shows it. Texts are CP1251 bytes.
namespace vellex {

// Alignment code bits of TTextBox::adjust.
namespace adjust {
inline constexpr std::int32_t kLeft = 0;
inline constexpr std::int32_t kRight = 1;
inline constexpr std::int32_t kCenter = 2;
inline constexpr std::int32_t kJustify = 3;
inline constexpr std::int32_t kHorizontalMask = 3;
// Turned 90° counter-clockwise: reads bottom to top, lines stack from the left edge;
// the horizontal bits then align along the box height (4 bottom, 5 top, 6 centred).
inline constexpr std::int32_t kTurned = 4;
inline constexpr std::int32_t kVCenter = 8;
inline constexpr std::int32_t kVBottom = 16;
inline constexpr std::int32_t kVerticalMask = 24;
}  // namespace adjust

struct FontStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    friend bool operator==(const FontStyle&, const FontStyle&) = default;
};

// Colours as 0xRRGGBB.
using Rgb = std::uint32_t;

enum class Coordinate : std::uint8_t { Left, Top, Width, Height };

// One entry of a blank. The defaults are those of a new box.
struct TTextBox {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::string> text;  // one entry per line, CP1251
    std::string fontName = "Arial";
    int fontSize = 10;  // points
    FontStyle fontStyle;
    Rgb fontColor = 0x000000;
    std::uint8_t charset = 204;  // Cyrillic
    std::int32_t adjust = adjust::kLeft;
    std::uint16_t flags = 3;  // stretched + word wrap
    std::uint32_t frameTyp = 0;
    double frameWidth = 1.0;
    Rgb frameColor = 0x000000;
    std::optional<Rgb> fillColor;  // none: transparent
    int lineSpacing = units::kLineSpacing;
    int charSpacing = 0;
    bool visible = true;
    // Which entry this is (usually the component name of the field it prints, for
    // example "edSurName"); names the box in the JSON dump and in warnings.
    std::string role;
};

struct TReportPage {
    int paperCode = units::kPaperA4;
    bool portrait = true;
    int width = units::kA4Width;
    int height = units::kA4Height;
    // Drawing order is the order of addition. Boxes live on the heap so that the
    // references a sheet keeps stay valid while more boxes are added.
    std::vector<std::unique_ptr<TTextBox>> objects;
};

struct TReport {
    std::vector<std::unique_ptr<TReportPage>> pages;
};

// --- Operations, in the order the sheet layouts use them ---

// Frees every page and every box on it; references to them become invalid.
void clearPages(TReport& report);
// Appends a new empty A4 portrait page and returns it.
TReportPage& addPage(TReport& report);
// The page at `index`; throws std::out_of_range when there is none.
TReportPage& pageByIndex(TReport& report, std::size_t index);
const TReportPage& pageByIndex(const TReport& report, std::size_t index);

// A new box with the defaults, not yet on a page.
std::unique_ptr<TTextBox> createTextBox(std::string role = {});
// Moves the box onto the page (drawn after the boxes already there); returns it.
TTextBox* addToPage(TReportPage& page, std::unique_ptr<TTextBox> box);
// create + addToPage in one step, for layouts that place a box before sizing it.
TTextBox* addTextBox(TReportPage& page, std::string role = {});

void setBounds(TTextBox& box, std::int32_t left, std::int32_t top, std::int32_t width,
               std::int32_t height);
void setCoordinate(TTextBox& box, Coordinate which, std::int32_t value);
std::int32_t coordinate(const TTextBox& box, Coordinate which);
void setAdjust(TTextBox& box, std::int32_t code);
void setFontSize(TTextBox& box, int points);
inline FontStyle fontStyle(const TTextBox& box) {
    return box.fontStyle;
}
void setFontStyle(TTextBox& box, FontStyle style);

// Replaces the lines with `text` split at CR LF, LF or CR; a line break at the very end
// does not start another line, so "" gives no lines.
void setText(TTextBox& box, std::string_view text);
void addTextLine(TTextBox& box, std::string line);
void clearText(TTextBox& box);

// The first box with this role on the page, or nullptr.
TTextBox* findBox(TReportPage& page, std::string_view role);
const TTextBox* findBox(const TReportPage& page, std::string_view role);

}  // namespace vellex

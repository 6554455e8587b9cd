#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "report/report.h"

// What the six supplement sheets (SPO and NPO first pages, pages 2 and 3, the academic
// certificate and the certificate supplement) share: the page start with the duplicate
// mark, the references one sheet keeps between its placement and content stages, layout
// rows whose positions chain on earlier boxes, font sizes from the settings with the
// small-font correction, the sheet shifts and the texts.
namespace vellex {

class Document;
struct Settings;

// Sheet codes as a print command records them.
namespace sheet_code {
inline constexpr int kSupplementSpo = 1;
inline constexpr int kPage2 = 2;
inline constexpr int kAcademic = 4;
inline constexpr int kSupplementNpo = 5;
inline constexpr int kCertificateSupplement = 7;
inline constexpr int kPage3 = 8;
}  // namespace sheet_code

// The blank edition a sheet is laid out for. Only 0, 1 and 2 have layouts; a stored
// "VellexVersion" outside that range prints as the oldest edition, 0, so that the content
// stage only ever meets boxes its own placement made.
int supplementEdition(const Settings& s);

// Which shift a box takes in the content stage: the sheet's own, or the sheet's plus
// the one of its right-hand group (DeltaXRightApp / DeltaYRightApp and the like).
enum class ShiftGroup : std::uint8_t { Sheet, Right };

// The references of one supplement sheet: every box by role, in placement order, with
// its shift group. The duplicate mark is kept apart, since some sheets leave it unshifted.
class SheetBoxes final {
  public:
    struct Entry {
        TTextBox* box;
        ShiftGroup group;
    };

    explicit SheetBoxes(TReportPage& page) : page_(&page) {}

    TReportPage& page() const { return *page_; }

    // Creates the box, sets its bounds and adds it to the page. A role placed twice is a
    // fault of the layout tables and throws std::logic_error.
    TTextBox& place(std::string role, int left, int top, int width, int height,
                    ShiftGroup group = ShiftGroup::Sheet);

    TTextBox* find(std::string_view role) const;
    // The box of `role`; a role the placement did not make throws std::logic_error.
    TTextBox& at(std::string_view role) const;
    // The box placed last (the "previous box" of the layout tables).
    TTextBox& last() const;
    // The boxes `prefix`+first … `prefix`+last, e.g. lines("edSchool", 1, 6).
    std::vector<TTextBox*> lines(std::string_view prefix, int first, int last) const;

    const std::vector<Entry>& entries() const { return entries_; }

    TTextBox* duplicateMark() const { return mark_; }
    void setDuplicateMark(TTextBox* mark) { mark_ = mark; }

  private:
    TReportPage* page_;
    std::vector<Entry> entries_;
    std::map<std::string, TTextBox*, std::less<>> byRole_;
    TTextBox* mark_ = nullptr;
};

// --- Stage one: the page and the duplicate mark ---

// "Дубликат" is ticked (cbCopySign and cbCopySignDbl are kept in step; either counts).
bool duplicateFlag(const Document& doc);

// Clears the pages, adds the one A4 page and, when the duplicate flag is set and the sheet
// is not page 2, makes the duplicate mark the first box of the page: (500, 10), 220 × 18,
// 10 pt, bold and italic, "Дубликат".
SheetBoxes beginSupplementSheet(TReport& report, const Document& doc, int sheetCode);

// --- Layout rows ---

// What a position formula sees: the settings, the boxes placed so far (the box being
// placed is not among them yet) and, for a row of a line group, the line number.
struct PlaceContext {
    const Settings& s;
    const SheetBoxes& boxes;
    int line = 0;
    const TTextBox& prev() const { return boxes.last(); }
};
using Formula = std::function<int(const PlaceContext&)>;
using SettingKey = int Settings::*;

// One row of a layout table. A row with `lines` > 0 places the line group
// role+first … role+(first+lines-1), each line seeing its number in PlaceContext::line.
struct BoxRow {
    std::string role;
    Formula left{};
    Formula top{};
    Formula width{};
    int height = 18;
    int size = 10;     // font size set at placement
    Formula adjust{};  // the final alignment code; empty: left (0)
    ShiftGroup group = ShiftGroup::Sheet;
    int lines = 0;
    int firstLine = 1;
};

// --- Blanks and editions as data ---

// The blank one layout is drawn for: its edition and the sheet's own variant bits, which
// each sheet reads from the document (six school lines, three qualification lines, the SPO
// blank…). Which rows a page gets is looked up by this key, so a new blank is new rows,
// never a new code path.
struct LayoutKey {
    int edition = 0;
    std::uint32_t variant = 0;
};

// Edition bits of When::editions.
inline constexpr std::uint8_t kEd0 = 1;
inline constexpr std::uint8_t kEd1 = 2;
inline constexpr std::uint8_t kEd2 = 4;
inline constexpr std::uint8_t kOlderEditions = kEd0 | kEd1;
inline constexpr std::uint8_t kAnyEdition = kEd0 | kEd1 | kEd2;

// Which blanks a group of rows belongs to: one of `editions`, with every bit of `with` and
// no bit of `without` set in the variant.
struct When {
    std::uint8_t editions = kAnyEdition;
    std::uint32_t with = 0;
    std::uint32_t without = 0;
    bool matches(const LayoutKey& key) const;
};

// Rows that appear together on the blanks `when` names. A layout lists its groups in page
// order; rows of one role in two groups are that box on two different blanks.
struct RowGroup {
    When when;
    std::vector<BoxRow> rows;
};
using Layout = std::vector<RowGroup>;

// The rows of `layout` that the blank `key` has, in page order.
std::vector<BoxRow> selectRows(const Layout& layout, const LayoutKey& key);

// Places the rows in order. Each formula is evaluated once, as its box is placed, so a box
// moved later does not take the boxes chained on it along.
void placeRows(SheetBoxes& boxes, const Settings& s, std::span<const BoxRow> rows);
// Writes each row's final alignment code (content stage).
void applyRowAdjust(const SheetBoxes& boxes, const Settings& s, std::span<const BoxRow> rows);

// Formula helpers, named after the words of the layout tables.
Formula fixed(int value);
// The value of an "Adjust…" or other integer setting.
Formula setting(SettingKey key);
// prev.Top + offset + the settings.
Formula prevTop(int offset = 0, std::initializer_list<SettingKey> keys = {});
// prev.Left + prev.Width + gap.
Formula afterPrev(int gap);
// <role>.Top + offset + the settings.
Formula topOf(std::string role, int offset = 0, std::initializer_list<SettingKey> keys = {});
// A width that ends the box at `right`: right − (prev.Left + prev.Width).
Formula widthTo(int right);
// A fixed value plus the settings.
Formula fixedPlus(int base, std::initializer_list<SettingKey> keys);

// --- Stage two: sizes, shifts, texts ---

// The small-font correction: (10 − size) when FontYcorr is on and the size is below 10,
// else 0.
int smallFontCorrection(const Settings& s, int size);

// SmallFontShorten keeps the box's top edge (title-sheet lines whose text hangs from it).
enum class Correction : std::uint8_t { None, SmallFont, SmallFontShorten };

// A font-size setting applied to boxes: nothing when `size` is 0; otherwise the size, and
// with Correction::SmallFont the box moves down and shrinks by smallFontCorrection
// (SmallFontShorten: only shrinks).
void applyFontSize(std::span<TTextBox* const> boxes, int size, const Settings& s,
                   Correction correction);
void applyFontSize(TTextBox& box, int size, const Settings& s, Correction correction);

// A font-size setting and the boxes it reaches on the blanks `when` names.
struct SizeRule {
    When when;
    SettingKey size;
    std::vector<std::string> roles;
    Correction correction;
};

// The roles prefix+first … prefix+last of a line group.
std::vector<std::string> lineRoles(const std::string& prefix, int first, int last);

// Applies every rule of the blank `key`, in order.
void applySizeRules(const SheetBoxes& boxes, const Settings& s, std::span<const SizeRule> rules,
                    const LayoutKey& key);

// Whether the duplicate mark moves with the sheet (first pages) or stays put (page 3).
enum class MarkShift : std::uint8_t { WithSheet, Fixed };

// Adds (dx, dy) to every box of the sheet; boxes of the right-hand group get
// (dx + rightDx, dy + rightDy) instead.
void shiftSheet(const SheetBoxes& boxes, int dx, int dy, int rightDx, int rightDy, MarkShift mark);

// The field's text as the box's content, unchanged; an empty field gives one empty line.
void putText(TTextBox& box, std::string_view text);

}  // namespace vellex

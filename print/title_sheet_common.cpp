#include "print/title_sheet_common.h"

namespace vellex {

namespace {

constexpr int kDefaultFontSize = 10;
// "Дубликат" in CP1251.
constexpr std::string_view kDuplicateText = "\xC4\xF3\xE1\xEB\xE8\xEA\xE0\xF2";

}  // namespace

int Shifted::value(std::span<const int> blockShifts) const {
    int v = base;
    for (std::size_t i = 0; i < blockShifts.size(); ++i)
        if (shifts & (1u << i))
            v += blockShifts[i];
    return v;
}

TTextBox* PlacedBoxes::find(Field source) const {
    for (const auto& [field, box] : boxes)
        if (field == source)
            return box;
    return nullptr;
}

int layoutEdition(int vellexVersion) {
    return vellexVersion >= 0 && vellexVersion <= 2 ? vellexVersion : 0;
}

TReportPage& startSheet(TReport& report) {
    clearPages(report);
    addPage(report);
    return pageByIndex(report, 0);
}

TTextBox* placeBox(TReportPage& page, Field source, const BoxPlace& place) {
    auto box = createTextBox(std::string(fieldName(source)));
    moveBox(*box, place);
    return addToPage(page, std::move(box));
}

void moveBox(TTextBox& box, const BoxPlace& place) {
    setBounds(box, place.left, place.top, place.width, place.height);
    setAdjust(box, place.adjust);
}

TTextBox* placeDuplicateMark(TReportPage& page, const BoxPlace& place) {
    auto box = createTextBox(std::string(kDuplicateRole));
    moveBox(*box, place);
    setText(*box, kDuplicateText);
    setFontSize(*box, kDefaultFontSize);
    FontStyle style = fontStyle(*box);
    style.bold = true;
    style.italic = true;
    setFontStyle(*box, style);
    return addToPage(page, std::move(box));
}

void setBold(TTextBox& box, bool on) {
    FontStyle style = fontStyle(box);
    style.bold = on;
    setFontStyle(box, style);
}

void setItalic(TTextBox& box, bool on) {
    FontStyle style = fontStyle(box);
    style.italic = on;
    setFontStyle(box, style);
}

void shiftBox(TTextBox& box, int dx, int dy) {
    if (dy != 0)
        setCoordinate(box, Coordinate::Top, box.top + dy);
    if (dx != 0)
        setCoordinate(box, Coordinate::Left, box.left + dx);
}

void applyBlockFontSize(TTextBox& box, int points, bool fontYcorr, bool keepTop) {
    if (points == 0)
        return;
    setFontSize(box, points);
    if (fontYcorr && points < kDefaultFontSize) {
        const int d = kDefaultFontSize - points;
        if (!keepTop)
            setCoordinate(box, Coordinate::Top, box.top + d);
        setCoordinate(box, Coordinate::Height, box.height - d);
    }
}

void setOneLine(TTextBox& box, const std::string& text) {
    clearText(box);
    addTextLine(box, text);
}

}  // namespace vellex

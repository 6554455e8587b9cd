#include "print/title_sheet_common.h"

#include <string_view>
#include <utility>

namespace vellex {

namespace {

constexpr int kDefaultFontSize = 10;
constexpr int kLine = 18;
// "Дубликат" in CP1251.
constexpr std::string_view kDuplicateText = "\xC4\xF3\xE1\xEB\xE8\xEA\xE0\xF2";

}  // namespace

int layoutEdition(int vellexVersion) {
    return vellexVersion >= 0 && vellexVersion <= 2 ? vellexVersion : 0;
}

SheetBoxes beginTitleSheet(TReport& report, bool duplicate, const MarkPlace& mark) {
    clearPages(report);
    addPage(report);
    SheetBoxes boxes(pageByIndex(report, 0));
    if (duplicate) {
        TTextBox* box = addToPage(boxes.page(), createTextBox("duplicate"));
        setBounds(*box, mark.left, mark.top, mark.width, mark.height);
        setAdjust(*box, mark.adjust);
        setText(*box, kDuplicateText);
        setFontSize(*box, kDefaultFontSize);
        setBold(*box, true);
        setItalic(*box, true);
        boxes.setDuplicateMark(box);
    }
    return boxes;
}

BoxRow titleLine(std::string role, int left, Formula top, int width, int adjust) {
    return {std::move(role), fixed(left),      std::move(top), fixed(width),
            kLine,           kDefaultFontSize, fixed(adjust)};
}

BoxRow titleColumn(std::string role, Formula left, int top, int height, int adjust) {
    return {std::move(role), std::move(left),  fixed(top),   fixed(kLine),
            height,          kDefaultFontSize, fixed(adjust)};
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

void setOneLine(TTextBox& box, const std::string& text) {
    clearText(box);
    addTextLine(box, text);
}

void putFieldLines(const SheetBoxes& boxes, const Document& doc) {
    for (const SheetBoxes::Entry& e : boxes.entries())
        if (const auto field = fieldByName(e.box->role))
            setOneLine(*e.box, doc.text(*field));
}

}  // namespace vellex

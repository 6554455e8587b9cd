#pragma once

#include <cstdint>
#include <span>

#include "model/document.h"

// The on-screen geometry of the eight pages as data: each page is a list of items in
// keyboard order (labels, fields, line groups, choices, buttons, its discipline table),
// laid out like the page's blank with the blank's captions beside the entries. The page
// builder walks these lists; no page has code of its own.
namespace vellex {

enum class ItemKind : std::uint8_t {
    Label,   // caption text (UTF-8); name optional
    Edit,    // a document field by name
    Memo,    // a multi-line field by name
    Group,   // the lines `first`..`last` of a run-time line group, one below the other
    Trial,   // the cbTrial drop-down
    Radio,   // a radio group: name, caption, items separated by '|'
    Check,   // a flag: name, caption
    Button,  // a push button: name, caption, hint
    Table,   // the page's discipline table (geometry in pageTableGeometry)
};

struct PageItem {
    ItemKind kind;
    const char* name;  // component name (empty for anonymous labels)
    const char* text;  // caption; for Radio the items follow after a '\n'
    int x, y, width, height;
    bool hidden = false;  // hidden in the designed layout
    const char* hint = nullptr;
    Group group = Group::edSchool;  // Group items only
};

struct PageLayout {
    Page page;
    const char* caption;  // the tab caption
    int width, height;    // the panel's designed size
    std::span<const PageItem> items;
};

// The geometry of a discipline table: column lefts and widths, the top of row r is
// `rowTop(r)` and the rows follow each other every `pitch` pixels (page 2: see
// page2RowTop).
struct TableGeometry {
    Table table;
    int nameLeft, nameWidth, hoursLeft, hoursWidth, gradeLeft, gradeWidth;
    int firstRowTop;  // top of row 1
    int pitch;
    bool boldFont;
};

// The pages in tab order: "Диплом" first, "Приложение к Свидетельству" last.
std::span<const PageLayout> pageLayouts();
const PageLayout& pageLayout(Page page);

TableGeometry tableGeometry(Table t, int modeNDiscipl);

// The top of page-2 row r under the row mode: pitch 24 in the double-line mode (odd
// rows 1 pixel lower, even rows 1 pixel higher, so that they pair as on the blank),
// otherwise 22.
int page2RowTop(int row, int modeNDiscipl);

// The page-2 panel's height, the top of its "Очистить" buttons and of its print
// button for n rows: the page grows to fit its table.
struct Page2Extent {
    int panelHeight, clearTop, printTop;
};
Page2Extent page2Extent(int rows, int modeNDiscipl);

// The table on a page, if it has one.
const Table* pageTable(Page page);

}  // namespace vellex

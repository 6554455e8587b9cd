#include "print/first_page_boxes.h"

#include <algorithm>

#include "storage/settings.h"

namespace vellex {

namespace {

constexpr Column kColumns[3] = {Column::Discipline, Column::AudTime, Column::Value};
constexpr int kColumnLeft[3] = {62, 345, 435};
constexpr int kColumnWidth[3] = {250, 80, 150};
constexpr int kRowHeight = 17;

}  // namespace

void placeRowsAligned(SheetBoxes& boxes, const Settings& s, const std::vector<BoxRow>& rows) {
    placeRows(boxes, s, rows);
    applyRowAdjust(boxes, s, rows);
}

bool studentCentred(const Settings& s) {
    return s.AdjustStudent == kAlignCenter;
}

std::string cellRole(Table table, int row, Column column) {
    return std::string(tableName(table)) + " row " + std::to_string(row) + " " +
           std::string(columnName(column));
}

std::vector<BoxRow> tableRows(Table table, int rows, int top0, int pitch,
                              std::initializer_list<SettingKey> keys) {
    std::vector<BoxRow> out;
    for (int r = 1; r <= rows; ++r)
        for (int c = 0; c < 3; ++c)
            out.push_back(
                {cellRole(table, r, kColumns[c]), fixed(kColumnLeft[c]),
                 fixedPlus(top0 + pitch * r, keys), fixed(kColumnWidth[c]), kRowHeight, 10,
                 kColumns[c] == Column::AudTime ? setting(&Settings::AdjustAudTime) : Formula{}});
    return out;
}

std::vector<TTextBox*> columnBoxes(const SheetBoxes& boxes, Table table, int rows, Column column) {
    std::vector<TTextBox*> out;
    for (int r = 1; r <= rows; ++r)
        out.push_back(&boxes.at(cellRole(table, r, column)));
    return out;
}

void putFieldTexts(const SheetBoxes& boxes, const Document& doc) {
    for (const SheetBoxes::Entry& e : boxes.entries())
        if (const auto f = fieldByName(e.box->role))
            putText(*e.box, doc.text(*f));
}

void putTableTexts(const SheetBoxes& boxes, const Document& doc, Table table, int rows) {
    // A document table shorter than the page's rows leaves the rest of the rows empty.
    const int filled = std::min(rows, doc.rowCount(table));
    for (int r = 1; r <= rows; ++r)
        for (Column c : kColumns)
            putText(boxes.at(cellRole(table, r, c)), r <= filled ? doc.cell(table, r, c) : "");
}

}  // namespace vellex

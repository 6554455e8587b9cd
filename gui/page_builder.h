#pragma once

#include <QStringList>
#include <array>
#include <vector>

#include "gui/page_layout.h"
#include "model/document.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vellex {

// The widgets of one table row: name, hours, grade.
struct TableRowWidgets {
    QLineEdit* name = nullptr;
    QLineEdit* hours = nullptr;
    QComboBox* grade = nullptr;
};

// Every widget bound to the document, by what it shows. Widgets are named by their
// component names; table cells "<table>_<row>_<column>" ("Disciplines4_3_AudTime").
struct PageWidgets {
    std::array<QWidget*, kFieldCount> fields{};  // QLineEdit, or QPlainTextEdit for memos
    std::array<QCheckBox*, kFlagCount> flags{};
    std::array<QButtonGroup*, kChoiceCount> radios{};  // none for cbTrial
    QComboBox* trial = nullptr;
    std::array<std::vector<TableRowWidgets>, 4> tables;
    std::array<std::array<QPushButton*, 3>, 4> clearButtons{};
    std::array<QWidget*, 9> panels{};  // by sheet number
};

// Creates the designed items of a page on its panel (everything except the table rows)
// and registers them in `widgets`.
void buildPageItems(const PageLayout& layout, QWidget* panel, PageWidgets& widgets);

// Creates `rows` rows of a table on its panel, the grade drop-downs offering `grades`,
// and the three "Очистить" buttons below it when they do not exist yet. Page 2 grows its
// panel and moves its buttons to fit.
void buildTableRows(Table t, int rows, int modeNDiscipl, const QStringList& grades,
                    PageWidgets& widgets);

// Destroys a table's rows from the last to the first, grade first, then hours, then name.
void freeTableRows(Table t, PageWidgets& widgets);

// Sizes a caption to its text, within its wrapping width when it has one.
void fitLabel(QLabel* label);

// The object name of a table cell.
QString cellObjectName(Table t, int row, Column c);

}  // namespace vellex

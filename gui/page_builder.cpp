#include "gui/page_builder.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <optional>
#include <string>

#include "gui/gui_text.h"

namespace vellex {
namespace {

constexpr int kLinePitch = 22;
constexpr int kEditHeight = 21;
constexpr int kCertSupplementRightHalf = 440;  // where that page's right half begins

QString utf8(const char* text) {
    return QString::fromUtf8(text ? text : "");
}

int tableIndex(Table t) {
    return static_cast<int>(t);
}

const char* tableSuffix(Table t) {
    switch (t) {
        case Table::Disciplines:
            return "";
        case Table::Disciplines8:
            return "8";
        case Table::Disciplines4:
            return "4";
        case Table::Disciplines7:
            return "7";
    }
    return "";
}

Page tablePage(Table t) {
    switch (t) {
        case Table::Disciplines:
            return Page::Page2;
        case Table::Disciplines8:
            return Page::Page3;
        case Table::Disciplines4:
            return Page::Academic;
        case Table::Disciplines7:
            return Page::CertSupplement;
    }
    return Page::Page2;
}

std::optional<Flag> flagByName(std::string_view name) {
    for (int i = 0; i < kFlagCount; ++i) {
        if (flagName(static_cast<Flag>(i)) == name) {
            return static_cast<Flag>(i);
        }
    }
    return std::nullopt;
}

std::optional<Choice> choiceByName(std::string_view name) {
    for (int i = 0; i < kChoiceCount; ++i) {
        if (choiceName(static_cast<Choice>(i)) == name) {
            return static_cast<Choice>(i);
        }
    }
    return std::nullopt;
}

QLineEdit* makeEdit(QWidget* panel, Field f, int x, int y, int w, bool hidden,
                    PageWidgets& widgets) {
    auto* e = new QLineEdit(panel);
    e->setObjectName(utf8(std::string(fieldName(f)).c_str()));
    e->setGeometry(x, y, w, kEditHeight);
    e->setHidden(hidden);
    widgets.fields[static_cast<size_t>(f)] = e;
    return e;
}

void buildRadio(const PageItem& item, QWidget* panel, PageWidgets& widgets) {
    const QString all = utf8(item.text);
    const qsizetype nl = all.indexOf(u'\n');
    auto* box = new QGroupBox(all.left(nl), panel);
    box->setObjectName(utf8(item.name));
    box->setGeometry(item.x, item.y, item.width, item.height);
    box->setHidden(item.hidden);
    auto* group = new QButtonGroup(box);
    const QStringList choices = all.mid(nl + 1).split(u'|');
    for (int i = 0; i < choices.size(); ++i) {
        auto* b = new QRadioButton(choices[i], box);
        b->setObjectName(utf8(item.name) + u'_' + QString::number(i));
        b->setGeometry(8, 20 + 22 * i, item.width - 12, 20);
        group->addButton(b, i);
    }
    if (auto c = choiceByName(item.name)) {
        widgets.radios[static_cast<size_t>(*c)] = group;
    }
}

}  // namespace

void fitLabel(QLabel* label) {
    const int wrap = label->property("wrapWidth").toInt();
    if (wrap > 0) {
        label->resize(wrap, label->heightForWidth(wrap));
    } else {
        label->adjustSize();
    }
}

QString cellObjectName(Table t, int row, Column c) {
    return utf8(std::string(tableName(t)).c_str()) + u'_' + QString::number(row) + u'_' +
           utf8(std::string(columnName(c)).c_str());
}

void buildPageItems(const PageLayout& layout, QWidget* panel, PageWidgets& widgets) {
    widgets.panels[static_cast<size_t>(layout.page)] = panel;
    panel->setFixedSize(layout.width, layout.height > 0 ? layout.height : panel->height());
    for (const PageItem& item : layout.items) {
        switch (item.kind) {
            case ItemKind::Label: {
                auto* l = new QLabel(utf8(item.text), panel);
                if (*item.name) {
                    l->setObjectName(utf8(item.name));
                }
                l->move(item.x, item.y);
                if (item.width > 0) {
                    // Long captions of the blanks wrap within their column.
                    l->setWordWrap(true);
                    l->setProperty("wrapWidth", item.width);
                }
                fitLabel(l);
                l->setHidden(item.hidden);
                break;
            }
            case ItemKind::Edit:
            case ItemKind::Memo: {
                const std::optional<Field> f = fieldByName(item.name);
                if (!f) {
                    break;  // a table row names a field the model does not know: skip it
                }
                if (item.kind == ItemKind::Edit) {
                    makeEdit(panel, *f, item.x, item.y, item.width, item.hidden, widgets);
                } else {
                    auto* m = new QPlainTextEdit(panel);
                    m->setObjectName(utf8(item.name));
                    m->setTabChangesFocus(true);  // no tab characters belong on a blank
                    m->setGeometry(item.x, item.y, item.width, item.height);
                    widgets.fields[static_cast<size_t>(*f)] = m;
                }
                break;
            }
            case ItemKind::Group:
                for (int line = groupFirstLine(item.group); line <= groupLastLine(item.group);
                     ++line) {
                    const int index = line - groupFirstLine(item.group);
                    // The second course-work line leaves room for the caption's tail.
                    const int narrower = item.group == Group::edCourseWork && line == 2 ? 20 : 0;
                    makeEdit(panel, groupLine(item.group, line), item.x,
                             item.y + kLinePitch * index, item.width - narrower, false, widgets);
                }
                break;
            case ItemKind::Trial: {
                auto* cb = new QComboBox(panel);
                cb->setObjectName(utf8(item.name));
                cb->addItems(utf8(item.text).split(u'\n'));
                cb->setGeometry(item.x, item.y, item.width, item.height);
                widgets.trial = cb;
                break;
            }
            case ItemKind::Radio:
                buildRadio(item, panel, widgets);
                break;
            case ItemKind::Check: {
                auto* c = new QCheckBox(utf8(item.text), panel);
                c->setObjectName(utf8(item.name));
                c->move(item.x, item.y);
                c->adjustSize();
                if (auto f = flagByName(item.name)) {
                    widgets.flags[static_cast<size_t>(*f)] = c;
                }
                break;
            }
            case ItemKind::Button: {
                auto* b = new QPushButton(utf8(item.text), panel);
                b->setObjectName(utf8(item.name));
                b->setGeometry(item.x, item.y, item.width, item.height);
                if (item.hint) {
                    b->setToolTip(utf8(item.hint));
                }
                break;
            }
            case ItemKind::Table:
                break;
        }
    }
}

void buildTableRows(Table t, int rows, int modeNDiscipl, const QStringList& grades,
                    PageWidgets& widgets) {
    QWidget* panel = widgets.panels[static_cast<size_t>(tablePage(t))];
    auto& cells = widgets.tables[static_cast<size_t>(tableIndex(t))];
    const TableGeometry g = tableGeometry(t, modeNDiscipl);
    QFont font = panel->font();
    font.setBold(g.boldFont);
    cells.reserve(static_cast<size_t>(rows));
    for (int r = 1; r <= rows; ++r) {
        const int top = t == Table::Disciplines ? page2RowTop(r, modeNDiscipl)
                                                : g.firstRowTop + (r - 1) * g.pitch;
        TableRowWidgets row;
        row.name = new QLineEdit(panel);
        row.name->setObjectName(cellObjectName(t, r, Column::Discipline));
        row.name->setGeometry(g.nameLeft, top, g.nameWidth, kEditHeight);
        row.hours = new QLineEdit(panel);
        row.hours->setObjectName(cellObjectName(t, r, Column::AudTime));
        row.hours->setGeometry(g.hoursLeft, top, g.hoursWidth, kEditHeight);
        row.grade = new QComboBox(panel);
        row.grade->setObjectName(cellObjectName(t, r, Column::Value));
        row.grade->setEditable(true);
        row.grade->setInsertPolicy(QComboBox::NoInsert);
        row.grade->addItems(grades);
        row.grade->setMaxVisibleItems(std::max<int>(1, static_cast<int>(grades.size())));
        row.grade->setCurrentIndex(-1);
        row.grade->setEditText(QString());
        row.grade->setGeometry(g.gradeLeft, top, g.gradeWidth, kEditHeight);
        for (QWidget* w : {static_cast<QWidget*>(row.name), static_cast<QWidget*>(row.hours),
                           static_cast<QWidget*>(row.grade)}) {
            w->setFont(font);
            w->show();
        }
        cells.push_back(row);
    }

    // The whole grade must be readable: the grade column grows on screen when the
    // designed width cannot hold the longest grade (the printed column does not move).
    // Where the page's right half leaves no room, the hours and grades move left and the
    // name column gives up the width.
    int nameWidth = g.nameWidth;
    int hoursLeft = g.hoursLeft;
    int gradeLeft = g.gradeLeft;
    int gradeWidth = g.gradeWidth;
    if (!cells.empty()) {
        QComboBox* probe = cells.front().grade;
        const QComboBox::SizeAdjustPolicy policy = probe->sizeAdjustPolicy();
        probe->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        gradeWidth = std::max(gradeWidth, probe->sizeHint().width());
        probe->setSizeAdjustPolicy(policy);
        const int rightEnd =
            t == Table::Disciplines7 ? kCertSupplementRightHalf - 4 : panel->width();
        const int shift = std::max(0, gradeLeft + gradeWidth - rightEnd);
        nameWidth -= shift;
        hoursLeft -= shift;
        gradeLeft -= shift;
        const int listWidth = probe->view()->sizeHintForColumn(0) + 24;  // and a scroll bar
        for (TableRowWidgets& row : cells) {
            row.name->resize(nameWidth, row.name->height());
            row.hours->move(hoursLeft, row.hours->y());
            row.grade->setGeometry(gradeLeft, row.grade->y(), gradeWidth, row.grade->height());
            row.grade->view()->setMinimumWidth(listWidth);
        }
        if (shift > 0) {
            for (const char* head : {"Label72", "Label73"}) {
                if (auto* l = panel->findChild<QLabel*>(utf8(head))) {
                    l->move(l->x() - shift, l->y());
                }
            }
        }
    }

    // The "Очистить" buttons under the columns, and for page 2 the page's own extent.
    const int lastBottom = rows > 0 ? cells.back().name->geometry().bottom() + 1 : g.firstRowTop;
    int clearTop = lastBottom + 12;
    if (t == Table::Disciplines) {
        const Page2Extent e = page2Extent(rows, modeNDiscipl);
        clearTop = e.clearTop;
        panel->setFixedHeight(e.panelHeight);
        if (auto* print = panel->findChild<QPushButton*>(QStringLiteral("bbPrintSheet2"))) {
            print->move(print->x(), e.printTop);
        }
    }
    static constexpr const char* kClearNames[] = {"btnClearDiscipline", "btnClearAudTime",
                                                  "btnClearValue"};
    auto& buttons = widgets.clearButtons[static_cast<size_t>(tableIndex(t))];
    for (int c = 0; c < 3; ++c) {
        if (!buttons[static_cast<size_t>(c)]) {
            auto* b = new QPushButton(QStringLiteral("Очистить"), panel);
            b->setObjectName(utf8(kClearNames[c]) + utf8(tableSuffix(t)));
            buttons[static_cast<size_t>(c)] = b;
        }
    }
    // The hours column is narrower than its button's caption: that button reaches left
    // under the wide name column, whose button gives way.
    const int hoursButton = std::max(g.hoursWidth, buttons[1]->sizeHint().width());
    const int hoursButtonLeft = hoursLeft + g.hoursWidth - hoursButton;
    const int lefts[] = {g.nameLeft, hoursButtonLeft, gradeLeft};
    const int widths[] = {std::min(nameWidth, hoursButtonLeft - 4 - g.nameLeft), hoursButton,
                          gradeWidth};
    for (size_t c = 0; c < 3; ++c) {
        buttons[c]->setGeometry(lefts[c], clearTop, widths[c], 25);
    }
}

void freeTableRows(Table t, PageWidgets& widgets) {
    auto& cells = widgets.tables[static_cast<size_t>(tableIndex(t))];
    while (!cells.empty()) {
        TableRowWidgets row = cells.back();
        cells.pop_back();
        delete row.grade;
        delete row.hours;
        delete row.name;
    }
}

}  // namespace vellex

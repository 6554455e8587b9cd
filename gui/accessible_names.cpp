#include "gui/accessible_names.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <limits>
#include <string>

#include "gui/tab_order.h"
#include "report/field_captions.h"

namespace vellex {
namespace {

const char* tablePageName(Table t) {
    switch (t) {
        case Table::Disciplines:
            return "2-я страница";
        case Table::Disciplines8:
            return "3-я страница";
        case Table::Disciplines4:
            return "Академическая справка";
        case Table::Disciplines7:
            return "Приложение к свидетельству";
    }
    return "";
}

const char* columnCaption(Column c) {
    switch (c) {
        case Column::Discipline:
            return "дисциплина";
        case Column::AudTime:
            return "часы";
        case Column::Value:
            return "оценка";
    }
    return "";
}

QString plain(QString caption) {
    return caption.remove(u'&').simplified().remove(QRegularExpression(QStringLiteral("[:\\s]+$")));
}

// The caption standing left of a field on its line, or else the nearest one above it.
QString nearestCaption(const QWidget* w, const QWidget* panel) {
    const QRect r = rectOnPanel(w, panel);
    const QLabel* best = nullptr;
    int bestDistance = std::numeric_limits<int>::max();
    for (const QLabel* l : panel->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (l->text().trimmed().isEmpty() || !l->isVisibleTo(panel)) {
            continue;
        }
        const QRect c = l->geometry();
        int distance = std::numeric_limits<int>::max();
        if (c.bottom() >= r.top() && c.top() <= r.bottom() && c.right() <= r.left() + 4) {
            distance = r.left() - c.right();  // on the line, to the left
        } else if (c.bottom() <= r.top() + 4 && c.left() <= r.right() && c.right() >= r.left()) {
            distance = 1000 + (r.top() - c.bottom());  // above, over the field
        }
        if (distance < bestDistance) {
            bestDistance = distance;
            best = l;
        }
    }
    return best && bestDistance < 1200 ? plain(best->text()) : QString();
}

void name(QWidget* w, const QString& text) {
    if (w && w->accessibleName().isEmpty() && !text.isEmpty()) {
        w->setAccessibleName(text);
    }
}

}  // namespace

QString cellAccessibleName(Table t, int row, Column c) {
    return QStringLiteral("%1, строка %2, %3")
        .arg(QString::fromUtf8(tablePageName(t)))
        .arg(row)
        .arg(QString::fromUtf8(columnCaption(c)));
}

void nameForScreenReaders(const PageWidgets& widgets) {
    // The cells first: their captions are the column heads, too far off to find.
    for (size_t t = 0; t < widgets.tables.size(); ++t) {
        const Table table = static_cast<Table>(t);
        int row = 0;
        for (const TableRowWidgets& cells : widgets.tables[t]) {
            ++row;
            cells.name->setAccessibleName(cellAccessibleName(table, row, Column::Discipline));
            cells.hours->setAccessibleName(cellAccessibleName(table, row, Column::AudTime));
            cells.grade->setAccessibleName(cellAccessibleName(table, row, Column::Value));
        }
        static constexpr Column kColumns[] = {Column::Discipline, Column::AudTime, Column::Value};
        for (size_t c = 0; c < 3; ++c) {
            if (QAbstractButton* b = widgets.clearButtons[t][c]) {
                b->setAccessibleName(QStringLiteral("%1: очистить столбец «%2»")
                                         .arg(QString::fromUtf8(tablePageName(table)),
                                              QString::fromUtf8(columnCaption(kColumns[c]))));
            }
        }
    }
    for (QWidget* panel : widgets.panels) {
        if (!panel) {
            continue;
        }
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            if (!w->accessibleName().isEmpty()) {
                continue;
            }
            if (auto* b = qobject_cast<QAbstractButton*>(w)) {
                name(b, plain(b->text()));
            } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
                name(g, plain(g->title()));
            } else if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                       qobject_cast<QComboBox*>(w)) {
                if (w->parentWidget() != panel) {
                    continue;  // the editor inside a drop-down
                }
                const std::string field = w->objectName().toStdString();
                const QString known = QString::fromStdString(fieldCaption(field));
                name(w, known != w->objectName() ? known : nearestCaption(w, panel));
            }
        }
    }
}

}  // namespace vellex

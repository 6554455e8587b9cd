// The main window's pages: building them and their tables, binding the widgets to the
// document, and showing the document in them.
#include <QAbstractSpinBox>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <algorithm>

#include "gui/accessible_names.h"
#include "gui/gui_text.h"
#include "gui/main_form.h"
#include "gui/main_form_internal.h"
#include "gui/message_form.h"
#include "gui/page_layout.h"
#include "gui/tab_order.h"
#include "model/field_behaviours.h"
#include "model/line_modes.h"
#include "model/startup_state.h"

namespace vellex {
using namespace main_form_detail;

void TMainForm::buildPages() {
    pages_ = new QTabWidget(centralWidget());
    pages_->setObjectName(QStringLiteral("PageCtrlSet"));
    for (const PageLayout& layout : pageLayouts()) {
        const int sheet = static_cast<int>(layout.page);
        auto* tab = new QWidget;
        tab->setObjectName(QStringLiteral("TabSheet%1").arg(sheet));
        auto* area = new QScrollArea(tab);
        area->setObjectName(QStringLiteral("ScrollBox%1").arg(sheet));
        area->setWidgetResizable(false);
        auto* panel = new QWidget;
        panel->setObjectName(QStringLiteral("PanelSet%1").arg(sheet));
        buildPageItems(layout, panel, widgets_);
        area->setWidget(panel);
        auto* fill = new QGridLayout(tab);
        fill->setContentsMargins(0, 0, 0, 0);
        fill->addWidget(area);
        pages_->addTab(tab, utf8(layout.caption));
        bindPage(layout.page);
        connectPageButtons(panel);
    }
}

void TMainForm::buildTables() {
    // Page 2 first, then page 3, the academic page and the certificate supplement; the
    // fixed tables take the grades of page 2's first row as they stand.
    for (Table t :
         {Table::Disciplines, Table::Disciplines8, Table::Disciplines4, Table::Disciplines7}) {
        const int rows =
            t == Table::Disciplines ? rowsForMode(settings_.mode_N_Discipl) : doc_.rowCount(t);
        if (t == Table::Disciplines && doc_.rowCount(t) != rows) {
            doc_.rebuildPage2(rows);
        }
        buildTableRows(t, rows, settings_.mode_N_Discipl, grades_, widgets_);
        bindTable(t);
        for (size_t c = 0; c < 3; ++c) {
            connect(widgets_.clearButtons[static_cast<size_t>(t)][c], &QPushButton::clicked, this,
                    [this, t, c] { clearColumn(t, static_cast<Column>(c)); });
        }
    }
    for (QWidget* panel : widgets_.panels) {
        keepTabsInScreenOrder(panel);
    }
    nameForScreenReaders(widgets_);
    guardWheel(pages_);
}

void TMainForm::guardWheel(QWidget* root) {
    // A wheel turned while scrolling the page must not change the grade or the number
    // under the pointer: only a box with the focus takes the wheel.
    auto guard = [this](QWidget* w) {
        if (!w->property("wheelGuard").toBool()) {
            w->setProperty("wheelGuard", true);
            w->setFocusPolicy(Qt::StrongFocus);
            w->installEventFilter(this);
        }
    };
    for (QComboBox* c : root->findChildren<QComboBox*>()) {
        guard(c);
    }
    for (QAbstractSpinBox* b : root->findChildren<QAbstractSpinBox*>()) {
        guard(b);
    }
}

void TMainForm::rebuildPage2Widgets() {
    freeTableRows(Table::Disciplines, widgets_);
    buildTableRows(Table::Disciplines, doc_.rowCount(Table::Disciplines), settings_.mode_N_Discipl,
                   grades_, widgets_);
    bindTable(Table::Disciplines);
    nameForScreenReaders(widgets_);
    guardWheel(pages_);
    // A new row count switches page 2 to the settings' blank.
    SwitchVellexVersionPage2(settings_.VellexVersion);
}

void TMainForm::rebuildPage2() {
    doc_.rebuildPage2(rowsForMode(settings_.mode_N_Discipl));
    rebuildPage2Widgets();
    refreshTable(Table::Disciplines);
}

// ---------------------------------------------------------------- binding

void TMainForm::bindPage(Page page) {
    for (int i = 0; i < kFieldCount; ++i) {
        const Field f = static_cast<Field>(i);
        QWidget* w = widgets_.fields[static_cast<size_t>(i)];
        if (!w || fieldPage(f) != page) {
            continue;
        }
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            connect(e, &QLineEdit::textEdited, this, [this, f, e] { fieldEdited(f, e); });
            for (const LeaveCopyRule& rule : leaveCopyRules()) {
                if (rule.source == f) {
                    e->setProperty("leaveField", i);
                    e->installEventFilter(this);
                }
            }
        } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
            connect(m, &QPlainTextEdit::textChanged, this, [this, f, m] { fieldEdited(f, m); });
        }
    }
    for (int i = 0; i < kFlagCount; ++i) {
        QCheckBox* c = widgets_.flags[static_cast<size_t>(i)];
        if (!c || c->property("bound").toBool()) {
            continue;
        }
        c->setProperty("bound", true);
        const Flag flag = static_cast<Flag>(i);
        connect(c, &QCheckBox::toggled, this, [this, flag](bool on) {
            if (updating_) {
                return;
            }
            if (flag == Flag::cbAddLineUp_Diplom) {
                setAddLineUp(doc_, on);
                refreshTexts();
            } else {
                // The document keeps the twins: "Дубликат" on both pages, and the bold
                // flag of all five diploma lines.
                doc_.setFlag(flag, on);
            }
            refreshChoices();
            updateTitle();
        });
    }
    for (int i = 0; i < kChoiceCount; ++i) {
        QButtonGroup* g = widgets_.radios[static_cast<size_t>(i)];
        if (!g || g->property("bound").toBool()) {
            continue;
        }
        g->setProperty("bound", true);
        const Choice choice = static_cast<Choice>(i);
        connect(g, &QButtonGroup::idClicked, this, [this, choice](int id) {
            // The type groups only take the click until the diploma page is switched.
            if (choice == Choice::rgProfEduTypeAcadem && diplomaSwitched_) {
                chooseAcademType(doc_, id);
                rgProfEduTypeClick();
            } else {
                doc_.setChoice(choice, id);
                if (choice == Choice::rgProfEduType) {
                    rgProfEduTypeClick();
                }
            }
            refreshChoices();
            updateTitle();
        });
    }
    if (widgets_.trial && !widgets_.trial->property("bound").toBool()) {
        widgets_.trial->setProperty("bound", true);
        connect(widgets_.trial, qOverload<int>(&QComboBox::currentIndexChanged), this,
                [this](int index) {
                    if (!updating_) {
                        doc_.setChoice(Choice::cbTrial, index);
                        updateTitle();
                    }
                });
    }
}

void TMainForm::bindTable(Table t) {
    const auto& rows = widgets_.tables[static_cast<size_t>(t)];
    for (size_t i = 0; i < rows.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        const TableRowWidgets& row = rows[i];
        connect(row.name, &QLineEdit::textEdited, this,
                [this, t, r, e = row.name] { cellEdited(t, r, Column::Discipline, e); });
        connect(row.hours, &QLineEdit::textEdited, this,
                [this, t, r, e = row.hours] { cellEdited(t, r, Column::AudTime, e); });
        connect(row.grade, &QComboBox::editTextChanged, this,
                [this, t, r, e = row.grade] { cellEdited(t, r, Column::Value, e); });
    }
}

bool TMainForm::acceptTyped(const QString& text, std::string& out) {
    QString refused;
    if (toCp1251(text, out, &refused)) {
        return true;
    }
    MessageForm::inform(this, MessageForm::Kind::Warning, QStringLiteral("Недопустимый символ"),
                        refusedCharactersMessage(refused));
    return false;
}

void TMainForm::fieldEdited(Field f, QWidget* editor) {
    if (updating_) {
        return;
    }
    auto* e = qobject_cast<QLineEdit*>(editor);
    auto* m = qobject_cast<QPlainTextEdit*>(editor);
    const QString text = e ? e->text() : m->toPlainText();
    std::string bytes;
    if (acceptTyped(text, bytes)) {
        doc_.setText(f, std::move(bytes));
        updateTitle();
        return;
    }
    // Put back what the document holds; the cursor stays near where it was.
    updating_ = true;
    if (e) {
        const int pos = e->cursorPosition();
        e->setText(toQString(doc_.text(f)));
        e->setCursorPosition(std::max(0, pos - static_cast<int>(text.size() - e->text().size())));
    } else {
        m->setPlainText(toQString(doc_.text(f)));
        m->moveCursor(QTextCursor::End);
    }
    updating_ = false;
}

void TMainForm::cellEdited(Table t, int row, Column c, QWidget* editor) {
    if (updating_) {
        return;
    }
    auto* e = qobject_cast<QLineEdit*>(editor);
    auto* cb = qobject_cast<QComboBox*>(editor);
    const QString text = e ? e->text() : cb->currentText();
    std::string bytes;
    if (acceptTyped(text, bytes)) {
        doc_.setCell(t, row, c, std::move(bytes));
        updateTitle();
        return;
    }
    updating_ = true;
    if (e) {
        e->setText(toQString(doc_.cell(t, row, c)));
    } else {
        cb->setEditText(toQString(doc_.cell(t, row, c)));
    }
    updating_ = false;
}

void TMainForm::clearColumn(Table t, Column c) {
    clearTableColumn(doc_, t, c);
    refreshTable(t);
    updateTitle();
}

// ---------------------------------------------------------------- refreshing

void TMainForm::refreshFromDocument() {
    updateTitle();
    refreshTexts();
    for (Table t :
         {Table::Disciplines, Table::Disciplines8, Table::Disciplines4, Table::Disciplines7}) {
        refreshTable(t);
    }
    refreshChoices();
    {
        QSignalBlocker block(path2Csv_);
        path2Csv_->setText(toQString(settings_.Path2CSV));
    }
}

void TMainForm::refreshTexts() {
    updating_ = true;
    for (int i = 0; i < kFieldCount; ++i) {
        QWidget* w = widgets_.fields[static_cast<size_t>(i)];
        const QString text = toQString(doc_.text(static_cast<Field>(i)));
        if (auto* e = qobject_cast<QLineEdit*>(w)) {
            if (e->text() != text) {
                e->setText(text);
                e->setCursorPosition(0);
            }
        } else if (auto* m = qobject_cast<QPlainTextEdit*>(w)) {
            if (m->toPlainText() != text) {
                m->setPlainText(text);
            }
        }
    }
    updating_ = false;
}

void TMainForm::refreshTable(Table t) {
    updating_ = true;
    const auto& rows = widgets_.tables[static_cast<size_t>(t)];
    for (size_t i = 0; i < rows.size(); ++i) {
        const int r = static_cast<int>(i) + 1;
        rows[i].name->setText(toQString(doc_.cell(t, r, Column::Discipline)));
        rows[i].hours->setText(toQString(doc_.cell(t, r, Column::AudTime)));
        const std::string& grade = doc_.cell(t, r, Column::Value);
        const int index = grade.empty() ? -1 : gradeIndex(gradeList_, grade);
        rows[i].grade->setCurrentIndex(index);
        if (index < 0) {
            rows[i].grade->setEditText(toQString(grade));
        }
    }
    updating_ = false;
}

void TMainForm::refreshChoices() {
    updating_ = true;
    for (int i = 0; i < kFlagCount; ++i) {
        if (QCheckBox* c = widgets_.flags[static_cast<size_t>(i)]) {
            c->setChecked(doc_.flag(static_cast<Flag>(i)));
        }
    }
    for (int i = 0; i < kChoiceCount; ++i) {
        QButtonGroup* g = widgets_.radios[static_cast<size_t>(i)];
        if (!g) {
            continue;
        }
        const int item = doc_.choice(static_cast<Choice>(i));
        if (QAbstractButton* b = g->button(item)) {
            b->setChecked(true);
        } else if (QAbstractButton* checked = g->checkedButton()) {
            g->setExclusive(false);
            checked->setChecked(false);
            g->setExclusive(true);
        }
    }
    if (widgets_.trial) {
        widgets_.trial->setCurrentIndex(doc_.choice(Choice::cbTrial));
    }
    updating_ = false;
    if (const std::optional<bool> topLine = diplomaTopLineShown(doc_, pageVersion(Page::Diploma))) {
        const bool lineUp = *topLine;
        if (QWidget* top = widgets_.fields[static_cast<size_t>(Field::edTownDiplom0)]) {
            top->setVisible(lineUp);
        }
        QWidget* diploma = widgets_.panels[static_cast<size_t>(Page::Diploma)];
        if (auto* caption = diploma->findChild<QLabel*>(QStringLiteral("lbTownDiplom0"))) {
            caption->setVisible(lineUp);
        }
    }
    applyFieldStyles();
    applyLineModes();
}

void TMainForm::applyFieldStyles() {
    const int version = settings_.VellexVersion;
    for (Field f : styledFields()) {
        QWidget* w = widgets_.fields[static_cast<size_t>(f)];
        if (!w) {
            continue;
        }
        const FieldStyle style = fieldStyle(doc_, f, version);
        QFont font = w->font();
        if (font.bold() != style.bold || font.italic() != style.italic) {
            font.setBold(style.bold);
            font.setItalic(style.italic);
            w->setFont(font);
        }
    }
}

// The line-count choices show and hide their lines; fewer qualification lines move the
// specialty lines up under them.
void TMainForm::applyLineModes() {
    const LineModeLayout modes =
        lineModeLayout(doc_, pageVersion(Page::SupplementSpo), pageVersion(Page::SupplementNpo));
    for (const LineModeLayout::Line& line : modes.lines) {
        if (QWidget* w = widgets_.fields[static_cast<size_t>(line.field)]) {
            w->setVisible(line.shown);
        }
    }
    auto shift = [this](Page page, Group g, const char* labelName, int down) {
        const PageLayout& layout = pageLayout(page);
        QWidget* panel = widgets_.panels[static_cast<size_t>(page)];
        for (const PageItem& item : layout.items) {
            if (item.kind == ItemKind::Group && item.group == g) {
                for (int line = groupFirstLine(g); line <= groupLastLine(g); ++line) {
                    QWidget* w = widgets_.fields[static_cast<size_t>(groupLine(g, line))];
                    w->move(w->x(), item.y + 22 * (line - groupFirstLine(g)) + down);
                }
            } else if (item.kind == ItemKind::Label &&
                       QString::fromUtf8(item.name) == QString::fromUtf8(labelName)) {
                if (auto* l = panel->findChild<QLabel*>(utf8(labelName))) {
                    l->move(l->x(), item.y + down);
                }
            }
        }
    };
    if (modes.specialtyDropSpo) {
        shift(Page::SupplementSpo, Group::edSpecRight, "lbSpec", *modes.specialtyDropSpo);
    }
    if (modes.specialtyDropNpo) {
        shift(Page::SupplementNpo, Group::edSpecRightNPO, "Label56", *modes.specialtyDropNpo);
    }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::Wheel && watched->property("wheelGuard").toBool() &&
        !static_cast<QWidget*>(watched)->hasFocus()) {
        // Handled here but not accepted: the event goes on to the scroll area.
        e->ignore();
        return true;
    }
    if (e->type() == QEvent::FocusOut && !updating_) {
        const QVariant field = watched->property("leaveField");
        if (field.isValid()) {
            if (!copyOnLeaving(doc_, static_cast<Field>(field.toInt()), settings_.VellexVersion)
                     .empty()) {
                refreshTexts();
            }
        }
    }
    return QMainWindow::eventFilter(watched, e);
}

}  // namespace vellex

// How the pages meet the keyboard and the eye: the Tab order, the names a screen reader
// finds, widgets that overlap or cut their text.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <memory>
#include <set>

#include "gui/about_dialog.h"
#include "gui/disciplines_list_form.h"
#include "gui/list_param_form.h"
#include "gui/main_form.h"
#include "gui/screen_fit.h"
#include "gui/settings_dialog.h"
#include "gui/students_list_form.h"
#include "gui/tab_order.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/test_support.h"
#include "text/clock.h"

namespace vellex {
namespace {

constexpr Page kAllPages[] = {Page::Diploma,     Page::SupplementSpo, Page::SupplementNpo,
                              Page::Page2,       Page::Page3,         Page::Academic,
                              Page::Certificate, Page::CertSupplement};

class WindowLayoutTest : public testing::Test {
  protected:
    void SetUp() override { test::ensureApplication(); }

    std::unique_ptr<TMainForm> start(int version) {
        // The size of a first start on an office screen.
        const QSize first = firstStartSize({0, 0, 1920, 1040});
        test::writeFile(dir / "App.ini", "[Settings]\r\nVellexVersion=" + std::to_string(version) +
                                             "\r\nMainWidth=" + std::to_string(first.width()) +
                                             "\r\nMainHeigh=" + std::to_string(first.height()) +
                                             "\r\n");
        auto form = test::showMainForm(dir.path(), clock);
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QApplication::processEvents();
        return form;
    }

    // Shows the page of `panel` in the window.
    static void showPage(TMainForm& form, QWidget* panel) {
        auto* pages = form.findChild<QTabWidget*>(QStringLiteral("PageCtrlSet"));
        for (int i = 0; i < pages->count(); ++i) {
            if (pages->widget(i)->isAncestorOf(panel)) {
                pages->setCurrentIndex(i);
            }
        }
        QApplication::processEvents();
    }

    static bool reachable(const QWidget* w, const QWidget* panel) {
        return w->parentWidget() == panel && w->isVisibleTo(panel) && w->isEnabled() &&
               (w->focusPolicy() & Qt::TabFocus) && !qobject_cast<const QRadioButton*>(w) &&
               (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
                qobject_cast<const QComboBox*>(w) || qobject_cast<const QCheckBox*>(w) ||
                qobject_cast<const QPushButton*>(w));
    }

    // Runs `check(form, panel)` on every page under every edition, the page shown.
    template <class Check>
    void eachPage(Check check) {
        for (int version = 0; version < 3; ++version) {
            auto form = start(version);
            for (Page page : kAllPages) {
                SCOPED_TRACE(testing::Message()
                             << "edition " << version << ", sheet " << static_cast<int>(page));
                QWidget* panel = form->pageWidgets().panels[static_cast<size_t>(page)];
                showPage(*form, panel);
                check(*form, panel);
            }
        }
    }

    test::TempDir dir;
    FixedClock clock{Date{2026, 12, 8}};
    test::MessageLog messages;
};

// Tab walks each page as it is read: the next widget lies below the one before, or right
// of it on the same line; every field, box and button of the page is reached.
TEST_F(WindowLayoutTest, TabWalksEveryPageTopToBottomLeftToRight) {
    eachPage([&](TMainForm&, QWidget* panel) {
        const std::vector<QWidget*> order = screenOrder(panel);
        ASSERT_FALSE(order.empty());
        order.front()->setFocus(Qt::TabFocusReason);
        std::set<QWidget*> seen;
        QWidget* prev = QApplication::focusWidget();
        ASSERT_EQ(prev, order.front());
        seen.insert(prev);
        for (size_t step = 0; step < order.size() + 5; ++step) {
            QTest::keyClick(prev, Qt::Key_Tab);
            QWidget* next = QApplication::focusWidget();
            if (!next || !panel->isAncestorOf(next) || seen.count(next)) {
                break;
            }
            const QRect p = rectOnPanel(prev, panel);
            const QRect n = rectOnPanel(next, panel);
            const bool sameLine = n.top() <= p.bottom() && n.bottom() >= p.top();
            EXPECT_TRUE((sameLine && n.left() > p.left()) || n.center().y() > p.center().y())
                << prev->objectName().toStdString() << " → " << next->objectName().toStdString()
                << " (" << p.x() << "," << p.y() << " → " << n.x() << "," << n.y() << ")";
            seen.insert(next);
            prev = next;
        }
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            if (reachable(w, panel)) {
                EXPECT_TRUE(seen.count(w)) << "not reached: " << w->objectName().toStdString();
            }
        }
    });
}

std::string describe(const QWidget* w) {
    const QRect r = w->geometry();
    return QStringLiteral("%1,%2 %3×%4")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height())
        .toStdString();
}

// Where a widget shows something: a caption only where its lines of text are (the end of
// a short second line leaves room for a field beside it).
QRegion covered(const QWidget* w) {
    const QRect r = w->geometry();
    auto* l = qobject_cast<const QLabel*>(w);
    if (!l || l->textFormat() == Qt::RichText) {
        return r;
    }
    const QFontMetrics fm = l->fontMetrics();
    const QStringList lines = l->text().split(u'\n');
    if (l->wordWrap() && (lines.size() > 1 || fm.horizontalAdvance(l->text()) > r.width())) {
        return r;
    }
    QRegion region;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int width = std::min(r.width(), fm.horizontalAdvance(lines[i]) + 2);
        region += QRect(r.x(), r.y() + static_cast<int>(i) * fm.lineSpacing(), width, fm.height())
                      .intersected(r);
    }
    return region;
}

// What a widget must show whole: a caption's or a box's text.
QString cutText(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        if (l->text().isEmpty()) {
            return {};
        }
        const QSize need = l->sizeHint();
        if (l->wordWrap()) {
            // A word wider than the caption is cut, however many lines it gets.
            for (const QString& word :
                 l->text().split(QRegularExpression(QStringLiteral("\\s+")))) {
                if (l->fontMetrics().horizontalAdvance(word) > l->width()) {
                    return l->text();
                }
            }
        }
        const bool fits = l->wordWrap()
                              ? l->heightForWidth(l->width()) <= l->height()
                              : need.width() <= l->width() && need.height() <= l->height();
        return fits ? QString() : l->text();
    }
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        return b->sizeHint().width() <= b->width() ? QString() : b->text();
    }
    return {};
}

// No two shown widgets of a page (or of one radio group) cover each other, and no caption,
// check box or button cuts its text, on every page under every edition.
TEST_F(WindowLayoutTest, NothingOverlapsOrIsCutOnAnyPage) {
    eachPage([&](TMainForm& form, QWidget* panel) {
        // The first start's size shows the whole width of every page.
        for (QScrollArea* area : form.findChildren<QScrollArea*>()) {
            if (area->widget() == panel) {
                EXPECT_EQ(area->horizontalScrollBar()->maximum(), 0);
            }
        }
        std::vector<QWidget*> parents{panel};
        for (QGroupBox* g : panel->findChildren<QGroupBox*>()) {
            parents.push_back(g);
        }
        for (QWidget* parent : parents) {
            std::vector<QWidget*> shown;
            for (QWidget* w :
                 parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
                if (w->isVisibleTo(panel)) {
                    shown.push_back(w);
                }
            }
            for (size_t i = 0; i < shown.size(); ++i) {
                const QString cut = cutText(shown[i]);
                EXPECT_TRUE(cut.isEmpty())
                    << shown[i]->objectName().toStdString() << " cuts «" << cut.toStdString()
                    << "» " << describe(shown[i]) << ", needs " << shown[i]->sizeHint().width();
                for (size_t j = i + 1; j < shown.size(); ++j) {
                    EXPECT_FALSE(covered(shown[i]).intersects(covered(shown[j])))
                        << shown[i]->objectName().toStdString() << " and "
                        << shown[j]->objectName().toStdString() << " overlap";
                }
            }
        }
    });
}

// A screen reader finds every field, cell, choice and button of every page by its caption,
// also in the rows of a rebuilt table; the grade cells show the longest grade whole.
TEST_F(WindowLayoutTest, EveryControlHasANameAndGradesAreReadable) {
    auto form = start(2);
    form->settings().mode_N_Discipl = 1;
    form->rebuildPage2();
    QApplication::processEvents();
    for (Page page : kAllPages) {
        QWidget* panel = form->pageWidgets().panels[static_cast<size_t>(page)];
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            if ((reachable(w, panel) || qobject_cast<QRadioButton*>(w)) && w->isVisibleTo(panel)) {
                EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
            }
        }
    }
    const std::pair<const char*, const char*> names[] = {
        {"Disciplines_5_Value", "2-я страница, строка 5, оценка"},
        {"Disciplines_62_Discipline", "2-я страница, строка 62, дисциплина"},
        {"Disciplines8_1_AudTime", "3-я страница, строка 1, часы"},
        {"edSurName7", "Фамилия"},
        {"cbTrial", "Вступительные испытания"},
        {"bbPrintSheet7", "Печать Приложения к Свидетельству..."},
    };
    for (const auto& [object, name] : names) {
        QWidget* w = form->findChild<QWidget*>(QString::fromLatin1(object));
        ASSERT_NE(w, nullptr) << object;
        EXPECT_EQ(w->accessibleName().toStdString(), name) << object;
    }

    for (const auto& table : form->pageWidgets().tables) {
        ASSERT_FALSE(table.empty());
        QComboBox* grade = table.front().grade;
        int longest = 0;
        for (int i = 0; i < grade->count(); ++i) {
            longest = std::max(longest, grade->fontMetrics().horizontalAdvance(grade->itemText(i)));
        }
        EXPECT_GE(grade->lineEdit()->width(), longest) << grade->objectName().toStdString();
        EXPECT_GE(grade->view()->minimumWidth(), grade->view()->sizeHintForColumn(0))
            << grade->objectName().toStdString();
    }
}

// Every dialog fits a 1366 × 768 screen with its task bar.
TEST_F(WindowLayoutTest, EveryDialogFitsAnOfficeScreen) {
    const QRect office(0, 0, 1366, 728);
    Settings settings;
    settings.programDir = (dir.path() / "").string();
    Document doc;
    std::vector<std::unique_ptr<QDialog>> dialogs;
    dialogs.push_back(std::make_unique<TSettings>(settings, 0));
    dialogs.push_back(std::make_unique<TSettings>(settings, 1));
    dialogs.push_back(std::make_unique<TAbout>());
    dialogs.push_back(std::make_unique<TListParamForm>(settings));
    dialogs.push_back(std::make_unique<TDisciplinesListForm>(doc, settings));
    dialogs.push_back(std::make_unique<TStudentsListForm>(doc, settings));
    for (const auto& d : dialogs) {
        d->adjustSize();
        const QSize fits = fitToScreen(d->size(), office);
        EXPECT_EQ(d->size(), fits) << d->objectName().toStdString();
    }
}

}  // namespace
}  // namespace vellex

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <memory>
#include <span>
#include <tuple>

#include "gui/gui_text.h"
#include "gui/main_form.h"
#include "gui/page_layout.h"
#include "gui/page_variants.h"
#include "gui/settings_dialog.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/test_support.h"
#include "text/clock.h"

namespace vellex {
namespace {

using test::cp;

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// A main window started under a given blank edition.
class PageVariantsTest : public testing::Test {
  protected:
    void SetUp() override { test::ensureApplication(); }

    std::unique_ptr<TMainForm> start(int version) {
        test::writeFile(dir / "App.ini",
                        "[Settings]\r\nVellexVersion=" + std::to_string(version) + "\r\n");
        return test::showMainForm(dir.path(), clock);
    }

    template <class W = QWidget>
    static W* child(QWidget& form, const char* name) {
        W* w = form.findChild<W*>(q(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QString caption(QWidget& form, const char* name) {
        auto* l = child<QLabel>(form, name);
        return l ? l->text() : QString();
    }

    // Chooses `version` in the layout settings dialog opened by the menu or the toolbar.
    static void chooseVersion(TMainForm& form, int version, bool toolbar) {
        QTimer::singleShot(0, [version] {
            auto* dialog = test::modalDialog();
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QRadioButton*>(QStringLiteral("rgVellexVersion_%1").arg(version))
                ->click();
            dialog->findChild<QPushButton*>(QStringLiteral("BitBtnOK"))->click();
        });
        if (toolbar) {
            form.sbtSetClick();
        } else {
            form.mnSettingsClick();
        }
    }

    // Every row of every page's table as the window shows it.
    static void expectPagesShow(TMainForm& form, int version, std::span<const Page> pages) {
        for (Page page : pages) {
            QWidget* panel = form.pageWidgets().panels[static_cast<size_t>(page)];
            for (const VariantRow& row : pageVariants(page)) {
                const Table* t = pageTable(page);
                if (t && q(row.name) == fromUtf8(tableName(*t))) {
                    continue;  // whole tables: checked by their cells
                }
                if (page == Page::Academic && version == 2 && typeCaption(row.name)) {
                    continue;  // the type captions come after the page's rows
                }
                QWidget* w = panel->findChild<QWidget*>(q(row.name));
                ASSERT_NE(w, nullptr) << row.name;
                const size_t v = static_cast<size_t>(version);
                if (auto* l = qobject_cast<QLabel*>(w); l && row.text[v]) {
                    EXPECT_EQ(l->text(), q(row.text[v])) << row.name << " v" << version;
                }
                if (row.shown[v] == Shown::Show || row.shown[v] == Shown::Hide) {
                    EXPECT_EQ(w->isHidden(), row.shown[v] == Shown::Hide)
                        << row.name << " v" << version;
                }
            }
        }
    }

    static bool typeCaption(const char* name) {
        for (const VariantRow& r : academicTypeRows(0)) {
            if (q(r.name) == q(name)) {
                return true;
            }
        }
        return false;
    }

    static void leave(QWidget* w) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(w, &out);
    }

    test::TempDir dir;
    FixedClock clock{Date{2026, 12, 8}};
    test::MessageLog messages;
};

constexpr Page kSixPages[] = {Page::Diploma,  Page::SupplementSpo, Page::SupplementNpo,
                              Page::Academic, Page::Certificate,   Page::CertSupplement};
constexpr Page kAllPages[] = {Page::Diploma,     Page::SupplementSpo, Page::SupplementNpo,
                              Page::Page2,       Page::Page3,         Page::Academic,
                              Page::Certificate, Page::CertSupplement};
constexpr Page kVersion1Pages[] = {Page::SupplementSpo, Page::Academic, Page::Diploma};

// ---- Start-up.
TEST_F(PageVariantsTest, StartUnderVersion0IsTheDesignedLayout) {
    auto form = start(0);
    // The designed captions are the version-0 captions of the tables, word for word.
    expectPagesShow(*form, 0, kAllPages);
    EXPECT_EQ(caption(*form, "lDiplomNum"), q("СБ 4467321"));
    EXPECT_FALSE(child(*form, "cbTrial")->isHidden());
    EXPECT_TRUE(child(*form, "edRukObrazUch2")->isHidden());
    // The extra top line of the diploma waits for its flag.
    EXPECT_TRUE(child(*form, "edTownDiplom0")->isHidden());
}

TEST_F(PageVariantsTest, StartUnderVersion2ShowsThe2010BlanksEverywhere) {
    auto form = start(2);
    expectPagesShow(*form, 2, kAllPages);
    EXPECT_EQ(caption(*form, "lbEntry"), q("Серия и номер"));
    EXPECT_EQ(caption(*form, "Label8"), q("о среднем профессиональном образовании"));
    EXPECT_EQ(caption(*form, "lDiplomNum"), q("23 СПА 0007171"));
    EXPECT_EQ(caption(*form, "Label94"), q("о среднем профессиональном образовании"));
    EXPECT_EQ(caption(*form, "Label87"), caption(*form, "Label4"));
    EXPECT_EQ(caption(*form, "Label20"), q("02 НСА 5016573"));
    EXPECT_EQ(caption(*form, "Label66"), q("об уровне квалификации"));
    for (const char* name : {"lRukObrazUch2", "edSecretar", "edYearOut", "lRukObrazUch8",
                             "edSecretar8", "edDayOut8", "edTownDiplom0", "rgProfEduTypeAcadem"}) {
        EXPECT_FALSE(child(*form, name)->isHidden()) << name;
    }
    EXPECT_TRUE(child(*form, "Disciplines4_1_Discipline")->isHidden());
    EXPECT_TRUE(child(*form, "btnClearValue7")->isHidden());
    EXPECT_FALSE(child(*form, "edSchool6")->isHidden());
    EXPECT_FALSE(child(*form, "edSchoolNPO6")->isHidden());
    EXPECT_EQ(child<QLabel>(*form, "Label21")->font().pointSize(), 7);
    // Signature blocks stand between the clear buttons and the print button, also after
    // the row count changed.
    form->settings().mode_N_Discipl = 4;
    form->rebuildPage2();
    for (const auto& [clear, block, print] :
         {std::tuple{"btnClearValue", "edYearOut", "bbPrintSheet2"},
          std::tuple{"btnClearValue8", "edYearOut8", "bbPrintSheet8"}}) {
        const QRect c = child(*form, clear)->geometry();
        const QRect b = child(*form, block)->geometry();
        const QRect p = child(*form, print)->geometry();
        EXPECT_GT(b.top(), c.bottom()) << block;
        EXPECT_GT(p.top(), b.bottom()) << print;
        EXPECT_LE(p.bottom(), child(*form, print)->parentWidget()->height()) << print;
    }
}

TEST_F(PageVariantsTest, Version1BorrowsTheSpoCaptionsOnTheAcademicPage) {
    auto form = start(1);
    expectPagesShow(*form, 1, kVersion1Pages);
    EXPECT_EQ(caption(*form, "lbCourseWork"), q("Курсовые работы (курсовое проектирование):"));
    EXPECT_EQ(caption(*form, "Label16"), caption(*form, "lbCourseWork"));
    EXPECT_TRUE(child(*form, "edCourseWork4")->isHidden());
    EXPECT_FALSE(child(*form, "edExamMore6")->isHidden());
    EXPECT_TRUE(child(*form, "edExamMore7")->isHidden());
    EXPECT_FALSE(child(*form, "edTrial1")->isHidden());
    for (const char* name : {"lbOrder", "Label43", "Label24", "lbReasonOfDeduction", "edReason44",
                             "edSchool46", "edNumToDipl4", "Disciplines4_1_Value"}) {
        EXPECT_TRUE(child(*form, name)->isHidden()) << name;
    }
    EXPECT_EQ(caption(*form, "lbDateOrder"), q("Документ содержит количество листов"));
}

// ---- Changing the edition in the layout settings.
TEST_F(PageVariantsTest, ChangingTheVersionRelabelsSixPagesAndPages2And3Wait) {
    for (bool toolbar : {false, true}) {
        SCOPED_TRACE(toolbar ? "toolbar" : "menu");
        auto form = start(0);
        const QRect entry = child(*form, "edEntry1")->geometry();
        const QRect town = child(*form, "lbTown")->geometry();
        form->document().setText(Field::edPredGosAttCom, "Sidorov");
        chooseVersion(*form, 2, toolbar);
        ASSERT_EQ(form->settings().VellexVersion, 2);
        expectPagesShow(*form, 2, kSixPages);
        EXPECT_TRUE(child(*form, "edRukObrazUch8")->isHidden());
        if (form->document().rowCount(Table::Disciplines) == 54) {
            EXPECT_TRUE(child(*form, "edRukObrazUch2")->isHidden());
        }
        // And back: the 2010 fields hide and keep what they hold.
        chooseVersion(*form, 0, toolbar);
        expectPagesShow(*form, 0, kSixPages);
        EXPECT_TRUE(child(*form, "edPredGosAttCom")->isHidden());
        EXPECT_EQ(form->document().text(Field::edPredGosAttCom), "Sidorov");
        EXPECT_EQ(child<QLineEdit>(*form, "edPredGosAttCom")->text(), q("Sidorov"));
        EXPECT_FALSE(child(*form, "Disciplines4_26_Value")->isHidden());
        // Every component is back in its designed place, through the 2007 layout too.
        chooseVersion(*form, 2, toolbar);
        chooseVersion(*form, 1, toolbar);
        EXPECT_EQ(child(*form, "edEntry1")->width(), entry.width());
        chooseVersion(*form, 0, toolbar);
        EXPECT_EQ(child(*form, "edEntry1")->geometry(), entry);
        EXPECT_EQ(child(*form, "lbTown")->geometry(), town);
    }
}

// ---- The diploma type and the academic type.
TEST_F(PageVariantsTest, NpoUnderVersion2SetsTheHeadingsAndTheAcademicType) {
    auto form = start(2);
    child<QRadioButton>(*form, "rgProfEduType_3")->click();
    EXPECT_EQ(caption(*form, "Label8"), q("о начальном профессиональном образовании"));
    EXPECT_EQ(caption(*form, "lDiplomNum"), q("23 НПА 0007172"));
    EXPECT_TRUE(caption(*form, "Label4").contains(q("прошел(а) учеб-\nную")));
    EXPECT_EQ(form->document().choice(Choice::rgProfEduTypeAcadem), 1);
    EXPECT_TRUE(child<QRadioButton>(*form, "rgProfEduTypeAcadem_1")->isChecked());
    EXPECT_EQ(caption(*form, "Label20"), q("01 ССА 7038568"));
    EXPECT_TRUE(child(*form, "Label15")->isHidden());
    // The academic group keeps the paper of the diploma type.
    child<QRadioButton>(*form, "rgProfEduTypeAcadem_0")->click();
    EXPECT_EQ(form->document().choice(Choice::rgProfEduType), 2);
    EXPECT_EQ(caption(*form, "Label8"), q("о среднем профессиональном образовании"));
    EXPECT_FALSE(child(*form, "Label15")->isHidden());
}

TEST_F(PageVariantsTest, BeforeTheFirstSwitchTheTypeClickOnlySelects) {
    auto form = start(0);
    child<QRadioButton>(*form, "rgProfEduType_1")->click();
    EXPECT_EQ(form->document().choice(Choice::rgProfEduType), 1);
    EXPECT_EQ(caption(*form, "Label8").contains(q("НАЧАЛЬНОМ")), false);
}

// ---- Line-count groups.
TEST_F(PageVariantsTest, SixSchoolLinesMirrorBothWays) {
    auto form = start(0);
    child<QRadioButton>(*form, "rgSchool_1")->click();
    EXPECT_TRUE(child<QRadioButton>(*form, "rgSchoolNPO_1")->isChecked());
    EXPECT_FALSE(child(*form, "edSchoolNPO6")->isHidden());
    child<QRadioButton>(*form, "rgSchoolNPO_0")->click();
    EXPECT_TRUE(child<QRadioButton>(*form, "rgSchool_0")->isChecked());
    EXPECT_TRUE(child(*form, "edSchool5")->isHidden());
}

// ---- Field behaviours through the window.
TEST_F(PageVariantsTest, LeavingASurnameFillsOnlyTheEmptyOnes) {
    auto form = start(2);
    form->document().setText(Field::edSurNameNPO, cp("Петров"));
    form->refreshFromDocument();
    auto* surname = child<QLineEdit>(*form, "edSurName");
    surname->setFocus();
    surname->setText(q("Иванов"));
    Q_EMIT surname->textEdited(surname->text());
    leave(surname);
    EXPECT_EQ(child<QLineEdit>(*form, "edStudentDiplom1")->text(), q("Иванов"));
    EXPECT_EQ(child<QLineEdit>(*form, "edSurName4")->text(), q("Иванов"));
    EXPECT_EQ(child<QLineEdit>(*form, "edSurNameNPO")->text(), q("Петров"));
}

TEST_F(PageVariantsTest, UntickingTheTopLineDiscardsIt) {
    auto form = start(0);
    auto* box = child<QCheckBox>(*form, "cbAddLineUp_Diplom");
    box->click();
    auto* top = child<QLineEdit>(*form, "edTownDiplom0");
    EXPECT_FALSE(top->isHidden());
    top->setText(q("Министерство"));
    Q_EMIT top->textEdited(top->text());
    box->click();
    EXPECT_TRUE(top->isHidden());
    EXPECT_EQ(form->document().text(Field::edTownDiplom0), "");
    box->click();
    EXPECT_TRUE(top->text().isEmpty());
}

TEST_F(PageVariantsTest, DuplicateFlagIsOneSettingStoredOnClosing) {
    {
        auto form = start(2);
        child<QCheckBox>(*form, "cbCopySignDbl")->click();
        EXPECT_TRUE(child<QCheckBox>(*form, "cbCopySign")->isChecked());
        form->close();
    }
    EXPECT_NE(test::readFile(dir / "App.ini").find("CopySign=1"), std::string::npos);
}

TEST_F(PageVariantsTest, StyleFlagsShowOnTheFields) {
    auto form = start(0);
    child<QCheckBox>(*form, "cbBold_Diplom")->click();
    EXPECT_TRUE(child<QCheckBox>(*form, "cbBold_Diplom5")->isChecked());
    EXPECT_TRUE(child(*form, "edSpecDiplom1")->font().bold());
    child<QCheckBox>(*form, "cbItalic_Diplom")->click();
    EXPECT_TRUE(child(*form, "edQualifyDiplom1")->font().italic());
    EXPECT_TRUE(child(*form, "edQualifyDiplom1")->font().bold());
    EXPECT_FALSE(child(*form, "edRegNoDiplom")->font().italic());
}

TEST_F(PageVariantsTest, ClearingGradesLeavesNamesAndHours) {
    auto form = start(2);
    Document& doc = form->document();
    const int rows = doc.rowCount(Table::Disciplines);
    for (int r = 1; r <= rows; ++r) {
        doc.setCell(Table::Disciplines, r, Column::Discipline, "Math");
        doc.setCell(Table::Disciplines, r, Column::AudTime, "72");
        doc.setCell(Table::Disciplines, r, Column::Value, "5");
    }
    doc.setCell(Table::Disciplines8, 1, Column::Value, "4");
    form->refreshFromDocument();
    child<QPushButton>(*form, "btnClearValue")->click();
    EXPECT_EQ(doc.cell(Table::Disciplines, rows, Column::Value), "");
    EXPECT_EQ(doc.cell(Table::Disciplines, rows, Column::AudTime), "72");
    EXPECT_EQ(doc.cell(Table::Disciplines8, 1, Column::Value), "4");
    const QString last = cellObjectName(Table::Disciplines, rows, Column::Value);
    EXPECT_EQ(form->findChild<QComboBox*>(last)->currentIndex(), -1);
}

}  // namespace
}  // namespace vellex

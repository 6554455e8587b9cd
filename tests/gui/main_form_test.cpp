#include <gtest/gtest.h>

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <memory>

#include "gui/about_dialog.h"
#include "gui/file_dialog_form.h"
#include "gui/gui_text.h"
#include "gui/main_form.h"
#include "gui/page_builder.h"
#include "gui/screen_fit.h"
#include "storage/document_file.h"
#include "storage/settings.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/test_support.h"
#include "text/clock.h"

namespace vellex {
namespace {

using test::cp;

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

// Types `text` into a widget as key presses carrying the characters (any alphabet).
void type(QWidget* w, const QString& text) {
    if (auto* box = qobject_cast<QComboBox*>(w)) {
        w = box->lineEdit();
    }
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(w, &release);
    }
}

// A main window over a fresh program folder, with every box answered by the log.
class MainFormTest : public testing::Test {
  protected:
    void SetUp() override { test::ensureApplication(); }
    void TearDown() override {
        FileDialogForm::setHook({});
        TMainForm::setPreviewHook({});
    }

    std::unique_ptr<TMainForm> makeForm(QStringList arguments = {}) {
        return test::showMainForm(dir.path(), clock, std::move(arguments));
    }

    // The file dialogs answer with `path` (empty: cancel) and remember what they offered.
    void answerDialogs(const std::filesystem::path& path) {
        FileDialogForm::setHook([this, path](const FileDialogForm::Request& r) {
            lastRequest = r;
            return path.empty() ? QString() : pathToQString(path);
        });
    }

    template <class W>
    static W* child(QWidget& form, const char* name) {
        W* w = form.findChild<W*>(QString::fromUtf8(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    test::TempDir dir;
    FixedClock clock{Date{2026, 12, 8}};
    test::MessageLog messages;
    FileDialogForm::Request lastRequest;
};

// ---- Every field, flag, choice and table cell is a widget named after it.
TEST_F(MainFormTest, EveryDocumentPartHasItsNamedWidget) {
    auto form = makeForm();
    for (int i = 0; i < kFieldCount; ++i) {
        const std::string name(fieldName(static_cast<Field>(i)));
        EXPECT_NE(form->findChild<QWidget*>(QString::fromStdString(name)), nullptr) << name;
    }
    for (int i = 0; i < kFlagCount; ++i) {
        const std::string name(flagName(static_cast<Flag>(i)));
        EXPECT_NE(form->findChild<QWidget*>(QString::fromStdString(name)), nullptr) << name;
    }
    for (int i = 0; i < kChoiceCount; ++i) {
        const std::string name(choiceName(static_cast<Choice>(i)));
        EXPECT_NE(form->findChild<QWidget*>(QString::fromStdString(name)), nullptr) << name;
    }
    for (Table t :
         {Table::Disciplines, Table::Disciplines8, Table::Disciplines4, Table::Disciplines7}) {
        const int rows = form->document().rowCount(t);
        for (Column c : {Column::Discipline, Column::AudTime, Column::Value}) {
            EXPECT_NE(form->findChild<QWidget*>(cellObjectName(t, rows, c)), nullptr);
        }
        EXPECT_EQ(form->findChild<QWidget*>(cellObjectName(t, rows + 1, Column::Discipline)),
                  nullptr);
    }
    const auto* pages = child<QTabWidget>(*form, "PageCtrlSet");
    const char* captions[] = {"Диплом",
                              "Приложение СПО (Стр.1)",
                              "Приложение НПО (Стр.1)",
                              "Приложение / Справка (Стр.2)",
                              "Продолжение (Стр.3)",
                              "Академическая справка (Стр.1)",
                              "Свидетельство",
                              "Приложение к Свидетельству"};
    ASSERT_EQ(pages->count(), 8);
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(pages->tabText(i), q(captions[i]));
    }
    EXPECT_TRUE(messages.entries().empty());
}

TEST_F(MainFormTest, MenusHoldTheirItemsInOrderWithTheThreeShortcuts) {
    auto form = makeForm();
    QStringList seen;
    QStringList shortcuts;
    for (QAction* top : form->menuBar()->actions()) {
        seen << top->text();
        for (QAction* a : top->menu()->actions()) {
            seen << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
            if (!a->shortcut().isEmpty()) {
                shortcuts << a->objectName() + u'=' + a->shortcut().toString();
            }
        }
    }
    const QString expected =
        q("&Файл mnOpen mnOpenOldInNew mnOpenOldInNew2 mnOpenOldInNew3 mnOpenOldInNew4 - "
          "mnRunConverter - mnSave - mnPrintSheetDiplom mnPrintSheet1 mnPrintSheet2 mnPrintSheet8 "
          "mnPrintSheet4 mnPrintSheet5 mnPrintSheetCertificate mnPrintSheet7 - mnExit "
          "&Сервис mnCopyDiplomDataToApps mnCopyAppSPODataToAppNPO mnCopyAppNPODataToAppSPO "
          "mnCopyAppSPODataToDiplom mnCopyAppNPODataToDiplom mnCopyCertificateDataToCertApps - "
          "mnSettings Список mnStudentsList mnDisciplinesList mnResultsList - mnListParam "
          "&? mnAbout");
    EXPECT_EQ(seen.join(u' '), expected);
    EXPECT_EQ(shortcuts.join(u' '), QStringLiteral("mnOpen=F3 mnSave=F2 mnSettings=Ctrl+S"));
}

// ---- Start-up without "App.ini", and the settings written on closing.
TEST_F(MainFormTest, StartsWithDefaultsAndWritesAppIniOnClosing) {
    auto form = makeForm();
    // A whole page without scrolling sideways, within the screen.
    const QSize first = firstStartSize(QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_EQ(form->size(), first);
    EXPECT_EQ(form->settings().VellexVersion, 2);
    EXPECT_EQ(form->document().rowCount(Table::Disciplines), 54);
    EXPECT_EQ(form->pageWidgets().tables[0].size(), 54u);
    EXPECT_EQ(form->document().choice(Choice::cbTrial), 0);
    // Without App.ini the settings dialog opens on its first tab.
    EXPECT_FALSE(form->settings().modePositionTab);
    EXPECT_TRUE(form->windowTitle().endsWith(QStringLiteral(" (v" VELLEX_VERSION ")")));
    form->close();
    const std::string ini = test::readFile(dir / "App.ini");
    EXPECT_EQ(ini.substr(0, ini.find("\r\n")), "[Settings]");
    EXPECT_NE(ini.find("MainWidth=" + std::to_string(first.width())), std::string::npos);
    EXPECT_TRUE(messages.entries().empty());
}

TEST_F(MainFormTest, ClosingStillClosesWhenAppIniCannotBeWritten) {
    auto form = makeForm();
    std::filesystem::create_directory(dir / "App.ini");  // a folder where the file should be
    EXPECT_TRUE(form->close());
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_EQ(messages.entries()[0].caption, QStringLiteral("Ошибка"));
    EXPECT_TRUE(messages.entries()[0].text.contains(QStringLiteral("App.ini")));
}

TEST(FirstStartSize, HoldsAPageOrTheWholeScreen) {
    struct Case {
        QRect available;
        QSize size;
    } cases[] = {
        {{0, 0, 1920, 1040}, {1030, 720}},
        {{0, 0, 1366, 728}, {1030, 688}},  // 1366 × 768 with the task bar
        {{0, 0, 800, 560}, {784, 520}},
        {{}, {1030, 720}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(firstStartSize(c.available), c.size) << c.available.width();
    }
}

// ---- The toolbar follows the window's width.
struct ToolbarCase {
    int width;
    const char* print2;
    const char* print4;
    const char* print6;
    const char* print7;
};

class ToolbarCaptions : public MainFormTest, public testing::WithParamInterface<ToolbarCase> {};

TEST_P(ToolbarCaptions, ShortenWithTheWindow) {
    auto form = makeForm();
    const ToolbarCase& c = GetParam();
    form->resize(c.width, 500);
    QCoreApplication::processEvents();
    const int e = (c.width - 600) / 4;
    EXPECT_EQ(child<QToolButton>(*form, "sbtPrint2")->text(), q(c.print2));
    EXPECT_EQ(child<QToolButton>(*form, "sbtPrint4")->text(), q(c.print4));
    EXPECT_EQ(child<QToolButton>(*form, "sbtPrint6")->text(), q(c.print6));
    EXPECT_EQ(child<QToolButton>(*form, "sbtPrint7")->text(), q(c.print7));
    EXPECT_EQ(child<QToolButton>(*form, "sbtPrint2")->width(), e + 55);
    EXPECT_EQ(child<QToolButton>(*form, "sbtPrint7")->width(), e + 46);
    EXPECT_EQ(child<QToolButton>(*form, "bbExit")->x(), c.width - 80);
    EXPECT_EQ(child<QLineEdit>(*form, "edPath2CSV")->width(), c.width - 320);
    EXPECT_EQ(child<QTabWidget>(*form, "PageCtrlSet")->width(), c.width - 8);
}

INSTANTIATE_TEST_SUITE_P(Widths, ToolbarCaptions,
                         testing::Values(ToolbarCase{600, "Прил", "Справка", "C", "ПC"},
                                         ToolbarCase{760, "Прил-ние", "Академ Справка", "C", "ПC"},
                                         ToolbarCase{1000, "Приложение", "Академическая Справка",
                                                     "Свидетельство", "Прил к Свидет-ву"}));

TEST_F(MainFormTest, WindowDoesNotShrinkBelowItsMinimum) {
    auto form = makeForm();
    form->resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(form->size(), QSize(600, 480));
}

// ---- The command line.
TEST_F(MainFormTest, RelativeCommandLineNameOpensFromTheProgramFolder) {
    Document doc;
    doc.setText(Field::edSurName, cp("Иванов"));
    std::string error;
    ASSERT_TRUE(writeDocument(dir / "ivanov.app", doc, documentFileFormat(Settings{}), &error))
        << error;
    auto form = makeForm({QStringLiteral("ivanov.app")});
    EXPECT_EQ(form->document().text(Field::edSurName), cp("Иванов"));
    EXPECT_EQ(child<QLineEdit>(*form, "edSurName")->text(), q("Иванов"));
    EXPECT_EQ(form->documentFileName(), dir / "ivanov.app");
}

TEST_F(MainFormTest, MissingCommandLineFileIsRememberedForSaving) {
    auto form = makeForm({QStringLiteral("petrov.app")});
    EXPECT_TRUE(messages.entries().empty());
    EXPECT_EQ(form->documentFileName(), dir / "petrov.app");
    EXPECT_EQ(form->proposedSaveName(), pathToQString(dir / "petrov.app"));
}

// ---- Tables.
TEST_F(MainFormTest, RowModeChangeRebuildsOnlyPageTwo) {
    auto form = makeForm();
    Document& doc = form->document();
    doc.setCell(Table::Disciplines, 1, Column::Discipline, cp("История"));
    doc.setCell(Table::Disciplines8, 48, Column::AudTime, "72");
    doc.setCell(Table::Disciplines4, 1, Column::Discipline, cp("Физика"));
    doc.setCell(Table::Disciplines7, 34, Column::Value, cp("зачет"));
    form->refreshFromDocument();
    ASSERT_EQ(form->settings().mode_N_Discipl, 3);

    form->settings().mode_N_Discipl = 4;
    form->rebuildPage2();

    ASSERT_EQ(doc.rowCount(Table::Disciplines), 94);
    const auto& rows = form->pageWidgets().tables[0];
    ASSERT_EQ(rows.size(), 94u);
    for (int r = 1; r <= 94; ++r) {
        EXPECT_EQ(doc.cell(Table::Disciplines, r, Column::Discipline), "");
        EXPECT_TRUE(rows[static_cast<size_t>(r - 1)].name->text().isEmpty());
    }
    EXPECT_EQ(rows.back().name->y(), 90 + 93 * 22);
    EXPECT_EQ(doc.cell(Table::Disciplines8, 48, Column::AudTime), "72");
    EXPECT_EQ(child<QLineEdit>(*form, "Disciplines4_1_Discipline")->text(), q("Физика"));
    EXPECT_EQ(child<QComboBox>(*form, "Disciplines7_34_Value")->currentText(), q("зачет"));
}

// The older blanks: the 2010 one puts its signature block before the print button.
TEST_F(MainFormTest, DoubleLineModePairsTheRows) {
    test::writeFile(dir / "App.ini", "[Settings]\r\nVellexVersion=0\r\n");
    auto form = makeForm();
    form->settings().mode_N_Discipl = 2;
    form->rebuildPage2();
    const auto& rows = form->pageWidgets().tables[0];
    ASSERT_EQ(rows.size(), 58u);
    EXPECT_EQ(rows[0].name->y(), 91);
    EXPECT_EQ(rows[1].name->y(), 90 + 24 - 1);
    const QWidget* print = child<QWidget>(*form, "bbPrintSheet2");
    EXPECT_EQ(print->y(), 90 + 57 * 24 + 68);
    EXPECT_EQ(child<QWidget>(*form, "PanelSet2")->height(), 90 + 57 * 24 + 104);
}

struct GradeCase {
    const char* name;
    const char* evalDat;  // nullptr: no file
    int entries;
    const char* first;
};

class GradeDropDowns : public MainFormTest, public testing::WithParamInterface<GradeCase> {};

TEST_P(GradeDropDowns, OfferTheGradeList) {
    const GradeCase& c = GetParam();
    if (c.evalDat) {
        test::writeFile(dir / "eval.dat", cp(c.evalDat));
    }
    auto form = makeForm();
    for (const char* cell : {"Disciplines_1_Value", "Disciplines_54_Value", "Disciplines8_48_Value",
                             "Disciplines4_1_Value", "Disciplines7_34_Value"}) {
        auto* box = child<QComboBox>(*form, cell);
        EXPECT_EQ(box->count(), c.entries) << cell;
        EXPECT_EQ(box->maxVisibleItems(), c.entries) << cell;
        EXPECT_EQ(box->itemText(0), q(c.first)) << cell;
        EXPECT_TRUE(box->isEditable());
        EXPECT_TRUE(box->currentText().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(EvalDat, GradeDropDowns,
                         testing::Values(GradeCase{"NoFile", nullptr, 14, "5 (пять)"},
                                         GradeCase{"TwoLines", "отл\r\nхор\r\n", 16, "отл"},
                                         GradeCase{"ThreeLines", "отл\r\nхор\r\nуд\r\n", 3, "отл"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormTest, ClearButtonEmptiesOneColumn) {
    auto form = makeForm();
    Document& doc = form->document();
    doc.setCell(Table::Disciplines, 3, Column::Discipline, cp("Химия"));
    doc.setCell(Table::Disciplines, 3, Column::Value, cp("отлично"));
    form->refreshFromDocument();
    child<QPushButton>(*form, "btnClearValue")->click();
    EXPECT_EQ(doc.cell(Table::Disciplines, 3, Column::Value), "");
    EXPECT_EQ(doc.cell(Table::Disciplines, 3, Column::Discipline), cp("Химия"));
    EXPECT_TRUE(child<QComboBox>(*form, "Disciplines_3_Value")->currentText().isEmpty());
}

// ---- Typing.
TEST_F(MainFormTest, TypedTextReachesTheDocumentAndForeignCharactersAreRefused) {
    auto form = makeForm();
    auto* surname = child<QLineEdit>(*form, "edSurName");
    type(surname, q("Иванов"));
    EXPECT_EQ(form->document().text(Field::edSurName), cp("Иванов"));
    EXPECT_TRUE(messages.entries().empty());

    type(surname, q("Ω"));
    EXPECT_EQ(form->document().text(Field::edSurName), cp("Иванов"));
    EXPECT_EQ(surname->text(), q("Иванов"));
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_TRUE(messages.entries()[0].text.contains(q("Ω")));

    auto* grade = child<QComboBox>(*form, "Disciplines4_2_Value");
    type(grade, q("5"));
    EXPECT_EQ(form->document().cell(Table::Disciplines4, 2, Column::Value), "5");
}

TEST_F(MainFormTest, ActivationRestoresTheStoredSchoolLines) {
    auto form = makeForm();
    ASSERT_EQ(form->settings().SchoolMode, 1);
    child<QRadioButton>(*form, "rgSchool_0")->click();
    EXPECT_EQ(form->document().choice(Choice::rgSchool), 0);
    EXPECT_EQ(form->document().choice(Choice::rgSchoolNPO), 0);
    EXPECT_TRUE(child<QWidget>(*form, "edSchool5")->isHidden());

    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(form.get(), &activate);

    EXPECT_EQ(form->document().choice(Choice::rgSchool), 1);
    EXPECT_EQ(form->document().choice(Choice::rgSchoolNPO), 1);
    EXPECT_TRUE(child<QRadioButton>(*form, "rgSchool_1")->isChecked());
    EXPECT_FALSE(child<QWidget>(*form, "edSchool5")->isHidden());
    EXPECT_FALSE(child<QWidget>(*form, "edSchoolNPO6")->isHidden());
}

TEST_F(MainFormTest, KeyboardWalksEachPageTopToBottomAndTablesRowByRow) {
    auto form = makeForm();
    auto next = [&](const char* from) {
        QWidget* w = child<QWidget>(*form, from)->nextInFocusChain();
        return w ? w->objectName() : QString();
    };
    // Fields beside a line group come between its lines (the order follows the screen,
    // checked page by page in window_layout_test); a group alone keeps its lines in turn.
    EXPECT_EQ(next("edExamMore9"), QStringLiteral("edExamMore10"));
    EXPECT_EQ(next("Disciplines4_3_Discipline"), QStringLiteral("Disciplines4_3_AudTime"));
    EXPECT_EQ(next("Disciplines4_3_AudTime"), QStringLiteral("Disciplines4_3_Value"));
    // The drop-down's own edit comes between a grade and the next row.
    QWidget* afterGrade = child<QWidget>(*form, "Disciplines_1_Value")->nextInFocusChain();
    if (afterGrade && afterGrade->parent() == child<QWidget>(*form, "Disciplines_1_Value")) {
        afterGrade = afterGrade->nextInFocusChain();
    }
    ASSERT_NE(afterGrade, nullptr);
    EXPECT_EQ(afterGrade->objectName(), QStringLiteral("Disciplines_2_Discipline"));
}

// The older blanks: under the 2010 one "3 строки" leaves the page as it is.
TEST_F(MainFormTest, QualificationLinesMakeRoomUnderThemselves) {
    test::writeFile(dir / "App.ini", "[Settings]\r\nVellexVersion=0\r\n");
    auto form = makeForm();
    auto* spec1 = child<QWidget>(*form, "edSpecRight1");
    child<QRadioButton>(*form, "rgQualify_0")->click();
    EXPECT_TRUE(child<QWidget>(*form, "edQualify2")->isHidden());
    EXPECT_EQ(form->document().choice(Choice::rgQualifyNPO), 0);
    const int up = spec1->y();
    child<QRadioButton>(*form, "rgQualify_1")->click();
    EXPECT_FALSE(child<QWidget>(*form, "edQualify3")->isHidden());
    EXPECT_FALSE(child<QWidget>(*form, "edQualifyNPO3")->isHidden());
    EXPECT_EQ(spec1->y(), up + 44);
    EXPECT_GT(spec1->y(), child<QWidget>(*form, "edQualify3")->geometry().bottom());
}

// ---- Open, save, open again.
TEST_F(MainFormTest, OpenEditSaveOpenKeepsTheDocument) {
    Document doc;
    doc.setText(Field::edTownDiplom, cp("Тула"));
    doc.setCell(Table::Disciplines7, 2, Column::Discipline, cp("Черчение"));
    std::string error;
    ASSERT_TRUE(writeDocument(dir / "in.app", doc, documentFileFormat(Settings{}), &error));

    auto form = makeForm();
    answerDialogs(dir / "in.app");
    form->mnOpenClick();
    EXPECT_EQ(lastRequest.title, q("Открыть состояние из..."));
    EXPECT_EQ(lastRequest.defaultSuffix, QStringLiteral("App"));
    EXPECT_EQ(child<QLineEdit>(*form, "edTownDiplom")->text(), q("Тула"));
    EXPECT_EQ(child<QLineEdit>(*form, "Disciplines7_2_Discipline")->text(), q("Черчение"));

    type(child<QLineEdit>(*form, "edRegNoDiplom"), QStringLiteral("12345"));
    type(child<QComboBox>(*form, "Disciplines_1_Value"), QStringLiteral("3"));
    answerDialogs(dir / "out.app");
    form->mnSaveClick();
    EXPECT_EQ(lastRequest.title, q("Сохранить текущее состояние как..."));
    EXPECT_EQ(lastRequest.proposedName, pathToQString(dir / "in.app"));
    EXPECT_EQ(form->documentFileName(), dir / "in.app") << "saving keeps the document's name";

    auto again = makeForm();
    answerDialogs(dir / "out.app");
    again->mnOpenClick();
    EXPECT_EQ(again->document().text(Field::edTownDiplom), cp("Тула"));
    EXPECT_EQ(again->document().text(Field::edRegNoDiplom), "12345");
    EXPECT_EQ(again->document().cell(Table::Disciplines7, 2, Column::Discipline), cp("Черчение"));
    // A grade typed as a bare number comes back as typed, not as a list position.
    EXPECT_EQ(again->document().cell(Table::Disciplines, 1, Column::Value), "3");
    EXPECT_TRUE(messages.entries().empty());
}

TEST_F(MainFormTest, DocumentsOwnSettingsComeFirstAndGoWithIt) {
    test::writeFile(dir / "App.ini", "[Settings]\r\nEachSaveSet=1\r\n");
    Document doc(94);
    doc.setCell(Table::Disciplines, 90, Column::Discipline, cp("Астрономия"));
    DocumentFileFormat format;
    format.rowsPage2 = 94;
    std::string error;
    ASSERT_TRUE(writeDocument(dir / "x.app", doc, format, &error)) << error;
    test::writeFile(dir / "x.ini", "[Settings]\r\nmode_N_Discipl=4\r\n");

    auto form = makeForm();
    ASSERT_EQ(form->pageWidgets().tables[0].size(), 54u);
    answerDialogs(dir / "x.app");
    form->mnOpenClick();
    // The table took the document's 94 rows before the document was read.
    EXPECT_EQ(form->settings().mode_N_Discipl, 4);
    ASSERT_EQ(form->pageWidgets().tables[0].size(), 94u);
    EXPECT_EQ(child<QLineEdit>(*form, "Disciplines_90_Discipline")->text(), q("Астрономия"));

    answerDialogs(dir / "y.app");
    form->mnSaveClick();
    const std::string companion = test::readFile(dir / "y.ini");
    EXPECT_NE(companion.find("mode_N_Discipl=4"), std::string::npos);
    EXPECT_EQ(companion.find("EachSaveSet"), std::string::npos);
    // The switch to the document's rows was told.
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_TRUE(messages.entries()[0].text.contains(q("54 строки (2010) → 94 строки")));
}

TEST_F(MainFormTest, OlderFilesOpenIntoTheCurrentPages) {
    test::writeFile(dir / "App.ini", "[Settings]\r\nmode_N_Discipl=3\r\n");
    auto form = makeForm();
    form->document().setText(Field::edSchool5, cp("пятая"));
    answerDialogs(test::dataFile("storage/release412.app"));
    form->findChild<QAction*>(QStringLiteral("mnOpenOldInNew2"))->trigger();
    EXPECT_EQ(child<QLineEdit>(*form, "edSchool4")->text(), q("колледж №1"));
    EXPECT_EQ(child<QLineEdit>(*form, "edSchool5")->text(), q("пятая"));
    EXPECT_EQ(form->documentFileName(), test::dataFile("storage/release412.app"));

    // A 4.1.2 file with 86 page-2 rows opens in the 94-row table, and the window says so.
    std::string lines;
    for (int i = 1; i <= 559 + 3 * 86; ++i) {
        lines += "L" + std::to_string(i) + "\r\n";
    }
    test::writeFile(dir / "old86.app", lines);
    answerDialogs(dir / "old86.app");
    form->findChild<QAction*>(QStringLiteral("mnOpenOldInNew"))->trigger();
    EXPECT_EQ(form->settings().mode_N_Discipl, 4);
    ASSERT_EQ(form->pageWidgets().tables[0].size(), 94u);
    EXPECT_EQ(child<QComboBox>(*form, "Disciplines_86_Value")->currentText(),
              QStringLiteral("L%1").arg(55 + 3 * 86));
    // Only the first open found typed text to ask about; it was answered «Нет».
    ASSERT_EQ(messages.entries().size(), 2u);
    EXPECT_EQ(messages.entries()[0].text, QStringLiteral("Сохранить изменения в документе?"));
    EXPECT_TRUE(messages.entries()[1].text.contains(q("54 строки (2010) → 94 строки")))
        << messages.entries()[1].text.toStdString();

    // The next 54-row document still opens right, and the program's own row mode stays.
    Document next;
    next.setCell(Table::Disciplines, 54, Column::Discipline, cp("Физика"));
    next.setText(Field::edRukObrazUch2, cp("Ректор"));
    std::string error;
    ASSERT_TRUE(writeDocument(dir / "next.app", next, DocumentFileFormat{}, &error)) << error;
    answerDialogs(dir / "next.app");
    form->mnOpenClick();
    EXPECT_EQ(form->settings().mode_N_Discipl, 3);
    ASSERT_EQ(form->pageWidgets().tables[0].size(), 54u);
    EXPECT_EQ(child<QLineEdit>(*form, "Disciplines_54_Discipline")->text(), q("Физика"));
    EXPECT_EQ(form->document().text(Field::edRukObrazUch2), cp("Ректор"));
    answerDialogs(dir / "old86.app");
    form->findChild<QAction*>(QStringLiteral("mnOpenOldInNew"))->trigger();
    form->close();
    EXPECT_EQ(test::readFile(dir / "App.ini").find("mode_N_Discipl=4"), std::string::npos);
}

TEST_F(MainFormTest, CommandLineDocumentOpensInItsOwnLayoutOrNotAtAll) {
    // Its own settings file says 94 rows and the 2007/2008 edition, though EachSaveSet is off.
    Settings own;
    own.mode_N_Discipl = 4;
    own.VellexVersion = 1;
    Document doc(94);
    doc.setCell(Table::Disciplines, 90, Column::Discipline, cp("Астрономия"));
    doc.setText(Field::edTrial1, cp("испытание"));
    std::string error;
    ASSERT_TRUE(writeDocument(dir / "x.app", doc, documentFileFormat(own), &error)) << error;
    ASSERT_TRUE(writeSettings(dir / "x.ini", false, own, &error)) << error;
    {
        auto form = makeForm({pathToQString(dir / "x.app")});
        EXPECT_EQ(form->settings().VellexVersion, 1);
        ASSERT_EQ(form->pageWidgets().tables[0].size(), 94u);
        EXPECT_EQ(child<QLineEdit>(*form, "Disciplines_90_Discipline")->text(), q("Астрономия"));
        EXPECT_EQ(form->document().text(Field::edTrial1), cp("испытание"));
        ASSERT_EQ(messages.entries().size(), 1u);
        EXPECT_TRUE(
            messages.entries()[0].text.contains(q("издание бланков: 2010 / 2011 → 2007 / 2008")));
        // Saved under another name, it keeps a settings file that tells its edition.
        answerDialogs(dir / "y.app");
        form->mnSaveClick();
        EXPECT_NE(test::readFile(dir / "y.ini").find("VellexVersion=1"), std::string::npos);
    }
    // A file that fits no layout is refused by name and count, and not offered for saving.
    test::writeFile(dir / "odd.app", std::string(700, '\n'));
    auto form = makeForm({pathToQString(dir / "odd.app")});
    ASSERT_EQ(messages.entries().size(), 2u);
    EXPECT_EQ(messages.entries()[1].caption, QStringLiteral("Ошибка"));
    EXPECT_TRUE(messages.entries()[1].text.contains(QStringLiteral("odd.app")));
    EXPECT_TRUE(messages.entries()[1].text.contains(QStringLiteral("Строк в нём: 700")));
    EXPECT_TRUE(form->documentFileName().empty());
    EXPECT_EQ(form->pageWidgets().tables[0].size(), 54u);
}

TEST_F(MainFormTest, FileThatCannotBeOpenedChangesNothing) {
    auto form = makeForm();
    form->document().setText(Field::edTown, cp("Орёл"));
    answerDialogs(dir / "nothing-here.app");
    form->mnOpenClick();
    ASSERT_EQ(messages.entries().size(), 2u);  // the unsaved-changes question, then the error
    EXPECT_EQ(messages.entries()[1].caption, QStringLiteral("Ошибка"));
    EXPECT_TRUE(messages.entries()[1].text.contains(QStringLiteral("nothing-here.app")));
    EXPECT_EQ(form->document().text(Field::edTown), cp("Орёл"));
    EXPECT_TRUE(form->documentFileName().empty());
}

TEST_F(MainFormTest, SaveProposesTheStudentsName) {
    auto form = makeForm();
    form->document().setText(Field::edStudentDiplom1, cp("Петров"));
    form->document().setText(Field::edStudentDiplom2, cp("Пётр"));
    form->document().setText(Field::edStudentDiplom3, cp("Петрович"));
    EXPECT_EQ(form->proposedSaveName(), q("Петров Пётр Петрович"));
    answerDialogs({});
    form->mnSaveClick();  // cancelled: nothing written
    EXPECT_FALSE(std::filesystem::exists(dir / "Петров Пётр Петрович.App"));
}

// ---- Commands.
TEST_F(MainFormTest, PrintCommandRecordsTheSheetAndPreviewsOrExplains) {
    auto form = makeForm();
    int previews = 0;
    TMainForm::setPreviewHook([&](const TReport&) { ++previews; });
    form->mnPrintSheet5Click();
    EXPECT_EQ(form->sheetCode(), 5);
    form->document().setChoice(Choice::rgProfEduType, 2);
    form->mnPrintSheetDiplomClick();
    EXPECT_EQ(form->sheetCode(), 2);
    // Each command either showed the page or said why not, in a box captioned "Ошибка".
    EXPECT_EQ(previews + static_cast<int>(messages.entries().size()), 2);
    for (const auto& m : messages.entries()) {
        EXPECT_EQ(m.caption, QStringLiteral("Ошибка"));
        EXPECT_FALSE(m.text.isEmpty());
    }
}

TEST_F(MainFormTest, ResultsFileFillsTheTablesOnScreen) {
    test::writeFile(dir / "results.csv", cp("История;72;отлично\r\nФизика;36;5\r\n"));
    auto form = makeForm();
    answerDialogs(dir / "results.csv");
    form->findChild<QAction*>(QStringLiteral("mnResultsList"))->trigger();
    EXPECT_TRUE(lastRequest.filter.startsWith(q("Текст CSV")));
    EXPECT_EQ(child<QLineEdit>(*form, "Disciplines_1_Discipline")->text(), q("История"));
    EXPECT_EQ(child<QLineEdit>(*form, "Disciplines_2_AudTime")->text(), QStringLiteral("36"));
    EXPECT_EQ(child<QComboBox>(*form, "Disciplines_1_Value")->currentText(), q("отлично"));
    EXPECT_TRUE(messages.entries().empty());
}

TEST_F(MainFormTest, CopyCommandShowsWhatItCopied) {
    auto form = makeForm();
    Document& doc = form->document();
    doc.setText(Field::edTownDiplom, cp("Тула"));
    doc.setText(Field::edSchoolDiplom1, cp("Тульский политехнический колледж"));
    doc.setText(Field::edQualifyDiplom1, cp("Техник"));
    form->refreshFromDocument();
    const Document before = doc;
    form->findChild<QAction*>(QStringLiteral("mnCopyDiplomDataToApps"))->trigger();
    int changedElsewhere = 0;
    for (int i = 0; i < kFieldCount; ++i) {
        const Field f = static_cast<Field>(i);
        if (auto* e =
                qobject_cast<QLineEdit*>(form->pageWidgets().fields[static_cast<size_t>(i)])) {
            EXPECT_EQ(e->text(), toQString(doc.text(f))) << fieldName(f);
        }
        if (fieldPage(f) != Page::Diploma && doc.text(f) != before.text(f)) {
            ++changedElsewhere;
        }
    }
    EXPECT_GT(changedElsewhere, 0);
}

TEST_F(MainFormTest, AboutBoxShowsTheVersionAndCloses) {
    TAbout about;
    EXPECT_TRUE(child<QLabel>(about, "lVersion")->text().contains(QStringLiteral(VELLEX_VERSION)));
    auto* close = child<QPushButton>(about, "btnClose");
    EXPECT_EQ(close->text(), q("Закрыть"));
    about.show();
    close->click();
    EXPECT_EQ(about.result(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

}  // namespace
}  // namespace vellex

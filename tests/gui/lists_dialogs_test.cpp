#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "gui/disciplines_list_form.h"
#include "gui/file_dialog_form.h"
#include "gui/gui_text.h"
#include "gui/list_param_form.h"
#include "gui/message_presenter.h"
#include "gui/students_list_form.h"
#include "lists/list_texts.h"
#include "model/document.h"
#include "storage/settings.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/test_support.h"
#include "text/clock.h"
#include "text/file_io.h"

namespace vellex {
namespace {

using test::cp;
namespace lt = list_texts;

const FixedClock kToday(Date{2026, 12, 8});

QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

std::string path8(const std::filesystem::path& p) {
    return cp(pathToUtf8(p));
}

// Answers every list message box and keeps what it said; questions get `answer`.
class MessageRecorder final {
  public:
    MessageRecorder() {
        MessagePresenter::setHook([this](const UserMessage& m) {
            shown.push_back(m);
            return answer;
        });
    }
    ~MessageRecorder() { MessagePresenter::setHook({}); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const UserMessage& m : shown)
            out.push_back(m.text);
        return out;
    }
    std::vector<UserMessage> shown;
    bool answer = true;
};

UserMessage warning(std::string_view text) {
    return {std::string(text), MessageIcon::Warning, false};
}

template <typename W>
W* child(QWidget* parent, const char* name) {
    W* w = parent->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

class ListDialogsTest : public testing::Test {
  protected:
    void SetUp() override {
        test::ensureApplication();
        settings.programDir = path8(dir.path()) + "/";
        settings.Path2CSV = listFile();
        settings.DisciplinesFileName = path8(dir / "disciplines.csv");
    }

    std::string listFile() const { return path8(dir / "group.csv"); }

    // The student list window, shown and with its list read to the end.
    TStudentsListForm& openStudents() {
        students = std::make_unique<TStudentsListForm>(doc, settings, nullptr, kToday);
        students->setDocumentChanged([this] { ++documentChanges; });
        students->show();
        do {
            QCoreApplication::processEvents();
        } while (students->loading());
        return *students;
    }
    QTableView* view() { return child<QTableView>(students.get(), "StudentsListView"); }
    void selectRow(int row) { view()->selectRow(row); }
    QString cellText(int row, int column) {
        return view()->model()->index(row, column).data().toString();
    }

    test::TempDir dir;
    Settings settings;
    Document doc{54};
    MessageRecorder messages;
    std::unique_ptr<TStudentsListForm> students;
    int documentChanges = 0;
};

// ---- Message boxes -----------------------------------------------------------------------

// Without a hook the operator gets a real box: the icon the logic named, OK or Да / Нет.
TEST(ListMessageBoxes, ShowTheNamedIconAndButtons) {
    test::ensureApplication();
    struct Case {
        UserMessage message;
        QMessageBox::Icon icon;
        QStringList buttons;
        bool answer;
    };
    const Case cases[] = {
        {{std::string(lt::kStudentPicked), MessageIcon::Information},
         QMessageBox::Information,
         {q("OK")},
         false},
        {warning(lt::kListNotLoaded), QMessageBox::Warning, {q("OK")}, false},
        {{std::string(lt::kFileLocked), MessageIcon::Error},
         QMessageBox::Critical,
         {q("OK")},
         false},
        {{std::string(lt::kReplaceDisciplines), MessageIcon::Warning, true},
         QMessageBox::Warning,
         {q("Да"), q("Нет")},
         true},
    };
    MessageForm::setHook({});  // the real boxes are what this test looks at
    for (const Case& c : cases) {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
        QString text;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(test::modalDialog());
            ASSERT_NE(box, nullptr);
            icon = box->icon();
            text = box->text();
            for (QAbstractButton* b : box->buttons())
                buttons << b->text().remove(u'&');
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            (yes ? yes : box->button(QMessageBox::Ok))->click();
        });
        const bool answered = MessagePresenter::show(nullptr, c.message);
        EXPECT_EQ(icon, c.icon) << c.message.text;
        buttons.sort();
        QStringList expected = c.buttons;
        expected.sort();
        EXPECT_EQ(buttons, expected) << c.message.text;
        EXPECT_FALSE(text.contains(u'\r')) << c.message.text;
        EXPECT_EQ(answered, c.answer) << c.message.text;
    }
    test::setUnattendedHook();
}

// ---- Student list window -----------------------------------------------------------------

TEST_F(ListDialogsTest, StudentListShowsItsFiveColumnsAndTheRowsOfTheFile) {
    test::writeFile(dir / "group.csv", cp("Иванов;Пётр;Сергеевич;05.03.85;Тула\r\n"
                                          "Петрова;;Анна;Ивановна;12.01.86;Орёл\r\n"
                                          "без разделителя\r\n"
                                          "\r\n"
                                          " \"Сидоров\" ; \"Иван\" ;Олегович;01.02.87;Москва\r\n"));
    openStudents();
    EXPECT_EQ(students->windowTitle(), q("Список Студентов"));
    auto* label = child<QLabel>(students.get(), "LabelLosung");
    EXPECT_EQ(label->text(),
              q("Дважды кликните мышкой в строчку студента для занесения данных в бланки"));
    EXPECT_TRUE(label->font().bold());

    QTableView* v = view();
    const char* captions[] = {"Фамилия", "Имя", "Отчество", "Дата Рождения", "Место Рождения"};
    const int widths[] = {120, 100, 100, 100, 120};
    ASSERT_EQ(v->model()->columnCount(), 5);
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(v->model()->headerData(c, Qt::Horizontal).toString(), q(captions[c]));
        EXPECT_EQ(v->columnWidth(c), widths[c]) << c;
    }
    EXPECT_TRUE(v->showGrid());
    EXPECT_EQ(v->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(v->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(v->editTriggers(), QAbstractItemView::NoEditTriggers);

    ASSERT_EQ(v->model()->rowCount(), 3);
    EXPECT_EQ(cellText(0, 1), q("Пётр"));
    // An empty field in the middle moves the later ones one place to the left.
    EXPECT_EQ(cellText(1, 1), q("Анна"));
    EXPECT_EQ(cellText(1, 4), q("Орёл"));
    EXPECT_EQ(cellText(2, 0), q("Сидоров"));
    EXPECT_EQ(cellText(2, 1), q("Иван"));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_NE(child<QAction>(students.get(), "pmDeleteStudentFromList"), nullptr);
    EXPECT_EQ(child<QPushButton>(students.get(), "btnClose")->text(), q("Закрыть"));
}

TEST_F(ListDialogsTest, StudentListLoadingWarnings) {
    struct Case {
        const char* name;
        std::string separator;
        std::string file;  // empty: no file
        std::vector<UserMessage> expected;
    };
    const Case cases[] = {
        {"empty separator",
         "",
         "Иванов;Пётр;Сергеевич;05.03.85;Тула\r\n",
         {warning(lt::kEmptySeparator)}},
        {"wrong separator",
         ";",
         "Иванов,Пётр,Сергеевич,05.03.85,Тула\r\n",
         {warning(lt::kListNotLoaded)}},
        {"empty file", ";", "\r\n", {warning(lt::kListNotLoaded)}},
        {"missing file", ";", "", {}},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(dir / "group.csv");
        if (!c.file.empty())
            test::writeFile(dir / "group.csv", cp(c.file));
        settings.SplitField = c.separator;
        messages.shown.clear();
        openStudents();
        EXPECT_EQ(messages.shown, c.expected) << c.name;
        EXPECT_EQ(view()->model()->rowCount(), 0) << c.name;
        students->accept();
    }
}

TEST_F(ListDialogsTest, QuotedListNameComesBackWithoutItsQuotes) {
    test::writeFile(dir / "group.csv", cp("Иванов;Пётр;Сергеевич;05.03.85;Тула\r\n"));
    settings.Path2CSV = "\"" + listFile() + "\"";
    openStudents();
    EXPECT_EQ(settings.Path2CSV, listFile());
    EXPECT_EQ(view()->model()->rowCount(), 1);
}

TEST_F(ListDialogsTest, DoubleClickPicksTheStudentAndConfirms) {
    test::writeFile(dir / "group.csv", cp("Петрова;Анна;Ивановна;12.01.86;Орёл\r\n"
                                          "Иванов;Пётр;Сергеевич;05.03.85;Тула\r\n"));
    test::writeFile(dir / "Иванов Пётр Сергеевич.csv", cp("Математика;120;отлично\r\n"));
    settings.VellexVersion = 2;
    openStudents();
    QTableView* v = view();
    const QRect cell = v->visualRect(v->model()->index(1, 2));
    // A click followed by the second press that the system reports as a double click.
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, cell.center());
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(cell.center()),
                    QPointF(v->viewport()->mapToGlobal(cell.center())), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(v->viewport(), &dbl);

    EXPECT_EQ(test::u8(doc.text(Field::edStudentDiplom1)), "Иванов");
    EXPECT_EQ(test::u8(doc.text(Field::edStudentDiplom3)), "Сергеевич");
    EXPECT_EQ(test::u8(doc.text(Field::edNameNPO)), "Пётр");
    EXPECT_EQ(test::u8(doc.text(Field::edEntry2)), "5");
    EXPECT_EQ(test::u8(doc.text(Field::edDateOut)), "марта");
    EXPECT_EQ(test::u8(doc.text(Field::edBirthDay)), "1985");
    EXPECT_EQ(test::u8(doc.text(Field::edTown7)), "Тула");
    EXPECT_EQ(test::u8(doc.cell(Table::Disciplines, 1, Column::Value)), "отлично");
    EXPECT_EQ(
        messages.shown,
        (std::vector<UserMessage>{{std::string(lt::kStudentPicked), MessageIcon::Information}}));
    EXPECT_EQ(documentChanges, 1);
    EXPECT_TRUE(students->isVisible());  // the window stays open for the next student
}

TEST_F(ListDialogsTest, DeletingAndClosingRewritesTheListOnlyThen) {
    const std::string original =
        cp(" \"Иванов\" ;Пётр;Сергеевич;05.03.85;Тула\r\n"
           "Петрова;Анна;Ивановна;12.01.86;Орёл;лишнее\r\n"
           "Сидоров;Иван;Олегович\r\n");
    test::writeFile(dir / "group.csv", original);
    openStudents();
    child<QPushButton>(students.get(), "btnClose")->click();
    EXPECT_FALSE(students->isVisible());
    EXPECT_EQ(test::readFile(dir / "group.csv"), original) << "closing without deletion";

    openStudents();
    selectRow(1);
    child<QAction>(students.get(), "pmDeleteStudentFromList")->trigger();
    EXPECT_EQ(view()->model()->rowCount(), 2);
    EXPECT_EQ(test::readFile(dir / "group.csv"), original) << "written only at closing";
    QTest::keyClick(students.get(), Qt::Key_Escape);  // the keyboard closes as the button does
    EXPECT_EQ(test::readFile(dir / "group.csv"),
              cp(" \"Иванов\" ;Пётр;Сергеевич;05.03.85;Тула\r\nСидоров;Иван;Олегович\r\n"));
}

TEST_F(ListDialogsTest, DeletionWithoutSelectionChangesNothing) {
    const std::string original = cp("Иванов;Пётр;Сергеевич;05.03.85;Тула\r\n");
    test::writeFile(dir / "group.csv", original);
    openStudents();
    view()->clearSelection();
    child<QAction>(students.get(), "pmDeleteStudentFromList")->trigger();
    students->accept();
    EXPECT_EQ(test::readFile(dir / "group.csv"), original);
}

// ---- A long student list -----------------------------------------------------------------

class LongStudentListTest : public ListDialogsTest {
  protected:
    static constexpr int kLines = 100000;
    void SetUp() override {
        ListDialogsTest::SetUp();
        std::string data;
        for (int i = 0; i < kLines; ++i)
            data += cp("Фамилия") + std::to_string(i) + cp(";Имя;Отчество;01.02.90;Город\r\n");
        test::writeFile(dir / "group.csv", data);
        students = std::make_unique<TStudentsListForm>(doc, settings, nullptr, kToday);
        students->show();
        QCoreApplication::processEvents();  // the window opens and starts reading
    }
    int rows() { return view()->model()->rowCount(); }
};

TEST_F(LongStudentListTest, FillsInBatchesWhileTheWindowKeepsAnswering) {
    ASSERT_TRUE(students->loading());
    bool answeredWhileLoading = false;
    QTimer::singleShot(0, students.get(), [&] { answeredWhileLoading = students->loading(); });
    bool sawPartList = false;
    while (students->loading()) {
        QCoreApplication::processEvents();
        sawPartList = sawPartList || (rows() > 0 && rows() < kLines);
    }
    EXPECT_TRUE(answeredWhileLoading);
    EXPECT_TRUE(sawPartList);
    EXPECT_EQ(rows(), kLines);
    EXPECT_EQ(cellText(kLines - 1, 0), q("Фамилия99999"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LongStudentListTest, ClosingAfterADeletionMidwayKeepsTheStudentsNotYetShown) {
    while (rows() == 0)
        QCoreApplication::processEvents();
    ASSERT_TRUE(students->loading());
    selectRow(0);
    child<QAction>(students.get(), "pmDeleteStudentFromList")->trigger();
    students->accept();
    const std::string written = test::readFile(dir / "group.csv");
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), kLines - 1);
    EXPECT_EQ(written.rfind(cp("Фамилия1;"), 0), 0u);
}

// ---- Discipline list window --------------------------------------------------------------

class DisciplinesFormTest : public ListDialogsTest {
  protected:
    TDisciplinesListForm& open() {
        disciplines = std::make_unique<TDisciplinesListForm>(doc, settings);
        disciplines->setDocumentChanged([this] { ++documentChanges; });
        disciplines->show();
        QCoreApplication::processEvents();  // the list is read once the window is up
        return *disciplines;
    }
    QStringList shownNames() {
        QStringList names;
        auto* box = child<QListWidget>(disciplines.get(), "DisciplinesListBox");
        for (int i = 0; i < box->count(); ++i)
            names << box->item(i)->text();
        return names;
    }
    void add(const QString& name) {
        child<QLineEdit>(disciplines.get(), "edDiscipline")->setText(name);
        child<QPushButton>(disciplines.get(), "bbtnAdd")->click();
    }
    std::unique_ptr<TDisciplinesListForm> disciplines;
};

TEST_F(DisciplinesFormTest, ShowsItsControlsAndTheListFile) {
    test::writeFile(dir / "disciplines.csv", cp("Математика;;\r\nФизика\r\n"));
    open();
    EXPECT_EQ(disciplines->windowTitle(), q("Список дисциплин"));
    const std::pair<const char*, const char*> buttons[] = {
        {"bbtnAdd", "Добавить"},
        {"btnDisciplineToBlank", "Заполнить дисциплины в бланке"},
        {"btnBlankToDiscipline", "Получить дисциплины из бланка"},
        {"btnClose", "Закрыть"},
    };
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(child<QPushButton>(disciplines.get(), name)->text(), q(caption)) << name;
    EXPECT_EQ(child<QAction>(disciplines.get(), "mnDel")->text(), q("Удалить"));
    EXPECT_EQ(child<QLineEdit>(disciplines.get(), "edFileName")->text(),
              toQString(settings.DisciplinesFileName));
    EXPECT_EQ(shownNames(), (QStringList{q("Математика"), q("Физика")}));
}

TEST_F(DisciplinesFormTest, EmptySeparatorWarnsOnceAndKeepsTheLinesAsRead) {
    test::writeFile(dir / "disciplines.csv", cp("Математика;;\r\n"));
    settings.SplitField.clear();
    open();
    disciplines->hide();
    disciplines->show();  // back from a message box: nothing is read or said again
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.shown, std::vector<UserMessage>{warning(lt::kEmptySeparator)});
    EXPECT_EQ(shownNames(), QStringList{q("Математика;;")});
}

// A list file that cannot be written never traps the user in the window: «Да» saves into
// another file, «Нет» closes without saving, a cancelled file choice stays.
TEST_F(DisciplinesFormTest, UnwritableFileOffersAnotherFileOrClosingWithoutSaving) {
    test::writeFile(dir / "disciplines.csv", cp("Математика\r\n"));
    std::filesystem::permissions(dir / "disciplines.csv", std::filesystem::perms::owner_read);
    const std::string other = (dir / "other.csv").string();
    QString chosen;
    FileDialogForm::setHook([&](const FileDialogForm::Request&) { return chosen; });
    struct Case {
        bool answer;
        QString file;
        bool closes;
    } cases[] = {{true, QString(), false},
                 {false, QString(), true},
                 {true, QString::fromStdString(other), true}};  // the list then lives there
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString() + (c.answer ? " yes" : " no"));
        open();
        add(q("Физика"));
        messages.answer = c.answer;
        chosen = c.file;
        child<QPushButton>(disciplines.get(), "btnClose")->click();
        EXPECT_EQ(disciplines->isVisible(), !c.closes);
        ASSERT_GE(messages.shown.size(), 2u);
        EXPECT_TRUE(messages.shown.back().question);
        messages.shown.clear();
        disciplines.reset();
    }
    FileDialogForm::setHook({});
    EXPECT_EQ(test::readFile(other), cp("Математика\r\nФизика\r\n"));
    EXPECT_EQ(test::readFile(dir / "disciplines.csv"), cp("Математика\r\n"));
}

TEST_F(DisciplinesFormTest, AddsWithoutCaseDuplicatesDeletesAndWritesOnClose) {
    test::writeFile(dir / "disciplines.csv", cp("Математика\r\n"));
    open();
    add(q("МАТЕМАТИКА"));
    add(q("Физика"));
    add(q(""));
    EXPECT_EQ(shownNames(), (QStringList{q("Математика"), q("Физика")}));
    add(q("Химия"));
    auto* box = child<QListWidget>(disciplines.get(), "DisciplinesListBox");
    box->setCurrentRow(0);
    child<QAction>(disciplines.get(), "mnDel")->trigger();
    EXPECT_EQ(shownNames(), (QStringList{q("Физика"), q("Химия")}));
    EXPECT_EQ(test::readFile(dir / "disciplines.csv"), cp("Математика\r\n"));
    child<QPushButton>(disciplines.get(), "btnClose")->click();
    EXPECT_FALSE(disciplines->isVisible());
    EXPECT_EQ(test::readFile(dir / "disciplines.csv"), cp("Физика\r\nХимия\r\n"));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(DisciplinesFormTest, CharactersAListFileCannotHoldAreRefused) {
    open();
    add(q("Физика ✓"));
    EXPECT_TRUE(shownNames().isEmpty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    auto* edit = child<QLineEdit>(disciplines.get(), "edFileName");
    const QString before = edit->text();
    edit->setText(before + q("✓"));
    EXPECT_EQ(edit->text(), before);
    EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(DisciplinesFormTest, TypingAFileNameReloadsAndAnEmptyListWritesNothing) {
    test::writeFile(dir / "other.csv", cp("История\r\n"));
    open();
    auto* edit = child<QLineEdit>(disciplines.get(), "edFileName");
    const QString other = toQString(path8(dir / "other.csv"));
    edit->setText(other.chopped(1));
    EXPECT_TRUE(shownNames().isEmpty());
    edit->setText(q("\"") + other + q("\""));
    EXPECT_EQ(shownNames(), QStringList{q("История")});
    EXPECT_EQ(edit->text(), other);
    EXPECT_EQ(settings.DisciplinesFileName, path8(dir / "other.csv"));

    edit->setText(toQString(path8(dir / "new.csv")));
    disciplines->accept();
    EXPECT_FALSE(std::filesystem::exists(dir / "new.csv"));
}

TEST_F(DisciplinesFormTest, ChosenFileNameIsCompletedWithCsvOrWarned) {
    test::writeFile(dir / "group2.csv", cp("Литература\r\n"));
    open();
    disciplines->edFileNameAfterDialog(toQString(path8(dir / "group2")));
    EXPECT_EQ(shownNames(), QStringList{q("Литература")});
    EXPECT_TRUE(messages.shown.empty());
    disciplines->edFileNameAfterDialog(toQString(path8(dir / "absent")));
    EXPECT_EQ(messages.shown, std::vector<UserMessage>{warning(lt::kFileNotFound)});
}

TEST_F(DisciplinesFormTest, FillsTheBlankAndWarnsForEveryNameWithoutARow) {
    std::string names;
    for (int i = 1; i <= 54 + 48 + 2; ++i)
        names += "D" + std::to_string(i) + "\r\n";
    test::writeFile(dir / "disciplines.csv", names);
    doc.setCell(Table::Disciplines, 1, Column::AudTime, "72");
    open();
    child<QPushButton>(disciplines.get(), "btnDisciplineToBlank")->click();
    EXPECT_EQ(doc.cell(Table::Disciplines, 1, Column::Discipline), "D1");
    EXPECT_EQ(doc.cell(Table::Disciplines, 1, Column::AudTime), "72");
    EXPECT_EQ(doc.cell(Table::Disciplines8, 48, Column::Discipline), "D102");
    EXPECT_EQ(messages.shown, std::vector<UserMessage>(2, warning(lt::kTooManyDisciplines)));
    EXPECT_EQ(documentChanges, 1);
}

TEST_F(DisciplinesFormTest, TakingFromTheBlankAsksBeforeReplacingTheList) {
    test::writeFile(dir / "disciplines.csv", cp("Математика\r\n"));
    doc.setCell(Table::Disciplines, 1, Column::Discipline, cp("Физика"));
    doc.setCell(Table::Disciplines, 2, Column::Discipline, cp("Химия"));
    doc.setCell(Table::Disciplines, 4, Column::Discipline, cp("История"));
    open();
    const UserMessage question{std::string(lt::kReplaceDisciplines), MessageIcon::Warning, true};
    messages.answer = false;
    child<QPushButton>(disciplines.get(), "btnBlankToDiscipline")->click();
    EXPECT_EQ(shownNames(), QStringList{q("Математика")});
    messages.answer = true;
    child<QPushButton>(disciplines.get(), "btnBlankToDiscipline")->click();
    EXPECT_EQ(shownNames(), (QStringList{q("Физика"), q("Химия")}));
    EXPECT_EQ(messages.shown, std::vector<UserMessage>(2, question));
}

// ---- List parameters ---------------------------------------------------------------------

class ListParamFormTest : public ListDialogsTest {
  protected:
    TListParamForm& open() {
        params = std::make_unique<TListParamForm>(settings);
        params->show();
        return *params;
    }
    QComboBox* formats() { return child<QComboBox>(params.get(), "cboxlDateFormatBirthDay"); }
    QLineEdit* separator() { return child<QLineEdit>(params.get(), "edSplitField"); }
    std::unique_ptr<TListParamForm> params;
};

TEST_F(ListParamFormTest, ShowsTheParametersAndTheOfferedFormats) {
    test::writeFile(dir / "DateFormats.dat", "dd.mm.yyyy\r\nDD.MM.YY\r\nyyyy.mm.dd\r\n");
    settings.SplitField = "; ";
    open();
    EXPECT_EQ(params->windowTitle(), q("Параметры"));
    EXPECT_EQ(child<QLabel>(params.get(), "lSplit")->text(), q("Разделитель полей:"));
    EXPECT_EQ(child<QLabel>(params.get(), "lDateFormatBirthDay")->text(),
              q("Формат даты Рождения в списке:"));
    EXPECT_EQ(separator()->text(), q("; "));
    EXPECT_EQ(separator()->width(), 20);
    EXPECT_FALSE(formats()->isEditable());
    EXPECT_EQ(formats()->count(), 3);
    EXPECT_EQ(formats()->currentText(), q("DD.MM.YY"));  // letter case ignored
}

TEST_F(ListParamFormTest, ClosingKeepsTheSeparatorAndTheChosenFormat) {
    test::writeFile(dir / "DateFormats.dat", "dd.mm.yy\r\nyyyy.mm.dd\r\n");
    open();
    separator()->clear();
    QTest::keyClicks(separator(), QStringLiteral(", "));
    formats()->setCurrentIndex(1);
    child<QPushButton>(params.get(), "btnClose")->click();
    EXPECT_EQ(settings.SplitField, ", ");
    EXPECT_EQ(settings.DateFormatBirthDay, "yyyy.mm.dd");
}

TEST_F(ListParamFormTest, FormatsOfferedWithAndWithoutTheFormatsFile) {
    struct Case {
        const char* name;
        std::optional<std::string> file;
        int count;
        std::string formatAfterClosing;
    };
    const Case cases[] = {
        {"no file: the current format alone", std::nullopt, 1, "dd.mm.yy"},
        {"current format not in the file: offered and kept", "d.m.yyyy\r\n", 2, "dd.mm.yy"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(dir / "DateFormats.dat");
        if (c.file)
            test::writeFile(dir / "DateFormats.dat", *c.file);
        settings.DateFormatBirthDay = "dd.mm.yy";
        open();
        EXPECT_EQ(formats()->count(), c.count) << c.name;
        QTest::keyClick(params.get(), Qt::Key_Escape);
        EXPECT_EQ(settings.DateFormatBirthDay, c.formatAfterClosing) << c.name;
    }
}

TEST_F(ListParamFormTest, EmptySeparatorReachesTheStudentList) {
    test::writeFile(dir / "group.csv", cp("Иванов;Пётр;Сергеевич;05.03.85;Тула\r\n"));
    open();
    separator()->selectAll();
    QTest::keyClick(separator(), Qt::Key_Delete);
    params->accept();
    EXPECT_EQ(settings.SplitField, "");
    openStudents();
    EXPECT_EQ(messages.shown, std::vector<UserMessage>{warning(lt::kEmptySeparator)});
}

TEST_F(ListParamFormTest, ASeparatorCharacterAListCannotHoldIsRefused) {
    open();
    // A key press carrying the character, as a keyboard layout would send it.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, q("✓"));
    QCoreApplication::sendEvent(separator(), &press);
    EXPECT_EQ(separator()->text(), q(";"));
    EXPECT_EQ(messages.shown.size(), 1u);
    params->accept();
    EXPECT_EQ(settings.SplitField, ";");
}

// ---- The keyboard in the list windows ------------------------------------------------------

// Enter does what a double click or the nearest button does; Escape closes each window.
TEST_F(ListParamFormTest, EnterPicksOrAddsAndEscapeClosesEveryListWindow) {
    test::writeFile(dir / "group.csv", cp("Петрова;Анна;Ивановна;12.01.86;Орёл\r\n"
                                          "Иванов;Пётр;Сергеевич;05.03.85;Тула\r\n"));
    test::writeFile(dir / "disciplines.csv", cp("Математика\r\n"));
    auto press = [](QWidget* window, QWidget* target, Qt::Key key) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        target->setFocus();
        QTest::keyClick(target, key);
    };

    openStudents();
    selectRow(1);
    view()->setCurrentIndex(view()->model()->index(1, 0));
    press(students.get(), view(), Qt::Key_Return);
    EXPECT_EQ(test::u8(doc.text(Field::edStudentDiplom1)), "Иванов");
    EXPECT_EQ(documentChanges, 1);
    press(students.get(), view(), Qt::Key_Escape);
    EXPECT_FALSE(students->isVisible());

    TDisciplinesListForm disciplines(doc, settings, nullptr);
    disciplines.show();
    QCoreApplication::processEvents();
    auto* name = child<QLineEdit>(&disciplines, "edDiscipline");
    name->setText(q("Физика"));
    press(&disciplines, name, Qt::Key_Enter);
    auto* box = child<QListWidget>(&disciplines, "DisciplinesListBox");
    ASSERT_EQ(box->count(), 2);
    EXPECT_EQ(box->item(1)->text(), q("Физика"));
    press(&disciplines, box, Qt::Key_Escape);
    EXPECT_FALSE(disciplines.isVisible());
    EXPECT_EQ(test::readFile(dir / "disciplines.csv"), cp("Математика\r\nФизика\r\n"));

    open();
    press(params.get(), separator(), Qt::Key_Escape);
    EXPECT_FALSE(params->isVisible());
}

}  // namespace
}  // namespace vellex

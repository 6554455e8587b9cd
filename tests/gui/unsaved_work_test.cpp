// What the user typed survives closing, opening, a kill, a second window and the mouse
// wheel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWheelEvent>
#include <csignal>
#include <filesystem>
#include <memory>

#include "gui/file_dialog_form.h"
#include "gui/gui_text.h"
#include "gui/main_form.h"
#include "gui/page_builder.h"
#include "gui/preview_dialog.h"
#include "gui/shutdown_signals.h"
#include "storage/document_file.h"
#include "storage/settings.h"
#include "tests/gui/gui_test_support.h"
#include "tests/support/test_support.h"
#include "text/clock.h"

namespace vellex {
namespace {

namespace fs = std::filesystem;

const QString kSaveQuestion = QStringLiteral("Сохранить изменения в документе?");

void type(QWidget* w, const QString& text) {
    for (QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QCoreApplication::sendEvent(w, &press);
    }
}

class UnsavedWorkTest : public testing::Test {
  protected:
    void SetUp() override { test::ensureApplication(); }
    void TearDown() override { FileDialogForm::setHook({}); }

    std::unique_ptr<TMainForm> makeForm() { return test::showMainForm(dir.path(), clock); }
    void answerDialogs(const fs::path& path) {
        FileDialogForm::setHook([path](const FileDialogForm::Request&) {
            return path.empty() ? QString() : pathToQString(path);
        });
    }
    static QLineEdit* town(TMainForm& form) {
        return form.findChild<QLineEdit*>(QStringLiteral("edTown"));
    }
    // What a window's start-up finds left by a window that is gone.
    std::vector<fs::path> recoveryFiles() const {
        std::vector<fs::path> found;
        for (const auto& e : fs::directory_iterator(dir.path())) {
            if (e.path().filename().string().starts_with("vellex-recovery-"))
                found.push_back(e.path());
        }
        return found;
    }
    bool questionAsked() const {
        for (const auto& e : messages.entries())
            if (e.text == kSaveQuestion)
                return true;
        return false;
    }

    test::TempDir dir;
    FixedClock clock{Date{2026, 12, 8}};
    test::MessageLog messages;
};

// Files the window starts from that it cannot use are named once it stands, with what
// it took instead; a document line too long for any box is cut and named too.
TEST_F(UnsavedWorkTest, WhatStartUpCouldNotReadIsSaid) {
    test::writeFile(dir / "eval.dat", std::string("5\0\r\n4\r\n", 7));
    test::writeFile(dir / "App.ini", "[Main]\r\nDeltaX1=3\r\n");
    auto form = makeForm();
    QCoreApplication::processEvents();
    std::vector<QString> warnings;
    for (const auto& e : messages.entries())
        if (e.kind == MessageForm::Kind::Warning)
            warnings.push_back(e.text);
    ASSERT_EQ(warnings.size(), 1u);
    for (const char* part :
         {"eval.dat", "нулевые байты", "встроенный список оценок", "App.ini", "нет разделов"})
        EXPECT_TRUE(warnings[0].contains(QString::fromUtf8(part))) << warnings[0].toStdString();
}

TEST_F(UnsavedWorkTest, ClosingAsksOnlyAboutAChangedDocumentAndObeysTheAnswer) {
    struct Case {
        const char* name;
        bool typed;
        QMessageBox::StandardButton answer;
        bool saveDialogAnswers;
        bool asked, closed, saved;
    };
    const Case cases[] = {
        {"start-up fills are no change", false, QMessageBox::Yes, true, false, true, false},
        {"«Да» saves, then closes", true, QMessageBox::Yes, true, true, true, true},
        {"«Да», save dialog cancelled", true, QMessageBox::Yes, false, true, false, false},
        {"«Нет» closes without saving", true, QMessageBox::No, true, true, true, false},
        {"«Отмена» keeps the window", true, QMessageBox::Cancel, true, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        const fs::path file = dir / "Иванов.app";
        fs::remove(file);
        auto form = makeForm();
        if (c.typed)
            type(town(*form), QStringLiteral("Орёл"));
        EXPECT_EQ(form->isModified(), c.typed);
        EXPECT_EQ(form->isWindowModified(), c.typed);
        messages.answerNext(c.answer);
        answerDialogs(c.saveDialogAnswers ? file : fs::path());
        EXPECT_EQ(form->close(), c.closed);
        EXPECT_EQ(questionAsked(), c.asked);
        EXPECT_EQ(fs::exists(file), c.saved);
        if (c.saved) {
            EXPECT_NE(test::readFile(file).find(test::cp("Орёл")), std::string::npos);
        }
    }
}

TEST_F(UnsavedWorkTest, OpeningOverAChangedDocumentCanBeCancelled) {
    auto form = makeForm();
    type(town(*form), QStringLiteral("Орёл"));
    bool dialogShown = false;
    FileDialogForm::setHook([&](const FileDialogForm::Request&) {
        dialogShown = true;
        return QString();
    });
    messages.answerNext(QMessageBox::Cancel);
    form->mnOpenOldInNew3Click();
    EXPECT_TRUE(questionAsked());
    EXPECT_FALSE(dialogShown);
    EXPECT_EQ(town(*form)->text(), QStringLiteral("Орёл"));
}

// A kill leaves the typed text for the next start; a running window's copy is never
// offered to another one; «Нет» lets it go and a save removes it.
TEST_F(UnsavedWorkTest, ASignalKeepsTheTextForTheNextStart) {
    auto killed = makeForm();
    type(town(*killed), QStringLiteral("Орёл"));
    killed->settings().DeltaX1 = 7;
    killed->shutDownWithoutQuestions();
    test::carryOnAfterQuit();
    EXPECT_TRUE(messages.entries().empty());
    EXPECT_NE(test::readFile(dir / "App.ini").find("DeltaX1=7"), std::string::npos);
    ASSERT_EQ(recoveryFiles().size(), 3u);  // the copy, its settings, its lock

    {
        auto other = makeForm();  // while the first still runs
        other->offerRecovery();
        EXPECT_TRUE(messages.entries().empty());
    }
    const fs::path killedCopy = killed->recoveryCopyPath();
    killed.reset();

    auto next = makeForm();
    next->offerRecovery();
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_TRUE(
        messages.entries()[0].text.startsWith(QStringLiteral("Найдены несохранённые данные (")));
    EXPECT_EQ(town(*next)->text(), QStringLiteral("Орёл"));
    EXPECT_TRUE(next->isModified());
    EXPECT_TRUE(next->documentFileName().empty());
    // The restored text is now this window's copy; the old one is gone.
    EXPECT_FALSE(fs::exists(killedCopy));
    EXPECT_TRUE(fs::exists(next->recoveryCopyPath()));
    next.reset();

    messages.clear();
    auto declining = makeForm();
    messages.answerNext(QMessageBox::No);
    declining->offerRecovery();
    EXPECT_EQ(messages.entries().size(), 1u);
    EXPECT_TRUE(town(*declining)->text().isEmpty());
    EXPECT_TRUE(recoveryFiles().empty());

    type(town(*declining), QStringLiteral("Тула"));
    ASSERT_TRUE(declining->keepRecoveryCopy());
    EXPECT_TRUE(fs::exists(declining->recoveryCopyPath()));
    ASSERT_TRUE(declining->saveDocument(dir / "saved.app"));
    EXPECT_FALSE(fs::exists(declining->recoveryCopyPath()));
}

// A document and its settings file change together or not at all: a settings file that
// cannot be replaced used to leave a new document beside old settings, which then opened
// it in the wrong layout.
TEST_F(UnsavedWorkTest, ADocumentAndItsSettingsFileAreSavedTogether) {
    test::writeFile(dir / "App.ini", "[Settings]\r\nEachSaveSet=1\r\n");
    test::writeFile(dir / "Иванов.app", "old document\r\n");
    test::writeFile(dir / "Иванов.ini", "[Settings]\r\nDeltaX1=1\r\n");
    fs::permissions(dir / "Иванов.ini", fs::perms::owner_read);
    auto form = makeForm();
    type(town(*form), QStringLiteral("Орёл"));
    EXPECT_FALSE(form->saveDocument(dir / "Иванов.app"));
    EXPECT_EQ(test::readFile(dir / "Иванов.app"), "old document\r\n");
    EXPECT_EQ(messages.entries().size(), 1u);
    EXPECT_TRUE(form->isModified());

    fs::permissions(dir / "Иванов.ini", fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_TRUE(form->saveDocument(dir / "Иванов.app"));
    EXPECT_NE(test::readFile(dir / "Иванов.app").find(test::cp("Орёл")), std::string::npos);
    EXPECT_NE(test::readFile(dir / "Иванов.ini").find("DeltaX1=0"), std::string::npos);
}

// A document written under another edition or row count is shown in its own layout, but
// that layout is the document's, not the program's: a new App.ini (the first run) and a
// restored recovery copy must not make it the program's for the next start.
TEST_F(UnsavedWorkTest, ADocumentsLayoutNeverBecomesTheProgramsOwn) {
    Settings old;
    old.VellexVersion = 1;
    old.mode_N_Discipl = 4;
    Document doc(rowsForMode(4));
    doc.setText(Field::edTown, test::cp("Орёл"));
    ASSERT_TRUE(writeDocument(dir / "old.app", doc, documentFileFormat(old), nullptr));
    ASSERT_TRUE(writeSettings(dir / "old.ini", false, old, nullptr));
    {
        auto form = makeForm();
        ASSERT_TRUE(form->openDocument(dir / "old.app", DocumentLayout::Current, false));
        EXPECT_EQ(form->settings().VellexVersion, 1);
        town(*form)->end(false);
        type(town(*form), QStringLiteral("ск"));
        form->shutDownWithoutQuestions();
        test::carryOnAfterQuit();
    }
    const auto programLayout = [&] {
        Settings s;
        readSettings(dir / "App.ini", true, s);
        return std::pair{s.VellexVersion, s.mode_N_Discipl};
    };
    EXPECT_EQ(programLayout(), (std::pair{2, 3}));

    auto next = makeForm();
    next->offerRecovery();
    EXPECT_EQ(town(*next)->text(), QStringLiteral("Орёлск"));
    EXPECT_EQ(next->settings().VellexVersion, 1);
    messages.answerNext(QMessageBox::No);
    ASSERT_TRUE(next->close());
    EXPECT_EQ(programLayout(), (std::pair{2, 3}));
}

// The preview opens at the size and zoom it was left with, also after a restart.
TEST_F(UnsavedWorkTest, ThePreviewKeepsItsSizeAndZoomAcrossRuns) {
    test::writeFile(dir / "App.ini",
                    "[Settings]\r\nPreviewWidth=640\r\nPreviewHeight=500\r\nPreviewZoom=3\r\n");
    QSize left;
    {
        auto form = makeForm();
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<PreviewDialog*>(test::modalDialog());
            ASSERT_NE(preview, nullptr);
            EXPECT_EQ(preview->zoomChoice(), 3);
            EXPECT_EQ(preview->size(), QSize(640, 500));
            preview->setZoomChoice(5);
            preview->resize(600, 450);
            left = preview->size();
            preview->accept();
        });
        form->mnPrintSheetDiplomClick();
        ASSERT_TRUE(form->close());
    }
    Settings s;
    readSettings(dir / "App.ini", true, s);
    EXPECT_EQ(s.PreviewZoom, 5);
    EXPECT_EQ(QSize(s.PreviewWidth, s.PreviewHeight), left);
}

TEST_F(UnsavedWorkTest, TerminationSignalsReachTheEventLoop) {
    ShutdownSignals watcher;
    QSignalSpy spy(&watcher, &ShutdownSignals::received);
    for (const int s : {SIGTERM, SIGHUP, SIGINT}) {
        std::raise(s);
        ASSERT_TRUE(spy.wait(2000)) << s;
        EXPECT_EQ(spy.takeFirst().at(0).toInt(), s);
    }
}

// Each window stores only the keys it changed: neither brings back the other's old value.
TEST_F(UnsavedWorkTest, TwoWindowsKeepEachOthersCalibration) {
    auto first = makeForm();
    auto second = makeForm();
    first->settings().DeltaX1 = 5;
    second->settings().DeltaY1 = -3;
    ASSERT_TRUE(first->close());
    ASSERT_TRUE(second->close());
    const std::string ini = test::readFile(dir / "App.ini");
    EXPECT_NE(ini.find("DeltaX1=5"), std::string::npos);
    EXPECT_NE(ini.find("DeltaY1=-3"), std::string::npos);
}

// OK in «Настройки» stores App.ini at once; a smaller row mode asks before dropping rows
// that hold text and keeps the rows that fit.
TEST_F(UnsavedWorkTest, RowModeChangeStoresAtOnceAndKeepsRows) {
    test::writeFile(dir / "App.ini", "[Settings]\r\nmode_N_Discipl=1\r\n");
    auto form = makeForm();
    Document& doc = form->document();
    ASSERT_EQ(doc.rowCount(Table::Disciplines), 62);
    for (const int row : {1, 54, 60})
        doc.setCell(Table::Disciplines, row, Column::Discipline, "Row" + std::to_string(row));
    form->refreshFromDocument();

    const auto chooseMode = [&](int mode) {
        QTimer::singleShot(0, [mode] {
            QWidget* dialog = test::modalDialog();
            ASSERT_NE(dialog, nullptr);
            dialog->findChild<QRadioButton*>(QStringLiteral("SetRGoxApp_%1").arg(mode))->click();
            dialog->findChild<QPushButton*>(QStringLiteral("BitBtnOK"))->click();
        });
        form->mnSettingsClick();
    };
    messages.answerNext(QMessageBox::No);
    chooseMode(0);
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_EQ(messages.entries()[0].text,
              QStringLiteral("Строки 55–60 2-й страницы не поместятся в режим «54 строки (весь "
                             "лист)». Удалить их?"));
    EXPECT_EQ(form->settings().mode_N_Discipl, 1);
    EXPECT_EQ(doc.cell(Table::Disciplines, 60, Column::Discipline), "Row60");

    chooseMode(0);  // «Да»
    EXPECT_EQ(form->settings().mode_N_Discipl, 0);
    ASSERT_EQ(doc.rowCount(Table::Disciplines), 54);
    EXPECT_EQ(doc.cell(Table::Disciplines, 1, Column::Discipline), "Row1");
    EXPECT_EQ(doc.cell(Table::Disciplines, 54, Column::Discipline), "Row54");
    EXPECT_NE(test::readFile(dir / "App.ini").find("mode_N_Discipl=0"), std::string::npos);
}

TEST_F(UnsavedWorkTest, TheWheelOverAnUnfocusedGradeChangesNothing) {
    auto form = makeForm();
    auto* grade = form->findChild<QComboBox*>(cellObjectName(Table::Disciplines, 3, Column::Value));
    ASSERT_NE(grade, nullptr);
    ASSERT_FALSE(grade->hasFocus());
    const int before = grade->currentIndex();
    const QPointF centre = QPointF(grade->rect().center());
    QWheelEvent wheel(centre, QPointF(grade->mapToGlobal(grade->rect().center())), QPoint(),
                      QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(grade, &wheel);
    EXPECT_EQ(grade->currentIndex(), before);
    EXPECT_FALSE(form->isModified());
}

}  // namespace
}  // namespace vellex

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <cstdlib>

#include "gui/message_form.h"
#include "gui/preview_dialog.h"
#include "render/qt_translations.h"
#include "tests/support/test_support.h"

namespace vellex {
namespace {

class Preview : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static test::TempDir runtime;
        chmod(runtime.path().c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", runtime.path().c_str(), 1);
        static int argc = 1;
        static char name[] = "vellex_preview_tests";
        static char* argv[] = {name, nullptr};
        // Never destroyed: tearing Qt down among the other statics at exit crashes.
        auto* app = new QApplication(argc, argv);
        // The desktop's usual font, as in the window tests (offscreen Qt 5 takes 12 pt).
        QApplication::setFont(QFont(QStringLiteral("Sans Serif"), 9));
        translated_ = installRussianTranslations(*app);
    }
    static inline bool translated_ = false;
    void TearDown() override { MessageForm::setHook({}); }

    static TReport onePage() {
        TReport report;
        TTextBox* box = addTextBox(addPage(report), "edSurName");
        setBounds(*box, 100, 100, 300, 18);
        setText(*box, "Ivanov");
        return report;
    }
};

TEST_F(Preview, QtDialogsSpeakRussian) {
    ASSERT_TRUE(translated_) << "qt6-translations-l10n is missing";
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("Печать"));
}

TEST_F(Preview, ZoomListAndModes) {
    const TReport report = onePage();
    PreviewDialog dialog(report);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Предварительный просмотр"));
    EXPECT_EQ(
        PreviewDialog::zoomChoices(),
        (QStringList{QStringLiteral("200 %"), QStringLiteral("150 %"), QStringLiteral("100 %"),
                     QStringLiteral("75 %"), QStringLiteral("50 %"), QStringLiteral("25 %"),
                     QStringLiteral("10 %"), QStringLiteral("По ширине страницы"),
                     QStringLiteral("Страница целиком"), QStringLiteral("Две страницы")}));
    auto* view = dialog.findChild<QPrintPreviewWidget*>();
    ASSERT_NE(view, nullptr);
    dialog.setZoomChoice(3);
    EXPECT_EQ(view->zoomMode(), QPrintPreviewWidget::CustomZoom);
    EXPECT_DOUBLE_EQ(view->zoomFactor(), 0.75);
    EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("zoom"))->currentIndex(), 3);
    dialog.setZoomChoice(9);
    EXPECT_EQ(view->viewMode(), QPrintPreviewWidget::FacingPagesView);
    dialog.setZoomChoice(7);
    EXPECT_EQ(view->zoomMode(), QPrintPreviewWidget::FitToWidth);
    EXPECT_EQ(view->viewMode(), QPrintPreviewWidget::SinglePageView);
    for (const char* button : {"print", "savePdf", "exit"})
        EXPECT_NE(dialog.findChild<QPushButton*>(QString::fromLatin1(button)), nullptr) << button;
}

TEST_F(Preview, ReportThatCannotBePreparedShowsErrorAndNoPreview) {
    QString caption, text;
    MessageForm::setHook([&](MessageForm::Kind, const QString& c, const QString& t) {
        caption = c;
        text = t;
        return QMessageBox::Ok;
    });
    TReport empty;
    EXPECT_FALSE(showReport(empty, nullptr));
    EXPECT_EQ(caption, QStringLiteral("Ошибка"));
    EXPECT_FALSE(text.isEmpty());
}

TEST_F(Preview, OpensModallyAndExits) {
    const TReport report = onePage();
    bool sawPreview = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<PreviewDialog*>(QApplication::activeModalWidget());
        sawPreview = dialog != nullptr;
        if (dialog)
            dialog->findChild<QPushButton*>(QStringLiteral("exit"))->click();
    });
    EXPECT_TRUE(showReport(report, nullptr));
    EXPECT_TRUE(sawPreview);
}

// Red pixels of the page as the preview shows it.
int redPixels(PreviewDialog& dialog) {
    dialog.resize(700, 900);
    dialog.setZoomChoice(2);  // 100 %: the outline is a few screen pixels wide
    dialog.show();
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    const QImage shot = dialog.findChild<QPrintPreviewWidget*>()->grab().toImage();
    if (const char* keep = std::getenv("VELLEX_KEEP_SHOT"))
        shot.save(QString::fromLocal8Bit(keep));
    int red = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            red += c.red() > 180 && c.red() - c.green() > 100 && c.red() - c.blue() > 100 ? 1 : 0;
        }
    dialog.hide();
    return red;
}

TEST_F(Preview, TextThatDoesNotFitIsListedAndOutlinedOnScreen) {
    TReport report = onePage();
    TTextBox* school = addTextBox(pageByIndex(report, 0), "edSchool2");
    setBounds(*school, 100, 300, 80, 18);
    setText(*school, "Gosudarstvennoe byudzhetnoe obrazovatelnoe uchrezhdenie");
    PreviewDialog dialog(report);
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("overflowList"));
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isHidden());
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(),
              QStringLiteral("Учебное заведение, строка 2: текст не помещается"));
    ASSERT_EQ(dialog.overflows().size(), 1u);
    EXPECT_EQ(dialog.overflows()[0].box, school);
    EXPECT_GT(redPixels(dialog), 20);
}

TEST_F(Preview, NoListAndNoRedWhenEverythingFits) {
    const TReport report = onePage();
    PreviewDialog dialog(report);
    EXPECT_TRUE(dialog.findChild<QListWidget*>(QStringLiteral("overflowList"))->isHidden());
    EXPECT_TRUE(dialog.overflows().empty());
    EXPECT_EQ(redPixels(dialog), 0);
}

TEST_F(Preview, GridSwitch) {
    const TReport report = onePage();
    PreviewDialog dialog(report);
    auto* grid = dialog.findChild<QPushButton*>(QStringLiteral("grid"));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->text(), QStringLiteral("Сетка"));
    EXPECT_TRUE(grid->isCheckable());
    EXPECT_FALSE(dialog.gridShown());
    grid->click();
    EXPECT_TRUE(dialog.gridShown());
    dialog.setGridShown(false);
    EXPECT_FALSE(grid->isChecked());
}

// A box that reaches into the strip a printer cannot print is named before printing; one
// well inside the sheet, or without text, is not.
TEST_F(Preview, TextAtTheSheetsEdgeIsListedBeforePrinting) {
    const auto mmX = [](double mm) { return static_cast<int>(mm * units::kPerInchX / 25.4); };
    const auto mmY = [](double mm) { return static_cast<int>(mm * units::kPerInchY / 25.4); };
    struct Case {
        const char* what;
        int left, top, width, height;
        const char* text;
        bool listed;
    } cases[] = {
        {"2 mm from the left", mmX(2), 300, 200, 18, "Ivanov", true},
        {"10 mm from the left", mmX(10), 300, 200, 18, "Ivanov", false},
        {"2 mm from the top", 100, mmY(2), 200, 18, "Ivanov", true},
        {"10 mm from the top", 100, mmY(10), 200, 18, "Ivanov", false},
        {"2 mm from the right", units::kA4Width - mmX(2) - 200, 300, 200, 18, "Ivanov", true},
        {"2 mm from the bottom", 100, units::kA4Height - mmY(2) - 18, 200, 18, "Ivanov", true},
        {"10 mm from the bottom", 100, units::kA4Height - mmY(10) - 18, 200, 18, "Ivanov", false},
        {"2 mm, but empty", mmX(2), 300, 200, 18, "  ", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TReport report = onePage();
        TTextBox* box = addTextBox(pageByIndex(report, 0), "edSchool2");
        setBounds(*box, c.left, c.top, c.width, c.height);
        setText(*box, c.text);
        const std::vector<OverflowBox> edges = findEdgeBoxes(report, UnprintableMargins{});
        ASSERT_EQ(edges.size(), c.listed ? 1u : 0u);
        if (!c.listed)
            continue;
        EXPECT_EQ(edges[0].box, box);
        EXPECT_EQ(edges[0].message,
                  "Учебное заведение, строка 2: текст у края листа, принтер может не пропечатать");
        PreviewDialog dialog(report);  // no printer here: the 4 mm of a PDF
        auto* list = dialog.findChild<QListWidget*>(QStringLiteral("overflowList"));
        ASSERT_EQ(list->count(), 1);
        EXPECT_FALSE(list->isHidden());
        EXPECT_EQ(list->item(0)->text().toStdString(), edges[0].message);
    }
}

// The preview opens inside the screen and as the user left the previous one.
TEST_F(Preview, FitsTheScreenAndRemembersSizeAndZoom) {
    const TReport report = onePage();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    {
        PreviewDialog dialog(report);
        EXPECT_LE(dialog.height(), screen.height());
        EXPECT_LE(dialog.width(), screen.width());
        dialog.show();
        dialog.resize(640, 500);
        dialog.setZoomChoice(4);
        dialog.findChild<QPushButton*>(QStringLiteral("exit"))->click();
    }
    PreviewDialog again(report);
    EXPECT_EQ(again.size(), QSize(640, 500));
    EXPECT_EQ(again.zoomChoice(), 4);
    again.setZoomChoice(8);
    again.resize(900, 1000);
    again.show();
    again.findChild<QPushButton*>(QStringLiteral("exit"))->click();
}

// Printing with the grid on asks once whether the sheet is a plain one; «Нет» prints
// nothing.
TEST_F(Preview, GridOnPaperIsConfirmedOnce) {
    int asked = 0;
    MessageForm::setHook([&](MessageForm::Kind, const QString&, const QString& t) {
        ++asked;
        EXPECT_EQ(t, QStringLiteral("Сетка печатается поверх бланка. Печатать на чистый лист?"));
        return QMessageBox::No;
    });
    const TReport report = onePage();
    PreviewDialog dialog(report);
    dialog.setGridShown(true);
    EXPECT_FALSE(dialog.confirmGridOnPaper());
    EXPECT_FALSE(dialog.confirmGridOnPaper());
    EXPECT_EQ(asked, 2);
    MessageForm::setHook([&](MessageForm::Kind, const QString&, const QString&) {
        ++asked;
        return QMessageBox::Yes;
    });
    EXPECT_TRUE(dialog.confirmGridOnPaper());
    EXPECT_TRUE(dialog.confirmGridOnPaper());
    EXPECT_EQ(asked, 3);
    dialog.setGridShown(false);
    EXPECT_TRUE(dialog.confirmGridOnPaper());
    EXPECT_EQ(asked, 3);
}

}  // namespace
}  // namespace vellex

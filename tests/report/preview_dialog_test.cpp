#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>

#include "app/message_form.h"
#include "report/preview_dialog.h"
#include "report/qt_translations.h"
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

}  // namespace
}  // namespace vellex

#include "gui/settings_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include "model/settings_dialog_logic.h"
#include "tests/gui/gui_test_support.h"

namespace vellex {
namespace {

QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

class SettingsDialogTest : public testing::Test {
  protected:
    void SetUp() override { test::ensureApplication(); }

    // Opens the dialog as the operator sees it.
    TSettings& open(int startTab = kSettingsMenuStartTab) {
        dialog_ = std::make_unique<TSettings>(s, startTab);
        dialog_->show();
        return *dialog_;
    }
    template <typename W>
    W* child(const char* name) {
        W* w = dialog_->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QSpinBox* spin(const char* name) { return child<QSpinBox>(name); }
    QString currentTab() {
        auto* tabs = child<QTabWidget>("PageControl");
        return tabs->tabText(tabs->currentIndex());
    }
    void ok() { child<QPushButton>("BitBtnOK")->click(); }

    Settings s;
    test::MessageLog messages;
    std::unique_ptr<TSettings> dialog_;
};

// ---- Window ------------------------------------------------------------------------------

TEST_F(SettingsDialogTest, HasItsCaptionHeadingAndNineTabsInOrder) {
    open();
    EXPECT_EQ(dialog_->windowTitle(), QStringLiteral("Настройки"));
    EXPECT_EQ(child<QLabel>("lbHeading")->text(), QStringLiteral("Значения подстроек"));
    EXPECT_TRUE(dialog_->isModal());
    auto* tabs = child<QTabWidget>("PageControl");
    const QStringList expected = {QStringLiteral("Общие"),
                                  QStringLiteral("Диплом"),
                                  QStringLiteral("Приложение СПО"),
                                  QStringLiteral("Приложение НПО"),
                                  QStringLiteral("Сдвиги Приложения"),
                                  QStringLiteral("2 Страница"),
                                  QStringLiteral("Академ Справка"),
                                  QStringLiteral("Свидетельсво"),
                                  QStringLiteral("Приложение к Свидетельству")};
    ASSERT_EQ(tabs->count(), expected.size());
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_EQ(tabs->tabText(i), expected[i]);
}

TEST_F(SettingsDialogTest, ClosesOnlyThroughOK) {
    open();
    EXPECT_FALSE(dialog_->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(dialog_->windowFlags() & Qt::WindowSystemMenuHint);
    QTest::keyClick(dialog_.get(), Qt::Key_Escape);
    EXPECT_TRUE(dialog_->isVisible());
    dialog_->close();
    EXPECT_TRUE(dialog_->isVisible());
    dialog_->reject();
    EXPECT_TRUE(dialog_->isVisible());
    ok();
    EXPECT_FALSE(dialog_->isVisible());
    EXPECT_EQ(dialog_->result(), QDialog::Accepted);
}

TEST_F(SettingsDialogTest, IsOfFixedSize) {
    open();
    EXPECT_EQ(dialog_->minimumSize(), dialog_->maximumSize());
}

// ---- Start tab ---------------------------------------------------------------------------

TEST_F(SettingsDialogTest, StartTabFromTheToolbarAndTheMenu) {
    s.modePositionTab = true;
    open(settingsStartTabForPage(Page::Certificate));
    EXPECT_EQ(currentTab(), QStringLiteral("Свидетельсво"));
    EXPECT_TRUE(child<QCheckBox>("cbPosTab")->isChecked());

    s.modePositionTab = false;
    open(settingsStartTabForPage(Page::Certificate));
    EXPECT_EQ(currentTab(), QStringLiteral("Общие"));
    EXPECT_FALSE(child<QCheckBox>("cbPosTab")->isChecked());

    s.modePositionTab = true;
    open(kSettingsMenuStartTab);
    EXPECT_EQ(currentTab(), QStringLiteral("Общие"));
}

// ---- Loading and storing ------------------------------------------------------------------

TEST_F(SettingsDialogTest, EveryFieldShowsItsSettingOnOpening) {
    s.VellexVersion = 0;
    s.mode_N_Discipl = 2;
    int next = 1;
    for (const SpinField& f : settingsSpinFields()) {
        if (f.member)
            s.*f.member = f.range.min + (next++ * 5) % (f.range.max - f.range.min + 1);
    }
    s.DeltaXRightApp = 17;
    s.DeltaYRightApp = -17;
    open();
    for (const SpinField& f : settingsSpinFields()) {
        if (f.member) {
            EXPECT_EQ(spin(std::string(f.name).c_str())->value(), s.*f.member) << f.name;
        }
    }
    EXPECT_EQ(spin("sedDeltaXRightApp")->value(), 17);
    EXPECT_EQ(spin("sedDeltaYRightApp")->value(), -17);
}

TEST_F(SettingsDialogTest, StoredValueBelowTheRangeShowsAndStoresTheBound) {
    s.DoubleStrForEach1 = 1;
    open();
    EXPECT_EQ(spin("sedDoubleStrForEach1")->value(), 2);
    EXPECT_EQ(spin("sedDoubleStrForEach1")->singleStep(), 2);
    ok();
    EXPECT_EQ(s.DoubleStrForEach1, 2);
}

TEST_F(SettingsDialogTest, CentringOfTheAcademicAndNpoPagesShownAndKept) {
    s.AdjustLinesApp4 = kAlignCenter;
    s.AdjustLinesApp5 = kAlignLeft;
    open();
    EXPECT_TRUE(child<QCheckBox>("cbAdjustLinesApp4")->isChecked());
    EXPECT_EQ(child<QCheckBox>("cbAdjustLinesApp4")->text(),
              QStringLiteral("Академическая справка"));
    EXPECT_FALSE(child<QCheckBox>("cbAdjustLinesApp5")->isChecked());
    ok();
    EXPECT_EQ(s.AdjustLinesApp4, kAlignCenter);
    EXPECT_EQ(s.AdjustLinesApp5, kAlignLeft);
}

// An emptied shift used to become -500 and move every entry off the blank.
TEST_F(SettingsDialogTest, TextThatIsNotANumberKeepsTheValueItHad) {
    s.DeltaX1 = 37;
    s.FontSizeApp7Town = 11;
    open();
    QSpinBox* x1 = spin("UpDownSetDeltaX1");
    x1->findChild<QLineEdit*>()->setText(QStringLiteral("abc"));
    QSpinBox* font = spin("sedFontSizeApp7Town");
    font->setFocus();
    font->selectAll();
    QTest::keyClick(font, Qt::Key_Delete);
    ok();
    EXPECT_EQ(s.DeltaX1, 37);
    EXPECT_EQ(s.FontSizeApp7Town, 11);
}

TEST_F(SettingsDialogTest, TwinFieldsFollowEachOther) {
    s.MaxSymbols = 80;
    open();
    spin("sedFontSizeApp1Town")->setValue(14);
    EXPECT_EQ(spin("sedFontSizeApp5Town")->value(), 14);
    spin("sedFontSizeApp5School")->setValue(7);
    EXPECT_EQ(spin("sedFontSizeApp1School")->value(), 7);
    // The line length is shown only: it stores nothing, so it takes no typing.
    QSpinBox* dbl = spin("seMaxSymbolsDbl");
    EXPECT_EQ(dbl->value(), 80);
    EXPECT_TRUE(dbl->isReadOnly());
    EXPECT_TRUE(spin("seMaxSymbols")->isReadOnly());
    dbl->setFocus();
    dbl->selectAll();
    QTest::keyClicks(dbl, QStringLiteral("64"));
    EXPECT_EQ(spin("seMaxSymbols")->value(), 80);
    ok();
    EXPECT_EQ(s.FontSizeAppTown, 14);
    EXPECT_EQ(s.FontSizeAppSchool, 7);
    EXPECT_EQ(s.MaxSymbols, 80);
}

// ---- Version -----------------------------------------------------------------------------

TEST_F(SettingsDialogTest, Choosing2007ShowsTheNoticeAndSelects58Rows) {
    s.VellexVersion = 2;
    s.mode_N_Discipl = 3;
    SettingsDialogResult result;
    QTimer::singleShot(0, [this] {
        auto* dialog = qobject_cast<TSettings*>(test::modalDialog());
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QRadioButton*>(QStringLiteral("rgVellexVersion_1"))->click();
        // The version takes effect at once, before OK.
        EXPECT_EQ(s.VellexVersion, 1);
        EXPECT_TRUE(dialog->findChild<QRadioButton*>(QStringLiteral("SetRGoxApp_2"))->isChecked());
        EXPECT_EQ(dialog->findChild<QSpinBox*>(QStringLiteral("UpDownSetDeltaXCol2"))->value(),
                  -60);
        EXPECT_EQ(dialog->findChild<QSpinBox*>(QStringLiteral("UpDownSetDeltaXCol3"))->value(),
                  -55);
        EXPECT_TRUE(dialog->findChild<QGroupBox*>(qs(kGroupDoubleRows))->isEnabled());
        dialog->findChild<QPushButton*>(QStringLiteral("BitBtnOK"))->click();
    });
    result = runSettingsDialog(nullptr, s, kSettingsMenuStartTab);
    ASSERT_EQ(messages.entries().size(), 1u);
    EXPECT_EQ(messages.entries()[0].text,
              QStringLiteral("Для второй страницы приложения\nколечество строк установлено "
                             "равным 58 (сдвоенные)\nа также скорректированы смещения колонок "
                             "с оценками."));
    EXPECT_TRUE(result.rowModeChanged);
    EXPECT_TRUE(result.versionChanged);
    EXPECT_EQ(s.mode_N_Discipl, 2);
    EXPECT_EQ(s.DeltaXColumn2, -60);
    EXPECT_EQ(s.DeltaXColumn3, -55);
}

TEST_F(SettingsDialogTest, OpeningDoesNotRunTheVersionReaction) {
    s.VellexVersion = 1;
    s.mode_N_Discipl = 0;
    s.DeltaXColumn2 = 5;
    open();
    EXPECT_TRUE(messages.entries().empty());
    EXPECT_TRUE(child<QRadioButton>("rgVellexVersion_1")->isChecked());
    EXPECT_TRUE(child<QRadioButton>("SetRGoxApp_0")->isChecked());
    EXPECT_EQ(spin("UpDownSetDeltaXCol2")->value(), 5);
    ok();
    EXPECT_EQ(s.mode_N_Discipl, 0);
}

TEST_F(SettingsDialogTest, Version2StoresTheRightPartPairs) {
    s.VellexVersion = 2;
    s.DeltaXRightApp = 6;
    open();
    EXPECT_FALSE(spin("sedDeltaLine1")->isHidden());
    EXPECT_EQ(child<QLabel>("lb_sedDeltaXRightApp")->text(), QStringLiteral("_deltaLine0"));
    EXPECT_EQ(child<QGroupBox>("gbRightApp")->title(),
              QStringLiteral(" Расстояния между строками "));
    spin("sedDeltaXRightApp")->setValue(30);
    spin("sedDeltaYRightApp")->setValue(11);
    spin("sedDeltaLine1")->setValue(29);
    spin("sedDeltaLine2")->setValue(8);
    ok();
    EXPECT_EQ(s._deltaLine0, 30);
    EXPECT_EQ(s._deltaH1, 11);
    EXPECT_EQ(s._deltaLine, 29);
    EXPECT_EQ(s._deltaH2, 8);
    EXPECT_EQ(s.DeltaXRightApp, 0);
    EXPECT_EQ(s.DeltaYRightApp, 0);
}

TEST_F(SettingsDialogTest, CaptionsAndFieldsFollowTheVersionClick) {
    s.VellexVersion = 0;
    open();
    QLabel* left4 = child<QLabel>("lb_seMidDeltaYLeft4App1");
    EXPECT_EQ(left4->text(), QStringLiteral("Со стоки 'выпускная квалификационная работа':"));
    EXPECT_TRUE(spin("seDeltaYsign2")->isHidden());
    EXPECT_TRUE(child<QGroupBox>("gbSpoLeftFonts")->isEnabled());

    child<QRadioButton>("rgVellexVersion_2")->click();
    EXPECT_EQ(left4->text(), QStringLiteral("Со строки 'Док-т о предш. уровне образования':"));
    EXPECT_FALSE(spin("seDeltaYsign2")->isHidden());
    EXPECT_FALSE(child<QGroupBox>("gbSpoLeftFonts")->isEnabled());
    EXPECT_FALSE(child<QGroupBox>("gbNpoLeftFonts")->isEnabled());
    EXPECT_FALSE(spin("seMidDeltaYLeft5App1")->isEnabled());
    EXPECT_EQ(child<QLabel>("lb_UpDownSetDeltaXCol72")->text(), QStringLiteral("Сдвиг серии и №"));
    EXPECT_EQ(spin("sedFontSizeCol3Academ")->value(), 0);
    EXPECT_TRUE(messages.entries().empty());
}

}  // namespace
}  // namespace vellex

#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <string_view>

#include "storage/settings.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QTabWidget;

namespace vellex {

class SettingsDialogLogic;

// "Настройки": the print layout values of "App.ini". OK is the only way out; until then
// nothing but the version changes in `settings`.
class TSettings final : public QDialog {
    Q_OBJECT
  public:
    // `startTab`: the number of the tab to open on (kSettingsMenuStartTab for none).
    TSettings(Settings& settings, int startTab, QWidget* parent = nullptr);
    ~TSettings() override;

    // Escape and the window's close request do nothing; only OK closes.
    void reject() override;

    void BitBtnOKClick();

  protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void buildTabs();
    QWidget* buildGeneralTab();
    void FormActivate();
    void SetRGoxAppClick(int mode);
    void rgVellexVersionClick(int version);
    void spinEdited(const QString& name, int value);
    void showValues();
    void showLook();

    Settings& settings_;
    int startTab_;
    std::unique_ptr<SettingsDialogLogic> logic_;
    QTabWidget* tabs_ = nullptr;
    QButtonGroup* rgVellexVersion_ = nullptr;
    QButtonGroup* SetRGoxApp_ = nullptr;
    QButtonGroup* rgSaveStyle_ = nullptr;
    bool activated_ = false;
    bool suspended_ = false;  // the version reaction waits while the controls are loaded
    bool closing_ = false;
};

// What the main window has to rebuild after the dialog.
struct SettingsDialogResult {
    bool rowModeChanged = false;  // "mode_N_Discipl" differs from before
    bool versionChanged = false;  // "VellexVersion" differs from before
};

// Opens the dialog modally on `startTab` and returns when OK closed it.
// The caption of a row mode ("mode_N_Discipl") as the dialog shows it.
std::string_view rowModeCaption(int mode);

SettingsDialogResult runSettingsDialog(QWidget* parent, Settings& settings, int startTab);

}  // namespace vellex

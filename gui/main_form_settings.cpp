// The main window's settings: the settings dialog, "App.ini" and the recovery copy.
#include <QLocale>
#include <QTabWidget>

#include "gui/gui_text.h"
#include "gui/main_form.h"
#include "gui/message_form.h"
#include "gui/page_layout.h"
#include "gui/recovery_copy.h"
#include "gui/settings_dialog.h"
#include "model/page2_rows.h"
#include "model/program_layout.h"
#include "model/settings_dialog_logic.h"
#include "model/startup_state.h"
#include "storage/document_save.h"

namespace vellex {
namespace fs = std::filesystem;

// ---------------------------------------------------------------- the settings dialog

void TMainForm::afterSettingsDialog(const Settings& before, const SettingsDialogResult& result,
                                    bool fromToolbar) {
    if (result.rowModeChanged && !resizePage2(rowsForMode(before.mode_N_Discipl))) {
        // The user keeps the rows: the old mode (and the edition that came with it) stays.
        settings_.mode_N_Discipl = before.mode_N_Discipl;
        settings_.VellexVersion = before.VellexVersion;
    }
    if (settings_.VellexVersion != before.VellexVersion) {
        notAChange([&] {
            if (fromToolbar) {
                applyVariants(-1);
            } else {
                // The menu switches the pages only; the line-count groups stay as chosen.
                switchSixPages();
            }
        });
    }
    refreshFromDocument();
    // What the user chose in the dialog is the program's layout from now on.
    programLayout_.takeChosen(before, settings_);
    // Stored at once, so that vellex-print and the next start see the new calibration
    // and a crash cannot lose it; on a failure the settings still stay in force.
    writeMainSettings();
}

bool TMainForm::resizePage2(int oldRows) {
    const int newRows = rowsForMode(settings_.mode_N_Discipl);
    if (const std::optional<DroppedRows> dropped =
            rowsDroppedByResize(oldRows, newRows, doc_.lastFilledRow(Table::Disciplines))) {
        const QString text =
            QStringLiteral("Строки %1–%2 2-й страницы не поместятся в режим «%3». Удалить их?")
                .arg(dropped->first)
                .arg(dropped->last)
                .arg(fromUtf8(rowModeCaption(settings_.mode_N_Discipl)));
        if (!MessageForm::ask(this, QStringLiteral("Vellex"), text)) {
            return false;
        }
    }
    doc_.resizePage2(newRows);
    rebuildPage2Widgets();
    refreshTable(Table::Disciplines);
    return true;
}

// The menu opens the dialog on its general tab.
void TMainForm::mnSettingsClick() {
    const Settings before = settings_;
    afterSettingsDialog(before, runSettingsDialog(this, settings_, kSettingsMenuStartTab), false);
}

// The toolbar button opens it on the tab of the page in front.
void TMainForm::sbtSetClick() {
    const Page current = pageLayouts()[static_cast<size_t>(pages_->currentIndex())].page;
    const Settings before = settings_;
    afterSettingsDialog(before,
                        runSettingsDialog(this, settings_, settingsStartTabForPage(current)), true);
}

// ---------------------------------------------------------------- the recovery copy

bool TMainForm::keepRecoveryCopy() {
    if (!isModified()) {
        recovery_->remove();
        return true;
    }
    std::string error;
    if (recovery_->write(doc_, settingsToWrite(), &error)) {
        return true;
    }
    // Said once: a message every minute would keep the user from working.
    if (!recoveryFailureShown_ && !shuttingDown_) {
        recoveryFailureShown_ = true;
        showError(fromUtf8(error));
    }
    return false;
}

const fs::path& TMainForm::recoveryCopyPath() const {
    return recovery_->path();
}

void TMainForm::offerRecovery() {
    for (const RecoveryCopy::Orphan& orphan : RecoveryCopy::findOrphans(programDir_)) {
        const QString text =
            QStringLiteral("Найдены несохранённые данные (%1). Восстановить?")
                .arg(QLocale::c().toString(orphan.written, QStringLiteral("dd.MM.yyyy, hh:mm")));
        if (!MessageForm::ask(this, QStringLiteral("Vellex"), text)) {
            RecoveryCopy::removeOrphan(orphan);
            continue;
        }
        if (restoreRecoveryCopy(orphan.document)) {
            // Kept as this window's own copy before the old one goes.
            if (keepRecoveryCopy()) {
                RecoveryCopy::removeOrphan(orphan);
            }
            return;
        }
    }
}

bool TMainForm::restoreRecoveryCopy(const fs::path& copy) {
    Settings read = settings_;
    readSettings(fs::path(copy).replace_extension(".ini"), false, read);
    DocumentReadOptions options;
    options.format = recoveryCopyFormat(read);
    // Read into a copy: a damaged file changes nothing.
    Document restored = doc_;
    std::string error;
    std::vector<std::string> warnings;
    if (!readDocument(copy, options, restored, &error, &warnings)) {
        showError(fromUtf8(error));
        return false;
    }
    const Document before = baseline_;
    settings_ = std::move(read);
    applyReadSettings(restored, settings_, true, true);
    doc_ = std::move(restored);
    rebuildPage2Widgets();
    applyVariants(0);
    documentFileName_.clear();
    refreshFromDocument();
    // Changed and unnamed: closing asks, saving asks for a name.
    baseline_ = before;
    updateTitle();
    warnOnceShown(warnings);
    return true;
}

// ---------------------------------------------------------------- "App.ini"

Settings TMainForm::settingsToWrite() const {
    Settings s = withDocumentChoices(settings_, doc_);
    s.MainHeigh = height();
    s.MainWidth = width();
    return s;
}

bool TMainForm::writeMainSettings(bool quiet) {
    // Only what this window changed is written: a second window's calibration, saved in
    // the meantime, stays.
    const Settings now = programSettings();
    std::string error;
    if (!writeSettingsChanges(mainSettingsPath(programDir_), true, &storedSettings_, now, &error)) {
        if (!quiet) {
            showError(fromUtf8(error));
        }
        return false;
    }
    storedSettings_ = now;
    return true;
}

Settings TMainForm::programSettings() const {
    return programLayout_.appliedTo(settingsToWrite());
}

}  // namespace vellex

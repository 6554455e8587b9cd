// The main window's open and save commands, and switching the window to the layout of the
// document being opened.
#include <QFileInfo>

#include "gui/file_dialog_form.h"
#include "gui/gui_text.h"
#include "gui/main_form.h"
#include "gui/message_form.h"
#include "gui/recovery_copy.h"
#include "model/name_search.h"
#include "model/startup_state.h"
#include "storage/document_layout.h"
#include "storage/document_save.h"
#include "text/file_io.h"

namespace vellex {
namespace fs = std::filesystem;

bool TMainForm::openDocument(const fs::path& path, DocumentLayout layout, bool rows86) {
    // Find out first whether the file can be read at all, so that a failure leaves the
    // settings and the document as they were.
    std::string probe;
    std::string error;
    if (!readDocumentText(path, probe, &error)) {
        showError(fromUtf8(error));
        return false;
    }
    probe.clear();
    DocumentReadOptions read;
    if (!takeDocumentLayout(path, layout, rows86, read)) {
        return false;
    }
    std::vector<std::string> warnings;
    if (!readDocument(path, read, doc_, &error, &warnings)) {
        showError(fromUtf8(error));
        refreshFromDocument();
        return false;
    }
    warnOnceShown(warnings);
    if (doc_.rowCount(Table::Disciplines) !=
        static_cast<int>(widgets_.tables[static_cast<size_t>(Table::Disciplines)].size())) {
        rebuildPage2Widgets();
    }
    documentFileName_ = path;
    refreshFromDocument();
    markUnchanged();
    return true;
}

bool TMainForm::saveDocument(const fs::path& path) {
    std::string error;
    // A document in a layout other than the program's keeps its settings file even without
    // EachSaveSet: its line count alone cannot tell its edition or table order.
    const bool withOwnSettings =
        settings_.EachSaveSet || documentNeedsOwnSettings(path, settings_, programSettings());
    if (!saveDocumentFiles(path, doc_, settingsToWrite(), withOwnSettings, &error)) {
        showError(fromUtf8(error));
        return false;
    }
    markUnchanged();
    recovery_->remove();
    return true;
}

QString TMainForm::proposedSaveName() const {
    if (!documentFileName_.empty()) {
        return pathToQString(documentFileName_);
    }
    const NameParts name = findNameParts(doc_, settings_.VellexVersion);
    if (!name.surname.empty() && !name.firstName.empty() && !name.patronymic.empty()) {
        return toQString(name.surname + " " + name.firstName + " " + name.patronymic);
    }
    return {};
}

void TMainForm::openWithLayout(DocumentLayout layout, bool rows86) {
    FileDialogForm::Request r;
    r.title = QStringLiteral("Открыть состояние из...");
    r.folder = openFolder_;
    // Files named by the association end in ".app": both spellings are offered.
    r.filter =
        QStringLiteral("Файл настроек (*.App *.app);;Текст CSV (*.csv *.CSV);;Все файлы (*)");
    r.defaultSuffix = QStringLiteral("App");
    r.proposedName = QStringLiteral("Set1.App");
    if (!maySetDocumentAside()) {
        return;
    }
    const QString chosen = FileDialogForm::choose(this, r);
    if (chosen.isEmpty()) {
        return;
    }
    openFolder_ = QFileInfo(chosen).absolutePath();
    openDocument(pathFromQString(chosen), layout, rows86);
}

void TMainForm::mnOpenClick() {
    openWithLayout(DocumentLayout::Current, false);
}
void TMainForm::mnOpenOldInNewClick() {
    openWithLayout(DocumentLayout::Release412, true);
}
void TMainForm::mnOpenOldInNew2Click() {
    openWithLayout(DocumentLayout::Release412, false);
}
void TMainForm::mnOpenOldInNew3Click() {
    openWithLayout(DocumentLayout::Release422, false);
}
void TMainForm::mnOpenOldInNew4Click() {
    openWithLayout(DocumentLayout::Release4233, false);
}

void TMainForm::mnSaveClick() {
    saveWithDialog();
}

bool TMainForm::saveWithDialog() {
    FileDialogForm::Request r;
    r.save = true;
    r.title = QStringLiteral("Сохранить текущее состояние как...");
    r.folder = saveFolder_;
    r.filter = QStringLiteral("Файл настроек (*.App *.app)");
    r.defaultSuffix = QStringLiteral("App");
    r.proposedName = proposedSaveName();
    const QString chosen = FileDialogForm::choose(this, r);
    if (chosen.isEmpty()) {
        return false;
    }
    saveFolder_ = QFileInfo(chosen).absolutePath();
    return saveDocument(pathFromQString(chosen));
}

bool TMainForm::takeDocumentLayout(const std::filesystem::path& path, DocumentLayout layout,
                                   bool rows86, DocumentReadOptions& read) {
    DocumentOpenPlan plan = planDocumentOpen(path, settings_, layout, rows86);
    if (!plan.ok) {
        showError(fromUtf8(plan.error));
        return false;
    }
    const Settings before = settings_;
    const bool ownSettings = plan.companionRead && settings_.EachSaveSet;
    // The document's layout is shown, but "App.ini" keeps the program's own (see
    // programLayout_), so that the next start and the next new document are as before.
    settings_ = std::move(plan.settings);

    if (ownSettings) {
        applyReadSettings(doc_, settings_, true, true);
        resize(settings_.MainWidth, settings_.MainHeigh);
    }
    // The table must have the document's row count before the document is read.
    if (settings_.mode_N_Discipl != before.mode_N_Discipl) {
        rebuildPage2();
    }
    if (ownSettings) {
        applyVariants(0);
    } else if (settings_.VellexVersion != before.VellexVersion) {
        switchSixPages();
        SwitchVellexVersionPage2(settings_.VellexVersion);
        SwitchVellexVersionPage3(settings_.VellexVersion);
    }
    read = plan.read;
    // Only older files stored grades as list positions.
    read.gradeList = read.layout == DocumentLayout::Current ? nullptr : &gradeList_;

    if (const std::string text = documentSwitchMessage(path, plan); !text.empty()) {
        MessageForm::inform(this, MessageForm::Kind::Information, QStringLiteral("Vellex"),
                            fromUtf8(text));
    }
    return true;
}

}  // namespace vellex

// Switching the window to the layout of the document being opened.
#include "gui/gui_text.h"
#include "gui/main_form.h"
#include "gui/message_form.h"
#include "model/startup_state.h"
#include "storage/document_layout.h"

namespace vellex {

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

Settings TMainForm::programSettings() const {
    Settings program = settingsToWrite();
    program.VellexVersion = programLayout_.vellexVersion;
    program.SaveStyle = programLayout_.saveStyle;
    program.mode_N_Discipl = programLayout_.rowMode;
    return program;
}

}  // namespace vellex

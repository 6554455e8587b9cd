// The main window's print commands: the sheet is laid out and shown in the preview.
#include "gui/gui_text.h"
#include "gui/main_form.h"
#include "gui/preview_dialog.h"
#include "model/sheet_code.h"

namespace vellex {
namespace {

TMainForm::PreviewHook& previewHook() {
    static TMainForm::PreviewHook h;
    return h;
}

// The page of the window each sheet is filled in on.
Page sheetPage(SheetKind kind) {
    switch (kind) {
        case SheetKind::Diploma:
            return Page::Diploma;
        case SheetKind::SupplementSpo:
            return Page::SupplementSpo;
        case SheetKind::Page2:
            return Page::Page2;
        case SheetKind::Academic:
            return Page::Academic;
        case SheetKind::SupplementNpo:
            return Page::SupplementNpo;
        case SheetKind::Certificate:
            return Page::Certificate;
        case SheetKind::CertificateSupplement:
            return Page::CertSupplement;
        case SheetKind::Page3:
            return Page::Page3;
    }
    return Page::Diploma;
}

}  // namespace

void TMainForm::setPreviewHook(PreviewHook hook) {
    previewHook() = std::move(hook);
}

void TMainForm::printSheet(SheetKind kind) {
    sheetCode_ = printedSheetCode(sheetPage(kind), doc_);
    std::string error;
    if (!layoutSheet(kind, doc_, settings_, SheetOptions{}, report_, &error)) {
        showError(fromUtf8(error));
        return;
    }
    if (previewHook()) {
        previewHook()(report_);
        return;
    }
    // The preview opens as the user left it, also in an earlier run.
    PreviewDialog::setLastPlace(
        {QSize(settings_.PreviewWidth, settings_.PreviewHeight), settings_.PreviewZoom});
    showReport(report_, this);
    const PreviewDialog::Place place = PreviewDialog::lastPlace();
    settings_.PreviewWidth = place.size.width();
    settings_.PreviewHeight = place.size.height();
    settings_.PreviewZoom = place.zoom;
}

void TMainForm::mnPrintSheetDiplomClick() {
    printSheet(SheetKind::Diploma);
}
void TMainForm::mnPrintSheet1Click() {
    printSheet(SheetKind::SupplementSpo);
}
void TMainForm::mnPrintSheet2Click() {
    printSheet(SheetKind::Page2);
}
void TMainForm::mnPrintSheet8Click() {
    printSheet(SheetKind::Page3);
}
void TMainForm::mnPrintSheet4Click() {
    printSheet(SheetKind::Academic);
}
void TMainForm::mnPrintSheet5Click() {
    printSheet(SheetKind::SupplementNpo);
}
void TMainForm::mnPrintSheetCertificateClick() {
    printSheet(SheetKind::Certificate);
}
void TMainForm::mnPrintSheet7Click() {
    printSheet(SheetKind::CertificateSupplement);
}

}  // namespace vellex

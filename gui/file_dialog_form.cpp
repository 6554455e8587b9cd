#include "gui/file_dialog_form.h"

#include <QDir>
#include <QFileDialog>

namespace vellex {
namespace {

FileDialogForm::Hook& hook() {
    static FileDialogForm::Hook h;
    return h;
}

}  // namespace

void FileDialogForm::setHook(Hook h) {
    hook() = std::move(h);
}

QString FileDialogForm::choose(QWidget* parent, const Request& request) {
    if (hook()) {
        return hook()(request);
    }
    QFileDialog dialog(parent, request.title, request.folder, request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.proposedName.isEmpty()) {
        dialog.selectFile(request.proposedName);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace vellex

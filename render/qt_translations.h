#pragma once

class QCoreApplication;

namespace vellex {

// Makes Qt's own dialogs (print dialog, preview, file dialogs, message box buttons)
// speak Russian. Call once at start, before the first dialog is created: their labels
// are translated only when they are built. Returns false when the translation files
// are not installed (the dialogs then stay in English).
bool installRussianTranslations(QCoreApplication& app);

}  // namespace vellex

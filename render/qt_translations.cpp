#include "render/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vellex {

bool installRussianTranslations(QCoreApplication& app) {
    // Owned by the application, alive as long as it is.
    auto* translator = new QTranslator(&app);
    const bool loaded =
        translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qt"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (!loaded) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace vellex

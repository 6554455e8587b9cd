#include "render/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vellex {

namespace {

QString translationsFolder() {
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

}  // namespace

bool installRussianTranslations(QCoreApplication& app) {
    // Owned by the application, alive as long as it is.
    auto* translator = new QTranslator(&app);
    const bool loaded =
        translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qt"),
                         QStringLiteral("_"), translationsFolder());
    if (!loaded) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace vellex

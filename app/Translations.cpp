#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Translations {

QTranslator* InstallPolish(QCoreApplication* app) {
    auto* translator = new QTranslator(app);
    if (!translator->load(QStringLiteral("qtbase_pl"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    auto* help = new QTranslator(app);
    if (!help->load(QStringLiteral("qt_help_pl"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(help))
        delete help;
    return translator;
}

} // namespace Translations

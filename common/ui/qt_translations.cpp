#include "qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace suite {

bool useQtTranslations(const QLocale& language)
{
    // One translator for the whole program, replaced on every switch so that
    // translations never pile up.
    // The application owns it; the guard forgets it if the application goes first.
    static QPointer<QTranslator> installed;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    if (language.language() == QLocale::English || language.language() == QLocale::C)
        return true;

    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

} // namespace suite

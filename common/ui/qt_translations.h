#pragma once

#include <QLocale>

namespace suite {

// Qt's own texts (standard buttons, file dialogs) in the language of the
// program's windows. English removes the translation again, so a program can
// switch back and forth. False when no translation for `language` is
// installed (the Debian package qt6-translations-l10n provides them); Qt's
// English texts stay then.
bool useQtTranslations(const QLocale& language);

} // namespace suite

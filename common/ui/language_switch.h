#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <functional>

// The language of a program's windows: its own texts (from the catalogue
// :/i18n/<program>_<code>.qm that suite_add_translations embeds), the texts
// shared by every program (:/i18n/common_<code>.qm) and Qt's own (standard
// buttons, file dialogs). Codes are "en" and "pt_BR".
// Qt Core only, so that a command line or a job that shows no window can
// speak the same language without loading the widgets; the menu that
// switches it is in language.h.
namespace suite {

inline const QString kEnglish = QStringLiteral("en");
inline const QString kPortuguese = QStringLiteral("pt_BR");

// The languages every program speaks, in the order menus list them.
QStringList availableLanguages();

// The language a locale name stands for ("pt", "pt_PT.UTF-8", "pt-BR" give
// "pt_BR"; "en_GB" gives "en"), or empty for any other ("C", "POSIX", "de").
QString matchLanguage(const QString& name);

// The desktop's language as the C library reads it: LANGUAGE (a list by
// preference, unless the locale is C), then LC_ALL, LC_MESSAGES, LANG.
// Empty when it is C or POSIX or none of the program's languages, so the
// program keeps its source texts. `variable` looks a variable up (the
// process environment when not given).
QString desktopLanguage(const std::function<QString(const char*)>& variable = {});

// What a program says about itself, set once at start-up.
struct LanguageSetup {
    QString program; // catalogue name, e.g. "aliasmith"
    QString sourceLanguage; // the language its texts are written in
    QString settingsFile; // where the language menu keeps its choice; empty: nowhere
};
void setUpLanguages(const LanguageSetup& setup);

// Loads the catalogues of `code` (empty: the source language) and tells
// every window (QEvent::LanguageChange, posted). False for a code of
// neither language, which changes nothing.
bool switchLanguage(const QString& code);

// The language shown now, "en" or "pt_BR".
QString currentLanguage();
// Its locale, for numbers and dates.
QLocale currentLocale();

// The choice made in the language menu, or empty when none was made.
QString storedLanguage();
void storeLanguage(const QString& code);

// Numbers, sizes and dates the current language's way: 1,048,576 in
// English, 1.048.576 in Portuguese.
QString formatNumber(qint64 value);
QString formatDecimal(double value, int decimals);
QString formatByteCount(qint64 bytes); // "1.5 MB" / "1,5 MB"
QString formatDate(const QDate& date);
QString formatDateTime(const QDateTime& when);

} // namespace suite

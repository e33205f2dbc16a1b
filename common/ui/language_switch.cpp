#include "language_switch.h"

#include "qt_translations.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

#include <cstdlib>

namespace suite {
namespace {

struct State {
    LanguageSetup setup{QString(), kEnglish, QString()};
    QString current = kEnglish;
    QPointer<QTranslator> program;
    QPointer<QTranslator> common;
};

State& state()
{
    static State instance;
    return instance;
}

QString fromEnvironment(const char* name)
{
    return QString::fromLocal8Bit(std::getenv(name));
}

bool isCLocale(const QString& name)
{
    return name == QLatin1String("C") || name.startsWith(QLatin1String("C.")) ||
           name == QLatin1String("POSIX");
}

// One catalogue, replaced on every switch so translations never pile up.
void replace(QPointer<QTranslator>& slot, const QString& file)
{
    if (slot) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
    }
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file)) {
        delete translator;
        return;
    }
    QCoreApplication::installTranslator(translator);
    slot = translator;
}

QString settingsKey()
{
    return QStringLiteral("language");
}

} // namespace

QStringList availableLanguages()
{
    return {kEnglish, kPortuguese};
}

QString matchLanguage(const QString& name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty() || isCLocale(trimmed))
        return {};
    // "pt_BR.UTF-8@euro" → "pt"
    QString language = trimmed.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    language = language.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
    if (language == QLatin1String("en"))
        return kEnglish;
    if (language == QLatin1String("pt"))
        return kPortuguese;
    return {};
}

QString desktopLanguage(const std::function<QString(const char*)>& variable)
{
    const auto get = variable ? variable : fromEnvironment;
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = get(name);
        if (!locale.isEmpty())
            break;
    }
    // The C library ignores LANGUAGE under the C locale; so does this.
    if (isCLocale(locale))
        return {};
    for (const QString& wanted : get("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString code = matchLanguage(wanted);
        if (!code.isEmpty())
            return code;
    }
    if (!locale.isEmpty())
        return matchLanguage(locale);
#ifdef _WIN32
    // Windows keeps the user's language in its settings, not the environment.
    const QStringList preferred = QLocale::system().uiLanguages();
    if (!preferred.isEmpty())
        return matchLanguage(preferred.first());
#endif
    return {};
}

void setUpLanguages(const LanguageSetup& setup)
{
    state().setup = setup;
    state().current = setup.sourceLanguage.isEmpty() ? kEnglish : setup.sourceLanguage;
}

bool switchLanguage(const QString& code)
{
    State& s = state();
    const QString wanted = code.isEmpty() ? s.setup.sourceLanguage : matchLanguage(code);
    if (wanted.isEmpty())
        return false;
    s.current = wanted;
    if (!s.setup.program.isEmpty())
        replace(s.program, QStringLiteral(":/i18n/%1_%2.qm").arg(s.setup.program, wanted));
    replace(s.common, QStringLiteral(":/i18n/common_%1.qm").arg(wanted));
    useQtTranslations(currentLocale());
    return true;
}

QString currentLanguage()
{
    return state().current;
}

QLocale currentLocale()
{
    if (state().current == kPortuguese)
        return QLocale(QLocale::Portuguese, QLocale::Brazil);
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

QString storedLanguage()
{
    const QString file = state().setup.settingsFile;
    if (file.isEmpty())
        return {};
    return matchLanguage(QSettings(file, QSettings::IniFormat).value(settingsKey()).toString());
}

void storeLanguage(const QString& code)
{
    const QString file = state().setup.settingsFile;
    if (file.isEmpty())
        return;
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(settingsKey(), code);
}

QString formatNumber(qint64 value)
{
    return currentLocale().toString(value);
}

QString formatDecimal(double value, int decimals)
{
    return currentLocale().toString(value, 'f', decimals);
}

QString formatByteCount(qint64 bytes)
{
    return currentLocale().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

QString formatDate(const QDate& date)
{
    return currentLocale().toString(date, QLocale::ShortFormat);
}

QString formatDateTime(const QDateTime& when)
{
    return currentLocale().toString(when, QLocale::ShortFormat);
}

} // namespace suite

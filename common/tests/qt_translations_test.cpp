#include "common/testing/window_checks.h"
#include "common/ui/qt_translations.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

using suite::testing::buttonsOfAQuestion;

TEST(QtTranslations, APortugueseProgramAsksWithSimAndNaoAndEnglishComesBack)
{
    ASSERT_TRUE(suite::useQtTranslations(QLocale(QLocale::Portuguese, QLocale::Brazil)))
        << "Qt's Portuguese translations are missing (Debian package qt6-translations-l10n)";
    EXPECT_EQ(buttonsOfAQuestion(), (QStringList{QStringLiteral("Não"), QStringLiteral("Sim")}));

    // Switching twice leaves one translation, not two stacked.
    ASSERT_TRUE(suite::useQtTranslations(QLocale(QLocale::Portuguese, QLocale::Brazil)));
    EXPECT_EQ(QApplication::translate("QPlatformTheme", "&Yes").remove(QLatin1Char('&')),
              QStringLiteral("Sim"));

    EXPECT_TRUE(suite::useQtTranslations(QLocale(QLocale::English)));
    EXPECT_EQ(buttonsOfAQuestion(), (QStringList{QStringLiteral("No"), QStringLiteral("Yes")}));
}

} // namespace

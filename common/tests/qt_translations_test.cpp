#include "common/ui/dialogs.h"
#include "common/ui/qt_translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Opens a real question box, reads its buttons and answers No.
QStringList buttonsOfAQuestion()
{
    QStringList texts;
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = true;
        for (QAbstractButton* button : box->buttons())
            texts << button->text().remove(QLatin1Char('&'));
        box->button(QMessageBox::No)->click();
    });
    suite::QtDialogs dialogs;
    const bool answer = dialogs.question(nullptr, suite::MessageIcon::Question, QStringLiteral("T"),
                                         QStringLiteral("?"));
    EXPECT_TRUE(seen) << "no question box appeared";
    EXPECT_FALSE(answer);
    texts.sort();
    return texts;
}

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

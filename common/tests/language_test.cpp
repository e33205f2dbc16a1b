#include "common/testing/window_checks.h"
#include "common/ui/language.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <map>

namespace {

QString desktopWith(const std::map<std::string, QString>& variables)
{
    return suite::desktopLanguage([&](const char* name) {
        const auto found = variables.find(name);
        return found == variables.end() ? QString() : found->second;
    });
}

TEST(Language, TheDesktopsChoiceInTheCLibrarysOrder)
{
    EXPECT_EQ(desktopWith({}), QString());
    EXPECT_EQ(desktopWith({{"LANG", "pt_BR.UTF-8"}}), suite::kPortuguese);
    EXPECT_EQ(desktopWith({{"LANG", "pt_PT.UTF-8"}}), suite::kPortuguese);
    EXPECT_EQ(desktopWith({{"LANG", "en_GB.UTF-8"}}), suite::kEnglish);
    // Neither language, or C: the program's own source texts.
    EXPECT_EQ(desktopWith({{"LANG", "de_DE.UTF-8"}}), QString());
    EXPECT_EQ(desktopWith({{"LANG", "C.UTF-8"}, {"LANGUAGE", "pt_BR"}}), QString());
    // LC_ALL over LC_MESSAGES over LANG; LANGUAGE's first known entry over all.
    EXPECT_EQ(desktopWith({{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "pt_BR.UTF-8"}}),
              suite::kPortuguese);
    EXPECT_EQ(desktopWith({{"LC_ALL", "en_US.UTF-8"}, {"LC_MESSAGES", "pt_BR.UTF-8"}}),
              suite::kEnglish);
    EXPECT_EQ(desktopWith({{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "de:pt_BR:en"}}),
              suite::kPortuguese);
    EXPECT_EQ(suite::matchLanguage(QStringLiteral("pt-BR")), suite::kPortuguese);
    EXPECT_EQ(suite::matchLanguage(QStringLiteral("POSIX")), QString());
}

TEST(Language, NumbersAndDatesTheLanguagesWay)
{
    suite::setUpLanguages({QString(), suite::kEnglish, QString()});
    suite::testing::useLanguage(suite::kPortuguese);
    EXPECT_EQ(suite::formatNumber(1048576), QStringLiteral("1.048.576"));
    EXPECT_EQ(suite::formatDecimal(2.5, 1), QStringLiteral("2,5"));
    EXPECT_EQ(suite::formatDate(QDate(2024, 3, 9)), QStringLiteral("09/03/2024"));
    suite::testing::useLanguage(suite::kEnglish);
    EXPECT_EQ(suite::formatNumber(1048576), QStringLiteral("1,048,576"));
    EXPECT_EQ(suite::formatDecimal(2.5, 1), QStringLiteral("2.5"));
    EXPECT_EQ(suite::formatDate(QDate(2024, 3, 9)), QStringLiteral("3/9/24"));
    EXPECT_FALSE(suite::switchLanguage(QStringLiteral("de")));
    EXPECT_EQ(suite::currentLanguage(), suite::kEnglish);
}

TEST(Language, TheMenuSwitchesTheWindowsAndRemembersTheChoice)
{
    QTemporaryDir dir;
    const QString settings = dir.filePath(QStringLiteral("demo-language.ini"));
    suite::setUpLanguages({QStringLiteral("demo"), suite::kPortuguese, settings});
    suite::testing::useLanguage(QString()); // the source language
    QMenuBar bar;
    auto* menu = new suite::LanguageMenu(&bar);
    bar.addMenu(menu);
    EXPECT_EQ(menu->title(), QStringLiteral("&Idioma"));
    EXPECT_EQ(suite::storedLanguage(), QString());

    menu->findChild<QAction*>(QStringLiteral("menLanguage_en"))->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(suite::currentLanguage(), suite::kEnglish);
    EXPECT_EQ(menu->title(), QStringLiteral("&Language"));
    EXPECT_TRUE(menu->findChild<QAction*>(QStringLiteral("menLanguage_en"))->isChecked());
    EXPECT_EQ(suite::storedLanguage(), suite::kEnglish);
    suite::setUpLanguages({QString(), suite::kEnglish, QString()});
    suite::testing::useLanguage(QString());
}

// The checks fail on what a user would trip over, not on what is fine.
TEST(WindowChecks, ANamelessBoxAndACutTextAreCaught)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* label = new QLabel(QStringLiteral("Name:"), &window);
    auto* box = new QLineEdit(&window);
    label->setBuddy(box);
    layout->addWidget(label);
    layout->addWidget(box);
    auto* bar = new QMenuBar(&window);
    bar->setObjectName(QStringLiteral("menuBar"));
    bar->addMenu(QStringLiteral("&File"));
    layout->setMenuBar(bar);
    window.resize(240, 120);
    window.show();
    suite::testing::expectAccessibleNames(&window);
    suite::testing::expectTextsFit(&window);

    bar->addMenu(QStringLiteral("A menu far too long for the bar"));
    bar->setFixedWidth(120);
    auto* nameless = new QLineEdit(&window);
    nameless->setObjectName(QStringLiteral("txtNameless"));
    auto* narrow = new QPushButton(QStringLiteral("A rather long caption"), &window);
    narrow->setObjectName(QStringLiteral("cmbNarrow"));
    narrow->setGeometry(0, 0, 30, 24);
    narrow->show();
    nameless->show();
    ::testing::TestPartResultArray results;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        suite::testing::expectAccessibleNames(&window);
        suite::testing::expectTextsFit(&window);
    }
    ASSERT_EQ(results.size(), 3);
    EXPECT_TRUE(QString::fromUtf8(results.GetTestPartResult(0).message()).contains("txtNameless"));
    const QString cut = QString::fromUtf8(results.GetTestPartResult(1).message()) +
                        QString::fromUtf8(results.GetTestPartResult(2).message());
    EXPECT_TRUE(cut.contains("cmbNarrow"));
    EXPECT_TRUE(cut.contains("A menu far too long"));
}

} // namespace

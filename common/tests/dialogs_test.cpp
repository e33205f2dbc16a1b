#include "common/testing/fake_dialogs.h"
#include "common/ui/dialogs.h"
#include "common/ui/text.h"

#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

TEST(FileFilter, BarSeparatedPairsBecomeQtFilters)
{
    EXPECT_EQ(suite::toQtFileFilter("Sprites (.spr)|*.spr"),
              QStringLiteral("Sprites (.spr) (*.spr)"));
    EXPECT_EQ(suite::toQtFileFilter("Text|*.txt|All files|*.*"),
              QStringLiteral("Text (*.txt);;All files (*.*)"));
    EXPECT_EQ(suite::toQtFileFilter("Images|*.png;*.bmp"), QStringLiteral("Images (*.png *.bmp)"));
}

TEST(FakeDialogs, AnswersFromItsQueuesThenLikeACancellingUser)
{
    suite::testing::FakeDialogs fake;
    suite::Dialogs& dialogs = fake; // windows hold the interface
    fake.answers.push_back(true);
    fake.inputs.push_back(QStringLiteral("Ana"));
    fake.paths.push_back(QStringLiteral("/tmp/x.a"));
    EXPECT_TRUE(dialogs.question(nullptr, suite::MessageIcon::Question, "T", "Sure?"));
    EXPECT_EQ(dialogs.input(nullptr, "T", "Name"), QStringLiteral("Ana"));
    EXPECT_EQ(dialogs.saveFile(nullptr, "A|*.a"), QStringLiteral("/tmp/x.a"));

    EXPECT_FALSE(dialogs.question(nullptr, suite::MessageIcon::Question, "T", "Sure?"));
    EXPECT_FALSE(dialogs.input(nullptr, "T", "Name").has_value());
    EXPECT_TRUE(dialogs.openFile(nullptr, "A|*.a").isEmpty());

    // A test reads the last message whatever dialogs came after it.
    dialogs.message(nullptr, suite::MessageIcon::Critical, "Erro", "Falhou");
    dialogs.chooseFolder(nullptr, "Pasta");
    EXPECT_EQ(fake.lastMessage().text, QStringLiteral("Falhou"));
    EXPECT_EQ(fake.lastMessage().icon, suite::MessageIcon::Critical);
}

TEST(WindowTitle, ALiteralTitleShowsItsMarkerLikeText)
{
    QWidget window;
    window.setWindowTitle("Game - " + suite::literalTitle("Ana [*] Bia"));
    window.show();
    ASSERT_NE(window.windowHandle(), nullptr);
    EXPECT_EQ(window.windowHandle()->title(), QStringLiteral("Game - Ana [*] Bia"));
}

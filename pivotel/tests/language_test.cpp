#include "pivotel/ui/form1.h"
#include "pivotel/ui/workshop.h"

#include "pivotel/core/sprite_model.h"
#include "pivotel/tests/sprite_files.h"

#include "common/testing/window_checks.h"
#include "common/testing/window_test.h"
#include "common/ui/language.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>

namespace pivotel {
namespace {

using suite::testing::child;
using suite::testing::click;
using suite::testing::useLanguage;

class LanguageTest : public suite::testing::WindowTest {
protected:
    void SetUp() override
    {
        suite::setUpLanguages({QStringLiteral("pivotel"), suite::kEnglish, QString()});
        useLanguage(QString());
    }
    void TearDown() override
    {
        useLanguage(QString());
        WindowTest::TearDown();
    }

    void readSprite(char type)
    {
        QByteArray bytes("IDSP\x02\x00\x00\x00", 8);
        bytes += type;
        bytes.append(64 - bytes.size(), '\0');
        writeFile(QStringLiteral("a.spr"), bytes);
        form_.openFile(pathIn(QStringLiteral("a.spr")));
    }

    QString text(const char* name) const { return child<QPushButton>(&form_, name)->text(); }
    QString title(const char* name) const { return child<QGroupBox>(&form_, name)->title(); }
    QString label(const char* name) const { return child<QLabel>(&form_, name)->text(); }

    Form1 form_{dialogs_};
};

TEST_F(LanguageTest, TheMainWindowAndItsMessagesSpeakTheLanguageChosen)
{
    EXPECT_EQ(form_.windowTitle(), QStringLiteral("Tavrin Sprite Axis Editor"));
    EXPECT_EQ(text("cmbGet"), QStringLiteral("Get Sprite Info"));
    EXPECT_EQ(title("Frame2"), QStringLiteral("Axis Info"));
    click(child<QPushButton>(&form_, "cmbGet"));
    EXPECT_EQ(dialogs_.lastMessage().title, QStringLiteral("Erro"));
    EXPECT_EQ(dialogs_.lastMessage().text, QStringLiteral("No sprite path"));
    EXPECT_EQ(suite::testing::buttonsOfAQuestion(&form_),
              (QStringList{QStringLiteral("No"), QStringLiteral("Yes")}));

    useLanguage(suite::kPortuguese);
    EXPECT_EQ(text("cmbGet"), QStringLiteral("Ler Info do Sprite"));
    EXPECT_EQ(title("Frame1"), QStringLiteral("Local do Sprite"));
    EXPECT_EQ(text("cmbSaveAs"), QStringLiteral("Salvar Como..."));
    // The orientation names are the game's own words and stay as they are.
    EXPECT_EQ(child<QRadioButton>(&form_, "Option4")->text(), QStringLiteral("Fixed Direction"));
    click(child<QPushButton>(&form_, "cmbGet"));
    EXPECT_EQ(dialogs_.lastMessage().text, QStringLiteral("Nenhum caminho de sprite"));
    EXPECT_EQ(suite::testing::buttonsOfAQuestion(&form_),
              (QStringList{QStringLiteral("Não"), QStringLiteral("Sim")}));
}

TEST_F(LanguageTest, WhatTheWindowShowsIsWordedAgainWhenTheLanguageChanges)
{
    readSprite(7);
    EXPECT_EQ(label("Label2"), QStringLiteral("Type 7 Sprite"));
    EXPECT_EQ(label("lblPreviewInfo").section(QLatin1Char('\n'), 0, 0),
              QStringLiteral("Frames: 0"));
    useLanguage(suite::kPortuguese);
    EXPECT_EQ(label("Label2"), QStringLiteral("Sprite do Tipo 7"));
    EXPECT_EQ(label("lblPreviewInfo").section(QLatin1Char('\n'), 0, 0),
              QStringLiteral("Quadros: 0"));
    EXPECT_EQ(title("fraPreview"), QStringLiteral("Pré-visualização"));

    writeFile(QStringLiteral("b.spr"), QByteArray("IDSQ\x02\x00\x00\x00\x02", 9));
    form_.openFile(pathIn(QStringLiteral("b.spr")));
    EXPECT_EQ(dialogs_.lastMessage().text,
              QStringLiteral("\"%1\" não é um sprite: ele não começa com \"IDSP\". Ele não pode "
                             "ser salvo.")
                  .arg(pathIn(QStringLiteral("b.spr"))));

    readSprite(3);
    EXPECT_EQ(label("Label2"), QStringLiteral("Sprite Fixed Direction"));
    useLanguage(QString());
    EXPECT_EQ(label("Label2"), QStringLiteral("Fixed Direction Sprite"));
}

TEST_F(LanguageTest, EveryControlIsNamedEveryTextFitsAndTabFollowsReadingOrder)
{
    form_.show();
    Workshop* workshop = form_.workshop();
    workshop->show();
    for (const QString& code : {suite::kEnglish, suite::kPortuguese}) {
        useLanguage(code);
        SCOPED_TRACE(code.toStdString());
        for (QWidget* window : {static_cast<QWidget*>(&form_), static_cast<QWidget*>(workshop)}) {
            suite::testing::expectAccessibleNames(window);
            suite::testing::expectTextsFit(window);
        }
    }
    EXPECT_FALSE(child<QWidget>(workshop, "preview")->accessibleDescription().isEmpty());
    EXPECT_FALSE(child<QLabel>(&form_, "lblPreview")->accessibleDescription().isEmpty());

    QStringList order;
    QWidget* widget = child<QLineEdit>(&form_, "txtPath");
    do {
        if (widget->focusPolicy() & Qt::TabFocus && widget->isEnabled())
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != child<QLineEdit>(&form_, "txtPath") && order.size() < 20);
    EXPECT_EQ(order, (QStringList{"txtPath", "cmbPath", "cmbGet", "scrPreview", "cmbWorkshop",
                                  "cmbLanguage", "cmbAbout"}));
}

TEST_F(LanguageTest, TheWorkshopsWarningFollowsTheLanguage)
{
    Workshop workshop(dialogs_);
    QSignalSpy ready(&workshop, &Workshop::spriteReady);
    workshop.loadSprite(*parseSprite(
        testing::halfLifeSprite(1, {testing::singleFrame(4, 4, testing::rampIndices(16))})));
    if (workshop.isBuilding()) {
        ASSERT_TRUE(ready.wait());
    }
    auto* warning = child<QLabel>(&workshop, "lblRenderWarning");
    child<QComboBox>(&workshop, "cboRenderMode")->setCurrentIndex(4);
    EXPECT_TRUE(warning->text().startsWith(QStringLiteral("Additive frames on a solid-mode")));
    auto* palette = child<QLabel>(&workshop, "lblPalette");
    EXPECT_EQ(palette->text(),
              QStringLiteral("Palette: the pictures' own palette was kept, index for index. "
                             "Texture format additive: colours are added to what lies behind, "
                             "so black is transparent."));
    useLanguage(suite::kPortuguese);
    EXPECT_TRUE(palette->text().startsWith(
        QStringLiteral("Paleta: a paleta das próprias imagens foi mantida")));
    EXPECT_TRUE(warning->text().startsWith(QStringLiteral("Quadros aditivos numa entidade de "
                                                          "modo sólido")));
    EXPECT_EQ(child<QComboBox>(&workshop, "cboRenderMode")->currentText(),
              QStringLiteral("sólido"));
    EXPECT_EQ(workshop.windowTitle(), QStringLiteral("Oficina de Sprites"));
}

} // namespace
} // namespace pivotel

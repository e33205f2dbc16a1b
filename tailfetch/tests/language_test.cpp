#include "tailfetch/ui/about_window.h"
#include "tailfetch/ui/main_window.h"

#include "common/ui/language.h"

#include "common/testing/window_checks.h"
#include "common/testing/window_test.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

namespace tailfetch {
namespace {

using suite::testing::child;
using suite::testing::click;

// The window in each language, back in its own language after every test.
class LanguageTest : public suite::testing::WindowTest {
protected:
    std::unique_ptr<MainWindow> window_;

    void SetUp() override
    {
        suite::setUpLanguages({QStringLiteral("tailfetch"), suite::kPortuguese, QString()});
        suite::testing::useLanguage(QString());
        window_ = std::make_unique<MainWindow>(programDir(), dialogs_);
        window_->show();
    }
    void TearDown() override
    {
        window_.reset();
        suite::testing::useLanguage(QString());
    }

    template <typename T = QWidget>
    T* w(const char* name) const
    {
        return child<T>(window_.get(), name);
    }
    QString label(const char* name) const { return w<QLabel>(name)->text(); }
    QString button(const char* name) const { return w<QAbstractButton>(name)->text(); }
    QString frame(const char* name) const { return w<QGroupBox>(name)->title(); }
};

TEST_F(LanguageTest, TheWindowSpeaksEnglishAndComesBackToPortuguese)
{
    suite::testing::useLanguage(suite::kEnglish);
    EXPECT_EQ(window_->windowTitle(), "Tavrin - Complete Incomplete files");
    EXPECT_EQ(frame("fraCaminho"), "Path to the file on the internet");
    EXPECT_EQ(frame("fraByte"), "Starting Byte and Download");
    EXPECT_EQ(button("optByte"), "Set byte");
    EXPECT_EQ(button("chkSeparar"), "Make a new file");
    EXPECT_EQ(label("lblHost"), "No file selected");
    EXPECT_EQ(label("lblEstado"), "Waiting...");
    EXPECT_EQ(label("lblVelocidade"), "Stopped");
    EXPECT_EQ(button("cmbJuntar"), "Join Files >");
    EXPECT_EQ(button("cmbGo"), "Start");
    EXPECT_EQ(button("cmbLanguage"), "Language");
    const auto* menu = w<QMenu>("mnuPopup");
    EXPECT_EQ(menu->actions()[0]->text(), "&Restore");
    EXPECT_EQ(menu->actions()[1]->text(), "E&xit");
    // The tray tip is made of the status labels, so it follows them.
    EXPECT_TRUE(window_->statusLine().contains("Waiting..."));

    // The panel's button keeps saying which way it goes.
    click(w<QPushButton>("cmbJuntar"));
    EXPECT_EQ(button("cmbJuntar"), "Join Files <");

    suite::testing::useLanguage(QString());
    EXPECT_EQ(window_->windowTitle(), "Tavrin - Complete arquivos Incompletos");
    EXPECT_EQ(frame("fraCaminho"), "Caminho para arquivo na internet");
    EXPECT_EQ(label("lblEstado"), "Aguardando...");
    EXPECT_EQ(button("cmbJuntar"), "Unir Arquivos <");
    EXPECT_EQ(button("cmbLanguage"), "Idioma");
    EXPECT_EQ(menu->actions()[0]->text(), "&Restaurar");
}

TEST_F(LanguageTest, AStatusTheWindowChangedIsNotPutBack)
{
    w<QLineEdit>("txtPath")->setText("http://example.org/pasta/arquivo.bin");
    EXPECT_EQ(label("lblHost"), "example.org");
    suite::testing::useLanguage(suite::kEnglish);
    EXPECT_EQ(label("lblHost"), "example.org");
    EXPECT_EQ(label("lblEstado"), "Waiting...");
}

TEST_F(LanguageTest, MessagesAndTheirFiguresFollowTheLanguage)
{
    writeFile("existing.bin", QByteArray(1234, 'x'));
    w<QLineEdit>("txtPath")->setText("http://127.0.0.1:9/arquivo.bin");
    w<QLineEdit>("txtStart")->setText("1");
    w<QLineEdit>("txtDestino")->setText(pathIn("existing.bin"));

    click(w<QPushButton>("cmbGo")); // the fake user answers No
    ASSERT_FALSE(dialogs_.shown.empty());
    EXPECT_EQ(dialogs_.shown.back().title, "Atenção");
    EXPECT_TRUE(dialogs_.shown.back().text.contains("(1.234 bytes) já existe"))
        << dialogs_.shown.back().text.toStdString();

    suite::testing::useLanguage(suite::kEnglish);
    click(w<QPushButton>("cmbGo"));
    EXPECT_EQ(dialogs_.shown.back().title, "Warning");
    EXPECT_TRUE(dialogs_.shown.back().text.contains("(1,234 bytes) already exists"))
        << dialogs_.shown.back().text.toStdString();
    EXPECT_FALSE(window_->downloading());

    // A refusal: the same message the source language gives, in English.
    w<QLineEdit>("txtPath")->clear();
    click(w<QPushButton>("cmbGo"));
    EXPECT_EQ(dialogs_.lastMessage().title, "Error");
    EXPECT_EQ(dialogs_.lastMessage().text,
              "Fill in all the required fields and check that everything was typed correctly.");
}

TEST_F(LanguageTest, QtsOwnButtonsFollowTheLanguage)
{
    EXPECT_EQ(suite::testing::buttonsOfAQuestion(window_.get()),
              (QStringList{QStringLiteral("Não"), QStringLiteral("Sim")}));
    suite::testing::useLanguage(suite::kEnglish);
    EXPECT_EQ(suite::testing::buttonsOfAQuestion(window_.get()),
              (QStringList{QStringLiteral("No"), QStringLiteral("Yes")}));
}

TEST_F(LanguageTest, EveryControlIsNamedAndEveryTextFitsInBothLanguages)
{
    click(w<QPushButton>("cmbJuntar")); // the join panel too
    for (const QString& code : {suite::kPortuguese, suite::kEnglish}) {
        SCOPED_TRACE(code.toStdString());
        suite::testing::useLanguage(code);
        suite::testing::expectAccessibleNames(window_.get());
        suite::testing::expectTextsFit(window_.get());
        AboutWindow about(window_.get());
        about.show();
        suite::testing::expectAccessibleNames(&about);
        suite::testing::expectTextsFit(&about);
    }
}

TEST_F(LanguageTest, TabFollowsReadingOrder)
{
    click(w<QPushButton>("cmbJuntar"));
    QStringList order;
    QWidget* widget = w<QLineEdit>("txtPath");
    do {
        if (widget->isVisibleTo(window_.get()) && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != w<QLineEdit>("txtPath"));
    const QStringList reading{"txtPath",     "cmbLanguage",     "optByte",         "txtStart",
                              "optFonte",    "chkSeparar",      "txtDestino",      "cmbPath",
                              "txtSoma",     "cmbJuntar",       "cmbTray",         "cmbAbout",
                              "cmbGo",       "txtArquivoFonte", "cmbArquivoFonte", "txtRestante",
                              "cmbRestante", "cmbUnir"};
    EXPECT_EQ(order.join(' ').toStdString(), reading.join(' ').toStdString());
}

} // namespace
} // namespace tailfetch

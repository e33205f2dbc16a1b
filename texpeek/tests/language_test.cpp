#include "common/testing/print_qstring.h"
#include "common/testing/window_checks.h"
#include "common/testing/window_test.h"
#include "common/ui/language.h"
#include "texpeek/tests/dds_files.h"
#include "texpeek/tests/window_fixture.h"
#include "texpeek/ui/compare_window.h"
#include "texpeek/ui/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <ostream>

namespace texpeek {
namespace {

using suite::testing::child;
using testing::ddsFile;
using testing::repeated;

// The window as it starts on a desktop of neither language: in Portuguese,
// the language its texts are written in.
class TexpeekLanguages : public testing::WindowFixture {
protected:
    TexpeekLanguages()
    {
        suite::setUpLanguages({QStringLiteral("texpeek"), suite::kPortuguese, QString()});
        suite::testing::useLanguage(QString());
    }
    ~TexpeekLanguages() override { suite::testing::useLanguage(QString()); }

    QString menuTitles() const
    {
        QStringList titles;
        for (QAction* action : window_.menuBar()->actions())
            titles << action->text().remove(QLatin1Char('&'));
        return titles.join(QLatin1Char('|'));
    }
    QWidget* toolbarWidget(int position) const
    {
        return child<QToolBar>(&window_, "tb")->widgetForAction(window_.toolbarButton(position));
    }
};

TEST_F(TexpeekLanguages, TheWindowSpeaksEnglishAndPortugueseAndTheSourceIsThePortuguese)
{
    const std::string file = ddsFile(128, 64, 32, repeated("\x01\x02\x03\x04", 128 * 64));
    const QString path = open(QStringLiteral("a.dds"), file);
    ASSERT_TRUE(dialogs_.messages().isEmpty());
    const QStringList report = [&] {
        QStringList lines;
        for (int row = 0; row < child<QListWidget>(&window_, "List1")->count(); ++row)
            lines << child<QListWidget>(&window_, "List1")->item(row)->text();
        return lines;
    }();

    EXPECT_EQ(menuTitles(), "Arquivo|Exibir|Idioma|Ajuda");
    EXPECT_EQ(text("lbl1"), "Altura:");
    EXPECT_EQ(text("lblArquivo"), "Imagem aberta");
    EXPECT_EQ(child<QGroupBox>(&window_, "Frame1")->title(), "Informações");
    EXPECT_EQ(window_.toolbarButton(1)->toolTip(), "Abrir");

    suite::testing::useLanguage(suite::kEnglish);
    EXPECT_EQ(menuTitles(), "File|View|Language|Help");
    EXPECT_EQ(child<QAction>(&window_, "menSalvarImagem")->text(), "Save picture as...");
    EXPECT_EQ(text("lbl1"), "Height:");
    EXPECT_EQ(text("lblFace"), "Face:");
    EXPECT_EQ(child<QGroupBox>(&window_, "Frame1")->title(), "Information");
    EXPECT_EQ(window_.toolbarButton(4)->toolTip(), "Zoom +");
    EXPECT_EQ(toolbarWidget(7)->accessibleName(), "Show in RGB");
    EXPECT_EQ(toolbarWidget(7)->accessibleDescription(), "Shows the picture in colour");
    EXPECT_EQ(child<QAbstractButton>(&window_, "cmdColourSpace")->accessibleName(), "Colour space");
    // The title keeps the file; the summary keeps its fixed shape; the
    // header report is data and reads the same in every language.
    EXPECT_EQ(window_.windowTitle(), "Texpeek Viewer - " + path);
    EXPECT_EQ(text("lblAltura"), "64 pixels");
    EXPECT_EQ(text("lblArquivo"), "Picture open");
    QStringList reportNow;
    for (int row = 0; row < child<QListWidget>(&window_, "List1")->count(); ++row)
        reportNow << child<QListWidget>(&window_, "List1")->item(row)->text();
    EXPECT_EQ(reportNow, report);

    window_.ZoomIn(2);
    EXPECT_EQ(text("lblArquivo"), "Picture enlarged");
    window_.showAlpha();
    EXPECT_EQ(text("lblArquivo"), "Alpha channel");

    suite::testing::useLanguage(suite::kPortuguese);
    EXPECT_EQ(menuTitles(), "Arquivo|Exibir|Idioma|Ajuda");
    EXPECT_EQ(toolbarWidget(7)->accessibleName(), "Mostrar em RGB");
    EXPECT_EQ(text("lblArquivo"), "Canal alpha");
    window_.Fechar();
    EXPECT_EQ(text("lblArquivo"), "Aguardando...");
    EXPECT_EQ(window_.windowTitle(), "Texpeek Viewer");
}

TEST_F(TexpeekLanguages, AMessageAndQtsOwnButtonsFollowTheLanguage)
{
    suite::testing::useLanguage(suite::kEnglish);
    open(QStringLiteral("dxt.dds"), ddsFile(2, 2, 0, std::string(8, '\x01')));
    ASSERT_EQ(dialogs_.messages().size(), 1);
    EXPECT_EQ(dialogs_.lastMessage().title, "Open");
    EXPECT_EQ(dialogs_.lastMessage().text, "Error opening file");
    // The decoder's reason, with its figure, in the language shown.
    EXPECT_EQ(text("lblArquivo"), "0 bits per pixel not supported");
    EXPECT_EQ(suite::testing::buttonsOfAQuestion(&window_),
              (QStringList{QStringLiteral("No"), QStringLiteral("Yes")}));

    suite::testing::useLanguage(suite::kPortuguese);
    open(QStringLiteral("dxt.dds"), ddsFile(2, 2, 0, std::string(8, '\x01')));
    ASSERT_EQ(dialogs_.messages().size(), 2);
    EXPECT_EQ(dialogs_.lastMessage().title, "Abrir");
    EXPECT_EQ(dialogs_.lastMessage().text, "Erro ao abrir arquivo");
    EXPECT_EQ(text("lblArquivo"), "0 bits por pixel não suportados");
    EXPECT_EQ(suite::testing::buttonsOfAQuestion(&window_),
              (QStringList{QStringLiteral("Não"), QStringLiteral("Sim")}));

    suite::testing::useLanguage(suite::kEnglish);
    window_.Sobre();
    EXPECT_EQ(dialogs_.lastMessage().title, "About");
    EXPECT_TRUE(dialogs_.lastMessage().text.startsWith("Texpeek Viewer\r\nMade by the author"));
}

TEST_F(TexpeekLanguages, AShortFileCountsWhatIsMissingTheLanguagesWay)
{
    // 40 x 40 pixels of four bytes need 6,400 bytes; the file holds 1,600.
    open(QStringLiteral("short.dds"), ddsFile(40, 40, 32, std::string(1600, '\x01')));
    EXPECT_EQ(text("lblArquivo"), "Imagem aberta - Faltam 4.800 de 6.400 bytes (75%)");
    suite::testing::useLanguage(suite::kEnglish);
    open(QStringLiteral("short.dds"), ddsFile(40, 40, 32, std::string(1600, '\x01')));
    EXPECT_EQ(text("lblArquivo"), "Picture open - 4,800 of 6,400 bytes missing (75%)");
    suite::testing::useLanguage(suite::kPortuguese);
    EXPECT_EQ(text("lblArquivo"), "Imagem aberta - Faltam 4.800 de 6.400 bytes (75%)");
}

TEST_F(TexpeekLanguages, EveryControlIsNamedEveryTextFitsAndTabFollowsReadingOrder)
{
    window_.show();
    const std::string file = ddsFile(32, 32, 32, repeated("\x01\x02\x03\x04", 32 * 32));
    open(QStringLiteral("a.dds"), file);
    open(QStringLiteral("b.dds"), file);
    window_.compareWith(pathIn(QStringLiteral("a.dds")));
    CompareWindow* compare = window_.compareWindow();
    ASSERT_NE(compare, nullptr);
    compare->setMode(CompareWindow::Mode::Over);
    for (const QString& language : {suite::kEnglish, suite::kPortuguese}) {
        SCOPED_TRACE(language.toStdString());
        suite::testing::useLanguage(language);
        // As the event loop would before the next paint: the layouts take
        // the new texts' sizes.
        for (int pass = 0; pass < 3; ++pass)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        suite::testing::expectAccessibleNames(&window_);
        suite::testing::expectTextsFit(&window_);
        suite::testing::expectAccessibleNames(compare);
        suite::testing::expectTextsFit(compare);
        for (int position : {1, 2, 4, 5, 7, 8, 10}) {
            EXPECT_FALSE(toolbarWidget(position)->accessibleName().isEmpty()) << position;
            EXPECT_FALSE(toolbarWidget(position)->accessibleDescription().isEmpty()) << position;
        }
    }

    // The controls Tab reaches, from the report on the left to the strip
    // under the picture.
    QStringList order;
    QWidget* first = child<QListWidget>(&window_, "List1");
    QWidget* widget = first;
    do {
        if (widget->isVisibleTo(&window_) && (widget->focusPolicy() & Qt::TabFocus) != 0 &&
            widget->window() == &window_)
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != first);
    ASSERT_GE(order.size(), 5);
    EXPECT_EQ(order.mid(0, 4), (QStringList{"List1", "cboNivel", "cboFace", "PicScroll"}));
    EXPECT_TRUE(order.mid(4).contains("cmdColourSpace")) << order.join(',').toStdString();
}

TEST_F(TexpeekLanguages, EveryCommandHasAKey)
{
    window_.show();
    QApplication::setActiveWindow(&window_);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    const std::string file = ddsFile(8, 8, 32, repeated("\x01\x02\x03\x04", 64));
    writeFile(QStringLiteral("k.dds"),
              QByteArray(file.data(), static_cast<qsizetype>(file.size())));
    dialogs_.paths.push_back(pathIn(QStringLiteral("k.dds")));

    QTest::keyClick(&window_, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(text("lblArquivo"), "Imagem aberta");
    const std::int16_t opened = window_.cellSize();
    QTest::keyClick(&window_, Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_GT(window_.cellSize(), opened);
    QTest::keyClick(&window_, Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(text("lblArquivo"), "Canal alpha");
    QTest::keyClick(&window_, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(text("lblArquivo"), "Aguardando...");

    // F10 opens the first menu; the arrows reach the others from there.
    QTest::keyClick(&window_, Qt::Key_F10);
    ASSERT_NE(window_.menuBar()->activeAction(), nullptr);
    EXPECT_EQ(window_.menuBar()->activeAction()->text(), "Arquivo");
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

TEST_F(TexpeekLanguages, TheCompareWindowFollowsTheLanguage)
{
    const std::string file = ddsFile(4, 4, 32, repeated("\x01\x02\x03\x04", 16));
    open(QStringLiteral("a.dds"), file);
    writeFile(QStringLiteral("b.dds"),
              QByteArray(file.data(), static_cast<qsizetype>(file.size())));
    window_.compareWith(pathIn(QStringLiteral("b.dds")));
    CompareWindow* compare = window_.compareWindow();
    ASSERT_NE(compare, nullptr);
    EXPECT_EQ(compare->windowTitle(), "Comparar: a.dds e b.dds");
    suite::testing::useLanguage(suite::kEnglish);
    EXPECT_EQ(compare->windowTitle(), "Compare: a.dds and b.dds");
    EXPECT_EQ(child<QLabel>(compare, "lblPsnr")->text(), "PSNR: infinite (identical)");
    EXPECT_EQ(child<QComboBox>(compare, "cboModo")->itemText(2), "Difference");
    EXPECT_EQ(child<QLabel>(compare, "lblMostrando")->text(), "a.dds | b.dds");
}

} // namespace
} // namespace texpeek

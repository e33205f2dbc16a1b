#include "probegrid/core/daily.h"
#include "probegrid/tests/probegrid_window_test.h"
#include "probegrid/ui/frm_about.h"

#include "common/testing/window_checks.h"
#include "common/ui/language.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace probegrid::testing {
namespace {

using suite::testing::child;
using suite::testing::click;

// Every test starts as the program does on a desktop of neither language,
// and leaves it so.
class LanguageWindowTest : public ProbegridWindowTest {
protected:
    void SetUp() override
    {
        ProbegridWindowTest::SetUp();
        suite::setUpLanguages({QStringLiteral("probegrid"), suite::kPortuguese, QString()});
        suite::testing::useLanguage(QString());
    }

    void TearDown() override
    {
        suite::testing::useLanguage(QString());
        ProbegridWindowTest::TearDown();
    }

    static QString buttonText(const QObject* root, const char* name)
    {
        const auto* button = child<QAbstractButton>(root, name);
        return button ? button->text() : QString();
    }

    static QString accessibleName(const QObject* root, const QString& name)
    {
        const auto* widget = child<QWidget>(root, name);
        return widget ? widget->accessibleName() : QString();
    }

    // Every window the program opens: the start window, the board of a
    // two-player game, a training game (its strip of aids), the day's puzzle
    // and the About box.
    void expectEveryWindow(const char* why)
    {
        SCOPED_TRACE(why);
        FrmStart* start = openStart();
        suite::testing::expectAccessibleNames(start);
        suite::testing::expectTextsFit(start);
        FrmAbout about(start);
        about.show();
        suite::testing::expectAccessibleNames(&about);
        suite::testing::expectTextsFit(&about);
        about.close();

        FrmMain* twoPlayers = openBoard(QStringLiteral("Ana"), {1, 24}, QStringLiteral("Bia"));
        suite::testing::expectAccessibleNames(twoPlayers);
        suite::testing::expectTextsFit(twoPlayers);
        twoPlayers->close();

        session_.training = true;
        FrmMain* training = openBoard(QStringLiteral("Ana"), {1, 24});
        clickBorder(training, 28);
        click(child<QWidget>(training, "chkConferir"));
        suite::testing::expectAccessibleNames(training);
        suite::testing::expectTextsFit(training);
        training->close();
        session_.training = false;

        session_.daily = dailyPuzzle(Date{2026, 12, 8});
        session_.playerName1 = QStringLiteral("Ana");
        session_.playerCount = 1;
        auto* daily = new FrmMain(programDir(), dialogs_, session_);
        daily->setAttribute(Qt::WA_DeleteOnClose);
        daily->show();
        suite::testing::expectAccessibleNames(daily);
        suite::testing::expectTextsFit(daily);
        daily->close();
        session_.daily.reset();
        start->close();
    }
};

TEST_F(LanguageWindowTest, TheSourceTextsStandWhenTheDesktopSpeaksNeitherLanguage)
{
    FrmStart* start = openStart();
    EXPECT_EQ(start->windowTitle(), "Tavrin Probegrid");
    EXPECT_EQ(child<QGroupBox>(start, "Frame1")->title(), "Jogadores");
    EXPECT_EQ(buttonText(start, "optTwo"), "2 Jogadores");
    EXPECT_EQ(buttonText(start, "cmbComecar"), "Começar");
    EXPECT_EQ(buttonText(start, "cmbIdioma"), "Idioma");
    EXPECT_EQ(text(start, "Label3"), "Items escondidos ( 1 à 12 ):");

    FrmMain* board = startGame(start, "Ana", "2", {1, 24});
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->windowTitle(), "Tavrin Probegrid - Vez do Ana");
    EXPECT_EQ(buttonText(board, "cmbMostrar"), "Mostrar Items");
    EXPECT_EQ(text(board, "Label"), "Pontos:");
    click(child<QWidget>(board, "cmbMostrar"));
    EXPECT_EQ(dialogs_.lastMessage().title, "Fim de jogo");
    EXPECT_EQ(dialogs_.lastMessage().text, "O jogo foi finalizado");
    EXPECT_EQ(suite::testing::buttonsOfAQuestion(board), (QStringList{"Não", "Sim"}));
}

TEST_F(LanguageWindowTest, EnglishReachesTheWindowsTheMessagesAndQtsOwnButtons)
{
    suite::testing::useLanguage(suite::kEnglish);
    FrmStart* start = openStart();
    EXPECT_EQ(child<QGroupBox>(start, "Frame1")->title(), "Players");
    EXPECT_EQ(child<QGroupBox>(start, "Frame2")->title(), "Difficulty");
    EXPECT_EQ(buttonText(start, "optOne"), "1 Player");
    EXPECT_EQ(buttonText(start, "chkRandom"), "Random items");
    EXPECT_EQ(buttonText(start, "cmbComecar"), "Start");
    EXPECT_EQ(buttonText(start, "cmbSair"), "Quit");
    EXPECT_EQ(text(start, "Label1"), "Name of player 1:");

    click(child<QWidget>(start, "cmbComecar"));
    EXPECT_EQ(dialogs_.lastMessage().title, "Incomplete fields");
    EXPECT_EQ(dialogs_.lastMessage().text, "Fill in all the fields correctly");

    FrmMain* board = startGame(start, "Ana", "2", {1, 24}, "Bia");
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->windowTitle(), "Tavrin Probegrid - Ana's turn");
    EXPECT_EQ(child<QGroupBox>(board, "Frame1")->title(), "Playing time");
    EXPECT_EQ(text(board, "Label"), "Points:");
    EXPECT_EQ(buttonText(board, "cmbReiniciar"), "Restart");
    EXPECT_EQ(buttonText(board, "cmbRec"), "Record");
    dialogs_.clear();
    clickCell(board, 1);
    clickCell(board, 24);
    ASSERT_FALSE(dialogs_.messages().isEmpty());
    EXPECT_EQ(dialogs_.messages().first().title, "Game over");
    EXPECT_EQ(dialogs_.messages().first().text, "The game is over! It is a tie!");
    EXPECT_EQ(suite::testing::buttonsOfAQuestion(), (QStringList{"No", "Yes"}));
}

TEST_F(LanguageWindowTest, TheLanguageButtonSwitchesTheOpenWindowAtOnce)
{
    FrmStart* start = openStart();
    auto* language = child<QToolButton>(start, "cmbIdioma");
    ASSERT_NE(language, nullptr);
    ASSERT_NE(language->menu(), nullptr);
    auto* english = language->menu()->findChild<QAction*>("menLanguage_en");
    ASSERT_NE(english, nullptr);
    english->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(suite::currentLanguage(), suite::kEnglish);
    EXPECT_EQ(buttonText(start, "cmbIdioma"), "Language");
    EXPECT_EQ(buttonText(start, "cmbDesafio"), "Daily puzzle");
    EXPECT_EQ(text(start, "Label2"), "Name of player 2:");

    // A board open at the switch follows it too, title and counts alike.
    FrmMain* board = openBoard("Ana", {1, 24});
    suite::testing::useLanguage(suite::kPortuguese);
    EXPECT_EQ(board->windowTitle(), "Tavrin Probegrid - Vez do Ana");
    EXPECT_EQ(text(board, "Label3"), "Reflections:");
    EXPECT_EQ(buttonText(board, "cmbSair"), "Sair");
    EXPECT_EQ(buttonText(start, "cmbIdioma"), "Idioma");
}

// A screen reader hears what each cell shows, where the eye sees colours and
// numbers: the border cell says where a detour came out.
TEST_F(LanguageWindowTest, BoardCellsSayWhatTheyShowInBothLanguages)
{
    // Row 3, column 8 turns a ray fired along row 4 down column 7.
    FrmMain* board = openBoard("Ana", {1, 24});
    clickBorder(board, 28);
    clickCell(board, 1);
    EXPECT_EQ(accessibleName(board, "lblBrd28"), "borda esquerda 4: desvio para baixo 7");
    EXPECT_EQ(accessibleName(board, "lblBrd23"), "borda inferior 7: desvio para a esquerda 4");
    EXPECT_EQ(accessibleName(board, "lblBrd1"), "borda superior 1: livre");
    EXPECT_EQ(accessibleName(board, "lblGrid1"), "linha 1, coluna 1: marcada");
    EXPECT_EQ(accessibleName(board, "lblGrid21"), "linha 3, coluna 5: não marcada");
    clickBorder(board, 9);
    EXPECT_EQ(accessibleName(board, "lblBrd9"), "borda direita 1: absorvido");

    suite::testing::useLanguage(suite::kEnglish);
    EXPECT_EQ(accessibleName(board, "lblBrd28"), "left border 4: detour to bottom 7");
    EXPECT_EQ(accessibleName(board, "lblBrd9"), "right border 1: absorbed");
    EXPECT_EQ(accessibleName(board, "lblGrid1"), "row 1, column 1: marked");
    EXPECT_EQ(accessibleName(board, "lblGrid21"), "row 3, column 5: not marked");

    // The board takes the focus for its cells, so it says the one the
    // cursor is on and follows the cursor.
    auto* area = child<QWidget>(board, "boardArea");
    EXPECT_EQ(area->accessibleName(), "Board");
    EXPECT_FALSE(area->accessibleDescription().isEmpty());
    QTest::keyClick(area, Qt::Key_Right);
    const QString before = area->accessibleDescription();
    QTest::keyClick(area, Qt::Key_Down);
    EXPECT_NE(area->accessibleDescription(), before);
}

TEST_F(LanguageWindowTest, FocusMovesThroughTheStartWindowInReadingOrder)
{
    FrmStart* start = openStart();
    click(child<QWidget>(start, "optTwo"));
    const char* const expected[] = {"optOne",    "optTwo",    "txtNome1",  "txtNome2",
                                    "txtItems",  "chkRandom", "chkTreino", "cmbDesafio",
                                    "cmbIdioma", "cmbSobre",  "cmbSair",   "cmbComecar"};
    QWidget* at = child<QWidget>(start, "optOne");
    for (const char* name : expected) {
        ASSERT_NE(at, nullptr);
        EXPECT_EQ(at->objectName(), name);
        do {
            at = at->nextInFocusChain();
        } while (at != start && !(at->focusPolicy() & Qt::TabFocus));
    }
}

// The signs a training game puts on the border are heard with the cell.
TEST_F(LanguageWindowTest, BorderCellsSayTheCheckOfTheMarks)
{
    session_.training = true;
    FrmMain* board = openBoard("Ana", {1, 24});
    clickBorder(board, 28);
    click(child<QWidget>(board, "chkConferir"));
    EXPECT_EQ(accessibleName(board, "lblBrd28"),
              "borda esquerda 4: desvio para baixo 7, suas marcações dariam outro resultado");
    suite::testing::useLanguage(suite::kEnglish);
    EXPECT_EQ(accessibleName(board, "lblBrd28"),
              "left border 4: detour to bottom 7, your marks would give another result");
}

// "Desafio do dia" says it is preparing the puzzle in its own width.
TEST_F(LanguageWindowTest, ThePreparingButtonFitsInBothLanguages)
{
    session_.today = [] { return QDate(2026, 12, 8); };
    for (const QString& code : {suite::kPortuguese, suite::kEnglish}) {
        SCOPED_TRACE(code.toStdString());
        suite::testing::useLanguage(code);
        FrmStart* start = openStart();
        child<QLineEdit>(start, "txtNome1")->setText("Bia");
        click(child<QWidget>(start, "cmbDesafio"));
        ASSERT_TRUE(start->preparing());
        suite::testing::expectTextsFit(start);
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return shown<FrmMain>("frmMain") != nullptr; }, 20000));
        shown<FrmMain>("frmMain")->close();
    }
}

// The cursor stays drawn when the keys are elsewhere, so the board rings its
// margin while it has them.
TEST_F(LanguageWindowTest, TheBoardShowsWhenItHasTheKeys)
{
    FrmMain* board = openBoard("Ana", {1});
    auto* area = child<QWidget>(board, "boardArea");
    QApplication::setActiveWindow(board);
    area->setFocus();
    ASSERT_TRUE(area->hasFocus());
    const QColor ring = area->palette().color(QPalette::Highlight);
    EXPECT_EQ(area->grab().toImage().pixelColor(3, 3), ring);
    child<QWidget>(board, "cmbSair")->setFocus();
    EXPECT_NE(area->grab().toImage().pixelColor(3, 3), ring);
}

TEST_F(LanguageWindowTest, EveryWindowNamesItsControlsAndFitsItsTextsInBothLanguages)
{
    suite::testing::useLanguage(suite::kPortuguese);
    expectEveryWindow("Portuguese");
    suite::testing::useLanguage(suite::kEnglish);
    expectEveryWindow("English");
}

} // namespace
} // namespace probegrid::testing

#include "probegrid/tests/probegrid_window_test.h"

#include "probegrid/core/records.h"
#include "probegrid/ui/frm_main.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeySequence>
#include <QPushButton>

namespace probegrid {
namespace {

using suite::testing::child;
using suite::testing::click;

const QColor kGreyBackground(240, 240, 240);
const QColor kLitUsed(255, 192, 192);
const QColor kBlackBackground(0, 0, 0);
const QString kCrossText = QStringLiteral("\u2717");
const QString kCheck = QStringLiteral("\u2714");

// Keys go where the keyboard would send them: to the focused widget of the
// window, and from there up to the window when the widget has no use for them.
void press(QWidget* window, Qt::Key key, int times = 1)
{
    for (int i = 0; i < times; ++i) {
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(target, key);
    }
}

// Tabs to the named control, as a player without a mouse would reach it.
void tabTo(QWidget* window, const QString& name)
{
    for (int i = 0; i < 20; ++i) {
        if (window->focusWidget() && window->focusWidget()->objectName() == name)
            return;
        press(window, Qt::Key_Tab);
    }
    ADD_FAILURE() << "Tab never reaches " << name.toStdString();
}

void type(QWidget* window, const QString& text)
{
    QTest::keyClick(window->focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(window->focusWidget(), text);
}

void rightClick(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::RightButton, Qt::NoModifier, widget->rect().center());
}

class BoardPlay : public testing::ProbegridWindowTest {
protected:
    QLabel* cell(FrmMain* board, int n)
    {
        return child<QLabel>(board, QString("lblGrid%1").arg(n));
    }
    QLabel* border(FrmMain* board, int n)
    {
        return child<QLabel>(board, QString("lblBrd%1").arg(n));
    }

    // Runs "Analisar" and waits for its answer.
    void analyse(FrmMain* board)
    {
        press(board, Qt::Key_A);
        EXPECT_TRUE(QTest::qWaitFor([board] { return !board->analysing(); }, 10000));
    }
};

TEST_F(BoardPlay, AWholeOnePlayerGamePlayedByKeyboardAlone)
{
    FrmStart* start = openStart();
    tabTo(start, "txtNome1");
    type(start, "Ana");
    tabTo(start, "txtItems");
    type(start, "2");
    random_.queueCells({19, 55});
    press(start, Qt::Key_Return);
    FrmMain* board = shown<FrmMain>("frmMain");
    ASSERT_NE(board, nullptr) << "Return in the start window presses \"Começar\"";
    EXPECT_EQ(board->focusWidget()->objectName(), "boardArea");
    EXPECT_EQ(board->cursor(), (CursorSpot{0, 1}));

    press(board, Qt::Key_Right, 3); // border position 4
    EXPECT_EQ(board->highlightedBorder(), 4) << "the cursor lights the border cell it is on";
    press(board, Qt::Key_Space);
    EXPECT_EQ(text(board, "lblBrd4"), "1");
    EXPECT_EQ(text(board, "lblBrd10"), "1");
    EXPECT_EQ(board->partnerBorder(), 10) << "the fresh detour's other end is lit";

    press(board, Qt::Key_Space); // a used cell: nothing, as for a click
    EXPECT_EQ(text(board, "lblJ1Pto"), "2");

    press(board, Qt::Key_Down, 3); // cell 20
    press(board, Qt::Key_Left); // cell 19
    EXPECT_EQ(board->highlightedBorder(), 0);
    press(board, Qt::Key_N);
    EXPECT_EQ(text(board, "lblGrid19"), QStringLiteral("\u2013"));
    press(board, Qt::Key_Return);
    EXPECT_EQ(text(board, "lblGrid19"), kCheck) << "the mark found it and the note went";
    EXPECT_EQ(text(board, "lblJ1Pto"), "2");

    press(board, Qt::Key_Left); // cell 18: a wrong mark
    press(board, Qt::Key_Enter);
    EXPECT_EQ(text(board, "lblGrid18"), kCrossText);
    EXPECT_EQ(text(board, "lblJ1Pto"), "7");

    press(board, Qt::Key_Down, 4); // cell 50
    press(board, Qt::Key_Right, 5); // cell 55
    EXPECT_EQ(board->cursor(), spotOfCell(55));
    press(board, Qt::Key_Space);
    const auto messages = dialogs_.messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0].text, "O jogo terminou! Ana fez 7 pontos");
    EXPECT_EQ(messages[1].title, "Novo Recorde");
    EXPECT_NE(shown<FrmStart>("frmStart"), nullptr);
    EXPECT_EQ(shown<FrmMain>("frmMain"), nullptr);
}

TEST_F(BoardPlay, TheCursorWrapsRoundTheBorderAndTabReachesEveryButton)
{
    session_.training = true;
    FrmMain* board = openBoard("Ana", {1});
    press(board, Qt::Key_Up);
    EXPECT_EQ(board->cursor(), spotOfBorder(17)) << "up from the top comes in at the bottom";
    press(board, Qt::Key_Left);
    EXPECT_EQ(board->cursor(), spotOfBorder(24)) << "corners are stepped over";
    press(board, Qt::Key_Up, 2);
    EXPECT_EQ(board->cursor(), spotOfCell(56));

    QStringList reached;
    for (int i = 0; i < 8; ++i) {
        press(board, Qt::Key_Tab);
        reached << board->focusWidget()->objectName();
    }
    EXPECT_EQ(reached, QStringList({"cmbAnalisar", "cmbDica", "chkConferir", "cmbReiniciar",
                                    "cmbMostrar", "cmbRec", "cmbSair", "boardArea"}));

    // After a click on the board the keys steer the cursor again.
    child<QWidget>(board, "cmbRec")->setFocus();
    clickBorder(board, 3);
    EXPECT_EQ(board->focusWidget()->objectName(), "boardArea");

    // Return on a focused button is that button's, not a shot.
    child<QWidget>(board, "cmbMostrar")->setFocus();
    press(board, Qt::Key_Return);
    EXPECT_EQ(dialogs_.lastMessage().title, "Fim de jogo");
    EXPECT_TRUE(board->game().gameOver());
}

TEST_F(BoardPlay, NotesCycleCostNothingAndNeverEndTheGame)
{
    FrmMain* board = openBoard("Ana", {10, 20}, "Bia");
    const QString title = board->windowTitle();
    rightClick(cell(board, 10));
    EXPECT_EQ(cell(board, 10)->text(), QStringLiteral("\u2013")) << "no item here";
    rightClick(cell(board, 10));
    EXPECT_EQ(cell(board, 10)->text(), "?") << "item here?";
    rightClick(cell(board, 20));
    rightClick(cell(board, 20));
    EXPECT_EQ(board->game().foundCount(), 0);
    EXPECT_EQ(text(board, "lblJ1Pto"), "0");
    EXPECT_EQ(board->windowTitle(), title) << "a note is not a move: the turn stays";
    EXPECT_EQ(board->game().mark(10), CellMark::Unmarked);

    rightClick(cell(board, 10));
    EXPECT_EQ(cell(board, 10)->text(), "");
    rightClick(cell(board, 10));
    click(cell(board, 10));
    EXPECT_EQ(cell(board, 10)->text(), kCheck);
    EXPECT_EQ(board->game().note(10), Note::None);
    EXPECT_TRUE(dialogs_.shown.isEmpty()) << "a noted item is not a found one";
    click(cell(board, 20));
    EXPECT_EQ(dialogs_.messages().first().title, "Jogo terminou");
}

TEST_F(BoardPlay, AWrongMarkKeepsItsCrossAndGivingUpTellsFoundFromMissed)
{
    FrmMain* board = openBoard("Ana", {10, 20});
    click(cell(board, 11));
    click(cell(board, 10));
    clickBorder(board, 1);
    EXPECT_EQ(cell(board, 11)->text(), kCrossText);
    EXPECT_EQ(cell(board, 11)->palette().color(QPalette::Window), QColor(255, 255, 255));
    rightClick(cell(board, 11));
    EXPECT_EQ(cell(board, 11)->text(), kCrossText) << "a note does not hide the cross";

    click(child<QWidget>(board, "cmbMostrar"));
    EXPECT_EQ(background(board, "lblGrid10"), kBlackBackground);
    EXPECT_EQ(background(board, "lblGrid20"), kBlackBackground);
    EXPECT_EQ(cell(board, 10)->text(), kCheck) << "found before giving up";
    EXPECT_EQ(cell(board, 20)->text(), "") << "never found";
    EXPECT_EQ(cell(board, 11)->text(), kCrossText);
}

TEST_F(BoardPlay, ADetourLightsItsPartnerAndLettersExplainThemselves)
{
    FrmMain* board = openBoard("Ana", {19, 55});
    clickBorder(board, 4); // out at 10
    clickBorder(board, 3); // H
    QTest::mouseMove(border(board, 10));
    EXPECT_EQ(board->partnerBorder(), 4);
    EXPECT_EQ(background(board, "lblBrd4"), kLitUsed);
    EXPECT_EQ(border(board, 10)->lineWidth(), border(board, 4)->lineWidth());
    QTest::mouseMove(cell(board, 30));
    EXPECT_EQ(background(board, "lblBrd4"), kGreyBackground);
    EXPECT_EQ(background(board, "lblBrd10"), kGreyBackground);
    EXPECT_EQ(board->partnerBorder(), 0);

    // Free and used lit cells differ in more than their hue.
    board->lblBrd_MouseMove(5);
    const int freeWidth = border(board, 5)->lineWidth();
    board->lblBrd_MouseMove(3);
    EXPECT_NE(border(board, 3)->lineWidth(), freeWidth);
    EXPECT_EQ(board->partnerBorder(), 0) << "a letter has no partner";

    EXPECT_EQ(border(board, 3)->toolTip(), "Absorvido: o raio acertou um item");
    EXPECT_EQ(text(board, "lblBrd3"), "H") << "the letters on the board stay as they are";

    FrmMain* other = openBoard("Ana", {10, 12});
    clickBorder(other, 3);
    EXPECT_EQ(text(other, "lblBrd3"), "R");
    EXPECT_EQ(border(other, 3)->toolTip(), "Refletido: o raio voltou por onde entrou");
}

TEST_F(BoardPlay, TheCurrentPlayersFrameIsHighlightedInATwoPlayerGame)
{
    FrmMain* board = openBoard("Ana", {1}, "Bia");
    auto* frame1 = child<QGroupBox>(board, "fraJog1");
    auto* frame2 = child<QGroupBox>(board, "fraJog2");
    EXPECT_TRUE(frame1->font().bold());
    EXPECT_FALSE(frame2->font().bold());
    EXPECT_NE(frame1->palette().color(QPalette::Window), frame2->palette().color(QPalette::Window));
    clickBorder(board, 8);
    EXPECT_FALSE(frame1->font().bold());
    EXPECT_TRUE(frame2->font().bold());
    EXPECT_TRUE(frame2->autoFillBackground());

    FrmMain* alone = openBoard("Ana", {1});
    EXPECT_FALSE(child<QGroupBox>(alone, "fraJog1")->font().bold()) << "nothing to tell apart";
}

TEST_F(BoardPlay, AnAmpersandInANameIsShownAsTyped)
{
    FrmMain* board = openBoard("Ana & Cia", {1}, "B&B");
    const QString title1 = child<QGroupBox>(board, "fraJog1")->title();
    const QString title2 = child<QGroupBox>(board, "fraJog2")->title();
    EXPECT_TRUE(QKeySequence::mnemonic(title1).isEmpty());
    EXPECT_TRUE(QKeySequence::mnemonic(title2).isEmpty()) << "no Alt+B shortcut made of a name";
    EXPECT_EQ(title1, "Ana && Cia") << "shown as a single &";
    EXPECT_EQ(board->windowTitle(), "Tavrin Probegrid - Vez do Ana & Cia");
    click(cell(board, 2));
    click(cell(board, 1));
    EXPECT_EQ(dialogs_.messages().first().text, "O jogo terminou! B&B ganhou o jogo com 0 pontos");
}

TEST_F(BoardPlay, ATrainingGameAnalysesTheEvidenceAndLeavesTheRecordAlone)
{
    const QByteArray stored =
        QByteArray::fromStdString(encodeRecord({storedName("Ana"), 12, 300, 6}));
    writeFile(kRecordFileName, stored);
    FrmStart* start = openStart();
    click(child<QWidget>(start, "chkTreino"));
    FrmMain* board = startGame(start, "Caio", "1", {28});
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->windowTitle(), "Tavrin Probegrid - Vez do Caio (jogo de treino, sem recorde)");
    ASSERT_TRUE(child<QWidget>(board, "cmbAnalisar")->isVisible());

    analyse(board);
    EXPECT_EQ(text(board, "lblAnalise"), "64 tabuleiros possíveis");
    for (int position = 1; position <= kBorderPositions; ++position)
        clickBorder(board, position);
    EXPECT_EQ(text(board, "lblAnalise"), "") << "a move makes the old analysis void";
    analyse(board);
    EXPECT_EQ(text(board, "lblAnalise"), "1 tabuleiro possível");
    EXPECT_EQ(background(board, "lblGrid28"), FrmMain::verdictColour(CellVerdict::Item));
    EXPECT_EQ(background(board, "lblGrid1"), FrmMain::verdictColour(CellVerdict::Empty));
    EXPECT_NE(text(board, "lblGrid28"), text(board, "lblGrid1"));

    click(cell(board, 28)); // fewer points than the stored 12? no matter: no record test
    const auto messages = dialogs_.messages();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0].title, "Jogo terminou");
    EXPECT_EQ(readFile(kRecordFileName), stored);

    // Even a game that would beat the record, and with no file at all.
    QFile::remove(pathIn(kRecordFileName));
    FrmStart* again = shown<FrmStart>("frmStart");
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(child<QCheckBox>(again, "chkTreino")->isChecked()) << "kept for the next game";
    FrmMain* next = startGame(again, "Caio", "1", {5});
    click(cell(next, 5));
    EXPECT_FALSE(QFile::exists(pathIn(kRecordFileName)));
}

TEST_F(BoardPlay, OnlyATrainingGameOffersTheAnalysis)
{
    FrmMain* board = openBoard("Ana", {1});
    EXPECT_FALSE(child<QWidget>(board, "cmbAnalisar")->isVisible());
    press(board, Qt::Key_A);
    EXPECT_FALSE(board->analysing());
    EXPECT_EQ(text(board, "lblAnalise"), "");
}

} // namespace
} // namespace probegrid

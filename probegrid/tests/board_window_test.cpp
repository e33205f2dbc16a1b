#include "probegrid/tests/probegrid_window_test.h"

#include "probegrid/core/records.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>

namespace probegrid {
namespace {

using suite::MessageIcon;
using suite::testing::child;
using suite::testing::click;

const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 128, 0);
const QColor kBlack(0, 0, 0);
const QColor kGrey(240, 240, 240);

QByteArray anaRecord()
{
    return QByteArray::fromStdString(encodeRecord({storedName("Ana"), 12, 300, 6}));
}

class BoardWindow : public testing::ProbegridWindowTest {
protected:
    std::optional<Record> storedRecord() const
    {
        return decodeRecord(readFile(kRecordFileName).toStdString());
    }

    void expectCounts(FrmMain* board, int player, int points, int hits, int detours,
                      int reflections)
    {
        const QString prefix = QString("lblJ%1").arg(player);
        EXPECT_EQ(text(board, prefix + "Pto"), QString::number(points));
        EXPECT_EQ(text(board, prefix + "Hits"), QString::number(hits));
        EXPECT_EQ(text(board, prefix + "Det"), QString::number(detours));
        EXPECT_EQ(text(board, prefix + "Ref"), QString::number(reflections));
    }

    // Plays player 1 of a one-player game to `points` on a board holding only
    // cell 1, then finds the item.
    void finishAloneWith(FrmMain* board, int wrongMarks, int detours)
    {
        for (int i = 0; i < wrongMarks; ++i)
            clickCell(board, 64);
        for (int i = 0; i < detours; ++i)
            clickBorder(board, 8 - i); // columns 8, 7, ... run straight through
        clickCell(board, 1);
    }
};

TEST_F(BoardWindow, IsLaidOutInTwipsAtFifteenAPixel)
{
    FrmMain* board = openBoard("Ana", {1});
    EXPECT_EQ(board->size(), QSize(580, 392));
    const auto at = [&](const QString& name) { return child<QWidget>(board, name)->geometry(); };
    EXPECT_EQ(at("lblGrid1"), QRect(48, 48, 37, 37));
    EXPECT_EQ(at("lblGrid10"), QRect(85, 85, 37, 37));
    EXPECT_EQ(at("lblGrid64"), QRect(307, 307, 37, 37));
    EXPECT_EQ(at("lblBrd1"), QRect(48, 12, 37, 37));
    EXPECT_EQ(at("lblBrd9"), QRect(344, 48, 37, 37));
    EXPECT_EQ(at("lblBrd17"), QRect(48, 344, 37, 37));
    EXPECT_EQ(at("lblBrd24"), QRect(307, 344, 37, 37));
    EXPECT_EQ(at("lblBrd32"), QRect(12, 307, 37, 37));
    EXPECT_EQ(at("lblNull0"), QRect(12, 12, 37, 37));
    EXPECT_EQ(at("lblNull3"), QRect(344, 344, 37, 37));
    EXPECT_EQ(at("Frame1").topLeft(), QPoint(392, 12));
    EXPECT_EQ(at("fraJog1"), QRect(392, 56, 169, 113));
    EXPECT_EQ(at("fraJog2"), QRect(392, 172, 169, 113));
    EXPECT_EQ(at("cmbReiniciar"), QRect(396, 336, 85, 25));
    EXPECT_EQ(at("cmbMostrar"), QRect(484, 336, 95, 25));
    EXPECT_EQ(at("cmbRec"), QRect(396, 364, 85, 25));
    EXPECT_EQ(at("cmbSair"), QRect(484, 364, 95, 25));
    EXPECT_EQ(child<QPushButton>(board, "cmbMostrar")->text(), "Mostrar Items");
    EXPECT_EQ(child<QGroupBox>(board, "Frame1")->title(), "Tempo de jogo");
    EXPECT_EQ(text(board, "Label3"), "Reflections:");
    EXPECT_EQ(text(board, "Label11"), "Pontos:");
    EXPECT_EQ(background(board, "lblNull2"), QColor(192, 192, 192));
    EXPECT_EQ(background(board, "lblBrd7"), kGrey);
    EXPECT_EQ(background(board, "lblGrid7"), kWhite);
    auto* timer = child<QTimer>(board, "tmr");
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_EQ(text(board, "lblTime"), "");
}

TEST_F(BoardWindow, ANameIsShownInTheTitleAsTyped)
{
    FrmMain* board = startGame(openStart(), "Ana [*]", "2", {19, 55});
    ASSERT_NE(board, nullptr);
    ASSERT_NE(board->windowHandle(), nullptr);
    EXPECT_EQ(board->windowHandle()->title(), "Tavrin Probegrid - Vez do Ana [*]");
}

TEST_F(BoardWindow, OnePlayerGameFromStartToNewRecord)
{
    FrmStart* start = openStart();
    FrmMain* board = startGame(start, "Ana", "2", {19, 55});
    ASSERT_NE(board, nullptr);
    EXPECT_FALSE(start->isVisible());
    EXPECT_EQ(board->windowTitle(), "Tavrin Probegrid - Vez do Ana");
    EXPECT_EQ(child<QGroupBox>(board, "fraJog1")->title(), "Ana");
    EXPECT_FALSE(child<QWidget>(board, "fraJog2")->isVisible());

    clickBorder(board, 4); // turned right at cell 12 by the item at 19
    EXPECT_EQ(text(board, "lblBrd4"), "1");
    EXPECT_EQ(text(board, "lblBrd10"), "1");
    clickBorder(board, 16); // turned down at cell 64 by the item at 55
    EXPECT_EQ(text(board, "lblBrd16"), "2");
    EXPECT_EQ(text(board, "lblBrd24"), "2");
    clickBorder(board, 3); // absorbed by 19 on the way down
    EXPECT_EQ(text(board, "lblBrd3"), "H");
    clickBorder(board, 3);
    clickBorder(board, 24);
    expectCounts(board, 1, 5, 1, 2, 0);

    clickCell(board, 1);
    clickCell(board, 19);
    EXPECT_EQ(background(board, "lblGrid19"), kGreen);
    EXPECT_EQ(background(board, "lblGrid1"), kWhite);
    expectCounts(board, 1, 10, 1, 2, 0);
    EXPECT_EQ(board->windowTitle(), "Tavrin Probegrid - Vez do Ana");

    board->tmr_Timer();
    EXPECT_EQ(text(board, "lblTime"), "1 segundos");
    board->tmr_Timer();
    EXPECT_TRUE(dialogs_.shown.isEmpty());

    clickCell(board, 55); // the last item ends the game at once
    const auto messages = dialogs_.messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0].title, "Jogo terminou");
    EXPECT_EQ(messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(messages[0].text, "O jogo terminou! Ana fez 10 pontos");
    EXPECT_EQ(messages[1].title, "Novo Recorde");
    EXPECT_EQ(messages[1].text,
              "Um novo recorde foi estabelecido! Verifique a pontuação no botão 'Recorde'");
    EXPECT_EQ(storedRecord(), (Record{storedName("Ana"), 10, 2, 2}))
        << "the first record of a fresh installation creates the file";

    // The restart carries the name and the count into a fresh start window.
    EXPECT_FALSE(board->isVisible());
    FrmStart* again = shown<FrmStart>("frmStart");
    ASSERT_NE(again, nullptr);
    EXPECT_NE(again, start);
    EXPECT_EQ(child<QLineEdit>(again, "txtNome1")->text(), "Ana");
    EXPECT_EQ(child<QLineEdit>(again, "txtItems")->text(), "2");
    EXPECT_TRUE(child<QRadioButton>(again, "optOne")->isChecked());
    EXPECT_EQ(session_.playerCount, 1);
}

TEST_F(BoardWindow, TwoPlayerGameTakesTurnsAndNamesTheWinner)
{
    writeFile(kRecordFileName, anaRecord());
    FrmStart* start = openStart();
    FrmMain* board = startGame(start, "Ana", "2", {10, 12}, "Bia");
    ASSERT_NE(board, nullptr);
    EXPECT_TRUE(child<QWidget>(board, "fraJog2")->isVisible());
    EXPECT_EQ(child<QGroupBox>(board, "fraJog2")->title(), "Bia");
    EXPECT_EQ(board->windowTitle(), "Tavrin Probegrid - Vez do Ana");

    clickBorder(board, 3); // Ana: both diagonals ahead hold items
    EXPECT_EQ(text(board, "lblBrd3"), "R");
    EXPECT_EQ(board->windowTitle(), "Tavrin Probegrid - Vez do Bia");
    clickBorder(board, 1); // Bia: turned left at cell 1, out at once
    EXPECT_EQ(text(board, "lblBrd25"), "1");
    EXPECT_EQ(board->windowTitle(), "Tavrin Probegrid - Vez do Ana");
    clickBorder(board, 25); // used: nothing, and still Ana's turn
    EXPECT_EQ(board->windowTitle(), "Tavrin Probegrid - Vez do Ana");
    clickCell(board, 10); // Ana, correct: the turn passes all the same
    EXPECT_EQ(board->windowTitle(), "Tavrin Probegrid - Vez do Bia");
    clickCell(board, 11); // Bia, wrong
    expectCounts(board, 1, 1, 0, 0, 1);
    expectCounts(board, 2, 7, 0, 1, 0);

    board->tmr_Timer();
    clickCell(board, 12); // Ana finds the last item
    const auto messages = dialogs_.messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0].text, "O jogo terminou! Ana ganhou o jogo com 1 pontos");
    EXPECT_EQ(messages[1].title, "Novo Recorde");
    EXPECT_EQ(storedRecord(), (Record{storedName("Ana"), 1, 1, 2}));
    ASSERT_NE(shown<FrmStart>("frmStart"), nullptr);
    EXPECT_EQ(shown<FrmMain>("frmMain"), nullptr);
}

TEST_F(BoardWindow, SecondPlayerWinsOrTheGameIsATie)
{
    writeFile(kRecordFileName, anaRecord());
    FrmMain* board = openBoard("Ana", {1}, "Bia");
    clickCell(board, 2);
    clickCell(board, 1);
    EXPECT_EQ(dialogs_.messages().first().text, "O jogo terminou! Bia ganhou o jogo com 0 pontos");
    EXPECT_EQ(storedRecord()->name, storedName("Bia"));

    dialogs_.clear();
    board = openBoard("Ana", {1}, "Bia");
    clickCell(board, 2);
    clickCell(board, 3);
    clickCell(board, 1);
    const auto messages = dialogs_.messages();
    ASSERT_EQ(messages.size(), 1) << "5 points each does not beat Bia's 0";
    EXPECT_EQ(messages[0].text, "O jogo terminou! Houve um empate!");
}

TEST_F(BoardWindow, EqualPointsSetARecordOnlyInLessTimeReadAfterTheMessage)
{
    writeFile(kRecordFileName, anaRecord()); // 12 points in 300 seconds
    FrmMain* board = openBoard("Caio", {1});
    session_.elapsedSeconds = 298;
    // The end message stays open for a second.
    dialogs_.onShow = [&](const auto& shownMessage) {
        if (shownMessage.title == "Jogo terminou")
            board->tmr_Timer();
    };
    finishAloneWith(board, 2, 1); // 10 + 2 = 12 points
    ASSERT_EQ(dialogs_.messages().size(), 2);
    EXPECT_EQ(storedRecord(), (Record{storedName("Caio"), 12, 299, 1}));

    dialogs_.clear();
    board = openBoard("Davi", {1});
    session_.elapsedSeconds = 298;
    dialogs_.onShow = [&](const auto& shownMessage) {
        if (shownMessage.title == "Jogo terminou")
            board->tmr_Timer();
    };
    finishAloneWith(board, 2, 1); // 12 points, and 299 is not less than Caio's 299
    EXPECT_EQ(dialogs_.messages().size(), 1);
    EXPECT_EQ(storedRecord()->name, storedName("Caio"));
}

TEST_F(BoardWindow, RecordTimeIsTheClockWhenTheRecordMessageCloses)
{
    writeFile(kRecordFileName, anaRecord() + "extra");
    FrmMain* board = openBoard(QString(40, QChar(u'é')), {1});
    dialogs_.onShow = [&](const auto& shownMessage) {
        if (shownMessage.title == "Novo Recorde") {
            for (int i = 0; i < 3; ++i)
                board->tmr_Timer();
        }
    };
    finishAloneWith(board, 0, 0);
    EXPECT_EQ(storedRecord(), (Record{std::string(32, '\xE9'), 0, 3, 1}))
        << "the name is stored in Windows-1252, cut to 32 bytes";
    EXPECT_TRUE(readFile(kRecordFileName).endsWith("extra"));
}

TEST_F(BoardWindow, RecordFileThatCannotBeWrittenIsReportedOnceInPortuguese)
{
    QDir(programDir()).mkdir(kRecordFileName);
    FrmMain* board = openBoard("Ana", {1});
    finishAloneWith(board, 0, 0);
    const auto messages = dialogs_.messages();
    ASSERT_EQ(messages.size(), 2) << "no announcement of a record that was not kept";
    EXPECT_EQ(messages[1].icon, MessageIcon::Critical);
    EXPECT_EQ(messages[1].text,
              "Um novo recorde foi estabelecido, mas não foi possível gravá-lo em " +
                  pathIn(kRecordFileName) + ".");
    EXPECT_NE(shown<FrmStart>("frmStart"), nullptr) << "the game still restarts";
}

TEST_F(BoardWindow, RecordeShowsTheStoredRecordOrSaysThereIsNone)
{
    FrmMain* board = openBoard("Ana", {1});
    click(child<QWidget>(board, "cmbRec"));
    auto message = dialogs_.lastMessage();
    EXPECT_EQ(message.icon, MessageIcon::None);
    EXPECT_EQ(message.title, "Tavrin Probegrid");
    EXPECT_EQ(message.text, "Não há nenhum registro por enquanto");

    writeFile(kRecordFileName, anaRecord().left(37));
    click(child<QWidget>(board, "cmbRec"));
    EXPECT_EQ(dialogs_.lastMessage().text, "Não há nenhum registro por enquanto");

    writeFile(kRecordFileName, anaRecord());
    click(child<QWidget>(board, "cmbRec"));
    message = dialogs_.lastMessage();
    EXPECT_EQ(message.icon, MessageIcon::Information);
    EXPECT_EQ(message.title, "Recordes");
    EXPECT_EQ(message.text, "Jogador: Ana" + QString(29, ' ') +
                                "\r\nPontos perdidos: 12\r\nTempo: 300\r\nItems: 6");
    EXPECT_EQ(board->game().counts(1).points, 0);
}

TEST_F(BoardWindow, GivingUpShowsTheItemsAndStopsPlayButNotTheClock)
{
    FrmMain* board = openBoard("Ana", {5, 40});
    clickCell(board, 5);
    clickBorder(board, 5); // the item sits in the entry cell
    click(child<QWidget>(board, "cmbMostrar"));
    auto message = dialogs_.lastMessage();
    EXPECT_EQ(message.title, "Fim de jogo");
    EXPECT_EQ(message.text, "O jogo foi finalizado");
    EXPECT_EQ(background(board, "lblGrid5"), kBlack);
    EXPECT_EQ(background(board, "lblGrid40"), kBlack);
    EXPECT_EQ(background(board, "lblGrid41"), kWhite);

    dialogs_.clear();
    clickBorder(board, 2);
    clickCell(board, 40);
    clickCell(board, 41);
    EXPECT_EQ(text(board, "lblBrd2"), "");
    expectCounts(board, 1, 1, 1, 0, 0);
    EXPECT_TRUE(dialogs_.shown.isEmpty());
    board->tmr_Timer();
    EXPECT_EQ(text(board, "lblTime"), "1 segundos");

    click(child<QWidget>(board, "cmbMostrar"));
    EXPECT_EQ(dialogs_.lastMessage().text, "O jogo foi finalizado");
    EXPECT_TRUE(board->isVisible());
}

TEST_F(BoardWindow, RestartAfterARandomCountCarriesTheDrawnCount)
{
    FrmStart* start = openStart();
    child<QLineEdit>(start, "txtNome1")->setText("Ana");
    click(child<QWidget>(start, "optTwo"));
    child<QLineEdit>(start, "txtNome2")->setText("Bia");
    click(child<QWidget>(start, "chkRandom"));
    random_.draws = {0.5}; // 10 items
    click(child<QWidget>(start, "cmbComecar"));
    FrmMain* board = shown<FrmMain>("frmMain");
    ASSERT_NE(board, nullptr);
    board->tmr_Timer();
    clickCell(board, board->game().board().cells().front());

    click(child<QWidget>(board, "cmbReiniciar"));
    EXPECT_FALSE(board->isVisible());
    FrmStart* again = shown<FrmStart>("frmStart");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(child<QLineEdit>(again, "txtNome1")->text(), "Ana");
    EXPECT_EQ(child<QLineEdit>(again, "txtNome2")->text(), "");
    EXPECT_EQ(child<QLineEdit>(again, "txtItems")->text(), "10");
    EXPECT_FALSE(child<QCheckBox>(again, "chkRandom")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(again, "optOne")->isChecked());
    EXPECT_EQ(session_.playerCount, 1);
    EXPECT_TRUE(dialogs_.shown.isEmpty());

    FrmMain* next = startGame(again, "Ana", "10", {});
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(session_.elapsedSeconds, 0);
    EXPECT_FALSE(next->game().twoPlayers());
    EXPECT_EQ(next->game().counts(1).points, 0);
}

// A double click reaches a label as press, release, double-click, release;
// only the first pair is a click, so a quick double click on a found item
// does not cost a wrong mark. The double-click half that lands on another
// cell is that cell's click.
TEST_F(BoardWindow, DoubleClickOnACellMarksItOnce)
{
    FrmMain* board = openBoard("Ana", {1, 2, 3, 64});
    const auto send = [&](int cell, std::initializer_list<QEvent::Type> types) {
        QWidget* label = child<QWidget>(board, QString("lblGrid%1").arg(cell));
        const QPointF at = QPointF(label->rect().center());
        const QPointF global = QPointF(label->mapToGlobal(label->rect().center()));
        for (const QEvent::Type type : types) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease
                                              ? Qt::NoButton
                                              : Qt::MouseButtons(Qt::LeftButton);
            QMouseEvent event(type, at, global, Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(label, &event);
        }
    };
    send(1, {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
             QEvent::MouseButtonRelease});
    EXPECT_EQ(background(board, "lblGrid1"), kGreen);
    expectCounts(board, 1, 0, 0, 0, 0);

    send(2, {QEvent::MouseButtonPress, QEvent::MouseButtonRelease});
    send(3, {QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease});
    EXPECT_EQ(background(board, "lblGrid3"), kGreen);
    EXPECT_EQ(board->game().foundCount(), 3);
    expectCounts(board, 1, 0, 0, 0, 0);
}

TEST_F(BoardWindow, SairEndsTheProgram)
{
    FrmMain* board = openBoard("Ana", {1});
    click(child<QWidget>(board, "cmbSair"));
    EXPECT_EQ(quits_, 1);
}

TEST_F(BoardWindow, BorderCellUnderTheMouseIsLit)
{
    FrmMain* board = openBoard("Ana", {1});
    clickBorder(board, 6);
    QTest::mouseMove(child<QWidget>(board, "lblBrd5"));
    EXPECT_EQ(board->highlightedBorder(), 5);
    EXPECT_EQ(background(board, "lblBrd5"), QColor(192, 255, 192));
    QTest::mouseMove(child<QWidget>(board, "lblBrd6"));
    EXPECT_EQ(background(board, "lblBrd5"), kGrey);
    EXPECT_EQ(background(board, "lblBrd6"), QColor(255, 192, 192)) << "already fired";
    QTest::mouseMove(child<QWidget>(board, "lblGrid20"));
    EXPECT_EQ(board->highlightedBorder(), 0);
    EXPECT_EQ(background(board, "lblBrd6"), kGrey);

    board->lblBrd_MouseMove(7);
    QTest::mouseMove(board, QPoint(380, 380)); // the window background
    EXPECT_EQ(background(board, "lblBrd7"), kGrey);
    board->lblBrd_MouseMove(8);
    QTest::mouseMove(child<QWidget>(board, "lblNull1"));
    EXPECT_EQ(background(board, "lblBrd8"), kGrey);
}

TEST_F(BoardWindow, CountsAndClockStopAtTheTop)
{
    FrmMain* board = openBoard("Ana", {1});
    session_.elapsedSeconds = 32766;
    board->tmr_Timer();
    board->tmr_Timer();
    EXPECT_EQ(text(board, "lblTime"), "32767 segundos");
}

} // namespace
} // namespace probegrid

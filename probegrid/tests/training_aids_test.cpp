#include "probegrid/tests/probegrid_window_test.h"

#include "probegrid/cli/daily_option.h"
#include "probegrid/core/daily_best.h"
#include "probegrid/core/records.h"
#include "probegrid/ui/daily_board.h"

#include "common/ui/text.h"

#include <QCheckBox>
#include <QRegularExpression>
#include <QPushButton>

namespace probegrid {
namespace {

using suite::testing::child;
using suite::testing::click;

const QString kTick = QStringLiteral("\u2714");
const QString kCross = QStringLiteral("\u2717");

class TrainingAids : public testing::ProbegridWindowTest {
protected:
    QLabel* sign(FrmMain* board, int position)
    {
        return child<QLabel>(board, QString("lblBrdSinal%1").arg(position));
    }

    // Runs "Dica" and waits for its answer.
    void hint(FrmMain* board)
    {
        click(child<QWidget>(board, "cmbDica"));
        ASSERT_TRUE(QTest::qWaitFor([board] { return !board->hinting(); }, 10000));
    }
};

// Items at 20 and 64. Shot 4 is absorbed at 20, shot 1 runs down column 1 and
// out at 17. A right mark on 20 agrees with shot 4; a wrong "item here?" on 9
// stands in column 1's way, so both ends of that detour show a cross.
TEST_F(TrainingAids, TheCheckSwitchJudgesEveryFiredCellByTheMarks)
{
    session_.training = true;
    FrmMain* board = openBoard("Ana", {20, 64});
    auto* check = child<QCheckBox>(board, "chkConferir");
    ASSERT_NE(check, nullptr);
    ASSERT_TRUE(check->isVisible());
    clickBorder(board, 4);
    clickBorder(board, 1);
    clickCell(board, 20);
    board->lblGrid_RightClick(9);
    board->lblGrid_RightClick(9);
    EXPECT_FALSE(sign(board, 4)->isVisible()) << "off until switched on";

    click(check);
    EXPECT_TRUE(sign(board, 4)->isVisible());
    EXPECT_EQ(sign(board, 4)->text(), kTick);
    EXPECT_EQ(sign(board, 4)->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    for (const int end : {1, 17}) {
        EXPECT_EQ(sign(board, end)->text(), kCross) << end;
        EXPECT_EQ(sign(board, end)->palette().color(QPalette::WindowText), QColor(190, 0, 0));
    }
    EXPECT_FALSE(sign(board, 2)->isVisible()) << "an unfired cell is not judged";
    EXPECT_EQ(text(board, "lblBrd4"), "H") << "the result itself stays as it was";

    board->lblGrid_RightClick(9); // the note goes: column 1 is clear again
    EXPECT_EQ(sign(board, 1)->text(), kTick);
    EXPECT_EQ(sign(board, 17)->text(), kTick);

    click(check);
    EXPECT_FALSE(sign(board, 4)->isVisible());
}

TEST_F(TrainingAids, AScoredGameHasNeitherTheSwitchNorTheHint)
{
    FrmMain* board = openBoard("Ana", {20});
    EXPECT_EQ(board->findChild<QCheckBox*>("chkConferir"), nullptr);
    EXPECT_EQ(board->findChild<QPushButton*>("cmbDica"), nullptr);
    EXPECT_EQ(board->size(), QSize(580, 392));
    QTest::keyClick(board, Qt::Key_D);
    EXPECT_FALSE(board->hinting());
}

// Whatever has been fired, "Dica" lights a free border cell: never one that
// shows a result, nor the far end of a detour.
TEST_F(TrainingAids, TheHintNeverPointsAtAFiredCell)
{
    session_.training = true;
    session_.solverBudget = std::chrono::minutes(10);
    FrmMain* board = openBoard("Ana", {19, 30, 45, 60});
    hint(board);
    EXPECT_NE(board->hintedBorder(), 0);
    EXPECT_TRUE(
        text(board, "lblDica")
            .contains(QRegularExpression("^divide as [0-9.,]+ possibilidades em [0-9]+ grupos$")))
        << text(board, "lblDica").toStdString();

    for (int round = 0; round < 40 && board->hintedBorder() != 0; ++round) {
        const int hinted = board->hintedBorder();
        ASSERT_EQ(text(board, QString("lblBrd%1").arg(hinted)), "") << "round " << round;
        EXPECT_EQ(background(board, QString("lblBrd%1").arg(hinted)), QColor(255, 240, 120));
        EXPECT_EQ(sign(board, hinted)->text(), QStringLiteral("\u2605"));
        clickBorder(board, hinted);
        EXPECT_EQ(board->hintedBorder(), 0) << "a move puts the old hint out";
        hint(board);
    }
    EXPECT_EQ(board->hintedBorder(), 0);
    EXPECT_FALSE(text(board, "lblDica").startsWith("divide")) << "nothing left to split";
}

TEST_F(TrainingAids, TheDailyPuzzleOpensFromTheCommandLineWithItsShotsShown)
{
    char program[] = "probegrid";
    char option[] = "--daily";
    char date[] = "2026-12-08";
    char* argv[] = {program, option, date, nullptr};
    int argc = 3;
    const DailyOption daily = takeDailyOption(argc, argv);
    ASSERT_TRUE(daily.date);
    EXPECT_FALSE(daily.exitCode);
    EXPECT_EQ(argc, 1) << "the common command line never sees it";

    FrmMain* board = openDailyFromCommandLine(programDir(), dialogs_, session_, *daily.date);
    ASSERT_EQ(shown<FrmMain>("frmMain"), board);
    const DailyPuzzle puzzle = dailyPuzzle(*daily.date);
    for (const int position : puzzle.givenShots)
        EXPECT_NE(text(board, QString("lblBrd%1").arg(position)), "") << position;
    EXPECT_EQ(board->game().shots().size(), puzzle.givenShots.size());
    EXPECT_EQ(text(board, "lblJ1Pto"), "0") << "given shots are free";
    EXPECT_TRUE(board->windowTitle().contains("Desafio do dia 2026-12-08, 5 items"));
    EXPECT_EQ(board->findChild<QCheckBox*>("chkConferir"), nullptr) << "a scored game";

    // Found in 42 seconds with one more shot: the day's best time goes to its
    // own file; the records file is neither read for a record nor written.
    for (int tick = 0; tick < 42; ++tick)
        board->tmr_Timer();
    int free = 1;
    while (!board->game().borderText(free).empty())
        ++free;
    clickBorder(board, free);
    const QString points = text(board, "lblJ1Pto");
    EXPECT_TRUE(points == "1" || points == "2") << "scored as usual";
    for (const int cell : puzzle.board.cells())
        clickCell(board, cell);
    const auto messages = dialogs_.messages();
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0].title, "Jogo terminou");
    EXPECT_TRUE(messages[0].text.endsWith(" fez " + points + " pontos"));
    EXPECT_EQ(messages[1].text, "Novo melhor tempo do desafio de 2026-12-08: 42 segundos");
    EXPECT_EQ(readDailyBest(suite::toPath(pathIn(kDailyBestFileName)), *daily.date), 42);
    EXPECT_FALSE(QFile::exists(pathIn(kRecordFileName)));
}

// From the start window the puzzle is today's, for the players named there;
// with "Treino" it is a training game with both aids, and no time is kept.
TEST_F(TrainingAids, TheStartWindowOpensTodaysPuzzle)
{
    session_.today = [] { return QDate(2026, 12, 8); };
    FrmStart* start = openStart();
    click(child<QWidget>(start, "cmbDesafio"));
    ASSERT_EQ(dialogs_.messages().size(), 1) << "names are needed as for \"Começar\"";
    EXPECT_EQ(dialogs_.messages()[0].text, "Preencha todos os dados corretamente");

    click(child<QWidget>(start, "chkTreino"));
    child<QLineEdit>(start, "txtNome1")->setText("Bia");
    click(child<QWidget>(start, "cmbDesafio"));
    ASSERT_TRUE(QTest::qWaitFor([this] { return shown<FrmMain>("frmMain") != nullptr; }, 20000));
    FrmMain* board = shown<FrmMain>("frmMain");
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->windowTitle(), "Tavrin Probegrid - Vez do Bia - Desafio do dia 2026-12-08, 5 "
                                    "items (jogo de treino, sem recorde)");
    EXPECT_EQ(board->game().board().cells(), dailyPuzzle({2026, 12, 8}).board.cells());
    EXPECT_TRUE(child<QCheckBox>(board, "chkConferir")->isVisible());
    for (const int cell : board->game().board().cells())
        clickCell(board, cell);
    EXPECT_EQ(dialogs_.messages().size(), 2) << "only the end message";
    EXPECT_FALSE(QFile::exists(pathIn(kDailyBestFileName)));
}

TEST_F(TrainingAids, ABadDateOnTheCommandLineIsAUsageError)
{
    for (const char* bad : {"2026-02-30", "tomorrow", "--daily="}) {
        char program[] = "probegrid";
        std::string joined =
            std::string(bad).starts_with("--") ? bad : std::string("--daily=") + bad;
        char* argv[] = {program, joined.data(), nullptr};
        int argc = 2;
        const DailyOption daily = takeDailyOption(argc, argv);
        EXPECT_EQ(daily.exitCode, 2) << bad;
        EXPECT_FALSE(daily.date);
    }
    char program[] = "probegrid";
    char option[] = "--daily";
    char* argv[] = {program, option, nullptr};
    int argc = 2;
    EXPECT_EQ(takeDailyOption(argc, argv).exitCode, 2) << "the date is missing";
}

} // namespace
} // namespace probegrid

// Opens a day's puzzle as a training game, makes a right mark and a wrong
// "item here?" note, turns on "Conferir marcações", asks for "Dica", and
// saves a picture of the board window: daily_shot <board.png>
#include "probegrid/core/daily.h"
#include "probegrid/core/random_source.h"
#include "probegrid/ui/daily_board.h"
#include "probegrid/ui/frm_main.h"
#include "probegrid/ui/session.h"

#include "common/ui/dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: daily_shot <board.png>\n");
        return 2;
    }
    suite::QtDialogs dialogs;
    probegrid::ClockRandom random;
    probegrid::Session session(random);
    session.playerName1 = "Ana";
    session.playerCount = 1;
    session.training = true;

    const probegrid::Date date{2026, 12, 8};
    probegrid::FrmMain* board =
        probegrid::openDailyBoard(QDir::tempPath(), dialogs, session, probegrid::dailyPuzzle(date));
    const std::vector<int> items = board->game().board().cells();
    board->lblGrid_Click(items.front()); // a right mark
    int wrong = 1;
    while (board->game().board().holds(wrong))
        ++wrong;
    board->lblGrid_RightClick(wrong + 9);
    board->lblGrid_RightClick(wrong + 9); // a wrong "item here?"
    for (int tick = 0; tick < 37; ++tick)
        board->tmr_Timer();
    board->findChild<QCheckBox*>("chkConferir")->setChecked(true);
    board->cmbDica_Click();

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, board, [&] {
        if (board->hinting())
            return;
        poll.stop();
        QTimer::singleShot(200, board, [&] {
            QCoreApplication::exit(board->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1);
        });
    });
    poll.start(50);
    return app.exec();
}

// Plays part of a training game on a chosen board, asks for the analysis,
// and saves a picture of the board window: training_shot <board.png>
#include "probegrid/core/random_source.h"
#include "probegrid/ui/frm_main.h"
#include "probegrid/ui/session.h"

#include "common/ui/dialogs.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: training_shot <board.png>\n");
        return 2;
    }
    suite::QtDialogs dialogs;
    probegrid::ClockRandom random;
    probegrid::Session session(random);
    session.playerName1 = "Ana";
    session.playerCount = 1;
    session.itemCount = 4;
    session.training = true;

    probegrid::FrmMain board(QDir::tempPath(), dialogs, session);
    board.setHiddenItems({19, 30, 45, 60});
    for (const int position : {3, 6, 12, 14, 21, 27, 29, 31, 1, 9, 17, 18, 24, 25, 32})
        board.lblBrd_Click(position);
    board.lblGrid_Click(37); // a wrong mark: the cross stays
    board.lblGrid_RightClick(44);
    board.lblGrid_RightClick(52);
    board.lblGrid_RightClick(52);
    for (int tick = 0; tick < 95; ++tick)
        board.tmr_Timer();
    board.show();
    board.cmbAnalisar_Click();

    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &board, [&] {
        if (board.analysing())
            return;
        poll.stop();
        board.lblBrd_MouseMove(12);
        QTimer::singleShot(200, &board, [&] {
            QCoreApplication::exit(board.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1);
        });
    });
    poll.start(50);
    return app.exec();
}

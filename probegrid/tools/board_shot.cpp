// Plays a few moves on a chosen board and saves a picture of the board
// window: board_shot <board.png> [start.png about.png]
#include "probegrid/core/random_source.h"
#include "probegrid/ui/frm_about.h"
#include "probegrid/ui/frm_main.h"
#include "probegrid/ui/frm_start.h"
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
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: board_shot <board.png> [start.png about.png]\n");
        return 2;
    }
    suite::QtDialogs dialogs;
    probegrid::ClockRandom random;
    probegrid::Session session(random);
    session.playerName1 = "Ana";
    session.playerName2 = "Bruno";
    session.playerCount = 2;
    session.itemCount = 5;

    probegrid::FrmMain board(QDir::tempPath(), dialogs, session);
    board.setHiddenItems({19, 28, 38, 46, 62});
    for (const int position : {4, 1, 12, 20, 27, 30})
        board.lblBrd_Click(position);
    board.lblGrid_Click(28);
    board.lblGrid_Click(38);
    for (int tick = 0; tick < 47; ++tick)
        board.tmr_Timer();
    board.lblBrd_MouseMove(6);
    board.show();

    probegrid::FrmStart start(QDir::tempPath(), dialogs, session);
    probegrid::FrmAbout about;
    if (argc == 4) {
        start.show();
        about.show();
    }

    QTimer::singleShot(300, &board, [&] {
        bool saved = board.grab().save(QString::fromLocal8Bit(argv[1]));
        if (argc == 4) {
            saved = start.grab().save(QString::fromLocal8Bit(argv[2])) && saved;
            saved = about.grab().save(QString::fromLocal8Bit(argv[3])) && saved;
        }
        QCoreApplication::exit(saved ? 0 : 1);
    });
    return app.exec();
}

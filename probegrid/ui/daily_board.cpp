#include "probegrid/ui/daily_board.h"

#include "probegrid/ui/frm_main.h"

#include <QCoreApplication>

namespace probegrid {

FrmMain* openDailyBoard(const QString& programDir, suite::Dialogs& dialogs, Session& session,
                        const DailyPuzzle& puzzle)
{
    session.daily = puzzle;
    auto* board = new FrmMain(programDir, dialogs, session);
    board->setAttribute(Qt::WA_DeleteOnClose);
    board->show();
    return board;
}

FrmMain* openDailyFromCommandLine(const QString& programDir, suite::Dialogs& dialogs,
                                  Session& session, const Date& date)
{
    QString name = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    if (name.isEmpty())
        name = QCoreApplication::translate("probegrid::FrmStart", "Jogador");
    session.playerName1 = name;
    session.playerCount = 1;
    session.training = false;
    return openDailyBoard(programDir, dialogs, session, dailyPuzzle(date));
}

} // namespace probegrid

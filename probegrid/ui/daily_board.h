#pragma once

#include "probegrid/core/daily.h"
#include "probegrid/ui/session.h"

#include "common/ui/dialogs.h"

#include <QString>

namespace probegrid {

class FrmMain;

// Opens the board window on a day's puzzle, for the players and the kind of
// game (training or scored) already in the session.
FrmMain* openDailyBoard(const QString& programDir, suite::Dialogs& dialogs, Session& session,
                        const DailyPuzzle& puzzle);

// The board of `date` as the command line opens it: one player, named after
// the user when the system says who that is. No window is up yet, so the
// puzzle is built (tens of milliseconds) before anything shows.
FrmMain* openDailyFromCommandLine(const QString& programDir, suite::Dialogs& dialogs,
                                  Session& session, const Date& date);

} // namespace probegrid

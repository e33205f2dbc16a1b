#pragma once

#include "core/daily.h"
#include "ui/session.h"

#include "common/ui/dialogs.h"

#include <QString>

namespace probegrid {

class FrmMain;

// Opens the board window on the puzzle of `date`, for the players and the
// kind of game (training or scored) already in the session. The puzzle is
// built and proved in a few tens of milliseconds, before the window shows.
FrmMain* openDailyBoard(const QString& programDir, suite::Dialogs& dialogs, Session& session,
                        const Date& date);

// The board of `date` as the command line opens it: one player, named after
// the user when the system says who that is.
FrmMain* openDailyFromCommandLine(const QString& programDir, suite::Dialogs& dialogs,
                                  Session& session, const Date& date);

} // namespace probegrid

#pragma once

#include "probegrid/core/board.h"
#include "probegrid/core/daily.h"
#include "probegrid/core/random_source.h"
#include "probegrid/core/records.h"

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <chrono>
#include <functional>
#include <optional>

namespace probegrid {

// What the program keeps between games for its whole run: the players, the
// item count, the hidden items, the clock of the current game and the copy of
// the stored record. The windows come and go around it.
struct Session {
    explicit Session(RandomSource& randomSource) : random(randomSource) {}

    QString playerName1;
    QString playerName2;
    qint16 itemCount = 0;
    qint16 playerCount = 0; // 2 for two players; anything else is one player
    qint16 elapsedSeconds = 0;
    Board board;
    std::optional<Record> record; // nothing: no record stored yet
    // A training game never sets a record and offers the solver.
    bool training = false;
    // The item count was drawn, so the players only know it lies in 1..12.
    bool itemCountDrawn = false;

    // The day's puzzle when the game is one; its items replace the drawn ones.
    std::optional<DailyPuzzle> daily;
    // How long "Analisar" and "Dica" may search; tests on a busy machine
    // give them longer, so that what they check does not hang on the load.
    std::chrono::milliseconds solverBudget{2000};
    // Which day's puzzle "Desafio do dia" opens.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

    RandomSource& random;
    // Ends the program at once ("Sair").
    std::function<void()> quit;
};

} // namespace probegrid

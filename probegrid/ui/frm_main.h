#pragma once

#include "core/game.h"
#include "ui/session.h"

#include "common/ui/dialogs.h"

#include <QWidget>

#include <array>
#include <vector>

class QGroupBox;
class QLabel;
class QTimer;

namespace probegrid {

class ClickLabel;

// The board window: 64 cells, the 32 border cells around them, the players'
// scores, the game clock and the buttons. Built for one game and closed at
// its end or on restart.
class FrmMain : public QWidget {
    Q_OBJECT
public:
    // Hides Session::itemCount items with the session's random source.
    FrmMain(const QString& programDir, suite::Dialogs& dialogs, Session& session,
            QWidget* parent = nullptr);

    // Replaces the hidden items (and the session's count) with these cells,
    // for a board chosen rather than drawn. Only before the first move.
    void setHiddenItems(const std::vector<int>& cells);

    const Game& game() const { return game_; }
    int highlightedBorder() const { return highlightedBorder_; }

    static QColor markColour(CellMark mark);

public slots:
    void lblBrd_Click(int position);
    void lblGrid_Click(int cell);
    void cmbMostrar_Click();
    void cmbRec_Click();
    void cmbReiniciar_Click();
    void cmbSair_Click();
    void tmr_Timer();
    void lblBrd_MouseMove(int position);
    // The mouse over the window background, a corner square or a board cell.
    void putOutBorder();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void buildBoard();
    void buildSidePanel();
    QGroupBox* buildScoreFrame(int player, const QString& name, int top);
    void showCounts();
    void showBoard();
    void showCaption();
    void finishMove();
    void switchTurn();
    bool checarFinal();
    void testRecord();
    void restart();
    QString recordPath() const;

    QString programDir_;
    suite::Dialogs& dialogs_;
    Session& session_;
    Game game_;
    int highlightedBorder_ = 0;

    std::array<ClickLabel*, 64> lblGrid_{};
    std::array<ClickLabel*, 32> lblBrd_{};
    std::array<std::array<QLabel*, 4>, 2> countLabels_{}; // points, hits, detours, reflections
    QGroupBox* fraJog2_ = nullptr;
    QLabel* lblTime_ = nullptr;
    QTimer* tmr_ = nullptr;
};

} // namespace probegrid

#pragma once

#include "core/board_cursor.h"
#include "core/game.h"
#include "core/solver.h"
#include "ui/session.h"

#include "common/ui/dialogs.h"

#include <QPointer>
#include <QThread>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace probegrid {

class BoardArea;
class ClickLabel;
class CursorFrame;

// The board window: 64 cells, the 32 border cells around them, the players'
// scores, the game clock and the buttons. Built for one game and closed at
// its end or on restart.
class FrmMain : public QWidget {
    Q_OBJECT
public:
    // Hides Session::itemCount items with the session's random source.
    FrmMain(const QString& programDir, suite::Dialogs& dialogs, Session& session,
            QWidget* parent = nullptr);
    ~FrmMain() override;

    // Replaces the hidden items (and the session's count) with these cells,
    // for a board chosen rather than drawn. Only before the first move.
    void setHiddenItems(const std::vector<int>& cells);

    const Game& game() const { return game_; }
    int highlightedBorder() const { return highlightedBorder_; }
    // The detour cell lit together with the highlighted one, or 0.
    int partnerBorder() const { return partnerBorder_; }
    CursorSpot cursor() const { return cursor_; }
    // Whether "Analisar" is still working in the background.
    bool analysing() const { return analysing_; }

    static QColor markColour(CellMark mark);
    // The lighting of a cell the solver has decided.
    static QColor verdictColour(CellVerdict verdict);

public slots:
    void lblBrd_Click(int position);
    void lblGrid_Click(int cell);
    // Moves the cell's note on; free, and never a mark.
    void lblGrid_RightClick(int cell);
    void cmbMostrar_Click();
    void cmbRec_Click();
    void cmbReiniciar_Click();
    void cmbSair_Click();
    // Training games only: runs the solver over the evidence so far.
    void cmbAnalisar_Click();
    void tmr_Timer();
    void lblBrd_MouseMove(int position);
    // The mouse over the window background, a corner square or a board cell.
    void putOutBorder();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildBoard();
    void buildSidePanel();
    QGroupBox* buildScoreFrame(int player, const QString& name, int top);
    void showCounts();
    void showBoard();
    void showCaption();
    void showTurn();
    void showCell(int cell);
    void showCursor();
    void moveCursorTo(CursorSpot spot);
    void lightBorder(int position, bool used);
    void showAnalysis(const Analysis& analysis);
    void forgetAnalysis();
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
    int partnerBorder_ = 0;
    CursorSpot cursor_;
    std::optional<Analysis> analysis_;
    bool analysing_ = false;
    QPointer<QThread> worker_;
    // Moves made so far: an analysis of an older position is dropped.
    int moves_ = 0;

    std::array<ClickLabel*, 64> lblGrid_{};
    std::array<ClickLabel*, 32> lblBrd_{};
    std::array<std::array<QLabel*, 4>, 2> countLabels_{}; // points, hits, detours, reflections
    BoardArea* boardArea_ = nullptr;
    CursorFrame* cursorFrame_ = nullptr;
    std::array<QGroupBox*, 2> fraJog_{};
    QGroupBox* fraJog2_ = nullptr;
    QPushButton* cmbAnalisar_ = nullptr;
    QLabel* lblAnalise_ = nullptr;
    QLabel* lblTime_ = nullptr;
    QTimer* tmr_ = nullptr;
};

} // namespace probegrid

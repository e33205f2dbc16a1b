#pragma once

#include "probegrid/core/board_cursor.h"
#include "probegrid/core/game.h"
#include "probegrid/core/hint.h"
#include "probegrid/core/mark_check.h"
#include "probegrid/core/solver.h"
#include "probegrid/ui/session.h"

#include "common/ui/dialogs.h"

#include <QPointer>
#include <QThread>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
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
    // Whether "Dica" is still working in the background.
    bool hinting() const { return hinting_; }
    // The border cell "Dica" lit, or 0.
    int hintedBorder() const { return hintedBorder_; }

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
    // Training games only: lights the free border cell whose shot would tell
    // the most about where the items are.
    void cmbDica_Click();
    // Training games only: shows on every fired border cell whether the
    // player's marks and "item here?" notes would give what was seen.
    void chkConferir_Click();
    void tmr_Timer();
    void lblBrd_MouseMove(int position);
    // The mouse over the window background, a corner square or a board cell.
    void putOutBorder();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void showTime();
    void showBoardName();
    QString cellName(int cell) const;
    QString borderName(int position) const;
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
    void buildTrainingStrip();
    void showAnalysis(const Analysis& analysis);
    void forgetAnalysis();
    void showHint(const Hint& hint);
    void forgetHint();
    void showChecks();
    void restBorder(int position);
    // Runs `work` on a thread of its own and hands its answer to `done` on
    // the window's thread, unless the window has gone by then.
    template <typename Result, typename Work, typename Done>
    void runInBackground(Work work, Done done);
    void testDailyBest();
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
    bool hinting_ = false;
    int hintedBorder_ = 0;
    std::vector<QPointer<QThread>> workers_;
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
    QCheckBox* chkConferir_ = nullptr;
    QPushButton* cmbDica_ = nullptr;
    QLabel* lblDica_ = nullptr;
    QLabel* lblDesafio_ = nullptr; // a day's puzzle: its date and item count
    // A small sign in the corner of each border cell: the check of the
    // player's marks, or the hint's star.
    std::array<QLabel*, 32> lblBrdSinal_{};
    QLabel* lblTime_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    std::array<std::array<QLabel*, 4>, 2> captionLabels_{};
    QTimer* tmr_ = nullptr;
};

} // namespace probegrid

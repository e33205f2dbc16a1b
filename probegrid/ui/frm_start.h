#pragma once

#include "probegrid/ui/session.h"

#include "common/ui/dialogs.h"

#include <QPointer>
#include <QThread>
#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace probegrid {

// The start window: players, their names and the number of hidden items.
class FrmStart : public QWidget {
    Q_OBJECT
public:
    FrmStart(const QString& programDir, suite::Dialogs& dialogs, Session& session,
             QWidget* parent = nullptr);
    ~FrmStart() override;

    // Whether "Desafio do dia" is still building the puzzle.
    bool preparing() const { return preparing_; }

    // The restart's start window: the last first name and item count.
    void fillFromLastGame(const QString& playerName1, qint16 itemCount);

public slots:
    void optOne_Click();
    void optTwo_Click();
    void chkRandom_Click();
    void cmbComecar_Click();
    // Starts the day's puzzle, with the players and "Treino" as chosen.
    void cmbDesafio_Click();
    void cmbSobre_Click();
    void cmbSair_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Takes the players' names; false (with the refusal shown) when missing.
    void openPuzzle(const DailyPuzzle& puzzle);

    QString programDir_;
    suite::Dialogs& dialogs_;
    Session& session_;

    void retranslate();

    QGroupBox* frame1_;
    QGroupBox* frame2_;
    QLabel* label1_;
    QToolButton* cmbIdioma_;
    QPushButton* cmbSobre_;
    QPushButton* cmbSair_;
    QPushButton* cmbComecar_;
    QRadioButton* optOne_;
    QRadioButton* optTwo_;
    QLabel* label2_;
    QLineEdit* txtNome1_;
    QLineEdit* txtNome2_;
    QLabel* label3_;
    QLineEdit* txtItems_;
    QCheckBox* chkRandom_;
    QCheckBox* chkTreino_;
    QPushButton* cmbDesafio_ = nullptr;
    bool preparing_ = false;
    QPointer<QThread> worker_;
};

// The system colour of an active window border, which greys out the boxes
// that do not apply.
QColor activeBorderColour();

} // namespace probegrid

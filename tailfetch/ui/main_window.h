#pragma once

#include "tailfetch/core/files.h"
#include "tailfetch/core/http_range.h"
#include "tailfetch/job/completion_job.h"

#include <QColor>
#include <QElapsedTimer>
#include <QString>
#include <QWidget>

#include <string>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSystemTrayIcon;
class QThread;
class QTimer;

namespace suite {
class Dialogs;
}

namespace tailfetch {

// Form1: the completion job (URL, start position, output), its progress, the
// join panel below the buttons, and the tray icon. The socket's events drive
// the exchange; nothing blocks.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    MainWindow(const QString& programDir, suite::Dialogs& dialogs, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Client-area heights of the short window (join panel hidden) and the
    // tall one. The 7650 and 9375 twips of the original include the caption
    // and borders, about 30 pixels; the panel starts at 7200 twips.
    // Both 50 pixels taller than those for the sum box and the progress row.
    static constexpr int kShortHeight = 530;
    static constexpr int kTallHeight = 645;
    static constexpr int kWidth = 440;

    // Background of a box switched off, and of one switched on.
    static QColor greyColour();
    static QColor whiteColour();

    // The tray tip text: the status labels, or the join's own status.
    QString statusLine() const { return statusLine_; }
    bool joinPanelOpen() const { return joinPanelOpen_; }
    bool downloading() const { return jobRunning_; }
    bool joining() const { return joinThread_ != nullptr; }
    // Puts a URL into the box as if typed, for a URL given on the command line.
    void setUrl(const QString& url);
    // Timeouts and retry waits of the jobs started from now on.
    void setJobTuning(const JobTuning& tuning) { tuning_ = tuning; }
    QSystemTrayIcon* trayIcon() const { return tray_; }

signals:
    // The window has closed for good; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildControls();
    void retranslate();
    void Form_Load();

    // The job.
    void cmbGo_Click();
    void cmbStop_Click();
    void tmr_Timer();
    void txtPath_Change();
    void optByte_Click();
    void optFonte_Click();
    void chkSeparar_Click();
    void cmbFonte_Click();
    void cmbPath_Click();
    void DesabilitaDown();
    void HabilitaDown();
    void applySavedOptions();
    void refreshStatusLine();
    void setStatusLine(const QString& text);

    // The job's reports.
    void jobStatusChanged(const QString& status);
    void jobProgress(qint64 received);
    void jobFinished(bool ok, const QString& status, const QString& message);
    void jobVerifying(qint64 done, qint64 total);
    void showSpeed(double bytesPerSecond);
    void showProgress();
    void dropTimeLeft();
    void txtFonte_Change();
    void releaseJob();
    void failJob(const QString& status, const QString& message);
    void endJob();

    // The join panel.
    void cmbJuntar_Click();
    void cmbUnir_Click();
    void cmbArquivoFonte_Click();
    void cmbRestante_Click();
    struct JoinOutcome {
        JoinResult result = JoinResult::Missing;
        std::string why;
    };
    void joinFinished(const JoinOutcome& outcome);
    void waitForJoin();
    void DesabilitaUnir();
    void HabilitaUnir();

    // Tray and About.
    void cmbTray_Click();
    void mnuShow_Click();
    void mnuExit_Click();
    void cmbAbout_Click();

    QString programDir_;
    suite::Dialogs& dialogs_;

    QGroupBox* fraCaminho_ = nullptr;
    QGroupBox* fraHost_ = nullptr;
    QGroupBox* fraByte_ = nullptr;
    QGroupBox* fraInfo_ = nullptr;
    QGroupBox* fraArquivos_ = nullptr;
    QLineEdit* txtPath_ = nullptr;
    QLabel* lblHost_ = nullptr;
    QLabel* lblTipo_ = nullptr;
    QRadioButton* optByte_ = nullptr;
    QLineEdit* txtStart_ = nullptr;
    QRadioButton* optFonte_ = nullptr;
    QLineEdit* txtFonte_ = nullptr;
    QPushButton* cmbFonte_ = nullptr;
    QCheckBox* chkSeparar_ = nullptr;
    QLineEdit* txtDestino_ = nullptr;
    QPushButton* cmbPath_ = nullptr;
    QLabel* lblEstado_ = nullptr;
    QLabel* lblRecebido_ = nullptr;
    QLabel* lblVelocidade_ = nullptr;
    QLineEdit* txtSoma_ = nullptr;
    QLabel* lblProgresso_ = nullptr;
    QPushButton* cmbJuntar_ = nullptr;
    QPushButton* cmbTray_ = nullptr;
    QPushButton* cmbAbout_ = nullptr;
    QPushButton* cmbStop_ = nullptr;
    QPushButton* cmbGo_ = nullptr;
    QPushButton* cmbLanguage_ = nullptr;
    QLineEdit* txtArquivoFonte_ = nullptr;
    QPushButton* cmbArquivoFonte_ = nullptr;
    QLineEdit* txtRestante_ = nullptr;
    QPushButton* cmbRestante_ = nullptr;
    QPushButton* cmbUnir_ = nullptr;
    QLabel* lblUnir_ = nullptr;
    QTimer* tmr_ = nullptr;
    QMenu* mnuPopup_ = nullptr;
    QAction* mnuShow_ = nullptr;
    QAction* mnuExit_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;

    // Job state; it stays after a job ends.
    QString HostName_;
    qint64 TickCount_ = 0;
    bool SavedFonteOption_ = false;
    bool SavedByteOption_ = false;
    QString statusLine_;
    bool joinPanelOpen_ = false;

    bool jobRunning_ = false;
    CompletionJob* job_ = nullptr;
    JobTuning tuning_;
    qint64 lastReceived_ = 0;
    bool urlTyped_ = false; // the URL box was typed in since it was last filled
    QElapsedTimer jobClock_;
    QThread* joinThread_ = nullptr;
};

} // namespace tailfetch

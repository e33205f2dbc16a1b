#include "tailfetch/ui/main_window.h"

#include "tailfetch/ui/about_window.h"

#include "tailfetch/core/checksums.h"
#include "tailfetch/core/origin_attributes.h"
#include "tailfetch/core/progress_figures.h"
#include "tailfetch/core/settings_file.h"
#include "tailfetch/core/start_request.h"

#include "common/core/file_io.h"
#include "common/core/numbers.h"
#include "common/ui/dialogs.h"
#include "common/ui/language.h"
#include "common/ui/text.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSystemTrayIcon>
#include <QThread>
#include <QTimer>

#include <cmath>
#include <memory>

namespace tailfetch {
namespace {

const char* const kRefused = QT_TRANSLATE_NOOP(
    "tailfetch::MainWindow",
    "Preencha todos os campos requeridos e verifique se foi tudo digitado corretamente.");
const char* const kNothingChanged =
    QT_TRANSLATE_NOOP("tailfetch::MainWindow", "Nenhum arquivo foi alterado.");
constexpr int kStatusLineChars = 128; // the tip field, its closing NUL included

// Fixed texts keep their source text on the widget, so a change of language
// can word them again; "shown" is what was put there last, so a status the
// window has since replaced is left alone.
const char* const kSource = "sourceText";
const char* const kShown = "shownText";

void rememberText(QWidget* widget, const char* source)
{
    if (source)
        widget->setProperty(kSource, QByteArray(source));
}

QLabel* addLabel(QWidget* parent, const char* text, QRect geometry, const QString& name = {})
{
    auto* label = new QLabel(parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setGeometry(geometry);
    rememberText(label, text);
    return label;
}

template <typename T>
T* addControl(QWidget* parent, const QString& name, QRect geometry, const char* text = nullptr)
{
    auto* control = new T(parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    rememberText(control, text);
    return control;
}

QGroupBox* addFrame(QWidget* parent, const QString& name, const char* title, QRect geometry)
{
    auto* frame = new QGroupBox(parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    rememberText(frame, title);
    return frame;
}

QString shownText(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return frame->title();
    return {};
}

void showText(QWidget* widget, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(widget))
        frame->setTitle(text);
    widget->setProperty(kShown, text);
}

// The "#,###" figures: grouped the language's way, zero as an empty text.
QString grouped(qint64 value)
{
    return value == 0 ? QString() : suite::formatNumber(value);
}

void setBoxColour(QLineEdit* box, const QColor& colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::All, QPalette::Base, colour);
    box->setPalette(palette);
}

// A switched-off box turns grey, a switched-on one white.
void switchBox(QLineEdit* box, bool on)
{
    box->setEnabled(on);
    setBoxColour(box, on ? MainWindow::whiteColour() : MainWindow::greyColour());
}

QString quoted(const QString& text)
{
    return QStringLiteral("\"") + text + QStringLiteral("\"");
}

} // namespace

QColor MainWindow::greyColour()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Window);
}

QColor MainWindow::whiteColour()
{
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

MainWindow::MainWindow(const QString& programDir, suite::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), programDir_(programDir), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowIcon(QIcon(tailfetchPicture()));
    buildControls();
    retranslate();
    Form_Load();
}

MainWindow::~MainWindow()
{
    releaseJob();
    waitForJoin();
}

void MainWindow::buildControls()
{
    fraCaminho_ = addFrame(this, QStringLiteral("fraCaminho"),
                           QT_TR_NOOP("Caminho para arquivo na internet"), {8, 6, 424, 56});
    txtPath_ = addControl<QLineEdit>(fraCaminho_, QStringLiteral("txtPath"), {10, 24, 404, 22});

    fraHost_ = addFrame(this, QStringLiteral("fraHost"), QT_TR_NOOP("Informações do host"),
                        {8, 68, 424, 64});
    addLabel(fraHost_, QT_TR_NOOP("Host:"), {10, 22, 50, 16});
    lblHost_ = addLabel(fraHost_, QT_TR_NOOP("Nenhum arquivo selecionado"), {64, 22, 262, 16},
                        QStringLiteral("lblHost"));
    addLabel(fraHost_, QT_TR_NOOP("Tipo:"), {10, 42, 50, 16});
    lblTipo_ =
        addLabel(fraHost_, QT_TR_NOOP("- - -"), {64, 42, 262, 16}, QStringLiteral("lblTipo"));
    // Beside the host's facts, where the fixed layout has room: the language
    // of the windows, remembered for the next start.
    cmbLanguage_ =
        addControl<QPushButton>(fraHost_, QStringLiteral("cmbLanguage"), {330, 20, 86, 26});
    cmbLanguage_->setMenu(new suite::LanguageMenu(cmbLanguage_));

    fraByte_ = addFrame(this, QStringLiteral("fraByte"), QT_TR_NOOP("Byte Inicial e Download"),
                        {8, 138, 424, 212});
    optByte_ = addControl<QRadioButton>(fraByte_, QStringLiteral("optByte"), {10, 24, 150, 20},
                                        QT_TR_NOOP("Determinar byte"));
    auto* labeltxtStart = addLabel(fraByte_, QT_TR_NOOP("Iniciar no byte:"), {172, 26, 92, 16});
    txtStart_ = addControl<QLineEdit>(fraByte_, QStringLiteral("txtStart"), {266, 23, 148, 22});
    labeltxtStart->setBuddy(txtStart_);
    optFonte_ = addControl<QRadioButton>(fraByte_, QStringLiteral("optFonte"), {10, 54, 220, 20},
                                         QT_TR_NOOP("Adquirir a partir de arquivo"));
    auto* labeltxtFonte = addLabel(fraByte_, QT_TR_NOOP("Arquivo:"), {28, 84, 60, 16});
    txtFonte_ = addControl<QLineEdit>(fraByte_, QStringLiteral("txtFonte"), {90, 81, 290, 22});
    labeltxtFonte->setBuddy(txtFonte_);
    cmbFonte_ = addControl<QPushButton>(fraByte_, QStringLiteral("cmbFonte"), {384, 81, 30, 22},
                                        QT_TR_NOOP("..."));
    chkSeparar_ = addControl<QCheckBox>(fraByte_, QStringLiteral("chkSeparar"), {10, 116, 200, 20},
                                        QT_TR_NOOP("Gerar novo arquivo"));
    auto* labeltxtDestino = addLabel(fraByte_, QT_TR_NOOP("Destino:"), {28, 148, 60, 16});
    txtDestino_ = addControl<QLineEdit>(fraByte_, QStringLiteral("txtDestino"), {90, 145, 290, 22});
    labeltxtDestino->setBuddy(txtDestino_);
    cmbPath_ = addControl<QPushButton>(fraByte_, QStringLiteral("cmbPath"), {384, 145, 30, 22},
                                       QT_TR_NOOP("..."));
    auto* somaLabel = addLabel(fraByte_, QT_TR_NOOP("Soma:"), {28, 180, 60, 16});
    txtSoma_ = addControl<QLineEdit>(fraByte_, QStringLiteral("txtSoma"), {90, 177, 324, 22});
    somaLabel->setBuddy(txtSoma_);

    fraInfo_ =
        addFrame(this, QStringLiteral("fraInfo"), QT_TR_NOOP("Informações"), {8, 356, 424, 114});
    addLabel(fraInfo_, QT_TR_NOOP("Estado:"), {10, 24, 110, 16});
    lblEstado_ = addLabel(fraInfo_, QT_TR_NOOP("Aguardando..."), {124, 24, 290, 16},
                          QStringLiteral("lblEstado"));
    addLabel(fraInfo_, QT_TR_NOOP("Bytes Recebidos:"), {10, 46, 110, 16});
    lblRecebido_ = addLabel(fraInfo_, QT_TR_NOOP("Nenhum download iniciado"), {124, 46, 290, 16},
                            QStringLiteral("lblRecebido"));
    addLabel(fraInfo_, QT_TR_NOOP("Velocidade:"), {10, 68, 110, 16});
    lblVelocidade_ = addLabel(fraInfo_, QT_TR_NOOP("Parado"), {124, 68, 290, 16},
                              QStringLiteral("lblVelocidade"));
    addLabel(fraInfo_, QT_TR_NOOP("Progresso:"), {10, 90, 110, 16});
    lblProgresso_ = addLabel(fraInfo_, nullptr, {124, 90, 290, 16}, QStringLiteral("lblProgresso"));

    // The row keeps its width; "Unir Arquivos <" needs a little more than
    // the other buttons give up.
    cmbJuntar_ = addControl<QPushButton>(this, QStringLiteral("cmbJuntar"), {8, 486, 114, 30},
                                         QT_TR_NOOP("Unir Arquivos >"));
    cmbTray_ = addControl<QPushButton>(this, QStringLiteral("cmbTray"), {126, 486, 64, 30},
                                       QT_TR_NOOP("Tray"));
    cmbAbout_ = addControl<QPushButton>(this, QStringLiteral("cmbAbout"), {194, 486, 74, 30},
                                        QT_TR_NOOP("Sobre..."));
    cmbStop_ = addControl<QPushButton>(this, QStringLiteral("cmbStop"), {272, 486, 78, 30},
                                       QT_TR_NOOP("Parar"));
    cmbGo_ = addControl<QPushButton>(this, QStringLiteral("cmbGo"), {354, 486, 78, 30},
                                     QT_TR_NOOP("Iniciar"));

    fraArquivos_ = addFrame(this, QStringLiteral("fraArquivos"), QT_TR_NOOP("Arquivos"),
                            {8, kShortHeight, 424, 108});
    auto* labeltxtArquivoFonte =
        addLabel(fraArquivos_, QT_TR_NOOP("Arquivo Fonte:"), {10, 26, 90, 16});
    txtArquivoFonte_ =
        addControl<QLineEdit>(fraArquivos_, QStringLiteral("txtArquivoFonte"), {104, 23, 276, 22});
    labeltxtArquivoFonte->setBuddy(txtArquivoFonte_);
    cmbArquivoFonte_ = addControl<QPushButton>(fraArquivos_, QStringLiteral("cmbArquivoFonte"),
                                               {384, 23, 30, 22}, QT_TR_NOOP("..."));
    auto* labeltxtRestante = addLabel(fraArquivos_, QT_TR_NOOP("Restante:"), {10, 54, 90, 16});
    txtRestante_ =
        addControl<QLineEdit>(fraArquivos_, QStringLiteral("txtRestante"), {104, 51, 276, 22});
    labeltxtRestante->setBuddy(txtRestante_);
    cmbRestante_ = addControl<QPushButton>(fraArquivos_, QStringLiteral("cmbRestante"),
                                           {384, 51, 30, 22}, QT_TR_NOOP("..."));
    addLabel(fraArquivos_, QT_TR_NOOP("Estado:"), {10, 84, 50, 16});
    lblUnir_ = addLabel(fraArquivos_, QT_TR_NOOP("Aguardando..."), {64, 84, 250, 16},
                        QStringLiteral("lblUnir"));
    cmbUnir_ = addControl<QPushButton>(fraArquivos_, QStringLiteral("cmbUnir"), {334, 78, 80, 26},
                                       QT_TR_NOOP("Unir"));

    // Starting states.
    optByte_->setChecked(true);
    chkSeparar_->setChecked(true);
    switchBox(txtFonte_, false);
    cmbFonte_->setEnabled(false);
    cmbStop_->setEnabled(false);
    for (QLineEdit* box : {txtPath_, txtStart_, txtDestino_, txtArquivoFonte_, txtRestante_})
        setBoxColour(box, whiteColour());

    tmr_ = new QTimer(this);
    tmr_->setObjectName(QStringLiteral("tmr"));
    tmr_->setInterval(1000);

    mnuPopup_ = new QMenu(this);
    mnuPopup_->setObjectName(QStringLiteral("mnuPopup"));
    mnuShow_ = mnuPopup_->addAction(QString());
    mnuShow_->setObjectName(QStringLiteral("mnuShow"));
    mnuExit_ = mnuPopup_->addAction(QString());
    mnuExit_->setObjectName(QStringLiteral("mnuExit"));

    tray_ = new QSystemTrayIcon(windowIcon(), this);
    tray_->setObjectName(QStringLiteral("trayIcon"));
    tray_->setContextMenu(mnuPopup_);

    connect(cmbGo_, &QPushButton::clicked, this, &MainWindow::cmbGo_Click);
    connect(cmbStop_, &QPushButton::clicked, this, &MainWindow::cmbStop_Click);
    connect(tmr_, &QTimer::timeout, this, &MainWindow::tmr_Timer);
    connect(txtPath_, &QLineEdit::textChanged, this, &MainWindow::txtPath_Change);
    connect(txtPath_, &QLineEdit::textEdited, this, [this] { urlTyped_ = true; });
    connect(txtFonte_, &QLineEdit::textChanged, this, &MainWindow::txtFonte_Change);
    connect(optByte_, &QRadioButton::clicked, this, &MainWindow::optByte_Click);
    connect(optFonte_, &QRadioButton::clicked, this, &MainWindow::optFonte_Click);
    connect(chkSeparar_, &QCheckBox::clicked, this, &MainWindow::chkSeparar_Click);
    connect(cmbFonte_, &QPushButton::clicked, this, &MainWindow::cmbFonte_Click);
    connect(cmbPath_, &QPushButton::clicked, this, &MainWindow::cmbPath_Click);
    connect(cmbJuntar_, &QPushButton::clicked, this, &MainWindow::cmbJuntar_Click);
    connect(cmbUnir_, &QPushButton::clicked, this, &MainWindow::cmbUnir_Click);
    connect(cmbArquivoFonte_, &QPushButton::clicked, this, &MainWindow::cmbArquivoFonte_Click);
    connect(cmbRestante_, &QPushButton::clicked, this, &MainWindow::cmbRestante_Click);
    connect(cmbTray_, &QPushButton::clicked, this, &MainWindow::cmbTray_Click);
    connect(cmbAbout_, &QPushButton::clicked, this, &MainWindow::cmbAbout_Click);
    connect(mnuShow_, &QAction::triggered, this, &MainWindow::mnuShow_Click);
    connect(mnuExit_, &QAction::triggered, this, &MainWindow::mnuExit_Click);
    connect(tray_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                if (why == QSystemTrayIcon::DoubleClick)
                    mnuShow_Click();
            });
}

// Every fixed text in the current language; a status the window has since
// replaced stays as it is.
void MainWindow::retranslate()
{
    setWindowTitle(tr("Tavrin - Complete arquivos Incompletos"));
    for (QWidget* widget : findChildren<QWidget*>()) {
        const QByteArray source = widget->property(kSource).toByteArray();
        if (source.isEmpty())
            continue;
        const QVariant shown = widget->property(kShown);
        if (shown.isValid() && shown.toString() != shownText(widget))
            continue;
        showText(widget, tr(source.constData()));
    }
    cmbJuntar_->setText(joinPanelOpen_ ? tr("Unir Arquivos <") : tr("Unir Arquivos >"));
    txtPath_->setAccessibleName(fraCaminho_->title());
    txtSoma_->setAccessibleName(tr("Soma de verificação"));
    txtSoma_->setPlaceholderText(tr("SHA-256, SHA-1 ou MD5 (vazio: a do servidor)"));
    lblProgresso_->setAccessibleName(tr("Progresso"));
    cmbFonte_->setAccessibleName(tr("Procurar o arquivo incompleto"));
    cmbPath_->setAccessibleName(tr("Procurar o destino"));
    cmbArquivoFonte_->setAccessibleName(tr("Procurar o arquivo fonte"));
    cmbRestante_->setAccessibleName(tr("Procurar o restante"));
    cmbLanguage_->setText(tr("Idioma"));
    cmbLanguage_->setAccessibleName(tr("Idioma"));
    mnuPopup_->setTitle(tr("Popup"));
    mnuShow_->setText(tr("&Restaurar"));
    mnuExit_->setText(tr("&Sair"));
    if (!jobRunning_ && !joinThread_)
        refreshStatusLine();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

// ---------------------------------------------------------------- opening and closing

void MainWindow::Form_Load()
{
    refreshStatusLine();
    joinPanelOpen_ = false;
    setFixedSize(kWidth, kShortHeight);

    txtPath_->setText(suite::fromCp1252(QByteArray::fromStdString(
        ReadSettingsUrl(suite::toPath(QDir(programDir_).filePath(QStringLiteral("config.ini")))))));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    tray_->hide();
    // Nothing can be reported to a user who is closing the window; a settings
    // file that cannot be written only means the URL is not remembered.
    WriteSettingsUrl(suite::toPath(QDir(programDir_).filePath(QStringLiteral("config.ini"))),
                     suite::toCp1252(txtPath_->text()).toStdString());
    // A running download stops; what it wrote so far stays. A join is let
    // finish: cut short, it would leave the file half written.
    tmr_->stop();
    releaseJob();
    waitForJoin();
    jobRunning_ = false;
    event->accept();
    emit closed();
}

// ---------------------------------------------------------------- the job

void MainWindow::cmbGo_Click()
{
    SavedFonteOption_ = optFonte_->isChecked();
    SavedByteOption_ = optByte_->isChecked();

    const QString url = txtPath_->text();
    const QString requestUrl = url.trimmed();
    const auto address = WebAddress::fromText(requestUrl);

    StartInputs inputs;
    inputs.url = suite::toCp1252(url).toStdString();
    inputs.addressUsable = address.has_value();
    inputs.byteOption = optByte_->isChecked();
    inputs.startText = txtStart_->text().toStdString();
    inputs.sourceNamed = !txtFonte_->text().isEmpty();
    const QFileInfo source(txtFonte_->text());
    if (inputs.sourceNamed && source.isFile())
        inputs.sourceSize = source.size();
    inputs.newFile = chkSeparar_->isChecked();
    inputs.destinationNamed = !txtDestino_->text().isEmpty();
    inputs.destinationIsSource =
        inputs.sourceNamed && inputs.destinationNamed && QFileInfo(txtDestino_->text()) == source;
    const StartCheck check = CheckStart(inputs);
    if (check.startBoxBecomesOne)
        txtStart_->setText(QStringLiteral("1"));
    switch (check.refusal) {
    case StartCheck::Fields:
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Erro"), tr(kRefused));
        return;
    case StartCheck::StartBelowOne:
        lblEstado_->setText(tr("Byte inicial fora do arquivo"));
        refreshStatusLine();
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Erro"),
                         tr("O byte inicial deve ser 1 ou mais; foi digitado %1.\n%2")
                             .arg(check.startByte)
                             .arg(tr(kNothingChanged)));
        return;
    case StartCheck::DestinationIsSource:
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Erro"),
                         tr("O novo arquivo não pode ser o próprio arquivo incompleto."));
        return;
    case StartCheck::None: break;
    }
    const qint64 startByte = check.startByte;
    if (!txtSoma_->text().trimmed().isEmpty() &&
        !ParseTypedDigest(txtSoma_->text().toStdString())) {
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Erro"),
                         tr("A soma %1 não é um MD5, SHA-1 ou SHA-256 em hexadecimal (32, 40 ou "
                            "64 dígitos).")
                             .arg(quoted(txtSoma_->text().trimmed())));
        return;
    }
    // A file already named "Destino:" is replaced only on the user's word.
    bool replace = false;
    const QFileInfo destination(txtDestino_->text());
    if (chkSeparar_->isChecked() && destination.exists()) {
        replace = dialogs_.question(
            this, suite::MessageIcon::Exclamation, tr("Atenção"),
            tr("O arquivo %1 (%2 bytes) já existe. Substituí-lo pelo arquivo baixado quando o "
               "download terminar?\nSe o download não terminar, o que chegar vai para um nome "
               "novo ao lado dele.")
                .arg(quoted(destination.absoluteFilePath()),
                     destination.size() == 0 ? QStringLiteral("0") : grouped(destination.size())));
        if (!replace)
            return;
    }
    bool plainLogin = false;
    if (!address->login.isEmpty() && !address->secure) {
        plainLogin = dialogs_.question(
            this, suite::MessageIcon::Exclamation, tr("Atenção"),
            tr("O endereço traz usuário e senha. Por http:// eles seguem sem criptografia e podem "
               "ser lidos no caminho. Enviar assim mesmo?"));
        if (!plainLogin)
            return;
    }
    const auto host = SplitHost(inputs.url);

    JobRequest request;
    request.url = requestUrl;
    request.startByte = startByte;
    request.inPlace = !chkSeparar_->isChecked();
    request.source = optFonte_->isChecked() ? txtFonte_->text() : QString();
    request.destination = txtDestino_->text();
    request.plainLoginAllowed = plainLogin;
    request.replaceAllowed = replace;
    request.checksum = txtSoma_->text().trimmed();

    releaseJob();
    job_ = new CompletionJob(request, tuning_, this);
    const QString why = job_->start();
    if (!why.isEmpty()) {
        releaseJob();
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Erro"), why);
        return;
    }
    connect(job_, &CompletionJob::statusChanged, this, &MainWindow::jobStatusChanged);
    connect(job_, &CompletionJob::progress, this, &MainWindow::jobProgress);
    connect(job_, &CompletionJob::hostChanged, lblHost_, &QLabel::setText);
    connect(job_, &CompletionJob::finished, this, &MainWindow::jobFinished);
    connect(job_, &CompletionJob::verifying, this, &MainWindow::jobVerifying);

    HostName_ = suite::fromCp1252(QByteArray::fromStdString(*host));
    lblRecebido_->clear();
    lblVelocidade_->clear();
    lblProgresso_->clear();
    jobRunning_ = true;
    DesabilitaDown();
    // The job is connecting already; its next step is reported from the
    // event loop.
    lblEstado_->setText(tr("Conectando..."));
    refreshStatusLine();
    TickCount_ = 0;
    lastReceived_ = 0;
    jobClock_.start();
}

void MainWindow::cmbStop_Click()
{
    // What arrived stays where it was written.
    releaseJob();
    lblEstado_->setText(tr("Download Cancelado"));
    lblVelocidade_->setText(tr("Parado"));
    dropTimeLeft();
    refreshStatusLine();
    HabilitaDown();
    tmr_->stop();
    TickCount_ = 0;
    applySavedOptions();
    jobRunning_ = false;
}

void MainWindow::tmr_Timer()
{
    ++TickCount_;
    const qint64 received = job_ ? job_->received() : lastReceived_;
    showSpeed(static_cast<double>(AverageSpeed(received, TickCount_)));
    showProgress();
}

// The whole file's share on disk, and the time left at the average speed.
void MainWindow::showProgress()
{
    if (!job_)
        return;
    const auto percent = PercentDone(job_->fileHave(), job_->remoteLength());
    if (!percent)
        return;
    QString text = tr("%1%").arg(*percent);
    const auto left = SecondsLeft(job_->remoteLength() - job_->fileHave(),
                                  AverageSpeed(job_->received(), std::max<qint64>(TickCount_, 1)));
    if (left && TickCount_ > 0 && *percent < 100)
        text += tr(" - faltam %1").arg(QString::fromStdString(DurationText(*left)));
    lblProgresso_->setText(text);
    refreshStatusLine();
}

// A job that ended has no time left; how far the file got stays.
void MainWindow::dropTimeLeft()
{
    lblProgresso_->setText(lblProgresso_->text().section(QStringLiteral(" - "), 0, 0));
}

void MainWindow::jobVerifying(qint64 done, qint64 total)
{
    const auto percent = PercentDone(done, total);
    lblProgresso_->setText(tr("Verificando: %1%").arg(percent.value_or(0)));
    refreshStatusLine();
}

void MainWindow::setUrl(const QString& url)
{
    txtPath_->setText(url);
}

void MainWindow::txtPath_Change()
{
    const QString url = txtPath_->text();
    const auto host = SplitHost(suite::toCp1252(url).toStdString());
    if (!host)
        return;
    HostName_ = suite::fromCp1252(QByteArray::fromStdString(*host));
    lblHost_->setText(HostName_);
    // The first four characters cannot tell http from https.
    lblTipo_->setText(url.startsWith(QStringLiteral("https:"), Qt::CaseInsensitive)
                          ? QStringLiteral("HTTPS")
                          : url.left(4).toUpper());
}

// A file a browser left half-downloaded names its address; it fills the URL
// box unless the user typed one there.
void MainWindow::txtFonte_Change()
{
    if (urlTyped_ && !txtPath_->text().isEmpty())
        return;
    const QFileInfo file(txtFonte_->text());
    if (!file.isFile())
        return;
    const FileOrigin origin = ReadOrigin(suite::toPath(file.absoluteFilePath()));
    if (origin.url.empty())
        return;
    txtPath_->setText(QString::fromStdString(origin.url));
    urlTyped_ = false;
}

void MainWindow::optByte_Click()
{
    switchBox(txtFonte_, false);
    cmbFonte_->setEnabled(false);
    switchBox(txtStart_, true);
    chkSeparar_->setChecked(true);
    switchBox(txtDestino_, true);
    cmbPath_->setEnabled(true);
}

void MainWindow::optFonte_Click()
{
    switchBox(txtFonte_, true);
    cmbFonte_->setEnabled(true);
    switchBox(txtStart_, false);
}

void MainWindow::chkSeparar_Click()
{
    if (!chkSeparar_->isChecked() && optByte_->isChecked()) {
        chkSeparar_->setChecked(true);
        switchBox(txtDestino_, true);
        cmbPath_->setEnabled(true);
        dialogs_.message(this, suite::MessageIcon::Exclamation, tr("Atenção"),
                         tr("Você não pode desmarcar esta caixa com o Determinar Byte ativado"));
        return;
    }
    const bool on = chkSeparar_->isChecked();
    switchBox(txtDestino_, on);
    cmbPath_->setEnabled(on);
}

void MainWindow::cmbFonte_Click()
{
    const QString path = dialogs_.openFile(this, QString());
    if (!path.isEmpty())
        txtFonte_->setText(path);
}

void MainWindow::cmbPath_Click()
{
    const QString path = dialogs_.saveFile(this, QString());
    if (!path.isEmpty())
        txtDestino_->setText(path);
}

void MainWindow::DesabilitaDown()
{
    fraCaminho_->setEnabled(false);
    fraByte_->setEnabled(false);
    for (QLineEdit* box : {txtPath_, txtStart_, txtDestino_, txtFonte_})
        switchBox(box, false);
    setBoxColour(txtArquivoFonte_, greyColour());
    setBoxColour(txtRestante_, greyColour());
    cmbGo_->setEnabled(false);
    cmbStop_->setEnabled(true);
    for (QPushButton* button : {cmbPath_, cmbFonte_, cmbArquivoFonte_, cmbRestante_, cmbUnir_})
        button->setEnabled(false);
    optFonte_->setEnabled(false);
    optByte_->setEnabled(false);
    chkSeparar_->setEnabled(false);
}

void MainWindow::HabilitaDown()
{
    fraCaminho_->setEnabled(true);
    fraByte_->setEnabled(true);
    for (QLineEdit* box : {txtPath_, txtStart_, txtDestino_, txtFonte_})
        switchBox(box, true);
    setBoxColour(txtArquivoFonte_, whiteColour());
    setBoxColour(txtRestante_, whiteColour());
    cmbGo_->setEnabled(true);
    cmbStop_->setEnabled(false);
    for (QPushButton* button : {cmbPath_, cmbFonte_, cmbArquivoFonte_, cmbRestante_, cmbUnir_})
        button->setEnabled(true);
    optFonte_->setEnabled(true);
    optByte_->setEnabled(true);
    chkSeparar_->setEnabled(true);
}

// After a job or a join the inputs follow the option chosen when it began.
void MainWindow::applySavedOptions()
{
    if (SavedByteOption_) {
        optByte_->setChecked(true);
        optByte_Click();
    }
    if (SavedFonteOption_) {
        optFonte_->setChecked(true);
        optFonte_Click();
    }
    // HabilitaDown switched "Destino:" on; an unchecked box does not use it.
    if (!chkSeparar_->isChecked()) {
        switchBox(txtDestino_, false);
        cmbPath_->setEnabled(false);
    }
}

void MainWindow::refreshStatusLine()
{
    QString line = QStringLiteral("E: ") + lblEstado_->text() + QStringLiteral(" | R: ") +
                   lblRecebido_->text() + QStringLiteral(" | V: ") + lblVelocidade_->text();
    if (!lblProgresso_->text().isEmpty())
        line += QStringLiteral(" | ") + lblProgresso_->text();
    setStatusLine(line);
}

void MainWindow::setStatusLine(const QString& text)
{
    statusLine_ = text.left(kStatusLineChars - 1);
    tray_->setToolTip(statusLine_);
}

// ---------------------------------------------------------------- the job's reports

void MainWindow::jobStatusChanged(const QString& status)
{
    lblEstado_->setText(status);
    refreshStatusLine();
}

void MainWindow::jobProgress(qint64 received)
{
    if (!tmr_->isActive())
        tmr_->start();
    lastReceived_ = received;
    lblRecebido_->setText(grouped(received));
    refreshStatusLine();
    showProgress();
}

void MainWindow::jobFinished(bool ok, const QString& status, const QString& message)
{
    tmr_->stop();
    lastReceived_ = job_ ? job_->received() : lastReceived_;
    // A job shorter than one tick still shows how fast it went.
    if (TickCount_ == 0 && lastReceived_ > 0) {
        const double seconds = std::max<qint64>(jobClock_.elapsed(), 1) / 1000.0;
        showSpeed(static_cast<double>(lastReceived_) / seconds);
    }
    if (ok && job_)
        lblProgresso_->setText(QStringLiteral("100%"));
    releaseJob();
    if (!ok)
        return failJob(status, message);
    lblEstado_->setText(status);
    refreshStatusLine();
    endJob();
    // The new file went beside an existing one of its name.
    if (!message.isEmpty())
        dialogs_.message(this, suite::MessageIcon::Information, tr("Download terminado"), message);
}

void MainWindow::showSpeed(double bytesPerSecond)
{
    const double speed = numbers::roundHalfEven(bytesPerSecond);
    lblVelocidade_->setText(grouped(static_cast<qint64>(speed)) + tr(" bytes/seg"));
    refreshStatusLine();
}

// The job may be the one reporting right now; it goes once its signal returns.
void MainWindow::releaseJob()
{
    if (!job_)
        return;
    job_->disconnect(this);
    if (job_->running())
        job_->stop();
    job_->deleteLater();
    job_ = nullptr;
}

void MainWindow::failJob(const QString& status, const QString& message)
{
    tmr_->stop();
    TickCount_ = 0;
    releaseJob();
    lblEstado_->setText(status);
    lblVelocidade_->setText(tr("Parado"));
    dropTimeLeft();
    refreshStatusLine();
    endJob();
    dialogs_.message(this, suite::MessageIcon::Critical, tr("Erro"), message);
}

void MainWindow::endJob()
{
    jobRunning_ = false;
    HabilitaDown();
    applySavedOptions();
}

// ---------------------------------------------------------------- the join panel

void MainWindow::cmbJuntar_Click()
{
    joinPanelOpen_ = !joinPanelOpen_;
    setFixedSize(kWidth, joinPanelOpen_ ? kTallHeight : kShortHeight);
    cmbJuntar_->setText(joinPanelOpen_ ? tr("Unir Arquivos <") : tr("Unir Arquivos >"));
}

void MainWindow::cmbArquivoFonte_Click()
{
    const QString path = dialogs_.openFile(this, QString());
    if (!path.isEmpty())
        txtArquivoFonte_->setText(path);
}

void MainWindow::cmbRestante_Click()
{
    const QString path = dialogs_.openFile(this, QString());
    if (!path.isEmpty())
        txtRestante_->setText(path);
}

void MainWindow::cmbUnir_Click()
{
    if (txtArquivoFonte_->text().isEmpty() || txtRestante_->text().isEmpty()) {
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Erro"),
                         tr("Preencha todos os campos requeridos"));
        return;
    }
    lblUnir_->setText(tr("Unindo arquivos..."));
    setStatusLine(lblUnir_->text());
    SavedFonteOption_ = optFonte_->isChecked();
    SavedByteOption_ = optByte_->isChecked();
    DesabilitaUnir();

    // The join runs beside the window, which stays locked until it ends.
    auto outcome = std::make_shared<JoinOutcome>();
    const std::filesystem::path source = suite::toPath(txtArquivoFonte_->text());
    const std::filesystem::path part = suite::toPath(txtRestante_->text());
    joinThread_ = QThread::create(
        [outcome, source, part] { outcome->result = JoinParts(source, part, &outcome->why); });
    connect(joinThread_, &QThread::finished, this, [this, outcome] { joinFinished(*outcome); });
    joinThread_->start();
}

void MainWindow::joinFinished(const JoinOutcome& outcome)
{
    waitForJoin();
    // The window stays locked while a failure is reported and is unlocked
    // once the user has read the message.
    switch (outcome.result) {
    case JoinResult::Done:
        lblUnir_->setText(tr("Pronto"));
        setStatusLine(lblUnir_->text());
        break;
    case JoinResult::Missing:
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Erro"),
                         tr("Arquivos inexistentes"));
        break;
    case JoinResult::SameFile:
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Erro"),
                         tr("\"Arquivo Fonte:\" e \"Restante:\" são o mesmo arquivo."));
        break;
    case JoinResult::NotContinuation:
        dialogs_.message(
            this, suite::MessageIcon::Critical, tr("Erro"),
            tr("O primeiro byte de \"Restante:\" não é o último byte de \"Arquivo Fonte:\": "
               "a parte não foi baixada a partir do fim deste arquivo (use \"Adquirir a "
               "partir de arquivo\", ou o tamanho do arquivo em \"Iniciar no byte:\"). "
               "O arquivo ficou como estava."));
        break;
    case JoinResult::WriteFailed:
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Erro"),
                         tr("Não foi possível gravar em %1 (%2). O arquivo ficou como estava.")
                             .arg(quoted(txtArquivoFonte_->text()),
                                  QString::fromStdString(outcome.why)));
        break;
    }
    HabilitaUnir();
    applySavedOptions();
}

void MainWindow::waitForJoin()
{
    if (!joinThread_)
        return;
    joinThread_->wait();
    joinThread_->deleteLater();
    joinThread_ = nullptr;
}

void MainWindow::DesabilitaUnir()
{
    DesabilitaDown();
    fraInfo_->setEnabled(false);
    cmbStop_->setEnabled(false);
}

void MainWindow::HabilitaUnir()
{
    HabilitaDown();
    fraInfo_->setEnabled(true);
}

// ---------------------------------------------------------------- tray and About

void MainWindow::cmbTray_Click()
{
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        // No notification area to come back from: minimise instead of hiding.
        showMinimized();
        return;
    }
    tray_->setToolTip(statusLine_);
    tray_->show();
    hide();
}

void MainWindow::mnuShow_Click()
{
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    tray_->hide();
    show();
    activateWindow();
}

void MainWindow::mnuExit_Click()
{
    close();
}

void MainWindow::cmbAbout_Click()
{
    auto* about = new AboutWindow(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}

} // namespace tailfetch

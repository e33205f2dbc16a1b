#include "ui/main_window.h"

#include "ui/about_window.h"

#include "common/core/file_io.h"
#include "common/core/numbers.h"
#include "common/ui/dialogs.h"
#include "common/ui/text.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QSystemTrayIcon>
#include <QTcpSocket>
#include <QTimer>

#include <charconv>
#include <cmath>

namespace tailfetch {
namespace {

const QString kRefused =
    QStringLiteral("Preencha todos os campos requeridos e verifique se foi tudo digitado corretamente.");
const QString kNothingChanged = QStringLiteral("Nenhum arquivo foi alterado.");
constexpr int kStatusLineChars = 128; // the tip field, its closing NUL included

QLabel* addLabel(QWidget* parent, const QString& text, QRect geometry, const QString& name = {})
{
    auto* label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

template <typename T>
T* addControl(QWidget* parent, const QString& name, QRect geometry, const QString& text = {})
{
    auto* control = new T(parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    if constexpr (!std::is_same_v<T, QLineEdit>)
        control->setText(text);
    return control;
}

QGroupBox* addFrame(QWidget* parent, const QString& name, const QString& title, QRect geometry)
{
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    frame->setGeometry(geometry);
    return frame;
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

// The typed start position: a whole number, or a real one rounded half to
// even. Nothing when the text is not a number or leaves the 64-bit range.
std::optional<qint64> readStartByte(const QString& text)
{
    const std::string plain = text.trimmed().toStdString();
    qint64 whole = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), whole);
    if (ec == std::errc() && end == plain.data() + plain.size() && !plain.empty())
        return whole;
    const auto real = suite::readRealNumber(text);
    if (!real || !std::isfinite(*real))
        return std::nullopt;
    const double rounded = numbers::roundHalfEven(*real);
    if (std::fabs(rounded) >= 9.2e18)
        return std::nullopt;
    return static_cast<qint64>(rounded);
}

QString quoted(const QString& text) { return QStringLiteral("\"") + text + QStringLiteral("\""); }

// "HTTP/1.1 404 Not Found" -> "404 Not Found".
QString statusWithoutVersion(const std::string& status)
{
    const QString text = suite::fromCp1252(QByteArray::fromStdString(status));
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    return space < 0 ? text : text.mid(space + 1);
}

} // namespace

QColor MainWindow::greyColour() { return QApplication::palette().color(QPalette::Active, QPalette::Window); }

QColor MainWindow::whiteColour() { return QApplication::palette().color(QPalette::Active, QPalette::Base); }

MainWindow::MainWindow(const QString& programDir, suite::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), programDir_(programDir), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tavrin - Complete arquivos Incompletos"));
    setWindowIcon(QIcon(tailfetchPicture()));
    buildControls();
    Form_Load();
}

MainWindow::~MainWindow()
{
    closeSocket();
    spool_.discard();
}

void MainWindow::buildControls()
{
    fraCaminho_ = addFrame(this, QStringLiteral("fraCaminho"),
                           QStringLiteral("Caminho para arquivo na internet"), {8, 6, 424, 56});
    txtPath_ = addControl<QLineEdit>(fraCaminho_, QStringLiteral("txtPath"), {10, 24, 404, 22});

    fraHost_ = addFrame(this, QStringLiteral("fraHost"), QStringLiteral("Informações do host"),
                        {8, 68, 424, 64});
    addLabel(fraHost_, QStringLiteral("Host:"), {10, 22, 50, 16});
    lblHost_ = addLabel(fraHost_, QStringLiteral("Nenhum arquivo selecionado"), {64, 22, 350, 16},
                        QStringLiteral("lblHost"));
    addLabel(fraHost_, QStringLiteral("Tipo:"), {10, 42, 50, 16});
    lblTipo_ = addLabel(fraHost_, QStringLiteral("- - -"), {64, 42, 350, 16}, QStringLiteral("lblTipo"));

    fraByte_ = addFrame(this, QStringLiteral("fraByte"), QStringLiteral("Byte Inicial e Download"),
                        {8, 138, 424, 184});
    optByte_ = addControl<QRadioButton>(fraByte_, QStringLiteral("optByte"), {10, 24, 150, 20},
                                        QStringLiteral("Determinar byte"));
    addLabel(fraByte_, QStringLiteral("Iniciar no byte:"), {172, 26, 92, 16});
    txtStart_ = addControl<QLineEdit>(fraByte_, QStringLiteral("txtStart"), {266, 23, 148, 22});
    optFonte_ = addControl<QRadioButton>(fraByte_, QStringLiteral("optFonte"), {10, 54, 220, 20},
                                         QStringLiteral("Adquirir a partir de arquivo"));
    addLabel(fraByte_, QStringLiteral("Arquivo:"), {28, 84, 60, 16});
    txtFonte_ = addControl<QLineEdit>(fraByte_, QStringLiteral("txtFonte"), {90, 81, 290, 22});
    cmbFonte_ = addControl<QPushButton>(fraByte_, QStringLiteral("cmbFonte"), {384, 81, 30, 22},
                                        QStringLiteral("..."));
    chkSeparar_ = addControl<QCheckBox>(fraByte_, QStringLiteral("chkSeparar"), {10, 116, 200, 20},
                                        QStringLiteral("Gerar novo arquivo"));
    addLabel(fraByte_, QStringLiteral("Destino:"), {28, 148, 60, 16});
    txtDestino_ = addControl<QLineEdit>(fraByte_, QStringLiteral("txtDestino"), {90, 145, 290, 22});
    cmbPath_ = addControl<QPushButton>(fraByte_, QStringLiteral("cmbPath"), {384, 145, 30, 22},
                                       QStringLiteral("..."));

    fraInfo_ = addFrame(this, QStringLiteral("fraInfo"), QStringLiteral("Informações"), {8, 328, 424, 92});
    addLabel(fraInfo_, QStringLiteral("Estado:"), {10, 24, 110, 16});
    lblEstado_ = addLabel(fraInfo_, QStringLiteral("Aguardando..."), {124, 24, 290, 16},
                          QStringLiteral("lblEstado"));
    addLabel(fraInfo_, QStringLiteral("Bytes Recebidos:"), {10, 46, 110, 16});
    lblRecebido_ = addLabel(fraInfo_, QStringLiteral("Nenhum download iniciado"), {124, 46, 290, 16},
                            QStringLiteral("lblRecebido"));
    addLabel(fraInfo_, QStringLiteral("Velocidade:"), {10, 68, 110, 16});
    lblVelocidade_ = addLabel(fraInfo_, QStringLiteral("Parado"), {124, 68, 290, 16},
                              QStringLiteral("lblVelocidade"));

    cmbJuntar_ = addControl<QPushButton>(this, QStringLiteral("cmbJuntar"), {8, 436, 104, 30},
                                         QStringLiteral("Unir Arquivos >"));
    cmbTray_ = addControl<QPushButton>(this, QStringLiteral("cmbTray"), {116, 436, 70, 30},
                                       QStringLiteral("Tray"));
    cmbAbout_ = addControl<QPushButton>(this, QStringLiteral("cmbAbout"), {190, 436, 76, 30},
                                        QStringLiteral("Sobre..."));
    cmbStop_ = addControl<QPushButton>(this, QStringLiteral("cmbStop"), {270, 436, 78, 30},
                                       QStringLiteral("Parar"));
    cmbGo_ = addControl<QPushButton>(this, QStringLiteral("cmbGo"), {352, 436, 80, 30},
                                     QStringLiteral("Iniciar"));

    fraArquivos_ = addFrame(this, QStringLiteral("fraArquivos"), QStringLiteral("Arquivos"),
                            {8, kShortHeight, 424, 108});
    addLabel(fraArquivos_, QStringLiteral("Arquivo Fonte:"), {10, 26, 90, 16});
    txtArquivoFonte_ = addControl<QLineEdit>(fraArquivos_, QStringLiteral("txtArquivoFonte"),
                                             {104, 23, 276, 22});
    cmbArquivoFonte_ = addControl<QPushButton>(fraArquivos_, QStringLiteral("cmbArquivoFonte"),
                                               {384, 23, 30, 22}, QStringLiteral("..."));
    addLabel(fraArquivos_, QStringLiteral("Restante:"), {10, 54, 90, 16});
    txtRestante_ = addControl<QLineEdit>(fraArquivos_, QStringLiteral("txtRestante"), {104, 51, 276, 22});
    cmbRestante_ = addControl<QPushButton>(fraArquivos_, QStringLiteral("cmbRestante"),
                                           {384, 51, 30, 22}, QStringLiteral("..."));
    addLabel(fraArquivos_, QStringLiteral("Estado:"), {10, 84, 50, 16});
    lblUnir_ = addLabel(fraArquivos_, QStringLiteral("Aguardando..."), {64, 84, 250, 16},
                        QStringLiteral("lblUnir"));
    cmbUnir_ = addControl<QPushButton>(fraArquivos_, QStringLiteral("cmbUnir"), {334, 78, 80, 26},
                                       QStringLiteral("Unir"));

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

    mnuPopup_ = new QMenu(QStringLiteral("Popup"), this);
    mnuPopup_->setObjectName(QStringLiteral("mnuPopup"));
    mnuShow_ = mnuPopup_->addAction(QStringLiteral("&Restaurar"));
    mnuShow_->setObjectName(QStringLiteral("mnuShow"));
    mnuExit_ = mnuPopup_->addAction(QStringLiteral("&Sair"));
    mnuExit_->setObjectName(QStringLiteral("mnuExit"));

    tray_ = new QSystemTrayIcon(windowIcon(), this);
    tray_->setObjectName(QStringLiteral("trayIcon"));
    tray_->setContextMenu(mnuPopup_);

    connect(cmbGo_, &QPushButton::clicked, this, &MainWindow::cmbGo_Click);
    connect(cmbStop_, &QPushButton::clicked, this, &MainWindow::cmbStop_Click);
    connect(tmr_, &QTimer::timeout, this, &MainWindow::tmr_Timer);
    connect(txtPath_, &QLineEdit::textChanged, this, &MainWindow::txtPath_Change);
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
    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        if (why == QSystemTrayIcon::DoubleClick)
            mnuShow_Click();
    });
}

// ---------------------------------------------------------------- opening and closing

void MainWindow::setUrl(const QString& url)
{
    txtPath_->setText(url);
}

void MainWindow::Form_Load()
{
    refreshStatusLine();
    joinPanelOpen_ = false;
    setFixedSize(kWidth, kShortHeight);

    const auto bytes = fileio::readAll(suite::toPath(QDir(programDir_).filePath(QStringLiteral("config.ini"))));
    if (!bytes)
        return;
    std::string_view text = *bytes;
    text = text.substr(0, text.find_first_of("\r\n"));
    txtPath_->setText(suite::fromCp1252(QByteArray(text.data(), static_cast<qsizetype>(text.size()))));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    tray_->hide();
    // Nothing can be reported to a user who is closing the window; a settings
    // file that cannot be written only means the URL is not remembered.
    fileio::writeAtomically(suite::toPath(QDir(programDir_).filePath(QStringLiteral("config.ini"))),
                            (suite::toCp1252(txtPath_->text()) + "\r\n").toStdString());
    // A running download is dropped; its spool goes with it.
    tmr_->stop();
    closeSocket();
    spool_.discard();
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
    const auto host = SplitHost(suite::toCp1252(url).toStdString());
    const QString requestUrl = url.trimmed();

    auto refuse = [this] {
        dialogs_.message(this, suite::MessageIcon::Critical, QStringLiteral("Erro"), kRefused);
    };

    qint64 startByte = 0;
    if (optByte_->isChecked()) {
        if (txtStart_->text().isEmpty()) {
            txtStart_->setText(QStringLiteral("1"));
            startByte = 1;
        } else if (const auto typed = readStartByte(txtStart_->text())) {
            startByte = *typed;
        } else {
            return refuse();
        }
    } else if (!txtFonte_->text().isEmpty()) {
        const QFileInfo source(txtFonte_->text());
        if (!source.isFile())
            return refuse();
        startByte = source.size();
    } else {
        return refuse();
    }
    if (url.isEmpty() || !host || host->empty() || !url.startsWith(QStringLiteral("http")))
        return refuse();
    if (chkSeparar_->isChecked() && txtDestino_->text().isEmpty())
        return refuse();
    // A new file named like the incomplete one would replace it with its own tail.
    if (chkSeparar_->isChecked() && !txtFonte_->text().isEmpty()
        && QFileInfo(txtDestino_->text()) == QFileInfo(txtFonte_->text())) {
        dialogs_.message(this, suite::MessageIcon::Critical, QStringLiteral("Erro"),
                         QStringLiteral("O novo arquivo não pode ser o próprio arquivo incompleto."));
        return;
    }

    // The body is collected beside the file it is meant for; a place that
    // cannot take it is found out now, before anything is asked of the server.
    toNewFile_ = chkSeparar_->isChecked();
    targetText_ = toNewFile_ ? txtDestino_->text() : txtFonte_->text();
    target_ = suite::toPath(targetText_);
    std::string why;
    if (!spool_.open(target_, &why)) {
        dialogs_.message(this, suite::MessageIcon::Critical, QStringLiteral("Erro"),
                         QStringLiteral("Não é possível gravar em %1 (%2).")
                             .arg(quoted(targetText_), QString::fromStdString(why)));
        return;
    }

    HostName_ = suite::fromCp1252(QByteArray::fromStdString(*host));
    RequestUrl_ = requestUrl;
    StartByte_ = startByte;
    ConnectStep_ = 1;
    lblEstado_->clear();
    lblRecebido_->clear();
    lblVelocidade_->clear();
    refreshStatusLine();
    jobRunning_ = true;
    reply_.reset();
    headBuffer_.clear();
    connectToServer();
    DesabilitaDown();
    lblEstado_->setText(QStringLiteral("Conectando..."));
    refreshStatusLine();
    TickCount_ = 0;
}

void MainWindow::cmbStop_Click()
{
    lblEstado_->setText(QStringLiteral("Download Cancelado"));
    lblVelocidade_->setText(QStringLiteral("Parado"));
    refreshStatusLine();
    HabilitaDown();
    tmr_->stop();
    TickCount_ = 0;
    applySavedOptions();
    closeSocket();
    spool_.discard();
    jobRunning_ = false;
}

void MainWindow::tmr_Timer()
{
    ++TickCount_;
    const qint64 received = reply_ ? reply_->receivedTotal() : 0;
    const double speed = numbers::roundHalfEven(static_cast<double>(received) / static_cast<double>(TickCount_));
    lblVelocidade_->setText(suite::groupedNumber(static_cast<qint64>(speed)) + QStringLiteral(" bytes/seg"));
    refreshStatusLine();
}

void MainWindow::txtPath_Change()
{
    const QString url = txtPath_->text();
    const auto host = SplitHost(suite::toCp1252(url).toStdString());
    if (!host)
        return;
    HostName_ = suite::fromCp1252(QByteArray::fromStdString(*host));
    lblHost_->setText(HostName_);
    lblTipo_->setText(url.left(4).toUpper());
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
        dialogs_.message(this, suite::MessageIcon::Exclamation, QStringLiteral("Atenção"),
                         QStringLiteral("Você não pode desmarcar esta caixa com o Determinar Byte ativado"));
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
    setStatusLine(QStringLiteral("E: ") + lblEstado_->text() + QStringLiteral(" | R: ") + lblRecebido_->text()
                  + QStringLiteral(" | V: ") + lblVelocidade_->text());
}

void MainWindow::setStatusLine(const QString& text)
{
    statusLine_ = text.left(kStatusLineChars - 1);
    tray_->setToolTip(statusLine_);
}

// ---------------------------------------------------------------- the exchange

void MainWindow::connectToServer()
{
    closeSocket();
    WS_ = new QTcpSocket(this);
    WS_->setObjectName(QStringLiteral("WS"));
    // A disk slower than the network makes the server wait rather than
    // piling the body up in memory.
    WS_->setReadBufferSize(1 << 20);
    connect(WS_, &QTcpSocket::connected, this, &MainWindow::WS_Connect);
    connect(WS_, &QTcpSocket::readyRead, this, &MainWindow::WS_DataArrival);
    connect(WS_, &QTcpSocket::errorOccurred, this, &MainWindow::WS_Error);
    connect(WS_, &QTcpSocket::disconnected, this, &MainWindow::WS_Closed);
    const Endpoint endpoint = ConnectEndpoint(suite::toCp1252(HostName_).toStdString());
    if (endpoint.port == 0) {
        // Reported from the event loop, as any other failure to connect.
        QTimer::singleShot(0, this, [this] {
            if (jobRunning_)
                failJob(QStringLiteral("Porta inválida"),
                        QStringLiteral("A porta escrita em %1 não é válida.\n%2")
                            .arg(quoted(HostName_), kNothingChanged));
        });
        return;
    }
    WS_->connectToHost(suite::fromCp1252(QByteArray::fromStdString(endpoint.host)), endpoint.port);
}

// A closed socket reports nothing more: the next connection gets a new one.
void MainWindow::closeSocket()
{
    if (!WS_)
        return;
    WS_->disconnect(this);
    WS_->abort();
    WS_->deleteLater();
    WS_ = nullptr;
}

void MainWindow::WS_Connect()
{
    if (ConnectStep_ == 1) {
        RequestKind_ = QStringLiteral("HEAD");
        headBuffer_.clear();
        WS_->write(QByteArray::fromStdString(HeadRequest(suite::toCp1252(RequestUrl_).toStdString())));
    } else {
        RequestKind_ = QStringLiteral("GET");
        reply_.emplace(StartByte_, ContentLength_);
        WS_->write(QByteArray::fromStdString(
            GetRequest(suite::toCp1252(RequestUrl_).toStdString(), StartByte_, ContentLength_)));
    }
}

void MainWindow::WS_DataArrival()
{
    if (!jobRunning_ || !WS_)
        return;
    if (RequestKind_ == QStringLiteral("HEAD") && ConnectStep_ == 1)
        headerArrived();
    else if (RequestKind_ == QStringLiteral("GET") && reply_)
        bodyArrived();
}

void MainWindow::headerArrived()
{
    lblEstado_->setText(QStringLiteral("Cabeçalho..."));
    refreshStatusLine();
    headBuffer_ += WS_->readAll();
    // The header may come in several pieces; it is read once it is whole.
    const qint64 length = GetHeaderLength(std::string_view(headBuffer_.constData(), headBuffer_.size()));
    if (length == 0) {
        if (static_cast<std::size_t>(headBuffer_.size()) > kMaxHeaderBytes)
            failJob(QStringLiteral("Resposta inválida do servidor"),
                    QStringLiteral("A resposta do servidor não é um cabeçalho HTTP.\n") + kNothingChanged);
        return;
    }
    const HeadInfo info = ReadHeadReply(std::string_view(headBuffer_.constData(), static_cast<std::size_t>(length)));
    switch (info.problem) {
    case HeadInfo::Problem::BadStatus:
        return failJob(QStringLiteral("Erro do servidor: ") + statusWithoutVersion(info.status),
                       QStringLiteral("O servidor respondeu %1 ao pedido do tamanho do arquivo.\n%2")
                           .arg(quoted(suite::fromCp1252(QByteArray::fromStdString(info.status))),
                                kNothingChanged));
    case HeadInfo::Problem::NoLength:
        return failJob(QStringLiteral("Tamanho do arquivo desconhecido"),
                       QStringLiteral("O servidor não informou um tamanho válido para o arquivo "
                                      "(Content-Length).\n")
                           + kNothingChanged);
    case HeadInfo::Problem::None:
        break;
    }
    ContentLength_ = info.contentLength;
    // No server can answer a range that starts before the file; the request
    // would only bring back an error or the whole file.
    if (StartByte_ < 1)
        return failJob(QStringLiteral("Byte inicial fora do arquivo"),
                       QStringLiteral("O byte inicial deve ser 1 ou mais; foi digitado %1.\n%2")
                           .arg(StartByte_)
                           .arg(kNothingChanged));
    if (ExpectedBody(StartByte_, ContentLength_) <= 0)
        return failJob(QStringLiteral("Nada a baixar"),
                       QStringLiteral("O arquivo no servidor tem %1 bytes; não há nada a partir do byte %2.\n%3")
                           .arg(suite::groupedNumber(ContentLength_), suite::groupedNumber(StartByte_),
                                kNothingChanged));
    ConnectStep_ = 2;
    connectToServer();
}

void MainWindow::bodyArrived()
{
    if (!tmr_->isActive())
        tmr_->start();
    lblEstado_->setText(QStringLiteral("Baixando arquivo - ") + suite::groupedNumber(reply_->expectedBody())
                        + QStringLiteral(" bytes"));
    const QByteArray bytes = WS_->readAll();
    const auto state = reply_->feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                                    [this](std::string_view run) { return spool_.write(run); });
    lblRecebido_->setText(suite::groupedNumber(reply_->shownReceived()));
    refreshStatusLine();
    if (state == RangeReply::State::Complete) {
        tmr_->stop();
        completeDownload();
    } else if (state == RangeReply::State::Failed) {
        failReply();
    }
}

void MainWindow::WS_Error(QAbstractSocket::SocketError error)
{
    if (!jobRunning_)
        return;
    switch (error) {
    case QAbstractSocket::RemoteHostClosedError:
        return; // the disconnected event tells whether the reply was whole
    case QAbstractSocket::HostNotFoundError:
        return failJob(QStringLiteral("Host não encontrado"),
                       QStringLiteral("O host %1 não foi encontrado.\n%2").arg(quoted(HostName_), kNothingChanged));
    case QAbstractSocket::ConnectionRefusedError:
        return failJob(QStringLiteral("Conexão recusada"),
                       QStringLiteral("O host %1 recusou a conexão.\n%2").arg(quoted(HostName_), kNothingChanged));
    default:
        return failJob(QStringLiteral("Erro de conexão"),
                       QStringLiteral("A conexão com %1 falhou: %2.\n%3")
                           .arg(quoted(HostName_), WS_ ? WS_->errorString() : QString(), kNothingChanged));
    }
}

void MainWindow::WS_Closed()
{
    if (!jobRunning_ || !WS_)
        return;
    // The last bytes may complete the HEAD reply, which moves the job on to a
    // new connection; the end of this one then means nothing.
    const QTcpSocket* closing = WS_;
    if (WS_->bytesAvailable() > 0)
        WS_DataArrival();
    if (!jobRunning_ || WS_ != closing)
        return;
    if (RequestKind_ == QStringLiteral("GET") && reply_) {
        reply_->closed();
        return failReply();
    }
    failJob(QStringLiteral("Conexão encerrada antes do fim"),
            QStringLiteral("O servidor encerrou a conexão antes de informar o tamanho do arquivo.\n")
                + kNothingChanged);
}

void MainWindow::completeDownload()
{
    std::string why;
    const bool written = toNewFile_ ? spool_.moveOver(target_, &why)
                                    : spool_.writeInto(target_, StartByte_ - 1, &why);
    if (!written)
        return failJob(QStringLiteral("Falha ao gravar"),
                       QStringLiteral("Não foi possível gravar o arquivo %1 (%2). O que já estava no disco "
                                      "não foi alterado.")
                           .arg(quoted(targetText_), QString::fromStdString(why)));
    lblEstado_->setText(toNewFile_ ? QStringLiteral("Download terminado")
                                   : QStringLiteral("Download terminado e unido"));
    refreshStatusLine();
    endJob();
}

void MainWindow::failReply()
{
    if (reply_->sinkFailed())
        return failJob(QStringLiteral("Falha ao gravar"),
                       QStringLiteral("Não foi possível guardar os bytes recebidos ao lado de %1.\n%2")
                           .arg(quoted(targetText_), kNothingChanged));
    const QString status = suite::fromCp1252(QByteArray::fromStdString(reply_->statusText()));
    switch (reply_->failure()) {
    case RangeReply::Failure::BadStatus:
        if (ParseStatusLine(reply_->statusText())->code == 200)
            return failJob(QStringLiteral("O servidor não aceita intervalos"),
                           QStringLiteral("O servidor ignorou o pedido de intervalo (Range) e enviaria o "
                                          "arquivo inteiro.\n")
                               + kNothingChanged);
        return failJob(QStringLiteral("Erro do servidor: ") + statusWithoutVersion(reply_->statusText()),
                       QStringLiteral("O servidor respondeu %1 ao pedido dos bytes que faltam.\n%2")
                           .arg(quoted(status), kNothingChanged));
    case RangeReply::Failure::RangeMismatch:
        return failJob(QStringLiteral("Intervalo diferente do pedido"),
                       QStringLiteral("O servidor enviou outro trecho do arquivo que o pedido.\n") + kNothingChanged);
    case RangeReply::Failure::BadHeader:
        return failJob(QStringLiteral("Resposta inválida do servidor"),
                       QStringLiteral("A resposta do servidor não é um cabeçalho HTTP.\n") + kNothingChanged);
    case RangeReply::Failure::TooMuchBody:
        return failJob(QStringLiteral("O servidor enviou bytes a mais"),
                       QStringLiteral("O servidor enviou mais que os %1 bytes pedidos.\n%2")
                           .arg(suite::groupedNumber(reply_->expectedBody()), kNothingChanged));
    case RangeReply::Failure::ClosedEarly:
        return failJob(QStringLiteral("Conexão encerrada antes do fim"),
                       QStringLiteral("A conexão terminou com %1 de %2 bytes recebidos.\n%3")
                           .arg(suite::groupedNumber(reply_->bodyReceived()),
                                suite::groupedNumber(reply_->expectedBody()), kNothingChanged));
    case RangeReply::Failure::NothingToAsk:
    case RangeReply::Failure::None:
        break;
    }
    failJob(QStringLiteral("Nada a baixar"), kNothingChanged);
}

void MainWindow::failJob(const QString& status, const QString& message)
{
    tmr_->stop();
    TickCount_ = 0;
    spool_.discard();
    lblEstado_->setText(status);
    lblVelocidade_->setText(QStringLiteral("Parado"));
    refreshStatusLine();
    endJob();
    dialogs_.message(this, suite::MessageIcon::Critical, QStringLiteral("Erro"), message);
}

void MainWindow::endJob()
{
    jobRunning_ = false;
    HabilitaDown();
    applySavedOptions();
    closeSocket();
}

// ---------------------------------------------------------------- the join panel

void MainWindow::cmbJuntar_Click()
{
    joinPanelOpen_ = !joinPanelOpen_;
    setFixedSize(kWidth, joinPanelOpen_ ? kTallHeight : kShortHeight);
    cmbJuntar_->setText(joinPanelOpen_ ? QStringLiteral("Unir Arquivos <") : QStringLiteral("Unir Arquivos >"));
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
        dialogs_.message(this, suite::MessageIcon::Critical, QStringLiteral("Erro"),
                         QStringLiteral("Preencha todos os campos requeridos"));
        return;
    }
    lblUnir_->setText(QStringLiteral("Unindo arquivos..."));
    setStatusLine(lblUnir_->text());
    SavedFonteOption_ = optFonte_->isChecked();
    SavedByteOption_ = optByte_->isChecked();
    DesabilitaUnir();
    lblUnir_->repaint();

    std::string why;
    const JoinResult result =
        JoinParts(suite::toPath(txtArquivoFonte_->text()), suite::toPath(txtRestante_->text()), &why);
    // The window stays locked while a failure is reported and is unlocked
    // once the user has read the message.
    switch (result) {
    case JoinResult::Done:
        lblUnir_->setText(QStringLiteral("Pronto"));
        setStatusLine(lblUnir_->text());
        break;
    case JoinResult::Missing:
        dialogs_.message(this, suite::MessageIcon::Critical, QStringLiteral("Erro"),
                         QStringLiteral("Arquivos inexistentes"));
        break;
    case JoinResult::SameFile:
        dialogs_.message(this, suite::MessageIcon::Critical, QStringLiteral("Erro"),
                         QStringLiteral("\"Arquivo Fonte:\" e \"Restante:\" são o mesmo arquivo."));
        break;
    case JoinResult::WriteFailed:
        dialogs_.message(this, suite::MessageIcon::Critical, QStringLiteral("Erro"),
                         QStringLiteral("Não foi possível gravar em %1 (%2). O arquivo ficou como estava.")
                             .arg(quoted(txtArquivoFonte_->text()), QString::fromStdString(why)));
        break;
    }
    HabilitaUnir();
    applySavedOptions();
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

void MainWindow::mnuExit_Click() { close(); }

void MainWindow::cmbAbout_Click()
{
    auto* about = new AboutWindow(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}

} // namespace tailfetch

#include "probegrid/ui/frm_start.h"

#include "probegrid/core/start_entries.h"
#include "probegrid/ui/daily_board.h"
#include "probegrid/ui/frm_about.h"
#include "probegrid/ui/frm_main.h"
#include "probegrid/ui/geometry.h"

#include "common/ui/language.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QToolButton>
#include <QRadioButton>

namespace probegrid {
namespace {

void setBackground(QLineEdit* box, const QColor& colour)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, colour);
    box->setPalette(palette);
}

QColor windowBackground()
{
    return QPalette().color(QPalette::Active, QPalette::Base);
}

} // namespace

QColor activeBorderColour()
{
    return QColor(180, 180, 180);
}

FrmStart::FrmStart(const QString& programDir, suite::Dialogs& dialogs, Session& session,
                   QWidget* parent)
    : QWidget(parent), programDir_(programDir), dialogs_(dialogs), session_(session)
{
    setObjectName("frmStart");
    useDesignFont(this);
    setFixedSize(twips(3555), twips(3840));

    auto* frame1 = frame1_ = new QGroupBox(this);
    frame1->setObjectName("Frame1");
    frame1->setGeometry(8, 2, 221, 118);
    optOne_ = new QRadioButton(frame1);
    optOne_->setObjectName("optOne");
    optOne_->setGeometry(10, 16, 95, 20);
    optOne_->setChecked(true);
    optTwo_ = new QRadioButton(frame1);
    optTwo_->setObjectName("optTwo");
    optTwo_->setGeometry(110, 16, 105, 20);
    auto* label1 = label1_ = new QLabel(frame1);
    label1->setObjectName("Label1");
    label1->setGeometry(10, 37, 200, 15);
    txtNome1_ = new QLineEdit(frame1);
    txtNome1_->setObjectName("txtNome1");
    txtNome1_->setGeometry(10, 52, 200, 21);
    label2_ = new QLabel(frame1);
    label2_->setObjectName("Label2");
    label2_->setGeometry(10, 75, 200, 15);
    label2_->setEnabled(false);
    txtNome2_ = new QLineEdit(frame1);
    txtNome2_->setObjectName("txtNome2");
    txtNome2_->setGeometry(10, 90, 200, 21);
    txtNome2_->setEnabled(false);
    setBackground(txtNome2_, activeBorderColour());

    auto* frame2 = frame2_ = new QGroupBox(this);
    frame2->setObjectName("Frame2");
    frame2->setGeometry(8, 122, 221, 70);
    label3_ = new QLabel(frame2);
    label3_->setObjectName("Label3");
    label3_->setGeometry(10, 20, 160, 16);
    txtItems_ = new QLineEdit("4", frame2);
    txtItems_->setObjectName("txtItems");
    txtItems_->setGeometry(172, 17, 38, 21);
    chkRandom_ = new QCheckBox(frame2);
    chkRandom_->setObjectName("chkRandom");
    chkRandom_->setGeometry(10, 42, 128, 20);
    chkTreino_ = new QCheckBox(frame2);
    chkTreino_->setObjectName("chkTreino");
    chkTreino_->setGeometry(140, 42, 76, 20);
    chkTreino_->setChecked(session_.training);

    auto* cmbDesafio = cmbDesafio_ = new QPushButton(this);
    cmbDesafio->setObjectName("cmbDesafio");
    cmbDesafio->setGeometry(8, 197, 146, 25);
    cmbDesafio->setAutoDefault(true);
    connect(cmbDesafio, &QPushButton::clicked, this, &FrmStart::cmbDesafio_Click);

    cmbIdioma_ = new QToolButton(this);
    cmbIdioma_->setObjectName("cmbIdioma");
    cmbIdioma_->setGeometry(158, 197, 71, 25);
    cmbIdioma_->setPopupMode(QToolButton::InstantPopup);
    cmbIdioma_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    cmbIdioma_->setMenu(new suite::LanguageMenu(cmbIdioma_));

    auto* cmbSobre = cmbSobre_ = new QPushButton(this);
    cmbSobre->setObjectName("cmbSobre");
    cmbSobre->setGeometry(8, 226, 70, 25);
    auto* cmbSair = cmbSair_ = new QPushButton(this);
    cmbSair->setObjectName("cmbSair");
    cmbSair->setGeometry(83, 226, 70, 25);
    auto* cmbComecar = cmbComecar_ = new QPushButton(this);
    cmbComecar->setObjectName("cmbComecar");
    cmbComecar->setGeometry(158, 226, 71, 25);
    cmbComecar->setDefault(true);
    // Return on a focused button presses that button; anywhere else the
    // window's key handler takes it for "Começar".
    cmbSobre->setAutoDefault(true);
    cmbSair->setAutoDefault(true);
    cmbComecar->setAutoDefault(true);

    label1->setBuddy(txtNome1_);
    label2_->setBuddy(txtNome2_);
    label3_->setBuddy(txtItems_);
    // Reading order: the players, the difficulty, then the buttons row by row.
    QWidget* const order[] = {optOne_,    optTwo_,    txtNome1_,  txtNome2_, txtItems_, chkRandom_,
                              chkTreino_, cmbDesafio, cmbIdioma_, cmbSobre,  cmbSair,   cmbComecar};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    retranslate();

    connect(optOne_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optOne_Click();
    });
    connect(optTwo_, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optTwo_Click();
    });
    connect(chkRandom_, &QCheckBox::toggled, this, &FrmStart::chkRandom_Click);
    connect(cmbComecar, &QPushButton::clicked, this, &FrmStart::cmbComecar_Click);
    connect(cmbSobre, &QPushButton::clicked, this, &FrmStart::cmbSobre_Click);
    connect(cmbSair, &QPushButton::clicked, this, &FrmStart::cmbSair_Click);
}

void FrmStart::retranslate()
{
    setWindowTitle(QStringLiteral("Tavrin Probegrid"));
    frame1_->setTitle(tr("Jogadores"));
    optOne_->setText(tr("1 Jogador"));
    optTwo_->setText(tr("2 Jogadores"));
    label1_->setText(tr("Nome do jogador 1:"));
    label2_->setText(tr("Nome do jogador 2:"));
    frame2_->setTitle(tr("Dificuldade"));
    label3_->setText(tr("Items escondidos ( 1 à 12 ):"));
    chkRandom_->setText(tr("Items randômicos"));
    chkTreino_->setText(tr("Treino"));
    chkTreino_->setToolTip(tr("Um jogo para aprender: o botão \"Analisar\" mostra o que se pode "
                              "deduzir, e nenhum recorde é gravado"));
    cmbDesafio_->setText(preparing_ ? tr("Preparando o desafio...") : tr("Desafio do dia"));
    cmbDesafio_->setAccessibleName(tr("Desafio do dia"));
    cmbDesafio_->setToolTip(tr("O mesmo quebra-cabeça para todos hoje: alguns tiros já dados "
                               "bastam para achar os items"));
    cmbIdioma_->setText(tr("Idioma"));
    cmbIdioma_->setToolTip(tr("Escolhe o idioma das janelas"));
    cmbSobre_->setText(tr("Sobre"));
    cmbSair_->setText(tr("Sair"));
    cmbComecar_->setText(tr("Começar"));
}

void FrmStart::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void FrmStart::fillFromLastGame(const QString& playerName1, qint16 itemCount)
{
    txtNome1_->setText(playerName1);
    txtItems_->setText(QString::number(itemCount));
}

void FrmStart::optOne_Click()
{
    label2_->setEnabled(false);
    txtNome2_->setEnabled(false);
    setBackground(txtNome2_, activeBorderColour());
    session_.playerCount = 1;
}

void FrmStart::optTwo_Click()
{
    label2_->setEnabled(true);
    txtNome2_->setEnabled(true);
    setBackground(txtNome2_, windowBackground());
    session_.playerCount = 2;
}

void FrmStart::chkRandom_Click()
{
    const bool random = chkRandom_->isChecked();
    label3_->setEnabled(!random);
    txtItems_->setEnabled(!random);
    setBackground(txtItems_, random ? activeBorderColour() : windowBackground());
}

void FrmStart::cmbComecar_Click()
{
    // The count is checked even when it is about to be drawn.
    const std::optional<std::int16_t> typed =
        acceptStartEntries(txtNome1_->text().toStdString(), txtNome2_->text().toStdString(),
                           session_.playerCount == 2, txtItems_->text().toStdString());
    if (!typed) {
        dialogs_.message(this, suite::MessageIcon::Information, tr("Campos incompletos"),
                         tr("Preencha todos os dados corretamente"));
        return;
    }

    session_.playerName1 = txtNome1_->text();
    session_.playerName2 = txtNome2_->text();
    session_.random.restartFromClock();
    session_.daily.reset();
    session_.itemCount = chkRandom_->isChecked() ? drawItemCount(session_.random) : *typed;
    session_.itemCountDrawn = chkRandom_->isChecked();
    session_.training = chkTreino_->isChecked();

    auto* board = new FrmMain(programDir_, dialogs_, session_);
    board->setAttribute(Qt::WA_DeleteOnClose);
    board->show();
    close();
}

void FrmStart::cmbDesafio_Click()
{
    // The puzzle brings its own items; the names are checked as "Começar"
    // checks them.
    if (!acceptStartEntries(txtNome1_->text().toStdString(), txtNome2_->text().toStdString(),
                            session_.playerCount == 2, "1")) {
        dialogs_.message(this, suite::MessageIcon::Information, tr("Campos incompletos"),
                         tr("Preencha todos os dados corretamente"));
        return;
    }
    if (preparing_)
        return;
    preparing_ = true;
    cmbDesafio_->setEnabled(false);
    cmbDesafio_->setText(tr("Preparando o desafio..."));
    const QDate today = session_.today();
    const Date date{today.year(), today.month(), today.day()};
    // Building and proving the puzzle takes up to a tenth of a second, more
    // on a busy machine; the window stays live meanwhile.
    const QPointer<FrmStart> self(this);
    QThread* worker = QThread::create([self, date] {
        const DailyPuzzle puzzle = dailyPuzzle(date);
        QMetaObject::invokeMethod(
            qApp,
            [self, puzzle] {
                if (self)
                    self->openPuzzle(puzzle);
            },
            Qt::QueuedConnection);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(qApp, &QCoreApplication::aboutToQuit, worker, [worker] { worker->wait(); });
    worker_ = worker;
    worker->start();
}

// The names and "Treino" are read as they stand when the puzzle is ready.
void FrmStart::openPuzzle(const DailyPuzzle& puzzle)
{
    preparing_ = false;
    cmbDesafio_->setEnabled(true);
    cmbDesafio_->setText(tr("Desafio do dia"));
    session_.playerName1 = txtNome1_->text();
    session_.playerName2 = txtNome2_->text();
    session_.training = chkTreino_->isChecked();
    openDailyBoard(programDir_, dialogs_, session_, puzzle);
    close();
}

FrmStart::~FrmStart()
{
    if (worker_)
        worker_->wait();
}

void FrmStart::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        cmbComecar_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void FrmStart::cmbSobre_Click()
{
    auto* about = new FrmAbout(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    about->show();
}

void FrmStart::cmbSair_Click()
{
    if (session_.quit)
        session_.quit();
}

} // namespace probegrid

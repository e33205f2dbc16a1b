#include "ui/frm_main.h"

#include "core/records.h"
#include "ui/click_label.h"
#include "ui/frm_start.h"
#include "ui/geometry.h"

#include "common/ui/text.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

namespace probegrid {
namespace {

const QColor kBorderGrey(240, 240, 240);
const QColor kBorderFree(192, 255, 192);
const QColor kBorderUsed(255, 192, 192);
const QColor kCornerGrey(192, 192, 192);

const QString kTitle = QStringLiteral("Tavrin Probegrid");

void setBackground(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
}

ClickLabel* square(QWidget* parent, const QString& name, const QRect& where, const QColor& colour)
{
    auto* label = new ClickLabel(parent);
    label->setObjectName(name);
    label->setGeometry(where);
    label->setFrameShape(QFrame::Box);
    label->setLineWidth(1);
    label->setAutoFillBackground(true);
    label->setAlignment(Qt::AlignCenter);
    setBackground(label, colour);
    return label;
}

// Hides the session's count of items afresh, as every new board does.
Game newGame(Session& session)
{
    session.elapsedSeconds = 0;
    session.random.restartFromClock();
    session.board = hideItems(session.random, std::clamp<int>(session.itemCount, 0, kCells));
    return Game(session.board, session.itemCount, session.playerCount);
}

} // namespace

QColor FrmMain::markColour(CellMark mark)
{
    switch (mark) {
    case CellMark::Unmarked:
        return QColor(255, 255, 255);
    case CellMark::Found:
        return QColor(0, 128, 0);
    case CellMark::Revealed:
        break;
    }
    return QColor(0, 0, 0);
}

FrmMain::FrmMain(const QString& programDir, suite::Dialogs& dialogs, Session& session,
                 QWidget* parent)
    : QWidget(parent), programDir_(programDir), dialogs_(dialogs), session_(session),
      game_(newGame(session))
{
    setObjectName("frmMain");
    useDesignFont(this);
    setFixedSize(twips(8535), twips(5880));
    setMouseTracking(true);

    buildBoard();
    buildSidePanel();

    fraJog2_->setVisible(game_.twoPlayers());
    showCaption();
    session_.record = readRecord(suite::toPath(recordPath()));

    tmr_ = new QTimer(this);
    tmr_->setObjectName("tmr");
    tmr_->setInterval(1000);
    connect(tmr_, &QTimer::timeout, this, &FrmMain::tmr_Timer);
    tmr_->start();
}

void FrmMain::buildBoard()
{
    constexpr int kSide = 555;
    for (int cell = 1; cell <= kCells; ++cell) {
        const int row = (cell - 1) / 8;
        const int column = (cell - 1) % 8;
        ClickLabel* label =
            square(this, QString("lblGrid%1").arg(cell),
                   twipsRect(720 + kSide * column, 720 + kSide * row, kSide, kSide),
                   markColour(CellMark::Unmarked));
        connect(label, &ClickLabel::clicked, this, [this, cell] { lblGrid_Click(cell); });
        connect(label, &ClickLabel::mouseMoved, this, &FrmMain::putOutBorder);
        lblGrid_[static_cast<std::size_t>(cell - 1)] = label;
    }

    QFont borderFont = font();
    borderFont.setPointSizeF(19.5);
    borderFont.setBold(true);
    for (int position = 1; position <= kBorderPositions; ++position) {
        const int along = (position - 1) % 8;
        const int offset = 720 + kSide * along;
        QRect where;
        if (position <= 8)
            where = twipsRect(offset, 180, kSide, kSide);
        else if (position <= 16)
            where = twipsRect(5160, offset, kSide, kSide);
        else if (position <= 24)
            where = twipsRect(offset, 5160, kSide, kSide);
        else
            where = twipsRect(180, offset, kSide, kSide);
        ClickLabel* label = square(this, QString("lblBrd%1").arg(position), where, kBorderGrey);
        label->setFont(borderFont);
        connect(label, &ClickLabel::clicked, this, [this, position] { lblBrd_Click(position); });
        connect(label, &ClickLabel::mouseMoved, this,
                [this, position] { lblBrd_MouseMove(position); });
        lblBrd_[static_cast<std::size_t>(position - 1)] = label;
    }

    const QPoint corners[] = {{180, 180}, {5160, 180}, {180, 5160}, {5160, 5160}};
    for (int index = 0; index < 4; ++index) {
        const QPoint at = corners[index];
        ClickLabel* label = square(this, QString("lblNull%1").arg(index),
                                   twipsRect(at.x(), at.y(), kSide, kSide), kCornerGrey);
        connect(label, &ClickLabel::mouseMoved, this, &FrmMain::putOutBorder);
    }
}

QGroupBox* FrmMain::buildScoreFrame(int player, const QString& name, int top)
{
    auto* frame = new QGroupBox(name, this);
    frame->setObjectName(QString("fraJog%1").arg(player));
    frame->setGeometry(twipsRect(5880, top, 2535, 1695));

    static const char* const captions[] = {"Pontos:", "Hits:", "Detours:", "Reflections:"};
    static const char* const valueNames[] = {"Pto", "Hits", "Det", "Ref"};
    static const char* const captionNames[2][4] = {{"Label", "Label1", "Label2", "Label3"},
                                                   {"Label11", "Label10", "Label9", "Label8"}};
    for (int row = 0; row < 4; ++row) {
        const int y = 24 + 21 * row;
        auto* caption = new QLabel(captions[row], frame);
        caption->setObjectName(captionNames[player - 1][row]);
        caption->setGeometry(10, y, 85, 19);
        auto* value = new QLabel("0", frame);
        value->setObjectName(QString("lblJ%1%2").arg(player).arg(valueNames[row]));
        value->setGeometry(98, y, 64, 19);
        countLabels_[static_cast<std::size_t>(player - 1)][static_cast<std::size_t>(row)] = value;
    }
    return frame;
}

void FrmMain::buildSidePanel()
{
    auto* frame1 = new QGroupBox("Tempo de jogo", this);
    frame1->setObjectName("Frame1");
    frame1->setGeometry(twipsRect(5880, 180, 2535, 600));
    lblTime_ = new QLabel(frame1);
    lblTime_->setObjectName("lblTime");
    lblTime_->setGeometry(10, 19, 150, 18);

    buildScoreFrame(1, session_.playerName1, 840);
    fraJog2_ = buildScoreFrame(2, session_.playerName2, 2580);

    struct ButtonPlace {
        const char* name;
        const char* caption;
        int left;
        int top;
        void (FrmMain::*handler)();
    };
    const ButtonPlace buttons[] = {
        {"cmbReiniciar", "Reiniciar", 5940, 5040, &FrmMain::cmbReiniciar_Click},
        {"cmbMostrar", "Mostrar Items", 7260, 5040, &FrmMain::cmbMostrar_Click},
        {"cmbRec", "Recorde", 5940, 5460, &FrmMain::cmbRec_Click},
        {"cmbSair", "Sair", 7260, 5460, &FrmMain::cmbSair_Click},
    };
    for (const ButtonPlace& place : buttons) {
        auto* button = new QPushButton(place.caption, this);
        button->setObjectName(place.name);
        button->setGeometry(twipsRect(place.left, place.top, 1275, 375));
        connect(button, &QPushButton::clicked, this, place.handler);
    }
}

void FrmMain::setHiddenItems(const std::vector<int>& cells)
{
    session_.board = Board::withItems(cells);
    session_.itemCount = static_cast<qint16>(session_.board.count());
    game_ = Game(session_.board, session_.itemCount, session_.playerCount);
    showBoard();
    showCounts();
    showCaption();
}

QString FrmMain::recordPath() const
{
    return QDir(programDir_).filePath(kRecordFileName);
}

void FrmMain::showCounts()
{
    for (int player = 1; player <= 2; ++player) {
        const PlayerCounts& counts = game_.counts(player);
        const qint16 values[] = {counts.points, counts.hits, counts.detours, counts.reflections};
        for (std::size_t row = 0; row < 4; ++row)
            countLabels_[static_cast<std::size_t>(player - 1)][row]->setText(
                QString::number(values[row]));
    }
}

void FrmMain::showBoard()
{
    for (int cell = 1; cell <= kCells; ++cell)
        setBackground(lblGrid_[static_cast<std::size_t>(cell - 1)], markColour(game_.mark(cell)));
    for (int position = 1; position <= kBorderPositions; ++position)
        lblBrd_[static_cast<std::size_t>(position - 1)]->setText(
            QString::fromStdString(game_.borderText(position)));
}

void FrmMain::showCaption()
{
    const QString& name = game_.currentPlayer() == 1 ? session_.playerName1 : session_.playerName2;
    setWindowTitle(kTitle + " - Vez do " + suite::literalTitle(name));
}

void FrmMain::switchTurn()
{
    if (game_.switchTurn())
        showCaption();
}

void FrmMain::lblBrd_Click(int position)
{
    if (game_.shoot(position))
        finishMove();
}

void FrmMain::lblGrid_Click(int cell)
{
    if (game_.markCell(cell))
        finishMove();
}

// A shot and a mark end alike: show them, then either the game ends or the
// turn passes.
void FrmMain::finishMove()
{
    showBoard();
    showCounts();
    if (checarFinal())
        return;
    switchTurn();
}

bool FrmMain::checarFinal()
{
    if (!game_.allFound())
        return false;

    session_.record = readRecord(suite::toPath(recordPath()));
    const qint16 points1 = game_.counts(1).points;
    const qint16 points2 = game_.counts(2).points;
    QString text;
    switch (game_.outcome()) {
    case Outcome::SinglePlayer:
        text = "O jogo terminou! " + session_.playerName1 + " fez " + QString::number(points1) +
               " pontos";
        break;
    case Outcome::Player1Wins:
        text = "O jogo terminou! " + session_.playerName1 + " ganhou o jogo com " +
               QString::number(points1) + " pontos";
        break;
    case Outcome::Player2Wins:
        text = "O jogo terminou! " + session_.playerName2 + " ganhou o jogo com " +
               QString::number(points2) + " pontos";
        break;
    case Outcome::Tie:
        text = "O jogo terminou! Houve um empate!";
        break;
    }
    // The clock runs on while the end message is open; the record test reads
    // it only once the message is closed.
    dialogs_.message(this, suite::MessageIcon::Information, "Jogo terminou", text);
    testRecord();
    restart();
    return true;
}

void FrmMain::testRecord()
{
    const int players = game_.twoPlayers() ? 2 : 1;
    const qint16 points1 = game_.counts(1).points;
    const qint16 points2 = game_.counts(2).points;
    if (!isNewRecord(session_.record, players, points1, points2, session_.elapsedSeconds))
        return;

    dialogs_.message(this, suite::MessageIcon::Information, "Novo Recorde",
                     "Um novo recorde foi estabelecido! Verifique a pontuação no botão 'Recorde'");
    const bool first = recordHolder(players, points1, points2) == 1;
    Record record;
    record.name = storedName(
        suite::toCp1252(first ? session_.playerName1 : session_.playerName2).toStdString());
    record.lostPoints = first ? points1 : points2;
    record.seconds = session_.elapsedSeconds;
    record.items = session_.itemCount;
    std::string error;
    if (!writeRecord(suite::toPath(recordPath()), record, &error))
        dialogs_.message(this, suite::MessageIcon::Critical, "Recorde",
                         "Não foi possível gravar o recorde em " + recordPath() + ": " +
                             QString::fromStdString(error));
}

void FrmMain::cmbMostrar_Click()
{
    game_.giveUp();
    showBoard();
    dialogs_.message(this, suite::MessageIcon::Information, "Fim de jogo", "O jogo foi finalizado");
}

void FrmMain::cmbRec_Click()
{
    // Nothing for a missing file, or one too short to hold a record.
    const std::optional<Record> stored = readRecord(suite::toPath(recordPath()));
    if (!stored) {
        dialogs_.message(this, suite::MessageIcon::None, kTitle,
                         "Não há nenhum registro por enquanto");
        return;
    }
    session_.record = stored;
    const Record& record = *stored;
    const QString text = "Jogador: " + suite::fromCp1252(QByteArray::fromStdString(record.name)) +
                         "\r\nPontos perdidos: " + QString::number(record.lostPoints) +
                         "\r\nTempo: " + QString::number(record.seconds) +
                         "\r\nItems: " + QString::number(record.items);
    dialogs_.message(this, suite::MessageIcon::Information, "Recordes", text);
}

void FrmMain::cmbReiniciar_Click()
{
    restart();
}

void FrmMain::cmbSair_Click()
{
    if (session_.quit)
        session_.quit();
}

void FrmMain::restart()
{
    tmr_->stop();
    auto* start = new FrmStart(programDir_, dialogs_, session_);
    start->setAttribute(Qt::WA_DeleteOnClose);
    start->fillFromLastGame(session_.playerName1, session_.itemCount);
    session_.playerCount = 1;
    start->show();
    close();
}

void FrmMain::tmr_Timer()
{
    session_.elapsedSeconds = addClamped(session_.elapsedSeconds, 1);
    lblTime_->setText(QString::number(session_.elapsedSeconds) + " segundos");
}

void FrmMain::lblBrd_MouseMove(int position)
{
    putOutBorder();
    const bool used = !game_.borderText(position).empty();
    setBackground(lblBrd_[static_cast<std::size_t>(position - 1)], used ? kBorderUsed : kBorderFree);
    highlightedBorder_ = position;
}

void FrmMain::putOutBorder()
{
    if (highlightedBorder_ != 0)
        setBackground(lblBrd_[static_cast<std::size_t>(highlightedBorder_ - 1)], kBorderGrey);
    highlightedBorder_ = 0;
}

void FrmMain::mouseMoveEvent(QMouseEvent* event)
{
    putOutBorder();
    QWidget::mouseMoveEvent(event);
}

} // namespace probegrid

#include "probegrid/ui/frm_main.h"

#include "probegrid/core/cell_face.h"
#include "probegrid/core/daily_best.h"
#include "probegrid/core/records.h"
#include "probegrid/ui/board_area.h"
#include "probegrid/ui/click_label.h"
#include "probegrid/ui/frm_start.h"
#include "probegrid/ui/geometry.h"

#include "common/ui/language.h"
#include "common/ui/text.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace probegrid {
namespace {

const QColor kBorderGrey(240, 240, 240);
const QColor kBorderFree(192, 255, 192);
const QColor kBorderUsed(255, 192, 192);
const QColor kCornerGrey(192, 192, 192);
const QColor kTurnColour(255, 236, 160);
const QColor kBorderHint(255, 240, 120);
const QColor kCheckAgrees(0, 128, 0);
const QColor kCheckDisagrees(190, 0, 0);
const QColor kHintInk(150, 90, 0);

// The training strip under the board, in twips.
constexpr int kTrainingStrip = 810;
// A little wider than the first layout, so the right-hand buttons hold
// "Mostrar Items" in full.
constexpr int kWindowWidth = 8700;

// The lit border cells differ in the width of their frame as well as in
// colour, so that free and used cells can be told apart without telling
// green from red.
constexpr int kFreeFrame = 1;
constexpr int kUsedFrame = 3;

// Symbols on the board cells, so that nothing rests on colour alone.
const QString kFoundSymbol = QStringLiteral("\u2714"); // check mark
const QString kCrossSymbol = QStringLiteral("\u2717"); // ballot x
const QString kNoItemSymbol = QStringLiteral("\u2013"); // en dash
const QString kMaybeItemSymbol = QStringLiteral("?");
const QString kSureItemSymbol = QStringLiteral("\u25C6"); // black diamond
const QString kSureEmptySymbol = QStringLiteral("\u25CB"); // white circle
const QString kHintSymbol = QStringLiteral("\u2605"); // black star

const QString kTitle = QStringLiteral("Tavrin Probegrid");

void setBackground(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
}

void setInk(QLabel* label, const QColor& colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

// A name as a frame title: Qt would take a single "&" for a shortcut marker.
QString literalMnemonic(QString text)
{
    return text.replace('&', QStringLiteral("&&"));
}

QString borderTip(const std::string& text)
{
    if (text == resultLetter(RayResult::Hit))
        return QCoreApplication::translate("probegrid::FrmMain",
                                           "Absorvido: o raio acertou um item");
    if (text == resultLetter(RayResult::Reflection))
        return QCoreApplication::translate("probegrid::FrmMain",
                                           "Refletido: o raio voltou por onde entrou");
    if (!text.empty())
        return QCoreApplication::translate("probegrid::FrmMain",
                                           "Desvio %1: o raio entrou por uma das casas com este "
                                           "número e saiu pela outra")
            .arg(QString::fromStdString(text));
    return {};
}

// Positions 1-8 run along the top, 9-16 down the right, 17-24 along the
// bottom and 25-32 down the left.
int borderSide(int position)
{
    return (position - 1) / 8;
}

int borderIndex(int position)
{
    return (position - 1) % 8 + 1;
}

// "left border 4", as a screen reader says a border cell.
QString borderPlace(int position)
{
    static const char* const sides[] = {
        QT_TRANSLATE_NOOP("probegrid::FrmMain", "borda superior %1"),
        QT_TRANSLATE_NOOP("probegrid::FrmMain", "borda direita %1"),
        QT_TRANSLATE_NOOP("probegrid::FrmMain", "borda inferior %1"),
        QT_TRANSLATE_NOOP("probegrid::FrmMain", "borda esquerda %1")};
    return QCoreApplication::translate("probegrid::FrmMain", sides[borderSide(position)])
        .arg(borderIndex(position));
}

// Where a detour came out: "to bottom 7".
QString detourEnd(int partner)
{
    static const char* const sides[] = {
        QT_TRANSLATE_NOOP("probegrid::FrmMain", "desvio para cima %1"),
        QT_TRANSLATE_NOOP("probegrid::FrmMain", "desvio para a direita %1"),
        QT_TRANSLATE_NOOP("probegrid::FrmMain", "desvio para baixo %1"),
        QT_TRANSLATE_NOOP("probegrid::FrmMain", "desvio para a esquerda %1")};
    return QCoreApplication::translate("probegrid::FrmMain", sides[borderSide(partner)])
        .arg(borderIndex(partner));
}

// The score rows of a player's frame.
const char* const kScoreCaptions[] = {QT_TRANSLATE_NOOP("probegrid::FrmMain", "Pontos:"),
                                      QT_TRANSLATE_NOOP("probegrid::FrmMain", "Hits:"),
                                      QT_TRANSLATE_NOOP("probegrid::FrmMain", "Detours:"),
                                      QT_TRANSLATE_NOOP("probegrid::FrmMain", "Reflections:")};

struct ButtonPlace {
    const char* name;
    const char* caption;
    int left;
    int top;
    int width;
    void (FrmMain::*handler)();
};
const ButtonPlace kButtons[] = {
    {"cmbReiniciar", QT_TRANSLATE_NOOP("probegrid::FrmMain", "Reiniciar"), 5940, 5040, 1275,
     &FrmMain::cmbReiniciar_Click},
    {"cmbMostrar", QT_TRANSLATE_NOOP("probegrid::FrmMain", "Mostrar Items"), 7260, 5040, 1425,
     &FrmMain::cmbMostrar_Click},
    {"cmbRec", QT_TRANSLATE_NOOP("probegrid::FrmMain", "Recorde"), 5940, 5460, 1275,
     &FrmMain::cmbRec_Click},
    {"cmbSair", QT_TRANSLATE_NOOP("probegrid::FrmMain", "Sair"), 7260, 5460, 1425,
     &FrmMain::cmbSair_Click},
    {"cmbAnalisar", QT_TRANSLATE_NOOP("probegrid::FrmMain", "Analisar"), 5940, 4380, 1275,
     &FrmMain::cmbAnalisar_Click},
};

QColor qColour(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
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
    if (session.daily) {
        session.board = session.daily->board;
        session.itemCount = static_cast<qint16>(session.board.count());
        session.itemCountDrawn = false;
        return dailyGame(*session.daily, session.playerCount);
    }
    session.random.restartFromClock();
    session.board = hideItems(session.random, std::clamp<int>(session.itemCount, 0, kCells));
    return Game(session.board, session.itemCount, session.playerCount);
}

} // namespace

QColor FrmMain::verdictColour(CellVerdict verdict)
{
    return qColour(probegrid::verdictColour(verdict));
}

QColor FrmMain::markColour(CellMark mark)
{
    return qColour(probegrid::markColour(mark));
}

FrmMain::FrmMain(const QString& programDir, suite::Dialogs& dialogs, Session& session,
                 QWidget* parent)
    : QWidget(parent), programDir_(programDir), dialogs_(dialogs), session_(session),
      game_(newGame(session))
{
    setObjectName("frmMain");
    useDesignFont(this);
    const bool strip = session_.training || session_.daily;
    setFixedSize(twips(kWindowWidth), twips(5880 + (strip ? kTrainingStrip : 0)));
    setMouseTracking(true);

    buildBoard();
    buildSidePanel();
    if (session_.training)
        buildTrainingStrip();
    if (session_.daily) {
        // The puzzle's answer is unique for its count of items, so the
        // players must see that count.
        lblDesafio_ = new QLabel(this);
        lblDesafio_->setObjectName("lblDesafio");
        QFont bold = lblDesafio_->font();
        bold.setBold(true);
        lblDesafio_->setFont(bold);
        lblDesafio_->setGeometry(twipsRect(2550, 5880, 3300, 300));
    }

    fraJog2_->setVisible(game_.twoPlayers());
    retranslate();
    // A puzzle comes with shots already on the border.
    showBoard();
    showCaption();
    showTurn();
    showCursor();
    boardArea_->setFocus();
    session_.record = readRecord(suite::toPath(recordPath()));

    tmr_ = new QTimer(this);
    tmr_->setObjectName("tmr");
    tmr_->setInterval(1000);
    connect(tmr_, &QTimer::timeout, this, &FrmMain::tmr_Timer);
    tmr_->start();
}

// A running analysis holds nothing of the window's, but it must not outlive
// the program it reports to; it ends within its time limit.
FrmMain::~FrmMain()
{
    for (const QPointer<QThread>& worker : workers_) {
        if (worker)
            worker->wait();
    }
}

void FrmMain::buildBoard()
{
    constexpr int kSide = 555;
    // The area starts at the window's corner, so the cells keep their places.
    boardArea_ = new BoardArea(this);
    boardArea_->setObjectName("boardArea");
    boardArea_->setGeometry(0, 0, twips(5880), twips(5880));
    boardArea_->setFocusPolicy(Qt::StrongFocus);
    connect(boardArea_, &BoardArea::mouseMoved, this, &FrmMain::putOutBorder);
    QFont cellFont = font();
    cellFont.setPointSize(14);
    for (int cell = 1; cell <= kCells; ++cell) {
        const int row = (cell - 1) / 8;
        const int column = (cell - 1) % 8;
        ClickLabel* label = square(boardArea_, QString("lblGrid%1").arg(cell),
                                   twipsRect(720 + kSide * column, 720 + kSide * row, kSide, kSide),
                                   markColour(CellMark::Unmarked));
        label->setFont(cellFont);
        // A click on the board hands the keys back to the board as well.
        connect(label, &ClickLabel::clicked, this, [this, cell] {
            boardArea_->setFocus();
            lblGrid_Click(cell);
        });
        connect(label, &ClickLabel::rightClicked, this, [this, cell] { lblGrid_RightClick(cell); });
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
        ClickLabel* label =
            square(boardArea_, QString("lblBrd%1").arg(position), where, kBorderGrey);
        label->setFont(borderFont);
        connect(label, &ClickLabel::clicked, this, [this, position] {
            boardArea_->setFocus();
            lblBrd_Click(position);
        });
        connect(label, &ClickLabel::mouseMoved, this,
                [this, position] { lblBrd_MouseMove(position); });
        lblBrd_[static_cast<std::size_t>(position - 1)] = label;

        auto* sign = new QLabel(label);
        sign->setObjectName(QString("lblBrdSinal%1").arg(position));
        sign->setGeometry(label->width() - 17, 1, 16, 16);
        sign->setAlignment(Qt::AlignCenter);
        sign->setAttribute(Qt::WA_TransparentForMouseEvents);
        QFont signFont = font();
        signFont.setPointSize(13);
        signFont.setBold(true);
        sign->setFont(signFont);
        sign->hide();
        lblBrdSinal_[static_cast<std::size_t>(position - 1)] = sign;
    }

    const QPoint corners[] = {{180, 180}, {5160, 180}, {180, 5160}, {5160, 5160}};
    for (int index = 0; index < 4; ++index) {
        const QPoint at = corners[index];
        ClickLabel* label = square(boardArea_, QString("lblNull%1").arg(index),
                                   twipsRect(at.x(), at.y(), kSide, kSide), kCornerGrey);
        connect(label, &ClickLabel::mouseMoved, this, &FrmMain::putOutBorder);
    }

    cursorFrame_ = new CursorFrame(boardArea_);
    cursorFrame_->setObjectName("boardCursor");
}

QGroupBox* FrmMain::buildScoreFrame(int player, const QString& name, int top)
{
    auto* frame = new QGroupBox(literalMnemonic(name), this);
    frame->setObjectName(QString("fraJog%1").arg(player));
    frame->setGeometry(twipsRect(5880, top, 2535, 1695));

    static const char* const valueNames[] = {"Pto", "Hits", "Det", "Ref"};
    static const char* const captionNames[2][4] = {{"Label", "Label1", "Label2", "Label3"},
                                                   {"Label11", "Label10", "Label9", "Label8"}};
    for (int row = 0; row < 4; ++row) {
        const int y = 24 + 21 * row;
        auto* caption = new QLabel(frame);
        caption->setObjectName(captionNames[player - 1][row]);
        caption->setGeometry(10, y, 85, 19);
        captionLabels_[static_cast<std::size_t>(player - 1)][static_cast<std::size_t>(row)] =
            caption;
        auto* value = new QLabel("0", frame);
        value->setObjectName(QString("lblJ%1%2").arg(player).arg(valueNames[row]));
        value->setGeometry(98, y, 64, 19);
        countLabels_[static_cast<std::size_t>(player - 1)][static_cast<std::size_t>(row)] = value;
    }
    fraJog_[static_cast<std::size_t>(player - 1)] = frame;
    return frame;
}

void FrmMain::buildSidePanel()
{
    auto* frame1 = frame1_ = new QGroupBox(this);
    frame1->setObjectName("Frame1");
    frame1->setGeometry(twipsRect(5880, 180, 2535, 600));
    lblTime_ = new QLabel(frame1);
    lblTime_->setObjectName("lblTime");
    lblTime_->setGeometry(10, 19, 150, 18);

    buildScoreFrame(1, session_.playerName1, 840);
    fraJog2_ = buildScoreFrame(2, session_.playerName2, 2580);

    QWidget* previous = boardArea_;
    for (const ButtonPlace& place : kButtons) {
        auto* button = new QPushButton(this);
        button->setObjectName(place.name);
        button->setGeometry(twipsRect(place.left, place.top, place.width, 375));
        // Return presses the button that has the focus, as Space does,
        // instead of falling through to the board.
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, place.handler);
        if (place.handler == &FrmMain::cmbAnalisar_Click) {
            cmbAnalisar_ = button;
            setTabOrder(boardArea_, button);
        } else {
            setTabOrder(previous, button);
            previous = button;
        }
    }
    cmbAnalisar_->setVisible(session_.training);

    lblAnalise_ = new QLabel(this);
    lblAnalise_->setObjectName("lblAnalise");
    lblAnalise_->setGeometry(twipsRect(7260, 4290, 1275, 690));
    lblAnalise_->setWordWrap(true);
    lblAnalise_->setVisible(session_.training);
}

void FrmMain::buildTrainingStrip()
{
    chkConferir_ = new QCheckBox(this);
    chkConferir_->setObjectName("chkConferir");
    chkConferir_->setGeometry(twipsRect(180, 5850, 2300, 330));
    connect(chkConferir_, &QCheckBox::toggled, this, &FrmMain::chkConferir_Click);

    cmbDica_ = new QPushButton(this);
    cmbDica_->setObjectName("cmbDica");
    cmbDica_->setGeometry(twipsRect(5940, 5820, 1275, 375));
    cmbDica_->setAutoDefault(true);
    connect(cmbDica_, &QPushButton::clicked, this, &FrmMain::cmbDica_Click);
    setTabOrder(cmbAnalisar_, cmbDica_);
    setTabOrder(cmbDica_, chkConferir_);
    setTabOrder(chkConferir_, findChild<QPushButton*>("cmbReiniciar"));

    lblDica_ = new QLabel(this);
    lblDica_->setObjectName("lblDica");
    lblDica_->setGeometry(twipsRect(180, 6240, 8175, 330));
}

void FrmMain::retranslate()
{
    if (lblDesafio_) {
        lblDesafio_->setText(tr("Desafio do dia %1: %2 items")
                                 .arg(QString::fromStdString(dateText(session_.daily->date)))
                                 .arg(session_.itemCount));
        lblDesafio_->setAccessibleName(tr("Desafio do dia"));
    }
    frame1_->setTitle(tr("Tempo de jogo"));
    for (const auto& captions : captionLabels_) {
        for (std::size_t row = 0; row < captions.size(); ++row)
            captions[row]->setText(tr(kScoreCaptions[row]));
    }
    for (const ButtonPlace& place : kButtons)
        findChild<QPushButton*>(QString::fromLatin1(place.name))->setText(tr(place.caption));
    if (chkConferir_) {
        chkConferir_->setText(tr("Conferir marcações"));
        chkConferir_->setToolTip(tr("Mostra em cada casa da borda já usada se as suas marcações e "
                                    "notas \"item aqui?\" dariam o resultado visto"));
        cmbDica_->setText(tr("Dica"));
        cmbDica_->setToolTip(tr("Acende a casa da borda cujo tiro mais diria onde estão os items"));
        lblDica_->setAccessibleName(tr("Dica"));
    }
    if (lblAnalise_)
        lblAnalise_->setAccessibleName(tr("Análise"));
    lblTime_->setAccessibleName(tr("Tempo de jogo"));
    showTime();
    showBoard();
    showCaption();
}

void FrmMain::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void FrmMain::setHiddenItems(const std::vector<int>& cells)
{
    session_.board = Board::withItems(cells);
    session_.itemCount = static_cast<qint16>(session_.board.count());
    game_ = Game(session_.board, session_.itemCount, session_.playerCount);
    forgetAnalysis();
    forgetHint();
    showBoard();
    showCounts();
    showCaption();
    showTurn();
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
        showCell(cell);
    for (int position = 1; position <= kBorderPositions; ++position) {
        ClickLabel* label = lblBrd_[static_cast<std::size_t>(position - 1)];
        const std::string& text = game_.borderText(position);
        label->setText(QString::fromStdString(text));
        label->setToolTip(borderTip(text));
    }
    showChecks();
}

void FrmMain::showCell(int cell)
{
    ClickLabel* label = lblGrid_[static_cast<std::size_t>(cell - 1)];
    const CellFace face = cellFace(game_, cell, analysis_ ? &*analysis_ : nullptr);
    QString symbol;
    QString tip;
    switch (face.symbol) {
    case CellSymbol::None: break;
    case CellSymbol::Found:
        symbol = kFoundSymbol;
        tip = tr("Item encontrado");
        break;
    case CellSymbol::Unfound: tip = tr("Item não encontrado"); break;
    case CellSymbol::Crossed:
        symbol = kCrossSymbol;
        tip = tr("Marcação errada: não há item aqui");
        break;
    case CellSymbol::NoItemNote:
        symbol = kNoItemSymbol;
        tip = tr("Nota: não há item aqui");
        break;
    case CellSymbol::MaybeItemNote:
        symbol = kMaybeItemSymbol;
        tip = tr("Nota: item aqui?");
        break;
    case CellSymbol::SureItem: symbol = kSureItemSymbol; break;
    case CellSymbol::SureEmpty: symbol = kSureEmptySymbol; break;
    }
    if (face.verdict != CellVerdict::Open) {
        tip += QString(tip.isEmpty() ? "" : "\n") +
               (face.verdict == CellVerdict::Item
                    ? tr("Análise: há um item aqui em todo tabuleiro possível")
                    : tr("Análise: não há item aqui em nenhum tabuleiro possível"));
    }
    setBackground(label, qColour(face.background));
    setInk(label, qColour(face.ink));
    label->setText(symbol);
    label->setToolTip(tip);
    label->setAccessibleName(cellName(cell));
}

void FrmMain::showCaption()
{
    const QString& name = game_.currentPlayer() == 1 ? session_.playerName1 : session_.playerName2;
    QString title = kTitle + tr(" - Vez do %1").arg(suite::literalTitle(name));
    if (session_.daily) {
        title += tr(" - Desafio do dia %1, %2 items")
                     .arg(QString::fromStdString(dateText(session_.daily->date)))
                     .arg(session_.itemCount);
    }
    if (session_.training)
        title += tr(" (jogo de treino, sem recorde)");
    setWindowTitle(title);
}

// In a two-player game the frame of the player whose turn it is stands out
// in colour and in bold type.
void FrmMain::showTurn()
{
    for (int player = 1; player <= 2; ++player) {
        QGroupBox* frame = fraJog_[static_cast<std::size_t>(player - 1)];
        const bool current = game_.twoPlayers() && game_.currentPlayer() == player;
        frame->setAutoFillBackground(current);
        QPalette palette = frame->palette();
        const QColor plain = this->palette().color(QPalette::Window);
        palette.setColor(QPalette::Window, current ? kTurnColour : plain);
        frame->setPalette(palette);
        QFont font = frame->font();
        font.setBold(current);
        frame->setFont(font);
    }
}

void FrmMain::switchTurn()
{
    if (game_.switchTurn()) {
        showCaption();
        showTurn();
    }
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

void FrmMain::lblGrid_RightClick(int cell)
{
    if (game_.cycleNote(cell)) {
        showCell(cell);
        showChecks();
    }
}

// A shot and a mark end alike: show them, then either the game ends or the
// turn passes.
void FrmMain::finishMove()
{
    // The evidence has changed, so an earlier analysis no longer holds.
    ++moves_;
    forgetAnalysis();
    forgetHint();
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

    // The day's puzzle keeps its best time in a file of its own and never
    // touches the records file.
    const bool scoredRecord = !session_.training && !session_.daily;
    if (scoredRecord)
        session_.record = readRecord(suite::toPath(recordPath()));
    const qint16 points1 = game_.counts(1).points;
    const qint16 points2 = game_.counts(2).points;
    QString text;
    switch (game_.outcome()) {
    case Outcome::SinglePlayer:
        text = tr("O jogo terminou! %1 fez %2 pontos").arg(session_.playerName1).arg(points1);
        break;
    case Outcome::Player1Wins:
        text = tr("O jogo terminou! %1 ganhou o jogo com %2 pontos")
                   .arg(session_.playerName1)
                   .arg(points1);
        break;
    case Outcome::Player2Wins:
        text = tr("O jogo terminou! %1 ganhou o jogo com %2 pontos")
                   .arg(session_.playerName2)
                   .arg(points2);
        break;
    case Outcome::Tie: text = tr("O jogo terminou! Houve um empate!"); break;
    }
    // The clock runs on while the end message is open; the record test reads
    // it only once the message is closed.
    dialogs_.message(this, suite::MessageIcon::Information, tr("Jogo terminou"), text);
    // A training game leaves the records file alone.
    if (scoredRecord)
        testRecord();
    else if (!session_.training)
        testDailyBest();
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

    Record record =
        newRecord(players, points1, points2, suite::toCp1252(session_.playerName1).toStdString(),
                  suite::toCp1252(session_.playerName2).toStdString(), session_.elapsedSeconds,
                  session_.itemCount);
    // Written before it is announced, so that a record that cannot be kept
    // is reported once instead of being announced and then withdrawn.
    const std::filesystem::path path = suite::toPath(recordPath());
    if (!writeRecord(path, record)) {
        dialogs_.message(
            this, suite::MessageIcon::Critical, tr("Recorde"),
            tr("Um novo recorde foi estabelecido, mas não foi possível gravá-lo em %1.")
                .arg(recordPath()));
        return;
    }
    dialogs_.message(
        this, suite::MessageIcon::Information, tr("Novo Recorde"),
        tr("Um novo recorde foi estabelecido! Verifique a pontuação no botão 'Recorde'"));
    rewriteRecordTime(path, record, session_.elapsedSeconds);
}

void FrmMain::testDailyBest()
{
    const QString path = QDir(programDir_).filePath(kDailyBestFileName);
    const Date date = session_.daily->date;
    const std::optional<int> best = readDailyBest(suite::toPath(path), date);
    const int seconds = session_.elapsedSeconds;
    if (best && *best <= seconds)
        return;
    const QString day = QString::fromStdString(dateText(date));
    if (!writeDailyBest(suite::toPath(path), date, seconds)) {
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Desafio do dia"),
                         tr("Não foi possível gravar o melhor tempo do desafio em %1.").arg(path));
        return;
    }
    dialogs_.message(this, suite::MessageIcon::Information, tr("Desafio do dia"),
                     tr("Novo melhor tempo do desafio de %1: %2 segundos")
                         .arg(day, suite::formatNumber(seconds)));
}

void FrmMain::cmbMostrar_Click()
{
    game_.giveUp();
    forgetAnalysis();
    forgetHint();
    showBoard();
    dialogs_.message(this, suite::MessageIcon::Information, tr("Fim de jogo"),
                     tr("O jogo foi finalizado"));
}

void FrmMain::cmbRec_Click()
{
    // Nothing for a missing file, or one too short to hold a record.
    const std::optional<Record> stored = readRecord(suite::toPath(recordPath()));
    if (!stored) {
        dialogs_.message(this, suite::MessageIcon::None, kTitle,
                         tr("Não há nenhum registro por enquanto"));
        return;
    }
    session_.record = stored;
    const Record& record = *stored;
    const QString text = tr("Jogador: %1\r\nPontos perdidos: %2\r\nTempo: %3\r\nItems: %4")
                             .arg(suite::fromCp1252(QByteArray::fromStdString(record.name)))
                             .arg(record.lostPoints)
                             .arg(record.seconds)
                             .arg(record.items);
    dialogs_.message(this, suite::MessageIcon::Information, tr("Recordes"), text);
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
    showTime();
}

void FrmMain::showTime()
{
    if (session_.elapsedSeconds > 0 || !lblTime_->text().isEmpty())
        lblTime_->setText(tr("%1 segundos").arg(session_.elapsedSeconds));
}

void FrmMain::lblBrd_MouseMove(int position)
{
    putOutBorder();
    const std::string& text = game_.borderText(position);
    lightBorder(position, !text.empty());
    highlightedBorder_ = position;
    // A detour's other end carries the same number; lighting it saves the
    // player a search round the border.
    const int partner = game_.partnerPosition(position);
    if (partner != 0) {
        lightBorder(partner, true);
        partnerBorder_ = partner;
    }
}

void FrmMain::lightBorder(int position, bool used)
{
    ClickLabel* label = lblBrd_[static_cast<std::size_t>(position - 1)];
    setBackground(label, used ? kBorderUsed : kBorderFree);
    label->setLineWidth(used ? kUsedFrame : kFreeFrame);
}

// A border cell at rest is light grey, or yellow while "Dica" points at it.
void FrmMain::restBorder(int position)
{
    ClickLabel* label = lblBrd_[static_cast<std::size_t>(position - 1)];
    setBackground(label, position == hintedBorder_ ? kBorderHint : kBorderGrey);
    label->setLineWidth(position == hintedBorder_ ? kUsedFrame : kFreeFrame);
}

void FrmMain::putOutBorder()
{
    for (const int position : {highlightedBorder_, partnerBorder_}) {
        if (position == 0)
            continue;
        restBorder(position);
    }
    highlightedBorder_ = 0;
    partnerBorder_ = 0;
}

void FrmMain::showCursor()
{
    const int position = borderPositionAt(cursor_);
    const QLabel* under = position != 0 ? lblBrd_[static_cast<std::size_t>(position - 1)]
                                        : lblGrid_[static_cast<std::size_t>(cellAt(cursor_) - 1)];
    cursorFrame_->setGeometry(under->geometry());
    cursorFrame_->raise();
    cursorFrame_->show();
    showBoardName();
}

// The cursor lights a border cell as the mouse does.
void FrmMain::moveCursorTo(CursorSpot spot)
{
    cursor_ = spot;
    showCursor();
    const int position = borderPositionAt(cursor_);
    if (position != 0)
        lblBrd_MouseMove(position);
    else
        putOutBorder();
}

void FrmMain::keyPressEvent(QKeyEvent* event)
{
    const int position = borderPositionAt(cursor_);
    const int cell = cellAt(cursor_);
    switch (event->key()) {
    case Qt::Key_Up: moveCursorTo(moveCursor(cursor_, Direction::Cima)); break;
    case Qt::Key_Down: moveCursorTo(moveCursor(cursor_, Direction::Baixo)); break;
    case Qt::Key_Left: moveCursorTo(moveCursor(cursor_, Direction::Esq)); break;
    case Qt::Key_Right: moveCursorTo(moveCursor(cursor_, Direction::Dir)); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const QPointer<FrmMain> self(this);
        if (position != 0)
            lblBrd_Click(position);
        else
            lblGrid_Click(cell);
        // A finished game has already handed over to the start window.
        if (self && isVisible())
            moveCursorTo(cursor_);
        break;
    }
    case Qt::Key_N:
        if (cell != 0)
            lblGrid_RightClick(cell);
        break;
    case Qt::Key_A:
        if (!session_.training)
            return QWidget::keyPressEvent(event);
        cmbAnalisar_Click();
        break;
    case Qt::Key_D:
        if (!session_.training)
            return QWidget::keyPressEvent(event);
        cmbDica_Click();
        break;
    default: return QWidget::keyPressEvent(event);
    }
    event->accept();
}

void FrmMain::cmbAnalisar_Click()
{
    if (!session_.training || analysing_)
        return;
    const ItemRange range = knownItemRange(session_.itemCount, session_.itemCountDrawn);
    const Evidence evidence = game_.evidence(range.min, range.max);
    analysing_ = true;
    cmbAnalisar_->setEnabled(false);
    lblAnalise_->setText(tr("Analisando..."));

    runInBackground<Analysis>(
        [evidence, budget = session_.solverBudget] { return analyse(evidence, budget); },
        [this](const Analysis& analysis, bool current) {
            analysing_ = false;
            cmbAnalisar_->setEnabled(true);
            if (current)
                showAnalysis(analysis);
            else
                lblAnalise_->clear();
        });
}

// The search may take up to its two seconds; the window stays live
// meanwhile, and a result that arrives after the window has gone is dropped.
// `done` learns whether the game still stands where it did (no move since,
// not given up).
template <typename Result, typename Work, typename Done>
void FrmMain::runInBackground(Work work, Done done)
{
    const QPointer<FrmMain> self(this);
    const int moves = moves_;
    QThread* worker = QThread::create([self, work, done, moves] {
        const Result result = work();
        QMetaObject::invokeMethod(
            qApp,
            [self, result, done, moves] {
                if (self)
                    done(result, moves == self->moves_ && !self->game_.gameOver());
            },
            Qt::QueuedConnection);
    });
    connect(worker, &QThread::finished, worker, &QObject::deleteLater);
    connect(qApp, &QCoreApplication::aboutToQuit, worker, [worker] { worker->wait(); });
    std::erase_if(workers_, [](const QPointer<QThread>& old) { return old.isNull(); });
    workers_.push_back(worker);
    worker->start();
}

void FrmMain::cmbDica_Click()
{
    if (!session_.training || hinting_)
        return;
    const ItemRange range = knownItemRange(session_.itemCount, session_.itemCountDrawn);
    const Evidence evidence = game_.evidence(range.min, range.max);
    hinting_ = true;
    cmbDica_->setEnabled(false);
    forgetHint();
    lblDica_->setText(tr("Procurando a melhor casa..."));
    runInBackground<Hint>([evidence,
                           budget = session_.solverBudget] { return rankShots(evidence, budget); },
                          [this](const Hint& hint, bool current) {
                              hinting_ = false;
                              cmbDica_->setEnabled(true);
                              if (current)
                                  showHint(hint);
                              else
                                  lblDica_->clear();
                          });
}

void FrmMain::showHint(const Hint& hint)
{
    forgetHint();
    if (!hint.finished) {
        lblDica_->setText(tr("Dica não concluída em 2 segundos"));
        return;
    }
    if (hint.ranking.empty()) {
        lblDica_->setText(tr("Não há mais casas livres para atirar"));
        return;
    }
    const ShotValue& best = hint.ranking.front();
    if (best.groups < 2) {
        lblDica_->setText(hint.boards == 1
                              ? tr("Só resta um tabuleiro possível: nenhum tiro ensina mais nada")
                              : tr("Nenhum tiro dividiria as possibilidades"));
        return;
    }
    hintedBorder_ = best.position;
    lblDica_->setText(tr("divide as %1 possibilidades em %2 grupos")
                          .arg(suite::formatNumber(static_cast<qint64>(hint.boards)))
                          .arg(best.groups));
    if (best.position != highlightedBorder_ && best.position != partnerBorder_)
        restBorder(best.position);
    showChecks();
}

void FrmMain::forgetHint()
{
    const int old = hintedBorder_;
    hintedBorder_ = 0;
    if (old != 0 && old != highlightedBorder_ && old != partnerBorder_)
        restBorder(old);
    if (lblDica_ && !hinting_)
        lblDica_->clear();
    showChecks();
}

void FrmMain::chkConferir_Click()
{
    showChecks();
}

// The signs in the corners of the border cells: the hint's star, and with
// "Conferir marcações" on, a tick or a cross on every fired cell.
void FrmMain::showChecks()
{
    const bool checking = session_.training && chkConferir_ && chkConferir_->isChecked();
    const std::array<MarkCheck, kBorderPositions> checks =
        checking ? checkMarks(game_) : std::array<MarkCheck, kBorderPositions>{};
    for (int position = 1; position <= kBorderPositions; ++position) {
        QLabel* sign = lblBrdSinal_[static_cast<std::size_t>(position - 1)];
        if (!sign)
            continue;
        const MarkCheck check = checks[static_cast<std::size_t>(position - 1)];
        // The screen reader's name carries the sign too.
        QString name = borderName(position);
        if (position == hintedBorder_) {
            sign->setText(kHintSymbol);
            setInk(sign, kHintInk);
            sign->setToolTip(tr("Dica: atire daqui"));
            sign->setAccessibleName(tr("Dica: atire daqui"));
            sign->show();
        } else if (check == MarkCheck::Unfired) {
            sign->hide();
        } else {
            const bool agrees = check == MarkCheck::Agrees;
            sign->setText(agrees ? kFoundSymbol : kCrossSymbol);
            setInk(sign, agrees ? kCheckAgrees : kCheckDisagrees);
            const QString tip = agrees ? tr("Suas marcações dão este resultado")
                                       : tr("Suas marcações dariam outro resultado");
            sign->setToolTip(tip);
            sign->setAccessibleName(tip);
            sign->show();
            name = tr("%1, %2").arg(name, tip.toLower());
        }
        lblBrd_[static_cast<std::size_t>(position - 1)]->setAccessibleName(name);
    }
    showBoardName();
}

void FrmMain::showAnalysis(const Analysis& analysis)
{
    if (!analysis.finished) {
        analysis_.reset();
        lblAnalise_->setText(tr("Análise não concluída em 2 segundos"));
        showBoard();
        return;
    }
    analysis_ = analysis;
    if (analysis.many())
        lblAnalise_->setText(tr("Muitos tabuleiros possíveis"));
    else if (analysis.boards == 1)
        lblAnalise_->setText(tr("1 tabuleiro possível"));
    else
        lblAnalise_->setText(tr("%1 tabuleiros possíveis")
                                 .arg(suite::formatNumber(static_cast<qint64>(analysis.boards))));
    showBoard();
}

void FrmMain::forgetAnalysis()
{
    analysis_.reset();
    if (lblAnalise_ && !analysing_)
        lblAnalise_->clear();
}

// What a screen reader says of a cell: where it is and what it shows.
QString FrmMain::cellName(int cell) const
{
    const CellFace face = cellFace(game_, cell, analysis_ ? &*analysis_ : nullptr);
    QString state;
    switch (face.symbol) {
    case CellSymbol::Found: state = tr("marcada"); break;
    case CellSymbol::Unfound: state = tr("item não encontrado"); break;
    case CellSymbol::Crossed: state = tr("marcação errada"); break;
    case CellSymbol::NoItemNote: state = tr("nota: não há item aqui"); break;
    case CellSymbol::MaybeItemNote: state = tr("nota: item aqui?"); break;
    case CellSymbol::None:
    case CellSymbol::SureItem:
    case CellSymbol::SureEmpty: state = tr("não marcada"); break;
    }
    if (face.verdict == CellVerdict::Item)
        state = tr("%1, análise: há um item aqui").arg(state);
    else if (face.verdict == CellVerdict::Empty)
        state = tr("%1, análise: não há item aqui").arg(state);
    return tr("linha %1, coluna %2: %3").arg((cell - 1) / 8 + 1).arg((cell - 1) % 8 + 1).arg(state);
}

QString FrmMain::borderName(int position) const
{
    const std::string& text = game_.borderText(position);
    QString state;
    if (text.empty())
        state = tr("livre");
    else if (text == resultLetter(RayResult::Hit))
        state = tr("absorvido");
    else if (text == resultLetter(RayResult::Reflection))
        state = tr("refletido");
    else if (const int partner = game_.partnerPosition(position); partner != 0)
        state = detourEnd(partner);
    else
        state = tr("desvio %1").arg(QString::fromStdString(text));
    if (position == hintedBorder_)
        state = tr("%1, dica: atire daqui").arg(state);
    return tr("%1: %2").arg(borderPlace(position), state);
}

// The board takes the focus for all its cells, so it says the one under the
// cursor.
void FrmMain::showBoardName()
{
    const int position = borderPositionAt(cursor_);
    const int cell = cellAt(cursor_);
    const QString spot = position != 0 ? borderName(position)
                         : cell != 0   ? cellName(cell)
                                       : QString();
    boardArea_->setAccessibleName(tr("Tabuleiro"));
    boardArea_->setAccessibleDescription(spot);
}

void FrmMain::mouseMoveEvent(QMouseEvent* event)
{
    putOutBorder();
    QWidget::mouseMoveEvent(event);
}

} // namespace probegrid

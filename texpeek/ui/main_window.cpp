#include "ui/main_window.h"

#include "common/ui/text.h"
#include "core/zoom.h"
#include "ui/picture_area.h"
#include "ui/progress_reporter.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QProgressBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <new>

namespace texpeek {

namespace {

const QString kTitle = QStringLiteral("Texpeek Viewer");
const QString kNone = QStringLiteral("---");

// Positions on the toolbar; 3, 6 and 9 are gaps between groups.
constexpr int kTbOpen = 1;
constexpr int kTbClose = 2;
constexpr int kTbZoomIn = 4;
constexpr int kTbZoomOut = 5;
constexpr int kTbColour = 7;
constexpr int kTbAlpha = 8;
constexpr int kTbAbout = 10;

// A measure in twips as screen pixels.
constexpr int px(int twips)
{
    return twips / kTwipsPerPixel;
}

// The About text's lines are broken with a carriage return and a new line.
const QString kAboutText = QStringLiteral("Texpeek Viewer\r\n"
                                          "Feito pelo autor da suíte de programas\r\n"
                                          "Escrito em C++ 20 com Qt 6, cerca de 1.600 linhas\r\n"
                                          "Agradecimentos a quem testou e a quem usa");

template <typename T>
T* named(T* object, const char* name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

QLabel* boldLabel(const QString& text, const char* name, QWidget* parent)
{
    QLabel* label = named(new QLabel(text, parent), name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QString fromStd(const std::string& text)
{
    return QString::fromStdString(text);
}

// The view of `grid` as a screen image over a block taken as the grid's is,
// which the image frees when its last copy goes; a null image when the block
// cannot be had.
QImage viewImage(const ImageGrid& grid, ChannelView view, ProgressSink* progress)
{
    std::unique_ptr<PixelBlock> block;
    try {
        block = std::make_unique<PixelBlock>(grid.cellCount());
    } catch (const std::bad_alloc&) {
        return {};
    }
    buildView(grid, view, block->data(), progress);
    QImage image(
        reinterpret_cast<uchar*>(block->data()), grid.width(), grid.height(),
        static_cast<qsizetype>(grid.width()) * 4, QImage::Format_RGB32,
        [](void* info) { delete static_cast<PixelBlock*>(info); }, block.get());
    if (!image.isNull())
        block.release(); // the image owns it now
    return image;
}

// Any fault between reading the header and showing the report ends the open
// the same way.
struct OpenFailed {};

} // namespace

MainWindow::MainWindow(const QString& programDir, suite::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), programDir_(programDir), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kTitle);
    buildMenus();
    buildToolbar();
    buildBody();
    progress_ = std::make_unique<ProgressReporter>(this, lblArquivo_, lblBits_, pb_, lblPercent_);
    resize(px(9450), px(6765) + menuBar()->sizeHint().height());

    for (Command command :
         {Command::Colour, Command::Alpha, Command::Close, Command::ZoomIn, Command::ZoomOut})
        setCommandEnabled(command, false);
    lblArquivo_->setText(QStringLiteral("Aguardando..."));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    menArq_ = named(menuBar()->addMenu(QStringLiteral("Arquivo")), "menArq");
    menAbrir_ = named(menArq_->addAction(QStringLiteral("Abrir...")), "menAbrir");
    menFechar_ = named(menArq_->addAction(QStringLiteral("Fechar")), "menFechar");
    named(menArq_->addSeparator(), "menDiv2");
    menSair_ = named(menArq_->addAction(QStringLiteral("Sair")), "menSair");

    menExibir_ = named(menuBar()->addMenu(QStringLiteral("Exibir")), "menExibir");
    menRGB_ = named(menExibir_->addAction(QStringLiteral("Mostrar em RGB")), "menRGB");
    menAlpha_ = named(menExibir_->addAction(QStringLiteral("Mostrar Alpha")), "menAlpha");
    named(menExibir_->addSeparator(), "menDiv");
    menZoomPlus_ = named(menExibir_->addAction(QStringLiteral("Zoom +")), "menZoomPlus");
    menZoomMinus_ = named(menExibir_->addAction(QStringLiteral("Zoom -")), "menZoomMinus");
    menRGB_->setCheckable(true);
    menRGB_->setChecked(true);
    menAlpha_->setCheckable(true);

    menAjuda_ = named(menuBar()->addMenu(QStringLiteral("Ajuda")), "menAjuda");
    menSobre_ = named(menAjuda_->addAction(QStringLiteral("Sobre...")), "menSobre");

    connect(menAbrir_, &QAction::triggered, this, [this] { Abrir(); });
    connect(menFechar_, &QAction::triggered, this, [this] { Fechar(); });
    connect(menSair_, &QAction::triggered, this, [this] { close(); });
    connect(menRGB_, &QAction::triggered, this, [this] { showRGB(); });
    connect(menAlpha_, &QAction::triggered, this, [this] { showAlpha(); });
    connect(menZoomPlus_, &QAction::triggered, this, [this] { ZoomIn(kZoomFactor); });
    connect(menZoomMinus_, &QAction::triggered, this, [this] { ZoomOut(kZoomFactor); });
    connect(menSobre_, &QAction::triggered, this, [this] { Sobre(); });
}

void MainWindow::buildToolbar()
{
    // Pictures from the platform's icon theme, or Qt's own where it has none.
    auto picture = [this](const char* themeName, QStyle::StandardPixmap standard) {
        return QIcon::fromTheme(QString::fromLatin1(themeName), style()->standardIcon(standard));
    };
    img_[QStringLiteral("imgNew")] = picture("document-new", QStyle::SP_FileIcon);
    img_[QStringLiteral("imgOpen")] = picture("document-open", QStyle::SP_DialogOpenButton);
    img_[QStringLiteral("imgClose")] = picture("window-close", QStyle::SP_DialogCloseButton);
    img_[QStringLiteral("imgPlus")] = picture("zoom-in", QStyle::SP_ArrowUp);
    img_[QStringLiteral("imgMinus")] = picture("zoom-out", QStyle::SP_ArrowDown);
    img_[QStringLiteral("imgRGB")] = picture("applications-graphics", QStyle::SP_DesktopIcon);
    img_[QStringLiteral("imgAlpha")] = picture("image-x-generic", QStyle::SP_FileDialogDetailedView);
    img_[QStringLiteral("imgHelp")] = picture("help-about", QStyle::SP_MessageBoxQuestion);

    tb_ = named(addToolBar(QStringLiteral("tb")), "tb");
    tb_->setMovable(false);
    tb_->setFloatable(false);
    tb_->setIconSize(QSize(px(360) - 6, px(360) - 6));

    struct Button {
        int position;
        const char* picture;
        QString tip;
    };
    const Button buttons[] = {
        {kTbOpen, "imgOpen", QStringLiteral("Abrir")},
        {kTbClose, "imgClose", QStringLiteral("Fechar")},
        {kTbZoomIn, "imgPlus", QStringLiteral("Zoom +")},
        {kTbZoomOut, "imgMinus", QStringLiteral("Zoom -")},
        {kTbColour, "imgRGB", QStringLiteral("Mostrar em RGB")},
        {kTbAlpha, "imgAlpha", QStringLiteral("Mostrar Alpha")},
        {kTbAbout, "imgHelp", QStringLiteral("Sobre")},
    };
    int next = 0;
    for (int position = 1; position <= 10; ++position) {
        QAction* action = nullptr;
        if (next < static_cast<int>(std::size(buttons)) && buttons[next].position == position) {
            const Button& b = buttons[next++];
            action = tb_->addAction(img_[QString::fromLatin1(b.picture)], b.tip);
            connect(action, &QAction::triggered, this,
                    [this, position] { tb_ButtonClick(position); });
        } else {
            action = tb_->addSeparator();
        }
        action->setObjectName(QStringLiteral("tbButton%1").arg(position));
        tbButtons_[static_cast<std::size_t>(position)] = action;
    }
}

void MainWindow::buildBody()
{
    auto* central = new QWidget(this);
    auto* outer = new QHBoxLayout(central);
    outer->setContentsMargins(px(60), px(60), px(60), px(60));
    outer->setSpacing(px(45));

    auto* Frame1 = named(new QGroupBox(QStringLiteral("Informações"), central), "Frame1");
    // Wide enough for a nine-digit file size and the longest report lines in
    // the platform's font, and never narrower than the original design.
    const QFontMetrics metrics(Frame1->font());
    Frame1->setFixedWidth(std::max(
        px(2415), metrics.horizontalAdvance(QStringLiteral("Magic Value - 542327876")) + px(900)));
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(boldLabel(QStringLiteral("Básico"), "Label2", Frame1));
    auto* basics = new QGridLayout;
    auto addPair = [&](int row, const char* captionName, const QString& caption,
                       const char* valueName) {
        basics->addWidget(named(new QLabel(caption, Frame1), captionName), row, 0);
        QLabel* value = named(new QLabel(kNone, Frame1), valueName);
        basics->addWidget(value, row, 1);
        return value;
    };
    lblAltura_ = addPair(0, "lbl1", QStringLiteral("Altura:"), "lblAltura");
    lblLargura_ = addPair(1, "lbl2", QStringLiteral("Largura:"), "lblLargura");
    lblFormato_ = addPair(2, "lbl3", QStringLiteral("Formato:"), "lblFormato");
    lblTamanho_ = addPair(3, "lbl4", QStringLiteral("Tamanho:"), "lblTamanho");
    lblBits_ = addPair(4, "lb5", QStringLiteral("Bits:"), "lblBits");
    basics->setColumnStretch(1, 1);
    frameLayout->addLayout(basics);
    frameLayout->addSpacing(px(120));
    frameLayout->addWidget(boldLabel(QStringLiteral("Avançado"), "Label3", Frame1));
    List1_ = named(new QListWidget(Frame1), "List1");
    frameLayout->addWidget(List1_, 1);
    outer->addWidget(Frame1);

    auto* right = new QVBoxLayout;
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(boldLabel(QStringLiteral("Estado:"), "Label1", central));
    lblArquivo_ = named(new QLabel(central), "lblArquivo");
    statusRow->addWidget(lblArquivo_, 1);
    lblPercent_ = boldLabel(QString(), "lblPercent", central);
    lblPercent_->setMinimumWidth(px(435));
    lblPercent_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusRow->addWidget(lblPercent_);
    right->addLayout(statusRow);

    pb_ = named(new QProgressBar(central), "pb");
    pb_->setTextVisible(false);
    pb_->setFixedHeight(px(315));
    pb_->setRange(0, 1);
    pb_->setValue(0);
    right->addWidget(pb_);

    picScroll_ = named(new QScrollArea(central), "PicScroll");
    picScroll_->setMinimumSize(px(2000), px(1500));
    picScroll_->setBackgroundRole(QPalette::Window);
    Pic_ = named(new PictureArea, "Pic");
    picScroll_->setWidget(Pic_);
    picScroll_->setWidgetResizable(false);
    right->addWidget(picScroll_, 1);
    outer->addLayout(right, 1);

    setCentralWidget(central);
}

QAction* MainWindow::toolbarButton(int position) const
{
    if (position < 1 || position > 10)
        return nullptr;
    return tbButtons_[static_cast<std::size_t>(position)];
}

void MainWindow::setCommandEnabled(Command command, bool enabled)
{
    auto both = [&](QAction* item, int position) {
        item->setEnabled(enabled);
        toolbarButton(position)->setEnabled(enabled);
    };
    switch (command) {
    case Command::Close: both(menFechar_, kTbClose); break;
    case Command::ZoomIn: both(menZoomPlus_, kTbZoomIn); break;
    case Command::ZoomOut: both(menZoomMinus_, kTbZoomOut); break;
    case Command::Colour: both(menRGB_, kTbColour); break;
    case Command::Alpha: both(menAlpha_, kTbAlpha); break;
    }
}

void MainWindow::tb_ButtonClick(int position)
{
    switch (position) {
    case kTbOpen: Abrir(); break;
    case kTbClose: Fechar(); break;
    case kTbZoomIn: ZoomIn(kZoomFactor); break;
    case kTbZoomOut: ZoomOut(kZoomFactor); break;
    case kTbColour: showRGB(); break;
    case kTbAlpha: showAlpha(); break;
    case kTbAbout: Sobre(); break;
    default: break;
    }
}

void MainWindow::Limpar()
{
    lblArquivo_->setText(QStringLiteral("Aguardando..."));
    for (QLabel* label : {lblAltura_, lblLargura_, lblFormato_, lblTamanho_, lblBits_})
        label->setText(kNone);
    for (Command command :
         {Command::Colour, Command::Alpha, Command::Close, Command::ZoomIn, Command::ZoomOut})
        setCommandEnabled(command, false);
    List1_->clear();
    setWindowTitle(kTitle);
    Pic_->clear();
}

void MainWindow::Abrir()
{
    const QString path =
        dialogs_.openFile(this, QStringLiteral("DirectDraw Surface (DDS)|*.dds"));
    if (path.isEmpty())
        return;
    openFile(path);
}

void MainWindow::openFile(const QString& path)
{
    openedPath_ = path;
    repaint();
    Limpar();
    // Nothing can show the previous image any more (its commands are off
    // until this open succeeds), so its memory goes before the new one is
    // taken.
    grid_.reset();
    view_ = QImage();
    viewKind_.reset();

    pb_->setMinimum(0);
    pb_->setValue(0);
    lblPercent_->setText(QStringLiteral("0%"));
    cellSize_ = kOpenCellSize;
    lblArquivo_->setText(QStringLiteral("Lendo arquivo..."));
    repaint();

    try {
        openSteps(path);
    } catch (...) {
        // Nothing is undone: the labels show how far the open came.
        dialogs_.message(this, suite::MessageIcon::Critical, QStringLiteral("Abrir"),
                         QStringLiteral("Erro ao abrir arquivo"));
    }
}

void MainWindow::openSteps(const QString& path)
{
    std::ifstream file(suite::toPath(path), std::ios::binary);
    if (!file)
        throw OpenFailed{};
    header_ = readDdsHeader(file);
    progress_->setTotal(pixelTotal(header_));

    std::optional<ImageGrid> grid = decodePixels(file, header_, *progress_);
    if (grid) {
        grid_ = std::move(grid);
        setCommandEnabled(Command::Colour, true);
        if (header_.pixelFormat.bitCount == 32)
            setCommandEnabled(Command::Alpha, true);
    }

    progress_->stageStarted(Stage::Drawing, "Montando imagem...", {});
    // A bit count that is not decoded leaves no image of this file to show.
    if (!grid_)
        throw OpenFailed{};
    drawView(ChannelView::Colour, true);
    if (view_.isNull() && grid_->cellCount() > 0)
        throw std::bad_alloc();

    lblPercent_->clear();
    pb_->setValue(0);
    lblArquivo_->setText(QStringLiteral("Imagem aberta"));
    // Qt's dialogs answer with forward slashes everywhere; the title shows
    // the path as the platform writes it.
    setWindowTitle(windowTitle() + QStringLiteral(" - ")
                   + suite::literalTitle(QDir::toNativeSeparators(path)));
    repaint();
    file.close();

    writeSummary();
    for (const std::string& line : headerReportLines(header_))
        List1_->addItem(fromStd(line));
    for (Command command : {Command::Close, Command::ZoomIn, Command::ZoomOut})
        setCommandEnabled(command, true);
}

void MainWindow::writeSummary()
{
    const std::int32_t bitCount = header_.pixelFormat.bitCount;
    lblAltura_->setText(QString::number(header_.height) + QStringLiteral(" pixels"));
    lblLargura_->setText(QString::number(header_.width) + QStringLiteral(" pixels"));
    lblFormato_->setText(QString::number(bitCount) + QStringLiteral(" bits"));
    lblTamanho_->setText(suite::groupedNumber(QFileInfo(openedPath_).size())
                         + QStringLiteral(" bytes"));
    const std::string format = formatName(bitCount);
    if (!format.empty())
        lblBits_->setText(fromStd(format));
}

// Builds the view image unless the one on hand already is this view, and
// shows it at the current cell size. A view image that cannot be had leaves
// the picture clear.
void MainWindow::drawView(ChannelView view, bool reportProgress)
{
    if (!grid_)
        return;
    if (viewKind_ != view) {
        view_ = QImage();
        viewKind_.reset();
        if (grid_->cellCount() > 0) {
            view_ = viewImage(*grid_, view, reportProgress ? progress_.get() : nullptr);
            if (view_.isNull()) {
                Pic_->clear();
                return;
            }
        }
        viewKind_ = view;
    }
    Pic_->showImage(view_, cellSize_);
}

// The point of the picture at the middle of the scroll area, as fractions of
// the picture's sides, so that a redraw at another zoom step keeps it there.
QPointF MainWindow::visibleCentre() const
{
    auto fraction = [](const QScrollBar* bar) {
        const double span = bar->maximum() + bar->pageStep();
        return span > 0 ? (bar->value() + bar->pageStep() / 2.0) / span : 0.5;
    };
    return {fraction(picScroll_->horizontalScrollBar()),
            fraction(picScroll_->verticalScrollBar())};
}

void MainWindow::scrollToCentre(QPointF centre)
{
    auto place = [](QScrollBar* bar, double fraction) {
        const double span = bar->maximum() + bar->pageStep();
        bar->setValue(static_cast<int>(std::lround(fraction * span - bar->pageStep() / 2.0)));
    };
    place(picScroll_->horizontalScrollBar(), centre.x());
    place(picScroll_->verticalScrollBar(), centre.y());
}

void MainWindow::Fechar()
{
    Limpar();
    setCommandEnabled(Command::Close, false);
}

void MainWindow::showRGB()
{
    menRGB_->setChecked(true);
    menAlpha_->setChecked(false);
    progress_->restart(Stage::Drawing);
    const QPointF centre = visibleCentre();
    Pic_->clear();
    lblArquivo_->setText(QStringLiteral("Exibindo cores RGB..."));
    lblArquivo_->repaint();
    drawView(ChannelView::Colour, true);
    scrollToCentre(centre);
    pb_->setValue(0);
    lblArquivo_->setText(QStringLiteral("Canais RGB"));
}

void MainWindow::showAlpha()
{
    menAlpha_->setChecked(true);
    menRGB_->setChecked(false);
    progress_->restart(Stage::Drawing);
    const QPointF centre = visibleCentre();
    Pic_->clear();
    lblArquivo_->setText(QStringLiteral("Exibindo canal alpha..."));
    lblArquivo_->repaint();
    drawView(ChannelView::Alpha, true);
    scrollToCentre(centre);
    pb_->setValue(0);
    lblArquivo_->setText(QStringLiteral("Canal alpha"));
}

void MainWindow::ZoomIn(std::int16_t factor)
{
    const std::optional<std::int16_t> next = zoomedIn(cellSize_, factor);
    if (!next) {
        lblArquivo_->setText(QStringLiteral("Limite de zoom atingido"));
        setCommandEnabled(Command::ZoomIn, false);
        return;
    }
    cellSize_ = *next;
    progress_->restart(Stage::Drawing);
    const QPointF centre = visibleCentre();
    Pic_->clear();
    lblArquivo_->setText(QStringLiteral("Aumentando imagem..."));
    lblArquivo_->repaint();
    setCommandEnabled(Command::ZoomOut, true);
    // A zoom step always shows the colour view, whichever view is checked.
    drawView(ChannelView::Colour, true);
    scrollToCentre(centre);
    pb_->setValue(0);
    lblArquivo_->setText(QStringLiteral("Imagem aumentada"));
}

void MainWindow::ZoomOut(std::int16_t factor)
{
    const std::optional<std::int16_t> next = zoomedOut(cellSize_, factor);
    if (!next) {
        lblArquivo_->setText(QStringLiteral("Limite de zoom atingido"));
        setCommandEnabled(Command::ZoomOut, false);
        return;
    }
    cellSize_ = *next;
    progress_->restart(Stage::Drawing);
    const QPointF centre = visibleCentre();
    Pic_->clear();
    lblArquivo_->setText(QStringLiteral("Diminuindo imagem..."));
    lblArquivo_->repaint();
    setCommandEnabled(Command::ZoomIn, true);
    drawView(ChannelView::Colour, true);
    scrollToCentre(centre);
    pb_->setValue(0);
    lblArquivo_->setText(QStringLiteral("Imagem reduzida"));
}

void MainWindow::Sobre()
{
    dialogs_.message(this, suite::MessageIcon::Question, QStringLiteral("Sobre"), kAboutText);
}

} // namespace texpeek

#include "texpeek/ui/main_window.h"

#include "common/core/file_io.h"
#include "common/ui/language.h"
#include "common/ui/recent_files.h"
#include "common/ui/text.h"
#include "texpeek/core/open_steps.h"
#include "texpeek/core/surface_layout.h"
#include "texpeek/core/zoom.h"
#include "texpeek/ui/compare_window.h"
#include "texpeek/ui/core_texts.h"
#include "texpeek/ui/interpretation_strip.h"
#include "texpeek/ui/open_job.h"
#include "texpeek/ui/picture_area.h"
#include "texpeek/ui/progress_reporter.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QStatusBar>
#include <QWheelEvent>
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
#include <QShortcut>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <cmath>
#include <fstream>
#include <new>
#include <string>
#include <string_view>

namespace texpeek {

namespace {

QString title()
{
    return MainWindow::tr("Texpeek Viewer");
}
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
QString aboutText()
{
    return MainWindow::tr("Texpeek Viewer") + QStringLiteral("\r\n") +
           MainWindow::tr("Feito pelo autor da suíte de programas") + QStringLiteral("\r\n") +
           MainWindow::tr("Escrito em C++ 20 com Qt 6, cerca de 1.600 linhas") +
           QStringLiteral("\r\n") + MainWindow::tr("Agradecimentos a quem testou e a quem usa");
}

// The captions of the window's fixed labels, by object name.
struct Caption {
    const char* control;
    const char* text;
};
const Caption kCaptions[] = {
    {"Frame1", QT_TRANSLATE_NOOP("texpeek::MainWindow", "Informações")},
    {"Label2", QT_TRANSLATE_NOOP("texpeek::MainWindow", "Básico")},
    {"lbl1", QT_TRANSLATE_NOOP("texpeek::MainWindow", "Altura:")},
    {"lbl2", QT_TRANSLATE_NOOP("texpeek::MainWindow", "Largura:")},
    {"lbl3", QT_TRANSLATE_NOOP("texpeek::MainWindow", "Formato:")},
    {"lbl4", QT_TRANSLATE_NOOP("texpeek::MainWindow", "Tamanho:")},
    {"lb5", QT_TRANSLATE_NOOP("texpeek::MainWindow", "Bits:")},
    {"Label3", QT_TRANSLATE_NOOP("texpeek::MainWindow", "Avançado")},
    {"Label1", QT_TRANSLATE_NOOP("texpeek::MainWindow", "Estado:")},
    {"lblNivel", QT_TRANSLATE_NOOP("texpeek::MainWindow", "Nível:")},
};

// What each picture on the toolbar does: its tip, which is also its
// accessible name, and a longer description for a screen reader.
struct ToolbarText {
    int position;
    const char* tip;
    const char* description;
};
const ToolbarText kToolbarTexts[] = {
    {kTbOpen, QT_TRANSLATE_NOOP("texpeek::MainWindow", "Abrir"),
     QT_TRANSLATE_NOOP("texpeek::MainWindow", "Abre um arquivo DDS")},
    {kTbClose, QT_TRANSLATE_NOOP("texpeek::MainWindow", "Fechar"),
     QT_TRANSLATE_NOOP("texpeek::MainWindow", "Fecha a imagem aberta")},
    {kTbZoomIn, QT_TRANSLATE_NOOP("texpeek::MainWindow", "Zoom +"),
     QT_TRANSLATE_NOOP("texpeek::MainWindow", "Aumenta a imagem")},
    {kTbZoomOut, QT_TRANSLATE_NOOP("texpeek::MainWindow", "Zoom -"),
     QT_TRANSLATE_NOOP("texpeek::MainWindow", "Diminui a imagem")},
    {kTbColour, QT_TRANSLATE_NOOP("texpeek::MainWindow", "Mostrar em RGB"),
     QT_TRANSLATE_NOOP("texpeek::MainWindow", "Mostra a imagem em cores")},
    {kTbAlpha, QT_TRANSLATE_NOOP("texpeek::MainWindow", "Mostrar Alpha"),
     QT_TRANSLATE_NOOP("texpeek::MainWindow", "Mostra o canal alpha em tons de cinza")},
    {kTbAbout, QT_TRANSLATE_NOOP("texpeek::MainWindow", "Sobre"),
     QT_TRANSLATE_NOOP("texpeek::MainWindow", "Mostra quem fez o programa")},
};

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

// A screen image of `width` x `height` over `block`, which the image frees
// when its last copy goes; a null image when it cannot be made.
QImage imageOver(std::unique_ptr<PixelBlock> block, std::int32_t width, std::int32_t height)
{
    QImage image(
        reinterpret_cast<uchar*>(block->data()), width, height, static_cast<qsizetype>(width) * 4,
        QImage::Format_RGB32, [](void* info) { delete static_cast<PixelBlock*>(info); },
        block.get());
    if (!image.isNull())
        block.release(); // the image owns it now
    return image;
}

// The view of `grid` as a screen image over a block taken as the grid's is;
// a null image when the block cannot be had.
QImage buildViewImage(const ImageGrid& grid, ChannelView view, ProgressSink* progress)
{
    std::unique_ptr<PixelBlock> block;
    try {
        block = std::make_unique<PixelBlock>(grid.cellCount());
    } catch (const std::bad_alloc&) {
        return {};
    }
    buildView(grid, view, block->data(), progress);
    return imageOver(std::move(block), grid.width(), grid.height());
}

// The status texts of the channel views: while drawing and once shown.
struct ViewTexts {
    QString drawing;
    QString shown;
};

ViewTexts viewTexts(ChannelView view)
{
    switch (view) {
    case ChannelView::Colour:
        return {MainWindow::tr("Exibindo cores RGB..."), MainWindow::tr("Canais RGB")};
    case ChannelView::Alpha:
        return {MainWindow::tr("Exibindo canal alpha..."), MainWindow::tr("Canal alpha")};
    case ChannelView::Red:
        return {MainWindow::tr("Exibindo canal vermelho..."), MainWindow::tr("Canal vermelho")};
    case ChannelView::Green:
        return {MainWindow::tr("Exibindo canal verde..."), MainWindow::tr("Canal verde")};
    case ChannelView::Blue:
        return {MainWindow::tr("Exibindo canal azul..."), MainWindow::tr("Canal azul")};
    }
    return {};
}

// Why an open or a surface choice ended, in one short line.
QString reasonFor(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const JobCancelled&) {
        return MainWindow::tr("Abertura cancelada");
    } catch (const OpenFailed& failed) {
        const OpenError& error = failed.error();
        switch (error.kind) {
        case OpenError::Kind::Unreadable:
            return MainWindow::tr("Não foi possível ler o arquivo (%1)")
                .arg(QString::fromStdString(error.detail));
        case OpenError::Kind::InvalidSize:
            return MainWindow::tr("Tamanho inválido: %1 x %2").arg(error.width).arg(error.height);
        case OpenError::Kind::TooLarge:
            return MainWindow::tr("Imagem grande demais: %1 x %2 pixels")
                .arg(error.width)
                .arg(error.height);
        case OpenError::Kind::Unsupported: return shownReason(QString::fromStdString(error.detail));
        }
        return {};
    } catch (const DdsError& error) {
        return shownReason(QString::fromUtf8(error.what()));
    } catch (const std::bad_alloc&) {
        return MainWindow::tr("Memória insuficiente para a imagem");
    } catch (...) {
        return MainWindow::tr("Erro inesperado ao decodificar");
    }
}

// The colour view as a screen image laid over the grid's own cells: their
// bytes are red, green, blue and alpha, which Qt shows as RGBX with the alpha
// byte ignored. The image keeps the grid alive; a null image for an empty
// grid.
QImage colourImageOver(const std::shared_ptr<const ImageGrid>& grid)
{
    if (!grid || grid->cellCount() == 0)
        return {};
    auto* keeper = new std::shared_ptr<const ImageGrid>(grid);
    QImage image(
        reinterpret_cast<const uchar*>(grid->cells()), grid->width(), grid->height(),
        static_cast<qsizetype>(grid->width()) * 4, QImage::Format_RGBX8888,
        [](void* info) { delete static_cast<std::shared_ptr<const ImageGrid>*>(info); }, keeper);
    if (image.isNull()) {
        delete keeper;
        throw std::bad_alloc();
    }
    return image;
}

// The screen image of a decoded surface in the view it was decoded for.
QImage screenImageOf(ShownSurface&& shown, const std::shared_ptr<const ImageGrid>& grid)
{
    if (!shown.view)
        return colourImageOver(grid);
    QImage image = imageOver(std::move(shown.view), grid->width(), grid->height());
    if (image.isNull())
        throw std::bad_alloc();
    return image;
}

// What a short file lacks of the surface on show, after the status text;
// nothing for a whole one.
QString missingNote(const DdsFile& file, std::uint32_t level, std::uint32_t choice)
{
    try {
        const SurfaceCoverage coverage = fileSurfaceCoverage(file, level, choice);
        if (coverage.complete())
            return {};
        const std::uint64_t missing = coverage.bytesNeeded - coverage.bytesPresent;
        const std::uint64_t percent =
            (missing * 100 + coverage.bytesNeeded / 2) / coverage.bytesNeeded;
        return QStringLiteral(" - ") +
               MainWindow::tr("Faltam %1 de %2 bytes (%3%)")
                   .arg(suite::formatNumber(static_cast<qint64>(missing)),
                        suite::formatNumber(static_cast<qint64>(coverage.bytesNeeded)))
                   .arg(percent);
    } catch (const DdsError&) {
        return {};
    }
}

} // namespace

MainWindow::MainWindow(const QString& programDir, suite::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), programDir_(programDir), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmMain"));
    setAcceptDrops(true);
    buildMenus();
    buildToolbar();
    buildBody();
    progress_ = std::make_unique<ProgressReporter>(this, lblArquivo_, lblBits_, pb_, lblPercent_);
    job_ = new OpenJob(*progress_, this);
    connect(job_, &OpenJob::started, this, &MainWindow::decodingStarted);
    resize(px(9450), px(6765) + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());

    for (Command command :
         {Command::Colour, Command::Alpha, Command::Close, Command::ZoomIn, Command::ZoomOut})
        setCommandEnabled(command, false);
    setImageCommandsEnabled(false);
    recent_ =
        new suite::RecentFiles(menRecentes_,
                               {programDir_.isEmpty()
                                    ? QString()
                                    : QDir(programDir_).filePath(QStringLiteral("texpeek.ini")),
                                QStringLiteral("recentes"), 8, QStringLiteral("menRecente")},
                               this);
    connect(recent_, &suite::RecentFiles::chosen, this,
            [this](const QString& path) { openFile(path); });
    retranslate();
    setStatus([] { return tr("Aguardando..."); });
}

MainWindow::~MainWindow() = default;

void MainWindow::retranslate()
{
    updateTitle();
    menArq_->setTitle(tr("Arquivo"));
    menAbrir_->setText(tr("Abrir..."));
    menFechar_->setText(tr("Fechar"));
    menSalvarImagem_->setText(tr("Salvar imagem como..."));
    menCopiar_->setText(tr("Copiar imagem"));
    menComparar_->setText(tr("Comparar com..."));
    menRecentes_->setTitle(tr("Arquivos recentes"));
    menSair_->setText(tr("Sair"));
    menExibir_->setTitle(tr("Exibir"));
    menRGB_->setText(tr("Mostrar em RGB"));
    menAlpha_->setText(tr("Mostrar Alpha"));
    menRed_->setText(tr("Mostrar Vermelho"));
    menGreen_->setText(tr("Mostrar Verde"));
    menBlue_->setText(tr("Mostrar Azul"));
    menZoomPlus_->setText(tr("Zoom +"));
    menZoomMinus_->setText(tr("Zoom -"));
    menAjustar_->setText(tr("Ajustar à janela"));
    menAjuda_->setTitle(tr("Ajuda"));
    menSobre_->setText(tr("Sobre..."));

    for (const ToolbarText& text : kToolbarTexts) {
        QAction* action = toolbarButton(text.position);
        action->setText(tr(text.tip));
        action->setToolTip(tr(text.tip));
        if (QWidget* button = tb_->widgetForAction(action)) {
            button->setAccessibleName(tr(text.tip));
            button->setAccessibleDescription(tr(text.description));
        }
    }
    tb_->setWindowTitle(tr("Barra de ferramentas"));

    for (const Caption& caption : kCaptions) {
        QWidget* widget = findChild<QWidget*>(QLatin1String(caption.control));
        if (auto* frame = qobject_cast<QGroupBox*>(widget))
            frame->setTitle(tr(caption.text));
        else if (auto* label = qobject_cast<QLabel*>(widget))
            label->setText(tr(caption.text));
    }
    updateChoiceLabel();
    List1_->setAccessibleName(tr("Cabeçalho do arquivo"));
    picScroll_->setAccessibleName(tr("Imagem"));
    // The open lists take the focus too; they carry their box's name.
    cboNivel_->view()->setAccessibleName(tr("Níveis"));
    Pic_->setAccessibleName(tr("Imagem"));
    pb_->setAccessibleName(tr("Progresso"));
    if (file_)
        writeSummary();
    // A running step's text is replaced by the next one soon enough.
    if (status_ && !busy_)
        lblArquivo_->setText(status_());
}

// The status label's settled text, made again in a new language.
void MainWindow::setStatus(std::function<QString()> text)
{
    status_ = std::move(text);
    lblArquivo_->setText(status_());
}

// The title names the file on show, as the platform writes its path.
void MainWindow::updateTitle()
{
    setWindowTitle(titledPath_.isEmpty()
                       ? title()
                       : title() + QStringLiteral(" - ") + suite::literalTitle(titledPath_));
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && lblPixel_ != nullptr)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::buildMenus()
{
    menArq_ = named(menuBar()->addMenu(QString()), "menArq");
    menAbrir_ = named(menArq_->addAction(QString()), "menAbrir");
    menFechar_ = named(menArq_->addAction(QString()), "menFechar");
    menSalvarImagem_ = named(menArq_->addAction(QString()), "menSalvarImagem");
    menCopiar_ = named(menArq_->addAction(QString()), "menCopiar");
    menCopiar_->setShortcut(QKeySequence::Copy);
    menComparar_ = named(menArq_->addAction(QString()), "menComparar");
    menRecentes_ = named(menArq_->addMenu(QString()), "menRecentes");
    named(menArq_->addSeparator(), "menDiv2");
    menSair_ = named(menArq_->addAction(QString()), "menSair");

    menExibir_ = named(menuBar()->addMenu(QString()), "menExibir");
    menRGB_ = named(menExibir_->addAction(QString()), "menRGB");
    menAlpha_ = named(menExibir_->addAction(QString()), "menAlpha");
    menRed_ = named(menExibir_->addAction(QString()), "menRed");
    menGreen_ = named(menExibir_->addAction(QString()), "menGreen");
    menBlue_ = named(menExibir_->addAction(QString()), "menBlue");
    named(menExibir_->addSeparator(), "menDiv");
    menZoomPlus_ = named(menExibir_->addAction(QString()), "menZoomPlus");
    menZoomMinus_ = named(menExibir_->addAction(QString()), "menZoomMinus");
    menAjustar_ = named(menExibir_->addAction(QString()), "menAjustar");
    for (QAction* view : {menRGB_, menAlpha_, menRed_, menGreen_, menBlue_})
        view->setCheckable(true);
    menRGB_->setChecked(true);
    menAjustar_->setCheckable(true);
    // Every command can be run from the keyboard: the common ones by their
    // usual keys, all of them through the menus, which F10 opens.
    menAbrir_->setShortcut(QKeySequence::Open);
    // Ctrl+W on every platform, beside the platform's own close keys.
    QList<QKeySequence> closeKeys = QKeySequence::keyBindings(QKeySequence::Close);
    if (!closeKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_W)))
        closeKeys.prepend(QKeySequence(Qt::CTRL | Qt::Key_W));
    menFechar_->setShortcuts(closeKeys);
    menSalvarImagem_->setShortcut(QKeySequence::Save);
    menSair_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    menZoomPlus_->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    menZoomMinus_->setShortcut(QKeySequence::ZoomOut);
    menRGB_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    menAlpha_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    menRed_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_3));
    menGreen_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_4));
    menBlue_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_5));
    menAjustar_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));

    named(menuBar()->addMenu(new suite::LanguageMenu(this)), "menIdioma");
    menAjuda_ = named(menuBar()->addMenu(QString()), "menAjuda");
    menSobre_ = named(menAjuda_->addAction(QString()), "menSobre");
    menSobre_->setShortcut(QKeySequence::HelpContents);

    connect(menAbrir_, &QAction::triggered, this, [this] { Abrir(); });
    connect(menFechar_, &QAction::triggered, this, [this] { Fechar(); });
    connect(menSalvarImagem_, &QAction::triggered, this, [this] { saveImage(); });
    connect(menCopiar_, &QAction::triggered, this, [this] { copyImage(); });
    connect(menComparar_, &QAction::triggered, this, [this] { compareImage(); });
    connect(menSair_, &QAction::triggered, this, [this] { close(); });
    connect(menRGB_, &QAction::triggered, this, [this] { showRGB(); });
    connect(menAlpha_, &QAction::triggered, this, [this] { showAlpha(); });
    connect(menRed_, &QAction::triggered, this, [this] { showChannel(ChannelView::Red); });
    connect(menGreen_, &QAction::triggered, this, [this] { showChannel(ChannelView::Green); });
    connect(menBlue_, &QAction::triggered, this, [this] { showChannel(ChannelView::Blue); });
    connect(menZoomPlus_, &QAction::triggered, this, [this] { ZoomIn(kZoomFactor); });
    connect(menZoomMinus_, &QAction::triggered, this, [this] { ZoomOut(kZoomFactor); });
    connect(menAjustar_, &QAction::triggered, this, [this](bool on) { setFitToWindow(on); });
    connect(menSobre_, &QAction::triggered, this, [this] { Sobre(); });

    auto* openMenus = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(openMenus, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menArq_->menuAction()); });
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
    img_[QStringLiteral("imgAlpha")] =
        picture("image-x-generic", QStyle::SP_FileDialogDetailedView);
    img_[QStringLiteral("imgHelp")] = picture("help-about", QStyle::SP_MessageBoxQuestion);

    tb_ = named(addToolBar(QStringLiteral("tb")), "tb");
    tb_->setMovable(false);
    tb_->setFloatable(false);
    tb_->setIconSize(QSize(px(360) - 6, px(360) - 6));

    struct Button {
        int position;
        const char* picture;
    };
    const Button buttons[] = {
        {kTbOpen, "imgOpen"},     {kTbClose, "imgClose"}, {kTbZoomIn, "imgPlus"},
        {kTbZoomOut, "imgMinus"}, {kTbColour, "imgRGB"},  {kTbAlpha, "imgAlpha"},
        {kTbAbout, "imgHelp"},
    };
    int next = 0;
    for (int position = 1; position <= 10; ++position) {
        QAction* action = nullptr;
        if (next < static_cast<int>(std::size(buttons)) && buttons[next].position == position) {
            const Button& b = buttons[next++];
            action = tb_->addAction(img_[QString::fromLatin1(b.picture)], QString());
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

    auto* Frame1 = named(new QGroupBox(central), "Frame1");
    // Wide enough for a nine-digit file size and the longest report lines in
    // the platform's font, and never narrower than the original design.
    const QFontMetrics metrics(Frame1->font());
    Frame1->setFixedWidth(std::max(
        px(2415), metrics.horizontalAdvance(QStringLiteral("Magic Value - 542327876")) + px(900)));
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(boldLabel(QString(), "Label2", Frame1));
    auto* basics = new QGridLayout;
    auto addPair = [&](int row, const char* captionName, const char* valueName) {
        basics->addWidget(named(new QLabel(Frame1), captionName), row, 0);
        QLabel* value = named(new QLabel(kNone, Frame1), valueName);
        basics->addWidget(value, row, 1);
        return value;
    };
    lblAltura_ = addPair(0, "lbl1", "lblAltura");
    lblLargura_ = addPair(1, "lbl2", "lblLargura");
    lblFormato_ = addPair(2, "lbl3", "lblFormato");
    lblTamanho_ = addPair(3, "lbl4", "lblTamanho");
    lblBits_ = addPair(4, "lb5", "lblBits");
    basics->setColumnStretch(1, 1);
    frameLayout->addLayout(basics);
    frameLayout->addSpacing(px(120));
    QLabel* advanced = boldLabel(QString(), "Label3", Frame1);
    frameLayout->addWidget(advanced);
    List1_ = named(new QListWidget(Frame1), "List1");
    advanced->setBuddy(List1_);
    frameLayout->addWidget(List1_, 1);
    outer->addWidget(Frame1);

    auto* right = new QVBoxLayout;
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(boldLabel(QString(), "Label1", central));
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

    auto* surfaceRow = new QHBoxLayout;
    lblNivel_ = named(new QLabel(central), "lblNivel");
    cboNivel_ = named(new QComboBox(central), "cboNivel");
    lblFace_ = named(new QLabel(central), "lblFace");
    cboFace_ = named(new QComboBox(central), "cboFace");
    for (QComboBox* box : {cboNivel_, cboFace_})
        box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // A screen reader reads each list's label as its name.
    lblNivel_->setBuddy(cboNivel_);
    lblFace_->setBuddy(cboFace_);
    surfaceRow->addWidget(lblNivel_);
    surfaceRow->addWidget(cboNivel_);
    surfaceRow->addSpacing(px(240));
    surfaceRow->addWidget(lblFace_);
    surfaceRow->addWidget(cboFace_);
    surfaceRow->addStretch(1);
    right->addLayout(surfaceRow);
    connect(cboNivel_, &QComboBox::activated, this,
            [this](int level) { showSurface(level, choice_); });
    connect(cboFace_, &QComboBox::activated, this,
            [this](int choice) { showSurface(level_, choice); });

    picScroll_ = named(new QScrollArea(central), "PicScroll");
    picScroll_->setMinimumSize(px(2000), px(1500));
    picScroll_->setBackgroundRole(QPalette::Window);
    Pic_ = named(new PictureArea, "Pic");
    picScroll_->setWidget(Pic_);
    picScroll_->setWidgetResizable(false);
    picScroll_->viewport()->installEventFilter(this);
    connect(Pic_, &PictureArea::hovered, this,
            [this](std::optional<QPoint> pixel) { showPixel(pixel); });
    right->addWidget(picScroll_, 1);
    fraLeitura_ = new InterpretationStrip(central);
    right->addWidget(fraLeitura_);
    connect(fraLeitura_, &InterpretationStrip::changed, this,
            [this](const Interpretation& interpretation) { reinterpret(interpretation); });
    outer->addLayout(right, 1);

    setCentralWidget(central);
    // Tab runs as the eye reads: the header report, the surface lists, the
    // picture, then the reading strip under it.
    setTabOrder(List1_, cboNivel_);
    setTabOrder(cboNivel_, cboFace_);
    setTabOrder(cboFace_, picScroll_);
    setTabOrder(picScroll_, fraLeitura_);

    statusBar()->setObjectName(QStringLiteral("sbStatus"));
    lblPixel_ = named(new QLabel(statusBar()), "lblPixel");
    statusBar()->addWidget(lblPixel_, 1);
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
    setStatus([] { return tr("Aguardando..."); });
    for (QLabel* label : {lblAltura_, lblLargura_, lblFormato_, lblTamanho_, lblBits_})
        label->setText(kNone);
    for (Command command :
         {Command::Colour, Command::Alpha, Command::Close, Command::ZoomIn, Command::ZoomOut})
        setCommandEnabled(command, false);
    setImageCommandsEnabled(false);
    List1_->clear();
    titledPath_.clear();
    updateTitle();
    Pic_->clear();
    fraLeitura_->clear();
    cboNivel_->clear();
    cboFace_->clear();
    for (QWidget* control : {static_cast<QWidget*>(cboNivel_), static_cast<QWidget*>(cboFace_)})
        control->setEnabled(false);
}

// The commands that need an image on show besides those the original
// window had: the single-channel views, saving and copying.
void MainWindow::setImageCommandsEnabled(bool enabled)
{
    for (QAction* action :
         {menRed_, menGreen_, menBlue_, menSalvarImagem_, menCopiar_, menComparar_})
        action->setEnabled(enabled);
}

void MainWindow::Abrir()
{
    if (busy_)
        return;
    const QString path = dialogs_.openFile(this, QStringLiteral("DirectDraw Surface (DDS)|*.dds"));
    openFile(path);
}

void MainWindow::openFile(const QString& path)
{
    if (path.isEmpty() || busy_)
        return;
    openedPath_ = path;
    repaint();
    Limpar();
    // Nothing can show the previous image any more (its commands are off
    // until this open succeeds), so its memory goes before the new one is
    // taken.
    grid_.reset();
    file_.reset();
    view_ = QImage();
    viewKind_.reset();

    pb_->setMinimum(0);
    pb_->setValue(0);
    lblPercent_->setText(QStringLiteral("0%"));
    cellSize_ = kOpenCellSize;
    level_ = 0;
    choice_ = 0;
    lblArquivo_->setText(tr("Lendo arquivo..."));
    repaint();

    try {
        openSteps(path);
    } catch (...) {
        failOpen(std::current_exception());
    }
    if (closeWhenDone_)
        close();
}

// Nothing is undone: the labels show how far the open came, and the status
// label says why it stopped.
void MainWindow::failOpen(std::exception_ptr failure)
{
    setStatus([failure] { return reasonFor(failure); });
    // Closing the window stopped the open; there is nobody left to tell.
    if (closeWhenDone_)
        return;
    dialogs_.message(this, suite::MessageIcon::Critical, tr("Abrir"), tr("Erro ao abrir arquivo"));
}

void MainWindow::openSteps(const QString& path)
{
    // Everything from reading the file to building the first view runs off
    // the window's thread; what it learns midway is handed back here.
    class Listener final : public OpenListener {
    public:
        explicit Listener(MainWindow& window) : window_(window) {}
        void headerRead(const DdsHeader& header) override
        {
            window_.job_->onWindow([w = &window_, header] { w->header_ = header; });
        }
        void pixelTotalKnown(std::int32_t total) override
        {
            window_.job_->onWindow([w = &window_, total] { w->progress_->setTotal(total); });
        }
        void surfaceDecoded(bool hasAlpha) override
        {
            window_.job_->onWindow([w = &window_, hasAlpha] {
                w->setCommandEnabled(Command::Colour, true);
                if (hasAlpha)
                    w->setCommandEnabled(Command::Alpha, true);
            });
        }

    private:
        MainWindow& window_;
    } listener(*this);

    OpenedFile opened;
    busy_ = true;
    qApp->installEventFilter(this);
    const std::exception_ptr failure = job_->run([&](ProgressSink& progress) {
        opened = openDdsFile(suite::toPath(path), progress, listener);
    });
    qApp->removeEventFilter(this);
    busy_ = false;
    if (failure)
        std::rethrow_exception(failure);

    file_ = std::move(opened.file);
    interpretation_ = defaultInterpretation(*file_);
    grid_ = std::make_shared<const ImageGrid>(std::move(opened.first.grid));
    view_ = screenImageOf(std::move(opened.first), grid_);
    viewKind_ = ChannelView::Colour;
    Pic_->showImage(view_, cellSize_);

    lblPercent_->clear();
    pb_->setValue(0);
    setStatus([file = file_] { return tr("Imagem aberta") + missingNote(*file, 0, 0); });
    // Qt's dialogs answer with forward slashes everywhere; the title shows
    // the path as the platform writes it.
    titledPath_ = QDir::toNativeSeparators(path);
    updateTitle();
    repaint();

    writeSummary();
    for (const std::string& line : fileReportLines(*file_))
        List1_->addItem(fromStd(line));
    for (Command command : {Command::Close, Command::ZoomIn, Command::ZoomOut})
        setCommandEnabled(command, true);
    setImageCommandsEnabled(true);
    fillSurfaceChoices();
    fraLeitura_->showReading(interpretation_);
    rememberRecent(path);
}

void MainWindow::writeSummary()
{
    const std::int32_t bitCount = header_.pixelFormat.bitCount;
    lblAltura_->setText(tr("%1 pixels").arg(header_.height));
    lblLargura_->setText(tr("%1 pixels").arg(header_.width));
    lblFormato_->setText(tr("%1 bits").arg(bitCount));
    lblTamanho_->setText(tr("%1 bytes").arg(suite::groupedNumber(QFileInfo(openedPath_).size())));
    const std::string format = file_ ? displayFormatName(*file_) : formatName(bitCount);
    if (!format.empty())
        lblBits_->setText(shownReason(fromStd(format)));
}

// The level list names each level's sides; the second list holds the cube
// faces, the array elements or the volume slices of the chosen level.
void MainWindow::fillSurfaceChoices()
{
    cboNivel_->clear();
    cboFace_->clear();
    if (!file_)
        return;
    const SurfaceLayout& layout = file_->layout;
    for (std::uint32_t level = 0; level < layout.levels; ++level)
        cboNivel_->addItem(fromStd(levelName(layout, level)));
    const std::uint32_t choices = choicesAt(layout, static_cast<std::uint32_t>(level_));
    for (std::uint32_t choice = 0; choice < choices; ++choice)
        cboFace_->addItem(fromStd(surfaceChoiceName(layout, choice)));
    cboNivel_->setCurrentIndex(level_);
    cboFace_->setCurrentIndex(choice_);
    cboNivel_->setEnabled(layout.levels > 1);
    cboFace_->setEnabled(choices > 1);
    updateChoiceLabel();
}

void MainWindow::updateChoiceLabel()
{
    const SurfaceKind kind = file_ ? file_->layout.kind : SurfaceKind::Plain;
    lblFace_->setText(kind == SurfaceKind::Array    ? tr("Camada:")
                      : kind == SurfaceKind::Volume ? tr("Fatia:")
                                                    : tr("Face:"));
    cboFace_->view()->setAccessibleName(lblFace_->text().remove(QLatin1Char(':')));
}

void MainWindow::showSurface(int level, int choice)
{
    if (busy_ || !file_ || !file_->pixelFormat())
        return;
    decodeShown(level, choice, interpretation_);
    if (closeWhenDone_)
        close();
}

void MainWindow::reinterpret(const Interpretation& wanted)
{
    // The strip that asked may change its own copy while the picture is read.
    const Interpretation interpretation = wanted;
    if (busy_ || !file_ || !file_->pixelFormat() || interpretation == interpretation_) {
        fraLeitura_->showReading(interpretation_);
        return;
    }
    if (decodeShown(level_, choice_, interpretation))
        interpretation_ = interpretation;
    fraLeitura_->showReading(interpretation_);
    if (closeWhenDone_)
        close();
}

// Decodes and shows the surface at `level` and `choice` under
// `interpretation` in the view on show; false, with the surface on show
// kept, when that fails.
bool MainWindow::decodeShown(int level, int choice, Interpretation interpretation)
{
    const SurfaceLayout& layout = file_->layout;
    if (level < 0 || static_cast<std::uint32_t>(level) >= layout.levels)
        return false;
    // A volume texture has fewer slices at each level down.
    choice = std::clamp(choice, 0,
                        static_cast<int>(choicesAt(layout, static_cast<std::uint32_t>(level))) - 1);
    const ChannelView view = viewKind_.value_or(ChannelView::Colour);
    const std::shared_ptr<const DdsFile> file = file_;

    busy_ = true;
    qApp->installEventFilter(this);
    lblArquivo_->setText(tr("Lendo superfície..."));
    ShownSurface shown;
    const std::exception_ptr failure = job_->run([&](ProgressSink& progress) {
        const SurfaceSpan span =
            surfaceSpan(layout, *file->pixelFormat(), static_cast<std::uint32_t>(level),
                        static_cast<std::uint32_t>(choice));
        const auto total = static_cast<std::int32_t>(std::uint64_t{span.width} * span.height);
        job_->onWindow([this, total] { progress_->setTotal(total); });
        shown = decodeShownSurface(*file, static_cast<std::uint32_t>(level),
                                   static_cast<std::uint32_t>(choice), view, progress, nullptr,
                                   &interpretation);
    });
    qApp->removeEventFilter(this);
    busy_ = false;
    lblPercent_->clear();
    pb_->setValue(0);
    if (failure) {
        // The surface on show stays, and so do the lists.
        setStatus([failure] { return reasonFor(failure); });
        fillSurfaceChoices();
        return false;
    }
    level_ = level;
    choice_ = choice;
    view_ = QImage();
    grid_ = std::make_shared<const ImageGrid>(std::move(shown.grid));
    view_ = screenImageOf(std::move(shown), grid_);
    viewKind_ = view;
    Pic_->showImage(view_, cellSize_);
    fillSurfaceChoices();
    setStatus([file = file_, level, choice] {
        return tr("Imagem aberta") + missingNote(*file, static_cast<std::uint32_t>(level),
                                                 static_cast<std::uint32_t>(choice));
    });
    return true;
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
            view_ = view == ChannelView::Colour
                        ? colourImageOver(grid_)
                        : buildViewImage(*grid_, view, reportProgress ? progress_.get() : nullptr);
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
    return {fraction(picScroll_->horizontalScrollBar()), fraction(picScroll_->verticalScrollBar())};
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
    if (busy_)
        return;
    Limpar();
    setCommandEnabled(Command::Close, false);
}

void MainWindow::showRGB()
{
    showChannel(ChannelView::Colour);
}

void MainWindow::showAlpha()
{
    showChannel(ChannelView::Alpha);
}

void MainWindow::showChannel(ChannelView view)
{
    if (busy_)
        return;
    const std::pair<ChannelView, QAction*> items[] = {{ChannelView::Colour, menRGB_},
                                                      {ChannelView::Alpha, menAlpha_},
                                                      {ChannelView::Red, menRed_},
                                                      {ChannelView::Green, menGreen_},
                                                      {ChannelView::Blue, menBlue_}};
    for (const auto& [kind, item] : items)
        item->setChecked(kind == view);
    const ViewTexts texts = viewTexts(view);
    progress_->restart(Stage::Drawing);
    const QPointF centre = visibleCentre();
    Pic_->clear();
    lblArquivo_->setText(texts.drawing);
    lblArquivo_->repaint();
    drawView(view, true);
    scrollToCentre(centre);
    pb_->setValue(0);
    setStatus([view] { return viewTexts(view).shown; });
}

void MainWindow::ZoomIn(std::int16_t factor)
{
    zoom(ZoomDirection::In, factor);
}

void MainWindow::ZoomOut(std::int16_t factor)
{
    zoom(ZoomDirection::Out, factor);
}

void MainWindow::zoom(ZoomDirection direction, std::int16_t factor)
{
    if (busy_)
        return;
    const bool in = direction == ZoomDirection::In;
    const std::optional<std::int16_t> next = zoomStep(cellSize_, direction, factor);
    if (!next) {
        setStatus([] { return tr("Limite de zoom atingido"); });
        setCommandEnabled(in ? Command::ZoomIn : Command::ZoomOut, false);
        return;
    }
    setFitToWindow(false);
    cellSize_ = *next;
    progress_->restart(Stage::Drawing);
    const QPointF centre = visibleCentre();
    Pic_->clear();
    lblArquivo_->setText(in ? tr("Aumentando imagem...") : tr("Diminuindo imagem..."));
    lblArquivo_->repaint();
    setCommandEnabled(in ? Command::ZoomOut : Command::ZoomIn, true);
    // A zoom step always shows the colour view, whichever view is checked.
    drawView(ChannelView::Colour, true);
    scrollToCentre(centre);
    pb_->setValue(0);
    setStatus([in] { return in ? tr("Imagem aumentada") : tr("Imagem reduzida"); });
}

void MainWindow::setFitToWindow(bool fit)
{
    menAjustar_->setChecked(fit);
    if (Pic_->fitsToWindow() == fit)
        return;
    // Fitted, the picture takes the viewport's size and there is nothing
    // to scroll.
    Pic_->setFitToWindow(fit);
    picScroll_->setWidgetResizable(fit);
    if (!fit)
        Pic_->showImage(Pic_->image(), cellSize_);
}

void MainWindow::saveImage()
{
    if (busy_ || view_.isNull())
        return;
    QString path =
        dialogs_.saveFile(this, tr("Imagem PNG (*.png)|*.png"),
                          QFileInfo(openedPath_).completeBaseName() + QStringLiteral(".png"));
    if (path.isEmpty())
        return;
    // Encoded in memory first, then handed to the shared atomic write like
    // every other save: a failed save never leaves half a picture where a
    // good one was, and a file the user protected is refused, not replaced.
    QByteArray png;
    QBuffer buffer(&png);
    std::string reason;
    bool saved = buffer.open(QIODevice::WriteOnly) && view_.save(&buffer, "PNG");
    if (!saved)
        reason = "the picture could not be encoded as PNG";
    else
        saved = fileio::writeAtomically(
            suite::toPath(path),
            std::string_view(png.constData(), static_cast<std::size_t>(png.size())), &reason);
    if (!saved) {
        // The message keeps its one line; the status label says why, as it
        // does for a failed open.
        setStatus([reason] {
            return tr("Não foi possível salvar a imagem (%1)").arg(QString::fromStdString(reason));
        });
        dialogs_.message(this, suite::MessageIcon::Exclamation, tr("Salvar imagem"),
                         tr("Erro ao salvar imagem"));
        return;
    }
    setStatus([] { return tr("Imagem salva"); });
}

CompareWindow* MainWindow::compareWindow() const
{
    return compare_.data();
}

void MainWindow::compareImage()
{
    if (busy_ || !grid_)
        return;
    compareWith(dialogs_.openFile(this, QStringLiteral("DirectDraw Surface (DDS)|*.dds")));
}

void MainWindow::compareWith(const QString& path)
{
    if (path.isEmpty() || busy_ || !grid_ || !file_)
        return;
    // The other file is read as it reads by default, at the level and
    // choice on show when it has them.
    class Quiet final : public OpenListener {
        void headerRead(const DdsHeader&) override {}
        void pixelTotalKnown(std::int32_t) override {}
        void surfaceDecoded(bool) override {}
    } quiet;
    const auto level = static_cast<std::uint32_t>(level_);
    const auto choice = static_cast<std::uint32_t>(choice_);
    OpenedFile other;
    busy_ = true;
    qApp->installEventFilter(this);
    const std::exception_ptr failure = job_->run([&](ProgressSink& progress) {
        other = openDdsFile(suite::toPath(path), progress, quiet);
        const SurfaceLayout& layout = other.file->layout;
        if ((level != 0 || choice != 0) && level < layout.levels &&
            choice < choicesAt(layout, level))
            other.first =
                decodeShownSurface(*other.file, level, choice, ChannelView::Colour, progress);
    });
    qApp->removeEventFilter(this);
    busy_ = false;
    lblPercent_->clear();
    pb_->setValue(0);
    if (failure) {
        setStatus([failure] { return reasonFor(failure); });
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Comparar"),
                         tr("Erro ao abrir arquivo"));
        if (closeWhenDone_)
            close();
        return;
    }
    const PixelFormat* ours = file_->pixelFormat();
    const PixelFormat* theirs = other.file->pixelFormat();
    const bool withAlpha =
        (ours != nullptr && ours->hasAlpha) || (theirs != nullptr && theirs->hasAlpha);
    if (compare_)
        compare_->close();
    compare_ =
        new CompareWindow(QFileInfo(openedPath_).fileName(), grid_, QFileInfo(path).fileName(),
                          std::make_shared<const ImageGrid>(std::move(other.first.grid)), withAlpha,
                          this);
    compare_->show();
    setStatus([] { return tr("Comparação aberta"); });
}

QImage MainWindow::viewImage() const
{
    // The colour view lies over the grid, whose alpha bytes other programs
    // would read as transparency.
    if (view_.format() == QImage::Format_RGBX8888)
        return view_.convertToFormat(QImage::Format_RGB32);
    return view_;
}

void MainWindow::copyImage()
{
    if (busy_ || view_.isNull())
        return;
    QGuiApplication::clipboard()->setImage(viewImage());
    setStatus([] { return tr("Imagem copiada"); });
}

// The pixel's own values, whatever view is on show.
void MainWindow::showPixel(std::optional<QPoint> pixel)
{
    if (!pixel || !grid_ || pixel->x() >= grid_->width() || pixel->y() >= grid_->height()) {
        lblPixel_->clear();
        return;
    }
    const int row = pixel->y() + 1;
    const int column = pixel->x() + 1;
    lblPixel_->setText(tr("x %1, y %2    R %3  G %4  B %5  A %6")
                           .arg(pixel->x())
                           .arg(pixel->y())
                           .arg(grid_->red(row, column))
                           .arg(grid_->green(row, column))
                           .arg(grid_->blue(row, column))
                           .arg(grid_->alpha(row, column)));
}

void MainWindow::rememberRecent(const QString& path)
{
    recent_->remember(path);
}

void MainWindow::cancelOpen()
{
    if (busy_)
        job_->cancel();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // While an open runs, Esc anywhere in the program cancels it.
    if (busy_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        cancelOpen();
        return true;
    }
    if (watched == picScroll_->viewport() && event->type() == QEvent::Wheel) {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if ((wheel->modifiers() & Qt::ControlModifier) != 0 && grid_) {
            const int delta = wheel->angleDelta().y();
            if (delta > 0 && menZoomPlus_->isEnabled())
                ZoomIn(kZoomFactor);
            else if (delta < 0 && menZoomMinus_->isEnabled())
                ZoomOut(kZoomFactor);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The decoding thread works on this window's data: it is stopped first
    // and the window closes once it has.
    if (busy_) {
        closeWhenDone_ = true;
        job_->cancel();
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

namespace {

QString droppedFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls())
        return {};
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!busy_ && !droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    openFile(path);
}

void MainWindow::Sobre()
{
    dialogs_.message(this, suite::MessageIcon::Question, tr("Sobre"), aboutText());
}

} // namespace texpeek

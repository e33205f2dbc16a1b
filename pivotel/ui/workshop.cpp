#include "pivotel/ui/workshop.h"
#include "pivotel/ui/button_room.h"
#include "pivotel/ui/core_texts.h"

#include "pivotel/core/frames_text.h"
#include "pivotel/pictures/picture_files.h"

#include "common/core/file_io.h"
#include "common/ui/dialogs.h"
#include "common/ui/text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <QVBoxLayout>

#include <cmath>

namespace pivotel {
namespace {

const char* const kSpriteFilter = QT_TRANSLATE_NOOP("pivotel::Workshop", "Sprites (.spr)|*.spr");
const char* const kPictureFilter =
    QT_TRANSLATE_NOOP("pivotel::Workshop",
                      "Pictures (.png .gif .bmp .tga)|*.png;*.gif;*.bmp;*.tga");
constexpr int kSingleFrameMilliseconds = 100;

const char* const kTypeNames[] = {QT_TRANSLATE_NOOP("pivotel::Workshop", "Side View"),
                                  QT_TRANSLATE_NOOP("pivotel::Workshop", "Flipper"),
                                  QT_TRANSLATE_NOOP("pivotel::Workshop", "Common"),
                                  QT_TRANSLATE_NOOP("pivotel::Workshop", "Fixed Direction"),
                                  QT_TRANSLATE_NOOP("pivotel::Workshop", "Parallel Oriented")};
const char* const kFormatNames[] = {QT_TRANSLATE_NOOP("pivotel::Workshop", "normal"),
                                    QT_TRANSLATE_NOOP("pivotel::Workshop", "additive"),
                                    QT_TRANSLATE_NOOP("pivotel::Workshop", "index-alpha"),
                                    QT_TRANSLATE_NOOP("pivotel::Workshop", "alpha-test")};
const char* const kModeNames[] = {QT_TRANSLATE_NOOP("pivotel::Workshop", "normal"),
                                  QT_TRANSLATE_NOOP("pivotel::Workshop", "colour"),
                                  QT_TRANSLATE_NOOP("pivotel::Workshop", "texture"),
                                  QT_TRANSLATE_NOOP("pivotel::Workshop", "glow"),
                                  QT_TRANSLATE_NOOP("pivotel::Workshop", "solid"),
                                  QT_TRANSLATE_NOOP("pivotel::Workshop", "additive")};
const char* const kBackgroundNames[] = {QT_TRANSLATE_NOOP("pivotel::Workshop", "chequerboard"),
                                        QT_TRANSLATE_NOOP("pivotel::Workshop", "black"),
                                        QT_TRANSLATE_NOOP("pivotel::Workshop", "colour"),
                                        QT_TRANSLATE_NOOP("pivotel::Workshop", "picture")};

QString warningText(RenderWarning warning)
{
    switch (warning) {
    case RenderWarning::None: break;
    case RenderWarning::AdditiveOnNormal:
        return QCoreApplication::translate(
            "pivotel::Workshop",
            "Additive frames on a normal-mode entity are drawn opaque: their black shows "
            "instead of letting the background through. Use render mode additive or glow.");
    case RenderWarning::AdditiveOnSolid:
        return QCoreApplication::translate(
            "pivotel::Workshop",
            "Additive frames on a solid-mode entity are drawn opaque: their black shows "
            "instead of letting the background through. Use render mode additive or glow.");
    case RenderWarning::IndexAlphaOpaque:
        return QCoreApplication::translate(
            "pivotel::Workshop",
            "Index-alpha frames on a normal- or solid-mode entity show as a solid block of "
            "the tint colour. Use render mode texture, additive or glow.");
    case RenderWarning::AlphaTestOnNormal:
        return QCoreApplication::translate(
            "pivotel::Workshop",
            "Alpha-test frames on a normal-mode entity show their see-through colour. Use "
            "render mode solid with amount 255.");
    case RenderWarning::InvisibleAmount:
        return QCoreApplication::translate(
            "pivotel::Workshop", "Render amount 0 makes the sprite invisible in this render mode.");
    }
    return {};
}

// The palette line: how the palette came about, then what the game makes of
// the texture format's palette.
QString paletteText(const PaletteNote& note)
{
    QString how;
    switch (note.source) {
    case PaletteNote::Source::Alpha:
    case PaletteNote::Source::Brightness:
        how =
            (note.source == PaletteNote::Source::Alpha
                 ? QCoreApplication::translate("pivotel::Workshop",
                                               "the pictures' alpha became each pixel's index; the "
                                               "tint is %1 %2 %3.")
                 : QCoreApplication::translate(
                       "pivotel::Workshop", "the pictures' brightness became each pixel's index; "
                                            "the tint is %1 %2 %3."))
                .arg(note.tint[0])
                .arg(note.tint[1])
                .arg(note.tint[2]);
        break;
    case PaletteNote::Source::KeptPalette:
        how = QCoreApplication::translate("pivotel::Workshop",
                                          "the pictures' own palette was kept, index for index.");
        break;
    case PaletteNote::Source::KeptExactly:
        how = QCoreApplication::translate("pivotel::Workshop",
                                          "the pictures' %1 colours were kept exactly.")
                  .arg(note.colours);
        break;
    case PaletteNote::Source::Reduced:
        how =
            QCoreApplication::translate(
                "pivotel::Workshop", "the pictures' colours were reduced to %1 with libimagequant.")
                .arg(note.colours);
        break;
    }
    QString rule;
    switch (note.textureFormat) {
    case 0:
        rule = QCoreApplication::translate(
            "pivotel::Workshop", "normal: every pixel is drawn opaque in its palette colour.");
        break;
    case 1:
        rule = QCoreApplication::translate(
            "pivotel::Workshop",
            "additive: colours are added to what lies behind, so black is transparent.");
        break;
    case 2:
        rule = QCoreApplication::translate(
            "pivotel::Workshop", "index-alpha: the palette's last colour is the tint, and each "
                                 "pixel's index is its opacity.");
        break;
    case 3:
        rule = QCoreApplication::translate("pivotel::Workshop",
                                           "alpha-test: the palette's last entry (index 255) is "
                                           "transparent, every other colour opaque.");
        break;
    default:
        rule = QCoreApplication::translate("pivotel::Workshop", "unknown texture format %1.")
                   .arg(note.textureFormat);
    }
    return QCoreApplication::translate("pivotel::Workshop", "Palette: %1 Texture format %2")
        .arg(how, rule);
}

} // namespace

QImage renderFrame(const SpriteModel& sprite, const SpritePicture& picture, RenderMode mode,
                   int amount, const Rgb& colour, const QImage& background, QSize size)
{
    QImage canvas = background.scaled(size).convertToFormat(QImage::Format_RGBA8888);
    std::vector<std::uint8_t> pixels(std::size_t(size.width()) * std::size_t(size.height()) * 4);
    for (int y = 0; y < size.height(); ++y)
        std::copy_n(canvas.constScanLine(y), size.width() * 4,
                    pixels.begin() + std::ptrdiff_t(y) * size.width() * 4);
    // The origin is the frame's top-left corner relative to the entity,
    // with y pointing up.
    drawFrame(sprite, picture, mode, amount, colour, pixels, size.width(),
              size.width() / 2 + picture.originX, size.height() / 2 - picture.originY);
    for (int y = 0; y < size.height(); ++y)
        std::copy_n(pixels.begin() + std::ptrdiff_t(y) * size.width() * 4, size.width() * 4,
                    canvas.scanLine(y));
    return canvas;
}

RenderView::RenderView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("preview"));
    setMinimumSize(200, 160);
}

void RenderView::setImage(const QImage& image)
{
    image_ = image;
    update();
}

void RenderView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::darkGray);
    painter.drawImage(0, 0, image_);
    // The entity's position.
    painter.setPen(QColor(255, 255, 0, 160));
    const QPoint centre(image_.width() / 2, image_.height() / 2);
    painter.drawLine(centre - QPoint(6, 0), centre + QPoint(6, 0));
    painter.drawLine(centre - QPoint(0, 6), centre + QPoint(0, 6));
}

void RenderView::resizeEvent(QResizeEvent*)
{
    emit resized();
}

void RenderView::mousePressEvent(QMouseEvent* event)
{
    last_ = event->position().toPoint();
}

void RenderView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPoint now = event->position().toPoint();
    const QPoint moved = now - last_;
    last_ = now;
    if (!moved.isNull())
        emit dragged(moved.x(), moved.y());
}

Workshop::Workshop(suite::Dialogs& dialogs, QWidget* parent) : QWidget(parent), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmWorkshop"));
    buildControls();
    retranslate();
    rebuild();
}

void Workshop::retranslate()
{
    setWindowTitle(tr("Sprite Workshop"));
    framesBox_->setTitle(tr("Frames"));
    spriteBox_->setTitle(tr("Sprite"));
    renderBox_->setTitle(tr("Preview"));
    lblOrigin_->setText(tr("Origin:"));
    preview->setAccessibleName(tr("Sprite preview"));
    preview->setAccessibleDescription(
        tr("The frame as the game draws it; drag it to move the frame's origin."));
    lstFrames->setAccessibleName(tr("Frames"));
    cmbAddPictures->setText(tr("Add Pictures..."));
    cmbAddPictures->setAccessibleName(tr("Add Pictures..."));
    cmbUp->setText(tr("Up"));
    cmbUp->setAccessibleName(tr("Move frame up"));
    cmbDown->setText(tr("Down"));
    cmbDown->setAccessibleName(tr("Move frame down"));
    cmbDelete->setText(tr("Delete"));
    cmbDelete->setAccessibleName(tr("Delete frame"));
    txtOriginX->setAccessibleName(tr("Origin x"));
    txtOriginY->setAccessibleName(tr("Origin y"));
    cboType->setAccessibleName(tr("Type"));
    cboFormat->setAccessibleName(tr("Texture format"));
    txtQuality->setAccessibleName(tr("Least quality"));
    txtDither->setAccessibleName(tr("Dithering"));
    lblPalette->setAccessibleName(tr("Palette"));
    cboRenderMode->setAccessibleName(tr("Render mode"));
    txtRenderAmount->setAccessibleName(tr("Render amount"));
    txtRenderRed->setAccessibleName(tr("Render colour red"));
    txtRenderGreen->setAccessibleName(tr("Render colour green"));
    txtRenderBlue->setAccessibleName(tr("Render colour blue"));
    cboBackground->setAccessibleName(tr("Background"));
    cmbBackground->setText(tr("Picture..."));
    cmbBackground->setAccessibleName(tr("Background picture"));
    chkAnimate->setText(tr("Animate"));
    chkAnimate->setAccessibleName(tr("Animate"));
    lblRenderWarning->setAccessibleName(tr("Render warning"));
    cmbSaveSprite->setText(tr("Save Sprite..."));
    cmbSaveSprite->setAccessibleName(tr("Save Sprite..."));
    cmbExportFrames->setText(tr("Export Frames..."));
    cmbExportFrames->setAccessibleName(tr("Export Frames..."));
    cmbExportSheet->setText(tr("Export Sheet..."));
    cmbExportSheet->setAccessibleName(tr("Export Sheet..."));
    cmbExportGif->setText(tr("Export GIF..."));
    cmbExportGif->setAccessibleName(tr("Export GIF..."));
    cmbExportApng->setText(tr("Export APNG..."));
    cmbExportApng->setAccessibleName(tr("Export APNG..."));
    auto fill = [](QComboBox* box, const auto& names) {
        std::size_t i = 0;
        for (const char* name : names)
            box->setItemText(int(i++), tr(name));
    };
    fill(cboType, kTypeNames);
    fill(cboFormat, kFormatNames);
    fill(cboRenderMode, kModeNames);
    fill(cboBackground, kBackgroundNames);
    txtQuality->setToolTip(tr("When colours must be reduced to 256: the least quality "
                              "accepted (0 to 100)."));
    auto label = [](QFormLayout* form, int row, const QString& text) {
        if (auto* item = form->itemAt(row, QFormLayout::LabelRole))
            if (auto* shown = qobject_cast<QLabel*>(item->widget()))
                shown->setText(text);
    };
    label(spriteForm_, 0, tr("Type:"));
    label(spriteForm_, 1, tr("Texture format:"));
    label(spriteForm_, 2, tr("Least quality:"));
    label(spriteForm_, 3, tr("Dithering:"));
    label(renderForm_, 0, tr("Render mode:"));
    label(renderForm_, 1, tr("Render amount:"));
    label(renderForm_, 2, tr("Render colour:"));
    label(renderForm_, 3, tr("Background:"));
    giveButtonsRoom(this);
    if (paletteText_)
        lblPalette->setText(paletteText_());
    refreshList(lstFrames->currentRow());
    refreshPreview();
}

void Workshop::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && framesBox_)
        retranslate();
    QWidget::changeEvent(event);
}

void Workshop::showPalette(std::function<QString()> text)
{
    paletteText_ = std::move(text);
    lblPalette->setText(paletteText_());
}

void Workshop::buildControls()
{
    auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QString::fromLatin1(name));
        return widget;
    };
    framesBox_ = new QGroupBox(this);
    auto* framesBox = framesBox_;
    framesBox->setObjectName(QStringLiteral("fraFrames"));
    lstFrames = named(new QListWidget(framesBox), "lstFrames");
    cmbAddPictures = named(new QPushButton(framesBox), "cmbAddPictures");
    cmbUp = named(new QPushButton(framesBox), "cmbUp");
    cmbDown = named(new QPushButton(framesBox), "cmbDown");
    cmbDelete = named(new QPushButton(framesBox), "cmbDelete");
    txtOriginX = named(new QSpinBox(framesBox), "txtOriginX");
    txtOriginY = named(new QSpinBox(framesBox), "txtOriginY");
    for (QSpinBox* box : {txtOriginX, txtOriginY})
        box->setRange(-4096, 4096);
    auto* frameButtons = new QHBoxLayout;
    for (QPushButton* button : {cmbAddPictures, cmbUp, cmbDown, cmbDelete})
        frameButtons->addWidget(button);
    auto* originRow = new QHBoxLayout;
    lblOrigin_ = new QLabel(framesBox);
    originRow->addWidget(lblOrigin_);
    originRow->addWidget(txtOriginX);
    originRow->addWidget(txtOriginY);
    auto* framesLayout = new QVBoxLayout(framesBox);
    framesLayout->addWidget(lstFrames, 1);
    framesLayout->addLayout(frameButtons);
    framesLayout->addLayout(originRow);

    spriteBox_ = new QGroupBox(this);
    auto* spriteBox = spriteBox_;
    spriteBox->setObjectName(QStringLiteral("fraSprite"));
    cboType = named(new QComboBox(spriteBox), "cboType");
    for (std::size_t i = 0; i < std::size(kTypeNames); ++i)
        cboType->addItem(QString());
    cboType->setCurrentIndex(2);
    cboFormat = named(new QComboBox(spriteBox), "cboFormat");
    for (std::size_t i = 0; i < std::size(kFormatNames); ++i)
        cboFormat->addItem(QString());
    txtQuality = named(new QSpinBox(spriteBox), "txtQuality");
    txtQuality->setRange(0, 100);
    txtDither = named(new QSpinBox(spriteBox), "txtDither");
    txtDither->setRange(0, 100);
    txtDither->setValue(100);
    txtDither->setSuffix(QStringLiteral(" %"));
    lblPalette = named(new QLabel(spriteBox), "lblPalette");
    lblPalette->setWordWrap(true);
    auto* spriteForm = new QFormLayout(spriteBox);
    spriteForm->addRow(QString(), cboType);
    spriteForm->addRow(QString(), cboFormat);
    spriteForm->addRow(QString(), txtQuality);
    spriteForm->addRow(QString(), txtDither);
    spriteForm->addRow(lblPalette);

    renderBox_ = new QGroupBox(this);
    auto* renderBox = renderBox_;
    renderBox->setObjectName(QStringLiteral("fraRender"));
    cboRenderMode = named(new QComboBox(renderBox), "cboRenderMode");
    for (std::size_t i = 0; i < std::size(kModeNames); ++i)
        cboRenderMode->addItem(QString());
    txtRenderAmount = named(new QSpinBox(renderBox), "txtRenderAmount");
    txtRenderAmount->setRange(0, 255);
    txtRenderAmount->setValue(255);
    txtRenderRed = named(new QSpinBox(renderBox), "txtRenderRed");
    txtRenderGreen = named(new QSpinBox(renderBox), "txtRenderGreen");
    txtRenderBlue = named(new QSpinBox(renderBox), "txtRenderBlue");
    for (QSpinBox* box : {txtRenderRed, txtRenderGreen, txtRenderBlue}) {
        box->setRange(0, 255);
        box->setValue(255);
    }
    cboBackground = named(new QComboBox(renderBox), "cboBackground");
    for (std::size_t i = 0; i < std::size(kBackgroundNames); ++i)
        cboBackground->addItem(QString());
    cmbBackground = named(new QPushButton(renderBox), "cmbBackground");
    chkAnimate = named(new QCheckBox(renderBox), "chkAnimate");
    lblRenderWarning = named(new QLabel(renderBox), "lblRenderWarning");
    lblRenderWarning->setWordWrap(true);
    lblRenderWarning->setStyleSheet(QStringLiteral("color: #b00000"));
    preview = new RenderView(renderBox);
    auto* colourRow = new QHBoxLayout;
    for (QSpinBox* box : {txtRenderRed, txtRenderGreen, txtRenderBlue})
        colourRow->addWidget(box);
    auto* backgroundRow = new QHBoxLayout;
    backgroundRow->addWidget(cboBackground, 1);
    backgroundRow->addWidget(cmbBackground);
    auto* renderForm = new QFormLayout;
    renderForm->addRow(QString(), cboRenderMode);
    renderForm->addRow(QString(), txtRenderAmount);
    renderForm->addRow(QString(), colourRow);
    renderForm->addRow(QString(), backgroundRow);
    spriteForm_ = spriteForm;
    renderForm_ = renderForm;
    renderForm->addRow(chkAnimate);
    auto* renderLayout = new QVBoxLayout(renderBox);
    renderLayout->addLayout(renderForm);
    renderLayout->addWidget(preview, 1);
    renderLayout->addWidget(lblRenderWarning);

    cmbSaveSprite = named(new QPushButton(this), "cmbSaveSprite");
    cmbExportFrames = named(new QPushButton(this), "cmbExportFrames");
    cmbExportSheet = named(new QPushButton(this), "cmbExportSheet");
    cmbExportGif = named(new QPushButton(this), "cmbExportGif");
    cmbExportApng = named(new QPushButton(this), "cmbExportApng");
    builder_ = new QFutureWatcher<BuildOutcome>(this);
    tmrAnimate = new QTimer(this);
    tmrAnimate->setObjectName(QStringLiteral("tmrAnimate"));
    tmrAnimate->setSingleShot(true);

    auto* left = new QVBoxLayout;
    left->addWidget(framesBox, 1);
    left->addWidget(spriteBox);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(renderBox, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmbExportFrames);
    bottom->addWidget(cmbExportSheet);
    bottom->addWidget(cmbExportGif);
    bottom->addWidget(cmbExportApng);
    bottom->addWidget(cmbSaveSprite);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);
    resize(760, 520);

    connect(cmbAddPictures, &QPushButton::clicked, this, &Workshop::cmbAddPictures_Click);
    connect(cmbUp, &QPushButton::clicked, this, &Workshop::cmbUp_Click);
    connect(cmbDown, &QPushButton::clicked, this, &Workshop::cmbDown_Click);
    connect(cmbDelete, &QPushButton::clicked, this, &Workshop::cmbDelete_Click);
    connect(cmbSaveSprite, &QPushButton::clicked, this, &Workshop::cmbSaveSprite_Click);
    connect(cmbExportFrames, &QPushButton::clicked, this, &Workshop::cmbExportFrames_Click);
    connect(cmbExportSheet, &QPushButton::clicked, this,
            [this] { exportOne(static_cast<int>(ExportKind::Sheet)); });
    connect(cmbExportGif, &QPushButton::clicked, this,
            [this] { exportOne(static_cast<int>(ExportKind::Gif)); });
    connect(cmbExportApng, &QPushButton::clicked, this,
            [this] { exportOne(static_cast<int>(ExportKind::Apng)); });
    connect(cmbBackground, &QPushButton::clicked, this, &Workshop::cmbBackground_Click);
    connect(lstFrames, &QListWidget::currentRowChanged, this, &Workshop::lstFrames_Changed);
    connect(txtOriginX, &QSpinBox::valueChanged, this, &Workshop::origin_Changed);
    connect(txtOriginY, &QSpinBox::valueChanged, this, &Workshop::origin_Changed);
    connect(cboType, &QComboBox::currentIndexChanged, this, &Workshop::rebuild);
    connect(cboFormat, &QComboBox::currentIndexChanged, this, &Workshop::rebuild);
    connect(txtQuality, &QSpinBox::valueChanged, this, &Workshop::rebuild);
    connect(txtDither, &QSpinBox::valueChanged, this, &Workshop::rebuild);
    for (QSpinBox* box : {txtRenderAmount, txtRenderRed, txtRenderGreen, txtRenderBlue})
        connect(box, &QSpinBox::valueChanged, this, &Workshop::refreshPreview);
    connect(cboRenderMode, &QComboBox::currentIndexChanged, this, &Workshop::refreshPreview);
    connect(cboBackground, &QComboBox::currentIndexChanged, this, &Workshop::refreshPreview);
    connect(chkAnimate, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            tmrAnimate_Timer();
        else
            tmrAnimate->stop();
    });
    connect(tmrAnimate, &QTimer::timeout, this, &Workshop::tmrAnimate_Timer);
    connect(preview, &RenderView::dragged, this, &Workshop::dragOrigin);
    connect(preview, &RenderView::resized, this, &Workshop::refreshPreview);
    connect(builder_, &QFutureWatcher<BuildOutcome>::finished, this, &Workshop::builder_Finished);
}

void Workshop::loadSprite(const SpriteModel& sprite)
{
    frames_.clear();
    for (const FlatPicture& flat : flatten(sprite)) {
        WorkFrame frame;
        frame.picture =
            sourceOf(indexedImage(sprite, *flat.picture), tr("frame %1").arg(frames_.size() + 1));
        frame.originX = flat.picture->originX;
        frame.originY = flat.picture->originY;
        if (flat.inGroup) {
            frame.group = static_cast<std::int32_t>(flat.entry + 1);
            frame.intervalBits = flat.intervalBits;
        }
        frames_.push_back(std::move(frame));
    }
    header_ = sprite;
    refit_ = false;
    const QSignalBlocker typeBlock(cboType);
    const QSignalBlocker formatBlock(cboFormat);
    cboType->setCurrentIndex(sprite.type >= 0 && sprite.type < 5 ? sprite.type : 2);
    cboFormat->setCurrentIndex(
        sprite.textureFormat >= 0 && sprite.textureFormat < 4 ? sprite.textureFormat : 0);
    rebuild();
    refreshList(0);
}

void Workshop::cmbAddPictures_Click()
{
    const QString path = dialogs_.openFile(this, tr(kPictureFilter), QString());
    if (path.isEmpty())
        return;
    std::string error;
    std::optional<std::vector<SourcePicture>> pictures = loadPictures(path, &error);
    if (!pictures) {
        dialogs_.message(this, suite::MessageIcon::Exclamation, tr("Error"),
                         QString::fromStdString(error));
        return;
    }
    for (SourcePicture& picture : *pictures) {
        WorkFrame frame;
        frame.originX = -(picture.width / 2);
        frame.originY = picture.height / 2;
        frame.picture = std::move(picture);
        frames_.push_back(std::move(frame));
    }
    refit_ = true;
    rebuild();
    refreshList(static_cast<int>(frames_.size()) - 1);
}

void Workshop::moveFrame(int from, int to)
{
    if (from < 0 || to < 0 || from >= int(frames_.size()) || to >= int(frames_.size()))
        return;
    std::swap(frames_[std::size_t(from)], frames_[std::size_t(to)]);
    rebuild();
    refreshList(to);
}

void Workshop::cmbUp_Click()
{
    moveFrame(lstFrames->currentRow(), lstFrames->currentRow() - 1);
}

void Workshop::cmbDown_Click()
{
    moveFrame(lstFrames->currentRow(), lstFrames->currentRow() + 1);
}

void Workshop::cmbDelete_Click()
{
    const int row = lstFrames->currentRow();
    if (row < 0 || row >= int(frames_.size()))
        return;
    frames_.erase(frames_.begin() + row);
    refit_ = true;
    rebuild();
    refreshList(std::min(row, int(frames_.size()) - 1));
}

void Workshop::enableOutputs()
{
    // Nothing can be saved or exported while the frames make no sprite.
    for (QPushButton* button :
         {cmbSaveSprite, cmbExportFrames, cmbExportSheet, cmbExportGif, cmbExportApng})
        button->setEnabled(built_.has_value());
}

void Workshop::rebuild()
{
    built_.reset();
    ++generation_;
    enableOutputs();
    if (frames_.empty()) {
        building_ = false;
        showPalette([] { return tr("Add pictures to make a sprite."); });
        refreshPreview();
        emit spriteReady();
        return;
    }
    FramesText text;
    if (header_) {
        text.header = *header_;
        text.paletteColours = header_->version == 1 ? 256 : header_->palette.size();
    }
    text.header.entries.clear();
    text.header.type = cboType->currentIndex();
    text.header.textureFormat = cboFormat->currentIndex();
    std::vector<SourcePicture> pictures;
    for (const WorkFrame& frame : frames_) {
        FrameLine line;
        line.file = frame.picture.name;
        line.originX = frame.originX;
        line.originY = frame.originY;
        line.group = frame.group;
        line.intervalBits = frame.intervalBits;
        line.width = frame.picture.width;
        line.height = frame.picture.height;
        pictures.push_back(frame.picture);
        text.frames.push_back(line);
    }
    // A sprite made here from pictures gets the header they call for.
    if (!header_ || refit_)
        text.frames.front().width = -1;
    BuildOptions options;
    options.minimumQuality = txtQuality->value();
    options.dithering = static_cast<float>(txtDither->value()) / 100.0f;

    // Reducing the colours of large pictures takes a while: it runs on a
    // worker with its own copies, and only the latest request's answer is
    // taken.
    building_ = true;
    showPalette([] { return tr("Working out the palette..."); });
    refreshPreview();
    const int generation = generation_;
    builder_->setFuture(QtConcurrent::run(
        [text = std::move(text), pictures = std::move(pictures), options, generation] {
            BuildOutcome out;
            out.generation = generation;
            out.sprite = buildFromFolder(text, pictures, options, {}, defaultQuantiser(),
                                         &out.error, nullptr, &out.note);
            return out;
        }));
}

void Workshop::builder_Finished()
{
    BuildOutcome out = builder_->result();
    if (out.generation != generation_)
        return;
    building_ = false;
    built_ = std::move(out.sprite);
    // Origins may have been edited while the palette was worked out.
    if (built_) {
        std::size_t at = 0;
        for (SpriteEntry& entry : built_->entries) {
            for (SpritePicture& picture : entry.pictures) {
                if (at < frames_.size()) {
                    picture.originX = frames_[at].originX;
                    picture.originY = frames_[at].originY;
                }
                ++at;
            }
        }
    }
    if (built_)
        showPalette([note = out.note] { return paletteText(note); });
    else
        showPalette(
            [error = out.error] { return tr("Cannot make a sprite: %1").arg(coreText(error)); });
    enableOutputs();
    refreshPreview();
    emit spriteReady();
}

void Workshop::refreshList(int select)
{
    const QSignalBlocker block(lstFrames);
    lstFrames->clear();
    for (std::size_t i = 0; i < frames_.size(); ++i) {
        const WorkFrame& frame = frames_[i];
        lstFrames->addItem(tr("%1: %2 (%3 x %4)")
                               .arg(i + 1)
                               .arg(QString::fromStdString(frame.picture.name))
                               .arg(frame.picture.width)
                               .arg(frame.picture.height));
    }
    lstFrames->setCurrentRow(select);
    lstFrames_Changed();
}

void Workshop::lstFrames_Changed()
{
    const int row = lstFrames->currentRow();
    const bool any = row >= 0 && row < int(frames_.size());
    for (QWidget* widget :
         std::initializer_list<QWidget*>{txtOriginX, txtOriginY, cmbUp, cmbDown, cmbDelete})
        widget->setEnabled(any);
    if (!any)
        return;
    shown_ = row;
    const QSignalBlocker blockX(txtOriginX);
    const QSignalBlocker blockY(txtOriginY);
    txtOriginX->setValue(frames_[std::size_t(row)].originX);
    txtOriginY->setValue(frames_[std::size_t(row)].originY);
    refreshPreview();
}

void Workshop::origin_Changed()
{
    const int row = lstFrames->currentRow();
    if (row < 0 || row >= int(frames_.size()))
        return;
    WorkFrame& frame = frames_[std::size_t(row)];
    frame.originX = txtOriginX->value();
    frame.originY = txtOriginY->value();
    // Origins change no colour: the built sprite only takes the numbers.
    if (built_) {
        int at = 0;
        for (SpriteEntry& entry : built_->entries) {
            for (SpritePicture& picture : entry.pictures) {
                if (at++ == row) {
                    picture.originX = frame.originX;
                    picture.originY = frame.originY;
                }
            }
        }
    }
    refreshPreview();
}

void Workshop::dragOrigin(int dx, int dy)
{
    const int row = lstFrames->currentRow();
    if (row < 0 || row >= int(frames_.size()))
        return;
    // Dragging the picture right moves its left edge away from the entity;
    // y points up in the game.
    txtOriginX->setValue(txtOriginX->value() + dx);
    txtOriginY->setValue(txtOriginY->value() - dy);
}

void Workshop::tmrAnimate_Timer()
{
    if (!built_ || frames_.empty())
        return;
    shown_ = (shown_ + 1) % int(frames_.size());
    refreshPreview();
    const WorkFrame& frame = frames_[std::size_t(shown_)];
    int milliseconds = kSingleFrameMilliseconds;
    if (frame.group) {
        const float seconds = bitsFloat(frame.intervalBits);
        if (std::isfinite(seconds) && seconds > 0 && seconds < 60)
            milliseconds = std::max(10, int(std::lround(seconds * 1000)));
    }
    tmrAnimate->start(milliseconds);
}

void Workshop::refreshPreview()
{
    const auto mode = static_cast<RenderMode>(std::max(0, cboRenderMode->currentIndex()));
    const std::int32_t format = built_ ? built_->textureFormat : cboFormat->currentIndex();
    lblRenderWarning->setText(warningText(renderWarningOf(format, mode, txtRenderAmount->value())));
    const QSize size(qMax(200, preview->width()), qMax(160, preview->height()));
    QImage background(size, QImage::Format_RGB32);
    switch (cboBackground->currentIndex()) {
    case 1: background.fill(Qt::black); break;
    case 2:
        background.fill(
            QColor(txtRenderRed->value(), txtRenderGreen->value(), txtRenderBlue->value()));
        break;
    case 3:
        if (!backgroundPicture_.isNull()) {
            background = backgroundPicture_.scaled(size, Qt::KeepAspectRatioByExpanding)
                             .copy(QRect(QPoint(0, 0), size));
            break;
        }
        [[fallthrough]];
    default: {
        QPainter painter(&background);
        for (int y = 0; y < size.height(); y += 8)
            for (int x = 0; x < size.width(); x += 8)
                painter.fillRect(x, y, 8, 8, ((x + y) / 8) % 2 ? QColor(204, 204, 204) : Qt::white);
    }
    }
    if (!built_ || frames_.empty()) {
        preview->setImage(background);
        return;
    }
    const std::vector<FlatPicture> flat = flatten(*built_);
    const std::size_t at = std::size_t(std::clamp(shown_, 0, int(flat.size()) - 1));
    const Rgb colour{std::uint8_t(txtRenderRed->value()), std::uint8_t(txtRenderGreen->value()),
                     std::uint8_t(txtRenderBlue->value())};
    preview->setImage(renderFrame(*built_, *flat[at].picture, mode, txtRenderAmount->value(),
                                  colour, background, size));
}

void Workshop::cmbBackground_Click()
{
    const QString path = dialogs_.openFile(this, tr(kPictureFilter), QString());
    if (path.isEmpty())
        return;
    QImage picture(path);
    if (picture.isNull()) {
        dialogs_.message(
            this, suite::MessageIcon::Exclamation, tr("Error"),
            tr("%1 is not a picture Pivotel can read.").arg(QFileInfo(path).fileName()));
        return;
    }
    backgroundPicture_ = picture;
    cboBackground->setCurrentIndex(3);
    refreshPreview();
}

void Workshop::cmbSaveSprite_Click()
{
    if (!built_)
        return;
    const QString path = dialogs_.saveFile(this, tr(kSpriteFilter), QString());
    if (path.isEmpty())
        return;
    std::string error;
    if (!fileio::writeAtomically(suite::toPath(path), serializeSprite(*built_), &error)) {
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Error"),
                         tr("The sprite was not saved: %1").arg(QString::fromStdString(error)));
        return;
    }
    dialogs_.message(this, suite::MessageIcon::None, tr("Sucess"), tr("File Saved"));
}

void Workshop::cmbExportFrames_Click()
{
    if (!built_)
        return;
    const QString folder = dialogs_.chooseFolder(this, tr("Export Frames"));
    if (folder.isEmpty())
        return;
    std::string error;
    if (!exportFrames(*built_, folder, false, &error)) {
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Error"),
                         tr("The frames were not exported: %1").arg(QString::fromStdString(error)));
        return;
    }
    dialogs_.message(this, suite::MessageIcon::Information, tr("Export Frames"),
                     tr("%1 frames written to %2").arg(frames_.size()).arg(folder));
}

void Workshop::exportOne(int kind)
{
    if (!built_)
        return;
    const auto what = static_cast<ExportKind>(kind);
    const QString filter =
        what == ExportKind::Gif ? tr("GIF pictures (.gif)|*.gif") : tr("PNG pictures (.png)|*.png");
    const QString path = dialogs_.saveFile(this, filter, QString());
    if (path.isEmpty())
        return;
    std::string error;
    // The save dialog has already asked before a file is replaced.
    if (!exportAs(*built_, what, path, true, &error)) {
        dialogs_.message(this, suite::MessageIcon::Critical, tr("Error"),
                         tr("Nothing was written: %1").arg(QString::fromStdString(error)));
        return;
    }
    dialogs_.message(this, suite::MessageIcon::Information, tr("Export"),
                     tr("%1 written").arg(path));
}

} // namespace pivotel

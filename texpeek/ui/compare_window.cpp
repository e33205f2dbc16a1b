#include "texpeek/ui/compare_window.h"

#include "common/ui/language.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>

#include <cmath>
#include <vector>

namespace texpeek {

namespace {

// A grid's colour view as a screen image of its own.
QImage colourImage(const ImageGrid& grid)
{
    if (grid.cellCount() == 0)
        return {};
    const QImage over(reinterpret_cast<const uchar*>(grid.cells()), grid.width(), grid.height(),
                      static_cast<qsizetype>(grid.width()) * 4, QImage::Format_RGBX8888);
    return over.convertToFormat(QImage::Format_RGB32);
}

template <typename T>
T* named(T* object, const char* name, const QString& accessible = {})
{
    object->setObjectName(QString::fromLatin1(name));
    if (!accessible.isEmpty())
        object->setAccessibleName(accessible);
    return object;
}

QScrollArea* scrolled(QLabel* picture, const char* name, QWidget* parent)
{
    auto* area = named(new QScrollArea(parent), name);
    area->setWidget(picture);
    area->setBackgroundRole(QPalette::Dark);
    return area;
}

} // namespace

CompareWindow::CompareWindow(const QString& firstName, std::shared_ptr<const ImageGrid> first,
                             const QString& secondName, std::shared_ptr<const ImageGrid> second,
                             bool withAlpha, QWidget* parent)
    : QWidget(parent, Qt::Window), first_(std::move(first)), second_(std::move(second)),
      firstName_(firstName), secondName_(secondName), withAlpha_(withAlpha)
{
    setObjectName(QStringLiteral("frmComparar"));
    setAttribute(Qt::WA_DeleteOnClose);

    sameSides_ = first_->width() == second_->width() && first_->height() == second_->height();
    firstImage_ = colourImage(*first_);
    secondImage_ = colourImage(*second_);

    auto* layout = new QVBoxLayout(this);
    auto* controls = new QHBoxLayout;
    cboModo_ = named(new QComboBox(this), "cboModo");
    cboModo_->addItems({QString(), QString(), QString()});
    cmdTrocar_ = named(new QPushButton(this), "cmdTrocar");
    lblMostrando_ = named(new QLabel(this), "lblMostrando");
    controls->addWidget(cboModo_);
    controls->addWidget(cmdTrocar_);
    controls->addWidget(lblMostrando_, 1);
    layout->addLayout(controls);

    auto* figures = new QHBoxLayout;
    lblMaiorErro_ = named(new QLabel(this), "lblMaiorErro");
    lblPsnr_ = named(new QLabel(this), "lblPsnr");
    lblDiferentes_ = named(new QLabel(this), "lblDiferentes");
    figures->addWidget(lblMaiorErro_);
    figures->addSpacing(24);
    figures->addWidget(lblPsnr_);
    figures->addSpacing(24);
    figures->addWidget(lblDiferentes_);
    figures->addStretch(1);
    layout->addLayout(figures);

    auto* pictures = new QHBoxLayout;
    picA_ = named(new QLabel, "picA");
    picB_ = named(new QLabel, "picB");
    scrollA_ = scrolled(picA_, "scrollA", this);
    scrollB_ = scrolled(picB_, "scrollB", this);
    pictures->addWidget(scrollA_, 1);
    pictures->addWidget(scrollB_, 1);
    layout->addLayout(pictures, 1);

    if (sameSides_) {
        comparison_ = compareGrids(*first_, *second_, withAlpha_);
        if (first_->cellCount() > 0) {
            std::vector<std::uint32_t> pixels(first_->cellCount());
            differenceView(*first_, *second_, withAlpha_, differenceGain(comparison_.largestError),
                           pixels.data());
            difference_ = QImage(reinterpret_cast<const uchar*>(pixels.data()), first_->width(),
                                 first_->height(), static_cast<qsizetype>(first_->width()) * 4,
                                 QImage::Format_RGB32)
                              .copy();
        }
    } else {
        // Pictures of other sides can only be looked at side by side.
        cboModo_->setEnabled(false);
    }

    connect(cboModo_, &QComboBox::activated, this,
            [this](int index) { setMode(static_cast<Mode>(index)); });
    connect(cmdTrocar_, &QPushButton::clicked, this, [this] { swapPictures(); });
    resize(900, 600);
    retranslate();
}

void CompareWindow::retranslate()
{
    setWindowTitle(tr("Comparar: %1 e %2").arg(firstName_, secondName_));
    cboModo_->setAccessibleName(tr("Modo de comparação"));
    cboModo_->view()->setAccessibleName(tr("Modo de comparação"));
    cboModo_->setItemText(0, tr("Lado a lado"));
    cboModo_->setItemText(1, tr("Um sobre o outro"));
    cboModo_->setItemText(2, tr("Diferença"));
    cmdTrocar_->setText(tr("Mostrar o outro"));
    {
        // Some styles size a button to less than its text and frame take.
        QStyleOptionButton option;
        option.initFrom(cmdTrocar_);
        const QStyle* style = cmdTrocar_->style();
        cmdTrocar_->setMinimumWidth(
            cmdTrocar_->fontMetrics().horizontalAdvance(cmdTrocar_->text()) +
            2 * style->pixelMetric(QStyle::PM_ButtonMargin, &option, cmdTrocar_) +
            2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, cmdTrocar_));
    }
    cmdTrocar_->setAccessibleName(tr("Mostrar o outro arquivo"));
    picA_->setAccessibleName(tr("Primeiro arquivo"));
    picB_->setAccessibleName(tr("Segundo arquivo"));
    scrollA_->setAccessibleName(tr("Primeiro arquivo"));
    scrollB_->setAccessibleName(tr("Segundo arquivo"));
    if (sameSides_) {
        lblMaiorErro_->setText(tr("Maior erro: %1").arg(comparison_.largestError));
        lblPsnr_->setText(std::isinf(comparison_.psnr)
                              ? tr("PSNR: infinito (iguais)")
                              : tr("PSNR: %1 dB").arg(suite::formatDecimal(comparison_.psnr, 2)));
        lblDiferentes_->setText(
            tr("Pixels diferentes: %1")
                .arg(suite::formatNumber(static_cast<qint64>(comparison_.differingPixels))));
    } else {
        lblMaiorErro_->setText(tr("Tamanhos diferentes: %1 x %2 e %3 x %4")
                                   .arg(first_->width())
                                   .arg(first_->height())
                                   .arg(second_->width())
                                   .arg(second_->height()));
    }
    showPictures();
}

void CompareWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && picB_ != nullptr)
        retranslate();
    QWidget::changeEvent(event);
}

void CompareWindow::setMode(Mode mode)
{
    if (!sameSides_ && mode != Mode::SideBySide)
        return;
    mode_ = mode;
    cboModo_->setCurrentIndex(static_cast<int>(mode));
    showPictures();
}

void CompareWindow::swapPictures()
{
    if (mode_ != Mode::Over)
        return;
    secondOnTop_ = !secondOnTop_;
    showPictures();
}

QImage CompareWindow::shownImage() const
{
    return picA_->pixmap().toImage();
}

void CompareWindow::showPictures()
{
    auto put = [](QLabel* picture, const QImage& image) {
        picture->setPixmap(QPixmap::fromImage(image));
        picture->adjustSize();
    };
    cmdTrocar_->setVisible(mode_ == Mode::Over);
    scrollB_->setVisible(mode_ == Mode::SideBySide);
    switch (mode_) {
    case Mode::SideBySide:
        put(picA_, firstImage_);
        put(picB_, secondImage_);
        lblMostrando_->setText(tr("%1 | %2").arg(firstName_, secondName_));
        break;
    case Mode::Over:
        put(picA_, secondOnTop_ ? secondImage_ : firstImage_);
        lblMostrando_->setText(tr("Mostrando: %1").arg(secondOnTop_ ? secondName_ : firstName_));
        break;
    case Mode::Difference:
        put(picA_, difference_);
        lblMostrando_->setText(
            tr("Diferença, ampliada %1 vezes").arg(differenceGain(comparison_.largestError)));
        break;
    }
}

} // namespace texpeek

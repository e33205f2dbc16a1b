#include "texpeek/ui/interpretation_strip.h"

#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QToolButton>

namespace texpeek {

namespace {

QToolButton* button(const char* name, QWidget* parent)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoRaise(false);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

template <typename T>
void markGuess(QToolButton* b, const Assumption<T>& assumption, const QString& text)
{
    b->setVisible(assumption.applies);
    // A guess says so in its text, not by style alone, so that it is read
    // out and survives any theme.
    b->setText(assumption.guessed ? InterpretationStrip::tr("%1 (suposição)").arg(text) : text);
    QFont font = b->font();
    font.setItalic(assumption.guessed);
    b->setFont(font);
    b->setToolTip(assumption.guessed
                      ? InterpretationStrip::tr("Suposição: o arquivo não diz. Clique para mudar.")
                      : InterpretationStrip::tr("Clique para mudar."));
}

} // namespace

InterpretationStrip::InterpretationStrip(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("fraLeitura"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    lblLeitura_ = new QLabel(this);
    lblLeitura_->setObjectName(QStringLiteral("lblLeitura"));
    row->addWidget(lblLeitura_);

    colourSpace_ = button("cmdColourSpace", this);
    alpha_ = button("cmdAlpha", this);
    signed_ = button("cmdSigned", this);
    normalZ_ = button("cmdNormalZ", this);
    maskOrder_ = button("cmdMaskOrder", this);
    for (QToolButton* b : {colourSpace_, alpha_, signed_, normalZ_, maskOrder_})
        row->addWidget(b);

    lblExposure_ = new QLabel(this);
    lblExposure_->setObjectName(QStringLiteral("lblExposure"));
    exposure_ = new QDoubleSpinBox(this);
    exposure_->setObjectName(QStringLiteral("spnExposure"));
    exposure_->setRange(-16.0, 16.0);
    exposure_->setSingleStep(0.5);
    exposure_->setDecimals(1);
    // Each typed digit would read the picture again; a finished value does.
    exposure_->setKeyboardTracking(false);
    lblExposure_->setBuddy(exposure_);
    curve_ = button("cmdCurve", this);
    row->addWidget(lblExposure_);
    row->addWidget(exposure_);
    row->addWidget(curve_);
    row->addStretch(1);

    connect(colourSpace_, &QToolButton::clicked, this, [this] {
        Interpretation next = interpretation_;
        next.colourSpace = {next.colourSpace.value == ColourSpace::Srgb ? ColourSpace::Linear
                                                                        : ColourSpace::Srgb,
                            true, false};
        pick(next);
    });
    connect(alpha_, &QToolButton::clicked, this, [this] {
        Interpretation next = interpretation_;
        const AlphaMode mode = next.alpha.value;
        next.alpha = {mode == AlphaMode::Straight        ? AlphaMode::Premultiplied
                      : mode == AlphaMode::Premultiplied ? AlphaMode::Data
                                                         : AlphaMode::Straight,
                      true, false};
        pick(next);
    });
    connect(signed_, &QToolButton::clicked, this, [this] {
        Interpretation next = interpretation_;
        next.signedData = {next.signedData.value == SignedMapping::Remapped
                               ? SignedMapping::Clamped
                               : SignedMapping::Remapped,
                           true, false};
        pick(next);
    });
    connect(normalZ_, &QToolButton::clicked, this, [this] {
        Interpretation next = interpretation_;
        next.normalMap = {next.normalMap.value == NormalZ::Empty ? NormalZ::Rebuilt
                                                                 : NormalZ::Empty,
                          true, false};
        pick(next);
    });
    connect(maskOrder_, &QToolButton::clicked, this, [this] {
        Interpretation next = interpretation_;
        next.maskOrder = {next.maskOrder.value == MaskOrder::Swapped ? MaskOrder::AsWritten
                                                                     : MaskOrder::Swapped,
                          true, false};
        pick(next);
    });
    connect(curve_, &QToolButton::clicked, this, [this] {
        Interpretation next = interpretation_;
        next.curve = {next.curve.value == HdrCurve::Clip ? HdrCurve::ToneCurve : HdrCurve::Clip,
                      true, false};
        pick(next);
    });
    connect(exposure_, &QDoubleSpinBox::valueChanged, this, [this](double ev) {
        Interpretation next = interpretation_;
        next.exposureEv = {ev, true, false};
        pick(next);
    });
    retranslate();
    clear();
}

void InterpretationStrip::retranslate()
{
    setAccessibleName(tr("Leitura dos dados"));
    lblLeitura_->setText(tr("Leitura:"));
    colourSpace_->setAccessibleName(tr("Espaço de cor"));
    alpha_->setAccessibleName(tr("Alfa"));
    signed_->setAccessibleName(tr("Dados com sinal"));
    normalZ_->setAccessibleName(tr("Mapa de normais"));
    maskOrder_->setAccessibleName(tr("Ordem das máscaras"));
    curve_->setAccessibleName(tr("Valores acima de 1"));
    lblExposure_->setText(tr("Exposição:"));
    exposure_->setAccessibleName(tr("Exposição"));
    exposure_->setSuffix(tr(" EV"));
}

void InterpretationStrip::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && curve_ != nullptr) {
        retranslate();
        refresh();
    }
    QWidget::changeEvent(event);
}

void InterpretationStrip::showReading(const Interpretation& interpretation)
{
    interpretation_ = interpretation;
    refresh();
}

void InterpretationStrip::clear()
{
    interpretation_ = {};
    refresh();
}

void InterpretationStrip::pick(const Interpretation& next)
{
    if (next == interpretation_)
        return;
    interpretation_ = next;
    refresh();
    emit changed(interpretation_);
}

void InterpretationStrip::refresh()
{
    const Interpretation& in = interpretation_;
    markGuess(colourSpace_, in.colourSpace,
              in.colourSpace.value == ColourSpace::Srgb ? tr("Cores: sRGB")
                                                        : tr("Cores: lineares"));
    markGuess(alpha_, in.alpha,
              in.alpha.value == AlphaMode::Straight ? tr("Alfa: direto")
              : in.alpha.value == AlphaMode::Premultiplied
                  ? tr("Alfa: pré-multiplicado")
                  : tr("Alfa: dados (ignorado nas cores)"));
    markGuess(signed_, in.signedData,
              in.signedData.value == SignedMapping::Remapped
                  ? tr("Sinal: -1, 0, 1 = preto, cinza, branco")
                  : tr("Sinal: negativos em preto"));
    markGuess(normalZ_, in.normalMap,
              in.normalMap.value == NormalZ::Empty ? tr("Normais: azul vazio")
                                                   : tr("Normais: Z reconstruído"));
    markGuess(maskOrder_, in.maskOrder,
              in.maskOrder.value == MaskOrder::Swapped ? tr("10:10:10:2: vermelho e azul trocados")
                                                       : tr("10:10:10:2: como gravado"));
    markGuess(curve_, in.curve,
              in.curve.value == HdrCurve::Clip ? tr("Acima de 1: cortado")
                                               : tr("Acima de 1: curva de tons"));
    const bool exposure = in.exposureEv.applies;
    lblExposure_->setVisible(exposure);
    exposure_->setVisible(exposure);
    {
        const QSignalBlocker quiet(exposure_);
        exposure_->setValue(exposure ? in.exposureEv.value : 0.0);
    }
    const bool any = in.colourSpace.applies || in.alpha.applies || in.signedData.applies ||
                     in.normalMap.applies || in.maskOrder.applies || exposure;
    lblLeitura_->setVisible(any);
}

} // namespace texpeek

#include "tailfetch/ui/about_window.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace tailfetch {

QPixmap tailfetchPicture()
{
    QPixmap picture(32, 32);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // A page whose lower part is still missing, and the arrow that fills it.
    painter.setPen(QPen(QColor(40, 60, 110), 1.5));
    painter.setBrush(QColor(235, 240, 250));
    painter.drawRoundedRect(QRectF(5.5, 2.5, 21, 27), 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(120, 150, 210));
    painter.drawRect(QRectF(8, 5, 16, 9));
    QPainterPath arrow;
    arrow.moveTo(13, 13);
    arrow.lineTo(19, 13);
    arrow.lineTo(19, 20);
    arrow.lineTo(23, 20);
    arrow.lineTo(16, 28);
    arrow.lineTo(9, 20);
    arrow.lineTo(13, 20);
    arrow.closeSubpath();
    painter.setBrush(QColor(30, 130, 60));
    painter.drawPath(arrow);
    return picture;
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(tr("Sobre"));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picIcon"));
    picture->setPixmap(tailfetchPicture());
    picture->setFixedSize(32, 32);

    auto* title = new QLabel(tr("Complete arquivos incompletos"), this);
    title->setObjectName(QStringLiteral("lblTitulo"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);

    auto* head = new QHBoxLayout;
    head->addWidget(picture);
    head->addSpacing(8);
    head->addWidget(title, 1);

    auto* pairs = new QGridLayout;
    const std::pair<const char*, const char*> rows[] = {
        {QT_TR_NOOP("Por:"),
         QT_TR_NOOP("Tavrin, com a ajuda de quem testou as versões anteriores")},
        {QT_TR_NOOP("Linguagem:"), QT_TR_NOOP("C++ com Qt 6")},
        {QT_TR_NOOP("Linhas:"), "765"},
        {QT_TR_NOOP("Agradecimentos:"),
         QT_TR_NOOP("A todos que enviaram arquivos incompletos para teste")},
    };
    int row = 0;
    for (const auto& [caption, value] : rows) {
        auto* name = new QLabel(tr(caption), this);
        name->setFont(bold);
        pairs->addWidget(name, row, 0, Qt::AlignTop);
        auto* text = new QLabel(tr(value), this);
        text->setWordWrap(true);
        pairs->addWidget(text, row, 1);
        ++row;
    }
    pairs->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addSpacing(10);
    layout->addLayout(pairs);
    setFixedWidth(360);
}

} // namespace tailfetch

#include "entwright/ui/frm_about.h"

#include "common/ui/language.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#ifndef ENTWRIGHT_SOURCE_LINES
#define ENTWRIGHT_SOURCE_LINES 0
#endif
#ifndef ENTWRIGHT_COMPILATION
#define ENTWRIGHT_COMPILATION 1
#endif

QIcon frmAbout::programIcon()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(0x2f, 0x5d, 0x8a));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(2, 2, 44, 44), 8, 8);
    painter.setPen(Qt::white);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(26);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(QRectF(2, 0, 44, 44), Qt::AlignCenter, QStringLiteral("{}"));
    painter.setPen(QPen(QColor(0xf2, 0xc1, 0x4e), 3));
    painter.drawLine(QPointF(12, 38), QPointF(36, 38));
    return QIcon(pixmap);
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("Entwright - About"));
    setModal(true);

    auto* frame = new QGroupBox(tr("About"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    auto* icon = new QLabel(frame);
    icon->setObjectName(QStringLiteral("imgIcon"));
    icon->setPixmap(programIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);
    icon->setAccessibleName(tr("Entwright"));
    icon->setAccessibleDescription(tr("The program's icon: a pair of braces"));

    auto* name = new QLabel(tr("Entwright"), frame);
    name->setObjectName(QStringLiteral("lblName"));
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    nameFont.setBold(true);
    name->setFont(nameFont);
    auto* text = new QLabel(tr("Half-Life entity list editor\n"
                               "Written by the Entwright author\n"
                               "Developed in C++ with Qt %1\n"
                               "Version 2.0, compilation %2\n"
                               "%3 lines of code")
                                .arg(QString::fromLatin1(qVersion()))
                                .arg(ENTWRIGHT_COMPILATION)
                                .arg(suite::formatNumber(ENTWRIGHT_SOURCE_LINES)),
                            frame);
    text->setObjectName(QStringLiteral("lblInfo"));

    auto* words = new QVBoxLayout;
    words->addWidget(name);
    words->addWidget(text);
    words->addStretch();
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->addWidget(icon);
    frameLayout->addLayout(words, 1);

    auto* cmbOK = new QPushButton(tr("OK"), this);
    cmbOK->setObjectName(QStringLiteral("cmbOK"));
    cmbOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmbOK);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    connect(cmbOK, &QPushButton::clicked, this, &QDialog::accept);
}

#include "probegrid/ui/frm_about.h"

#include "probegrid/ui/geometry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace probegrid {
namespace {

// A small board with one ray bent round an item, drawn rather than shipped.
QPixmap picture()
{
    constexpr int kCell = 6;
    constexpr int kSize = 10 * kCell;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(QColor(192, 192, 192));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column)
            painter.fillRect((column + 1) * kCell, (row + 1) * kCell, kCell - 1, kCell - 1,
                             Qt::white);
    }
    painter.fillRect(5 * kCell, 5 * kCell, kCell - 1, kCell - 1, Qt::black);
    painter.setPen(QPen(QColor(0, 128, 0), 2));
    const int mid = kCell / 2;
    painter.drawLine(4 * kCell + mid, 0, 4 * kCell + mid, 4 * kCell + mid);
    painter.drawLine(4 * kCell + mid, 4 * kCell + mid, 0, 4 * kCell + mid);
    return pixmap;
}

} // namespace

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmAbout");
    useDesignFont(this);
    setWindowTitle(tr("Sobre Tavrin Probegrid"));
    setFixedSize(twips(4680), twips(3480));

    auto* image = new QLabel(this);
    image->setObjectName("imgLogo");
    image->setPixmap(picture());
    image->setAccessibleDescription(tr("Um raio desviado por um item no tabuleiro"));
    image->setGeometry(12, 10, 60, 60);

    auto* title = new QLabel("Tavrin Probegrid", this);
    title->setObjectName("lblTitulo");
    QFont titleFont = title->font();
    titleFont.setPointSizeF(15);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setGeometry(84, 22, 220, 34);

    auto* info = new QGroupBox(tr("Info"), this);
    info->setObjectName("fraInfo");
    info->setGeometry(8, 70, 296, 124);
    const QString lines[] = {tr("Criado por Tavrin"), tr("Feito em C++ com Qt 6"),
                             tr("Linhas: 656"),
                             tr("Para maiores informações sobre como jogar, acesse:")};
    for (int i = 0; i < 4; ++i) {
        auto* line = new QLabel(lines[i], info);
        line->setObjectName(QString("lblInfo%1").arg(i + 1));
        line->setGeometry(10, 18 + 17 * i, 280, i == 3 ? 32 : 17);
        line->setWordWrap(true);
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    auto* address = new QLineEdit(kRulesAddress, info);
    address->setObjectName("txtSite");
    address->setReadOnly(true);
    address->setFrame(false);
    address->setCursorPosition(0);
    QPalette palette = address->palette();
    palette.setColor(QPalette::Text, Qt::blue);
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    address->setPalette(palette);
    address->setGeometry(10, 100, 280, 18);
    address->setAccessibleName(tr("Endereço das regras"));

    auto* close = new QPushButton(tr("Fechar"), this);
    close->setObjectName("cmbFechar");
    close->setGeometry(212, 201, 92, 25);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace probegrid

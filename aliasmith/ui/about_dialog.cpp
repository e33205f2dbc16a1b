#include "aliasmith/ui/about_dialog.h"

#include "aliasmith/core/language.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace aliasmith {
namespace {

QString qs(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QLabel* wrappedLabel(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

// Two linked nodes, the picture of a friend reached through an alias.
QPixmap logo()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 90, 160), 5));
    painter.drawLine(18, 46, 46, 18);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 160, 30));
    painter.drawEllipse(QPoint(18, 46), 13, 13);
    painter.setBrush(QColor(40, 90, 160));
    painter.drawEllipse(QPoint(46, 18), 13, 13);
    return pixmap;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Aliasmith"));
    setModal(true);

    auto* info = new QGroupBox(tr("Info"), this);
    info->setObjectName(QStringLiteral("fraInfo"));
    auto* infoLayout = new QVBoxLayout(info);
    infoLayout->addWidget(wrappedLabel(tr("Aliasmith keeps profiles of your friends' addresses "
                                          "and turns any of them into Hamachi's aliases."),
                                       QStringLiteral("lblInfo"), info));
    infoLayout->addWidget(
        wrappedLabel(tr("Written by Aliasmith's author, for friends who play over Hamachi."),
                     QStringLiteral("lblCredits"), info));

    auto* howTo = new QGroupBox(tr("How to use"), this);
    howTo->setObjectName(QStringLiteral("fraHowTo"));
    auto* howToLayout = new QVBoxLayout(howTo);
    const QString steps[] = {
        tr("1. Set your Hamachi directory."),
        tr("2. Create a new profile or select one."),
        tr("3. Type your own Hamachi IP address in its field and add your friends' addresses."),
        tr("4. Save, then press \"Use profile\" to update Hamachi's aliases."),
    };
    for (std::size_t i = 0; i < std::size(steps); ++i)
        howToLayout->addWidget(
            wrappedLabel(steps[i], QStringLiteral("lblStep%1").arg(i + 1), howTo));

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picLogo"));
    picture->setPixmap(logo());
    picture->setAccessibleName(tr("Aliasmith"));
    picture->setAccessibleDescription(tr("Two linked nodes: a friend reached through an alias."));
    auto* version = new QLabel(tr("Version %1").arg(QString::fromStdString(versionText())), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* link = new QLineEdit(qs(webAddress()), this);
    link->setObjectName(QStringLiteral("txtLink"));
    link->setReadOnly(true);
    link->setAccessibleName(tr("Web address"));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmbOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* side = new QVBoxLayout;
    side->addWidget(picture, 0, Qt::AlignHCenter);
    side->addWidget(version, 0, Qt::AlignHCenter);
    side->addStretch();

    auto* texts = new QVBoxLayout;
    texts->addWidget(info);
    texts->addWidget(howTo);

    auto* top = new QHBoxLayout;
    top->addLayout(side);
    top->addLayout(texts, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(link, 1);
    bottom->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    setFixedWidth(480);
}

} // namespace aliasmith

#include "ui/frm_new_ent.h"

#include "core/editing.h"

#include "common/ui/dialogs.h"
#include "common/ui/text.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmNewEnt::frmNewEnt(ent::EntityDocument& document, suite::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), document_(document), dialogs_(dialogs)
{
    setObjectName(QStringLiteral("frmNewEnt"));
    setWindowTitle(QStringLiteral("Add Entity"));
    setModal(true);

    auto* Frame1 = new QGroupBox(QStringLiteral("Entity Name"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtNome_ = new QLineEdit(Frame1);
    txtNome_->setObjectName(QStringLiteral("txtNome"));
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(txtNome_);

    auto* cmbOk = new QPushButton(QStringLiteral("Ok"), this);
    cmbOk->setObjectName(QStringLiteral("cmbOk"));
    cmbOk->setDefault(true);
    auto* cmbCancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmbCancel->setObjectName(QStringLiteral("cmbCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmbOk);
    buttons->addWidget(cmbCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    setFixedWidth(300);

    connect(cmbOk, &QPushButton::clicked, this, &frmNewEnt::cmbOk_Click);
    connect(cmbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmNewEnt::cmbOk_Click()
{
    const QString name = txtNome_->text();
    const QByteArray bytes = suite::toCp1252(name);
    // A '?' the code page put in place of a character would be stored as is.
    if (bytes.count('?') != name.count(QLatin1Char('?'))) {
        refuse(QStringLiteral("An entity name can't hold characters a map can't store "
                              "(Windows-1252 has no place for them)"));
        return;
    }
    const ent::EditResult result = document_.addEntity(bytes.toStdString());
    if (result == ent::EditResult::LineBreak)
        return refuse(QStringLiteral("An entity name can't hold line breaks"));
    if (result == ent::EditResult::QuoteInside)
        return refuse(QStringLiteral("An entity name can't hold double quotes (\")"));
    accept();
}

void frmNewEnt::refuse(const QString& text)
{
    dialogs_.message(this, suite::MessageIcon::Exclamation, QStringLiteral("Add Entity"), text);
}

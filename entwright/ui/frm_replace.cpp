#include "entwright/ui/frm_replace.h"
#include "entwright/ui/text_room.h"

#include "entwright/core/typed_text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmReplace::frmReplace(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmReplace"));
    setWindowTitle(tr("Find and Replace"));
    setModal(true);

    txtFind_ = new QLineEdit(this);
    txtFind_->setObjectName(QStringLiteral("txtFind"));
    txtFind_->setAccessibleName(tr("Find"));
    txtReplace_ = new QLineEdit(this);
    txtReplace_->setObjectName(QStringLiteral("txtReplace"));
    txtReplace_->setAccessibleName(tr("Replace with"));
    chkRegex_ = new QCheckBox(tr("Regular expression"), this);
    chkRegex_->setObjectName(QStringLiteral("chkRegex"));
    chkKeys_ = new QCheckBox(tr("Keys"), this);
    chkKeys_->setObjectName(QStringLiteral("chkKeys"));
    chkValues_ = new QCheckBox(tr("Values"), this);
    chkValues_->setObjectName(QStringLiteral("chkValues"));
    chkValues_->setChecked(true);

    auto* form = new QFormLayout;
    form->addRow(tr("Find:"), txtFind_);
    form->addRow(tr("Replace with:"), txtReplace_);
    auto* where = new QHBoxLayout;
    where->addWidget(chkKeys_);
    where->addWidget(chkValues_);
    where->addStretch();
    where->addWidget(chkRegex_);

    auto* buttons = new QDialogButtonBox(this);
    auto* cmbReplaceAll = buttons->addButton(tr("Replace All"), QDialogButtonBox::AcceptRole);
    cmbReplaceAll->setObjectName(QStringLiteral("cmbReplaceAll"));
    cmbReplaceAll->setDefault(true);
    auto* cmbCancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cmbCancel->setObjectName(QStringLiteral("cmbCancel"));
    keepRoomForText(cmbReplaceAll);
    keepRoomForText(cmbCancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(where);
    layout->addWidget(buttons);
    resize(420, sizeHint().height());
}

std::optional<ent::ReplaceQuery> frmReplace::query() const
{
    const std::optional<std::string> find =
        ent::TypedBytes(txtFind_->text().toStdU32String(), nullptr);
    const std::optional<std::string> replacement =
        ent::TypedBytes(txtReplace_->text().toStdU32String(), nullptr);
    if (!find || !replacement)
        return std::nullopt;
    ent::ReplaceQuery query;
    query.find = *find;
    query.replacement = *replacement;
    query.regularExpression = chkRegex_->isChecked();
    query.inKeys = chkKeys_->isChecked();
    query.inValues = chkValues_->isChecked();
    return query;
}

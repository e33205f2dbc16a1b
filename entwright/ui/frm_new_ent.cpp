#include "entwright/ui/frm_new_ent.h"

#include "entwright/core/editing.h"
#include "entwright/core/property_rows.h"
#include "entwright/core/typed_text.h"
#include "entwright/ui/entity_list_model.h"

#include "common/ui/dialogs.h"
#include "common/ui/text.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmNewEnt::frmNewEnt(ent::EntityDocument& document, suite::Dialogs& dialogs,
                     const ent::GameData* gameData, QWidget* parent)
    : QDialog(parent), document_(document), dialogs_(dialogs),
      gameData_(gameData && !gameData->empty() ? gameData : nullptr)
{
    setObjectName(QStringLiteral("frmNewEnt"));
    setWindowTitle(tr("Add Entity"));
    setModal(true);

    auto* Frame1 = new QGroupBox(tr("Entity Name"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txtNome_ = new QLineEdit(Frame1);
    txtNome_->setObjectName(QStringLiteral("txtNome"));
    auto* frameLayout = new QVBoxLayout(Frame1);
    frameLayout->addWidget(txtNome_);
    if (gameData_) {
        lstClasses_ = new QListWidget(Frame1);
        lstClasses_->setObjectName(QStringLiteral("lstClasses"));
        lstClasses_->setAccessibleName(tr("Classes of the game data"));
        frameLayout->addWidget(lstClasses_);
        showClasses({});
        connect(txtNome_, &QLineEdit::textEdited, this, &frmNewEnt::showClasses);
        connect(lstClasses_, &QListWidget::currentTextChanged, this, [this](const QString& name) {
            if (!name.isEmpty())
                txtNome_->setText(name);
        });
        connect(lstClasses_, &QListWidget::itemDoubleClicked, this, &frmNewEnt::cmbOk_Click);
    }

    auto* cmbOk = new QPushButton(tr("Ok"), this);
    cmbOk->setObjectName(QStringLiteral("cmbOk"));
    cmbOk->setDefault(true);
    auto* cmbCancel = new QPushButton(tr("Cancel"), this);
    cmbCancel->setObjectName(QStringLiteral("cmbCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmbOk);
    buttons->addWidget(cmbCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    if (gameData_)
        resize(300, 380);
    else
        setFixedWidth(300);

    connect(cmbOk, &QPushButton::clicked, this, &frmNewEnt::cmbOk_Click);
    connect(cmbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmNewEnt::showClasses(const QString& typed)
{
    lstClasses_->clear();
    QStringList names;
    for (const ent::FgdClass& cls : gameData_->classes()) {
        const QString name = displayText(cls.name);
        if (!cls.isBase() && name.contains(typed, Qt::CaseInsensitive))
            names.append(name);
    }
    names.sort(Qt::CaseInsensitive);
    lstClasses_->addItems(names);
}

void frmNewEnt::cmbOk_Click()
{
    const std::optional<std::string> bytes =
        ent::TypedBytes(txtNome_->text().toStdU32String(), nullptr);
    if (!bytes) {
        refuse(tr("An entity name can't hold characters a map can't store "
                  "(Windows-1252 has no place for them)"));
        return;
    }
    const ent::FgdClass* cls = gameData_ ? gameData_->findEntityClass(*bytes) : nullptr;
    const ent::EditResult result =
        cls ? document_.addEntity(*bytes, ent::DefaultKeys(*gameData_, *cls))
            : document_.addEntity(*bytes);
    if (result == ent::EditResult::LineBreak)
        return refuse(tr("An entity name can't hold line breaks"));
    if (result == ent::EditResult::QuoteInside)
        return refuse(tr("An entity name can't hold double quotes (\")"));
    accept();
}

void frmNewEnt::refuse(const QString& text)
{
    dialogs_.message(this, suite::MessageIcon::Exclamation, tr("Add Entity"), text);
}

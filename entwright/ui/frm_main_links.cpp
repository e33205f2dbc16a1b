// The main window's links between entities and its edits over many of them.
#include "entwright/ui/frm_main.h"

#include "entwright/core/bulk_edits.h"
#include "entwright/core/links.h"
#include "entwright/core/typed_text.h"
#include "entwright/ui/entity_list_model.h"
#include "entwright/ui/frm_replace.h"

#include "common/ui/dialogs.h"

#include <QAction>
#include <QBoxLayout>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

void frmMain::buildLinkControls(QBoxLayout* frame2Layout)
{
    cmbGoTo_ = new QPushButton(tr("Go to target"), Frame2_);
    cmbGoTo_->setObjectName(QStringLiteral("cmbGoTo"));
    cmbGoTo_->setEnabled(false);
    auto* lblUsedBy = new QLabel(tr("Used by:"), Frame2_);
    lblUsedBy->setObjectName(QStringLiteral("lblUsedBy"));
    listUsedBy_ = new QListWidget(Frame2_);
    listUsedBy_->setObjectName(QStringLiteral("listUsedBy"));
    listUsedBy_->setAccessibleName(tr("Entities that point at this one"));
    listUsedBy_->setMaximumHeight(listUsedBy_->fontMetrics().lineSpacing() * 4 + 8);
    listUsedBy_->setEnabled(false);
    lblUsedBy->setBuddy(listUsedBy_);
    auto* row = new QHBoxLayout;
    row->addWidget(lblUsedBy, 0, Qt::AlignTop);
    row->addWidget(listUsedBy_, 1);
    row->addWidget(cmbGoTo_, 0, Qt::AlignTop);
    frame2Layout->addLayout(row);

    connect(cmbGoTo_, &QPushButton::clicked, this, &frmMain::cmbGoTo_Click);
    connect(listUsedBy_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { listUsedBy_Click(listUsedBy_->row(item)); });
    connect(listUsedBy_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { listUsedBy_Click(listUsedBy_->row(item)); });
}

std::optional<std::string> frmMain::clickedTarget() const
{
    const std::optional<std::size_t> entity = selectedEntity();
    if (!entity || SelKey_ < 0)
        return std::nullopt;
    const ent::EntityRecord& record = doc_.table().Entities[*entity];
    if (static_cast<std::size_t>(SelKey_) >= record.KeyLines.size())
        return std::nullopt;
    const std::optional<ent::KeyValueView> pair =
        ent::ReadKeyValue(record.KeyLines[static_cast<std::size_t>(SelKey_)]);
    if (!pair || pair->value.empty() || !linkRule_(ent::ClassOf(record), pair->key))
        return std::nullopt;
    return std::string(pair->value);
}

void frmMain::updateLinks()
{
    cmbGoTo_->setEnabled(clickedTarget().has_value());
    const std::optional<std::size_t> entity = selectedEntity();
    usedBy_ = entity ? ent::UsedBy(doc_.table(), *entity, linkRule_) : std::vector<std::size_t>{};
    listUsedBy_->clear();
    for (const std::size_t user : usedBy_) {
        const ent::EntityRecord& record = doc_.table().Entities[user];
        const std::optional<std::string_view> name = ent::ValueOf(record, "targetname");
        QString text = displayText(ent::ClassOf(record));
        if (name && !name->empty())
            text += QStringLiteral(" \u2013 ") + displayText(*name);
        listUsedBy_->addItem(tr("%1 (entity %2)").arg(text).arg(user));
    }
    listUsedBy_->setEnabled(!usedBy_.empty());
}

void frmMain::goToEntity(std::size_t entity)
{
    // An entity the filter hides is still where the link leads.
    if (entityModel_->rowOf(entity) < 0)
        txtFilter_->clear();
    filling_ = true;
    listEntity_->clearSelection();
    filling_ = false;
    selectEntity(entity);
}

void frmMain::cmbGoTo_Click()
{
    const std::optional<std::string> target = clickedTarget();
    if (!target)
        return;
    const std::optional<std::size_t> found = ent::NextNamed(doc_.table(), *target, std::nullopt);
    if (!found) {
        warn(tr("Go to target"),
             tr("No entity has the targetname \"%1\".").arg(displayText(*target)));
        return;
    }
    goToEntity(*found);
}

void frmMain::listUsedBy_Click(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= usedBy_.size())
        return;
    const std::size_t user = usedBy_[static_cast<std::size_t>(row)];
    if (user < doc_.table().Entities.size())
        goToEntity(user);
}

bool frmMain::offerRename(const std::string& key, const std::string& value)
{
    const std::optional<std::size_t> entity = selectedEntity();
    if (!entity || SelKey_ < 0 || key != "targetname")
        return false;
    const ent::EntityRecord& record = doc_.table().Entities[*entity];
    const auto line = static_cast<std::size_t>(SelKey_);
    if (line >= record.KeyLines.size())
        return false;
    const std::optional<ent::KeyValueView> pair = ent::ReadKeyValue(record.KeyLines[line]);
    if (!pair || pair->key != "targetname" || pair->value == value)
        return false;
    const ent::RenamePlan plan =
        ent::PlanRename(doc_.table(), *entity, value, true, linkRule_, line);
    if (plan.result != ent::EditResult::Done || plan.references == 0)
        return false;
    const QString title = tr("Rename");
    const int count = static_cast<int>(plan.references);
    if (!dialogs_.question(this, suite::MessageIcon::Question, title,
                           tr("%n key(s) refer to \"%1\". Change them to \"%2\" as well?", nullptr,
                              count)
                               .arg(displayText(pair->value), displayText(value))))
        return false;
    if (!reportEdit(doc_.replaceRecords(plan.changes), title))
        return true;
    SelKey_ = -1;
    selectAfterBulkEdit();
    return true;
}

std::vector<std::size_t> frmMain::selectedEntities() const
{
    std::vector<std::size_t> records;
    for (const QModelIndex& index : listEntity_->selectionModel()->selectedIndexes()) {
        if (const std::optional<std::size_t> record = entityModel_->recordAt(index.row()))
            records.push_back(*record);
    }
    std::sort(records.begin(), records.end());
    if (records.empty()) {
        if (const std::optional<std::size_t> clicked = selectedEntity())
            records.push_back(*clicked);
    }
    return records;
}

void frmMain::showCurrentRow(int row)
{
    const QModelIndex index = entityModel_->index(row);
    QItemSelectionModel* selection = listEntity_->selectionModel();
    selection->setCurrentIndex(index, selection->isSelected(index)
                                          ? QItemSelectionModel::NoUpdate
                                          : QItemSelectionModel::ClearAndSelect);
}

void frmMain::selectAfterBulkEdit()
{
    txtKey_->clear();
    txtValue_->clear();
    // The clicked line may be gone or moved: wait for a new click.
    if (SelKey_ < 0) {
        for (QWidget* control : std::initializer_list<QWidget*>{cmbApply_, cmbDelete_, cmbClear_})
            control->setEnabled(false);
    }
    entityModel_->refresh();
    fillKeyList();
    tableChanged();
}

void frmMain::menSetKey_Click()
{
    const std::vector<std::size_t> entities = selectedEntities();
    if (entities.empty())
        return;
    const QString title = tr("Set Key");
    const int count = static_cast<int>(entities.size());
    const std::optional<QString> key =
        dialogs_.input(this, title, tr("Key to set on %n entities:", nullptr, count));
    if (!key)
        return;
    const std::optional<QString> value = dialogs_.input(this, title, tr("Value:"));
    if (!value)
        return;
    std::u32string outside;
    const std::optional<std::string> keyBytes = ent::TypedBytes(key->toStdU32String(), &outside);
    if (!keyBytes)
        return warnOutsideCp1252(title, true, outside);
    const std::optional<std::string> valueBytes =
        ent::TypedBytes(value->toStdU32String(), &outside);
    if (!valueBytes)
        return warnOutsideCp1252(title, false, outside);
    const ent::BulkPlan plan = ent::PlanSetKey(doc_.table(), entities, *keyBytes, *valueBytes);
    if (!reportEdit(plan.result, title) || !reportEdit(doc_.replaceRecords(plan.changes), title))
        return;
    SelKey_ = -1;
    selectAfterBulkEdit();
}

void frmMain::menDeleteKey_Click()
{
    const std::vector<std::size_t> entities = selectedEntities();
    if (entities.empty())
        return;
    const QString title = tr("Delete Key");
    const int count = static_cast<int>(entities.size());
    const std::optional<QString> key =
        dialogs_.input(this, title, tr("Key to delete from %n entities:", nullptr, count));
    if (!key)
        return;
    std::u32string outside;
    const std::optional<std::string> keyBytes = ent::TypedBytes(key->toStdU32String(), &outside);
    if (!keyBytes)
        return warnOutsideCp1252(title, true, outside);
    const ent::BulkPlan plan = ent::PlanDeleteKey(doc_.table(), entities, *keyBytes);
    if (!reportEdit(plan.result, title) || !reportEdit(doc_.replaceRecords(plan.changes), title))
        return;
    SelKey_ = -1;
    selectAfterBulkEdit();
}

void frmMain::menReplace_Click()
{
    frmReplace window(this);
    if (window.exec() != QDialog::Accepted)
        return;
    const QString title = tr("Find and Replace");
    const std::optional<ent::ReplaceQuery> query = window.query();
    if (!query)
        return warn(title, tr("The texts hold characters a map can't store."));
    const ent::ReplacePlan plan = ent::PlanReplace(doc_.table(), *query);
    if (!plan.badExpression.empty())
        return warn(title, tr("The regular expression is not valid: %1")
                               .arg(QString::fromStdString(plan.badExpression)));
    if (!reportEdit(plan.result, title))
        return;
    if (plan.occurrences == 0)
        return dialogs_.message(this, suite::MessageIcon::Information, title,
                                tr("Nothing matches \"%1\".").arg(displayText(query->find)));
    const QString lines = tr("%n line(s)", nullptr, static_cast<int>(plan.lines));
    const QString entities = tr("%n entities", nullptr, static_cast<int>(plan.changes.size()));
    if (!dialogs_.question(this, suite::MessageIcon::Question, title,
                           tr("Replace %n occurrence(s) in %1 of %2?", nullptr,
                              static_cast<int>(plan.occurrences))
                               .arg(lines, entities)))
        return;
    if (!reportEdit(doc_.replaceRecords(plan.changes), title))
        return;
    SelKey_ = -1;
    selectAfterBulkEdit();
}

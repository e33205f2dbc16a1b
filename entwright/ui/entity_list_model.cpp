#include "entwright/ui/entity_list_model.h"

#include "entwright/core/entity_filter.h"

#include "common/ui/text.h"

#include <algorithm>

QString displayText(std::string_view bytes)
{
    // Outside 0x80-0x9F the code page agrees with Latin-1, whose conversion
    // is far quicker.
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        if (value >= 0x80 && value <= 0x9F)
            return suite::fromCp1252(
                QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

EntityListModel::EntityListModel(QObject* parent) : QAbstractListModel(parent)
{
}

void EntityListModel::showAll(const ent::EntityTable* table)
{
    beginResetModel();
    table_ = table;
    all_ = true;
    records_.clear();
    records_.shrink_to_fit();
    endResetModel();
}

void EntityListModel::showOnly(const ent::EntityTable* table, std::vector<std::size_t> records)
{
    beginResetModel();
    table_ = table;
    all_ = false;
    records_ = std::move(records);
    endResetModel();
}

void EntityListModel::refresh()
{
    if (rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1));
}

int EntityListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !table_)
        return 0;
    return static_cast<int>(all_ ? table_->Entities.size() : records_.size());
}

std::optional<std::size_t> EntityListModel::recordAt(int row) const
{
    if (!table_ || row < 0 || row >= rowCount())
        return std::nullopt;
    const std::size_t record =
        all_ ? static_cast<std::size_t>(row) : records_[static_cast<std::size_t>(row)];
    if (record >= table_->Entities.size())
        return std::nullopt;
    return record;
}

int EntityListModel::rowOf(std::size_t record) const
{
    if (!table_ || record >= table_->Entities.size())
        return -1;
    if (all_)
        return static_cast<int>(record);
    const auto found = std::lower_bound(records_.begin(), records_.end(), record);
    return found != records_.end() && *found == record ? static_cast<int>(found - records_.begin())
                                                       : -1;
}

QVariant EntityListModel::data(const QModelIndex& index, int role) const
{
    const std::optional<std::size_t> record = recordAt(index.row());
    if (!record)
        return {};
    const ent::EntityRecord& entity = table_->Entities[*record];
    switch (role) {
    case Qt::DisplayRole:
        return displayText(ent::EntityListName(entity.ClassLine).value_or(std::string()));
    case DetailRole: return displayText(ent::EntityDetail(entity));
    case RecordRole: return QVariant::fromValue(static_cast<qulonglong>(*record));
    default: return {};
    }
}

#pragma once

#include "entwright/core/entity_file.h"

#include <QAbstractListModel>

#include <cstddef>
#include <optional>
#include <vector>

// The entity list over the table itself: rows are made when the view asks
// for them, so a map of a hundred thousand entities lists at once and costs
// no copy of its names. A filter narrows the rows to some records.
class EntityListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    // The text shown beside the name (targetname or origin).
    static constexpr int DetailRole = Qt::UserRole + 1;
    // The record index a row shows.
    static constexpr int RecordRole = Qt::UserRole + 2;

    explicit EntityListModel(QObject* parent = nullptr);

    // Shows every record of `table`, which must outlive the model or be
    // replaced before it goes.
    void showAll(const ent::EntityTable* table);
    // Shows only these records, in this order.
    void showOnly(const ent::EntityTable* table, std::vector<std::size_t> records);

    // Repaints the rows after an edit changed what they show.
    void refresh();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    std::optional<std::size_t> recordAt(int row) const;
    // The row showing a record; -1 when the filter hides it.
    int rowOf(std::size_t record) const;

private:
    const ent::EntityTable* table_ = nullptr;
    bool all_ = true;
    std::vector<std::size_t> records_;
};

// Text from a file (Windows-1252 bytes) as the window shows it.
QString displayText(std::string_view bytes);

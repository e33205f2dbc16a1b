#pragma once

#include <QStyledItemDelegate>

// Paints an entity's name as usual and its detail (targetname or origin)
// after it in a quieter colour, so entities of one class can be told apart
// while the list's text stays the name alone.
class EntityItemDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

#include "entwright/ui/entity_item_delegate.h"

#include "entwright/ui/entity_list_model.h"

#include <QApplication>
#include <QPainter>

void EntityItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    const QString detail = index.data(EntityListModel::DetailRole).toString();
    if (detail.isEmpty())
        return;
    const QString name = index.data(Qt::DisplayRole).toString();
    const int gap = option.fontMetrics.horizontalAdvance(QStringLiteral("    "));
    QRect area = option.rect.adjusted(4, 0, -4, 0);
    area.setLeft(area.left() + option.fontMetrics.horizontalAdvance(name) + gap);
    if (area.width() <= 0)
        return;
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    QColor colour = option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    colour.setAlphaF(0.55);
    painter->setPen(colour);
    painter->drawText(area, Qt::AlignVCenter | Qt::AlignLeft,
                      option.fontMetrics.elidedText(detail, Qt::ElideRight, area.width()));
    painter->restore();
}

#include "entwright/ui/list_clicks.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QItemSelectionModel>

ListClicks::ListClicks(QAbstractItemView* list) : QObject(list), list_(list)
{
    // The filter sees a press before the list does, so the flag is reset
    // before the press changes the selection.
    list_->viewport()->installEventFilter(this);
    connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!list_->selectionModel()->hasSelection())
            return;
        if (pressing_)
            pressMovedSelection_ = true;
        emit clicked(list_->currentIndex().row());
    });
    connect(list_, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (!pressMovedSelection_)
            emit clicked(index.row());
    });
}

bool ListClicks::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
        pressing_ = true;
        pressMovedSelection_ = false;
    } else if (event->type() == QEvent::MouseButtonRelease) {
        pressing_ = false;
    }
    return QObject::eventFilter(watched, event);
}

#include "ui/list_clicks.h"

#include <QEvent>
#include <QListWidget>

ListClicks::ListClicks(QListWidget* list) : QObject(list), list_(list)
{
    // The filter sees a press before the list does, so the flag is reset
    // before the press changes the selection.
    list_->viewport()->installEventFilter(this);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (list_->selectedItems().isEmpty())
            return;
        if (pressing_)
            pressMovedSelection_ = true;
        emit clicked(list_->currentRow());
    });
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (!pressMovedSelection_)
            emit clicked(list_->row(item));
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

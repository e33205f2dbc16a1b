#pragma once

#include <QObject>

class QAbstractItemView;

// A list's "click" as the window's handlers expect it: moving the selection
// (by mouse or keyboard) is a click, and so is clicking the entry already
// selected; a mouse click that moves the selection is one click, not two.
// The view must have its model before it is watched.
class ListClicks final : public QObject {
    Q_OBJECT

public:
    explicit ListClicks(QAbstractItemView* list);

signals:
    void clicked(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* list_;
    // Whether the mouse press under way has moved the selection already.
    bool pressMovedSelection_ = false;
    bool pressing_ = false;
};

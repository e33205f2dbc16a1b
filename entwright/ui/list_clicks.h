#pragma once

#include <QObject>

class QListWidget;

// A list's "click" as the window's handlers expect it: moving the selection
// (by mouse or keyboard) is a click, and so is clicking the entry already
// selected; a mouse click that moves the selection is one click, not two.
class ListClicks final : public QObject {
    Q_OBJECT

public:
    explicit ListClicks(QListWidget* list);

signals:
    void clicked(int row);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QListWidget* list_;
    // Whether the mouse press under way has moved the selection already.
    bool pressMovedSelection_ = false;
    bool pressing_ = false;
};

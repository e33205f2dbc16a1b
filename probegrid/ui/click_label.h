#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace probegrid {

// A label that reports clicks and mouse moves, as the board's cells need.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) { setMouseTracking(true); }
    ~ClickLabel() override
    {
        if (lastClicked_ == this)
            lastClicked_ = nullptr;
    }

signals:
    void clicked();
    // A right click: the board uses it for the player's notes.
    void rightClicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        pressed_ = event->button() == Qt::LeftButton;
        rightPressed_ = event->button() == Qt::RightButton;
        event->accept();
    }
    // The second press of a double click on the label just clicked is not a
    // click of its own: a quick double click on a cell marks it once instead
    // of adding a wrong mark. A double click that lands on another label is
    // that label's first press.
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        if (lastClicked_ != this) {
            mousePressEvent(event);
            return;
        }
        pressed_ = false;
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const bool wasPressed = pressed_;
        const bool wasRightPressed = rightPressed_;
        pressed_ = false;
        rightPressed_ = false;
        event->accept();
        if (wasRightPressed && event->button() == Qt::RightButton &&
            rect().contains(event->position().toPoint()))
            emit rightClicked();
        if (wasPressed && event->button() == Qt::LeftButton &&
            rect().contains(event->position().toPoint())) {
            lastClicked_ = this;
            emit clicked();
        }
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        event->accept();
        emit mouseMoved();
    }

private:
    bool pressed_ = false;
    bool rightPressed_ = false;
    static inline const ClickLabel* lastClicked_ = nullptr;
};

} // namespace probegrid

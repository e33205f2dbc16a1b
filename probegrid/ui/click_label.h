#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace probegrid {

// A label that reports clicks and mouse moves, as the board's cells need.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr) : QLabel(parent) { setMouseTracking(true); }

signals:
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        pressed_ = event->button() == Qt::LeftButton;
        event->accept();
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const bool wasPressed = pressed_;
        pressed_ = false;
        event->accept();
        if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            emit clicked();
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        event->accept();
        emit mouseMoved();
    }

private:
    bool pressed_ = false;
};

} // namespace probegrid

#pragma once

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace probegrid {

// Holds the board and border cells and takes the keyboard focus for them,
// so that the arrow keys steer the cursor while Tab still reaches the
// buttons. Keys are left to the window, which knows what they do.
class BoardArea : public QWidget {
    Q_OBJECT
public:
    explicit BoardArea(QWidget* parent = nullptr) : QWidget(parent)
    {
        setFocusPolicy(Qt::StrongFocus);
        setMouseTracking(true);
    }

signals:
    void mouseMoved();

protected:
    void mouseMoveEvent(QMouseEvent* event) override
    {
        event->accept();
        emit mouseMoved();
    }

    // The cursor shows on the board whether or not it has the keys, so a
    // ring in the margin round the cells tells that the arrows will steer it.
    void paintEvent(QPaintEvent*) override
    {
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }

    void focusInEvent(QFocusEvent* event) override
    {
        QWidget::focusInEvent(event);
        update();
    }

    void focusOutEvent(QFocusEvent* event) override
    {
        QWidget::focusOutEvent(event);
        update();
    }
};

// The keyboard cursor drawn over a cell: a dashed dark blue ring that reads
// on every cell colour and lets clicks through.
class CursorFrame : public QWidget {
    Q_OBJECT
public:
    explicit CursorFrame(QWidget* parent = nullptr) : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QPen pen(QColor(0, 60, 200), 3, Qt::DashLine);
        painter.setPen(pen);
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
};

} // namespace probegrid

#pragma once

#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

// Some styles size a push button below its text's width once a layout is
// short of room; a longer translation would then be cut off.
inline void keepRoomForText(QPushButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const int padding =
        2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) +
        2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + padding + 2);
}

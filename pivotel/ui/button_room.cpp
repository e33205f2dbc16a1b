#include "pivotel/ui/button_room.h"

#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace pivotel {

void giveButtonsRoom(QWidget* window)
{
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->text().isEmpty())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        // Some styles' size hints leave less than their own margins need.
        const int padding =
            2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button) +
            2 * button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
        QString shown = button->text();
        shown.remove(QLatin1Char('&'));
        const int needed =
            button->fontMetrics().horizontalAdvance(shown) + padding +
            (button->menu()
                 ? button->style()->pixelMetric(QStyle::PM_MenuButtonIndicator, &option, button)
                 : 0);
        button->setMinimumWidth(std::max(needed, button->sizeHint().width()));
    }
}

} // namespace pivotel

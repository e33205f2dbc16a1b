#pragma once

#include <QFont>
#include <QRect>
#include <QWidget>

namespace probegrid {

// Window layouts are designed in twips; 15 of them make a pixel at 96 dpi.
constexpr int twips(int value)
{
    return value / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// The windows were designed around an 8-point font; the default one is
// wider and would spill out of the buttons.
inline void useDesignFont(QWidget* window)
{
    QFont font = window->font();
    font.setPointSize(8);
    window->setFont(font);
}

} // namespace probegrid

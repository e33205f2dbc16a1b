#pragma once

#include <QRect>

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

} // namespace probegrid

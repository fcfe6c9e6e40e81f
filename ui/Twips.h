#pragma once
// The windows are designed in twips; 15 twips make one pixel.

#include <QLine>
#include <QRect>

namespace ui {

constexpr int px(int twips) { return twips / 15; }
constexpr QRect twips(int left, int top, int width, int height)
{
    return {px(left), px(top), px(width), px(height)};
}
constexpr QLine twipLine(int x1, int y1, int x2, int y2)
{
    return {px(x1), px(y1), px(x2), px(y2)};
}

} // namespace ui

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>

namespace veltrane {

// Window geometry is laid out in twips, 1/1440 inch: 15 twips make one pixel
// at 96 dots per inch. Qt's own high-dpi scaling takes it from there.
inline constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

inline QPoint twipsPoint(int x, int y)
{
    return QPoint(twipsToPixels(x), twipsToPixels(y));
}

} // namespace veltrane

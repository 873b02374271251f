#pragma once

#include <QRect>

// Windows are laid out in twips (1/1440 inch); on screen 15 twips make one pixel.
namespace Twips {

inline constexpr int PerPixel = 15;

// Rounded to the nearest pixel, halves away from zero. The remainder is rounded
// on its own, so that no width read from a file can overflow.
constexpr int toPixels(int twips)
{
    const int rest = twips % PerPixel; // carries the sign of twips
    const int half = PerPixel / 2 + 1;
    return twips / PerPixel + (rest >= half ? 1 : 0) - (rest <= -half ? 1 : 0);
}

constexpr int fromPixels(int pixels)
{
    return pixels * PerPixel;
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace Twips

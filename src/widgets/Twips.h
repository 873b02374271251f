#pragma once

#include <QRect>

// Windows are laid out in twips (1/1440 inch); on screen 15 twips make one pixel.
namespace Twips {

inline constexpr int PerPixel = 15;

// Rounded to the nearest pixel, halves away from zero.
constexpr int toPixels(int twips)
{
    return twips >= 0 ? (twips + PerPixel / 2) / PerPixel : -((-twips + PerPixel / 2) / PerPixel);
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

#include "resources/PanCursorImage.h"

#include <cstdlib>

namespace {

constexpr QRgb Red = qRgb(255, 0, 0);
constexpr QRgb White = qRgb(255, 255, 255);
// From the centre to each tip, the half-width of the shaft, and the length of
// each arrow head measured back from its tip (as wide on either side as it is
// far from the tip).
constexpr int ArmLength = 9;
constexpr int ShaftHalfWidth = 1;
constexpr int HeadLength = 3;

// Whether the pixel at (along, across) from the centre lies on the arm that
// points along the positive "along" direction.
bool onArm(int along, int across)
{
    if (along < 0 || along > ArmLength)
        return false;
    const int fromTip = ArmLength - along;
    if (fromTip <= HeadLength)
        return std::abs(across) <= fromTip;
    return std::abs(across) <= ShaftHalfWidth;
}

bool onArrow(int dx, int dy)
{
    return onArm(dx, dy) || onArm(-dx, dy) || onArm(dy, dx) || onArm(-dy, dx);
}

bool touchesArrow(int dx, int dy)
{
    for (int ny = -1; ny <= 1; ++ny) {
        for (int nx = -1; nx <= 1; ++nx) {
            if (onArrow(dx + nx, dy + ny))
                return true;
        }
    }
    return false;
}

} // namespace

QImage PanCursorImage::render(qreal devicePixelRatio)
{
    QImage image(Size, Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const int dx = x - HotSpot.x();
            const int dy = y - HotSpot.y();
            if (onArrow(dx, dy))
                image.setPixel(x, y, Red);
            else if (touchesArrow(dx, dy))
                image.setPixel(x, y, White);
        }
    }
    if (devicePixelRatio == 1.0)
        return image;
    QImage blocks =
        image.scaled(QSize(Size, Size) * devicePixelRatio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    blocks.setDevicePixelRatio(devicePixelRatio);
    return blocks;
}

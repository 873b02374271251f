#pragma once

#include <QImage>
#include <QPoint>

// The pointer shown over the picture viewer's picture: a red four-headed arrow
// with a white outline on a transparent 32 × 32 image. The hot spot is the
// centre of the arrow.
class PanCursorImage {
public:
    static constexpr int Size = 32;
    static constexpr QPoint HotSpot{10, 10};

    // At a device pixel ratio other than 1 every pixel of the arrow becomes a
    // solid block of that many device pixels, and the image carries the ratio.
    static QImage render(qreal devicePixelRatio = 1.0);
};

#pragma once

#include <QImage>
#include <QString>

// The two 16 × 16 marks a list header shows for the direction its column was
// last sorted in: "down" after an ascending sort, "up" after a descending one.
class SortDirectionImage {
public:
    enum class Direction { Up, Down };
    static constexpr int Size = 16;

    // The key a header keeps for the image: "up" or "down".
    static QString key(Direction direction);
    // A grey triangle pointing up or down on a transparent background.
    // At a device pixel ratio other than 1 the image carries the ratio and its pixels.
    static QImage render(Direction direction, qreal devicePixelRatio = 1.0);
};

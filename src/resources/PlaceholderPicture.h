#pragma once

#include <QImage>

// The picture the thumbnail shows for a record without a picture file: the red
// words "Geen Afbeelding" on a grey gradient.
class PlaceholderPicture {
public:
    static constexpr int Width = 148;
    static constexpr int Height = 85;

    // At a device pixel ratio other than 1 the image carries the ratio and its pixels.
    static QImage render(qreal devicePixelRatio = 1.0);
};

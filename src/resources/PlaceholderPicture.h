#pragma once

#include <QImage>

// The picture the thumbnail shows for a record without a picture file: the red
// words "Geen Afbeelding" on a grey gradient.
class PlaceholderPicture {
public:
    static constexpr int Width = 148;
    static constexpr int Height = 85;

    static QImage render();
};

#pragma once

#include <QImage>
#include <QSize>

// The thumbnail of a stamp picture: the top-left 608 × 407 pixels of the
// picture (the picture box it is held in, 9120 × 6105 twips) shrunk into
// 150 × 87 pixels (2250 × 1305 twips).
class ThumbnailPicture {
public:
    static constexpr QSize SourceSize{608, 407};
    static constexpr QSize Size{150, 87};

    // Each thumbnail pixel is the source pixel nearest to its centre, copied
    // unchanged: no smoothing, no blending. Where the source rectangle reaches
    // beyond a smaller picture the thumbnail is black.
    static QImage render(const QImage &picture);
};

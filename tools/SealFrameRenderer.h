#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

#include <array>

// Draws the frame picture of the seal sheet: a decorated sheet with ten
// perforated seals, two columns of five, each with an opening where the
// user's photo is printed. The picture is printed stretched over 6900 x 9630
// twips; at 5 twips per pixel the openings lie exactly where the photos go.
class SealFrameRenderer {
public:
    static constexpr int TwipsPerPixel = 5;
    static constexpr QSize FrameTwips{6900, 9630};
    static constexpr QSize PictureSize{FrameTwips.width() / TwipsPerPixel,
                                       FrameTwips.height() / TwipsPerPixel};

    // The ten photo openings in pixels of the picture, row by row.
    static std::array<QRect, 10> openings();
    static QImage render();
};

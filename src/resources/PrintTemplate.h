#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

// The pictures of the print dialog: for each job a miniature of the page it
// prints (113 × 165 pixels, an A4 page in small), and the dialog's decorative
// printer (72 × 72 pixels).
class PrintTemplate {
public:
    static constexpr int Width = 113;
    static constexpr int Height = 165;
    static constexpr int PrinterSize = 72;

    // job 1 to 5; any other number gives a blank page. At a device pixel ratio
    // other than 1 the image has that many device pixels per pixel and carries the ratio.
    static QImage render(int job, qreal devicePixelRatio = 1.0);
    static QImage renderPrinter(qreal devicePixelRatio = 1.0);

    // Where the print dialog lays pictures over the miniatures, in its pixels
    // (15 twips each): the top-left corner of the record's picture on job 3,
    // and the ten photo cells of job 4, two across and five down (index 0 to 9).
    // The miniatures draw their picture area and photo cells exactly there.
    static QPoint recordPictureCorner();
    static QRect sealPhotoCell(int index);
};

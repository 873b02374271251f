#pragma once

#include <QImage>

// The pictures of the print dialog: for each job a miniature of the page it
// prints (113 × 165 pixels, an A4 page in small), and the dialog's decorative
// printer (72 × 72 pixels).
class PrintTemplate {
public:
    static constexpr int Width = 113;
    static constexpr int Height = 165;
    static constexpr int PrinterSize = 72;

    // job 1 to 5; any other number gives a blank page.
    static QImage render(int job);
    static QImage renderPrinter();
};

#include "mainwindow/ThumbnailPicture.h"

QImage ThumbnailPicture::render(const QImage &picture)
{
    QImage thumbnail(Size, QImage::Format_RGB32);
    thumbnail.fill(Qt::black);
    const QImage source = picture.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < Size.height(); ++y) {
        const int sourceY = (2 * y + 1) * SourceSize.height() / (2 * Size.height());
        if (sourceY >= source.height())
            break;
        const auto *sourceLine = reinterpret_cast<const QRgb *>(source.constScanLine(sourceY));
        auto *line = reinterpret_cast<QRgb *>(thumbnail.scanLine(y));
        for (int x = 0; x < Size.width(); ++x) {
            const int sourceX = (2 * x + 1) * SourceSize.width() / (2 * Size.width());
            if (sourceX >= source.width())
                break;
            line[x] = sourceLine[sourceX];
        }
    }
    return thumbnail;
}

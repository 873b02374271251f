#include "resources/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <limits>

namespace {

constexpr std::array<QRgb, 16> Palette = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

QRgb nearestPaletteColour(QRgb colour)
{
    QRgb best = Palette[0];
    int bestDistance = std::numeric_limits<int>::max();
    for (const QRgb candidate : Palette) {
        const int dr = qRed(colour) - qRed(candidate);
        const int dg = qGreen(colour) - qGreen(candidate);
        const int db = qBlue(colour) - qBlue(candidate);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = candidate;
        }
    }
    return best;
}

// Smooth edges are drawn first and then reduced to the palette: a pixel that is
// less than half covered becomes transparent, any other takes the nearest colour.
void reduceToPalette(QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            line[x] = qAlpha(pixel) < 128 ? qRgba(0, 0, 0, 0) : nearestPaletteColour(qUnpremultiply(pixel));
        }
    }
}

// Stamp paper with half-round notches along every edge, four pixels apart.
void drawPerforatedPaper(QPainter &painter, int size)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawRect(QRectF(1, 1, size - 2, size - 2));

    const qreal radius = size >= 32 ? 1.5 : 1.1;
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    for (int centre = 2; centre < size; centre += 4) {
        painter.drawEllipse(QPointF(centre, 1), radius, radius);
        painter.drawEllipse(QPointF(centre, size - 1), radius, radius);
        painter.drawEllipse(QPointF(1, centre), radius, radius);
        painter.drawEllipse(QPointF(size - 1, centre), radius, radius);
    }
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

// A head facing left, in a 32-unit square: forehead, nose, lips and chin on the
// left, the neck running down to the bottom of the picture.
QPainterPath headInProfile()
{
    QPainterPath head;
    head.moveTo(23, 26.5);
    head.lineTo(21.5, 21.5);
    head.cubicTo(24, 20, 25, 16, 24, 12.5);
    head.cubicTo(23, 9, 20, 7.5, 17, 7.5);
    head.cubicTo(14, 7.5, 12.5, 9.5, 12.3, 12.5);
    head.lineTo(9, 16.8);
    head.lineTo(11.8, 17.4);
    head.lineTo(11.2, 18.4);
    head.lineTo(12.2, 19);
    head.lineTo(11.2, 19.8);
    head.lineTo(12, 21.5);
    head.cubicTo(13, 22.5, 14.5, 22.5, 15.5, 22);
    head.lineTo(15.5, 26.5);
    head.closeSubpath();
    return head;
}

// The hair over the crown and the back of the head.
QPainterPath hair()
{
    QPainterPath path;
    path.moveTo(13, 10.5);
    path.cubicTo(14, 8, 16, 7.5, 17, 7.5);
    path.cubicTo(20, 7.5, 23, 9, 24, 12.5);
    path.cubicTo(25, 16, 24, 19, 22.5, 20.5);
    path.cubicTo(20.5, 18, 20.5, 14, 19, 12);
    path.cubicTo(17, 10.5, 15, 10.5, 13, 10.5);
    path.closeSubpath();
    return path;
}

} // namespace

QImage ProgramIcon::render(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        drawPerforatedPaper(painter, size);

        painter.scale(size / 32.0, size / 32.0);
        painter.setPen(QPen(QColor(0, 0, 0), 1.0));
        painter.setBrush(QColor(128, 0, 0));
        painter.drawRect(QRectF(5.5, 5.5, 21, 21));

        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255));
        painter.drawPath(headInProfile());
        painter.setBrush(QColor(192, 192, 192));
        painter.drawPath(hair());
        painter.setBrush(QColor(128, 0, 0));
        painter.drawEllipse(QPointF(14.5, 13.5), 0.7, 0.7);
    }
    reduceToPalette(image);
    return image.convertToFormat(QImage::Format_ARGB32);
}

QIcon ProgramIcon::icon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(render(32)));
    icon.addPixmap(QPixmap::fromImage(render(16)));
    return icon;
}

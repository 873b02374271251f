#include "resources/SortDirectionImage.h"

#include <QPainter>
#include <QPolygon>

QString SortDirectionImage::key(Direction direction)
{
    return direction == Direction::Up ? QStringLiteral("up") : QStringLiteral("down");
}

QImage SortDirectionImage::render(Direction direction, qreal devicePixelRatio)
{
    QImage image(QSize(Size, Size) * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);

    // Apex and base of a triangle 9 pixels wide and 5 high, centred in the image.
    const int apexY = direction == Direction::Up ? 5 : 10;
    const int baseY = direction == Direction::Up ? 10 : 5;
    const QPolygon triangle{{QPoint(8, apexY), QPoint(4, baseY), QPoint(12, baseY)}};

    QPainter painter(&image);
    painter.setPen(QColor(96, 96, 96));
    painter.setBrush(QColor(128, 128, 128));
    painter.drawPolygon(triangle);
    return image;
}

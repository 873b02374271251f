#include "resources/PlaceholderPicture.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>

QImage PlaceholderPicture::render(qreal devicePixelRatio)
{
    QImage image(QSize(Width, Height) * devicePixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    const QRect area(0, 0, Width, Height);
    QPainter painter(&image);

    QLinearGradient gradient(0, 0, 0, Height);
    gradient.setColorAt(0.0, QColor(224, 224, 224));
    gradient.setColorAt(1.0, QColor(128, 128, 128));
    painter.fillRect(area, gradient);

    // A pixel size, not a point size, so the words fill the picture alike on any screen.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(14);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(204, 0, 0));
    painter.drawText(area, Qt::AlignCenter,
                     QCoreApplication::translate("PlaceholderPicture", "Geen Afbeelding"));
    return image;
}

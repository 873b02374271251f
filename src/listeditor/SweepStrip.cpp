#include "listeditor/SweepStrip.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace {

// The default floating-point rounding mode takes halves to the even neighbour.
int roundHalfToEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

SweepStrip::SweepStrip(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SweepStrip::clear()
{
    m_image.fill(Background);
    update();
}

void SweepStrip::drawLine(double x)
{
    const int column = columnAt(x);
    if (column < 0 || column >= m_image.width())
        return;
    const QColor colour = colourAt(x);
    for (int y = 0; y < LineHeight && y < m_image.height(); ++y)
        m_image.setPixelColor(column, y, colour);
    update(column, 0, 1, LineHeight);
}

QColor SweepStrip::colourAt(double x)
{
    return QColor(roundHalfToEven(x + 40), roundHalfToEven(x + 100), 0);
}

int SweepStrip::columnAt(double x)
{
    return roundHalfToEven(x);
}

void SweepStrip::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}

void SweepStrip::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_image = QImage(size(), QImage::Format_RGB32);
    m_image.fill(Background);
}

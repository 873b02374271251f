#include "Perforation.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

void punchSide(QPainter &painter, QPointF from, QPointF to, qreal pitch, qreal radius)
{
    const QPointF step = to - from;
    const qreal length = std::hypot(step.x(), step.y());
    const int gaps = std::max(1, static_cast<int>(std::lround(length / pitch)));
    for (int i = 0; i <= gaps; ++i)
        painter.drawEllipse(from + step * (static_cast<qreal>(i) / gaps), radius, radius);
}

} // namespace

namespace Perforation {

void punch(QPainter &painter, const QRectF &paper, qreal pitch, qreal radius, const QBrush &behind)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(behind);
    punchSide(painter, paper.topLeft(), paper.topRight(), pitch, radius);
    punchSide(painter, paper.bottomLeft(), paper.bottomRight(), pitch, radius);
    punchSide(painter, paper.topLeft(), paper.bottomLeft(), pitch, radius);
    punchSide(painter, paper.topRight(), paper.bottomRight(), pitch, radius);
    painter.restore();
}

} // namespace Perforation
